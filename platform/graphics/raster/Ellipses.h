// Ellipses and their relatives (round rectangles, arcs, pies, chords): the integer
// midpoint walk that gives the outline pixels, and the regions built from it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
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
// one stored quadrant, each with its index along the loop (which dash patterns count). A
// box whose quadrant would pass MaxQuadrantPoints (ellipses millions of pixels across)
// raises EOutOfResources; EllipseWalk reaches the points of any box without storing them.
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

// The same loop, reached through the rows near a window only, so that an arc, pie or chord
// of an ellipse far larger than the window costs about what the window shows. Its points,
// its start and the pixel a ray meets are EllipseOutline's; how far along the loop a point
// lies (which a dash pattern needs) is not known. The box is at least 3 x 3.
class EllipseWalk {
public:
    // A point of the loop: its quarter (0 upper right, 1 upper left, 2 lower left, 3 lower
    // right, the loop's order) and where the lower-right quarter has it, relative to the box.
    struct Position {
        int quarter = 0;
        std::int64_t qx = 0, qy = 0;
        bool operator==(const Position&) const = default;
    };

    explicit EllipseWalk(const TRect& box);
    // Boxes whose loop costs little to store whole, and those under 3 pixels across
    // (EllipseOutline serves them).
    static bool Small(const TRect& box) {
        const std::int64_t w = std::int64_t(box.Right) - box.Left, h = std::int64_t(box.Bottom) - box.Top;
        return w < 3 || h < 3 || w / 2 + h / 2 <= 4096;
    }
    TPoint At(const Position& p) const;
    // The first outline pixel a ray from center through `through` meets sweeping counter-
    // clockwise from the loop's start (EllipseOutline::RayIndex).
    Position RayPosition(TPoint center, TPoint through) const;
    // The points of the loop from `from` up to `to` (excluded; the whole loop from `from`
    // when whole) that lie inside window, each once and in loop order.
    std::vector<TPoint> Inside(const Position& from, const Position& to, bool whole, const TRect& window) const;
    // Points of the same part of the loop, in loop order, for a path through them to stand
    // for it near bounds: every point within a pixel of bounds, and between two of them
    // only points beyond one and the same side of bounds (a pixel nearer on the ends), as
    // PathReducer leaves them.
    std::vector<TPoint> Near(const Position& from, const Position& to, bool whole, const TRect& bounds) const;

private:
    struct Run;   // quadrant points along a row or a column
    using Key = std::pair<std::int64_t, std::int64_t>;
    Key KeyOf(const Position& p) const;
    bool Included(int quarter, std::int64_t qx, std::int64_t qy) const;
    std::vector<Run> QuarterRuns(int quarter, std::int64_t y0, std::int64_t y1) const;
    Run RowOf(int quarter, std::int64_t qy) const;
    Position FirstOf(int quarter) const;
    Position LastOf(int quarter) const;
    void Collect(const Position& from, const Position& to, bool whole, const TRect& cells, bool path,
                 std::vector<TPoint>& out) const;

    std::int64_t left_, top_, w_, h_, yStart_;
    std::int64_t lastX_ = 0;                 // the quadrant's last point is (lastX_, h_ - 1)
    Position afterFirst_, beforeLast_;       // the quadrant's second and last but one points
    bool sharedTop_ = false, sharedSide_ = false;
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
