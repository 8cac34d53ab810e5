// What assistive tools read of the table editor: a table of the data cells headed by the
// column names, cells read as drawn, the read-only state of the data, and the focus
// moving with the current cell.
#include <vector>

#include "NTabEdTestSupport.h"
#include "tests/support/AccessibilityRecorder.h"

#include "platform/Accessibility.h"

using ntabed_test::NTabEdTest;
using zyn_test::AccessibilityRecorder;

namespace {

class NTabEdAccessibleTest : public NTabEdTest {};

TEST_F(NTabEdAccessibleTest, DataCellsWithColumnHeaders) {
    ed->SetNrOfColumns(3);
    ed->SetNrOfRows(4);
    ed->SetColName(2, "Mass");
    ed->SetElem(2, 3, 1.5);
    ed->SetIsEmpty(1, 1, true);
    auto acc = ed->GetAccessible();
    vcl::TAccTable* table = acc->GetTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRowCount(), 4);
    EXPECT_EQ(table->GetColumnCount(), 3);
    EXPECT_EQ(table->GetColumnName(1), "Mass");
    EXPECT_EQ(table->GetColumnHeader(1)->GetName(), "Mass");
    EXPECT_EQ(table->GetCell(2, 1)->GetName().substr(0, 3), "1.5");
    EXPECT_EQ(table->GetCell(0, 0)->GetName(), "");   // an empty cell
    // Attribute rows and columns stay out of the table: the same cell, the same text.
    ed->SetAttribRowVisible(true);
    ed->SetAttribColVisible(true);
    EXPECT_EQ(table->GetRowCount(), 4);
    EXPECT_EQ(table->GetCell(2, 1)->GetName().substr(0, 3), "1.5");
    // Grid column 3 and row 4: the row names and the attribute column and row come first.
    vcl::TRect r = ed->CellRect(1 + 1 + 1, 2 + 1 + 1);
    EXPECT_EQ(table->GetCell(2, 1)->GetScreenBounds().Left, 10 + r.Left);
    // The object under a point is the data cell or header drawn there, none on a row name.
    auto middle = [](const vcl::TAccessiblePtr& A) {
        vcl::TRect b = A->GetScreenBounds();
        return vcl::TPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
    };
    EXPECT_EQ(acc->GetChildAtPoint(middle(table->GetCell(2, 1))), table->GetCell(2, 1));
    EXPECT_EQ(acc->GetChildAtPoint(middle(table->GetColumnHeader(1))), table->GetColumnHeader(1));
    vcl::TRect name = ed->CellRect(0, 2 + 1 + 1);
    EXPECT_EQ(acc->GetChildAtPoint(ed->ClientToScreen({name.Left + 2, name.Top + 2})), nullptr);
}

TEST_F(NTabEdAccessibleTest, ReadOnlyFollowsTheData) {
    auto acc = ed->GetAccessible();
    EXPECT_FALSE(acc->HasState(vcl::asReadOnly));
    ed->SetDataReadOnly(true);
    EXPECT_TRUE(acc->HasState(vcl::asReadOnly));
    EXPECT_TRUE(acc->GetTable()->GetCell(0, 0)->HasState(vcl::asReadOnly));
}

TEST_F(NTabEdAccessibleTest, FocusFollowsTheCurrentCell) {
    ed->SetNrOfColumns(3);
    ed->SetNrOfRows(3);
    ed->SetFocus();
    auto acc = ed->GetAccessible();
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetTable()->GetCell(1, 2)->DoAction(vcl::aaActivate));
    auto cell = std::dynamic_pointer_cast<vcl::TAccGridCell>(heard.Last(vcl::aeFocus));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetRow(), 1);
    EXPECT_EQ(cell->GetColumn(), 2);
    EXPECT_TRUE(cell->HasState(vcl::asFocused));
    EXPECT_GE(heard.Count(vcl::aeSelection, acc.get()), 1);
    vcl::Input::KeyDown(ed, vcl::VK_LEFT);
    cell = std::dynamic_pointer_cast<vcl::TAccGridCell>(heard.Last(vcl::aeFocus));
    EXPECT_EQ(cell->GetColumn(), 1);
}

}  // namespace
