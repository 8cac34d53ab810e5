// TCustomComboBox: the field, its inner edit line, the drop-down list, keys and mouse.
#include "platform/controls/lists/ComboBox.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/ItemsAccessible.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/lists/DropDownList.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"
#include "platform/runtime/TextUtils.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

// ---- TComboEdit ------------------------------------------------------------------------

TComboEdit::TComboEdit(TCustomComboBox* Combo) : TCustomEdit(Combo), combo_(Combo) {
    SetInnerPart(true);
    SetBorderStyle(bsNone);
    SetTabStop(false);
}

void TComboEdit::KeyDown(WORD& Key, TShiftState Shift) {
    combo_->KeyDown(Key, Shift);
    if (Key != 0) TCustomEdit::KeyDown(Key, Shift);
}

void TComboEdit::KeyPress(char32_t& Key) {
    combo_->KeyPress(Key);
    if (Key != 0) TCustomEdit::KeyPress(Key);
}

void TComboEdit::KeyUp(WORD& Key, TShiftState Shift) {
    combo_->KeyUp(Key, Shift);
    if (Key != 0) TCustomEdit::KeyUp(Key, Shift);
}

void TComboEdit::Change() {
    TCustomEdit::Change();
    if (combo_->updatingEdit_) return;
    // Typed text chooses the item it names exactly, or none.
    combo_->itemIndex_ = combo_->items_->IndexOf(GetText());
    if (combo_->droppedDown_) {
        if (TDropDownList* list = combo_->GetListControl()) list->SetItemIndex(combo_->itemIndex_);
    }
    combo_->Change();
}

void TComboEdit::WMGetDlgCode(TMessage& M) {
    TCustomEdit::WMGetDlgCode(M);
    M.Result |= DLGC_WANTARROWS;
    if (combo_->droppedDown_) M.Result |= DLGC_WANTALLKEYS;
}

void TComboEdit::WMKillFocus(TMessage& M) {
    TCustomEdit::WMKillFocus(M);
    combo_->Invalidate();
}

void TComboEdit::CMCancelMode(TMessage& M) {
    TControl* sender = reinterpret_cast<TControl*>(M.LParam);
    if (sender != combo_ && sender != this && sender != combo_->GetListControl()) combo_->CloseList(false);
    TCustomEdit::CMCancelMode(M);
}

void TComboEdit::DoEnter() {
    TCustomEdit::DoEnter();
    combo_->Invalidate();
}

void TComboEdit::DoExit() {
    TCustomEdit::DoExit();
    combo_->Invalidate();
}

// ---- construction and properties -----------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>()),
      itemCanvas_(std::make_unique<TCanvas>()) {
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    items_->SetOnChange([this](TObject*) { ItemsChanged(); });
    edit_ = new TComboEdit(this);
    edit_->SetParent(this);
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() {
    items_->SetOnChange(nullptr);
}

void TCustomComboBox::ItemsChanged() {
    if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
    if (droppedDown_) {
        if (TDropDownList* list = GetListControl()) list->SetItems(items_.get());
    }
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= items_->Count()) Value = -1;
    if (Value == itemIndex_ && (edit_ == nullptr || Value < 0 || edit_->GetText() == items_->Get(Value))) return;
    itemIndex_ = Value;
    UpdateEditFromItem();
    if (TDropDownList* list = GetListControl()) list->SetItemIndex(Value);
    Invalidate();
    NotifyItemFocus(this, itemIndex_);
}

void TCustomComboBox::UpdateEditFromItem() {
    if (edit_ == nullptr) return;
    updatingEdit_ = true;
    try {
        edit_->SetText(itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string());
        if (edit_->Focused()) edit_->SelectAll();
    } catch (...) {
        updatingEdit_ = false;
        throw;
    }
    updatingEdit_ = false;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (style_ == Value) return;
    std::string text = GetTextBuf();
    CloseList(false);
    style_ = Value;
    if (IsListStyle() && edit_ != nullptr) {
        bool hadFocus = edit_->Focused();
        if (hadFocus && CanFocus()) TCustomControl::SetFocus();
        delete edit_;
        edit_ = nullptr;
    } else if (!IsListStyle() && edit_ == nullptr) {
        edit_ = new TComboEdit(this);
        edit_->SetParent(this);
        edit_->SetMaxLength(maxLength_);
        UpdateEditFromItem();
        if (itemIndex_ < 0) {
            updatingEdit_ = true;
            edit_->SetText(text);
            updatingEdit_ = false;
        }
    }
    if (style_ == csOwnerDrawFixed) SetHeight(SatAdd(itemHeight_, ScaledMetric(6)));
    LayoutEdit();
    Invalidate();
}

int TCustomComboBox::FontItemHeight() {
    TCanvas* c = ControlCanvas();
    c->GetFont()->Assign(GetFont());
    return c->TextHeight("Wg") + ScaledMetric(3);
}

int TCustomComboBox::GetItemHeight() const {
    if (IsOwnerDraw()) return itemHeight_;
    return const_cast<TCustomComboBox*>(this)->FontItemHeight();
}

void TCustomComboBox::SetItemHeight(int Value) {
    Value = std::max(1, Value);
    if (itemHeight_ == Value) return;
    itemHeight_ = Value;
    // The field of a fixed owner-drawn combo box is as high as an item plus its frame.
    if (style_ == csOwnerDrawFixed) SetHeight(SatAdd(itemHeight_, ScaledMetric(6)));
    Invalidate();
}

bool TCustomComboBox::GetSorted() const { return items_->GetSorted(); }
void TCustomComboBox::SetSorted(bool Value) { items_->SetSorted(Value); }

void TCustomComboBox::SetMaxLength(int Value) {
    maxLength_ = std::max(0, Value);
    if (edit_ != nullptr) edit_->SetMaxLength(maxLength_);
}

void TCustomComboBox::SelectAll() {
    if (edit_ != nullptr) edit_->SelectAll();
}

TDropDownList* TCustomComboBox::GetListControl() const {
    return droppedDown_ && dropForm_ != nullptr ? dropForm_->GetList() : nullptr;
}

TCanvas* TCustomComboBox::GetCanvas() {
    return drawingListItem_ ? itemCanvas_.get() : ControlCanvas();
}

bool TCustomComboBox::Focused() const {
    return TCustomControl::Focused() || (edit_ != nullptr && edit_->Focused());
}

void TCustomComboBox::SetFocus() {
    if (edit_ != nullptr && edit_->CanFocus()) edit_->SetFocus();
    else TCustomControl::SetFocus();
}

// ---- text ------------------------------------------------------------------------------

std::string TCustomComboBox::GetTextBuf() const {
    if (edit_ != nullptr) return edit_->GetText();
    return itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
}

void TCustomComboBox::SetTextBuf(const std::string& Value) {
    // Nothing changes (and nothing repaints) when the text and the item it selects stay.
    const int index = items_->IndexOf(Value);
    if (edit_ != nullptr ? edit_->GetText() == Value && itemIndex_ == index : index < 0 || index == itemIndex_)
        return;
    if (edit_ != nullptr) {
        updatingEdit_ = true;
        try {
            edit_->SetText(Value);
        } catch (...) {
            updatingEdit_ = false;
            throw;
        }
        updatingEdit_ = false;
        itemIndex_ = items_->IndexOf(Value);
    } else {
        int i = items_->IndexOf(Value);
        if (i >= 0) itemIndex_ = i;
    }
    Perform(CM_TEXTCHANGED, 0, 0);
    Invalidate();
}

// ---- geometry --------------------------------------------------------------------------

TRect TCustomComboBox::ButtonRect() const {
    // Inside the border, which is a line as wide as the density makes it.
    const int line = ScaledLineWidth(1);
    int w = std::min(TInnerScrollBar::SizeAt(GetCurrentPPI()), std::max(0, GetWidth() - 2 * line));
    return Rect(GetWidth() - line - w, line, GetWidth() - line, std::max(line, GetHeight() - line));
}

TRect TCustomComboBox::FieldRect() const {
    const int inset = ScaledMetric(3);
    return Rect(inset, inset, std::max(inset, ButtonRect().Left - ScaledMetric(1)), std::max(inset, GetHeight() - inset));
}

void TCustomComboBox::LayoutEdit() {
    if (edit_ == nullptr) return;
    TCanvas* c = ControlCanvas();
    c->GetFont()->Assign(GetFont());
    int th = c->TextHeight("Wg");
    // The edit line draws its text 2 pixels (at 96 dpi) below its top: centre the text in
    // the field.
    const int line = ScaledLineWidth(1);
    int top = std::max(line, (GetHeight() - th) / 2 - ScaledMetric(2));
    edit_->SetBounds(ScaledMetric(2), top, std::max(0, ButtonRect().Left - ScaledMetric(3)),
                     std::max(0, GetHeight() - line - top));
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    LayoutEdit();
}

void TCustomComboBox::CMFontChanged(TMessage& M) {
    TCustomControl::CMFontChanged(M);
    LayoutEdit();
}

void TCustomComboBox::CMEnabledChanged(TMessage& M) {
    if (!GetEnabled()) CloseList(false);
    TCustomControl::CMEnabledChanged(M);
}

// ---- the list ----------------------------------------------------------------------------

void TCustomComboBox::DropDown() {
    if (FOnDropDown) FOnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (FOnCloseUp) FOnCloseUp(this);
}

void TCustomComboBox::Change() {
    if (FOnChange) FOnChange(this);
}

void TCustomComboBox::Select() {
    if (FOnSelect) FOnSelect(this);
    else Change();
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
    if (FOnMeasureItem) FOnMeasureItem(this, Index, Height);
}

void TCustomComboBox::SetDroppedDown(bool Value) {
    if (droppedDown_ == Value) return;
    if (!Value) {
        CloseList(false);
        return;
    }
    DropDown();
    if (!GetShowing() || !IsEnabledInTree()) return;
    if (dropForm_ == nullptr) dropForm_ = new TDropDownForm(this);
    // The list is drawn at the combo box's density: its frame, scroll bar and insets.
    dropForm_->SetPixelsPerInch(GetCurrentPPI());
    TDropDownList* list = dropForm_->GetList();
    list->SetFont(GetFont());
    list->SetColor(GetColor());
    list->SetItemHeight(GetItemHeight());
    list->SetOnMeasureItem(nullptr);
    if (style_ == csOwnerDrawVariable)
        list->SetOnMeasureItem([this](TObject*, int Index, int& Height) { MeasureItem(Index, Height); });
    list->SetOnDrawItem(nullptr);
    if (IsOwnerDraw())
        list->SetOnDrawItem([this](TObject*, int Index, const TRect& R, TOwnerDrawState State) {
            DrawListItem(Index, R, State);
        });
    list->SetOnChoose([this](TObject*, int Index) {
        CloseList(false);
        ChooseItem(Index);
    });
    list->SetItems(items_.get());
    int rows = std::clamp(items_->Count(), 1, dropDownCount_);
    list->SetBounds(0, 0, GetWidth(), list->HeightForRows(rows));
    list->SetItemIndex(itemIndex_);
    TPoint origin = ClientToScreen({0, 0});
    droppedDown_ = true;
    dropForm_->Popup(Bounds(origin.X, origin.Y, GetWidth(), GetHeight()), GetWidth(), list->HeightForRows(rows));
    Invalidate();
}

void TCustomComboBox::CloseList(bool Accept) {
    if (!droppedDown_) return;
    int highlighted = dropForm_ != nullptr ? dropForm_->GetList()->GetItemIndex() : -1;
    droppedDown_ = false;
    if (dropForm_ != nullptr) dropForm_->Hide();
    Invalidate();
    if (Accept && highlighted >= 0) ChooseItem(highlighted);
    CloseUp();
}

void TCustomComboBox::ChooseItem(int Index) {
    if (Index < 0 || Index >= items_->Count()) return;
    if (Index == itemIndex_ && GetTextBuf() == items_->Get(Index)) return;
    itemIndex_ = Index;
    UpdateEditFromItem();
    Invalidate();
    Click();
    Select();
}

void TCustomComboBox::DrawListItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    TDropDownList* list = dropForm_->GetList();
    TCanvas* source = list->GetCanvas();
    itemCanvas_->SetSurface(source->GetSurface());
    itemCanvas_->SetOrigin(source->GetOrigin());
    itemCanvas_->SetClipRect(source->GetClipRect());
    itemCanvas_->GetBrush()->Assign(source->GetBrush());
    itemCanvas_->GetFont()->Assign(source->GetFont());
    itemCanvas_->GetPen()->Assign(source->GetPen());
    drawingListItem_ = true;
    try {
        DrawItem(Index, Rect, State);
    } catch (...) {
        drawingListItem_ = false;
        throw;
    }
    drawingListItem_ = false;
}

// ---- painting --------------------------------------------------------------------------

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (FOnDrawItem) {
        FOnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas* canvas = GetCanvas();
    canvas->FillRect(Rect);
    if (Index >= 0 && Index < items_->Count()) {
        std::string text = items_->Get(Index);
        canvas->TextOut(Rect.Left + 2, Rect.Top + (Rect.Height() - canvas->TextHeight(text)) / 2, text);
    }
}

void TCustomComboBox::Paint() {
    TCanvas* canvas = ControlCanvas();
    TRect client = GetClientRect();
    bool enabled = IsEnabledInTree();
    bool focused = Focused();
    look::Fill(canvas, client, enabled ? GetColor() : look::Face());
    TColor border = !enabled ? look::BorderDisabled() : (focused || droppedDown_) ? look::Accent() : look::Border();
    look::Frame(canvas, client, border, ScaledLineWidth(1));
    TRect button = ButtonRect();
    if (droppedDown_) look::Fill(canvas, button, look::ButtonDownFace());
    DrawArrowGlyph(canvas, button, adDown, enabled ? clBtnText : clGrayText, GetCurrentPPI());
    if (!IsListStyle()) return;   // the edit line shows the text

    TRect field = FieldRect();
    canvas->GetFont()->Assign(GetFont());
    bool highlight = focused && !droppedDown_;
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(highlight ? clHighlight : (enabled ? GetColor() : look::Face()));
    if (highlight) canvas->GetFont()->SetColor(clHighlightText);
    else if (!enabled) canvas->GetFont()->SetColor(clGrayText);
    if (IsOwnerDraw()) {
        TOwnerDrawState state{odComboBoxEdit};
        if (highlight) state = state | TOwnerDrawState{odSelected, odFocused};
        if (!enabled) state = state | TOwnerDrawState{odDisabled, odGrayed};
        TCanvasStateSaver saved(canvas);
        canvas->IntersectClipRect(field);
        if (itemIndex_ >= 0) DrawItem(itemIndex_, field, state);
        else canvas->FillRect(field);
        if (state.Contains(odFocused)) canvas->DrawFocusRect(field);
    } else {
        std::string text = GetTextBuf();
        int th = canvas->TextHeight(text.empty() ? std::string("Wg") : text);
        canvas->TextRect(field, field.Left + ScaledMetric(2), field.Top + (field.Height() - th) / 2, text);
    }
}

// ---- keyboard and mouse ------------------------------------------------------------------

void TCustomComboBox::WMGetDlgCode(TMessage& M) {
    M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (droppedDown_) M.Result |= DLGC_WANTALLKEYS;
}

void TCustomComboBox::WMSetFocus(TMessage& M) {
    TCustomControl::WMSetFocus(M);
    // The edit line takes the focus in the editable style.
    if (edit_ != nullptr && edit_->CanFocus()) edit_->SetFocus();
}

void TCustomComboBox::WMKillFocus(TMessage& M) {
    TCustomControl::WMKillFocus(M);
    Invalidate();
}

void TCustomComboBox::DoExit() {
    CloseList(false);
    TCustomControl::DoExit();
}

void TCustomComboBox::CMCancelMode(TMessage& M) {
    TControl* sender = reinterpret_cast<TControl*>(M.LParam);
    if (sender != this && sender != edit_ && sender != GetListControl()) CloseList(false);
    TCustomControl::CMCancelMode(M);
}

bool TCustomComboBox::NavigationKey(WORD Key, TShiftState Shift) {
    bool alt = Shift.Contains(ssAlt);
    if (((Key == VK_DOWN || Key == VK_UP) && alt) || (Key == VK_F4 && !alt)) {
        if (droppedDown_) CloseList(true);
        else SetDroppedDown(true);
        return true;
    }
    int count = items_->Count();
    int page = std::max(1, dropDownCount_ - 1);
    if (droppedDown_) {
        TDropDownList* list = GetListControl();
        switch (Key) {
        case VK_UP: list->MoveBy(-1); return true;
        case VK_DOWN: list->MoveBy(1); return true;
        case VK_PRIOR: list->MoveBy(-list->PageSize()); return true;
        case VK_NEXT: list->MoveBy(list->PageSize()); return true;
        case VK_HOME: if (!IsListStyle()) return false; list->SetItemIndex(0); return true;
        case VK_END: if (!IsListStyle()) return false; list->SetItemIndex(count - 1); return true;
        case VK_RETURN: CloseList(true); return true;
        case VK_ESCAPE: CloseList(false); return true;
        default: return false;
        }
    }
    if (count == 0) return Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT;
    int i = itemIndex_;
    switch (Key) {
    case VK_UP: i = i < 0 ? 0 : i - 1; break;
    case VK_DOWN: i = i + 1; break;
    case VK_PRIOR: i = i < 0 ? 0 : i - page; break;
    case VK_NEXT: i = i + page; break;
    case VK_HOME: if (!IsListStyle()) return false; i = 0; break;
    case VK_END: if (!IsListStyle()) return false; i = count - 1; break;
    default: return false;
    }
    ChooseItem(std::clamp(i, 0, count - 1));
    return true;
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0 && NavigationKey(Key, Shift)) Key = 0;
}

void TCustomComboBox::SelectByFirstLetter(char32_t Ch) {
    int count = items_->Count();
    if (count == 0) return;
    std::u32string lower = Utf8ToCodePoints(AnsiLowerCase(CodePointsToUtf8(std::u32string(1, Ch))));
    char32_t want = lower.empty() ? Ch : lower[0];
    int start = droppedDown_ ? GetListControl()->GetItemIndex() : itemIndex_;
    for (int step = 1; step <= count; ++step) {
        int i = ((start < 0 ? -1 : start) + step) % count;
        std::u32string first = Utf8ToCodePoints(AnsiLowerCase(items_->Get(i)));
        if (!first.empty() && first[0] == want) {
            if (droppedDown_) GetListControl()->SetItemIndex(i);
            else ChooseItem(i);
            return;
        }
    }
}

void TCustomComboBox::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    // The character of Enter or Escape (which handled the list as keys) does nothing.
    if (Key == 13 || Key == 27) {
        if (IsListStyle()) Key = 0;
        return;
    }
    if (IsListStyle() && Key >= 32) {
        SelectByFirstLetter(Key);
        Key = 0;
    }
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (!Focused() && CanFocus()) SetFocus();
        // The editable style opens from its button; the others from anywhere.
        if (IsListStyle() || ButtonRect().Contains({X, Y}) || X >= ButtonRect().Left) {
            if (droppedDown_) CloseList(false);
            else SetDroppedDown(true);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

bool TCustomComboBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (droppedDown_) GetListControl()->SetTopIndex(GetListControl()->GetTopIndex() + 1);
    else if (itemIndex_ < items_->Count() - 1) ChooseItem(itemIndex_ + 1);
    return true;
}

bool TCustomComboBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (droppedDown_) GetListControl()->SetTopIndex(GetListControl()->GetTopIndex() - 1);
    else if (itemIndex_ > 0) ChooseItem(itemIndex_ - 1);
    return true;
}

void TCustomComboBox::ChangeScale(int M, int D) {
    TCustomControl::ChangeScale(M, D);
    SetItemHeight(MulDiv(itemHeight_, M, D));
}

}  // namespace vcl
