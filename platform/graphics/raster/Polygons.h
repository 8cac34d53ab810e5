// Polygon filling with the region scan converter's rule: a pixel is inside when its
// top-left corner is, left edges count as inside and right edges as outside.
#pragma once

#include <span>
#include <vector>

#include "platform/graphics/raster/SpanSet.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

// Collects a path, replacing every run of consecutive points beyond one and the same side
// of bounds by its first and last point. The dropped part lies wholly beyond that side, so
// inside bounds the path fills (and strokes, if bounds allow for the pen) as before; huge
// outlines then cost no more than what is visible.
class PathReducer {
public:
    // The reduced path goes to out (emptied first).
    PathReducer(const TRect& bounds, std::vector<TPoint>& out) : bounds_(bounds), points_(out) {
        points_.clear();
    }
    void Add(TPoint p);
    const std::vector<TPoint>& Points() const { return points_; }

private:
    unsigned OutCode(TPoint p) const;
    TRect bounds_;
    std::vector<TPoint>& points_;
    unsigned common_ = 0;          // sides shared by the current run (0: no run)
    std::size_t runFirst_ = 0;     // index of the run's first point
};

// Adds the inside of the closed polygon through points (the last point joins the first)
// to set, by the even-odd rule (ALTERNATE) or the non-zero rule (WINDING).
void AddPolygon(SpanSet& set, std::span<const TPoint> points, bool winding);

}  // namespace vcl::raster
