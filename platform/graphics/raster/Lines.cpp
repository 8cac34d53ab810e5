#include "platform/graphics/raster/Lines.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/raster/Ellipses.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

std::int64_t LineSteps(TPoint p0, TPoint p1) {
    const std::int64_t dx = std::int64_t(p1.X) - p0.X, dy = std::int64_t(p1.Y) - p0.Y;
    return std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
}

// ---- dashes ------------------------------------------------------------------------------

bool DashPattern::On(std::int64_t position) const {
    std::int64_t p = position % period;
    for (int i = 0; i < count; ++i) {
        if (p < lengths[i]) return (i % 2) == 0;
        p -= lengths[i];
    }
    return true;
}

const DashPattern* DashFor(TPenStyle style) {
    static const DashPattern dash{2, {18, 6}, 24};
    static const DashPattern dot{2, {3, 3}, 6};
    static const DashPattern dashDot{4, {9, 6, 3, 6}, 24};
    static const DashPattern dashDotDot{6, {9, 3, 3, 3, 3, 3}, 24};
    switch (style) {
        case psDash: return &dash;
        case psDot: return &dot;
        case psDashDot: return &dashDot;
        case psDashDotDot: return &dashDotDot;
        default: return nullptr;
    }
}

// ---- cosmetic strokes --------------------------------------------------------------------

CosmeticStroke::CosmeticStroke(const Surface& s, const Paint& pen, const DashPattern* dash,
                               const Paint* gap)
    : surface_(s), pen_(pen), dash_(dash), gap_(gap) {}

void CosmeticStroke::Emit(int x, int y, std::int64_t position) {
    const bool on = dash_ == nullptr || dash_->On(position);
    if (on) {
        if (collectOn_) collectOn_->AddPixel(x, y);
        else PlotPixel(surface_, x, y, pen_);
    } else if (gap_ != nullptr) {
        if (collectOff_) collectOff_->AddPixel(x, y);
        else PlotPixel(surface_, x, y, *gap_);
    }
}

void CosmeticStroke::Line(TPoint p0, TPoint p1) {
    if (dash_ == nullptr && collectOn_ == nullptr) SolidLine(p0, p1);
    else WalkLine(p0, p1, surface_.clip, [&](int x, int y, std::int64_t step) { Emit(x, y, position_ + step); });
    position_ += LineSteps(p0, p1);
}

void CosmeticStroke::SolidLine(TPoint p0, TPoint p1) {
    const TRect& clip = surface_.clip;
    if (p0.Y == p1.Y && p0.X != p1.X) {
        // A row: from p0 towards p1, p1 excluded.
        const std::int64_t a = p0.X < p1.X ? p0.X : std::int64_t(p1.X) + 1;
        const std::int64_t b = p0.X < p1.X ? p1.X : std::int64_t(p0.X) + 1;
        const std::int64_t x0 = std::max<std::int64_t>(a, clip.Left), x1 = std::min<std::int64_t>(b, clip.Right);
        if (x0 < x1) FillSpan(surface_, p0.Y, int(x0), int(x1), pen_);
        return;
    }
    if (surface_.bpp == 32 && pen_.hatch == nullptr) {
        const std::uint32_t x = pen_.xorBits, k = pen_.keepBits;
        if (p0.X == p1.X && p0.Y != p1.Y) {
            if (p0.X < clip.Left || p0.X >= clip.Right) return;
            const std::int64_t a = p0.Y < p1.Y ? p0.Y : std::int64_t(p1.Y) + 1;
            const std::int64_t b = p0.Y < p1.Y ? p1.Y : std::int64_t(p0.Y) + 1;
            const int y0 = int(std::max<std::int64_t>(a, clip.Top)), y1 = int(std::min<std::int64_t>(b, clip.Bottom));
            for (int y = y0; y < y1; ++y) {
                auto* q = reinterpret_cast<std::uint32_t*>(surface_.Row(y)) + p0.X;
                *q = x ^ (*q & k);
            }
            return;
        }
        WalkLine(p0, p1, clip, [&](int px, int py, std::int64_t) {
            auto* q = reinterpret_cast<std::uint32_t*>(surface_.Row(py)) + px;
            *q = x ^ (*q & k);
        });
        return;
    }
    WalkLine(p0, p1, clip, [&](int px, int py, std::int64_t) { PlotPixel(surface_, px, py, pen_); });
}

void CosmeticStroke::Pixel(int x, int y) {
    if (surface_.clip.Contains({x, y})) {
        if (dash_ == nullptr && collectOn_ == nullptr) PlotPixel(surface_, x, y, pen_);
        else Emit(x, y, position_);
    }
    ++position_;
}

// ---- wide pens ---------------------------------------------------------------------------

namespace {

// Narrows [lo, hi] to the x with lo <= a * x + b <= hi (strict on the upper side when
// upperOpen), a != 0.
void Constrain(double a, double b, double lo, double hi, bool upperOpen, double& xmin, double& xmax) {
    constexpr double eps = 1e-9;
    double from = (lo - b) / a, to = (hi - b) / a;
    if (a > 0) {
        xmin = std::max(xmin, from - eps);
        xmax = std::min(xmax, upperOpen ? to - eps : to + eps);
    } else {
        xmin = std::max(xmin, upperOpen ? to + eps : to - eps);
        xmax = std::min(xmax, from + eps);
    }
}

}  // namespace

void AddWideSegment(SpanSet& set, TPoint a, TPoint b, int w) {
    if (a == b) return;
    const int before = w / 2;   // pixels on the upper/left side of the path
    if (a.Y == b.Y) {
        set.AddRect(TRect(std::min(a.X, b.X), a.Y - before, std::max(a.X, b.X) + 1, a.Y - before + w));
        return;
    }
    if (a.X == b.X) {
        set.AddRect(TRect(a.X - before, std::min(a.Y, b.Y), a.X - before + w, std::max(a.Y, b.Y) + 1));
        return;
    }
    // A slanted band: pixel centres whose distance across the path lies in [-w/2, w/2)
    // and whose position along it lies between the end points (the caps do the rest).
    const double vx = double(b.X) - a.X, vy = double(b.Y) - a.Y;
    const double length = std::hypot(vx, vy);
    const double ux = vx / length, uy = vy / length;
    double nx = -uy, ny = ux;
    if (nx + ny < 0 || (nx + ny == 0 && ny < 0)) {
        nx = -nx;
        ny = -ny;
    }
    const double half = w / 2.0;
    const double reach = half + 1;
    const int top = std::max<std::int64_t>(set.Bounds().Top,
                                           std::int64_t(std::floor(std::min<double>(a.Y, b.Y) - reach)));
    const int bottom = std::min<std::int64_t>(set.Bounds().Bottom,
                                              std::int64_t(std::ceil(std::max<double>(a.Y, b.Y) + reach)) + 1);
    for (int y = top; y < bottom; ++y) {
        // Coordinates relative to a (pixel centres are the integer points here).
        const double cy = double(y) - a.Y;
        double xmin = -1e18, xmax = 1e18;
        Constrain(nx, ny * cy, -half, half, true, xmin, xmax);
        Constrain(ux, uy * cy, 0, length, false, xmin, xmax);
        if (xmin > xmax) continue;
        const double x0 = std::ceil(xmin) + a.X, x1 = std::floor(xmax) + a.X;
        if (x0 > x1) continue;
        const double lo = std::max<double>(x0, set.Bounds().Left - 1.0);
        const double hi = std::min<double>(x1, set.Bounds().Right + 1.0);
        if (lo > hi) continue;
        set.AddSpan(y, int(lo), int(hi) + 1);
    }
}

void AddDisc(SpanSet& set, TPoint center, int w) {
    const int left = center.X - w / 2, top = center.Y - w / 2;
    AddEllipse(nullptr, &set, TRect(left, top, left + w, top + w));
}

void AddWidePolyline(SpanSet& set, std::span<const TPoint> points, int w, bool closed) {
    const TRect& b = set.Bounds();
    const TRect near(b.Left - w, b.Top - w, b.Right + w, b.Bottom + w);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (near.Contains(points[i])) AddDisc(set, points[i], w);
        if (i + 1 < points.size()) AddWideSegment(set, points[i], points[i + 1], w);
    }
    if (closed && points.size() > 2) AddWideSegment(set, points.back(), points.front(), w);
}

}  // namespace vcl::raster
