#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

// ---- arcs, pies and chords -----------------------------------------------------------------

struct Quadrant {
    TPoint start, end;                 // points on the rays (box 0,0,21,21, centre 10,10)
    TPoint firstPixel, excludedPixel;  // where the arc begins, where it stops
    bool (*contains)(int x, int y);
};

const Quadrant kQuadrants[] = {
    {{30, 10}, {10, -5}, {20, 10}, {10, 0}, [](int x, int y) { return x >= 10 && y <= 10; }},
    {{10, -5}, {-9, 10}, {10, 0}, {0, 10}, [](int x, int y) { return x <= 10 && y <= 10; }},
    {{-9, 10}, {10, 40}, {0, 10}, {10, 20}, [](int x, int y) { return x <= 10 && y >= 10; }},
    {{10, 40}, {30, 10}, {10, 20}, {20, 10}, [](int x, int y) { return x >= 10 && y >= 10; }},
};

TEST(ArcTest, ArcsRunCounterClockwiseFromTheStartRayInEveryQuadrant) {
    for (int q = 0; q < 4; ++q) {
        auto bmp = WhiteBitmap(21, 21);
        TCanvas* c = bmp->GetCanvas();
        const Quadrant& k = kQuadrants[q];
        c->Arc(0, 0, 21, 21, k.start.X, k.start.Y, k.end.X, k.end.Y);
        const auto lit = PixelsOf(c, TRect(0, 0, 21, 21), clBlack);
        EXPECT_GE(lit.size(), 12u) << "quadrant " << q;
        for (auto [x, y] : lit) EXPECT_TRUE(k.contains(x, y)) << "quadrant " << q << " pixel " << x << "," << y;
        EXPECT_TRUE(lit.contains({k.firstPixel.X, k.firstPixel.Y})) << "quadrant " << q;
        EXPECT_FALSE(lit.contains({k.excludedPixel.X, k.excludedPixel.Y})) << "quadrant " << q;
    }
}

TEST(ArcTest, SwappedRaysTakeTheLongWayRound) {
    auto bmp = WhiteBitmap(21, 21);
    TCanvas* c = bmp->GetCanvas();
    c->Arc(0, 0, 21, 21, 10, -5, 30, 10);   // from 90 degrees counter-clockwise to 0
    EXPECT_EQ(c->GetPixels(0, 10), clBlack);
    EXPECT_EQ(c->GetPixels(10, 20), clBlack);
    EXPECT_EQ(c->GetPixels(17, 3), clWhite);   // the short way stays empty
    EXPECT_EQ(c->GetPixels(20, 10), clWhite);  // the end is not drawn
}

TEST(ArcTest, CoincidingRaysDrawTheWholeEllipse) {
    auto a = WhiteBitmap(21, 21), e = WhiteBitmap(21, 21);
    a->GetCanvas()->Arc(0, 0, 21, 21, 30, 3, 30, 3);
    e->GetCanvas()->GetBrush()->SetStyle(bsClear);
    e->GetCanvas()->Ellipse(0, 0, 21, 21);
    EXPECT_EQ(Snapshot(*a), Snapshot(*e));
}

TEST(ArcTest, PiesFillTheirSectorAndDrawLinesToTheCentre) {
    for (int q = 0; q < 4; ++q) {
        auto bmp = WhiteBitmap(21, 21);
        TCanvas* c = bmp->GetCanvas();
        c->GetBrush()->SetColor(clRed);
        const Quadrant& k = kQuadrants[q];
        c->Pie(0, 0, 21, 21, k.start.X, k.start.Y, k.end.X, k.end.Y);
        EXPECT_EQ(c->GetPixels(10, 10), clBlack) << "centre, quadrant " << q;
        EXPECT_EQ(c->GetPixels(k.firstPixel.X, k.firstPixel.Y), clBlack) << q;
        EXPECT_EQ(c->GetPixels(k.excludedPixel.X, k.excludedPixel.Y), clBlack) << "closed outline " << q;
        // Halfway along both rays.
        EXPECT_EQ(c->GetPixels((10 + k.firstPixel.X) / 2, (10 + k.firstPixel.Y) / 2), clBlack) << q;
        EXPECT_EQ(c->GetPixels((10 + k.excludedPixel.X) / 2, (10 + k.excludedPixel.Y) / 2), clBlack) << q;
        int red = 0;
        for (auto [x, y] : PixelsOf(c, TRect(0, 0, 21, 21), clRed)) {
            EXPECT_TRUE(k.contains(x, y)) << "quadrant " << q << " pixel " << x << "," << y;
            ++red;
        }
        EXPECT_GT(red, 40) << q;
    }
}

TEST(ArcTest, ChordClosesWithAStraightLine) {
    auto bmp = WhiteBitmap(21, 21);
    TCanvas* c = bmp->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->Chord(0, 0, 21, 21, 30, 10, 10, -5);   // right to top
    EXPECT_EQ(c->GetPixels(15, 5), clBlack);  // on the chord from (20,10) to (10,0)
    EXPECT_EQ(c->GetPixels(17, 4), clRed);    // between chord and arc
    EXPECT_EQ(c->GetPixels(12, 8), clWhite);  // the centre side of the chord is empty
    EXPECT_EQ(c->GetPixels(10, 10), clWhite);
}

// ---- polygons ------------------------------------------------------------------------------

TEST(PolygonTest, PenOutlineIncludesTheFarVertices) {
    auto bmp = WhiteBitmap(20, 20);
    TCanvas* c = bmp->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->Polygon({TPoint(0, 0), TPoint(10, 0), TPoint(10, 10), TPoint(0, 10)});
    EXPECT_EQ(InkBounds(c, TRect(0, 0, 20, 20)), TRect(0, 0, 11, 11));
    EXPECT_EQ(CountInk(c, TRect(0, 0, 20, 20)), 121);
    EXPECT_EQ(c->GetPixels(5, 5), clRed);
    EXPECT_EQ(c->GetPixels(10, 10), clBlack);
}

TEST(PolygonTest, FillCoversPixelsWhoseTopLeftCornerIsInside) {
    auto bmp = WhiteBitmap(20, 20);
    TCanvas* c = bmp->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clRed);
    c->Polygon({TPoint(0, 0), TPoint(10, 0), TPoint(10, 10), TPoint(0, 10)});
    EXPECT_EQ(InkBounds(c, TRect(0, 0, 20, 20)), TRect(0, 0, 10, 10));
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(TRect(0, 0, 20, 20));
    c->GetBrush()->SetColor(clRed);
    c->Polygon({TPoint(0, 0), TPoint(4, 0), TPoint(0, 4)});
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 5, 5), clRed), (std::vector<std::string>{
                                                         "####.",
                                                         "###..",
                                                         "##...",
                                                         "#....",
                                                         ".....",
                                                     }));
}

TEST(PolygonTest, SelfIntersectingStarLeavesItsCentreEmpty) {
    auto bmp = WhiteBitmap(41, 41);
    TCanvas* c = bmp->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clRed);
    std::vector<TPoint> star;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        star.push_back(TPoint(20 + int(std::lround(18 * std::cos(a))), 20 + int(std::lround(18 * std::sin(a)))));
    }
    c->Polygon(star);
    EXPECT_EQ(c->GetPixels(20, 20), clWhite);   // inside twice: even-odd leaves it out
    EXPECT_EQ(c->GetPixels(20, 6), clRed);      // the top point's triangle
}

TEST(PolygonTest, HugePolygonsAreClippedQuickly) {
    auto bmp = WhiteBitmap(30, 30);
    TCanvas* c = bmp->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clRed);
    const auto start = std::chrono::steady_clock::now();
    c->Polygon({TPoint(-1000000, -1000000), TPoint(1000000, -1000000), TPoint(1000000, 1000000),
                TPoint(-1000000, 1000000)});
    c->Ellipse(-1000000, -1000000, 1000015, 1000015);
    c->Pie(-1000000, -1000000, 1000000, 1000000, 1000000, 0, 0, -1000000);
    EXPECT_EQ(CountInk(c, TRect(0, 0, 30, 30), clRed), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
}

// ---- flood fill ----------------------------------------------------------------------------

class FloodFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        bmp = WhiteBitmap(20, 20);
        c = bmp->GetCanvas();
        c->GetBrush()->SetStyle(bsClear);
        c->Rectangle(2, 2, 12, 12);   // a closed frame
        c->GetBrush()->SetColor(clRed);
    }
    std::unique_ptr<TBitmap> bmp;
    TCanvas* c = nullptr;
};

TEST_F(FloodFillTest, SurfaceModeFillsTheEqualColouredArea) {
    EXPECT_TRUE(c->FloodFill(5, 5, clWhite, fsSurface));
    EXPECT_EQ(CountInk(c, TRect(0, 0, 20, 20), clWhite), 100);   // 36 frame + 64 inside
    EXPECT_EQ(c->GetPixels(3, 3), clRed);
    EXPECT_EQ(c->GetPixels(10, 10), clRed);
    EXPECT_EQ(c->GetPixels(1, 1), clWhite);
}

TEST_F(FloodFillTest, DiagonalGapDoesNotLeak) {
    c->SetPixels(2, 2, clWhite);   // open a corner: the inside touches the outside only diagonally
    EXPECT_TRUE(c->FloodFill(5, 5, clWhite, fsSurface));
    EXPECT_EQ(c->GetPixels(1, 1), clWhite);
    EXPECT_EQ(c->GetPixels(2, 2), clWhite);
    EXPECT_EQ(c->GetPixels(3, 3), clRed);
}

TEST_F(FloodFillTest, SideGapLeaks) {
    c->SetPixels(6, 2, clWhite);
    EXPECT_TRUE(c->FloodFill(5, 5, clWhite, fsSurface));
    EXPECT_EQ(c->GetPixels(6, 2), clRed);
    EXPECT_EQ(c->GetPixels(1, 1), clRed);
    EXPECT_EQ(c->GetPixels(19, 19), clRed);
}

TEST_F(FloodFillTest, BorderModeFillsUpToTheBorderColour) {
    c->SetPixels(6, 6, clGreen);   // not the border colour: filled over
    EXPECT_TRUE(c->FloodFill(5, 5, clBlack, fsBorder));
    EXPECT_EQ(c->GetPixels(6, 6), clRed);
    EXPECT_EQ(c->GetPixels(3, 10), clRed);
    EXPECT_EQ(c->GetPixels(2, 5), clBlack);
    EXPECT_EQ(c->GetPixels(15, 15), clWhite);
}

TEST_F(FloodFillTest, StartPixelThatDoesNotQualifyFillsNothing) {
    const auto before = Snapshot(*bmp);
    EXPECT_FALSE(c->FloodFill(2, 5, clWhite, fsSurface));
    EXPECT_FALSE(c->FloodFill(5, 5, clWhite, fsBorder));
    EXPECT_FALSE(c->FloodFill(50, 5, clWhite, fsSurface));
    EXPECT_EQ(Snapshot(*bmp), before);
}

TEST_F(FloodFillTest, FillingWithTheSameColourEnds) {
    c->GetBrush()->SetColor(clWhite);
    EXPECT_TRUE(c->FloodFill(5, 5, clWhite, fsSurface));
    c->GetPen()->SetMode(pmNop);   // the mix applies to fills; a no-op fill must end too
    EXPECT_TRUE(c->FloodFill(0, 0, clWhite, fsSurface));
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
}

TEST_F(FloodFillTest, FillStaysInsideTheClip) {
    c->SetClipRect(TRect(0, 0, 6, 20));
    EXPECT_TRUE(c->FloodFill(5, 5, clWhite, fsSurface));
    c->ResetClipRect();
    EXPECT_EQ(c->GetPixels(5, 5), clRed);
    EXPECT_EQ(c->GetPixels(6, 5), clWhite);
}

}  // namespace

// ---- internal: the on-demand ellipse outline equals the materialised loop ---------------

#include "platform/graphics/raster/Ellipses.h"

namespace {

TEST(EllipseOutlineTest, PointsOnDemandMatchTheLoop) {
    for (int w = 3; w <= 24; ++w)
        for (int h = 3; h <= 24; ++h) {
            const TRect box(5, -7, 5 + w, -7 + h);
            const std::vector<TPoint> loop = raster::EllipseLoop(box);
            const raster::EllipseOutline outline(box);
            ASSERT_EQ(outline.Size(), loop.size()) << w << "x" << h;
            for (std::size_t i = 0; i < loop.size(); ++i) ASSERT_EQ(outline.At(i), loop[i]) << w << "x" << h << " at " << i;
        }
}

}  // namespace
