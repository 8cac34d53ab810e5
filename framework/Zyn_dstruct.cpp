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

}  // namespace

TStringArray::TStringArray(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {
    columns_.resize(1);
    colAttribs_.resize(1);
}

void TStringArray::ReserveRows(std::size_t Rows) {
    std::size_t step = std::size_t(allocRowsBy_);
    for (auto& column : columns_) {
        if (column.capacity() >= Rows) continue;
        std::size_t want = std::max((Rows + step - 1) / step * step,
                                    column.capacity() + column.capacity() / 2);
        column.reserve(want);
    }
}

void TStringArray::Resize(int Cols, int Rows) {
    Cols = std::max(Cols, 0);
    Rows = std::max(Rows, 0);
    const std::size_t oldCols = columns_.size();
    const int oldRows = rows_;
    try {
        columns_.resize(std::size_t(Cols) + 1);
        colAttribs_.resize(std::size_t(Cols) + 1, 0);
        if (Rows > oldRows) ReserveRows(std::size_t(Rows));
        for (auto& column : columns_) column.resize(std::size_t(Rows));
        rowAttribs_.resize(std::size_t(Rows), 0);
        order_.reserve(std::max(std::size_t(Rows), columns_[0].capacity()));   // grows with the cells, not row by row
    } catch (const std::exception&) {   // bad_alloc or length_error from a resize
        // Give back what was grown so far; shrinking never throws.
        for (auto& column : columns_)
            column.resize(std::min<std::size_t>(column.size(), std::size_t(oldRows)));
        columns_.resize(oldCols);
        colAttribs_.resize(oldCols);
        rowAttribs_.resize(std::size_t(oldRows));
        throw EZynDStructError("Class TStringArray: not enough memory for " +
                               std::to_string(Cols + 1) + " columns and " +
                               std::to_string(Rows) + " rows");
    }
    if (Rows < oldRows) {
        // Dropped stored rows leave the presentation; the others keep their order.
        std::erase_if(order_, [Rows](std::uint32_t r) { return r >= std::uint32_t(Rows); });
    } else {
        for (int r = oldRows; r < Rows; ++r) order_.push_back(std::uint32_t(r));
    }
    rows_ = Rows;
    Changed();
}

void TStringArray::Clear() {
    for (auto& column : columns_)
        for (auto& cell : column) cell.Clear();
    Changed();
}

std::string TStringArray::GetString(int Col, int Row) const {
    return std::string(StringView(Col, Row));
}

std::string_view TStringArray::StringView(int Col, int Row) const {
    if (!ValidCell(Col, Row)) return {};
    return columns_[std::size_t(Col)][Stored(Row)].View();
}

void TStringArray::SetString(int Col, int Row, std::string_view S) {
    if (!ValidCell(Col, Row)) return;
    std::string scratch;
    std::string_view text = CutToCell(S, scratch);
    detail::CompactString& cell = columns_[std::size_t(Col)][Stored(Row)];
    if (cell.View() == text) return;
    cell.Assign(text);
    Changed();
}

void TStringArray::InsertRow(int Row) {
    if (Row < 1 || Row > rows_ + 1) return;
    const std::uint32_t at = Row <= rows_ ? Stored(Row) : std::uint32_t(rows_);
    ReserveRows(std::size_t(rows_) + 1);
    for (auto& column : columns_) column.insert(column.begin() + at, detail::CompactString());
    rowAttribs_.insert(rowAttribs_.begin() + at, 0);
    for (auto& r : order_)
        if (r >= at) ++r;
    order_.insert(order_.begin() + (Row - 1), at);
    ++rows_;
    Changed();
}

void TStringArray::RemoveRow(int Row) {
    if (Row < 1 || Row > rows_) return;
    const std::uint32_t at = Stored(Row);
    for (auto& column : columns_) column.erase(column.begin() + at);
    rowAttribs_.erase(rowAttribs_.begin() + at);
    order_.erase(order_.begin() + (Row - 1));
    for (auto& r : order_)
        if (r > at) --r;
    --rows_;
    Changed();
}

void TStringArray::RemoveRows(std::vector<int> Rows) {
    std::vector<std::uint8_t> drop(std::size_t(rows_), 0);   // by stored row
    std::size_t count = 0;
    for (int p : Rows)
        if (p >= 1 && p <= rows_ && !drop[Stored(p)]) drop[Stored(p)] = 1, ++count;
    if (count == 0) return;
    // New stored index of every kept row.
    std::vector<std::uint32_t> renumber(static_cast<std::size_t>(rows_));
    std::uint32_t next = 0;
    for (std::size_t r = 0; r < drop.size(); ++r) renumber[r] = drop[r] ? 0 : next++;
    for (auto& column : columns_) {
        std::size_t to = 0;
        for (std::size_t r = 0; r < drop.size(); ++r)
            if (!drop[r]) column[to++] = std::move(column[r]);
        column.resize(to);
    }
    std::size_t to = 0;
    for (std::size_t r = 0; r < drop.size(); ++r)
        if (!drop[r]) rowAttribs_[to++] = rowAttribs_[r];
    rowAttribs_.resize(to);
    std::erase_if(order_, [&](std::uint32_t r) { return drop[r] != 0; });
    for (auto& r : order_) r = renumber[r];
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

std::uint8_t TStringArray::GetColAttrib(int Col) const {
    return Col >= 0 && Col < int(colAttribs_.size()) ? colAttribs_[std::size_t(Col)] : 0;
}

void TStringArray::SetColAttrib(int Col, std::uint8_t Value) {
    if (Col >= 0 && Col < int(colAttribs_.size())) colAttribs_[std::size_t(Col)] = Value;
}

std::uint8_t TStringArray::GetRowAttrib(int Row) const {
    return Row >= 1 && Row <= rows_ ? rowAttribs_[Stored(Row)] : 0;
}

void TStringArray::SetRowAttrib(int Row, std::uint8_t Value) {
    if (Row >= 1 && Row <= rows_) rowAttribs_[Stored(Row)] = Value;
}

void TStringArray::SetAllocRowsBy(int N) { allocRowsBy_ = std::max(N, 1); }

void TStringArray::Sort(int Col, int ColSec, bool Ascending) {
    if (Col < 0 || Col >= int(columns_.size())) return;
    Progress(0);
    const auto& primary = columns_[std::size_t(Col)];
    const bool hasSecondary = ColSec >= 0 && ColSec < int(columns_.size()) && ColSec != Col;
    const auto& secondary = columns_[std::size_t(hasSecondary ? ColSec : Col)];

    std::vector<std::uint32_t> target(order_);
    auto compare = [&](std::uint32_t a, std::uint32_t b) {
        int c = primary[a].View().compare(primary[b].View());
        if (c == 0 && hasSecondary) c = secondary[a].View().compare(secondary[b].View());
        return Ascending ? c < 0 : c > 0;
    };
    std::stable_sort(target.begin(), target.end(), compare);
    Progress(50);

    if (OnBeforeSortExchange)
        ApplyOrderByExchanges(target, Col);
    else
        order_.swap(target);
    Progress(100);
    Changed();
}

// Moves order_ into Target with at most Rows - 1 exchanges of two positions (one per element
// of each cycle of the permutation but the last), reporting each before it happens.
void TStringArray::ApplyOrderByExchanges(const std::vector<std::uint32_t>& Target, int Col) {
    std::vector<std::uint32_t> positionOf(order_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) positionOf[order_[i]] = std::uint32_t(i);
    const auto& keys = columns_[std::size_t(Col)];
    std::string key1, key2;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (order_[i] == Target[i]) continue;
        std::size_t j = positionOf[Target[i]];
        key1.assign(keys[order_[i]].View());
        key2.assign(keys[order_[j]].View());
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
    order_[std::size_t(Pos - 1)] = std::uint32_t(Row - 1);
}

void TStringArray::CommitSorting() {
    if (!IsSorted()) return;
    for (auto& column : columns_) {
        std::vector<detail::CompactString> reordered;
        reordered.reserve(column.capacity());
        for (std::uint32_t r : order_) reordered.push_back(std::move(column[r]));
        column.swap(reordered);
    }
    std::vector<std::uint8_t> attribs;
    attribs.reserve(rowAttribs_.size());
    for (std::uint32_t r : order_) attribs.push_back(rowAttribs_[r]);
    rowAttribs_.swap(attribs);
    std::iota(order_.begin(), order_.end(), 0u);
}

void TStringArray::UnSort() {
    bool was = IsSorted();
    std::iota(order_.begin(), order_.end(), 0u);
    if (was) Changed();
}

bool TStringArray::IsSorted() const {
    for (std::size_t i = 0; i < order_.size(); ++i)
        if (order_[i] != i) return true;
    return false;
}

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
