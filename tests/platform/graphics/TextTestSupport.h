// A small 24 or 32 bit surface for text tests, with ink inspection helpers.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/graphics/text/TextEngine.h"

namespace texttest {

using vcl::TColor;
using vcl::TRect;

constexpr TColor kPaper = 0xFFFFFF;

struct Surface {
    int width, height, bytes;
    std::vector<std::uint8_t> bits;
    vcl::text::Target target;

    Surface(int w, int h, int bpp = 24)
        : width(w), height(h), bytes(bpp / 8), bits(std::size_t(((w * bpp + 31) / 32) * 4) * std::size_t(h), 0xFF),
          target{bits.data(), w, h, ((w * bpp + 31) / 32) * 4, bpp, TRect(0, 0, w, h)} {}

    const std::uint8_t* At(int x, int y) const {
        return bits.data() + std::size_t(y) * std::size_t(target.stride) + std::size_t(x * bytes);
    }
    TColor Pixel(int x, int y) const {
        const std::uint8_t* p = At(x, y);
        return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
    }
    bool Inked(int x, int y) const { return Pixel(x, y) != kPaper; }

    // Bounding box of every pixel that is no longer paper; empty when nothing was drawn.
    TRect Ink() const {
        TRect box(width, height, 0, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (Inked(x, y)) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.IsEmpty() ? TRect() : box;
    }
    int InkCount() const {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) n += Inked(x, y);
        return n;
    }
};

inline vcl::text::FontSpec Font(const char* family, int height = -11) {
    vcl::text::FontSpec spec;
    spec.family = family;
    spec.height = height;
    return spec;
}

}  // namespace texttest
