// The seven-segment display's image cache and picture. Every cache character is composed
// at 312 x 432 pixels from the segment bitmaps, then shrunk with averaging into its cell;
// a paint only copies cells. The picture is kept between paints at the control's size, or
// at its visible region when a bitmap cannot hold the whole.
#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <vector>

#include "platform/Types.h"
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

// The segment and symbol images a digit is composed of.
struct SegmentImages {
    TBitmap* Horz;
    TBitmap* Vert;
    TBitmap* Dot;
    TBitmap* Plus;
    TBitmap* Colon;
    TBitmap* Deg;
};

// Fills Digit white and ANDs onto it the images of Ch (and of the point, when Ch is a
// point or WithDot is set), each at its place.
void ComposeDigit(TBitmap* Digit, const SegmentImages& Images, char32_t Ch, bool WithDot) {
    TCanvas* c = Digit->GetCanvas();
    c->GetPen()->SetColor(clWhite);
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, Digit->GetWidth(), Digit->GetHeight()));
    c->SetCopyMode(SRCAND);
    const TSegGlyph glyph = SevenSegGlyph(Ch);
    switch (glyph.Shape) {
        case gsPlus: CopyWhole(c, Images.Plus, PlusPlace); break;
        case gsColon: CopyWhole(c, Images.Colon, ColonPlace); break;
        case gsDegree: CopyWhole(c, Images.Deg, DegreePlace); break;
        case gsPointOnly: WithDot = true; break;
        case gsSegments:
            for (int n = 1; n <= 7; ++n)
                if (glyph.Segments & SegBit(n))
                    CopyWhole(c, IsHorizontal(n) ? Images.Horz : Images.Vert, SegmentPlace[n - 1]);
            break;
        case gsNothing: break;
    }
    if (WithDot) CopyWhole(c, Images.Dot, DotPlace);
    c->SetCopyMode(SRCCOPY);
}

// A run of pixels [X0, X1) on row Y.
struct Run {
    int Y, X0, X1;
};

// The ground of every cache character: the white area a surface fill from (1, 1) reaches
// in its composed digit image. Which pixels that fill reaches depends only on the shapes,
// never on their colours (the text is never pure white), so it is found once, by that
// fill on the black-on-white images, and painted directly whenever the cache is rebuilt.
const std::array<std::vector<Run>, SevenSegCacheCells>& GroundRuns() {
    static const std::array<std::vector<Run>, SevenSegCacheCells> runs = [] {
        constexpr TColor Mark = 0x00FF00;   // neither the black shapes nor their white ground
        std::array<std::unique_ptr<TBitmap>, 6> images;
        const char* const names[6] = {"SEGHORZ", "SEGVERT", "SEGDOT", "SEGPLUS", "SEGCOLON", "SEGDEG"};
        for (int i = 0; i < 6; ++i) {
            images[std::size_t(i)] = std::make_unique<TBitmap>();
            images[std::size_t(i)]->LoadFromResourceName(HInstance, names[i]);
            images[std::size_t(i)]->SetPixelFormat(pf32bit);
        }
        const SegmentImages blackOnWhite{images[0].get(), images[1].get(), images[2].get(),
                                         images[3].get(), images[4].get(), images[5].get()};
        std::array<std::vector<Run>, SevenSegCacheCells> all;
        TBitmap digit;
        digit.SetPixelFormat(pf32bit);
        digit.SetSize(TSevenSeg::DigitImageWidth, TSevenSeg::DigitImageHeight);
        for (int k = 1; k <= SevenSegCacheCells; ++k) {
            ComposeDigit(&digit, blackOnWhite, SevenSegCacheChar(k), false);
            TCanvas* c = digit.GetCanvas();
            c->GetBrush()->SetColor(Mark);
            c->FloodFill(1, 1, clWhite, fsSurface);
            std::vector<Run>& out = all[std::size_t(k - 1)];
            for (int y = 0; y < digit.GetHeight(); ++y) {
                const std::uint8_t* row = digit.ScanLine(y);
                int x = 0;
                const int w = digit.GetWidth();
                while (x < w) {
                    auto marked = [&](int px) { return row[4 * px] == 0 && row[4 * px + 1] == 0xFF && row[4 * px + 2] == 0; };
                    if (!marked(x)) {
                        ++x;
                        continue;
                    }
                    const int x0 = x;
                    while (x < w && marked(x)) ++x;
                    out.push_back({y, x0, x});
                }
            }
        }
        return all;
    }();
    return runs;
}

// Paints runs of a 32-bit bitmap in a fixed colour, as a fill would store it.
void PaintRuns(TBitmap* Image, const std::vector<Run>& Runs, TColor Color) {
    Color = ColorToRGB(Color);
    const std::uint32_t value = std::uint32_t(GetBValue(Color)) | std::uint32_t(GetGValue(Color)) << 8 |
                                std::uint32_t(GetRValue(Color)) << 16 | 0xFF000000u;
    for (const Run& r : Runs) {
        auto* p = reinterpret_cast<std::uint32_t*>(Image->ScanLine(r.Y)) + r.X0;
        std::fill(p, p + (r.X1 - r.X0), value);
    }
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
// background colour. For a cache character that ground is painted from the runs found
// once (the very pixels the fill reaches); any other digit is filled.
void TSevenSeg::CreateDigit(char32_t Ch, bool WithDot) {
    ComposeDigit(FDigImg.get(), {FSegHorz.get(), FSegVert.get(), FSegDot.get(), FSegPlus.get(), FSegColon.get(), FSegDeg.get()},
                 Ch, WithDot);
    int cell = 0;
    for (int k = 1; k <= SevenSegCacheCells && !WithDot; ++k)
        if (SevenSegCacheChar(k) == Ch) cell = k;
    if (cell == 0) {
        TCanvas* c = FDigImg->GetCanvas();
        c->GetBrush()->SetColor(FColorBackGnd);
        c->FloodFill(1, 1, clWhite, fsSurface);
        return;
    }
    PaintRuns(FDigImg.get(), GroundRuns()[std::size_t(cell - 1)], FColorBackGnd);
}

// Cells too large for a bitmap of 21 of them leave the cache empty: each paint then shrinks
// the digits it shows straight into the picture (PaintDigits). The cells are shrunk into
// the cache when a paint first shows their character whole (BuildCell), so a new colour or
// size costs what the digits shown cost, not 21 digits of the control's size.
void TSevenSeg::CreateImageCache() {
    FCells = SevenSegCellGeometry(GetWidth(), GetHeight(), FMargin, FNumDigits, FInterDigDist);
    FCellBuilt.fill(false);
    const int W = FCells.Width, H = FCells.Height;
    if (FCells.Empty() || double(W) * SevenSegCacheCells * H > double(TBitmap::MaxPixels)) {
        FImageCache->SetSize(0, 0);
        if (!FCells.Empty()) ColorizeSegments(FColorText);
        return;
    }
    FImageCache->SetSize(W * SevenSegCacheCells, H);
    ColorizeSegments(FColorText);
}

// Character Cell composed and shrunk into its cell of the cache.
void TSevenSeg::BuildCell(int Cell) {
    if (FImageCache->Empty() || FCellBuilt[std::size_t(Cell - 1)]) return;
    const int W = FCells.Width, H = FCells.Height;
    TCanvas* cache = FImageCache->GetCanvas();
    CreateDigit(SevenSegCacheChar(Cell), false);
    SetStretchBltMode(cache, HALFTONE);
    StretchBlt(cache, W * (Cell - 1), 0, W, H, FDigImg->GetCanvas(), 0, 0, DigitImageWidth, DigitImageHeight, SRCCOPY);
    FCellBuilt[std::size_t(Cell - 1)] = true;
}

const TBitmap* TSevenSeg::GetImageCache() const {
    // Asking for the cache fills it: the cells are the picture of the settings, built late.
    auto* self = const_cast<TSevenSeg*>(this);
    for (int k = 1; k <= SevenSegCacheCells; ++k) self->BuildCell(k);
    return FImageCache.get();
}

// ---- the picture ------------------------------------------------------------------------

void TSevenSeg::Paint() {
    // Setters paint at once; while a form file is read they only store, and Loaded paints.
    if (Loading()) return;
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    if (W != FWidth || H != FHeight) {
        // A size set while a form was read; the cache catches up before it is used.
        FWidth = W;
        FHeight = H;
        CreateImageCache();
    }
    TCanvas* target = GetCanvas();
    // The whole picture when a bitmap can hold it, else the region the canvas shows.
    TPaintBuffer buffer(target, Rect(0, 0, W, H), FPicture.get());
    TCanvas* c = buffer.GetCanvas();
    c->SetCopyMode(SRCCOPY);
    c->GetPen()->SetColor(FColorBackGnd);
    c->GetBrush()->SetColor(FColorBackGnd);
    c->Rectangle(0, 0, W, H);
    // The digits are composed where the target shows them; the rest of a picture held whole
    // keeps the ground until a paint shows it.
    PaintDigits(c, IntersectRect(buffer.GetBounds(), target->GetClipRect()));
    PaintFrame(c);
    target->SetCopyMode(SRCCOPY);
    buffer.Show();
}

// The caption from the leftmost cell on; a lit point is the lower right part of the point
// cell copied over the digit. Without a cache (cells too large for it) each digit within
// Shown is composed and shrunk into its place as the cache would hold it.
void TSevenSeg::PaintDigits(TCanvas* C, const TRect& Shown) {
    if (FCaptionChars.empty() || FCells.Empty()) return;
    const int W = FCells.Width, H = FCells.Height, bottom = GetHeight() - FMargin;
    const bool cached = !FImageCache->Empty();
    TCanvas* cache = FImageCache->GetCanvas();
    SevenSegCaptionDigits(FCaptionChars, FNumDigits, FDigits);
    const int pointX = int(5LL * W / 6), pointY = int(5LL * H / 6);
    for (std::size_t j = 0; j < FDigits.size(); ++j) {
        const TSevenSegDigit& d = FDigits[j];
        const int x0 = SatAdd(SatMul(int(j), SatAdd(FInterDigDist, W)), FMargin);
        const TRect cell = Rect(x0, FMargin, SatAdd(x0, W), bottom);
        const TRect point = Rect(SatAdd(x0, pointX), SatAdd(pointY, FMargin), SatAdd(x0, W), bottom);
        if (IntersectRect(cell, Shown).IsEmpty()) continue;
        // A cell shown whole comes from the cache (built now if it is not yet); a digit
        // shown in part is shrunk straight into its visible part, which costs no more than
        // the pixels shown.
        const bool whole = IntersectRect(cell, Shown) == cell;
        if (cached && whole) {
            if (d.Cell > 0) {
                BuildCell(d.Cell);
                C->CopyRect(cell, cache, Rect(W * (d.Cell - 1), 0, W * d.Cell, H));
            }
            if (d.Point) {
                BuildCell(SevenSegPointCell);
                C->CopyRect(point, cache, Rect((SevenSegPointCell - 1) * W + pointX, pointY, SevenSegPointCell * W, H));
            }
            continue;
        }
        if (d.Cell > 0) ShrinkDigitInto(C, d.Cell, cell, IntersectRect(cell, Shown));
        if (d.Point) ShrinkDigitInto(C, SevenSegPointCell, cell, IntersectRect(point, Shown));
    }
}

// Cache character Cell composed and shrunk into Cell's rectangle on C, only its region Clip.
void TSevenSeg::ShrinkDigitInto(TCanvas* C, int Cell, const TRect& Place, const TRect& Clip) {
    CreateDigit(SevenSegCacheChar(Cell), false);
    TCanvasStateSaver saved(C);
    C->IntersectClipRect(Clip);
    const int mode = SetStretchBltMode(C, HALFTONE);
    StretchBlt(C, Place.Left, Place.Top, Place.Width(), Place.Height(), FDigImg->GetCanvas(), 0, 0, DigitImageWidth,
               DigitImageHeight, SRCCOPY);
    SetStretchBltMode(C, mode);
}

void TSevenSeg::PaintFrame(TCanvas* C) {
    const TBevelLines b = BevelLines();
    DrawFrame(C, FFrameStyle, 0, 0, GetWidth() - 1, GetHeight() - 1, b.Light, b.Face, b.Shadow, b.Dark, b.Dark);
}

}  // namespace zyn
