// The table editor under the user's hands: in-place editing with validation and the
// pick-list editor of nominal columns, keyboard, wheel and mouse; and the sizes: number of
// rows and columns, the heading lines, automatic column widths and row heights.
#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_matrix.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/SysUtils.h"

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
    auto* editor = new TInplaceEditList(this);
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
    return text;
}

void TNTabEd::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (!IsDataCell(ACol, ARow)) return;
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
    {
        TNTabEdSuppression quiet(*this);
        if (valid) Data->SetElem(Col, Row, v);
        Data->SetCellState(Col, Row, valid ? 0 : dtsInvalid);
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
    TCustomGrid::KeyDown(Key, Shift);
    ChangedSelection();
    RedrawCorner();
}

void TNTabEd::KeyPress(char32_t& Key) {
    const bool escape = Key == 27;
    TCustomGrid::KeyPress(Key);
    if (FAutoAdvance && (Key == U'\r' || Key == 0)) {
        WORD next = FAutoAdvanceDir == orHorizontal ? VK_RIGHT : VK_DOWN;
        KeyDown(next, {});
    }
    if (escape && GetInplaceEditor() != nullptr) {
        // Editing stays off until the next mouse-up or change of DataReadOnly.
        SetEditing(false);
        HideEditor();
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
        try {
            Data->Resize(Cols, Rows);
        } catch (...) {
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
