#include "platform/graphics/raster/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/graphics/raster/Cpu.h"
#include "platform/graphics/raster/Scratch.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

// ---- raster operations -------------------------------------------------------------------

std::uint32_t Rop3(std::uint32_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    const unsigned table = (rop >> 16) & 0xFF;
    switch (table) {
        case 0xCC: return s;
        case 0xEE: return s | d;
        case 0x88: return s & d;
        case 0x66: return s ^ d;
        case 0x33: return ~s;
        case 0xF0: return p;
        case 0x00: return 0;
        case 0xFF: return ~0u;
        default: break;
    }
    // Bit (P << 2 | S << 1 | D) of the table is the result for that combination.
    std::uint32_t result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table & (1u << i))) continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result;
}

bool RopUsesSource(std::uint32_t rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool RopUsesPattern(std::uint32_t rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

bool IsMonochrome(const Surface& s) {
    return s.bpp == 1 && s.paletteSize == 2 && (s.palette[0] & 0xFFFFFF) == 0 &&
           (s.palette[1] & 0xFFFFFF) == 0xFFFFFF;
}

namespace {

// ---- axis mapping ----------------------------------------------------------------------

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

struct Group {
    std::int64_t first = 0;   // source index relative to the source rectangle
    std::int64_t count = 0;
};

// Source pixels that make destination pixel k (0 <= k < d) when s pixels map onto d.
Group MapIndex(std::int64_t k, std::int64_t s, std::int64_t d) {
    if (d >= s) {
        // The source pixel holding the destination pixel's centre; ties take the lower.
        const std::int64_t j = FloorDiv((2 * k + 1) * s + 2 * d - 1, 2 * d) - 1;
        return {j, 1};
    }
    // Source pixel j belongs to destination ceil((2j + 1) d / 2s) - 1.
    auto firstOf = [&](std::int64_t kk) { return FloorDiv(2 * s * kk - d, 2 * d) + 1; };
    const std::int64_t a = firstOf(k), b = firstOf(k + 1);
    return {a, b - a};
}

struct Weight {
    std::int64_t index;   // source index relative to the source rectangle
    std::uint32_t weight; // out of 65536
};

// Area-average weights when shrinking, bilinear when enlarging.
std::vector<Weight> HalftoneWeights(std::int64_t k, std::int64_t s, std::int64_t d) {
    std::vector<Weight> w;
    if (d < s) {
        // Destination pixel k covers [k s, (k + 1) s) in units where a source pixel is d.
        const std::int64_t from = k * s, to = (k + 1) * s;
        std::uint32_t total = 0;
        for (std::int64_t j = from / d; j * d < to; ++j) {
            const std::int64_t overlap = std::min(to, (j + 1) * d) - std::max(from, j * d);
            if (overlap <= 0) continue;
            const auto weight = std::uint32_t((overlap * 65536) / s);
            w.push_back({j, weight});
            total += weight;
        }
        if (!w.empty()) w.front().weight += 65536 - total;
        return w;
    }
    // Sample the source at the destination pixel's centre, between the two nearest pixels.
    const std::int64_t num = (2 * k + 1) * s - d;   // position * 2d
    std::int64_t j0 = FloorDiv(num, 2 * d);
    const std::int64_t frac = ((num - j0 * 2 * d) * 65536) / (2 * d);
    std::int64_t j1 = j0 + 1;
    j0 = std::clamp<std::int64_t>(j0, 0, s - 1);
    j1 = std::clamp<std::int64_t>(j1, 0, s - 1);
    if (frac == 0 || j0 == j1) {
        w.push_back({j0, 65536});
    } else {
        w.push_back({j0, std::uint32_t(65536 - frac)});
        w.push_back({j1, std::uint32_t(frac)});
    }
    return w;
}

// ---- pixel conversion ------------------------------------------------------------------

// Reads source pixels as B | G << 8 | R << 16 values.
class SourceReader {
public:
    SourceReader(const Surface& s, const BlitOptions& o) : s_(s) {
        if (IsMonochrome(s) && o.monoForeground && o.monoBackground) {
            mono_[0] = RgbToBgrValue(*o.monoForeground);
            mono_[1] = RgbToBgrValue(*o.monoBackground);
            useMono_ = true;
        }
    }
    void Read(int y, int x, int n, std::uint32_t* out) const {
        s_.ReadValues(y, x, n, out);
        if (useMono_) {
            for (int i = 0; i < n; ++i) out[i] = mono_[out[i] & 1];
        } else if (s_.Direct()) {
            for (int i = 0; i < n; ++i) out[i] &= 0xFFFFFF;
        } else {
            for (int i = 0; i < n; ++i) out[i] = RgbToBgrValue(s_.Decode(out[i]));
        }
    }

private:
    const Surface& s_;
    std::uint32_t mono_[2] = {0, 0};
    bool useMono_ = false;
};

// Turns B | G << 8 | R << 16 values into destination pixel values.
class DestEncoder {
public:
    DestEncoder(const Surface& d, const Surface* src, const BlitOptions& o) : d_(d) {
        toMono_ = IsMonochrome(d) && src != nullptr && !IsMonochrome(*src);
        monoKey_ = RgbToBgrValue(o.sourceBackground);
    }
    std::uint32_t operator()(std::uint32_t bgr) const {
        if (toMono_) return bgr == monoKey_ ? 1u : 0u;
        switch (d_.bpp) {
            case 32: return bgr | 0xFF000000u;
            case 24: return bgr;
            default: return d_.Encode(BgrValueToRgb(bgr));
        }
    }

private:
    const Surface& d_;
    bool toMono_ = false;
    std::uint32_t monoKey_ = 0;
};

struct Plan {
    // Visible destination rectangle and the mapping of each visible row/column.
    TRect visible;
    std::int64_t dstLeft, dstTop, dstW, dstH;
    std::int64_t srcLeft, srcTop, srcW, srcH;
    bool mirrorX, mirrorY;
};

// Writes a computed row: out[i] holds the new pixel value, keep[i] says to leave it.
void MixRow(const Surface& dst, const BlitOptions& o, int y, int x0, int n,
            const std::uint32_t* src, const std::uint8_t* keep, std::uint32_t pattern,
            std::vector<std::uint32_t>& scratch) {
    scratch.resize(static_cast<std::size_t>(n));
    dst.ReadValues(y, x0, n, scratch.data());
    const std::uint32_t mask = dst.ValueMask();
    const bool copy = ((o.rop >> 16) & 0xFF) == 0xCC;
    for (int i = 0; i < n; ++i) {
        if (keep[i]) continue;
        const std::uint32_t d = scratch[i];
        std::uint32_t r = copy ? src[i] : (Rop3(o.rop, pattern, src[i], d) & mask);
        if (dst.bpp == 32) r = (r & 0xFFFFFF) | 0xFF000000u;
        scratch[i] = r;
    }
    dst.WriteValues(y, x0, n, scratch.data());
}

// The source rows [A, B) that destination row R takes, clipped to the source's height;
// false when none of them exists.
bool SourceRowsOf(const Plan& p, int R, int SrcHeight, std::int64_t& A, std::int64_t& B) {
    std::int64_t k = R - p.dstTop;
    if (p.mirrorY) k = p.dstH - 1 - k;
    Group g = MapIndex(k, p.srcH, p.dstH);
    g.first += p.srcTop;
    A = std::max<std::int64_t>(g.first, 0);
    B = std::min<std::int64_t>(g.first + g.count, SrcHeight);
    return A < B;
}

void StretchDirect(const Surface& dst, const Surface& src, const Plan& p, const BlitOptions& o, const Group* gx);

void StretchSampled(const Surface& dst, const Surface& src, const Plan& p, const BlitOptions& o) {
    const int visW = p.visible.Width();
    const int mode = o.stretchMode == 4 ? 3 : o.stretchMode;   // transparent halftone samples
    Scratch<Group> groups;
    std::vector<Group>& gx = *groups;
    gx.resize(static_cast<std::size_t>(visW));
    std::int64_t minX = INT64_MAX, maxX = INT64_MIN;
    bool singleColumns = true;
    for (int c = 0; c < visW; ++c) {
        std::int64_t k = p.visible.Left + c - p.dstLeft;
        if (p.mirrorX) k = p.dstW - 1 - k;
        Group g = MapIndex(k, p.srcW, p.dstW);
        g.first += p.srcLeft;
        // Keep only source columns that exist.
        const std::int64_t a = std::max<std::int64_t>(g.first, 0);
        const std::int64_t b = std::min<std::int64_t>(g.first + g.count, src.width);
        g = b > a ? Group{a, b - a} : Group{0, 0};
        if (g.count > 0 && mode == 3) g = {g.first + g.count - 1, 1};   // keep the last column
        gx[std::size_t(c)] = g;
        if (g.count > 0) {
            minX = std::min(minX, g.first);
            maxX = std::max(maxX, g.first + g.count - 1);
        }
        singleColumns = singleColumns && g.count <= 1;
    }
    if (minX > maxX) return;
    // Every destination pixel from one source pixel (enlarging, or keeping one of several)
    // between true-colour surfaces: pixels are picked straight from the rows.
    if (singleColumns && (mode == 3 || p.dstH >= p.srcH) && src.Direct() && dst.Direct()) {
        StretchDirect(dst, src, p, o, gx.data());
        return;
    }

    const SourceReader reader(src, o);
    const DestEncoder encode(dst, &src, o);
    const std::uint32_t pattern = dst.Encode(o.pattern);
    const bool hasTransparent = o.transparent.has_value();
    const std::uint32_t transparent = hasTransparent ? RgbToBgrValue(*o.transparent) : 0;
    const int spanW = int(maxX - minX + 1);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(spanW)), other(static_cast<std::size_t>(spanW));
    std::vector<std::uint32_t> out(static_cast<std::size_t>(visW)), scratch;
    std::vector<std::uint8_t> keep(static_cast<std::size_t>(visW));

    for (int r = p.visible.Top; r < p.visible.Bottom; ++r) {
        std::int64_t a, b;
        if (!SourceRowsOf(p, r, src.height, a, b)) continue;
        const std::int64_t rows = mode == 3 ? 1 : b - a;   // keep the first row
        reader.Read(int(a), int(minX), spanW, row.data());
        for (std::int64_t extra = 1; extra < rows; ++extra) {
            reader.Read(int(a + extra), int(minX), spanW, other.data());
            for (int i = 0; i < spanW; ++i) row[std::size_t(i)] = mode == 2 ? (row[i] | other[i]) : (row[i] & other[i]);
        }
        for (int c = 0; c < visW; ++c) {
            const Group& h = gx[std::size_t(c)];
            if (h.count == 0) {
                keep[std::size_t(c)] = 1;
                continue;
            }
            std::uint32_t v = row[std::size_t(h.first - minX)];
            for (std::int64_t i = 1; i < h.count; ++i) {
                const std::uint32_t w = row[std::size_t(h.first - minX + i)];
                v = mode == 2 ? (v | w) : (v & w);
            }
            keep[std::size_t(c)] = hasTransparent && v == transparent;
            out[std::size_t(c)] = encode(v);
        }
        MixRow(dst, o, r, p.visible.Left, visW, out.data(), keep.data(), pattern, scratch);
    }
}

void StretchHalftone(const Surface& dst, const Surface& src, const Plan& p, const BlitOptions& o) {
    const int visW = p.visible.Width(), visH = p.visible.Height();
    // Weights per visible column and row, restricted to source pixels that exist.
    auto axis = [](int count, std::int64_t visStart, std::int64_t dstStart, std::int64_t dstLen,
                   bool mirror, std::int64_t srcStart, std::int64_t srcLen, int srcLimit) {
        std::vector<std::vector<Weight>> result(static_cast<std::size_t>(count));
        for (int c = 0; c < count; ++c) {
            std::int64_t k = visStart + c - dstStart;
            if (mirror) k = dstLen - 1 - k;
            std::vector<Weight> w = HalftoneWeights(k, srcLen, dstLen);
            std::uint64_t total = 0;
            std::vector<Weight> valid;
            for (Weight x : w) {
                x.index += srcStart;
                if (x.index >= 0 && x.index < srcLimit && x.weight > 0) {
                    valid.push_back(x);
                    total += x.weight;
                }
            }
            if (total != 65536 && total > 0) {
                for (Weight& x : valid) x.weight = std::uint32_t((std::uint64_t(x.weight) * 65536) / total);
            }
            result[std::size_t(c)] = std::move(valid);
        }
        return result;
    };
    const auto wx = axis(visW, p.visible.Left, p.dstLeft, p.dstW, p.mirrorX, p.srcLeft, p.srcW, src.width);
    const auto wy = axis(visH, p.visible.Top, p.dstTop, p.dstH, p.mirrorY, p.srcTop, p.srcH, src.height);

    std::int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN;
    for (const auto& w : wx)
        for (const Weight& x : w) minX = std::min(minX, x.index), maxX = std::max(maxX, x.index);
    for (const auto& w : wy)
        for (const Weight& y : w) minY = std::min(minY, y.index), maxY = std::max(maxY, y.index);
    if (minX > maxX || minY > maxY) return;

    // Horizontal pass: every needed source row filtered to the visible columns, with 8
    // bits of fraction per channel.
    const int spanW = int(maxX - minX + 1), rowsH = int(maxY - minY + 1);
    std::vector<std::uint8_t> rowUsed(std::size_t(rowsH), 0);
    for (const auto& w : wy)
        for (const Weight& y : w) rowUsed[std::size_t(y.index - minY)] = 1;
    std::vector<std::uint32_t> filtered(std::size_t(rowsH) * std::size_t(visW) * 3);
    std::vector<std::uint32_t> line(static_cast<std::size_t>(spanW));
    const SourceReader reader(src, o);
    for (int r = 0; r < rowsH; ++r) {
        if (!rowUsed[std::size_t(r)]) continue;
        reader.Read(int(minY + r), int(minX), spanW, line.data());
        std::uint32_t* f = &filtered[std::size_t(r) * visW * 3];
        for (int c = 0; c < visW; ++c) {
            std::uint32_t b = 0, g = 0, rr = 0;
            for (const Weight& x : wx[std::size_t(c)]) {
                const std::uint32_t v = line[std::size_t(x.index - minX)];
                b += (v & 0xFF) * x.weight;
                g += ((v >> 8) & 0xFF) * x.weight;
                rr += ((v >> 16) & 0xFF) * x.weight;
            }
            f[3 * c] = b >> 8;
            f[3 * c + 1] = g >> 8;
            f[3 * c + 2] = rr >> 8;
        }
    }

    const DestEncoder encode(dst, &src, o);
    const std::uint32_t pattern = dst.Encode(o.pattern);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(visW)), scratch;
    std::vector<std::uint8_t> keep(static_cast<std::size_t>(visW));
    for (int r = 0; r < visH; ++r) {
        const auto& wr = wy[std::size_t(r)];
        if (wr.empty()) continue;
        for (int c = 0; c < visW; ++c) {
            keep[std::size_t(c)] = wx[std::size_t(c)].empty();
            std::uint64_t b = 0, g = 0, rr = 0;
            for (const Weight& y : wr) {
                const std::uint32_t* f = &filtered[(std::size_t(y.index - minY) * visW + c) * 3];
                b += std::uint64_t(f[0]) * y.weight;
                g += std::uint64_t(f[1]) * y.weight;
                rr += std::uint64_t(f[2]) * y.weight;
            }
            // 8 + 16 bits of fraction; round to nearest.
            const auto round = [](std::uint64_t v) { return std::uint32_t(std::min<std::uint64_t>(255, (v + (1u << 23)) >> 24)); };
            out[std::size_t(c)] = encode(round(b) | (round(g) << 8) | (round(rr) << 16));
        }
        MixRow(dst, o, p.visible.Top + r, p.visible.Left, visW, out.data(), keep.data(), pattern, scratch);
    }
}

// ---- unscaled copies ------------------------------------------------------------------

// A ternary raster operation with a fixed pattern, as four masks: the result bits for each
// combination of source and destination bits. Bit-wise equal to Rop3 for that pattern.
struct RopMasks {
    std::uint32_t m00, m01, m10, m11;   // (S, D) = (0, 0), (0, 1), (1, 0), (1, 1)
    RopMasks(std::uint32_t rop, std::uint32_t p) {
        const unsigned t = (rop >> 16) & 0xFF;
        auto m = [&](unsigned sd) {
            return (((t >> (4 | sd)) & 1) ? p : 0u) | (((t >> sd) & 1) ? ~p : 0u);
        };
        m00 = m(0);
        m01 = m(1);
        m10 = m(2);
        m11 = m(3);
    }
    std::uint32_t operator()(std::uint32_t s, std::uint32_t d) const {
        return (~s & ~d & m00) | (~s & d & m01) | (s & ~d & m10) | (s & d & m11);
    }
};

inline std::uint32_t Load24(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}
inline void Store24(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
}

// The sampled stretch between 24/32 bit surfaces when every visible column takes at most
// one source column and every row one source row (see StretchSampled): a gather per row,
// and rows repeated from one source row copied from the first such row when the result
// does not depend on the destination.
void StretchDirect(const Surface& dst, const Surface& src, const Plan& p, const BlitOptions& o, const Group* gx) {
    const int visW = p.visible.Width();
    const int sb = src.bpp / 8, db = dst.bpp / 8;
    const bool copy = ((o.rop >> 16) & 0xFF) == 0xCC;
    const RopMasks rop(o.rop, dst.Encode(o.pattern));
    const bool hasTransparent = o.transparent.has_value();
    const std::uint32_t transparent = hasTransparent ? RgbToBgrValue(*o.transparent) : 0;
    Scratch<int> columnList;
    std::vector<int>& columns = *columnList;   // source column per visible column, -1: none
    columns.resize(std::size_t(visW));
    bool allColumns = true;
    for (int c = 0; c < visW; ++c) {
        columns[std::size_t(c)] = gx[c].count > 0 ? int(gx[c].first) : -1;
        allColumns = allColumns && gx[c].count > 0;
    }
    const bool reusable = copy && !hasTransparent && allColumns;
    std::int64_t lastSource = -1;
    int lastRow = 0;
    for (int r = p.visible.Top; r < p.visible.Bottom; ++r) {
        std::int64_t a, b;
        if (!SourceRowsOf(p, r, src.height, a, b)) continue;
        std::uint8_t* d = dst.Row(r) + std::ptrdiff_t(p.visible.Left) * db;
        if (reusable && a == lastSource) {
            std::memcpy(d, dst.Row(lastRow) + std::ptrdiff_t(p.visible.Left) * db, std::size_t(visW) * db);
            continue;
        }
        const std::uint8_t* s = src.Row(int(a));
        if (sb == 4 && db == 4 && copy && !hasTransparent) {
            const auto* in = reinterpret_cast<const std::uint32_t*>(s);
            auto* out = reinterpret_cast<std::uint32_t*>(d);
            for (int c = 0; c < visW; ++c)
                if (columns[std::size_t(c)] >= 0) out[c] = in[columns[std::size_t(c)]] | 0xFF000000u;
        } else {
            for (int c = 0; c < visW; ++c) {
                const int x = columns[std::size_t(c)];
                if (x < 0) continue;
                const std::uint8_t* sp = s + std::ptrdiff_t(x) * sb;
                std::uint32_t v;
                if (sb == 4) {
                    std::memcpy(&v, sp, 4);
                    v &= 0xFFFFFFu;
                } else {
                    v = Load24(sp);
                }
                if (hasTransparent && v == transparent) continue;
                std::uint8_t* dp = d + std::ptrdiff_t(c) * db;
                if (db == 4) {
                    std::uint32_t old;
                    std::memcpy(&old, dp, 4);
                    const std::uint32_t result = ((copy ? v : rop(v, old)) & 0xFFFFFFu) | 0xFF000000u;
                    std::memcpy(dp, &result, 4);
                } else {
                    Store24(dp, copy ? v : (rop(v, Load24(dp)) & 0xFFFFFFu));
                }
            }
        }
        lastSource = a;
        lastRow = r;
    }
}

// One row of 32-bit pixels onto 32-bit pixels, written as selects and bit operations so
// that the compiler vectorises every case; results are opaque.
ZYN_ALWAYS_INLINE void Words32Body(const std::uint8_t* s, std::uint8_t* d, int n, bool copy, const RopMasks& rop,
                                   bool hasTransparent, std::uint32_t transparent) {
    const auto* __restrict in = reinterpret_cast<const std::uint32_t*>(s);
    auto* __restrict out = reinterpret_cast<std::uint32_t*>(d);
    constexpr std::uint32_t kRgb = 0xFFFFFFu, kOpaque = 0xFF000000u;
    const RopMasks op = rop;   // a local copy cannot alias the pixels
    if (copy && !hasTransparent) {
        for (int i = 0; i < n; ++i) out[i] = in[i] | kOpaque;
    } else if (copy) {
        for (int i = 0; i < n; ++i) {
            const std::uint32_t v = in[i] & kRgb;
            out[i] = v == transparent ? out[i] : (v | kOpaque);
        }
    } else if (!hasTransparent) {
        for (int i = 0; i < n; ++i) out[i] = (op(in[i], out[i]) & kRgb) | kOpaque;
    } else {
        for (int i = 0; i < n; ++i) {
            const std::uint32_t v = in[i] & kRgb;
            out[i] = v == transparent ? out[i] : ((op(v, out[i]) & kRgb) | kOpaque);
        }
    }
}

void Words32(const std::uint8_t* s, std::uint8_t* d, int n, bool copy, const RopMasks& rop, bool hasTransparent,
             std::uint32_t transparent) {
    Words32Body(s, d, n, copy, rop, hasTransparent, transparent);
}

#if ZYN_HAVE_AVX2_PATHS
ZYN_TARGET_AVX2 void Words32Avx2(const std::uint8_t* s, std::uint8_t* d, int n, bool copy, const RopMasks& rop,
                                 bool hasTransparent, std::uint32_t transparent) {
    Words32Body(s, d, n, copy, rop, hasTransparent, transparent);
}
#endif

// One row between 24/32 bit surfaces: n pixels from s (source bytes) to d (destination bytes).
// Source values are B | G << 8 | R << 16; 32-bit results are opaque.
template <int SrcBytes, int DstBytes>
void DirectRow(const std::uint8_t* s, std::uint8_t* d, int n, bool copy, const RopMasks& rop,
               bool hasTransparent, std::uint32_t transparent) {
    auto load = [](const std::uint8_t* p) {
        if constexpr (SrcBytes == 4) {
            std::uint32_t v;
            std::memcpy(&v, p, 4);
            return v & 0xFFFFFFu;
        } else {
            return Load24(p);
        }
    };
    auto loadDst = [](const std::uint8_t* p) {
        if constexpr (DstBytes == 4) {
            std::uint32_t v;
            std::memcpy(&v, p, 4);
            return v;
        } else {
            return Load24(p);
        }
    };
    auto store = [](std::uint8_t* p, std::uint32_t v) {
        if constexpr (DstBytes == 4) {
            v = (v & 0xFFFFFFu) | 0xFF000000u;
            std::memcpy(p, &v, 4);
        } else {
            Store24(p, v);
        }
    };
    if constexpr (SrcBytes == 4 && DstBytes == 4) {
#if ZYN_HAVE_AVX2_PATHS
        if (HaveAvx2()) {
            Words32Avx2(s, d, n, copy, rop, hasTransparent, transparent);
            return;
        }
#endif
        Words32(s, d, n, copy, rop, hasTransparent, transparent);
        return;
    }
    if (copy && !hasTransparent) {
        if constexpr (SrcBytes == 3 && DstBytes == 3) {
            std::memcpy(d, s, std::size_t(n) * 3);
        } else {
            for (int i = 0; i < n; ++i) store(d + DstBytes * i, load(s + SrcBytes * i));
        }
        return;
    }
    for (int i = 0; i < n; ++i, s += SrcBytes, d += DstBytes) {
        const std::uint32_t v = load(s);
        if (hasTransparent && v == transparent) continue;
        store(d, copy ? v : (rop(v, loadDst(d)) & 0xFFFFFFu));
    }
}

// Source and destination rectangles of the same size without mirroring: pixel (x, y) of the
// visible part takes source pixel (x + offX, y + offY). Gives the same pixels as the general
// path with its one-to-one mapping, without the per-column tables.
void CopyUnscaled(const Surface& dst, const Surface& src, const Plan& p, const BlitOptions& o) {
    const std::int64_t offX = p.srcLeft - p.dstLeft, offY = p.srcTop - p.dstTop;
    // Destination pixels whose source pixel exists.
    const std::int64_t left = std::max<std::int64_t>(p.visible.Left, -offX);
    const std::int64_t right = std::min<std::int64_t>(p.visible.Right, src.width - offX);
    const std::int64_t top = std::max<std::int64_t>(p.visible.Top, -offY);
    const std::int64_t bottom = std::min<std::int64_t>(p.visible.Bottom, src.height - offY);
    if (left >= right || top >= bottom) return;
    const int n = int(right - left);
    const int x0 = int(left), sx0 = int(left + offX);

    const bool copy = ((o.rop >> 16) & 0xFF) == 0xCC;
    const std::uint32_t pattern = dst.Encode(o.pattern);
    const RopMasks rop(o.rop, pattern);
    const bool hasTransparent = o.transparent.has_value();
    const std::uint32_t transparent = hasTransparent ? RgbToBgrValue(*o.transparent) : 0;
    // Copying within one surface: rows are visited so that none is overwritten before it
    // is read, and each source row is read in full before its destination row is written.
    const bool self = src.top == dst.top;
    const bool upwards = self && offY < 0;
    thread_local std::vector<std::uint32_t> values, dstValues;
    thread_local std::vector<std::uint8_t> rowCopy;

    if (src.Direct() && dst.Direct()) {
        const int sb = src.bpp / 8, db = dst.bpp / 8;
        if (self) rowCopy.resize(std::size_t(n) * std::size_t(sb));
        for (std::int64_t k = 0; k < bottom - top; ++k) {
            const int y = int(upwards ? bottom - 1 - k : top + k);
            const std::uint8_t* s = src.Row(int(y + offY)) + std::ptrdiff_t(sx0) * sb;
            if (self) {
                std::memcpy(rowCopy.data(), s, rowCopy.size());
                s = rowCopy.data();
            }
            std::uint8_t* d = dst.Row(y) + std::ptrdiff_t(x0) * db;
            if (sb == 4 && db == 4) DirectRow<4, 4>(s, d, n, copy, rop, hasTransparent, transparent);
            else if (sb == 3 && db == 3) DirectRow<3, 3>(s, d, n, copy, rop, hasTransparent, transparent);
            else if (sb == 3) DirectRow<3, 4>(s, d, n, copy, rop, hasTransparent, transparent);
            else DirectRow<4, 3>(s, d, n, copy, rop, hasTransparent, transparent);
        }
        return;
    }

    // Other formats: convert through B | G << 8 | R << 16 values a row at a time.
    const SourceReader reader(src, o);
    const DestEncoder encode(dst, &src, o);
    const std::uint32_t mask = dst.ValueMask();
    values.resize(std::size_t(n));
    dstValues.resize(std::size_t(n));
    for (std::int64_t k = 0; k < bottom - top; ++k) {
        const int y = int(upwards ? bottom - 1 - k : top + k);
        reader.Read(int(y + offY), sx0, n, values.data());
        dst.ReadValues(y, x0, n, dstValues.data());
        for (int i = 0; i < n; ++i) {
            const std::uint32_t v = values[std::size_t(i)];
            if (hasTransparent && v == transparent) continue;
            const std::uint32_t e = encode(v);
            std::uint32_t r = copy ? e : (rop(e, dstValues[std::size_t(i)]) & mask);
            if (dst.bpp == 32) r = (r & 0xFFFFFFu) | 0xFF000000u;
            dstValues[std::size_t(i)] = r;
        }
        dst.WriteValues(y, x0, n, dstValues.data());
    }
}

}  // namespace

void StretchBits(const Surface& dst, int dx, int dy, int dw, int dh, const Surface* src, int sx,
                 int sy, int sw, int sh, const BlitOptions& o) {
    if (!dst.Drawable() || dw == 0 || dh == 0) return;
    Plan p{};
    p.mirrorX = false;
    p.mirrorY = false;
    p.dstLeft = dw < 0 ? std::int64_t(dx) + dw : dx;
    p.dstTop = dh < 0 ? std::int64_t(dy) + dh : dy;
    p.dstW = dw < 0 ? -std::int64_t(dw) : dw;
    p.dstH = dh < 0 ? -std::int64_t(dh) : dh;
    p.mirrorX = dw < 0;
    p.mirrorY = dh < 0;
    const std::int64_t left = std::max<std::int64_t>(p.dstLeft, dst.clip.Left);
    const std::int64_t top = std::max<std::int64_t>(p.dstTop, dst.clip.Top);
    const std::int64_t right = std::min<std::int64_t>(p.dstLeft + p.dstW, dst.clip.Right);
    const std::int64_t bottom = std::min<std::int64_t>(p.dstTop + p.dstH, dst.clip.Bottom);
    if (left >= right || top >= bottom) return;
    p.visible = TRect(int(left), int(top), int(right), int(bottom));

    if (!RopUsesSource(o.rop) || src == nullptr) {
        if (RopUsesSource(o.rop)) return;   // a source is needed but none was given
        const std::uint32_t pattern = dst.Encode(o.pattern);
        const std::uint32_t mask = dst.ValueMask();
        std::vector<std::uint32_t> values(std::size_t(p.visible.Width()));
        for (int y = p.visible.Top; y < p.visible.Bottom; ++y) {
            dst.ReadValues(y, p.visible.Left, p.visible.Width(), values.data());
            for (std::uint32_t& v : values) {
                v = Rop3(o.rop, pattern, 0, v) & mask;
                if (dst.bpp == 32) v |= 0xFF000000u;
            }
            dst.WriteValues(y, p.visible.Left, p.visible.Width(), values.data());
        }
        return;
    }
    if (sw == 0 || sh == 0 || src->top == nullptr) return;
    p.srcLeft = sw < 0 ? std::int64_t(sx) + sw : sx;
    p.srcTop = sh < 0 ? std::int64_t(sy) + sh : sy;
    p.srcW = sw < 0 ? -std::int64_t(sw) : sw;
    p.srcH = sh < 0 ? -std::int64_t(sh) : sh;
    p.mirrorX = p.mirrorX != (sw < 0);
    p.mirrorY = p.mirrorY != (sh < 0);

    if (p.srcW == p.dstW && p.srcH == p.dstH && !p.mirrorX && !p.mirrorY) {
        CopyUnscaled(dst, *src, p, o);
        return;
    }

    // The source may be the destination itself: work from a copy of what is read.
    Surface source = *src;
    std::vector<std::uint8_t> copy;
    if (src->top == dst.top) {
        const std::size_t bytes = std::size_t(std::abs(src->stride)) * std::size_t(src->height);
        std::uint8_t* lowest = src->stride < 0 ? src->top + src->stride * (src->height - 1) : src->top;
        copy.assign(lowest, lowest + bytes);
        source.top = copy.data() + (src->top - lowest);
        source.matcher = PaletteMatcher(src->palette, src->paletteSize);
    }

    const bool halftone = o.stretchMode == 4 && !o.transparent && ((o.rop >> 16) & 0xFF) == 0xCC &&
                          (p.srcW != p.dstW || p.srcH != p.dstH);
    if (halftone) StretchHalftone(dst, source, p, o);
    else StretchSampled(dst, source, p, o);
}

}  // namespace vcl::raster
