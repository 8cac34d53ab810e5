#include "platform/graphics/raster/Polygons.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vcl::raster {

namespace {

struct Edge {
    std::int64_t x1, y1, x2, y2;   // y1 < y2
    int direction;                  // +1 downwards in the original order, -1 upwards
};

struct Crossing {
    std::int64_t x;                 // first pixel at or right of the crossing
    int direction;
};

std::int64_t CeilDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    if ((a % b != 0) && ((a < 0) == (b < 0))) ++q;
    return std::int64_t(q);
}

// Which sides of the (slightly enlarged) bounds a point lies beyond.
unsigned OutCode(TPoint p, const TRect& r) {
    unsigned code = 0;
    if (p.X < r.Left - 1) code |= 1;
    if (p.X > r.Right + 1) code |= 2;
    if (p.Y < r.Top - 1) code |= 4;
    if (p.Y > r.Bottom + 1) code |= 8;
    return code;
}

// Replaces every run of consecutive points beyond one and the same side of the bounds by
// its first and last point. The dropped part of the outline lies wholly beyond that side,
// so the winding number of every pixel corner inside the bounds is unchanged; huge
// polygons (or arcs of huge ellipses) then cost no more than what is visible.
std::vector<TPoint> DropOutsideRuns(std::span<const TPoint> points, const TRect& bounds) {
    std::vector<TPoint> kept;
    kept.reserve(points.size());
    std::size_t i = 0;
    while (i < points.size()) {
        unsigned common = OutCode(points[i], bounds);
        std::size_t j = i + 1;
        if (common != 0) {
            while (j < points.size() && (common & OutCode(points[j], bounds)) != 0) {
                common &= OutCode(points[j], bounds);
                ++j;
            }
        }
        kept.push_back(points[i]);
        if (j - 1 > i) kept.push_back(points[j - 1]);
        i = j;
    }
    return kept;
}

}  // namespace

void AddPolygon(SpanSet& set, std::span<const TPoint> input, bool winding) {
    const TRect bounds = set.Bounds();
    if (input.size() < 3 || bounds.IsEmpty()) return;
    const std::vector<TPoint> points = DropOutsideRuns(input, bounds);

    std::vector<Edge> edges;
    edges.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        if (a.Y == b.Y) continue;   // horizontal edges do not cross any scan line
        if (a.Y < b.Y) edges.push_back({a.X, a.Y, b.X, b.Y, 1});
        else edges.push_back({b.X, b.Y, a.X, a.Y, -1});
    }
    if (edges.empty()) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y1 < r.y1; });

    std::int64_t yEnd = bounds.Bottom;
    std::int64_t yMax = edges.front().y2;
    for (const Edge& e : edges) yMax = std::max(yMax, e.y2);
    yEnd = std::min(yEnd, yMax);
    const std::int64_t yStart = std::max<std::int64_t>(bounds.Top, edges.front().y1);

    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;
    for (std::int64_t y = yStart; y < yEnd; ++y) {
        while (next < edges.size() && edges[next].y1 <= y) active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->y2 <= y; });
        if (active.empty()) continue;

        crossings.clear();
        for (const Edge* e : active) {
            // X = x1 + (y - y1)(x2 - x1)/(y2 - y1); the span starts at the ceiling.
            const __int128 dy = e->y2 - e->y1;
            const __int128 num = __int128(e->x1) * dy + __int128(y - e->y1) * (e->x2 - e->x1);
            crossings.push_back({CeilDiv(num, dy), e->direction});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });

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
