// The thumbnail grid's picture, composed in an off-screen buffer over the control's visible
// part: background; the visible slides column by column, each requested from the
// application (square and frame, empty box with its number or the scaled picture, mark);
// the focus frame; the border bands and the control's frame.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Themes.h"
#include "platform/Types.h"
#include "platform/Win32.h"
#include "thumbnails/Zyn_Thumbnails.h"

namespace zyn {

using namespace vcl;

namespace {

// The fixed frame colours the slides, the pictures and the control are framed in.
void Frame(TCanvas* C, int Style, int L, int T, int R, int B) {
    const TBevelLines b = BevelLines();
    DrawFrame(C, Style, L, T, R, B, b.Light, b.Face, b.Shadow, b.Dark, b.Dark);
}

void PenAndBrush(TCanvas* C, TColor Color) {
    C->GetPen()->SetColor(Color);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetStyle(psSolid);
    C->GetBrush()->SetColor(Color);   // also makes the brush solid
}

// Clears FIsWorking however the paint ends (an event handler may throw).
struct WorkingFlag {
    bool& Flag;
    explicit WorkingFlag(bool& F) : Flag(F) { Flag = true; }
    ~WorkingFlag() { Flag = false; }
};

}  // namespace

void TThumbnails::Paint() {
    if (FIsWorking) return;
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    WorkingFlag working(FIsWorking);
    GetCanvas()->SetFont(GetFont());
    TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H));
    buffer.GetCanvas()->SetFont(GetFont());
    const std::vector<std::exception_ptr> failed = Render(buffer.GetCanvas());
    buffer.Show();
    // Handlers' errors come out once the picture is shown: the first to the caller, any
    // further ones to the application's exception handler, so none is lost.
    for (std::size_t i = 1; i < failed.size(); ++i) {
        try {
            std::rethrow_exception(failed[i]);
        } catch (...) {
            Application->HandleException(this);
        }
    }
    if (!failed.empty()) std::rethrow_exception(failed.front());
}

// The picture, whatever the application's handlers do: a handler that raises while a slide
// is requested or rendered leaves the error mark on that slide and the other slides paint;
// the errors are given back to be raised once the picture is shown.
std::vector<std::exception_ptr> TThumbnails::Render(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    std::vector<std::exception_ptr> failed;
    auto guarded = [&failed](auto&& Fn) {
        try {
            Fn();
            return true;
        } catch (...) {
            failed.push_back(std::current_exception());
            return false;
        }
    };
    PenAndBrush(C, FColorBG);
    C->Rectangle(0, 0, W, H);

    // The number of slides per row follows the width; the scroll position is mapped again
    // for the new row length.
    const int perRow = Grid().SlidesPerRow();
    if (perRow != FNumSldX) {
        FNumSldX = perRow;
        StoreFirstThumbIdx(FFirstThumbIx);
    }
    const TSlideGrid g = Grid();
    FNumSldY = g.RowsShown();

    if (FOnFirstImageRequest) guarded([&] { FOnFirstImageRequest(this); });
    // Only the slides the region held reaches are requested and drawn, so the work follows
    // the pixels shown whatever the size and the range. The region is widened by a pitch
    // so that a slide number wider than its slide still shows beside it.
    const int reach = g.Pitch();
    const TRect clip = C->GetClipRect();
    const TRect near(SatSub(clip.Left, reach), SatSub(clip.Top, reach), SatAdd(clip.Right, reach),
                     SatAdd(clip.Bottom, reach));
    const TSlideGrid::TSpan cols = g.ColumnsIn(near), rows = g.RowsIn(near);
    TBitmap buffer;   // one image buffer for every slide of this paint
    for (int i = cols.First; i <= cols.Last; ++i) {
        for (int j = rows.First; j <= rows.Last; ++j) {
            const std::int64_t n = g.SlideAt(i, j);
            if (n < FMin || n > FMax) continue;
            const TRect square = g.SlideSquare(i, j);
            if (!guarded([&] { PaintSlide(C, &buffer, square, int(n)); })) PaintErrorMark(C, square, int(n));
        }
    }
    if (FOnLastImageRequest) guarded([&] { FOnLastImageRequest(this); });

    // The slide under the pointer keeps its focus frame through repaints.
    if (FHiliteThickness > 0) PaintFocusFrame(C, FLastHiLite, FColorHilite);
    PaintBorderAndFrame(C);
    PaintFocusCue(C);
    return failed;
}

void TThumbnails::PaintSlide(TCanvas* C, TBitmap* Buffer, const TRect& Square, int SldNum) {
    TImageRequestProcessing how = irpShowEmpty;
    int markIt = -1;
    if (FOnImageRequest) FOnImageRequest(this, SldNum, how, markIt, Buffer);

    if (how != irpShowNothing) {
        PenAndBrush(C, SlideColor(SldNum));
        C->Rectangle(Square.Left, Square.Top, Square.Right + 1, Square.Bottom + 1);
        Frame(C, FOuterFrameStyle, Square.Left, Square.Top, Square.Right, Square.Bottom);
    }
    C->GetPen()->SetColor(clBlack);
    if (how == irpShowEmpty) PaintEmptySlide(C, Square, SldNum);
    if (how == irpShowSlide && !Buffer->Empty()) PaintPicture(C, Buffer, Square);

    if (markIt != -1) {
        // On a slide that shows nothing an open mark is filled with the background.
        if (how == irpShowNothing) C->GetBrush()->SetColor(FColorBG);
        C->GetPen()->SetColor(FMarkColor);
        DrawMarkOnCanvas(C, markIt, Square.Left + ScaledMetric(10), Square.Top + ScaledMetric(12), GetCurrentPPI());
    }
    if (FOnSlideRendered) FOnSlideRendered(this, C, Square.Left, Square.Top, SldNum);
}

// A white box inside the slide, 20 pixels shorter than the picture area at the top and at
// the bottom, and the slide number centred on the slide (window and window text of the
// theme: white and black in the light one).
void TThumbnails::PaintEmptySlide(TCanvas* C, const TRect& Square, int SldNum) {
    const int m = FSlideMargin;
    C->GetBrush()->SetColor(ThemeColor(trWindow));
    C->Rectangle(Square.Left + m, Square.Top + m + 20, Square.Right - m, Square.Bottom - m - 20);
    const std::string text = IntToStr(SldNum);
    C->GetFont()->SetColor(ThemeColor(trWindowText));
    // The middle in 64 bits: a slide near the end of the int range keeps it in range.
    C->TextOut(int((std::int64_t(Square.Left) + Square.Right) / 2) - C->TextWidth(text) / 2,
               int((std::int64_t(Square.Top) + Square.Bottom) / 2) - C->TextHeight(text) / 2, text);
}

// The whole image buffer stretched into the slide's picture area keeping its proportions:
// sampled, or averaged over the covered source pixels when AntiAlias is set.
void TThumbnails::PaintPicture(TCanvas* C, TBitmap* Buffer, const TRect& Square) {
    const int w = Buffer->GetWidth(), h = Buffer->GetHeight();
    const TRect d = FitPicture(w, h, FThumbBaseSize, FSlideMargin, Square);
    SetStretchBltMode(C->GetHandle(), FAntiAlias ? HALFTONE : COLORONCOLOR);
    StretchBlt(C->GetHandle(), d.Left, d.Top, d.Width(), d.Height(), Buffer->GetCanvas()->GetHandle(), 0, 0, w, h,
               SRCCOPY);
    Frame(C, FInnerFrameStyle, d.Left, d.Top, d.Right, d.Bottom);
}

// A slide whose handler raised: its square and frame, and a red cross over a white picture
// area, the mark of a picture that could not be had.
void TThumbnails::PaintErrorMark(TCanvas* C, const TRect& Square, int SldNum) {
    const int m = FSlideMargin;
    PenAndBrush(C, SlideColor(SldNum));
    C->GetBrush()->SetStyle(bsSolid);
    C->Rectangle(Square.Left, Square.Top, Square.Right + 1, Square.Bottom + 1);
    Frame(C, FOuterFrameStyle, Square.Left, Square.Top, Square.Right, Square.Bottom);
    const TRect pic(Square.Left + m, Square.Top + m, Square.Right - m, Square.Bottom - m);
    PenAndBrush(C, clWhite);
    C->Rectangle(pic.Left, pic.Top, pic.Right, pic.Bottom);
    TPen* pen = C->GetPen();
    pen->SetColor(clRed);
    pen->SetWidth(3);
    const int d = 8;   // the cross keeps off the picture area's edges
    C->MoveTo(pic.Left + d, pic.Top + d);
    C->LineTo(pic.Right - d, pic.Bottom - d);
    C->MoveTo(pic.Right - d, pic.Top + d);
    C->LineTo(pic.Left + d, pic.Bottom - d);
    pen->SetWidth(1);
    Frame(C, FInnerFrameStyle, pic.Left, pic.Top, pic.Right, pic.Bottom);
}

void TThumbnails::PaintBorderAndFrame(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    PenAndBrush(C, FColorBG);
    C->FillRect(Rect(0, 0, W, TSlideGrid::Border));
    C->FillRect(Rect(0, H - TSlideGrid::Border, W, H));
    Frame(C, FFrameStyle, 0, 0, W - 2, H - 2);
}

// FocusLinewidth nested rectangles just inside the slide's edge, kept off the two outer
// pixels of the control at the top and the bottom.
void TThumbnails::PaintFocusFrame(TCanvas* C, int SldNum, TColor Color) {
    if (SldNum < FMin || SldNum > FMax) return;
    int x = 0, y = 0;
    CalcSlidePos(SldNum, x, y);
    const int side = 2 * FSlideMargin + FThumbBaseSize;
    const int top = std::max(2, y + 2);
    const int bottom = std::min(GetHeight() - 3, y + side - 2);
    C->GetPen()->SetColor(Color);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetStyle(psSolid);
    for (int k = 1; k <= FHiliteThickness; ++k)
        DrawRectangle(C, x + 2 + k - 1, top + k - 1, x + side - 2 - k + 1, bottom - k + 1);
}

void TThumbnails::PaintFocusBands(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    C->GetBrush()->SetColor(FColorBG);
    C->FillRect(Rect(2, 2, W - 2, TSlideGrid::Border));
    C->FillRect(Rect(2, H - TSlideGrid::Border, W - 2, H - 2));
}

// On the slide's outer square, outside the focus frame's rectangles, so that the mouse's
// focus frame never draws over it; the bands and the control's frame stay as they are.
void TThumbnails::PaintFocusCue(TCanvas* C) {
    const int n = GetCurrentSlide();
    if (n == 0) return;
    int x = 0, y = 0;
    CalcSlidePos(n, x, y);
    const int side = 2 * FSlideMargin + FThumbBaseSize;
    const TRect square(x, y, SatAdd(x, side + 1), SatAdd(y, side + 1));
    const TRect inside(2, TSlideGrid::Border, GetWidth() - 2, GetHeight() - TSlideGrid::Border);
    const TRect cue = IntersectRect(square, inside);
    if (!cue.IsEmpty()) DrawFocusCue(C, cue);
}

}  // namespace zyn
