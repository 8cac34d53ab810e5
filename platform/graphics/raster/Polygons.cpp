#include "platform/graphics/raster/Polygons.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/raster/Scratch.h"

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
    Scratch<TPoint> reduced;
    PathReducer reducer(bounds, *reduced);
    for (TPoint p : input) reducer.Add(p);
    const std::vector<TPoint>& points = reducer.Points();

    Scratch<Edge> edgeList;
    std::vector<Edge>& edges = *edgeList;
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

    Scratch<const Edge*> activeList;
    Scratch<Crossing> crossingList;
    std::vector<const Edge*>& active = *activeList;
    std::vector<Crossing>& crossings = *crossingList;
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
