// The dot-matrix label's picture, composed in an off-screen bitmap kept between paints (of
// the control's size, or of its visible region when a bitmap cannot hold the whole): the
// ground, the gaps of the dot grid, the text's lit dots, the frame; then copied in one
// operation.
#include <algorithm>
#include <bit>
#include <limits>

#include "platform/SysUtils.h"
#include "rasterlab/Zyn_RasterLab.h"

namespace zyn {

using namespace vcl;

namespace {

int ClampToInt(std::int64_t V) {
    return static_cast<int>(std::clamp<std::int64_t>(V, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The closed path (A, A), (W - B, A), (W - B, H - B), (A, H - B), (A, A).
void Outline(TCanvas* C, int W, int H, int A, int B) {
    C->MoveTo(A, A);
    C->LineTo(W - B, A);
    C->LineTo(W - B, H - B);
    C->LineTo(A, H - B);
    C->LineTo(A, A);
}

}  // namespace

void TRasterLab::Paint() {
    if (!GetVisible() && !Designing()) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    // The whole picture when a bitmap can hold it, else the region the canvas shows.
    TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H), FBuffer.get());
    TCanvas* C = buffer.GetCanvas();
    PaintGround(C, W, H);
    if (FCharBlockMode != rdbmOff) PaintDotGrid(C, W, H);
    PaintText(C);
    PaintFrame(C, W, H);
    buffer.Show();
}

// Unlit dots in the grid modes, the background otherwise; inside the frame when there is one.
// The frames leave a few pixels of the outer ring undrawn (the corners where a light and a
// dark line meet): those are white, as in a fresh bitmap, so that the kept picture shows
// nothing an earlier paint left there.
void TRasterLab::PaintGround(TCanvas* C, int W, int H) {
    const TColor ground = FCharBlockMode != rdbmOff ? FColorDotOff : FColorLabBakG;
    if (FFrameStyle != frNone) {
        C->GetBrush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, W, 1));
        C->FillRect(Rect(0, H - 1, W, H));
        C->FillRect(Rect(0, 1, 1, H - 1));
        C->FillRect(Rect(W - 1, 1, W, H - 1));
    }
    C->GetPen()->SetColor(ground);
    C->GetBrush()->SetColor(ground);
    C->FillRect(FFrameStyle != frNone ? Rect(1, 1, W - 1, H - 1) : Rect(0, 0, W, H));
}

// The gaps between the dot cells in the background colour: DotSpacing rows above and
// DotSpacing columns left of every cell, aligned with the text's dots wherever it stands.
void TRasterLab::PaintDotGrid(TCanvas* C, int W, int H) {
    const int p = Pitch(), gap = FDotSpacing;
    if (gap == 0) return;
    const int ox = static_cast<int>((std::int64_t(FPosX) + FScrollPosX) % p);
    const int oy = static_cast<int>((std::int64_t(FPosY) + FScrollPosY) % p);
    C->GetPen()->SetColor(FColorLabBakG);
    C->GetBrush()->SetColor(FColorLabBakG);
    // Only the gaps that reach the canvas's clip are filled: band b covers [o + b p - gap, o + b p).
    const TRect clip = C->GetClipRect();
    auto bands = [p, gap](int Offset, int Size, int ClipLow, int ClipHigh, auto&& Fill) {
        const std::int64_t first = std::max<std::int64_t>(0, (std::int64_t(ClipLow) - Offset) / p - 1);
        const std::int64_t last =
            std::min<std::int64_t>(Size / p + 1, (std::int64_t(ClipHigh) + gap - Offset) / p + 1);
        for (std::int64_t b = first; b <= last; ++b) Fill(int(Offset + b * p));
    };
    bands(oy, H, clip.Top, clip.Bottom, [&](int y) { C->FillRect(Rect(0, y - gap, W, y)); });
    bands(ox, W, clip.Left, clip.Right, [&](int x) { C->FillRect(Rect(x - gap, 0, x, H)); });
}

void TRasterLab::PaintText(TCanvas* C) {
    PaintString(C, FCMat, ClampToInt(std::int64_t(FPosX) + FScrollPosX), ClampToInt(std::int64_t(FPosY) + FScrollPosY),
                FText, FDotSize, FDotSpacing, FColorDotOn, FColorDotOff, FColorLabBakG, FCharBlockMode, FProportional,
                FTextBitLength);
}

void TRasterLab::PaintFrame(TCanvas* C, int W, int H) {
    TPen* pen = C->GetPen();
    switch (FFrameStyle) {
        case frNone: break;
        case frSingle:
            pen->SetColor(ThemedLine(FColGrayLine));
            Outline(C, W, H, 0, 1);
            break;
        case frSunken:
        case frRaised:
            // Sunken: a dark inner line at the top and left, a light outer one at the bottom
            // and right; raised exchanges the two, with the dark line outermost.
            pen->SetColor(FFrameStyle == frSunken ? ThemedLine(FColBlackLine) : ThemedLine(FColWhiteLine));
            C->MoveTo(1, H - 3);
            C->LineTo(1, 1);
            C->LineTo(W - 2, 1);
            if (FFrameStyle == frSunken) {
                pen->SetColor(ThemedLine(FColWhiteLine));
                C->MoveTo(2, H - 1);
            } else {
                pen->SetColor(ThemedLine(FColBlackLine));
                C->MoveTo(0, H - 1);
            }
            C->LineTo(W - 1, H - 1);
            C->LineTo(W - 1, 0);
            pen->SetColor(ThemedLine(FColGrayLine));
            Outline(C, W, H, 0, 2);
            break;
        case frSunkenDouble:
        case frRaisedDouble:
            pen->SetColor(FFrameStyle == frSunkenDouble ? ThemedLine(FColGrayLine) : ThemedLine(FColWhiteLine));
            Outline(C, W, H, 1, 1);
            pen->SetColor(FFrameStyle == frSunkenDouble ? ThemedLine(FColWhiteLine) : ThemedLine(FColGrayLine));
            Outline(C, W, H, 0, 2);
            break;
    }
}

// =========================================================================================
// characters and texts

int TRasterLab::PaintChar(TCanvas* Canvas, const TRDCharMatrix& CharMatrix, int X, int Y, char32_t Ch, int DotSize,
                          int DotSpacing, TColor ColorOn, TColor ColorOff, TColor ColorBg, bool Fixed) {
    (void)ColorOff;
    (void)ColorBg;
    const int code = RasterCharCode(Ch);
    const int columns = RasterCharColumns(CharMatrix, code, Fixed);
    const int pitch = DotSize + DotSpacing;
    const int width = columns * pitch;
    if (Canvas == nullptr || columns == 0 || DotSize <= 0) return width;
    const int left = Fixed ? 0 : CharMatrix.LeftMostBit[code];
    const std::uint32_t columnMask = columns >= 32 ? ~std::uint32_t(0) : (std::uint32_t(1) << columns) - 1;
    const int rows = RasterRows(CharMatrix);
    const TRect clip = Canvas->GetClipRect();
    Canvas->GetPen()->SetColor(ColorOn);
    Canvas->GetBrush()->SetColor(ColorOn);
    for (int r = 0; r < rows; ++r) {
        const std::int64_t y = std::int64_t(Y) + std::int64_t(r) * pitch;
        if (y >= clip.Bottom) break;
        if (y + DotSize <= clip.Top) continue;
        std::uint32_t bits = (CharMatrix.BitData[code][r] >> left) & columnMask;
        while (bits != 0) {
            const int c = std::countr_zero(bits);
            bits &= bits - 1;
            const std::int64_t x = std::int64_t(X) + std::int64_t(c) * pitch;
            if (x >= clip.Right) break;
            if (x + DotSize <= clip.Left) continue;
            const int dx = static_cast<int>(x), dy = static_cast<int>(y);
            if (DotSize == 1)
                Canvas->SetPixels(dx, dy, ColorOn);
            else
                Canvas->Rectangle(dx, dy, dx + DotSize, dy + DotSize);
        }
    }
    return width;
}

void TRasterLab::PaintString(TCanvas* Canvas, const TRDCharMatrix& CharMatrix, int X, int Y, const std::string& Text,
                             int DotSize, int DotSpacing, TColor ColorOn, TColor ColorOff, TColor ColorBg,
                             TRDBlockMode BlockMode, bool Proportional, int& TextBitLength) {
    const int pitch = DotSize + DotSpacing;
    const bool fixed = !Proportional;
    const int H = GetHeight();
    const TRect clip = Canvas != nullptr ? Canvas->GetClipRect() : TRect();
    // The background-coloured gap column left of x, over the label's full height.
    auto gapStrip = [&](std::int64_t x) {
        if (Canvas == nullptr || BlockMode != rdbmOn) return;
        if (x - 1 <= clip.Left || x - pitch >= clip.Right) return;
        Canvas->GetBrush()->SetColor(ColorBg);
        Canvas->FillRect(Rect(static_cast<int>(x - pitch), 0, static_cast<int>(x - 1), H));
    };
    const std::int64_t fixedAdvance = std::int64_t(RasterCharColumns(CharMatrix, 0, true) + 1) * pitch;
    std::int64_t x = X;
    gapStrip(x);
    for (std::size_t pos = 0; pos < Text.size();) {
        const char32_t ch = Utf8Decode(Text, pos);
        // Characters outside the canvas are measured, not drawn.
        const std::int64_t width = std::int64_t(RasterCharColumns(CharMatrix, RasterCharCode(ch), fixed)) * pitch;
        if (Canvas != nullptr && x < clip.Right && x + width > clip.Left)
            PaintChar(Canvas, CharMatrix, static_cast<int>(x), Y, ch, DotSize, DotSpacing, ColorOn, ColorOff, ColorBg,
                      fixed);
        x += Proportional ? width + pitch : fixedAdvance;
        gapStrip(x);
    }
    TextBitLength = ClampToInt(x - X + 1);
}

}  // namespace zyn
