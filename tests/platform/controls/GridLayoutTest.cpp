// Grid geometry: defaults, CellRect and MouseCoord with grid lines of width 1 and 2,
// fixed cells, scrolled views, visible counts, size limits and the scroll bars.
#include <gtest/gtest.h>

#include "platform/Classes.h"
#include "platform/Grids.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

using namespace vcl;

namespace {

class GridLayout : public zyn_test::FormFixture {
protected:
    GridLayout() : FormFixture(zyn_test::FormShape::Framed()) {}
    TDrawGrid* MakeGrid(int Width = 300, int Height = 200) {
        TDrawGrid* g = Place<TDrawGrid>(10, 10, Width, Height);
        g->SetScrollBars(ssNone);
        return g;
    }
};

TEST_F(GridLayout, DefaultsFollowThePlatformGrid) {
    TDrawGrid* g = Place<TDrawGrid>(10, 10, 300, 200);
    EXPECT_EQ(g->GetScrollBars(), ssBoth);
    EXPECT_EQ(g->GetColCount(), 5);
    EXPECT_EQ(g->GetRowCount(), 5);
    EXPECT_EQ(g->GetFixedCols(), 1);
    EXPECT_EQ(g->GetFixedRows(), 1);
    EXPECT_EQ(g->GetDefaultColWidth(), 64);
    EXPECT_EQ(g->GetDefaultRowHeight(), 24);
    EXPECT_EQ(g->GetGridLineWidth(), 1);
    EXPECT_EQ(g->GetOptions(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
    EXPECT_EQ(g->GetFixedColor(), clBtnFace);
    EXPECT_EQ(g->GetColor(), clWindow);
    EXPECT_TRUE(g->GetDefaultDrawing());
    EXPECT_EQ(g->GetCol(), 1);
    EXPECT_EQ(g->GetRow(), 1);
    // The property table carries the same defaults.
    const TClassInfo* info = ClassInfoOf(g);
    ASSERT_NE(info, nullptr);
    for (const char* name : {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth",
                             "DefaultRowHeight", "GridLineWidth", "Options", "FixedColor", "ScrollBars"}) {
        const TPropInfo* p = info->FindProperty(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_TRUE(p->IsDefault(*g)) << name;
    }
}

TEST_F(GridLayout, CellRectWithOnePixelLines) {
    TDrawGrid* g = MakeGrid();
    EXPECT_EQ(g->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(g->CellRect(1, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(g->CellRect(2, 1), Rect(130, 25, 194, 49));
    // Column 4 starts at 260 and is cut by the client edge at 300.
    EXPECT_EQ(g->CellRect(4, 1), Rect(260, 25, 300, 49));
    EXPECT_EQ(g->GetVisibleColCount(), 3);
}

TEST_F(GridLayout, CellRectWithTwoPixelLines) {
    TDrawGrid* g = MakeGrid();
    g->SetGridLineWidth(2);
    EXPECT_EQ(g->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(g->CellRect(1, 1), Rect(66, 26, 130, 50));
    EXPECT_EQ(g->CellRect(2, 2), Rect(132, 52, 196, 76));
}

TEST_F(GridLayout, LineWidthIsZeroWhenNoLineOptionOfTheAxisIsSet) {
    TDrawGrid* g = MakeGrid();
    g->SetOptions({goHorzLine, goFixedHorzLine});
    EXPECT_EQ(g->CellRect(1, 1), Rect(64, 25, 128, 49));
    g->SetOptions({goVertLine});
    EXPECT_EQ(g->CellRect(1, 1), Rect(65, 24, 129, 48));
}

TEST_F(GridLayout, ScrolledOutAndFarCellsHaveEmptyRects) {
    TDrawGrid* g = MakeGrid();
    g->SetColCount(8);
    g->SetRowCount(12);
    g->SetLeftCol(3);
    g->SetTopRow(4);
    EXPECT_EQ(g->CellRect(1, 1), TRect());          // between the fixed cells and the view
    EXPECT_EQ(g->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(g->CellRect(3, 4), Rect(65, 25, 129, 49));
    EXPECT_EQ(g->CellRect(0, 4), Rect(0, 25, 64, 49));
    // Columns 3..5 are fully visible, 6 partly; 7 is more than one past the last full one.
    EXPECT_EQ(g->CellRect(6, 4), Rect(260, 25, 300, 49));
    EXPECT_EQ(g->CellRect(7, 4), TRect());
}

TEST_F(GridLayout, ACellWiderThanTheIntRangeEndsAtTheGridsEdge) {
    TDrawGrid* g = MakeGrid();
    g->SetColWidths(1, INT32_MAX);
    g->SetRowHeights(1, INT32_MAX);
    // The cell starts after the fixed cells and would end past INT32_MAX.
    EXPECT_EQ(g->CellRect(1, 1), Rect(65, 25, g->GetClientWidth(), g->GetClientHeight()));
    EXPECT_EQ(g->CellRect(2, 1), TRect());   // past the edge
}

TEST_F(GridLayout, MouseCoordGivesLinePixelsToTheCellBefore) {
    TDrawGrid* g = MakeGrid();
    struct Case { int x, y, col, row; };
    const Case cases[] = {
        {0, 0, 0, 0},     {63, 23, 0, 0},   {64, 24, 0, 0},   // the line belongs left/above
        {65, 25, 1, 1},   {129, 49, 1, 1},  {130, 50, 2, 2},
        {-5, -5, 0, 0},                                       // negative: the first fixed cell
        {299, 50, 4, 2},
    };
    for (const Case& c : cases) {
        TGridCoord got = g->MouseCoord(c.x, c.y);
        EXPECT_EQ(got.X, c.col) << c.x << "," << c.y;
        EXPECT_EQ(got.Y, c.row) << c.x << "," << c.y;
    }
    // Beyond the last row nothing is hit, and then both coordinates are -1.
    TGridCoord none = g->MouseCoord(100, 190);
    EXPECT_EQ(none.X, -1);
    EXPECT_EQ(none.Y, -1);
}

TEST_F(GridLayout, MouseCoordRoundTripsCellRectWithScrollingAndWideLines) {
    TDrawGrid* g = MakeGrid(400, 300);
    g->SetColCount(20);
    g->SetRowCount(40);
    g->SetFixedCols(2);
    g->SetGridLineWidth(2);
    g->SetColWidths(5, 30);
    g->SetRowHeights(7, 10);
    g->SetLeftCol(4);
    g->SetTopRow(6);
    for (int c = 0; c < 20; ++c) {
        for (int r = 0; r < 40; ++r) {
            TRect rect = g->CellRect(c, r);
            if (rect.IsEmpty()) continue;
            // Every pixel of the cell and of its line maps back to the cell.
            for (TPoint p : {rect.TopLeft(), TPoint(rect.Right - 1, rect.Bottom - 1), TPoint(rect.Right, rect.Bottom),
                             TPoint(rect.Right + 1, rect.Top)}) {
                if (p.X >= 400 || p.Y >= 300) continue;
                TGridCoord got = g->MouseCoord(p.X, p.Y);
                EXPECT_EQ(got.X, c) << "cell " << c << "," << r << " at " << p.X << "," << p.Y;
                EXPECT_EQ(got.Y, r) << "cell " << c << "," << r << " at " << p.X << "," << p.Y;
            }
        }
    }
}

TEST_F(GridLayout, FixedCountsMustStayBelowCounts) {
    TDrawGrid* g = MakeGrid();
    EXPECT_THROW(g->SetFixedCols(5), EInvalidGridOperation);
    EXPECT_THROW(g->SetFixedRows(7), EInvalidGridOperation);
    EXPECT_THROW(g->SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_THROW(g->SetRow(5), EInvalidGridOperation);
    EXPECT_THROW(g->SetCol(-1), EInvalidGridOperation);
    EXPECT_THROW(g->SetColWidths(9, 10), EInvalidGridOperation);
    // Lowering the count to the fixed count lowers the fixed count to count - 1.
    g->SetFixedRows(3);
    g->SetRowCount(2);
    EXPECT_EQ(g->GetFixedRows(), 1);
    EXPECT_EQ(g->GetRow(), 1);
    g->SetColCount(0);
    EXPECT_EQ(g->GetColCount(), 1);
    EXPECT_EQ(g->GetFixedCols(), 0);
}

TEST_F(GridLayout, DefaultSizesResetEveryColumnAndRow) {
    TDrawGrid* g = MakeGrid();
    g->SetColWidths(2, 10);
    g->SetDefaultColWidth(40);
    EXPECT_EQ(g->GetColWidths(2), 40);
    g->SetRowCount(8);
    EXPECT_EQ(g->GetRowHeights(7), 24);   // new rows take the default height
    g->SetDefaultRowHeight(18);
    EXPECT_EQ(g->GetRowHeights(7), 18);
    EXPECT_EQ(g->CellRect(1, 1), Rect(41, 19, 81, 37));
}

TEST_F(GridLayout, TheSameDefaultSizeStillResetsButRepaintsOnlyForAChange) {
    TDrawGrid* g = MakeGrid();
    Application->ProcessMessages();
    zyn_test::PaintCounter paints(g);
    g->SetDefaultColWidth(g->GetDefaultColWidth());
    g->SetDefaultRowHeight(g->GetDefaultRowHeight());
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 0);
    // A column or row sized on its own takes the default again, and that shows.
    g->SetColWidths(2, 10);
    g->SetRowHeights(3, 40);
    Application->ProcessMessages();
    paints.Reset();
    g->SetDefaultColWidth(g->GetDefaultColWidth());
    g->SetDefaultRowHeight(g->GetDefaultRowHeight());
    EXPECT_EQ(g->GetColWidths(2), 64);
    EXPECT_EQ(g->GetRowHeights(3), 24);
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
}

TEST_F(GridLayout, OptionsOfInputAloneDoNotRepaint) {
    TDrawGrid* g = MakeGrid();
    Application->ProcessMessages();
    zyn_test::PaintCounter paints(g);
    g->SetOptions(g->GetOptions() | TGridOptions{goEditing, goTabs, goColSizing, goThumbTracking});
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 0);
    // The editor shown at all times belongs to the picture, and so are the lines.
    g->SetOptions(g->GetOptions() | TGridOptions{goAlwaysShowEditor});
    Application->ProcessMessages();
    EXPECT_GE(paints.Take(), 1);
    g->SetOptions(g->GetOptions() - TGridOptions{goVertLine});
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
}

TEST_F(GridLayout, ScrollBarsAppearOnlyWhenCellsDoNotFit) {
    TDrawGrid* g = Place<TDrawGrid>(10, 10, 400, 200);
    EXPECT_FALSE(g->GetVertScrollBar().GetVisible());
    EXPECT_FALSE(g->GetHorzScrollBar().GetVisible());
    g->SetRowCount(30);
    EXPECT_TRUE(g->GetVertScrollBar().GetVisible());
    EXPECT_FALSE(g->GetHorzScrollBar().GetVisible());
    // The cells give up the bar's width.
    EXPECT_EQ(g->GetDataRect(), Rect(0, 0, 400 - TInnerScrollBar::DefaultSize, 200));
    g->SetColCount(12);
    EXPECT_TRUE(g->GetHorzScrollBar().GetVisible());
}

TEST_F(GridLayout, ScrollBarArrowsPagesAndThumb) {
    TDrawGrid* g = Place<TDrawGrid>(10, 10, 300, 125 + TInnerScrollBar::DefaultSize);
    g->SetRowCount(30);
    g->SetColCount(3);
    const TInnerScrollBar& bar = g->GetVertScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    TRect down = bar.ArrowRect(false);
    Input::Click(g, (down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
    EXPECT_EQ(g->GetTopRow(), 2);
    TRect up = bar.ArrowRect(true);
    Input::Click(g, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
    EXPECT_EQ(g->GetTopRow(), 1);
    // A page down moves by the number of fully visible rows minus one (at least one).
    int visible = g->GetVisibleRowCount();
    TRect thumb = bar.ThumbRect();
    Input::Click(g, (thumb.Left + thumb.Right) / 2, thumb.Bottom + 3);
    EXPECT_EQ(g->GetTopRow(), 1 + std::max(1, visible - 1));
    // The current cell did not move while scrolling with the bar.
    EXPECT_EQ(g->GetRow(), 1);
}

TEST_F(GridLayout, ThumbDragScrollsLiveOnlyWithThumbTracking) {
    TDrawGrid* g = Place<TDrawGrid>(10, 10, 300, 200);
    g->SetRowCount(200);
    g->SetColCount(3);
    const TInnerScrollBar& bar = g->GetVertScrollBar();
    TRect thumb = bar.ThumbRect();
    int x = (thumb.Left + thumb.Right) / 2, y = (thumb.Top + thumb.Bottom) / 2;
    Input::MouseDown(g, mbLeft, {}, x, y);
    Input::MouseMove(g, x, y + 60, {ssLeft});
    EXPECT_EQ(g->GetTopRow(), 1);                 // no live scrolling
    Input::MouseUp(g, mbLeft, {}, x, y + 60);
    int jumped = g->GetTopRow();
    EXPECT_GT(jumped, 1);

    g->SetOptions(g->GetOptions() | goThumbTracking);
    thumb = bar.ThumbRect();
    y = (thumb.Top + thumb.Bottom) / 2;
    Input::MouseDown(g, mbLeft, {}, x, y);
    Input::MouseMove(g, x, y + 30, {ssLeft});
    EXPECT_GT(g->GetTopRow(), jumped);            // follows the thumb at once
    Input::MouseUp(g, mbLeft, {}, x, y + 30);
}

TEST_F(GridLayout, TopRowSetterDoesNotClampToTheLastPageButKeysDo) {
    TDrawGrid* g = MakeGrid(300, 125);
    g->SetRowCount(10);
    g->SetTopRow(9);                 // a program may scroll past the last full page
    EXPECT_EQ(g->GetTopRow(), 9);
    int events = 0;
    g->SetOnTopLeftChanged([&](TObject*) { ++events; });
    g->SetTopRow(2);
    EXPECT_EQ(events, 1);
    g->SetTopRow(2);
    EXPECT_EQ(events, 1);
}

}  // namespace
