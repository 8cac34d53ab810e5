// The gradient fill's picture, probed at band, grid and frame pixels.
#include <gtest/gtest.h>

#include "gradfl/Zyn_gradfl.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Ground = 0x00123456;

struct Picture {
    vcl::TBitmap bmp;
    explicit Picture(TGradFill& g) {
        bmp.SetSize(g.GetWidth(), g.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(Ground);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, g.GetWidth(), g.GetHeight()));
        g.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    TColor At(int X, int Y) { return bmp.GetCanvas()->GetPixels(X, Y); }
};

}  // namespace

TEST(GradFillPaint, InitialControlIsSixteenBandsFromMaroonDown) {
    TGradFill g(nullptr);
    ASSERT_EQ(g.GetWidth(), 121);
    ASSERT_EQ(g.GetHeight(), 121);
    Picture p(g);
    for (int k = 0; k < 16; ++k) {
        const int top = GradBandEdge(k, 121, 16), bottom = GradBandEdge(k + 1, 121, 16);
        const TColor want = GradBandColor(gtHoriz, k, 16, vcl::clMaroon, vcl::clYellow);
        // Both rows of the band, at both sides: nothing of the ground shows, no frame.
        EXPECT_EQ(p.At(0, top), want) << k;
        EXPECT_EQ(p.At(120, bottom - 1), want) << k;
    }
    EXPECT_EQ(p.At(60, 0), vcl::clMaroon);
    EXPECT_EQ(p.At(60, 120), vcl::RGB(247, 239, 0));   // 15/16 of the way to yellow
}

TEST(GradFillPaint, VerticalAndMidBandLayouts) {
    TGradFill g(nullptr);
    g.SetBounds(0, 0, 160, 40);
    g.SetColorFirst(vcl::clBlack);
    g.SetColorLast(vcl::RGB(80, 160, 240));
    g.SetFillType(gtMidBandVert);
    Picture p(g);
    // 10-pixel columns: black at both edges, the last colour in band 8.
    EXPECT_EQ(p.At(0, 20), vcl::clBlack);
    EXPECT_EQ(p.At(159, 20), vcl::clBlack);
    EXPECT_EQ(p.At(80, 0), vcl::RGB(80, 160, 240));
    EXPECT_EQ(p.At(89, 39), vcl::RGB(80, 160, 240));
    EXPECT_EQ(p.At(90, 20), vcl::RGB(60, 120, 180));   // band 9 is step 6 of 8
    EXPECT_EQ(p.At(79, 20), vcl::RGB(70, 140, 210));   // band 7
}

TEST(GradFillPaint, GridLinesLieOnTheBandEdgesBelowTheFrame) {
    TGradFill g(nullptr);
    g.SetBounds(0, 0, 100, 80);
    g.SetNrColors(4);
    g.SetGridColor(vcl::clLime);
    g.SetGridMode(gmHoriz);
    {
        Picture p(g);
        for (int y : {20, 40, 60}) EXPECT_EQ(p.At(50, y), vcl::clLime) << y;
        EXPECT_EQ(p.At(0, 40), vcl::clLime);     // across the whole width
        EXPECT_EQ(p.At(99, 40), vcl::clLime);
        EXPECT_NE(p.At(50, 21), vcl::clLime);
        EXPECT_NE(p.At(50, 0), vcl::clLime);     // the outer edges carry no line
        EXPECT_NE(p.At(25, 30), vcl::clLime);    // no vertical lines
    }
    g.SetGridMode(gmVert);
    {
        Picture p(g);
        for (int x : {25, 50, 75}) EXPECT_EQ(p.At(x, 10), vcl::clLime) << x;
        EXPECT_NE(p.At(30, 40), vcl::clLime);    // no horizontal lines
    }
    g.SetGridMode(gmBoth);
    g.SetFrameStyle(frSingle);
    {
        Picture p(g);
        EXPECT_EQ(p.At(25, 10), vcl::clLime);
        EXPECT_EQ(p.At(10, 20), vcl::clLime);
        EXPECT_EQ(p.At(0, 20), vcl::clBlack);    // the frame lies over the grid
        EXPECT_EQ(p.At(25, 79), vcl::clBlack);
    }
}
