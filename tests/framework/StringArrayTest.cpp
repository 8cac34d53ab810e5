// The string matrix behind the report list, and the bit field.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/Zyn_dstruct.h"

using namespace zyn;

namespace {

std::unique_ptr<TStringArray> MakeArray(int cols, const std::vector<std::vector<std::string>>& rows) {
    auto a = std::make_unique<TStringArray>(nullptr);
    a->Resize(cols, int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[std::size_t(r)].size()); ++c)
            a->SetString(c, r + 1, rows[std::size_t(r)][std::size_t(c)]);
    return a;
}

// Column 0 of every presented row, in order.
std::vector<std::string> Presented(const TStringArray& a, int col = 0) {
    std::vector<std::string> v;
    for (int r = 1; r <= a.GetNrOfRows(); ++r) v.push_back(a.GetString(col, r));
    return v;
}

}  // namespace

TEST(StringArray, SizeRangesAndCellLimit) {
    TStringArray a(nullptr);
    a.Resize(3, 2);
    EXPECT_EQ(a.GetNrOfColumns(), 3);
    EXPECT_EQ(a.GetNrOfRows(), 2);
    a.SetString(3, 2, "corner");
    a.SetString(4, 1, "outside");
    a.SetString(1, 0, "outside");
    a.SetString(1, 3, "outside");
    EXPECT_EQ(a.GetString(3, 2), "corner");
    EXPECT_EQ(a.GetString(4, 1), "");
    EXPECT_EQ(a.GetString(-1, 1), "");
    // Growing keeps the cells, shrinking drops only what lies outside.
    a.Resize(5, 4);
    EXPECT_EQ(a.GetString(3, 2), "corner");
    a.Resize(3, 2);
    EXPECT_EQ(a.GetString(3, 2), "corner");
    // Cells hold 255 characters, counted as code points.
    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "ä";
    a.SetString(1, 1, longText);
    EXPECT_EQ(vcl::Length(a.GetString(1, 1)), 255);
    a.Clear();
    EXPECT_EQ(a.GetString(3, 2), "");
    EXPECT_EQ(a.GetNrOfRows(), 2);
}

TEST(StringArray, StableSortWithSecondaryColumnAndAttributes) {
    auto a = MakeArray(2, {{"r1", "b", "2"}, {"r2", "a", "9"}, {"r3", "b", "1"},
                           {"r4", "a", "9"}, {"r5", "b", "1"}});
    for (int r = 1; r <= 5; ++r) a->SetRowAttrib(r, std::uint8_t(r * 10));
    a->Sort(1, 2, true);
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"r2", "r4", "r3", "r5", "r1"}));
    // Attribute bytes follow their rows.
    EXPECT_EQ(a->GetRowAttrib(1), 20);
    EXPECT_EQ(a->GetRowAttrib(5), 10);
    // Descending keeps equal rows in their previous order too.
    a->Sort(1, 2, false);
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"r1", "r3", "r5", "r2", "r4"}));
    EXPECT_EQ(a->GetRowAttrib(1), 10);
    // The stored order has not changed.
    EXPECT_EQ(a->GetSortOrder(1), 1);
    EXPECT_EQ(a->GetSortOrder(2), 3);
    a->UnSort();
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"r1", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(a->GetRowAttrib(2), 20);
}

TEST(StringArray, SortWithoutSecondaryAndInvalidColumn) {
    auto a = MakeArray(1, {{"x", "b"}, {"y", "a"}, {"z", "b"}});
    a->Sort(1, -1, true);
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"y", "x", "z"}));
    a->Sort(7, -1, true);   // no such column: nothing changes
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"y", "x", "z"}));
}

TEST(StringArray, CommitSortingThenUnSort) {
    auto a = MakeArray(1, {{"a", "3"}, {"b", "1"}, {"c", "2"}});
    a->SetRowAttrib(1, 7);
    a->Sort(1, -1, true);
    a->CommitSorting();
    EXPECT_FALSE(a->IsSorted());
    EXPECT_EQ(a->GetSortOrder(1), 1);
    a->UnSort();
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(a->GetRowAttrib(3), 7);
}

TEST(StringArray, InsertAndRemoveInSortedPresentation) {
    auto a = MakeArray(1, {{"a", "3"}, {"b", "1"}, {"c", "2"}});
    a->Sort(1, -1, true);   // shows b, c, a
    a->InsertRow(2);        // empty row between b and c
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"b", "", "c", "a"}));
    a->UnSort();            // in stored order it went before c
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"a", "b", "", "c"}));
    a->Sort(1, -1, true);
    a->RemoveRow(1);        // the row shown first: the empty one (empty text sorts first)
    EXPECT_EQ(Presented(*a), (std::vector<std::string>{"b", "c", "a"}));
    a->InsertRow(4);        // Rows + 1 appends
    EXPECT_EQ(a->GetNrOfRows(), 4);
    EXPECT_EQ(a->GetString(0, 4), "");
    a->InsertRow(6);        // beyond: ignored
    a->RemoveRow(0);
    EXPECT_EQ(a->GetNrOfRows(), 4);
}

TEST(StringArray, ExchangeCallbackWalksToTheSortedOrder) {
    auto a = MakeArray(1, {{"", "d"}, {"", "b"}, {"", "a"}, {"", "c"}});
    // Replaying the reported exchanges on the keys must give the sorted keys.
    std::vector<std::string> keys = Presented(*a, 1);
    int calls = 0;
    a->OnBeforeSortExchange = [&](vcl::TObject* sender, const std::string& k1, std::string& k2) {
        EXPECT_EQ(sender, a.get());
        auto i = std::find(keys.begin(), keys.end(), k1);
        auto j = std::find(keys.begin(), keys.end(), k2);
        ASSERT_TRUE(i != keys.end() && j != keys.end());
        std::iter_swap(i, j);
        ++calls;
    };
    a->Sort(1, -1, true);
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Presented(*a, 1), keys);
    EXPECT_LE(calls, 3);
    EXPECT_GT(calls, 0);
}

TEST(StringArray, TakeOrderShowsAGivenPermutationOrRefusesIt) {
    auto a = MakeArray(1, {{"", "d"}, {"", "b"}, {"", "a"}});
    int changes = 0, exchanges = 0;
    a->OnChange = [&](vcl::TObject*) { ++changes; };
    a->TakeOrder({2, 0, 1}, 1);
    EXPECT_EQ(Presented(*a, 1), (std::vector<std::string>{"a", "d", "b"}));
    EXPECT_EQ(changes, 1);
    // Not a permutation: refused, the order stays.
    EXPECT_THROW(a->TakeOrder({0, 0, 1}, 1), EZynDStructError);
    EXPECT_THROW(a->TakeOrder({0, 1}, 1), EZynDStructError);
    EXPECT_THROW(a->TakeOrder({0, 1, 3}, 1), EZynDStructError);
    EXPECT_EQ(Presented(*a, 1), (std::vector<std::string>{"a", "d", "b"}));
    // With a listener the order is reached by reported exchanges.
    a->OnBeforeSortExchange = [&](vcl::TObject*, const std::string&, std::string&) { ++exchanges; };
    a->TakeOrder({0, 1, 2}, 1);
    EXPECT_EQ(Presented(*a, 1), (std::vector<std::string>{"d", "b", "a"}));
    EXPECT_FALSE(a->IsSorted());
    EXPECT_GT(exchanges, 0);
}

TEST(StringArray, ChangeAndProgressNotifications) {
    TStringArray a(nullptr);
    int changes = 0;
    std::vector<int> progress;
    a.OnChange = [&](vcl::TObject*) { ++changes; };
    a.OnPercentDone = [&](vcl::TObject*, int p) { progress.push_back(p); };
    a.Resize(1, 3);
    a.SetString(1, 1, "x");
    a.SetString(1, 1, "x");   // same text: no change
    a.SetRowAttrib(1, 1);     // attributes are not content
    EXPECT_EQ(changes, 2);
    a.Sort(1, -1, true);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(changes, 3);
}

TEST(StringArray, SetSortOrderCopiesAnOrder) {
    auto a = MakeArray(0, {{"a"}, {"b"}, {"c"}});
    a->Sort(0, -1, false);
    TStringArray b(nullptr);
    b.Resize(0, 3);
    for (int i = 1; i <= 3; ++i) b.SetString(0, a->GetSortOrder(i), a->GetString(0, i));
    for (int i = 1; i <= 3; ++i) b.SetSortOrder(i, a->GetSortOrder(i));
    EXPECT_EQ(Presented(b), Presented(*a));
    b.UnSort();
    EXPECT_EQ(Presented(b), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(BitFld, SizeBitsAndCounts) {
    TBitFld f(nullptr);
    f.SetSize(130);
    EXPECT_EQ(f.FirstTrueBit(), -1);
    f.SetBit(129, true);
    f.SetBit(64, true);
    f.SetBit(130, true);   // outside: ignored
    EXPECT_EQ(f.CountTrueBits(), 2);
    EXPECT_EQ(f.FirstTrueBit(), 64);
    EXPECT_TRUE(f.GetBit(129));
    EXPECT_FALSE(f.GetBit(-1));
    f.SetSize(100);        // bit 129 goes
    EXPECT_EQ(f.CountTrueBits(), 1);
    f.SetSize(200);        // and does not come back
    EXPECT_FALSE(f.GetBit(129));
    f.Clear();
    EXPECT_EQ(f.CountTrueBits(), 0);
    EXPECT_EQ(f.GetSize(), 200);
}

TEST(StringArray, LongCellsSurviveMovesAndCopies) {
    // Texts beyond the in-place size live on the heap; moving rows must carry them along.
    const std::string a(100, 'a'), b = "short", c(40, 'c');
    auto arr = MakeArray(1, {{"3", a}, {"1", b}, {"2", c}});
    arr->Sort(0, -1, true);
    arr->CommitSorting();
    arr->InsertRow(1);
    arr->RemoveRow(3);   // the row holding c
    EXPECT_EQ(Presented(*arr, 1), (std::vector<std::string>{"", b, a}));
    arr->SetString(1, 3, b);   // a long text replaced by a short one and back
    arr->SetString(1, 3, a);
    EXPECT_EQ(arr->GetString(1, 3), a);
    std::string exactly255(255, 'x');
    arr->SetString(0, 1, exactly255 + "yz");
    EXPECT_EQ(arr->GetString(0, 1), exactly255);
}

TEST(StringArray, RowsCostNothingUntilTheyHoldSomething) {
    TStringArray a(nullptr);
    a.Resize(4, 1000000);
    EXPECT_EQ(a.CellSlots(), 0);
    EXPECT_EQ(a.RowsInUse(), 0);
    a.SetString(3, 500000, "");         // an empty text needs no room
    a.SetRowAttrib(999999, 0);          // nor does a zero attribute byte
    EXPECT_EQ(a.CellSlots(), 0);
    a.SetString(2, 1000, "x");
    // Only that column grows, and only as far as the text (in steps of the growth size).
    EXPECT_GE(a.CellSlots(), 1000);
    EXPECT_LT(a.CellSlots(), 1100);
    EXPECT_EQ(a.RowsInUse(), 1000);
    EXPECT_EQ(a.GetString(2, 1000), "x");
    EXPECT_EQ(a.GetString(2, 1001), "");
    EXPECT_EQ(a.GetString(3, 1000), "");
    a.SetRowAttrib(2000, 9);
    EXPECT_EQ(a.GetRowAttrib(2000), 9);
    EXPECT_EQ(a.RowsInUse(), 2000);
    // Sorting by a column with no texts keeps every row in place; by the filled one, the
    // filled row comes last (empty texts first) and committing puts it there for good.
    a.Sort(4, -1, true);
    EXPECT_FALSE(a.IsSorted());
    a.Sort(2, -1, true);
    EXPECT_TRUE(a.IsSorted());
    EXPECT_EQ(a.GetString(2, 1000000), "x");
    EXPECT_EQ(a.GetRowAttrib(1999), 9);
    a.Sort(2, -1, false);   // descending: the text first
    a.CommitSorting();
    EXPECT_EQ(a.GetString(2, 1), "x");
    EXPECT_LE(a.CellSlots(), 10);   // the column now ends at its first row
    EXPECT_EQ(a.GetNrOfRows(), 1000000);
    // Removing and inserting rows beyond every text costs nothing either.
    a.RemoveRow(700000);
    a.InsertRow(5);
    EXPECT_EQ(a.GetNrOfRows(), 1000000);
    EXPECT_EQ(a.GetString(2, 1), "x");
    a.Clear();
    EXPECT_EQ(a.CellSlots(), 0);
    EXPECT_EQ(a.GetNrOfRows(), 1000000);
}

TEST(StringArray, ExchangeColumnSwapsStoredRows) {
    auto a = MakeArray(2, {{"", "a1", "b1"}, {"", "a2", "b2"}, {"", "a3", "b3"}});
    a->Sort(1, -1, false);   // shows a3, a2, a1
    TStringArray side(nullptr);
    side.Resize(0, 3);
    side.SetString(0, 1, "new1");   // stored row 1
    side.SetString(0, 3, "new3");
    int changes = 0;
    a->OnChange = [&](vcl::TObject*) { ++changes; };
    a->ExchangeColumn(2, side, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a->GetString(2, 1), "new3");   // presented first: stored row 3
    EXPECT_EQ(a->GetString(2, 2), "");
    EXPECT_EQ(a->GetString(2, 3), "new1");
    EXPECT_EQ(side.GetString(0, 2), "b2");
    // Rows beyond the shorter matrix are dropped from the longer one.
    TStringArray small(nullptr);
    small.Resize(0, 1);
    small.SetString(0, 1, "s");
    a->ExchangeColumn(1, small, 0);
    EXPECT_EQ(small.GetString(0, 1), "a1");
    EXPECT_EQ(small.GetNrOfRows(), 1);
    a->ExchangeColumn(9, small, 0);   // no such column: nothing happens
    EXPECT_EQ(changes, 2);
}

// Keys that tie in their first 8 bytes, shorter keys, bytes above 127 and a long key: the
// order is that of the bytes, in both directions, and equal keys keep their order.
TEST(StringArray, SortOrdersByBytesBeyondTheFirstEight) {
    TStringArray a(nullptr);
    const char* keys[] = {"abcdefghZ", "abcdefghA", "abc", "abcdefgh", "\xC3\xA9t\xC3\xA9", "z",
                          "abcdefghA", "abcdefghAlonger than fifteen bytes"};
    a.Resize(2, 8);
    for (int r = 1; r <= 8; ++r) {
        a.SetString(1, r, keys[r - 1]);
        a.SetString(2, r, std::to_string(r));
    }
    auto order = [&] {
        std::string s;
        for (int r = 1; r <= 8; ++r) s += a.GetString(2, r) + " ";
        return s;
    };
    a.Sort(1, -1, true);
    EXPECT_EQ(order(), "3 4 2 7 8 1 6 5 ");
    a.Sort(1, -1, false);
    EXPECT_EQ(order(), "5 6 1 8 2 7 4 3 ");
}
