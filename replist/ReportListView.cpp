// The report list view: construction, head rows, properties, the container's operations,
// rows, selection, column order and widths.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "platform/Forms.h"
#include "replist/Zyn_ReportListView.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

// ---- construction -----------------------------------------------------------------------

TReportListView::TReportListView(TComponent* AOwner) : TCustomDrawGrid(AOwner) {
    FData = new TRLData(nullptr);
    SetDefaultDrawing(false);
    SetFixedCols(0);
    SetFixedRows(1);
    FData->SetNrCols(5);
    FData->SetNrRows(4);
    FData->Strings->Clear();
    SetColCount(5);
    ResizeColumnArrays(5);
    InstallStoreCallbacks();
    ApplyHeadRows();
    SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goColSizing, goRowSelect, goThumbTracking});
    TCustomGrid::SetTopRow(1);
    SetDoubleBuffered(true);
    // A view created in code paints at once; the grid has its window from the start here.
    FSuppressPaint = false;
}

TReportListView::~TReportListView() { delete FData; }

void TReportListView::InstallStoreCallbacks() {
    FData->Strings->OnChange = [this](TObject*) {
        Changed();
        RepaintView();
    };
    FData->Strings->OnPercentDone = [this](TObject*, int Percent) {
        if (FOnPercentDone) FOnPercentDone(this, Percent);
    };
    FData->SetOnPercentDone([this](TObject*, int Percent) {
        if (FOnPercentDone) FOnPercentDone(this, Percent);
    });
    // Only while the view has a handler: the container computes its sorts aside then.
    if (FOnProgress)
        FData->SetOnProgress([this](TObject*, std::int64_t Done, std::int64_t Total, bool& Cancel) {
            if (FOnProgress) FOnProgress(this, Done, Total, Cancel);
        });
    else
        FData->SetOnProgress(nullptr);
    // The store exchanges rows one at a time only while someone listens; without a handler
    // it takes the new order over at once (far faster for large lists).
    if (FOnBeforeSortExchange)
        FData->Strings->OnBeforeSortExchange = [this](TObject*, const std::string& K1, std::string& K2) {
            if (FOnBeforeSortExchange) FOnBeforeSortExchange(this, K1, K2);
        };
    else
        FData->Strings->OnBeforeSortExchange = nullptr;
    FData->SetOnBeforeHTMLExport([this](TObject*, std::string& Text, int Col, int Row) {
        if (FOnBeforeHTMLExport) FOnBeforeHTMLExport(this, Text, Col, Row);
    });
}

void TReportListView::SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) {
    FOnBeforeSortExchange = std::move(Value);
    InstallStoreCallbacks();
}

void TReportListView::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TReportListView*>(Source);
    if (!src) {
        TCustomDrawGrid::Assign(Source);
        return;
    }
    FAutoAdvance = src->FAutoAdvance;
    FLastMousePosX = src->FLastMousePosX;
    FLastMousePosY = src->FLastMousePosY;
    FOnChange = src->FOnChange;
    FOnChangeSetup = src->FOnChangeSetup;
    FOnSelectedChange = src->FOnSelectedChange;
    FSelectAnchor = src->FSelectAnchor;
    FRowSelectMode = src->FRowSelectMode;
    FSortEnabled = src->FSortEnabled;
    TCustomDrawGrid::SetEnabled(src->GetEnabled());
    FOnBeforeCheckedChange = src->FOnBeforeCheckedChange;
    FOnCheckedChange = src->FOnCheckedChange;
    FOnGetEditText = src->FOnGetEditText;
    FOnSetEditText = src->FOnSetEditText;
    FColorSelectedRow = src->FColorSelectedRow;
    FColorSelectedRowText = src->FColorSelectedRowText;
    FColorSelectedCol = src->FColorSelectedCol;
    FColorSelectedColText = src->FColorSelectedColText;
    FColorSelectedBoth = src->FColorSelectedBoth;
    FColorSelectedBothText = src->FColorSelectedBothText;
    FColorHigh = src->FColorHigh;
    FColorHighText = src->FColorHighText;
    FColorText = src->FColorText;
    FColorBkgdNormal = src->FColorBkgdNormal;
    FColorBkgdShaded = src->FColorBkgdShaded;
    FColorDisabledBkgd = src->FColorDisabledBkgd;
    FColorDisabledText = src->FColorDisabledText;
    FColorEmptyMsg = src->FColorEmptyMsg;
    TCustomGrid::SetFixedColor(src->GetFixedColor());
    FColorColumnHdText = src->FColorColumnHdText;
    FColorCommonHd = src->FColorCommonHd;
    FColorCommonHdText = src->FColorCommonHdText;
    FHighLightBold = src->FHighLightBold;
    FHighLightRow = src->FHighLightRow;
    FHighLightColumn = src->FHighLightColumn;
    FRowColPattern = src->FRowColPattern;
    FCommonHeaderAlignment = src->FCommonHeaderAlignment;
    FCommonHeaderVisible = src->FCommonHeaderVisible;
    FColumnHeadersVisible = src->FColumnHeadersVisible;
    FCommonHeaderHeight = src->FCommonHeaderHeight;
    FColumnHeadersHeight = src->FColumnHeadersHeight;
    FOnRequestEditFormat = src->FOnRequestEditFormat;
    FShowEmptyCheckBoxes = src->FShowEmptyCheckBoxes;
    FOnPercentDone = src->FOnPercentDone;
    FOnProgress = src->FOnProgress;
    FOnBeforeRenderCell = src->FOnBeforeRenderCell;
    FOnBeforeSortExchange = src->FOnBeforeSortExchange;
    FOnBeforeHTMLExport = src->FOnBeforeHTMLExport;
    FOnBeforeFilter = src->FOnBeforeFilter;
    FInterRowIndicatorPos = src->FInterRowIndicatorPos;
    FInterRowIndicatorColor = src->FInterRowIndicatorColor;
    FInterRowIndicatorWidth = src->FInterRowIndicatorWidth;
    FFixedFirstColumn = src->FFixedFirstColumn;
    FData->Assign(src->FData);
    FShownRows = src->FShownRows;
    if (GetFixedCols() >= GetNrOfColumns()) SetFixedCols(0);
    SetColCount(GetNrOfColumns());
    ApplyFixedCols();
    ApplyHeadRows();
    FColAlignment = src->FColAlignment;
    FColumnEditable = src->FColumnEditable;
    FColumnIsPwd = src->FColumnIsPwd;
    FColSortKind = src->FColSortKind;
    FColOrder = src->FColOrder;
    InstallStoreCallbacks();
    SetSuppressPaint(src->FSuppressPaint);
    RepaintView();
}

// ---- head rows --------------------------------------------------------------------------

void TReportListView::ApplyHeadRows() {
    const int head = CountHeadRows();
    // Summed wide: a count near the integer limit reaches the grid as a refusal, not a wrap.
    const std::int64_t rows = std::max<std::int64_t>(std::int64_t(head) + GetNrOfShownRows(), head + 1);
    SetRowCount(int(std::min<std::int64_t>(rows, std::numeric_limits<int>::max())));
    SetFixedRows(head);
    ApplyHeaderHeights();
    DropHiddenCurrent();
}

void TReportListView::ApplyHeaderHeights() {
    const int def = GetDefaultRowHeight();
    if (FCommonHeaderVisible && FColumnHeadersVisible) {
        SetRowHeights(0, FCommonHeaderHeight);
        SetRowHeights(1, FColumnHeadersHeight);
        return;
    }
    SetRowHeights(0, FCommonHeaderVisible ? FCommonHeaderHeight
                     : FColumnHeadersVisible ? FColumnHeadersHeight : def);
    if (GetRowCount() > 1) SetRowHeights(1, def);
}

int TReportListView::HeadRowsHeight() const {
    int h = 0;
    for (int r = 0; r < CountHeadRows(); ++r) h += GetRowHeights(r);
    return h;
}

// ---- repainting -------------------------------------------------------------------------

void TReportListView::RepaintView() {
    if (!FSuppressPaint) Invalidate();
}

void TReportListView::SetSuppressPaint(bool Value) {
    FSuppressPaint = Value;
    if (!Value) Invalidate();
}

namespace {
// Suspends painting for a scope and restores the saved state (which repaints once when
// painting becomes allowed again).
class TPaintPause {
public:
    explicit TPaintPause(TReportListView* V) : v_(V), saved_(V->GetSuppressPaint()) { V->SetSuppressPaint(true); }
    ~TPaintPause() { v_->SetSuppressPaint(saved_); }
    TPaintPause(const TPaintPause&) = delete;
    TPaintPause& operator=(const TPaintPause&) = delete;

private:
    TReportListView* v_;
    bool saved_;
};
}  // namespace

void TReportListView::SetColour(TColor& Field, TColor Value) {
    Field = Value;
    RepaintView();
    ChangedSetup();
}

// ---- published properties ---------------------------------------------------------------

void TReportListView::SetNrCols(int Value) {
    HideEditor();
    const int oldLast = GetColCount() - 1;
    const int lastWidth = TCustomGrid::GetColWidths(oldLast);
    FData->SetNrCols(Value);
    const int n = GetNrOfColumns();
    try {
        ResizeColumnArrays(n);
    } catch (const std::bad_alloc&) {
        throw EZynRepListError("Component \"" + GetName() + "\": not enough memory on heap");
    }
    // The grid keeps one scrolling column beside the fixed one.
    if (GetFixedCols() >= n) SetFixedCols(0);
    SetColCount(n);
    ApplyFixedCols();
    for (int c = oldLast; c < n; ++c) TCustomGrid::SetColWidths(c, lastWidth);
    for (int c = 1; c <= n; ++c) FColOrder[std::size_t(c)] = c;
    SetTopRow(0);
    RepaintView();
    ChangedSetup();
}

void TReportListView::ResizeColumnArrays(int NewCount) {
    const std::size_t n = std::size_t(NewCount) + 1;
    FColAlignment.resize(n, taLeftJustify);
    FColumnEditable.resize(n, false);
    FColumnIsPwd.resize(n, false);
    FColSortKind.resize(n, skText);
    const std::size_t old = FColOrder.size();
    FColOrder.resize(n);
    for (std::size_t c = std::max<std::size_t>(old, 1); c < n; ++c) FColOrder[c] = int(c);
}

void TReportListView::SetNrRows(int Value) {
    HideEditor();
    ClearFilter();
    const int old = GetNrOfRows();
    FData->SetNrRows(Value);
    try {
        ApplyHeadRows();
    } catch (const EInvalidGridOperation&) {
        // More rows than the grid can hold: the container goes back to its old count.
        FData->SetNrRows(old);
        ApplyHeadRows();
        RaiseComponentError<EZynRepListError>(this, msgNotEnoughMemory);
    }
    SetSelection(TGridRect(0, 0, 0, 0));
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetColorColumnHd(TColor Value) {
    TCustomGrid::SetFixedColor(Value);
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor Value) {
    if (Value == FColorEmptyMsg) return;
    SetColour(FColorEmptyMsg, Value);
}

void TReportListView::SetCommonHeader(const std::string& Value) {
    if (Value == FData->GetCommonHeader()) return;
    FData->SetCommonHeader(Value);
    Changed();
    RepaintView();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment Value) {
    if (Value == FCommonHeaderAlignment) return;
    FCommonHeaderAlignment = Value;
    Changed();
    RepaintView();
}

void TReportListView::SetComHdVis(bool Value) {
    if (Value == FCommonHeaderVisible) return;
    HideEditor();
    FCommonHeaderVisible = Value;
    ApplyHeadRows();
    Changed();
    RepaintView();
}

void TReportListView::SetColHdVis(bool Value) {
    if (Value == FColumnHeadersVisible) return;
    HideEditor();
    FColumnHeadersVisible = Value;
    ApplyHeadRows();
    Changed();
    RepaintView();
}

void TReportListView::ChangeScale(int M, int D) {
    TCustomDrawGrid::ChangeScale(M, D);
    FCommonHeaderHeight = std::clamp(MulDiv(FCommonHeaderHeight, M, D), 8, 127);
    FColumnHeadersHeight = std::clamp(MulDiv(FColumnHeadersHeight, M, D), 8, 127);
    FInterRowIndicatorWidth = std::max(1, MulDiv(FInterRowIndicatorWidth, M, D));
    ApplyHeaderHeights();
    RepaintView();
}

void TReportListView::SetCommonHeaderHeight(int Value) {
    FCommonHeaderHeight = std::clamp(Value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    RepaintView();
}

void TReportListView::SetColumnHeadersHeight(int Value) {
    FColumnHeadersHeight = std::clamp(Value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    RepaintView();
}

void TReportListView::SetDefaultColWidth(int Value) {
    TCustomGrid::SetDefaultColWidth(Value);
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetDefaultRowHeight(int Value) {
    TCustomGrid::SetDefaultRowHeight(Value);
    ApplyHeaderHeights();
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetEmptyMessage(const std::string& Value) {
    if (Value == FEmptyMessage) return;
    FEmptyMessage = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetEnabled(bool Value) {
    TCustomDrawGrid::SetEnabled(Value);
    Invalidate();
}

void TReportListView::SetFixedFirstColumn(bool Value) {
    FFixedFirstColumn = Value;
    ApplyFixedCols();
    Changed();
    RepaintView();
}

// The grid needs one scrolling column beside a fixed one: with a single column the first
// one waits unfixed, and becomes fixed as soon as a second column exists.
void TReportListView::ApplyFixedCols() {
    const int fixed = FFixedFirstColumn && GetColCount() > 1 ? 1 : 0;
    if (GetFixedCols() != fixed) SetFixedCols(fixed);
}

void TReportListView::SetHighLightBold(bool Value) {
    FHighLightBold = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetHighLightRow(int Value) {
    FHighLightRow = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetHighLightColumn(int Value) {
    FHighLightColumn = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetInterRowIndicatorWidth(int Value) {
    FInterRowIndicatorWidth = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetInterRowIndicatorPos(int Value) {
    FInterRowIndicatorPos = Value;
    RepaintView();
}

void TReportListView::SetCheckMarksReadOnly(bool Value) {
    FCheckMarksReadOnly = Value;
    RepaintView();
}

void TReportListView::SetRowColPattern(int Value) {
    FRowColPattern = Value;
    RepaintView();
    ChangedSetup();
}

void TReportListView::SetShowEmptyCheckBoxes(bool Value) {
    if (Value == FShowEmptyCheckBoxes) return;
    FShowEmptyCheckBoxes = Value;
    RepaintView();
}

void TReportListView::SetRowSelectMode(int Value) {
    FRowSelectMode = Value;
    if (Value == 2) return;
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, false);
        if (Value == 0) {
            // A cell outside the data, so that no cell shows as selected; the grid keeps
            // the current cell inside its bounds.
            const int c = std::min(GetNrOfColumns(), GetColCount() - 1);
            const int r = std::min(GetNrOfShownRows() + GetFixedRows(), GetRowCount() - 1);
            SetSelection(TGridRect(c, r, c, r));
        }
    }
    ChangedSelection();
}

int TReportListView::GetTopRow() const { return TCustomGrid::GetTopRow() - CountHeadRows() + 1; }

void TReportListView::SetTopRow(int Value) {
    const int head = CountHeadRows();
    const int top = std::clamp(Value + head - 1, head, std::max(head, head + GetNrOfShownRows() - 1));
    if (top < GetRowCount()) TCustomGrid::SetTopRow(top);
}

void TReportListView::SetLeftCol(int Value) {
    const int a = std::min(Value, GetNrOfColumns());
    const int left = std::max(a, GetFixedCols() + 1) - 1;
    if (left < GetColCount()) TCustomGrid::SetLeftCol(left);
}

void TReportListView::SetSortColumnSec(int Value) {
    if (Value < -1 || Value > GetNrOfColumns()) return;
    if (Value == FSortColumnSec) return;
    FSortColumnSec = Value;
    ChangedSetup();
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    RepaintView();
}

void TReportListView::TopLeftChanged() {
    Invalidate();
    TCustomDrawGrid::TopLeftChanged();
}

// ---- per-column arrays ------------------------------------------------------------------

TAlignment TReportListView::GetColumnAlignment(int ColNr) const {
    return ValidCol(ColNr) ? FColAlignment[std::size_t(ColNr)] : taLeftJustify;
}
void TReportListView::SetColumnAlignment(int ColNr, TAlignment Value) {
    if (!ValidCol(ColNr)) return;
    FColAlignment[std::size_t(ColNr)] = Value;
    RepaintView();
}
bool TReportListView::GetColumnEditable(int ColNr) const {
    return ValidCol(ColNr) && FColumnEditable[std::size_t(ColNr)];
}
void TReportListView::SetColumnEditable(int ColNr, bool Value) {
    if (ValidCol(ColNr)) FColumnEditable[std::size_t(ColNr)] = Value;
}
bool TReportListView::GetColumnIsPwd(int ColNr) const {
    return ValidCol(ColNr) && FColumnIsPwd[std::size_t(ColNr)];
}
void TReportListView::SetColumnIsPwd(int ColNr, bool Value) {
    if (!ValidCol(ColNr)) return;
    FColumnIsPwd[std::size_t(ColNr)] = Value;
    RepaintView();
}
namespace {
const std::array<std::string_view, 4> SortKindNames{"skText", "skNumber", "skDateTime", "skNatural"};
}  // namespace

TSortKind TReportListView::GetColumnSortKind(int ColNr) const {
    return ValidCol(ColNr) ? FColSortKind[std::size_t(ColNr)] : skText;
}
void TReportListView::SetColumnSortKind(int ColNr, TSortKind Value) {
    if (ValidCol(ColNr) && std::size_t(Value) < SortKindNames.size()) FColSortKind[std::size_t(ColNr)] = Value;
}
std::string TReportListView::GetColumnSortKinds() const {
    int last = GetNrOfColumns();
    while (last >= 1 && FColSortKind[std::size_t(last)] == skText) --last;
    std::string out;
    for (int c = 1; c <= last; ++c) {
        if (c > 1) out += ',';
        out += SortKindNames[FColSortKind[std::size_t(c)]];
    }
    return out;
}
void TReportListView::SetColumnSortKinds(const std::string& Value) {
    std::vector<TSortKind> kinds(FColSortKind.size(), skText);
    std::size_t col = 1, start = 0;
    const std::string_view all(Value);
    while (start <= all.size() && !all.empty()) {
        std::size_t end = all.find(',', start);
        if (end == std::string_view::npos) end = all.size();
        std::string_view name = all.substr(start, end - start);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        // An empty entry leaves its column at text order.
        const auto it = name.empty() ? SortKindNames.begin()
                                     : std::find_if(SortKindNames.begin(), SortKindNames.end(),
                                                    [&](std::string_view n) { return SameText(n, name); });
        if (it == SortKindNames.end())
            throw EZynRepListError("invalid sort kind: " + std::string(name.substr(0, 40)));
        if (col < kinds.size()) kinds[col] = TSortKind(it - SortKindNames.begin());
        ++col;
        start = end + 1;
    }
    FColSortKind.swap(kinds);
}

void TReportListView::ChangedSelection() {
    vcl::NotifyAccessible(this, vcl::aeSelection);
    if (FOnSelectedChange) FOnSelectedChange(this);
}

int TReportListView::GetColumnOrder(int ColNr) const {
    return ValidCol(ColNr) ? FColOrder[std::size_t(ColNr)] : 0;
}
bool TReportListView::SetColumnOrder(std::span<const int> ColList) {
    if (int(ColList.size()) != GetNrOfColumns()) return false;
    bool ok = true;
    for (std::size_t i = 0; i < ColList.size(); ++i) {
        if (ValidCol(ColList[i])) FColOrder[i + 1] = ColList[i];
        else ok = false;
    }
    return ok;
}
int TReportListView::DisplayPosOf(int DataCol) const {
    for (int p = 1; p <= GetNrOfColumns(); ++p)
        if (FColOrder[std::size_t(p)] == DataCol) return p;
    return 0;
}

// ---- forwarded container operations -----------------------------------------------------

std::string TReportListView::GetElem(int ACol, int ARow) const {
    std::string s = FData->GetElem(ACol, ARow);
    if (FOnReadCell) FOnReadCell(const_cast<TReportListView*>(this), ACol, ARow, s);
    return s;
}
void TReportListView::SetElem(int ACol, int ARow, std::string_view Value) { FData->SetElem(ACol, ARow, Value); }
void TReportListView::SetElemChecked(int ACol, int ARow, bool Value) { FData->SetElemChecked(ACol, ARow, Value); }

double TReportListView::GetAsNumber(int ACol, int ARow) const {
    return FData->CellAsNumber(ACol, ARow, "TReportListView");
}

int TReportListView::CountCheckedElemsInCol(int Column) const {
    if (!ValidCol(Column) || FData->GetColCheckMode(Column) == cmNone) return 0;
    int n = 0;
    for (int r = 1; r <= GetNrOfRows(); ++r)
        if (!(RowAttrib(r) & RowDisabledBit) && FData->GetElemChecked(Column, r)) ++n;
    return n;
}

void TReportListView::SetColName(int ColNr, std::string_view Name) {
    if (!ValidCol(ColNr)) return;
    FData->SetColName(ColNr, Name);
    Changed();
    RepaintView();
}
void TReportListView::SetColumnFormat(int ColNr, std::string_view Format) {
    if (!ValidCol(ColNr)) return;
    FData->SetColumnFormat(ColNr, Format);
    Changed();
    RepaintView();
}
void TReportListView::SetCheckedCol(int ColNr, bool Value) {
    FData->SetCheckedCol(ColNr, Value);
    Changed();
    RepaintView();
}
void TReportListView::SetColCheckMode(int ColNr, TCheckMode Value) {
    FData->SetColCheckMode(ColNr, Value);
    Changed();
    RepaintView();
}
void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly) {
    const TCheckMode m = FData->GetColCheckMode(Column);
    if (m == cmNone || (m == cmRadio && Checked)) return;
    TPaintPause pause(this);
    FData->SetAllCheckmarksOfColIntern(Column, Checked, AffectEnabledRowsOnly);
}
void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly) {
    TPaintPause pause(this);
    FData->InvertAllCheckmarksOfColIntern(Column, AffectEnabledRowsOnly);
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending) {
    // While filtered the found rows stay first, sorted among themselves.
    if (FShownRows >= 0) FilterAndSortFound([&] { FData->Sort(Col, ColSec, Ascending); });
    else FData->Sort(Col, ColSec, Ascending);
    RepaintView();
}
void TReportListView::SortBy(std::span<const TRLSortKey> Keys) {
    if (FShownRows >= 0) FilterAndSortFound([&] { FData->SortBy(Keys); });
    else FData->SortBy(Keys);
    RepaintView();
}
void TReportListView::UnSort() {
    ClearFilter();
    FData->UnSort();
    RepaintView();
}

// ---- files ------------------------------------------------------------------------------

void TReportListView::AfterLoad() {
    FShownRows = -1;
    const int n = GetNrOfColumns();
    ResizeColumnArrays(n);
    if (GetFixedCols() >= n) SetFixedCols(0);
    SetColCount(n);
    ApplyFixedCols();
    for (int c = 1; c <= n; ++c) FColOrder[std::size_t(c)] = c;
    ApplyHeadRows();
    RepaintView();
    ChangedSetup();
}

// The container's readers replace its contents only after a complete read, so a failed
// read leaves both the container and the view as they were.
bool TReportListView::LoadFromXMLFile(const std::string& FName, const std::string& DataID) {
    HideEditor();
    const bool ok = FData->LoadFromXMLFile(FName, DataID);
    if (ok) AfterLoad();
    return ok;
}
bool TReportListView::ReadFromXMLStream(TStream* InStream, const std::string& DataID) {
    HideEditor();
    const bool ok = FData->ReadFromXMLStream(InStream, DataID);
    if (ok) AfterLoad();
    return ok;
}
bool TReportListView::ReadFromXMLString(const std::string& InString, const std::string& DataID) {
    HideEditor();
    const bool ok = FData->ReadFromXMLString(InString, DataID);
    if (ok) AfterLoad();
    return ok;
}
bool TReportListView::ReadFromOpenXMLFile(TTextFile& F, const std::string& DataID) {
    HideEditor();
    const bool ok = FData->ReadFromOpenXMLFile(F, DataID);
    if (ok) AfterLoad();
    return ok;
}
int TReportListView::ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders) {
    HideEditor();
    const int n = FData->ImportCSV(FName, Delimiter, IncludeColHeaders);
    AfterLoad();
    return n;
}
int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const std::string& FName) {
    HideEditor();
    const int n = FData->LoadLinesFromFile(Column, FirstRow, FName);
    AfterLoad();
    return n;
}

// ---- rows -------------------------------------------------------------------------------

int TReportListView::InsertRow(int R) {
    HideEditor();
    if (R >= 1) {
        ClearFilter();
        if (R <= GetNrOfRows()) {
            FData->Strings->InsertRow(R);
            // The container counts its rows itself; the store already holds the new one.
            FData->SetNrRows(GetNrOfRows() + 1);
            ApplyHeadRows();
            ChangedSetup();
        } else {
            SetNrRows(GetNrOfRows() + 1);
            R = GetNrOfRows();
        }
    }
    FData->Sort(-1, -1, FData->GetLastSortOrder());   // forget the last sort columns
    FSortColumnSec = -1;
    RepaintView();
    return R;
}

int TReportListView::AddRow() {
    HideEditor();
    SetNrRows(GetNrOfRows() + 1);
    return GetNrOfRows();
}

void TReportListView::RemoveRow(int R) {
    if (!ValidRow(R)) return;
    HideEditor();
    if (FShownRows >= 0 && R <= FShownRows) --FShownRows;
    FData->RemoveRow(R);
    ApplyHeadRows();
    if (GetNrOfRows() == 0) RepaintView();
    else ChangedSetup();
}

void TReportListView::SetOnProgress(TProgressEvent Value) {
    FOnProgress = std::move(Value);
    InstallStoreCallbacks();
}

void TReportListView::RemoveEmptyRows() {
    HideEditor();
    TPaintPause pause(this);
    // One pass over the rows and one removal of all empty ones keeps this linear; a cancel
    // comes while the rows are only looked at.
    std::vector<int> empty;
    TProgressTicker ticker = FData->StartProgress(GetNrOfRows());
    for (int r = 1; r <= GetNrOfRows(); ++r) {
        if (FData->IsRowEmpty(r)) empty.push_back(r);
        ticker.Step(r);
    }
    if (empty.empty()) return;
    if (FShownRows >= 0) {
        int shownGone = 0;
        for (int r : empty)
            if (r <= FShownRows) ++shownGone;
        FShownRows -= shownGone;
    }
    if (int(empty.size()) == GetNrOfRows()) {
        // The last row stays as an empty, uncounted row of the store.
        while (GetNrOfRows() > 0) FData->RemoveRow(GetNrOfRows());
    } else {
        FData->Strings->CommitSorting();
        FData->Strings->RemoveRows(std::move(empty));
        FData->SetNrRows(FData->Strings->GetNrOfRows());
    }
    ApplyHeadRows();
    ChangedSetup();
}

void TReportListView::Fill(std::string_view S) {
    HideEditor();
    TPaintPause pause(this);
    FData->Fill(S);
}

void TReportListView::Clear() {
    HideEditor();
    ClearFilter();
    FData->Clear();
    const int n = GetNrOfColumns();
    for (int c = 1; c <= n; ++c) {
        FColAlignment[std::size_t(c)] = taLeftJustify;
        FColumnIsPwd[std::size_t(c)] = false;
        FColSortKind[std::size_t(c)] = skText;
        FColumnEditable[std::size_t(c)] = false;
        FColOrder[std::size_t(c)] = c;
    }
    ApplyHeadRows();
    RepaintView();
}

// ---- selection --------------------------------------------------------------------------

void TReportListView::SetRowBit(int R, std::uint8_t Bit, bool On) {
    const std::uint8_t a = RowAttrib(R);
    const std::uint8_t b = On ? std::uint8_t(a | Bit) : std::uint8_t(a & ~Bit);
    if (a != b) FData->Strings->SetRowAttrib(R, b);
}

void TReportListView::SelectRow(int RowNr) {
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, r == RowNr);
    }
    ChangedSelection();
}
void TReportListView::SelectAllRows() {
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, true);
    }
    ChangedSelection();
}
void TReportListView::DeselectAllRows() {
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, false);
    }
    ChangedSelection();
}
void TReportListView::SelectColumn(int ColNr) {
    {
        TPaintPause pause(this);
        for (int c = 1; c <= GetNrOfColumns(); ++c) {
            const std::uint8_t a = FData->Strings->GetColAttrib(c);
            FData->Strings->SetColAttrib(c, c == ColNr ? std::uint8_t(a | ColSelectedBit) : std::uint8_t(a & ~ColSelectedBit));
        }
    }
    ChangedSelection();
}
void TReportListView::SelectAllColumns() {
    {
        TPaintPause pause(this);
        for (int c = 1; c <= GetNrOfColumns(); ++c)
            FData->Strings->SetColAttrib(c, std::uint8_t(FData->Strings->GetColAttrib(c) | ColSelectedBit));
    }
    ChangedSelection();
}
void TReportListView::DeselectAllColumns() {
    {
        TPaintPause pause(this);
        for (int c = 1; c <= GetNrOfColumns(); ++c)
            FData->Strings->SetColAttrib(c, std::uint8_t(FData->Strings->GetColAttrib(c) & ~ColSelectedBit));
    }
    ChangedSelection();
}
void TReportListView::EnableAllRows() {
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowDisabledBit, false);
    }
    ChangedSelection();
}
void TReportListView::DisableAllRows() {
    {
        TPaintPause pause(this);
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowDisabledBit, true);
    }
    ChangedSelection();
}
bool TReportListView::GetRowSelect(int R) const { return ValidRow(R) && (RowAttrib(R) & RowSelectedBit); }
void TReportListView::SetRowSelect(int R, bool Value) {
    if (!ValidRow(R)) return;
    SetRowBit(R, RowSelectedBit, Value);
    ChangedSelection();
    RepaintView();
}
bool TReportListView::GetRowEnabled(int R) const { return ValidRow(R) && !(RowAttrib(R) & RowDisabledBit); }
void TReportListView::SetRowEnabled(int R, bool Value) {
    if (!ValidRow(R)) return;
    SetRowBit(R, RowDisabledBit, !Value);
    ChangedSelection();
    RepaintView();
}
bool TReportListView::GetColSelect(int C) const {
    return ValidCol(C) && (FData->Strings->GetColAttrib(C) & ColSelectedBit);
}
void TReportListView::SetColSelect(int C, bool Value) {
    if (!ValidCol(C)) return;
    const std::uint8_t a = FData->Strings->GetColAttrib(C);
    FData->Strings->SetColAttrib(C, Value ? std::uint8_t(a | ColSelectedBit) : std::uint8_t(a & ~ColSelectedBit));
    ChangedSelection();
    RepaintView();
}
int TReportListView::FirstSelectedRow() const {
    for (int r = 1; r <= GetNrOfRows(); ++r)
        if (RowAttrib(r) & RowSelectedBit) return (RowAttrib(r) & RowDisabledBit) ? 0 : r;
    return 0;
}
int TReportListView::FirstSelectedColumn() const {
    for (int c = 1; c <= GetNrOfColumns(); ++c)
        if (GetColSelect(c)) return c;
    return 0;
}
int TReportListView::NumSelectedRows() const {
    int n = 0;
    for (int r = 1; r <= GetNrOfRows(); ++r) n += (RowAttrib(r) & RowSelectedBit) ? 1 : 0;
    return n;
}
int TReportListView::NumSelectedColumns() const {
    int n = 0;
    for (int c = 1; c <= GetNrOfColumns(); ++c) n += GetColSelect(c) ? 1 : 0;
    return n;
}
int TReportListView::NumEnabledRows() const {
    int n = 0;
    for (int r = 1; r <= GetNrOfRows(); ++r) n += (RowAttrib(r) & RowDisabledBit) ? 0 : 1;
    return n;
}

void TReportListView::CenterScrollAndSelect(int Row) {
    SelectRow(Row);
    const int vis = GetVisibleRowCount();
    const int shown = GetNrOfShownRows();
    int top = Row > shown - vis / 2 ? shown - vis + 1 : Row - vis / 2;
    SetTopRow(std::max(top, 1));
    if (Row >= 1 && Row <= shown) {
        const int g = GridRowOfDataRow(Row);
        SetSelection(TGridRect(GetFixedCols(), g, GetColCount() - 1, g));
    }
}

// ---- column widths ----------------------------------------------------------------------

int TReportListView::GetColWidths(int Index) const {
    const int p = ValidCol(Index) ? DisplayPosOf(Index) : 0;
    return p ? TCustomGrid::GetColWidths(p - 1) : 0;
}
void TReportListView::SetColWidths(int Index, int Value) {
    const int p = ValidCol(Index) ? DisplayPosOf(Index) : 0;
    if (!p) return;
    TCustomGrid::SetColWidths(p - 1, Value);
    ChangedSetup();
}

bool TReportListView::ItalicFont() const { return GetFont()->GetStyle().Contains(fsItalic); }

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader) {
    return MeasureColWidth(ColNr, IncludeHeader, nullptr, 0);
}

int TReportListView::MeasureColWidth(int ColNr, bool IncludeHeader, TProgressTicker* Ticker, std::int64_t DoneBefore) {
    if (!ValidCol(ColNr)) return 9;
    TCanvas* c = GetCanvas();
    c->SetFont(GetFont());
    const bool check = FData->GetColCheckMode(ColNr) != cmNone;
    const bool italic = ItalicFont();
    const bool pwd = GetColumnIsPwd(ColNr);
    const int extra = (check ? 16 : 0) + (italic ? 2 : 0);
    int best = 0;
    if (pwd) {
        best = c->TextWidth(std::string(PasswordMask)) + extra;
    } else {
        const int rows = GetNrOfShownRows();
        // A text of n bytes is no wider than n times the widest character; measure only the
        // texts that could still beat the best width.
        const int widestChar = std::max(1, c->TextWidth("W"));
        for (int r = 1; r <= rows; ++r) {
            if (Ticker != nullptr) Ticker->Step(DoneBefore + r);
            std::string_view s = FData->Strings->StringView(ColNr, r);
            if (check && !s.empty()) s.remove_prefix(1);
            if (s.empty()) continue;
            if (int(s.size()) * widestChar * 2 + extra <= best) continue;
            best = std::max(best, c->TextWidth(std::string(s)) + extra);
        }
    }
    if (IncludeHeader) {
        int h = c->TextWidth(FData->GetColName(ColNr));
        if (FData->GetLastSortColumn() == ColNr) h += 13;
        if (italic) h += 2;
        best = std::max(best, h);
    }
    return best + 9;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
    SetColWidths(ColNr, std::max(DetermineMaxColWidth(ColNr, IncludeHeader) + Addon, 4));
}
void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth) {
    SetColWidths(ColNr, std::min(MaxWidth, std::max(DetermineMaxColWidth(ColNr, IncludeHeader) + Addon, 4)));
}
void TReportListView::ExpandColWidth(int ColIx, int RightMargin) {
    if (!ValidCol(ColIx)) return;
    int others = 0;
    for (int c = 1; c <= GetNrOfColumns(); ++c)
        if (c != ColIx) others += GetColWidths(c);
    int w = GetClientWidth() - RightMargin - others;
    if (w <= 15) w = 16;
    SetColWidths(ColIx, w);
}
void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin) {
    {
        TPaintPause pause(this);
        // All widths are measured before any is set, so that a cancel changes none.
        const int cols = GetNrOfColumns();
        const std::int64_t rows = GetNrOfShownRows();
        TProgressTicker ticker = FData->StartProgress(std::int64_t(cols) * rows);
        std::vector<int> widths(std::size_t(cols) + 1, 0);
        for (int c = 1; c <= cols; ++c)
            if (c != ExpandColumn)
                widths[std::size_t(c)] = std::min(
                    MaxWidth, std::max(MeasureColWidth(c, IncludeHeader, &ticker, (c - 1) * rows) + Addon, 4));
        for (int c = 1; c <= cols; ++c)
            if (c != ExpandColumn) SetColWidths(c, widths[std::size_t(c)]);
        ExpandColWidth(ExpandColumn, RightMargin);
    }
}

std::pair<int, int> TReportListView::MouseCell(int X, int Y) const {
    const TGridCoord g = MouseCoord(X, Y);
    if (g.X < 0 || g.Y < 0) return {0, 0};
    const int col = g.X + 1;
    if (g.Y < GetFixedRows()) {
        if (g.Y == ColumnHeaderGridRow()) return {col, -1};
        return {col, -2};
    }
    return {col, DataRowOfGridRow(g.Y)};
}

}  // namespace zyn
