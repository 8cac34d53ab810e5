#include <gtest/gtest.h>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

class ShapeTest : public ::testing::Test {
protected:
    void SetUp() override {
        bmp = WhiteBitmap(40, 40);
        c = bmp->GetCanvas();
        c->SetOrigin(TPoint(10, 10));   // room for pens that reach past the box
    }
    void Clear() {
        TBrush saved;
        saved.Assign(c->GetBrush());
        c->GetBrush()->SetColor(clWhite);
        c->FillRect(TRect(-10, -10, 30, 30));
        c->GetBrush()->Assign(&saved);
    }
    std::unique_ptr<TBitmap> bmp;
    TCanvas* c = nullptr;
    const TRect all{-10, -10, 30, 30};
};

TEST_F(ShapeTest, RectangleOutlineWithPenAndInteriorWithBrush) {
    c->GetBrush()->SetColor(clRed);
    c->Rectangle(2, 2, 6, 5);
    EXPECT_EQ(PixelMap(c, TRect(1, 1, 7, 6), clBlack, clWhite), (std::vector<std::string>{
                                                                     "......",
                                                                     ".####.",
                                                                     ".#??#.",
                                                                     ".####.",
                                                                     "......",
                                                                 }));
    EXPECT_EQ(c->GetPixels(3, 3), clRed);
    EXPECT_EQ(c->GetPixels(4, 3), clRed);
}

TEST_F(ShapeTest, RectangleExtentsByPen) {
    struct Case {
        TPenStyle style;
        int width;
        TRect bounds;   // pixels touched, right/bottom exclusive
        int corners;    // how many of the bounding box's corner pixels are set
    };
    const Case cases[] = {
        {psSolid, 1, TRect(0, 0, 10, 10), 4},
        {psSolid, 3, TRect(-1, -1, 11, 11), 0},   // round joins
        {psSolid, 4, TRect(-2, -2, 11, 11), 0},
        {psInsideFrame, 3, TRect(0, 0, 10, 10), 0},
        {psInsideFrame, 4, TRect(0, 0, 10, 10), 0},
        {psClear, 1, TRect(0, 0, 9, 9), 4},       // brush only, one pixel short
    };
    c->GetBrush()->SetColor(clRed);
    for (const Case& k : cases) {
        Clear();
        c->GetPen()->SetStyle(k.style);
        c->GetPen()->SetWidth(k.width);
        c->Rectangle(0, 0, 10, 10);
        const TRect b = InkBounds(c, all);
        EXPECT_EQ(b, k.bounds) << "style " << int(k.style) << " width " << k.width;
        const int corners = (c->GetPixels(b.Left, b.Top) != clWhite) + (c->GetPixels(b.Right - 1, b.Top) != clWhite) +
                            (c->GetPixels(b.Left, b.Bottom - 1) != clWhite) +
                            (c->GetPixels(b.Right - 1, b.Bottom - 1) != clWhite);
        EXPECT_EQ(corners, k.corners) << "style " << int(k.style) << " width " << k.width;
    }
}

TEST_F(ShapeTest, WidePenRectangleKeepsTheBrushInside) {
    c->GetPen()->SetWidth(3);
    c->GetBrush()->SetColor(clRed);
    c->Rectangle(0, 0, 10, 10);
    // The band covers offsets -1..1 around the path at 0 and 9: the brush shows on 2..7.
    EXPECT_EQ(c->GetPixels(1, 5), clBlack);
    EXPECT_EQ(c->GetPixels(2, 5), clRed);
    EXPECT_EQ(c->GetPixels(7, 5), clRed);
    EXPECT_EQ(c->GetPixels(8, 5), clBlack);
    EXPECT_EQ(c->GetPixels(10, 5), clBlack);
    EXPECT_EQ(c->GetPixels(11, 5), clWhite);
}

TEST_F(ShapeTest, ReversedCornersAndEmptyBoxes) {
    c->Rectangle(6, 5, 2, 2);   // normalised
    EXPECT_EQ(InkBounds(c, all), TRect(2, 2, 6, 5));
    Clear();
    c->Rectangle(3, 3, 3, 9);
    c->Ellipse(3, 3, 9, 3);
    EXPECT_EQ(CountInk(c, all), 0);
}

TEST_F(ShapeTest, EllipseOutlinesOfSmallBoxes) {
    c->GetBrush()->SetStyle(bsClear);
    c->Ellipse(0, 0, 5, 5);
    EXPECT_EQ(PixelMap(c, TRect(-1, -1, 6, 6)), (std::vector<std::string>{
                                                    ".......",
                                                    "..###..",
                                                    ".#...#.",
                                                    ".#...#.",
                                                    ".#...#.",
                                                    "..###..",
                                                    ".......",
                                                }));
    Clear();
    c->Ellipse(0, 0, 6, 6);
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 6, 6)), (std::vector<std::string>{
                                                  "..##..",
                                                  ".#..#.",
                                                  "#....#",
                                                  "#....#",
                                                  ".#..#.",
                                                  "..##..",
                                              }));
    Clear();
    c->Ellipse(0, 0, 10, 10);
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 10, 10)), (std::vector<std::string>{
                                                    "...####...",
                                                    "..#....#..",
                                                    ".#......#.",
                                                    "#........#",
                                                    "#........#",
                                                    "#........#",
                                                    "#........#",
                                                    ".#......#.",
                                                    "..#....#..",
                                                    "...####...",
                                                }));
}

TEST_F(ShapeTest, EllipseFillsBetweenTheOutlineAndTinyBoxesAreRectangles) {
    c->GetBrush()->SetColor(clRed);
    c->Ellipse(0, 0, 5, 5);
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 5, 5), clRed), (std::vector<std::string>{
                                                         ".???.",
                                                         "?###?",
                                                         "?###?",
                                                         "?###?",
                                                         ".???.",
                                                     }));
    Clear();
    c->Ellipse(0, 0, 2, 6);
    EXPECT_EQ(InkBounds(c, all), TRect(0, 0, 2, 6));
    EXPECT_EQ(CountInk(c, all), 12);
}

TEST_F(ShapeTest, NarrowEllipsesReachTheirBoxOnAllSides) {
    c->GetBrush()->SetStyle(bsClear);
    for (TRect box : {TRect(0, 0, 4, 9), TRect(0, 0, 3, 20), TRect(0, 0, 20, 3), TRect(0, 0, 17, 11)}) {
        Clear();
        c->Ellipse(box);
        EXPECT_EQ(InkBounds(c, all), box);
    }
}

TEST_F(ShapeTest, XorShapesDrawnTwiceRestoreTheSurface) {
    const std::vector<std::uint8_t> before = Snapshot(*bmp);
    c->GetPen()->SetMode(pmXor);
    c->GetPen()->SetColor(clYellow);
    c->GetBrush()->SetColor(clBlue);
    for (int width : {1, 3}) {
        c->GetPen()->SetWidth(width);
        c->Rectangle(1, 1, 12, 9);
        c->Ellipse(0, 0, 17, 13);
        c->RoundRect(2, 3, 20, 15, 7, 5);
        c->Polygon({TPoint(0, 0), TPoint(15, 3), TPoint(4, 14)});
        EXPECT_NE(Snapshot(*bmp), before);
        c->Polygon({TPoint(0, 0), TPoint(15, 3), TPoint(4, 14)});
        c->RoundRect(2, 3, 20, 15, 7, 5);
        c->Ellipse(0, 0, 17, 13);
        c->Rectangle(1, 1, 12, 9);
        EXPECT_EQ(Snapshot(*bmp), before) << "width " << width;
    }
}

TEST_F(ShapeTest, RoundRectCornersAndStraightRuns) {
    c->GetBrush()->SetStyle(bsClear);
    c->RoundRect(0, 0, 12, 8, 6, 6);   // the quarters of Ellipse(0, 0, 6, 6) in the corners
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 12, 8)), (std::vector<std::string>{
                                                   "..########..",
                                                   ".#........#.",
                                                   "#..........#",
                                                   "#..........#",
                                                   "#..........#",
                                                   "#..........#",
                                                   ".#........#.",
                                                   "..########..",
                                               }));
    Clear();
    c->RoundRect(0, 0, 10, 7, 2, 2);   // corners too small: a rectangle
    EXPECT_EQ(CountInk(c, all), 2 * 10 + 2 * 5);
}

TEST_F(ShapeTest, FillRectAndFrameRectUseTheBrushOnly) {
    c->GetPen()->SetMode(pmXor);   // FillRect and FrameRect ignore the pen mode
    c->GetBrush()->SetColor(clRed);
    c->FillRect(TRect(1, 1, 4, 3));
    c->GetBrush()->SetColor(clBlue);
    c->FrameRect(TRect(5, 0, 9, 4));
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 10, 5), clRed, clWhite), (std::vector<std::string>{
                                                                   ".....????.",
                                                                   ".###.?..?.",
                                                                   ".###.?..?.",
                                                                   ".....????.",
                                                                   "..........",
                                                               }));
    EXPECT_EQ(c->GetPixels(5, 0), clBlue);
    // A clear brush fills nothing.
    c->GetBrush()->SetStyle(bsClear);
    c->FillRect(TRect(0, 5, 10, 10));
    EXPECT_EQ(CountInk(c, TRect(0, 5, 10, 10)), 0);
}

TEST(SolidFills, EveryShortWidthAtEveryAlignmentFillsExactlyItsRun) {
    // Runs of 1 to 80 pixels starting at each of eight positions within a 32-byte block:
    // the pixels of the run take the colour, their neighbours in the row and the rows
    // above and below keep theirs.
    TBitmap b;
    b.SetSize(100, 3);
    TCanvas* c = b.GetCanvas();
    for (int left = 0; left < 8; ++left) {
        for (int width = 1; width <= 80; ++width) {
            c->GetBrush()->SetColor(clWhite);
            c->FillRect(TRect(0, 0, 100, 3));
            c->GetBrush()->SetColor(TColor(0x123456));
            c->FillRect(TRect(left + 4, 1, left + 4 + width, 2));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 100; ++x) {
                    const bool inside = y == 1 && x >= left + 4 && x < left + 4 + width;
                    ASSERT_EQ(c->GetPixels(x, y), inside ? TColor(0x123456) : clWhite)
                        << "left " << left << ", width " << width << " at " << x << "," << y;
                }
        }
    }
}

TEST(SolidFills, PalettedSurfacesMatchTheirColoursAgainAfterEveryDrawingCall) {
    // Each drawing call finds the palette entries afresh; colours between entries take
    // the nearest one every time.
    TBitmap b;
    b.SetSize(8, 2);
    b.SetPixelFormat(pf8bit);
    TCanvas* c = b.GetCanvas();
    for (int k = 0; k < 3; ++k) {
        c->GetBrush()->SetColor(TColor(0x0000FE));   // next to red
        c->FillRect(TRect(0, 0, 8, 1));
        c->GetBrush()->SetColor(TColor(0xFE0000));   // next to blue
        c->FillRect(TRect(0, 1, 8, 2));
        EXPECT_EQ(c->GetPixels(3, 0), clRed) << k;
        EXPECT_EQ(c->GetPixels(3, 1), clBlue) << k;
    }
}

TEST_F(ShapeTest, HatchedBrushPaintsOnlyItsLines) {
    c->GetBrush()->SetColor(clRed);
    c->GetBrush()->SetStyle(bsHorizontal);
    c->FillRect(TRect(-10, -10, 30, 30));
    // One row in eight (device row 4 mod 8), the rest untouched.
    EXPECT_EQ(c->GetPixels(0, -6), clRed);
    EXPECT_EQ(c->GetPixels(5, -6), clRed);
    EXPECT_EQ(c->GetPixels(0, -5), clWhite);
    EXPECT_EQ(c->GetPixels(0, 2), clRed);
    EXPECT_EQ(CountInk(c, all), 40 * 5);
}

TEST_F(ShapeTest, FocusRectangleInvertsEverySecondPixelAndUndoesItself) {
    c->GetBrush()->SetColor(clRed);
    c->FillRect(TRect(0, 0, 20, 20));
    const std::vector<std::uint8_t> before = Snapshot(*bmp);
    c->DrawFocusRect(TRect(2, 2, 12, 8));
    int changed = 0;
    for (int x = 2; x < 12; ++x) changed += c->GetPixels(x, 2) != clRed;
    EXPECT_EQ(changed, 5);
    EXPECT_NE(c->GetPixels(2, 2), c->GetPixels(3, 2));
    EXPECT_EQ(c->GetPixels(5, 5), clRed);   // inside untouched
    EXPECT_EQ(c->GetPixels(1, 2), clRed);   // outside untouched
    c->DrawFocusRect(TRect(2, 2, 12, 8));
    EXPECT_EQ(Snapshot(*bmp), before);
}

TEST_F(ShapeTest, PenModesFollowTheirTruthTables) {
    // Each mode on destination 0x0F0FF0 (per channel) with pen 0x3355AA.
    const TColor d = 0x0F0FF0, p = 0x3355AA;
    struct Case {
        TPenMode mode;
        TColor expected;
    };
    const Case cases[] = {
        {pmBlack, 0},
        {pmWhite, 0xFFFFFF},
        {pmNop, d},
        {pmNot, ~d & 0xFFFFFF},
        {pmCopy, p},
        {pmNotCopy, ~p & 0xFFFFFF},
        {pmMergePenNot, (p | ~d) & 0xFFFFFF},
        {pmMaskPenNot, p & ~d & 0xFFFFFF},
        {pmMergeNotPen, (~p | d) & 0xFFFFFF},
        {pmMaskNotPen, ~p & d & 0xFFFFFF},
        {pmMerge, p | d},
        {pmNotMerge, ~(p | d) & 0xFFFFFF},
        {pmMask, p & d},
        {pmNotMask, ~(p & d) & 0xFFFFFF},
        {pmXor, p ^ d},
        {pmNotXor, ~(p ^ d) & 0xFFFFFF},
    };
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        auto b = WhiteBitmap(4, 4, format);
        TCanvas* k = b->GetCanvas();
        for (const Case& e : cases) {
            k->GetPen()->SetMode(pmCopy);
            k->GetPen()->SetColor(d);
            k->MoveTo(0, 1);
            k->LineTo(3, 1);
            k->GetPen()->SetMode(e.mode);
            k->GetPen()->SetColor(p);
            k->MoveTo(0, 1);
            k->LineTo(2, 1);
            EXPECT_EQ(k->GetPixels(0, 1), e.expected) << "mode " << int(e.mode);
            EXPECT_EQ(k->GetPixels(2, 1), d) << "end pixel untouched, mode " << int(e.mode);
        }
    }
}

TEST_F(ShapeTest, SystemColoursResolveWhenDrawing) {
    c->GetBrush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, 2, 2));
    EXPECT_EQ(c->GetPixels(0, 0), ColorToRGB(clBtnFace));
}

}  // namespace
