// What the right mouse button reaches: the data menu and the header menu with their enable
// masks and captions, the heading editor, the comment editor on the corner cell, and the
// exchange of blocks of numbers with the clipboard.
#include <algorithm>
#include <utility>

#include "framework/Zyn_conventions.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr int DataItemCount = 12;
constexpr int HeaderItemCount = 5;
constexpr int SubItemCount = 4;
constexpr TColor CommentBack = 0x808000;   // teal
constexpr TColor CommentText = 0xFFFFFF;

// Data menu items (1-based) with their mask bits.
enum : int {
    diMarkA = 1, diMarkB, diUnmarkA, diUnmarkB, diUnmarkAll, diClear, diCopy, diPaste, diReadOnly,
    diExtract, diSelectAll, diToggleEmpty
};
// Header menu items.
enum : int { hiEditHeading = 1, hiPrecision, hiSelect, hiInsert, hiDelete };
// What a mark action covers.
enum TMarkRange : int { mrRange, mrColumn, mrRow, mrAll };

bool MaskBit(int Mask, int Item) { return (Mask >> (Item - 1)) & 1; }

}  // namespace

// Painting and the data table's data-changed notification are held back while a bulk
// action writes its cells; both come back, also when an exception passes.
class TNTabEdBulk {
public:
    // Only this editor stops hearing: the table's other editors hear the change once, after.
    explicit TNTabEdBulk(TNTabEd& Ed) : ed_(Ed), muted_(Ed.FDataHookMuted), quiet_(Ed) { ed_.FDataHookMuted = true; }
    ~TNTabEdBulk() { ed_.FDataHookMuted = muted_; }
    TNTabEdBulk(const TNTabEdBulk&) = delete;
    TNTabEdBulk& operator=(const TNTabEdBulk&) = delete;

private:
    TNTabEd& ed_;
    bool muted_;
    TNTabEdSuppression quiet_;
};

// =========================================================================================
// the menus

void TNTabEd::BuildMenus() {
    auto item = [this](const char* Caption, const std::string& Name, void (TNTabEd::*Action)(TObject*)) {
        return NewItem(Caption, 0, false, true, [this, Action](TObject* Sender) { (this->*Action)(Sender); }, 0, Name);
    };
    using A = void (TNTabEd::*)(TObject*);
    auto marks = [&](const char* Caption, int Ix, const char* Prefix, A Range, A Column, A Row, A All) {
        TMenuItem* parent = NewItem(Caption, 0, false, true, nullptr, 0, "DIt" + std::to_string(Ix));
        const std::string p = Prefix;
        parent->Add({item("Range", p + "1", Range), item("Column", p + "2", Column), item("Row", p + "3", Row),
                     item("All", p + "4", All)});
        return parent;
    };
    FPopupD = NewPopupMenu(
        this, "PopupDTAction", paLeft, true,
        {marks("Mark as type A", 1, "M1It", &TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkAColumn,
               &TNTabEd::PopupMenuClickMarkARow, &TNTabEd::PopupMenuClickMarkAAll),
         marks("Mark as type B", 2, "M2It", &TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBColumn,
               &TNTabEd::PopupMenuClickMarkBRow, &TNTabEd::PopupMenuClickMarkBAll),
         marks("Unmark type A", 3, "U1It", &TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkAColumn,
               &TNTabEd::PopupMenuClickUnMarkARow, &TNTabEd::PopupMenuClickUnMarkAAll),
         marks("Unmark type B", 4, "U2It", &TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBColumn,
               &TNTabEd::PopupMenuClickUnMarkBRow, &TNTabEd::PopupMenuClickUnMarkBAll),
         item("Unmark All", "DIt5", &TNTabEd::PopupMenuClickUnMarkAll),
         item("Clear", "DIt6", &TNTabEd::PopupMenuClickClear),
         item("Copy", "DIt7", &TNTabEd::PopupMenuClickCopy),
         item("Paste", "DIt8", &TNTabEd::PopupMenuClickPaste),
         item("Data Read-Only", "DIt9", &TNTabEd::PopupMenuClickEdit),
         item("Extract from Clipboard", "DIt10", &TNTabEd::PopupMenuClickExtClip),
         item("Select All", "DIt11", &TNTabEd::PopupMenuClickSelAll),
         item("Toggle Empty State", "DIt12", &TNTabEd::PopupMenuClickEmptyCells)});
    // Nothing to paste before the first copy.
    DataItem(diPaste)->SetEnabled(false);
    FPopupH = NewPopupMenu(this, "PopupHTAction", paLeft, true,
                           {item("Edit Heading", "HIt1", &TNTabEd::PopupMenuClickChangeID),
                            item("Change Precision", "HIt2", &TNTabEd::PopupMenuClickPrecision),
                            // their captions and actions follow the heading clicked
                            NewItem("Select..", 0, false, true, nullptr, 0, "HIt3"),
                            NewItem("Insert..", 0, false, true, nullptr, 0, "HIt4"),
                            NewItem("Delete..", 0, false, true, nullptr, 0, "HIt5")});
}

void TNTabEd::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    // The menus and editors are the editor's own parts, made by its constructor: a form
    // file does not hold them.
    TCustomGrid::GetChildren(
        [&](TComponent* C) {
            if (C != FPopupD && C != FPopupH && C != FNameEd && C != FCommentMM && C != GetInplaceEditor()) Proc(C);
        },
        Root);
}

TMenuItem* TNTabEd::DataItem(int ix) const { return FPopupD->GetItems()->GetItems(ix - 1); }
TMenuItem* TNTabEd::HeaderItem(int ix) const { return FPopupH->GetItems()->GetItems(ix - 1); }

void TNTabEd::SetPopupDMask(int Value) {
    FPopupDMask = Value;
    FHeldOffD = 0;   // the mask decides now
    for (int i = 1; i <= DataItemCount; ++i) DataItem(i)->SetEnabled(MaskBit(Value, i));
    ChangedSetup();
}

void TNTabEd::SetPopupHMask(int Value) {
    FPopupHMask = Value;
    FHeldOffH = 0;
    for (int i = 1; i <= HeaderItemCount; ++i) HeaderItem(i)->SetEnabled(MaskBit(Value, i));
    ChangedSetup();
}

TDTNameStr TNTabEd::GetPopupDCaptions(int ix) const {
    if (ix < 1 || ix > DataItemCount) return {};
    return ShortString(DataItem(ix)->GetCaption(), DTNameLength);
}

void TNTabEd::SetPopupDCaptions(int ix, const TDTNameStr& Value) {
    if (ix < 1 || ix > DataItemCount) return;
    DataItem(ix)->SetCaption(ShortString(Value, DTNameLength));
}

TDTNameStr TNTabEd::GetPopupHCaptions(int ix) const {
    if (ix < 1 || ix > HeaderItemCount) return {};
    return ShortString(HeaderItem(ix)->GetCaption(), DTNameLength);
}

void TNTabEd::SetPopupHCaptions(int ix, const TDTNameStr& Value) {
    if (ix < 1 || ix > HeaderItemCount) return;
    HeaderItem(ix)->SetCaption(ShortString(Value, DTNameLength));
}

TDTNameStr TNTabEd::GetPopupMCaptions(int ix) const {
    if (ix < 1 || ix > SubItemCount) return {};
    return ShortString(DataItem(diMarkA)->GetItems(ix - 1)->GetCaption(), DTNameLength);
}

void TNTabEd::SetPopupMCaptions(int ix, const TDTNameStr& Value) {
    if (ix < 1 || ix > SubItemCount) return;
    for (int item : {diMarkA, diMarkB}) DataItem(item)->GetItems(ix - 1)->SetCaption(ShortString(Value, DTNameLength));
}

TDTNameStr TNTabEd::GetPopupUCaptions(int ix) const {
    if (ix < 1 || ix > SubItemCount) return {};
    return ShortString(DataItem(diUnmarkA)->GetItems(ix - 1)->GetCaption(), DTNameLength);
}

void TNTabEd::SetPopupUCaptions(int ix, const TDTNameStr& Value) {
    if (ix < 1 || ix > SubItemCount) return;
    for (int item : {diUnmarkA, diUnmarkB})
        DataItem(item)->GetItems(ix - 1)->SetCaption(ShortString(Value, DTNameLength));
}

// ---- opening ------------------------------------------------------------------------------

void TNTabEd::OpenInternalPopup(TGridCoord Cell, int X, int Y) {
    if (GetPopupMenu() != nullptr || FBlockIntPopup || FPopupD == nullptr || FPopupH == nullptr) return;
    const bool colHeading = Cell.X > FColOffset && Cell.Y <= FRowOffset;
    const bool rowHeading = Cell.Y > FRowOffset && Cell.X <= FColOffset;
    if (IsDataCell(Cell.X, Cell.Y)) {
        LoadResourceBitmap(DataItem(diReadOnly)->GetBitmap(), FReadOnly ? "CHECKEDBOX" : "EMPTYBOX", GetCurrentPPI());
        // A light box would stand out of a dark menu.
        ThemeArtwork(DataItem(diReadOnly)->GetBitmap(), clNone);
        for (int ix : {diClear, diPaste, diExtract, diToggleEmpty}) HoldOffEditingItem(DataItem(ix), 1 << (ix - 1), FHeldOffD);
        if (FDataCopyAvail && MaskBit(FPopupDMask, diPaste)) DataItem(diPaste)->SetEnabled(!FReadOnly);
        if (FOnBeforePopup) FOnBeforePopup(this, FPopupD);
        const TPoint p = ClientToScreen({X + 10, Y - 20});
        FPopupD->Popup(p.X, p.Y);
    } else if (colHeading || rowHeading) {
        PopupHeaderMenu(Cell);
    } else if (Cell == TGridCoord{0, 0} && FCommEdAllowed) {
        OpenCommentEditor();
    }
}

void TNTabEd::HoldOffEditingItem(TMenuItem* Item, int Bit, int& Held) {
    if (FReadOnly) {
        if (Item->GetEnabled()) {
            Item->SetEnabled(false);
            Held |= Bit;
        }
    } else if (Held & Bit) {
        Item->SetEnabled(true);
        Held &= ~Bit;
    }
}

bool TNTabEd::HeadingEditingOffered() const {
    if (FReadOnly || FPopupH == nullptr) return false;
    // An item held off by an earlier read-only opening is offered again at the next one.
    const int bit = 1 << (hiEditHeading - 1);
    return HeaderItem(hiEditHeading)->GetEnabled() || (FHeldOffH & bit) != 0;
}

void TNTabEd::PopupHeaderMenu(TGridCoord Cell) {
    const bool column = Cell.X > FColOffset;
    HoldOffEditingItem(HeaderItem(hiEditHeading), 1 << (hiEditHeading - 1), FHeldOffH);
    if (MaskBit(FPopupHMask, hiPrecision)) HeaderItem(hiPrecision)->SetEnabled(column);
    HeaderItem(hiSelect)->SetEnabled(MaskBit(FPopupHMask, hiSelect));
    HeaderItem(hiInsert)->SetEnabled(MaskBit(FPopupHMask, hiInsert) && !FReadOnly);
    HeaderItem(hiDelete)->SetEnabled(MaskBit(FPopupHMask, hiDelete) && !FReadOnly);
    auto action = [this](void (TNTabEd::*Action)(TObject*)) {
        return TNotifyEvent([this, Action](TObject* Sender) { (this->*Action)(Sender); });
    };
    if (column) {
        HeaderItem(hiSelect)->SetCaption("Select Column");
        HeaderItem(hiSelect)->SetOnClick(action(&TNTabEd::PopupMenuClickSelectCol));
        HeaderItem(hiInsert)->SetCaption("Insert Column");
        HeaderItem(hiInsert)->SetOnClick(action(&TNTabEd::PopupMenuClickInsertCol));
        HeaderItem(hiDelete)->SetCaption("Delete Column");
        HeaderItem(hiDelete)->SetOnClick(action(&TNTabEd::PopupMenuClickDeleteCol));
    } else {
        HeaderItem(hiSelect)->SetCaption("Select Row");
        HeaderItem(hiSelect)->SetOnClick(action(&TNTabEd::PopupMenuClickSelectRow));
        HeaderItem(hiInsert)->SetCaption("Insert Row");
        HeaderItem(hiInsert)->SetOnClick(action(&TNTabEd::PopupMenuClickInsertRow));
        HeaderItem(hiDelete)->SetCaption("Delete Row");
        HeaderItem(hiDelete)->SetOnClick(action(&TNTabEd::PopupMenuClickDeleteRow));
    }
    ShowCellFrame(Cell);
    if (FOnBeforePopup) FOnBeforePopup(this, FPopupH);
    const TRect r = CellRect(Cell.X, Cell.Y);
    const TPoint p = ClientToScreen({r.Left + 20, r.Top + 20});
    FPopupH->Popup(p.X, p.Y);
    HideCellFrame();
}

// ---- marks --------------------------------------------------------------------------------

bool TNTabEd::SelectedBlock(int& C1, int& R1, int& C2, int& R2) const {
    const TGridRect sel = GetSelection();
    C1 = std::max(sel.Left - FColOffset, 1);
    R1 = std::max(sel.Top - FRowOffset, 1);
    C2 = std::min(sel.Right - FColOffset, GetNrOfColumns());
    R2 = std::min(sel.Bottom - FRowOffset, GetNrOfRows());
    return C1 <= C2 && R1 <= R2;
}

void TNTabEd::RunMarkAction(int Range, std::uint8_t Mask, bool On) {
    int c1 = 1, r1 = 1, c2 = GetNrOfColumns(), r2 = GetNrOfRows();
    if (Range != mrAll) {
        int sc1, sr1, sc2, sr2;
        if (!SelectedBlock(sc1, sr1, sc2, sr2)) return;
        if (Range != mrRow) {   // the selected columns
            c1 = sc1;
            c2 = sc2;
        }
        if (Range != mrColumn) {   // the selected rows
            r1 = sr1;
            r2 = sr2;
        }
    }
    MarkBlock(c1, r1, c2, r2, Mask, On);
    Invalidate();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickMarkARange(TObject*) { RunMarkAction(mrRange, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkAColumn(TObject*) { RunMarkAction(mrColumn, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkARow(TObject*) { RunMarkAction(mrRow, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkAAll(TObject*) { RunMarkAction(mrAll, dtsMarkA, true); }
void TNTabEd::PopupMenuClickMarkBRange(TObject*) { RunMarkAction(mrRange, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBColumn(TObject*) { RunMarkAction(mrColumn, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBRow(TObject*) { RunMarkAction(mrRow, dtsMarkB, true); }
void TNTabEd::PopupMenuClickMarkBAll(TObject*) { RunMarkAction(mrAll, dtsMarkB, true); }
void TNTabEd::PopupMenuClickUnMarkARange(TObject*) { RunMarkAction(mrRange, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAColumn(TObject*) { RunMarkAction(mrColumn, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkARow(TObject*) { RunMarkAction(mrRow, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAAll(TObject*) { RunMarkAction(mrAll, dtsMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkBRange(TObject*) { RunMarkAction(mrRange, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBColumn(TObject*) { RunMarkAction(mrColumn, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBRow(TObject*) { RunMarkAction(mrRow, dtsMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBAll(TObject*) { RunMarkAction(mrAll, dtsMarkB, false); }

void TNTabEd::PopupMenuClickUnMarkAll(TObject*) {
    RecordAll(RgCells);
    {
        TNTabEdSuppression quiet(*this);
        Data->UnmarkAllCells();
    }
    Invalidate();
    ChangedCellStates();
}

// ---- bulk actions -------------------------------------------------------------------------

void TNTabEd::PopupMenuClickClear(TObject*) {
    int c1, r1, c2, r2;
    if (!SelectedBlock(c1, r1, c2, r2)) return;
    HideEditor();
    RecordRegion(c1, r1, c2, r2, RgCells);
    {
        TNTabEdBulk bulk(*this);
        for (int c = c1; c <= c2; ++c)
            for (int r = r1; r <= r2; ++r) {
                Data->GetMatrix()->SetElem(c, r, 0.0);
                Data->SetCellState(c, r, 0);
            }
    }
    Repaint();
    if (FOnPaste) FOnPaste(this);
    ChangedData();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickEmptyCells(TObject*) {
    int c1, r1, c2, r2;
    if (!SelectedBlock(c1, r1, c2, r2)) return;
    HideEditor();
    RecordRegion(c1, r1, c2, r2, RgCells);
    {
        TNTabEdBulk bulk(*this);
        for (int c = c1; c <= c2; ++c)
            for (int r = r1; r <= r2; ++r) Data->SetCellState(c, r, Data->GetCellState(c, r) ^ dtsEmpty);
    }
    Repaint();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickCopy(TObject*) {
    int c1, r1, c2, r2;
    if (!SelectedBlock(c1, r1, c2, r2)) return;
    const int cols = c2 - c1 + 1, rows = r2 - r1 + 1;
    std::string text;
    try {
        FDataCopy->Resize(cols, rows);
        // About 24 characters a number with full precision, 12 without.
        text.reserve(std::size_t(cols) * std::size_t(rows) * (FClipUseFullPrec ? 24 : 12) + std::size_t(rows) * 2);
    } catch (const std::exception&) {
        FDataCopyAvail = false;
        RaiseComponentError<EZynNTabedError>(this, msgNotEnoughMemory);
    }
    TMatrix* copy = FDataCopy->GetMatrix();
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r) {
            copy->SetElem(c - c1 + 1, r - r1 + 1, Data->GetElem(c, r));
            FDataCopy->SetCellState(c - c1 + 1, r - r1 + 1, Data->GetCellState(c, r));
        }
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c) {
            text.push_back(c == c1 ? ' ' : '\t');
            AppendClipCellText(text, Data->GetElem(c, r), Data->GetCellState(c, r), GetPrecision(c), FClipUseFullPrec);
        }
        text += "\r\n";
    }
    OfferBlockFormats(c1, r1, c2, r2, text);
    FDataCopyAvail = true;
}

void TNTabEd::PopupMenuClickPaste(TObject*) {
    if (!FDataCopyAvail) return;
    HideEditor();
    const TGridRect sel = GetSelection();
    const int cols = FDataCopy->GetNrOfColumns(), rows = FDataCopy->GetNrOfRows();
    const int left = sel.Left - FColOffset, top = sel.Top - FRowOffset;
    RecordRegion(left, top, left + cols - 1, top + rows - 1, RgCells);
    {
        TNTabEdBulk bulk(*this);
        for (int i = 1; i <= cols; ++i) {
            const int c = sel.Left - FColOffset + i - 1;
            if (c < 1 || c > GetNrOfColumns()) continue;
            for (int j = 1; j <= rows; ++j) {
                const int r = sel.Top - FRowOffset + j - 1;
                if (r < 1 || r > GetNrOfRows()) continue;
                Data->GetMatrix()->SetElem(c, r, FDataCopy->GetElem(i, j));
                Data->SetCellState(c, r, FDataCopy->GetCellState(i, j));
            }
        }
    }
    Repaint();
    ChangedData();
    ChangedCellStates();
    if (FOnPaste) FOnPaste(this);
    SetSelection(TGridRect(sel.Left, sel.Top, sel.Left + cols - 1, sel.Top + rows - 1));
}

void TNTabEd::PopupMenuClickExtClip(TObject*) {
    if (ExtractHtmlTable()) return;
    if (!Clipboard()->HasFormat(CF_TEXT)) return;
    const std::string text = Clipboard()->GetAsText();
    std::string problem;
    if (!CheckClipTable(text, problem))
        RaiseComponentError<EZynNTabedError>(this, "the clipboard text is not a table of numbers: " + problem);
    HideEditor();
    const TGridRect sel = GetSelection();
    int lastCol = 0, lastRow = 0;
    {
        // The block the text covers, found before anything is written, is one step.
        int cols = 0, rows = 0;
        WalkClipNumbers(
            text,
            [&](int Col, int Row, double) {
                cols = std::max(cols, Col + 1);
                rows = std::max(rows, Row + 1);
            },
            nullptr);
        const int left = sel.Left - FColOffset, top = sel.Top - FRowOffset;
        RecordRegion(left, top, left + cols - 1, top + rows - 1, RgCells);
    }
    {
        TNTabEdBulk bulk(*this);
        WalkClipNumbers(
            text,
            [&](int Col, int Row, double Value) {
                lastCol = std::max(lastCol, Col);
                lastRow = std::max(lastRow, Row);
                // The value makes the cell a number again; its marks stay.
                Data->SetElem(sel.Left - FColOffset + Col, sel.Top - FRowOffset + Row, Value);
            },
            nullptr);
    }
    Repaint();
    ChangedData();
    if (FOnPaste) FOnPaste(this);
    SetSelection(TGridRect(sel.Left, sel.Top, sel.Left + lastCol, sel.Top + lastRow));
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const {
    NCols = 1;
    NRows = 1;
    if (!Clipboard()->HasFormat(CF_TEXT)) return false;
    const std::string text = Clipboard()->GetAsText();
    std::string problem;
    if (!CheckClipTable(text, problem)) return false;
    const int count = WalkClipNumbers(
        text,
        [&](int Col, int Row, double) {
            NCols = std::max(NCols, Col + 1);
            NRows = std::max(NRows, Row + 1);
        },
        nullptr);
    return count > 0;
}

// ---- other data actions -------------------------------------------------------------------

void TNTabEd::PopupMenuClickEdit(TObject*) {
    SetDataReadOnly(!FReadOnly);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickSelAll(TObject*) {
    SetSelection(TGridRect(FColOffset + 1, FRowOffset + 1, GetNrOfColumns() + FColOffset, GetNrOfRows() + FRowOffset));
    Invalidate();
    ChangedSelection();
}

// ---- header actions -----------------------------------------------------------------------

void TNTabEd::PopupMenuClickSelectCol(TObject*) {
    if (FClicked.X <= FColOffset || FClicked.X > GetNrOfColumns() + FColOffset) return;
    SetSelection(TGridRect(FClicked.X, FRowOffset + 1, FClicked.X, GetNrOfRows() + FRowOffset));
    Invalidate();
    ChangedSelection();
}

void TNTabEd::PopupMenuClickSelectRow(TObject*) {
    if (FClicked.Y <= FRowOffset || FClicked.Y > GetNrOfRows() + FRowOffset) return;
    SetSelection(TGridRect(FColOffset + 1, FClicked.Y, GetNrOfColumns() + FColOffset, FClicked.Y));
    Invalidate();
    ChangedSelection();
}

void TNTabEd::PopupMenuClickInsertCol(TObject*) {
    const int c = FClicked.X - FColOffset;
    if (FClicked.X <= FColOffset || c > GetNrOfColumns()) return;
    const bool muted = std::exchange(FDataHookMuted, true);
    TUndoGroup step(FUndo);   // the line and its name
    try {
        InsertColumn(c);
        SetColName(c, "(...)");
    } catch (...) {
        FDataHookMuted = muted;
        throw;
    }
    FDataHookMuted = muted;
    ChangedSetup();
}

void TNTabEd::PopupMenuClickInsertRow(TObject*) {
    const int r = FClicked.Y - FRowOffset;
    if (FClicked.Y <= FRowOffset || r > GetNrOfRows()) return;
    const bool muted = std::exchange(FDataHookMuted, true);
    TUndoGroup step(FUndo);   // the line and its name
    try {
        InsertRow(r);
        SetRowName(r, "(...)");
    } catch (...) {
        FDataHookMuted = muted;
        throw;
    }
    FDataHookMuted = muted;
    ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteCol(TObject*) {
    const int c = FClicked.X - FColOffset;
    if (FClicked.X <= FColOffset || c > GetNrOfColumns()) return;
    RemoveColumn(c);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteRow(TObject*) {
    const int r = FClicked.Y - FRowOffset;
    if (FClicked.Y <= FRowOffset || r > GetNrOfRows()) return;
    RemoveRow(r);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickPrecision(TObject*) {
    const int c = FClicked.X - FColOffset;
    if (FClicked.X <= FColOffset || c > GetNrOfColumns() || FClicked.Y < 0) return;
    // 3, 2, 1, 0, -1 (exponent form), then 10, 9, ...
    const int d = GetPrecision(c);
    SetPrecision(c, d >= 0 ? d - 1 : MaxDecPlaces);
    // The menu comes again so that the user can step on.
    ShowCellFrame(FClicked);
    const TRect r = CellRect(FClicked.X, FClicked.Y);
    const TPoint p = ClientToScreen({r.Left + 20, r.Top + 20});
    FPopupH->Popup(p.X, p.Y);
    HideCellFrame();
    ChangedLayout();
}

// =========================================================================================
// the heading editor

void TNTabEd::PopupMenuClickChangeID(TObject*) {
    if (FNameEd == nullptr) return;
    const TGridCoord cell = FClicked;
    const bool colHeading = cell.X > FColOffset && cell.X <= GetNrOfColumns() + FColOffset && cell.Y >= 0 &&
                            cell.Y <= FRowOffset;
    const bool rowHeading = cell.Y > FRowOffset && cell.Y <= GetNrOfRows() + FRowOffset && cell.X >= 0 &&
                            cell.X <= FColOffset;
    if (!colHeading && !rowHeading) return;   // the cells where the heading lines meet, data cells
    std::string text;
    if (colHeading) {
        const int c = cell.X - FColOffset;
        text = cell.Y != 0 ? IntToStr(Data->GetColAttrib(c)) : Data->GetColName(c);
    } else {
        const int r = cell.Y - FRowOffset;
        text = cell.X != 0 ? IntToStr(Data->GetRowAttrib(r)) : Data->GetRowName(r);
    }
    const TRect r = CellRect(cell.X, cell.Y);
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    FNameEd->SetFont(GetFont());
    FNameEd->SetBounds(r.Left + 30, r.Top + 5, std::max(140, r.Width()), canvas->TextHeight("Wg") + 8);
    FNameEd->SetText(text);
    FNameEd->Show();
    FNameEd->BringToFront();
    if (FNameEd->CanFocus()) FNameEd->SetFocus();
    FNameEd->SelectAll();
    FNameEdCell = cell;
    FNameEdActive = true;
}

void TNTabEd::NameEditorKeyPress(char32_t& Key) {
    if (Key != U'\r' && Key != 27) return;
    const bool accept = Key == U'\r';
    Key = 0;
    const std::string text = FNameEd->GetText();
    FNameEd->Hide();
    FNameEdActive = false;
    if (CanFocus()) SetFocus();
    Invalidate();
    if (!accept) return;
    const TGridCoord cell = FNameEdCell;
    const bool column = cell.X > FColOffset;
    const bool attribute = column ? cell.Y != 0 : cell.X != 0;
    const int index = column ? cell.X - FColOffset : cell.Y - FRowOffset;
    if (attribute) {
        std::string s = Trim(text);
        std::replace(s.begin(), s.end(), ',', '.');
        TFormatSettings point;
        point.DecimalSeparator = '.';
        double v = 0;
        if (s.empty() || !TryStrToFloat(s, v, point) || v != v) return;   // not a number: nothing changes
        const auto value = std::uint8_t(Round(std::clamp(v, 0.0, 255.0)));
        if (column) SetColAttrib(index, value);
        else SetRowAttrib(index, value);
        ChangedHeading();
    } else {
        if (column) SetColName(index, text);
        else SetRowName(index, text);
        ChangedHeading();
    }
}

// =========================================================================================
// the comment editor

void TNTabEd::OpenCommentEditor() {
    if (FCommentMM == nullptr) return;
    const TRect corner = CellRect(0, 0);
    if (GetShowing() && !corner.IsEmpty()) {
        TCanvas* canvas = GetCanvas();
        canvas->GetFont()->Assign(GetFont());
        DrawCommentCorner(canvas, corner, 3, 2);
    }
    const int left = TCustomGrid::GetColWidths(0);
    FCommentMM->SetBounds(left, 0, std::max(GetWidth() - left - 20, 0), 80);
    FCommentMM->SetText(Data->GetFComment());
    FCommentMM->SetColor(CommentBack);
    FCommentMM->GetFont()->SetColor(CommentText);
    FCommentMM->Show();
    FCommentMM->BringToFront();
    if (FCommentMM->CanFocus()) FCommentMM->SetFocus();
    FCommentMMActive = true;
}

void TNTabEd::CloseCommentEditor(bool Accept) {
    if (FCommentMM == nullptr) return;
    const std::string text = FCommentMM->GetText();
    FCommentMM->Hide();
    FCommentMMActive = false;
    if (CanFocus()) SetFocus();
    if (Accept) {
        RecordRegion(1, 1, 0, 0, RgComment);
        {
            TNTabEdSuppression quiet(*this);
            Data->SetFComment(text);   // control characters included
        }
        ChangedData();
    }
    RedrawCorner();
}

void TNTabEd::CommentKeyPress(char32_t& Key) {
    if (Key != U'\r' && Key != 27) return;
    const bool accept = Key == U'\r';
    Key = 0;
    CloseCommentEditor(accept);
}

}  // namespace zyn
