// TRLData: construction, cells, check marks, columns, rows, sorting, clipboard and copying.
#include <algorithm>
#include <charconv>
#include <limits>
#include <new>

#include "platform/Clipbrd.h"
#include "platform/Win32.h"
#include "replist/RLDataFiles.h"
#include "replist/Zyn_replist.h"

namespace zyn {

namespace {

std::string DefaultColName(int Col) { return "C-" + std::to_string(Col); }

// The most columns the container keeps arrays for, as many as the grid of a report list can
// show. A larger count is refused as memory the container cannot have, before anything is
// allocated: whether tens of gigabytes of column arrays would be granted depends on the
// machine (and its allocator), and the answer must not.
constexpr int kMaxColumns = 1 << 24;

// The container's handler of the store's sort exchanges. A type of its own, so that Sort can
// tell whether the store still reports to the container alone (nobody chained another
// handler in front of it).
struct TSortExchangeForwarder {
    TRLData* Owner;
    void operator()(vcl::TObject* Sender, const std::string& Key1, std::string& Key2) const {
        Owner->BeforeSortExchange(Sender, Key1, Key2);
    }
};

// Clears a store's change notification for a scope and gives it back however the scope ends.
class TChangeNotificationOff {
public:
    explicit TChangeNotificationOff(TStringArray& Store) : store_(Store), saved_(std::move(Store.OnChange)) {
        store_.OnChange = nullptr;
    }
    ~TChangeNotificationOff() { store_.OnChange = std::move(saved_); }
    TChangeNotificationOff(const TChangeNotificationOff&) = delete;
    TChangeNotificationOff& operator=(const TChangeNotificationOff&) = delete;

private:
    TStringArray& store_;
    vcl::TNotifyEvent saved_;
};

// Strict decimal literal: sign, digits with an optional "." fraction, optional exponent.
bool ParseDecimal(std::string_view S, double& Value) {
    std::size_t i = 0;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < S.size() && S[i] >= '0' && S[i] <= '9') ++i, ++digits;
    if (i < S.size() && S[i] == '.') {
        ++i;
        while (i < S.size() && S[i] >= '0' && S[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < S.size() && (S[i] == 'e' || S[i] == 'E')) {
        ++i;
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < S.size() && S[i] >= '0' && S[i] <= '9') ++i, ++exp;
        if (exp == 0) return false;
    }
    if (i != S.size()) return false;
    std::string_view body = S[0] == '+' ? S.substr(1) : S;
    auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), Value);
    return ec == std::errc() && end == body.data() + body.size();
}

// The count after a parameter keyword: blanks skipped, an optional sign, decimal digits up to
// the first non-digit; no digits give 0. Saturates far beyond any useful count.
int ParseCount(std::string_view S) {
    std::size_t i = 0;
    while (i < S.size() && S[i] == ' ') ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) negative = S[i++] == '-';
    long long n = 0;
    while (i < S.size() && S[i] >= '0' && S[i] <= '9') {
        n = std::min<long long>(n * 10 + (S[i] - '0'), 1'000'000);
        ++i;
    }
    return int(negative ? -n : n);
}

// Everything after the first "]" and, when the rest holds another "]", after that one too.
std::string_view ParameterText(std::string_view Format) {
    std::size_t p = Format.find(']');
    if (p == std::string_view::npos) return {};
    std::string_view rest = Format.substr(p + 1);
    std::size_t q = rest.find(']');
    return q == std::string_view::npos ? rest : rest.substr(q + 1);
}

std::string RowIndexDecimal(long long Row, int Digits) {
    Digits = std::clamp(Digits, 1, TStringArray::MaxCellChars - 1);
    unsigned long long v = Row < 0 ? 0ull - static_cast<unsigned long long>(Row) : Row;
    std::string s(std::size_t(Digits), '0');
    for (int i = Digits - 1; i >= 0 && v != 0; --i, v /= 10) s[std::size_t(i)] = char('0' + v % 10);
    return Row < 0 ? "-" + s : s;
}

std::string RowIndexHex(long long Row, int Digits) {
    Digits = std::clamp(Digits, 1, 8);
    std::uint32_t v = static_cast<std::uint32_t>(Row);
    static const char kHex[] = "0123456789ABCDEF";
    std::string s(std::size_t(Digits), '0');
    for (int i = Digits - 1; i >= 0; --i, v >>= 4) s[std::size_t(i)] = kHex[v & 15];
    return s;
}

}  // namespace

// ---- construction -----------------------------------------------------------------------

TRLData::TRLData(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {
    Strings = new TStringArray(this);
    Strings->SetAllocRowsBy(10);
    Strings->Resize(1, 1);
    Strings->Clear();
    try {
        ResizeColumnArrays(0, 1);
    } catch (const std::bad_alloc&) {
        RaiseComponentError<EZynRLDataError>(this, msgFailedToInitialize);
    }
    // Installed once: a direct sort of the store reaches OnBeforeSortExchange too, and a view
    // may put its own handler in front of this one.
    Strings->OnBeforeSortExchange = TSortExchangeForwarder{this};
}

TRLData::~TRLData() = default;   // the store is an owned component

void TRLData::ResizeColumnArrays(int OldCount, int NewCount) {
    FColName.resize(std::size_t(NewCount) + 1);
    FColumnFormat.resize(std::size_t(NewCount) + 1);
    FColButMode.resize(std::size_t(NewCount) + 1, cmNone);
    for (int c = OldCount + 1; c <= NewCount; ++c) {
        FColName[std::size_t(c)] = DefaultColName(c);
        FColumnFormat[std::size_t(c)].clear();
        FColButMode[std::size_t(c)] = cmNone;
    }
}

void TRLData::UpdateFeedback() {
    long long cells = (long long)std::max(FNrOfRows, 1) * (FNrOfCols + 1);
    FFeedbkNumCells = int(std::min<long long>(cells, 0x7FFFFFFF));
    FFeedbkStep = FFeedbkNumCells / 100 + 1;
}

void TRLData::SetNrCols(int Value) {
    Value = std::max(Value, 1);
    if (Value > kMaxColumns) RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    // The column arrays are built aside and the store resized before anything is taken
    // over, so a failure of either leaves count, arrays and store as they were.
    std::vector<std::string> names, formats;
    std::vector<TCheckMode> modes;
    try {
        names.assign(FColName.begin(), FColName.begin() + std::min(FNrOfCols, Value) + 1);
        formats.assign(FColumnFormat.begin(), FColumnFormat.begin() + std::min(FNrOfCols, Value) + 1);
        modes.assign(FColButMode.begin(), FColButMode.begin() + std::min(FNrOfCols, Value) + 1);
        names.reserve(std::size_t(Value) + 1);
        formats.resize(std::size_t(Value) + 1);
        modes.resize(std::size_t(Value) + 1, cmNone);
        for (int c = FNrOfCols + 1; c <= Value; ++c) names.push_back(DefaultColName(c));
    } catch (const std::exception&) {   // bad_alloc, length_error
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    }
    try {
        Strings->Resize(Value, std::max(FNrOfRows, 1));
    } catch (const EZynDStructError&) {
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    }
    FColName.swap(names);
    FColumnFormat.swap(formats);
    FColButMode.swap(modes);
    FNrOfCols = Value;
    UpdateFeedback();
}

void TRLData::SetNrRows(int Value) {
    Value = std::max(Value, 0);
    try {
        Strings->Resize(FNrOfCols, std::max(Value, 1));
    } catch (const EZynDStructError&) {
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    }
    // Rows that leave the count are emptied, so the one physical row of an empty list
    // never shows old text when rows come back.
    if (Value == 0 && FNrOfRows > 0) {
        for (int c = 0; c <= FNrOfCols; ++c) Strings->SetString(c, 1, "");
        Strings->SetRowAttrib(1, 0);
    }
    FNrOfRows = Value;
    UpdateFeedback();
}

void TRLData::SetCommonHeader(const std::string& Value) {
    if (Value != FCommonHeader) FCommonHeader = Value;
}

// ---- cells ------------------------------------------------------------------------------

std::string TRLData::GetElem(int ACol, int ARow) const {
    if (ACol < 0 || ACol > FNrOfCols || ARow < 1 || ARow > FNrOfRows) return {};
    std::string_view s = Strings->StringView(ACol, ARow);
    if (IsCheckColumn(ACol) && !s.empty()) s.remove_prefix(1);
    return std::string(s);
}

void TRLData::SetElem(int ACol, int ARow, std::string_view Value) {
    if (ACol < 0 || ACol > FNrOfCols || ARow < 1 || ARow > FNrOfRows) return;
    if (!IsCheckColumn(ACol)) {
        Strings->SetString(ACol, ARow, Value);
        return;
    }
    std::string_view old = Strings->StringView(ACol, ARow);
    std::string s;
    s.reserve(Value.size() + 1);
    s += old.empty() ? ' ' : old[0];
    s += Value;
    Strings->SetString(ACol, ARow, s);   // the store cuts to 255 characters
}

bool TRLData::GetElemChecked(int ACol, int ARow) const {
    if (ARow < 1 || ARow > FNrOfRows || !IsCheckColumn(ACol)) return false;
    return MarkChecked(Strings->StringView(ACol, ARow));
}

void TRLData::SetMark(int Col, int Row, bool Checked) {
    std::string s(Strings->StringView(Col, Row));
    if (s.empty())
        s.assign(1, Checked ? 'X' : ' ');
    else
        s[0] = Checked ? 'X' : ' ';
    Strings->SetString(Col, Row, s);
}

void TRLData::SetElemChecked(int ACol, int ARow, bool Value) {
    if (ARow < 1 || ARow > FNrOfRows || !IsCheckColumn(ACol)) return;
    if (FColButMode[std::size_t(ACol)] == cmRadio) SetAllCheckmarksOfColIntern(ACol, false, false);
    SetMark(ACol, ARow, Value);
}

double TRLData::GetAsNumber(int ACol, int ARow) const { return CellAsNumber(ACol, ARow, "TRLData"); }

double TRLData::CellAsNumber(int ACol, int ARow, std::string_view ClassLabel) const {
    if (ACol < 0 || ACol > FNrOfCols || ARow < 1 || ARow > FNrOfRows) return 0.0;
    std::string text = vcl::Trim(GetElem(ACol, ARow));
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.empty()) return 0.0;
    double value = 0.0;
    if (!ParseDecimal(text, value))
        throw EZynDStructError("Class " + std::string(ClassLabel) + ": invalid numeric string: [" +
                               std::to_string(ACol) + "," + std::to_string(ARow) + "]: " +
                               Strings->GetString(ACol, ARow));
    return value;
}

std::string RowIndexDefault(char Letter, int Row, int Count) {
    switch (Letter) {
    case 'e':
    case 'f': return ShortString(strff(Row, 1, std::min(Count, 250)), TStringArray::MaxCellChars);
    case 'h': return RowIndexHex(Row, Count);
    case 'i': return RowIndexDecimal(Row, Count);
    default: return {};
    }
}

std::string TRLData::GetCellDefaultValue(int ACol, int ARow) const {
    if (ACol < 1 || ACol > FNrOfCols) return {};
    const std::string& format = FColumnFormat[std::size_t(ACol)];
    if (format.size() < 2) return {};
    const std::string_view param = ParameterText(format);
    switch (format[1]) {
    case 'c':
    case 'l':
        return std::string(param.substr(0, param.find('|')));
    case 'd':
        return std::string(param);
    case 'e':
    case 'f':
        if (param.starts_with("rix"))
            return RowIndexDefault(format[1], ARow, ParseCount(param.substr(3)));
        return std::string(param);
    case 'h':
        if (param.starts_with("rix")) return RowIndexDefault('h', ARow, ParseCount(param.substr(3)));
        return std::string(param);
    case 'i':
        if (param.starts_with("rix")) return RowIndexDefault('i', ARow, ParseCount(param.substr(3)));
        return std::string(param);
    case 's':
        if (param.starts_with("$pwd$"))
            return InventPassword(std::clamp(ParseCount(param.substr(5)), 0, TStringArray::MaxCellChars));
        return std::string(param);
    default:
        return {};
    }
}

void TRLData::Fill(std::string_view S) {
    std::string marked;
    for (int c = 1; c <= FNrOfCols; ++c) {
        const bool check = IsCheckColumn(c);
        for (int r = 1; r <= FNrOfRows; ++r) {
            if (!check) {
                Strings->SetString(c, r, S);
                continue;
            }
            marked.assign(1, MarkChecked(Strings->StringView(c, r)) ? 'X' : ' ');
            marked += S;
            Strings->SetString(c, r, marked);
        }
    }
}

void TRLData::Clear() {
    Strings->Clear();
    for (int c = 1; c <= FNrOfCols; ++c) {
        FColName[std::size_t(c)] = DefaultColName(c);
        FColumnFormat[std::size_t(c)].clear();
        FColButMode[std::size_t(c)] = cmNone;
    }
}

// ---- rows -------------------------------------------------------------------------------

void TRLData::RemoveRow(int R) {
    if (R < 1 || R > FNrOfRows) return;
    Strings->CommitSorting();
    if (FNrOfRows > 1) {
        Strings->RemoveRow(R);
        --FNrOfRows;
    } else {
        // The physical row stays, emptied with its attribute byte, so that it does not come
        // back selected or disabled when rows are added again.
        for (int c = 0; c <= FNrOfCols; ++c) Strings->SetString(c, R, "");
        Strings->SetRowAttrib(R, 0);
        FNrOfRows = 0;
    }
    UpdateFeedback();
}

bool TRLData::IsRowEmpty(int Row) const {
    for (int c = 0; c <= FNrOfCols; ++c) {
        std::string_view s = Strings->StringView(c, Row);
        if (IsCheckColumn(c) && !s.empty()) s.remove_prefix(1);
        if (!s.empty()) return false;
    }
    return true;
}

// One pass over the store instead of one removal per row, so the cost stays linear.
void TRLData::RemoveEmptyRows() {
    // In stored order the rows after the last one in use are empty without looking at them.
    const int scan = Strings->IsSorted() ? FNrOfRows : std::min(FNrOfRows, Strings->RowsInUse());
    std::vector<int> empty;
    // A cancel comes while the rows are only looked at.
    TProgressTicker ticker = StartProgress(scan);
    for (int r = scan; r >= 1; --r) {
        if (IsRowEmpty(r)) empty.push_back(r);
        ticker.Step(scan - r + 1);
    }
    const int left = scan - int(empty.size());
    if (left == FNrOfRows) return;
    Strings->CommitSorting();
    Strings->RemoveRows(empty);
    // What follows the scanned rows is empty and cut off; with no row left the store keeps
    // one physical row, emptied with its attribute byte, as RemoveRow leaves it.
    Strings->Resize(FNrOfCols, std::max(left, 1));
    if (left == 0) {
        for (int c = 0; c <= FNrOfCols; ++c) Strings->SetString(c, 1, "");
        Strings->SetRowAttrib(1, 0);
    }
    FNrOfRows = left;
    UpdateFeedback();
}

void TRLData::CopyRow(int Source, int Target) {
    if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows) return;
    for (int c = 0; c <= FNrOfCols; ++c) Strings->SetString(c, Target, Strings->StringView(c, Source));
    Strings->SetRowAttrib(Target, Strings->GetRowAttrib(Source));
}

// ---- columns ----------------------------------------------------------------------------

std::string TRLData::GetColName(int ColNr) const {
    return ColNr >= 1 && ColNr <= FNrOfCols ? FColName[std::size_t(ColNr)] : std::string();
}

void TRLData::SetColName(int ColNr, std::string_view HLine) {
    if (ColNr >= 1 && ColNr <= FNrOfCols) FColName[std::size_t(ColNr)] = ShortString(HLine, MaxColNameChars);
}

std::string TRLData::GetColumnFormat(int ColNr) const {
    return ColNr >= 1 && ColNr <= FNrOfCols ? FColumnFormat[std::size_t(ColNr)] : std::string();
}

void TRLData::SetColumnFormat(int ColNr, std::string_view DefValue) {
    if (ColNr >= 1 && ColNr <= FNrOfCols)
        FColumnFormat[std::size_t(ColNr)] = ShortString(DefValue, MaxColFormatChars);
}

TCheckMode TRLData::GetColCheckMode(int ColNr) const {
    return ColNr >= 1 && ColNr <= FNrOfCols ? FColButMode[std::size_t(ColNr)] : cmNone;
}

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value) {
    if (ColNr < 1 || ColNr > FNrOfCols || Value > cmRadio) return;
    const TCheckMode old = FColButMode[std::size_t(ColNr)];
    if (Value == old) return;
    // The conversion is not a change a view needs to hear about cell by cell; the
    // notification comes back however the conversion ends.
    TChangeNotificationOff quiet(*Strings);
    if (old != cmRadio || Value != cmBox) {
        try {
            // The converted column is built aside and put in place in one step that cannot fail,
            // so a failure (memory) leaves the column and its mode as they were.
            TStringArray converted(nullptr);
            const int rows = Strings->GetNrOfRows();
            converted.Resize(0, rows);
            std::string s;
            for (int p = 1; p <= rows; ++p) {
                std::string_view cell = Strings->StringView(ColNr, p);
                if (cell.empty()) continue;
                if (old == cmNone) {
                    s.assign(1, ' ');   // an unchecked mark in front
                    s += cell;
                } else if (Value == cmNone) {
                    s.assign(cell.substr(1));   // the mark removed
                } else {
                    s.assign(cell);   // box to radio: every mark cleared
                    s[0] = ' ';
                }
                // Stored row for stored row: the converted matrix is unsorted.
                converted.SetString(0, Strings->GetSortOrder(p), s);
            }
            Strings->ExchangeColumn(ColNr, converted, 0);
        } catch (const std::exception&) {   // bad_alloc, or the store's own error
            RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
        }
    }
    FColButMode[std::size_t(ColNr)] = Value;
}

bool TRLData::GetCheckedCol(int ColNr) const { return GetColCheckMode(ColNr) == cmBox; }

void TRLData::SetCheckedCol(int ColNr, bool Value) { SetColCheckMode(ColNr, Value ? cmBox : cmNone); }

int TRLData::ColumnIndex(std::string_view Head, bool PartialMatch) const {
    const std::string head = vcl::AnsiLowerCase(Head);
    for (int c = FNrOfCols; c >= 1; --c) {
        const std::string name = vcl::AnsiLowerCase(FColName[std::size_t(c)]);
        if (PartialMatch ? name.find(head) != std::string::npos : name == head) return c;
    }
    return -1;
}

// ---- check marks ------------------------------------------------------------------------

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked) {
    const TCheckMode mode = GetColCheckMode(Column);
    if (mode == cmBox || (mode == cmRadio && !Checked)) SetAllCheckmarksOfColIntern(Column, Checked, false);
}

void TRLData::InvertAllCheckmarksOfCol(int Column) { InvertAllCheckmarksOfColIntern(Column, false); }

void TRLData::SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly) {
    if (!IsCheckColumn(Column)) return;
    for (int r = 1; r <= FNrOfRows; ++r) {
        if (AffectEnabledRowsOnly && (Strings->GetRowAttrib(r) & 64) != 0) continue;
        if (MarkChecked(Strings->StringView(Column, r)) != Checked || Strings->StringView(Column, r).empty())
            SetMark(Column, r, Checked);
    }
}

void TRLData::InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly) {
    if (GetColCheckMode(Column) != cmBox) return;
    for (int r = 1; r <= FNrOfRows; ++r) {
        if (AffectEnabledRowsOnly && (Strings->GetRowAttrib(r) & 64) != 0) continue;
        std::string_view s = Strings->StringView(Column, r);
        SetMark(Column, r, s.empty() || s[0] != 'X');
    }
}

int TRLData::CountCheckedElemsInCol(int Column) const {
    if (!IsCheckColumn(Column)) return 0;
    int n = 0;
    for (int r = 1; r <= FNrOfRows; ++r) n += MarkChecked(Strings->StringView(Column, r));
    return n;
}

int TRLData::CountCheckedElemsInRow(int Row) const {
    if (Row < 1 || Row > FNrOfRows) return 0;
    int n = 0;
    for (int c = 1; c <= FNrOfCols; ++c) n += IsCheckColumn(c) && MarkChecked(Strings->StringView(c, Row));
    return n;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const {
    if (!IsCheckColumn(ColNr)) return 0;
    for (int r = 1; r <= FNrOfRows; ++r)
        if (MarkChecked(Strings->StringView(ColNr, r))) return r;
    return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const {
    if (RowNr < 1 || RowNr > FNrOfRows) return 0;
    for (int c = 1; c <= FNrOfCols; ++c)
        if (IsCheckColumn(c) && MarkChecked(Strings->StringView(c, RowNr))) return c;
    return 0;
}

// ---- sorting ----------------------------------------------------------------------------

void TRLData::Sort(int Col, int ColSec, bool Ascending) {
    if (FOnProgress && Col >= 0 && Col <= FNrOfCols) {
        SortAside(Col, ColSec, Ascending);
        return;
    }
    FSortColumn = Col;
    FSortColumnSec = ColSec;
    FSortOrder = Ascending;
    FSortKeys.clear();
    RunStoreSort([&] { Strings->Sort(Col, ColSec, Ascending); });
}

// The store reports every exchange only when somebody listens: when its handler is still
// the container's own and the container has no handler, it takes the sorted order in one
// step (the handler is put back however the sort ends).
void TRLData::RunStoreSort(const std::function<void()>& Step) {
    const auto* own = Strings->OnBeforeSortExchange.target<TSortExchangeForwarder>();
    if (own != nullptr && own->Owner == this && !FOnBeforeSortExchange) {
        TBeforeSortExchgEvent handler = std::move(Strings->OnBeforeSortExchange);
        Strings->OnBeforeSortExchange = nullptr;
        try {
            Step();
        } catch (...) {
            Strings->OnBeforeSortExchange = std::move(handler);
            throw;
        }
        Strings->OnBeforeSortExchange = std::move(handler);
        return;
    }
    Step();
}

void TRLData::UnSort() {
    FSortColumn = -1;
    FSortKeys.clear();
    FSortColumnSec = -1;
    Strings->UnSort();
}

void TRLData::BeforeSortExchange(vcl::TObject*, const std::string& Key1, std::string& Key2) {
    if (FOnBeforeSortExchange) FOnBeforeSortExchange(this, Key1, Key2);
}

void TRLData::BeforeHTMLExport(std::string& Text, int Col, int Row) {
    if (FOnBeforeHTMLExport) FOnBeforeHTMLExport(this, Text, Col, Row);
}

// ---- clipboard --------------------------------------------------------------------------

void TRLData::ClampRange(int& Lo, int& Hi, int Min, int Max) const {
    Lo = std::max(Lo, Min);
    Hi = std::min(Hi, Max);
}

std::string TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                   bool AddHeader, char32_t Separator) const {
    ClampRange(LeftCol, RightCol, 0, FNrOfCols);
    ClampRange(TopRow, BottomRow, 1, FNrOfRows);
    const std::string sep = vcl::Utf8Encode(Separator);
    std::string text;
    if (AddHeader) {
        for (int c = LeftCol; c <= RightCol; ++c) {
            if (c > LeftCol) text += sep;
            text += GetColName(c);
        }
        text += "\n\n";
    }
    for (int r = TopRow; r <= BottomRow; ++r) {
        for (int c = LeftCol; c <= RightCol; ++c) {
            if (c > LeftCol) text += sep;
            text += GetElem(c, r);
        }
        text += '\n';
    }
    return text;
}

std::string TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                                   bool AddHeader, bool UseTabs) const {
    if (UseTabs) return ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, U'\t');
    ClampRange(LeftCol, RightCol, 0, FNrOfCols);
    ClampRange(TopRow, BottomRow, 1, FNrOfRows);
    std::vector<int> width;
    for (int c = LeftCol; c <= RightCol; ++c) {
        int w = AddHeader ? vcl::Length(GetColName(c)) : 0;
        for (int r = TopRow; r <= BottomRow; ++r) w = std::max(w, vcl::Length(Strings->StringView(c, r)));
        width.push_back(w + 1);
    }
    std::string text;
    if (AddHeader) {
        for (int c = LeftCol; c <= RightCol; ++c) text += LeftString(GetColName(c), width[std::size_t(c - LeftCol)]);
        text += "\n\n";
    }
    for (int r = TopRow; r <= BottomRow; ++r) {
        for (int c = LeftCol; c <= RightCol; ++c) text += LeftString(GetElem(c, r), width[std::size_t(c - LeftCol)]);
        text += '\n';
    }
    return text;
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              char Separator) {
    CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, char32_t(static_cast<unsigned char>(Separator)));
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              char32_t Separator) {
    OfferClipboard(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator), LeftCol, TopRow,
                   RightCol, BottomRow, AddHeader);
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              bool UseTabs) {
    OfferClipboard(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs), LeftCol, TopRow,
                   RightCol, BottomRow, AddHeader);
}

// ---- copying ----------------------------------------------------------------------------

void TRLData::Assign(vcl::TPersistent* Source) {
    auto* src = dynamic_cast<TRLData*>(Source);
    if (src == nullptr) {
        vcl::TComponent::Assign(Source);
        return;
    }
    if (src == this) return;
    // Built aside and taken over at the end, so a failure leaves this container as it was.
    TRLData copy(nullptr);
    const int cols = src->FNrOfCols, rows = src->FNrOfRows;
    // In stored order the rows after the last one in use are empty: only the count is copied.
    const int used = src->Strings->IsSorted() ? rows : std::min(rows, src->Strings->RowsInUse());
    TStringArray* store = copy.Strings;
    try {
        store->SetAllocRowsBy(src->Strings->GetAllocRowsBy());
        store->Resize(cols, std::max(rows, 1));
        for (int c = 1; c <= cols; ++c) store->SetColAttrib(c, src->Strings->GetColAttrib(c));
        // The presented texts go to the stored rows the source shows them from, then the
        // permutation follows: same presented order, same stored order.
        for (int i = 1; i <= used; ++i) {
            const int physical = src->Strings->GetSortOrder(i);
            for (int c = 0; c <= cols; ++c) store->SetString(c, physical, src->Strings->StringView(c, i));
        }
        // The copy is still in stored order here, so position i addresses stored row i.
        std::vector<std::uint8_t> attribs(std::size_t(used) + 1);
        for (int i = 1; i <= used; ++i) attribs[std::size_t(src->Strings->GetSortOrder(i))] = src->Strings->GetRowAttrib(i);
        for (int i = 1; i <= used; ++i) store->SetRowAttrib(i, attribs[std::size_t(i)]);
        if (src->Strings->IsSorted())
            for (int i = 1; i <= rows; ++i) store->SetSortOrder(i, src->Strings->GetSortOrder(i));
        copy.FNrOfCols = cols;
        copy.FNrOfRows = rows;
        copy.FColName = src->FColName;
        copy.FColumnFormat = src->FColumnFormat;
        copy.FColButMode = src->FColButMode;
    } catch (const std::bad_alloc&) {
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    } catch (const EZynDStructError&) {
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    }
    copy.FCommonHeader = src->FCommonHeader;
    copy.FComment = src->FComment;
    TakeOver(copy);
    FDataID = src->FDataID;
    FSortColumn = src->FSortColumn;
    FSortColumnSec = src->FSortColumnSec;
    FSortOrder = src->FSortOrder;
    FSortKeys = src->FSortKeys;
    FSortToggle = src->FSortToggle;
    FOnBeforeSortExchange = src->FOnBeforeSortExchange;
}

void TRLData::TakeOver(TRLData& Source) {
    Strings->Swap(*Source.Strings);
    FColName.swap(Source.FColName);
    FColumnFormat.swap(Source.FColumnFormat);
    FColButMode.swap(Source.FColButMode);
    FNrOfCols = Source.FNrOfCols;
    FNrOfRows = Source.FNrOfRows;
    FCommonHeader = std::move(Source.FCommonHeader);
    FComment = std::move(Source.FComment);
    FSortColumn = -1;
    FSortColumnSec = -1;
    FSortKeys.clear();
    UpdateFeedback();
}

void TRLDataAccess::SetMode(TRLData& D, int Col, TCheckMode Mode) { D.FColButMode[std::size_t(Col)] = Mode; }
void TRLDataAccess::SetHeader(TRLData& D, std::string S) { D.FCommonHeader = std::move(S); }
void TRLDataAccess::AdoptRowCount(TRLData& D, int Rows) {
    D.FNrOfRows = Rows;
    D.UpdateFeedback();
}

// ---- progress ---------------------------------------------------------------------------

TProgressTicker::TProgressTicker(const TProgressEvent& Event, vcl::TObject* Sender, std::int64_t Total,
                                 std::int64_t& LastReportMs)
    : event_(Event ? &Event : nullptr), sender_(Sender), total_(std::max<std::int64_t>(Total, 1)),
      // The clock is read about a thousand times over the operation, not at every unit.
      stride_(std::max<std::int64_t>(total_ / 1024, 1)),
      nextCheck_(event_ ? 0 : std::numeric_limits<std::int64_t>::max()), lastMs_(&LastReportMs) {
    if (event_) Check(0);
}

void TProgressTicker::Check(std::int64_t Done) {
    nextCheck_ = Done + stride_;
    const std::int64_t now = std::int64_t(vcl::GetTickCount());
    if (now - *lastMs_ < IntervalMs) return;
    *lastMs_ = now;
    bool cancel = false;
    (*event_)(sender_, std::min(Done, total_), total_, cancel);
    if (cancel) throw EZynCancelled("the operation was cancelled");
}

namespace {
const TProgressEvent& NoProgressEvent() {
    static const TProgressEvent none;
    return none;
}
}  // namespace

TRLData::TProgress::TProgress(TRLData* Owner, std::int64_t Units, bool Cancellable)
    : owner_(Owner), units_(std::max<std::int64_t>(Units, 1)),
      ticker_(Cancellable ? Owner->StartProgress(units_)
                          : TProgressTicker(NoProgressEvent(), Owner, units_, Owner->FProgressLastMs)) {
    Step(0);
}

void TRLData::TProgress::Step(std::int64_t Done) {
    ticker_.Step(Done);
    if (Done < next_ || !owner_->FOnPercentDone) return;
    // 100 is left to Finish: it means done, not all units seen.
    const int percent = int(std::min<std::int64_t>(99, Done * 100 / units_));
    if (percent != last_) {
        last_ = percent;
        owner_->FOnPercentDone(owner_, percent);
    }
    next_ = (std::int64_t(percent) + 1) * units_ / 100;
}

void TRLData::TProgress::Finish() {
    if (owner_->FOnPercentDone && last_ != 100) {
        last_ = 100;
        owner_->FOnPercentDone(owner_, 100);
    }
}

}  // namespace zyn
