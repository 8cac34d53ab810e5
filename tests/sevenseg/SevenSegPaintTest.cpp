// The seven-segment display's cache and picture, probed at fixed coordinates.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Graphics.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Ground = 0x333333;   // the default background
constexpr TColor Red = 0x0000FF;      // the default text colour

TColor CachePixel(const TSevenSeg& s, int X, int Y) {
    const std::uint8_t* p = s.GetImageCache()->ScanLine(Y) + 4 * X;
    return vcl::RGB(p[2], p[1], p[0]);
}

bool Near(TColor A, TColor B, int Tolerance = 3) {
    return std::abs(vcl::GetRValue(A) - vcl::GetRValue(B)) <= Tolerance &&
           std::abs(vcl::GetGValue(A) - vcl::GetGValue(B)) <= Tolerance &&
           std::abs(vcl::GetBValue(A) - vcl::GetBValue(B)) <= Tolerance;
}

// Centres of the segments in the 312 x 432 digit image, and of the point.
struct Spot {
    int X, Y;
};
constexpr Spot SegmentCentre[8] = {{194, 19}, {71, 118}, {278, 118}, {157, 216}, {34, 315}, {241, 315}, {120, 413},
                                   {288, 413}};

// The cache pixel of cell Cell over the digit image's point P.
TColor CellPixel(const TSevenSeg& s, int Cell, Spot P) {
    const int w = s.GetCellWidth(), h = s.GetCellHeight();
    return CachePixel(s, w * (Cell - 1) + P.X * w / TSevenSeg::DigitImageWidth, P.Y * h / TSevenSeg::DigitImageHeight);
}

struct Picture {
    vcl::TBitmap bmp;
    explicit Picture(TSevenSeg& s) {
        bmp.SetSize(s.GetWidth(), s.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(0x123456);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, s.GetWidth(), s.GetHeight()));
        s.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    TColor At(int X, int Y) { return bmp.GetCanvas()->GetPixels(X, Y); }
};

// Whether the picture's digit j shows cache cell Cell (0: nothing) and, over it, the point.
::testing::AssertionResult ShowsCell(TSevenSeg& s, Picture& p, int J, int Cell, bool Point) {
    const int w = s.GetCellWidth(), h = s.GetCellHeight(), m = s.GetMargin();
    const int x0 = J * (w + s.GetInterDigDist()) + m;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inPoint = Point && x >= 5 * w / 6 && y >= 5 * h / 6;
            const TColor want = inPoint ? CachePixel(s, w * (SevenSegPointCell - 1) + x, y)
                                : Cell > 0 ? CachePixel(s, w * (Cell - 1) + x, y)
                                           : s.GetColorBackGnd();
            if (p.At(x0 + x, m + y) != want)
                return ::testing::AssertionFailure() << "digit " << J << " pixel " << x << "," << y << " is " << std::hex
                                                     << p.At(x0 + x, m + y) << ", want " << want;
        }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(SevenSegPaint, CacheHoldsTwentyOneCellsOfTheControlsSize) {
    TSevenSeg s(nullptr);
    EXPECT_EQ(s.GetCellWidth(), 48);   // (216 - 2 * 8) div 4 - 2
    EXPECT_EQ(s.GetCellHeight(), 60);  // 76 - 2 * 8
    EXPECT_EQ(s.GetImageCache()->GetWidth(), 48 * 21);
    EXPECT_EQ(s.GetImageCache()->GetHeight(), 60);
    s.SetNumDigits(5);
    s.SetInterDigDist(10);
    s.SetMargin(4);
    EXPECT_EQ(s.GetCellWidth(), 31);   // (216 - 8) div 5 - 10
    EXPECT_EQ(s.GetImageCache()->GetWidth(), 31 * 21);
    s.SetBounds(0, 0, 300, 100);       // a new size rebuilds the cache
    EXPECT_EQ(s.GetCellWidth(), 48);
    EXPECT_EQ(s.GetImageCache()->GetHeight(), 92);
}

TEST(SevenSegPaint, CellsLightTheSegmentsOfTheirCharacters) {
    TSevenSeg s(nullptr);
    for (int k = 1; k <= SevenSegCacheCells; ++k) {
        const char32_t ch = SevenSegCacheChar(k);
        const TSegGlyph g = SevenSegGlyph(ch);
        if (g.Shape != gsSegments) continue;
        for (int n = 1; n <= 7; ++n) {
            const TColor c = CellPixel(s, k, SegmentCentre[n - 1]);
            const bool lit = g.Segments & SegBit(n);
            EXPECT_TRUE(Near(c, lit ? Red : Ground)) << "cell " << k << " segment " << n << ": " << std::hex << c;
        }
        EXPECT_TRUE(Near(CellPixel(s, k, SegmentCentre[7]), Ground)) << "no point in cell " << k;
    }
    // The point cell shows the point and nothing else; the symbols leave the segments dark.
    EXPECT_TRUE(Near(CellPixel(s, SevenSegPointCell, SegmentCentre[7]), Red));
    for (int n = 1; n <= 7; ++n) EXPECT_TRUE(Near(CellPixel(s, SevenSegPointCell, SegmentCentre[n - 1]), Ground)) << n;
    EXPECT_TRUE(Near(CellPixel(s, 12, {157, 215}), Red));          // the plus sign's centre
    EXPECT_TRUE(Near(CellPixel(s, 12, {34, 315}), Ground));
    EXPECT_TRUE(Near(CellPixel(s, 14, {230, 69}), Ground));        // inside the degree ring
    EXPECT_TRUE(Near(CellPixel(s, 14, {182, 69}), Red));           // on the ring
    EXPECT_TRUE(Near(CellPixel(s, 13, {140, 293}), Red));          // the colon's lower dot
    EXPECT_TRUE(Near(CellPixel(s, 13, {172, 139}), Red));          // and its upper dot
    EXPECT_TRUE(Near(CellPixel(s, 13, {157, 216}), Ground));       // between them
}

TEST(SevenSegPaint, DigitsAreCopiedFromTheirCells) {
    TSevenSeg s(nullptr);
    {
        Picture p(s);   // "8.8.8.8."
        for (int j = 0; j < 4; ++j) EXPECT_TRUE(ShowsCell(s, p, j, 9, true));
    }
    s.SetCaption("12:30");
    {
        Picture p(s);
        EXPECT_TRUE(ShowsCell(s, p, 0, 2, false));
        EXPECT_TRUE(ShowsCell(s, p, 1, 3, false));
        EXPECT_TRUE(ShowsCell(s, p, 2, 13, false));   // the colon in the third cell
        EXPECT_TRUE(ShowsCell(s, p, 3, 4, false));
    }
    s.SetCaption(".b 5,");
    {
        Picture p(s);
        EXPECT_TRUE(ShowsCell(s, p, 0, 0, true));     // a blank with its point
        EXPECT_TRUE(ShowsCell(s, p, 1, 16, false));
        EXPECT_TRUE(ShowsCell(s, p, 2, 0, false));
        EXPECT_TRUE(ShowsCell(s, p, 3, 6, true));
    }
}

TEST(SevenSegPaint, FrameStylesKeepTheirFixedColours) {
    TSevenSeg s(nullptr);
    s.SetCaption("");
    struct Want {
        TColor left, innerLeft, right, innerRight;
    };
    const Want wants[] = {
        {Ground, Ground, Ground, Ground},                             // none
        {vcl::clBlack, Ground, vcl::clBlack, Ground},                 // single
        {vcl::clGray, Ground, vcl::clWhite, Ground},                  // sunken
        {vcl::clWhite, Ground, vcl::clGray, Ground},                  // raised
        {vcl::clGray, vcl::clBlack, vcl::clWhite, vcl::clSilver},     // sunken, two pixels
        {vcl::clSilver, vcl::clWhite, vcl::clBlack, vcl::clGray},     // raised, two pixels
    };
    // The colour scheme changes the line colours only; the frame keeps its own.
    vcl::SetSysColor(16, 0x00AA00);
    vcl::SetSysColor(20, 0x0000AA);
    s.SetColorScheme(schSystem);
    for (int style = 0; style <= 5; ++style) {
        s.SetFrameStyle(TFrameStyle(style));
        Picture p(s);
        EXPECT_EQ(p.At(0, 38), wants[style].left) << style;
        EXPECT_EQ(p.At(1, 38), wants[style].innerLeft) << style;
        EXPECT_EQ(p.At(215, 38), wants[style].right) << style;
        EXPECT_EQ(p.At(214, 38), wants[style].innerRight) << style;
    }
    vcl::ResetSysColors();
}

TEST(SevenSegPaint, WhiteTextStaysApartFromTheGround) {
    TSevenSeg s(nullptr);
    s.SetColorText(vcl::clWhite);
    EXPECT_EQ(CellPixel(s, 9, SegmentCentre[3]), TColor(0xFEFEFE));
    // A system colour that stands for white is caught as well.
    s.SetColorText(vcl::clWindow);
    EXPECT_EQ(CellPixel(s, 9, SegmentCentre[3]), TColor(0xFEFEFE));
    s.SetColorText(0x00FF00);
    s.SetColorBackGnd(vcl::clWhite);
    EXPECT_EQ(CellPixel(s, 9, SegmentCentre[3]), TColor(0x00FF00));
    EXPECT_EQ(CellPixel(s, 9, {5, 5}), vcl::clWhite);
    EXPECT_EQ(CellPixel(s, 1, SegmentCentre[3]), vcl::clWhite);   // the 0 has no middle bar
}

TEST(SevenSegPaint, NoRoomLeavesAnEmptyDisplay) {
    TSevenSeg s(nullptr);
    s.SetNumDigits(32);
    s.SetInterDigDist(10);   // wider than the pitch of 6
    EXPECT_EQ(s.GetCellWidth(), 0);
    EXPECT_EQ(s.GetImageCache()->GetWidth(), 0);
    Picture p(s);
    EXPECT_EQ(p.At(100, 38), Ground);
    s.SetBounds(0, 0, 0, 0);   // nothing to paint at all
    s.SetBounds(0, 0, 216, 76);
    EXPECT_EQ(s.GetImageCache()->GetWidth(), 0);
    s.SetNumDigits(4);
    EXPECT_EQ(s.GetCellWidth(), 40);
}
