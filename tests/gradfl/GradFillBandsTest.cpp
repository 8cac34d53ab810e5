// Band edges and band colours of the gradient fill, without a canvas.
#include <gtest/gtest.h>

#include <vector>

#include "gradfl/Zyn_gradfl.h"
#include "platform/SysUtils.h"

using namespace zyn;
using vcl::TColor;

namespace {

// Channel values of a colour as {r, g, b}.
std::vector<int> Rgb(TColor C) { return {vcl::GetRValue(C), vcl::GetGValue(C), vcl::GetBValue(C)}; }

}  // namespace

TEST(GradFillBands, EdgesCoverTheAreaWithoutGapsAndDifferByAtMostOne) {
    for (int extent : {1, 7, 100, 121, 1000}) {
        for (int n : {1, 2, 3, 7, 16, 255}) {
            EXPECT_EQ(GradBandEdge(0, extent, n), 0);
            EXPECT_EQ(GradBandEdge(n, extent, n), extent);
            int smallest = extent, largest = 0;
            for (int k = 0; k < n; ++k) {
                const int size = GradBandEdge(k + 1, extent, n) - GradBandEdge(k, extent, n);
                smallest = std::min(smallest, size);
                largest = std::max(largest, size);
            }
            EXPECT_LE(largest - smallest, 1) << extent << " / " << n;
        }
    }
    // 121 pixels in 16 bands: the edges round half away from zero (121 * 8 / 16 = 60.5).
    EXPECT_EQ(GradBandEdge(8, 121, 16), 61);
    EXPECT_EQ(GradBandEdge(1, 121, 16), 8);   // 7.5625
    EXPECT_EQ(GradBandEdge(2, 121, 16), 15);  // 15.125
}

TEST(GradFillBands, RectanglesRunAlongTheLayoutsAxis) {
    EXPECT_EQ(GradBandRect(gtHoriz, 2, 16, 121, 121), vcl::Rect(0, 15, 121, 23));
    EXPECT_EQ(GradBandRect(gtMidBandHoriz, 2, 16, 121, 121), vcl::Rect(0, 15, 121, 23));
    EXPECT_EQ(GradBandRect(gtVert, 2, 16, 121, 50), vcl::Rect(15, 0, 23, 50));
    EXPECT_EQ(GradBandRect(gtMidBandVert, 15, 16, 121, 50), vcl::Rect(113, 0, 121, 50));
    EXPECT_EQ(GradBandRect(gtHoriz, 0, 1, 30, 40), vcl::Rect(0, 0, 30, 40));
}

TEST(GradFillBands, EdgeToEdgeStepsStopOneShortOfTheLastColour) {
    const TColor first = vcl::clMaroon, last = vcl::clYellow;   // (128,0,0) -> (255,255,0)
    EXPECT_EQ(GradBandColor(gtHoriz, 0, 16, first, last), first);
    // Band k: each channel moves by MulDiv(k, d, 16), rounding half away from zero.
    EXPECT_EQ(Rgb(GradBandColor(gtHoriz, 1, 16, first, last)), (std::vector<int>{136, 16, 0}));   // 7.9375, 15.9375
    EXPECT_EQ(Rgb(GradBandColor(gtVert, 15, 16, first, last)), (std::vector<int>{247, 239, 0}));
    EXPECT_NE(GradBandColor(gtHoriz, 15, 16, first, last), last);
    // Falling channels round away from zero too: 255 -> 0 in 3 bands gives 255, 170, 85.
    EXPECT_EQ(Rgb(GradBandColor(gtHoriz, 1, 3, vcl::clWhite, vcl::clBlack)), (std::vector<int>{170, 170, 170}));
    EXPECT_EQ(Rgb(GradBandColor(gtHoriz, 2, 3, vcl::clWhite, vcl::clBlack)), (std::vector<int>{85, 85, 85}));
    // A single band shows the first colour.
    EXPECT_EQ(GradBandColor(gtHoriz, 0, 1, first, last), first);
    EXPECT_EQ(GradBandColor(gtVert, 0, 1, first, last), first);
}

TEST(GradFillBands, MidBandRisesToTheLastColourAndFallsBack) {
    const TColor first = vcl::RGB(0, 0, 0), last = vcl::RGB(160, 80, 240);
    // 16 bands: steps 0, 1, ..., 8, 6, 5, ..., 0 of eighths of the way.
    const int steps[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 6, 5, 4, 3, 2, 1, 0};
    for (int k = 0; k < 16; ++k) {
        const TColor want = vcl::RGB(20 * steps[k], 10 * steps[k], 30 * steps[k]);
        EXPECT_EQ(GradBandColor(gtMidBandVert, k, 16, first, last), want) << k;
        EXPECT_EQ(GradBandColor(gtMidBandHoriz, k, 16, first, last), want) << k;
    }
    EXPECT_EQ(GradBandColor(gtMidBandHoriz, 8, 16, first, last), last);
    // An odd count is symmetric about its middle band.
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(GradBandColor(gtMidBandHoriz, k, 5, first, last), GradBandColor(gtMidBandHoriz, 4 - k, 5, first, last));
    // One band has no middle: the first colour, not a division by zero.
    EXPECT_EQ(GradBandColor(gtMidBandHoriz, 0, 1, vcl::clMaroon, vcl::clYellow), vcl::clMaroon);
    EXPECT_EQ(GradBandColor(gtMidBandVert, 0, 1, vcl::clMaroon, vcl::clYellow), vcl::clMaroon);
}

TEST(GradFillBands, SystemColoursAreResolved) {
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace);
    EXPECT_EQ(GradBandColor(gtHoriz, 0, 4, vcl::clBtnFace, vcl::clBlack), face);
    EXPECT_EQ(GradBandColor(gtMidBandHoriz, 2, 4, vcl::clBlack, vcl::clBtnFace), face);
}
