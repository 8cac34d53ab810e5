// The progress bar's logic without pixels: the colour table, the bar length, the gradient
// index of each mapping, the value text and its placement.
#include <gtest/gtest.h>

#include <limits>

#include "platform/Graphics.h"
#include "progbar/Zyn_ProgBar.h"

using namespace zyn;
using vcl::RGB;
using vcl::TColor;

TEST(ProgBarLayout, ColourInterpolationTruncatesEachChannel) {
    EXPECT_EQ(InterpolateColor(vcl::clBlack, vcl::clWhite, 511.0 / 1023), RGB(127, 127, 127));
    EXPECT_EQ(InterpolateColor(RGB(255, 0, 10), RGB(0, 255, 10), 0.5), RGB(128, 127, 10));   // towards zero both ways
    EXPECT_EQ(InterpolateColor(RGB(10, 20, 30), RGB(200, 100, 0), 7), RGB(200, 100, 0));     // fraction clamped
    vcl::SetSysColor(15, RGB(100, 100, 100));   // system colours take their colour
    EXPECT_EQ(InterpolateColor(vcl::clBtnFace, vcl::clBlack, 0), RGB(100, 100, 100));
    vcl::ResetSysColors();
}

TEST(ProgBarLayout, BarLength) {
    EXPECT_EQ(BarLength(50, 0, 100, 292), 146);   // half of a 300-pixel bar with margins of 4
    EXPECT_EQ(BarLength(10, 0, 100, 292), 29);    // Round(29.2)
    EXPECT_EQ(BarLength(1, 0, 2, 5), 2);          // Round(2.5): halves to even
    EXPECT_EQ(BarLength(25, 100, 0, 292), 219);   // a reversed range counts from Min
    EXPECT_EQ(BarLength(100, 0, 100, 292), 292);
    // Drawn only within the inner area: past Max a full bar, below Min none.
    EXPECT_EQ(BarLength(1e300, 0, 100, 292), 292);
    EXPECT_EQ(BarLength(-5, 0, 100, 292), 0);
    // Max = Min, and values that are no number, give an empty bar.
    EXPECT_EQ(BarLength(50, 7, 7, 292), 0);
    EXPECT_EQ(BarLength(std::numeric_limits<double>::quiet_NaN(), 0, 100, 292), 0);
    EXPECT_EQ(BarLength(std::numeric_limits<double>::infinity(), 0, 100, 292), 292);
    EXPECT_EQ(BarLength(50, 0, 100, -8), 0);   // margins wider than the control
}

TEST(ProgBarLayout, GradientIndexOfEachMapping) {
    // A bar 146 pixels long over an inner area of 292.
    struct Row {
        int k, cover, stretch, move;
    };
    const Row rows[] = {
        {0, 0, 0, 515},
        {73, 256, 512, 771},
        {145, 508, 1016, 1023},   // the tip: only the moving gradient reaches the last colour
    };
    for (const Row& r : rows) {
        EXPECT_EQ(GradientIndex(cgmCover, r.k, 146, 292), r.cover) << r.k;
        EXPECT_EQ(GradientIndex(cgmStretch, r.k, 146, 292), r.stretch) << r.k;
        EXPECT_EQ(GradientIndex(cgmMove, r.k, 146, 292), r.move) << r.k;
    }
    // A full bar: the covered gradient comes near its end at the tip (the last row is
    // 291 of 292); the moving one is the covered one shifted to end in the last colour.
    EXPECT_EQ(GradientIndex(cgmCover, 291, 292, 292), 1019);
    EXPECT_EQ(GradientIndex(cgmMove, 291, 292, 292), 1023);
    EXPECT_EQ(GradientIndex(cgmMove, 0, 292, 292), 4);
    // Indexes stay in the table.
    EXPECT_EQ(GradientIndex(cgmCover, 400, 400, 292), 1023);
    EXPECT_EQ(GradientIndex(cgmStretch, 0, 0, 292), 0);
    EXPECT_EQ(GradientIndex(cgmMove, 0, 1, 0), 0);
}

TEST(ProgBarLayout, ValueText) {
    EXPECT_EQ(ProgBarValueText(10, 0), "10");
    EXPECT_EQ(ProgBarValueText(10, 2), "10.00");
    EXPECT_EQ(ProgBarValueText(2.5, 0), "3");            // halves up, as the runtime writes
    EXPECT_EQ(ProgBarValueText(-0.001, 2), "-0.00");
    EXPECT_EQ(ProgBarValueText(1.0 / 3, 10), "0.3333333333");
    EXPECT_EQ(ProgBarValueText(1234.5, -1), " 1.2E+03");
    EXPECT_EQ(ProgBarValueText(1234.5, -2), " 1.2E+0003");
    EXPECT_EQ(ProgBarValueText(-1e-150, -2), "-1.0E-0150");
    EXPECT_EQ(ProgBarValueText(1e150, -1), "*");         // three exponent digits do not fit
}

TEST(ProgBarLayout, TextOriginAtZeroNinetyAndOneEighty) {
    // A text 41 pixels wide and 15 high: m = 20, t = 7.
    struct Row {
        vcl::TAlignment align;
        int angle, x, y;
    };
    const Row rows[] = {
        {vcl::taLeftJustify, 0, 100, 43},   {vcl::taCenter, 0, 80, 43},    {vcl::taRightJustify, 0, 60, 43},
        {vcl::taLeftJustify, 90, 93, 50},   {vcl::taCenter, 90, 93, 70},   {vcl::taRightJustify, 90, 93, 90},
        {vcl::taLeftJustify, 180, 100, 57}, {vcl::taCenter, 180, 120, 57}, {vcl::taRightJustify, 180, 140, 57},
    };
    for (const Row& r : rows) {
        const vcl::TPoint p = ValueTextOrigin(r.align, 100, 50, 41, 15, r.angle);
        EXPECT_EQ(p.X, r.x) << int(r.align) << " at " << r.angle;
        EXPECT_EQ(p.Y, r.y) << int(r.align) << " at " << r.angle;
    }
}
