#include <gtest/gtest.h>

#include <chrono>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

// The rule for one-pixel lines, computed independently of the drawing code: one pixel per
// step of the major axis, the pixel nearest the ideal line, exact ties to the smaller
// minor coordinate, the end point excluded.
PixelSet RulePixels(TPoint p0, TPoint p1) {
    PixelSet s;
    const int dx = p1.X - p0.X, dy = p1.Y - p0.Y;
    const bool yMajor = std::abs(dy) >= std::abs(dx);
    const int n = yMajor ? std::abs(dy) : std::abs(dx);
    for (int i = 0; i < n; ++i) {
        const int major = (yMajor ? p0.Y : p0.X) + (yMajor ? (dy > 0 ? i : -i) : (dx > 0 ? i : -i));
        // Exact minor coordinate t / n; nearest integer with ties going down.
        const long t = long(yMajor ? p0.X : p0.Y) * n + long(yMajor ? dx : dy) * i;
        const long twice = 2 * t - n;
        const long minor = twice >= 0 ? (twice + 2 * n - 1) / (2 * n) : -((-twice) / (2 * n));
        if (yMajor) s.insert({int(minor), major});
        else s.insert({major, int(minor)});
    }
    return s;
}

class LineTest : public ::testing::Test {
protected:
    void SetUp() override {
        bmp = WhiteBitmap(60, 60);
        c = bmp->GetCanvas();
        c->SetOrigin(TPoint(30, 30));   // logical (0, 0) in the middle: all octants fit
    }
    PixelSet Drawn(TPoint p0, TPoint p1) {
        c->GetBrush()->SetColor(clWhite);
        c->FillRect(TRect(-30, -30, 30, 30));
        c->MoveTo(p0.X, p0.Y);
        c->LineTo(p1.X, p1.Y);
        return PixelsOf(c, TRect(-30, -30, 30, 30), clBlack);
    }
    std::unique_ptr<TBitmap> bmp;
    TCanvas* c = nullptr;
};

TEST_F(LineTest, ShallowLineLightsNearestPixelsAndExcludesTheEnd) {
    c->MoveTo(0, 0);
    c->LineTo(5, 2);
    EXPECT_EQ(PixelMap(c, TRect(-1, -1, 7, 4)), (std::vector<std::string>{
                                                    "........",
                                                    ".##.....",
                                                    "...##...",
                                                    ".....#..",
                                                    "........",   // (5, 2) is the end: not drawn
                                                }));
    EXPECT_EQ(c->GetPixels(5, 2), clWhite);
    EXPECT_EQ(c->GetPenPos(), TPoint(5, 2));
}

TEST_F(LineTest, DocumentedExamples) {
    struct Case {
        TPoint from, to;
        PixelSet lit;
    };
    const Case cases[] = {
        {{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {{0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {{0, 0}, {-4, 2}, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},
        {{10, 5}, {2, 5}, {{10, 5}, {9, 5}, {8, 5}, {7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{3, 3}, {3, 3}, {}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Drawn(k.from, k.to), k.lit) << k.from.X << "," << k.from.Y << " -> " << k.to.X << "," << k.to.Y;
}

TEST_F(LineTest, FanInEveryOctantFollowsTheRuleInBothDirections) {
    for (int a = -9; a <= 9; ++a) {
        for (int b = -9; b <= 9; ++b) {
            const TPoint p0(0, 0), p1(a, b);
            const PixelSet forward = Drawn(p0, p1);
            ASSERT_EQ(forward, RulePixels(p0, p1)) << "to " << a << "," << b;
            // Reversing the line changes only which end pixel is dropped.
            PixelSet f = forward, r = Drawn(p1, p0);
            if (a != 0 || b != 0) {
                f.insert({a, b});
                r.insert({0, 0});
            }
            ASSERT_EQ(f, r) << "reversed " << a << "," << b;
        }
    }
}

TEST_F(LineTest, PolylineDrawsInteriorVerticesOnceAndXorCrossingsTwice) {
    c->GetPen()->SetMode(pmXor);
    c->GetPen()->SetColor(clWhite);   // XOR with white inverts
    // The last segment (4,4) -> (2,-2) passes (3, 0), which the first segment drew too.
    c->Polyline({TPoint(0, 0), TPoint(4, 0), TPoint(4, 4), TPoint(2, -2)});
    EXPECT_EQ(c->GetPixels(2, 0), clBlack);
    EXPECT_EQ(c->GetPixels(3, 0), clWhite);    // mixed twice
    EXPECT_EQ(c->GetPixels(4, 0), clBlack);    // interior vertex, once
    EXPECT_EQ(c->GetPixels(4, 4), clBlack);
    EXPECT_EQ(c->GetPixels(2, -2), clWhite);   // the final point is not drawn
}

TEST_F(LineTest, WidePenIsABandWithRoundEnds) {
    c->GetPen()->SetWidth(3);
    c->MoveTo(0, 0);
    c->LineTo(6, 0);
    EXPECT_EQ(PixelMap(c, TRect(-2, -2, 9, 3)), (std::vector<std::string>{
                                                    "...........",
                                                    "..#######..",
                                                    ".#########.",
                                                    "..#######..",
                                                    "...........",
                                                }));
    // Even widths put the extra row above: offsets -2 .. 1.
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(TRect(-30, -30, 30, 30));
    c->GetPen()->SetWidth(4);
    c->MoveTo(0, 10);
    c->LineTo(10, 10);
    EXPECT_EQ(InkBounds(c, TRect(-30, -30, 30, 30)), TRect(-2, 8, 12, 12));
}

TEST_F(LineTest, WideXorLineMixesEachPixelOnce) {
    c->GetPen()->SetWidth(5);
    c->GetPen()->SetMode(pmXor);
    c->GetPen()->SetColor(clWhite);
    c->Polyline({TPoint(-10, -10), TPoint(10, -4), TPoint(-5, 12)});
    // Overlapping bands and discs are painted once: no pixel is XORed back to white
    // inside the joined stroke.
    EXPECT_EQ(c->GetPixels(10, -4), clBlack);
    EXPECT_EQ(c->GetPixels(9, -4), clBlack);
    EXPECT_EQ(c->GetPixels(10, -3), clBlack);
    const int once = CountInk(c, TRect(-30, -30, 30, 30));
    c->Polyline({TPoint(-10, -10), TPoint(10, -4), TPoint(-5, 12)});
    EXPECT_EQ(CountInk(c, TRect(-30, -30, 30, 30)), 0);
    EXPECT_GT(once, 80);
}

TEST_F(LineTest, DashedPenGapsTakeTheBrushColourOrStayWhenTheBrushIsClear) {
    c->GetPen()->SetStyle(psDot);   // 3 on, 3 off
    c->GetBrush()->SetColor(clRed);
    c->MoveTo(0, 0);
    c->LineTo(12, 0);
    EXPECT_EQ(PixelMap(c, TRect(0, 0, 13, 1), clBlack, clRed), (std::vector<std::string>{"###...###...?"}));
    c->GetBrush()->SetStyle(bsClear);
    c->MoveTo(0, 2);
    c->LineTo(12, 2);
    EXPECT_EQ(PixelMap(c, TRect(0, 2, 13, 3)), (std::vector<std::string>{"###...###...."}));
    // A dashed pen wider than one pixel draws solid.
    c->GetPen()->SetWidth(2);
    c->MoveTo(0, 6);
    c->LineTo(12, 6);
    EXPECT_EQ(PixelMap(c, TRect(0, 6, 13, 7)), (std::vector<std::string>{"#############"}));
}

TEST_F(LineTest, ClearPenDrawsNothingButMovesThePen) {
    c->GetPen()->SetStyle(psClear);
    c->MoveTo(0, 0);
    c->LineTo(10, 10);
    EXPECT_EQ(CountInk(c, TRect(-30, -30, 30, 30)), 0);
    EXPECT_EQ(c->GetPenPos(), TPoint(10, 10));
}

TEST_F(LineTest, FarOutOfRangeLinesAreClippedQuicklyAndExactly) {
    const auto start = std::chrono::steady_clock::now();
    // A long diagonal through the surface lights the same pixels as the same line drawn
    // from near by (it has the same slope through the same points).
    c->MoveTo(-1000000, -1000000);
    c->LineTo(1000000, 1000000);
    const PixelSet far = PixelsOf(c, TRect(-30, -30, 30, 30), clBlack);
    EXPECT_EQ(far, Drawn(TPoint(-40, -40), TPoint(40, 40)));
    // Slanted lines whose skipped part has an error term to carry.
    const TPoint a(-999999, -333333), b(1000002, 333334);
    Drawn(a, b);
    PixelSet expected;
    // Check the visible part against the rule evaluated at the same global coordinates.
    const PixelSet visible = PixelsOf(c, TRect(-30, -30, 30, 30), clBlack);
    for (int x = -30; x < 30; ++x) {
        const long i = long(x) - a.X;
        const long n = long(b.X) - a.X, d = long(b.Y) - a.Y;
        const long t = long(a.Y) * n + d * i;
        const long twice = 2 * t - n;
        const long y = twice >= 0 ? (twice + 2 * n - 1) / (2 * n) : -((-twice) / (2 * n));
        if (y >= -30 && y < 30) expected.insert({x, int(y)});
    }
    EXPECT_EQ(visible, expected);
    c->MoveTo(5, -2000000000);
    c->LineTo(5, 2000000000);
    EXPECT_EQ(c->GetPixels(5, 29), clBlack);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

}  // namespace
