// The thumbnail grid's model: construction, the property setters, the selection, the
// scroll position, Assign, the mouse (focus frame, clicks, double clicks) and the keys.
//
// Setters repaint by invalidating: every paint asks the application for every visible
// slide again, so a run of property changes should cost one paint, not one each.
#include "thumbnails/Zyn_Thumbnails.h"

#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "platform/Types.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

// =========================================================================================
// construction

TThumbnails::TThumbnails(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    TGraphicControl::SetBounds(GetLeft(), GetTop(), 260, 400);
    SetKeyboardFocusable(true);
}

TThumbnails::~TThumbnails() = default;

// =========================================================================================
// setters

template <typename T>
void TThumbnails::StoreAndRepaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TThumbnails::SetSlideSelectMode(TSlideSelectMode Value) {
    if (FSelectMode == Value) return;
    FSelectMode = Value;
    FSelectedSlide.clear();
    Invalidate();
}

// Stores and repaints even when unchanged.
void TThumbnails::SetAntiAlias(bool Value) {
    FAntiAlias = Value;
    Invalidate();
}

void TThumbnails::SetColorBackGnd(TColor Value) { StoreAndRepaint(FColorBG, Value); }
void TThumbnails::SetColorCover(TColor Value) { StoreAndRepaint(FColorCover, Value); }
void TThumbnails::SetColorSelected(TColor Value) { StoreAndRepaint(FColorSelected, Value); }
void TThumbnails::SetColorFocus(TColor Value) { StoreAndRepaint(FColorHilite, Value); }
void TThumbnails::SetColorMark(TColor Value) { StoreAndRepaint(FMarkColor, Value); }
void TThumbnails::SetFrameStyle(TFrameStyle Value) { StoreAndRepaint(FFrameStyle, Value); }
void TThumbnails::SetOuterFrameStyle(TFrameStyle Value) { StoreAndRepaint(FOuterFrameStyle, Value); }
void TThumbnails::SetInnerFrameStyle(TFrameStyle Value) { StoreAndRepaint(FInnerFrameStyle, Value); }
void TThumbnails::SetFocusLinewidth(int Value) { StoreAndRepaint(FHiliteThickness, std::clamp(Value, 0, 10)); }
void TThumbnails::SetSlideDistance(int Value) { StoreAndRepaint(FSLideDist, std::clamp(Value, 0, 100)); }
void TThumbnails::SetSlideMargin(int Value) { StoreAndRepaint(FSlideMargin, std::clamp(Value, 0, 100)); }

void TThumbnails::SetColorScheme(TColorScheme Value) {
    if (FColorScheme == Value) return;
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Invalidate();
}

// At least 50, then at most the width: on a control narrower than 50 the slides take the
// whole width. Never below 1, so that the slide pitch is never 0.
void TThumbnails::SetSlideSize(int Value) {
    Value = std::max(Value, 50);
    Value = std::min(Value, std::max(GetWidth(), 1));
    StoreAndRepaint(FThumbBaseSize, Value);
}

void TThumbnails::SetMin(int Value) {
    if (FMin == Value) return;
    const int oldMin = FMin;
    FMin = Value;
    ResizeSelection(oldMin);
    Invalidate();
}

void TThumbnails::SetMax(int Value) {
    Value = std::max(Value, 1);
    if (FMax == Value) return;
    FMax = Value;
    ResizeSelection(FMin);
    Invalidate();
}

int TThumbnails::SelectionSize() const { return std::max(0, SatInt((long long)FMax - FMin + 1)); }

// The selection holds the numbers of the selected slides, so its size follows the slides
// selected, not the range (a range of 2^31 slides would need 256 MiB of flags). Flag
// i - Min of the range belongs to slide i: a selected slide stays selected while it is in
// the range, and flags past the int range (SelectionSize) are outside it.
bool TThumbnails::InSelectionRange(int SldNum) const {
    return SldNum >= FMin && (long long)SldNum - FMin < SelectionSize();
}

void TThumbnails::ResizeSelection(int /*OldMin*/) {
    for (auto it = FSelectedSlide.begin(); it != FSelectedSlide.end();)
        it = InSelectionRange(*it) ? std::next(it) : FSelectedSlide.erase(it);
}

// =========================================================================================
// scroll position and selection

bool TThumbnails::StoreFirstThumbIdx(double Value) {
    const double v = ThumbScrollPosition(Value, FMin, FMax, FNumSldX);
    if (v == FFirstThumbIx) return false;
    FFirstThumbIx = v;
    return true;
}

void TThumbnails::SetFirstThumbIdx(double Value) {
    if (StoreFirstThumbIdx(Value)) Invalidate();
}

// Flag indexes saturate: a slide whose index lies past the int range is outside the selection.
bool TThumbnails::GetSlideSelected(int SldNum) const { return FSelectedSlide.count(SldNum) != 0; }

void TThumbnails::SetSlideSelected(int SldNum, bool Value) {
    if (!InSelectionRange(SldNum) || GetSlideSelected(SldNum) == Value) return;
    if (Value) FSelectedSlide.insert(SldNum);
    else FSelectedSlide.erase(SldNum);
    vcl::NotifyAccessible(this, vcl::aeSelection);
    Invalidate();
}

// Below Min when no slide is selected.
int TThumbnails::GetFirstSelectedSlide() const {
    return FSelectedSlide.empty() ? SatSub(FMin, 1) : *FSelectedSlide.begin();
}

int TThumbnails::GetNumSlidesSelected() const { return int(FSelectedSlide.size()); }

void TThumbnails::ResetAllSelections() {
    FSelectedSlide.clear();
    Invalidate();
}

TColor TThumbnails::SlideColor(int SldNum) const { return GetSlideSelected(SldNum) ? FColorSelected : FColorCover; }

// =========================================================================================
// geometry

TSlideGrid TThumbnails::Grid() const {
    TSlideGrid g;
    g.SlideSize = FThumbBaseSize;
    g.SlideDistance = FSLideDist;
    g.SlideMargin = FSlideMargin;
    g.NumHoriz = FNumSldX;
    g.FirstThumbIdx = FFirstThumbIx;
    g.Width = GetWidth();
    g.Height = GetHeight();
    g.Min = FMin;
    g.Max = FMax;
    return g;
}

int TThumbnails::CalcSlideIndex(int XPos, int YPos) const { return Grid().SlideIndexAt(XPos, YPos); }

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const {
    const TPoint p = Grid().SlidePos(SldNum);
    XPos = p.X;
    YPos = p.Y;
}

// =========================================================================================
// Assign

void TThumbnails::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TThumbnails*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    if (src == this) return;
    FFrameStyle = src->FFrameStyle;
    FOuterFrameStyle = src->FOuterFrameStyle;
    FInnerFrameStyle = src->FInnerFrameStyle;
    FColorBG = src->FColorBG;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FFirstThumbIx = src->FFirstThumbIx;
    const int oldMin = FMin;
    FMin = src->FMin;
    FMax = src->FMax;
    ResizeSelection(oldMin);
    FNumSldX = src->FNumSldX;
    FNumSldY = src->FNumSldY;
    FThumbBaseSize = src->FThumbBaseSize;
    FSLideDist = src->FSLideDist;
    FSlideMargin = src->FSlideMargin;
    FOnImageRequest = src->FOnImageRequest;
    FOnImageClick = src->FOnImageClick;
    FOnImageDblClick = src->FOnImageDblClick;
    FOnFocusChange = src->FOnFocusChange;
    FOnFirstImageRequest = src->FOnFirstImageRequest;
    FOnLastImageRequest = src->FOnLastImageRequest;
    FAntiAlias = src->FAntiAlias;
    FColorCover = src->FColorCover;
    FColorSelected = src->FColorSelected;
    FColorHilite = src->FColorHilite;
    FLastHiLite = src->FLastHiLite;
    FHiliteThickness = src->FHiliteThickness;
    Invalidate();
}

void TThumbnails::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TThumbnails*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

// =========================================================================================
// mouse

// The slide under the pointer carries the focus frame; only its frame and the old one are
// drawn, straight onto the control, without a full repaint.
void TThumbnails::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FHiliteThickness <= 0) return;
    const int n = CalcSlideIndex(X, Y);
    if (n == FLastHiLite) return;
    TCanvas* c = GetCanvas();
    PaintFocusFrame(c, FLastHiLite, SlideColor(FLastHiLite));
    PaintFocusFrame(c, n, FColorHilite);
    PaintFocusBands(c);
    FLastHiLite = n;
    if (FOnFocusChange) FOnFocusChange(this);
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || (X == -1 && Y == -1)) return;
    const int n = CalcSlideIndex(X, Y);
    // The keyboard goes on from the slide clicked; the cue follows it.
    const bool cueMoves = n != 0 && n != GetCurrentSlide() && HasKeyboardFocus();
    if (n != 0) FCurrentSlide = n;
    if (FSelectMode == ssmSingle) {
        FSelectedSlide.clear();
        if (n != 0 && InSelectionRange(n)) FSelectedSlide.insert(n);
        FLastClickedSlide = n;
        Invalidate();
    } else if (cueMoves) {
        Invalidate();
    }
    if (n != 0) vcl::NotifyItemFocus(this, n - FMin);
    if (FOnImageClick) FOnImageClick(this, X, Y, n);
}

void TThumbnails::WMLButtonDblClk(TMessage& Message) {
    TGraphicControl::WMLButtonDblClk(Message);
    if (!FOnImageDblClick) return;
    const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
    FOnImageDblClick(this, x, y, CalcSlideIndex(x, y));
}

// =========================================================================================
// keyboard
//
//   Left, Right        the previous, the next slide
//   Up, Down           the slide one row above, below
//   PgUp, PgDn         a page of whole rows up, down
//   Home, End          the first, the last slide (Min, Max)
//   Enter              a double click on the current slide
//
// The keys move the current slide and, in single-selection mode, the selection with it,
// and scroll the slide into view.

void TThumbnails::KeyDown(WORD& Key, TShiftState Shift) {
    TGraphicControl::KeyDown(Key, Shift);
    if (Key != 0 && KeyAction(Key, Shift)) Key = 0;
}

// Enter double-clicks the current slide instead of pressing the form's default button;
// Escape stays the form's.
void TThumbnails::WndProc(TMessage& Message) {
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TGraphicControl::WndProc(Message);
}

bool TThumbnails::KeyAction(WORD Key, TShiftState Shift) {
    if (Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return false;
    switch (Key) {
        case VK_LEFT: MoveCurrentSlide(smLeft); return true;
        case VK_RIGHT: MoveCurrentSlide(smRight); return true;
        case VK_UP: MoveCurrentSlide(smUp); return true;
        case VK_DOWN: MoveCurrentSlide(smDown); return true;
        case VK_PRIOR: MoveCurrentSlide(smPageUp); return true;
        case VK_NEXT: MoveCurrentSlide(smPageDown); return true;
        case VK_HOME: MoveCurrentSlide(smFirst); return true;
        case VK_END: MoveCurrentSlide(smLast); return true;
        case VK_RETURN: DblClickCurrentSlide(); return true;
        default: return false;
    }
}

int TThumbnails::GetCurrentSlide() const {
    if (FMin > FMax) return 0;
    if (FCurrentSlide >= FMin && FCurrentSlide <= FMax) return FCurrentSlide;
    if (!FSelectedSlide.empty()) return *FSelectedSlide.begin();
    return std::clamp(Grid().TopSlide(), FMin, FMax);
}

void TThumbnails::MoveCurrentSlide(TSlideMove Move) {
    const int from = GetCurrentSlide();
    if (from == 0) return;
    GoToSlide(SlideAfterMove(from, Move, FMin, FMax, FNumSldX, Grid().PageRows()));
}

void TThumbnails::GoToSlide(int SldNum) {
    bool changed = SldNum != GetCurrentSlide();
    FCurrentSlide = SldNum;
    if (FSelectMode == ssmSingle && !(FSelectedSlide.size() == 1 && *FSelectedSlide.begin() == SldNum)) {
        FSelectedSlide.clear();
        if (InSelectionRange(SldNum)) FSelectedSlide.insert(SldNum);
        changed = true;
    }
    // A request is mapped again by the setter: only a slide out of view asks for one.
    if (double request = 0; Grid().ScrollToShow(SldNum, request) && StoreFirstThumbIdx(request)) changed = true;
    if (changed) Invalidate();
    if (changed) vcl::NotifyItemFocus(this, SldNum - FMin);
}

// As the mouse's double click on the slide's middle, after the framework's; a double click
// begins with a click, which in single-selection mode selects the slide.
void TThumbnails::DblClickCurrentSlide() {
    const int n = GetCurrentSlide();
    if (n == 0) return;
    GoToSlide(n);
    DblClick();
    if (!FOnImageDblClick) return;
    int x = 0, y = 0;
    CalcSlidePos(n, x, y);
    const int middle = (2 * FSlideMargin + FThumbBaseSize) / 2;
    FOnImageDblClick(this, SatAdd(x, middle), SatAdd(y, middle), n);
}

void TThumbnails::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    SetSlideDistance(MulDiv(GetSlideDistance(), M, D));
    SetSlideMargin(MulDiv(GetSlideMargin(), M, D));
    if (GetFocusLinewidth() > 0) SetFocusLinewidth(std::max(1, MulDiv(GetFocusLinewidth(), M, D)));
    SetSlideSize(MulDiv(GetSlideSize(), M, D));
}

}  // namespace zyn
