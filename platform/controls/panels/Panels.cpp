// TPanel, TBevel and TTimer.
#include "platform/controls/panels/Panels.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

namespace {

// A 3-D frame one pixel wide just inside R: Top-left in TopLeft, bottom-right in
// BottomRight. R shrinks by one pixel.
void Frame3D(TCanvas* Canvas, TRect& R, TColor TopLeft, TColor BottomRight) {
    look::Fill(Canvas, Rect(R.Left, R.Top, R.Right - 1, R.Top + 1), TopLeft);
    look::Fill(Canvas, Rect(R.Left, R.Top, R.Left + 1, R.Bottom - 1), TopLeft);
    look::Fill(Canvas, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), BottomRight);
    look::Fill(Canvas, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), BottomRight);
    R.Inflate(-1, -1);
}

void PaintBevel(TCanvas* Canvas, TRect& R, TPanelBevel Bevel, int Width) {
    if (Bevel == bvNone) return;
    // Rings past the middle of the panel draw nothing, however wide the bevel.
    for (int i = 0; i < Width && !R.IsEmpty(); ++i) {
        if (Bevel == bvLowered) Frame3D(Canvas, R, clBtnShadow, clBtnHighlight);
        else if (Bevel == bvRaised) Frame3D(Canvas, R, clBtnHighlight, clBtnShadow);
        else R.Inflate(-1, -1);
    }
}

}  // namespace

// ---- TCustomPanel --------------------------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                     csDoubleClicks, csReplicatable});
    SetBounds(GetLeft(), GetTop(), 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (alignment_ == Value) return;
    alignment_ = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (bevelInner_ == Value) return;
    bevelInner_ = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (bevelOuter_ == Value) return;
    bevelOuter_ = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
    if (Value < 1) Value = 1;
    if (bevelWidth_ == Value) return;
    bevelWidth_ = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
    if (Value < 0) Value = 0;
    if (borderWidth_ == Value) return;
    borderWidth_ = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value) {
    if (showCaption_ == Value) return;
    showCaption_ = Value;
    Invalidate();
}

// Each unit of BevelWidth is a line: one pixel at 96 dpi, whole pixels of the density else.
int TCustomPanel::BevelPixels() const { return SatInt((long long)bevelWidth_ * ScaledLineWidth(1)); }

void TCustomPanel::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone) inset = SatAdd(inset, BevelPixels());
    if (bevelInner_ != bvNone) inset = SatAdd(inset, BevelPixels());
    // Borders and bevels wider than half the panel leave an empty client area at its middle.
    auto shrink = [inset](int& Lo, int& Hi) {
        const long long lo = (long long)Lo + inset, hi = (long long)Hi - inset;
        if (lo > hi) {
            Lo = Hi = SatInt(((long long)Lo + Hi) / 2);
        } else {
            Lo = int(lo);
            Hi = int(hi);
        }
    };
    shrink(Rect.Left, Rect.Right);
    shrink(Rect.Top, Rect.Bottom);
}

void TCustomPanel::CMTextChanged(TMessage& Message) {
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    look::Fill(canvas, r, GetColor());
    PaintBevel(canvas, r, bevelOuter_, BevelPixels());
    if (r.IsEmpty()) return;
    const int border = std::min(borderWidth_, std::max(r.Width(), r.Height()));
    r.Inflate(-border, -border);
    PaintBevel(canvas, r, bevelInner_, BevelPixels());
    if (!showCaption_ || GetCaption().empty()) return;
    canvas->GetFont()->Assign(GetFont());
    if (!IsEnabledInTree()) canvas->GetFont()->SetColor(look::DisabledText());
    canvas->GetBrush()->SetStyle(bsClear);
    int flags = DT_SINGLELINE | DT_VCENTER |
                (alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT);
    DrawText(canvas, GetCaption(), r, flags);
}

TPanel::TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}

// ---- TBevel ------------------------------------------------------------------------------

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(GetControlStyle() | csReplicatable);
    SetBounds(GetLeft(), GetTop(), 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (shape_ == Value) return;
    shape_ = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (style_ == Value) return;
    style_ = Value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* canvas = GetCanvas();
    TColor c1 = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor c2 = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    int w = GetWidth(), h = GetHeight();
    TRect r = GetClientRect();
    switch (shape_) {
    case bsBox: Frame3D(canvas, r, c1, c2); break;
    case bsFrame: {
        TRect outer = Rect(0, 0, w - 1, h - 1);
        look::Frame(canvas, Rect(1, 1, w, h), c2);
        look::Frame(canvas, outer, c1);
        break;
    }
    case bsTopLine:
        look::Fill(canvas, Rect(0, 0, w, 1), c1);
        look::Fill(canvas, Rect(0, 1, w, 2), c2);
        break;
    case bsBottomLine:
        look::Fill(canvas, Rect(0, h - 2, w, h - 1), c1);
        look::Fill(canvas, Rect(0, h - 1, w, h), c2);
        break;
    case bsLeftLine:
        look::Fill(canvas, Rect(0, 0, 1, h), c1);
        look::Fill(canvas, Rect(1, 0, 2, h), c2);
        break;
    case bsRightLine:
        look::Fill(canvas, Rect(w - 2, 0, w - 1, h), c1);
        look::Fill(canvas, Rect(w - 1, 0, w, h), c2);
        break;
    case bsSpacer: break;
    }
}

}  // namespace vcl
