// The container's rules: check marks, numbers, defaults, columns, rows, sorting, clipboard, copying.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Clipbrd.h"
#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

std::unique_ptr<TRLData> Make(int Cols, int Rows) {
    auto d = std::make_unique<TRLData>(nullptr);
    d->SetNrCols(Cols);
    d->SetNrRows(Rows);
    return d;
}

}  // namespace

TEST(RLData, NewContainerAndColumnGrowth) {
    TRLData d(nullptr);
    EXPECT_EQ(d.GetNrOfColumns(), 1);
    EXPECT_EQ(d.GetNrOfRows(), 0);
    EXPECT_EQ(d.GetColName(1), "C-1");
    EXPECT_EQ(d.GetElem(1, 1), "");
    EXPECT_EQ(d.GetCommonHeader(), "Zyn Report Listview");
    d.SetNrCols(0);
    EXPECT_EQ(d.GetNrOfColumns(), 1);
    d.SetNrCols(2);
    d.SetColName(2, "Two");
    d.SetColumnFormat(2, "[i]");
    d.SetColCheckMode(2, cmBox);
    d.SetNrCols(4);
    EXPECT_EQ(d.GetColName(2), "Two");
    EXPECT_EQ(d.GetColumnFormat(2), "[i]");
    EXPECT_EQ(d.GetColCheckMode(2), cmBox);
    EXPECT_EQ(d.GetColName(3), "C-3");
    EXPECT_EQ(d.GetColName(4), "C-4");
    d.SetColName(1, std::string(60, 'n'));
    EXPECT_EQ(d.GetColName(1).size(), 50u);
}

TEST(RLData, CheckMarkEncoding) {
    auto d = Make(2, 6);
    d->SetElem(1, 1, "abc");
    d->SetColCheckMode(1, cmBox);
    EXPECT_EQ(d->Strings->GetString(1, 1), " abc");
    EXPECT_EQ(d->GetElem(1, 1), "abc");
    EXPECT_EQ(d->Strings->GetString(1, 2), "");
    EXPECT_FALSE(d->GetElemChecked(1, 1));
    d->SetElemChecked(1, 1, true);
    EXPECT_EQ(d->Strings->GetString(1, 1), "Xabc");
    d->SetElem(1, 1, "new");
    EXPECT_EQ(d->Strings->GetString(1, 1), "Xnew");
    d->SetElemChecked(1, 2, true);
    EXPECT_EQ(d->Strings->GetString(1, 2), "X");
    d->Strings->SetString(1, 3, "*text");   // any non-blank mark counts as checked
    EXPECT_TRUE(d->GetElemChecked(1, 3));
    EXPECT_EQ(d->CountCheckedElemsInCol(1), 3);
    d->InvertAllCheckmarksOfCol(1);
    EXPECT_EQ(d->Strings->GetString(1, 1), " new");
    EXPECT_EQ(d->Strings->GetString(1, 3), "Xtext");   // other marks become X
    EXPECT_EQ(d->Strings->GetString(1, 4), "X");       // empty cells become checked
    d->Fill("f");
    EXPECT_EQ(d->Strings->GetString(1, 1), " f");
    EXPECT_EQ(d->Strings->GetString(1, 3), "Xf");
    EXPECT_EQ(d->Strings->GetString(2, 1), "f");
    d->SetElem(1, 5, std::string(300, 'z'));
    EXPECT_EQ(d->GetElem(1, 5).size(), 254u);
    d->SetColCheckMode(1, cmNone);
    EXPECT_EQ(d->GetElem(1, 1), "f");
    EXPECT_EQ(d->GetElem(1, 3), "f");
    EXPECT_FALSE(d->GetElemChecked(1, 3));
}

TEST(RLData, RadioColumnsAndDisabledRows) {
    auto d = Make(1, 6);
    d->SetColCheckMode(1, cmRadio);
    d->SetElemChecked(1, 3, true);
    d->SetElemChecked(1, 5, true);
    EXPECT_FALSE(d->GetElemChecked(1, 3));
    EXPECT_TRUE(d->GetElemChecked(1, 5));
    EXPECT_EQ(d->FirstCheckedElemInCol(1), 5);
    EXPECT_EQ(d->FirstCheckedElemInRow(5), 1);
    d->SetAllCheckmarksOfCol(1, true);
    EXPECT_EQ(d->CountCheckedElemsInCol(1), 1);
    d->SetAllCheckmarksOfCol(1, false);
    EXPECT_EQ(d->CountCheckedElemsInCol(1), 0);
    EXPECT_FALSE(d->GetCheckedCol(1));
    d->SetColCheckMode(1, cmBox);
    d->Strings->SetRowAttrib(2, 64);
    d->SetAllCheckmarksOfColIntern(1, true, true);
    EXPECT_EQ(d->CountCheckedElemsInCol(1), 5);
    EXPECT_FALSE(d->GetElemChecked(1, 2));
    d->SetColCheckMode(1, cmRadio);   // box to radio clears every mark
    EXPECT_EQ(d->CountCheckedElemsInCol(1), 0);
}

TEST(RLData, AsNumber) {
    auto d = Make(2, 7);
    d->SetElem(1, 1, " 1,5 ");
    EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 1), 1.5);
    EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 2), 0.0);
    d->SetElem(1, 3, "-2.5e2");
    EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 3), -250.0);
    d->SetElem(2, 7, "1.5x");
    try {
        d->GetAsNumber(2, 7);
        FAIL();
    } catch (const EZynDStructError& e) {
        EXPECT_EQ(e.Message(), "Class TRLData: invalid numeric string: [2,7]: 1.5x");
    }
    d->SetColCheckMode(2, cmBox);
    try {
        d->GetAsNumber(2, 7);
        FAIL();
    } catch (const EZynDStructError& e) {
        EXPECT_EQ(e.Message(), "Class TRLData: invalid numeric string: [2,7]:  1.5x");
    }
    for (const char* bad : {"1e", "e5", ".", "1.2.3", "inf", "0x10"}) {
        d->SetElem(1, 4, bad);
        EXPECT_THROW(d->GetAsNumber(1, 4), EZynDStructError) << bad;
    }
}

TEST(RLData, DefaultValues) {
    auto d = Make(1, 1);
    auto def = [&](const char* fmt, int row) {
        d->SetColumnFormat(1, fmt);
        return d->GetCellDefaultValue(1, row);
    };
    EXPECT_EQ(def("[i]rix4", 7), "0007");
    EXPECT_EQ(def("[i][80]rix4", 7), "0007");
    EXPECT_EQ(def("[i]rix2", 12345), "45");
    EXPECT_EQ(def("[i]rix0", 7), "7");
    EXPECT_EQ(def("[i]rix3", -5), "-005");
    EXPECT_EQ(def("[h]rix2", 255), "FF");
    EXPECT_EQ(def("[h]rix2", 256), "00");
    EXPECT_EQ(def("[h]rix20", 255), "000000FF");
    EXPECT_EQ(def("[f]rix2", 3), "3.00");
    EXPECT_EQ(def("[c]red|green|blue", 1), "red");
    EXPECT_EQ(def("[l:5]only", 1), "only");
    EXPECT_EQ(def("[d]2024-01-01", 1), "2024-01-01");
    EXPECT_EQ(def("[#i]rix4", 7), "");
    EXPECT_EQ(def("[x]abc", 1), "");
    EXPECT_EQ(def("", 1), "");
    const std::string a = def("[s]$pwd$8", 1), b = def("[s]$pwd$ 8", 1);
    EXPECT_EQ(vcl::Length(a), 8);
    EXPECT_EQ(vcl::Length(b), 8);
    EXPECT_NE(a, b);
    EXPECT_LE(vcl::Length(def("[s]$pwd$999999999999", 1)), 255);
    EXPECT_LE(def("[i]rix99999999", 1).size(), 255u);
}

TEST(RLData, ColumnIndexSearchOrder) {
    auto d = Make(2, 0);
    EXPECT_EQ(d->ColumnIndex("c-1", false), 1);
    d->SetColName(1, "Total");
    d->SetColName(2, "Subtotal");
    EXPECT_EQ(d->ColumnIndex("total", true), 2);
    EXPECT_EQ(d->ColumnIndex("total", false), 1);
    EXPECT_EQ(d->ColumnIndex("none", true), -1);
}

TEST(RLData, RowRemoval) {
    auto d = Make(2, 1);
    d->SetElem(1, 1, "x");
    d->RemoveRow(1);
    EXPECT_EQ(d->GetNrOfRows(), 0);
    EXPECT_EQ(d->Strings->GetString(1, 1), "");
    d->SetNrRows(6);
    d->SetColCheckMode(2, cmBox);
    for (int r : {2, 4}) d->SetElem(1, r, "keep" + std::to_string(r));
    d->SetElemChecked(2, 3, true);   // only a mark: counts as empty
    d->Strings->SetString(0, 6, "col0");
    d->Strings->SetRowAttrib(4, 5);
    d->RemoveEmptyRows();
    ASSERT_EQ(d->GetNrOfRows(), 3);
    EXPECT_EQ(d->GetElem(1, 1), "keep2");
    EXPECT_EQ(d->GetElem(1, 2), "keep4");
    EXPECT_EQ(d->Strings->GetRowAttrib(2), 5);
    EXPECT_EQ(d->Strings->GetString(0, 3), "col0");
    d->CopyRow(2, 1);
    EXPECT_EQ(d->GetElem(1, 1), "keep4");
    EXPECT_EQ(d->Strings->GetRowAttrib(1), 5);
    d->Fill("");
    d->Strings->SetString(0, 3, "");
    d->RemoveEmptyRows();
    EXPECT_EQ(d->GetNrOfRows(), 0);
}

TEST(RLData, RemovedRowsTakeTheirAttributeBytesAlong) {
    auto d = Make(2, 1);
    d->SetElem(1, 1, "x");
    d->Strings->SetRowAttrib(1, 64 | 128);   // disabled and selected
    d->RemoveRow(1);
    d->SetNrRows(1);
    EXPECT_EQ(d->Strings->GetRowAttrib(1), 0);
    EXPECT_EQ(d->GetElem(1, 1), "");
    // Removing every row as empty clears the byte of the row that stays physically, too.
    d->SetNrRows(3);
    for (int r = 1; r <= 3; ++r) d->Strings->SetRowAttrib(r, 64);
    d->RemoveEmptyRows();
    EXPECT_EQ(d->GetNrOfRows(), 0);
    d->SetNrRows(2);
    EXPECT_EQ(d->Strings->GetRowAttrib(1), 0);
    EXPECT_EQ(d->Strings->GetRowAttrib(2), 0);
}

TEST(RLData, SortRemoveKeepsPresentedOrder) {
    auto d = Make(2, 4);
    const char* keys[] = {"d", "b", "a", "b"};
    const char* sec[] = {"1", "2", "3", "1"};
    for (int r = 1; r <= 4; ++r) d->SetElem(1, r, keys[r - 1]), d->SetElem(2, r, sec[r - 1]);
    d->Sort(1, 2, true);
    EXPECT_EQ(d->GetLastSortColumn(), 1);
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(2, 2) + d->GetElem(2, 3) + d->GetElem(1, 4), "a12d");
    d->RemoveRow(1);   // commits the order first
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(2, 1), "b1");
    d->UnSort();
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(2, 1), "b1");
    EXPECT_EQ(d->GetLastSortColumn(), -1);
}

TEST(RLData, SortReportsExchangesOnlyToAListener) {
    auto d = Make(1, 4);
    const char* keys[] = {"d", "c", "b", "a"};
    for (int r = 1; r <= 4; ++r) d->SetElem(1, r, keys[r - 1]);
    std::vector<std::string> seen;
    d->SetOnBeforeSortExchange([&](vcl::TObject* Sender, const std::string& K1, std::string& K2) {
        EXPECT_EQ(Sender, d.get());
        seen.push_back(K1 + K2);
    });
    d->Sort(1, -1, true);
    // Reversing four rows takes two exchanges, each named by the keys it swaps.
    EXPECT_EQ(seen, (std::vector<std::string>{"da", "cb"}));
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(1, 2) + d->GetElem(1, 3) + d->GetElem(1, 4), "abcd");

    d->UnSort();
    d->SetOnBeforeSortExchange(nullptr);
    seen.clear();
    d->Sort(1, -1, true);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(1, 4), "ad");
}

TEST(RLData, StoreReportsExchangesToTheContainerFromConstruction) {
    auto d = Make(1, 4);
    const char* keys[] = {"d", "c", "b", "a"};
    for (int r = 1; r <= 4; ++r) d->SetElem(1, r, keys[r - 1]);
    std::vector<std::string> seen;
    d->SetOnBeforeSortExchange([&](vcl::TObject* Sender, const std::string& K1, std::string&) {
        EXPECT_EQ(Sender, d.get());
        seen.push_back(K1);
    });
    // A sort of the store itself reaches the container's handler.
    d->Strings->Sort(1, -1, true);
    EXPECT_EQ(seen, (std::vector<std::string>{"d", "c"}));
    d->Strings->UnSort();

    // A view puts its own handler in front and passes on to the container's; sorting
    // through the container does not overwrite it.
    int viewCalls = 0;
    TBeforeSortExchgEvent containers = d->Strings->OnBeforeSortExchange;
    ASSERT_TRUE(containers);
    d->Strings->OnBeforeSortExchange = [&, containers](vcl::TObject* Sender, const std::string& K1, std::string& K2) {
        ++viewCalls;
        containers(Sender, K1, K2);
    };
    seen.clear();
    d->Sort(1, -1, true);
    EXPECT_EQ(viewCalls, 2);
    EXPECT_EQ(seen.size(), 2u);
    d->UnSort();
    d->SetOnBeforeSortExchange(nullptr);   // the view still hears every exchange
    d->Sort(1, -1, false);
    d->UnSort();
    d->Sort(1, -1, true);
    EXPECT_EQ(viewCalls, 4);
    EXPECT_EQ(d->GetElem(1, 1) + d->GetElem(1, 4), "ad");

    // Without any listener the container's own handler stays installed across sorts.
    auto plain = Make(1, 3);
    for (int r = 1; r <= 3; ++r) plain->SetElem(1, r, keys[r]);
    plain->Sort(1, -1, true);
    int later = 0;
    plain->SetOnBeforeSortExchange([&](vcl::TObject*, const std::string&, std::string&) { ++later; });
    plain->Strings->UnSort();
    plain->Strings->Sort(1, -1, true);
    EXPECT_EQ(later, 1);
}

TEST(RLData, ClipboardTexts) {
    auto d = Make(2, 2);
    d->SetColName(1, "A");
    d->SetColName(2, "B");
    d->SetElem(1, 1, "1"), d->SetElem(2, 1, "2"), d->SetElem(1, 2, "3"), d->SetElem(2, 2, "4");
    d->CopyToClipBoard(1, 1, 2, 2, true, ';');
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "A;B\n\n1;2\n3;4\n");
    d->CopyToClipBoard(1, 1, 2, 2, false, true);
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "1\t2\n3\t4\n");
    d->SetColCheckMode(2, cmBox);   // marks widen the column but never show
    d->SetElem(1, 2, "long");
    d->CopyToClipBoard(1, 1, 2, 2, true, false);
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "A    B  \n\n1    2  \nlong 4  \n");
}

TEST(RLData, AssignKeepsPresentedAndStoredOrder) {
    auto src = Make(2, 3);
    for (int r = 1; r <= 3; ++r) src->SetElem(1, r, std::string(1, char('d' - r)));
    src->Strings->SetRowAttrib(1, 128);
    src->SetColCheckMode(2, cmBox);
    src->SetElemChecked(2, 1, true);
    src->SetColName(1, "Name");
    src->SetComment("c");
    src->SetDataID("id");
    src->Sort(1, -1, true);
    TRLData dst(nullptr);
    dst.Assign(src.get());
    ASSERT_EQ(dst.GetNrOfRows(), 3);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(dst.GetElem(1, r), src->GetElem(1, r));
        EXPECT_EQ(dst.Strings->GetRowAttrib(r), src->Strings->GetRowAttrib(r));
        EXPECT_EQ(dst.Strings->GetString(2, r), src->Strings->GetString(2, r));
    }
    EXPECT_EQ(dst.GetColName(1), "Name");
    EXPECT_EQ(dst.GetComment(), "c");
    EXPECT_EQ(dst.GetDataID(), "id");
    EXPECT_EQ(dst.GetLastSortColumn(), 1);
    dst.UnSort();
    src->UnSort();
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(dst.GetElem(1, r), src->GetElem(1, r));
    EXPECT_EQ(dst.GetElem(1, 1), "c");
}

TEST(RLData, HugeEmptyListsStayCheap) {
    // Two billion rows are a count: removing the empty ones, copying and writing look only at
    // the rows in use.
    auto d = Make(3, 2000000000);
    d->SetElem(2, 10, "ten");
    d->Strings->SetRowAttrib(20, 64);
    TRLData copy(nullptr);
    copy.Assign(d.get());
    EXPECT_EQ(copy.GetNrOfRows(), 2000000000);
    EXPECT_EQ(copy.GetElem(2, 10), "ten");
    EXPECT_EQ(copy.Strings->GetRowAttrib(20), 64);
    EXPECT_LE(copy.Strings->CellSlots(), 40);
    d->RemoveEmptyRows();
    EXPECT_EQ(d->GetNrOfRows(), 1);
    EXPECT_EQ(d->GetElem(2, 1), "ten");
    copy.SetElem(2, 10, "");
    copy.RemoveEmptyRows();
    EXPECT_EQ(copy.GetNrOfRows(), 0);
    EXPECT_EQ(copy.Strings->GetRowAttrib(1), 0);
}

TEST(RLData, ColumnCountsPastWhatAListCanShowAreRefusedBeforeAnyAllocation) {
    // More columns than a report list's grid can show is memory the container cannot have,
    // on any machine: the count is refused at once and nothing changes.
    TRLData d(nullptr);
    d.SetName("Data1");
    d.SetNrCols(3);
    d.SetNrRows(2);
    d.SetColName(2, "Kept");
    d.SetElem(3, 2, "cell");
    for (int count : {(1 << 24) + 1, 0x7FFFFFFF}) {
        try {
            d.SetNrCols(count);
            ADD_FAILURE() << count << " accepted";
        } catch (const EZynRLDataError& e) {
            EXPECT_EQ(e.Message(), "Component \"Data1\": not enough memory on heap");
        }
        EXPECT_EQ(d.GetNrOfColumns(), 3);
        EXPECT_EQ(d.Strings->GetNrOfColumns(), 3);
        EXPECT_EQ(d.GetColName(2), "Kept");
        EXPECT_EQ(d.GetElem(3, 2), "cell");
    }
}
