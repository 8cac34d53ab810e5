// Edit masks in the grid: the draw grid asks OnGetEditMask for each cell the in-place
// editor opens on, the editor follows that mask, and the grid stores the mask's value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Grids.h"
#include "platform/Mask.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class GridEditMask : public zyn_test::FormFixture {
protected:
    GridEditMask() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        grid = Place<TStringGrid>(10, 10, 330, 130);
        grid->SetScrollBars(ssNone);
        grid->SetOptions(grid->GetOptions() | goEditing | goTabs);
        grid->SetOnGetEditMask([this](TObject* Sender, int ACol, int ARow, std::string& Value) {
            EXPECT_EQ(Sender, grid);
            asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
            if (ACol == 1) Value = "00/00;0;_";
            if (ACol == 2) Value = ">LL";
        });
        grid->SetFocus();
        Testing::ResetBeepCount();
    }
    TInplaceEdit* Editor() { return grid->GetInplaceEditor(); }
    TStringGrid* grid = nullptr;
    std::vector<std::string> asked;
};

TEST_F(GridEditMask, EachCellIsAskedForItsMaskWhenTheEditorOpensOnIt) {
    grid->SetCells(1, 1, "1205");
    grid->SetEditorMode(true);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"1,1"}));
    EXPECT_EQ(Editor()->GetEditMask(), "00/00;0;_");
    EXPECT_EQ(Editor()->GetEditText(), "12/05");

    Input::KeyDown(Editor(), VK_TAB);                // on to the next cell; F2 opens the editor
    EXPECT_EQ(grid->GetCol(), 2);
    Input::KeyDown(grid, VK_F2);
    EXPECT_EQ(asked.back(), "2,1");
    EXPECT_EQ(Editor()->GetEditMask(), ">LL");
    EXPECT_EQ(Editor()->GetEditText(), "__");

    Input::KeyDown(Editor(), VK_TAB);                // a cell without a mask
    Input::KeyDown(grid, VK_F2);
    EXPECT_EQ(asked.back(), "3,1");
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_FALSE(Editor()->IsMasked());
    Input::TypeText(Editor(), "free text");
    EXPECT_EQ(grid->GetCells(3, 1), "free text");
    EXPECT_EQ(Testing::BeepCount(), 0);
}

TEST_F(GridEditMask, TheEditorFollowsTheMaskAndTheGridStoresItsValue) {
    grid->SetCol(2);
    grid->SetEditorMode(true);
    ASSERT_NE(Editor(), nullptr);
    Editor()->SetSelStart(0);
    Input::TypeText(Editor(), "a1b");
    EXPECT_EQ(Testing::BeepCount(), 1);              // the digit
    EXPECT_EQ(Editor()->GetEditText(), "AB");
    EXPECT_EQ(grid->GetCells(2, 1), "AB");

    grid->SetEditorMode(false);
    grid->SetCol(1);
    grid->SetEditorMode(true);
    Editor()->SetSelStart(0);
    Input::TypeText(Editor(), "3x1");
    EXPECT_EQ(Editor()->GetEditText(), "31/__");
    EXPECT_EQ(grid->GetCells(1, 1), "31");           // literals are not saved in this mask
    Input::KeyDown(Editor(), VK_BACK);
    EXPECT_EQ(grid->GetCells(1, 1), "3");
    // F2 puts the caret after what was typed, not at the end of the mask.
    Input::KeyDown(Editor(), VK_F2);
    EXPECT_EQ(Editor()->GetSelStart(), 1);
    Input::TypeText(Editor(), "1");
    EXPECT_EQ(Editor()->GetEditText(), "31/__");
    // Leaving an incomplete masked cell does not raise: the grid keeps what was typed.
    EXPECT_NO_THROW(grid->SetEditorMode(false));
    EXPECT_EQ(grid->GetCells(1, 1), "31");
}

TEST_F(GridEditMask, AlwaysShownEditorHandsLeftToTheGridAtTheFirstEditablePosition) {
    grid->SetOnGetEditMask([](TObject*, int, int, std::string& Value) { Value = "(000)"; });
    grid->SetOptions(grid->GetOptions() | goAlwaysShowEditor);
    grid->SetCol(2);
    grid->SetEditorMode(true);
    ASSERT_NE(Editor(), nullptr);
    Editor()->SetSelStart(3);
    Input::KeyDown(Editor(), VK_LEFT);
    Input::KeyDown(Editor(), VK_LEFT);
    EXPECT_EQ(Editor()->GetSelStart(), 1);   // the "(" cannot be reached
    EXPECT_EQ(grid->GetCol(), 2);
    Input::KeyDown(Editor(), VK_LEFT);       // so the next Left goes to the grid
    EXPECT_EQ(grid->GetCol(), 1);
}

TEST_F(GridEditMask, TheEventIsPublishedAndTheVirtualCanBeOverridden) {
    const TClassInfo* info = FindClass("TStringGrid");
    EXPECT_NE(info->FindProperty("OnGetEditMask"), nullptr);

    struct TMaskedGrid : TDrawGrid {
        using TDrawGrid::TDrawGrid;
        std::string GetEditMask(int, int ARow) override { return ARow == 1 ? "999" : ""; }
    };
    auto* own = Place<TMaskedGrid>(10, 200, 200, 100);
    own->SetOptions(own->GetOptions() | goEditing);
    own->SetFocus();
    own->SetEditorMode(true);
    ASSERT_NE(own->GetInplaceEditor(), nullptr);
    EXPECT_EQ(own->GetInplaceEditor()->GetEditText(), "___");
}

}  // namespace
