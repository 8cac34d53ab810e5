// The mark selector's grid metrics, mark positions and nearest-mark search, without a canvas.
#include <gtest/gtest.h>

#include "marksel/Zyn_marksel.h"

using namespace zyn;
using vcl::TPoint;

namespace {

TMarkFlags AllVisible() {
    TMarkFlags v;
    v.fill(true);
    return v;
}

}  // namespace

TEST(MarkSelGrid, MetricsLeaveATwoPixelBorderOnEachSide) {
    const TMarkSelGrid g = MarkSelGrid(236, 178, 8, 6);   // the initial control
    EXPECT_EQ(g.DH, 29);
    EXPECT_EQ(g.DV, 29);
    EXPECT_EQ(g.MH, 14);
    EXPECT_EQ(g.MV, 14);
    const TMarkSelGrid h = MarkSelGrid(164, 124, 8, 5);
    EXPECT_EQ(h.DH, 20);
    EXPECT_EQ(h.DV, 24);
    EXPECT_EQ(h.MV, 12);
}

TEST(MarkSelGrid, VisibleMarksFillTheRowsInOrderAndHiddenOnesMakeRoom) {
    const TMarkSelGrid g = MarkSelGrid(164, 124, 8, 6);   // 20 x 20 cells
    TMarkFlags vis = AllVisible();
    TMarkPositions pos{};
    LayoutMarks(g, 8, vis, pos);
    EXPECT_EQ(pos[0], TPoint(10, 10));
    EXPECT_EQ(pos[7], TPoint(150, 10));
    EXPECT_EQ(pos[8], TPoint(10, 30));
    EXPECT_EQ(pos[51], TPoint(70, 130));   // past the sixth row: below the control
    // Hiding mark 5 moves marks 6 and later one cell back.
    vis[5] = false;
    LayoutMarks(g, 8, vis, pos);
    EXPECT_EQ(pos[6], TPoint(110, 10));
    EXPECT_EQ(pos[8], TPoint(150, 10));
    EXPECT_EQ(pos[9], TPoint(10, 30));
    EXPECT_EQ(pos[5], TPoint(110, 10));    // a hidden mark keeps its old place
}

TEST(MarkSelGrid, NearestMarkPrefersTheLowerNumberOnATie) {
    const TMarkSelGrid g = MarkSelGrid(164, 124, 8, 6);
    TMarkFlags vis = AllVisible();
    TMarkPositions pos{};
    LayoutMarks(g, 8, vis, pos);
    EXPECT_EQ(NearestMark(pos, vis, 10, 10), 0);
    EXPECT_EQ(NearestMark(pos, vis, 29, 12), 1);
    EXPECT_EQ(NearestMark(pos, vis, 20, 10), 0);    // halfway between marks 0 and 1
    EXPECT_EQ(NearestMark(pos, vis, 40, 10), 1);    // halfway between 1 and 2
    EXPECT_EQ(NearestMark(pos, vis, 30, 20), 1);    // halfway between 1 and 9
    EXPECT_EQ(NearestMark(pos, vis, 20, 20), 0);    // the corner of 0, 1, 8 and 9
    EXPECT_EQ(NearestMark(pos, vis, 21, 21), 9);
    EXPECT_EQ(NearestMark(pos, vis, -500, -500), 0);
    EXPECT_EQ(NearestMark(pos, vis, 70, 1000), 51);   // below the control
    EXPECT_EQ(NearestMark(pos, vis, 1000, 1000), 47);
}

TEST(MarkSelGrid, HiddenMarksAreNeverNearest) {
    const TMarkSelGrid g = MarkSelGrid(164, 124, 8, 6);
    TMarkFlags vis = AllVisible();
    TMarkPositions pos{};
    LayoutMarks(g, 8, vis, pos);
    vis[1] = false;
    LayoutMarks(g, 8, vis, pos);
    // Mark 2 now sits where mark 1 was; mark 1 keeps that place too but is not considered.
    ASSERT_EQ(pos[1], pos[2]);
    EXPECT_EQ(NearestMark(pos, vis, 30, 10), 2);
    for (int i = 1; i < NumberOfMarks; ++i) vis[i] = false;
    LayoutMarks(g, 8, vis, pos);
    for (TPoint p : {TPoint(10, 10), TPoint(150, 110), TPoint(30, 10), TPoint(-3, 400)})
        EXPECT_EQ(NearestMark(pos, vis, p.X, p.Y), 0);
}

TEST(MarkSelGrid, OnlyTheMarksOfTheGridsCellsAreInView) {
    TMarkFlags vis = AllVisible();
    TMarkFlags in = MarksInView(8, 6, vis);
    EXPECT_TRUE(in[0]);
    EXPECT_TRUE(in[47]);
    for (int i = 48; i < NumberOfMarks; ++i) EXPECT_FALSE(in[i]) << i;
    // Hidden marks are never in view and make room for later ones.
    vis[3] = vis[10] = false;
    in = MarksInView(8, 6, vis);
    EXPECT_FALSE(in[3]);
    EXPECT_FALSE(in[10]);
    EXPECT_TRUE(in[49]);
    EXPECT_FALSE(in[50]);
    // One cell: mark 0 alone.
    in = MarksInView(1, 1, AllVisible());
    EXPECT_TRUE(in[0]);
    EXPECT_FALSE(in[1]);
}

TEST(MarkSelGrid, KeyboardStepsStayAmongTheMarksInView) {
    // 8 columns, 6 rows: marks 0..47 in view, 48..51 below the control.
    TMarkFlags inView = MarksInView(8, 6, AllVisible());
    EXPECT_EQ(MarkAfterMove(inView, 8, 0, mmRight), 1);
    EXPECT_EQ(MarkAfterMove(inView, 8, 7, mmRight), 8);     // on from a row's end
    EXPECT_EQ(MarkAfterMove(inView, 8, 8, mmLeft), 7);
    EXPECT_EQ(MarkAfterMove(inView, 8, 0, mmLeft), 0);      // nothing before the first
    EXPECT_EQ(MarkAfterMove(inView, 8, 0, mmUp), 0);
    EXPECT_EQ(MarkAfterMove(inView, 8, 3, mmDown), 11);
    EXPECT_EQ(MarkAfterMove(inView, 8, 43, mmDown), 43);    // 51 lies below the control
    EXPECT_EQ(MarkAfterMove(inView, 8, 47, mmRight), 47);
    EXPECT_EQ(MarkAfterMove(inView, 8, 44, mmUp), 36);
    // A mark out of view (or none) starts from mark 0.
    EXPECT_EQ(MarkAfterMove(inView, 8, 50, mmRight), 1);
    EXPECT_EQ(MarkAfterMove(inView, 8, -1, mmDown), 8);
}

TEST(MarkSelGrid, KeyboardStepsFollowTheCellsNotTheMarkNumbers) {
    TMarkFlags vis = AllVisible();
    vis[5] = false;                                          // 6 moves into cell 5, ...
    TMarkFlags inView = MarksInView(8, 6, vis);
    EXPECT_EQ(MarkAfterMove(inView, 8, 4, mmRight), 6);
    EXPECT_EQ(MarkAfterMove(inView, 8, 6, mmLeft), 4);
    EXPECT_EQ(MarkAfterMove(inView, 8, 6, mmDown), 14);     // cell 13 holds mark 14
    EXPECT_EQ(MarkAfterMove(inView, 8, 5, mmRight), 1);     // hidden: from mark 0
    // Ten marks in rows of four: cells 8 and 9 on a shorter last row.
    TMarkFlags ten{};
    for (int i = 0; i < 10; ++i) ten[i] = true;
    inView = MarksInView(4, 3, ten);
    EXPECT_EQ(MarkAfterMove(inView, 4, 5, mmDown), 9);
    EXPECT_EQ(MarkAfterMove(inView, 4, 7, mmDown), 9);      // no mark below: the last
    EXPECT_EQ(MarkAfterMove(inView, 4, 9, mmDown), 9);
    EXPECT_EQ(MarkAfterMove(inView, 4, 9, mmUp), 5);
    // One column: Up and Down are Left and Right.
    inView = MarksInView(1, 51, AllVisible());
    EXPECT_EQ(MarkAfterMove(inView, 1, 50, mmDown), 50);     // 51 is past the last row
    EXPECT_EQ(MarkAfterMove(inView, 1, 50, mmUp), 49);
    // Only mark 0 visible: every step stays on it.
    TMarkFlags zero{};
    zero[0] = true;
    inView = MarksInView(8, 6, zero);
    for (TMarkMove m : {mmLeft, mmRight, mmUp, mmDown}) EXPECT_EQ(MarkAfterMove(inView, 8, 0, m), 0);
}
