// Pasting a block into the report list view (Ctrl+V, Shift+Insert): the format chosen, the
// cells written in display order from the current cell, the list's editing rules, the cut
// at the last row, the notifications and the one undo step; and the formats Ctrl+C offers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Zyn_tableclip.h"
#include "platform/Clipbrd.h"
#include "tests/replist/ReportListViewSupport.h"

using namespace vcl;
using namespace zyn;

namespace {

class ReportListPaste : public rlv_test::ViewTest {
protected:
    // Every stored text, marks included, in presented order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (int r = 1; r <= view->GetNrOfRows(); ++r)
            for (int c = 1; c <= view->GetNrOfColumns(); ++c) t.push_back(view->GetData()->Strings->GetString(c, r));
        return t;
    }
    void Offer(const std::string& Text, const std::string& Csv = {}, const std::string& Html = {}) {
        TClipboard* clip = Clipboard();
        clip->Open();
        clip->Clear();
        if (!Text.empty()) clip->SetAsText(Text);
        if (!Csv.empty()) clip->SetAsFormat(MimeCsv, Csv);
        if (!Html.empty()) clip->SetAsFormat(MimeHtml, Html);
        clip->Close();
    }
    void PressPaste(bool ShiftInsert = false) {
        view->SetFocus();
        if (ShiftInsert) Input::KeyDown(view, VK_INSERT, TShiftState{ssShift});
        else Input::KeyDown(view, 'V', TShiftState{ssCtrl});
    }
};

}  // namespace

TEST_F(ReportListPaste, WritesTheBestFormatInDisplayOrderFromTheCurrentCell) {
    FillNamed(4, 5);
    for (int c = 1; c <= 4; ++c) view->SetColumnEditable(c, true);
    const int order[] = {1, 3, 2, 4};
    ASSERT_TRUE(view->SetColumnOrder(order));
    ClickCell(2, 2);   // display position 2 (data column 3), row 2

    // HTML wins over CSV and text; positions 2 and 3 are data columns 3 and 2.
    Offer("t1\tt2\n", "c1,c2\r\n", "<table><tr><td>h&amp;1</td><td>h2</td></tr><tr><td colspan=2>wide</td></tr></table>");
    PressPaste();
    EXPECT_EQ(view->GetElem(3, 2), "h&1");
    EXPECT_EQ(view->GetElem(2, 2), "h2");
    EXPECT_EQ(view->GetElem(3, 3), "wide");
    EXPECT_EQ(view->GetElem(2, 3), "") << "the place a span covers is empty";
    EXPECT_EQ(view->GetElem(1, 2), "r2c1");
    EXPECT_EQ(view->GetElem(4, 2), "r2c4");

    // Without HTML the CSV, with a quoted comma; Shift+Insert does the same as Ctrl+V.
    Offer("t1\tt2\n", "\"a,b\",c\r\n");
    PressPaste(true);
    EXPECT_EQ(view->GetElem(3, 2), "a,b");
    EXPECT_EQ(view->GetElem(2, 2), "c");

    // Only text: tab-separated; a block wider than the list stops at the last column.
    Offer("x\ty\tz\tbeyond\n");
    PressPaste();
    EXPECT_EQ(view->GetElem(3, 2), "x");
    EXPECT_EQ(view->GetElem(2, 2), "y");
    EXPECT_EQ(view->GetElem(4, 2), "z");

    // An HTML document without a table falls back to the text.
    Offer("plain\n", "", "<p>no table</p>");
    PressPaste();
    EXPECT_EQ(view->GetElem(3, 2), "plain");
}

TEST_F(ReportListPaste, FollowsTheEditingRulesAndStopsAtTheLastRow) {
    FillNamed(3, 4);
    const std::vector<std::string> start = Texts();
    ClickCell(1, 3);
    // Nothing is editable by default: a read-only list takes nothing.
    Offer("a\tb\tc\nd\te\tf\ng\th\ti\n");
    PressPaste();
    EXPECT_EQ(Texts(), start);
    EXPECT_FALSE(view->CanUndo());

    // Column 2 not editable, row 4 disabled: those cells keep their texts, the block keeps
    // its shape around them, and the rows beyond the last are dropped (none is added).
    view->SetColumnEditable(1, true);
    view->SetColumnEditable(3, true);
    view->SetRowEnabled(4, false);
    ClickCell(1, 2);
    int changes = 0, setEdits = 0;
    view->SetOnChange([&](TObject*) { ++changes; });
    view->SetOnSetEditText([&](TObject*, int, int, const std::string&) { ++setEdits; });
    PressPaste();
    EXPECT_EQ(view->GetNrOfRows(), 4);
    EXPECT_EQ(view->GetElem(1, 2), "a");
    EXPECT_EQ(view->GetElem(2, 2), "r2c2");
    EXPECT_EQ(view->GetElem(3, 2), "c");
    EXPECT_EQ(view->GetElem(1, 3), "d");
    EXPECT_EQ(view->GetElem(3, 3), "f");
    EXPECT_EQ(view->GetElem(1, 4), "r4c1") << "a disabled row is not written";
    EXPECT_EQ(setEdits, 4);
    EXPECT_GE(changes, 4);
    EXPECT_EQ(view->PasteCells({{"q"}}), 1);
    EXPECT_EQ(view->GetElem(1, 2), "q");

    // While filtered, the block runs over the shown rows only.
    view->FilterAndSort("r3", std::vector<int>{2}, true, fmSimple, -1, true);
    ASSERT_EQ(view->GetNrOfShownRows(), 1);
    ClickCell(1, 1);
    EXPECT_EQ(view->PasteCells({{"only"}, {"hidden"}}), 1);
    EXPECT_EQ(view->GetElem(1, 1), "only");
}

TEST_F(ReportListPaste, IsOneUndoStepThatRestoresTheExactData) {
    FillNamed(3, 6);
    view->SetColCheckMode(2, cmBox);
    view->SetElemChecked(2, 3, true);
    for (int c = 1; c <= 3; ++c) view->SetColumnEditable(c, true);
    ClickHeader(1);   // sorted: the step finds its rows by their stored places
    const std::vector<std::string> before = Texts();
    ClickCell(1, 2);
    Offer("1\t2\t3\n4\t5\t6\n7\t8\t9\n");
    PressPaste();
    const std::vector<std::string> after = Texts();
    EXPECT_NE(after, before);
    EXPECT_EQ(view->GetUndoHistory().Count(), 1);
    // A check column keeps its marks under the pasted text.
    for (int r = 1; r <= 6; ++r)
        if (view->GetData()->Strings->GetSortOrder(r) == 3) {
            EXPECT_TRUE(view->GetElemChecked(2, r));
        }
    view->SetFocus();
    Input::KeyDown(view, 'Z', TShiftState{ssCtrl});
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(view->Redo());
    EXPECT_EQ(Texts(), after);
}

TEST_F(ReportListPaste, CopyOffersTextCsvAndHtmlThatPasteBack) {
    FillNamed(3, 3);
    view->SetRowSelectMode(2);
    view->SetElem(1, 2, "1,5 \"x\"");
    view->SetElem(2, 2, "-12.5");
    view->SetColumnIsPwd(3, true);
    ClickCell(1, 2);
    view->SetFocus();
    Input::KeyDown(view, 'C', TShiftState{ssCtrl});
    TClipboard* clip = Clipboard();
    EXPECT_EQ(clip->GetAsText(), "1,5 \"x\"\t-12.5\t******\n");
    ASSERT_TRUE(clip->HasFormat(MimeCsv));
    EXPECT_EQ(clip->GetAsFormat(MimeCsv), "\"1,5 \"\"x\"\"\",-12.5,******\r\n");
    ASSERT_TRUE(clip->HasFormat(MimeHtml));
    const std::string html = clip->GetAsFormat(MimeHtml);
    EXPECT_NE(html.find("<td>1,5 &quot;x&quot;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td align=\"right\" style=\"text-align:right\">-12.5</td>"), std::string::npos) << html;
    std::vector<std::vector<std::string>> back;
    ASSERT_TRUE(ReadHtmlTable(html, back));
    EXPECT_EQ(back, (std::vector<std::vector<std::string>>{{"1,5 \"x\"", "-12.5", "******"}}));
}
