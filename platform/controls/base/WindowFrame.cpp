// TWinControl's window frame: the bevels and the border width around the client area, how
// much room they take and how they are drawn.
#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

namespace {

// One ring of the frame, one pixel wide, on the given edges just inside R: the top and
// left lines in TopLeft, the bottom and right lines in BottomRight (these two own the
// corners they share with the others). R shrinks on those edges.
void Ring(TCanvas* Canvas, TRect& R, TBevelEdges Edges, TColor TopLeft, TColor BottomRight) {
    bool l = Edges.Contains(beLeft), t = Edges.Contains(beTop);
    bool r = Edges.Contains(beRight), b = Edges.Contains(beBottom);
    if (t) look::Fill(Canvas, Rect(R.Left, R.Top, R.Right - (r ? 1 : 0), R.Top + 1), TopLeft);
    if (l) look::Fill(Canvas, Rect(R.Left, R.Top, R.Left + 1, R.Bottom - (b ? 1 : 0)), TopLeft);
    if (b) look::Fill(Canvas, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), BottomRight);
    if (r) look::Fill(Canvas, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), BottomRight);
    if (l) ++R.Left;
    if (t) ++R.Top;
    if (r) --R.Right;
    if (b) --R.Bottom;
}

// The colours of one bevel: a lowered cut is dark at the top and left and light at the
// bottom and right, a raised one the reverse. Soft bevels use the gentler 3-D light in
// place of the highlight; flat ones draw both sides in the shadow colour.
void BevelColors(TBevelCut Cut, TBevelKind Kind, TColor& TopLeft, TColor& BottomRight) {
    TColor light = Kind == bkSoft ? cl3DLight : clBtnHighlight;
    TColor dark = clBtnShadow;
    if (Kind == bkFlat) light = dark;
    TopLeft = Cut == bvLowered ? dark : light;
    BottomRight = Cut == bvLowered ? light : dark;
}

// A bevel of Width rings; a space cut leaves its rings in the colour already there. Rings
// past the middle of the window would draw nothing: the walk stops there, so a width near
// the int range costs no more than the window's size.
void PaintBevel(TCanvas* Canvas, TRect& R, TBevelEdges Edges, TBevelCut Cut, TBevelKind Kind, int Width) {
    if (Cut == bvNone) return;
    TColor tl = clNone, br = clNone;
    BevelColors(Cut, Kind, tl, br);
    for (int i = 0; i < Width && !R.IsEmpty(); ++i) {
        if (Cut == bvSpace) {
            if (Edges.Contains(beLeft)) ++R.Left;
            if (Edges.Contains(beTop)) ++R.Top;
            if (Edges.Contains(beRight)) --R.Right;
            if (Edges.Contains(beBottom)) --R.Bottom;
        } else {
            Ring(Canvas, R, Edges, tl, br);
        }
    }
}

bool Empty(const TRect& Insets) { return Insets == TRect(); }

}  // namespace

// ---- properties ------------------------------------------------------------------------

void TWinControl::SetBevelEdges(TBevelEdges Value) {
    if (bevelEdges_ == Value) return;
    TRect old = NonClientInsets();
    bevelEdges_ = Value;
    FrameChanged(old);
}

void TWinControl::SetBevelInner(TBevelCut Value) {
    if (bevelInner_ == Value) return;
    TRect old = NonClientInsets();
    bevelInner_ = Value;
    FrameChanged(old);
}

void TWinControl::SetBevelOuter(TBevelCut Value) {
    if (bevelOuter_ == Value) return;
    TRect old = NonClientInsets();
    bevelOuter_ = Value;
    FrameChanged(old);
}

void TWinControl::SetBevelKind(TBevelKind Value) {
    if (bevelKind_ == Value) return;
    TRect old = NonClientInsets();
    bevelKind_ = Value;
    FrameChanged(old);
}

void TWinControl::SetBevelWidth(int Value) {
    Value = std::max(1, Value);
    if (bevelWidth_ == Value) return;
    TRect old = NonClientInsets();
    bevelWidth_ = Value;
    FrameChanged(old);
}

void TWinControl::SetBorderWidth(int Value) {
    Value = std::max(0, Value);
    if (borderWidth_ == Value) return;
    TRect old = NonClientInsets();
    borderWidth_ = Value;
    FrameChanged(old);
}

// ---- geometry --------------------------------------------------------------------------

TRect TWinControl::NonClientInsets() const {
    // Border and bevel widths may be any non-negative int: the insets saturate.
    int edge = SatAdd(WindowEdgeWidth(), borderWidth_);
    TRect r(edge, edge, edge, edge);
    if (bevelKind_ != bkNone) {
        int bevel = SatAdd(bevelInner_ != bvNone ? bevelWidth_ : 0, bevelOuter_ != bvNone ? bevelWidth_ : 0);
        if (bevelEdges_.Contains(beLeft)) r.Left = SatAdd(r.Left, bevel);
        if (bevelEdges_.Contains(beTop)) r.Top = SatAdd(r.Top, bevel);
        if (bevelEdges_.Contains(beRight)) r.Right = SatAdd(r.Right, bevel);
        if (bevelEdges_.Contains(beBottom)) r.Bottom = SatAdd(r.Bottom, bevel);
    }
    return r;
}

namespace {

// The client rectangle of a window of the given size within the given insets.
TRect ClientWithin(int Width, int Height, const TRect& In) {
    return Rect(0, 0, std::max(0, SatInt((long long)Width - In.Left - In.Right)),
                std::max(0, SatInt((long long)Height - In.Top - In.Bottom)));
}

}  // namespace

TRect TWinControl::GetClientRect() const { return ClientWithin(GetWidth(), GetHeight(), NonClientInsets()); }

bool TWinControl::HitTest(int X, int Y) const {
    TRect in = NonClientInsets();
    if (Empty(in)) return TControl::HitTest(X, Y);
    return SatBounds(SatNeg(in.Left), SatNeg(in.Top), GetWidth(), GetHeight()).Contains({X, Y});
}

void TWinControl::FrameChanged(const TRect& Old) {
    TRect now = NonClientInsets();
    if (!(now == Old)) {
        TRect oldClient = ClientWithin(GetWidth(), GetHeight(), Old);
        Realign();
        TRect client = GetClientRect();
        if (client.Width() != oldClient.Width() || client.Height() != oldClient.Height())
            Perform(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    }
    Invalidate();
}

void TWinControl::Invalidate() {
    // The frame lies outside the client area: the parent repaints the whole window.
    if (!Empty(NonClientInsets()) && GetParent() != nullptr) {
        if (GetShowing()) GetParent()->InvalidateRect(SatBounds(GetLeft(), GetTop(), GetWidth(), GetHeight()));
        return;
    }
    TControl::Invalidate();
}

// ---- painting --------------------------------------------------------------------------

void TWinControl::PaintWindowEdge(TCanvas* Canvas, TRect& R) {
    (void)Canvas;
    (void)R;
}

void TWinControl::PaintNonClient(TCanvas* Canvas) {
    TRect in = NonClientInsets();
    if (Empty(in)) return;
    TCanvasStateSaver saved(Canvas);
    TRect r = Rect(0, 0, GetWidth(), GetHeight());
    // The frame's ground is the control's colour (the border width and any spaces).
    TRect client = SatBounds(in.Left, in.Top, GetClientWidth(), GetClientHeight());
    look::Fill(Canvas, Rect(r.Left, r.Top, r.Right, client.Top), GetColor());
    look::Fill(Canvas, Rect(r.Left, client.Bottom, r.Right, r.Bottom), GetColor());
    look::Fill(Canvas, Rect(r.Left, client.Top, client.Left, client.Bottom), GetColor());
    look::Fill(Canvas, Rect(client.Right, client.Top, r.Right, client.Bottom), GetColor());
    PaintWindowEdge(Canvas, r);
    if (bevelKind_ == bkNone) return;
    PaintBevel(Canvas, r, bevelEdges_, bevelOuter_, bevelKind_, bevelWidth_);
    PaintBevel(Canvas, r, bevelEdges_, bevelInner_, bevelKind_, bevelWidth_);
}

}  // namespace vcl
