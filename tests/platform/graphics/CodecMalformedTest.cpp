// Invalid image data is refused with EInvalidGraphic and a message, never a crash.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "CodecTestSupport.h"
#include "platform/SysUtils.h"
#include "platform/graphics/codecs/ImageCodecs.h"

using namespace vcl::codecs;
using namespace codectest;

namespace {

void PutU32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

std::vector<std::uint8_t> ValidBmp8() {
    RawImage image = PatternImage(6, 4, 8);
    return EncodeBMP(image);
}

// Decoding must either succeed with a consistent image or raise EInvalidGraphic.
void ExpectCleanResult(const std::vector<std::uint8_t>& file) {
    try {
        const RawImage image = DecodeImage(file);
        ASSERT_GT(image.width, 0);
        ASSERT_GT(image.height, 0);
        ASSERT_GE(image.bits.size(), std::size_t(image.BytesPerLine()) * std::size_t(image.height));
        if (image.bitsPerPixel <= 8) {
            ASSERT_LE(image.palette.size(), std::size_t{1} << image.bitsPerPixel);
        }
    } catch (const vcl::EInvalidGraphic& e) {
        ASSERT_FALSE(e.Message().empty());
    }
}

}  // namespace

TEST(CodecMalformed, TenKindsOfBadFilesAreRefused) {
    const std::vector<std::uint8_t> bmp = ValidBmp8();
    const std::vector<std::uint8_t> png = EncodePNG(PatternImage(8, 8, 24));
    struct Case {
        const char* what;
        std::function<std::vector<std::uint8_t>()> make;
        const char* messagePart;
    };
    const Case cases[] = {
        {"empty data", [] { return std::vector<std::uint8_t>{}; }, "empty"},
        {"unknown signature", [] { return std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a'}; }, "Unknown"},
        {"truncated BMP pixels", [&] { auto f = bmp; f.resize(f.size() - 5); return f; }, "truncated"},
        {"BMP header cut short", [&] { auto f = bmp; f.resize(30); return f; }, "ends inside"},
        {"pixel offset past the end", [&] { auto f = bmp; PutU32(f, 10, 0x7FFFFFF0); return f; }, "offset"},
        {"zero width", [&] { auto f = bmp; PutU32(f, 18, 0); return f; }, "positive"},
        {"negative width", [&] { auto f = bmp; PutU32(f, 18, std::uint32_t(-6)); return f; }, "positive"},
        {"giant dimensions", [&] { auto f = bmp; PutU32(f, 18, 1u << 20); PutU32(f, 22, 1u << 20); return f; }, "too large"},
        {"palette count larger than the depth allows", [&] { auto f = bmp; PutU32(f, 46, 4096); return f; }, "colour table"},
        {"palette running into the pixels", [&] {
             auto f = MakeBmp(2, 1, 8, 0, Bytes().u32(0).u32(0).data, {0, 1, 0, 0}, 200);
             return f; }, "colour table"},
        {"unsupported compression", [&] { auto f = bmp; PutU32(f, 30, 9); return f; }, "compression"},
        {"unsupported bit depth", [&] { auto f = bmp; f[28] = 7; return f; }, "bit depth"},
        {"row size overflow", [&] { auto f = MakeBmp(1, 1, 32, 0, {}, {0, 0, 0, 0});
             PutU32(f, 18, 0x7FFFFFFF); PutU32(f, 22, 1); return f; }, "too large"},
        {"run-length data without an end mark", [&] {
             return MakeBmp(4, 2, 8, 1, Bytes().u32(0).u32(0xFF).data, {4, 1}, 2); }, "end-of-bitmap"},
        {"top-down run-length image", [&] {
             return MakeBmp(4, -2, 8, 1, Bytes().u32(0).u32(0xFF).data, {0, 1}, 2); }, "top-down"},
        {"truncated PNG", [&] { auto f = png; f.resize(f.size() / 2); return f; }, "PNG"},
        {"PNG with a corrupt CRC", [&] { auto f = png; f[40] ^= 0x55; return f; }, "PNG"},
        {"PNG claiming a huge size", [&] { auto f = png; f[16] = 0x00; f[17] = 0x00; f[18] = 0x40; return f; }, "PNG"},
        {"JPEG with only a start marker", [] { return std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 0, 4}; }, "JPEG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            DecodeImage(c.make());
            ADD_FAILURE() << "accepted";
        } catch (const vcl::EInvalidGraphic& e) {
            EXPECT_NE(e.Message().find(c.messagePart), std::string::npos) << e.Message();
        }
    }
}

TEST(CodecMalformed, EncodersRefuseInconsistentImages) {
    RawImage image = PatternImage(4, 4, 8);
    image.bits.resize(3);
    EXPECT_THROW(EncodeBMP(image), vcl::EInvalidGraphic);
    image = PatternImage(4, 4, 4);
    image.palette.resize(17);
    EXPECT_THROW(EncodePNG(image), vcl::EInvalidGraphic);
    image = PatternImage(4, 4, 24);
    image.bitsPerPixel = 16;
    EXPECT_THROW(EncodeBMP(image), vcl::EInvalidGraphic);
    EXPECT_THROW(EncodePNG(RawImage{}), vcl::EInvalidGraphic);
}

// Every truncation and a sweep of byte flips over the headers of valid files end in a
// clean exception or a consistent image.
TEST(CodecMalformed, MutationsGiveCleanResults) {
    RawImage small = PatternImage(5, 3, 24);
    const std::vector<std::vector<std::uint8_t>> seeds = {
        ValidBmp8(), EncodeBMP(PatternImage(5, 3, 4)), EncodePNG(small),
        MakeBmp(4, 2, 8, 1, Bytes().u32(0).u32(0xFF).data, {3, 1, 1, 2, 0, 0, 0, 3, 2, 0, 1, 0, 0, 1}, 2)};
    for (const auto& seed : seeds) {
        for (std::size_t length = 0; length < seed.size(); ++length)
            ExpectCleanResult(std::vector<std::uint8_t>(seed.begin(), seed.begin() + std::ptrdiff_t(length)));
        const std::size_t header = std::min<std::size_t>(seed.size(), 70);
        for (std::size_t at = 0; at < header; ++at)
            for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
                std::vector<std::uint8_t> mutated = seed;
                mutated[at] ^= flip;
                ExpectCleanResult(mutated);
            }
    }
}
