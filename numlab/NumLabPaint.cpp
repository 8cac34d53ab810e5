// TNumLab's picture, composed in an off-screen bitmap kept between paints (of the control's
// size, or of its visible region when a bitmap cannot hold the whole): ground, side
// texts, label box, number; then copied, or ANDed onto what lies behind a transparent label.
#include "numlab/Zyn_NumLab.h"

#include <algorithm>

#include "framework/Zyn_conventions.h"
#include "platform/Themes.h"
#include "platform/Types.h"

namespace zyn {

using namespace vcl;

void TNumLab::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    // The whole picture when a bitmap can hold it, else the region the canvas shows.
    TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H), FPicture.get());
    Render(buffer.GetCanvas());
    PaintOutput(buffer);
}

void TNumLab::Render(TCanvas* C) {
    C->SetFont(GetFont());
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetMode(pmCopy);
    const int yt = (GetHeight() - C->TextHeight(TextHeightProbe)) / 2;
    PaintGround(C);
    PaintSideTexts(C, yt);
    PaintLabelBox(C);
    if (!FEmpty) PaintNumber(C, yt);
}

// Transparent: white, which the AND onto the background leaves unchanged.
void TNumLab::PaintGround(TCanvas* C) {
    TColor ground = FColorOutBakG;
    if (FTransparent) ground = clWhite;
    else if (ClientStyled()) ground = StyleServices()->GetStyleColor(scWindow);
    C->GetPen()->SetColor(ground);
    C->GetBrush()->SetColor(ground);
    C->FillRect(Rect(0, 0, GetWidth(), GetHeight()));
}

// Enabled: in ColorOutText on the ground. Disabled: engraved, white (the theme's engraving line,
// or the style's disabled colour) one pixel right and down, then gray (the theme's disabled ink)
// in place unless the style paints the font.
void TNumLab::PaintSideText(TCanvas* C, const std::string& Text, int X, int Y) {
    TFont* font = C->GetFont();
    const bool styled = FontStyled();
    if (GetEnabled()) {
        font->SetColor(styled ? StyleServices()->GetStyleFontColor(sfPanelTextNormal) : FColorOutText);
        C->TextOut(X, Y, Text);
        return;
    }
    C->GetBrush()->SetStyle(bsClear);
    font->SetColor(styled ? StyleServices()->GetStyleFontColor(sfPanelTextDisabled) : ThemeColor(trEngraveLight));
    C->TextOut(X + 1, Y + 1, Text);
    if (!styled) {
        font->SetColor(ThemeColor(trDisabledInk));
        C->TextOut(X, Y, Text);
    }
}

void TNumLab::PaintSideTexts(TCanvas* C, int YT) {
    const int ls = FLeftSpace, lw = FLabelWidth, W = GetWidth();
    if (!FLeftText.empty()) {
        const int tw = C->TextWidth(FLeftText);
        int x = (ls - tw) / 2;
        if (FLeftTextAlignment == taLeftJustify) x = 7;
        else if (FLeftTextAlignment == taRightJustify) x = ls - tw - 5;
        PaintSideText(C, FLeftText, x, YT);
    }
    if (!FRightText.empty()) {
        const int tw = C->TextWidth(FRightText);
        // LabelWidth may be any int: positions past the box saturate.
        int x = SatInt(((long long)W - ls - lw - tw) / 2 + ls + lw + 1);
        if (FRightTextAlignment == taLeftJustify) x = SatInt((long long)ls + lw + 7);
        else if (FRightTextAlignment == taRightJustify) x = W - tw - 6;
        PaintSideText(C, FRightText, x, YT);
    }
}

// The box (LS + 1, 0) .. (LS + LW, Height - 2) filled with ColorLabBakG inside its frame.
void TNumLab::PaintLabelBox(TCanvas* C) {
    TColor pen = ThemedLine(FColGrayLine);
    if (FFrameStyle == frSunkenDouble) pen = ThemedLine(FColWhiteLine);
    else if (FFrameStyle == frNone) pen = FColorLabBakG;
    const bool styled = ClientStyled();
    TCustomStyleServices* style = StyleServices();
    C->GetPen()->SetColor(pen);
    C->GetBrush()->SetColor(styled ? style->GetStyleColor(scGrid) : FColorLabBakG);
    const TBevelLines bevel = BevelLines();
    const TColor light = styled ? style->GetSystemColor(cl3DLight) : bevel.Light;
    const TColor face = styled ? style->GetSystemColor(clBtnHighlight) : bevel.Face;
    const TColor shadow = styled ? style->GetSystemColor(clBtnShadow) : bevel.Shadow;
    const TColor dark = styled ? style->GetSystemColor(cl3DDkShadow) : bevel.Dark;
    // A box reaching past the control is drawn to a few pixels past it (the same pixels).
    const int right = std::clamp(SatAdd(FLeftSpace, FLabelWidth), -8, SatAdd(GetWidth(), 8));
    DrawFilledFrame(C, FFrameStyle, FLeftSpace + 1, 0, right, GetHeight() - 2, light, face,
                    shadow, dark, bevel.Dark);
}

// The number on the box's brush, clipped to the inside of the box.
void TNumLab::PaintNumber(TCanvas* C, int YT) {
    const std::string& text = BoxText(C);
    TColor colour = clBtnShadow;
    if (GetEnabled()) colour = FontStyled() ? StyleServices()->GetStyleFontColor(sfPanelTextNormal) : FColorLabText;
    C->GetFont()->SetColor(colour);
    const int ls = FLeftSpace, lw = FLabelWidth;
    const int tw = C->TextWidth(text);
    int x = SatInt(ls + ((long long)lw - tw) / 2 + 2);
    if (FAlignment == taLeftJustify) x = ls + 4;
    else if (FAlignment == taRightJustify) x = SatInt((long long)ls + lw - tw - 2);
    C->TextRect(Rect(ls + 3, 2, SatInt((long long)ls + lw - 1), GetHeight() - 3), x, YT, text);
}

// Opaque: one copy. Transparent: the inside of the box is readied (white under coloured
// numbers, the box colour under black ones), then the picture is ANDed over the background,
// whose white parts let it show.
void TNumLab::PaintOutput(TPaintBuffer& Buffer) {
    TCanvas* out = GetCanvas();
    if (!FTransparent) {
        out->SetCopyMode(cmSrcCopy);
        Buffer.Show();
        return;
    }
    out->GetBrush()->SetColor(FColorLabText != clBlack ? clWhite : FColorLabBakG);
    out->FillRect(Rect(FLeftSpace + 2, 2, SatAdd(FLeftSpace, FLabelWidth), GetHeight() - 2));
    out->SetCopyMode(cmSrcAnd);
    Buffer.Show();
    out->SetCopyMode(cmSrcCopy);
}

}  // namespace zyn
