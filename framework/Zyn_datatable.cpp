// TDataTable: cells, headers, nominal identifiers, structure changes and sorting.
#include "framework/Zyn_datatable.h"

#include <algorithm>
#include <new>
#include <numeric>

#include "platform/SysUtils.h"

namespace zyn {

const std::array<std::string, MaxScaleType + 1> MScaleTypeNames{
    "undefined", "nominal", "binary", "ordinal", "interval", "ratio"};

TDataTable::TDataTable(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}

void TDataTable::Assign(vcl::TPersistent* Source) {
    auto* src = dynamic_cast<TDataTable*>(Source);
    if (src == nullptr) {
        vcl::TComponent::Assign(Source);
        return;
    }
    if (src == this) return;
    const int oldCols = GetNrOfColumns(), oldRows = GetNrOfRows();
    matrix_.Grid() = src->matrix_.Grid();
    states_ = src->states_;
    rowHeaders_ = src->rowHeaders_;
    colHeaders_ = src->colHeaders_;
    comment_ = src->comment_;
    SizeChanged(oldCols, oldRows);
    DataChanged();
    SetupChanged();
}

// ---- size -------------------------------------------------------------------------------

void TDataTable::Resize(int Columns, int Rows) {
    Columns = std::max(Columns, 0);
    Rows = std::max(Rows, 0);
    const int oldCols = GetNrOfColumns(), oldRows = GetNrOfRows();
    auto refuse = [&] {
        throw EZynDataTableError("Class TDataTable: not enough memory for " + std::to_string(Columns) +
                                 " columns and " + std::to_string(Rows) + " rows");
    };
    // More cells than this (2 GB of values) are refused before anything is allocated:
    // whether the system would grant tens of gigabytes must not decide the outcome.
    constexpr long long kMaxCells = 1LL << 28;
    if ((long long)Columns * Rows > kMaxCells) refuse();
    try {
        // Everything is built aside and swapped in at the end, so a failure changes nothing.
        detail::Grid<double> values = matrix_.Grid();
        detail::Grid<std::uint8_t> states = states_;
        values.Resize(Columns, Rows, 0.0);
        states.Resize(Columns, Rows, 0);
        auto rowHeaders = rowHeaders_;
        auto colHeaders = colHeaders_;
        rowHeaders.Resize(Rows);
        colHeaders.Resize(Columns);
        matrix_.Grid() = std::move(values);
        states_ = std::move(states);
        rowHeaders_ = std::move(rowHeaders);
        colHeaders_ = std::move(colHeaders);
    } catch (const std::exception&) {   // bad_alloc or length_error
        refuse();
    }
    SizeChanged(oldCols, oldRows);
}

void TDataTable::Clear() {
    matrix_.Fill(0.0);
    states_.Fill(dtsEmpty);
    DataChanged();
}

// ---- cells ------------------------------------------------------------------------------

void TDataTable::SetElem(int Col, int Row, double Value) {
    if (!states_.Valid(Col, Row)) return;
    matrix_.SetElem(Col, Row, Value);
    std::uint8_t s = states_.Get(Col, Row) & std::uint8_t(~(dtsInvalid | dtsEmpty));
    if (Value != Value) s |= dtsInvalid;   // NaN
    states_.Set(Col, Row, s);
    DataChanged();
}

bool TDataTable::GetIsNumber(int Col, int Row) const {
    return states_.Valid(Col, Row) && (states_.Get(Col, Row) & (dtsInvalid | dtsEmpty)) == 0;
}

void TDataTable::SetCellState(int Col, int Row, std::uint8_t State) {
    if (!states_.Valid(Col, Row)) return;
    states_.Set(Col, Row, State);
    DataChanged();
}

void TDataTable::UnmarkAllCells() {
    for (int c = 1; c <= GetNrOfColumns(); ++c) {
        std::uint8_t* s = states_.Column(c);
        for (int r = 0; r < GetNrOfRows(); ++r) s[r] &= std::uint8_t(~(dtsMarkA | dtsMarkB));
    }
    DataChanged();
}

void TDataTable::InvertCellStates(std::uint8_t StateMask) {
    for (int c = 1; c <= GetNrOfColumns(); ++c) {
        std::uint8_t* s = states_.Column(c);
        for (int r = 0; r < GetNrOfRows(); ++r) s[r] ^= StateMask;
    }
    DataChanged();
}

void TDataTable::ExchangeMarkings() {
    for (int c = 1; c <= GetNrOfColumns(); ++c) {
        std::uint8_t* s = states_.Column(c);
        for (int r = 0; r < GetNrOfRows(); ++r) {
            const std::uint8_t marks = s[r] & (dtsMarkA | dtsMarkB);
            const std::uint8_t swapped = std::uint8_t(((marks & dtsMarkA) ? dtsMarkB : 0) |
                                                      ((marks & dtsMarkB) ? dtsMarkA : 0));
            s[r] = std::uint8_t((s[r] & ~(dtsMarkA | dtsMarkB)) | swapped);
        }
    }
    DataChanged();
}

int TDataTable::FillMarkedCells(double Value, std::uint8_t StateMask) {
    int count = 0;
    for (int c = 1; c <= GetNrOfColumns(); ++c) {
        std::uint8_t* s = states_.Column(c);
        double* v = matrix_.Grid().Column(c);
        for (int r = 0; r < GetNrOfRows(); ++r) {
            if ((s[r] & StateMask) == 0) continue;
            v[r] = Value;
            s[r] &= std::uint8_t(~(dtsInvalid | dtsEmpty));
            ++count;
        }
    }
    if (count > 0) DataChanged();
    return count;
}

// ---- headers ----------------------------------------------------------------------------

std::string TDataTable::GetColName(int Col) const {
    return Col >= 1 && Col <= GetNrOfColumns() ? colHeaders_[Col - 1].name : std::string();
}

void TDataTable::SetColName(int Col, std::string_view Name) {
    if (Col < 1 || Col > GetNrOfColumns()) return;
    colHeaders_[Col - 1].name = ShortString(Name, DTNameLength);
    SetupChanged();
}

std::string TDataTable::GetRowName(int Row) const {
    return Row >= 1 && Row <= GetNrOfRows() ? rowHeaders_[Row - 1].name : std::string();
}

void TDataTable::SetRowName(int Row, std::string_view Name) {
    if (Row < 1 || Row > GetNrOfRows()) return;
    rowHeaders_[Row - 1].name = ShortString(Name, DTNameLength);
    SetupChanged();
}

int TDataTable::GetColAttrib(int Col) const {
    return Col >= 1 && Col <= GetNrOfColumns() ? colHeaders_[Col - 1].attrib : 0;
}

void TDataTable::SetColAttrib(int Col, int Value) {
    if (Col < 1 || Col > GetNrOfColumns()) return;
    colHeaders_[Col - 1].attrib = Value;
    SetupChanged();
}

int TDataTable::GetRowAttrib(int Row) const {
    return Row >= 1 && Row <= GetNrOfRows() ? rowHeaders_[Row - 1].attrib : 0;
}

void TDataTable::SetRowAttrib(int Row, int Value) {
    if (Row < 1 || Row > GetNrOfRows()) return;
    rowHeaders_[Row - 1].attrib = Value;
    SetupChanged();
}

int TDataTable::FindColIndex(std::string_view Name) const {
    for (int i = 0; i < colHeaders_.Count(); ++i)
        if (vcl::SameText(colHeaders_[i].name, Name)) return i + 1;
    return 0;
}

int TDataTable::FindRowIndex(std::string_view Name) const {
    for (int i = 0; i < rowHeaders_.Count(); ++i)
        if (vcl::SameText(rowHeaders_[i].name, Name)) return i + 1;
    return 0;
}

// ---- scale types and nominal identifiers ------------------------------------------------

int TDataTable::GetMScaleType(int Col) const {
    return Col >= 1 && Col <= GetNrOfColumns() ? colHeaders_[Col - 1].scaleType : 0;
}

void TDataTable::SetMScaleType(int Col, int ScaleType) {
    if (Col < 1 || Col > GetNrOfColumns() || ScaleType < 0 || ScaleType > MaxScaleType) return;
    colHeaders_[Col - 1].scaleType = std::uint8_t(ScaleType);
    SetupChanged();
}

bool TDataTable::IsNominalColumn(int Col) const {
    const int t = GetMScaleType(Col);
    return t == mstNominal || t == mstBinary;
}

std::string TDataTable::GetNominalID(int Col, int N) const {
    if (Col < 1 || Col > GetNrOfColumns() || N < 1 || N > MaxNominalID) return {};
    const auto& ids = colHeaders_[Col - 1].nominalIDs;
    return std::size_t(N) <= ids.size() ? ids[std::size_t(N - 1)] : std::string();
}

void TDataTable::SetNominalID(int Col, int N, std::string_view Text) {
    if (Col < 1 || Col > GetNrOfColumns() || N < 1 || N > MaxNominalID) return;
    auto& ids = colHeaders_[Col - 1].nominalIDs;
    if (ids.size() < std::size_t(MaxNominalID)) ids.resize(std::size_t(MaxNominalID));
    ids[std::size_t(N - 1)] = ShortString(Text, DTNameLength);
    SetupChanged();
}

void TDataTable::ClearNominalIDs(int Col) {
    if (Col < 1 || Col > GetNrOfColumns()) return;
    colHeaders_[Col - 1].nominalIDs.clear();
    SetupChanged();
}

int TDataTable::OrdinalOfNominalID(int Col, std::string_view Text, int StartIx) const {
    if (Col < 1 || Col > GetNrOfColumns()) return 0;
    const std::string wanted = vcl::Trim(Text);
    if (wanted.empty()) return 0;
    const auto& ids = colHeaders_[Col - 1].nominalIDs;
    for (int n = std::max(StartIx, 1); n <= int(ids.size()); ++n)
        if (vcl::SameText(ids[std::size_t(n - 1)], wanted)) return n;
    return 0;
}

// ---- structure --------------------------------------------------------------------------

void TDataTable::InsertRow(int Ix) {
    const int cols = GetNrOfColumns(), rows = GetNrOfRows();
    if (Ix < 1 || Ix > rows + 1) return;
    matrix_.Grid().InsertRow(Ix, 0.0);
    states_.InsertRow(Ix, 0);
    rowHeaders_.Insert(Ix - 1);
    SizeChanged(cols, rows);
}

void TDataTable::InsertColumn(int Ix) {
    const int cols = GetNrOfColumns(), rows = GetNrOfRows();
    if (Ix < 1 || Ix > cols + 1) return;
    matrix_.Grid().InsertColumn(Ix, 0.0);
    states_.InsertColumn(Ix, 0);
    colHeaders_.Insert(Ix - 1);
    SizeChanged(cols, rows);
}

void TDataTable::RemoveRow(int Ix) {
    const int cols = GetNrOfColumns(), rows = GetNrOfRows();
    if (Ix < 1 || Ix > rows) return;
    matrix_.Grid().RemoveRow(Ix);
    states_.RemoveRow(Ix);
    rowHeaders_.Remove(Ix - 1);
    SizeChanged(cols, rows);
}

void TDataTable::RemoveColumn(int Ix) {
    const int cols = GetNrOfColumns(), rows = GetNrOfRows();
    if (Ix < 1 || Ix > cols) return;
    matrix_.Grid().RemoveColumn(Ix);
    states_.RemoveColumn(Ix);
    colHeaders_.Remove(Ix - 1);
    SizeChanged(cols, rows);
}

void TDataTable::MirrorRows() {
    const int rows = GetNrOfRows();
    std::vector<int> order(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) order[std::size_t(i)] = rows - i;
    matrix_.Grid().GatherRows(1, GetNrOfColumns(), 1, order);
    states_.GatherRows(1, GetNrOfColumns(), 1, order);
    rowHeaders_.Reverse();
    DataChanged();
    SetupChanged();
}

void TDataTable::MirrorColumns() {
    const int cols = GetNrOfColumns();
    std::vector<int> order(static_cast<std::size_t>(cols));
    for (int i = 0; i < cols; ++i) order[std::size_t(i)] = cols - i;
    matrix_.Grid().GatherColumns(1, GetNrOfRows(), 1, order);
    states_.GatherColumns(1, GetNrOfRows(), 1, order);
    colHeaders_.Reverse();
    DataChanged();
    SetupChanged();
}

void TDataTable::SetFComment(std::string_view Text) {
    comment_ = std::string(Text);
    SetupChanged();
}

// ---- sorting ----------------------------------------------------------------------------

TDataTable::Block TDataTable::ClampBlock(int LowCol, int LowRow, int HighCol, int HighRow) const {
    Block b{std::max(LowCol, 1), std::max(LowRow, 1), std::min(HighCol, GetNrOfColumns()),
            std::min(HighRow, GetNrOfRows())};
    return b;
}

void TDataTable::SwapLines(Axis axis, const Block& b, int i, int j, bool Headers) {
    if (axis == Axis::Rows) {
        for (int c = b.lowCol; c <= b.highCol; ++c) {
            std::swap(matrix_.Grid().Column(c)[i - 1], matrix_.Grid().Column(c)[j - 1]);
            std::swap(states_.Column(c)[i - 1], states_.Column(c)[j - 1]);
        }
        if (Headers) {
            rowHeaders_.Swap(i - 1, j - 1);
        }
    } else {
        for (int r = b.lowRow; r <= b.highRow; ++r) {
            std::swap(matrix_.Grid().Column(i)[r - 1], matrix_.Grid().Column(j)[r - 1]);
            std::swap(states_.Column(i)[r - 1], states_.Column(j)[r - 1]);
        }
        if (Headers) {
            colHeaders_.Swap(i - 1, j - 1);
        }
    }
}

void TDataTable::Reorder(Axis axis, const Block& b, std::vector<int> Order, bool Headers) {
    const int first = axis == Axis::Rows ? b.lowRow : b.lowCol;
    if (OnSortExchange) {
        // Walk the permutation's cycles: one exchange puts one line in its final place.
        const std::uint8_t kind = axis == Axis::Rows ? 0 : 1;
        const int low = axis == Axis::Rows ? b.lowCol : b.lowRow;
        const int high = axis == Axis::Rows ? b.highCol : b.highRow;
        const std::size_t n = Order.size();
        std::vector<int> current(n), positionOf(n);
        for (std::size_t i = 0; i < n; ++i) current[i] = positionOf[i] = int(i);
        for (std::size_t i = 0; i < n; ++i) {
            const int want = Order[i] - first;
            if (current[i] == want) continue;
            const std::size_t j = std::size_t(positionOf[std::size_t(want)]);
            OnSortExchange(this, kind, first + int(i), first + int(j), low, high);
            SwapLines(axis, b, first + int(i), first + int(j), Headers);
            std::swap(current[i], current[j]);
            positionOf[std::size_t(current[i])] = int(i);
            positionOf[std::size_t(current[j])] = int(j);
        }
        return;
    }
    if (axis == Axis::Rows) {
        matrix_.Grid().GatherRows(b.lowCol, b.highCol, first, Order);
        states_.GatherRows(b.lowCol, b.highCol, first, Order);
    } else {
        matrix_.Grid().GatherColumns(b.lowRow, b.highRow, first, Order);
        states_.GatherColumns(b.lowRow, b.highRow, first, Order);
    }
    if (Headers) {
        if (axis == Axis::Rows)
            rowHeaders_.Gather(first - 1, Order);
        else
            colHeaders_.Gather(first - 1, Order);
    }
}

void TDataTable::SortByNumbers(Axis axis, int KeyLine, bool Ascending, const Block& b, bool Headers) {
    const bool rows = axis == Axis::Rows;
    const int first = rows ? b.lowRow : b.lowCol, last = rows ? b.highRow : b.highCol;
    if (last <= first) return;
    if (KeyLine < 1 || KeyLine > (rows ? GetNrOfColumns() : GetNrOfRows())) return;
    Progress(0);
    std::vector<std::pair<double, int>> keys;
    std::vector<int> invalid;
    keys.reserve(std::size_t(last - first + 1));
    if (rows) {   // the key column is one contiguous run
        const double* values = matrix_.Grid().Column(KeyLine);
        const std::uint8_t* states = states_.Column(KeyLine);
        for (int i = first; i <= last; ++i) {
            if ((states[i - 1] & (dtsInvalid | dtsEmpty)) == 0)
                keys.emplace_back(values[i - 1], i);
            else
                invalid.push_back(i);
        }
    } else {
        for (int i = first; i <= last; ++i) {
            if (GetIsNumber(i, KeyLine))
                keys.emplace_back(matrix_.Grid().Column(i)[KeyLine - 1], i);
            else
                invalid.push_back(i);
        }
    }
    if (Ascending)
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& z) { return a.first < z.first; });
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& z) { return a.first > z.first; });
    Progress(50);
    std::vector<int> order;
    order.reserve(std::size_t(last - first + 1));
    for (const auto& k : keys) order.push_back(k.second);
    order.insert(order.end(), invalid.begin(), invalid.end());
    Reorder(axis, b, std::move(order), Headers);
    Progress(100);
    DataChanged();
    if (Headers) SetupChanged();
}

void TDataTable::SortByNames(Axis axis, bool Ascending, bool IgnoreCase, const Block& b) {
    const bool rows = axis == Axis::Rows;
    const int first = rows ? b.lowRow : b.lowCol, last = rows ? b.highRow : b.highCol;
    if (last <= first) return;
    auto name = [&](int i) -> const std::string& {
        return rows ? rowHeaders_[i - 1].name : colHeaders_[i - 1].name;
    };
    std::vector<int> order(std::size_t(last - first + 1));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(), [&](int a, int z) {
        const std::string& x = name(a);
        const std::string& y = name(z);
        const int c = IgnoreCase ? vcl::AnsiCompareText(x, y) : vcl::CompareStr(x, y);
        return Ascending ? c < 0 : c > 0;
    });
    Reorder(axis, b, std::move(order), true);
    DataChanged();
    SetupChanged();
}

void TDataTable::SortByAttribs(Axis axis, bool Ascending, const Block& b) {
    const bool rows = axis == Axis::Rows;
    const int first = rows ? b.lowRow : b.lowCol, last = rows ? b.highRow : b.highCol;
    if (last <= first) return;
    auto attrib = [&](int i) { return rows ? rowHeaders_[i - 1].attrib : colHeaders_[i - 1].attrib; };
    std::vector<int> order(std::size_t(last - first + 1));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(), [&](int a, int z) {
        const int x = attrib(a), y = attrib(z);
        return Ascending ? x < y : x > y;
    });
    Reorder(axis, b, std::move(order), true);
    DataChanged();
    SetupChanged();
}

void TDataTable::SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders) {
    SortByNumbers(Axis::Rows, SortCol, Ascending, ClampBlock(LowCol, LowRow, HighCol, HighRow),
                  IncludeHeaders);
}

void TDataTable::SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders) {
    SortByNumbers(Axis::Cols, SortRow, Ascending, ClampBlock(LowCol, LowRow, HighCol, HighRow),
                  IncludeHeaders);
}

void TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                              int HighRow) {
    SortByNames(Axis::Rows, Ascending, IgnoreCase, ClampBlock(LowCol, LowRow, HighCol, HighRow));
}

void TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                              int HighRow) {
    SortByNames(Axis::Cols, Ascending, IgnoreCase, ClampBlock(LowCol, LowRow, HighCol, HighRow));
}

void TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortByAttribs(Axis::Rows, Ascending, ClampBlock(LowCol, LowRow, HighCol, HighRow));
}

void TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortByAttribs(Axis::Cols, Ascending, ClampBlock(LowCol, LowRow, HighCol, HighRow));
}

// ---- notifications ----------------------------------------------------------------------

void TDataTable::DataChanged() {
    if (OnDataChanged) OnDataChanged(this);
}

void TDataTable::SetupChanged() {
    if (OnSetupChanged) OnSetupChanged(this);
}

void TDataTable::SizeChanged(int OldCols, int OldRows) {
    if (OnSizeChanged) OnSizeChanged(this, OldCols, OldRows, GetNrOfColumns(), GetNrOfRows());
}

void TDataTable::Progress(int Percent) {
    if (OnPercentDone) OnPercentDone(this, Percent);
}

}  // namespace zyn
