// Codec round trips and the header variants the BMP reader accepts.
#include <gtest/gtest.h>

#include <cstdio>

#include "CodecTestSupport.h"
#include "platform/SysUtils.h"
#include "platform/graphics/codecs/ImageCodecs.h"
// After the project headers: jpeglib.h defines TRUE and FALSE as macros.
#include <jpeglib.h>

using namespace vcl::codecs;
using namespace codectest;

namespace {

// Pixels compared bit for bit inside the image; row padding is not part of the picture.
void ExpectSamePixels(const RawImage& expected, const RawImage& actual) {
    ASSERT_EQ(expected.width, actual.width);
    ASSERT_EQ(expected.height, actual.height);
    ASSERT_EQ(expected.bitsPerPixel, actual.bitsPerPixel);
    const int bits = expected.width * expected.bitsPerPixel;
    for (int y = 0; y < expected.height; ++y) {
        const std::uint8_t* a = expected.bits.data() + std::size_t(expected.BytesPerLine()) * std::size_t(y);
        const std::uint8_t* b = actual.bits.data() + std::size_t(actual.BytesPerLine()) * std::size_t(y);
        for (int bit = 0; bit < bits; ++bit) {
            const int ba = (a[bit / 8] >> (7 - bit % 8)) & 1, bb = (b[bit / 8] >> (7 - bit % 8)) & 1;
            ASSERT_EQ(ba, bb) << "row " << y << " bit " << bit;
        }
    }
}

}  // namespace

TEST(CodecRoundTrip, BmpKeepsEveryDepthPixelsAndPalette) {
    for (int bpp : {1, 4, 8, 24, 32}) {
        for (auto [w, h] : {std::pair{1, 1}, {13, 7}, {33, 2}}) {
            SCOPED_TRACE(std::to_string(bpp) + " bit " + std::to_string(w) + "x" + std::to_string(h));
            RawImage image = PatternImage(w, h, bpp);
            if (bpp == 8) image.palette.resize(200);   // short palette: indexes stay below 200
            for (auto& byte : image.bits) if (bpp == 8 && byte >= 200) byte = 199;
            const std::vector<std::uint8_t> file = EncodeBMP(image);
            // Bottom-up 40-byte header as written, palette entries as given.
            EXPECT_EQ(file[14], 40);
            EXPECT_GT(std::int32_t(file[22] | file[23] << 8 | file[24] << 16 | file[25] << 24), 0);
            const RawImage back = DecodeImage(file);
            ExpectSamePixels(image, back);
            EXPECT_EQ(image.palette, back.palette);
        }
    }
}

TEST(CodecRoundTrip, PngKeepsTrueColourAndAlpha) {
    RawImage rgb = PatternImage(17, 5, 24);
    ExpectSamePixels(rgb, DecodeImage(EncodePNG(rgb)));

    RawImage rgba = PatternImage(9, 4, 32);
    rgba.hasAlpha = true;
    const RawImage back = DecodeImage(EncodePNG(rgba));
    EXPECT_TRUE(back.hasAlpha);
    ExpectSamePixels(rgba, back);

    // Without meaningful alpha a 32 bit image is stored as colour only.
    rgba.hasAlpha = false;
    const RawImage opaque = DecodePNG(EncodePNG(rgba));
    EXPECT_EQ(opaque.bitsPerPixel, 24);
    EXPECT_FALSE(opaque.hasAlpha);
    for (int x = 0; x < 9; ++x)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(Pixel(opaque, x, 3)[c], Pixel(rgba, x, 3)[c]);
}

// A 32 bit BMP says that its fourth bytes are alpha, or a reader takes them for padding.
TEST(CodecRoundTrip, BmpKeepsAlphaAt32Bits) {
    RawImage rgba = PatternImage(7, 3, 32);
    rgba.hasAlpha = true;
    const std::vector<std::uint8_t> file = EncodeBMP(rgba);
    EXPECT_EQ(file[14], 108);
    const RawImage back = DecodeImage(file);
    EXPECT_TRUE(back.hasAlpha);
    ExpectSamePixels(rgba, back);

    rgba.hasAlpha = false;
    EXPECT_EQ(EncodeBMP(rgba)[14], 40);
    EXPECT_FALSE(DecodeImage(EncodeBMP(rgba)).hasAlpha);
}

TEST(CodecRoundTrip, PngPaletteImagesComeBackAsTheirColours) {
    for (int bpp : {1, 4, 8}) {
        SCOPED_TRACE(bpp);
        const RawImage image = PatternImage(11, 3, bpp);
        const RawImage back = DecodePNG(EncodePNG(image));
        ASSERT_EQ(back.bitsPerPixel, 24);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x) {
                const int bit = x * bpp;
                const unsigned index = (image.bits[std::size_t(image.BytesPerLine() * y + bit / 8)] >>
                                        (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                const vcl::TColor c = image.palette[index];
                const std::uint8_t* p = Pixel(back, x, y);
                EXPECT_EQ(vcl::RGB(p[2], p[1], p[0]), c) << x << "," << y;
            }
    }
}

TEST(CodecRoundTrip, BmpReadsTopDownBitFieldsAndOldHeaders) {
    // Top-down 24 bit: the first stored row is the top row.
    const std::vector<std::uint8_t> rows = {1, 2, 3, 0, 4, 5, 6, 0};   // 1x2, padded rows
    std::vector<std::uint8_t> topDown = MakeBmp(1, -2, 24, 0, {}, rows);
    RawImage image = DecodeBMP(topDown);
    EXPECT_EQ(Pixel(image, 0, 0)[0], 1);
    EXPECT_EQ(Pixel(image, 0, 1)[0], 4);
    image = DecodeBMP(MakeBmp(1, 2, 24, 0, {}, rows));   // bottom-up: reversed
    EXPECT_EQ(Pixel(image, 0, 0)[0], 4);

    // 16 bit 5-5-5 and 5-6-5 bit fields become 24 bit.
    image = DecodeBMP(MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}));
    ASSERT_EQ(image.bitsPerPixel, 24);
    EXPECT_EQ(Pixel(image, 0, 0)[2], 255);   // pure red
    EXPECT_EQ(Pixel(image, 1, 0)[0], 255);   // pure blue
    const std::vector<std::uint8_t> masks565 = Bytes().u32(0xF800).u32(0x07E0).u32(0x001F).data;
    image = DecodeBMP(MakeBmp(1, 1, 16, 3, masks565, {0xE0, 0x07, 0, 0}));
    EXPECT_EQ(Pixel(image, 0, 0)[1], 255);
    EXPECT_EQ(Pixel(image, 0, 0)[2], 0);

    // Old 12-byte header with three-byte palette entries.
    Bytes core;
    core.raw({'B', 'M'}).u32(0).u32(0).u32(14 + 12 + 6);
    core.u32(12).u16(3).u16(1).u16(1).u16(1);
    core.raw({10, 20, 30, 40, 50, 60}).raw({0x40, 0, 0, 0});   // palette, then 0 1 0
    image = DecodeBMP(core.data);
    ASSERT_EQ(image.bitsPerPixel, 1);
    ASSERT_EQ(image.palette.size(), 2u);
    EXPECT_EQ(image.palette[1], vcl::RGB(60, 50, 40));
    EXPECT_EQ(image.bits[0], 0x40);

    // Version 5 header with an alpha mask keeps meaningful alpha.
    Bytes v5;
    v5.raw({'B', 'M'}).u32(0).u32(0).u32(14 + 124);
    v5.u32(124).u32(1).u32(1).u16(1).u16(32).u32(3).u32(4).u32(0).u32(0).u32(0).u32(0);
    v5.u32(0xFF0000).u32(0xFF00).u32(0xFF).u32(0xFF000000u);
    while (v5.data.size() < 14 + 124) v5.u8(0);
    v5.raw({1, 2, 3, 128});
    image = DecodeBMP(v5.data);
    EXPECT_TRUE(image.hasAlpha);
    EXPECT_EQ(Pixel(image, 0, 0)[3], 128);
}

TEST(CodecRoundTrip, BmpReadsRunLengthEncoding) {
    const std::vector<std::uint8_t> palette = Bytes().u32(0).u32(0xFF0000).u32(0xFF00).data;
    // RLE8, 4x2: bottom row "1 1 1 2", end of line, top row: literal 2 0 1, end of bitmap.
    const std::vector<std::uint8_t> rle8 = {3, 1, 1, 2, 0, 0, 0, 3, 2, 0, 1, 0, 0, 1};
    RawImage image = DecodeBMP(MakeBmp(4, 2, 8, 1, palette, rle8, 3));
    ASSERT_EQ(image.bitsPerPixel, 8);
    EXPECT_EQ((std::vector<std::uint8_t>(image.bits.begin(), image.bits.begin() + 4)),
              (std::vector<std::uint8_t>{2, 0, 1, 0}));
    EXPECT_EQ((std::vector<std::uint8_t>(image.bits.begin() + 4, image.bits.end())),
              (std::vector<std::uint8_t>{1, 1, 1, 2}));

    // RLE4, 5x1: run of 5 alternating 1,2 then end of bitmap.
    image = DecodeBMP(MakeBmp(5, 1, 4, 2, palette, {5, 0x12, 0, 1}, 3));
    EXPECT_EQ(image.bits[0], 0x12);
    EXPECT_EQ(image.bits[1], 0x12);
    EXPECT_EQ(image.bits[2], 0x10);
}

TEST(CodecRoundTrip, BmpPaletteCoversEveryUsedIndex) {
    // Two palette entries but a pixel uses index 5: the palette grows with black.
    const std::vector<std::uint8_t> palette = Bytes().u32(0xFFFFFF).u32(0x0000FF).data;
    const RawImage image = DecodeBMP(MakeBmp(2, 1, 8, 0, palette, {1, 5, 0, 0}, 2));
    ASSERT_EQ(image.palette.size(), 6u);
    EXPECT_EQ(image.palette[1], vcl::RGB(0, 0, 255));
    EXPECT_EQ(image.palette[5], vcl::clBlack);
}

namespace {

// A JPEG compressed by libjpeg itself, for the decoder to read back.
std::vector<std::uint8_t> CompressJpeg(int width, int height, bool grey) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * (grey ? 1 : 3));
    while (cinfo.next_scanline < cinfo.image_height) {
        // Left half one colour, right half another.
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            if (grey) row[std::size_t(x)] = left ? 40 : 200;
            else {
                row[std::size_t(x) * 3 + 0] = left ? 220 : 10;
                row[std::size_t(x) * 3 + 1] = left ? 30 : 120;
                row[std::size_t(x) * 3 + 2] = left ? 40 : 230;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return file;
}

}  // namespace

TEST(CodecRoundTrip, JpegDecodesToApproximateColours) {
    const RawImage colour = DecodeImage(CompressJpeg(32, 16, false));
    ASSERT_EQ(colour.bitsPerPixel, 24);
    ASSERT_EQ(colour.width, 32);
    const std::uint8_t* left = Pixel(colour, 4, 8);
    const std::uint8_t* right = Pixel(colour, 28, 8);
    EXPECT_NEAR(left[2], 220, 12);   // R
    EXPECT_NEAR(left[1], 30, 12);
    EXPECT_NEAR(left[0], 40, 12);
    EXPECT_NEAR(right[2], 10, 12);
    EXPECT_NEAR(right[1], 120, 12);
    EXPECT_NEAR(right[0], 230, 12);

    const RawImage grey = DecodeImage(CompressJpeg(16, 8, true));
    ASSERT_EQ(grey.bitsPerPixel, 24);
    EXPECT_NEAR(Pixel(grey, 2, 2)[0], 40, 6);
    EXPECT_EQ(Pixel(grey, 2, 2)[0], Pixel(grey, 2, 2)[2]);
    EXPECT_NEAR(Pixel(grey, 13, 2)[1], 200, 6);
}
