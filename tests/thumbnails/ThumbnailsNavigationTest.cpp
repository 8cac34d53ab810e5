// The slide each key reaches and the scroll position that brings a slide into view,
// without a canvas.
#include <gtest/gtest.h>

#include <climits>

#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;

TEST(ThumbnailsNavigation, ArrowsStepBySlideAndByRow) {
    // Slides 1..10, three to a row: rows 1-3, 4-6, 7-9, 10.
    EXPECT_EQ(SlideAfterMove(5, smLeft, 1, 10, 3, 2), 4);
    EXPECT_EQ(SlideAfterMove(4, smLeft, 1, 10, 3, 2), 3);    // on across the row's start
    EXPECT_EQ(SlideAfterMove(1, smLeft, 1, 10, 3, 2), 1);
    EXPECT_EQ(SlideAfterMove(10, smRight, 1, 10, 3, 2), 10);
    EXPECT_EQ(SlideAfterMove(5, smUp, 1, 10, 3, 2), 2);
    EXPECT_EQ(SlideAfterMove(2, smUp, 1, 10, 3, 2), 2);      // top row: stays
    EXPECT_EQ(SlideAfterMove(5, smDown, 1, 10, 3, 2), 8);
    EXPECT_EQ(SlideAfterMove(8, smDown, 1, 10, 3, 2), 10);   // nothing below: the last
    EXPECT_EQ(SlideAfterMove(10, smDown, 1, 10, 3, 2), 10);
    // Rows start at slide 1 whatever Min is: with Min 5 the top row holds 4 (absent), 5, 6.
    EXPECT_EQ(SlideAfterMove(6, smUp, 5, 10, 3, 2), 6);
    EXPECT_EQ(SlideAfterMove(5, smDown, 5, 10, 3, 2), 8);
    EXPECT_EQ(SlideAfterMove(9, smDown, 5, 10, 3, 2), 10);
}

TEST(ThumbnailsNavigation, PagesAndEndsClampToTheRange) {
    EXPECT_EQ(SlideAfterMove(50, smPageDown, 1, 100, 2, 3), 56);
    EXPECT_EQ(SlideAfterMove(97, smPageDown, 1, 100, 2, 3), 100);
    EXPECT_EQ(SlideAfterMove(50, smPageUp, 1, 100, 2, 3), 44);
    EXPECT_EQ(SlideAfterMove(4, smPageUp, 1, 100, 2, 3), 1);
    EXPECT_EQ(SlideAfterMove(50, smFirst, 1, 100, 2, 3), 1);
    EXPECT_EQ(SlideAfterMove(50, smLast, 1, 100, 2, 3), 100);
    // A slide outside the range is brought into it first; no slides at all give 0.
    EXPECT_EQ(SlideAfterMove(0, smRight, 1, 100, 2, 3), 2);
    EXPECT_EQ(SlideAfterMove(500, smLeft, 1, 100, 2, 3), 99);
    EXPECT_EQ(SlideAfterMove(3, smDown, 5, 4, 2, 3), 0);
    // Near the end of the int range the steps neither wrap nor leave the range.
    EXPECT_EQ(SlideAfterMove(INT_MAX, smDown, 1, INT_MAX, 1000, 10), INT_MAX);
    EXPECT_EQ(SlideAfterMove(INT_MAX - 5, smPageDown, 1, INT_MAX, 1000, 10), INT_MAX);
    EXPECT_EQ(SlideAfterMove(INT_MIN + 5, smPageUp, INT_MIN, 0, 1000, 10), INT_MIN);
    EXPECT_EQ(SlideAfterMove(INT_MIN, smUp, INT_MIN, 0, 3, 1), INT_MIN);
}

namespace {

// The initial sizes (pitch 136, square side 134) two slides to a row, 400 pixels high:
// two whole rows between the bands.
TSlideGrid Grid(double FirstThumbIdx) {
    TSlideGrid g;
    g.NumHoriz = 2;
    g.Width = 300;
    g.Height = 400;
    g.FirstThumbIdx = FirstThumbIdx;
    return g;
}

// Top and bottom pixel rows of slide SldNum's square under the position the setter stores.
std::pair<int, int> ShownRows(TSlideGrid g, int SldNum) {
    double request = 0;
    if (g.ScrollToShow(SldNum, request)) g.FirstThumbIdx = ThumbScrollPosition(request, g.Min, g.Max, g.NumHoriz);
    const int y0 = g.SlidePos(SldNum).Y;
    return {y0, y0 + g.Side()};
}

}  // namespace

TEST(ThumbnailsNavigation, ScrollingBringsASlideWholeBetweenTheBands) {
    const TSlideGrid g = Grid(1.0);
    EXPECT_EQ(g.PageRows(), 2);
    // Rows 1-2 and 3-4 are whole in view (squares at 12..146 and 148..282): no scrolling.
    double request = 0;
    EXPECT_FALSE(g.ScrollToShow(1, request));
    EXPECT_FALSE(g.ScrollToShow(4, request));
    // Row 5-6 would end at 418: the view moves down until its last pixel is at 389.
    const auto [top5, bottom5] = ShownRows(g, 5);
    EXPECT_EQ(bottom5, 400 - 11);
    EXPECT_EQ(top5, 389 - 134);
    // Far below: the same, one row per 136 pixels further.
    EXPECT_EQ(ShownRows(g, 40).second, 389);
    // A slide above the view becomes the top row, scrolled to its row's start.
    const TSlideGrid low = Grid(ThumbScrollPosition(21.5, 1, 100, 2));   // 21.25
    ASSERT_TRUE(low.ScrollToShow(21, request));
    EXPECT_DOUBLE_EQ(request, 21.0);
    ASSERT_TRUE(low.ScrollToShow(3, request));
    EXPECT_DOUBLE_EQ(request, 3.0);
    EXPECT_EQ(ShownRows(low, 3).first, 12);
    // The top row scrolled by at most the gap above its squares still counts as shown.
    TSlideGrid gap = Grid(ThumbScrollPosition(21.0 + 2.0 * 2 / 136, 1, 100, 2));
    EXPECT_EQ(gap.ScrollPixels(), 2);
    EXPECT_FALSE(gap.ScrollToShow(21, request));
    gap.FirstThumbIdx = ThumbScrollPosition(21.0 + 3.0 * 2 / 136, 1, 100, 2);
    EXPECT_TRUE(gap.ScrollToShow(21, request));
}

TEST(ThumbnailsNavigation, ASlideTallerThanTheViewShowsItsTop) {
    TSlideGrid g = Grid(1.0);
    g.Height = 100;   // 80 pixels between the bands, squares of 134
    EXPECT_EQ(g.PageRows(), 1);
    EXPECT_EQ(ShownRows(g, 7).first, 12);   // its row at the top, below the gap
    g.FirstThumbIdx = ThumbScrollPosition(9.0, 1, 100, 2);
    EXPECT_EQ(ShownRows(g, 7).first, 12);
    EXPECT_EQ(ShownRows(g, 3).first, 12);
}
