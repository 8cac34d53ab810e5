#include "platform/graphics/raster/Ellipses.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/raster/Lines.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

namespace {

using Wide = __int128;

// Marks "no row": Needed(y) answers {kNone, kNone} when no row from y on is wanted.
constexpr std::int64_t kNone = INT64_MAX;

// The integer midpoint walk over the lower-right quadrant of the ellipse inscribed in a
// w x h box (w, h >= 3), relative to the box: from the right end of the middle row down
// to the bottom row, each point 8-adjacent to the previous one. The error terms grow with
// the cube of the size: 64 bits hold them exactly up to 65536 pixels, 128-bit arithmetic
// for boxes far larger than any surface.
//
// Every step moves left (when 2 err >= dx), down (when 2 err <= dy) or both, and the error
// and both increments are sums over the steps taken, so each is a function of the point
// alone (Err, Dx, Dy below).
template <typename Big>
struct QuadrantWalk {
    std::int64_t w, h;
    Big a = w - 1, b = h - 1;
    Big A = 8 * a * a, B = 8 * b * b;
    Big dx0 = 4 * b * b * (1 - a), dy0 = 4 * a * a * (1 + b % 2);
    Big err0 = dx0 + dy0 + a * a * (b % 2);
    std::int64_t yStart = h / 2;
    // From column xFlat rightwards every increment dx is <= 0 < dy: the error falls along
    // a row and rises down a column, and a point that does not step down steps left (and
    // the other way round), so StepsDown holds on a row up to a last column and StepsLeft
    // holds on a column from a first row on.
    std::int64_t xFlat = std::int64_t((a + 2) / 2);   // smallest x with Dx(x) <= 0

    QuadrantWalk(std::int64_t W, std::int64_t H) : w(W), h(H) {}
    Wide Dx(std::int64_t x) const { return Wide(dx0) + Wide(B) * (Wide(a) - x); }
    Wide Dy(std::int64_t y) const { return Wide(dy0) + Wide(A) * (Wide(y) - yStart); }
    Wide Err(std::int64_t x, std::int64_t y) const {
        const Wide K = Wide(a) - x, J = Wide(y) - yStart;
        return Wide(err0) + K * dx0 + Wide(B) / 2 * K * (K + 1) + J * dy0 + Wide(A) / 2 * J * (J + 1);
    }
    bool StepsDown(std::int64_t x, std::int64_t y) const { return 2 * Err(x, y) <= Dy(y); }
    bool StepsLeft(std::int64_t x, std::int64_t y) const { return 2 * Err(x, y) >= Dx(x); }
};

// Where the walk may jump over rows nobody wants, landing on a point the point-by-point
// walk visits. With K = a - x and J = y - yStart both conditions are quadratics:
//   StepsLeft(x, y)  <=>  A J^2 + (A + 2 dy0) J + B K^2 + 2 dx0 K + 2 err0 - dx0 >= 0,
//   StepsDown(x, y)  <=>  B K^2 + (B + 2 dx0) K + A J^2 + 2 dy0 J + 2 err0 - dy0 <= 0,
// so column x leaves its last point at the first row c(x) where StepsLeft holds, and row y
// at the last column s(y) where StepsDown holds (both found exactly by a search). The walk
// enters column x - 1 at c(x) or one below, and row y + 1 at s(y) or one left. Where the
// thresholds move by a pixel or more per step (c(x - 1) >= c(x) + 1 on the steep part,
// s(y + 1) <= s(y) - 1 on the flat part), a walk that ends one column (row) at its
// threshold ends every following one at its threshold too, so its points there are known
// without walking. The real roots of the quadratics are concave (columns) and convex
// (rows), so those parts are one stretch each: found once, in long double, with a margin
// far above its rounding. Near 45 degrees, between the two parts, the walk steps as usual.
template <typename Big>
class WalkSkipper {
public:
    explicit WalkSkipper(const QuadrantWalk<Big>& Q)
        : q_(Q), lo_(std::max(Q.xFlat, Q.w / 2)), A_(LD(Q.A)), B_(LD(Q.B)), dx0_(LD(Q.dx0)),
          dy0_(LD(Q.dy0)), err0_(LD(Q.err0)) {}

    // The point to continue from, for a walk at (x, y) that wants nothing before row
    // Target + 1: a point of the walk on row Target or before it and not before (x, y), or
    // (x, y) itself when none is known.
    std::pair<std::int64_t, std::int64_t> Landing(std::int64_t x, std::int64_t y, std::int64_t Target) {
        if (x < lo_ || Target <= y) return {x, y};
        // Steep part: the walk goes down column x to c(x) from where it is (y <= c(x)).
        const std::int64_t cx = FirstLeftRow(x);
        if (cx >= y) {
            if (cx >= Target) return {x, Target};
            if (!q_.StepsLeft(x, q_.yStart) && x - 1 >= SteepEnd()) {
                // Every column from x - 1 to SteepEnd() - 1 ends at its threshold: the
                // leftmost of them whose threshold is still at or above Target's row.
                std::int64_t good = x, bad = std::max(SteepEnd() - 1, lo_) - 1;
                while (good - bad > 1) {
                    const std::int64_t mid = bad + (good - bad) / 2;
                    if (FirstLeftRow(mid) <= Target) good = mid;
                    else bad = mid;
                }
                return {good, FirstLeftRow(good)};
            }
        }
        // Flat part: the walk goes along row y to s(y) from where it is (x >= s(y)).
        if (y + 1 >= FlatStart() && Target <= FlatEnd() && !q_.StepsDown(q_.w - 1, y) && q_.StepsDown(lo_, y) &&
            q_.StepsDown(lo_, Target) && x >= LastDownColumn(y))
            return {LastDownColumn(Target), Target};
        return {x, y};
    }

private:
    using LD = long double;
    static constexpr LD kMargin = 1e-6L;   // rounding of the roots is below 1e-9 pixel

    // c(x): the first row (from yStart) where column x steps left; h when none.
    std::int64_t FirstLeftRow(std::int64_t x) const {
        std::int64_t lo = q_.yStart - 1, hi = q_.h;   // !StepsLeft(lo), StepsLeft(hi)
        while (hi - lo > 1) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            if (q_.StepsLeft(x, mid)) hi = mid;
            else lo = mid;
        }
        return hi;
    }
    // s(y): the last column (from lo_) where row y steps down; StepsDown(lo_, y) must hold.
    std::int64_t LastDownColumn(std::int64_t y) const {
        std::int64_t good = lo_, bad = q_.w;
        while (bad - good > 1) {
            const std::int64_t mid = good + (bad - good) / 2;
            if (q_.StepsDown(mid, y)) good = mid;
            else bad = mid;
        }
        return good;
    }

    // The root in J of StepsLeft at K (NaN when the quadratic has none).
    LD ColumnRoot(LD K) const {
        const LD beta = A_ + 2 * dy0_, c = B_ * K * K + 2 * dx0_ * K + 2 * err0_ - dx0_;
        const LD d = beta * beta - 4 * A_ * c;
        return d < 0 ? std::numeric_limits<LD>::quiet_NaN() : (-beta + std::sqrt(d)) / (2 * A_);
    }
    // The smaller root in K of StepsDown at J (NaN when none).
    LD RowRoot(LD J) const {
        const LD beta = B_ + 2 * dx0_, c = A_ * J * J + 2 * dy0_ * J + 2 * err0_ - dy0_;
        const LD d = beta * beta - 4 * B_ * c;
        return d < 0 ? std::numeric_limits<LD>::quiet_NaN() : (-beta - std::sqrt(d)) / (2 * B_);
    }
    // Column x's threshold lies a pixel or more above column x - 1's.
    bool Steep(std::int64_t x) const {
        const LD K = LD(q_.a) - LD(x);
        return ColumnRoot(K + 1) - ColumnRoot(K) >= 1 + kMargin;   // false for NaN
    }
    // Row y's threshold lies a pixel or more right of row y + 1's.
    bool Flat(std::int64_t y) const {
        const LD J = LD(y - q_.yStart);
        return RowRoot(J + 1) - RowRoot(J) >= 1 + kMargin;
    }

    // The leftmost column x such that Steep holds on every column from x to the first
    // right of lo_ where it holds at all (w when it holds nowhere).
    std::int64_t SteepEnd() {
        if (steepEnd_ >= 0) return steepEnd_;
        // Columns where the root exists form one stretch from the left: find its right end.
        std::int64_t right = q_.w - 1;
        if (!Steep(right)) {
            std::int64_t good = lo_ - 1, bad = right;   // the root exists left of bad
            if (std::isnan(ColumnRoot(LD(q_.a) - LD(lo_)))) return steepEnd_ = q_.w;
            while (bad - good > 1) {
                const std::int64_t mid = good + (bad - good) / 2;
                if (!std::isnan(ColumnRoot(LD(q_.a) - LD(mid))) && !std::isnan(ColumnRoot(LD(q_.a) - LD(mid) + 1)))
                    good = mid;
                else bad = mid;
            }
            right = good;
            if (right < lo_ || !Steep(right)) return steepEnd_ = q_.w;
        }
        std::int64_t good = right, bad = lo_ - 1;   // Steep(good); !Steep(bad) or outside
        while (good - bad > 1) {
            const std::int64_t mid = bad + (good - bad) / 2;
            if (Steep(mid)) good = mid;
            else bad = mid;
        }
        return steepEnd_ = good;
    }
    // The flat part: rows FlatStart() .. FlatEnd(), where Flat holds for every row before
    // (FlatStart() = kNone when none).
    std::int64_t FlatStart() {
        Rows();
        return flatStart_;
    }
    std::int64_t FlatEnd() {
        Rows();
        return flatEnd_;
    }
    void Rows() {
        if (flatStart_ != -1) return;
        flatStart_ = kNone;
        flatEnd_ = -1;
        // Rows where the root exists: from yStart down to a last one.
        std::int64_t good = q_.yStart - 1, bad = q_.h;
        if (std::isnan(RowRoot(0))) return;
        while (bad - good > 1) {
            const std::int64_t mid = good + (bad - good) / 2;
            if (!std::isnan(RowRoot(LD(mid - q_.yStart)))) good = mid;
            else bad = mid;
        }
        const std::int64_t last = good;   // the root exists on rows yStart .. last
        if (last <= q_.yStart || !Flat(last - 1)) return;
        std::int64_t yes = last - 1, no = q_.yStart - 1;   // Flat(yes), !Flat(no) or outside
        while (yes - no > 1) {
            const std::int64_t mid = no + (yes - no) / 2;
            if (Flat(mid)) yes = mid;
            else no = mid;
        }
        flatStart_ = yes + 1;   // rows from yes + 1 on follow a flat row
        flatEnd_ = last;
    }

    const QuadrantWalk<Big>& q_;
    const std::int64_t lo_;
    const LD A_, B_, dx0_, dy0_, err0_;
    std::int64_t steepEnd_ = -1;
    std::int64_t flatStart_ = -1, flatEnd_ = -1;
};

// The walk. Where it runs along a row or down a column the run's end is found by a search
// instead of step by step, so a huge flat or steep ellipse costs a few operations per row
// or column run rather than per pixel. The walk reports its points as Row(y, xFirst,
// xLast) for the points (xFirst, y) down to (xLast, y), and Column(x, yFirst, yLast) for
// (x, yFirst) to (x, yLast), in walk order.
//
// Needed(y) names the rows the caller wants: the first needed row at or after y and the
// last row of that needed stretch ({kNone, kNone} when no row from y on is needed). The
// walk jumps over the rows between needed stretches (WalkSkipper), so an ellipse far
// larger than its clip costs about what its visible rows cost. The points it reports are
// points of the point-by-point walk, all of them on needed rows; it may report some on
// rows that are not needed too.
template <typename Big, typename RowFn, typename ColumnFn, typename NeededFn>
void WalkQuadrantWith(std::int64_t w, std::int64_t h, RowFn&& Row, ColumnFn&& Column, NeededFn&& Needed) {
    const QuadrantWalk<Big> q(w, h);
    const Big A = q.A, B = q.B;
    const std::int64_t xFlat = q.xFlat;
    auto StepsDown = [&](std::int64_t x, std::int64_t y) { return q.StepsDown(x, y); };
    auto StepsLeft = [&](std::int64_t x, std::int64_t y) { return q.StepsLeft(x, y); };

    Big dx = q.dx0, dy = q.dy0, err = q.err0;
    std::int64_t x = w - 1, y = q.yStart;
    std::int64_t lastY = y;
    auto Jump = [&](std::int64_t nx, std::int64_t ny) {
        x = nx;
        y = ny;
        dx = Big(q.Dx(x));
        dy = Big(q.Dy(y));
        err = Big(q.Err(x, y));
    };
    // Runs are searched for once the walk has taken a few steps along one: a short run is
    // cheaper step by step.
    constexpr int SearchAfter = 8;
    // Unwanted rows are jumped over when more than a few lie ahead; where no landing is
    // known (near 45 degrees) the walk steps a while before it asks again.
    constexpr std::int64_t SkipAfter = 32;
    constexpr int AskAgainAfter = 16;
    int stepsBeforeAsking = 0;
    int rowSteps = 0, columnSteps = 0;   // left-only and down-only steps just taken
    const std::int64_t lo = std::max(xFlat, w / 2);
    WalkSkipper<Big> skipper(q);
    std::pair<std::int64_t, std::int64_t> need = Needed(y);
    while (x >= w / 2) {
        if (y > need.second) need = Needed(y);
        // Nothing more is wanted (the rows asked for may lie past the last one), the tip included.
        if (need.first == kNone || need.first >= h) return;
        if (need.first - y > SkipAfter && --stepsBeforeAsking < 0) {
            const auto [nx, ny] = skipper.Landing(x, y, need.first - 1);
            if (nx != x || ny != y) {
                Jump(nx, ny);
                rowSteps = columnSteps = 0;
                continue;
            }
            stepsBeforeAsking = AskAgainAfter;
        }
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

// Every row is needed.
inline std::pair<std::int64_t, std::int64_t> AllRows(std::int64_t y) { return {y, kNone - 1}; }

template <typename RowFn, typename ColumnFn, typename NeededFn>
void WalkQuadrantRuns(std::int64_t w, std::int64_t h, RowFn&& Row, ColumnFn&& Column, NeededFn&& Needed) {
    if (w <= 65536 && h <= 65536) WalkQuadrantWith<std::int64_t>(w, h, Row, Column, Needed);
    else WalkQuadrantWith<__int128>(w, h, Row, Column, Needed);
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
        },
        AllRows);
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
    // The quadrant rows whose mirror images fall in a set: row y lands on T + y + sy and on
    // T + ch - 1 - y.
    std::vector<std::pair<std::int64_t, std::int64_t>> wanted;
    for (const SpanSet* set : {outline, fill}) {
        if (set == nullptr) continue;
        const std::int64_t top = set->Bounds().Top, bottom = set->Bounds().Bottom - 1;
        wanted.emplace_back(top - T - sy, bottom - T - sy);
        wanted.emplace_back(T + ch - 1 - bottom, T + ch - 1 - top);
    }
    auto needed = [&](std::int64_t y) {
        std::pair<std::int64_t, std::int64_t> next{kNone, kNone};
        for (auto [first, last] : wanted)
            if (last >= y && std::max(first, y) < next.first) next = {std::max(first, y), last};
        return next;
    };
    WalkQuadrantRuns(cw, ch, row, column, needed);

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

// ---- the loop walked near a window ---------------------------------------------------------

namespace vcl::raster {

namespace {

double AngleOf(double vx, double vy) {
    const double a = std::atan2(vy, vx);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

}  // namespace

// Quadrant points (x0, y0), (x0 + sx, y0 + sy), ... (x1, y1): a row or a column of them in
// the order the walk or the loop meets them.
struct EllipseWalk::Run {
    std::int64_t x0, y0, x1, y1;
    std::int64_t Count() const { return std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1; }
    std::int64_t Sx() const { return x1 > x0 ? 1 : x1 < x0 ? -1 : 0; }
    std::int64_t Sy() const { return y1 > y0 ? 1 : y1 < y0 ? -1 : 0; }
    std::int64_t X(std::int64_t i) const { return x0 + Sx() * i; }
    std::int64_t Y(std::int64_t i) const { return y0 + Sy() * i; }
    Run Part(std::int64_t i, std::int64_t j) const { return {X(i), Y(i), X(j), Y(j)}; }
    Run Reversed() const { return {x1, y1, x0, y0}; }
};

namespace {

// The quadrant points of a w x h box on rows [y0, y1], as runs in walk order.
template <typename Run>
void QuadrantRows(std::int64_t w, std::int64_t h, std::int64_t y0, std::int64_t y1, std::vector<Run>& out) {
    out.clear();
    if (y0 > y1) return;
    WalkQuadrantRuns(
        w, h,
        [&](std::int64_t y, std::int64_t xa, std::int64_t xb) {
            if (y < y0 || y > y1) return;
            // Runs along one row join.
            if (!out.empty() && out.back().y0 == y && out.back().y1 == y && out.back().x1 == xa + 1) out.back().x1 = xb;
            else out.push_back({xa, y, xb, y});
        },
        [&](std::int64_t x, std::int64_t ya, std::int64_t yb) {
            ya = std::max(ya, y0);
            yb = std::min(yb, y1);
            if (ya <= yb) out.push_back({x, ya, x, yb});
        },
        [&](std::int64_t y) -> std::pair<std::int64_t, std::int64_t> {
            if (y > y1) return {kNone, kNone};
            return {std::max(y, y0), y1};
        });
}

}  // namespace

EllipseWalk::EllipseWalk(const TRect& box)
    : left_(box.Left), top_(box.Top), w_(std::int64_t(box.Right) - box.Left), h_(std::int64_t(box.Bottom) - box.Top),
      yStart_(h_ / 2) {
    std::vector<Run> runs;
    QuadrantRows(w_, h_, h_ - 2, h_ - 1, runs);
    // The last two points of the walk.
    std::vector<std::pair<std::int64_t, std::int64_t>> tail;
    for (const Run& r : runs)
        for (std::int64_t i = std::max<std::int64_t>(0, r.Count() - 2); i < r.Count(); ++i) tail.push_back({r.X(i), r.Y(i)});
    lastX_ = tail.back().first;
    beforeLast_ = {0, tail.size() > 1 ? tail[tail.size() - 2].first : lastX_, tail.size() > 1 ? tail[tail.size() - 2].second : h_ - 1};
    QuadrantRows(w_, h_, yStart_, yStart_ + 1, runs);
    const Run& first = runs.front();
    afterFirst_ = first.Count() > 1 ? Position{0, first.X(1), first.Y(1)}
                                    : (runs.size() > 1 ? Position{0, runs[1].x0, runs[1].y0} : Position{0, w_ - 1, yStart_});
    // Where mirrored quarters meet on an axis they share a pixel; it belongs to the first.
    sharedTop_ = w_ - 1 - lastX_ == lastX_;
    sharedSide_ = h_ - 1 - yStart_ == yStart_;
}

TPoint EllipseWalk::At(const Position& p) const {
    const std::int64_t W = w_ - 1, H = h_ - 1;
    switch (p.quarter) {
        case 0: return TPoint(int(left_ + p.qx), int(top_ + H - p.qy));
        case 1: return TPoint(int(left_ + W - p.qx), int(top_ + H - p.qy));
        case 2: return TPoint(int(left_ + W - p.qx), int(top_ + p.qy));
        default: return TPoint(int(left_ + p.qx), int(top_ + p.qy));
    }
}

// Loop order within a quarter: the walk's order (down the rows, leftwards along a row) in
// quarters 0 and 2, the other way in 1 and 3.
EllipseWalk::Key EllipseWalk::KeyOf(const Position& p) const {
    return p.quarter % 2 == 0 ? Key{p.qy, -p.qx} : Key{-p.qy, p.qx};
}

bool EllipseWalk::Included(int quarter, std::int64_t qx, std::int64_t qy) const {
    if (sharedTop_ && (quarter == 1 || quarter == 3) && qx == lastX_ && qy == h_ - 1) return false;
    if (sharedSide_ && (quarter == 2 || quarter == 3) && qx == w_ - 1 && qy == yStart_) return false;
    return true;
}

EllipseWalk::Position EllipseWalk::FirstOf(int quarter) const {
    switch (quarter) {
        case 0: return {0, w_ - 1, yStart_};
        case 1: return sharedTop_ ? Position{1, beforeLast_.qx, beforeLast_.qy} : Position{1, lastX_, h_ - 1};
        case 2: return sharedSide_ ? Position{2, afterFirst_.qx, afterFirst_.qy} : Position{2, w_ - 1, yStart_};
        default: return sharedTop_ ? Position{3, beforeLast_.qx, beforeLast_.qy} : Position{3, lastX_, h_ - 1};
    }
}

EllipseWalk::Position EllipseWalk::LastOf(int quarter) const {
    switch (quarter) {
        case 0: return {0, lastX_, h_ - 1};
        case 1: return {1, w_ - 1, yStart_};
        case 2: return {2, lastX_, h_ - 1};
        default: return sharedSide_ ? Position{3, afterFirst_.qx, afterFirst_.qy} : Position{3, w_ - 1, yStart_};
    }
}

// The quarter's points on device rows [y0, y1] as runs in loop order.
std::vector<EllipseWalk::Run> EllipseWalk::QuarterRuns(int quarter, std::int64_t y0, std::int64_t y1) const {
    const std::int64_t H = h_ - 1;
    std::int64_t a = quarter < 2 ? top_ + H - y1 : y0 - top_, b = quarter < 2 ? top_ + H - y0 : y1 - top_;
    a = std::max(a, yStart_);
    b = std::min(b, h_ - 1);
    std::vector<Run> runs;
    QuadrantRows(w_, h_, a, b, runs);
    if (quarter % 2 == 1) {
        std::reverse(runs.begin(), runs.end());
        for (Run& r : runs) r = r.Reversed();
    }
    // A shared point is an end of the walk, so an end of a run.
    std::vector<Run> out;
    for (Run r : runs) {
        std::int64_t i = 0, j = r.Count() - 1;
        if (!Included(quarter, r.X(i), r.Y(i))) ++i;
        if (j >= i && !Included(quarter, r.X(j), r.Y(j))) --j;
        if (i <= j) out.push_back(r.Part(i, j));
    }
    return out;
}

// The quarter's points on quadrant row qy, in loop order (Count() 0 when none).
EllipseWalk::Run EllipseWalk::RowOf(int quarter, std::int64_t qy) const {
    std::vector<Run> runs;
    QuadrantRows(w_, h_, qy, qy, runs);
    if (runs.empty()) return {0, qy, 0, qy - 1};   // marks an empty row
    std::int64_t xFirst = INT64_MIN, xLast = INT64_MAX;
    for (const Run& r : runs) {
        xFirst = std::max({xFirst, r.x0, r.x1});
        xLast = std::min({xLast, r.x0, r.x1});
    }
    Run r{xFirst, qy, xLast, qy};
    if (quarter % 2 == 1) r = r.Reversed();
    std::int64_t i = 0, j = r.Count() - 1;
    if (!Included(quarter, r.X(i), r.Y(i))) ++i;
    if (j >= i && !Included(quarter, r.X(j), r.Y(j))) --j;
    if (i > j) return {0, qy, 0, qy - 1};   // marks an empty row
    return r.Part(i, j);
}

EllipseWalk::Position EllipseWalk::RayPosition(TPoint center, TPoint through) const {
    const double ray = AngleOf(double(through.X) - center.X, double(center.Y) - through.Y);
    // The angle around the centre grows along the loop; the points at its end that come
    // back to the start direction count a full turn more.
    auto angle = [&](const Position& p) {
        const TPoint d = At(p);
        double a = AngleOf(double(d.X) - center.X, double(center.Y) - d.Y);
        if (p.quarter >= 2 && a < std::numbers::pi / 2) a += 2 * std::numbers::pi;
        return a;
    };
    for (int k = 0; k < 4; ++k) {
        if (angle(LastOf(k)) < ray) continue;
        // The first row (in loop order) whose last point reaches the ray, then the first
        // point of it that does.
        const std::int64_t rows = h_ - yStart_;
        auto rowAt = [&](std::int64_t i) { return RowOf(k, k % 2 == 0 ? yStart_ + i : h_ - 1 - i); };
        auto reaches = [&](std::int64_t i) {
            const Run r = rowAt(i);
            if (r.y1 < r.y0) return i > 0;   // an empty row can only open or close the quarter
            return angle({k, r.x1, r.y1}) >= ray;
        };
        std::int64_t lo = 0, hi = rows - 1;
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            if (reaches(mid)) hi = mid;
            else lo = mid + 1;
        }
        const Run r = rowAt(lo);
        std::int64_t a = 0, b = r.Count() - 1;
        while (a < b) {
            const std::int64_t mid = a + (b - a) / 2;
            if (angle({k, r.X(mid), r.Y(mid)}) >= ray) b = mid;
            else a = mid + 1;
        }
        return {k, r.X(a), r.Y(a)};
    }
    return FirstOf(0);
}

void EllipseWalk::Collect(const Position& from, const Position& to, bool whole, const TRect& cells, bool path,
                          std::vector<TPoint>& out) const {
    // The loop from `from` to `to` as pieces of quarters: [first, last) in loop-order keys.
    struct Piece {
        int quarter;
        const Position* first;   // null: the quarter's start
        const Position* last;    // null: the quarter's end
    };
    std::vector<Piece> pieces;
    const bool wraps = whole || from.quarter > to.quarter ||
                       (from.quarter == to.quarter && KeyOf(to) <= KeyOf(from));
    if (!whole && from == to) return;
    if (!wraps) {
        if (from.quarter == to.quarter) pieces.push_back({from.quarter, &from, &to});
        else {
            pieces.push_back({from.quarter, &from, nullptr});
            for (int k = from.quarter + 1; k < to.quarter; ++k) pieces.push_back({k, nullptr, nullptr});
            pieces.push_back({to.quarter, nullptr, &to});
        }
    } else {
        pieces.push_back({from.quarter, &from, nullptr});
        for (int k = from.quarter + 1; k < 4; ++k) pieces.push_back({k, nullptr, nullptr});
        for (int k = 0; k < to.quarter; ++k) pieces.push_back({k, nullptr, nullptr});
        pieces.push_back({to.quarter, nullptr, &to});
    }
    // The rows and columns whose points are kept one by one.
    const std::int64_t grow = path ? 1 : 0;
    const std::int64_t rowLo = std::int64_t(cells.Top) - grow, rowHi = std::int64_t(cells.Bottom) - 1 + 2 * grow;
    const std::int64_t colLo = std::int64_t(cells.Left) - grow, colHi = std::int64_t(cells.Right) - 1 + 2 * grow;
    auto emit = [&](std::int64_t x, std::int64_t y) { out.push_back(TPoint(int(x), int(y))); };
    for (const Piece& piece : pieces) {
        const int k = piece.quarter;
        const Position start = piece.first ? *piece.first : FirstOf(k);
        const Key lo = KeyOf(start);
        if (piece.last && KeyOf(*piece.last) <= lo) continue;   // nothing in it
        auto before = [&](const Key& key) { return piece.last == nullptr || key < KeyOf(*piece.last); };
        // A path keeps the piece's first point; the points up to the rows kept lie beyond the
        // same side.
        const TPoint s = At(start);
        if (path && (s.Y < rowLo || s.Y > rowHi)) emit(s.X, s.Y);
        for (const Run& quadrantRun : QuarterRuns(k, rowLo, rowHi)) {
            // The run's points within the piece (keys grow along a run).
            const Run& q = quadrantRun;
            const std::int64_t n = q.Count();
            auto keyAt = [&](std::int64_t i) { return KeyOf({k, q.X(i), q.Y(i)}); };
            std::int64_t i0 = 0, hi = n;   // first index at or after the piece's start
            while (i0 < hi) {
                const std::int64_t mid = i0 + (hi - i0) / 2;
                if (keyAt(mid) >= lo) hi = mid;
                else i0 = mid + 1;
            }
            std::int64_t i1 = i0;   // first index past the piece's end
            hi = n;
            while (i1 < hi) {
                const std::int64_t mid = i1 + (hi - i1) / 2;
                if (before(keyAt(mid))) i1 = mid + 1;
                else hi = mid;
            }
            if (i0 >= i1) continue;
            // Device columns along the run: the stretch inside is kept point by point, the
            // stretches beyond a side by their ends.
            const Run part = q.Part(i0, i1 - 1);
            const TPoint a = At({k, part.x0, part.y0}), b = At({k, part.x1, part.y1});
            const std::int64_t m = part.Count();
            const std::int64_t dx = m > 1 ? (std::int64_t(b.X) - a.X) / (m - 1) : 0, dy = m > 1 ? (std::int64_t(b.Y) - a.Y) / (m - 1) : 0;
            std::int64_t in0 = 0, in1 = m;   // [in0, in1): inside the columns
            if (dx == 0) {
                if (a.X < colLo || a.X > colHi) in0 = in1 = m;
            } else {
                // X(i) = a.X + dx i
                const std::int64_t lim0 = dx > 0 ? colLo - a.X : a.X - colHi, lim1 = dx > 0 ? colHi - a.X : a.X - colLo;
                in0 = std::clamp<std::int64_t>(lim0, 0, m);
                in1 = std::clamp<std::int64_t>(lim1 + 1, in0, m);
            }
            auto point = [&](std::int64_t i) { emit(a.X + dx * i, a.Y + dy * i); };
            auto ends = [&](std::int64_t i, std::int64_t j) {   // [i, j)
                if (!path || i >= j) return;
                point(i);
                if (j - 1 > i) point(j - 1);
            };
            if (in0 >= in1) {
                ends(0, m);
                continue;
            }
            ends(0, in0);
            for (std::int64_t i = in0; i < in1; ++i) point(i);
            ends(in1, m);
        }
    }
}

std::vector<TPoint> EllipseWalk::Inside(const Position& from, const Position& to, bool whole, const TRect& window) const {
    std::vector<TPoint> out;
    if (!window.IsEmpty()) Collect(from, to, whole, window, false, out);
    return out;
}

std::vector<TPoint> EllipseWalk::Near(const Position& from, const Position& to, bool whole, const TRect& bounds) const {
    std::vector<TPoint> out;
    Collect(from, to, whole, bounds, true, out);
    return out;
}

}  // namespace vcl::raster
