// Grid input: the keyboard table, selections from keys and mouse (range and row mode),
// OnClick on every move, auto-scrolling while dragging, column sizing and the wheel.
#include <gtest/gtest.h>

#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

// Ten columns and rows of 64 x 24 in a 300 x 125 grid without scroll bars: rows 1..4 and
// columns 1..3 are fully visible.
class GridInput : public zyn_test::FormFixture {
protected:
    GridInput() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        grid = Place<TDrawGrid>(10, 10, 300, 125);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(10);
        grid->SetRowCount(10);
        grid->SetFocus();
    }
    TPoint Center(int Col, int Row) {
        TRect r = grid->CellRect(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Key(WORD K, TShiftState Shift = {}) { Input::KeyDown(grid, K, Shift); Input::KeyUp(grid, K, Shift); }
    void ExpectCell(int Col, int Row, int TopRow) {
        EXPECT_EQ(grid->GetCol(), Col);
        EXPECT_EQ(grid->GetRow(), Row);
        EXPECT_EQ(grid->GetTopRow(), TopRow);
    }
    TDrawGrid* grid = nullptr;
};

TEST_F(GridInput, ArrowsPagesAndHomeEnd) {
    Key(VK_DOWN);
    ExpectCell(1, 2, 1);
    Key(VK_RIGHT);
    ExpectCell(2, 2, 1);
    Key(VK_UP);
    Key(VK_UP);                       // clamped at the first scrolling row
    ExpectCell(2, 1, 1);
    Key(VK_END);
    EXPECT_EQ(grid->GetCol(), 9);
    Key(VK_HOME);
    EXPECT_EQ(grid->GetCol(), 1);
    // PgDn moves row and view by lastFullyVisibleRow - TopRow = 3; the view stops at the
    // last page (TopRow 6 shows rows 6..9) and the row at the last row.
    Key(VK_NEXT);
    ExpectCell(1, 4, 4);
    Key(VK_NEXT);
    ExpectCell(1, 7, 6);
    Key(VK_NEXT);
    ExpectCell(1, 9, 6);
    Key(VK_PRIOR);
    ExpectCell(1, 6, 3);
}

TEST_F(GridInput, CtrlKeys) {
    Key(VK_END, {ssCtrl});
    ExpectCell(9, 9, 6);
    EXPECT_EQ(grid->GetLeftCol(), 7);
    Key(VK_HOME, {ssCtrl});
    ExpectCell(1, 1, 1);
    EXPECT_EQ(grid->GetLeftCol(), 1);
    Key(VK_DOWN, {ssCtrl});            // scrolls without moving the current cell
    ExpectCell(1, 1, 2);
    Key(VK_NEXT, {ssCtrl});            // the last fully visible row
    ExpectCell(1, 5, 2);
    Key(VK_PRIOR, {ssCtrl});           // the top row
    ExpectCell(1, 2, 2);
    Key(VK_RIGHT, {ssCtrl});           // a page to the right
    EXPECT_EQ(grid->GetCol(), 3);
    EXPECT_EQ(grid->GetLeftCol(), 3);
}

TEST_F(GridInput, ShiftKeysExtendTheSelectionOnlyWithRangeSelect) {
    Key(VK_DOWN, {ssShift});
    Key(VK_RIGHT, {ssShift});
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 1, 2, 2));
    Key(VK_DOWN);
    EXPECT_EQ(grid->GetSelection(), TGridRect(2, 3, 2, 3));
    grid->SetOptions(grid->GetOptions() - goRangeSelect);
    Key(VK_DOWN, {ssShift});
    EXPECT_EQ(grid->GetSelection(), TGridRect(2, 4, 2, 4));
}

TEST_F(GridInput, RowSelectMovesByRowsAndSpansAllColumns) {
    grid->SetOptions(grid->GetOptions() | goRowSelect);
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 1, 9, 1));
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetRow(), 2);
    Key(VK_LEFT);
    EXPECT_EQ(grid->GetRow(), 1);
    Key(VK_END);
    EXPECT_EQ(grid->GetRow(), 9);
    Key(VK_HOME);
    EXPECT_EQ(grid->GetRow(), 1);
    Key(VK_DOWN, {ssShift});
    Key(VK_DOWN, {ssShift});
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 1, 9, 3));
    // A click selects the clicked row across all columns.
    TPoint p = Center(2, 4);
    Input::Click(grid, p.X, p.Y);
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 4, 9, 4));
    EXPECT_EQ(grid->GetCol(), 1);
}

TEST_F(GridInput, TabMovesOnlyWithGoTabsAndWraps) {
    auto* other = Place<TEdit>(10, 200, 100, 21);
    Key(VK_TAB);
    EXPECT_TRUE(other->Focused());     // without goTabs Tab leaves the grid
    grid->SetOptions(grid->GetOptions() | goTabs);
    grid->SetTabStops(3, false);
    grid->SetFocus();
    grid->SetCol(2);
    Key(VK_TAB);
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->GetCol(), 4);      // column 3 is skipped
    grid->SetCol(9);
    grid->SetRow(9);
    Key(VK_TAB);                       // from the last cell to the first
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetRow(), 1);
    Key(VK_TAB, {ssShift});            // and back
    EXPECT_EQ(grid->GetCol(), 9);
    EXPECT_EQ(grid->GetRow(), 9);
}

TEST_F(GridInput, SelectCellVetoesAndEveryMoveFiresOnClick) {
    int clicks = 0;
    grid->SetOnClick([&](TObject*) { ++clicks; });
    grid->SetOnSelectCell([](TObject*, int ACol, int, bool& Can) { Can = ACol != 3; });
    grid->SetCol(2);
    EXPECT_EQ(clicks, 1);
    grid->SetCol(3);                   // vetoed: nothing moves, no click
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(clicks, 1);
    Key(VK_DOWN);
    EXPECT_EQ(clicks, 2);
    Input::Wheel(grid, -120, 50, 50);
    EXPECT_EQ(clicks, 3);
}

TEST_F(GridInput, MouseDragAndShiftClickSelectRanges) {
    TPoint a = Center(1, 1), b = Center(3, 3);
    Input::MouseDown(grid, mbLeft, {}, a.X, a.Y);
    Input::MouseMove(grid, b.X, b.Y, {ssLeft});
    Input::MouseUp(grid, mbLeft, {}, b.X, b.Y);
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 1, 3, 3));
    EXPECT_EQ(grid->GetCol(), 1);      // the current cell stays where the press was
    EXPECT_EQ(grid->GetRow(), 1);

    TPoint c = Center(2, 2), d = Center(3, 4);
    Input::Click(grid, c.X, c.Y);
    EXPECT_EQ(grid->GetSelection(), TGridRect(2, 2, 2, 2));
    Input::Click(grid, d.X, d.Y, {ssShift});
    EXPECT_EQ(grid->GetSelection(), TGridRect(2, 2, 3, 4));
    // With goEditing dragging does not make a range.
    grid->SetOptions(grid->GetOptions() | goEditing);
    Input::MouseDown(grid, mbLeft, {}, a.X, a.Y);
    Input::MouseMove(grid, b.X, b.Y, {ssLeft});
    Input::MouseUp(grid, mbLeft, {}, b.X, b.Y);
    EXPECT_EQ(grid->GetSelection(), TGridRect(1, 1, 1, 1));
}

TEST_F(GridInput, ReleaseFiresOnClickAndDoubleClickFiresOnDblClick) {
    int clicks = 0, doubles = 0;
    grid->SetOnClick([&](TObject*) { ++clicks; });
    grid->SetOnDblClick([&](TObject*) { ++doubles; });
    TPoint p = Center(1, 1);           // the current cell: the press moves nothing
    Input::Click(grid, p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    Input::DblClick(grid, p.X, p.Y);
    EXPECT_EQ(doubles, 1);
}

TEST_F(GridInput, ClickOnANewCellFiresOnClickOnce) {
    int clicks = 0;
    grid->SetOnClick([&](TObject*) { ++clicks; });
    TPoint p = Center(3, 2);
    Input::MouseDown(grid, mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(clicks, 0);              // without goEditing the release reports
    Input::MouseUp(grid, mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid->GetCol(), 3);
    // A drag across cells is one gesture: one click on release.
    TPoint q = Center(5, 4);
    Input::MouseDown(grid, mbLeft, {}, p.X - 60, p.Y);
    Input::MouseMove(grid, q.X, q.Y, {ssLeft});
    Input::MouseUp(grid, mbLeft, {}, q.X, q.Y);
    EXPECT_EQ(clicks, 2);
    // With goEditing the press on a new cell reports, once.
    grid->SetOptions(grid->GetOptions() | goEditing);
    TPoint r = Center(2, 3);
    Input::MouseDown(grid, mbLeft, {}, r.X, r.Y);
    EXPECT_EQ(clicks, 3);
    Input::MouseUp(grid, mbLeft, {}, r.X, r.Y);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetRow(), 3);
    // Keyboard moves still report each move.
    Key(VK_DOWN);
    EXPECT_EQ(clicks, 4);
}

TEST_F(GridInput, DraggingBelowTheCellsScrollsEverySixtyMilliseconds) {
    TPoint a = Center(1, 1);
    Input::MouseDown(grid, mbLeft, {}, a.X, a.Y);
    Input::MouseMove(grid, a.X, 130, {ssLeft});   // below the grid: row 5 is under it
    EXPECT_EQ(grid->GetSelection().Bottom, 5);
    EXPECT_EQ(grid->GetTopRow(), 2);
    Application->AdvanceTime(59);
    EXPECT_EQ(grid->GetSelection().Bottom, 5);
    Application->AdvanceTime(1);
    EXPECT_EQ(grid->GetSelection().Bottom, 6);
    Application->AdvanceTime(120);
    EXPECT_EQ(grid->GetSelection().Bottom, 8);
    EXPECT_EQ(grid->GetTopRow(), 5);
    Input::MouseUp(grid, mbLeft, {}, a.X, 130);
    TGridRect done = grid->GetSelection();
    Application->AdvanceTime(600);                // released: the timer is gone
    EXPECT_EQ(grid->GetSelection(), done);
    EXPECT_EQ(done.Top, 1);
}

TEST_F(GridInput, ColumnIsSizedByDraggingItsBorder) {
    grid->SetOptions(grid->GetOptions() | goColSizing);
    int edge = grid->CellRect(1, 0).Right;        // 129: the line after column 1
    Input::MouseMove(grid, edge + 3, 10);
    EXPECT_EQ(grid->GetCursor(), crSizeWE);        // the 7-pixel zone: edge-3 .. edge+3
    Input::MouseMove(grid, edge + 4, 10);
    EXPECT_EQ(grid->GetCursor(), crDefault);
    Input::MouseMove(grid, edge - 3, 10);
    EXPECT_EQ(grid->GetCursor(), crSizeWE);
    Input::MouseMove(grid, edge - 2, 60);          // data rows: no sizing there
    EXPECT_EQ(grid->GetCursor(), crDefault);

    Input::MouseDown(grid, mbLeft, {}, edge - 2, 10);
    Input::MouseMove(grid, edge + 18, 10, {ssLeft});
    EXPECT_EQ(grid->GetColWidths(1), 64);          // applied on release only
    Input::MouseUp(grid, mbLeft, {}, edge + 18, 10);
    EXPECT_EQ(grid->GetColWidths(1), 84);          // the grab offset is kept
    EXPECT_EQ(grid->CellRect(2, 1).Left, 150);
    // A width of 1 or less is not applied.
    edge = grid->CellRect(1, 0).Right;
    Input::MouseDown(grid, mbLeft, {}, edge, 10);
    Input::MouseUp(grid, mbLeft, {}, 66, 10);
    EXPECT_EQ(grid->GetColWidths(1), 84);
}

TEST_F(GridInput, WheelMovesTheCurrentRow) {
    grid->SetRowCount(4);                          // all rows visible
    Input::Wheel(grid, -120, 50, 50);
    EXPECT_EQ(grid->GetRow(), 2);
    Input::Wheel(grid, -240, 50, 50);
    EXPECT_EQ(grid->GetRow(), 3);                  // stops at the last row
    EXPECT_EQ(grid->GetTopRow(), 1);               // the view did not move
    Input::Wheel(grid, 360, 50, 50);
    EXPECT_EQ(grid->GetRow(), 1);                  // stops at the first scrolling row
    grid->SetRowCount(10);
    for (int i = 0; i < 6; ++i) Input::Wheel(grid, -120, 50, 50);
    EXPECT_EQ(grid->GetRow(), 7);
    EXPECT_EQ(grid->GetTopRow(), 4);               // scrolled just enough to show row 7
}

TEST_F(GridInput, HeaderDragMovesAColumnAndItsCells) {
    auto* sg = Place<TStringGrid>(10, 200, 330, 100);
    sg->SetOptions(sg->GetOptions() | goColMoving);
    sg->SetCells(1, 1, "one");
    sg->SetCells(3, 1, "three");
    int from = -1, to = -1;
    sg->SetOnColumnMoved([&](TObject*, int F, int T) { from = F; to = T; });
    TRect src = sg->CellRect(1, 0), dst = sg->CellRect(3, 0);
    Input::MouseDown(sg, mbLeft, {}, src.Left + 10, 10);
    Input::MouseMove(sg, dst.Left + 10, 10, {ssLeft});
    Input::MouseUp(sg, mbLeft, {}, dst.Left + 10, 10);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(sg->GetCells(3, 1), "one");
    EXPECT_EQ(sg->GetCells(2, 1), "three");
}

}  // namespace
