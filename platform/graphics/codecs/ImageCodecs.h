// Image file codecs: BMP, PNG and JPEG to and from a plain pixel buffer laid out the way
// TBitmap keeps its rows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/Colors.h"

namespace vcl::codecs {

struct RawImage {
    int width = 0, height = 0;
    int bitsPerPixel = 32;             // 1, 4, 8, 24 or 32
    std::vector<TColor> palette;       // 1/4/8 bit: 2, 16, 256 entries at most (0x00BBGGRR)
    std::vector<std::uint8_t> bits;    // rows top-down, each BytesPerLine() long
    bool hasAlpha = false;             // 32 bit: the 4th byte is meaningful alpha
    int BytesPerLine() const { return ((width * bitsPerPixel + 31) / 32) * 4; }
};

// Rows hold pixels exactly as TBitmap::ScanLine gives them: 1/4/8 bit palette indexes with
// the most significant bits first, 24 bit as B,G,R, 32 bit as B,G,R,A.
//
// Every decoder raises EInvalidGraphic with a clear message for invalid input; dimensions
// and sizes are checked against the data before anything large is allocated, and the total
// pixel count is capped at MaxImagePixels.
constexpr std::int64_t MaxImagePixels = std::int64_t{1} << 28;

RawImage DecodeImage(std::span<const std::uint8_t> data);   // BMP, PNG or JPEG by content
RawImage DecodeBMP(std::span<const std::uint8_t> data);
RawImage DecodePNG(std::span<const std::uint8_t> data);     // 24 bit, or 32 bit with alpha
RawImage DecodeJPEG(std::span<const std::uint8_t> data);    // 24 bit
std::vector<std::uint8_t> EncodeBMP(const RawImage& image); // keeps the depth and palette
std::vector<std::uint8_t> EncodePNG(const RawImage& image);

}  // namespace vcl::codecs
