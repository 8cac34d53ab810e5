#include "platform/graphics/raster/SpanSet.h"

#include <algorithm>

namespace vcl::raster {

SpanSet::SpanSet(const TRect& bounds) : bounds_(bounds) {
    if (bounds_.IsEmpty()) bounds_ = TRect();
    rows_.resize(std::size_t(bounds_.Height()));
}

void SpanSet::AddSpan(int y, int x0, int x1) {
    if (y < bounds_.Top || y >= bounds_.Bottom) return;
    x0 = std::max(x0, bounds_.Left);
    x1 = std::min(x1, bounds_.Right);
    if (x0 >= x1) return;
    std::vector<Span>& row = rows_[std::size_t(y - bounds_.Top)];
    // Find the first span that ends at or after x0 (touching spans merge).
    auto first = std::lower_bound(row.begin(), row.end(), x0,
                                  [](const Span& s, int x) { return s.x1 < x; });
    auto last = first;
    while (last != row.end() && last->x0 <= x1) {
        x0 = std::min(x0, last->x0);
        x1 = std::max(x1, last->x1);
        ++last;
    }
    if (first == last) {
        row.insert(first, Span{x0, x1});
    } else {
        *first = Span{x0, x1};
        row.erase(first + 1, last);
    }
}

void SpanSet::AddRect(const TRect& r) {
    const int top = std::max(r.Top, bounds_.Top), bottom = std::min(r.Bottom, bounds_.Bottom);
    for (int y = top; y < bottom; ++y) AddSpan(y, r.Left, r.Right);
}

void SpanSet::Add(const SpanSet& other) {
    for (int y = other.bounds_.Top; y < other.bounds_.Bottom; ++y)
        for (const Span& s : other.RowSpans(y)) AddSpan(y, s.x0, s.x1);
}

void SpanSet::Subtract(const SpanSet& other) {
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y) {
        std::vector<Span>& row = rows_[std::size_t(y - bounds_.Top)];
        if (row.empty()) continue;
        const std::vector<Span>& cut = other.RowSpans(y);
        if (cut.empty()) continue;
        std::vector<Span> result;
        std::size_t c = 0;
        for (Span s : row) {
            while (c < cut.size() && cut[c].x1 <= s.x0) ++c;
            std::size_t k = c;
            int x = s.x0;
            while (k < cut.size() && cut[k].x0 < s.x1) {
                if (cut[k].x0 > x) result.push_back({x, cut[k].x0});
                x = std::max(x, cut[k].x1);
                ++k;
            }
            if (x < s.x1) result.push_back({x, s.x1});
        }
        row = std::move(result);
    }
}

bool SpanSet::Contains(int x, int y) const {
    for (const Span& s : RowSpans(y))
        if (x >= s.x0 && x < s.x1) return true;
    return false;
}

bool SpanSet::Empty() const {
    return std::all_of(rows_.begin(), rows_.end(), [](const auto& r) { return r.empty(); });
}

const std::vector<Span>& SpanSet::RowSpans(int y) const {
    static const std::vector<Span> kNone;
    if (y < bounds_.Top || y >= bounds_.Bottom) return kNone;
    return rows_[std::size_t(y - bounds_.Top)];
}

void SpanSet::PaintOn(const Surface& s, const Paint& paint) const {
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y)
        for (const Span& span : rows_[std::size_t(y - bounds_.Top)])
            FillSpan(s, y, span.x0, span.x1, paint);
}

}  // namespace vcl::raster
