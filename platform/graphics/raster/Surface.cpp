#include "platform/graphics/raster/Surface.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/graphics/Colors.h"
#include "platform/graphics/raster/Cpu.h"
#include "platform/runtime/Geometry.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if ZYN_HAVE_AVX2_PATHS
#include <immintrin.h>
#endif

namespace vcl::raster {

// ---- palette matching ------------------------------------------------------------------

PaletteMatcher::PaletteMatcher(const TColor* palette, int count)
    : palette_(palette), count_(count) {}

std::uint32_t PaletteMatcher::Nearest(TColor rgb) const {
    if (count_ <= 0) return 0;
    const std::uint32_t key = std::uint32_t(rgb & 0xFFFFFF) + 1;
    if (!cache_) cache_ = std::make_unique<Cache>();
    const std::size_t slot = ((key * 2654435761u) >> 20) & (kCacheSlots - 1);
    if (cache_->key[slot] == key) return cache_->value[slot];

    const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < count_; ++i) {
        const TColor p = palette_[i];
        const long dr = GetRValue(p) - r, dg = GetGValue(p) - g, db = GetBValue(p) - b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    cache_->key[slot] = key;
    cache_->value[slot] = std::uint8_t(best);
    return std::uint32_t(best);
}

// ---- colour <-> device value -------------------------------------------------------------

std::uint32_t Surface::ValueMask() const {
    switch (bpp) {
        case 1: return 0x1;
        case 4: return 0xF;
        case 8: return 0xFF;
        case 15: return 0x7FFF;
        case 16: return 0xFFFF;
        default: return 0xFFFFFF;
    }
}

std::uint32_t Surface::Encode(TColor rgb) const {
    switch (bpp) {
        case 1:
        case 4:
        case 8: return matcher.Nearest(rgb);
        case 15:
            return std::uint32_t(((GetRValue(rgb) >> 3) << 10) | ((GetGValue(rgb) >> 3) << 5) |
                                 (GetBValue(rgb) >> 3));
        case 16:
            return std::uint32_t(((GetRValue(rgb) >> 3) << 11) | ((GetGValue(rgb) >> 2) << 5) |
                                 (GetBValue(rgb) >> 3));
        case 24: return RgbToBgrValue(rgb);
        default: return RgbToBgrValue(rgb) | 0xFF000000u;
    }
}

namespace {
// Widens a 5 or 6 bit channel to 8 bits so white stays white.
int Expand5(unsigned v) { return int((v << 3) | (v >> 2)); }
int Expand6(unsigned v) { return int((v << 2) | (v >> 4)); }
}  // namespace

TColor Surface::Decode(std::uint32_t value) const {
    switch (bpp) {
        case 1:
        case 4:
        case 8:
            return int(value) < paletteSize ? palette[value] & 0xFFFFFF : clBlack;
        case 15:
            return RGB(Expand5((value >> 10) & 31), Expand5((value >> 5) & 31), Expand5(value & 31));
        case 16:
            return RGB(Expand5((value >> 11) & 31), Expand6((value >> 5) & 63), Expand5(value & 31));
        default: return BgrValueToRgb(value & 0xFFFFFF);
    }
}

std::uint32_t Surface::Get(int x, int y) const {
    const std::uint8_t* row = Row(y);
    switch (bpp) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4: return (x & 1) ? (row[x >> 1] & 0xF) : (row[x >> 1] >> 4);
        case 8: return row[x];
        case 15:
        case 16: return std::uint32_t(row[2 * x] | (row[2 * x + 1] << 8));
        case 24: {
            const std::uint8_t* p = row + 3 * x;
            return std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16));
        }
        default: {
            std::uint32_t v;
            std::memcpy(&v, row + 4 * x, 4);
            return v;
        }
    }
}

void Surface::Put(int x, int y, std::uint32_t value) const {
    std::uint8_t* row = Row(y);
    switch (bpp) {
        case 1: {
            const std::uint8_t bit = std::uint8_t(0x80u >> (x & 7));
            row[x >> 3] = std::uint8_t((value & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit));
            break;
        }
        case 4: {
            std::uint8_t& b = row[x >> 1];
            b = (x & 1) ? std::uint8_t((b & 0xF0) | (value & 0xF))
                        : std::uint8_t((b & 0x0F) | ((value & 0xF) << 4));
            break;
        }
        case 8: row[x] = std::uint8_t(value); break;
        case 15:
        case 16:
            row[2 * x] = std::uint8_t(value);
            row[2 * x + 1] = std::uint8_t(value >> 8);
            break;
        case 24: {
            std::uint8_t* p = row + 3 * x;
            p[0] = std::uint8_t(value);
            p[1] = std::uint8_t(value >> 8);
            p[2] = std::uint8_t(value >> 16);
            break;
        }
        default: std::memcpy(row + 4 * x, &value, 4); break;
    }
}

void Surface::ReadValues(int y, int x, int n, std::uint32_t* out) const {
    if (bpp == 32) {
        std::memcpy(out, Row(y) + 4 * std::ptrdiff_t(x), std::size_t(n) * 4);
        return;
    }
    if (bpp == 24) {
        const std::uint8_t* p = Row(y) + 3 * std::ptrdiff_t(x);
        for (int i = 0; i < n; ++i, p += 3) out[i] = std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16));
        return;
    }
    for (int i = 0; i < n; ++i) out[i] = Get(x + i, y);
}

void Surface::WriteValues(int y, int x, int n, const std::uint32_t* in) const {
    if (bpp == 32) {
        std::memcpy(Row(y) + 4 * std::ptrdiff_t(x), in, std::size_t(n) * 4);
        return;
    }
    if (bpp == 24) {
        std::uint8_t* p = Row(y) + 3 * std::ptrdiff_t(x);
        for (int i = 0; i < n; ++i, p += 3) {
            p[0] = std::uint8_t(in[i]);
            p[1] = std::uint8_t(in[i] >> 8);
            p[2] = std::uint8_t(in[i] >> 16);
        }
        return;
    }
    for (int i = 0; i < n; ++i) Put(x + i, y, in[i]);
}

// ---- paints ------------------------------------------------------------------------------

Paint Paint::Make(const Surface& s, std::uint32_t value, int rop2) {
    // R2 code - 1 is a truth table over (P, D): bit (P << 1 | D) gives the result bit.
    const unsigned table = unsigned(std::clamp(rop2, 1, 16) - 1);
    const std::uint32_t mask = s.ValueMask();
    const std::uint32_t p = value & mask, notP = ~value & mask;
    const std::uint32_t whenD0 = ((table & 4) ? p : 0) | ((table & 1) ? notP : 0);
    const std::uint32_t whenD1 = ((table & 8) ? p : 0) | ((table & 2) ? notP : 0);
    Paint paint;
    paint.xorBits = whenD0;
    paint.keepBits = whenD0 ^ whenD1;
    if (s.bpp == 32) paint.xorBits |= 0xFF000000u;   // drawn pixels are opaque
    return paint;
}

Paint Paint::Invert(const Surface& s) { return Make(s, 0, R2_NOT); }

// ---- spans -------------------------------------------------------------------------------

namespace {

#if ZYN_HAVE_AVX2_PATHS
// 32-byte stores, four to a round. The first and last eight pixels are stored unaligned
// and the aligned stores between them may overlap those, so no pixel of a run is stored
// on its own (rows of a few dozen pixels are the common case). n >= 8.
ZYN_TARGET_AVX2 void FillBlocksAvx2(std::uint32_t* p, int n, std::uint32_t v) {
    const __m256i block = _mm256_set1_epi32(int(v));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), block);
    std::uint32_t* const last = p + (n - 8);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(last), block);
    // The first 32-byte boundary after p, at most eight pixels on.
    auto* q = reinterpret_cast<std::uint32_t*>((reinterpret_cast<std::uintptr_t>(p) + 32) & ~std::uintptr_t(31));
    for (; last - q >= 32; q += 32) {
        auto* b = reinterpret_cast<__m256i*>(q);
        _mm256_store_si256(b, block);
        _mm256_store_si256(b + 1, block);
        _mm256_store_si256(b + 2, block);
        _mm256_store_si256(b + 3, block);
    }
    for (; q < last; q += 8) _mm256_store_si256(reinterpret_cast<__m256i*>(q), block);
}
#endif

// Solid 32-bit runs. Short runs are a plain loop; fills of several megabytes use fast
// string stores (whole cache lines written without being read first); others use the
// widest vector stores the processor has (memset when all four bytes agree and there is
// nothing wider than 16-byte stores).
void Fill32(std::uint32_t* p, int n, std::uint32_t v, bool streaming) {
    if (n < 16) {
        for (int i = 0; i < n; ++i) p[i] = v;
        return;
    }
    const bool bytesAgree = (v & 0xFF) * 0x01010101u == v;
#if defined(__x86_64__)
    if (streaming) {
        if (bytesAgree) {
            std::memset(p, int(v & 0xFF), std::size_t(n) * 4);
        } else {
            std::size_t count = std::size_t(n);
            asm volatile("rep stosl" : "+D"(p), "+c"(count) : "a"(v) : "memory");
        }
        return;
    }
#endif
    (void)streaming;
#if ZYN_HAVE_AVX2_PATHS
    if (HaveAvx2()) {
        FillBlocksAvx2(p, n, v);
        return;
    }
#endif
    if (n >= 64 && bytesAgree) {
        std::memset(p, int(v & 0xFF), std::size_t(n) * 4);
        return;
    }
#if defined(__SSE2__)
    while (n > 0 && (reinterpret_cast<std::uintptr_t>(p) & 15) != 0) {
        *p++ = v;
        --n;
    }
    const __m128i block = _mm_set1_epi32(int(v));
    auto* q = reinterpret_cast<__m128i*>(p);
    const int blocks = n / 16;   // 64 bytes per round
    for (int i = 0; i < blocks; ++i, q += 4) {
        _mm_store_si128(q, block);
        _mm_store_si128(q + 1, block);
        _mm_store_si128(q + 2, block);
        _mm_store_si128(q + 3, block);
    }
    p = reinterpret_cast<std::uint32_t*>(q);
    n -= blocks * 16;
#endif
    std::fill_n(p, n, v);
}

template <typename Pixel>
void MixRun(Pixel* p, int n, const Paint& paint) {
    const Pixel x = Pixel(paint.xorBits), k = Pixel(paint.keepBits);
    if (k == 0) {
        std::fill_n(p, n, x);
    } else {
        for (int i = 0; i < n; ++i) p[i] = Pixel(x ^ (p[i] & k));
    }
}

void MixRun24(std::uint8_t* p, int n, const Paint& paint) {
    const std::uint8_t x0 = std::uint8_t(paint.xorBits), x1 = std::uint8_t(paint.xorBits >> 8),
                       x2 = std::uint8_t(paint.xorBits >> 16);
    const std::uint8_t k0 = std::uint8_t(paint.keepBits), k1 = std::uint8_t(paint.keepBits >> 8),
                       k2 = std::uint8_t(paint.keepBits >> 16);
    for (int i = 0; i < n; ++i, p += 3) {
        p[0] = std::uint8_t(x0 ^ (p[0] & k0));
        p[1] = std::uint8_t(x1 ^ (p[1] & k1));
        p[2] = std::uint8_t(x2 ^ (p[2] & k2));
    }
}

}  // namespace

void FillSpan(const Surface& s, int y, int x0, int x1, const Paint& paint) {
    if (y < s.clip.Top || y >= s.clip.Bottom) return;
    x0 = std::max(x0, s.clip.Left);
    x1 = std::min(x1, s.clip.Right);
    if (x0 >= x1) return;
    if (paint.hatch != nullptr) {
        for (int x = x0; x < x1; ++x)
            if (paint.Paints(x, y)) s.Put(x, y, paint.Apply(s.Get(x, y)));
        return;
    }
    std::uint8_t* row = s.Row(y);
    switch (s.bpp) {
        case 32:
            if (paint.keepBits == 0) Fill32(reinterpret_cast<std::uint32_t*>(row) + x0, x1 - x0, paint.xorBits, false);
            else MixRun(reinterpret_cast<std::uint32_t*>(row) + x0, x1 - x0, paint);
            break;
        case 24: MixRun24(row + 3 * x0, x1 - x0, paint); break;
        case 8: MixRun(row + x0, x1 - x0, paint); break;
        case 15:
        case 16: {
            for (int x = x0; x < x1; ++x) s.Put(x, y, paint.Apply(s.Get(x, y)));
            break;
        }
        default:
            for (int x = x0; x < x1; ++x) s.Put(x, y, paint.Apply(s.Get(x, y)));
            break;
    }
}

void FillRectangle(const Surface& s, const TRect& r, const Paint& paint) {
    const int top = std::max(r.Top, s.clip.Top), bottom = std::min(r.Bottom, s.clip.Bottom);
    const int left = std::max(r.Left, s.clip.Left), right = std::min(r.Right, s.clip.Right);
    if (top >= bottom || left >= right) return;
    // A solid fill of several megabytes would only push everything else out of the cache.
    constexpr std::int64_t kStreamingBytes = std::int64_t(4) << 20;
    if (s.bpp == 32 && paint.keepBits == 0 && paint.hatch == nullptr &&
        std::int64_t(right - left) * (bottom - top) * 4 >= kStreamingBytes) {
        if (left == 0 && right == s.width && std::abs(s.stride) == std::ptrdiff_t(s.width) * 4 &&
            std::int64_t(s.width) * (bottom - top) <= INT32_MAX) {
            // Whole rows lie back to back: one run from the lowest address.
            std::uint8_t* lowest = s.stride < 0 ? s.Row(bottom - 1) : s.Row(top);
            Fill32(reinterpret_cast<std::uint32_t*>(lowest), s.width * (bottom - top), paint.xorBits, true);
            return;
        }
        for (int y = top; y < bottom; ++y)
            Fill32(reinterpret_cast<std::uint32_t*>(s.Row(y)) + left, right - left, paint.xorBits, true);
        return;
    }
    if (s.bpp == 32 && paint.keepBits == 0 && paint.hatch == nullptr) {
        const std::uint32_t v = paint.xorBits;
        const int n = right - left;
        if (n < 16) {
            // Narrow solid columns (frames, rims): a plain store loop per row.
            for (int y = top; y < bottom; ++y) {
                std::uint32_t* p = reinterpret_cast<std::uint32_t*>(s.Row(y)) + left;
                for (int i = 0; i < n; ++i) p[i] = v;
            }
        } else {
            // The rows are inside the clip already: each is one solid run, and the choice
            // of stores is made once for all of them.
#if ZYN_HAVE_AVX2_PATHS
            if (HaveAvx2()) {
                for (int y = top; y < bottom; ++y)
                    FillBlocksAvx2(reinterpret_cast<std::uint32_t*>(s.Row(y)) + left, n, v);
                return;
            }
#endif
            for (int y = top; y < bottom; ++y)
                Fill32(reinterpret_cast<std::uint32_t*>(s.Row(y)) + left, n, v, false);
        }
        return;
    }
    for (int y = top; y < bottom; ++y) FillSpan(s, y, left, right, paint);
}

}  // namespace vcl::raster
