#include "platform/graphics/raster/Polygons.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/graphics/raster/Scratch.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

namespace {

struct Edge {
    std::int64_t x1, y1, x2, y2;   // y1 < y2
    int direction;                  // +1 downwards in the original order, -1 upwards
    // Where the edge crosses the current scan line, X = x1 + (y - y1)(x2 - x1)/(y2 - y1),
    // as q + r / (y2 - y1) with 0 <= r < y2 - y1, and how that moves from row to row.
    std::int64_t q = 0, r = 0, stepQ = 0, stepR = 0;

    void Start(std::int64_t y) {
        const std::int64_t dy = y2 - y1, dx = x2 - x1;
        if (dy == 1) {   // one row tall, as the steps of pixel paths are
            stepQ = dx;
            stepR = 0;
        } else {
            stepQ = dx / dy;
            if (dx % dy != 0 && dx < 0) --stepQ;
            stepR = dx - stepQ * dy;
        }
        if (y == y1) {   // the usual case: the edge starts on this row, exactly at x1
            q = x1;
            r = 0;
            return;
        }
        const __int128 num = __int128(x1) * dy + __int128(y - y1) * dx;
        q = FloorDiv(num, dy);
        r = std::int64_t(num - __int128(q) * dy);
    }
    // The first pixel at or right of the crossing: the ceiling of X.
    std::int64_t CrossingX() const { return q + (r != 0); }
    void NextRow() {
        q += stepQ;
        r += stepR;
        if (r >= y2 - y1) {
            r -= y2 - y1;
            ++q;
        }
    }

private:
    static std::int64_t FloorDiv(__int128 a, std::int64_t b) {
        __int128 quotient = a / b;
        if ((a % b != 0) && ((a < 0) != (b < 0))) --quotient;
        return std::int64_t(quotient);
    }
};

struct Crossing {
    std::int64_t x;                 // first pixel at or right of the crossing
    int direction;
};

}  // namespace

unsigned PathReducer::OutCode(TPoint p) const {
    unsigned code = 0;
    if (std::int64_t(p.X) < std::int64_t(bounds_.Left) - 1) code |= 1;
    if (std::int64_t(p.X) > std::int64_t(bounds_.Right) + 1) code |= 2;
    if (std::int64_t(p.Y) < std::int64_t(bounds_.Top) - 1) code |= 4;
    if (std::int64_t(p.Y) > std::int64_t(bounds_.Bottom) + 1) code |= 8;
    return code;
}

void PathReducer::Add(TPoint p) {
    const unsigned code = OutCode(p);
    if (common_ != 0 && (common_ & code) != 0) {
        common_ &= code;
        // The run keeps its first point and its latest one.
        if (points_.size() - runFirst_ >= 2) points_.back() = p;
        else points_.push_back(p);
        return;
    }
    common_ = code;
    points_.push_back(p);
    runFirst_ = points_.size() - 1;
}

void AddPolygon(SpanSet& set, std::span<const TPoint> input, bool winding) {
    const TRect bounds = set.Bounds();
    if (input.size() < 3 || bounds.IsEmpty()) return;
    // A path that stays within a pixel of the bounds is its own reduction.
    bool near = true;
    for (TPoint p : input) {
        if (std::int64_t(p.X) < std::int64_t(bounds.Left) - 1 || std::int64_t(p.X) > std::int64_t(bounds.Right) + 1 ||
            std::int64_t(p.Y) < std::int64_t(bounds.Top) - 1 || std::int64_t(p.Y) > std::int64_t(bounds.Bottom) + 1) {
            near = false;
            break;
        }
    }
    Scratch<TPoint> reduced;
    if (!near) {
        PathReducer reducer(bounds, *reduced);
        for (TPoint p : input) reducer.Add(p);
    }
    const std::span<const TPoint> points = near ? input : std::span<const TPoint>(*reduced);

    // Edges that cross scan lines inside the bounds (horizontal edges cross none), visited
    // in order of their first row inside the bounds (a counting sort over the rows). The
    // order among edges starting on the same row does not change the spans.
    Scratch<Edge> edgeList;
    std::vector<Edge>& edges = *edgeList;
    std::int64_t yFirst = INT64_MAX, yMax = INT64_MIN;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        if (a.Y == b.Y) continue;
        Edge e = a.Y < b.Y ? Edge{a.X, a.Y, b.X, b.Y, 1} : Edge{b.X, b.Y, a.X, a.Y, -1};
        if (e.y2 <= bounds.Top || e.y1 >= bounds.Bottom) continue;
        yFirst = std::min(yFirst, e.y1);
        yMax = std::max(yMax, e.y2);
        edges.push_back(e);
    }
    if (edges.empty()) return;
    const std::int64_t yEnd = std::min<std::int64_t>(bounds.Bottom, yMax);
    const std::int64_t yStart = std::max<std::int64_t>(bounds.Top, yFirst);
    const std::size_t rows = std::size_t(yEnd - yStart);
    Scratch<std::uint32_t> firstList, orderList;
    std::vector<std::uint32_t>& first = *firstList;   // per row: where its edges begin in order
    std::vector<std::uint32_t>& order = *orderList;
    first.assign(rows + 1, 0);
    auto rowOf = [&](const Edge& e) { return std::size_t(std::max(e.y1, yStart) - yStart); };
    for (const Edge& e : edges) ++first[rowOf(e) + 1];
    for (std::size_t r = 0; r < rows; ++r) first[r + 1] += first[r];
    order.resize(edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) order[first[rowOf(edges[i])]++] = std::uint32_t(i);
    auto edgeAt = [&](std::size_t k) -> Edge& { return edges[order[k]]; };

    Scratch<Edge*> activeList;
    Scratch<Crossing> crossingList;
    std::vector<Edge*>& active = *activeList;
    std::vector<Crossing>& crossings = *crossingList;
    std::size_t next = 0;
    for (std::int64_t y = yStart; y < yEnd; ++y) {
        while (next < edges.size() && edgeAt(next).y1 <= y) {
            Edge& e = edgeAt(next++);
            e.Start(y);
            active.push_back(&e);
        }
        // Finished edges leave; the others give their crossing and step to the next row.
        crossings.clear();
        std::size_t kept = 0;
        for (std::size_t k = 0; k < active.size(); ++k) {
            Edge* e = active[k];
            if (e->y2 <= y) continue;
            active[kept++] = e;
            crossings.push_back({e->CrossingX(), e->direction});
            e->NextRow();
        }
        active.resize(kept);
        if (active.empty()) {
            // Nothing until the next edge begins.
            if (next == edges.size()) break;
            y = edgeAt(next).y1 - 1;
            continue;
        }
        if (crossings.size() <= 16) {
            for (std::size_t i = 1; i < crossings.size(); ++i) {
                const Crossing c = crossings[i];
                std::size_t j = i;
                for (; j > 0 && c.x < crossings[j - 1].x; --j) crossings[j] = crossings[j - 1];
                crossings[j] = c;
            }
        } else {
            std::sort(crossings.begin(), crossings.end(),
                      [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        }

        auto addSpan = [&](std::int64_t x0, std::int64_t x1) {
            x0 = std::max<std::int64_t>(x0, bounds.Left);
            x1 = std::min<std::int64_t>(x1, bounds.Right);
            if (x0 < x1) set.AddSpan(int(y), int(x0), int(x1));
        };
        if (!winding) {
            for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
                addSpan(crossings[k].x, crossings[k + 1].x);
        } else {
            int count = 0;
            std::int64_t start = 0;
            for (const Crossing& c : crossings) {
                const int before = count;
                count += c.direction;
                if (before == 0 && count != 0) start = c.x;
                else if (before != 0 && count == 0) addSpan(start, c.x);
            }
        }
    }
}

}  // namespace vcl::raster
