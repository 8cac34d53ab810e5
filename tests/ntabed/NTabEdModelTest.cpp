// The table editor's model: its first state, cells, marks and names with their
// notifications, suppression, rows and columns, sizes and heading lines, sorting and other
// tables.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <string>

#include "platform/Testing.h"
#include "NTabEdTestSupport.h"
#include "framework/Zyn_conventions.h"

using namespace zyn;
using namespace ntabed_test;

using NTabEdModel = NTabEdTest;

TEST_F(NTabEdModel, FirstStateFollowsTheGridsFiveByFiveCells) {
    EXPECT_EQ(ed->GetNrOfColumns(), 3);
    EXPECT_EQ(ed->GetNrOfRows(), 4);
    EXPECT_EQ(ed->GetColCount(), 5);
    EXPECT_EQ(ed->GetRowCount(), 5);
    EXPECT_EQ(ed->GetFixedCols(), 2);
    EXPECT_EQ(ed->GetFixedRows(), 1);
    EXPECT_TRUE(ed->GetAttribRowVisible());
    EXPECT_FALSE(ed->GetAttribColVisible());
    EXPECT_EQ(ed->GetColWidths(0), 80);
    EXPECT_EQ(ed->GetColWidths(-1), 32);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(ed->GetPrecision(c), 3);
        for (int r = 1; r <= 4; ++r) EXPECT_TRUE(ed->GetIsNumber(c, r));
    }
    EXPECT_EQ(ed->GetPopupDMask(), INT_MAX);
    EXPECT_EQ(ed->GetPopupHMask(), INT_MAX);
    EXPECT_EQ(ed->GetColor(), vcl::clWindow);
    EXPECT_EQ(ed->GetFixedColor(), vcl::clBtnFace);
    EXPECT_EQ(ed->GetColorNormal(), TColor(0x002000));
    EXPECT_EQ(ed->GetColorRangeSelBG(), TColor(0xF8E8E0));
    EXPECT_EQ(ed->GetNomEditDropDownCount(), 8);
    EXPECT_EQ(ed->GetLeftCol(), 1);
    EXPECT_EQ(ed->GetTopRow(), 1);
}

TEST_F(NTabEdModel, MarksAndStatesNotifyOnlyTheirEvent) {
    ed->SetElemMarkedA(2, 3, true);
    ed->SetElemMarkedB(2, 3, true);
    EXPECT_EQ(ed->GetCellState(2, 3), dtsMarkA | dtsMarkB);
    ed->SetElemMarkedA(2, 3, false);
    EXPECT_EQ(ed->GetCellState(2, 3), dtsMarkB);
    ed->SetElemMarkedA(9, 9, true);   // out of range: nothing stored, still reported
    EXPECT_EQ(N("CellState"), 4);
    ed->SetIsEmpty(1, 1, true);
    EXPECT_FALSE(ed->GetIsNumber(1, 1));
    ed->SetCellState(3, 4, dtsInvalid | dtsMarkA);
    EXPECT_EQ(ed->GetCellState(3, 4), dtsInvalid | dtsMarkA);
    EXPECT_EQ(N("CellState"), 6);
    EXPECT_EQ(N("Change"), 0);
    // A value written to the table is a data change.
    ed->SetElem(1, 2, 4.5);
    EXPECT_EQ(N("Change"), 1);
    EXPECT_EQ(ed->GetElem(1, 2), 4.5);
}

TEST_F(NTabEdModel, SuppressionStopsTheSevenNotificationsAndRepaintsOnceAfter) {
    ed->SetSuppressPaint(true);
    ed->SetElemMarkedA(1, 1, true);
    ed->SetColName(1, "x");
    ed->SetColAttrib(1, 7);
    ed->SetColorNormal(0x123456);
    ed->SetElem(1, 1, 2);
    ed->ChangedSelection();
    ed->SetNrOfRows(6);
    EXPECT_TRUE(log.empty());
    vcl::Application->ProcessMessages();
    const int painted = vcl::Testing::PaintCount(ed);
    ed->SetSuppressPaint(false);   // repaints at once
    EXPECT_EQ(vcl::Testing::PaintCount(ed), painted + 1);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(vcl::Testing::PaintCount(ed), painted + 1);
    ed->SetElemMarkedA(1, 1, false);
    EXPECT_EQ(N("CellState"), 1);
}

TEST_F(NTabEdModel, NamesAttributesAndDecimalPlaces) {
    ed->SetColName(2, std::string(60, 'n'));
    EXPECT_EQ(ed->GetColName(2), std::string(50, 'n'));
    ed->SetRowName(4, "Last");
    ed->SetColName(4, "none");   // out of range
    ed->SetRowName(0, "none");
    EXPECT_EQ(N("Heading"), 2);
    EXPECT_EQ(ed->GetColName(4), "");
    ed->SetColAttrib(1, 200);
    ed->SetRowAttrib(2, 9);
    ed->SetRowAttrib(5, 9);
    EXPECT_EQ(N("Attrib"), 2);
    EXPECT_EQ(ed->GetColAttrib(1), 200);
    EXPECT_EQ(ed->GetRowAttrib(5), 0);
    EXPECT_EQ(ed->FindColIndex("NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN"), 2);
    EXPECT_EQ(ed->FindRowIndex("last"), 4);
    EXPECT_EQ(ed->FindRowIndex("first"), -1);

    ed->SetPrecision(1, -5);
    ed->SetPrecision(2, 12);
    ed->SetPrecision(4, 1);   // ignored
    EXPECT_EQ(ed->GetPrecision(1), -1);
    EXPECT_EQ(ed->GetPrecision(2), 10);
    EXPECT_EQ(ed->GetPrecision(4), 0);
    EXPECT_EQ(N("Layout"), 2);

    ed->SetComment("two\r\nlines\t!");
    EXPECT_EQ(ed->GetComment(), "twolines!");
    EXPECT_EQ(N("Change"), 1);
}

TEST_F(NTabEdModel, DisplaySettingsReportLayoutChanges) {
    ed->SetColorMarkedA(0x0000FF);   // the current value: nothing
    ed->SetBoldMarks(true);
    EXPECT_EQ(N("Layout"), 0);
    ed->SetColorMarkedA(0x00FF00);
    ed->SetBoldSelHeads(false);
    EXPECT_EQ(N("Layout"), 2);
    // NumWidth takes 1..20 only, and reports in either case.
    ed->SetNumWidth(0);
    ed->SetNumWidth(21);
    EXPECT_EQ(ed->GetNumWidth(), 1);
    ed->SetNumWidth(20);
    EXPECT_EQ(ed->GetNumWidth(), 20);
    EXPECT_EQ(N("Layout"), 5);
    // The default width goes to every column but the two heading columns.
    ed->SetColWidths(-1, 40);
    ed->SetDefaultColWidth(50);
    EXPECT_EQ(ed->GetColWidths(0), 80);
    EXPECT_EQ(ed->GetColWidths(-1), 40);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(ed->GetColWidths(c), 50);
    ed->SetColorBackground(0x00EEFFFF);
    ed->SetColorFixed(0x00DDDDDD);
    EXPECT_EQ(ed->GetColor(), TColor(0x00EEFFFF));
    EXPECT_EQ(ed->GetFixedColor(), TColor(0x00DDDDDD));
}

TEST_F(NTabEdModel, InsertAndRemoveRowsAndColumns) {
    FillSample();
    ed->InsertRow(ed->GetNrOfRows() + 2);   // beyond the end: nothing
    EXPECT_EQ(ed->GetNrOfRows(), 4);
    ed->InsertRow(ed->GetNrOfRows() + 1);   // appends
    EXPECT_EQ(ed->GetNrOfRows(), 5);
    EXPECT_EQ(ed->GetRowCount(), 6);
    ed->InsertRow(1);
    EXPECT_EQ(ed->GetElem(1, 2), 11);
    EXPECT_EQ(ed->GetRowName(2), "R-1");
    ed->RemoveRow(1);
    EXPECT_EQ(ed->GetElem(1, 1), 11);
    // Decimal places stay with their column when columns come and go.
    ed->SetPrecision(2, 1);
    ed->InsertColumn(1);
    EXPECT_EQ(ed->GetNrOfColumns(), 4);
    EXPECT_EQ(ed->GetPrecision(3), 1);
    EXPECT_EQ(ed->GetElem(3, 1), 21);
    ed->RemoveColumn(1);
    EXPECT_EQ(ed->GetPrecision(2), 1);
    ed->RemoveColumn(0);
    ed->RemoveColumn(4);
    EXPECT_EQ(ed->GetNrOfColumns(), 3);
    // The last row and the last column stay.
    ed->SetNrOfRows(1);
    ed->RemoveRow(1);
    EXPECT_EQ(ed->GetNrOfRows(), 1);
    ed->SetNrOfColumns(1);
    ed->RemoveColumn(1);
    EXPECT_EQ(ed->GetNrOfColumns(), 1);
    EXPECT_EQ(ed->GetColCount(), 3);
}

TEST_F(NTabEdModel, GrowingTheTableCopiesTheLastColumnsWidthAndDecimals) {
    ed->SetColWidths(3, 90);
    ed->SetPrecision(3, 5);
    ed->SetNrOfColumns(5);
    EXPECT_EQ(N("Setup"), 1);
    EXPECT_EQ(ed->GetColCount(), 7);
    for (int c = 4; c <= 5; ++c) {
        EXPECT_EQ(ed->GetColWidths(c), 90);
        EXPECT_EQ(ed->GetPrecision(c), 5);
    }
    ed->SetNrOfColumns(0);   // at least one column
    EXPECT_EQ(ed->GetNrOfColumns(), 1);
    ed->SetPrecision(1, 6);
    ed->Redimension(4, 7);
    EXPECT_EQ(ed->GetPrecision(4), 6);
    EXPECT_EQ(ed->GetNrOfColumns(), 4);
    EXPECT_EQ(ed->GetNrOfRows(), 7);
    EXPECT_EQ(ed->GetRowCount(), 8);
    EXPECT_EQ(N("Setup"), 3);
    // A resize of the table from outside brings the grid along.
    ed->Data->Resize(2, 3);
    EXPECT_EQ(ed->GetColCount(), 4);
    EXPECT_EQ(ed->GetRowCount(), 4);
    EXPECT_EQ(ed->GetPrecision(2), 6);
}

TEST_F(NTabEdModel, HeadingLinesShownAndHidden) {
    ed->SetColWidths(1, 70);
    ed->SetColWidths(2, 90);
    ed->SetColWidths(-1, 45);
    ed->SetAttribRowVisible(false);
    EXPECT_EQ(ed->GetFixedCols(), 1);
    EXPECT_EQ(ed->GetColCount(), 4);
    EXPECT_EQ(ed->GetColWidths(-1), 0);
    EXPECT_EQ(ed->GetColWidths(1), 70);
    EXPECT_EQ(ed->GetColWidths(2), 90);
    EXPECT_EQ(ed->CellRect(1, 0).Width(), 70);   // data column 1 is grid column 1 now
    ed->SetColWidths(-1, 50);   // only remembered while hidden
    ed->SetAttribRowVisible(true);
    EXPECT_EQ(ed->GetColCount(), 5);
    EXPECT_EQ(ed->GetColWidths(-1), 50);
    EXPECT_EQ(ed->GetColWidths(1), 70);
    EXPECT_EQ(ed->GetColWidths(2), 90);
    EXPECT_EQ(N("Layout"), 6);
    ed->SetAttribRowVisible(true);   // the current value does nothing
    EXPECT_EQ(N("Layout"), 6);

    ed->SetRowHeights(0, 30);
    ed->SetRowHeights(2, 40);
    ed->SetAttribColVisible(true);
    EXPECT_EQ(ed->GetFixedRows(), 2);
    EXPECT_EQ(ed->GetRowCount(), 6);
    EXPECT_EQ(ed->GetRowHeights(1), 30);   // as high as the column-name row
    EXPECT_EQ(ed->GetRowHeights(3), 40);   // data row 2 keeps its height
    ed->SetElem(2, 1, 5);
    EXPECT_EQ(ed->GetTopRow(), 1);
    ed->SetAttribColVisible(false);
    EXPECT_EQ(ed->GetRowCount(), 5);
    EXPECT_EQ(ed->GetRowHeights(2), 40);
}

TEST_F(NTabEdModel, AutomaticWidthsAndHeights) {
    vcl::TCanvas* c = ed->GetCanvas();
    c->GetFont()->Assign(ed->GetFont());
    EXPECT_EQ(ed->AutoColWidth(-1, false, 0), c->TextWidth("255") + 8);
    EXPECT_EQ(ed->GetColWidths(-1), c->TextWidth("255") + 8);
    EXPECT_EQ(ed->AutoColWidth(-1, true, 2), c->TextWidth("Attrib") + 10);
    EXPECT_EQ(ed->AutoColWidth(0, true, 3), c->TextWidth("999:9999") + 11);
    ed->SetRowName(2, "A rather long row name");
    EXPECT_EQ(ed->AutoColWidth(0, true, 0), c->TextWidth("A rather long row name") + 8);
    ed->SetElem(2, 3, -12345.5);
    ed->SetColName(2, "Temp");
    EXPECT_EQ(ed->AutoColWidth(2, false, 0), c->TextWidth("-12345.500") + 8);
    ed->SetColName(2, "Temperature at the outlet");
    EXPECT_EQ(ed->AutoColWidth(2, true, 0), c->TextWidth("Temperature at the outlet") + 8);
    EXPECT_EQ(ed->GetColWidths(2), c->TextWidth("Temperature at the outlet") + 8);
    EXPECT_EQ(ed->AutoColWidth(9, true, -100), 4);   // out of range: nothing measured or stored

    const int probe = c->TextHeight("9GMgÜ$§[{|");
    EXPECT_EQ(ed->AutoRowHeight(2, 4), probe + 6);
    EXPECT_EQ(ed->GetRowHeights(2), probe + 6);
    EXPECT_EQ(ed->AutoRowHeight(1, -200), 8);
    EXPECT_EQ(ed->GetRowHeights(1), 8);
    ed->AutoRowHeight(-1, 0);   // the column-attribute row is hidden: nothing set
    EXPECT_EQ(ed->GetRowHeights(1), 8);
}

TEST_F(NTabEdModel, WholeTableActions) {
    FillSample();
    ed->MarkAllElemsA();
    EXPECT_EQ(ed->NrOfMarkedDataA(), 12);
    ed->ExchangeMarkings();
    EXPECT_EQ(ed->NrOfMarkedDataA(), 0);
    EXPECT_EQ(ed->NrOfMarkedDataB(), 12);
    ed->UnMarkAllElems();
    EXPECT_FALSE(ed->IfAnyMarked());
    ed->SetElemMarkedB(2, 3, true);
    EXPECT_TRUE(ed->IfRowMarked(3));
    EXPECT_TRUE(ed->IfColumnMarked(2));
    EXPECT_FALSE(ed->IfColumnMarked(1));
    EXPECT_FALSE(ed->IfRowMarked(0));
    ed->InvertCellStates(dtsMarkA);
    EXPECT_EQ(ed->NrOfMarkedDataA(), 12);
    EXPECT_EQ(N("CellState"), 5);
    EXPECT_EQ(N("Change"), 0);

    ed->SetSuppressPaint(true);
    EXPECT_EQ(ed->FillMarkedCells(-1, dtsMarkB), 1);
    EXPECT_TRUE(ed->GetSuppressPaint());   // the application's setting stays
    ed->SetSuppressPaint(false);
    EXPECT_EQ(ed->GetElem(2, 3), -1);

    ed->Clear();
    EXPECT_EQ(ed->GetColName(3), "C-3");
    EXPECT_EQ(ed->GetRowName(4), "R-4");
    EXPECT_TRUE(ed->GetIsEmpty(1, 1));
    ed->Fill(7);
    EXPECT_EQ(ed->GetElem(3, 4), 7);
    EXPECT_TRUE(ed->GetIsEmpty(3, 4));   // the states stay
}

TEST_F(NTabEdModel, SortingMovesDecimalPlacesWithTheirColumn) {
    FillSample();
    ed->SetElem(1, 1, 30);
    ed->SetElem(2, 1, 10);
    ed->SetIsEmpty(3, 1, true);
    ed->SetPrecision(1, 0);
    ed->SetPrecision(2, 2);
    ResetCounts();
    ed->SortCols(1, true, 1, 1, 3, 4, true);
    EXPECT_EQ(ed->GetElem(1, 1), 10);
    EXPECT_EQ(ed->GetColName(1), "C-2");
    EXPECT_EQ(ed->GetPrecision(1), 2);
    EXPECT_EQ(ed->GetPrecision(2), 0);
    EXPECT_EQ(ed->GetColName(3), "C-3");   // not a number: last
    EXPECT_EQ(N("Change"), 1);
    EXPECT_EQ(N("Setup"), 1);
    // Without the headers only the values move.
    ed->SortCols(1, false, 1, 1, 2, 4, false);
    EXPECT_EQ(ed->GetElem(1, 1), 30);
    EXPECT_EQ(ed->GetColName(1), "C-2");
    EXPECT_EQ(ed->GetPrecision(1), 2);

    ed->SortRows(2, false, 1, 1, 3, 4, true);
    EXPECT_EQ(ed->GetRowName(1), "R-4");
    ed->SetRowName(2, "b");
    ed->SetRowName(3, "B");
    ed->SortRowNames(true, true, 1, 2, 3, 3);
    EXPECT_EQ(ed->GetRowName(2), "b");   // equal without case: the order stays
    ed->SetColAttrib(1, 9);
    ed->SortColAttributes(true, 1, 1, 3, 4);
    EXPECT_EQ(ed->GetColAttrib(3), 9);
}

TEST_F(NTabEdModel, TablesFromOutside) {
    auto external = std::make_unique<TDataTable>(nullptr);
    external->Resize(6, 2);
    external->SetElem(6, 2, 62);
    external->SetColName(6, "six");
    ed->AssignAnotherDataMatrix(external.get());
    EXPECT_EQ(ed->Data, external.get());
    EXPECT_EQ(ed->GetNrOfColumns(), 6);
    EXPECT_EQ(ed->GetColCount(), 8);
    EXPECT_EQ(ed->GetRowCount(), 3);
    EXPECT_EQ(ed->GetPrecision(6), 3);
    EXPECT_EQ(N("Setup"), 1);
    external->SetElem(1, 1, 5);   // the editor hears the table
    EXPECT_EQ(N("Change"), 1);
    // Freed from outside: the editor goes on with a table of its own, of the same size.
    external.reset();
    ASSERT_NE(ed->Data, nullptr);
    EXPECT_EQ(ed->GetNrOfColumns(), 6);
    EXPECT_EQ(ed->GetNrOfRows(), 2);

    TDataTable source(nullptr);
    source.Resize(2, 2);
    source.SetElem(2, 2, 22);
    source.SetCellState(1, 1, dtsEmpty | dtsMarkA);
    source.SetRowName(2, "second");
    source.SetColAttrib(1, 4);
    source.SetFComment("from elsewhere");
    ed->CopyContentsFrom(&source);
    EXPECT_EQ(ed->GetNrOfColumns(), 2);
    EXPECT_EQ(ed->GetElem(2, 2), 22);
    EXPECT_EQ(ed->GetCellState(1, 1), dtsEmpty | dtsMarkA);
    EXPECT_EQ(ed->GetRowName(2), "second");
    EXPECT_EQ(ed->GetColAttrib(1), 4);
    EXPECT_EQ(ed->GetComment(), "from elsewhere");

    TDataTable states(nullptr);
    states.Resize(3, 3);
    EXPECT_FALSE(ed->CopyCellStatesFrom(&states));
    states.Resize(2, 2);
    states.SetCellState(2, 1, dtsMarkB);
    EXPECT_TRUE(ed->CopyCellStatesFrom(&states));
    EXPECT_EQ(ed->GetCellState(2, 1), dtsMarkB);
    EXPECT_EQ(ed->GetCellState(1, 1), 0);
}

TEST_F(NTabEdModel, CopyContentsFromTakesTheOtherTablesNominalColumns) {
    ed->Data->SetMScaleType(1, mstNominal);
    ed->Data->SetNominalID(1, 1, "old site");
    ed->Data->SetNominalID(2, 5, "old word");   // an identifier of a numeric column
    TDataTable source(nullptr);
    source.Resize(2, 2);
    source.SetMScaleType(2, mstBinary);
    source.SetNominalID(2, 1, "yes");
    source.SetNominalID(2, 2, "no");
    source.SetElem(1, 1, 1);
    source.SetElem(2, 1, 2);
    ed->CopyContentsFrom(&source);
    EXPECT_FALSE(ed->Data->IsNominalColumn(1));
    EXPECT_EQ(ed->Data->GetNominalID(1, 1), "");
    EXPECT_EQ(ed->Data->GetNominalID(2, 5), "");
    EXPECT_TRUE(ed->Data->IsNominalColumn(2));
    EXPECT_EQ(ed->Data->GetMScaleType(2), mstBinary);
    EXPECT_EQ(ed->Data->GetNominalID(2, 1), "yes");
    EXPECT_EQ(ed->Data->GetNominalID(2, 2), "no");
    // The editor shows the columns as the other table has them.
    std::map<int, std::string> shown;
    ed->SetOnBeforeRenderCell([&](vcl::TObject*, int C, int R, std::string& Text, TColor&, TColor&, vcl::TFontStyles&) {
        if (R == 1) shown[C] = Text;
    });
    Picture pic(*ed);
    EXPECT_EQ(shown[1], "1.000");
    EXPECT_EQ(shown[2], "no");
    // The source stays as it was.
    EXPECT_EQ(source.GetNominalID(2, 1), "yes");
}

TEST(NTabEdLifetime, AnEditorFreedBeforeItsExternalTableLeavesTheTableQuiet) {
    TDataTable table(nullptr);
    table.Resize(2, 2);
    {
        TNTabEd editor(nullptr);
        editor.AssignAnotherDataMatrix(&table);
        table.SetElem(1, 1, 1);
    }
    // No handler of the freed editor is left behind.
    table.Resize(4, 4);
    table.SetElem(1, 1, 2);
    table.SortRows(1, true, 1, 1, 4, 4, true);
    EXPECT_FALSE(table.OnDataChanged);
    EXPECT_FALSE(table.OnSizeChanged);
    EXPECT_FALSE(table.OnSortExchange);
}
