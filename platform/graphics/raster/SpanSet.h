// A set of pixels kept as sorted, disjoint horizontal spans per row, limited to a bounding
// rectangle (the clip). Shapes collect their outline and interior here so that every pixel
// is mixed exactly once, whatever the pen mode.
//
// The row tables come from a per-thread pool and keep their capacity, and only the rows a
// shape touched are visited, so collecting a shape allocates nothing in the steady state
// and costs nothing for the rows of the clip it does not reach.
#pragma once

#include <vector>

#include "platform/graphics/raster/Surface.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

struct Span {
    int x0;   // first pixel
    int x1;   // one past the last pixel
};

class SpanSet {
public:
    explicit SpanSet(const TRect& bounds);
    // A set that paints every span it is given on s at once instead of keeping it, and so
    // stays empty: for shapes whose spans may be painted in the order they are found
    // (spans that never overlap, or a paint for which twice is the same as once).
    SpanSet(const TRect& bounds, const Surface& s, const Paint& paint);
    ~SpanSet();
    SpanSet(SpanSet&& other) noexcept;
    SpanSet& operator=(SpanSet&& other) noexcept;
    SpanSet(const SpanSet&) = delete;
    SpanSet& operator=(const SpanSet&) = delete;

    void AddSpan(int y, int x0, int x1);   // [x0, x1) of row y
    void AddPixel(int x, int y) { AddSpan(y, x, x + 1); }
    void AddRect(const TRect& r);
    void Add(const SpanSet& other);
    void Subtract(const SpanSet& other);
    bool Contains(int x, int y) const;
    bool Empty() const;

    const TRect& Bounds() const { return bounds_; }
    const std::vector<Span>& RowSpans(int y) const;
    void PaintOn(const Surface& s, const Paint& paint) const;

private:
    using Rows = std::vector<std::vector<Span>>;
    void Touch(int index) {
        if (index < lo_) lo_ = index;
        if (index >= hi_) hi_ = index + 1;
    }
    void Release();

    TRect bounds_;
    Rows* rows_ = nullptr;   // rows_[y - bounds_.Top]; at least bounds_.Height() entries
    int lo_ = 0, hi_ = 0;    // rows that may hold spans: [lo_, hi_) relative to bounds_.Top
    const Surface* surface_ = nullptr;   // set when painting instead of collecting
    Paint paint_;
};

}  // namespace vcl::raster
