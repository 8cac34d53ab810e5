// The table editor under the user's hands: in-place editing with validation and the
// pick-list editor of nominal columns, keyboard, wheel and mouse; and the sizes: number of
// rows and columns, the heading lines, automatic column widths and row heights.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_matrix.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

namespace {

// The nominal value a cell holds: its value rounded; false for a value no identifier
// number could be.
bool NominalNumber(double Value, long long& N) {
    if (!std::isfinite(Value) || std::fabs(Value) > 1e15) return false;
    N = Round(Value);
    return true;
}

std::string TrimBlanks(std::string_view S) {
    const std::size_t first = S.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = S.find_last_not_of(' ');
    return std::string(S.substr(first, last - first + 1));
}

// ---- the key table ------------------------------------------------------------------------
// The grid moves the current cell (arrows, Page Up/Down, Home/End, with Ctrl) and extends
// the selection with Shift; Enter, AutoAdvance and Escape are the editor's KeyPress. These
// keys are the table editor's own:
enum TKeyAction : int {
    kaNone,
    kaEdit,           // F2: edit the current cell, also after Escape (not while read-only)
    kaNextCell,       // Tab: the next data cell, wrapping to the next row and to the first cell
    kaPrevCell,       // Shift+Tab: the previous data cell, wrapping the other way
    kaNextControl,    // Ctrl+Tab: the focus goes on to the next control of the form
    kaPrevControl,    // Ctrl+Shift+Tab: back to the previous control
    kaCellMenu,       // Shift+F10, Apps: the menu of the current cell
    kaColumnMenu,     // Ctrl+Shift+F10, Ctrl+Apps: the menu of the current column's heading
    kaRowMenu,        // Alt+Shift+F10, Alt+Apps: the menu of the current row's heading
    // What only a right-click on a heading or the corner reaches, with F2 as for a cell
    // and Ctrl for the column, Alt for the row (as with the menu keys); Shift goes one
    // heading line in, to the attributes. Shift+F2 alone edits the table's note, as it
    // edits a cell's note in a spreadsheet.
    kaColumnName,     // Ctrl+F2: edit the current column's name
    kaColumnAttrib,   // Ctrl+Shift+F2: edit its attribute (while the attribute row shows)
    kaRowName,        // Alt+F2: edit the current row's name
    kaRowAttrib,      // Alt+Shift+F2: edit its attribute (while the attribute column shows)
    kaComment,        // Shift+F2: edit the table's comment (while CommentEditingAllowed)
    kaCopy,           // Ctrl+C, Ctrl+Insert: the data menu's Copy
    kaPasteClip,      // Ctrl+V, Shift+Insert: Extract from Clipboard (not while read-only)
    kaUndo,           // Ctrl+Z: take the last change back (not while read-only)
    kaRedo            // Ctrl+Y, Ctrl+Shift+Z: do it again
};

struct TKeyBinding {
    WORD Key;
    TShiftState Shift;
    TKeyAction Action;
};

const TKeyBinding KeyTable[] = {
    {VK_F2, {}, kaEdit},
    {VK_TAB, {}, kaNextCell},
    {VK_TAB, {ssShift}, kaPrevCell},
    {VK_TAB, {ssCtrl}, kaNextControl},
    {VK_TAB, {ssCtrl, ssShift}, kaPrevControl},
    {VK_F10, {ssShift}, kaCellMenu},
    {VK_APPS, {}, kaCellMenu},
    {VK_F10, {ssCtrl, ssShift}, kaColumnMenu},
    {VK_APPS, {ssCtrl}, kaColumnMenu},
    {VK_F10, {ssAlt, ssShift}, kaRowMenu},
    {VK_APPS, {ssAlt}, kaRowMenu},
    {VK_F2, {ssCtrl}, kaColumnName},
    {VK_F2, {ssCtrl, ssShift}, kaColumnAttrib},
    {VK_F2, {ssAlt}, kaRowName},
    {VK_F2, {ssAlt, ssShift}, kaRowAttrib},
    {VK_F2, {ssShift}, kaComment},
    {'C', {ssCtrl}, kaCopy},
    {VK_INSERT, {ssCtrl}, kaCopy},
    {'V', {ssCtrl}, kaPasteClip},
    {VK_INSERT, {ssShift}, kaPasteClip},
    {'Z', {ssCtrl}, kaUndo},
    {'Y', {ssCtrl}, kaRedo},
    {'Z', {ssCtrl, ssShift}, kaRedo},
};

TKeyAction KeyAction(WORD Key, TShiftState Shift) {
    const TShiftState modifiers = Shift & TShiftState{ssShift, ssCtrl, ssAlt};
    for (const TKeyBinding& b : KeyTable)
        if (b.Key == Key && b.Shift == modifiers) return b.Action;
    return kaNone;
}

// The keys that reach past the cell: the menus, the heading and comment editors.
bool IsTableKeyAction(TKeyAction Action) {
    return Action >= kaCellMenu && Action <= kaComment;
}

// The table's in-place editor asks for Tab keys as the table does, so that Tab goes on from
// an edit as from a cell instead of leaving the table; and for Enter and Escape, which end
// the edit (storing or abandoning it) also on a form with a default or cancel button. The
// menu, heading and comment keys go to the table.
class TNTabEdInplaceEdit : public TInplaceEditList {
public:
    using TInplaceEditList::TInplaceEditList;

protected:
    void WMGetDlgCode(TMessage& Message) override {
        TInplaceEditList::WMGetDlgCode(Message);
        Message.Result |= DLGC_WANTTAB | DLGC_WANTALLKEYS;
    }
    void KeyDown(WORD& Key, TShiftState Shift) override {
        if (IsTableKeyAction(KeyAction(Key, Shift))) {
            SendToGrid(Key, Shift);
            return;
        }
        TInplaceEditList::KeyDown(Key, Shift);
    }
};

}  // namespace

// =========================================================================================
// in-place editing

void TNTabEd::SetEditing(bool On) {
    TGridOptions options = GetOptions();
    if (options.Contains(goEditing) == On) return;
    if (On) options.Include(goEditing);
    else options.Exclude(goEditing);
    SetOptions(options);
}

TInplaceEdit* TNTabEd::CreateEditor() {
    auto* editor = new TNTabEdInplaceEdit(this);
    editor->SetDropDownRows(FDropdownCount);
    editor->SetOnGetPickListItems([this](TObject*, int ACol, int ARow, TStrings* Items) { FillPickList(ACol, ARow, Items); });
    return editor;
}

void TNTabEd::FillPickList(int ACol, int ARow, TStrings* Items) {
    (void)ARow;
    const int c = ACol - FColOffset;
    FColPickList->Clear();
    for (int n = 1; n <= MaxNominalID; ++n) {
        const std::string id = Data->GetNominalID(c, n);
        if (!id.empty()) FColPickList->Add(id);
    }
    Items->Assign(FColPickList.get());
}

TEditStyle TNTabEd::GetEditStyle(int ACol, int ARow) {
    (void)ARow;
    return Data->IsNominalColumn(ACol - FColOffset) ? esPickList : esSimple;
}

std::string TNTabEd::GetEditText(int ACol, int ARow) {
    const int c = ACol - FColOffset, r = ARow - FRowOffset;
    const double v = Data->GetElem(c, r);
    std::string text;
    long long n = 0;
    if (Data->IsNominalColumn(c) && NominalNumber(v, n)) {
        if (n >= 1 && n <= MaxNominalID) text = Data->GetNominalID(c, int(n));
        if (text.empty()) text = IntToStr(n);
    } else {
        text = FormatCellValue(v, GetPrecision(c), FNumWidth);
    }
    if (FOnGetEditText) FOnGetEditText(this, ACol, ARow, text);
    // Until something is stored, closing the editor on this text stores nothing: the
    // text shows the value rounded (and nothing of an empty or invalid cell's state).
    FEditCell = {ACol, ARow};
    FEditLoaded = text;
    FEditStored = false;
    FEditOldValue = v;
    FEditOldState = Data->GetCellState(c, r);
    FEditRecorded = false;
    return text;
}

void TNTabEd::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (FEditAbandoned || !IsDataCell(ACol, ARow)) return;
    const int c = ACol - FColOffset, r = ARow - FRowOffset;
    if (c > GetNrOfColumns() || r > GetNrOfRows()) return;
    if (FEditCell == TGridCoord{ACol, ARow}) {
        if (!FEditStored && Value == FEditLoaded) return;
        FEditStored = true;
    }
    StoreEditText(c, r, Value);
    if (FOnSetEditText) FOnSetEditText(this, ACol, ARow, Value);
}

void TNTabEd::StoreEditText(int Col, int Row, const std::string& Value) {
    // The state becomes exactly 0 (a number) or 1 (not a number): an edit clears the
    // cell's marks and its empty flag.
    bool valid = false;
    double v = 0;
    if (Data->IsNominalColumn(Col)) {
        const int n = Data->OrdinalOfNominalID(Col, Value, 1);
        if (n > 0) {
            v = n;
            valid = true;
        } else if (IsValidDecInt(Value)) {
            v = StrToInt(TrimBlanks(Value));
            valid = true;
        }
    } else {
        std::string s = Value;
        std::replace(s.begin(), s.end(), ',', '.');
        s = TrimBlanks(s);
        TFormatSettings point;
        point.DecimalSeparator = '.';
        valid = !s.empty() && TryStrToFloat(s, v, point);
    }
    // However many times the editor stores while typing, the edit is one step.
    if (!FEditRecorded || FEditCell != TGridCoord{Col + FColOffset, Row + FRowOffset}) {
        RecordRegion(Col, Row, Col, Row, RgCells);
        FEditRecorded = FEditCell == TGridCoord{Col + FColOffset, Row + FRowOffset};
    }
    {
        TNTabEdSuppression quiet(*this);
        if (valid) Data->SetElem(Col, Row, v);
        Data->SetCellState(Col, Row, valid ? 0 : dtsInvalid);
    }
    Invalidate();
    ChangedData();
}

void TNTabEd::RestoreEditedCell() {
    const TGridCoord cell = FEditCell;
    FEditStored = false;
    // The abandoned edit leaves no step behind.
    if (std::exchange(FEditRecorded, false)) FUndo.DiscardLast();
    const int c = cell.X - FColOffset, r = cell.Y - FRowOffset;
    if (!IsDataCell(cell.X, cell.Y) || c > GetNrOfColumns() || r > GetNrOfRows()) return;
    {
        TNTabEdSuppression quiet(*this);
        Data->SetElem(c, r, FEditOldValue);
        Data->SetCellState(c, r, FEditOldState);   // marks and flags as they were
    }
    Invalidate();
    ChangedData();
}

// =========================================================================================
// keyboard, wheel, mouse

void TNTabEd::WMGetDlgCode(TMessage& Message) {
    TCustomGrid::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TNTabEd::KeyDown(WORD& Key, TShiftState Shift) {
    const TKeyAction action = KeyAction(Key, Shift);
    if (action == kaNone) {
        TCustomGrid::KeyDown(Key, Shift);
    } else {
        // The application's OnKeyDown sees the key first and may take it.
        TCustomControl::KeyDown(Key, Shift);
        if (Key != 0) {
            Key = 0;
            RunKeyAction(action);
        }
    }
    ChangedSelection();
    RedrawCorner();
}

void TNTabEd::RunKeyAction(int Action) {
    switch (Action) {
    case kaEdit:
        // The keyboard's way back to editing after Escape, as a mouse-up is the mouse's.
        if (FReadOnly) return;
        SetEditing(true);
        SetEditorMode(true);
        return;
    case kaNextCell:
    case kaPrevCell:
        MoveByTab(Action == kaNextCell);
        return;
    case kaNextControl:
    case kaPrevControl:
        if (TCustomForm* form = GetParentForm(this)) {
            HideEditor();   // the edit is stored, as when the focus leaves by the mouse
            form->SelectNext(this, Action == kaNextControl, true);
        }
        return;
    case kaCellMenu: OpenMenuByKey({GetCol(), GetRow()}); return;
    case kaColumnMenu: OpenMenuByKey({GetCol(), 0}); return;
    case kaRowMenu: OpenMenuByKey({0, GetRow()}); return;
    case kaColumnName: EditHeadingByKey({GetCol(), 0}); return;
    case kaColumnAttrib:
        if (FRowOffset > 0) EditHeadingByKey({GetCol(), FRowOffset});
        return;
    case kaRowName: EditHeadingByKey({0, GetRow()}); return;
    case kaRowAttrib:
        if (FColOffset > 0) EditHeadingByKey({FColOffset, GetRow()});
        return;
    case kaComment:
        if (!FCommEdAllowed || FCommentMM == nullptr) return;
        EndEditForKey();
        OpenCommentEditor();
        return;
    case kaCopy: PopupMenuClickCopy(nullptr); return;
    case kaPasteClip:
        if (FReadOnly) return;
        // A text that is no table is refused with a beep from the keyboard.
        try {
            PopupMenuClickExtClip(nullptr);
        } catch (const EZynNTabedError&) {
            MessageBeep(0);
        }
        return;
    case kaUndo:
    case kaRedo:
        if (FReadOnly) return;
        if (Action == kaUndo) Undo();
        else Redo();
        return;
    default: return;
    }
}

void TNTabEd::MoveByTab(bool Forward) {
    const int firstCol = GetFixedCols(), lastCol = GetColCount() - 1;
    const int firstRow = GetFixedRows(), lastRow = GetRowCount() - 1;
    int c = GetCol(), r = GetRow();
    if (Forward) {
        if (++c > lastCol) {
            c = firstCol;
            if (++r > lastRow) r = firstRow;
        }
    } else if (--c < firstCol) {
        c = lastCol;
        if (--r < firstRow) r = lastRow;
    }
    if (c != GetCol() || r != GetRow()) FocusCell(c, r, true);
}

void TNTabEd::EndEditForKey() {
    // As a click does, opening a menu or another editor ends an edit (and stores it).
    if (!GetOptions().Contains(goAlwaysShowEditor)) HideEditor();
}

void TNTabEd::EditHeadingByKey(TGridCoord Cell) {
    // The menu's Edit Heading, with its rule: off while read-only or masked out.
    if (!HeadingEditingOffered() || FNameEd == nullptr) return;
    EndEditForKey();
    FPrevClicked = FClicked;
    FClicked = Cell;
    PopupMenuClickChangeID(nullptr);
}

void TNTabEd::OpenMenuByKey(TGridCoord Cell) {
    EndEditForKey();
    TRect r = CellRect(Cell.X, Cell.Y);
    if (r.IsEmpty()) r = TRect(0, 0, 0, 0);   // scrolled out of view: at the top left
    if (GetPopupMenu() != nullptr || FBlockIntPopup) {
        // What a right-click reaches besides the editor's own menus: OnContextPopup, the
        // control's PopupMenu, the parent's.
        const TPoint p = ClientToScreen({r.Left + 10, r.Bottom});
        Perform(WM_CONTEXTMENU, 0, MAKELPARAM(p.X, p.Y));
        return;
    }
    FPrevClicked = FClicked;
    FClicked = Cell;
    // The data menu opens 10 pixels right of and 20 above the point it is given: just
    // below the cell. A heading's menu opens at its own place.
    OpenInternalPopup(Cell, r.Left, r.Bottom + 20);
}

void TNTabEd::KeyPress(char32_t& Key) {
    const bool escape = Key == 27;
    TCustomGrid::KeyPress(Key);
    if (FAutoAdvance && (Key == U'\r' || Key == 0)) {
        WORD next = FAutoAdvanceDir == orHorizontal ? VK_RIGHT : VK_DOWN;
        KeyDown(next, {});
    }
    if (escape && GetInplaceEditor() != nullptr) {
        // Editing stays off until the next mouse-up, F2 or change of DataReadOnly. An edit
        // under way is abandoned: its changes were stored as typed, so the cell gets back
        // what it held when the editor opened.
        const bool abandon = GetEditorMode() && FEditStored;
        {
            // Closing the editor stores nothing more.
            struct TAbandoning {
                bool& Flag;
                ~TAbandoning() { Flag = false; }
            } abandoning{FEditAbandoned = abandon};
            SetEditing(false);
            HideEditor();
        }
        if (abandon) RestoreEditedCell();
    }
}

bool TNTabEd::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    const bool handled = TCustomGrid::DoMouseWheelDown(Shift, MousePos);
    RedrawCorner();
    ChangedSelection();
    Invalidate();
    return handled;
}

bool TNTabEd::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool handled = TCustomGrid::DoMouseWheelUp(Shift, MousePos);
    RedrawCorner();
    ChangedSelection();
    Invalidate();
    return handled;
}

void TNTabEd::CheckSelectionChanged() {
    if (!(GetSelection() == FOldSel)) ChangedSelection();
}

void TNTabEd::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomGrid::MouseMove(Shift, X, Y);
    CheckSelectionChanged();
}

void TNTabEd::TopLeftChanged() {
    CheckSelectionChanged();
    TCustomGrid::TopLeftChanged();   // moves the in-place editor, fires OnTopLeftChanged
}

void TNTabEd::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FNameEdActive) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (FCommentMMActive && cell == TGridCoord{0, 0}) {
        CloseCommentEditor(false);
        return;
    }
    const TGridCoord previous = FLastDownPos.X >= 0 ? MouseCoord(FLastDownPos.X, FLastDownPos.Y) : TGridCoord{-1, -1};
    // A click on another cell only selects it; the second click on a cell edits it.
    if (!(previous == cell)) SetEditing(false);
    TCustomGrid::MouseDown(Button, Shift, X, Y);
    Invalidate();
    FPrevClicked = FClicked;
    FClicked = cell;
    const bool inGrid = cell.X >= 0 && cell.Y >= 0;
    if (inGrid) {
        FLastDownPos = {X, Y};
        if (IsDataCell(cell.X, cell.Y) && previous == cell && !FReadOnly) SetEditing(true);
    }
    if (Button == mbLeft && inGrid && IsDataCell(cell.X, cell.Y)) RedrawCorner();
    CheckSelectionChanged();
    if (Button == mbRight && inGrid) OpenInternalPopup(cell, X, Y);
}

void TNTabEd::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomGrid::MouseUp(Button, Shift, X, Y);
    SetEditing(!FReadOnly);
    CheckSelectionChanged();
}

void TNTabEd::CMFontChanged(TMessage& Message) {
    TCustomGrid::CMFontChanged(Message);
    GetCanvas()->GetFont()->Assign(GetFont());
    Invalidate();
}

// =========================================================================================
// sizes

void TNTabEd::ResizeData(int Cols, int Rows) {
    // A size the grid cannot show is refused before the table changes, so that table and
    // grid never disagree.
    CheckGridSize(Cols, Rows);
    HideEditor();
    {
        // The table's size notification brings the grid and the decimal places along (of
        // every editor of the table).
        TNTabEdSuppression quiet(*this);
        const int oldCols = GetNrOfColumns(), oldRows = GetNrOfRows();
        const bool recorded = RecordResize(Cols, Rows);
        try {
            Data->Resize(Cols, Rows);
        } catch (...) {
            if (recorded) FUndo.DiscardLast();
            // The table refused: nothing changed. Or it took the size but an editor could
            // not follow (no memory for the grid or the decimal places): the table goes
            // back to its former size, which every editor can show.
            if (GetNrOfColumns() != oldCols || GetNrOfRows() != oldRows) {
                try {
                    Data->Resize(oldCols, oldRows);
                } catch (...) {
                }
            }
            throw;
        }
    }
    ChangedSetup();
}

void TNTabEd::SetNrOfColumns(int Value) {
    Value = std::max(Value, 1);
    if (Value == GetNrOfColumns()) return;
    ResizeData(Value, GetNrOfRows());
    Invalidate();
}

void TNTabEd::SetNrOfRows(int Value) {
    Value = std::max(Value, 1);
    if (Value == GetNrOfRows()) return;
    ResizeData(GetNrOfColumns(), Value);
    Invalidate();
}

void TNTabEd::Redimension(int NrCols, int NrRows) {
    NrCols = std::max(NrCols, 1);
    NrRows = std::max(NrRows, 1);
    if (NrCols == GetNrOfColumns() && NrRows == GetNrOfRows()) return;
    ResizeData(NrCols, NrRows);
    Repaint();
}

void TNTabEd::SetAttribRowVisible(bool Value) {
    if (Value == (FColOffset == 1)) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        if (Value) {
            TCustomGrid::SetColCount(GridColsFor(1));
            FColOffset = 1;
            TCustomGrid::SetFixedCols(2);
            // Every column's width moves one column to the right, with its column.
            const int count = TCustomGrid::GetColCount();
            for (int i = count - 1; i >= 2; --i) TCustomGrid::SetColWidths(i, TCustomGrid::GetColWidths(i - 1));
            TCustomGrid::SetColWidths(1, FClassColWidth);
        } else {
            FColOffset = 0;
            TCustomGrid::SetFixedCols(1);
            const int count = TCustomGrid::GetColCount();
            for (int i = 1; i <= count - 2; ++i) TCustomGrid::SetColWidths(i, TCustomGrid::GetColWidths(i + 1));
            TCustomGrid::SetColCount(GridColsFor(0));
        }
    }
    Invalidate();
    ChangedLayout();
}

void TNTabEd::SetAttribColVisible(bool Value) {
    if (Value == (FRowOffset == 1)) return;
    HideEditor();
    {
        TNTabEdSuppression quiet(*this);
        if (Value) {
            TCustomGrid::SetRowCount(GridRowsFor(1));
            FRowOffset = 1;
            TCustomGrid::SetFixedRows(2);
            const int count = TCustomGrid::GetRowCount();
            for (int i = count - 1; i >= 2; --i) TCustomGrid::SetRowHeights(i, TCustomGrid::GetRowHeights(i - 1));
            TCustomGrid::SetRowHeights(1, TCustomGrid::GetRowHeights(0));
        } else {
            FRowOffset = 0;
            TCustomGrid::SetFixedRows(1);
            const int count = TCustomGrid::GetRowCount();
            for (int i = 1; i <= count - 2; ++i) TCustomGrid::SetRowHeights(i, TCustomGrid::GetRowHeights(i + 1));
            TCustomGrid::SetRowCount(GridRowsFor(0));
        }
    }
    Invalidate();
    ChangedLayout();
}

int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    int measure = 0;
    if (ColNr == -1) {
        measure = canvas->TextWidth(IncludeHeader ? "Attrib" : "255");
    } else if (ColNr == 0) {
        measure = canvas->TextWidth("999:9999");
        for (int r = 1; r <= GetNrOfRows(); ++r) measure = std::max(measure, canvas->TextWidth(Data->GetRowName(r)));
    } else if (ColNr <= GetNrOfColumns()) {
        if (IncludeHeader) measure = canvas->TextWidth(Data->GetColName(ColNr));
        measure = std::max(measure, canvas->TextWidth(IntToStr(Data->GetColAttrib(ColNr))));
        const int dec = GetPrecision(ColNr);
        for (int r = 1; r <= GetNrOfRows(); ++r)
            measure = std::max(measure, canvas->TextWidth(FormatCellValue(Data->GetElem(ColNr, r), dec, FNumWidth)));
    }
    const int width = std::max(4, measure + Addon + 8);
    if (ColNr >= -1 && ColNr <= GetNrOfColumns()) SetColWidths(ColNr, width);
    return width;
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon) {
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    const int height = std::max(8, canvas->TextHeight(RowHeightProbe) + Addon + 2);
    if (RowNr == -1) {
        if (FRowOffset == 1) TCustomGrid::SetRowHeights(1, height);
    } else if (RowNr == 0) {
        TCustomGrid::SetRowHeights(0, height);
    } else if (RowNr >= 1 && RowNr <= GetNrOfRows()) {
        TCustomGrid::SetRowHeights(RowNr + FRowOffset, height);
    }
    return height;
}

}  // namespace zyn
