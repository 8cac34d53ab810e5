// The data table and the matrices of the math library.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "framework/Zyn_datatable.h"

using namespace zyn;

namespace {

struct SizeEvent { int oc, or_, nc, nr; };

std::vector<double> Column(const TDataTable& t, int c) {
    std::vector<double> v;
    for (int r = 1; r <= t.GetNrOfRows(); ++r) v.push_back(t.GetElem(c, r));
    return v;
}

// "R1", "R2", ... built by appending: g++ 12 warns falsely about prepending a literal to a
// temporary string at -O3.
std::string RowName(int r) {
    std::string name = "R";
    name += std::to_string(r);
    return name;
}

}  // namespace

TEST(DataTable, SizeNotificationsCarryOldAndNewSizes) {
    TDataTable t(nullptr);
    std::vector<SizeEvent> events;
    t.OnSizeChanged = [&](vcl::TObject* s, int oc, int orr, int nc, int nr) {
        EXPECT_EQ(s, &t);
        events.push_back({oc, orr, nc, nr});
    };
    t.Resize(3, 4);
    t.InsertRow(5);      // count + 1 appends
    t.InsertColumn(1);
    t.RemoveRow(1);
    t.RemoveColumn(4);
    t.InsertRow(7);      // beyond count + 1: ignored, no notification
    t.RemoveColumn(0);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].oc, 0); EXPECT_EQ(events[0].or_, 0);
    EXPECT_EQ(events[0].nc, 3); EXPECT_EQ(events[0].nr, 4);
    EXPECT_EQ(events[1].or_, 4); EXPECT_EQ(events[1].nr, 5);
    EXPECT_EQ(events[2].oc, 3); EXPECT_EQ(events[2].nc, 4);
    EXPECT_EQ(events[3].or_, 5); EXPECT_EQ(events[3].nr, 4);
    EXPECT_EQ(events[4].oc, 4); EXPECT_EQ(events[4].nc, 3);
    EXPECT_EQ(t.GetNrOfColumns(), 3);
    EXPECT_EQ(t.GetNrOfRows(), 4);
}

TEST(DataTable, InsertAndRemoveMoveCellsAndHeaders) {
    TDataTable t(nullptr);
    t.Resize(2, 3);
    for (int r = 1; r <= 3; ++r) {
        t.SetElem(1, r, r);
        t.SetRowName(r, RowName(r));
    }
    t.SetColName(2, "second");
    t.SetMScaleType(2, mstNominal);
    t.SetNominalID(2, 1, "red");
    t.InsertRow(2);
    EXPECT_EQ(Column(t, 1), (std::vector<double>{1, 0, 2, 3}));
    EXPECT_EQ(t.GetRowName(2), "");
    EXPECT_EQ(t.GetRowName(3), "R2");
    t.InsertColumn(1);
    EXPECT_EQ(t.GetColName(3), "second");
    EXPECT_EQ(t.GetMScaleType(3), mstNominal);
    EXPECT_EQ(t.GetNominalID(3, 1), "red");
    t.RemoveRow(1);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{0, 2, 3}));
    t.RemoveColumn(1);
    EXPECT_EQ(t.GetColName(2), "second");
}

TEST(DataTable, CellStatesAndMarks) {
    TDataTable t(nullptr);
    t.Resize(2, 2);
    EXPECT_TRUE(t.GetIsNumber(1, 1));
    t.Clear();
    EXPECT_FALSE(t.GetIsNumber(1, 1));
    EXPECT_EQ(t.GetCellState(1, 1), dtsEmpty);
    t.SetElem(1, 1, 2.5);
    EXPECT_TRUE(t.GetIsNumber(1, 1));
    t.SetElem(1, 2, std::nan(""));
    EXPECT_FALSE(t.GetIsNumber(1, 2));
    t.SetCellState(2, 1, dtsMarkA);
    t.SetCellState(2, 2, dtsMarkB | dtsEmpty);
    t.ExchangeMarkings();
    EXPECT_EQ(t.GetCellState(2, 1), dtsMarkB);
    EXPECT_EQ(t.GetCellState(2, 2), dtsMarkA | dtsEmpty);
    EXPECT_EQ(t.FillMarkedCells(9, dtsMarkA), 1);
    EXPECT_EQ(t.GetElem(2, 2), 9);
    EXPECT_EQ(t.GetCellState(2, 2), dtsMarkA);   // filled cells hold numbers; marks stay
    t.InvertCellStates(dtsMarkA);
    EXPECT_EQ(t.GetCellState(2, 2), 0);
    EXPECT_EQ(t.GetCellState(1, 1) & dtsMarkA, dtsMarkA);
    t.UnmarkAllCells();
    EXPECT_EQ(t.GetCellState(1, 1), 0);
    EXPECT_EQ(t.GetCellState(3, 1), 0);   // outside
}

TEST(DataTable, NominalIdentifiers) {
    TDataTable t(nullptr);
    t.Resize(2, 1);
    t.SetMScaleType(1, mstNominal);
    EXPECT_TRUE(t.IsNominalColumn(1));
    EXPECT_FALSE(t.IsNominalColumn(2));
    t.SetNominalID(1, 1, "red");
    t.SetNominalID(1, 150, "violet");
    t.SetNominalID(1, 151, "ignored");
    EXPECT_EQ(t.GetNominalID(1, 1), "red");
    EXPECT_EQ(t.GetNominalID(1, 150), "violet");
    EXPECT_EQ(t.GetNominalID(1, 2), "");
    EXPECT_EQ(t.GetNominalID(2, 1), "");
    EXPECT_EQ(t.OrdinalOfNominalID(1, "Violet ", 1), 150);
    EXPECT_EQ(t.OrdinalOfNominalID(1, "green", 1), 0);
    EXPECT_EQ(t.OrdinalOfNominalID(1, "red", 2), 0);
    EXPECT_EQ(t.OrdinalOfNominalID(2, "red", 1), 0);
    EXPECT_EQ(MScaleTypeNames[mstNominal], "nominal");
    t.ClearNominalIDs(1);
    EXPECT_EQ(t.GetNominalID(1, 1), "");
}

TEST(DataTable, SortRowsKeepsInvalidLastAndIsStable) {
    TDataTable t(nullptr);
    t.Resize(2, 5);
    const double keys[] = {3, 1, 0, 1, 2};
    for (int r = 1; r <= 5; ++r) {
        t.SetElem(1, r, keys[r - 1]);
        t.SetElem(2, r, r);
        t.SetRowName(r, RowName(r));
        t.SetRowAttrib(r, r);
    }
    t.SetCellState(1, 3, dtsEmpty);   // the 0 in row 3 is no number
    t.SortRows(1, true, 1, 1, 2, 5, true);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{2, 4, 5, 1, 3}));
    EXPECT_EQ(t.GetRowName(1), "R2");
    EXPECT_EQ(t.GetRowAttrib(5), 3);
    EXPECT_FALSE(t.GetIsNumber(1, 5));
    t.SortRows(1, false, 1, 1, 2, 5, false);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{1, 5, 2, 4, 3}));
    EXPECT_EQ(t.GetRowName(1), "R2");   // headers stayed
    // Headers keep following their rows through removals and insertions after a sort.
    t.SortRowNames(true, false, 1, 1, 2, 5);
    t.RemoveRow(2);   // names sort R1..R5, so R2 goes
    t.InsertRow(1);
    EXPECT_EQ(t.GetRowName(1), "");
    EXPECT_EQ(t.GetRowName(2), "R1");
    EXPECT_EQ(t.GetRowName(3), "R3");
    EXPECT_EQ(t.GetRowName(5), "R5");
    EXPECT_EQ(t.GetRowAttrib(5), 5);
}

TEST(DataTable, SortExchangesReproduceTheOrder) {
    TDataTable t(nullptr);
    t.Resize(3, 1);
    t.SetElem(1, 1, 30);
    t.SetElem(2, 1, 10);
    t.SetElem(3, 1, 20);
    std::vector<int> labels{1, 2, 3};
    t.OnSortExchange = [&](vcl::TObject*, std::uint8_t kind, int a, int b, int low, int high) {
        EXPECT_EQ(kind, 1);
        EXPECT_EQ(low, 1);
        EXPECT_EQ(high, 1);
        std::swap(labels[std::size_t(a - 1)], labels[std::size_t(b - 1)]);
    };
    t.SortCols(1, true, 1, 1, 3, 1, true);
    EXPECT_EQ(t.GetElem(1, 1), 10);
    EXPECT_EQ(t.GetElem(3, 1), 30);
    EXPECT_EQ(labels, (std::vector<int>{2, 3, 1}));
}

TEST(DataTable, SortByNamesAttributesAndMirror) {
    TDataTable t(nullptr);
    t.Resize(3, 2);
    const char* names[] = {"beta", "Alpha", "gamma"};
    for (int c = 1; c <= 3; ++c) {
        t.SetColName(c, names[c - 1]);
        t.SetColAttrib(c, 10 - c);
        t.SetElem(c, 1, c);
    }
    t.SortColNames(true, true, 1, 1, 3, 2);
    EXPECT_EQ(t.GetColName(1), "Alpha");
    EXPECT_EQ(t.GetElem(1, 1), 2);
    t.SortColAttributes(true, 1, 1, 3, 2);
    EXPECT_EQ(t.GetColAttrib(1), 7);
    EXPECT_EQ(t.GetColName(1), "gamma");
    t.MirrorColumns();
    EXPECT_EQ(t.GetColName(3), "gamma");
    EXPECT_EQ(t.GetElem(3, 1), 3);
    t.SetRowName(1, "top");
    t.MirrorRows();
    EXPECT_EQ(t.GetRowName(2), "top");
    EXPECT_EQ(t.GetElem(3, 2), 3);
}

TEST(DataTable, NamesCommentAndDataNotifications) {
    TDataTable t(nullptr);
    int data = 0, setup = 0;
    t.OnDataChanged = [&](vcl::TObject*) { ++data; };
    t.OnSetupChanged = [&](vcl::TObject*) { ++setup; };
    t.Resize(1, 1);
    t.SetColName(1, std::string(60, 'n'));
    EXPECT_EQ(t.GetColName(1).size(), 50u);
    t.SetFComment("note");
    EXPECT_EQ(t.GetFComment(), "note");
    t.SetElem(1, 1, 1);
    EXPECT_EQ(setup, 2);
    EXPECT_EQ(data, 1);
    EXPECT_EQ(t.FindColIndex(std::string(50, 'N')), 1);
    EXPECT_EQ(t.FindRowIndex("none"), 0);
}

TEST(DataTable, AssignCopiesEverything) {
    TDataTable a(nullptr), b(nullptr);
    a.Resize(2, 2);
    a.SetElem(2, 2, 5);
    a.SetCellState(1, 1, dtsMarkB);
    a.SetRowName(2, "r");
    a.SetMScaleType(1, mstBinary);
    a.SetNominalID(1, 2, "yes");
    a.SetFComment("c");
    b.Assign(&a);
    EXPECT_EQ(b.GetNrOfRows(), 2);
    EXPECT_EQ(b.GetElem(2, 2), 5);
    EXPECT_EQ(b.GetCellState(1, 1), dtsMarkB);
    EXPECT_EQ(b.GetRowName(2), "r");
    EXPECT_EQ(b.GetNominalID(1, 2), "yes");
    EXPECT_EQ(b.GetFComment(), "c");
}

TEST(Matrix, FillResizeAndIntMatrix) {
    TMatrix m;
    m.Resize(2, 3);
    m.Fill(1.5);
    EXPECT_EQ(m.GetElem(2, 3), 1.5);
    m.Resize(3, 4);
    EXPECT_EQ(m.GetElem(2, 3), 1.5);
    EXPECT_EQ(m.GetElem(3, 4), 0);
    EXPECT_EQ(m.GetElem(4, 1), 0);

    TIntMatrix h(nullptr);
    h.Resize(3, 2);
    h.SetVal(3, 2, -99999);
    h.SetNRows(5);
    EXPECT_EQ(h.GetNrOfRows(), 5);
    EXPECT_EQ(h.GetVal(3, 2), -99999);
    h.SetNRows(1);
    EXPECT_EQ(h.GetVal(3, 2), 0);
}

TEST(Matrix, IntNegAndIsValidDecInt) {
    EXPECT_EQ(IntNeg(2.7), 2);
    EXPECT_EQ(IntNeg(-2.5), -3);
    EXPECT_EQ(IntNeg(-3.0), -3);
    EXPECT_EQ(IntNeg(-1e-9), -1);
    EXPECT_EQ(IntNeg(1e300), std::numeric_limits<int>::max());
    EXPECT_TRUE(IsValidDecInt("42"));
    EXPECT_TRUE(IsValidDecInt(" -7 "));
    EXPECT_TRUE(IsValidDecInt("+0"));
    EXPECT_TRUE(IsValidDecInt("-2147483648"));
    EXPECT_FALSE(IsValidDecInt("2147483648"));
    EXPECT_FALSE(IsValidDecInt(""));
    EXPECT_FALSE(IsValidDecInt("-"));
    EXPECT_FALSE(IsValidDecInt("1.5"));
    EXPECT_FALSE(IsValidDecInt("1e3"));
    EXPECT_FALSE(IsValidDecInt("12a"));
}

TEST(DataTable, SizesPastTheCellBudgetAreRefusedBeforeAnyAllocation) {
    // A table of billions of cells is refused at once, whatever the machine would grant;
    // nothing changes.
    TDataTable t(nullptr);
    t.Resize(3, 2);
    t.SetElem(2, 2, 4.5);
    for (auto [cols, rows] : {std::pair{0x7FFFFFFF, 2}, std::pair{2, 0x7FFFFFFF}, std::pair{1 << 15, (1 << 13) + 1}}) {
        try {
            t.Resize(cols, rows);
            ADD_FAILURE() << cols << " x " << rows << " accepted";
        } catch (const EZynDataTableError& e) {
            EXPECT_EQ(e.Message(), "Class TDataTable: not enough memory for " + std::to_string(cols) + " columns and " +
                                       std::to_string(rows) + " rows");
        }
        EXPECT_EQ(t.GetNrOfColumns(), 3);
        EXPECT_EQ(t.GetNrOfRows(), 2);
        EXPECT_EQ(t.GetElem(2, 2), 4.5);
    }
}
