// The table editor's model: construction and destruction, the properties, the seven
// notifications, the data table's notifications, marks, rows and columns, sorting and the
// exchange of whole tables.
#include "ntabed/Zyn_ntabed.h"

#include <algorithm>
#include <new>

#include "framework/Zyn_conventions.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {
constexpr int RowNameColWidth = 80;
}  // namespace

// =========================================================================================
// construction

TNTabEd::TNTabEd(TComponent* AOwner) : TCustomGrid(AOwner) {
    TNTabEdSuppression building(*this);
    // The grid starts with 5 x 5 cells; the row-attribute column shows, the
    // column-attribute row does not.
    TCustomGrid::SetFixedCols(2);
    FColPickList = std::make_unique<TStringList>();
    if (!GetComponentState().Contains(csDesigning)) {
        FNameEd = new TEdit(this);
        FNameEd->SetVisible(false);
        FNameEd->SetParent(this);
        FNameEd->SetOnKeyPress([this](TObject*, char32_t& Key) { NameEditorKeyPress(Key); });
        FCommentMM = new TMemo(this);
        FCommentMM->SetVisible(false);
        FCommentMM->SetParent(this);
        FCommentMM->SetOnKeyPress([this](TObject*, char32_t& Key) { CommentKeyPress(Key); });
    }
    TCustomGrid::SetColWidths(1, FClassColWidth);
    TCustomGrid::SetColWidths(0, RowNameColWidth);
    try {
        FDataCopy = std::make_unique<TDataTable>(nullptr);
        FDataOwned = new TDataTable(nullptr);
        Data = FDataOwned;
        Data->Resize(TCustomGrid::GetColCount() - FColOffset - 1, TCustomGrid::GetRowCount() - FRowOffset - 1);
        Data->GetMatrix()->Fill(0.0);
        FDecP.assign(std::size_t(Data->GetNrOfColumns()), 3);
    } catch (const std::exception&) {
        delete FDataOwned;
        FDataOwned = nullptr;
        Data = nullptr;
        RaiseComponentError<EZynNTabedError>(this, msgFailedToInitializeTableEditor);
    }
    HookData();
    BuildMenus();
    SetColor(FColorBkgnd);
    SetFixedColor(FColorFixed);
    FOldSel = GetSelection();
}

TNTabEd::~TNTabEd() {
    if (FExtMatAssigned) {
        UnhookData(Data);
        Data->RemoveFreeNotification(this);
    }
    delete FDataOwned;
    Data = FDataOwned = nullptr;
    delete FPopupD;
    delete FPopupH;
    delete FNameEd;
    delete FCommentMM;
}

void TNTabEd::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == nullptr) return;
    if (FExtMatAssigned && AComponent == Data) {
        // The table handed in is gone: go on with one of the editor's own, of the same size.
        // (The table is half destroyed by now; its size is read from the grid.)
        const int cols = TCustomGrid::GetColCount() - FColOffset - 1;
        const int rows = TCustomGrid::GetRowCount() - FRowOffset - 1;
        FExtMatAssigned = false;
        FDataOwned = new TDataTable(nullptr);
        Data = FDataOwned;
        Data->Resize(std::max(cols, 1), std::max(rows, 1));
        HookData();
        FollowDataSize(cols);
        Invalidate();
    }
    if (AComponent == FPopupD) FPopupD = nullptr;
    if (AComponent == FPopupH) FPopupH = nullptr;
    if (AComponent == FNameEd) FNameEd = nullptr;
    if (AComponent == FCommentMM) FCommentMM = nullptr;
}

// =========================================================================================
// the data table's notifications

void TNTabEd::HookData() {
    Data->OnDataChanged = [this](TObject*) { DataChanged(); };
    Data->OnSetupChanged = [this](TObject*) { SetupChanged(); };
    Data->OnSizeChanged = [this](TObject*, int OldCols, int OldRows, int NewCols, int NewRows) {
        DataSizeChanged(OldCols, OldRows, NewCols, NewRows);
    };
    Data->OnPercentDone = [this](TObject*, int Percent) {
        if (FOnPercentDone) FOnPercentDone(this, Percent);
    };
    Data->OnSortExchange = [this](TObject*, std::uint8_t Kind, int Index1, int Index2, int, int) {
        SortExchange(Kind, Index1, Index2);
    };
}

void TNTabEd::UnhookData(TDataTable* Table) {
    if (Table == nullptr) return;
    Table->OnDataChanged = nullptr;
    Table->OnSetupChanged = nullptr;
    Table->OnSizeChanged = nullptr;
    Table->OnPercentDone = nullptr;
    Table->OnSortExchange = nullptr;
}

void TNTabEd::DataChanged() {
    if (PaintSuppressed()) return;
    Invalidate();
    ChangedData();
}

void TNTabEd::SetupChanged() {
    if (PaintSuppressed()) return;
    Invalidate();
    ChangedSetup();
}

void TNTabEd::DataSizeChanged(int OldCols, int OldRows, int NewCols, int NewRows) {
    (void)OldRows;
    (void)NewCols;
    (void)NewRows;
    // The table changed under an open in-place editor (its cell may have moved): the
    // editor closes without storing its text again, which is stored already.
    if (GetEditorMode() && GetInplaceEditor() != nullptr) {
        FEditCell = {GetCol(), GetRow()};
        FEditLoaded = GetInplaceEditor()->GetText();
        FEditStored = false;
        HideEditor();
    }
    FollowDataSize(OldCols);
    Invalidate();
}

void TNTabEd::SortExchange(std::uint8_t Kind, int Index1, int Index2) {
    // Decimal places belong to their column when the headers move with it.
    if (Kind != 1 || !FSortIncludeHd) return;
    if (Index1 < 1 || Index2 < 1 || Index1 > int(FDecP.size()) || Index2 > int(FDecP.size())) return;
    std::swap(FDecP[std::size_t(Index1 - 1)], FDecP[std::size_t(Index2 - 1)]);
}

void TNTabEd::FollowDataSize(int OldCols) {
    // The grid keeps at least one data column and row, even for a table without any.
    const int cols = std::max(Data->GetNrOfColumns(), 1), rows = std::max(Data->GetNrOfRows(), 1);
    const int oldGridCols = TCustomGrid::GetColCount();
    const int lastWidth = TCustomGrid::GetColWidths(oldGridCols - 1);
    TCustomGrid::SetColCount(cols + FColOffset + 1);
    for (int c = std::max(OldCols, 1) + FColOffset; c <= cols + FColOffset; ++c)
        if (c >= oldGridCols) TCustomGrid::SetColWidths(c, lastWidth);
    TCustomGrid::SetRowCount(rows + FRowOffset + 1);
    ResizeDecP(Data->GetNrOfColumns());
}

void TNTabEd::ResizeDecP(int Count) {
    if (Count == int(FDecP.size())) return;
    const std::int8_t last = FDecP.empty() ? std::int8_t(3) : FDecP.back();
    try {
        FDecP.resize(std::size_t(std::max(Count, 0)), last);
    } catch (const std::exception&) {
        RaiseComponentError<EZynNTabedError>(this, msgNotEnoughMemory);
    }
}

// =========================================================================================
// notifications

void TNTabEd::ChangedData() {
    if (!PaintSuppressed() && FOnChange) FOnChange(this);
}
void TNTabEd::ChangedHeading() {
    if (!PaintSuppressed() && FOnHeadingChanged) FOnHeadingChanged(this);
}
void TNTabEd::ChangedAttrib() {
    if (!PaintSuppressed() && FOnAttributeChanged) FOnAttributeChanged(this);
}
void TNTabEd::ChangedLayout() {
    if (!PaintSuppressed() && FOnLayoutChanged) FOnLayoutChanged(this);
}
void TNTabEd::ChangedCellStates() {
    if (!PaintSuppressed() && FOnCellStateChanged) FOnCellStateChanged(this);
}
void TNTabEd::ChangedSelection() {
    FOldSel = GetSelection();
    if (!PaintSuppressed() && FOnSelectionChanged) FOnSelectionChanged(this);
}
void TNTabEd::ChangedSetup() {
    if (!PaintSuppressed() && FOnChangeSetup) FOnChangeSetup(this);
}

// =========================================================================================
// properties

std::string TNTabEd::GetComment() const { return Data->GetFComment(); }

void TNTabEd::SetComment(const std::string& Value) {
    {
        TNTabEdSuppression quiet(*this);
        Data->SetFComment(RemoveControlChars(Value));
    }
    ChangedData();
}

void TNTabEd::SetColorBackground(TColor Value) {
    if (FColorBkgnd == Value) return;
    FColorBkgnd = Value;
    SetColor(Value);
}

void TNTabEd::SetColorFixed(TColor Value) {
    if (FColorFixed == Value) return;
    FColorFixed = Value;
    SetFixedColor(Value);
}

void TNTabEd::SetColorField(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
    ChangedLayout();
}

void TNTabEd::SetColorNormal(TColor Value) { SetColorField(FColorNormal, Value); }
void TNTabEd::SetColorSelected(TColor Value) { SetColorField(FColorSelected, Value); }
void TNTabEd::SetColorMarkedA(TColor Value) { SetColorField(FColorMarkedA, Value); }
void TNTabEd::SetColorMarkedB(TColor Value) { SetColorField(FColorMarkedB, Value); }
void TNTabEd::SetColorMarkedBoth(TColor Value) { SetColorField(FColorMarkedBoth, Value); }
void TNTabEd::SetColorRangeSelFG(TColor Value) { SetColorField(FColorRngSelFG, Value); }
void TNTabEd::SetColorRangeSelBG(TColor Value) { SetColorField(FColorRngSelBG, Value); }

void TNTabEd::SetDefaultColWidth(int Value) {
    // Stores without comparing: the same width again still resets every column.
    TCustomGrid::SetDefaultColWidth(Value);
    TCustomGrid::SetColWidths(0, RowNameColWidth);
    if (FColOffset == 1) TCustomGrid::SetColWidths(1, FClassColWidth);
    ChangedLayout();
}

void TNTabEd::SetBoldMarks(bool Value) {
    if (FBoldMarks == Value) return;
    FBoldMarks = Value;
    Invalidate();
    ChangedLayout();
}

void TNTabEd::SetBoldSelHeads(bool Value) {
    if (FBoldSelHeads == Value) return;
    FBoldSelHeads = Value;
    Invalidate();
    ChangedLayout();
}

void TNTabEd::SetLeftCol(int Value) {
    Value = std::clamp(Value, 1, std::max(GetNrOfColumns(), 1));
    TCustomGrid::SetLeftCol(Value + FColOffset);
}

void TNTabEd::SetTopRow(int Value) {
    Value = std::clamp(Value, 1, std::max(GetNrOfRows(), 1));
    TCustomGrid::SetTopRow(Value + FRowOffset);
    Invalidate();
}

void TNTabEd::SetNomEditDropDownCount(int Value) {
    FDropdownCount = Value;
    if (auto* editor = dynamic_cast<TInplaceEditList*>(GetInplaceEditor())) editor->SetDropDownRows(Value);
}

void TNTabEd::SetNumWidth(int Value) {
    if (Value >= MinNumWidth && Value <= MaxNumWidth && Value != FNumWidth) {
        FNumWidth = Value;
        Invalidate();
    }
    ChangedLayout();
}

void TNTabEd::SetDataReadOnly(bool Value) {
    FReadOnly = Value;
    if (Value) HideEditor();
    SetEditing(!Value);
}

void TNTabEd::SetOptimizeRowHeight(bool Value) {
    if (FOptRowHeight == Value) return;
    FOptRowHeight = Value;
    Invalidate();
}

void TNTabEd::SetSuppressPaint(bool Value) {
    FSuppressPaint = Value;
    if (!Value) Repaint();
}

// ---- cells ------------------------------------------------------------------------------

void TNTabEd::WriteCellState(int ACol, int ARow, std::uint8_t State) {
    TNTabEdSuppression quiet(*this);
    Data->SetCellState(ACol, ARow, State);
}

void TNTabEd::SetCellState(int ACol, int ARow, std::uint8_t Value) {
    WriteCellState(ACol, ARow, Value);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetElemMarkedA(int ACol, int ARow, bool Value) {
    if (ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= GetNrOfRows()) {
        const std::uint8_t s = GetCellState(ACol, ARow);
        WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsMarkA : s & ~dtsMarkA));
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetElemMarkedB(int ACol, int ARow, bool Value) {
    if (ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= GetNrOfRows()) {
        const std::uint8_t s = GetCellState(ACol, ARow);
        WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsMarkB : s & ~dtsMarkB));
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool Value) {
    if (ACol < 1 || ACol > GetNrOfColumns() || ARow < 1 || ARow > GetNrOfRows()) return;
    const std::uint8_t s = GetCellState(ACol, ARow);
    WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsEmpty : s & ~dtsEmpty));
    Invalidate();
    ChangedCellStates();
}

// ---- headings ---------------------------------------------------------------------------

void TNTabEd::SetColName(int ColNr, const TDTNameStr& Value) {
    if (ColNr < 1 || ColNr > GetNrOfColumns()) return;
    {
        TNTabEdSuppression quiet(*this);
        Data->SetColName(ColNr, ShortString(Value, DTNameLength));
    }
    ChangedHeading();
    Invalidate();
}

void TNTabEd::SetRowName(int RowNr, const TDTNameStr& Value) {
    if (RowNr < 1 || RowNr > GetNrOfRows()) return;
    {
        TNTabEdSuppression quiet(*this);
        Data->SetRowName(RowNr, ShortString(Value, DTNameLength));
    }
    ChangedHeading();
    Invalidate();
}

std::uint8_t TNTabEd::GetColAttrib(int ColNr) const {
    return std::uint8_t(std::clamp(Data->GetColAttrib(ColNr), 0, 255));
}

void TNTabEd::SetColAttrib(int ColNr, std::uint8_t Value) {
    if (ColNr < 1 || ColNr > GetNrOfColumns()) return;
    {
        TNTabEdSuppression quiet(*this);
        Data->SetColAttrib(ColNr, Value);
    }
    Invalidate();
    ChangedAttrib();
}

std::uint8_t TNTabEd::GetRowAttrib(int RowNr) const {
    return std::uint8_t(std::clamp(Data->GetRowAttrib(RowNr), 0, 255));
}

void TNTabEd::SetRowAttrib(int RowNr, std::uint8_t Value) {
    if (RowNr < 1 || RowNr > GetNrOfRows()) return;
    {
        TNTabEdSuppression quiet(*this);
        Data->SetRowAttrib(RowNr, Value);
    }
    Invalidate();
    ChangedAttrib();
}

// ---- widths and decimal places ------------------------------------------------------------

int TNTabEd::GetColWidths(int Index) const {
    if (Index >= 1) return Index <= GetNrOfColumns() ? TCustomGrid::GetColWidths(Index + FColOffset) : 0;
    if (Index == 0) return TCustomGrid::GetColWidths(0);
    return FColOffset == 1 ? TCustomGrid::GetColWidths(1) : 0;
}

void TNTabEd::SetColWidths(int Index, int Value) {
    if (Index > GetNrOfColumns()) return;
    if (Index >= 1) {
        TCustomGrid::SetColWidths(Index + FColOffset, Value);
    } else if (Index == 0) {
        TCustomGrid::SetColWidths(0, Value);
    } else {
        FClassColWidth = Value;
        if (FColOffset == 1) TCustomGrid::SetColWidths(1, Value);
    }
    ChangedLayout();
}

std::int8_t TNTabEd::GetPrecision(int ColNr) const {
    if (ColNr < 1 || ColNr > int(FDecP.size())) return 0;
    return FDecP[std::size_t(ColNr - 1)];
}

void TNTabEd::SetPrecision(int ColNr, int Value) {
    if (ColNr < 1 || ColNr > int(FDecP.size())) return;
    FDecP[std::size_t(ColNr - 1)] = std::int8_t(std::clamp(Value, MinDecPlaces, MaxDecPlaces));
    Invalidate();
    ChangedLayout();
}

// =========================================================================================
// whole table

void TNTabEd::EndStructureChange() {
    // One paint after the bulk work, unless the application holds painting back.
    if (!FSuppressPaint) Repaint();
}

void TNTabEd::Clear() {
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        Data->Clear();
        for (int c = 1; c <= GetNrOfColumns(); ++c) Data->SetColName(c, "C-" + std::to_string(c));
        for (int r = 1; r <= GetNrOfRows(); ++r) Data->SetRowName(r, "R-" + std::to_string(r));
        std::fill(FDecP.begin(), FDecP.end(), std::int8_t(3));
    }
    EndStructureChange();
}

void TNTabEd::Fill(double value) {
    Data->GetMatrix()->Fill(value);
    Invalidate();
    ChangedData();
}

int TNTabEd::FillMarkedCells(double value, std::uint8_t Statemask) {
    // Painting is held back for the loop; the application's own SuppressPaint is restored.
    const bool old = FSuppressPaint;
    FSuppressPaint = true;
    int count = 0;
    try {
        count = Data->FillMarkedCells(value, Statemask);
    } catch (...) {
        SetSuppressPaint(old);
        throw;
    }
    SetSuppressPaint(old);
    return count;
}

void TNTabEd::InsertRow(int ix) {
    if (ix < 1 || ix > GetNrOfRows() + 1) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        Data->InsertRow(ix);
    }
    EndStructureChange();
}

void TNTabEd::InsertColumn(int ix) {
    if (ix < 1 || ix > GetNrOfColumns() + 1) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        // The new column takes the decimal places of its left neighbour (of the first
        // column when it becomes the first), and the others keep theirs.
        const std::int8_t dec = FDecP.empty() ? std::int8_t(3) : FDecP[std::size_t(std::max(ix - 2, 0))];
        FDecP.insert(FDecP.begin() + (ix - 1), dec);
        try {
            Data->InsertColumn(ix);
        } catch (...) {
            FDecP.erase(FDecP.begin() + (ix - 1));
            throw;
        }
    }
    EndStructureChange();
}

void TNTabEd::RemoveRow(int ix) {
    if (ix < 1 || ix > GetNrOfRows() || GetNrOfRows() < 2) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        Data->RemoveRow(ix);
    }
    EndStructureChange();
}

void TNTabEd::RemoveColumn(int ix) {
    if (ix < 1 || ix > GetNrOfColumns() || GetNrOfColumns() < 2) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        const std::int8_t removed = FDecP[std::size_t(ix - 1)];
        FDecP.erase(FDecP.begin() + (ix - 1));
        try {
            Data->RemoveColumn(ix);
        } catch (...) {
            FDecP.insert(FDecP.begin() + (ix - 1), removed);
            throw;
        }
    }
    EndStructureChange();
}

void TNTabEd::MirrorColumns() {
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        Data->MirrorColumns();
        std::reverse(FDecP.begin(), FDecP.end());
    }
    EndStructureChange();
}

void TNTabEd::MirrorRows() {
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        Data->MirrorRows();
    }
    EndStructureChange();
}

// =========================================================================================
// marks

int TNTabEd::CountStateBits(std::uint8_t Mask) const {
    int n = 0;
    for (int c = 1; c <= GetNrOfColumns(); ++c)
        for (int r = 1; r <= GetNrOfRows(); ++r)
            if (Data->GetCellState(c, r) & Mask) ++n;
    return n;
}

void TNTabEd::MarkBlock(int C1, int R1, int C2, int R2, std::uint8_t Mask, bool On) {
    TNTabEdSuppression quiet(*this);
    C1 = std::max(C1, 1);
    R1 = std::max(R1, 1);
    C2 = std::min(C2, GetNrOfColumns());
    R2 = std::min(R2, GetNrOfRows());
    for (int c = C1; c <= C2; ++c)
        for (int r = R1; r <= R2; ++r) {
            const std::uint8_t s = Data->GetCellState(c, r);
            Data->SetCellState(c, r, std::uint8_t(On ? s | Mask : s & ~Mask));
        }
}

void TNTabEd::MarkAllElemsA() {
    MarkBlock(1, 1, GetNrOfColumns(), GetNrOfRows(), dtsMarkA, true);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::MarkAllElemsB() {
    MarkBlock(1, 1, GetNrOfColumns(), GetNrOfRows(), dtsMarkB, true);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::UnMarkAllElems() {
    MarkBlock(1, 1, GetNrOfColumns(), GetNrOfRows(), dtsMarkA | dtsMarkB, false);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::InvertCellStates(std::uint8_t StateMask) {
    {
        TNTabEdSuppression quiet(*this);
        Data->InvertCellStates(StateMask);
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::ExchangeMarkings() {
    {
        TNTabEdSuppression quiet(*this);
        Data->ExchangeMarkings();
    }
    Invalidate();
    ChangedCellStates();
}

int TNTabEd::NrOfMarkedDataA() const { return CountStateBits(dtsMarkA); }
int TNTabEd::NrOfMarkedDataB() const { return CountStateBits(dtsMarkB); }

bool TNTabEd::IfRowMarked(int row) const {
    if (row < 1 || row > GetNrOfRows()) return false;
    for (int c = 1; c <= GetNrOfColumns(); ++c)
        if (Data->GetCellState(c, row) & (dtsMarkA | dtsMarkB)) return true;
    return false;
}

bool TNTabEd::IfColumnMarked(int col) const {
    if (col < 1 || col > GetNrOfColumns()) return false;
    for (int r = 1; r <= GetNrOfRows(); ++r)
        if (Data->GetCellState(col, r) & (dtsMarkA | dtsMarkB)) return true;
    return false;
}

bool TNTabEd::IfAnyMarked() const {
    for (int r = 1; r <= GetNrOfRows(); ++r)
        if (IfRowMarked(r)) return true;
    return false;
}

// =========================================================================================
// sorting and finding

namespace {
// Runs a sort of the table with painting held back, then repaints and reports once.
template <class F>
void RunSort(TNTabEd& Ed, bool HeadersMove, F&& Sort) {
    Ed.HideEditor();
    {
        TNTabEdSuppression quiet(Ed);
        Sort();
    }
    Ed.Invalidate();
    Ed.ChangedData();
    if (HeadersMove) Ed.ChangedSetup();
}
}  // namespace

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
    FSortIncludeHd = IncludeHeaders;
    RunSort(*this, IncludeHeaders,
            [&] { Data->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders); });
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
    FSortIncludeHd = IncludeHeaders;
    RunSort(*this, IncludeHeaders,
            [&] { Data->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders); });
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(*this, true, [&] { Data->SortColAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(*this, true, [&] { Data->SortRowAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(*this, true, [&] { Data->SortColNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(*this, true, [&] { Data->SortRowNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow); });
}

int TNTabEd::FindColIndex(const std::string& ColID) const {
    const int ix = Data->FindColIndex(ColID);
    return ix >= 1 ? ix : -1;
}

int TNTabEd::FindRowIndex(const std::string& RowID) const {
    const int ix = Data->FindRowIndex(RowID);
    return ix >= 1 ? ix : -1;
}

// =========================================================================================
// other tables

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab) {
    if (NewDTab == nullptr || NewDTab == Data) return;
    HideEditor();
    const int oldCols = Data->GetNrOfColumns();
    if (FExtMatAssigned) {
        UnhookData(Data);
        Data->RemoveFreeNotification(this);
    }
    delete FDataOwned;
    FDataOwned = nullptr;
    Data = NewDTab;
    FExtMatAssigned = true;
    Data->FreeNotification(this);
    HookData();
    {
        TNTabEdSuppression quiet(*this);
        FollowDataSize(oldCols);
    }
    EndStructureChange();
    ChangedSetup();
}

void TNTabEd::CopyContentsFrom(TDataTable* ExtTab) {
    if (ExtTab == nullptr || ExtTab == Data) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        const int cols = ExtTab->GetNrOfColumns(), rows = ExtTab->GetNrOfRows();
        Data->Resize(cols, rows);
        for (int c = 1; c <= cols; ++c) {
            for (int r = 1; r <= rows; ++r) {
                Data->GetMatrix()->SetElem(c, r, ExtTab->GetElem(c, r));
                Data->SetCellState(c, r, ExtTab->GetCellState(c, r));
            }
            Data->SetColName(c, ExtTab->GetColName(c));
            Data->SetColAttrib(c, ExtTab->GetColAttrib(c));
        }
        for (int r = 1; r <= rows; ++r) {
            Data->SetRowName(r, ExtTab->GetRowName(r));
            Data->SetRowAttrib(r, ExtTab->GetRowAttrib(r));
        }
        Data->SetFComment(ExtTab->GetFComment());
    }
    EndStructureChange();
    ChangedData();
    ChangedSetup();
}

bool TNTabEd::CopyCellStatesFrom(TDataTable* ExtTab) {
    if (ExtTab == nullptr || ExtTab->GetNrOfColumns() != GetNrOfColumns() || ExtTab->GetNrOfRows() != GetNrOfRows())
        return false;
    {
        TNTabEdSuppression quiet(*this);
        for (int c = 1; c <= GetNrOfColumns(); ++c)
            for (int r = 1; r <= GetNrOfRows(); ++r) Data->SetCellState(c, r, ExtTab->GetCellState(c, r));
    }
    Invalidate();
    ChangedCellStates();
    return true;
}

}  // namespace zyn
