#include "platform/graphics/raster/Ellipses.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "platform/graphics/raster/Lines.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

namespace {

// The integer midpoint walk over the lower-right quadrant of the ellipse inscribed in a
// w x h box (w, h >= 3), relative to the box: from the right end of the middle row down
// to the bottom row, each point 8-adjacent to the previous one. The error terms grow with
// the cube of the size: 64 bits hold them exactly up to 65536 pixels, 128-bit arithmetic
// for boxes far larger than any surface.
//
// Every step moves left (when 2 err >= dx), down (when 2 err <= dy) or both, and the error
// and both increments are sums over the steps taken, so each is a function of the point
// alone (Err, Dx, Dy below). Where the walk runs along a row or down a column the run's
// end is found by a search instead of step by step, so a huge flat or steep ellipse costs
// a few operations per row or column run rather than per pixel. The walk reports its
// points as Row(y, xFirst, xLast) for the points (xFirst, y) down to (xLast, y), and
// Column(x, yFirst, yLast) for (x, yFirst) to (x, yLast), in walk order.
template <typename Big, typename RowFn, typename ColumnFn>
void WalkQuadrantWith(std::int64_t w, std::int64_t h, RowFn&& Row, ColumnFn&& Column) {
    using Wide = __int128;
    const Big a = w - 1, b = h - 1;
    const Big A = 8 * a * a, B = 8 * b * b;
    const Big dx0 = 4 * b * b * (1 - a), dy0 = 4 * a * a * (1 + b % 2);
    const Big err0 = dx0 + dy0 + a * a * (b % 2);
    const std::int64_t yStart = h / 2;
    // The walk's state at a point, from the steps that lead there.
    auto Dx = [&](std::int64_t x) { return Wide(dx0) + Wide(B) * (Wide(a) - x); };
    auto Dy = [&](std::int64_t y) { return Wide(dy0) + Wide(A) * (Wide(y) - yStart); };
    auto Err = [&](std::int64_t x, std::int64_t y) {
        const Wide K = Wide(a) - x, J = Wide(y) - yStart;
        return Wide(err0) + K * dx0 + Wide(B) / 2 * K * (K + 1) + J * dy0 + Wide(A) / 2 * J * (J + 1);
    };
    // From column xFlat rightwards every increment dx is <= 0 < dy: the error falls along
    // a row and rises down a column, and a point that does not step down steps left (and
    // the other way round), so runs end where a monotone condition first holds.
    const std::int64_t xFlat = std::int64_t((a + 2) / 2);   // smallest x with Dx(x) <= 0
    auto StepsDown = [&](std::int64_t x, std::int64_t y) { return 2 * Err(x, y) <= Dy(y); };
    auto StepsLeft = [&](std::int64_t x, std::int64_t y) { return 2 * Err(x, y) >= Dx(x); };

    Big dx = dx0, dy = dy0, err = err0;
    std::int64_t x = w - 1, y = yStart;
    std::int64_t lastY = y;
    auto Jump = [&](std::int64_t nx, std::int64_t ny) {
        x = nx;
        y = ny;
        dx = Big(Dx(x));
        dy = Big(Dy(y));
        err = Big(Err(x, y));
    };
    // Runs are searched for once the walk has taken a few steps along one: a short run is
    // cheaper step by step.
    constexpr int SearchAfter = 8;
    int rowSteps = 0, columnSteps = 0;   // left-only and down-only steps just taken
    const std::int64_t lo = std::max(xFlat, w / 2);
    while (x >= w / 2) {
        const Big e2 = 2 * err;
        if (rowSteps >= SearchAfter && e2 > dy && x > lo) {
            rowSteps = 0;
            // Along the row to the first point that steps down (at most to lo), probing
            // 1, 2, 4, ... points ahead first.
            std::int64_t bad = x, stop = x;   // !StepsDown(bad), StepsDown(stop) once found
            for (std::int64_t ahead = 1;; ahead *= 2) {
                stop = std::max(x - ahead, lo);
                if (StepsDown(stop, y)) break;
                bad = stop;
                if (stop == lo) break;
            }
            if (bad == lo) {   // the points x .. lo all step left only
                Row(y, x, lo);
                lastY = y;
                Jump(lo - 1, y);
                continue;
            }
            while (bad - stop > 1) {
                const std::int64_t mid = stop + (bad - stop) / 2;
                if (StepsDown(mid, y)) stop = mid;
                else bad = mid;
            }
            Row(y, x, stop + 1);
            Jump(stop, y);
            continue;
        }
        if (columnSteps >= SearchAfter && e2 < dx && x >= xFlat) {
            columnSteps = 0;
            // Down the column to the first point that steps left.
            std::int64_t good = 1;
            while (good < h && !StepsLeft(x, y + good)) good *= 2;
            if (good < h) {
                std::int64_t bad = good / 2;   // !StepsLeft(x, y + bad) (bad = 0: the start)
                while (good - bad > 1) {
                    const std::int64_t mid = bad + (good - bad) / 2;
                    if (StepsLeft(x, y + mid)) good = mid;
                    else bad = mid;
                }
                Column(x, y, y + good - 1);
                Jump(x, y + good);
                continue;
            }
        }
        Row(y, x, x);
        lastY = y;
        const bool left = e2 >= dx, down = e2 <= dy;
        if (left) {
            --x;
            dx += B;
            err += dx;
        }
        if (down) {
            ++y;
            dy += A;
            err += dy;
        }
        rowSteps = left && !down ? rowSteps + 1 : 0;
        columnSteps = down && !left ? columnSteps + 1 : 0;
    }
    // Very narrow ellipses leave the walk before the bottom row: finish the tip.
    if (lastY + 1 <= h - 1) Column(w / 2, lastY + 1, h - 1);
}

template <typename RowFn, typename ColumnFn>
void WalkQuadrantRuns(std::int64_t w, std::int64_t h, RowFn&& Row, ColumnFn&& Column) {
    if (w <= 65536 && h <= 65536) WalkQuadrantWith<std::int64_t>(w, h, Row, Column);
    else WalkQuadrantWith<__int128>(w, h, Row, Column);
}

// The walk point by point.
template <typename Emit>
void WalkQuadrant(std::int64_t w, std::int64_t h, Emit&& emit) {
    WalkQuadrantRuns(
        w, h,
        [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
            for (std::int64_t x = x0; x >= x1; --x) emit(x, y);
        },
        [&](std::int64_t x, std::int64_t y0, std::int64_t y1) {
            for (std::int64_t y = y0; y <= y1; ++y) emit(x, y);
        });
}

void AddPixelIn(SpanSet* set, std::int64_t x, std::int64_t y) {
    if (set && x >= set->Bounds().Left && x < set->Bounds().Right) set->AddPixel(int(x), int(y));
}

void AddSpanIn(SpanSet* set, std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (!set || y < set->Bounds().Top || y >= set->Bounds().Bottom) return;
    x0 = std::max<std::int64_t>(x0, set->Bounds().Left);
    x1 = std::min<std::int64_t>(x1, set->Bounds().Right);
    if (x0 < x1) set->AddSpan(int(y), int(x0), int(x1));
}

// Rows [y0, y1] of the set's bounds, as a clamped range.
void RowRange(const SpanSet* set, std::int64_t& y0, std::int64_t& y1) {
    y0 = std::max<std::int64_t>(y0, set->Bounds().Top);
    y1 = std::min<std::int64_t>(y1, set->Bounds().Bottom - 1);
}

void AddFrame(SpanSet* outline, SpanSet* fill, std::int64_t L, std::int64_t T, std::int64_t R,
              std::int64_t B) {
    if (fill) {
        std::int64_t y0 = T, y1 = B - 1;
        RowRange(fill, y0, y1);
        for (std::int64_t y = y0; y <= y1; ++y) AddSpanIn(fill, y, L, R);
    }
    if (outline) {
        AddSpanIn(outline, T, L, R);
        AddSpanIn(outline, B - 1, L, R);
        std::int64_t y0 = T + 1, y1 = B - 2;
        RowRange(outline, y0, y1);
        for (std::int64_t y = y0; y <= y1; ++y) {
            AddPixelIn(outline, L, y);
            AddPixelIn(outline, R - 1, y);
        }
    }
}

}  // namespace

void AddRoundRect(SpanSet* outline, SpanSet* fill, const TRect& box, int ew, int eh) {
    const std::int64_t L = box.Left, T = box.Top;
    const std::int64_t w = std::int64_t(box.Right) - L, h = std::int64_t(box.Bottom) - T;
    if (w <= 0 || h <= 0) return;
    const std::int64_t cw = std::min<std::int64_t>(std::max(ew, 0), w);
    const std::int64_t ch = std::min<std::int64_t>(std::max(eh, 0), h);
    if (cw <= 2 || ch <= 2) {
        AddFrame(outline, fill, L, T, L + w, T + h);
        return;
    }
    const std::int64_t sx = w - cw, sy = h - ch;   // how far the right and bottom corners move

    // A run of walk points (x0 down to x1 on quadrant row y) and its mirror images.
    std::int64_t previousRow = -1;
    auto row = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
        const std::int64_t bottom = T + y + sy, top = T + ch - 1 - y;
        if (outline) {
            for (std::int64_t r : {top, bottom}) {
                AddSpanIn(outline, r, L + x1 + sx, L + x0 + sx + 1);
                AddSpanIn(outline, r, L + cw - 1 - x0, L + cw - x1);
            }
        }
        if (fill && y != previousRow) {   // the first point of a row is its outermost
            AddSpanIn(fill, top, L + cw - 1 - x0, L + x0 + sx + 1);
            AddSpanIn(fill, bottom, L + cw - 1 - x0, L + x0 + sx + 1);
        }
        previousRow = y;
    };
    // A run down quadrant column x, rows y0 to y1: only the rows inside the sets are visited.
    auto column = [&](std::int64_t x, std::int64_t y0, std::int64_t y1) {
        for (SpanSet* set : {outline, fill}) {
            if (set == nullptr) continue;
            const std::int64_t right = L + x + sx, left = L + cw - 1 - x;
            // A row the walk has been on already has its outermost point filled.
            const std::int64_t first = set == fill && y0 == previousRow ? y0 + 1 : y0;
            if (first > y1) continue;
            // Lower half: rows T + y + sy; upper half: rows T + ch - 1 - y.
            const std::pair<std::int64_t, std::int64_t> halves[] = {{T + first + sy, T + y1 + sy},
                                                                    {T + ch - 1 - y1, T + ch - 1 - first}};
            for (auto [a, b] : halves) {
                RowRange(set, a, b);
                for (std::int64_t r = a; r <= b; ++r) {
                    if (set == outline) {
                        AddPixelIn(set, right, r);
                        AddPixelIn(set, left, r);
                    } else {
                        AddSpanIn(set, r, left, right + 1);
                    }
                }
            }
        }
        previousRow = y1;
    };
    WalkQuadrantRuns(cw, ch, row, column);

    // Straight runs joining the corners.
    if (outline) {
        AddSpanIn(outline, T, L + cw - 1 - cw / 2, L + cw / 2 + sx + 1);
        AddSpanIn(outline, T + h - 1, L + cw - 1 - cw / 2, L + cw / 2 + sx + 1);
    }
    std::int64_t y0 = T + ch - 1 - ch / 2, y1 = T + ch / 2 + sy;
    if (outline) {
        std::int64_t a = y0, b = y1;
        RowRange(outline, a, b);
        for (std::int64_t y = a; y <= b; ++y) {
            AddPixelIn(outline, L, y);
            AddPixelIn(outline, L + w - 1, y);
        }
    }
    if (fill) {
        RowRange(fill, y0, y1);
        for (std::int64_t y = y0; y <= y1; ++y) AddSpanIn(fill, y, L, L + w);
    }
}

std::vector<TPoint> RoundRectLoop(const TRect& box, int ew, int eh) {
    const std::int64_t L = box.Left, T = box.Top;
    const std::int64_t w = std::int64_t(box.Right) - L, h = std::int64_t(box.Bottom) - T;
    std::vector<TPoint> loop;
    if (w <= 0 || h <= 0) return loop;
    const TRect everywhere(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    // Appends p, first filling any gap from the previous point with a line.
    auto push = [&](std::int64_t x, std::int64_t y) {
        const TPoint p(int(L + x), int(T + y));
        if (!loop.empty() && (std::abs(loop.back().X - p.X) > 1 || std::abs(loop.back().Y - p.Y) > 1)) {
            const TPoint from = loop.back();
            WalkLine(from, p, everywhere, [&](int px, int py, std::int64_t step) {
                if (step > 0) loop.push_back(TPoint(px, py));
            });
        }
        if (loop.empty() || !(loop.back() == p)) loop.push_back(p);
    };
    auto close = [&] {
        if (loop.empty()) return;
        const TPoint first = loop.front();
        push(first.X - L, first.Y - T);
        while (loop.size() > 1 && loop.back() == loop.front()) loop.pop_back();
    };

    const std::int64_t cw = std::min<std::int64_t>(std::max(ew, 0), w);
    const std::int64_t ch = std::min<std::int64_t>(std::max(eh, 0), h);
    if (cw <= 2 || ch <= 2) {
        push(0, 0);
        push(w - 1, 0);
        push(w - 1, h - 1);
        push(0, h - 1);
        close();
        return loop;
    }
    std::vector<TPoint> q;
    WalkQuadrant(cw, ch, [&](std::int64_t x, std::int64_t y) { q.push_back(TPoint(int(x), int(y))); });
    loop.reserve(q.size() * 4 + std::size_t(2 * (w - cw + h - ch)));
    const std::int64_t sx = w - cw, sy = h - ch, W = cw - 1, H = ch - 1;
    for (auto it = q.begin(); it != q.end(); ++it) push(it->X + sx, H - it->Y);             // upper right
    for (auto it = q.rbegin(); it != q.rend(); ++it) push(W - it->X, H - it->Y);           // upper left
    for (auto it = q.begin(); it != q.end(); ++it) push(W - it->X, it->Y + sy);            // lower left
    for (auto it = q.rbegin(); it != q.rend(); ++it) push(it->X + sx, it->Y + sy);         // lower right
    close();
    return loop;
}

EllipseOutline::EllipseOutline(const TRect& box)
    : left_(box.Left), top_(box.Top), right_(box.Width() - 1), bottom_(box.Height() - 1) {
    // Every step moves left, down or both: a quarter has at most w/2 + h/2 + 2 points,
    // which are kept; past MaxQuadrantPoints that store is refused rather than exhausting
    // memory.
    if (std::int64_t(box.Right - std::int64_t(box.Left)) / 2 + (std::int64_t(box.Bottom) - box.Top) / 2 >
        MaxQuadrantPoints)
        throw EOutOfResources("Arc of an ellipse of " + std::to_string(std::int64_t(box.Right) - box.Left) + " x " +
                              std::to_string(std::int64_t(box.Bottom) - box.Top) + " pixels is too large");
    quadrant_.reserve(std::size_t(box.Width() / 2 + box.Height() / 2 + 2));
    WalkQuadrant(std::int64_t(box.Right) - box.Left, std::int64_t(box.Bottom) - box.Top,
                 [&](std::int64_t x, std::int64_t y) { quadrant_.push_back(TPoint(int(x), int(y))); });
    const std::size_t m = quadrant_.size();
    if (m == 0) return;
    const TPoint first = quadrant_.front(), last = quadrant_.back();
    // Where mirrored quarters meet on an axis they share a pixel; it is kept once.
    const bool sharedTop = right_ - last.X == last.X;      // upper right / upper left, lower left / lower right
    const bool sharedSide = bottom_ - first.Y == first.Y;  // upper left / lower left, lower right / upper right
    skip_[0] = 0;
    skip_[1] = sharedTop ? 1 : 0;
    skip_[2] = sharedSide ? 1 : 0;
    skip_[3] = sharedTop ? 1 : 0;
    std::size_t total = 0;
    for (int k = 0; k < 4; ++k) {
        begin_[k] = total;
        total += m - skip_[k];
    }
    if (sharedSide && total > 1) --total;   // the last pixel is the first one again
    size_ = total;
}

TPoint EllipseOutline::At(std::size_t i) const {
    int k = 3;
    while (k > 0 && i < begin_[k]) --k;
    const std::size_t m = quadrant_.size();
    const std::size_t j = i - begin_[k] + skip_[k];
    const TPoint q = (k == 0 || k == 2) ? quadrant_[j] : quadrant_[m - 1 - j];
    switch (k) {
        case 0: return TPoint(left_ + q.X, top_ + bottom_ - q.Y);            // upper right
        case 1: return TPoint(left_ + right_ - q.X, top_ + bottom_ - q.Y);   // upper left
        case 2: return TPoint(left_ + right_ - q.X, top_ + q.Y);             // lower left
        default: return TPoint(left_ + q.X, top_ + q.Y);                     // lower right
    }
}

std::size_t EllipseOutline::RayIndex(TPoint center, TPoint through) const {
    constexpr double twoPi = 2 * std::numbers::pi;
    auto angleOf = [&](double vx, double vy) {
        double a = std::atan2(vy, vx);
        return a < 0 ? a + twoPi : a;
    };
    const double ray = angleOf(double(through.X) - center.X, double(center.Y) - through.Y);
    const std::size_t n = size_;
    // Angles grow along the loop (it runs counter-clockwise around the centre); points at
    // its end come back to the start direction from below and count a full turn more.
    auto angleAt = [&](std::size_t i) {
        const TPoint p = At(i);
        double a = angleOf(double(p.X) - center.X, double(center.Y) - p.Y);
        if (i >= n / 2 && a < std::numbers::pi / 2) a += twoPi;
        return a;
    };
    std::size_t lo = 0, hi = n;   // first index whose angle reaches the ray
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (angleAt(mid) >= ray) hi = mid;
        else lo = mid + 1;
    }
    return lo < n ? lo : 0;
}

}  // namespace vcl::raster
