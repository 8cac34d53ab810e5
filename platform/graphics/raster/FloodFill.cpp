#include "platform/graphics/raster/FloodFill.h"

#include <vector>

#include "platform/runtime/Geometry.h"

namespace vcl::raster {

bool CollectFloodArea(const Surface& s, int x, int y, std::uint32_t value, bool surfaceMode,
                      SpanSet& area) {
    const TRect clip = s.clip;
    if (!clip.Contains({x, y})) return false;
    const std::uint32_t mask = s.ValueMask();
    value &= mask;
    auto qualifies = [&](int px, int py) { return ((s.Get(px, py) & mask) == value) == surfaceMode; };
    if (!qualifies(x, y)) return false;

    // One byte per clip pixel marks what is already taken, so a fill never revisits a
    // pixel and ends even when the fill colour itself qualifies.
    const int width = clip.Width();
    std::vector<std::uint8_t> taken(std::size_t(width) * std::size_t(clip.Height()), 0);
    auto isTaken = [&](int px, int py) {
        return taken[std::size_t(py - clip.Top) * width + std::size_t(px - clip.Left)] != 0;
    };
    auto open = [&](int px, int py) { return !isTaken(px, py) && qualifies(px, py); };

    std::vector<TPoint> seeds{TPoint(x, y)};
    while (!seeds.empty()) {
        const TPoint seed = seeds.back();
        seeds.pop_back();
        if (!open(seed.X, seed.Y)) continue;
        int left = seed.X, right = seed.X;
        while (left - 1 >= clip.Left && open(left - 1, seed.Y)) --left;
        while (right + 1 < clip.Right && open(right + 1, seed.Y)) ++right;
        std::uint8_t* row = &taken[std::size_t(seed.Y - clip.Top) * width];
        for (int px = left; px <= right; ++px) row[px - clip.Left] = 1;
        area.AddSpan(seed.Y, left, right + 1);

        // Seed every run of open pixels directly above and below the span.
        for (int ny : {seed.Y - 1, seed.Y + 1}) {
            if (ny < clip.Top || ny >= clip.Bottom) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool o = open(px, ny);
                if (o && !inRun) seeds.push_back(TPoint(px, ny));
                inRun = o;
            }
        }
    }
    return true;
}

}  // namespace vcl::raster
