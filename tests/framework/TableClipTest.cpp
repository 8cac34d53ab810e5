// Tables as CSV and HTML for the clipboard: the writers' escaping, and the HTML reader over a
// document in the shape a spreadsheet puts on the clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Zyn_tableclip.h"
#include "tests/support/SpreadsheetHtml.h"

using namespace zyn;

namespace {

using TRows = std::vector<std::vector<std::string>>;


}  // namespace

TEST(TableClip, ReadsASpreadsheetTable) {
    TRows rows;
    ASSERT_TRUE(ReadHtmlTable(zyn_test::SpreadsheetHtml, rows));
    const TRows expected{
        {"Fish & chips", "1.5", "-2", "<x> \xE2\x82\xAC"},
        {"merged across", "", "3e2", ""},
        {"4", "5,25", "", "six lines"},
    };
    EXPECT_EQ(rows, expected);

    // A span past the last cell of the rows below, a nested table left to its cell, header
    // cells, and spans capped.
    ASSERT_TRUE(ReadHtmlTable("<table><thead><tr><th>a<th rowspan=3>b</thead><tr><td>c"
                              "<tr><td><table><tr><td>in</td></tr></table>d</td><td>e</table>",
                              rows));
    EXPECT_EQ(rows, (TRows{{"a", "b", ""}, {"c", "", ""}, {"in d", "", "e"}}));
    ASSERT_TRUE(ReadHtmlTable("<table><tr><td colspan=99999>x</td></tr></table>", rows));
    EXPECT_EQ(rows.front().size(), 1000u);

    // No table, or a table without a cell, is no table.
    EXPECT_FALSE(ReadHtmlTable("<p>1 2 3</p>", rows));
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(ReadHtmlTable("<table><tr></tr></table>", rows));
    EXPECT_FALSE(ReadHtmlTable("", rows));
}

TEST(TableClip, WritesCsvAndHtmlThatReadBack) {
    const TClipRows cells{
        {{"1.5", true}, {"a,b", false}, {"say \"hi\"", false}},
        {{" padded", false}, {"two\r\nlines", false}, {"<&>", false}},
    };
    EXPECT_EQ(TableToCsv(cells), "1.5,\"a,b\",\"say \"\"hi\"\"\"\r\n\" padded\",\"two\r\nlines\",<&>\r\n");
    const std::string html = TableToHtml(cells);
    EXPECT_NE(html.find("<td align=\"right\" style=\"text-align:right\">1.5</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>&lt;&amp;&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>say &quot;hi&quot;</td>"), std::string::npos);
    TRows back;
    ASSERT_TRUE(ReadHtmlTable(html, back));
    EXPECT_EQ(back, (TRows{{"1.5", "a,b", "say \"hi\""}, {"padded", "two lines", "<&>"}}));
}

TEST(TableClip, ReadsCsvAsWritten) {
    const TClipRows cells{
        {{"1.5", true}, {"a,b", false}, {"say \"hi\"", false}},
        {{" padded", false}, {"two\r\nlines", false}, {"", false}},
    };
    TRows back;
    ASSERT_TRUE(ReadCsvTable(TableToCsv(cells), back));
    EXPECT_EQ(back, (TRows{{"1.5", "a,b", "say \"hi\""}, {" padded", "two\r\nlines", ""}}));

    // LF and CR line ends, a short row filled up, a last line without its break, a quote
    // inside an unquoted field kept, text after a closing quote kept.
    ASSERT_TRUE(ReadCsvTable("a,b,c\nd\re,5\"x,\"q\"r", back));
    EXPECT_EQ(back, (TRows{{"a", "b", "c"}, {"d", "", ""}, {"e", "5\"x", "qr"}}));
    // A trailing comma is an empty last field; an empty line an empty row.
    ASSERT_TRUE(ReadCsvTable("x,\r\n\r\ny\r\n", back));
    EXPECT_EQ(back, (TRows{{"x", ""}, {"", ""}, {"y", ""}}));
    EXPECT_FALSE(ReadCsvTable("", back));
}

TEST(TableClip, ReadsTabSeparatedText) {
    TRows back;
    ASSERT_TRUE(ReadTabTable("a\tb\r\n\tc\td\n", back));
    EXPECT_EQ(back, (TRows{{"a", "b", ""}, {"", "c", "d"}}));
    // No quoting: quotes and commas are text; the last line needs no break.
    ASSERT_TRUE(ReadTabTable("\"q,\"\tz", back));
    EXPECT_EQ(back, (TRows{{"\"q,\"", "z"}}));
    EXPECT_FALSE(ReadTabTable("", back));

    EXPECT_TRUE(ClipTextIsNumber(" -12.5 "));
    EXPECT_TRUE(ClipTextIsNumber("3e2"));
    EXPECT_FALSE(ClipTextIsNumber("12,5"));
    EXPECT_FALSE(ClipTextIsNumber("A-1"));
    EXPECT_FALSE(ClipTextIsNumber(""));
}
