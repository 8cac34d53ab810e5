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
