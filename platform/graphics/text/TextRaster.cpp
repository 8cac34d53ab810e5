// Glyph blending and rotated box filling.
#include "platform/graphics/text/TextRaster.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/runtime/Geometry.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    // The pen may stand anywhere in the int range: the glyph's box is worked out in 64 bits
    // and cut to the area, which is inside the surface.
    const long long gx = (long long)x + glyph.left, gy = (long long)y + glyph.top;
    const int left = int(std::max<long long>(area.Left, gx));
    const int top = int(std::max<long long>(area.Top, gy));
    const int right = int(std::min<long long>(area.Right, gx + glyph.width));
    const int bottom = int(std::min<long long>(area.Bottom, gy + glyph.height));
    if (left >= right || top >= bottom) return;
    const int bytes = target.bitsPerPixel / 8;
    if (bytes == 4) {
        // Whole pixels: blue and red mixed together in one word, green on its own, the
        // fourth byte kept. Each channel comes out exactly as Mix computes it.
        const std::uint32_t inkRB = std::uint32_t(color.r) << 16 | color.b, inkG = color.g;
        const std::uint32_t ink = inkRB | inkG << 8;
        for (int py = top; py < bottom; ++py) {
            const std::uint8_t* src = glyph.coverage.data() +
                                      std::size_t(py - gy) * std::size_t(glyph.width) + std::size_t(left - gx);
            auto* dst = reinterpret_cast<std::uint32_t*>(PixelAt(target, left, py));
            const int n = right - left;
            int i = 0;
#if defined(__SSE2__)
            // Four pixels at a time in 16-bit lanes. The mix gives d for a = 0 and the ink
            // for a = 255, so no pixel needs a branch; the fourth byte mixes with a = 0.
            const __m128i zero = _mm_setzero_si128(), c255 = _mm_set1_epi16(255), c128 = _mm_set1_epi16(128);
            const __m128i inkLanes = _mm_set_epi16(0, color.r, color.g, color.b, 0, color.r, color.g, color.b);
            const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
            auto mix = [&](__m128i d, __m128i a) {
                const __m128i t = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(d, _mm_sub_epi16(c255, a)),
                                                              _mm_mullo_epi16(inkLanes, a)),
                                                c128);
                return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
            };
            for (; i + 4 <= n; i += 4) {
                std::uint32_t cover;
                std::memcpy(&cover, src + i, 4);
                if (cover == 0) continue;
                const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
                const __m128i a16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(cover)), zero);   // a0 a1 a2 a3
                const __m128i pairs = _mm_unpacklo_epi16(a16, a16);                          // a0 a0 a1 a1 ...
                const __m128i aLo = _mm_and_si128(_mm_unpacklo_epi32(pairs, pairs), colourLanes);
                const __m128i aHi = _mm_and_si128(_mm_unpackhi_epi32(pairs, pairs), colourLanes);
                const __m128i lo = mix(_mm_unpacklo_epi8(pixels, zero), aLo);
                const __m128i hi = mix(_mm_unpackhi_epi8(pixels, zero), aHi);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
            }
#endif
            for (; i < n; ++i) {
                const std::uint32_t a = src[i];
                if (a == 0) continue;
                const std::uint32_t d = dst[i];
                if (a == 255) {
                    dst[i] = (d & 0xFF000000u) | ink;
                    continue;
                }
                std::uint32_t rb = (d & 0xFF00FFu) * (255 - a) + inkRB * a + 0x800080u;
                rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
                std::uint32_t g = ((d >> 8) & 0xFFu) * (255 - a) + inkG * a + 128;
                g = (g + (g >> 8)) >> 8;
                dst[i] = (d & 0xFF000000u) | rb | g << 8;
            }
        }
        return;
    }
    for (int py = top; py < bottom; ++py) {
        const std::uint8_t* src = glyph.coverage.data() +
                                  std::size_t(py - gy) * std::size_t(glyph.width) + std::size_t(left - gx);
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
