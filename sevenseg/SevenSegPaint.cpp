// The seven-segment display's image cache and picture. Every cache character is composed
// at 312 x 432 pixels from the segment bitmaps, then shrunk with averaging into its cell;
// a paint only copies cells.
#include "platform/Win32.h"
#include "sevenseg/Zyn_sevenseg.h"

namespace zyn {

using namespace vcl;

namespace {

struct Place {
    int X, Y;
};

// Top-left corners in the digit image: segments 1 to 7, the point and the three symbols.
constexpr Place SegmentPlace[7] = {{94, 0}, {37, 23}, {244, 23}, {57, 197}, {0, 220}, {207, 220}, {20, 394}};
constexpr Place DotPlace{269, 394};
constexpr Place PlusPlace{57, 120};
constexpr Place ColonPlace{122, 121};
constexpr Place DegreePlace{150, 0};

// Segments 1, 4 and 7 are horizontal bars.
bool IsHorizontal(int Segment) { return Segment == 1 || Segment == 4 || Segment == 7; }

void CopyWhole(TCanvas* Target, TBitmap* Image, Place At) {
    const int w = Image->GetWidth(), h = Image->GetHeight();
    Target->CopyRect(Bounds(At.X, At.Y, w, h), Image->GetCanvas(), Rect(0, 0, w, h));
}

// Fills the connected area of the seed pixel's colour with Color.
void Recolor(TBitmap* Image, int X, int Y, TColor Color) {
    TCanvas* c = Image->GetCanvas();
    c->GetBrush()->SetColor(Color);
    c->FloodFill(X, Y, c->GetPixels(X, Y), fsSurface);
}

}  // namespace

// White marks the ground of the segment images, so a white text is drawn one step darker.
// A system colour is resolved first, so that one which stands for white is caught too.
void TSevenSeg::ColorizeSegments(TColor Color) {
    Color = ColorToRGB(Color);
    if (Color == clWhite) Color = 0xFEFEFE;
    for (TBitmap* b : {FSegVert.get(), FSegHorz.get(), FSegDot.get(), FSegPlus.get()})
        Recolor(b, b->GetWidth() / 2, b->GetHeight() / 2, Color);
    const int cw = FSegColon->GetWidth(), ch = FSegColon->GetHeight();
    Recolor(FSegColon.get(), 18, ch - 18, Color);
    Recolor(FSegColon.get(), cw - 18, 18, Color);
    Recolor(FSegDeg.get(), 25, FSegDeg->GetHeight() / 2, Color);
}

// The segment images AND-ed onto a white image leave their colour on white; the gaps
// between the segments let one fill from the corner turn all the white ground into the
// background colour.
void TSevenSeg::CreateDigit(char32_t Ch, bool WithDot) {
    TCanvas* c = FDigImg->GetCanvas();
    c->GetPen()->SetColor(clWhite);
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, DigitImageWidth, DigitImageHeight));
    c->SetCopyMode(SRCAND);
    c->GetBrush()->SetColor(FColorBackGnd);
    const TSegGlyph glyph = SevenSegGlyph(Ch);
    switch (glyph.Shape) {
        case gsPlus: CopyWhole(c, FSegPlus.get(), PlusPlace); break;
        case gsColon: CopyWhole(c, FSegColon.get(), ColonPlace); break;
        case gsDegree: CopyWhole(c, FSegDeg.get(), DegreePlace); break;
        case gsPointOnly: WithDot = true; break;
        case gsSegments:
            for (int n = 1; n <= 7; ++n)
                if (glyph.Segments & SegBit(n))
                    CopyWhole(c, IsHorizontal(n) ? FSegHorz.get() : FSegVert.get(), SegmentPlace[n - 1]);
            break;
        case gsNothing: break;
    }
    if (WithDot) CopyWhole(c, FSegDot.get(), DotPlace);
    c->FloodFill(1, 1, clWhite, fsSurface);
    c->SetCopyMode(SRCCOPY);
}

void TSevenSeg::CreateImageCache() {
    FCells = SevenSegCellGeometry(GetWidth(), GetHeight(), FMargin, FNumDigits, FInterDigDist);
    if (FCells.Empty()) {
        FImageCache->SetSize(0, 0);
        return;
    }
    const int W = FCells.Width, H = FCells.Height;
    FImageCache->SetSize(W * SevenSegCacheCells, H);
    TCanvas* cache = FImageCache->GetCanvas();
    cache->GetBrush()->SetColor(FColorBackGnd);
    cache->FillRect(Rect(0, 0, W * SevenSegCacheCells, H));
    ColorizeSegments(FColorText);
    SetStretchBltMode(cache, HALFTONE);
    for (int k = 1; k <= SevenSegCacheCells; ++k) {
        CreateDigit(SevenSegCacheChar(k), false);
        StretchBlt(cache, W * (k - 1), 0, W, H, FDigImg->GetCanvas(), 0, 0, DigitImageWidth, DigitImageHeight, SRCCOPY);
    }
}

// ---- the picture ------------------------------------------------------------------------

void TSevenSeg::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    if (W != FWidth || H != FHeight) {
        // A size set while a form was read; the cache catches up before it is used.
        FWidth = W;
        FHeight = H;
        CreateImageCache();
    }
    FPicture->SetSize(W, H);
    TCanvas* c = FPicture->GetCanvas();
    c->SetCopyMode(SRCCOPY);
    c->GetPen()->SetColor(FColorBackGnd);
    c->GetBrush()->SetColor(FColorBackGnd);
    c->Rectangle(0, 0, W, H);
    PaintDigits(c);
    PaintFrame(c);
    TCanvas* target = GetCanvas();
    target->SetCopyMode(SRCCOPY);
    target->Draw(0, 0, FPicture.get());
}

// The caption from the leftmost cell on; a lit point is the lower right part of the point
// cell copied over the digit.
void TSevenSeg::PaintDigits(TCanvas* C) {
    if (FCaptionChars.empty() || FCells.Empty()) return;
    const int W = FCells.Width, H = FCells.Height, bottom = FPicture->GetHeight() - FMargin;
    TCanvas* cache = FImageCache->GetCanvas();
    SevenSegCaptionDigits(FCaptionChars, FNumDigits, FDigits);
    const int pointX = (5 * W) / 6, pointY = (5 * H) / 6;
    for (std::size_t j = 0; j < FDigits.size(); ++j) {
        const TSevenSegDigit& d = FDigits[j];
        const int x0 = int(j) * (FInterDigDist + W) + FMargin;
        if (d.Cell > 0) C->CopyRect(Rect(x0, FMargin, x0 + W, bottom), cache, Rect(W * (d.Cell - 1), 0, W * d.Cell, H));
        if (d.Point)
            C->CopyRect(Rect(x0 + pointX, pointY + FMargin, x0 + W, bottom), cache,
                        Rect((SevenSegPointCell - 1) * W + pointX, pointY, SevenSegPointCell * W, H));
    }
}

void TSevenSeg::PaintFrame(TCanvas* C) {
    DrawFrame(C, FFrameStyle, 0, 0, FPicture->GetWidth() - 1, FPicture->GetHeight() - 1, clWhite, clSilver, clGray,
              clBlack, clBlack);
}

}  // namespace zyn
