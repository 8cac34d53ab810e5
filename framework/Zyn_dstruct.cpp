// TStringArray and TBitFld.
#include "framework/Zyn_dstruct.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <numeric>
#include <stdexcept>

namespace zyn {

// ---- CompactString ----------------------------------------------------------------------

namespace detail {

CompactString::CompactString(CompactString&& Other) noexcept {
    std::memcpy(raw_, Other.raw_, sizeof raw_);
    Other.raw_[kTag] = 0;
}

CompactString& CompactString::operator=(const CompactString& Other) {
    if (this != &Other) Assign(Other.View());
    return *this;
}

CompactString& CompactString::operator=(CompactString&& Other) noexcept {
    if (this != &Other) {
        Release();
        std::memcpy(raw_, Other.raw_, sizeof raw_);
        Other.raw_[kTag] = 0;
    }
    return *this;
}

const char* CompactString::HeapPtr() const noexcept {
    const char* p;
    std::memcpy(&p, raw_, sizeof p);
    return p;
}

std::uint32_t CompactString::HeapLen() const noexcept {
    std::uint32_t n;
    std::memcpy(&n, raw_ + 8, sizeof n);
    return n;
}

void CompactString::Release() noexcept {
    if (raw_[kTag] == kHeap) delete[] HeapPtr();
}

void CompactString::Assign(std::string_view S) {
    if (S.size() <= std::size_t(kInline)) {
        Release();
        std::memcpy(raw_, S.data(), S.size());
        raw_[kTag] = static_cast<unsigned char>(S.size());
        return;
    }
    char* block = new char[S.size()];   // may throw: the old text is still intact
    std::memcpy(block, S.data(), S.size());
    Release();
    std::uint32_t n = static_cast<std::uint32_t>(S.size());
    std::memcpy(raw_, &block, sizeof block);
    std::memcpy(raw_ + 8, &n, sizeof n);
    raw_[kTag] = kHeap;
}

}  // namespace detail

// ---- TStringArray -----------------------------------------------------------------------

namespace {

std::string_view CutToCell(std::string_view S, std::string& Scratch) {
    // Up to 255 bytes can never exceed 255 characters; only longer texts are counted.
    if (S.size() <= std::size_t(TStringArray::MaxCellChars)) return S;
    Scratch = ShortString(S, TStringArray::MaxCellChars);
    return Scratch;
}

bool IsIdentity(const std::vector<std::uint32_t>& Order) {
    for (std::size_t i = 0; i < Order.size(); ++i)
        if (Order[i] != i) return false;
    return true;
}

}  // namespace

TStringArray::TStringArray(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {
    columns_.resize(1);
    colAttribs_.resize(1);
}

template <class V>
void TStringArray::Grow(V& Vector, std::size_t Size) const {
    if (Vector.capacity() >= Size) return;
    const std::size_t step = std::size_t(allocRowsBy_);
    std::size_t want = std::max((Size + step - 1) / step * step, Vector.capacity() + Vector.capacity() / 2);
    // A column grown past half the rows is most likely being filled: room for all of them
    // at once saves the largest copies.
    if (want >= std::size_t(rows_) / 2) want = std::max(want, std::size_t(rows_));
    Vector.reserve(want);
}

void TStringArray::Resize(int Cols, int Rows) {
    Cols = std::max(Cols, 0);
    Rows = std::max(Rows, 0);
    const std::size_t oldCols = columns_.size();
    const std::size_t oldOrder = order_.size();
    try {
        columns_.resize(std::size_t(Cols) + 1);
        colAttribs_.resize(std::size_t(Cols) + 1, 0);
        // New rows are appended at the end of a set presentation order.
        if (!order_.empty() && Rows > rows_) {
            order_.reserve(std::size_t(Rows));
            for (int r = rows_; r < Rows; ++r) order_.push_back(std::uint32_t(r));
        }
    } catch (const std::exception&) {   // bad_alloc or length_error from a resize
        // Give back what was grown so far; shrinking never throws.
        columns_.resize(oldCols);
        colAttribs_.resize(oldCols);
        order_.resize(oldOrder);
        throw EZynDStructError("Class TStringArray: not enough memory for " +
                               std::to_string(Cols + 1) + " columns and " +
                               std::to_string(Rows) + " rows");
    }
    if (Rows < rows_) {
        // Dropped stored rows leave the presentation; the others keep their order.
        for (auto& column : columns_)
            if (column.size() > std::size_t(Rows)) column.resize(std::size_t(Rows));
        if (rowAttribs_.size() > std::size_t(Rows)) rowAttribs_.resize(std::size_t(Rows));
        std::erase_if(order_, [Rows](std::uint32_t r) { return r >= std::uint32_t(Rows); });
    }
    rows_ = Rows;
    if (!order_.empty() && IsIdentity(order_)) order_.clear();
    Changed();
}

void TStringArray::Clear() {
    // The storage goes with the texts: an emptied matrix costs what an empty one does.
    for (auto& column : columns_) TColumn().swap(column);
    Changed();
}

std::string TStringArray::GetString(int Col, int Row) const {
    return std::string(StringView(Col, Row));
}

std::string_view TStringArray::StringView(int Col, int Row) const {
    if (!ValidCell(Col, Row)) return {};
    return CellOf(columns_[std::size_t(Col)], Stored(Row));
}

void TStringArray::ReserveRows(int Cols, int Rows) {
    const std::size_t last = std::min<std::size_t>(std::size_t(std::max(Cols, 0)), columns_.size() - 1);
    try {
        for (std::size_t c = 1; c <= last; ++c)
            if (columns_[c].capacity() < std::size_t(std::max(Rows, 0))) columns_[c].reserve(std::size_t(Rows));
    } catch (const std::exception&) {
        // Only a hint: the columns grow as they would without it.
    }
}

void TStringArray::SetString(int Col, int Row, std::string_view S) {
    if (!ValidCell(Col, Row)) return;
    std::string scratch;
    std::string_view text = CutToCell(S, scratch);
    TColumn& column = columns_[std::size_t(Col)];
    const std::uint32_t at = Stored(Row);
    if (at >= column.size()) {
        if (text.empty()) return;   // already empty: nothing to store
        Grow(column, std::size_t(at) + 1);
        column.resize(std::size_t(at) + 1);
    } else if (column[at].View() == text) {
        return;
    }
    column[at].Assign(text);
    Changed();
}

void TStringArray::InsertRow(int Row) {
    if (Row < 1 || Row > rows_ + 1) return;
    const std::uint32_t at = Row <= rows_ ? Stored(Row) : std::uint32_t(rows_);
    // Room first, then the moves, which cannot fail: an insertion happens whole or not at all.
    for (auto& column : columns_)
        if (at < column.size()) Grow(column, column.size() + 1);
    if (at < rowAttribs_.size()) Grow(rowAttribs_, rowAttribs_.size() + 1);
    const bool ordered = !order_.empty();
    if (ordered) order_.reserve(order_.size() + 1);
    for (auto& column : columns_)
        if (at < column.size()) column.insert(column.begin() + at, detail::CompactString());
    if (at < rowAttribs_.size()) rowAttribs_.insert(rowAttribs_.begin() + at, 0);
    if (ordered) {
        for (auto& r : order_)
            if (r >= at) ++r;
        order_.insert(order_.begin() + (Row - 1), at);
    }
    ++rows_;
    Changed();
}

void TStringArray::RemoveRow(int Row) {
    if (Row < 1 || Row > rows_) return;
    const std::uint32_t at = Stored(Row);
    for (auto& column : columns_)
        if (at < column.size()) column.erase(column.begin() + at);
    if (at < rowAttribs_.size()) rowAttribs_.erase(rowAttribs_.begin() + at);
    if (!order_.empty()) {
        order_.erase(order_.begin() + (Row - 1));
        for (auto& r : order_)
            if (r > at) --r;
    }
    --rows_;
    if (!order_.empty() && IsIdentity(order_)) order_.clear();
    Changed();
}

void TStringArray::RemoveRows(std::vector<int> Rows) {
    // Flags by stored row, as far as the last row to drop.
    std::uint32_t last = 0;
    for (int p : Rows)
        if (p >= 1 && p <= rows_) last = std::max(last, Stored(p) + 1);
    std::vector<std::uint8_t> drop(last, 0);
    std::size_t count = 0;
    for (int p : Rows)
        if (p >= 1 && p <= rows_ && !drop[Stored(p)]) drop[Stored(p)] = 1, ++count;
    if (count == 0) return;
    auto dropped = [&](std::size_t R) { return R < drop.size() && drop[R] != 0; };
    auto compact = [&](auto& Vector) {
        std::size_t to = 0;
        for (std::size_t r = 0; r < Vector.size(); ++r)
            if (!dropped(r)) Vector[to++] = std::move(Vector[r]);
        Vector.resize(to);
    };
    for (auto& column : columns_) compact(column);
    compact(rowAttribs_);
    if (!order_.empty()) {
        // New stored index of every kept row.
        std::vector<std::uint32_t> renumber(static_cast<std::size_t>(rows_));
        std::uint32_t next = 0;
        for (std::size_t r = 0; r < renumber.size(); ++r) renumber[r] = dropped(r) ? 0 : next++;
        std::erase_if(order_, [&](std::uint32_t r) { return dropped(r); });
        for (auto& r : order_) r = renumber[r];
        if (IsIdentity(order_)) order_.clear();
    }
    rows_ -= int(count);
    Changed();
}

void TStringArray::Swap(TStringArray& Other) {
    columns_.swap(Other.columns_);
    rowAttribs_.swap(Other.rowAttribs_);
    colAttribs_.swap(Other.colAttribs_);
    order_.swap(Other.order_);
    std::swap(rows_, Other.rows_);
    std::swap(allocRowsBy_, Other.allocRowsBy_);
    Changed();
}

void TStringArray::ExchangeColumn(int Col, TStringArray& Other, int OtherCol) noexcept {
    if (Col < 0 || Col >= int(columns_.size()) || OtherCol < 0 || OtherCol >= int(Other.columns_.size())) return;
    TColumn& mine = columns_[std::size_t(Col)];
    TColumn& theirs = Other.columns_[std::size_t(OtherCol)];
    mine.swap(theirs);
    // Shrinking never throws.
    if (mine.size() > std::size_t(rows_)) mine.resize(std::size_t(rows_));
    if (theirs.size() > std::size_t(Other.rows_)) theirs.resize(std::size_t(Other.rows_));
    Changed();
    if (&Other != this) Other.Changed();
}

int TStringArray::RowsInUse() const {
    std::size_t n = rowAttribs_.size();
    for (const auto& column : columns_) n = std::max(n, column.size());
    return int(n);
}

std::int64_t TStringArray::CellSlots() const {
    std::int64_t n = 0;
    for (const auto& column : columns_) n += std::int64_t(column.capacity());
    return n;
}

std::uint8_t TStringArray::GetColAttrib(int Col) const {
    return Col >= 0 && Col < int(colAttribs_.size()) ? colAttribs_[std::size_t(Col)] : 0;
}

void TStringArray::SetColAttrib(int Col, std::uint8_t Value) {
    if (Col >= 0 && Col < int(colAttribs_.size())) colAttribs_[std::size_t(Col)] = Value;
}

std::uint8_t TStringArray::GetRowAttrib(int Row) const {
    if (Row < 1 || Row > rows_) return 0;
    const std::uint32_t at = Stored(Row);
    return at < rowAttribs_.size() ? rowAttribs_[at] : 0;
}

void TStringArray::SetRowAttrib(int Row, std::uint8_t Value) {
    if (Row < 1 || Row > rows_) return;
    const std::uint32_t at = Stored(Row);
    if (at >= rowAttribs_.size()) {
        if (Value == 0) return;
        Grow(rowAttribs_, std::size_t(at) + 1);
        rowAttribs_.resize(std::size_t(at) + 1, 0);
    }
    rowAttribs_[at] = Value;
}

void TStringArray::SetAllocRowsBy(int N) { allocRowsBy_ = std::max(N, 1); }

void TStringArray::MaterializeOrder() {
    if (!order_.empty() || rows_ == 0) return;
    order_.resize(std::size_t(rows_));
    std::iota(order_.begin(), order_.end(), 0u);
}

void TStringArray::Sort(int Col, int ColSec, bool Ascending) {
    if (Col < 0 || Col >= int(columns_.size())) return;
    Progress(0);
    const TColumn& primary = columns_[std::size_t(Col)];
    const bool hasSecondary = ColSec >= 0 && ColSec < int(columns_.size()) && ColSec != Col;
    const TColumn& secondary = columns_[std::size_t(hasSecondary ? ColSec : Col)];

    // Each row is sorted with the first 8 bytes of its key as a number (big-endian, so that
    // numbers order as the bytes do); only rows whose prefixes tie compare whole texts. This
    // keeps most comparisons away from the cells' storage.
    struct Keyed {
        std::uint64_t prefix;
        std::uint32_t row;
    };
    std::vector<Keyed> keyed(static_cast<std::size_t>(rows_));
    for (int p = 1; p <= rows_; ++p) {
        const std::uint32_t row = Stored(p);
        const std::string_view k = CellOf(primary, row);
        std::uint64_t prefix = 0;
        for (std::size_t i = 0; i < 8; ++i)
            prefix = (prefix << 8) | (i < k.size() ? static_cast<unsigned char>(k[i]) : 0u);
        keyed[std::size_t(p - 1)] = {prefix, row};
    }
    auto compare = [&](const Keyed& a, const Keyed& b) {
        int c = a.prefix < b.prefix ? -1 : a.prefix > b.prefix ? 1 : 0;
        if (c == 0) c = CellOf(primary, a.row).compare(CellOf(primary, b.row));
        if (c == 0 && hasSecondary) c = CellOf(secondary, a.row).compare(CellOf(secondary, b.row));
        return Ascending ? c < 0 : c > 0;
    };
    std::stable_sort(keyed.begin(), keyed.end(), compare);
    std::vector<std::uint32_t> target(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) target[i] = keyed[i].row;
    std::vector<Keyed>().swap(keyed);
    Progress(50);
    PresentInOrder(std::move(target), Col);
    Progress(100);
    Changed();
}

void TStringArray::TakeOrder(std::vector<std::uint32_t> StoredRows, int Col) {
    if (StoredRows.size() != std::size_t(rows_))
        throw EZynDStructError("Class TStringArray: the order does not hold every row once");
    std::vector<bool> seen(StoredRows.size(), false);
    for (std::uint32_t r : StoredRows) {
        if (r >= seen.size() || seen[r])
            throw EZynDStructError("Class TStringArray: the order does not hold every row once");
        seen[r] = true;
    }
    PresentInOrder(std::move(StoredRows), Col >= 0 && Col < int(columns_.size()) ? Col : 0);
    Changed();
}

void TStringArray::PresentInOrder(std::vector<std::uint32_t> Target, int Col) {
    if (OnBeforeSortExchange) {
        MaterializeOrder();
        ApplyOrderByExchanges(Target, Col);
    } else {
        order_.swap(Target);
    }
    if (IsIdentity(order_)) order_.clear();
}

// Moves order_ into Target with at most Rows - 1 exchanges of two positions (one per element
// of each cycle of the permutation but the last), reporting each before it happens.
void TStringArray::ApplyOrderByExchanges(const std::vector<std::uint32_t>& Target, int Col) {
    std::vector<std::uint32_t> positionOf(order_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) positionOf[order_[i]] = std::uint32_t(i);
    const TColumn& keys = columns_[std::size_t(Col)];
    std::string key1, key2;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (order_[i] == Target[i]) continue;
        std::size_t j = positionOf[Target[i]];
        key1.assign(CellOf(keys, order_[i]));
        key2.assign(CellOf(keys, order_[j]));
        OnBeforeSortExchange(this, key1, key2);
        std::swap(order_[i], order_[j]);
        positionOf[order_[i]] = std::uint32_t(i);
        positionOf[order_[j]] = std::uint32_t(j);
    }
}

int TStringArray::GetSortOrder(int Pos) const {
    return Pos >= 1 && Pos <= rows_ ? int(Stored(Pos)) + 1 : 0;
}

void TStringArray::SetSortOrder(int Pos, int Row) {
    if (Pos < 1 || Pos > rows_ || Row < 1 || Row > rows_) return;
    if (order_.empty() && Pos == Row) return;   // already so
    MaterializeOrder();
    order_[std::size_t(Pos - 1)] = std::uint32_t(Row - 1);
}

void TStringArray::CommitSorting() {
    if (!IsSorted()) return;
    // Stored row i takes the row shown at position i + 1; each column stays only as long
    // as its last text needs. All storage is had before anything moves, so a failure
    // leaves the matrix as it was.
    auto lengthOf = [&](const auto& Vector, auto InUse) {
        std::size_t length = 0;
        for (std::size_t i = 0; i < order_.size(); ++i)
            if (order_[i] < Vector.size() && InUse(Vector[order_[i]])) length = i + 1;
        return length;
    };
    std::vector<TColumn> reordered(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c)
        reordered[c].resize(lengthOf(columns_[c], [](const detail::CompactString& S) { return !S.Empty(); }));
    std::vector<std::uint8_t> attribs(lengthOf(rowAttribs_, [](std::uint8_t B) { return B != 0; }));
    for (std::size_t c = 0; c < columns_.size(); ++c)
        for (std::size_t i = 0; i < reordered[c].size(); ++i)
            if (order_[i] < columns_[c].size()) reordered[c][i] = std::move(columns_[c][order_[i]]);
    for (std::size_t i = 0; i < attribs.size(); ++i)
        if (order_[i] < rowAttribs_.size()) attribs[i] = rowAttribs_[order_[i]];
    columns_.swap(reordered);
    rowAttribs_.swap(attribs);
    order_.clear();
}

void TStringArray::UnSort() {
    bool was = IsSorted();
    order_.clear();
    if (was) Changed();
}

bool TStringArray::IsSorted() const { return !order_.empty() && !IsIdentity(order_); }

void TStringArray::Changed() {
    if (OnChange) OnChange(this);
}

void TStringArray::Progress(int Percent) {
    if (OnPercentDone) OnPercentDone(this, Percent);
}

// ---- TBitFld ----------------------------------------------------------------------------

TBitFld::TBitFld(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}

void TBitFld::SetSize(int N) {
    N = std::max(N, 0);
    words_.resize((std::size_t(N) + 63) / 64, 0);
    size_ = N;
    if (N % 64 != 0) words_.back() &= (std::uint64_t{1} << (N % 64)) - 1;   // drop bits beyond
}

void TBitFld::Clear() { std::fill(words_.begin(), words_.end(), 0); }

bool TBitFld::GetBit(int I) const {
    if (I < 0 || I >= size_) return false;
    return (words_[std::size_t(I) / 64] >> (I % 64)) & 1u;
}

void TBitFld::SetBit(int I, bool B) {
    if (I < 0 || I >= size_) return;
    std::uint64_t mask = std::uint64_t{1} << (I % 64);
    if (B)
        words_[std::size_t(I) / 64] |= mask;
    else
        words_[std::size_t(I) / 64] &= ~mask;
}

int TBitFld::FirstTrueBit() const {
    for (std::size_t w = 0; w < words_.size(); ++w)
        if (words_[w] != 0) return int(w * 64) + std::countr_zero(words_[w]);
    return -1;
}

int TBitFld::CountTrueBits() const {
    int n = 0;
    for (std::uint64_t w : words_) n += std::popcount(w);
    return n;
}

}  // namespace zyn
