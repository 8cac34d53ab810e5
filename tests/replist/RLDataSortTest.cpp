// Sorting the container by value and by several keys: numbers with the settings'
// separators, dates through the row editor's date reader, natural order, the place of texts
// that are no value, key order and stability.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

// One column (or two) holding the given texts; column 0 numbers the rows so that
// stability can be read off.
struct Table {
    TRLData d{nullptr};
    explicit Table(const std::vector<std::string>& A, const std::vector<std::string>& B = {}) {
        d.SetNrCols(B.empty() ? 1 : 2);
        d.SetNrRows(int(A.size()));
        for (std::size_t i = 0; i < A.size(); ++i) {
            d.SetElem(0, int(i) + 1, std::to_string(i + 1));
            d.SetElem(1, int(i) + 1, A[i]);
            if (!B.empty()) d.SetElem(2, int(i) + 1, B[i]);
        }
    }
    std::string Col(int C) const {
        std::string s;
        for (int r = 1; r <= d.GetNrOfRows(); ++r) s += (r > 1 ? "|" : "") + d.GetElem(C, r);
        return s;
    }
    void By(TSortKind Kind, bool Ascending) {
        const TRLSortKey key{1, Ascending, Kind};
        d.SortBy({&key, 1});
    }
};

// Settings changed for one test and put back afterwards.
struct SeparatorsScope {
    vcl::TFormatSettings saved = vcl::FormatSettings;
    SeparatorsScope(char Decimal, char Thousands) {
        vcl::FormatSettings.DecimalSeparator = Decimal;
        vcl::FormatSettings.ThousandSeparator = Thousands;
    }
    ~SeparatorsScope() { vcl::FormatSettings = saved; }
};

TEST(RLDataSort, NumbersByValueWithNoValuesLastInBothDirections) {
    Table t({"10", "abc", "9", "-3", "", "1,234.5", "-", "2.5", "+7", " 8 ", "1e2", "1,2,3x"});
    t.By(skNumber, true);
    EXPECT_EQ(t.Col(1), "-3|2.5|+7| 8 |9|10|1e2|1,234.5|abc||-|1,2,3x");
    t.By(skNumber, false);
    // The no-values keep the order they were shown in, behind the values.
    EXPECT_EQ(t.Col(1), "1,234.5|1e2|10|9| 8 |+7|2.5|-3|abc||-|1,2,3x");
    // The text order (the default kind) is unchanged: "10" before "9".
    t.By(skText, true);
    EXPECT_EQ(t.Col(1), "| 8 |+7|-|-3|1,2,3x|1,234.5|10|1e2|2.5|9|abc");
}

TEST(RLDataSort, NumbersReadTheSettingsSeparators) {
    SeparatorsScope scope(',', '.');
    Table t({"1.000,5", "999,9", "-0,5", "1,000.5"});
    t.By(skNumber, true);
    // "1,000.5" has a second decimal mark here: no number.
    EXPECT_EQ(t.Col(1), "-0,5|999,9|1.000,5|1,000.5");
}

TEST(RLDataSort, DatesByTheColumnFormatOrTheShortDate) {
    // Without a date format the settings' short date (M/d/yyyy) reads the texts.
    Table t({"1/3/2026", "12/1/2025", "2/29/2025", "", "12/31/2025", "soon"});
    t.By(skDateTime, true);
    // 2/29/2025 does not exist: no value, like the empty text and the word.
    EXPECT_EQ(t.Col(1), "12/1/2025|12/31/2025|1/3/2026|2/29/2025||soon");
    t.By(skDateTime, false);
    EXPECT_EQ(t.Col(1), "1/3/2026|12/31/2025|12/1/2025|2/29/2025||soon");

    Table f({"03.01.2026 08:00", "01.12.2025 23:59", "03.01.2026 07:30"});
    f.d.SetColumnFormat(1, "[ddd.MM.yyyy HH:mm]");
    f.By(skDateTime, true);
    EXPECT_EQ(f.Col(1), "01.12.2025 23:59|03.01.2026 07:30|03.01.2026 08:00");
}

TEST(RLDataSort, NaturalOrderComparesDigitRunsByValueAndIgnoresCase) {
    Table t({"file10", "File9", "file9", "file1", "a", "file010b", "file10a", "B"});
    t.By(skNatural, true);
    // File9 and file9 tie (case) and keep their order; file010b reads as file10b.
    EXPECT_EQ(t.Col(1), "a|B|file1|File9|file9|file10|file10a|file010b");
    t.By(skNatural, false);
    EXPECT_EQ(t.Col(1), "file010b|file10a|file10|File9|file9|file1|B|a");
}

TEST(RLDataSort, KeysApplyInTurnAndTiesKeepThePresentedOrder) {
    Table t({"b", "a", "b", "a", "b", "a"}, {"2", "10", "10", "2", "2", "9"});
    const TRLSortKey keys[] = {{1, true, skText}, {2, false, skNumber}};
    t.d.SortBy(keys);
    EXPECT_EQ(t.Col(1), "a|a|a|b|b|b");
    EXPECT_EQ(t.Col(2), "10|9|2|10|2|2");
    // Rows 1 and 5 tie in both keys: row 1 was shown first and stays first.
    EXPECT_EQ(t.Col(0), "2|6|4|3|1|5");
    EXPECT_EQ(t.d.GetLastSortColumn(), 1);
    EXPECT_EQ(t.d.GetLastSortColumnSec(), 2);
    EXPECT_TRUE(t.d.GetLastSortOrder());
    ASSERT_EQ(t.d.GetLastSortKeys().size(), 2u);
    EXPECT_EQ(t.d.GetLastSortKeys()[1], keys[1]);

    // A second sort starts from the presented order, whatever the direction.
    const TRLSortKey second{2, false, skNumber};
    t.d.SortBy({&second, 1});
    EXPECT_EQ(t.Col(0), "2|3|6|4|1|5");

    // The stored order stays: UnSort brings it back and forgets the keys.
    t.d.UnSort();
    EXPECT_EQ(t.Col(0), "1|2|3|4|5|6");
    EXPECT_TRUE(t.d.GetLastSortKeys().empty());
    EXPECT_EQ(t.d.GetLastSortColumn(), -1);
}

TEST(RLDataSort, TextKeysOrderAsTheStoresSortAndKeysOutOfRangeAreSkipped) {
    std::vector<std::string> texts;
    for (int i = 0; i < 60; ++i) texts.push_back("key" + std::to_string((i * 37) % 11) + (i % 3 ? "x" : ""));
    Table a(texts), b(texts);
    a.d.Sort(1, -1, false);
    const TRLSortKey keys[] = {{7, true, skNumber}, {1, false, skText}, {-1, true, skText}};
    b.d.SortBy(keys);
    EXPECT_EQ(a.Col(0), b.Col(0));
    EXPECT_EQ(b.d.GetLastSortColumnSec(), -1);
    // Sort forgets the keys of SortBy.
    b.d.Sort(1, -1, true);
    EXPECT_TRUE(b.d.GetLastSortKeys().empty());
    // No key in range: nothing happens.
    const TRLSortKey none{9, true, skNumber};
    b.d.SortBy({&none, 1});
    EXPECT_EQ(b.d.GetLastSortColumn(), 1);
}

TEST(RLDataSort, CheckColumnsSortByTheirVisibleValueAndExchangesAreReported) {
    Table t({"10", "9", "100"});
    t.d.SetColCheckMode(1, cmBox);
    t.d.SetElemChecked(1, 3, true);   // the mark is no digit of the value
    int exchanges = 0;
    t.d.SetOnBeforeSortExchange([&](vcl::TObject* Sender, const std::string&, std::string&) {
        EXPECT_EQ(Sender, &t.d);
        ++exchanges;
    });
    t.By(skNumber, true);
    EXPECT_EQ(t.Col(1), "9|10|100");
    EXPECT_TRUE(t.d.GetElemChecked(1, 3));
    EXPECT_GT(exchanges, 0);
}

}  // namespace
