// The on/off button's picture: background, texts, glyph, frame, then the copy onto the
// control. Beside the picture a mask is drawn: white where the parent shows through a
// transparent button, black where the button covers it.
#include <cstdint>
#include <vector>

#include "framework/Zyn_conventions.h"
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Themes.h"

namespace zyn {

using namespace vcl;

namespace {

void SolidPenAndBrush(TCanvas* C, TColor Color) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);
    C->GetBrush()->SetStyle(bsSolid);
}

// The glyph's pixels inside Glyph, in Picture and Mask (32-bit bitmaps of the same size,
// holding the region Held of the control: bitmap pixel (x, y) is control point (Held.Left + x,
// Held.Top + y)). Key-coloured pixels take Ground and stay white in the mask; pixels the glyph
// covers fully turn black in the mask. Pixels it covers partly (Alpha, row by row over Glyph;
// empty when every pixel covers fully; smoothed against Face) are mixed with Ground, or, over
// a transparent button, left to the parent (black in the picture, white in the mask) and
// mixed with it later.
void KeyOutGlyph(TBitmap& Picture, TBitmap& Mask, const TRect& Glyph, const TRect& Held, TColor Ground,
                 const std::vector<std::uint8_t>& Alpha, TColor Face, bool Transparent) {
    TRect R = IntersectRect(Glyph, Held);
    if (R.IsEmpty()) return;
    const bool partial = Alpha.size() == std::size_t(Glyph.Width()) * std::size_t(Glyph.Height());
    const std::uint32_t key = ColorToRGB(OnOffButKeyColor) & 0xFFFFFF;
    const std::uint32_t ground = ColorToRGB(Ground) & 0xFFFFFF;
    auto put = [](std::uint8_t* p, std::uint32_t rgb) {
        p[0] = std::uint8_t(rgb >> 16);
        p[1] = std::uint8_t(rgb >> 8);
        p[2] = std::uint8_t(rgb);
    };
    for (int y = R.Top; y < R.Bottom; ++y) {
        std::uint8_t* pic = Picture.ScanLine(y - Held.Top);
        std::uint8_t* msk = Mask.ScanLine(y - Held.Top);
        for (int x = R.Left; x < R.Right; ++x) {
            std::uint8_t* p = pic + 4 * (x - Held.Left);
            // Pixels are blue, green, red, reserved; colours are 0x00BBGGRR.
            const std::uint32_t rgb = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
            if (rgb == key) {
                put(p, ground);
                continue;
            }
            const int a = partial ? Alpha[std::size_t(y - Glyph.Top) * Glyph.Width() + (x - Glyph.Left)] : 255;
            if (a < 255 && Transparent) {
                put(p, 0);
                continue;
            }
            if (a < 255) put(p, std::uint32_t(CompositeArtworkEdge(TColor(rgb), a, TColor(ground), Face)));
            std::uint8_t* m = msk + 4 * (x - Held.Left);
            m[0] = m[1] = m[2] = 0;
        }
    }
}

}  // namespace

void TOnOffBut::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    if (GetWidth() <= 0 || GetHeight() <= 0) return;
    FollowArtworkScale();
    TCanvas* out = GetCanvas();
    out->SetFont(GetFont());
    const int textHeight = out->TextHeight(TextHeightProbe);
    // Picture and mask cover the whole control when a bitmap can hold it, else the region the
    // canvas shows (both the same region); their canvases draw in the control's coordinates.
    const TRect area = Rect(0, 0, GetWidth(), GetHeight());
    TPaintBuffer picture(out, area, FPicture.get());
    TPaintBuffer mask(out, area, FMask.get());
    PaintBackground();
    // Over a transparent button the smoothed texts are drawn straight onto the parent
    // (PaintOutput): their soft edges need the parent's pixels, which AND and OR cannot mix.
    if (!FTransparent) PaintTexts(FPicture->GetCanvas(), FMask->GetCanvas(), textHeight);
    PaintGlyph(picture.GetBounds());
    PaintFrame();
    PaintOutput(picture, mask, textHeight);
    // The keyboard focus: a dotted frame two pixels (at 96 dpi) around the glyph.
    const TRect g = GlyphRect();
    const int gap = ScaledMetric(2);
    DrawFocusCue(out, IntersectRect(Rect(g.Left - gap, g.Top - gap, g.Right + gap, g.Bottom + gap), area));
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

void TOnOffBut::PaintTexts(TCanvas* Picture, TCanvas* Mask, int TextHeight) {
    if (!FLeftText.empty()) PaintText(Picture, Mask, otsLeft, FLeftText, FLeftTextAlignment, TextHeight);
    if (!FRightText.empty()) PaintText(Picture, Mask, otsRight, FRightText, FRightTextAlignment, TextHeight);
    if (!FTopText.empty()) PaintText(Picture, Mask, otsTop, FTopText, FTopTextAlignment, TextHeight);
    if (!FBottomText.empty()) PaintText(Picture, Mask, otsBottom, FBottomText, FBottomTextAlignment, TextHeight);
}

// An enabled button writes in ColorText; a disabled one engraves: white one pixel right
// and down, then gray in place, both over a clear ground. The mask (when given) takes
// every stroke.
void TOnOffBut::PaintText(TCanvas* Picture, TCanvas* Mask, TOnOffButTextSide Side, const std::string& Text,
                          TAlignment Alignment, int TextHeight) {
    TCanvas* c = Picture;
    TCanvas* m = Mask;
    const TPoint p = OnOffButTextPos(Side, Alignment, c->TextWidth(Text), TextHeight, Placement());
    if (GetEnabled()) {
        c->GetFont()->SetColor(FColorText);
        c->TextOut(p.X, p.Y, Text);
        if (m != nullptr) m->TextOut(p.X, p.Y, Text);
        return;
    }
    c->GetBrush()->SetStyle(bsClear);
    if (m != nullptr) m->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(ThemeColor(trEngraveLight));
    c->TextOut(p.X + 1, p.Y + 1, Text);
    if (m != nullptr) m->TextOut(p.X + 1, p.Y + 1, Text);
    c->GetFont()->SetColor(ThemeColor(trDisabledInk));
    c->TextOut(p.X, p.Y, Text);
    if (m != nullptr) m->TextOut(p.X, p.Y, Text);
}

TRect TOnOffBut::GlyphRect() const {
    const TBitmap* img = FStateImages[OnOffButStateIndex(FOnOff, GetEnabled())].get();
    return Bounds(FLeftSpace + 1, FTopSpace + 1, img->GetWidth(), img->GetHeight());
}

// The state's picture at (LeftSpace + 1, TopSpace + 1); its key-coloured pixels take the
// ground and stay white in the mask, its smoothed edges are mixed with the ground.
void TOnOffBut::PaintGlyph(const TRect& Held) {
    const int state = OnOffButStateIndex(FOnOff, GetEnabled());
    TBitmap* img = FStateImages[state].get();
    const int iw = img->GetWidth(), ih = img->GetHeight();
    if (iw <= 0 || ih <= 0) return;
    const TRect r = GlyphRect();
    TCanvas* c = FPicture->GetCanvas();
    c->SetCopyMode(cmSrcCopy);
    c->CopyRect(r, img->GetCanvas(), Rect(0, 0, iw, ih));
    TCanvas* m = FMask->GetCanvas();
    SolidPenAndBrush(m, clWhite);
    m->FillRect(r);
    KeyOutGlyph(*FPicture, *FMask, r, Held, FTransparent ? clBlack : FColorBackgnd, FStateAlphas[state], FArtworkFace,
                FTransparent);
}

void TOnOffBut::PaintFrame() {
    const int R = GetWidth() - 1, B = GetHeight() - 1;
    const TBevelLines bevel = BevelLines();
    DrawFrame(FPicture->GetCanvas(), FFrameStyle, 0, 0, R, B, bevel.Light, bevel.Face, bevel.Shadow, bevel.Dark,
              bevel.Dark);
    DrawFrame(FMask->GetCanvas(), FFrameStyle, 0, 0, R, B, clBlack, clBlack, clBlack, clBlack, clBlack);
}

// Opaque: one copy. Transparent: the texts straight onto the parent, the mask ANDed onto
// the control clears what the glyph and frame cover, the picture (black elsewhere) is ORed
// in, and the glyph's partly covering pixels are mixed with the parent below them.
void TOnOffBut::PaintOutput(TPaintBuffer& Picture, TPaintBuffer& Mask, int TextHeight) {
    TCanvas* out = GetCanvas();
    if (!FTransparent) {
        out->SetCopyMode(cmSrcCopy);
        Picture.Show();
        return;
    }
    {
        TCanvasStateSaver saved(out);
        out->SetFont(GetFont());
        out->GetBrush()->SetStyle(bsClear);
        PaintTexts(out, nullptr, TextHeight);
    }
    const TRect held = Mask.GetBounds();
    out->SetCopyMode(cmSrcAnd);
    out->CopyRect(held, Mask.GetCanvas(), held);
    out->SetCopyMode(cmSrcPaint);
    Picture.Show();
    out->SetCopyMode(cmSrcCopy);
    BlendGlyphEdges();
}

void TOnOffBut::BlendGlyphEdges() {
    const int state = OnOffButStateIndex(FOnOff, GetEnabled());
    TBitmap* img = FStateImages[state].get();
    const std::vector<std::uint8_t>& alpha = FStateAlphas[state];
    const int iw = img->GetWidth(), ih = img->GetHeight();
    if (iw <= 0 || ih <= 0 || alpha.size() != std::size_t(iw) * std::size_t(ih)) return;
    const TRect r = GlyphRect();
    const std::uint32_t key = ColorToRGB(OnOffButKeyColor) & 0xFFFFFF;
    TCanvas* out = GetCanvas();
    TCanvasStateSaver saved(out);
    out->GetPen()->SetMode(pmCopy);
    for (int y = 0; y < ih; ++y) {
        const std::uint8_t* row = img->ScanLine(y);
        for (int x = 0; x < iw; ++x) {
            const int a = alpha[std::size_t(y) * iw + x];
            if (a == 0 || a == 255) continue;
            const std::uint8_t* p = row + 4 * x;
            const std::uint32_t rgb = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
            if (rgb == key) continue;
            const TColor under = out->GetPixels(r.Left + x, r.Top + y);
            if (under == CLR_INVALID) continue;   // outside what this paint shows
            out->SetPixels(r.Left + x, r.Top + y, CompositeArtworkEdge(TColor(rgb), a, under, FArtworkFace));
        }
    }
}

}  // namespace zyn
