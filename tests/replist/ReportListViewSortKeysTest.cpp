// The view's sorting by value and by several columns: header clicks by the column's sort
// kind, Shift+click keys with their numbered arrows, the published sort kinds, and Ctrl+C
// of the selected rows.
#include <memory>
#include <string>

#include "platform/Clipbrd.h"
#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;
using vcl::ssCtrl;
using vcl::ssShift;

namespace {

class SortKeysTest : public ViewTest {
protected:
    // Column 1 groups, column 2 amounts, column 3 file names.
    void FillMixed() {
        view->SetNrCols(3);
        view->SetNrRows(6);
        const char* rows[][3] = {{"b", "10", "file10"}, {"a", "9", "file9"},   {"b", "-", "File2"},
                                 {"a", "100", "x"},     {"b", "9", "file1"},   {"a", "", "file09"}};
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 3; ++c) view->SetElem(c, r, rows[r - 1][c - 1]);
    }
    void ShiftClickHeader(int P) {
        const vcl::TRect h = Header(P);
        vcl::Input::Click(view, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2, vcl::TShiftState{ssShift});
    }
    // Text is smoothed: a pixel counts as ink when it is much darker than the header's face.
    static bool Dark(vcl::TColor C) {
        return (C & 0xFF) < 0x70 && ((C >> 8) & 0xFF) < 0x70 && ((C >> 16) & 0xFF) < 0x70;
    }
    // Dark pixels in the box where the key number of display position
    // P is drawn (right of the arrow of a left-aligned header).
    int KeyNumberInk(int P, const std::string& Number) {
        const vcl::TRect h = Header(P);
        vcl::TCanvas* c = form->GetBackBuffer()->GetCanvas();
        c->SetFont(view->GetFont());
        const std::string name = view->GetColName(view->GetColumnOrder(P));
        const int w = view->GetColWidths(view->GetColumnOrder(P));
        const int a = 13 + c->TextWidth(Number) + 1;
        const int x0 = h.Left + 4 + std::min(c->TextWidth(name) + 10, w - a + 13 - 11);
        int ink = 0;
        Flush();
        for (int x = x0 + 6; x < x0 + 6 + c->TextWidth(Number); ++x)
            for (int y = h.Top + 2; y < h.Top + 2 + c->TextHeight(Number) && y < h.Bottom; ++y)
                if (Dark(c->GetPixels(x, y))) ++ink;
        return ink;
    }
};

TEST_F(SortKeysTest, AHeaderClickSortsByTheColumnsKind) {
    FillMixed();
    view->SetColumnSortKind(2, skNumber);
    ClickHeader(2);   // the first click sorts descending
    EXPECT_EQ(Column(2), "100,10,9,9,-,");
    ClickHeader(2);
    EXPECT_EQ(Column(2), "9,9,10,100,-,");
    // Rows with equal values keep their order: "a" (row 2) was before "b" (row 5).
    EXPECT_EQ(Column(1), "a,b,b,a,b,a");
    view->SetColumnSortKind(3, skNatural);
    ClickHeader(3);
    EXPECT_EQ(Column(3), "x,file10,file9,file09,File2,file1");
    // Out of range: text, and setting is ignored.
    view->SetColumnSortKind(9, skNumber);
    EXPECT_EQ(view->GetColumnSortKind(9), skText);
    EXPECT_EQ(view->GetColumnSortKind(1), skText);
}

TEST_F(SortKeysTest, ShiftClicksAddKeysInOrderAndNumberTheArrows) {
    FillMixed();
    view->SetColumnSortKind(2, skNumber);
    ClickHeader(1);   // descending by group
    EXPECT_EQ(KeyNumberInk(1, "1"), 0) << "a sort by one column shows no key number";
    ShiftClickHeader(2);   // then ascending by amount
    EXPECT_EQ(Column(1), "b,b,b,a,a,a");
    EXPECT_EQ(Column(2), "9,10,-,9,100,");
    ASSERT_EQ(view->GetSortColumn(), 1);
    EXPECT_EQ(view->GetSecondarySortColumn(), -1) << "the keys are no setting of the view";
    EXPECT_GT(KeyNumberInk(1, "1"), 0);
    EXPECT_GT(KeyNumberInk(2, "2"), 0);
    // A second Shift+click on a key reverses it; the key keeps its place.
    ShiftClickHeader(2);
    EXPECT_EQ(Column(2), "10,9,-,100,9,");
    ShiftClickHeader(3);
    const std::vector<TRLSortKey> keys = view->GetData()->GetLastSortKeys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], (TRLSortKey{1, false, skText}));
    EXPECT_EQ(keys[1], (TRLSortKey{2, false, skNumber}));
    EXPECT_EQ(keys[2], (TRLSortKey{3, true, skText}));
    EXPECT_GT(KeyNumberInk(3, "3"), 0);
    // A plain click starts over with one key.
    ClickHeader(3);
    EXPECT_TRUE(view->GetData()->GetLastSortKeys().empty());
    EXPECT_EQ(view->GetSortColumn(), 3);
    EXPECT_EQ(KeyNumberInk(1, "1"), 0);
}

TEST_F(SortKeysTest, ShiftClickWhileFilteredSortsTheFoundRowsOnly) {
    FillMixed();
    view->SetColumnSortKind(2, skNumber);
    const int cols[] = {3};
    view->FilterAndSort("file", cols, true, fmSimple, 2, true);
    // Found: rows 1, 2, 3, 5, 6; by amount ascending, no values last.
    EXPECT_EQ(Column(2), "9,9,10,-,");
    ClickHeader(1);
    ShiftClickHeader(2);
    EXPECT_EQ(view->GetNrOfShownRows(), 5);
    EXPECT_EQ(Column(1), "b,b,b,a,a");
    EXPECT_EQ(Column(2), "9,10,-,9,");
    EXPECT_EQ(view->GetElem(3, 6), "x") << "the hidden row stays behind the found ones";
}

TEST_F(SortKeysTest, SortKindsArePublishedAndStoredOnlyWhenSet) {
    auto v = std::make_unique<TReportListView>(nullptr);
    v->SetName("Orders");
    EXPECT_EQ(v->GetColumnSortKinds(), "");
    EXPECT_EQ(vcl::WriteComponentText(v.get()).find("ColumnSortKinds"), std::string::npos);
    v->SetColumnSortKind(2, skNumber);
    v->SetColumnSortKind(3, skDateTime);
    EXPECT_EQ(v->GetColumnSortKinds(), "skText,skNumber,skDateTime");
    const std::string text = vcl::WriteComponentText(v.get());
    EXPECT_NE(text.find("ColumnSortKinds"), std::string::npos);
    std::unique_ptr<vcl::TComponent> read(vcl::ReadComponentText(text, nullptr));
    auto* back = dynamic_cast<TReportListView*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetColumnSortKind(2), skNumber);
    EXPECT_EQ(back->GetColumnSortKind(3), skDateTime);
    EXPECT_EQ(back->GetColumnSortKind(4), skText);
    // Names in any case, blanks around them; names beyond the columns are ignored.
    v->SetColumnSortKinds(" sknatural , skText,skText,skText,skNumber,skNumber");
    EXPECT_EQ(v->GetColumnSortKinds(), "skNatural,skText,skText,skText,skNumber");
    EXPECT_THROW(v->SetColumnSortKinds("skNumber,numbers"), EZynRepListError);
    EXPECT_EQ(v->GetColumnSortKinds(), "skNatural,skText,skText,skText,skNumber") << "a refused text changes nothing";
    // Clear resets the columns' settings, the kinds with them.
    v->Clear();
    EXPECT_EQ(v->GetColumnSortKinds(), "");
}

TEST_F(SortKeysTest, CtrlCCopiesTheSelectedRowsInDisplayOrder) {
    FillNamed(3, 5);
    view->SetRowSelectMode(2);
    view->SetElem(2, 4, "tab\there\nline");
    view->SetColumnIsPwd(3, true);
    const int order[] = {2, 3, 1};
    ASSERT_TRUE(view->SetColumnOrder(order));
    vcl::Clipboard()->SetAsText("before");
    view->SetFocus();
    vcl::Input::KeyDown(view, 'C', vcl::TShiftState{ssCtrl});
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "before") << "no row selected: the clipboard stays";
    ClickCell(1, 4);
    ClickCell(1, 2, vcl::TShiftState{ssCtrl});
    view->SetFocus();
    vcl::Input::KeyDown(view, 'C', vcl::TShiftState{ssCtrl});
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "r2c2\t******\tr2c1\ntab here line\t******\tr4c1\n");
    EXPECT_EQ(view->SelectedRowsText(), vcl::Clipboard()->GetAsText());
    // The presented order counts, not the stored one.
    ClickHeader(3);   // by column 1, descending
    EXPECT_EQ(view->SelectedRowsText(), "tab here line\t******\tr4c1\nr2c2\t******\tr2c1\n");
}

}  // namespace
