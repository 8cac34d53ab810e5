// 16-bit PNG samples reduced to 8 bits, and BMP files that carry a JPEG or PNG inside.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "CodecTestSupport.h"
#include "platform/SysUtils.h"
#include "platform/graphics/codecs/ImageCodecs.h"
// After the project headers: jpeglib.h defines TRUE and FALSE as macros.
#include <jpeglib.h>

using namespace vcl::codecs;
using namespace codectest;

namespace {

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void BigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body) {
    BigEndian32(out, std::uint32_t(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    BigEndian32(out, Crc32(out.data() + start, out.size() - start));
}

// A PNG of 16-bit samples (colour type 2 = RGB, 6 = RGBA), its rows stored uncompressed in
// one deflate block; `colourChunk` ("gAMA", ...) is added when given.
std::vector<std::uint8_t> Png16(int width, int height, int colorType, const std::vector<std::uint16_t>& samples,
                                const char* colourChunk = nullptr) {
    const int channels = colorType == 6 ? 4 : 3;
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);   // filter: none
        for (int i = 0; i < width * channels; ++i) {
            const std::uint16_t v = samples[std::size_t(y * width * channels + i)];
            raw.push_back(std::uint8_t(v >> 8));
            raw.push_back(std::uint8_t(v));
        }
    }
    std::vector<std::uint8_t> z = {0x78, 0x01, 0x01, std::uint8_t(raw.size()), std::uint8_t(raw.size() >> 8),
                                   std::uint8_t(~raw.size()), std::uint8_t(~raw.size() >> 8)};
    z.insert(z.end(), raw.begin(), raw.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    BigEndian32(z, (b << 16) | a);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> header;
    BigEndian32(header, std::uint32_t(width));
    BigEndian32(header, std::uint32_t(height));
    header.insert(header.end(), {16, std::uint8_t(colorType), 0, 0, 0});
    Chunk(png, "IHDR", header);
    if (colourChunk != nullptr) {
        std::vector<std::uint8_t> gamma;
        BigEndian32(gamma, 100000);   // gamma 1.0: the samples are linear light
        Chunk(png, colourChunk, gamma);
    }
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    return png;
}

std::vector<std::uint8_t> CompressJpeg(int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[std::size_t(x) * 3 + 0] = 30;
        row[std::size_t(x) * 3 + 1] = 160;
        row[std::size_t(x) * 3 + 2] = 220;
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// A BMP whose pixel data is a whole embedded file (compression 4 = JPEG, 5 = PNG).
std::vector<std::uint8_t> EmbeddingBmp(int width, int height, std::uint32_t compression,
                                       const std::vector<std::uint8_t>& inner) {
    return MakeBmp(width, height, 0, compression, {}, inner);
}

}  // namespace

TEST(CodecDepth, SixteenBitSamplesWithoutColourSpaceAreReducedWithoutGamma) {
    const std::vector<std::uint16_t> rgb = {0xFFFF, 0x0842, 0x0810, 0x0000, 0x8080, 0xFFFF};
    const RawImage image = DecodeImage(Png16(2, 1, 2, rgb));
    ASSERT_EQ(image.bitsPerPixel, 24);
    const std::uint8_t* p = Pixel(image, 0, 0);
    EXPECT_EQ(p[2], 0xFF);   // R
    EXPECT_EQ(p[1], 0x08);
    EXPECT_EQ(p[0], 0x08);
    const std::uint8_t* q = Pixel(image, 1, 0);
    EXPECT_EQ(q[2], 0x00);
    EXPECT_EQ(q[1], 0x80);
    EXPECT_EQ(q[0], 0xFF);

    // With alpha: straight (not premultiplied) colour and the alpha reduced alike.
    const std::vector<std::uint16_t> rgba = {0x0842, 0x8080, 0xFFFF, 0x8080};
    const RawImage withAlpha = DecodeImage(Png16(1, 1, 6, rgba));
    ASSERT_EQ(withAlpha.bitsPerPixel, 32);
    EXPECT_TRUE(withAlpha.hasAlpha);
    const std::uint8_t* r = Pixel(withAlpha, 0, 0);
    EXPECT_EQ(r[2], 0x08);
    EXPECT_EQ(r[1], 0x80);
    EXPECT_EQ(r[0], 0xFF);
    EXPECT_EQ(r[3], 0x80);

    // A gamma chunk saying the samples are linear light is still honoured: the dark red
    // channel is encoded upwards.
    const RawImage linear = DecodeImage(Png16(2, 1, 2, rgb, "gAMA"));
    EXPECT_GT(Pixel(linear, 0, 0)[1], 0x20);
}

TEST(CodecEmbedded, BmpCarryingAJpegOrPngDecodesThroughThoseReaders) {
    const RawImage fromJpeg = DecodeImage(EmbeddingBmp(16, 8, 4, CompressJpeg(16, 8)));
    ASSERT_EQ(fromJpeg.width, 16);
    ASSERT_EQ(fromJpeg.height, 8);
    const std::uint8_t* j = Pixel(fromJpeg, 5, 3);
    EXPECT_NEAR(j[2], 30, 8);
    EXPECT_NEAR(j[1], 160, 8);
    EXPECT_NEAR(j[0], 220, 8);

    RawImage source = PatternImage(5, 3, 24);
    const RawImage fromPng = DecodeImage(EmbeddingBmp(5, 3, 5, EncodePNG(source)));
    ASSERT_EQ(fromPng.width, 5);
    ASSERT_EQ(fromPng.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(Pixel(fromPng, x, y)[c], Pixel(source, x, y)[c]);

    // Refused with a reason: a size that disagrees with the header, a damaged inner file.
    try {
        DecodeImage(EmbeddingBmp(6, 3, 5, EncodePNG(source)));
        ADD_FAILURE() << "a size mismatch was accepted";
    } catch (const vcl::Exception& e) {
        EXPECT_NE(e.Message().find("5 x 3"), std::string::npos) << e.Message();
    }
    std::vector<std::uint8_t> broken = EncodePNG(source);
    broken.resize(broken.size() / 2);
    EXPECT_THROW(DecodeImage(EmbeddingBmp(5, 3, 5, broken)), vcl::Exception);
}
