// A set of pixels kept as sorted, disjoint horizontal spans per row, limited to a bounding
// rectangle (the clip). Shapes collect their outline and interior here so that every pixel
// is mixed exactly once, whatever the pen mode.
#pragma once

#include <vector>

#include "platform/graphics/raster/Surface.h"

namespace vcl::raster {

struct Span {
    int x0;   // first pixel
    int x1;   // one past the last pixel
};

class SpanSet {
public:
    explicit SpanSet(const TRect& bounds);

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
    TRect bounds_;
    std::vector<std::vector<Span>> rows_;   // rows_[y - bounds_.Top]
};

}  // namespace vcl::raster
