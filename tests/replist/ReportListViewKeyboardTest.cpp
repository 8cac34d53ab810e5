// The report list from the keyboard alone: moving the current row, Space on check marks,
// the in-place editor's Enter, F2 and Escape, Enter left to a default button, Ctrl+A, the
// context menu keys and the focus cue around the current row.
#include <string>
#include <vector>

#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;
using vcl::Input::KeyDown;
using vcl::Input::KeyPress;
using vcl::ssCtrl;
using vcl::ssShift;

namespace {

class KeyboardTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        other = new vcl::TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(0, 302, 50, 16);
    }
    // Focus on the view, current row 1.
    void Start() {
        view->SetFocus();
        KeyDown(view, vcl::VK_HOME, vcl::TShiftState{ssCtrl});
    }
    int Row() const { return view->GetRow() - view->GetFixedRows() + 1; }
    vcl::TEdit* other = nullptr;
};

}  // namespace

TEST_F(KeyboardTest, NavigationKeysMoveTheCurrentRow) {
    FillNamed(2, 40);
    std::vector<vcl::WORD> keys;
    view->SetOnCursorKeyAction([&](vcl::TObject*, vcl::WORD K) { keys.push_back(K); });
    Start();
    EXPECT_EQ(Row(), 1);
    KeyDown(view, vcl::VK_DOWN);
    KeyDown(view, vcl::VK_DOWN);
    EXPECT_EQ(Row(), 3);
    KeyDown(view, vcl::VK_UP);
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(view->FirstSelectedRow(), 2);
    EXPECT_EQ(view->NumSelectedRows(), 1);
    const int page = view->GetVisibleRowCount();
    KeyDown(view, vcl::VK_NEXT);
    EXPECT_EQ(Row(), 1 + page);   // the last fully visible row
    KeyDown(view, vcl::VK_PRIOR);
    EXPECT_EQ(Row(), 2);
    KeyDown(view, vcl::VK_END);
    EXPECT_EQ(Row(), 40);
    EXPECT_EQ(view->FirstSelectedRow(), 40);
    EXPECT_GT(view->GetTopRow(), 1);   // scrolled into view
    KeyDown(view, vcl::VK_HOME);
    EXPECT_EQ(Row(), 1);
    KeyDown(view, vcl::VK_END, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(Row(), 40);
    KeyDown(view, vcl::VK_HOME, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(Row(), 1);
    EXPECT_EQ(view->NumSelectedRows(), 1);
    EXPECT_EQ(keys.size(), 10u);

    // Ctrl+Right and Ctrl+Left step the column the keys act on (the cue shows it on a
    // check column); the row stays.
    view->SetColCheckMode(2, cmBox);
    const vcl::TRect row1 = view->FocusCueRect();
    EXPECT_EQ(row1.Right, Cell(2, 1).Right);
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->FocusCueRect().Left, Cell(2, 1).Left);
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});   // already the last
    EXPECT_EQ(view->FocusCueRect().Left, Cell(2, 1).Left);
    EXPECT_EQ(Row(), 1);
    KeyDown(view, vcl::VK_LEFT, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->FocusCueRect().Left, row1.Left);
    EXPECT_EQ(view->FocusCueRect().Right, row1.Right);
    view->SetColCheckMode(2, cmNone);

    // A column out of view is scrolled in; the cue frames its cell there.
    view->SetNrCols(10);
    view->SetColCheckMode(9, cmBox);
    for (int i = 0; i < 8; ++i) KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    EXPECT_GT(view->TCustomGrid::GetLeftCol(), 0);
    const vcl::TRect far = view->FocusCueRect();
    EXPECT_EQ(far.Left, Cell(9, 1).Left);
    EXPECT_GT(far.Right, far.Left);
    EXPECT_LE(far.Right, view->GetClientWidth());
    for (int i = 0; i < 8; ++i) KeyDown(view, vcl::VK_LEFT, vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->TCustomGrid::GetLeftCol(), 0);
    view->SetNrCols(2);
    KeyDown(view, vcl::VK_HOME, vcl::TShiftState{ssCtrl});

    // On an editable cell (whole-row selection lifted) Home and End still move the row.
    view->SetColumnEditable(1, true);
    KeyDown(view, vcl::VK_DOWN);
    ASSERT_TRUE(view->GetOptions().Contains(vcl::goEditing));
    KeyDown(view, vcl::VK_END);
    EXPECT_EQ(Row(), 40);
    EXPECT_EQ(view->FirstSelectedRow(), 40);
    KeyDown(view, vcl::VK_HOME);
    EXPECT_EQ(Row(), 1);
    EXPECT_EQ(view->GetCol(), 0);
}

TEST_F(KeyboardTest, SpaceTogglesTheCurrentCheckMarkLikeItsClick) {
    FillNamed(3, 4);
    view->SetColCheckMode(2, cmBox);
    view->SetColCheckMode(3, cmRadio);
    std::vector<std::string> log;
    view->SetOnBeforeCheckedChange([&](vcl::TObject*, bool& State, int C, int R) {
        log.push_back("before " + std::to_string(C) + "," + std::to_string(R) + "=" + std::to_string(State));
    });
    view->SetOnCheckedChange([&](vcl::TObject*, bool State, int C, int R) {
        log.push_back("after " + std::to_string(C) + "," + std::to_string(R) + "=" + std::to_string(State));
    });
    Start();
    KeyDown(view, vcl::VK_SPACE);   // column 1 has no marks
    EXPECT_TRUE(log.empty());
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    KeyDown(view, vcl::VK_DOWN);
    KeyDown(view, vcl::VK_SPACE);
    EXPECT_TRUE(view->GetElemChecked(2, 2));
    EXPECT_EQ(log, (std::vector<std::string>{"before 2,2=1", "after 2,2=0"}));
    KeyDown(view, vcl::VK_SPACE);
    EXPECT_FALSE(view->GetElemChecked(2, 2));
    EXPECT_EQ(view->GetElem(2, 2), "r2c2");   // the text stays

    // A radio cell: Space checks it and clears the others; on the checked cell it stays.
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    KeyDown(view, vcl::VK_SPACE);
    KeyDown(view, vcl::VK_DOWN);
    KeyDown(view, vcl::VK_SPACE);
    EXPECT_FALSE(view->GetElemChecked(3, 2));
    EXPECT_TRUE(view->GetElemChecked(3, 3));
    KeyDown(view, vcl::VK_SPACE);
    EXPECT_TRUE(view->GetElemChecked(3, 3));

    // A disabled row, read-only marks and a hidden empty box are left alone, as for a click.
    log.clear();
    view->SetRowEnabled(3, false);
    KeyDown(view, vcl::VK_SPACE);
    view->SetRowEnabled(3, true);
    view->SetCheckMarksReadOnly(true);
    KeyDown(view, vcl::VK_SPACE);
    view->SetCheckMarksReadOnly(false);
    view->SetElem(3, 3, "");
    view->SetShowEmptyCheckBoxes(false);
    KeyDown(view, vcl::VK_SPACE);
    EXPECT_TRUE(log.empty());

    // In an editable check column the Space toggles and types nothing into an editor.
    view->SetShowEmptyCheckBoxes(true);
    view->SetColumnEditable(2, true);
    KeyDown(view, vcl::VK_LEFT, vcl::TShiftState{ssCtrl});
    ASSERT_TRUE(view->GetOptions().Contains(vcl::goEditing));
    const bool was = view->GetElemChecked(2, 3);
    KeyDown(view, vcl::VK_SPACE);
    KeyPress(view, U' ');
    EXPECT_NE(view->GetElemChecked(2, 3), was);
    EXPECT_EQ(view->GetElem(2, 3), "r3c2");
    EXPECT_FALSE(view->GetEditorMode());
}

TEST_F(KeyboardTest, EnterF2AndEscapeWorkTheInPlaceEditor) {
    FillNamed(2, 3);
    view->SetColumnEditable(2, true);
    std::vector<std::string> set;
    view->SetOnSetEditText([&](vcl::TObject*, int, int, const std::string& V) { set.push_back(V); });
    // A Cancel button on the form does not take Escape from the open editor.
    auto* cancel = new vcl::TButton(form.get());
    cancel->SetParent(form.get());
    cancel->SetBounds(60, 302, 50, 16);
    cancel->SetCancel(true);
    int cancels = 0;
    cancel->SetOnClick([&](vcl::TObject*) { ++cancels; });
    Start();
    KeyDown(view, vcl::VK_F2);   // column 1 is not editable
    EXPECT_FALSE(view->GetEditorMode());
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    KeyDown(view, vcl::VK_F2);
    vcl::TInplaceEdit* ed = view->GetInplaceEditor();
    ASSERT_NE(ed, nullptr);
    ASSERT_TRUE(ed->GetVisible());
    EXPECT_EQ(ed->GetText(), "r1c2");
    vcl::Input::TypeText(ed, "XY");
    EXPECT_EQ(view->GetElem(2, 1), "r1c2XY");   // stored while typing
    KeyDown(ed, vcl::VK_ESCAPE);
    EXPECT_FALSE(ed->GetVisible());
    EXPECT_FALSE(view->GetEditorMode());
    EXPECT_EQ(view->GetElem(2, 1), "r1c2");
    ASSERT_FALSE(set.empty());
    EXPECT_EQ(set.back(), "r1c2");
    EXPECT_TRUE(view->Focused());
    EXPECT_EQ(cancels, 0);

    // Enter opens with the text selected (typing replaces it), Enter in the editor keeps
    // the text and closes it. The column the keys act on stays through the row moves.
    KeyDown(view, vcl::VK_DOWN);
    vcl::Input::TypeText(view, "\r");
    ASSERT_TRUE(ed->GetVisible());
    EXPECT_EQ(ed->GetText(), "r2c2");
    vcl::Input::TypeText(ed, "r2c2Z\r");
    EXPECT_FALSE(ed->GetVisible());
    EXPECT_EQ(view->GetElem(2, 2), "r2c2Z");
    // Escape without an open editor changes nothing.
    KeyDown(view, vcl::VK_ESCAPE);
    EXPECT_EQ(view->GetElem(2, 2), "r2c2Z");
    // A check column keeps its mark through an abandoned edit.
    view->SetColCheckMode(2, cmBox);
    view->SetElemChecked(2, 2, true);
    KeyDown(view, vcl::VK_F2);
    ASSERT_TRUE(ed->GetVisible());
    vcl::Input::TypeText(ed, "Q");
    KeyDown(ed, vcl::VK_ESCAPE);
    EXPECT_EQ(view->GetElem(2, 2), "r2c2Z");
    EXPECT_TRUE(view->GetElemChecked(2, 2));
}

TEST_F(KeyboardTest, EnterGoesToTheDefaultButtonUnlessTheListUsesIt) {
    FillNamed(2, 3);
    auto* ok = new vcl::TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(60, 302, 50, 16);
    ok->SetDefault(true);
    int oks = 0;
    ok->SetOnClick([&](vcl::TObject*) { ++oks; });
    Start();
    // Nothing to edit, no AutoAdvance: the list has no use for Enter.
    KeyDown(view, vcl::VK_RETURN);
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(Row(), 1);
    EXPECT_TRUE(view->Focused());
    // AutoAdvance: Enter moves on as the Down arrow does.
    view->SetAutoAdvance(true);
    KeyDown(view, vcl::VK_RETURN);
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(Row(), 2);
    view->SetAutoAdvance(false);
    // An editable cell: Enter opens the editor, and Enter in it closes it.
    view->SetColumnEditable(2, true);
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    KeyDown(view, vcl::VK_RETURN);
    vcl::TInplaceEdit* ed = view->GetInplaceEditor();
    ASSERT_NE(ed, nullptr);
    EXPECT_TRUE(ed->GetVisible());
    KeyDown(ed, vcl::VK_RETURN);
    EXPECT_FALSE(ed->GetVisible());
    EXPECT_EQ(oks, 1);
    // A disabled row's cell is not edited: the button again.
    view->SetRowEnabled(2, false);
    KeyDown(view, vcl::VK_RETURN);
    EXPECT_FALSE(ed->GetVisible());
    EXPECT_EQ(oks, 2);
}

TEST_F(KeyboardTest, CtrlASelectsAllRowsInMultiRowMode) {
    FillNamed(2, 6);
    int changes = 0;
    view->SetOnSelectedChange([&](vcl::TObject*) { ++changes; });
    Start();
    changes = 0;
    KeyDown(view, 'A', vcl::TShiftState{ssCtrl});   // single-row mode: nothing
    EXPECT_EQ(view->NumSelectedRows(), 1);
    EXPECT_EQ(changes, 0);
    view->SetRowSelectMode(2);
    changes = 0;
    KeyDown(view, 'A', vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->NumSelectedRows(), 6);
    EXPECT_EQ(changes, 1);
    // While filtered only the rows found are selected.
    const std::vector<int> cols{1};
    view->FilterAndSort("r2c1", cols, true, fmSimple, -1, true);
    ASSERT_EQ(view->GetNrOfShownRows(), 1);
    KeyDown(view, 'A', vcl::TShiftState{ssCtrl});
    EXPECT_EQ(view->NumSelectedRows(), 1);
}

TEST_F(KeyboardTest, MenuKeysOpenThePopupAtTheCurrentRow) {
    FillNamed(2, 6);
    auto* menu = new vcl::TPopupMenu(form.get());
    auto* item = new vcl::TMenuItem(menu);
    item->SetCaption("Item");
    menu->GetItems()->Add(item);
    view->SetPopupMenu(menu);
    std::vector<vcl::TPoint> shown;
    vcl::Testing::OnPopup([&](vcl::TPopupMenu*, int X, int Y) -> vcl::TMenuItem* {
        shown.push_back({X, Y});
        return nullptr;
    });
    Start();
    KeyDown(view, vcl::VK_DOWN);
    KeyDown(view, vcl::VK_DOWN);
    const vcl::TRect cue = view->FocusCueRect();
    EXPECT_EQ(cue.Top, Cell(1, 3).Top);
    KeyDown(view, vcl::VK_APPS);
    KeyDown(view, vcl::VK_F10, vcl::TShiftState{ssShift});
    KeyDown(view, vcl::VK_F10);   // plain F10 opens nothing
    ASSERT_EQ(shown.size(), 2u);
    const vcl::TPoint expect = view->ClientToScreen({cue.Left, cue.Bottom});
    EXPECT_EQ(shown[0].X, expect.X);
    EXPECT_EQ(shown[0].Y, expect.Y);
    EXPECT_EQ(shown[1].X, expect.X);
    EXPECT_EQ(shown[1].Y, expect.Y);
    // OnContextPopup sees the point first and may take it, as for a right click.
    vcl::TPoint asked{-1, -1};
    view->SetOnContextPopup([&](vcl::TObject*, vcl::TPoint P, bool& Handled) {
        asked = P;
        Handled = true;
    });
    KeyDown(view, vcl::VK_APPS);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(asked.X, cue.Left);
    EXPECT_EQ(asked.Y, cue.Bottom);
    vcl::Testing::OnPopup(nullptr);
}

// The cue is the dotted XOR frame (every second pixel inverted) on the border of the
// current row's visible cells, drawn only while the view has the keyboard.
TEST_F(KeyboardTest, FocusCueFramesTheCurrentRowOnlyWhileFocused) {
    FillNamed(3, 6);
    auto snapshot = [&](const vcl::TRect& R) {
        std::vector<vcl::TColor> px;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) px.push_back(Pixel(x, y));
        return px;
    };
    const vcl::TRect area(0, 0, 400, 300);
    Start();
    KeyDown(view, vcl::VK_DOWN);
    other->SetFocus();
    const std::vector<vcl::TColor> blurred = snapshot(area);
    view->SetFocus();
    const std::vector<vcl::TColor> focused = snapshot(area);
    const vcl::TRect cue = view->FocusCueRect();
    EXPECT_EQ(cue.Left, Cell(1, 2).Left);
    EXPECT_EQ(cue.Top, Cell(1, 2).Top);
    EXPECT_EQ(cue.Right, Cell(3, 2).Right);
    EXPECT_EQ(cue.Bottom, Cell(1, 2).Bottom);
    int inverted = 0, framePixels = 0;
    bool onlyFrame = true;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const std::size_t i = std::size_t(y * area.Right + x);
            const bool frame = cue.Contains({x, y}) &&
                               (x == cue.Left || x == cue.Right - 1 || y == cue.Top || y == cue.Bottom - 1);
            if (frame) ++framePixels;
            if (focused[i] == blurred[i]) continue;
            if (!frame || focused[i] != (~blurred[i] & 0xFFFFFF)) onlyFrame = false;
            ++inverted;
        }
    EXPECT_TRUE(onlyFrame);
    EXPECT_NEAR(inverted, framePixels / 2, 2);
    // Neighbours on the top edge alternate.
    const std::size_t a = std::size_t(cue.Top * area.Right + cue.Left + 10);
    EXPECT_NE(focused[a] == blurred[a], focused[a + 1] == blurred[a + 1]);
    // Without focus the row moved by the keys is drawn as a row selected by a click.
    view->SelectRow(2);
    other->SetFocus();
    EXPECT_EQ(snapshot(area), blurred);

    // On an editable cell the cue frames that cell.
    view->SetColumnEditable(2, true);
    view->SetFocus();
    KeyDown(view, vcl::VK_RIGHT, vcl::TShiftState{ssCtrl});
    const vcl::TRect cell = view->FocusCueRect();
    EXPECT_EQ(cell.Left, Cell(2, 2).Left);
    EXPECT_EQ(cell.Right, Cell(2, 2).Right);
    // Nothing current (an empty list): no cue.
    view->SetNrRows(0);
    EXPECT_TRUE(view->FocusCueRect().IsEmpty());
}
