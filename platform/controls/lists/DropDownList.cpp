// The drop-down list control and its popup form.
#include "platform/controls/lists/DropDownList.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

TDropDownList::TDropDownList(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle({csCaptureMouse, csOpaque});
    SetColor(clWindow);
    SetParentColor(false);
    bar_.SetOnScroll([this](TObject*, int Code, int Pos) { Scroll(Code, Pos); });
}

void TDropDownList::SetItems(const TStrings* Items) {
    items_ = Items;
    heights_.clear();
    if (FOnMeasureItem && items_ != nullptr) {
        heights_.resize(std::size_t(items_->Count()), itemHeight_);
        for (int i = 0; i < items_->Count(); ++i) FOnMeasureItem(this, i, heights_[std::size_t(i)]);
    }
    itemIndex_ = std::min(itemIndex_, GetCount() - 1);
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    LayoutBar();
    Invalidate();
}

void TDropDownList::SetItemHeight(int Value) {
    itemHeight_ = std::max(1, Value);
    LayoutBar();
    Invalidate();
}

int TDropDownList::HeightOf(int Index) const {
    if (!heights_.empty() && Index >= 0 && Index < int(heights_.size())) return heights_[std::size_t(Index)];
    return itemHeight_;
}

int TDropDownList::HeightForRows(int Rows) const {
    int h = 2 * ScaledLineWidth(1);   // the frame
    for (int i = 0; i < Rows && i < GetCount(); ++i) h += HeightOf(i);
    if (Rows > GetCount()) h += (Rows - GetCount()) * itemHeight_;
    return h;
}

TRect TDropDownList::ItemArea() const {
    TRect r = GetClientRect();
    r.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    if (bar_.GetVisible()) r.Right = bar_.GetBounds().Left;
    return r;
}

int TDropDownList::PageSize() const {
    TRect area = ItemArea();
    int used = 0, n = 0;
    for (int i = topIndex_; i < GetCount(); ++i) {
        used += HeightOf(i);
        if (used > area.Height()) break;
        ++n;
    }
    return std::max(1, n);
}

int TDropDownList::MaxTopIndex() const {
    TRect area = ItemArea();
    int used = 0, top = GetCount();
    for (int i = GetCount() - 1; i >= 0; --i) {
        used += HeightOf(i);
        if (used > area.Height()) break;
        top = i;
    }
    return std::max(0, std::min(top, GetCount() - 1));
}

void TDropDownList::LayoutBar() {
    TRect client = GetClientRect();
    client.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    int total = 0;
    for (int i = 0; i < GetCount(); ++i) {
        total += HeightOf(i);
        if (total > client.Height()) break;
    }
    const int sz = TInnerScrollBar::SizeAt(GetCurrentPPI());
    bar_.SetPixelsPerInch(GetCurrentPPI());
    bool show = total > client.Height() && client.Width() > sz * 2;
    bar_.SetBounds(show ? Rect(client.Right - sz, client.Top, client.Right, client.Bottom) : TRect());
    if (show) bar_.SetParams(0, MaxTopIndex(), PageSize(), topIndex_);
}

void TDropDownList::Resize() {
    TCustomControl::Resize();
    LayoutBar();
}

void TDropDownList::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, MaxTopIndex());
    if (Value == topIndex_) return;
    topIndex_ = Value;
    LayoutBar();
    Invalidate();
}

void TDropDownList::SetItemIndex(int Value) {
    Value = std::clamp(Value, -1, GetCount() - 1);
    if (Value >= 0) {
        if (Value < topIndex_) {
            SetTopIndex(Value);
        } else {
            // Scroll until the item is the last one that fits.
            while (Value >= topIndex_ + PageSize() && topIndex_ < MaxTopIndex()) SetTopIndex(topIndex_ + 1);
        }
    }
    if (Value == itemIndex_) return;
    itemIndex_ = Value;
    Invalidate();
}

void TDropDownList::MoveBy(int Delta) {
    if (GetCount() == 0) return;
    int from = itemIndex_ < 0 ? (Delta > 0 ? -1 : GetCount()) : itemIndex_;
    SetItemIndex(std::clamp(from + Delta, 0, GetCount() - 1));
}

TRect TDropDownList::ItemRect(int Index) const {
    TRect area = ItemArea();
    if (Index < topIndex_ || Index >= GetCount()) return TRect();
    int y = area.Top;
    for (int i = topIndex_; i < Index; ++i) {
        y += HeightOf(i);
        if (y >= area.Bottom) return TRect();
    }
    return IntersectRect(Rect(area.Left, y, area.Right, y + HeightOf(Index)), area);
}

int TDropDownList::ItemAtPos(TPoint P) const {
    TRect area = ItemArea();
    if (!area.Contains(P)) return -1;
    int y = area.Top;
    for (int i = topIndex_; i < GetCount() && y < area.Bottom; ++i) {
        y += HeightOf(i);
        if (P.Y < y) return i;
    }
    return -1;
}

void TDropDownList::Scroll(int Code, int Pos) {
    switch (Code) {
    case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
    case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
    case SB_PAGEUP: SetTopIndex(topIndex_ - PageSize()); break;
    case SB_PAGEDOWN: SetTopIndex(topIndex_ + PageSize()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopIndex(Pos); break;
    default: break;
    }
}

// ---- painting --------------------------------------------------------------------------

void TDropDownList::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(clWindowFrame);
    for (int k = 0; k < ScaledLineWidth(1); ++k)
        canvas->FrameRect(Rect(client.Left + k, client.Top + k, client.Right - k, client.Bottom - k));
    TRect area = ItemArea();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(area);
    PaintItems(canvas, area);
    bar_.Paint(canvas);
}

void TDropDownList::PaintItems(TCanvas* Canvas, const TRect& Area) {
    TCanvasStateSaver saved(Canvas);
    Canvas->IntersectClipRect(Area);
    for (int i = topIndex_; i < GetCount(); ++i) {
        TRect r = ItemRect(i);
        if (r.IsEmpty()) break;
        bool selected = i == itemIndex_;
        TOwnerDrawState state;
        if (selected) state.Include(odSelected);
        if (selected) state.Include(odFocused);
        Canvas->GetFont()->Assign(GetFont());
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(selected ? clHighlight : GetColor());
        if (selected) Canvas->GetFont()->SetColor(clHighlightText);
        if (FOnDrawItem) {
            FOnDrawItem(this, i, r, state);
            // An owner-drawn item does not show the highlight itself: the focus
            // rectangle marks the item the keys and the pointer are on.
            if (state.Contains(odFocused)) Canvas->DrawFocusRect(r);
        } else {
            std::string text = items_->Get(i);
            int th = Canvas->TextHeight(text);
            Canvas->TextRect(r, r.Left + ScaledMetric(2), r.Top + (r.Height() - th) / 2, text);
        }
    }
}

// ---- mouse -----------------------------------------------------------------------------

void TDropDownList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && bar_.GetVisible() && bar_.MouseDown({X, Y})) {
        barTracking_ = true;
        Invalidate();
    } else if (Button == mbLeft) {
        int i = ItemAtPos({X, Y});
        pressedInside_ = i >= 0;
        if (i >= 0) SetItemIndex(i);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDropDownList::MouseMove(TShiftState Shift, int X, int Y) {
    if (barTracking_) {
        bar_.MouseMove({X, Y});
        Invalidate();
    } else {
        // The item under the pointer is highlighted (hover), pressed or not.
        int i = ItemAtPos({X, Y});
        if (i >= 0) SetItemIndex(i);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TDropDownList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (barTracking_) {
        barTracking_ = false;
        bar_.MouseUp({X, Y});
        Invalidate();
        TCustomControl::MouseUp(Button, Shift, X, Y);
        return;
    }
    int i = Button == mbLeft ? ItemAtPos({X, Y}) : -1;
    pressedInside_ = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // Last: choosing usually closes (hides) the list.
    if (i >= 0) {
        SetItemIndex(i);
        if (FOnChoose) FOnChoose(this, i);
    }
}

bool TDropDownList::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ + 1);
    return true;
}

bool TDropDownList::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ - 1);
    return true;
}

// ---- the popup form --------------------------------------------------------------------

TDropDownForm::TDropDownForm(TComponent* AOwner) : TCustomForm(AOwner) {
    SetBorderStyle(bsNone);
    list_ = new TDropDownList(this);
    list_->SetParent(this);
    list_->SetAlign(alClient);
}

void TDropDownForm::Popup(const TRect& Anchor, int Width, int Height) {
    int screenHeight = Screen != nullptr ? Screen->GetHeight() : 1080;
    int top = Anchor.Bottom;
    if (top + Height > screenHeight && Anchor.Top - Height >= 0) top = Anchor.Top - Height;
    SetBounds(Anchor.Left, top, Width, Height);
    if (!GetVisible()) Show();
    else BringToFront();
}

}  // namespace vcl
