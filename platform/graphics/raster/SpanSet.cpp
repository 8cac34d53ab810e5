#include "platform/graphics/raster/SpanSet.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "platform/graphics/raster/Scratch.h"
#include "platform/runtime/Geometry.h"

namespace vcl::raster {

namespace {

// Emptied row tables of finished sets. Rows keep their capacity unless it grew unusually
// large; tables taller than a large screen are not kept.
struct RowPool {
    static constexpr std::size_t kTables = 8;
    static constexpr std::size_t kMaxRows = 4096;
    static constexpr std::size_t kMaxRowCapacity = 256;
    std::vector<std::unique_ptr<std::vector<std::vector<Span>>>> free;

    static RowPool& Instance() {
        thread_local RowPool pool;
        return pool;
    }
};

}  // namespace

SpanSet::SpanSet(const TRect& bounds) : bounds_(bounds) {
    if (bounds_.IsEmpty()) bounds_ = TRect();
    RowPool& pool = RowPool::Instance();
    if (!pool.free.empty()) {
        rows_ = pool.free.back().release();
        pool.free.pop_back();
    } else {
        rows_ = new Rows;
    }
    if (rows_->size() < std::size_t(bounds_.Height())) rows_->resize(std::size_t(bounds_.Height()));
    lo_ = INT_MAX;
    hi_ = 0;
}

SpanSet::SpanSet(const TRect& bounds, const Surface& s, const Paint& paint)
    : bounds_(bounds), lo_(INT_MAX), hi_(0), surface_(&s), paint_(paint) {
    if (bounds_.IsEmpty()) bounds_ = TRect();
}

SpanSet::~SpanSet() { Release(); }

void SpanSet::Release() {
    if (rows_ == nullptr) return;
    for (int i = lo_; i < hi_; ++i) {
        std::vector<Span>& row = (*rows_)[std::size_t(i)];
        if (row.capacity() > RowPool::kMaxRowCapacity) std::vector<Span>().swap(row);
        else row.clear();
    }
    RowPool& pool = RowPool::Instance();
    if (pool.free.size() < RowPool::kTables && rows_->size() <= RowPool::kMaxRows) pool.free.emplace_back(rows_);
    else delete rows_;
    rows_ = nullptr;
}

SpanSet::SpanSet(SpanSet&& other) noexcept
    : bounds_(other.bounds_), rows_(other.rows_), lo_(other.lo_), hi_(other.hi_),
      surface_(other.surface_), paint_(other.paint_) {
    other.rows_ = nullptr;
    other.lo_ = INT_MAX;
    other.hi_ = 0;
}

SpanSet& SpanSet::operator=(SpanSet&& other) noexcept {
    if (this != &other) {
        Release();
        bounds_ = other.bounds_;
        rows_ = other.rows_;
        lo_ = other.lo_;
        hi_ = other.hi_;
        surface_ = other.surface_;
        paint_ = other.paint_;
        other.rows_ = nullptr;
        other.lo_ = INT_MAX;
        other.hi_ = 0;
    }
    return *this;
}

void SpanSet::AddSpan(int y, int x0, int x1) {
    if (y < bounds_.Top || y >= bounds_.Bottom) return;
    x0 = std::max(x0, bounds_.Left);
    x1 = std::min(x1, bounds_.Right);
    if (x0 >= x1) return;
    if (surface_ != nullptr) {
        FillSpan(*surface_, y, x0, x1, paint_);
        return;
    }
    const int index = y - bounds_.Top;
    std::vector<Span>& row = (*rows_)[std::size_t(index)];
    // Most spans arrive after everything already in their row, or extend its last span
    // (pixels of a path), or come before everything.
    if (row.empty() || x0 > row.back().x1) {
        if (row.empty()) Touch(index);
        row.push_back(Span{x0, x1});
        return;
    }
    if (x0 >= row.back().x0) {
        row.back().x1 = std::max(row.back().x1, x1);
        return;
    }
    if (x1 < row.front().x0) {
        row.insert(row.begin(), Span{x0, x1});
        return;
    }
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
    for (int i = other.lo_; i < other.hi_; ++i) {
        const int y = other.bounds_.Top + i;
        for (const Span& s : (*other.rows_)[std::size_t(i)]) AddSpan(y, s.x0, s.x1);
    }
}

void SpanSet::Subtract(const SpanSet& other) {
    if (lo_ >= hi_ || other.lo_ >= other.hi_) return;
    const int from = std::max(bounds_.Top + lo_, other.bounds_.Top + other.lo_);
    const int to = std::min(bounds_.Top + hi_, other.bounds_.Top + other.hi_);
    Scratch<Span> scratch;
    std::vector<Span>& result = *scratch;
    for (int y = from; y < to; ++y) {
        std::vector<Span>& row = (*rows_)[std::size_t(y - bounds_.Top)];
        if (row.empty()) continue;
        const std::vector<Span>& cut = (*other.rows_)[std::size_t(y - other.bounds_.Top)];
        if (cut.empty()) continue;
        if (row.size() == 1 && cut.size() == 1) {
            // One span less another: nothing, one or two pieces.
            const Span s = row[0], c = cut[0];
            if (c.x1 <= s.x0 || c.x0 >= s.x1) continue;
            row.clear();
            if (c.x0 > s.x0) row.push_back({s.x0, c.x0});
            if (c.x1 < s.x1) row.push_back({c.x1, s.x1});
            continue;
        }
        result.clear();
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
        row.assign(result.begin(), result.end());
    }
}

bool SpanSet::Contains(int x, int y) const {
    for (const Span& s : RowSpans(y))
        if (x >= s.x0 && x < s.x1) return true;
    return false;
}

bool SpanSet::Empty() const {
    for (int i = lo_; i < hi_; ++i)
        if (!(*rows_)[std::size_t(i)].empty()) return false;
    return true;
}

const std::vector<Span>& SpanSet::RowSpans(int y) const {
    static const std::vector<Span> kNone;
    if (rows_ == nullptr || y < bounds_.Top || y >= bounds_.Bottom) return kNone;
    return (*rows_)[std::size_t(y - bounds_.Top)];
}

void SpanSet::PaintOn(const Surface& s, const Paint& paint) const {
    for (int i = lo_; i < hi_; ++i) {
        const int y = bounds_.Top + i;
        for (const Span& span : (*rows_)[std::size_t(i)]) FillSpan(s, y, span.x0, span.x1, paint);
    }
}

}  // namespace vcl::raster
