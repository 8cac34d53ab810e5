// The report list view's mouse and keyboard: click-to-sort on the column headers, check
// boxes, row selection in the three modes, double-click sizing of a column at a header
// border, cursor keys, Enter to advance and the in-place editor; from the keyboard also
// Space on check marks, Escape out of the editor, Ctrl+A, Ctrl+C, Ctrl+V and Shift+Insert,
// the context menu keys and the
// column steps, with the focus cue that shows the current row.
#include <algorithm>
#include <utility>

#include "platform/Forms.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

using namespace vcl;

namespace {
// A header click this close to a cell's side edge belongs to the border (sizing), not to
// the header (sorting).
constexpr int BorderZone = 4;
constexpr int CheckBoxHit = 18;
}  // namespace

void TReportListView::MouseMove(TShiftState Shift, int X, int Y) {
    FLastMousePosX = X;
    FLastMousePosY = Y;
    TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const TGridCoord g = MouseCoord(X, Y);
    if (g.X < 0 || g.Y < 0) return;
    const int dataCol = GetColumnOrder(g.X + 1);
    if (g.Y == ColumnHeaderGridRow()) {
        const TRect cr = CellRect(g.X, g.Y);
        if (FSortEnabled && X - cr.Left > BorderZone && cr.Right - X > BorderZone) {
            try {
                HeaderClickSort(dataCol, Shift.Contains(ssShift));
            } catch (const EZynCancelled&) {
                // The application stopped the sort (OnProgress): the click did nothing.
            }
        }
        return;
    }
    if (g.Y < GetFixedRows()) return;   // the common header
    const int dataRow = DataRowOfGridRow(g.Y);
    if (dataRow < 1 || dataRow > GetNrOfShownRows()) return;
    FKeyCol = g.X;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    const bool rowEnabled = !(RowAttrib(dataRow) & RowDisabledBit);
    SetEditing(GetColumnEditable(dataCol) && rowEnabled);
    const TRect cr = CellRect(g.X, g.Y);
    if (FData->GetColCheckMode(dataCol) != cmNone && X - cr.Left < ScaledMetric(CheckBoxHit) &&
        !FCheckMarksReadOnly && rowEnabled &&
        (!FData->GetElem(dataCol, dataRow).empty() || FShowEmptyCheckBoxes))
        CheckBoxClick(dataCol, dataRow);
    SelectByClick(DataRowOfGridRow(GetSelection().Top), Shift);
    SetSuppressPaint(saved);
}

// The first header click sorts descending (the toggle starts true and is inverted first);
// each further click reverses the direction. A Shift+click adds a key to the last sort (or
// reverses one of its keys) and leaves the toggle alone. The selected record keeps its
// selection at its new position.
void TReportListView::HeaderClickSort(int DataCol, bool AddKey) {
    const TCursor savedCursor = Screen->GetCursor();
    Screen->SetCursor(crHourGlass);
    const TGridRect sel = GetSelection();
    const int selRow = DataRowOfGridRow(sel.Top);
    const int physical = FData->Strings->GetSortOrder(selRow);
    std::function<void()> sortAll;
    const bool toggleBefore = FData->GetSortToggle();
    if (AddKey && FData->GetLastSortColumn() >= 0) {
        std::vector<TRLSortKey> keys = FData->GetLastSortKeys();
        if (keys.empty()) {
            // The last sort came from a plain click: its column and secondary column as keys.
            const bool asc = FData->GetLastSortOrder();
            const int primary = FData->GetLastSortColumn(), secondary = FData->GetLastSortColumnSec();
            keys.push_back({primary, asc, GetColumnSortKind(primary)});
            if (secondary >= 0 && secondary != primary && secondary <= GetNrOfColumns())
                keys.push_back({secondary, asc, GetColumnSortKind(secondary)});
        }
        const auto it = std::find_if(keys.begin(), keys.end(), [&](const TRLSortKey& k) { return k.Col == DataCol; });
        if (it != keys.end()) it->Ascending = !it->Ascending;
        else keys.push_back({DataCol, true, GetColumnSortKind(DataCol)});
        sortAll = [this, keys] { FData->SortBy(keys); };
    } else {
        FData->SetSortToggle(!FData->GetSortToggle());
        const bool asc = FData->GetSortToggle();
        const int sec = FSortColumnSec;
        if (GetColumnSortKind(DataCol) == skText && (sec < 0 || GetColumnSortKind(sec) == skText)) {
            sortAll = [this, DataCol, sec, asc] { FData->Sort(DataCol, sec, asc); };
        } else {
            std::vector<TRLSortKey> keys{{DataCol, asc, GetColumnSortKind(DataCol)}};
            if (sec >= 0 && sec != DataCol) keys.push_back({sec, asc, GetColumnSortKind(sec)});
            sortAll = [this, keys] { FData->SortBy(keys); };
        }
    }
    // Sorting the whole store while filtered would mix found and hidden rows: the found
    // rows are sorted among themselves. A cancelled sort leaves the direction of the next
    // click as it was too.
    try {
        if (FShownRows >= 0) FilterAndSortFound(sortAll);
        else sortAll();
    } catch (...) {
        FData->SetSortToggle(toggleBefore);
        Screen->SetCursor(savedCursor);
        throw;
    }
    if (physical > 0) {
        for (int pos = 1; pos <= GetNrOfShownRows(); ++pos)
            if (FData->Strings->GetSortOrder(pos) == physical) {
                const int g = GridRowOfDataRow(pos);
                SetSelection(TGridRect(sel.Left, g, sel.Right, g));
                break;
            }
    }
    Screen->SetCursor(savedCursor);
    RepaintView();
}

// The grid opens no editor while it selects whole rows; the view draws its row selection
// from the rows' attribute bits, so it lifts whole-row selection while an editable cell is
// current and gives it back afterwards.
void TReportListView::SetEditing(bool On) {
    TGridOptions opt = GetOptions();
    if (On) {
        opt.Include(goEditing);
        if (opt.Contains(goRowSelect)) {
            opt.Exclude(goRowSelect);
            FRowSelectLifted = true;
        }
    } else {
        opt.Exclude(goEditing);
        if (FRowSelectLifted) opt.Include(goRowSelect);
        FRowSelectLifted = false;
    }
    if (opt != GetOptions()) SetOptions(opt);
}

void TReportListView::CheckBoxClick(int DataCol, int DataRow) {
    // A radio button clears the others of its column: the step keeps the whole column.
    std::vector<std::pair<int, int>> cells{{DataCol, DataRow}};
    if (FData->GetColCheckMode(DataCol) == cmRadio)
        for (int r = 1; r <= GetNrOfRows(); ++r)
            if (r != DataRow) cells.emplace_back(DataCol, r);
    RecordUndoCells(cells);
    bool state = !FData->GetElemChecked(DataCol, DataRow);
    BeforeCheckStateChange(state, DataCol, DataRow);
    if (FData->GetColCheckMode(DataCol) == cmRadio) FData->SetElemChecked(DataCol, DataRow, true);
    else FData->SetElemChecked(DataCol, DataRow, state);
    CheckStateHasChanged(!state, DataCol, DataRow);
}

void TReportListView::SelectByClick(int DataRow, TShiftState Shift) {
    if (FRowSelectMode == 1) {
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, r == DataRow);
    } else if (FRowSelectMode == 2) {
        if (Shift.Contains(ssShift)) {
            const bool state = GetRowSelect(FSelectAnchor);
            const int lo = std::min(FSelectAnchor, DataRow), hi = std::max(FSelectAnchor, DataRow);
            for (int r = std::max(lo, 1); r <= std::min(hi, GetNrOfRows()); ++r) SetRowBit(r, RowSelectedBit, state);
        } else {
            FSelectAnchor = DataRow;
            if (Shift.Contains(ssCtrl) || !FUseCtrlForMultiSel)
                SetRowBit(DataRow, RowSelectedBit, !GetRowSelect(DataRow));
            else
                for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, r == DataRow);
        }
    }
    if (FRowSelectMode == 1 || FRowSelectMode == 2) ChangedSelection();
}

void TReportListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
    if (FRowSelectMode != 2) return;
    const TAxisInfo h = HorzAxis(), v = VertAxis();
    if (X >= h.gridBoundary || (Button == mbLeft && Y >= v.gridBoundary)) {
        for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, false);
        ChangedSelection();
        RepaintView();
    }
}

// Whether (X, Y) lies in the column header row within the border zone of a header cell;
// SizedPos is then the display position whose right edge that border is.
bool TReportListView::NearHeaderBorder(int X, int Y, int& SizedPos) const {
    const TGridCoord g = MouseCoord(X, Y);
    if (g.X < 0 || g.Y < 0 || g.Y != ColumnHeaderGridRow()) return false;
    const TRect cr = CellRect(g.X, g.Y);
    if (X - cr.Left > BorderZone && cr.Right - X > BorderZone) return false;
    int c = g.X;
    if (X < (cr.Left + cr.Right) / 2) {
        // The border on the left is the right edge of the nearest column of width > 0 shown
        // left of this one. Columns of width 0 are skipped; the search stops at the first
        // position. Left of the first scrolling column on screen lies the fixed column, not
        // the columns scrolled out of view.
        const int fixed = GetFixedCols(), left = TCustomGrid::GetLeftCol();
        auto shownLeftOf = [&](int Col) { return Col - 1 >= fixed && Col - 1 < left ? fixed - 1 : Col - 1; };
        c = shownLeftOf(g.X);
        while (c > 0 && TCustomGrid::GetColWidths(c) <= 0 && shownLeftOf(c) >= 0) c = shownLeftOf(c);
        // Nothing shown on the left (the view scrolled without a fixed column): the border
        // is the one of the column at the pointer.
        if (c < 0) c = g.X;
    }
    SizedPos = c + 1;
    return true;
}

void TReportListView::DblClick() {
    const TGridCoord g = MouseCoord(FLastMousePosX, FLastMousePosY);
    if (g.Y >= 0 && g.Y == ColumnHeaderGridRow()) {
        int pos = 0;
        if (NearHeaderBorder(FLastMousePosX, FLastMousePosY, pos))
            AutoColWidth(GetColumnOrder(pos), true, 0);
        return;
    }
    TCustomDrawGrid::DblClick();
}

bool TReportListView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (GetNrOfShownRows() == 0) return true;
    return TCustomDrawGrid::DoMouseWheelDown(Shift, MousePos);
}

bool TReportListView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (GetNrOfShownRows() == 0) return true;
    return TCustomDrawGrid::DoMouseWheelUp(Shift, MousePos);
}

void TReportListView::KeyDown(WORD& Key, TShiftState Shift) {
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift), alt = Shift.Contains(ssAlt);
    const bool plain = !ctrl && !shift && !alt;
    // A Space's character is dropped only right after the Space that toggled a mark.
    FEatSpaceChar = false;
    // Home and End move the current row also while a single editable cell is current, and
    // Ctrl with Left or Right moves the column the keys act on one display position in
    // every mode: the grid's own handling of these is skipped (its key event still fires).
    const bool rowEnds = FRowSelectLifted && !ctrl && !alt && (Key == VK_HOME || Key == VK_END);
    const bool colStep = ctrl && !alt && !shift && (Key == VK_LEFT || Key == VK_RIGHT);
    if (rowEnds || colStep) {
        TCustomControl::KeyDown(Key, Shift);
        if (Key == VK_HOME || Key == VK_END) {
            const int last = GridRowOfDataRow(std::max(GetNrOfShownRows(), 1));
            if (GetRow() >= GetFixedRows()) FocusCell(GetCol(), Key == VK_HOME ? GetFixedRows() : last, !shift);
        } else if (Key != 0) {
            MoveKeyColumn(Key == VK_LEFT ? -1 : 1);
        }
    } else {
        // F2 opens the editor on the column the keys act on.
        if (Key == VK_F2 && plain) FocusKeyCell();
        TCustomDrawGrid::KeyDown(Key, Shift);
    }
    if (!GetOptions().Contains(goRowSelect)) FKeyCol = GetCol();
    switch (Key) {
        case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: {
            // Without a shown row under the cursor (a filter that found nothing) no row is
            // selected: a hidden row must not be.
            const int top = DataRowOfGridRow(GetSelection().Top);
            const int row = IsShownRow(top) ? top : 0;
            for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, r == row);
            CursorKeyAction(Key);
            ChangedSelection();
            RepaintView();
            break;
        }
        case VK_SPACE:
            if (plain && ToggleCurrentCheck()) {
                FEatSpaceChar = true;
                Key = 0;
            }
            break;
        case VK_ESCAPE:
            if (plain && AbandonEdit()) Key = 0;
            break;
        case 'Z':
        case 'Y':
            // Ctrl+Z takes the last change back, Ctrl+Y and Ctrl+Shift+Z do it again.
            if (ctrl && !alt && !(Key == 'Y' && shift)) {
                if (Key == 'Z' && !shift) Undo();
                else Redo();
                Key = 0;
            }
            break;
        case 'A':
            if (ctrl && !shift && !alt && FRowSelectMode == 2) {
                SelectAllShownRows();
                Key = 0;
            }
            break;
        case 'C':
            if (ctrl && !shift && !alt && CopySelectedRows()) Key = 0;
            break;
        case 'V':
            if (ctrl && !shift && !alt && PasteFromClipboard()) Key = 0;
            break;
        case VK_INSERT:
            if (shift && !ctrl && !alt && PasteFromClipboard()) Key = 0;
            break;
        case VK_APPS:
        case VK_F10:
            if (!ctrl && !alt && (Key == VK_APPS || shift)) {
                Key = 0;
                PopupAtCurrentRow();
            }
            break;
        default: break;
    }
}

void TReportListView::WMChar(TMessage& M) {
    if (FEatSpaceChar) {
        FEatSpaceChar = false;
        if (M.WParam == ' ') {
            M.Result = 1;
            return;
        }
    }
    TCustomDrawGrid::WMChar(M);
}

// Space on a check-box or radio cell does what a click on its box does, with the same
// conditions and events.
bool TReportListView::ToggleCurrentCheck() {
    const int gridRow = GetRow();
    if (gridRow < GetFixedRows() || GetColCount() == 0) return false;
    const int dataRow = DataRowOfGridRow(gridRow);
    const int dataCol = GetColumnOrder(KeyColumn() + 1);
    if (!IsShownRow(dataRow) || FData->GetColCheckMode(dataCol) == cmNone) return false;
    if (FCheckMarksReadOnly || (RowAttrib(dataRow) & RowDisabledBit)) return false;
    if (FData->GetElem(dataCol, dataRow).empty() && !FShowEmptyCheckBoxes) return false;
    CheckBoxClick(dataCol, dataRow);
    RepaintView();
    return true;
}

int TReportListView::KeyColumn() const {
    if (!GetOptions().Contains(goRowSelect)) return GetCol();
    return std::clamp(FKeyCol, GetFixedCols(), std::max(GetFixedCols(), GetColCount() - 1));
}

bool TReportListView::KeyCellEditable() const {
    const int row = GetRow(), col = KeyColumn();
    if (row < GetFixedRows() || col >= GetColCount()) return false;
    const int dataRow = DataRowOfGridRow(row);
    return IsShownRow(dataRow) && GetColumnEditable(GetColumnOrder(col + 1)) && GetRowEnabled(dataRow);
}

// Makes the cell the keys act on the grid's current cell when its column is editable, so
// that the grid lifts whole-row selection and can open its editor there.
void TReportListView::FocusKeyCell() {
    if (KeyColumn() != GetCol() && KeyCellEditable()) FocusCell(KeyColumn(), GetRow(), true);
}

// Enter with the editor closed: the list's own when it advances or opens the editor, else
// the form's (its default button).
void TReportListView::CMWantSpecialKey(TMessage& Message) {
    TCustomDrawGrid::CMWantSpecialKey(Message);
    if (Message.WParam == VK_RETURN && (FAutoAdvance || KeyCellEditable())) Message.Result = 1;
}

// The next display position in Step's direction whose column has a width becomes the one
// the keys act on; the current row stays.
void TReportListView::MoveKeyColumn(int Step) {
    const int from = KeyColumn();
    int c = from;
    for (int next = c + Step; next >= GetFixedCols() && next < GetColCount(); next += Step)
        if (TCustomGrid::GetColWidths(next) > 0) {
            c = next;
            break;
        }
    FKeyCol = c;
    if (c != from && GetRow() >= GetFixedRows()) FocusCell(c, GetRow(), true);
    // While whole rows are selected the grid scrolls to its current cell in the first
    // column only: bring the chosen column into view here.
    if (c < TCustomGrid::GetLeftCol() && c >= GetFixedCols()) TCustomGrid::SetLeftCol(c);
    while (c > HorzAxis().lastFullVisible && TCustomGrid::GetLeftCol() < c)
        TCustomGrid::SetLeftCol(TCustomGrid::GetLeftCol() + 1);
    RepaintView();
}

// All rows the user can see; rows hidden by a filter are deselected.
void TReportListView::SelectAllShownRows() {
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (int r = 1; r <= GetNrOfRows(); ++r) SetRowBit(r, RowSelectedBit, IsShownRow(r));
    SetSuppressPaint(saved);
    ChangedSelection();
}

// The context menu as a right click opens it (OnContextPopup first, then PopupMenu), at
// the bottom left corner of the current row's cue, or at the top left of the cells when
// no row is current.
void TReportListView::PopupAtCurrentRow() {
    const TRect cue = FocusCueRect();
    const TPoint local = cue.IsEmpty() ? TPoint{0, 0} : TPoint{cue.Left, cue.Bottom};
    const TPoint screen = ClientToScreen(local);
    Perform(WM_CONTEXTMENU, 0, MAKELPARAM(screen.X, screen.Y));
}

// Closes the open in-place editor and gives the cell back what it held when the editor
// opened (every change of the editor is stored at once, so the old text is put back).
bool TReportListView::AbandonEdit() {
    TInplaceEdit* editor = GetInplaceEditor();
    if (editor == nullptr || !GetEditorMode() || !editor->GetVisible()) return false;
    if (GetCol() == FEditUndoCol && GetRow() == FEditUndoRow) {
        editor->SetText(FEditUndoText);
        HideEditor();
        const int dataCol = GetColumnOrder(FEditUndoCol + 1);
        const int dataRow = DataRowOfGridRow(FEditUndoRow);
        if (IsShownRow(dataRow) && FData->Strings->StringView(dataCol, dataRow) != FEditUndoStored)
            FData->Strings->SetString(dataCol, dataRow, FEditUndoStored);
        // The abandoned edit leaves no step behind.
        if (std::exchange(FEditRecorded, false)) FUndo.DiscardLast();
    } else {
        HideEditor();
    }
    FEditUndoCol = FEditUndoRow = -1;
    RepaintView();
    return true;
}

TRect TReportListView::FocusCueRect() const {
    const int row = GetRow();
    if (row < GetFixedRows() || row >= GetRowCount() || !IsShownRow(DataRowOfGridRow(row))) return {};
    const int col = KeyColumn();
    if (col < GetFixedCols() || col >= GetColCount()) return {};
    const int dataCol = GetColumnOrder(col + 1);
    if (!GetOptions().Contains(goRowSelect)) return CellRect(col, row);
    if (FData->GetColCheckMode(dataCol) != cmNone || GetColumnEditable(dataCol)) {
        // Scrolled out of view (a row move scrolls back to the first column): the row.
        const TRect cell = CellRect(col, row);
        if (!cell.IsEmpty()) return cell;
    }
    TRect band;
    for (int c = GetFixedCols(); c < GetColCount(); ++c) {
        const TRect r = CellRect(c, row);
        if (!r.IsEmpty()) band = band.IsEmpty() ? r : UnionRect(band, r);
    }
    return band;
}

void TReportListView::KeyPress(char32_t& Key) {
    // Enter opens the editor on the column the keys act on.
    if (Key == U'\r' && !GetEditorMode()) FocusKeyCell();
    TCustomDrawGrid::KeyPress(Key);
    if (FAutoAdvance && (Key == U'\r' || Key == 0)) {
        WORD down = VK_DOWN;
        KeyDown(down, {});
    }
}

// The grid row below the headers that stands in for an empty list (or a filter that found
// nothing) shows no row: it never becomes the current cell, so that nothing is current.
bool TReportListView::SelectCell(int ACol, int ARow) {
    const int dataCol = GetColumnOrder(ACol + 1);
    const int dataRow = DataRowOfGridRow(ARow);
    if (ARow >= GetFixedRows() && !IsShownRow(dataRow)) {
        SetEditing(false);
        return false;
    }
    SetEditing(ARow != 0 && GetColumnEditable(dataCol) && GetRowEnabled(dataRow));
    bool can = true;
    if (FOnSelectCell) FOnSelectCell(this, ACol, ARow, can);
    return can;
}

// The in-place editor opens only on a row the user can see.
bool TReportListView::CanEditShow() {
    return IsShownRow(DataRowOfGridRow(GetRow())) && TCustomDrawGrid::CanEditShow();
}

// A current cell on the stand-in row (left there by a filter that found nothing, or by
// removing the last shown row) is moved off the data, onto the header row.
void TReportListView::DropHiddenCurrent() {
    if (GetNrOfShownRows() > 0 || GetRow() < GetFixedRows()) return;
    HideEditor();
    SetEditing(false);
    SetSelection(TGridRect(0, 0, 0, 0));
}

std::string TReportListView::GetEditText(int ACol, int ARow) {
    const int dataCol = GetColumnOrder(ACol + 1);
    const int dataRow = DataRowOfGridRow(ARow);
    if (!IsShownRow(dataRow)) return {};
    std::string value = FData->GetElem(dataCol, dataRow);
    if (FOnGetEditText) FOnGetEditText(this, ACol, dataRow, value);
    // The editor opens with this text: what Escape puts back.
    FEditUndoCol = ACol;
    FEditUndoRow = ARow;
    FEditUndoText = value;
    FEditUndoStored = std::string(FData->Strings->StringView(dataCol, dataRow));
    FEditRecorded = false;
    return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const std::string& Value) {
    const int dataCol = GetColumnOrder(ACol + 1);
    const int dataRow = DataRowOfGridRow(ARow);
    if (!IsShownRow(dataRow)) return;   // a hidden row is not edited
    // However many times the editor stores while typing, the edit is one step.
    if (!FEditRecorded || ACol != FEditUndoCol || ARow != FEditUndoRow) {
        RecordUndoCells({{dataCol, dataRow}});
        FEditRecorded = ACol == FEditUndoCol && ARow == FEditUndoRow;
    }
    WriteEditedText(dataCol, dataRow, Value);
    if (FOnSetEditText) FOnSetEditText(this, ACol, dataRow, Value);
}

void TReportListView::WriteEditedText(int DataCol, int DataRow, const std::string& Value) {
    // The container keeps the mark of a check column and cuts the text to 255 characters;
    // any mark but a blank then reads as a plain check.
    FData->SetElem(DataCol, DataRow, Value);
    if (FData->GetColCheckMode(DataCol) != cmNone) {
        const std::string_view stored = FData->Strings->StringView(DataCol, DataRow);
        if (!stored.empty() && stored[0] != ' ' && stored[0] != 'X')
            FData->Strings->SetString(DataCol, DataRow, "X" + std::string(stored.substr(1)));
    }
}

}  // namespace zyn
