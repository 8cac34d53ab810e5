// The on/off button's picture: background, texts, glyph, frame, then the copy onto the
// control. Beside the picture a mask is drawn: white where the parent shows through a
// transparent button, black where the button covers it.
#include <cstdint>

#include "framework/Zyn_conventions.h"
#include "onoffbut/Zyn_onoffbut.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr TColor EngraveLight = 0xFFFFFF;
constexpr TColor EngraveDark = 0x808080;

void SolidPenAndBrush(TCanvas* C, TColor Color) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);
    C->GetBrush()->SetStyle(bsSolid);
}

// Replaces the key colour inside R of Picture by Ground, and marks every other pixel of R
// black in Mask (both are 32-bit bitmaps of the same size, holding the region Held of the
// control: bitmap pixel (x, y) is control point (Held.Left + x, Held.Top + y)).
void KeyOutGlyph(TBitmap& Picture, TBitmap& Mask, TRect R, const TRect& Held, TColor Ground) {
    R = IntersectRect(R, Held);
    if (R.IsEmpty()) return;
    R.Offset(-Held.Left, -Held.Top);
    const std::uint32_t key = ColorToRGB(OnOffButKeyColor) & 0xFFFFFF;
    const std::uint32_t ground = ColorToRGB(Ground) & 0xFFFFFF;
    for (int y = R.Top; y < R.Bottom; ++y) {
        std::uint8_t* pic = Picture.ScanLine(y);
        std::uint8_t* msk = Mask.ScanLine(y);
        for (int x = R.Left; x < R.Right; ++x) {
            std::uint8_t* p = pic + 4 * x;
            // Pixels are blue, green, red, reserved; colours are 0x00BBGGRR.
            const std::uint32_t rgb = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
            if (rgb == key) {
                p[0] = std::uint8_t(ground >> 16);
                p[1] = std::uint8_t(ground >> 8);
                p[2] = std::uint8_t(ground);
            } else {
                std::uint8_t* m = msk + 4 * x;
                m[0] = m[1] = m[2] = 0;
            }
        }
    }
}

}  // namespace

void TOnOffBut::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    if (GetWidth() <= 0 || GetHeight() <= 0) return;
    TCanvas* out = GetCanvas();
    out->SetFont(GetFont());
    const int textHeight = out->TextHeight(TextHeightProbe);
    // Picture and mask cover the whole control when a bitmap can hold it, else the region the
    // canvas shows (both the same region); their canvases draw in the control's coordinates.
    const TRect area = Rect(0, 0, GetWidth(), GetHeight());
    TPaintBuffer picture(out, area, FPicture.get());
    TPaintBuffer mask(out, area, FMask.get());
    PaintBackground();
    PaintTexts(textHeight);
    PaintGlyph(picture.GetBounds());
    PaintFrame();
    PaintOutput(picture, mask);
}

// The mask starts white (all parent) with black text; the picture starts in the background
// colour, or black under a transparent button so that it adds nothing to the parent.
void TOnOffBut::PaintBackground() {
    const int W = GetWidth(), H = GetHeight();
    TCanvas* m = FMask->GetCanvas();
    m->SetFont(GetFont());
    SolidPenAndBrush(m, clWhite);
    m->Rectangle(0, 0, W, H);
    m->GetFont()->SetColor(clBlack);

    TCanvas* c = FPicture->GetCanvas();
    c->SetFont(GetFont());
    SolidPenAndBrush(c, FTransparent ? clBlack : FColorBackgnd);
    c->Rectangle(0, 0, W, H);
}

void TOnOffBut::PaintTexts(int TextHeight) {
    if (!FLeftText.empty()) PaintText(otsLeft, FLeftText, FLeftTextAlignment, TextHeight);
    if (!FRightText.empty()) PaintText(otsRight, FRightText, FRightTextAlignment, TextHeight);
    if (!FTopText.empty()) PaintText(otsTop, FTopText, FTopTextAlignment, TextHeight);
    if (!FBottomText.empty()) PaintText(otsBottom, FBottomText, FBottomTextAlignment, TextHeight);
}

// An enabled button writes in ColorText; a disabled one engraves: white one pixel right
// and down, then gray in place, both over a clear ground. The mask takes every stroke.
void TOnOffBut::PaintText(TOnOffButTextSide Side, const std::string& Text, TAlignment Alignment, int TextHeight) {
    TCanvas* c = FPicture->GetCanvas();
    TCanvas* m = FMask->GetCanvas();
    const TPoint p = OnOffButTextPos(Side, Alignment, c->TextWidth(Text), TextHeight, Placement());
    if (GetEnabled()) {
        c->GetFont()->SetColor(FColorText);
        c->TextOut(p.X, p.Y, Text);
        m->TextOut(p.X, p.Y, Text);
        return;
    }
    c->GetBrush()->SetStyle(bsClear);
    m->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(EngraveLight);
    c->TextOut(p.X + 1, p.Y + 1, Text);
    m->TextOut(p.X + 1, p.Y + 1, Text);
    c->GetFont()->SetColor(EngraveDark);
    c->TextOut(p.X, p.Y, Text);
    m->TextOut(p.X, p.Y, Text);
}

// The state's picture at (LeftSpace + 1, TopSpace + 1); its key-coloured pixels take the
// ground and stay white in the mask.
void TOnOffBut::PaintGlyph(const TRect& Held) {
    TBitmap* img = FStateImages[OnOffButStateIndex(FOnOff, GetEnabled())].get();
    const int iw = img->GetWidth(), ih = img->GetHeight();
    if (iw <= 0 || ih <= 0) return;
    const TRect r = Bounds(FLeftSpace + 1, FTopSpace + 1, iw, ih);
    TCanvas* c = FPicture->GetCanvas();
    c->SetCopyMode(cmSrcCopy);
    c->CopyRect(r, img->GetCanvas(), Rect(0, 0, iw, ih));
    TCanvas* m = FMask->GetCanvas();
    SolidPenAndBrush(m, clWhite);
    m->FillRect(r);
    KeyOutGlyph(*FPicture, *FMask, r, Held, FTransparent ? clBlack : FColorBackgnd);
}

void TOnOffBut::PaintFrame() {
    const int R = GetWidth() - 1, B = GetHeight() - 1;
    DrawFrame(FPicture->GetCanvas(), FFrameStyle, 0, 0, R, B, clWhite, clSilver, clGray, clBlack, clBlack);
    DrawFrame(FMask->GetCanvas(), FFrameStyle, 0, 0, R, B, clBlack, clBlack, clBlack, clBlack, clBlack);
}

// Opaque: one copy. Transparent: the mask ANDed onto the control clears what the button
// covers, then the picture (black elsewhere) is ORed in.
void TOnOffBut::PaintOutput(TPaintBuffer& Picture, TPaintBuffer& Mask) {
    TCanvas* out = GetCanvas();
    if (!FTransparent) {
        out->SetCopyMode(cmSrcCopy);
        Picture.Show();
        return;
    }
    const TRect held = Mask.GetBounds();
    out->SetCopyMode(cmSrcAnd);
    out->CopyRect(held, Mask.GetCanvas(), held);
    out->SetCopyMode(cmSrcPaint);
    Picture.Show();
    out->SetCopyMode(cmSrcCopy);
}

}  // namespace zyn
