// Ellipses and their relatives (round rectangles, arcs, pies, chords): the integer
// midpoint walk that gives the outline pixels, and the regions built from it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/raster/Scratch.h"
#include "platform/graphics/raster/SpanSet.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

// Outline pixels (into outline) and the filled region between the outermost outline
// pixels of each row (into fill) of the round rectangle in box with an ew x eh corner
// ellipse; ew = box width and eh = box height give the ellipse. Boxes 2 pixels or less
// across (or corners that small) are rectangles. Either set may be null.
void AddRoundRect(SpanSet* outline, SpanSet* fill, const TRect& box, int ew, int eh);
inline void AddEllipse(SpanSet* outline, SpanSet* fill, const TRect& box) {
    AddRoundRect(outline, fill, box, box.Width(), box.Height());
}

// The outline of the same round rectangle as a closed loop of 8-adjacent pixels, each
// once. Round shapes run counter-clockwise on screen from the right end of the middle
// row; plain rectangles run clockwise from the top-left corner.
std::vector<TPoint> RoundRectLoop(const TRect& box, int ew, int eh);
inline std::vector<TPoint> EllipseLoop(const TRect& box) {
    return RoundRectLoop(box, box.Width(), box.Height());
}

// The same loop for an ellipse (box at least 3 x 3), with points computed on demand from
// one stored quadrant, so arcs of huge ellipses stay cheap. A box whose quadrant would pass
// MaxQuadrantPoints (ellipses millions of pixels across) raises EOutOfResources.
class EllipseOutline {
public:
    static constexpr std::int64_t MaxQuadrantPoints = std::int64_t(1) << 22;
    explicit EllipseOutline(const TRect& box);
    std::size_t Size() const { return size_; }
    TPoint At(std::size_t i) const;
    // Calls f(point) for count points of the loop from index from on, wrapping at the end.
    template <typename F>
    void Visit(std::size_t from, std::size_t count, F&& f) const;
    // Index of the first outline pixel a ray from center through `through` meets when
    // sweeping counter-clockwise from the loop's start.
    std::size_t RayIndex(TPoint center, TPoint through) const;

private:
    Scratch<TPoint> quadrantStore_;
    std::vector<TPoint>& quadrant_ = *quadrantStore_;   // lower right quarter, relative to the box
    int left_, top_, right_, bottom_;   // W = width - 1, H = height - 1 offsets
    std::size_t begin_[4] = {};         // loop index where each quarter's points start
    std::size_t skip_[4] = {};          // leading points a quarter shares with the previous one
    std::size_t size_ = 0;
};

template <typename F>
void EllipseOutline::Visit(std::size_t from, std::size_t count, F&& f) const {
    if (size_ == 0) return;
    const std::size_t m = quadrant_.size();
    std::size_t i = from % size_;
    while (count > 0) {
        int k = 3;
        while (k > 0 && i < begin_[k]) --k;
        const std::size_t end = k < 3 ? begin_[k + 1] : size_;
        const std::size_t run = std::min(count, end - i);
        const std::size_t j0 = i - begin_[k] + skip_[k];
        for (std::size_t t = 0; t < run; ++t) {
            const std::size_t j = j0 + t;
            const TPoint q = (k == 0 || k == 2) ? quadrant_[j] : quadrant_[m - 1 - j];
            switch (k) {
                case 0: f(TPoint(left_ + q.X, top_ + bottom_ - q.Y)); break;
                case 1: f(TPoint(left_ + right_ - q.X, top_ + bottom_ - q.Y)); break;
                case 2: f(TPoint(left_ + right_ - q.X, top_ + q.Y)); break;
                default: f(TPoint(left_ + q.X, top_ + q.Y)); break;
            }
        }
        i += run;
        count -= run;
        if (i >= size_) i = 0;
    }
}

}  // namespace vcl::raster
