// What assistive tools read of the report list: a table of the shown rows by the columns
// in display order, column headers from the names, cells as drawn, selected rows, and the
// events of selection and focus; cells are made only when asked for.
#include <string>
#include <vector>

#include "ReportListViewSupport.h"
#include "tests/support/AccessibilityRecorder.h"

#include "platform/Accessibility.h"

using namespace zyn;
using rlv_test::ViewTest;
using zyn_test::AccessibilityRecorder;

namespace {

class ReportListAccessibleTest : public ViewTest {};

TEST_F(ReportListAccessibleTest, TableCountsHeadersAndCellText) {
    FillNamed(3, 5);
    view->SetColName(1, "City");
    view->SetColName(2, "Code");
    view->SetColName(3, "Secret");
    view->SetColumnIsPwd(3, true);
    auto acc = view->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arTable);
    vcl::TAccTable* table = acc->GetTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRowCount(), 5);
    EXPECT_EQ(table->GetColumnCount(), 3);
    EXPECT_EQ(table->GetColumnName(0), "City");
    auto header = table->GetColumnHeader(1);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetRole(), vcl::arColumnHeader);
    EXPECT_EQ(header->GetName(), "Code");
    auto cell = table->GetCell(1, 0);
    EXPECT_EQ(cell->GetRole(), vcl::arTableCell);
    EXPECT_EQ(cell->GetName(), "r2c1");
    EXPECT_EQ(table->GetCell(0, 2)->GetName(), "******");   // a password column
    EXPECT_EQ(table->GetCell(5, 0), nullptr);
    // The header's bounds are the header cell's on the screen.
    EXPECT_EQ(header->GetScreenBounds(), Header(2));
    EXPECT_EQ(cell->GetScreenBounds(), Cell(1, 2));
    // The object under a point is the cell or header drawn there.
    auto middle = [](const vcl::TRect& B) { return vcl::TPoint((B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2); };
    EXPECT_EQ(acc->GetChildAtPoint(middle(Cell(1, 2))), cell);
    EXPECT_EQ(acc->GetChildAtPoint(middle(Header(2))), header);
    EXPECT_EQ(cell->GetTableCell()->GetCellRow(), 1);
}

TEST_F(ReportListAccessibleTest, ColumnsInDisplayOrderAndHiddenHeaders) {
    FillNamed(2, 3);
    view->SetColName(1, "A");
    view->SetColName(2, "B");
    const int order[] = {2, 1};
    ASSERT_TRUE(view->SetColumnOrder(order));
    vcl::TAccTable* table = view->GetAccessible()->GetTable();
    EXPECT_EQ(table->GetColumnName(0), "B");
    EXPECT_EQ(table->GetCell(0, 0)->GetName(), "r1c2");
    view->SetColumnHeadersVisible(false);
    EXPECT_EQ(table->GetColumnHeader(0), nullptr);
}

TEST_F(ReportListAccessibleTest, AMillionRowsCostNothingUntilACellIsRead) {
    view->SetNrCols(2);
    view->SetNrRows(1000000);
    view->SetElem(2, 1000000, "last");
    auto acc = view->GetAccessible();
    EXPECT_EQ(acc->GetTable()->GetRowCount(), 1000000);
    EXPECT_EQ(acc->GetChildCount(), 2000000);
    auto last = acc->GetTable()->GetCell(999999, 1);
    EXPECT_EQ(last->GetName(), "last");
    EXPECT_EQ(last->GetIndexInParent(), 1999999);
    EXPECT_FALSE(last->HasState(vcl::asShowing));   // far below the view
    EXPECT_TRUE(acc->GetTable()->GetCell(0, 0)->HasState(vcl::asShowing));
}

TEST_F(ReportListAccessibleTest, CheckColumnsSelectedRowsAndEvents) {
    FillNamed(2, 4);
    view->SetColCheckMode(1, cmBox);
    view->SetElemChecked(1, 2, true);
    auto acc = view->GetAccessible();
    vcl::TAccTable* table = acc->GetTable();
    EXPECT_TRUE(table->GetCell(1, 0)->HasState(vcl::asCheckable));
    EXPECT_TRUE(table->GetCell(1, 0)->HasState(vcl::asChecked));
    EXPECT_FALSE(table->GetCell(0, 0)->HasState(vcl::asChecked));
    EXPECT_FALSE(table->GetCell(0, 1)->HasState(vcl::asCheckable));

    AccessibilityRecorder heard;
    view->SetRowSelect(3, true);
    EXPECT_GE(heard.Count(vcl::aeSelection, acc.get()), 1);
    EXPECT_EQ(table->GetSelectedRows(), std::vector<int>{2});
    EXPECT_TRUE(table->IsCellSelected(2, 1));
    EXPECT_TRUE(table->GetCell(2, 0)->HasState(vcl::asSelected));

    view->SetFocus();
    heard.Clear();
    vcl::Input::KeyDown(view, vcl::VK_HOME, vcl::TShiftState{vcl::ssCtrl});
    vcl::Input::KeyDown(view, vcl::VK_DOWN);
    ASSERT_NE(heard.Last(vcl::aeFocus), nullptr);
    auto focused = std::dynamic_pointer_cast<vcl::TAccGridCell>(heard.Last(vcl::aeFocus));
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->GetRow(), 1);
    EXPECT_EQ(focused->GetName().substr(0, 2), "r2");
    EXPECT_TRUE(focused->HasState(vcl::asFocused));
}

}  // namespace
