// The slide grid without pixels: the scroll position, where each slide lies, which slide
// a point hits, and how a picture is fitted into a slide.
#include <gtest/gtest.h>

#include <cmath>

#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;
using vcl::TPoint;
using vcl::TRect;

namespace {

// The default sizes on a control 300 x 400: pitch 136, slides 134 pixels across.
TSlideGrid DefaultGrid(double First = 1.0, int NumHoriz = 2) {
    TSlideGrid g;
    g.Width = 300;
    g.Height = 400;
    g.NumHoriz = NumHoriz;
    g.FirstThumbIdx = First;
    return g;
}

}  // namespace

TEST(ThumbnailsLayout, ScrollPositionMapsIntoTheRowOfTheSlide) {
    struct Case {
        double x;
        int min, max, perRow;
        double stored;
    };
    const Case cases[] = {
        {4, 1, 100, 2, 3.5},       // slides 3 and 4 on top, half a row scrolled
        {3, 1, 100, 2, 3.0},
        {2.5, 1, 100, 2, 1.75},    // between slides: smoothly through the row
        {5, 1, 100, 3, 4 + 1.0 / 3},
        {7.25, 1, 100, 1, 7.25},   // one slide a row: the position itself
        {0, 1, 100, 2, 1.0},       // clamped to Min
        {1000, 1, 100, 2, 99.5},   // clamped to Max, the second slide of row 99
        {0, 0, 10, 2, -0.5},       // slide 0 is the second of the row -1, 0
        {-3, -5, 10, 2, -3.0},     // rows below 1 keep the alignment: ..., -3 -2, -1 0, 1 2
        {-4, -5, 10, 2, -4.5},
        {7, 20, 10, 2, 9.5},       // Min above Max: Max wins
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ThumbScrollPosition(c.x, c.min, c.max, c.perRow), c.stored)
            << c.x << " in " << c.min << ".." << c.max << " by " << c.perRow;
    EXPECT_DOUBLE_EQ(ThumbScrollPosition(std::nan(""), 1, 100, 2), 1.0);
}

TEST(ThumbnailsLayout, SlideSquaresFollowPitchAndScroll) {
    TSlideGrid g = DefaultGrid();
    EXPECT_EQ(g.Pitch(), 136);
    EXPECT_EQ(g.SlidesPerRow(), 2);       // (300 + 2 - 20) div 136
    EXPECT_EQ(g.RowsShown(), 3);          // 400 div 136 + 1
    g.Width = 260;
    EXPECT_EQ(g.SlidesPerRow(), 1);       // (260 + 2 - 20) div 136
    g.Width = 15;
    EXPECT_EQ(g.SlidesPerRow(), 1);       // never fewer than one

    g = DefaultGrid();
    EXPECT_EQ(g.SlideSquare(1, 1), TRect(10, 12, 144, 146));
    EXPECT_EQ(g.SlideSquare(2, 2), TRect(146, 148, 280, 282));
    EXPECT_EQ(g.SlideAt(2, 2), 4);

    g = DefaultGrid(3.5);                 // half a row (68 pixels) scrolled out
    EXPECT_EQ(g.TopSlide(), 3);
    EXPECT_EQ(g.ScrollPixels(), 68);
    EXPECT_EQ(g.SlideSquare(1, 1), TRect(10, -56, 144, 78));
    EXPECT_EQ(g.SlideAt(1, 1), 3);
    EXPECT_EQ(g.SlideAt(2, 1), 4);
}

TEST(ThumbnailsLayout, SlidePosAndHitTestAgree) {
    for (double first : {1.0, 3.5, 5.25, 7.75}) {
        TSlideGrid g = DefaultGrid(first);
        for (int row = 1; row <= g.RowsShown(); ++row) {
            for (int col = 1; col <= 2; ++col) {
                const int n = g.SlideAt(col, row);
                const TRect sq = g.SlideSquare(col, row);
                EXPECT_EQ(g.SlidePos(n), sq.TopLeft()) << n;
                // The centre hits the slide whenever it lies between the borders.
                const TPoint c((sq.Left + sq.Right) / 2, (sq.Top + sq.Bottom) / 2);
                const bool inside = c.Y >= 10 && c.Y <= g.Height - 10;
                EXPECT_EQ(g.SlideIndexAt(c.X, c.Y), inside ? n : 0) << n << " at " << first;
                // Both corners belong to the slide, the pixels beside them to the gap.
                if (sq.Top >= 10 && sq.Bottom <= g.Height - 10) {
                    EXPECT_EQ(g.SlideIndexAt(sq.Left, sq.Top), n);
                    EXPECT_EQ(g.SlideIndexAt(sq.Right, sq.Bottom), n);
                    EXPECT_EQ(g.SlideIndexAt(sq.Right + 1, c.Y), 0);
                    EXPECT_EQ(g.SlideIndexAt(c.X, sq.Bottom + 1), 0);
                }
            }
        }
    }
    // A slide scrolled out above the top row lies a row higher, not in the top row.
    TSlideGrid g = DefaultGrid(3.5);
    EXPECT_EQ(g.SlidePos(2), TPoint(146, -56 - 136));
}

TEST(ThumbnailsLayout, HitTestMissesBordersGapsAndAbsentSlides) {
    TSlideGrid g = DefaultGrid();
    EXPECT_EQ(g.SlideIndexAt(50, 50), 1);
    EXPECT_EQ(g.SlideIndexAt(200, 50), 2);
    EXPECT_EQ(g.SlideIndexAt(145, 50), 0);    // the gap between columns
    EXPECT_EQ(g.SlideIndexAt(50, 147), 0);    // the gap between rows
    EXPECT_EQ(g.SlideIndexAt(9, 50), 0);      // left border
    EXPECT_EQ(g.SlideIndexAt(50, 11), 0);     // above the first slide
    EXPECT_EQ(g.SlideIndexAt(50, 391), 0);    // bottom border
    EXPECT_EQ(g.SlideIndexAt(291, 50), 0);    // right border
    g.Width = 500;                            // a third column fits on screen ...
    EXPECT_EQ(g.SlideIndexAt(300, 50), 0);    // ... but the row has two slides
    g = DefaultGrid();
    g.Max = 3;
    EXPECT_EQ(g.SlideIndexAt(200, 200), 0);   // slide 4 does not exist
    EXPECT_EQ(g.SlideIndexAt(50, 200), 3);
    g.Min = 5;                                // Min above Max: nothing is hit
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 300; x += 7) ASSERT_EQ(g.SlideIndexAt(x, y), 0);
}

TEST(ThumbnailsLayout, PicturesKeepTheirProportions) {
    const TRect sq(10, 12, 144, 146);   // a default slide: margin 7, picture area 120
    // Portrait: 60 pixels wide, centred across.
    EXPECT_EQ(FitPicture(60, 120, 120, 7, sq), TRect(47, 19, 107, 139));
    // Landscape 4:3 from a large picture: 90 pixels high, centred down.
    EXPECT_EQ(FitPicture(1024, 768, 120, 7, sq), TRect(17, 34, 137, 124));
    // Square: the whole picture area.
    EXPECT_EQ(FitPicture(33, 33, 120, 7, sq), TRect(17, 19, 137, 139));
    // Rounding halves to even: 3 x 240 gives 1.5 -> 2, 1 x 240 gives 0.5 -> 0.
    EXPECT_EQ(FitPicture(3, 240, 120, 7, sq).Width(), 2);
    EXPECT_EQ(FitPicture(1, 240, 120, 7, sq).Width(), 0);
}
