// The grid's in-place editor: its life cycle in the grid (show, move, hide) and the
// editor controls TInplaceEdit and TInplaceEditList.
#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/grid/Grid.h"
#include "platform/controls/lists/DropDownList.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// ---- life cycle in the grid --------------------------------------------------------------

bool TCustomGrid::CanEditShow() {
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
           !GetComponentState().Contains(csDesigning) &&
           (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEditList(this); }

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value) {
        ShowEditor();
        // Opened on request (F2, EditorMode): the caret goes to the end, nothing selected.
        if (inplaceEdit_ != nullptr && inplaceEdit_->GetVisible()) inplaceEdit_->Deselect();
    } else {
        HideEditor();
    }
}

void TCustomGrid::ShowEditor() {
    if (!options_.Contains(goEditing) || options_.Contains(goRowSelect)) return;
    editorMode_ = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor() {
    editorMode_ = false;
    HideEdit();
}

void TCustomGrid::UpdateEdit() {
    if (!CanEditShow()) return;
    if (inplaceEdit_ == nullptr) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->grid_ = this;
        inplaceEdit_->SetVisible(false);
        inplaceEdit_->SetParent(this);
    }
    bool fresh = !inplaceEdit_->GetVisible() || inplaceCol_ != current_.X || inplaceRow_ != current_.Y;
    if (fresh) {
        inplaceCol_ = current_.X;
        inplaceRow_ = current_.Y;
        inplaceEdit_->UpdateContents();
    }
    inplaceEdit_->Move(CellRect(current_.X, current_.Y));
    if (fresh) {
        if (IsActiveControl() && inplaceEdit_->CanFocus()) inplaceEdit_->SetFocus();
        inplaceEdit_->SelectAll();
        InvalidateCell(current_.X, current_.Y);
    }
}

void TCustomGrid::HideEdit() {
    if (inplaceEdit_ == nullptr || inplaceCol_ < 0) return;
    int c = inplaceCol_, r = inplaceRow_;
    if (auto* list = dynamic_cast<TInplaceEditList*>(inplaceEdit_)) list->CloseUp(false);
    // Closing stores the text once more.
    SetEditText(c, r, inplaceEdit_->GetText());
    inplaceCol_ = inplaceRow_ = -1;
    bool hadFocus = inplaceEdit_->Focused();
    if (hadFocus && CanFocus()) SetFocus();
    inplaceEdit_->SetVisible(false);
    InvalidateCell(c, r);
}

// ---- TInplaceEdit ----------------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    grid_ = dynamic_cast<TCustomGrid*>(AOwner);
    SetInnerPart(true);
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetAutoSelect(false);
}

void TInplaceEdit::UpdateContents() {
    if (grid_ == nullptr) return;
    loading_ = true;
    try {
        int limit = grid_->GetEditLimit();
        SetReadOnly(limit < 0);
        SetMaxLength(std::max(0, limit));
        // The old text goes first, so that the new mask does not reshape it.
        SetText("");
        SetEditMask(grid_->GetEditMask(grid_->GetCol(), grid_->GetRow()));
        SetText(grid_->GetEditText(grid_->GetCol(), grid_->GetRow()));
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
}

void TInplaceEdit::Move(const TRect& Rect) {
    if (Rect.IsEmpty()) {
        // The cell is scrolled out: keep the editor (and its focus) but show nothing.
        SetBounds(0, 0, 0, 0);
    } else {
        SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    }
    if (!GetVisible()) SetVisible(true);
}

void TInplaceEdit::Deselect() {
    if (!IsMasked()) {
        SetSelStart(GetTextLength());
        return;
    }
    // Under a mask the end of the text is the end of the mask: the caret goes after what was
    // typed instead, where typing goes on.
    const TEditMaskFormat& mask = GetMaskFormat();
    const std::u32string& text = Chars();
    int last = mask.Length() - 1;
    while (last >= 0 && (mask.IsLiteral(last) || mask.IsBlankAt(text, last))) --last;
    SetSelStart(std::min(mask.NextEditable(last + 1), mask.Length()));
}

void TInplaceEdit::Change() {
    // Every change of the text is stored at once; there is no separate commit.
    if (!loading_ && grid_ != nullptr && grid_->inplaceCol_ >= 0)
        grid_->SetEditText(grid_->inplaceCol_, grid_->inplaceRow_, GetText());
    TCustomMaskEdit::Change();
}

void TInplaceEdit::DoExit() { TCustomEdit::DoExit(); }

void TInplaceEdit::SendToGrid(WORD& Key, TShiftState Shift) {
    if (grid_ != nullptr) grid_->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    bool always = grid_ != nullptr && grid_->GetOptions().Contains(goAlwaysShowEditor);
    bool ctrl = Shift.Contains(ssCtrl);
    int len = GetTextLength();
    // Under a mask the caret cannot go before the first editable position.
    int first = IsMasked() ? std::min(GetMaskFormat().NextEditable(0), len) : 0;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        SendToGrid(Key, Shift);
        break;
    case VK_INSERT:
        if (Shift.Empty()) SendToGrid(Key, Shift);
        break;
    case VK_LEFT:
    case VK_HOME:
        if (always && (ctrl || (GetSelStart() <= first && GetSelLength() == 0))) SendToGrid(Key, Shift);
        break;
    case VK_RIGHT:
    case VK_END:
        if (always && (ctrl || (GetSelStart() == len && GetSelLength() == 0))) SendToGrid(Key, Shift);
        break;
    case VK_DELETE:
        if (ctrl) SendToGrid(Key, Shift);
        break;
    case VK_TAB:
        if (!Shift.Contains(ssAlt)) SendToGrid(Key, Shift);
        break;
    case VK_F2:
        Deselect();
        Key = 0;
        break;
    default: break;
    }
    if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key) {
    if (grid_ != nullptr) grid_->KeyPress(Key);
    if (Key >= 32 && grid_ != nullptr && !grid_->CanEditAcceptKey(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    switch (Key) {
    case 9:
    case 13:
    case 27:
        Key = 0;
        break;
    default:
        if ((Key == 8 || Key == 22 || Key == 24 || Key >= 32) && grid_ != nullptr && !grid_->CanEditModify())
            Key = 0;
        break;
    }
    if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& M) {
    TCustomMaskEdit::WMGetDlgCode(M);
    // Enter and Escape belong to the open editor (closing it, or going on to the grid),
    // not to a default or Cancel button of the form.
    M.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (grid_ != nullptr && grid_->GetOptions().Contains(goTabs)) M.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::WMKillFocus(TMessage& M) { TCustomMaskEdit::WMKillFocus(M); }

void TInplaceEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomMaskEdit::MouseDown(Button, Shift, X, Y);
}

// ---- TInplaceEditList ------------------------------------------------------------------

TInplaceEditList::TInplaceEditList(TComponent* AOwner)
    : TInplaceEdit(AOwner), pickList_(std::make_unique<TStringList>()) {}

TInplaceEditList::~TInplaceEditList() {
    // The popup form is owned by this editor and freed with it.
}

TDropDownList* TInplaceEditList::GetListControl() const {
    return listVisible_ && dropForm_ != nullptr ? dropForm_->GetList() : nullptr;
}

void TInplaceEditList::SetEditStyle(TEditStyle Value) {
    if (editStyle_ == Value) return;
    if (Value != esPickList) CloseUp(false);
    editStyle_ = Value;
    Invalidate();
}

void TInplaceEditList::UpdateContents() {
    CloseUp(false);
    if (grid_ != nullptr) SetEditStyle(grid_->GetEditStyle(grid_->GetCol(), grid_->GetRow()));
    TInplaceEdit::UpdateContents();
}

int TInplaceEditList::ButtonWidth() const {
    if (editStyle_ == esSimple) return 0;
    return std::min(TInnerScrollBar::SizeAt(GetCurrentPPI()), GetWidth() / 2);
}

TRect TInplaceEditList::ButtonRect() const {
    int w = ButtonWidth();
    return w == 0 ? TRect() : Rect(GetWidth() - w, 0, GetWidth(), GetHeight());
}

void TInplaceEditList::PaintWindow(TCanvas* Canvas) {
    TInplaceEdit::PaintWindow(Canvas);
    TRect b = ButtonRect();
    if (b.IsEmpty()) return;
    DrawButtonFace(Canvas, b, buttonPressed_ || listVisible_, GetCurrentPPI());
    if (editStyle_ == esPickList) {
        DrawArrowGlyph(Canvas, b, adDown, clBtnText, GetCurrentPPI());
    } else {
        // Three dots for the ellipsis button.
        int cx = (b.Left + b.Right) / 2, cy = (b.Top + b.Bottom) / 2 + 2;
        Canvas->GetBrush()->SetColor(clBtnText);
        for (int dx : {-4, 0, 4}) Canvas->FillRect(Rect(cx + dx - 1, cy - 1, cx + dx + 1, cy + 1));
    }
}

void TInplaceEditList::DropDown() {
    if (listVisible_ || editStyle_ != esPickList || grid_ == nullptr) return;
    if (FOnGetPickListItems) FOnGetPickListItems(this, grid_->GetCol(), grid_->GetRow(), pickList_.get());
    if (dropForm_ == nullptr) dropForm_ = new TDropDownForm(this);
    // The list is drawn at the editor's density: its frame, scroll bar and insets.
    dropForm_->SetPixelsPerInch(GetCurrentPPI());
    TDropDownList* list = dropForm_->GetList();
    list->SetFont(GetFont());
    TCanvas* measure = ControlCanvas();
    measure->GetFont()->Assign(GetFont());
    list->SetItemHeight(measure->TextHeight("Wg") + ScaledMetric(2));
    list->SetOnChoose([this](TObject*, int Index) { ListItemChosen(Index); });
    list->SetItems(pickList_.get());
    list->SetItemIndex(pickList_->IndexOf(GetText()));
    int rows = std::clamp(pickList_->Count(), 1, dropDownRows_);
    TPoint origin = ClientToScreen({0, 0});
    // The list is at least as wide as the cell and wide enough for its longest item.
    int width = GetWidth();
    for (int i = 0; i < pickList_->Count(); ++i)
        width = std::max(width, measure->TextWidth(pickList_->Get(i)) + 6 +
                                    (pickList_->Count() > rows ? TInnerScrollBar::SizeAt(GetCurrentPPI()) : 0));
    listVisible_ = true;
    dropForm_->Popup(Bounds(origin.X, origin.Y, GetWidth(), GetHeight()), width, list->HeightForRows(rows));
    Invalidate();
}

void TInplaceEditList::CloseUp(bool Accept) {
    if (!listVisible_) return;
    listVisible_ = false;
    int index = dropForm_ != nullptr ? dropForm_->GetList()->GetItemIndex() : -1;
    if (dropForm_ != nullptr) dropForm_->Hide();
    Invalidate();
    if (Accept && index >= 0 && index < pickList_->Count()) {
        SetText(pickList_->Get(index));
        SelectAll();
    }
}

void TInplaceEditList::ListItemChosen(int Index) {
    (void)Index;
    CloseUp(true);
}

void TInplaceEditList::DoEditButtonClick() {
    if (FOnEditButtonClick) FOnEditButtonClick(this);
    if (grid_ != nullptr) grid_->EditButtonClick();
}

void TInplaceEditList::KeyDown(WORD& Key, TShiftState Shift) {
    bool opener = (Key == VK_DOWN && Shift.Contains(ssAlt)) || (Key == VK_F4 && Shift.Empty());
    if (opener && editStyle_ == esPickList) {
        if (listVisible_) CloseUp(true);
        else DropDown();
        Key = 0;
        return;
    }
    if (editStyle_ == esEllipsis && Key == VK_RETURN && Shift == TShiftState{ssCtrl}) {
        DoEditButtonClick();
        Key = 0;
        return;
    }
    if (listVisible_) {
        TDropDownList* list = dropForm_->GetList();
        switch (Key) {
        case VK_UP: list->MoveBy(-1); Key = 0; return;
        case VK_DOWN: list->MoveBy(1); Key = 0; return;
        case VK_PRIOR: list->MoveBy(-list->PageSize()); Key = 0; return;
        case VK_NEXT: list->MoveBy(list->PageSize()); Key = 0; return;
        case VK_RETURN: CloseUp(true); Key = 0; eatChar_ = true; return;
        case VK_ESCAPE: CloseUp(false); Key = 0; eatChar_ = true; return;
        default: break;
        }
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TInplaceEditList::KeyPress(char32_t& Key) {
    // The character of the Enter or Escape that closed the list does nothing more.
    if (eatChar_ && (Key == 13 || Key == 27)) {
        eatChar_ = false;
        Key = 0;
        return;
    }
    eatChar_ = false;
    TInplaceEdit::KeyPress(Key);
}

void TInplaceEditList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && ButtonRect().Contains({X, Y})) {
        if (listVisible_) {
            CloseUp(false);
        } else {
            buttonPressed_ = true;
            if (editStyle_ == esPickList) DropDown();
        }
        Invalidate();
        return;
    }
    TInplaceEdit::MouseDown(Button, Shift, X, Y);
}

void TInplaceEditList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (buttonPressed_) {
        buttonPressed_ = false;
        if (editStyle_ == esEllipsis && ButtonRect().Contains({X, Y})) DoEditButtonClick();
        Invalidate();
    }
    TInplaceEdit::MouseUp(Button, Shift, X, Y);
}

void TInplaceEditList::WMKillFocus(TMessage& M) {
    CloseUp(false);
    TInplaceEdit::WMKillFocus(M);
}

void TInplaceEditList::CMCancelMode(TMessage& M) {
    // A press anywhere else on the form closes the list.
    TControl* sender = reinterpret_cast<TControl*>(M.LParam);
    if (sender != this && (dropForm_ == nullptr || sender != dropForm_->GetList())) CloseUp(false);
    TInplaceEdit::CMCancelMode(M);
}

}  // namespace vcl
