// TNumIO2's picture, composed in an off-screen bitmap kept between paints (of the control's
// size, or of its visible region when a bitmap cannot hold the whole): ground, left text,
// buttons, right text, gauge, text box, number with caret, selection.
#include <algorithm>

#include "framework/Zyn_conventions.h"
#include "numio/Zyn_NumIO2.h"
#include "platform/SysUtils.h"
#include "platform/Themes.h"
#include "platform/Types.h"

namespace zyn {

using namespace vcl;

namespace {

void PenAndBrush(TCanvas* C, TColor Pen, TColor Brush) {
    C->GetPen()->SetColor(Pen);
    C->GetBrush()->SetColor(Brush);   // also makes the brush solid
}

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

}  // namespace

void TNumIO2::Paint() {
    if (FSuppressPaint || !HandleAllocated()) return;
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    const TNumIO2Geometry geo = Geometry();
    TCanvas* out = GetCanvas();
    // The whole picture when a bitmap can hold it, else the region the canvas shows.
    TPaintBuffer buffer(out, Rect(0, 0, W, H), FPicture.get());
    Render(buffer.GetCanvas(), geo);
    out->SetCopyMode(cmSrcCopy);
    buffer.Show();
    // While the keyboard is here, the cue frames the whole control (read-only, the control
    // shows no caret).
    DrawFocusCue(out, Rect(0, 0, W, H));
}

void TNumIO2::Render(TCanvas* C, const TNumIO2Geometry& Geo) {
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetMode(pmCopy);
    C->GetBrush()->SetColor(FColorOutBG);
    C->FillRect(Rect(0, 0, GetWidth(), GetHeight()));
    PaintLeftText(C, Geo);
    if (FButVisible) PaintButtons(C);
    PaintRightText(C, Geo);
    if (FGaugeVisible) PaintGauge(C, Geo);
    const bool outOfRange = OutOfRange();
    PaintTextBox(C, Geo, outOfRange);
    PaintNumber(C, Geo, outOfRange);
    PaintSelection(C, Geo);
}

// Enabled: in ColorOutText on the ground. Disabled: engraved, white one pixel right and down,
// then gray in place, over a clear ground (the theme's engraving line and disabled ink).
void TNumIO2::PaintSideText(TCanvas* C, const std::string& Text, int X, int Y) {
    TFont* font = C->GetFont();
    if (GetEnabled()) {
        font->SetColor(FColorOutText);
        C->GetBrush()->SetColor(FColorOutBG);
        C->TextOut(X, Y, Text);
        return;
    }
    C->GetBrush()->SetStyle(bsClear);
    font->SetColor(ThemeColor(trEngraveLight));
    C->TextOut(X + 1, Y + 1, Text);
    font->SetColor(ThemeColor(trDisabledInk));
    C->TextOut(X, Y, Text);
}

void TNumIO2::PaintLeftText(TCanvas* C, const TNumIO2Geometry& Geo) {
    if (FLeftText.empty()) return;
    const int lw = C->TextWidth(FLeftText);
    int x = (Geo.LS - lw) / 2;
    if (FLeftTextAlignment == taLeftJustify) x = 7;
    else if (FLeftTextAlignment == taRightJustify) x = Geo.LS - lw - 5;
    PaintSideText(C, FLeftText, x, Geo.YT);
}

void TNumIO2::PaintButtons(TCanvas* C) {
    const int x0 = ClampCoord(FLeftSpace) + ClampCoord(FTextBoxWidth) + ClampCoord(FButSpace);
    const int bw = ClampCoord(FButWidth);
    const int hb = ClampCoord(FButHeight) / 2;
    const int cx = x0 + bw / 2;
    PenAndBrush(C, ThemedLine(clGray), FButColor);
    C->Rectangle(x0, 0, x0 + bw + 1, 2 * hb - 1);
    Line(C, x0, hb - 1, x0 + bw, hb - 1);
    if (FBut3D) {
        C->GetPen()->SetColor(ThemedLine(clWhite));
        C->Polyline({TPoint(x0 + 1, 2 * hb - 3), TPoint(x0 + 1, hb), TPoint(x0 + bw, hb)});
        C->Polyline({TPoint(x0 + 1, hb - 2), TPoint(x0 + 1, 1), TPoint(x0 + bw, 1)});
        C->GetPen()->SetColor(ThemedLine(clBlack));
        C->Polyline({TPoint(x0 + 1, 2 * hb - 1), TPoint(x0 + bw + 1, 2 * hb - 1), TPoint(x0 + bw + 1, 1)});
    }
    // Arrows of three lines, 2, 4 and 6 pixels long, in the theme's text colour on the
    // button face (black in the light theme). On a denser screen each pixel of them is a
    // block of whole pixels, so that they stay sharp.
    C->GetPen()->SetColor(GetEnabled() ? vcl::ThemeColor(vcl::trFaceText) : vcl::ThemeColor(vcl::trDisabledInk));
    const int k = ScaledLineWidth(1);
    const int up = hb / 2, down = hb / 2 + hb;
    for (int j = 0; j < 3; ++j)
        for (int t = 0; t < k; ++t) {
            const int yUp = up + (j - 1) * k + t, yDown = down - j * k - t;
            Line(C, cx - j * k, yUp, cx + (2 + j) * k, yUp);
            Line(C, cx - j * k, yDown, cx + (2 + j) * k, yDown);
        }
}

void TNumIO2::PaintRightText(TCanvas* C, const TNumIO2Geometry& Geo) {
    if (FRightText.empty()) return;
    const int rw = C->TextWidth(FRightText);
    const int start = Geo.LS + Geo.BW + Geo.TBW;
    int x = (GetWidth() - start - rw) / 2 + start + 1;
    if (FRightTextAlignment == taLeftJustify) x = start + 7;
    else if (FRightTextAlignment == taRightJustify) x = GetWidth() - rw - 6;
    PaintSideText(C, FRightText, x, Geo.YT);
}

// Two bevel lines of a frame style 2 to 5, each through three points: black then white
// (sunken), white then black (raised), gray twice (double sunken), white twice (double raised).
void TNumIO2::PaintBevel(TCanvas* C, int Style, int X0, int Y0, int X1, int Y1, int X2, int Y2, bool Second) {
    TColor first = ThemedLine(FColGrayLine), second = ThemedLine(FColGrayLine);
    switch (Style) {
        case frSunken: first = ThemedLine(FColBlackLine); second = ThemedLine(FColWhiteLine); break;
        case frRaised: first = ThemedLine(FColWhiteLine); second = ThemedLine(FColBlackLine); break;
        case frSunkenDouble: break;
        case frRaisedDouble: first = second = ThemedLine(FColWhiteLine); break;
        default: return;
    }
    C->GetPen()->SetColor(Second ? second : first);
    C->Polyline({TPoint(X0, Y0), TPoint(X1, Y1), TPoint(X2, Y2)});
}

void TNumIO2::PaintGauge(TCanvas* C, const TNumIO2Geometry& Geo) {
    const int gt = ClampCoord(GetHeight()) - Geo.G + ClampCoord(FGaugeTopMargin);
    const int gb = gt + ClampCoord(FGaugeHeight);
    const int gl = ClampCoord(FGaugeLeftMargin);
    const int gr = gl + ClampCoord(FGaugeWidth);
    PenAndBrush(C, FGaugeFrameStyle == frNone ? FGaugeColorBg : FGaugeColorFrame, FGaugeColorBg);
    C->Rectangle(gl, gt, gr, gb);
    const TColor bar = GetEnabled() ? FGaugeColor : ThemeColor(trDisabledInk);
    PenAndBrush(C, bar, bar);
    const int filled = int(Round((gr - gl) * GaugeFraction(GetValue(), FRangeLow, FRangeHigh)));
    C->Rectangle(gl, gt, gl + filled, gb);
    if (FGaugeFrameStyle == frNone) return;
    C->GetBrush()->SetStyle(bsClear);
    C->GetPen()->SetColor(FGaugeFrameStyle == frSingle         ? FGaugeColorFrame
                          : FGaugeFrameStyle == frSunkenDouble ? ThemedLine(FColWhiteLine)
                                                               : ThemedLine(FColGrayLine));
    C->Rectangle(gl, gt, gr, gb);
    PaintBevel(C, FGaugeFrameStyle, gl + 1, gb - 2, gl + 1, gt + 1, gr - 1, gt + 1, false);
    PaintBevel(C, FGaugeFrameStyle, gl + 1, gb, gr, gb, gr, gt, true);
}

void TNumIO2::PaintTextBox(TCanvas* C, const TNumIO2Geometry& Geo, bool OutOfRange) {
    const bool enabled = GetEnabled();
    TColor pen = ThemedLine(FColGrayLine);
    if (FFrameStyle == frSunkenDouble) pen = ThemedLine(FColWhiteLine);
    else if (FFrameStyle == frNone) pen = enabled ? FColorBoxBG : ThemeColor(trDisabledFace);
    TColor brush = FColorBoxBG;
    if (!enabled) {
        brush = ThemeColor(trDisabledFace);
    } else if (OutOfRange) {
        brush = FColorWarnBG;
        if (FFrameStyle == frNone) pen = FColorWarnBG;
    }
    PenAndBrush(C, pen, brush);
    const int bottom = GetHeight() - Geo.G;
    const int ls = Geo.LS, tbw = Geo.TBW, bh = Geo.BH;
    if (FFrameStyle == frNone || FFrameStyle == frSingle) {
        C->Rectangle(ls, 0, ls + tbw + 2, bottom);
        return;
    }
    C->Rectangle(ls, 0, ls + tbw + 2, bottom - 1);
    PaintBevel(C, FFrameStyle, ls + 1, bh + 1, ls + 1, 1, ls + tbw + 1, 1, false);
    PaintBevel(C, FFrameStyle, ls + 1, bh + 3, ls + tbw + 2, bh + 3, ls + tbw + 2, 0, true);
}

// The number on the box's brush, clipped to the box, and the caret one pixel before the
// boundary it stands at.
void TNumIO2::PaintNumber(TCanvas* C, const TNumIO2Geometry& Geo, bool OutOfRange) {
    TFont* font = C->GetFont();
    if (!GetEnabled()) font->SetColor(ThemeColor(trDisabledInk));
    else font->SetColor(OutOfRange ? FColorWarnText : FColorBoxText);
    const int tw = C->TextWidth(FInBuffer);
    const int x = NumIO2TextX(Geo, FAlignment, tw);
    C->TextRect(Rect(Geo.LS + 3, 2, Geo.LS + Geo.TBW - 1, Geo.BH + 1), x, Geo.YT, FInBuffer);
    // The caret shows only in the control that has the focus.
    if (!FCaretVisib || !Focused()) return;
    const int cw = FCaretPos > 0 ? C->TextWidth(Copy(FInBuffer, 1, FCaretPos)) : 0;
    const int offset = x - Geo.LS + cw - 1;
    if (offset <= 0 || offset >= Geo.TBW) return;
    C->GetPen()->SetColor(vcl::ThemeColor(vcl::trWindowText));   // black in the light theme
    Line(C, Geo.LS + offset, 3, Geo.LS + offset, GetHeight() - Geo.G - 3);
}

void TNumIO2::PaintSelection(TCanvas* C, const TNumIO2Geometry& Geo) {
    if (FSelBegin >= FSelEnd || (FHideSelection && !Focused())) return;
    const int tw = C->TextWidth(FInBuffer);
    const auto boundary = [&](int N) {
        const int x = NumIO2CharPosToX(Geo, FAlignment, tw, C->TextWidth(Copy(FInBuffer, 1, N)));
        return std::clamp(x, Geo.LS, Geo.LS + Geo.TBW);
    };
    C->InvertRect(Rect(boundary(FSelBegin), 3, boundary(FSelEnd), GetHeight() - Geo.G - 3));
}

}  // namespace zyn
