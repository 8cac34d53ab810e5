// The in-client scroll bar: geometry, mouse tracking and drawing.
#include "platform/controls/scrolling/InnerScrollBar.h"

#include <algorithm>
#include <limits>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

void FillColor(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->FillRect(R);
}

}  // namespace

void DrawButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed, int PPI) {
    if (R.IsEmpty()) return;
    FillColor(Canvas, R, clBtnFace);
    const int w = ScaleLineWidth(1, PPI);
    if (Pressed) {
        Canvas->GetBrush()->SetColor(clBtnShadow);
        for (int k = 0; k < w; ++k) Canvas->FrameRect(Rect(R.Left + k, R.Top + k, R.Right - k, R.Bottom - k));
        return;
    }
    // Outer edges: light top-left, darkest bottom-right; inner: white top-left, shadow
    // bottom-right.
    auto line = [&](int l, int t, int r, int b, TColor c) {
        if (r > l && b > t) FillColor(Canvas, Rect(l, t, r, b), c);
    };
    const int w2 = 2 * w;
    line(R.Left, R.Top, R.Right - w, R.Top + w, cl3DLight);
    line(R.Left, R.Top, R.Left + w, R.Bottom - w, cl3DLight);
    line(R.Left, R.Bottom - w, R.Right, R.Bottom, cl3DDkShadow);
    line(R.Right - w, R.Top, R.Right, R.Bottom, cl3DDkShadow);
    line(R.Left + w, R.Top + w, R.Right - w2, R.Top + w2, clBtnHighlight);
    line(R.Left + w, R.Top + w, R.Left + w2, R.Bottom - w2, clBtnHighlight);
    line(R.Left + w, R.Bottom - w2, R.Right - w, R.Bottom - w, clBtnShadow);
    line(R.Right - w2, R.Top + w, R.Right - w, R.Bottom - w, clBtnShadow);
}

void DrawArrowGlyph(TCanvas* Canvas, const TRect& R, TArrowDirection Direction, TColor Color, int PPI) {
    // A triangle of n rows (2n-1, ..., 3, 1 pixels; n = 4 at 96 dpi) drawn as spans, so it
    // is exact at any size.
    // The centre is kept a few pixels inside the int range, so the spans around it can be
    // written down; a glyph that far out is off every surface anyway.
    auto centre = [](int A, int B) {
        constexpr int lim = std::numeric_limits<int>::max() - 8;
        return std::clamp(int(((long long)A + B) / 2), -lim, lim);
    };
    int cx = centre(R.Left, R.Right);
    int cy = centre(R.Top, R.Bottom);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsSolid);
    const int n = ScaleMetric(4, PPI), first = n / 2, last = n - 1 - n / 2;
    for (int i = 0; i < n; ++i) {
        int half = n - 1 - i;
        switch (Direction) {
        case adDown: Canvas->FillRect(Rect(cx - half, cy - first + i, cx + half + 1, cy - first + 1 + i)); break;
        case adUp: Canvas->FillRect(Rect(cx - half, cy + last - i, cx + half + 1, cy + last + 1 - i)); break;
        case adRight: Canvas->FillRect(Rect(cx - first + i, cy - half, cx - first + 1 + i, cy + half + 1)); break;
        case adLeft: Canvas->FillRect(Rect(cx + last - i, cy - half, cx + last + 1 - i, cy + half + 1)); break;
        }
    }
}

// ---- geometry --------------------------------------------------------------------------

void TInnerScrollBar::SetParams(int Min, int Max, int Page, int Position) {
    min_ = Min;
    max_ = std::max(Min, Max);
    page_ = std::max(0, Page);
    position_ = std::clamp(Position, min_, max_);
}

TRect TInnerScrollBar::ArrowRect(bool First) const {
    int length = vertical_ ? bounds_.Height() : bounds_.Width();
    int thickness = vertical_ ? bounds_.Width() : bounds_.Height();
    int arrow = std::min(thickness, length / 2);
    if (vertical_)
        return First ? Rect(bounds_.Left, bounds_.Top, bounds_.Right, bounds_.Top + arrow)
                     : Rect(bounds_.Left, bounds_.Bottom - arrow, bounds_.Right, bounds_.Bottom);
    return First ? Rect(bounds_.Left, bounds_.Top, bounds_.Left + arrow, bounds_.Bottom)
                 : Rect(bounds_.Right - arrow, bounds_.Top, bounds_.Right, bounds_.Bottom);
}

TRect TInnerScrollBar::TrackRect() const {
    TRect a = ArrowRect(true), b = ArrowRect(false);
    return vertical_ ? Rect(bounds_.Left, a.Bottom, bounds_.Right, b.Top)
                     : Rect(a.Right, bounds_.Top, b.Left, bounds_.Bottom);
}

int TInnerScrollBar::TrackLength() const {
    TRect t = TrackRect();
    return std::max(0, vertical_ ? t.Height() : t.Width());
}

int TInnerScrollBar::ThumbLength() const {
    int track = TrackLength();
    int thickness = vertical_ ? bounds_.Width() : bounds_.Height();
    int len = thickness;
    if (page_ > 0) {
        long long range = static_cast<long long>(max_ - min_) + page_;
        len = static_cast<int>(static_cast<long long>(track) * page_ / std::max<long long>(1, range));
    }
    len = std::max(len, 8);
    return len > track ? 0 : len;
}

int TInnerScrollBar::ThumbOffsetFor(int Position) const {
    int free = TrackLength() - ThumbLength();
    if (max_ <= min_ || free <= 0) return 0;
    return static_cast<int>(static_cast<long long>(free) * (Position - min_) / (max_ - min_));
}

int TInnerScrollBar::PositionForThumbOffset(int Offset) const {
    int free = TrackLength() - ThumbLength();
    if (free <= 0) return min_;
    Offset = std::clamp(Offset, 0, free);
    long long span = static_cast<long long>(max_ - min_);
    return min_ + static_cast<int>((span * Offset + free / 2) / free);
}

TRect TInnerScrollBar::ThumbRect() const {
    if (!GetEnabled() || ThumbLength() == 0) return TRect();
    TRect t = TrackRect();
    int off = ThumbOffsetFor(dragging_ ? dragPosition_ : position_);
    int len = ThumbLength();
    return vertical_ ? Rect(t.Left, t.Top + off, t.Right, t.Top + off + len)
                     : Rect(t.Left + off, t.Top, t.Left + off + len, t.Bottom);
}

TInnerScrollBar::TPart TInnerScrollBar::HitTest(TPoint P) const {
    if (!bounds_.Contains(P)) return spNone;
    if (ArrowRect(true).Contains(P)) return spLineUp;
    if (ArrowRect(false).Contains(P)) return spLineDown;
    TRect thumb = ThumbRect();
    if (thumb.IsEmpty()) return spPageDown;
    if (thumb.Contains(P)) return spThumb;
    int along = Along(P);
    int start = vertical_ ? thumb.Top : thumb.Left;
    return along < start ? spPageUp : spPageDown;
}

// ---- mouse -----------------------------------------------------------------------------

TInnerScrollBar::~TInnerScrollBar() {
    if (repeatWnd_ != nullptr) DeallocateHWnd(repeatWnd_);
}

void TInnerScrollBar::Send(int Code, int Pos) {
    if (FOnScroll) FOnScroll(this, Code, Pos);
}

void TInnerScrollBar::SendStep(TPart Part) {
    switch (Part) {
    case spLineUp: Send(SB_LINEUP, position_); break;
    case spLineDown: Send(SB_LINEDOWN, position_); break;
    case spPageUp: Send(SB_PAGEUP, position_); break;
    case spPageDown: Send(SB_PAGEDOWN, position_); break;
    default: break;
    }
}

void TInnerScrollBar::StartRepeat(int Ms) {
    if (repeatWnd_ == nullptr) {
        repeatWnd_ = AllocateHWnd([this](TMessage& M) {
            if (M.Msg == WM_TIMER) RepeatTick();
        });
    }
    SetTimer(repeatWnd_, 1, UINT(Ms), nullptr);
}

void TInnerScrollBar::StopRepeat() {
    if (repeatWnd_ != nullptr) KillTimer(repeatWnd_, 1);
    repeating_ = false;
}

void TInnerScrollBar::RepeatTick() {
    if (pressed_ == spNone || pressed_ == spThumb) {
        StopRepeat();
        return;
    }
    // The release went elsewhere (the owner lost the mouse without being told): no more
    // steps until the owner ends the press.
    if (!KeyboardStateToShiftState().Contains(ssLeft)) {
        StopRepeat();
        return;
    }
    if (!repeating_) {
        repeating_ = true;
        StartRepeat(RepeatIntervalMs);
    }
    // Only while the pointer is on the pressed part; for the track that ends when the
    // thumb has come to the pointer.
    if (GetEnabled() && HitTest(lastPoint_) == pressed_) SendStep(pressed_);
}

void TInnerScrollBar::CancelTracking() {
    pressed_ = spNone;
    dragging_ = false;
    StopRepeat();
}

bool TInnerScrollBar::MouseDown(TPoint P) {
    TPart part = HitTest(P);
    if (part == spNone) return false;
    if (!GetEnabled()) return true;
    pressed_ = part;
    lastPoint_ = P;
    switch (part) {
    case spLineUp:
    case spLineDown:
    case spPageUp:
    case spPageDown:
        SendStep(part);
        // The handler may have ended the press (capture lost).
        if (pressed_ == part) {
            repeating_ = false;
            StartRepeat(RepeatDelayMs);
        }
        break;
    case spThumb: {
        TRect thumb = ThumbRect();
        grabOffset_ = Along(P) - (vertical_ ? thumb.Top : thumb.Left);
        dragPosition_ = position_;
        dragging_ = true;
        break;
    }
    default: break;
    }
    return true;
}

void TInnerScrollBar::MouseMove(TPoint P) {
    lastPoint_ = P;
    if (pressed_ != spThumb) return;
    TRect t = TrackRect();
    int off = Along(P) - (vertical_ ? t.Top : t.Left) - grabOffset_;
    int pos = PositionForThumbOffset(off);
    if (pos == dragPosition_) return;
    dragPosition_ = pos;
    Send(SB_THUMBTRACK, pos);
}

void TInnerScrollBar::MouseUp(TPoint P) {
    (void)P;
    TPart was = pressed_;
    pressed_ = spNone;
    StopRepeat();
    if (was == spThumb) {
        dragging_ = false;
        Send(SB_THUMBPOSITION, dragPosition_);
    }
    if (was != spNone) Send(SB_ENDSCROLL, position_);
}

// ---- painting --------------------------------------------------------------------------

void TInnerScrollBar::PaintArrow(TCanvas* Canvas, const TRect& R, bool First) const {
    DrawButtonFace(Canvas, R, pressed_ == (First ? spLineUp : spLineDown), ppi_);
    TArrowDirection dir = vertical_ ? (First ? adUp : adDown) : (First ? adLeft : adRight);
    DrawArrowGlyph(Canvas, R, dir, GetEnabled() ? clBtnText : clGrayText, ppi_);
}

void TInnerScrollBar::Paint(TCanvas* Canvas) const {
    if (!GetVisible()) return;
    TRect track = TrackRect();
    FillColor(Canvas, track, clScrollBar);
    TRect thumb = ThumbRect();
    // The pressed page area shows darker, as the desktop bar does while it repeats.
    if (!thumb.IsEmpty() && (pressed_ == spPageUp || pressed_ == spPageDown)) {
        TRect area = track;
        if (pressed_ == spPageUp) (vertical_ ? area.Bottom : area.Right) = vertical_ ? thumb.Top : thumb.Left;
        else (vertical_ ? area.Top : area.Left) = vertical_ ? thumb.Bottom : thumb.Right;
        FillColor(Canvas, area, cl3DDkShadow);
    }
    PaintArrow(Canvas, ArrowRect(true), true);
    PaintArrow(Canvas, ArrowRect(false), false);
    if (!thumb.IsEmpty()) DrawButtonFace(Canvas, thumb, false, ppi_);
}

}  // namespace vcl
