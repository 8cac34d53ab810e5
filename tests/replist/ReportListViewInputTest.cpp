// Mouse and keyboard: click-to-sort, the three selection modes, check boxes, header border
// zones, double-click sizing, AutoAdvance, the wheel and in-place editing.
#include <vector>

#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;
using vcl::ssCtrl;
using vcl::ssShift;

namespace {
void FillSortable(TReportListView* V) {
    V->SetNrCols(2);
    V->SetNrRows(4);
    const char* names[] = {"delta", "alpha", "charlie", "bravo"};
    for (int r = 1; r <= 4; ++r) {
        V->SetElem(1, r, names[r - 1]);
        V->SetElem(2, r, std::to_string(r));
    }
}
}  // namespace

TEST_F(ViewTest, HeaderClicksToggleTheSortAndTheRecordFollows) {
    FillSortable(view);
    ClickCell(1, 2);   // select "alpha"
    ASSERT_EQ(view->FirstSelectedRow(), 2);
    ClickHeader(1);
    EXPECT_EQ(Column(1), "delta,charlie,bravo,alpha");   // first click: descending
    EXPECT_FALSE(view->GetSortOrder());
    EXPECT_EQ(view->GetSortColumn(), 1);
    EXPECT_EQ(view->GetSelection().Top, view->GetFixedRows() + 3);   // alpha is now row 4
    EXPECT_EQ(view->FirstSelectedRow(), 4);
    ClickHeader(1);
    EXPECT_EQ(Column(1), "alpha,bravo,charlie,delta");
    EXPECT_TRUE(view->GetSortOrder());
    EXPECT_EQ(view->GetSelection().Top, view->GetFixedRows());
    // Another column continues the toggle.
    ClickHeader(2);
    EXPECT_EQ(Column(2), "4,3,2,1");
    // With both headers the column header row is grid row 1.
    view->SetComHdVis(true);
    ClickHeader(1);
    EXPECT_EQ(Column(1), "alpha,bravo,charlie,delta");
    view->SetSortEnabled(false);
    ClickHeader(1);
    EXPECT_EQ(Column(1), "alpha,bravo,charlie,delta");
}

TEST_F(ViewTest, HeaderClickNearABorderDoesNotSort) {
    FillSortable(view);
    const vcl::TRect h = Header(2);
    ClickHeader(2, 2);                                 // 2 px right of the left border
    ClickHeader(2, h.Right - h.Left - 2);              // 2 px left of the right border
    ClickHeader(2, 4);                                 // exactly 4 px: still the border
    EXPECT_EQ(view->GetSortColumn(), -1);
    ClickHeader(2, 5);                                 // 5 px: sorts
    EXPECT_EQ(view->GetSortColumn(), 2);
}

TEST_F(ViewTest, SingleRowModeSelectsTheClickedRowOnly) {
    FillSortable(view);
    int changes = 0;
    view->SetOnSelectedChange([&](vcl::TObject*) { ++changes; });
    ClickCell(1, 1);
    ClickCell(1, 3, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->NumSelectedRows(), 1);
    EXPECT_TRUE(view->GetRowSelect(3));
    EXPECT_EQ(changes, 2);
    view->SetRowSelectMode(0);
    changes = 0;
    ClickCell(1, 2);
    EXPECT_EQ(view->NumSelectedRows(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ViewTest, MultiRowModeWithCtrlAndShift) {
    FillNamed(2, 10);
    view->SetRowSelectMode(2);
    ClickCell(1, 2);
    ClickCell(1, 5, vcl::TShiftState{ssCtrl});
    EXPECT_TRUE(view->GetRowSelect(2));
    EXPECT_TRUE(view->GetRowSelect(5));
    EXPECT_EQ(view->NumSelectedRows(), 2);
    ClickCell(1, 8, vcl::TShiftState{ssShift});   // rows 5..8 take row 5's state
    for (int r = 5; r <= 8; ++r) EXPECT_TRUE(view->GetRowSelect(r)) << r;
    EXPECT_EQ(view->NumSelectedRows(), 5);
    ClickCell(1, 5, vcl::TShiftState{ssCtrl});    // toggles the anchor off
    ClickCell(1, 3, vcl::TShiftState{ssShift});   // rows 3..5 take row 5's (cleared) state
    EXPECT_FALSE(view->GetRowSelect(3));
    EXPECT_FALSE(view->GetRowSelect(4));
    EXPECT_TRUE(view->GetRowSelect(2));
    ClickCell(1, 9);            // plain click: only row 9
    EXPECT_EQ(view->NumSelectedRows(), 1);
    view->SetUseCtrlForMultiSel(false);
    ClickCell(1, 1);            // without Ctrl the click toggles
    EXPECT_EQ(view->NumSelectedRows(), 2);
    ClickCell(1, 1);
    EXPECT_EQ(view->NumSelectedRows(), 1);
    // Releasing the button right of the cells deselects all rows.
    view->SetColWidths(1, 60);
    view->SetColWidths(2, 60);
    vcl::Input::Click(view, 200, Cell(1, 2).Top + 5);
    EXPECT_EQ(view->NumSelectedRows(), 0);
}

TEST_F(ViewTest, CheckBoxClicks) {
    FillNamed(3, 4);
    view->SetColCheckMode(2, cmBox);
    view->SetColCheckMode(3, cmRadio);
    std::vector<std::string> log;
    view->SetOnBeforeCheckedChange([&](vcl::TObject*, bool& S, int C, int R) {
        log.push_back("before " + std::to_string(S) + " " + std::to_string(C) + "," + std::to_string(R));
    });
    view->SetOnCheckedChange([&](vcl::TObject*, bool& S, int C, int R) {
        log.push_back("after " + std::to_string(S) + " " + std::to_string(C) + "," + std::to_string(R));
    });
    ClickCell(2, 1, {}, 8);
    EXPECT_TRUE(view->GetElemChecked(2, 1));
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "before 1 2,1");
    EXPECT_EQ(log[1], "after 0 2,1");
    ClickCell(2, 1, {}, 30);   // beyond the box: no toggle
    EXPECT_TRUE(view->GetElemChecked(2, 1));
    ClickCell(2, 1, {}, 8);
    EXPECT_FALSE(view->GetElemChecked(2, 1));
    // Radio: the clicked cell is checked whatever State says, the others cleared.
    ClickCell(3, 2, {}, 8);
    ClickCell(3, 4, {}, 8);
    EXPECT_FALSE(view->GetElemChecked(3, 2));
    EXPECT_TRUE(view->GetElemChecked(3, 4));
    ClickCell(3, 4, {}, 8);
    EXPECT_TRUE(view->GetElemChecked(3, 4));
    // Disabled rows and read-only marks change nothing.
    view->SetRowEnabled(3, false);
    ClickCell(2, 3, {}, 8);
    EXPECT_FALSE(view->GetElemChecked(2, 3));
    view->SetCheckMarksReadOnly(true);
    log.clear();
    ClickCell(2, 2, {}, 8);
    EXPECT_FALSE(view->GetElemChecked(2, 2));
    EXPECT_TRUE(log.empty());
    // An empty cell shows a box only with ShowEmptyCheckBoxes.
    view->SetCheckMarksReadOnly(false);
    view->SetElem(2, 4, "");
    view->SetShowEmptyCheckBoxes(false);
    ClickCell(2, 4, {}, 8);
    EXPECT_FALSE(view->GetElemChecked(2, 4));
    view->SetShowEmptyCheckBoxes(true);
    ClickCell(2, 4, {}, 8);
    EXPECT_TRUE(view->GetElemChecked(2, 4));
}

TEST_F(ViewTest, DoubleClickOnHeaderBordersSizesThroughTheColumnOrder) {
    FillNamed(3, 3);
    view->SetElem(1, 2, "a long text in data column one");
    const std::vector<int> order{2, 1, 3};
    view->SetColumnOrder(order);   // display 2 shows data column 1
    int dbl = 0;
    view->SetOnDblClick([&](vcl::TObject*) { ++dbl; });
    const int want = view->DetermineMaxColWidth(1, true);
    const vcl::TRect h = Header(2);
    // Middle of the header: nothing, and no OnDblClick.
    vcl::Input::DblClick(view, (h.Left + h.Right) / 2, h.Top + 5);
    EXPECT_EQ(dbl, 0);
    EXPECT_NE(view->GetColWidths(1), want);
    // Near the left border of display 3: the column to its left (display 2) is sized.
    const vcl::TRect h3 = Header(3);
    vcl::Input::DblClick(view, h3.Left + 2, h3.Top + 5);
    EXPECT_EQ(view->GetColWidths(1), want);
    EXPECT_EQ(dbl, 0);
    // Near the right border of display 1: display 1 (data column 2) is sized.
    const vcl::TRect h1 = Header(1);
    vcl::Input::DblClick(view, h1.Right - 2, h1.Top + 5);
    EXPECT_EQ(view->GetColWidths(2), view->DetermineMaxColWidth(2, true));
    // A double click on a data cell fires OnDblClick.
    const vcl::TRect c = Cell(1, 1);
    vcl::Input::DblClick(view, c.Left + 20, c.Top + 5);
    EXPECT_EQ(dbl, 1);
}

TEST_F(ViewTest, DoubleClickSizingSkipsHiddenColumnsAndKeepsTheFourPixelZone) {
    FillNamed(3, 2);
    view->SetColWidths(2, 0);
    const vcl::TRect h3 = Header(3);
    vcl::Input::DblClick(view, h3.Left + 3, h3.Top + 5);   // the hidden column is skipped
    EXPECT_EQ(view->GetColWidths(1), view->DetermineMaxColWidth(1, true));
    EXPECT_EQ(view->GetColWidths(2), 0);
    view->SetColWidths(1, 100);
    view->SetColWidths(3, 100);
    const vcl::TRect h1 = Header(1);
    vcl::Input::DblClick(view, h1.Left + 5, h1.Top + 5);   // 5 px: inside the header
    EXPECT_EQ(view->GetColWidths(1), 100);
    vcl::Input::DblClick(view, h1.Left + 4, h1.Top + 5);   // 4 px: the first column's own
    EXPECT_EQ(view->GetColWidths(1), view->DetermineMaxColWidth(1, true));
}

// Scrolled to the right beside a fixed first column, the border just right of the fixed
// column is the fixed column's own: it is sized, not the columns scrolled out of view.
TEST_F(ViewTest, DoubleClickRightOfTheFixedColumnSizesTheFixedColumn) {
    FillNamed(10, 3);
    for (int c = 1; c <= 10; ++c) view->SetElem(c, 2, "a long text in column " + std::to_string(c));
    view->SetFixedFirstColumn(true);
    view->SetLeftCol(5);
    ASSERT_EQ(view->GetLeftCol(), 5);
    const vcl::TRect h5 = Header(5);
    ASSERT_FALSE(h5.IsEmpty());
    ASSERT_EQ(h5.Left, Header(1).Right + 1);
    std::vector<int> widths;
    for (int c = 1; c <= 10; ++c) widths.push_back(view->GetColWidths(c));
    vcl::Input::DblClick(view, h5.Left + 2, h5.Top + 5);
    EXPECT_EQ(view->GetColWidths(1), view->DetermineMaxColWidth(1, true));
    for (int c = 2; c <= 10; ++c) EXPECT_EQ(view->GetColWidths(c), widths[std::size_t(c - 1)]) << c;
    // The right half of the first scrolled column still sizes that column.
    vcl::Input::DblClick(view, Header(5).Right - 2, Header(5).Top + 5);
    EXPECT_EQ(view->GetColWidths(5), view->DetermineMaxColWidth(5, true));
    EXPECT_EQ(view->GetColWidths(4), widths[3]);
}

TEST_F(ViewTest, CursorKeysAndAutoAdvance) {
    FillNamed(2, 5);
    std::vector<vcl::WORD> keys;
    view->SetOnCursorKeyAction([&](vcl::TObject*, vcl::WORD K) { keys.push_back(K); });
    ClickCell(1, 2);
    vcl::Input::KeyDown(view, vcl::VK_DOWN);
    EXPECT_EQ(view->FirstSelectedRow(), 3);
    EXPECT_EQ(view->NumSelectedRows(), 1);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0], vcl::VK_DOWN);
    vcl::Input::KeyPress(view, U'\r');
    EXPECT_EQ(view->FirstSelectedRow(), 3);   // AutoAdvance off
    view->SetAutoAdvance(true);
    vcl::Input::KeyPress(view, U'\r');
    EXPECT_EQ(view->FirstSelectedRow(), 4);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[1], vcl::VK_DOWN);
}

TEST_F(ViewTest, WheelDoesNothingOnAnEmptyList) {
    FillNamed(2, 40);
    int wheels = 0;
    view->SetOnMouseWheelDown([&](vcl::TObject*, vcl::TShiftState, vcl::TPoint, bool&) { ++wheels; });
    ClickCell(1, 1);
    vcl::Input::Wheel(view, -120, 50, 100);
    EXPECT_EQ(view->GetSelection().Top, view->GetFixedRows() + 1);
    EXPECT_EQ(wheels, 1);
    view->SetNrRows(0);
    vcl::Input::Wheel(view, -120, 50, 100);
    EXPECT_EQ(wheels, 1);
}

TEST_F(ViewTest, InPlaceEditingGoesThroughTheColumnOrder) {
    FillNamed(3, 3);
    const std::vector<int> order{3, 1, 2};
    view->SetColumnOrder(order);
    view->SetColumnEditable(3, true);   // shown at display position 1
    std::vector<std::string> log;
    view->SetOnSetEditText([&](vcl::TObject*, int C, int R, const std::string& V) {
        log.push_back(std::to_string(C) + "," + std::to_string(R) + "=" + V);
    });
    ClickCell(2, 2);   // data column 1: not editable
    EXPECT_FALSE(view->GetOptions().Contains(vcl::goEditing));
    ClickCell(1, 2);
    EXPECT_TRUE(view->GetOptions().Contains(vcl::goEditing));
    vcl::Input::KeyDown(view, vcl::VK_F2);
    ASSERT_NE(view->GetInplaceEditor(), nullptr);
    EXPECT_EQ(view->GetInplaceEditor()->GetText(), "r2c3");
    vcl::Input::TypeText(view->GetInplaceEditor(), "X");
    EXPECT_EQ(view->GetElem(3, 2), "r2c3X");
    EXPECT_EQ(view->GetElem(1, 2), "r2c1");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "0,2=r2c3X");
    // A disabled row does not open the editor.
    view->SetRowEnabled(3, false);
    ClickCell(1, 3);
    EXPECT_FALSE(view->GetOptions().Contains(vcl::goEditing));
}
