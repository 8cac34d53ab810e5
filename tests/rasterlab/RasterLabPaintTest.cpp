// The dot-matrix label's picture, probed at the pixels the dot layout fixes: lit dots of the
// text, the grid lines of each block mode, the gap columns between characters and the frames.
#include <gtest/gtest.h>

#include "RasterLabTestSupport.h"

using namespace zyn;
using rasterlab_test::Picture;
using vcl::TColor;

namespace {

constexpr TColor On = 0x00FF00, Off = 0x404040, Bg = 0x802010;

// A 400 x 68 label without a frame: pitch 4 (dots 3, spacing 1), text origin (1, 1).
std::unique_ptr<TRasterLab> MakeLabel(const std::string& Text) {
    auto l = std::make_unique<TRasterLab>(nullptr);
    l->SetFrameStyle(frNone);
    l->SetColorLabBakG(Bg);
    l->SetText(Text);
    return l;
}

// Whether the dot of column C, row R of a text drawn at (X, Y) with pitch P is lit: all
// its DotSize x DotSize pixels in the on colour.
bool DotLit(const Picture& P, int X, int Y, int C, int R, int Pitch = 4, int DotSize = 3) {
    for (int dy = 0; dy < DotSize; ++dy)
        for (int dx = 0; dx < DotSize; ++dx)
            if (P.At(X + C * Pitch + dx, Y + R * Pitch + dy) != On) return false;
    return true;
}

}  // namespace

TEST(RasterLabPaint, LitDotsFollowTheGlyphRows) {
    auto l = MakeLabel("A!");
    Picture p(*l);
    // "A" (columns 0..6): row 1 lights column 3 only, row 9 all but column 3.
    EXPECT_TRUE(DotLit(p, 1, 1, 3, 1));
    EXPECT_FALSE(DotLit(p, 1, 1, 2, 1));
    for (int c : {0, 1, 2, 4, 5, 6}) EXPECT_TRUE(DotLit(p, 1, 1, c, 9)) << c;
    EXPECT_FALSE(DotLit(p, 1, 1, 3, 9));
    // The dots are DotSize wide with the grid gap after them.
    EXPECT_EQ(p.At(1 + 3 * 4 + 3, 1 + 4 + 1), Bg);
    EXPECT_EQ(p.At(1 + 3 * 4 + 1, 1 + 4 + 3), Bg);
    // "!" follows after A's seven columns and one gap column: its only column at 8.
    for (int r : {1, 4, 7, 9}) EXPECT_TRUE(DotLit(p, 1, 1, 8, r)) << r;
    EXPECT_FALSE(DotLit(p, 1, 1, 8, 8));
    EXPECT_EQ(l->GetTextBitLength(), (8 + 2) * 4 + 1);
    EXPECT_EQ(l->CalcTextBitLength("A!"), (8 + 2) * 4);
}

TEST(RasterLabPaint, FixedPitchGivesEveryCharacterEightColumns) {
    auto l = MakeLabel("!!");
    l->SetProportional(false);
    Picture p(*l);
    // Fixed pitch draws the cell from column 0, so "!" lights column 3 of each cell.
    EXPECT_TRUE(DotLit(p, 1, 1, 3, 1));
    EXPECT_TRUE(DotLit(p, 1, 1, 8 + 3, 1));
    EXPECT_FALSE(DotLit(p, 1, 1, 1, 1));
    EXPECT_EQ(l->GetTextBitLength(), 16 * 4 + 1);
    l->SetProportional(true);
    Picture q(*l);
    EXPECT_TRUE(DotLit(q, 1, 1, 0, 1));
    EXPECT_TRUE(DotLit(q, 1, 1, 2, 1));
    EXPECT_EQ(l->GetTextBitLength(), 4 * 4 + 1);
}

TEST(RasterLabPaint, DotSizeOneDrawsSinglePixels) {
    auto l = MakeLabel("!");
    l->SetDotSize(1);
    l->SetCharBlockMode(rdbmRaster);
    Picture p(*l);
    // Pitch 2: the column of "!" at x 1, rows 1..7 and 9 at y 1 + 2r.
    for (int r : {1, 2, 7, 9}) EXPECT_EQ(p.At(1, 1 + 2 * r), On) << r;
    EXPECT_EQ(p.At(1, 1 + 2 * 8), Off);
    EXPECT_EQ(p.At(2, 3), Bg);   // the gap right of a dot
    EXPECT_EQ(p.At(1, 4), Bg);   // the gap below it
}

TEST(RasterLabPaint, GridLinesInEachBlockMode) {
    // Far right of a short text: only ground and grid. Dot cells span x, y = 1..3 mod 4.
    for (TRDBlockMode mode : {rdbmOff, rdbmOn, rdbmRaster}) {
        auto l = MakeLabel("A");
        l->SetCharBlockMode(mode);
        Picture p(*l);
        for (int y = 0; y < 68; ++y) {
            for (int x = 200; x < 260; ++x) {
                const bool gap = x % 4 == 0 || y % 4 == 0;
                const TColor want = mode == rdbmOff || gap ? Bg : Off;
                ASSERT_EQ(p.At(x, y), want) << mode << " at " << x << "," << y;
            }
        }
    }
}

TEST(RasterLabPaint, GapColumnsAroundCharactersOnlyInBlockModeOn) {
    // "A" covers columns 0..6; its gap column 7 lies at x 29..31, the one before it left of 0.
    for (TRDBlockMode mode : {rdbmOn, rdbmRaster}) {
        auto l = MakeLabel("AA");
        l->SetCharBlockMode(mode);
        l->SetPosY(9);   // the gap strip spans the full height, also above the text
        Picture p(*l);
        const TColor cell = mode == rdbmOn ? Bg : Off;
        for (int y : {2, 6, 30, 66}) {
            EXPECT_EQ(p.At(30, y), cell) << mode << " y " << y;
            EXPECT_EQ(p.At(30 + 32, y), cell) << mode << " y " << y;   // after the second A
        }
        EXPECT_EQ(p.At(26, 2), Off) << mode;   // inside the character's columns, unlit
    }
}

TEST(RasterLabPaint, TheGridFollowsTheTextOriginAndSpacing) {
    auto l = MakeLabel("");
    l->SetCharBlockMode(rdbmRaster);
    l->SetDotSpacing(2);
    l->SetPosX(3);
    l->SetPosY(-4);
    Picture p(*l);
    // Pitch 5 with two gap lines before each cell: columns 1, 2 and rows 4, 0 (mod 5).
    for (int x = 100; x < 120; ++x) {
        const int mx = ((x - 3) % 5 + 5) % 5;
        EXPECT_EQ(p.At(x, 7), mx >= 3 ? Bg : Off) << x;
    }
    for (int y = 1; y < 60; ++y) {
        const int my = ((y + 4) % 5 + 5) % 5;
        EXPECT_EQ(p.At(104, y), my >= 3 ? Bg : Off) << y;
    }
    // No spacing: no grid lines, the ground is all unlit dots.
    l->SetDotSpacing(0);
    Picture q(*l);
    for (int x = 100; x < 130; ++x) EXPECT_EQ(q.At(x, 20), Off) << x;
}

TEST(RasterLabPaint, ScrolledTextAndCodesAboveTheMatrix) {
    // The euro sign has no entry: it shows as a blank of the built-in font's width (7
    // columns and a gap), and "!" follows it.
    auto l = MakeLabel("\xE2\x82\xAC!");
    Picture p(*l);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 12; ++r) ASSERT_FALSE(DotLit(p, 1, 1, c, r)) << c << "," << r;
    EXPECT_TRUE(DotLit(p, 1, 1, 8, 1));
}

TEST(RasterLabPaint, FramesOfEachStyle) {
    const TColor K = 0x000000, G = 0x808080, W = 0xFFFFFF;
    struct Want {
        TColor x0, x1, xr1, xr2, y0, y1, yb1, yb2;   // left, right, top and bottom: outer, inner
    };
    const Want wants[] = {
        {0, 0, 0, 0, 0, 0, 0, 0},   // none: checked separately
        {G, 0, G, 0, G, 0, G, 0},
        {G, K, W, G, G, K, W, G},
        {G, W, K, G, G, W, K, G},
        {W, G, G, W, W, G, G, W},
        {G, W, W, G, G, W, W, G},
    };
    auto l = MakeLabel("");
    l->SetCharBlockMode(rdbmOff);   // the inside is all background
    for (int s = 0; s <= 5; ++s) {
        l->SetFrameStyle(static_cast<TFrameStyle>(s));
        Picture p(*l);
        const Want& w = wants[s];
        auto want = [&](TColor c) { return c == 0 && s < 2 ? Bg : c; };
        if (s == 0) {
            for (int x : {0, 1, 398, 399}) EXPECT_EQ(p.At(x, 30), Bg) << x;
            continue;
        }
        EXPECT_EQ(p.At(0, 30), want(w.x0)) << s;
        EXPECT_EQ(p.At(1, 30), want(w.x1)) << s;
        EXPECT_EQ(p.At(399, 30), want(w.xr1)) << s;
        EXPECT_EQ(p.At(398, 30), want(w.xr2)) << s;
        EXPECT_EQ(p.At(200, 0), want(w.y0)) << s;
        EXPECT_EQ(p.At(200, 1), want(w.y1)) << s;
        EXPECT_EQ(p.At(200, 67), want(w.yb1)) << s;
        EXPECT_EQ(p.At(200, 66), want(w.yb2)) << s;
        EXPECT_EQ(p.At(200, 30), Bg) << s;
    }
    // The system scheme takes the shadow and highlight colours for gray and white.
    l->SetFrameStyle(frSunkenDouble);
    l->SetColorScheme(schSystem);
    Picture p(*l);
    EXPECT_EQ(p.At(0, 30), vcl::ColorToRGB(vcl::clBtnHighlight));
    EXPECT_EQ(p.At(1, 30), vcl::ColorToRGB(vcl::clBtnShadow));
}

TEST(RasterLabPaint, InvisibleLabelPaintsOnlyWhileDesigned) {
    auto l = MakeLabel("A");
    l->SetVisible(false);
    Picture hidden(*l);
    EXPECT_EQ(hidden.At(100, 30), Picture::Untouched);
    l->SetComponentStateItem(vcl::csDesigning, true);
    Picture designed(*l);
    EXPECT_EQ(designed.At(102, 30), Off);
}

TEST(RasterLabPaint, PaintCharDrawsOnAnyCanvas) {
    vcl::TBitmap bmp;
    bmp.SetSize(40, 60);
    vcl::TCanvas* c = bmp.GetCanvas();
    c->GetBrush()->SetColor(vcl::clWhite);
    c->FillRect(vcl::Rect(0, 0, 40, 60));
    const TRDCharMatrix m = BuiltInCharMatrix();
    // "1" (columns 1..5) with dots of 2 and spacing 2: pitch 4.
    const int w = TRasterLab::PaintChar(c, m, 3, 2, U'1', 2, 2, vcl::clRed, vcl::clBlue, vcl::clBlack, false);
    EXPECT_EQ(w, 5 * 4);
    // Row 9 lights columns 1..5, drawn from x 3 on; row 1 column 3 at x 3 + 2 * 4.
    for (int c5 = 0; c5 < 5; ++c5) EXPECT_EQ(c->GetPixels(3 + c5 * 4 + 1, 2 + 9 * 4 + 1), vcl::clRed) << c5;
    EXPECT_EQ(c->GetPixels(3 + 2 * 4, 2 + 4), vcl::clRed);
    EXPECT_EQ(c->GetPixels(3 + 2 * 4 + 2, 2 + 4), vcl::clWhite);   // the spacing stays as it was
    EXPECT_EQ(c->GetPixels(3 + 1 * 4, 2 + 4), vcl::clWhite);       // unlit dots are not drawn
    // Fixed pitch starts the cell at column 0.
    EXPECT_EQ(TRasterLab::PaintChar(nullptr, m, 0, 0, U'1', 2, 2, 0, 0, 0, true), 7 * 4);
}

// Every frame leaves a pixel or two of the outer ring to nobody (where a light and a dark
// line meet). The kept picture must not show there what an earlier paint drew.
TEST(RasterLabPaint, FrameCornersShowNothingOfAnEarlierPaint) {
    for (TFrameStyle style : {frSingle, frSunken, frRaised, frSunkenDouble, frRaisedDouble}) {
        SCOPED_TRACE(int(style));
        auto l = MakeLabel("");
        l->SetCharBlockMode(rdbmOff);             // no grid: the ground covers every pixel
        l->SetColorLabBakG(0x0000FF);
        { Picture first(*l); ASSERT_EQ(first.At(399, 0), 0x0000FFu); }   // no frame: all ground
        l->SetFrameStyle(style);
        Picture p(*l);
        const int W = 400, H = 68;
        for (int x = 0; x < W; ++x) {
            EXPECT_NE(p.At(x, 0), 0x0000FFu) << x;
            EXPECT_NE(p.At(x, H - 1), 0x0000FFu) << x;
        }
        for (int y = 0; y < H; ++y) {
            EXPECT_NE(p.At(0, y), 0x0000FFu) << y;
            EXPECT_NE(p.At(W - 1, y), 0x0000FFu) << y;
        }
        if (style != frSingle) {
            EXPECT_EQ(p.At(W - 1, 0), vcl::clWhite);   // no line reaches it
        }
    }
}
