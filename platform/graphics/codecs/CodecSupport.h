// Helpers shared by the image codecs: errors, bounds-checked little-endian reads and the
// checks every decoder makes before it allocates pixel memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/graphics/codecs/ImageCodecs.h"
#include "platform/runtime/Exceptions.h"

namespace vcl::codecs::detail {

[[noreturn]] inline void Fail(const std::string& format, const std::string& why) {
    throw EInvalidGraphic("Invalid " + format + " image: " + why);
}

// Reads little-endian integers at an offset, refusing reads past the end of the data.
class LittleEndianReader {
public:
    LittleEndianReader(std::span<const std::uint8_t> data, const char* format)
        : data_(data), format_(format) {}

    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    void Require(std::size_t offset, std::size_t count, const char* what) const {
        if (!Has(offset, count)) Fail(format_, std::string("the file ends inside the ") + what);
    }
    std::uint8_t U8(std::size_t offset) const { Require(offset, 1, "data"); return data_[offset]; }
    std::uint16_t U16(std::size_t offset) const {
        Require(offset, 2, "data");
        return std::uint16_t(data_[offset] | (data_[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset) const {
        Require(offset, 4, "data");
        return std::uint32_t(data_[offset]) | (std::uint32_t(data_[offset + 1]) << 8) |
               (std::uint32_t(data_[offset + 2]) << 16) | (std::uint32_t(data_[offset + 3]) << 24);
    }
    std::int32_t I32(std::size_t offset) const { return std::int32_t(U32(offset)); }
    std::span<const std::uint8_t> Bytes(std::size_t offset, std::size_t count, const char* what) const {
        Require(offset, count, what);
        return data_.subspan(offset, count);
    }
    std::size_t Size() const { return data_.size(); }

private:
    std::span<const std::uint8_t> data_;
    const char* format_;
};

// Refuses zero, negative and oversized dimensions; returns the row stride in bytes.
inline int CheckDimensions(const char* format, std::int64_t width, std::int64_t height, int bitsPerPixel) {
    if (width <= 0 || height <= 0)
        Fail(format, "width and height must be positive (" + std::to_string(width) + " x " +
                         std::to_string(height) + ")");
    if (width > (1 << 24) || height > (1 << 24) || width * height > MaxImagePixels)
        Fail(format, "the image is too large (" + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels)");
    return int(((width * bitsPerPixel + 31) / 32) * 4);
}

// A raw image of the given size and depth with zeroed pixels (dimensions already checked).
inline RawImage MakeImage(int width, int height, int bitsPerPixel) {
    RawImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.bits.assign(std::size_t(image.BytesPerLine()) * std::size_t(height), 0);
    return image;
}

inline TColor ColorFromBGR(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    return TColor(r | (g << 8) | (b << 16));
}

// Validates an image handed to an encoder.
void CheckEncodable(const char* format, const RawImage& image);

// Highest palette index used by a 1, 4 or 8 bit image, or -1 for an empty image.
int MaxPaletteIndex(const RawImage& image);

// Palette entries for a palette image: the image's own, or a grey ramp when it has none.
std::vector<TColor> PaletteForEncoding(const RawImage& image);

}  // namespace vcl::codecs::detail
