// Where the rotated label's text starts, for each alignment at 0, 90 and 180 degrees.
#include <gtest/gtest.h>

#include "rotlab/Zyn_RotLab.h"

using namespace zyn;
using vcl::TPoint;

// A text of 80 x 16 pixels (half sizes 40 and 8) anchored at (100, 100).
TEST(RotLabText, OriginsAtZeroNinetyAndOneEightyDegrees) {
    struct Case {
        int angle;
        vcl::TAlignment alignment;
        TPoint origin;
    };
    const Case cases[] = {
        // Reading to the right: the cell hangs 8 above the anchor's line.
        {0, vcl::taLeftJustify, {100, 92}},
        {0, vcl::taCenter, {60, 92}},
        {0, vcl::taRightJustify, {20, 92}},
        // Reading upward: the cell lies 8 to the left of x = 100 and runs up from its origin.
        {90, vcl::taLeftJustify, {92, 100}},
        {90, vcl::taCenter, {92, 140}},
        {90, vcl::taRightJustify, {92, 180}},
        // Upside down, reading to the left: the cell hangs 8 below and runs left.
        {180, vcl::taLeftJustify, {100, 108}},
        {180, vcl::taCenter, {140, 108}},
        {180, vcl::taRightJustify, {180, 108}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotLabTextOrigin(c.alignment, 100, 100, 40, 8, c.angle), c.origin)
            << c.angle << " degrees, alignment " << int(c.alignment);
}

TEST(RotLabText, OtherAnglesRoundToTheNearestPixel) {
    // 270 degrees reads downward with the cell to the right of the anchor.
    EXPECT_EQ(RotLabTextOrigin(vcl::taLeftJustify, 50, 50, 30, 7, 270), TPoint(57, 50));
    EXPECT_EQ(RotLabTextOrigin(vcl::taCenter, 50, 50, 30, 7, 270), TPoint(57, 20));
    EXPECT_EQ(RotLabTextOrigin(vcl::taCenter, 50, 50, 30, 7, -90), TPoint(57, 20));
    // 45 degrees: hw 30, hh 7: x = 50 - round(30 cos + 7 sin) = 50 - 26, y = 50 + round(30 sin - 7 cos) = 50 + 16.
    EXPECT_EQ(RotLabTextOrigin(vcl::taCenter, 50, 50, 30, 7, 45), TPoint(24, 66));
    // 30 degrees, left justified: x = 50 - round(3.5), y = 50 - round(6.06).
    EXPECT_EQ(RotLabTextOrigin(vcl::taLeftJustify, 50, 50, 30, 7, 30), TPoint(47, 44));
    // Whole turns change nothing.
    EXPECT_EQ(RotLabTextOrigin(vcl::taRightJustify, 5, 6, 10, 4, 360), TPoint(-15, 2));
}
