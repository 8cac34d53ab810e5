// The grid's in-place editor: how it opens (click on the current cell, F2, Enter, a typed
// key, EditorMode), that every change goes through SetEditText, that Escape reaches the
// grid's KeyDown without closing anything, and the pick-list editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/controls/lists/DropDownList.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

// A draw grid that records the editor's calls.
class TRecordingGrid : public TDrawGrid {
public:
    explicit TRecordingGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}
    std::vector<std::string> log;
    std::string cellText = "old";
    TEditStyle style = esSimple;
    int limit = 0;

protected:
    std::string GetEditText(int ACol, int ARow) override {
        log.push_back("get " + std::to_string(ACol) + "," + std::to_string(ARow));
        return cellText;
    }
    void SetEditText(int ACol, int ARow, const std::string& Value) override {
        log.push_back("set " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
        cellText = Value;
    }
    TEditStyle GetEditStyle(int, int) override { return style; }
    int GetEditLimit() override { return limit; }
    bool CanEditAcceptKey(char32_t Key) override { return Key != U'#'; }
};

class GridEditor : public zyn_test::FormFixture {
protected:
    GridEditor() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        grid = Place<TRecordingGrid>(10, 10, 330, 130);
        grid->SetScrollBars(ssNone);
        grid->SetOptions(grid->GetOptions() | goEditing);
        grid->SetFocus();
    }
    TPoint Center(int Col, int Row) {
        TRect r = grid->CellRect(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TInplaceEdit* Editor() { return grid->GetInplaceEditor(); }
    TRecordingGrid* grid = nullptr;
};

TEST_F(GridEditor, ClickOnTheCurrentCellOpensTheEditorOverTheCell) {
    TPoint other = Center(2, 1);
    Input::Click(grid, other.X, other.Y);         // another cell: only moves there
    EXPECT_FALSE(grid->GetEditorMode());
    EXPECT_EQ(grid->GetCol(), 2);
    Input::Click(grid, other.X, other.Y);         // the current cell: opens
    ASSERT_TRUE(grid->GetEditorMode());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->GetVisible());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(2, 1));
    EXPECT_EQ(Editor()->GetText(), "old");
    EXPECT_EQ(Editor()->GetSelLength(), 3);       // all text selected
    EXPECT_EQ(grid->log, std::vector<std::string>{"get 2,1"});
}

TEST_F(GridEditor, EveryChangeIsStoredAndClosingStoresOnceMore) {
    Input::KeyDown(grid, VK_F2);
    ASSERT_TRUE(grid->GetEditorMode());
    EXPECT_EQ(Editor()->GetSelLength(), 0);       // F2: caret at the end, nothing selected
    EXPECT_EQ(Editor()->GetSelStart(), 3);
    Input::TypeText(Editor(), "ab");
    Input::TypeText(Editor(), "\b");
    EXPECT_EQ(Editor()->GetText(), "olda");
    Input::KeyDown(Editor(), VK_RETURN);          // Enter (and its character) closes the editor
    EXPECT_FALSE(grid->GetEditorMode());
    EXPECT_FALSE(Editor()->GetVisible());
    EXPECT_TRUE(grid->Focused());
    std::vector<std::string> expected{"get 1,1", "set 1,1 olda", "set 1,1 oldab", "set 1,1 olda", "set 1,1 olda"};
    EXPECT_EQ(grid->log, expected);
    Input::KeyDown(grid, VK_RETURN);              // and opens it again
    EXPECT_TRUE(grid->GetEditorMode());
}

TEST_F(GridEditor, TypedKeyOpensTheEditorAndReplacesTheText) {
    Input::TypeText(grid, "x");
    ASSERT_TRUE(grid->GetEditorMode());
    EXPECT_EQ(Editor()->GetText(), "x");
    EXPECT_EQ(grid->cellText, "x");
    // CanEditAcceptKey rejects a character with a beep.
    int beeps = Testing::BeepCount();
    Input::TypeText(Editor(), "#");
    EXPECT_EQ(Editor()->GetText(), "x");
    EXPECT_EQ(Testing::BeepCount(), beeps + 1);
}

TEST_F(GridEditor, EscapeGoesToKeyDownAndKeepsTheEditorAndText) {
    std::vector<WORD> keys;
    grid->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); });
    Input::KeyDown(grid, VK_F2);
    Input::TypeText(Editor(), "Z");
    Input::KeyDown(Editor(), VK_ESCAPE);          // followed by its character, as typed
    EXPECT_NE(std::find(keys.begin(), keys.end(), VK_ESCAPE), keys.end());
    EXPECT_TRUE(grid->GetEditorMode());
    EXPECT_TRUE(Editor()->GetVisible());
    EXPECT_EQ(Editor()->GetText(), "oldZ");
    EXPECT_EQ(grid->cellText, "oldZ");            // already stored, not reverted
}

TEST_F(GridEditor, UpDownLeaveTheCellAndCloseTheEditor) {
    Input::KeyDown(grid, VK_F2);
    Input::KeyDown(Editor(), VK_DOWN);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_FALSE(grid->GetEditorMode());
    EXPECT_EQ(grid->log.back(), "set 1,1 old");
    // Left and Right stay in the text unless the editor always shows.
    Input::KeyDown(grid, VK_F2);
    Input::KeyDown(Editor(), VK_LEFT);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_TRUE(grid->GetEditorMode());
}

TEST_F(GridEditor, EditorModePropertyAndRowSelectExcludeEachOther) {
    grid->SetEditorMode(true);
    EXPECT_TRUE(Editor()->GetVisible());
    EXPECT_EQ(Editor()->GetSelLength(), 0);
    grid->SetEditorMode(false);
    EXPECT_FALSE(Editor()->GetVisible());
    grid->SetOptions(grid->GetOptions() | goRowSelect | goAlwaysShowEditor);
    EXPECT_FALSE(grid->GetOptions().Contains(goAlwaysShowEditor));
    Input::KeyDown(grid, VK_F2);
    EXPECT_FALSE(grid->GetEditorMode());
}

TEST_F(GridEditor, ReadOnlyLimitAndMaxLength) {
    grid->limit = -1;
    Input::KeyDown(grid, VK_F2);
    Input::TypeText(Editor(), "q");
    EXPECT_EQ(Editor()->GetText(), "old");
    grid->SetEditorMode(false);
    grid->limit = 4;
    Input::KeyDown(grid, VK_F2);
    Input::TypeText(Editor(), "qrs");
    EXPECT_EQ(Editor()->GetText(), "oldq");
}

TEST_F(GridEditor, PickListEditorChoosesAnItem) {
    grid->style = esPickList;
    Input::KeyDown(grid, VK_F2);
    auto* list = dynamic_cast<TInplaceEditList*>(Editor());
    ASSERT_NE(list, nullptr);
    list->GetPickList()->AddStrings(std::vector<std::string>{"red", "green", "blue"});
    Input::KeyDown(Editor(), VK_DOWN, {ssAlt});
    ASSERT_TRUE(list->GetListVisible());
    TDropDownList* items = list->GetListControl();
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->GetCount(), 3);
    TRect r = items->ItemRect(1);
    Input::Click(items, r.Left + 5, (r.Top + r.Bottom) / 2);
    EXPECT_FALSE(list->GetListVisible());
    EXPECT_EQ(Editor()->GetText(), "green");
    EXPECT_EQ(grid->cellText, "green");
    EXPECT_TRUE(grid->GetEditorMode());

    // From the keyboard: open, move down, Enter takes the item and keeps the editor open.
    Input::KeyDown(Editor(), VK_DOWN, {ssAlt});
    Input::KeyDown(Editor(), VK_DOWN);
    Input::KeyDown(Editor(), VK_RETURN);
    EXPECT_EQ(Editor()->GetText(), "blue");
    EXPECT_TRUE(grid->GetEditorMode());
}

TEST_F(GridEditor, PickListButtonOpensTheList) {
    grid->style = esPickList;
    Input::KeyDown(grid, VK_F2);
    auto* list = dynamic_cast<TInplaceEditList*>(Editor());
    ASSERT_NE(list, nullptr);
    list->GetPickList()->Add("one");
    int w = Editor()->GetWidth(), h = Editor()->GetHeight();
    Input::Click(Editor(), w - 4, h / 2);
    EXPECT_TRUE(list->GetListVisible());
    Input::Click(Editor(), w - 4, h / 2);
    EXPECT_FALSE(list->GetListVisible());
}

TEST_F(GridEditor, EditorEventsComeWithTheEditorAsSender) {
    // The pick list is filled for the current cell each time it drops down.
    grid->style = esPickList;
    grid->SetCol(2);
    grid->SetRow(3);
    Input::KeyDown(grid, VK_F2);
    auto* list = dynamic_cast<TInplaceEditList*>(Editor());
    ASSERT_NE(list, nullptr);
    std::vector<std::string> asked;
    TObject* sender = nullptr;
    list->SetOnGetPickListItems([&](TObject* Sender, int ACol, int ARow, TStrings* Items) {
        sender = Sender;
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        Items->Clear();
        Items->Add("cell " + asked.back());
    });
    Input::KeyDown(Editor(), VK_DOWN, {ssAlt});
    ASSERT_TRUE(list->GetListVisible());
    EXPECT_EQ(sender, list);
    EXPECT_EQ(asked, std::vector<std::string>{"2,3"});
    EXPECT_EQ(list->GetPickList()->GetStrings(0), "cell 2,3");
    Input::KeyDown(Editor(), VK_ESCAPE);
    EXPECT_FALSE(list->GetListVisible());

    // The ellipsis button fires OnEditButtonClick, also with the editor as Sender.
    grid->style = esEllipsis;
    list->UpdateContents();
    ASSERT_EQ(list->GetEditStyle(), esEllipsis);
    int clicks = 0;
    list->SetOnEditButtonClick([&](TObject* Sender) {
        EXPECT_EQ(Sender, list);
        ++clicks;
    });
    int w = Editor()->GetWidth(), h = Editor()->GetHeight();
    Input::Click(Editor(), w - 4, h / 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(list->GetListVisible());
    list->SetOnEditButtonClick(nullptr);
    list->SetOnGetPickListItems(nullptr);
}

TEST_F(GridEditor, StringGridEditsItsCells) {
    auto* sg = Place<TStringGrid>(10, 200, 330, 130);
    sg->SetOptions(sg->GetOptions() | goEditing);
    sg->SetCells(1, 1, "abc");
    std::string seen;
    sg->SetOnSetEditText([&](TObject*, int, int, const std::string& V) { seen = V; });
    sg->SetFocus();
    Input::KeyDown(sg, VK_F2);
    Input::TypeText(sg->GetInplaceEditor(), "d");
    EXPECT_EQ(sg->GetCells(1, 1), "abcd");
    EXPECT_EQ(seen, "abcd");
    sg->SetOnSetEditText(nullptr);   // closing the editor at teardown stores once more
}

}  // namespace

// An open editor takes Enter and Escape itself: a form's default or Cancel button does not
// take them from it. With the editor closed the buttons get them as usual.
TEST_F(GridEditor, OpenEditorKeepsEnterAndEscapeFromTheFormsButtons) {
    auto* cancel = Place<TButton>(10, 150, 75, 25);
    cancel->SetCancel(true);
    auto* ok = Place<TButton>(100, 150, 75, 25);
    ok->SetDefault(true);
    int cancels = 0, oks = 0;
    cancel->SetOnClick([&](TObject*) { ++cancels; });
    ok->SetOnClick([&](TObject*) { ++oks; });
    std::vector<WORD> keys;
    grid->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); });
    grid->SetFocus();
    Input::KeyDown(grid, VK_F2);
    ASSERT_TRUE(Editor()->GetVisible());
    Input::KeyDown(Editor(), VK_ESCAPE);
    EXPECT_EQ(cancels, 0);
    EXPECT_NE(std::find(keys.begin(), keys.end(), VK_ESCAPE), keys.end());
    Input::KeyDown(Editor(), VK_RETURN);
    EXPECT_EQ(oks, 0);
    EXPECT_FALSE(Editor()->GetVisible());   // Enter closed the editor
    Input::KeyDown(grid, VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
}
