// What the platform's controls answer assistive tools: names (caption, label, hint),
// states, bounds, children, the item lists, trees and grids, and the events their changes
// raise.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "platform/Accessibility.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

using namespace vcl;
using zyn_test::AccessibilityRecorder;

namespace {

class AccessibilityTest : public zyn_test::FormFixture {
protected:
    AccessibilityTest() : FormFixture({100, 50, 400, 300, bsNone}) {}
};

TEST_F(AccessibilityTest, NameFromCaptionLabelOrHintAndTheHintDescribes) {
    auto* ok = Place<TButton>(10, 10, 75, 25);
    ok->SetCaption("&Open");
    ok->SetHint("Opens the file");
    auto* edit = Place<TEdit>(10, 50, 100, 21);
    edit->SetText("typed text");
    auto* label = Place<TLabel>(120, 50, 60, 15);
    label->SetCaption("File &name");
    auto* bare = Place<TEdit>(10, 80, 100, 21);
    bare->SetHint("Search");

    EXPECT_EQ(ok->GetAccessible()->GetName(), "Open");   // accelerator mark dropped
    EXPECT_EQ(ok->GetAccessible()->GetDescription(), "Opens the file");
    // An edit's caption is its content: without a label it has no name.
    EXPECT_EQ(edit->GetAccessible()->GetName(), "");
    label->SetFocusControl(edit);
    EXPECT_EQ(edit->GetAccessible()->GetName(), "File name");
    EXPECT_EQ(bare->GetAccessible()->GetName(), "Search");
    EXPECT_EQ(bare->GetAccessible()->GetDescription(), "");   // the hint is the name already
    bare->SetAccessibleName("Find");
    EXPECT_EQ(bare->GetAccessible()->GetName(), "Find");
    EXPECT_EQ(bare->GetAccessible()->GetDescription(), "Search");
}

TEST_F(AccessibilityTest, RolesOfThePlatformControls) {
    EXPECT_EQ(form->GetAccessible()->GetRole(), arFrame);
    EXPECT_EQ(Place<TButton>(0, 0, 10, 10)->GetAccessible()->GetRole(), arPushButton);
    EXPECT_EQ(Place<TCheckBox>(0, 0, 10, 10)->GetAccessible()->GetRole(), arCheckBox);
    EXPECT_EQ(Place<TLabel>(0, 0, 10, 10)->GetAccessible()->GetRole(), arLabel);
    EXPECT_EQ(Place<TEdit>(0, 0, 10, 10)->GetAccessible()->GetRole(), arText);
    EXPECT_EQ(Place<TMemo>(0, 0, 10, 10)->GetAccessible()->GetRole(), arText);
    EXPECT_EQ(Place<TListBox>(0, 0, 10, 10)->GetAccessible()->GetRole(), arList);
    EXPECT_EQ(Place<TComboBox>(0, 0, 10, 10)->GetAccessible()->GetRole(), arComboBox);
    EXPECT_EQ(Place<TTreeView>(0, 0, 10, 10)->GetAccessible()->GetRole(), arTree);
    EXPECT_EQ(Place<TStringGrid>(0, 0, 10, 10)->GetAccessible()->GetRole(), arTable);
    EXPECT_EQ(Place<TPanel>(0, 0, 10, 10)->GetAccessible()->GetRole(), arPanel);
    auto* speed = Place<TSpeedButton>(0, 0, 10, 10);
    EXPECT_EQ(speed->GetAccessible()->GetRole(), arPushButton);
    speed->SetGroupIndex(1);
    EXPECT_EQ(speed->GetAccessible()->GetRole(), arToggleButton);
    TForm dialog(nullptr);
    dialog.SetBorderStyle(bsDialog);
    EXPECT_EQ(dialog.GetAccessible()->GetRole(), arDialog);
    EXPECT_EQ(dialog.GetAccessible()->GetParent(), nullptr);
}

TEST_F(AccessibilityTest, StatesFollowEnabledVisibleAndFocus) {
    auto* panel = Place<TPanel>(10, 10, 200, 100);
    auto* edit = PlaceOn<TEdit>(panel, 5, 5, 100, 21);
    auto acc = edit->GetAccessible();
    EXPECT_EQ(acc->GetStates(), (TAccStates{asEnabled, asVisible, asShowing, asFocusable, asEditable}));
    edit->SetFocus();
    EXPECT_TRUE(acc->HasState(asFocused));
    panel->SetEnabled(false);   // disabled through its parent
    EXPECT_FALSE(acc->HasState(asEnabled));
    panel->SetEnabled(true);
    panel->SetVisible(false);   // visible itself, not showing
    EXPECT_TRUE(acc->HasState(asVisible));
    EXPECT_FALSE(acc->HasState(asShowing));
    edit->SetReadOnly(true);
    EXPECT_TRUE(acc->HasState(asReadOnly));
    EXPECT_FALSE(acc->HasState(asEditable));
}

TEST_F(AccessibilityTest, BoundsInScreenCoordinatesAndTheTreeOfControls) {
    auto* panel = Place<TPanel>(10, 20, 200, 100);
    auto* button = PlaceOn<TButton>(panel, 5, 6, 75, 25);
    // The form lies at (100, 50) without a border.
    EXPECT_EQ(button->GetAccessible()->GetScreenBounds(), Bounds(100 + 10 + 5, 50 + 20 + 6, 75, 25));
    auto formAcc = form->GetAccessible();
    EXPECT_EQ(formAcc->GetChildCount(), 1);
    EXPECT_EQ(formAcc->GetChild(0), panel->GetAccessible());
    EXPECT_EQ(formAcc->GetChild(1), nullptr);
    EXPECT_EQ(button->GetAccessible()->GetParent(), panel->GetAccessible());
    EXPECT_EQ(button->GetAccessible()->GetIndexInParent(), 0);
}

TEST_F(AccessibilityTest, ADestroyedControlLeavesADefunctObject) {
    auto* button = Place<TButton>(0, 0, 75, 25);
    button->SetCaption("Gone");
    TAccessiblePtr kept = button->GetAccessible();
    delete button;
    EXPECT_TRUE(kept->IsDefunct());
    EXPECT_EQ(kept->GetName(), "");
    EXPECT_TRUE(kept->GetStates().Empty());
    EXPECT_FALSE(kept->DoAction(aaPress));
    EXPECT_EQ(kept->GetParent(), nullptr);
}

TEST_F(AccessibilityTest, ButtonsPressAndToggleThroughTheirActions) {
    auto* button = Place<TButton>(0, 0, 75, 25);
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    EXPECT_EQ(button->GetAccessible()->GetActions(), TAccActions{aaPress});
    EXPECT_TRUE(button->GetAccessible()->DoAction(aaPress));
    EXPECT_FALSE(button->GetAccessible()->DoAction(aaToggle));
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    EXPECT_FALSE(button->GetAccessible()->DoAction(aaPress));
    EXPECT_EQ(clicks, 1);

    auto* box = Place<TCheckBox>(0, 30, 75, 25);
    AccessibilityRecorder heard;
    auto acc = box->GetAccessible();
    EXPECT_FALSE(acc->HasState(asChecked));
    EXPECT_TRUE(acc->DoAction(aaToggle));
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(acc->HasState(asChecked));
    EXPECT_EQ(heard.Count(aeState, acc.get()), 1);

    auto* speed = Place<TSpeedButton>(0, 60, 25, 25);
    speed->SetGroupIndex(3);
    speed->SetAllowAllUp(true);
    EXPECT_TRUE(speed->GetAccessible()->DoAction(aaPress));
    EXPECT_TRUE(speed->GetDown());
    EXPECT_TRUE(speed->GetAccessible()->HasState(asPressed));
    EXPECT_TRUE(speed->GetAccessible()->DoAction(aaPress));
    EXPECT_FALSE(speed->GetDown());
}

TEST_F(AccessibilityTest, EventsOnlyWhileListeningAndOnlyForObjectsAskedFor) {
    auto* label = Place<TLabel>(0, 0, 60, 15);
    label->SetCaption("one");
    EXPECT_FALSE(label->HasAccessible());   // nobody asked, nothing made
    {
        AccessibilityRecorder heard;
        label->SetCaption("two");
        EXPECT_TRUE(heard.events.empty());
        EXPECT_FALSE(label->HasAccessible());
        auto acc = label->GetAccessible();
        label->SetCaption("three");   // a label's caption is its text
        EXPECT_EQ(heard.Count(aeText, acc.get()), 1);
        label->SetEnabled(false);
        EXPECT_EQ(heard.Count(aeState, acc.get()), 1);
        EXPECT_EQ(heard.events.back().State, asEnabled);
        label->SetBounds(5, 5, 60, 15);
        EXPECT_GE(heard.Count(aeBounds, acc.get()), 1);
        label->SetAccessibleName("Status");
        EXPECT_EQ(heard.Count(aeName, acc.get()), 1);
        auto formAcc = form->GetAccessible();
        auto* added = Place<TButton>(0, 0, 10, 10);
        EXPECT_EQ(heard.Count(aeChildAdded, formAcc.get()), 1);
        EXPECT_EQ(heard.events.back().Index, formAcc->GetChildCount() - 1);
        delete added;
        EXPECT_EQ(heard.Count(aeChildRemoved, formAcc.get()), 1);
    }
    EXPECT_FALSE(accessibility::Listening());
}

TEST_F(AccessibilityTest, TabRaisesAFocusEventNamingTheNewControl) {
    auto* first = Place<TEdit>(10, 10, 100, 21);
    auto* second = Place<TButton>(10, 40, 75, 25);
    second->SetCaption("Apply");
    first->SetFocus();
    AccessibilityRecorder heard;
    Input::KeyDown(first, VK_TAB);
    ASSERT_TRUE(second->Focused());
    ASSERT_EQ(heard.Count(aeFocus), 1);   // only the control that has the keyboard
    EXPECT_EQ(heard.Last(aeFocus)->GetName(), "Apply");
    EXPECT_TRUE(heard.Last(aeFocus)->HasState(asFocused));
}

TEST_F(AccessibilityTest, EditTextCaretAndPasswordMask) {
    auto* edit = Place<TEdit>(0, 0, 100, 21);
    edit->SetText("abc");
    auto acc = edit->GetAccessible();
    ASSERT_NE(acc->GetText(), nullptr);
    EXPECT_EQ(acc->GetText()->GetAccText(), "abc");
    edit->SetSelStart(2);
    EXPECT_EQ(acc->GetText()->GetCaretOffset(), 2);
    edit->SetPasswordChar(U'*');
    EXPECT_EQ(acc->GetText()->GetAccText(), "***");
    AccessibilityRecorder heard;
    edit->SetFocus();
    Input::TypeText(edit, "d");
    EXPECT_GE(heard.Count(aeText, acc.get()), 1);
}

TEST_F(AccessibilityTest, ListBoxItemsSelectionAndFocusEvents) {
    auto* list = Place<TListBox>(0, 0, 100, 60);
    list->GetItems()->Add("red");
    list->GetItems()->Add("green");
    list->GetItems()->Add("blue");
    auto acc = list->GetAccessible();
    ASSERT_EQ(acc->GetChildCount(), 3);
    auto green = acc->GetChild(1);
    EXPECT_EQ(green->GetRole(), arListItem);
    EXPECT_EQ(green->GetName(), "green");
    EXPECT_EQ(acc->GetChild(1), green);   // the same object while it is held
    EXPECT_EQ(green->GetParent(), acc);
    EXPECT_EQ(green->GetIndexInParent(), 1);
    list->SetFocus();
    AccessibilityRecorder heard;
    EXPECT_TRUE(green->DoAction(aaActivate));
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_TRUE(green->HasState(asSelected));
    EXPECT_TRUE(green->HasState(asFocused));
    EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{1});
    EXPECT_EQ(heard.Count(aeSelection, acc.get()), 1);
    EXPECT_EQ(heard.Last(aeFocus), green);
    Input::KeyDown(list, VK_DOWN);
    EXPECT_EQ(heard.Last(aeFocus)->GetName(), "blue");
    list->GetItems()->Delete(2);
    list->GetItems()->Delete(1);
    EXPECT_TRUE(green->IsDefunct());
}

TEST_F(AccessibilityTest, TreeItemsExpandCollapseAndTurnDefunctWhenDeleted) {
    auto* tree = Place<TTreeView>(0, 0, 150, 120);
    TTreeNode* root = tree->GetItems()->Add(nullptr, "Root");
    TTreeNode* child = tree->GetItems()->AddChild(root, "Child");
    tree->GetItems()->AddChild(child, "Grandchild");
    auto acc = tree->GetAccessible();
    ASSERT_EQ(acc->GetChildCount(), 1);
    auto rootAcc = acc->GetChild(0);
    EXPECT_EQ(rootAcc->GetRole(), arTreeItem);
    EXPECT_EQ(rootAcc->GetName(), "Root");
    EXPECT_TRUE(rootAcc->HasState(asExpandable));
    EXPECT_FALSE(rootAcc->HasState(asExpanded));
    EXPECT_EQ(rootAcc->GetActions(), (TAccActions{aaActivate, aaExpand}));
    AccessibilityRecorder heard;
    EXPECT_TRUE(rootAcc->DoAction(aaExpand));
    EXPECT_TRUE(root->GetExpanded());
    EXPECT_EQ(heard.Count(aeState, rootAcc.get()), 1);
    auto childAcc = rootAcc->GetChild(0);
    EXPECT_EQ(childAcc->GetName(), "Child");
    EXPECT_EQ(childAcc->GetParent(), rootAcc);
    EXPECT_EQ(childAcc->GetChild(0)->GetName(), "Grandchild");
    EXPECT_TRUE(childAcc->HasState(asShowing));
    EXPECT_TRUE(childAcc->DoAction(aaActivate));
    EXPECT_EQ(tree->GetSelected(), child);
    EXPECT_TRUE(childAcc->HasState(asSelected));
    EXPECT_EQ(heard.Count(aeSelection, acc.get()), 1);
    EXPECT_TRUE(rootAcc->DoAction(aaCollapse));
    EXPECT_FALSE(childAcc->HasState(asShowing));
    child->Delete();
    EXPECT_TRUE(childAcc->IsDefunct());
    EXPECT_EQ(childAcc->GetName(), "");
    EXPECT_FALSE(rootAcc->IsDefunct());
    // The grandchild went from the child, then the child from the root.
    EXPECT_EQ(heard.Count(aeChildRemoved, childAcc.get()), 1);
    EXPECT_EQ(heard.Count(aeChildRemoved, rootAcc.get()), 1);
}

TEST_F(AccessibilityTest, StringGridTableHeadersAndCellsOnDemand) {
    auto* grid = Place<TStringGrid>(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(1000001);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetCells(0, 0, "Name");
    grid->SetCells(1, 0, "Size");
    grid->SetCells(1, 1, "12 kB");
    grid->SetCells(2, 1000000, "last");
    auto acc = grid->GetAccessible();
    TAccTable* table = acc->GetTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRowCount(), 1000000);
    EXPECT_EQ(table->GetColumnCount(), 3);
    EXPECT_EQ(acc->GetChildCount(), 3000000);
    EXPECT_EQ(table->GetColumnName(1), "Size");
    auto header = table->GetColumnHeader(0);
    EXPECT_EQ(header->GetRole(), arColumnHeader);
    EXPECT_EQ(header->GetName(), "Name");
    auto cell = table->GetCell(0, 1);
    EXPECT_EQ(cell->GetRole(), arTableCell);
    EXPECT_EQ(cell->GetName(), "12 kB");
    EXPECT_EQ(cell->GetIndexInParent(), 1);
    EXPECT_EQ(table->GetCell(999999, 2)->GetName(), "last");
    EXPECT_EQ(acc->GetChild(2999999)->GetName(), "last");
    EXPECT_EQ(table->GetCell(1000000, 0), nullptr);
    // A visible cell's bounds are its rectangle; a scrolled-out one has none.
    TRect r = grid->CellRect(1, 1);
    EXPECT_EQ(cell->GetScreenBounds(), Bounds(100 + r.Left, 50 + r.Top, r.Width(), r.Height()));
    EXPECT_TRUE(cell->HasState(asShowing));
    EXPECT_TRUE(table->GetCell(999999, 2)->GetScreenBounds().IsEmpty());
    EXPECT_FALSE(table->GetCell(999999, 2)->HasState(asShowing));

    grid->SetFocus();
    AccessibilityRecorder heard;
    EXPECT_TRUE(cell->DoAction(aaActivate));
    EXPECT_EQ(grid->GetRow(), 1);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_TRUE(cell->HasState(asFocused));
    EXPECT_TRUE(table->IsCellSelected(0, 1));
    EXPECT_EQ(table->GetSelectedRows(), std::vector<int>{0});
    EXPECT_EQ(heard.Count(aeSelection, acc.get()), 1);
    EXPECT_EQ(heard.Last(aeFocus), cell);
    Input::KeyDown(grid, VK_DOWN);
    EXPECT_EQ(heard.Last(aeFocus)->GetIndexInParent(), 4);
    grid->SetRowCount(2);
    EXPECT_EQ(heard.Count(aeChildRemoved, acc.get()), 1);
    EXPECT_FALSE(cell->IsDefunct());
    grid->SetColCount(1);
    EXPECT_TRUE(cell->IsDefunct());
}

TEST_F(AccessibilityTest, ComboBoxChoicesAsChildren) {
    auto* combo = Place<TComboBox>(0, 0, 120, 21);
    combo->GetItems()->Add("small");
    combo->GetItems()->Add("large");
    auto acc = combo->GetAccessible();
    ASSERT_EQ(acc->GetChildCount(), 2);
    EXPECT_TRUE(acc->GetChild(1)->DoAction(aaActivate));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(acc->GetText()->GetAccText(), "large");
    EXPECT_TRUE(acc->GetChild(1)->HasState(asSelected));
    EXPECT_TRUE(acc->HasState(asExpandable));
}

}  // namespace
