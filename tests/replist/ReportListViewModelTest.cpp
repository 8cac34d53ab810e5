// The view's model: defaults, head rows, column order, widths, rows and selection.
#include <vector>

#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;

TEST_F(ViewTest, NewViewDefaults) {
    EXPECT_EQ(view->GetNrOfColumns(), 5);
    EXPECT_EQ(view->GetNrOfRows(), 4);
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(view->GetColName(c), "C-" + std::to_string(c));
    EXPECT_TRUE(view->GetColumnHeadersVisible());
    EXPECT_FALSE(view->GetCommonHeaderVisible());
    EXPECT_EQ(view->GetFixedRows(), 1);
    EXPECT_EQ(view->GetRowCount(), 5);
    EXPECT_EQ(view->GetColCount(), 5);
    EXPECT_EQ(view->GetRowSelectMode(), 1);
    EXPECT_EQ(view->GetCommonHeader(), "Zyn Report Listview");
    EXPECT_FALSE(view->GetDefaultDrawing());
    EXPECT_EQ(view->GetColorSelectedRow(), 0x94BAEDu);
    EXPECT_EQ(view->GetColorSelectedRowText(), 0x800000u);
}

TEST_F(ViewTest, HeadRowsFollowHeaderVisibility) {
    view->SetComHdVis(true);
    EXPECT_EQ(view->GetRowCount(), 6);
    EXPECT_EQ(view->GetFixedRows(), 2);
    EXPECT_EQ(view->GetRowHeights(0), 20);
    EXPECT_EQ(view->GetRowHeights(1), 20);
    view->SetNrRows(0);
    EXPECT_EQ(view->GetRowCount(), 3);   // one row below the headers even when empty
    view->SetColHdVis(false);
    view->SetComHdVis(false);
    EXPECT_EQ(view->GetFixedRows(), 0);
    EXPECT_EQ(view->GetRowCount(), 1);
    EXPECT_EQ(view->GetRowHeights(0), view->GetDefaultRowHeight());
    view->SetNrRows(3);
    view->SetComHdVis(true);
    view->SetCommonHeaderHeight(3);
    EXPECT_EQ(view->GetCommonHeaderHeight(), 8);
    EXPECT_EQ(view->GetRowHeights(0), 8);
    EXPECT_EQ(view->GetRowHeights(1), view->GetDefaultRowHeight());
    view->SetCommonHeaderHeight(500);
    EXPECT_EQ(view->GetCommonHeaderHeight(), 127);
    // Data row r is grid row FixedRows + r - 1 in every head-row setting.
    EXPECT_EQ(view->MouseCell(Cell(2, 3).Left + 2, Cell(2, 3).Top + 2), std::make_pair(2, 3));
    EXPECT_EQ(view->MouseCell(5, 3), std::make_pair(1, -2));
    view->SetColHdVis(true);
    EXPECT_EQ(view->MouseCell(Header(1).Left + 5, Header(1).Top + 3), std::make_pair(1, -1));
    EXPECT_EQ(view->MouseCell(Cell(1, 1).Left + 5, Cell(1, 1).Top + 3), std::make_pair(1, 1));
}

TEST_F(ViewTest, ColumnOrderMapsWidthsAndCells) {
    FillNamed(3, 2);
    const std::vector<int> bad{1, 2};
    EXPECT_FALSE(view->SetColumnOrder(bad));
    EXPECT_EQ(view->GetColumnOrder(1), 1);
    const std::vector<int> order{3, 1, 2};
    EXPECT_TRUE(view->SetColumnOrder(order));
    EXPECT_EQ(view->GetColumnOrder(1), 3);
    EXPECT_EQ(view->DisplayPosOf(3), 1);
    const std::vector<int> partlyBad{2, 9, 1};
    EXPECT_FALSE(view->SetColumnOrder(partlyBad));
    EXPECT_EQ(view->GetColumnOrder(1), 2);
    EXPECT_EQ(view->GetColumnOrder(2), 1);   // the invalid entry left its position alone
    view->SetColumnOrder(order);
    // ColWidths of a data column is the width of the display column showing it.
    view->SetColWidths(3, 111);
    EXPECT_EQ(view->vcl::TCustomGrid::GetColWidths(0), 111);
    EXPECT_EQ(view->GetColWidths(3), 111);
    EXPECT_EQ(view->GetColWidths(0), 0);
    EXPECT_EQ(view->GetColWidths(4), 0);
}

TEST_F(ViewTest, AutoWidthsMeasureTextsHeadersAndChecks) {
    FillNamed(3, 3);
    view->SetElem(2, 2, "a much longer text than the others");
    vcl::TCanvas* c = view->GetCanvas();
    c->SetFont(view->GetFont());
    const int wide = c->TextWidth("a much longer text than the others");
    EXPECT_EQ(view->DetermineMaxColWidth(2, false), wide + 9);
    EXPECT_EQ(view->DetermineMaxColWidth(9, false), 9);
    view->SetColName(1, "A very wide header name");
    EXPECT_EQ(view->DetermineMaxColWidth(1, true), c->TextWidth("A very wide header name") + 9);
    view->Sort(1, -1, true);
    EXPECT_EQ(view->DetermineMaxColWidth(1, true), c->TextWidth("A very wide header name") + 13 + 9);
    view->SetColCheckMode(3, cmBox);
    EXPECT_EQ(view->DetermineMaxColWidth(3, false), c->TextWidth("r1c3") + 16 + 9);
    view->AutoColWidth(2, false, 5, 50);
    EXPECT_EQ(view->GetColWidths(2), 50);
    view->SetNrRows(0);
    view->AutoColWidth(2, false, -100);
    EXPECT_EQ(view->GetColWidths(2), 4);
    view->SetColWidths(1, 60);
    view->SetColWidths(3, 70);
    view->ExpandColWidth(2, 10);
    EXPECT_EQ(view->GetColWidths(2), view->GetClientWidth() - 10 - 130);
    view->ExpandColWidth(2, 1000);
    EXPECT_EQ(view->GetColWidths(2), 16);
}

TEST_F(ViewTest, SelectionApiAndDisabledRows) {
    FillNamed(3, 5);
    int changes = 0;
    view->SetOnSelectedChange([&](vcl::TObject*) { ++changes; });
    view->SelectRow(3);
    EXPECT_EQ(view->NumSelectedRows(), 1);
    EXPECT_EQ(view->FirstSelectedRow(), 3);
    EXPECT_EQ(changes, 1);
    view->SetRowEnabled(3, false);
    EXPECT_EQ(view->FirstSelectedRow(), 0);   // the only selected row is disabled
    EXPECT_EQ(view->NumEnabledRows(), 4);
    view->SelectAllRows();
    EXPECT_EQ(view->NumSelectedRows(), 5);
    view->DeselectAllRows();
    EXPECT_EQ(view->NumSelectedRows(), 0);
    EXPECT_FALSE(view->GetRowSelect(0));
    EXPECT_FALSE(view->GetRowSelect(6));
    view->SetRowSelect(6, true);   // ignored
    view->SelectColumn(2);
    EXPECT_EQ(view->FirstSelectedColumn(), 2);
    EXPECT_EQ(view->NumSelectedColumns(), 1);
    view->SelectAllColumns();
    EXPECT_EQ(view->NumSelectedColumns(), 3);
    view->DisableAllRows();
    EXPECT_EQ(view->NumEnabledRows(), 0);
    view->EnableAllRows();
    EXPECT_EQ(view->NumEnabledRows(), 5);
    // Mode 0 clears the row selection.
    view->SelectRow(2);
    view->SetRowSelectMode(0);
    EXPECT_EQ(view->NumSelectedRows(), 0);
}

TEST_F(ViewTest, RowsInsertRemoveAndEmptyRows) {
    FillNamed(2, 4);
    view->Sort(1, 2, true);
    EXPECT_EQ(view->InsertRow(2), 2);
    EXPECT_EQ(view->GetNrOfRows(), 5);
    EXPECT_EQ(view->GetElem(1, 2), "");
    EXPECT_EQ(view->GetElem(1, 3), "r2c1");
    EXPECT_EQ(view->GetSortColumn(), -1);
    EXPECT_EQ(view->GetRowCount(), 6);
    EXPECT_EQ(view->InsertRow(99), 6);
    EXPECT_EQ(view->InsertRow(0), 0);
    EXPECT_EQ(view->GetNrOfRows(), 6);
    view->RemoveEmptyRows();
    EXPECT_EQ(view->GetNrOfRows(), 4);
    EXPECT_EQ(view->GetRowCount(), 5);
    EXPECT_EQ(Column(1), "r1c1,r2c1,r3c1,r4c1");
    view->RemoveRow(1);
    EXPECT_EQ(Column(1), "r2c1,r3c1,r4c1");
    view->Fill("");
    view->RemoveEmptyRows();
    EXPECT_EQ(view->GetNrOfRows(), 0);
    EXPECT_EQ(view->GetRowCount(), 2);
}

TEST_F(ViewTest, ForwardedOperationsAndTheirDifferences) {
    FillNamed(3, 3);
    view->SetOnReadCell([](vcl::TObject*, int, int R, std::string& Text) { if (R == 2) Text = "<" + Text + ">"; });
    EXPECT_EQ(view->GetElem(1, 2), "<r2c1>");
    EXPECT_EQ(view->GetElem(1, 1), "r1c1");
    view->SetElem(2, 3, "x1");
    try {
        view->GetAsNumber(2, 3);
        FAIL() << "no exception";
    } catch (const EZynDStructError& e) {
        EXPECT_EQ(std::string(e.what()), "Class TReportListView: invalid numeric string: [2,3]: x1");
    }
    view->SetColCheckMode(1, cmBox);
    view->SetElemChecked(1, 1, true);
    view->SetElemChecked(1, 2, true);
    view->SetRowEnabled(2, false);
    EXPECT_EQ(view->CountCheckedElemsInCol(1), 1);   // enabled rows only
    view->SetAllCheckmarksOfCol(1, false, true);
    EXPECT_TRUE(view->GetElemChecked(1, 2));
    EXPECT_FALSE(view->GetElemChecked(1, 1));
    view->InvertAllCheckmarksOfCol(1);
    EXPECT_TRUE(view->GetElemChecked(1, 1));
    EXPECT_FALSE(view->GetElemChecked(1, 2));
    int changes = 0;
    view->SetOnChange([&](vcl::TObject*) { ++changes; });
    view->SetColName(9, "x");
    EXPECT_EQ(changes, 0);
    view->SetColName(2, "Two");
    EXPECT_EQ(changes, 1);
    view->SetSortColumnSec(7);
    EXPECT_EQ(view->GetSecondarySortColumn(), -1);
    view->SetSortColumnSec(2);
    EXPECT_EQ(view->GetSecondarySortColumn(), 2);
}

TEST_F(ViewTest, FileReadBringsTheViewInLine) {
    FillNamed(2, 2);
    TRLData src(nullptr);
    src.SetNrCols(4);
    src.SetNrRows(7);
    src.SetElem(4, 7, "last");
    vcl::TMemoryStream ms;
    src.WriteToXMLStream(&ms, true, "");
    ms.SetPosition(0);
    view->SetColumnEditable(2, true);
    ASSERT_TRUE(view->ReadFromXMLStream(&ms, ""));
    EXPECT_EQ(view->GetNrOfColumns(), 4);
    EXPECT_EQ(view->GetColCount(), 4);
    EXPECT_EQ(view->GetRowCount(), 8);
    EXPECT_EQ(view->GetColumnOrder(4), 4);
    EXPECT_EQ(view->GetElem(4, 7), "last");
    // A failed read leaves the view as it was.
    vcl::TMemoryStream junk;
    const std::string text = "not a data set";
    junk.Write(text.data(), int(text.size()));
    junk.SetPosition(0);
    EXPECT_FALSE(view->ReadFromXMLStream(&junk, ""));
    EXPECT_EQ(view->GetNrOfColumns(), 4);
    EXPECT_EQ(view->GetRowCount(), 8);
}

TEST_F(ViewTest, AssignCopiesDataAndLook) {
    FillNamed(3, 4);
    view->SetColorHigh(0x123456);
    view->SetComHdVis(true);
    const std::vector<int> order{2, 3, 1};
    view->SetColumnOrder(order);
    view->SetColumnIsPwd(2, true);
    TReportListView copy(nullptr);
    copy.Assign(view);
    EXPECT_EQ(copy.GetNrOfColumns(), 3);
    EXPECT_EQ(copy.GetRowCount(), 6);
    EXPECT_EQ(copy.GetFixedRows(), 2);
    EXPECT_EQ(copy.GetColorHigh(), 0x123456);
    EXPECT_EQ(copy.GetColumnOrder(1), 2);
    EXPECT_TRUE(copy.GetColumnIsPwd(2));
    EXPECT_EQ(copy.GetElem(3, 4), "r4c3");
}

TEST_F(ViewTest, ColumnsGrowWithTheLastWidthAndClearResets) {
    FillNamed(2, 3);
    view->vcl::TCustomGrid::SetColWidths(1, 77);
    view->SetColumnAlignment(1, vcl::taCenter);
    view->SetColumnEditable(2, true);
    const std::vector<int> order{2, 1};
    view->SetColumnOrder(order);
    view->SetNrCols(4);
    EXPECT_EQ(view->GetColCount(), 4);
    EXPECT_EQ(view->vcl::TCustomGrid::GetColWidths(2), 77);
    EXPECT_EQ(view->vcl::TCustomGrid::GetColWidths(3), 77);
    EXPECT_EQ(view->GetColumnOrder(1), 1);   // the order starts again from the identity
    EXPECT_EQ(view->GetColumnAlignment(1), vcl::taCenter);
    EXPECT_EQ(view->GetColumnAlignment(4), vcl::taLeftJustify);
    view->SetColumnOrder(std::vector<int>{4, 3, 2, 1});
    view->Clear();
    EXPECT_EQ(view->GetColumnAlignment(1), vcl::taLeftJustify);
    EXPECT_FALSE(view->GetColumnEditable(2));
    EXPECT_EQ(view->GetColumnOrder(1), 1);
    EXPECT_EQ(view->GetElem(1, 1), "");
    EXPECT_EQ(view->GetNrOfRows(), 3);
}

TEST_F(ViewTest, CenterScrollAndSelectAndTopRow) {
    FillNamed(2, 200);
    const int vis = view->GetVisibleRowCount();
    view->CenterScrollAndSelect(100);
    EXPECT_EQ(view->FirstSelectedRow(), 100);
    EXPECT_EQ(view->GetTopRow(), 100 - vis / 2);
    EXPECT_EQ(view->GetSelection().Top, view->GetFixedRows() + 99);
    view->CenterScrollAndSelect(199);
    EXPECT_EQ(view->GetTopRow(), 200 - vis + 1);
    view->SetTopRow(-5);
    EXPECT_EQ(view->GetTopRow(), 1);
    view->SetComHdVis(true);
    view->SetTopRow(10);
    EXPECT_EQ(view->GetTopRow(), 10);
    EXPECT_EQ(view->vcl::TCustomGrid::GetTopRow(), 11);
}

TEST_F(ViewTest, EditedCheckCellKeepsAPlainMark) {
    FillNamed(2, 2);
    view->SetColCheckMode(2, cmBox);
    view->GetData()->Strings->SetString(2, 1, "Yold");   // an odd mark from elsewhere
    view->SetColumnEditable(2, true);
    ClickCell(2, 1, {}, 40);
    vcl::Input::KeyDown(view, vcl::VK_F2);
    ASSERT_NE(view->GetInplaceEditor(), nullptr);
    EXPECT_EQ(view->GetInplaceEditor()->GetText(), "old");
    vcl::Input::TypeText(view->GetInplaceEditor(), "!");
    EXPECT_EQ(view->GetData()->Strings->GetString(2, 1), "Xold!");
    view->SetElem(2, 2, "");
    ClickCell(2, 2, {}, 40);
    vcl::Input::KeyDown(view, vcl::VK_F2);
    vcl::Input::TypeText(view->GetInplaceEditor(), "n");
    EXPECT_EQ(view->GetData()->Strings->GetString(2, 2), " n");   // a blank mark stays blank
}

TEST_F(ViewTest, FixedFirstColumnNeedsASecondColumn) {
    FillNamed(3, 2);
    view->SetFixedFirstColumn(true);
    EXPECT_EQ(view->GetFixedCols(), 1);
    view->SetNrCols(1);   // one column cannot be fixed and scroll at once
    EXPECT_EQ(view->GetFixedCols(), 0);
    EXPECT_EQ(view->GetColCount(), 1);
    view->SetNrCols(3);
    view->SetFixedFirstColumn(true);
    EXPECT_EQ(view->GetFixedCols(), 1);
}

// Refused while there is one column, the fixed first column comes back by itself once a
// second one exists: through NrOfColumns and through a file read alike.
TEST_F(ViewTest, FixedFirstColumnTakesEffectWhenASecondColumnArrives) {
    view->SetNrCols(1);
    view->SetFixedFirstColumn(true);
    EXPECT_TRUE(view->GetFixedFirstColumn());
    EXPECT_EQ(view->GetFixedCols(), 0);
    view->SetNrCols(2);
    EXPECT_EQ(view->GetFixedCols(), 1);
    view->SetNrCols(1);
    EXPECT_EQ(view->GetFixedCols(), 0);
    TRLData src(nullptr);
    src.SetNrCols(3);
    src.SetNrRows(2);
    vcl::TMemoryStream ms;
    src.WriteToXMLStream(&ms, true, "");
    ms.SetPosition(0);
    ASSERT_TRUE(view->ReadFromXMLStream(&ms, ""));
    EXPECT_EQ(view->GetFixedCols(), 1);
    // Switched off, it stays off when columns come and go.
    view->SetFixedFirstColumn(false);
    view->SetNrCols(1);
    view->SetNrCols(4);
    EXPECT_EQ(view->GetFixedCols(), 0);
}
