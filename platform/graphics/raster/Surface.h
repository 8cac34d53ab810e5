// The pixel memory the rasterizer writes: a view of a bitmap's rows with its clip, the
// conversion between colours and device pixel values, and the mix (ROP2) of a paint.
//
// Device pixel values: palette index for 1/4/8 bit, the 16-bit word for 15/16 bit, and
// B | G << 8 | R << 16 (| A << 24) for 24/32 bit, i.e. the bytes as they lie in a row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

// Finds the palette entry nearest to a colour (exact entries first), remembering recent
// answers so converting whole images stays fast. The answers are kept apart and made on
// first use: every drawing call builds a surface, and most surfaces have no palette. A
// copy starts without remembered answers.
class PaletteMatcher {
public:
    PaletteMatcher() = default;
    PaletteMatcher(const TColor* palette, int count);
    PaletteMatcher(const PaletteMatcher& Other) : palette_(Other.palette_), count_(Other.count_) {}
    PaletteMatcher& operator=(const PaletteMatcher& Other) {
        palette_ = Other.palette_;
        count_ = Other.count_;
        cache_.reset();
        return *this;
    }
    PaletteMatcher(PaletteMatcher&&) noexcept = default;
    PaletteMatcher& operator=(PaletteMatcher&&) noexcept = default;
    std::uint32_t Nearest(TColor rgb) const;

private:
    static constexpr std::size_t kCacheSlots = 4096;
    struct Cache {
        std::uint32_t key[kCacheSlots] = {};   // colour + 1, 0 = empty slot
        std::uint8_t value[kCacheSlots] = {};
    };
    const TColor* palette_ = nullptr;
    int count_ = 0;
    mutable std::unique_ptr<Cache> cache_;
};

struct Surface {
    std::uint8_t* top = nullptr;   // row 0 (the top row)
    std::ptrdiff_t stride = 0;     // from row y to row y + 1; negative for bottom-up rows
    int width = 0;
    int height = 0;
    int bpp = 32;                  // 1, 4, 8, 15, 16, 24 or 32
    int paletteSize = 0;
    const TColor* palette = nullptr;
    TRect clip;                    // device pixels, always inside the surface
    PaletteMatcher matcher;

    bool Drawable() const { return top != nullptr && !clip.IsEmpty(); }
    bool Direct() const { return bpp == 24 || bpp == 32; }
    bool Paletted() const { return bpp <= 8; }
    std::uint8_t* Row(int y) const { return top + y * stride; }
    // Bits of a pixel value that drawing combines (alpha of 32-bit pixels is not mixed).
    std::uint32_t ValueMask() const;

    std::uint32_t Encode(TColor rgb) const;   // rgb must be a fixed colour (no system colour)
    TColor Decode(std::uint32_t value) const;
    std::uint32_t Get(int x, int y) const;
    void Put(int x, int y, std::uint32_t value) const;
    // Reads n pixel values of row y from x on (no clipping; the caller stays inside).
    void ReadValues(int y, int x, int n, std::uint32_t* out) const;
    void WriteValues(int y, int x, int n, const std::uint32_t* in) const;
};

// A device pixel for a fixed colour in B | G << 8 | R << 16 order, and back.
constexpr std::uint32_t RgbToBgrValue(TColor c) {
    return ((std::uint32_t(c) & 0xFF) << 16) | (std::uint32_t(c) & 0xFF00) |
           ((std::uint32_t(c) >> 16) & 0xFF);
}
constexpr TColor BgrValueToRgb(std::uint32_t v) {
    return TColor(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

// How a pen or brush pixel combines with the destination. Every binary mix with a fixed
// pen value P reduces, bit by bit, to 0, 1, D or ~D, so the result is X ^ (D & K).
struct Paint {
    std::uint32_t xorBits = 0;
    std::uint32_t keepBits = 0;
    const std::uint8_t* hatch = nullptr;   // 8 rows of 8 bits (bit 7 = x mod 8 == 0); only set bits paint

    // rop2 is the R2_* code 1..16 (R2_COPYPEN = 13).
    static Paint Make(const Surface& s, std::uint32_t value, int rop2);
    static Paint Invert(const Surface& s);
    std::uint32_t Apply(std::uint32_t d) const { return xorBits ^ (d & keepBits); }
    bool Paints(int x, int y) const {
        return hatch == nullptr || (hatch[y & 7] & (0x80u >> (x & 7))) != 0;
    }
};

constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4,
              R2_MASKPENNOT = 5, R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9,
              R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12, R2_COPYPEN = 13,
              R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;

// Paints [x0, x1) of row y, limited to the clip.
void FillSpan(const Surface& s, int y, int x0, int x1, const Paint& paint);
void FillRectangle(const Surface& s, const TRect& r, const Paint& paint);
inline void PlotPixel(const Surface& s, int x, int y, const Paint& paint) {
    if (!s.clip.Contains({x, y}) || !paint.Paints(x, y)) return;
    if (s.bpp == 32) {
        auto* p = reinterpret_cast<std::uint32_t*>(s.Row(y)) + x;
        *p = paint.Apply(*p);
        return;
    }
    s.Put(x, y, paint.Apply(s.Get(x, y)));
}

}  // namespace vcl::raster
