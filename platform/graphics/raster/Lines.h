// Lines: the one-pixel (cosmetic) line walk with its octant bias, dash patterns, and wide
// pens as filled bands with round caps and joins.
#pragma once

#include <cstdint>
#include <span>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/raster/SpanSet.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

// Calls emit(x, y, step) for the pixels of the cosmetic line p0 -> p1 that lie inside
// clip, in drawing order, the end pixel excluded; step counts pixels from p0. Lines far
// outside the clip are skipped arithmetically, so the work is bounded by the clip size.
template <typename Emit>
void WalkLine(TPoint p0, TPoint p1, const TRect& clip, Emit&& emit);

// Number of pixels a cosmetic line from p0 to p1 lights (ignoring the clip).
std::int64_t LineSteps(TPoint p0, TPoint p1);

// On/off run lengths of a dashed cosmetic pen; nullptr for solid styles.
struct DashPattern {
    int count;
    int lengths[6];
    int period;
    bool On(std::int64_t position) const;
};
const DashPattern* DashFor(TPenStyle style);

// Where a cosmetic pen's pixels go: the "on" pixels get the pen, the gaps of a dashed pen
// the background when gaps are painted. With collect sets, pixels are gathered instead of
// drawn (shapes paint every pixel once).
class CosmeticStroke {
public:
    CosmeticStroke(const Surface& s, const Paint& pen, const DashPattern* dash, const Paint* gap);
    void CollectInto(SpanSet* on, SpanSet* off) { collectOn_ = on; collectOff_ = off; }

    void Line(TPoint p0, TPoint p1);          // end pixel excluded
    void Pixel(int x, int y);                 // one pixel of a path, advancing the pattern
    void Skip(std::int64_t n) { position_ += n; }

private:
    void Emit(int x, int y, std::int64_t position);
    void SolidLine(TPoint p0, TPoint p1);   // drawn at once, without dashes

    const Surface& surface_;
    Paint pen_;
    const DashPattern* dash_;
    const Paint* gap_;
    SpanSet* collectOn_ = nullptr;
    SpanSet* collectOff_ = nullptr;
    std::int64_t position_ = 0;
};

// Wide pens: the band of width w around the segment a-b (see the pen rules) and the round
// disc of width w centred on a vertex.
void AddWideSegment(SpanSet& set, TPoint a, TPoint b, int w);
void AddDisc(SpanSet& set, TPoint center, int w);
// Bands for every segment plus discs at every vertex (closed adds the closing segment).
void AddWidePolyline(SpanSet& set, std::span<const TPoint> points, int w, bool closed);

// ---------------------------------------------------------------------------------------

namespace detail {
inline std::int64_t FloorDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return std::int64_t(q);
}
}  // namespace detail

template <typename Emit>
void WalkLine(TPoint p0, TPoint p1, const TRect& clip, Emit&& emit) {
    const std::int64_t dx = std::int64_t(p1.X) - p0.X, dy = std::int64_t(p1.Y) - p0.Y;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) return;
    const bool down = dy > 0;
    const bool right = dx > 0 || (dx == 0 && !down);
    const bool yMajor = ady >= adx;
    // Octants 3, 5, 6 and 8 take the minor step on an exact tie.
    const int bias = down ? (right ? 0 : (yMajor ? 1 : 0)) : (right ? (yMajor ? 0 : 1) : 1);

    const std::int64_t n = yMajor ? ady : adx, d = yMajor ? adx : ady;
    const int sMajor = yMajor ? (dy > 0 ? 1 : -1) : (dx > 0 ? 1 : -1);
    const int sMinor = yMajor ? (dx > 0 ? 1 : -1) : (dy > 0 ? 1 : -1);
    const std::int64_t major0 = yMajor ? p0.Y : p0.X, minor0 = yMajor ? p0.X : p0.Y;
    const std::int64_t majorLo = yMajor ? clip.Top : clip.Left;
    const std::int64_t majorHi = yMajor ? clip.Bottom : clip.Right;
    const std::int64_t minorLo = yMajor ? clip.Left : clip.Top;
    const std::int64_t minorHi = yMajor ? clip.Right : clip.Bottom;

    // Steps whose major coordinate lies inside the clip.
    std::int64_t first, last;   // [first, last)
    if (sMajor > 0) {
        first = majorLo - major0;
        last = majorHi - major0;
    } else {
        first = major0 - majorHi + 1;
        last = major0 - majorLo + 1;
    }
    if (first < 0) first = 0;
    if (last > n) last = n;
    if (first >= last) return;

    // Minor offset and error term at step `first` (closed form of the incremental walk).
    std::int64_t m = detail::FloorDiv(__int128(2) * d * first + n - 1 + bias, __int128(2) * n);
    std::int64_t err = std::int64_t(__int128(2) * d - n + __int128(2) * d * first - __int128(2) * n * m);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t minor = minor0 + sMinor * m;
        if (minor >= minorLo && minor < minorHi) {
            const std::int64_t major = major0 + sMajor * i;
            if (yMajor) emit(int(minor), int(major), i);
            else emit(int(major), int(minor), i);
        } else if (d == 0 || (sMinor > 0 && minor >= minorHi) || (sMinor < 0 && minor < minorLo)) {
            break;   // the minor coordinate only moves further away
        }
        if (err + bias > 0) {
            ++m;
            err += 2 * d - 2 * n;
        } else {
            err += 2 * d;
        }
    }
}

}  // namespace vcl::raster
