// Glyph blending and rotated box filling.
#include "platform/graphics/text/TextRaster.h"

#include <algorithm>
#include <cmath>

namespace vcl::text {

namespace {

// d + (s - d) * a / 255, exactly rounded.
inline std::uint8_t Mix(unsigned dst, unsigned src, unsigned alpha) {
    const unsigned t = dst * (255 - alpha) + src * alpha + 128;
    return std::uint8_t((t + (t >> 8)) >> 8);
}

inline std::uint8_t* PixelAt(const Target& target, int x, int y) {
    return target.bits + std::ptrdiff_t(y) * target.stride + std::ptrdiff_t(x) * (target.bitsPerPixel / 8);
}

inline void Put(std::uint8_t* p, Rgb color) {
    p[0] = color.b;
    p[1] = color.g;
    p[2] = color.r;
}

}  // namespace

Rotation::Rotation(int angleTenths) : tenths(((angleTenths % 3600) + 3600) % 3600) {
    quarterTurn = tenths % 900 == 0;
    static constexpr double kQuarterCos[4] = {1, 0, -1, 0};
    static constexpr double kQuarterSin[4] = {0, 1, 0, -1};
    if (quarterTurn) {
        cosine = kQuarterCos[tenths / 900];
        sine = kQuarterSin[tenths / 900];
    } else {
        const double radians = tenths * 3.14159265358979323846 / 1800.0;
        cosine = std::cos(radians);
        sine = std::sin(radians);
    }
}

TRect DrawableArea(const Target& target) {
    if (!target.bits || (target.bitsPerPixel != 24 && target.bitsPerPixel != 32)) return TRect();
    return IntersectRect(target.clip, TRect(0, 0, target.width, target.height));
}

void BlendGlyph(const Target& target, const TRect& area, int x, int y, const GlyphBitmap& glyph, Rgb color) {
    const int left = std::max(area.Left, x + glyph.left);
    const int top = std::max(area.Top, y + glyph.top);
    const int right = std::min(area.Right, x + glyph.left + glyph.width);
    const int bottom = std::min(area.Bottom, y + glyph.top + glyph.height);
    const int bytes = target.bitsPerPixel / 8;
    for (int py = top; py < bottom; ++py) {
        const std::uint8_t* src = glyph.coverage.data() +
                                  std::size_t(py - y - glyph.top) * std::size_t(glyph.width) +
                                  std::size_t(left - x - glyph.left);
        std::uint8_t* dst = PixelAt(target, left, py);
        for (int px = left; px < right; ++px, ++src, dst += bytes) {
            const unsigned a = *src;
            if (a == 0) continue;
            if (a == 255) {
                Put(dst, color);
            } else {
                dst[0] = Mix(dst[0], color.b, a);
                dst[1] = Mix(dst[1], color.g, a);
                dst[2] = Mix(dst[2], color.r, a);
            }
        }
    }
}

void FillTextBox(const Target& target, const TRect& area, int refX, int refY, const Rotation& rotation,
                 int u0, int v0, int u1, int v1, Rgb color) {
    if (u1 <= u0 || v1 <= v0 || area.IsEmpty()) return;
    // Device bounding box of the rotated corners.
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (int u : {u0, u1})
        for (int v : {v0, v1}) {
            minX = std::min(minX, rotation.X(u, v));
            maxX = std::max(maxX, rotation.X(u, v));
            minY = std::min(minY, rotation.Y(u, v));
            maxY = std::max(maxY, rotation.Y(u, v));
        }
    const int left = std::max<int>(area.Left, int(std::floor(refX + minX)));
    const int top = std::max<int>(area.Top, int(std::floor(refY + minY)));
    const int right = std::min<int>(area.Right, int(std::ceil(refX + maxX)));
    const int bottom = std::min<int>(area.Bottom, int(std::ceil(refY + maxY)));
    const int bytes = target.bitsPerPixel / 8;
    for (int py = top; py < bottom; ++py) {
        std::uint8_t* dst = PixelAt(target, left, py);
        const double dy = py + 0.5 - refY;
        for (int px = left; px < right; ++px, dst += bytes) {
            if (!rotation.quarterTurn || rotation.tenths != 0) {
                // Back to text space: the inverse rotation of the pixel centre.
                const double dx = px + 0.5 - refX;
                const double u = dx * rotation.cosine - dy * rotation.sine;
                const double v = dx * rotation.sine + dy * rotation.cosine;
                if (u < u0 || u >= u1 || v < v0 || v >= v1) continue;
            }
            Put(dst, color);
        }
    }
}

}  // namespace vcl::text
