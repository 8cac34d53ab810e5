// The table editor's model: construction and destruction, the properties, the seven
// notifications, the data table's notifications, marks, rows and columns, sorting and the
// exchange of whole tables.
#include "ntabed/Zyn_ntabed.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

#include "framework/Zyn_conventions.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {
constexpr int RowNameColWidth = 80;

// The heading editor ends with Enter (storing) or Escape (leaving the heading as it was), so
// it asks for them: on a form with a default or cancel button they would press the button.
class TNTabEdNameEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void WMGetDlgCode(TMessage& Message) override {
        TEdit::WMGetDlgCode(Message);
        Message.Result |= DLGC_WANTALLKEYS;
    }
};
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
        FNameEd = new TNTabEdNameEdit(this);
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
    // Leave the table's link first: the other editors of the table hear it no more from
    // here on, and an own table that they show tells them it goes.
    if (Data != nullptr) UnhookData(Data);
    if (FExtMatAssigned) Data->RemoveFreeNotification(this);
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
        // (The table is half destroyed by now: neither its size nor its handlers are read;
        // the size comes from the grid and the decimal places.)
        UnhookData(nullptr);
        const int cols = std::max(int(FDecP.size()), 1);
        const int rows = std::max(TCustomGrid::GetRowCount() - FRowOffset - 1, 1);
        FExtMatAssigned = false;
        FUndo.Clear();
        Data = nullptr;
        FDataOwned = new TDataTable(nullptr);
        Data = FDataOwned;
        try {
            Data->Resize(cols, rows);
        } catch (const std::exception&) {
            Data->Resize(1, 1);   // no memory for that size: a table all the same
        }
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

// A table has one handler for each of its notifications, and several editors may show it.
// The editors of one table therefore share a link: the table's handlers belong to the link,
// which passes every notification on to each editor attached. The handlers hold the link,
// so an editor that attaches later finds it in them; the editors hold it too, so it outlives
// whichever goes first, the table or its last editor.
class TNTabEdTableLink {
public:
    std::vector<TNTabEd*> Editors;
    // While an editor sorts the table: whether the headers move with the lines (1) or not
    // (0), for every editor; -1 otherwise, each editor then going by its own last sort.
    int SortHeaders = -1;

    bool Attached(const TNTabEd* Ed) const { return std::find(Editors.begin(), Editors.end(), Ed) != Editors.end(); }
    bool AnyBusy() const {
        return std::any_of(Editors.begin(), Editors.end(), [](const TNTabEd* e) { return e->FInternSuppPaint; });
    }
    // Each editor in turn; a handler may attach or free editors on the way.
    template <class F>
    void ForEach(F&& Each) {
        // The usual case, one editor, without a copy of the list (nothing is read after).
        if (Editors.size() == 1) {
            Each(*Editors.front());
            return;
        }
        const std::vector<TNTabEd*> now = Editors;
        for (TNTabEd* e : now)
            if (Attached(e)) Each(*e);
    }

    // Data and setup changes made while an editor works on the table in bulk reach the
    // other editors once, when it has finished (the working editor reports for itself).
    void Changed(bool Setup) {
        const bool busy = AnyBusy();
        ForEach([&](TNTabEd& e) {
            if (e.FInternSuppPaint) return;
            if (busy) (Setup ? e.FPendingSetup : e.FPendingData) = true;
            else if (Setup) e.SetupChanged();
            else e.DataChanged();
        });
    }
    void Flush() {
        const bool pending = std::any_of(Editors.begin(), Editors.end(),
                                         [](const TNTabEd* e) { return e->FPendingData || e->FPendingSetup; });
        if (!pending || AnyBusy()) return;
        ForEach([&](TNTabEd& e) {
            if (std::exchange(e.FPendingData, false)) e.DataChanged();
            if (std::exchange(e.FPendingSetup, false)) e.SetupChanged();
        });
    }
    // Every editor follows, also when one of them cannot; the first failure is raised after.
    void SizeChanged(int OldCols, int OldRows, int NewCols, int NewRows) {
        std::exception_ptr failure;
        ForEach([&](TNTabEd& e) {
            try {
                e.DataSizeChanged(OldCols, OldRows, NewCols, NewRows);
            } catch (...) {
                if (!failure) failure = std::current_exception();
            }
        });
        if (failure) std::rethrow_exception(failure);
    }
    void Percent(int Value) {
        ForEach([&](TNTabEd& e) {
            if (e.FOnPercentDone) e.FOnPercentDone(&e, Value);
        });
    }
    void SortExchange(std::uint8_t Kind, int Index1, int Index2) {
        ForEach([&](TNTabEd& e) {
            const bool headers = SortHeaders >= 0 ? SortHeaders == 1 : e.FSortIncludeHd;
            e.SortExchange(Kind, headers, Index1, Index2);
        });
    }
};

namespace {

// The table's size handler; by its type an editor recognises the link of a table that
// other editors show already. Each handler first takes its own hold on the link, since a
// handler may replace the table's handlers (and with them this one).
struct TSizeRelay {
    std::shared_ptr<TNTabEdTableLink> Link;
    void operator()(TObject*, int OldCols, int OldRows, int NewCols, int NewRows) const {
        const std::shared_ptr<TNTabEdTableLink> link = Link;
        link->SizeChanged(OldCols, OldRows, NewCols, NewRows);
    }
};

std::shared_ptr<TNTabEdTableLink> LinkOf(TDataTable* Table) {
    const TSizeRelay* relay = Table->OnSizeChanged.target<TSizeRelay>();
    return relay != nullptr ? relay->Link : nullptr;
}

}  // namespace

void TNTabEd::HookData() {
    std::shared_ptr<TNTabEdTableLink> link = LinkOf(Data);
    if (!link) link = std::make_shared<TNTabEdTableLink>();
    if (!link->Attached(this)) link->Editors.push_back(this);
    FLink = link;
    FPendingData = FPendingSetup = false;
    // Handlers the application gave the table are replaced, as by a single editor.
    Data->OnSizeChanged = TSizeRelay{link};
    Data->OnDataChanged = [link](TObject*) {
        const std::shared_ptr<TNTabEdTableLink> hold = link;
        hold->Changed(false);
    };
    Data->OnSetupChanged = [link](TObject*) {
        const std::shared_ptr<TNTabEdTableLink> hold = link;
        hold->Changed(true);
    };
    Data->OnPercentDone = [link](TObject*, int Percent) {
        const std::shared_ptr<TNTabEdTableLink> hold = link;
        hold->Percent(Percent);
    };
    Data->OnSortExchange = [link](TObject*, std::uint8_t Kind, int Index1, int Index2, int, int) {
        const std::shared_ptr<TNTabEdTableLink> hold = link;
        hold->SortExchange(Kind, Index1, Index2);
    };
}

void TNTabEd::UnhookData(TDataTable* Table) {
    const std::shared_ptr<TNTabEdTableLink> link = std::move(FLink);
    FPendingData = FPendingSetup = false;
    if (!link) return;
    link->Editors.erase(std::remove(link->Editors.begin(), link->Editors.end(), this), link->Editors.end());
    // The last editor leaves the table quiet (unless its handlers are someone else's by now).
    if (Table == nullptr || !link->Editors.empty() || LinkOf(Table) != link) return;
    Table->OnDataChanged = nullptr;
    Table->OnSetupChanged = nullptr;
    Table->OnSizeChanged = nullptr;
    Table->OnPercentDone = nullptr;
    Table->OnSortExchange = nullptr;
}

std::vector<TNTabEd*> TNTabEd::PeerEditors() const {
    std::vector<TNTabEd*> peers;
    if (FLink)
        for (TNTabEd* e : FLink->Editors)
            if (e != this) peers.push_back(e);
    return peers;
}

void TNTabEd::InternalQuietEnded() {
    if (!FLink) return;
    // Runs as a bulk change ends, possibly while an exception passes: what the other
    // editors' handlers raise is reported, not thrown from here.
    try {
        const std::shared_ptr<TNTabEdTableLink> link = FLink;
        link->Flush();
    } catch (...) {
        if (Application != nullptr) Application->HandleException(this);
    }
}

void TNTabEd::DataChanged() {
    if (PaintSuppressed() || FDataHookMuted) return;
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
    // A size change from outside the editor (the application, another editor of the table)
    // leaves the steps' places meaningless.
    if (!FInternSuppPaint) FUndo.Clear();
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

void TNTabEd::SortExchange(std::uint8_t Kind, bool Headers, int Index1, int Index2) {
    // Decimal places belong to their column when the headers move with it.
    if (Kind != 1 || !Headers) return;
    if (Index1 < 1 || Index2 < 1 || Index1 > int(FDecP.size()) || Index2 > int(FDecP.size())) return;
    std::swap(FDecP[std::size_t(Index1 - 1)], FDecP[std::size_t(Index2 - 1)]);
}

int TNTabEd::GridColsFor(int ColOffset) const {
    // The grid keeps at least one data column, even for a table without any, and shows no
    // more than it can hold (a table resized from outside may have more).
    return std::clamp(Data->GetNrOfColumns(), 1, MaxDataLines) + ColOffset + 1;
}

int TNTabEd::GridRowsFor(int RowOffset) const {
    return std::clamp(Data->GetNrOfRows(), 1, MaxDataLines) + RowOffset + 1;
}

void TNTabEd::CheckGridSize(long long Cols, long long Rows) const {
    if (Cols <= MaxDataLines && Rows <= MaxDataLines) return;
    RaiseComponentError<EZynNTabedError>(this, "the grid cannot show " + std::to_string(Cols) + " columns and " +
                                                   std::to_string(Rows) + " rows (at most " +
                                                   std::to_string(MaxDataLines) + " of each)");
}

void TNTabEd::FollowDataSize(int OldCols) {
    // The decimal places come first: whatever the grid does, they match the table's columns.
    ResizeDecP(Data->GetNrOfColumns());
    const int gridCols = GridColsFor(FColOffset);
    const int oldGridCols = TCustomGrid::GetColCount();
    const int lastWidth = TCustomGrid::GetColWidths(oldGridCols - 1);
    TCustomGrid::SetColCount(gridCols);
    for (int c = std::max(std::min(OldCols, gridCols), 1) + FColOffset; c < gridCols; ++c)
        if (c >= oldGridCols) TCustomGrid::SetColWidths(c, lastWidth);
    TCustomGrid::SetRowCount(GridRowsFor(FRowOffset));
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
    RecordRegion(1, 1, 0, 0, RgComment);
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
    RecordRegion(ACol, ARow, ACol, ARow, RgCells);
    WriteCellState(ACol, ARow, Value);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetElemMarkedA(int ACol, int ARow, bool Value) {
    if (ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= GetNrOfRows()) {
        RecordRegion(ACol, ARow, ACol, ARow, RgCells);
        const std::uint8_t s = GetCellState(ACol, ARow);
        WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsMarkA : s & ~dtsMarkA));
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetElemMarkedB(int ACol, int ARow, bool Value) {
    if (ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= GetNrOfRows()) {
        RecordRegion(ACol, ARow, ACol, ARow, RgCells);
        const std::uint8_t s = GetCellState(ACol, ARow);
        WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsMarkB : s & ~dtsMarkB));
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool Value) {
    if (ACol < 1 || ACol > GetNrOfColumns() || ARow < 1 || ARow > GetNrOfRows()) return;
    RecordRegion(ACol, ARow, ACol, ARow, RgCells);
    const std::uint8_t s = GetCellState(ACol, ARow);
    WriteCellState(ACol, ARow, std::uint8_t(Value ? s | dtsEmpty : s & ~dtsEmpty));
    Invalidate();
    ChangedCellStates();
}

// ---- headings ---------------------------------------------------------------------------

void TNTabEd::SetColName(int ColNr, const TDTNameStr& Value) {
    if (ColNr < 1 || ColNr > GetNrOfColumns()) return;
    RecordRegion(ColNr, 1, ColNr, 1, RgColHeads);
    {
        TNTabEdSuppression quiet(*this);
        Data->SetColName(ColNr, ShortString(Value, DTNameLength));
    }
    ChangedHeading();
    Invalidate();
}

void TNTabEd::SetRowName(int RowNr, const TDTNameStr& Value) {
    if (RowNr < 1 || RowNr > GetNrOfRows()) return;
    RecordRegion(1, RowNr, 1, RowNr, RgRowHeads);
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
    RecordRegion(ColNr, 1, ColNr, 1, RgColHeads);
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
    RecordRegion(1, RowNr, 1, RowNr, RgRowHeads);
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
    RecordRegion(ColNr, 1, ColNr, 1, RgColHeads);
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
    RecordAll(RgCells | RgColHeads | RgRowHeads);
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
    RecordAll(RgCells);
    Data->GetMatrix()->Fill(value);
    // The matrix tells nobody: the table's other editors hear it from here.
    if (const std::shared_ptr<TNTabEdTableLink> link = FLink)
        link->ForEach([this](TNTabEd& e) {
            if (&e != this) e.DataChanged();
        });
    Invalidate();
    ChangedData();
}

int TNTabEd::FillMarkedCells(double value, std::uint8_t Statemask) {
    // Painting is held back for the loop; the application's own SuppressPaint is restored.
    const bool old = FSuppressPaint;
    FSuppressPaint = true;
    int count = 0;
    RecordAll(RgCells);
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
    CheckGridSize(GetNrOfColumns(), GetNrOfRows() + 1LL);
    HideEditor();
    RecordLine(false, ix, true);
    {
        TNTabEdSuppression quiet(*this);
        Data->InsertRow(ix);
    }
    EndStructureChange();
}

void TNTabEd::InsertColumn(int ix) {
    if (ix < 1 || ix > GetNrOfColumns() + 1) return;
    CheckGridSize(GetNrOfColumns() + 1LL, GetNrOfRows());
    HideEditor();
    RecordLine(true, ix, true);
    {
        TNTabEdSuppression quiet(*this);
        // In every editor of the table the new column takes the decimal places of its left
        // neighbour (of the first column when it becomes the first), and the others keep
        // theirs.
        std::vector<TNTabEd*> editors = PeerEditors();
        editors.insert(editors.begin(), this);
        std::vector<TNTabEd*> moved;
        for (TNTabEd* e : editors) {
            if (int(e->FDecP.size()) < ix - 1) continue;   // follows the table's size later
            const std::int8_t dec = e->FDecP.empty() ? std::int8_t(3) : e->FDecP[std::size_t(std::max(ix - 2, 0))];
            e->FDecP.insert(e->FDecP.begin() + (ix - 1), dec);
            moved.push_back(e);
        }
        const int before = GetNrOfColumns();
        try {
            Data->InsertColumn(ix);
        } catch (...) {
            if (GetNrOfColumns() == before)
                for (TNTabEd* e : moved)
                    if (int(e->FDecP.size()) >= ix) e->FDecP.erase(e->FDecP.begin() + (ix - 1));
            throw;
        }
    }
    EndStructureChange();
}

void TNTabEd::RemoveRow(int ix) {
    if (ix < 1 || ix > GetNrOfRows() || GetNrOfRows() < 2) return;
    HideEditor();
    RecordLine(false, ix, false);
    {
        TNTabEdSuppression quiet(*this);
        Data->RemoveRow(ix);
    }
    EndStructureChange();
}

void TNTabEd::RemoveColumn(int ix) {
    if (ix < 1 || ix > GetNrOfColumns() || GetNrOfColumns() < 2) return;
    HideEditor();
    RecordLine(true, ix, false);
    {
        TNTabEdSuppression quiet(*this);
        // The column's decimal places go with it, in every editor of the table.
        std::vector<TNTabEd*> editors = PeerEditors();
        editors.insert(editors.begin(), this);
        std::vector<std::pair<TNTabEd*, std::int8_t>> removed;
        for (TNTabEd* e : editors) {
            if (int(e->FDecP.size()) < ix) continue;
            removed.emplace_back(e, e->FDecP[std::size_t(ix - 1)]);
            e->FDecP.erase(e->FDecP.begin() + (ix - 1));
        }
        const int before = GetNrOfColumns();
        try {
            Data->RemoveColumn(ix);
        } catch (...) {
            if (GetNrOfColumns() == before)
                for (auto& [e, dec] : removed)
                    if (int(e->FDecP.size()) >= ix - 1) e->FDecP.insert(e->FDecP.begin() + (ix - 1), dec);
            throw;
        }
    }
    EndStructureChange();
}

void TNTabEd::MirrorColumns() {
    HideEditor();
    RecordMirror(true);
    {
        TNTabEdSuppression quiet(*this);
        Data->MirrorColumns();
        std::reverse(FDecP.begin(), FDecP.end());
        for (TNTabEd* e : PeerEditors()) std::reverse(e->FDecP.begin(), e->FDecP.end());
    }
    EndStructureChange();
}

void TNTabEd::MirrorRows() {
    HideEditor();
    RecordMirror(false);
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
    RecordRegion(C1, R1, C2, R2, RgCells);
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
    RecordAll(RgCells);
    {
        TNTabEdSuppression quiet(*this);
        Data->InvertCellStates(StateMask);
    }
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::ExchangeMarkings() {
    RecordAll(RgCells);
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

void TNTabEd::RunSort(bool HeadersMove, int LowCol, int LowRow, int HighCol, int HighRow,
                      const std::function<void()>& Sort) {
    HideEditor();
    // The block's cells and the headings of its lines, whichever of them the sort moves.
    RecordRegion(LowCol, LowRow, HighCol, HighRow, RgCells | RgColHeads | RgRowHeads);
    {
        TNTabEdSuppression quiet(*this);
        // While this editor sorts, every editor of the table moves its decimal places as
        // this sort moves the headers.
        const std::shared_ptr<TNTabEdTableLink> link = FLink;
        struct TSortHeaders {
            TNTabEdTableLink* Link;
            ~TSortHeaders() {
                if (Link != nullptr) Link->SortHeaders = -1;
            }
        } restore{link.get()};
        if (link) link->SortHeaders = FSortIncludeHd ? 1 : 0;
        Sort();
    }
    Invalidate();
    ChangedData();
    if (HeadersMove) ChangedSetup();
}

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
    FSortIncludeHd = IncludeHeaders;
    RunSort(IncludeHeaders, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders); });
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
    FSortIncludeHd = IncludeHeaders;
    RunSort(IncludeHeaders, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders); });
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(true, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortColAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(true, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortRowAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(true, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortColNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow); });
}

void TNTabEd::SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
    FSortIncludeHd = true;
    RunSort(true, LowCol, LowRow, HighCol, HighRow,
            [&] { Data->SortRowNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow); });
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
    UnhookData(Data);
    if (FExtMatAssigned) Data->RemoveFreeNotification(this);
    // Editors that show the own table as well hear that it goes, and take one of theirs.
    delete FDataOwned;
    FDataOwned = nullptr;
    Data = NewDTab;
    FExtMatAssigned = true;
    FUndo.Clear();   // the steps belong to the former table
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
    CheckGridSize(ExtTab->GetNrOfColumns(), ExtTab->GetNrOfRows());
    HideEditor();
    {
        TUndoGroup step(FUndo);
        TNTabEdSuppression quiet(*this);
        // The room first, which fails without changing anything; the whole table then
        // follows into it: values, states, names, attributes, which columns are nominal
        // with their identifiers (none of the former ones stays), and the comment.
        RecordResize(ExtTab->GetNrOfColumns(), ExtTab->GetNrOfRows());
        Data->Resize(ExtTab->GetNrOfColumns(), ExtTab->GetNrOfRows());
        RecordAll(RgCells | RgColHeads | RgRowHeads | RgComment);
        Data->Assign(ExtTab);
    }
    EndStructureChange();
    ChangedData();
    ChangedSetup();
}

bool TNTabEd::CopyCellStatesFrom(TDataTable* ExtTab) {
    if (ExtTab == nullptr || ExtTab->GetNrOfColumns() != GetNrOfColumns() || ExtTab->GetNrOfRows() != GetNrOfRows())
        return false;
    RecordAll(RgCells);
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
