// Builders for the codec tests: raw images with known pixels and hand-made BMP files.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/graphics/codecs/ImageCodecs.h"

namespace codectest {

using vcl::codecs::RawImage;

// An image whose pixel bytes follow a fixed pattern, with a short palette for 1/4/8 bit.
inline RawImage PatternImage(int width, int height, int bpp) {
    RawImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bpp;
    image.bits.assign(std::size_t(image.BytesPerLine()) * std::size_t(height), 0);
    const int levels = bpp <= 8 ? (1 << bpp) : 256;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.bits.data() + std::size_t(image.BytesPerLine()) * std::size_t(y);
        for (int x = 0; x < width; ++x) {
            const unsigned v = unsigned(x * 7 + y * 13 + x * y) % unsigned(levels);
            if (bpp == 1) row[x / 8] |= std::uint8_t(v << (7 - x % 8));
            else if (bpp == 4) row[x / 2] |= std::uint8_t(x % 2 ? v : v << 4);
            else if (bpp == 8) row[x] = std::uint8_t(v);
            else
                for (int c = 0; c < bpp / 8; ++c) row[x * (bpp / 8) + c] = std::uint8_t(v * (c + 3) + y);
        }
    }
    if (bpp <= 8)
        for (int i = 0; i < levels; ++i) image.palette.push_back(vcl::RGB(i * 5, 255 - i, i * 3 % 256));
    return image;
}

// Little-endian byte writer for hand-made files.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u8(unsigned v) { data.push_back(std::uint8_t(v)); return *this; }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& raw(std::initializer_list<unsigned> values) { for (unsigned v : values) u8(v); return *this; }
};

// A BMP file with a 40-byte header; `extra` goes between the header and the pixels
// (palette, masks); `pixels` are the stored rows.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, int bpp, std::uint32_t compression,
                                         const std::vector<std::uint8_t>& extra,
                                         const std::vector<std::uint8_t>& pixels,
                                         std::uint32_t clrUsed = 0) {
    Bytes b;
    const std::uint32_t offset = 14 + 40 + std::uint32_t(extra.size());
    b.raw({'B', 'M'}).u32(offset + std::uint32_t(pixels.size())).u32(0).u32(offset);
    b.u32(40).u32(std::uint32_t(width)).u32(std::uint32_t(height)).u16(1).u16(unsigned(bpp));
    b.u32(compression).u32(std::uint32_t(pixels.size())).u32(0).u32(0).u32(clrUsed).u32(0);
    b.data.insert(b.data.end(), extra.begin(), extra.end());
    b.data.insert(b.data.end(), pixels.begin(), pixels.end());
    return b.data;
}

inline const std::uint8_t* Pixel(const RawImage& image, int x, int y) {
    return image.bits.data() + std::size_t(image.BytesPerLine()) * std::size_t(y) +
           std::size_t(x * image.bitsPerPixel / 8);
}

}  // namespace codectest
