// A form with a string grid, combo boxes, a tree view and a date picker, saved as
// grids.png to look at.
#include <gtest/gtest.h>

#include "platform/ComCtrls.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class GridSnapshot : public zyn_test::FormFixture {
protected:
    GridSnapshot() : FormFixture(zyn_test::FormShape::Framed()) {}
};

TEST_F(GridSnapshot, FormWithGridComboTreeAndPicker) {
    form->SetCaption("Grids and lists");
    form->SetColor(clBtnFace);
    auto* grid = Place<TStringGrid>(12, 12, 360, 150);
    grid->SetColCount(6);
    grid->SetRowCount(12);
    grid->SetDefaultColWidth(56);
    grid->SetDefaultRowHeight(20);
    const char* heads[] = {"", "Name", "Qty", "Price", "Total", "Note"};
    for (int c = 0; c < 6; ++c) grid->SetCells(c, 0, heads[c]);
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "Item " + std::to_string(r));
        grid->SetCells(2, r, std::to_string(r * 3));
        grid->SetCells(3, r, "1.50");
    }
    auto* combo = Place<TComboBox>(390, 12, 150, 21);
    combo->GetItems()->AddStrings(std::vector<std::string>{"Red", "Green", "Blue"});
    combo->SetItemIndex(1);
    auto* list = Place<TComboBox>(390, 42, 150, 21);
    list->SetStyle(csDropDownList);
    list->GetItems()->AddStrings(std::vector<std::string>{"Small", "Medium", "Large"});
    list->SetItemIndex(2);
    auto* picker = Place<TDateTimePicker>(390, 72, 150, 21);
    picker->SetDateTime(EncodeDate(2024, 5, 17));
    auto* tree = Place<TTreeView>(12, 176, 250, 160);
    TTreeNode* root = tree->GetItems()->Add(nullptr, "Documents");
    TTreeNode* work = tree->GetItems()->AddChild(root, "Work");
    tree->GetItems()->AddChild(work, "Reports");
    tree->GetItems()->AddChild(work, "Letters");
    tree->GetItems()->AddChild(root, "Pictures");
    tree->GetItems()->Add(nullptr, "Music");
    root->Expand(true);
    grid->SetFocus();
    Input::KeyDown(grid, VK_DOWN, {ssShift});
    tree->SetSelected(work);
    Application->ProcessMessages();
    std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/grids.png";
    form->SaveToPNG(file);
    auto bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 5, 5), RGBOf(clBtnFace));
}

}  // namespace
