// The mark selector's picture, composed in an off-screen buffer over the visible region:
// background, marks with the selection box, frame. The hover highlight is drawn straight onto the control's canvas.
#include "marksel/Zyn_marksel.h"
#include "platform/Themes.h"
#include "platform/Types.h"

namespace zyn {

using namespace vcl;

namespace {


void PenAndBrush(TCanvas* C, TColor Pen, TColor Brush) {
    C->GetPen()->SetColor(Pen);
    C->GetBrush()->SetColor(Brush);   // also makes the brush solid
}

}  // namespace

void TMarkSel::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W > 0 && H > 0) {
        TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H));
        Render(buffer.GetCanvas());
        buffer.Show();
    }
    if (FOnPaint) FOnPaint(this);
}

void TMarkSel::Render(TCanvas* C) {
    const bool enabled = GetEnabled();
    // A disabled selector is drawn in the theme's disabled colours (grey on silver in light).
    const TColor fg = enabled ? FColorMarks : ThemeColor(trDisabledInk);
    const TColor bg = enabled ? FColorBackGnd : ThemeColor(trDisabledFace);
    const TColor sfg = enabled ? FColorSelFG : ThemeColor(trDisabledInk);
    const TColor sbg = enabled ? FColorSelBG : ThemeColor(trDisabledSelection);
    PaintBackground(C, bg);
    Layout();
    PaintMarks(C, fg, bg, sfg, sbg);
    PaintFrame(C, fg);
    PaintFocusCue(C);
    FHiLiteShown = false;
}

void TMarkSel::PaintBackground(TCanvas* C, TColor Bg) {
    PenAndBrush(C, Bg, Bg);
    C->Rectangle(0, 0, GetWidth(), GetHeight());
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetMode(pmCopy);
}

void TMarkSel::PaintMarks(TCanvas* C, TColor Fg, TColor Bg, TColor SelFg, TColor SelBg) {
    for (int i = 0; i < NumberOfMarks; ++i) {
        if (!FVis[i]) continue;
        if (i == FSelected) {
            PenAndBrush(C, SelFg, SelBg);
            C->Rectangle(CellBox(i, 3, 3));
        } else {
            PenAndBrush(C, Fg, Bg);
        }
        DrawSymbol(C, i);
    }
}

void TMarkSel::PaintFrame(TCanvas* C, TColor Fg) {
    const TBevelLines b = BevelLines();
    DrawFrame(C, FFrameStyle, 0, 0, GetWidth() - 1, GetHeight() - 1, b.Light, b.Face, b.Shadow, b.Dark, Fg);
}

// The offsets are 96 dpi pixels, scaled with the control.
void TMarkSel::DrawSymbol(TCanvas* C, int Mark) {
    if (Mark == 0 && FShowZeroAsCross) {
        // Mark 0 is always the first visible mark, so its cross fills the first cell.
        const int width = C->GetPen()->GetWidth();
        C->GetPen()->SetWidth(ScaledLineWidth(1));
        C->MoveTo(ScaledMetric(4), ScaledMetric(4));
        C->LineTo(SatAdd(FGrid.DH, ScaledMetric(1)), SatAdd(FGrid.DV, ScaledMetric(1)));
        C->MoveTo(ScaledMetric(4), FGrid.DV);
        C->LineTo(SatAdd(FGrid.DH, ScaledMetric(1)), ScaledMetric(3));
        C->GetPen()->SetWidth(width);
        return;
    }
    // Positions near the end of the int range saturate.
    DrawMarkOnCanvas(C, Mark, SatAdd(FPos[Mark].X, ScaledMetric(2)), SatAdd(FPos[Mark].Y, ScaledMetric(2)),
                     GetCurrentPPI());
}

// Near and Far are 96 dpi pixels, scaled with the control.
TRect TMarkSel::CellBox(int Mark, int Near, int Far) const {
    Near = ScaledMetric(Near);
    Far = ScaledMetric(Far);
    const TPoint p = FPos[Mark];
    return TRect(p.X - FGrid.DH / 2 + Near, p.Y - FGrid.DV / 2 + Near, p.X + FGrid.DH / 2 + Far,
                 p.Y + FGrid.DV / 2 + Far);
}

// The hover colours are the enabled ones, also on a disabled selector.
void TMarkSel::RestoreMark(int Mark) {
    // A mark hidden since it was highlighted has been painted away with the rest; its old
    // place may now belong to another mark.
    if (!FVis[Mark]) return;
    TCanvas* C = GetCanvas();
    const bool selected = Mark == FSelected;
    if (selected) PenAndBrush(C, FColorSelFG, FColorSelBG);
    else PenAndBrush(C, FColorBackGnd, FColorBackGnd);
    C->Rectangle(CellBox(Mark, 3, 3));
    C->GetPen()->SetColor(selected ? FColorSelFG : FColorMarks);
    DrawSymbol(C, Mark);
    // The cell's box covered the cue's pixels.
    if (Mark == GetFocusedMark()) PaintFocusCue(C);
}

void TMarkSel::HighlightMark(int Mark) {
    TCanvas* C = GetCanvas();
    PenAndBrush(C, FColorHiLiteBG, FColorHiLiteBG);
    C->Rectangle(CellBox(Mark, 4, 2));
    C->GetPen()->SetColor(FColorHiLiteSymbol);
    DrawSymbol(C, Mark);
    FLastHiLite = Mark;
    FHiLiteShown = true;
}

// On the outline of the selection box: the hover highlight lies inside it and leaves it be.
void TMarkSel::PaintFocusCue(TCanvas* C) { DrawFocusCue(C, CellBox(GetFocusedMark(), 3, 3)); }

}  // namespace zyn
