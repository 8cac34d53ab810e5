// The gradient fill's picture, composed in an off-screen buffer over the visible region of the
// control: bands, grid, frame.
#include "gradfl/Zyn_gradfl.h"

namespace zyn {

using namespace vcl;

void TGradFill::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W > 0 && H > 0) {
        TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H));
        Render(buffer.GetCanvas(), W, H);
        buffer.Show();
    }
    if (FOnPaint) FOnPaint(this);
}

void TGradFill::Render(TCanvas* C, int W, int H) {
    PaintBands(C, W, H);
    if (FGridMode != gmNone) PaintGrid(C, W, H);
    PaintFrame(C, W, H);
}

void TGradFill::PaintBands(TCanvas* C, int W, int H) {
    TBrush* brush = C->GetBrush();
    for (int k = 0; k < FNrColors; ++k) {
        brush->SetColor(GradBandColor(FFillType, k, FNrColors, FColorFirst, FColorLast));
        C->FillRect(GradBandRect(FFillType, k, FNrColors, W, H));
    }
}

// One line on each inner band edge; the outer edges belong to the frame.
void TGradFill::PaintGrid(TCanvas* C, int W, int H) {
    C->GetPen()->SetColor(FGridColor);
    if (FGridMode == gmHoriz || FGridMode == gmBoth) {
        for (int k = 1; k < FNrColors; ++k) {
            const int y = GradBandEdge(k, H, FNrColors);
            C->MoveTo(0, y);
            C->LineTo(W, y);
        }
    }
    if (FGridMode == gmVert || FGridMode == gmBoth) {
        for (int k = 1; k < FNrColors; ++k) {
            const int x = GradBandEdge(k, W, FNrColors);
            C->MoveTo(x, 0);
            C->LineTo(x, H);
        }
    }
}

void TGradFill::PaintFrame(TCanvas* C, int W, int H) {
    const TBevelLines b = BevelLines();
    DrawFrame(C, FFrameStyle, 0, 0, W - 1, H - 1, b.Light, b.Face, b.Shadow, b.Dark, b.Dark);
}

}  // namespace zyn
