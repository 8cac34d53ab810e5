// Format detection and the checks shared by the encoders.
#include "platform/graphics/codecs/ImageCodecs.h"

#include <algorithm>

#include "platform/graphics/Colors.h"
#include "platform/graphics/codecs/CodecSupport.h"
#include "platform/runtime/Exceptions.h"

namespace vcl::codecs {

namespace {

bool StartsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> magic) {
    if (data.size() < magic.size()) return false;
    return std::equal(magic.begin(), magic.end(), data.begin());
}

}  // namespace

RawImage DecodeImage(std::span<const std::uint8_t> data) {
    if (StartsWith(data, {'B', 'M'})) return DecodeBMP(data);
    if (StartsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return DecodePNG(data);
    if (StartsWith(data, {0xFF, 0xD8, 0xFF})) return DecodeJPEG(data);
    if (data.empty()) throw EInvalidGraphic("Invalid image: the data is empty");
    throw EInvalidGraphic("Unknown image format: the data is neither BMP, PNG nor JPEG");
}

namespace detail {

void CheckEncodable(const char* format, const RawImage& image) {
    const int bpp = image.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        Fail(format, "cannot store " + std::to_string(bpp) + " bits per pixel");
    if (image.width <= 0 || image.height <= 0) Fail(format, "cannot store an empty image");
    CheckDimensions(format, image.width, image.height, bpp);
    if (image.bits.size() < std::size_t(image.BytesPerLine()) * std::size_t(image.height))
        Fail(format, "the pixel buffer is smaller than the image");
    if (bpp <= 8 && image.palette.size() > (std::size_t{1} << bpp))
        Fail(format, "a " + std::to_string(bpp) + " bit image cannot have " +
                         std::to_string(image.palette.size()) + " palette entries");
}

int MaxPaletteIndex(const RawImage& image) {
    const int bpp = image.bitsPerPixel;
    const int perByte = 8 / bpp;
    const unsigned mask = (1u << bpp) - 1;
    int highest = -1;
    const std::size_t stride = std::size_t(image.BytesPerLine());
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.bits.data() + stride * std::size_t(y);
        for (int x = 0; x < image.width; ++x) {
            const int shift = 8 - bpp * (x % perByte + 1);
            highest = std::max(highest, int((row[x / perByte] >> shift) & mask));
        }
    }
    return highest;
}

std::vector<TColor> PaletteForEncoding(const RawImage& image) {
    std::vector<TColor> palette = image.palette;
    const int entries = 1 << image.bitsPerPixel;
    if (palette.empty()) {
        // No palette given: an even grey ramp (black and white for 1 bit).
        for (int i = 0; i < entries; ++i) {
            const int v = i * 255 / (entries - 1);
            palette.push_back(RGB(v, v, v));
        }
    }
    // Every index the pixels use must have an entry; missing ones are black.
    const int highest = MaxPaletteIndex(image);
    if (highest >= int(palette.size())) palette.resize(std::size_t(highest) + 1, clBlack);
    return palette;
}

}  // namespace detail
}  // namespace vcl::codecs
