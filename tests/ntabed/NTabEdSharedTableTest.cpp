// Several table editors over one data table: each hears the table's changes and sizes itself
// from it, decimal places stay with their columns in every view, and either may be freed
// first, the table or an editor. Also the sizes the grid cannot show.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "NTabEdTestSupport.h"
#include "platform/Grids.h"

using namespace zyn;
using namespace ntabed_test;

namespace {

class NTabEdShared : public NTabEdTest {
protected:
    void SetUp() override {
        NTabEdTest::SetUp();
        second = new TNTabEd(form.get());
        second->SetName("Second");
        second->SetParent(form.get());
        second->SetBounds(10, 10, 600, 380);
        second->SetOnChange([this](vcl::TObject* Sender) {
            EXPECT_EQ(Sender, second);
            ++secondChanges;
        });
        table = std::make_unique<TDataTable>(nullptr);
        table->Resize(3, 4);
        vcl::Application->ProcessMessages();
        ResetCounts();
    }
    void TearDown() override {
        // The editors go before the table here; the lifetime tests free them the other way.
        form.reset();
        table.reset();
        NTabEdTest::TearDown();
    }
    void ShowTableInBoth() {
        ed->AssignAnotherDataMatrix(table.get());
        second->AssignAnotherDataMatrix(table.get());
        ResetCounts();
        secondChanges = 0;
    }
    // Some text of the cell shows in the editor's picture.
    static bool ShowsText(TNTabEd& Ed, int DataCol, int DataRow) {
        const vcl::TRect r = Ed.CellRect(DataCol + 1, DataRow);
        if (r.IsEmpty()) return false;
        Picture pic(Ed);
        return pic.Count(r, Ed.GetColorNormal()) > 0;
    }

    TNTabEd* second = nullptr;
    std::unique_ptr<TDataTable> table;
    int secondChanges = 0;
};

}  // namespace

TEST_F(NTabEdShared, EveryEditorOfATableFollowsItsSizeAndHearsItsChanges) {
    ShowTableInBoth();
    // Resized from outside: both editors size themselves from the table, the first too.
    table->Resize(6, 7);
    for (TNTabEd* e : {ed, second}) {
        EXPECT_EQ(e->GetNrOfColumns(), 6);
        EXPECT_EQ(e->GetColCount(), 8);
        EXPECT_EQ(e->GetRowCount(), 8);
        EXPECT_EQ(e->GetPrecision(6), 3);
    }
    table->SetElem(6, 7, 67);
    EXPECT_EQ(N("Change"), 1);
    EXPECT_EQ(secondChanges, 1);
    EXPECT_TRUE(ShowsText(*ed, 6, 7));
    EXPECT_TRUE(ShowsText(*second, 6, 7));

    // Resized through one editor: the other follows as well, and works on at the new size.
    second->SetNrOfColumns(9);
    EXPECT_EQ(ed->GetColCount(), 11);
    EXPECT_EQ(ed->GetPrecision(9), 3);
    ed->InsertColumn(10);
    ed->RemoveColumn(10);
    ed->RemoveColumn(9);
    EXPECT_EQ(second->GetNrOfColumns(), 8);
    EXPECT_EQ(second->GetColCount(), 10);
    second->Redimension(2, 2);
    EXPECT_EQ(ed->GetColCount(), 4);
    EXPECT_EQ(ed->GetRowCount(), 3);
    EXPECT_EQ(ed->GetPrecision(3), 0);   // no third column any more
    Picture first(*ed), other(*second);
}

TEST_F(NTabEdShared, DecimalPlacesStayWithTheirColumnsInEveryEditor) {
    ShowTableInBoth();
    ed->SetPrecision(2, 5);
    second->SetPrecision(2, 1);
    second->SetPrecision(3, 0);
    // Inserted before them through one editor: in both the places move with their columns.
    ed->InsertColumn(1);
    EXPECT_EQ(ed->GetPrecision(3), 5);
    EXPECT_EQ(second->GetPrecision(3), 1);
    EXPECT_EQ(second->GetPrecision(4), 0);
    second->RemoveColumn(1);
    EXPECT_EQ(ed->GetPrecision(2), 5);
    EXPECT_EQ(second->GetPrecision(3), 0);
    ed->MirrorColumns();
    EXPECT_EQ(second->GetPrecision(1), 0);
    EXPECT_EQ(second->GetPrecision(2), 1);
    // A sort through one editor that moves the headers moves every editor's places.
    for (int c = 1; c <= 3; ++c) table->SetElem(c, 1, 10 - c);   // columns 1, 2, 3 hold 9, 8, 7
    ed->SortCols(1, true, 1, 1, 3, 4, true);
    EXPECT_EQ(table->GetElem(1, 1), 7);
    EXPECT_EQ(second->GetPrecision(1), 3);   // former column 3
    EXPECT_EQ(second->GetPrecision(3), 0);   // former column 1
    EXPECT_EQ(ed->GetPrecision(2), 5);
}

TEST_F(NTabEdShared, BulkWorkInOneEditorReachesTheOtherOnce) {
    ShowTableInBoth();
    Select(2, 1, 4, 4);
    ed->PopupMenuClickCopy(nullptr);
    Select(2, 1, 2, 1);
    ed->PopupMenuClickPaste(nullptr);
    EXPECT_EQ(N("Change"), 1);
    EXPECT_EQ(secondChanges, 1);
    ed->MarkAllElemsA();
    EXPECT_EQ(secondChanges, 2);
    EXPECT_TRUE(second->GetElemMarkedA(3, 4));
    // Filled through the matrix, which tells nobody: the other editor hears it all the same.
    ed->Fill(4);
    EXPECT_EQ(secondChanges, 3);
    // While the other editor holds its painting back, it sends nothing.
    second->SetSuppressPaint(true);
    table->SetElem(1, 1, 5);
    ed->Fill(6);
    EXPECT_EQ(secondChanges, 3);
    second->SetSuppressPaint(false);
    EXPECT_EQ(second->GetElem(3, 4), 6);
}

TEST_F(NTabEdShared, AnEditorFreedFirstLeavesTheOthersListening) {
    ShowTableInBoth();
    delete second;
    second = nullptr;
    table->Resize(5, 5);
    table->SetElem(5, 5, 1);
    EXPECT_EQ(ed->GetColCount(), 7);
    EXPECT_EQ(N("Change"), 1);
    // The last editor gone, the table is quiet.
    delete ed;
    ed = nullptr;
    EXPECT_FALSE(table->OnSizeChanged);
    EXPECT_FALSE(table->OnDataChanged);
    table->Resize(2, 2);
    table->SetElem(1, 1, 1);
}

TEST_F(NTabEdShared, ATableFreedFirstLeavesEveryEditorWithOneOfItsOwn) {
    ShowTableInBoth();
    table->Resize(6, 2);
    table.reset();
    for (TNTabEd* e : {ed, second}) {
        ASSERT_NE(e->Data, nullptr);
        EXPECT_EQ(e->GetNrOfColumns(), 6);
        EXPECT_EQ(e->GetNrOfRows(), 2);
        e->InsertColumn(7);
        EXPECT_EQ(e->GetColCount(), 9);
        Picture pic(*e);
    }
    // Each has its own table now.
    EXPECT_NE(ed->Data, second->Data);
    ed->SetElem(1, 1, 5);
    EXPECT_EQ(second->GetElem(1, 1), 0);
}

TEST_F(NTabEdShared, AnEditorsOwnTableShownByAnother) {
    second->AssignAnotherDataMatrix(ed->Data);
    ed->SetNrOfRows(9);
    EXPECT_EQ(second->GetRowCount(), 10);
    ed->SetElem(1, 9, 19);
    EXPECT_EQ(secondChanges, 1);
    EXPECT_EQ(second->GetElem(1, 9), 19);
    // The owner takes another table: its own goes, and the other editor keeps a copy of
    // the size with a table of its own.
    ed->AssignAnotherDataMatrix(table.get());
    ASSERT_NE(second->Data, nullptr);
    EXPECT_NE(second->Data, ed->Data);
    EXPECT_EQ(second->GetNrOfRows(), 9);
    // The same when the owner is freed.
    auto* third = new TNTabEd(form.get());
    third->SetParent(form.get());
    second->AssignAnotherDataMatrix(third->Data);
    delete third;
    ASSERT_NE(second->Data, nullptr);
    EXPECT_EQ(second->GetNrOfColumns(), 3);
    second->SetNrOfColumns(4);
    EXPECT_EQ(second->GetColCount(), 6);
}

// ---- sizes the grid cannot show -------------------------------------------------------

TEST(NTabEdGridLimit, TheGridHoldsNoMoreLinesThanTheEditorAllows) {
    vcl::TDrawGrid grid(nullptr);
    EXPECT_THROW(grid.SetColCount(MaxGridLines + 1), vcl::EInvalidGridOperation);
    EXPECT_THROW(grid.SetRowCount(MaxGridLines + 1), vcl::EInvalidGridOperation);
    EXPECT_EQ(grid.GetColCount(), 5);
}

TEST_F(NTabEdShared, ASizeTheGridCannotShowIsRefusedBeforeAnythingChanges) {
    FillSample();
    auto refused = [&](const std::function<void()>& Resize) {
        try {
            Resize();
            ADD_FAILURE() << "accepted";
        } catch (const EZynNTabedError& e) {
            EXPECT_EQ(e.Message().rfind("Component \"Ed\": the grid cannot show ", 0), 0u) << e.Message();
        }
        EXPECT_EQ(ed->GetNrOfColumns(), 3);
        EXPECT_EQ(ed->GetNrOfRows(), 4);
        EXPECT_EQ(ed->GetColCount(), 5);
        EXPECT_EQ(ed->GetRowCount(), 5);
        EXPECT_EQ(ed->GetElem(3, 4), 34);
    };
    refused([&] { ed->SetNrOfColumns(MaxDataLines + 1); });
    refused([&] { ed->SetNrOfRows(MaxDataLines + 1); });
    refused([&] { ed->Redimension(2, MaxDataLines + 1); });
    EXPECT_TRUE(log.empty());
    // Table and grid agree: the editor works on.
    ed->InsertColumn(4);
    EXPECT_EQ(ed->GetNrOfColumns(), 4);
    EXPECT_EQ(ed->GetColCount(), 6);
    EXPECT_EQ(ed->GetPrecision(4), 3);
    ed->InsertRow(5);
    EXPECT_EQ(ed->GetRowCount(), 6);
    Picture pic(*ed);
}
