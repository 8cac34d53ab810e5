// The list box (see ListBox.h).
#include "platform/controls/lists/ListBox.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/ItemsAccessible.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"

namespace vcl {

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>()) {
    // OnClick tells of a selection the user changed (by mouse or keys), not of every press.
    SetControlStyle({csCaptureMouse, csDoubleClicks, csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 121, 97);
    items_->SetOnChange([this](TObject*) { ItemsChanged(); });
}

TCustomListBox::~TCustomListBox() { items_->SetOnChange(nullptr); }

// ---- properties ------------------------------------------------------------------------

void TCustomListBox::ItemsChanged() {
    if (itemIndex_ >= GetCount()) itemIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, GetCount() - PageSize()));
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= GetCount()) Value = -1;
    if (Value == itemIndex_) return;
    itemIndex_ = Value;
    if (itemIndex_ >= 0) {
        if (itemIndex_ < topIndex_) topIndex_ = itemIndex_;
        else if (itemIndex_ >= topIndex_ + PageSize()) topIndex_ = itemIndex_ - PageSize() + 1;
    }
    Invalidate();
    NotifyItemFocus(this, itemIndex_);
}

void TCustomListBox::SetItemHeight(int Value) {
    Value = std::max(1, Value);
    if (Value == itemHeight_) return;
    itemHeight_ = Value;
    Invalidate();
}

void TCustomListBox::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, std::max(0, GetCount() - PageSize()));
    if (Value == topIndex_) return;
    topIndex_ = Value;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsNone) Value = bsSingle;
    if (Value == borderStyle_) return;
    borderStyle_ = Value;
    Invalidate();
}

// ---- geometry --------------------------------------------------------------------------

TRect TCustomListBox::ItemArea() const {
    TRect r = GetClientRect();
    if (borderStyle_ == bsSingle) r.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    return r;
}

int TCustomListBox::PageSize() const { return std::max(1, ItemArea().Height() / itemHeight_); }

TRect TCustomListBox::ItemRect(int Index) const {
    if (Index < topIndex_) return TRect();
    TRect area = ItemArea();
    int top = area.Top + (Index - topIndex_) * itemHeight_;
    return Rect(area.Left, top, area.Right, top + itemHeight_);
}

int TCustomListBox::ItemAtPos(TPoint P, bool Existing) const {
    TRect area = ItemArea();
    if (!area.Contains(P)) return -1;
    int index = topIndex_ + (P.Y - area.Top) / itemHeight_;
    if (index < GetCount()) return index;
    return Existing ? -1 : GetCount();
}

// ---- painting --------------------------------------------------------------------------

void TCustomListBox::Paint() {
    TCanvas* canvas = GetCanvas();
    look::Fill(canvas, GetClientRect(), GetColor());
    PaintItems(canvas);
    PaintFrame(canvas);
}

void TCustomListBox::PaintFrame(TCanvas* Canvas) {
    if (borderStyle_ != bsSingle) return;
    TColor border = !GetEnabled() ? look::BorderDisabled() : Focused() ? look::Accent() : look::Border();
    look::Frame(Canvas, GetClientRect(), border, ScaledLineWidth(1));
}

void TCustomListBox::PaintItems(TCanvas* Canvas) {
    TCanvasStateSaver saved(Canvas);
    TRect area = ItemArea();
    Canvas->IntersectClipRect(area);
    Canvas->GetFont()->Assign(GetFont());
    Canvas->GetBrush()->SetStyle(bsSolid);
    for (int i = topIndex_; i < GetCount(); ++i) {
        TRect r = ItemRect(i);
        if (r.Top >= area.Bottom) break;
        const bool selected = i == itemIndex_;
        Canvas->GetBrush()->SetColor(selected ? (Focused() ? look::Selection() : look::SelectionInactive()) : GetColor());
        Canvas->GetFont()->SetColor(selected && Focused() ? clHighlightText : GetFont()->GetColor());
        DrawItem(Canvas, i, r);
    }
}

void TCustomListBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect) {
    const std::string& text = items_->Get(Index);
    Canvas->TextRect(Rect, Rect.Left + ScaledMetric(3), Rect.Top + (Rect.Height() - Canvas->TextHeight(text)) / 2,
                     text);
}

// ---- input -----------------------------------------------------------------------------

void TCustomListBox::Select(int Index, bool ByUser) {
    int old = itemIndex_;
    SetItemIndex(Index);
    if (ByUser && itemIndex_ != old) Click();
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) SetFocus();
    if (Button == mbLeft) {
        int i = ItemAtPos({X, Y}, true);
        if (i >= 0) Select(i, true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (GetCount() == 0) return;
    int now = itemIndex_;
    switch (Key) {
    case VK_UP: now = std::max(0, now - 1); break;
    case VK_DOWN: now = std::min(GetCount() - 1, now + 1); break;
    case VK_PRIOR: now = std::max(0, now - PageSize() + 1); break;
    case VK_NEXT: now = std::min(GetCount() - 1, std::max(0, now) + PageSize() - 1); break;
    case VK_HOME: now = 0; break;
    case VK_END: now = GetCount() - 1; break;
    default: return;
    }
    Key = 0;
    Select(now, true);
}

bool TCustomListBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ + 1);
    return true;
}

bool TCustomListBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ - 1);
    return true;
}

void TCustomListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TCustomListBox::DoEnter() {
    TCustomControl::DoEnter();
    Invalidate();
}

void TCustomListBox::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}

void TCustomListBox::ChangeScale(int M, int D) {
    TCustomControl::ChangeScale(M, D);
    SetItemHeight(MulDiv(itemHeight_, M, D));
}

}  // namespace vcl
