// The rotated label's picture: the framework label's background, the caption turned about
// its anchor (engraved when disabled), then the frame.
#include <cstdint>

#include "platform/Themes.h"
#include "platform/Types.h"
#include "platform/Win32.h"
#include "rotlab/Zyn_RotLab.h"

namespace zyn {

using namespace vcl;

void TRotLab::Paint() {
    if (!GetVisible()) return;
    TCustomLabel::Paint();   // background unless transparent, then DoDrawText
    PaintFrame(GetCanvas());
}

void TRotLab::PaintFrame(TCanvas* C) {
    const TBevelLines b = BevelLines();
    TColor c1 = b.Light, c2 = b.Face, c3 = b.Shadow, c4 = b.Dark, c5 = b.Dark;
    if (StyleServices()->Enabled() && GetStyleElements().Contains(seBorder)) {
        const TCustomStyleServices* s = StyleServices();
        c1 = s->GetSystemColor(clBtnHighlight);
        c2 = s->GetSystemColor(clBtnFace);
        c3 = s->GetSystemColor(clBtnShadow);
        c4 = s->GetSystemColor(cl3DDkShadow);
        c5 = c4;
    }
    DrawFrame(C, FFrameStyle, 0, 0, GetWidth() - 1, GetHeight() - 1, c1, c2, c3, c4, c5);
}

void TRotLab::SelectRotatedFont(TCanvas* C) {
    LOGFONTW lf;
    if (GetObject(C->GetFont()->GetHandle(), sizeof lf, &lf) == 0) return;
    // Tenths of a degree; an angle whose tenths leave the int range turns the same way as
    // its remainder of a full turn.
    const int angle = FTextAngle >= -214748364 && FTextAngle <= 214748364 ? FTextAngle : FTextAngle % 360;
    lf.lfEscapement = angle * 10;
    lf.lfOrientation = angle * 10;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = 0;
    lf.lfClipPrecision = 0;
    // Default quality smooths text on this platform, so plain text is asked for by name.
    lf.lfQuality = FAntiAlias ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = 0;
    C->GetFont()->SetHandle(CreateFontIndirect(lf));   // the font takes the handle over
}

void TRotLab::DoDrawText(TRect& Rect, int Flags) {
    (void)Rect;
    if (Flags & DT_CALCRECT) return;
    TCanvas* C = GetCanvas();
    C->SetFont(GetFont());
    if (StyleServices()->Enabled() && GetStyleElements().Contains(seFont))
        C->GetFont()->SetColor(StyleServices()->GetStyleFontColor(sfPanelTextNormal));
    SelectRotatedFont(C);
    C->GetBrush()->SetStyle(bsClear);

    const std::string text = GetLabelText();
    const int hw = C->TextWidth(text) / 2, hh = C->TextHeight(text) / 2;
    const TPoint p = RotLabTextOrigin(GetAlignment(), FPosX, FPosY, hw, hh, FTextAngle);
    if (GetEnabled()) {
        C->TextOut(p.X, p.Y, text);
        return;
    }
    C->GetFont()->SetColor(clBtnHighlight);
    C->TextOut(SatAdd(p.X, 1), SatAdd(p.Y, 1), text);
    C->GetFont()->SetColor(clBtnShadow);
    C->TextOut(p.X, p.Y, text);
}

}  // namespace zyn
