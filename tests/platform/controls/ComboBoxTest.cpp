// Combo box: choosing by keys and from the dropped list (click and hover), editing in
// csDropDown, and owner-drawn items through DrawItem.
#include <gtest/gtest.h>

#include <vector>

#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

using namespace vcl;

namespace {

class ComboBoxTest : public zyn_test::FormFixture {
protected:
    ComboBoxTest() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        combo = Place<TComboBox>(20, 20, 150, 21);
        combo->GetItems()->AddStrings(std::vector<std::string>{"Apple", "Banana", "Cherry", "Date", "Elder"});
        combo->SetOnChange([this](TObject*) { ++changes; });
        combo->SetFocus();
    }
    void TearDown() override {
        combo->SetOnChange(nullptr);
        FormFixture::TearDown();
    }
    TComboBox* combo = nullptr;
    int changes = 0;
};

TEST_F(ComboBoxTest, ListStyleChoosesByKeysAndFirstLetter) {
    combo->SetStyle(csDropDownList);
    EXPECT_EQ(combo->GetItemIndex(), -1);
    Input::KeyDown(combo, VK_DOWN);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->GetText(), "Apple");
    EXPECT_EQ(changes, 1);
    Input::KeyDown(combo, VK_END);
    EXPECT_EQ(combo->GetItemIndex(), 4);
    Input::KeyDown(combo, VK_DOWN);              // already the last: no change
    EXPECT_EQ(changes, 2);
    Input::KeyDown(combo, VK_HOME);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    Input::TypeText(combo, "c");
    EXPECT_EQ(combo->GetText(), "Cherry");
    // A program's change fires nothing.
    int before = changes;
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->GetText(), "Date");
    EXPECT_EQ(changes, before);
}

TEST_F(ComboBoxTest, KeyboardOpensTheListAndEnterChooses) {
    combo->SetStyle(csDropDownList);
    int drops = 0, closes = 0;
    combo->SetOnDropDown([&](TObject*) { ++drops; });
    combo->SetOnCloseUp([&](TObject*) { ++closes; });
    Input::KeyDown(combo, VK_F4);
    ASSERT_TRUE(combo->GetDroppedDown());
    ASSERT_NE(combo->GetListControl(), nullptr);
    EXPECT_TRUE(combo->Focused());               // the list never takes the focus
    Input::KeyDown(combo, VK_DOWN);
    Input::KeyDown(combo, VK_DOWN);
    EXPECT_EQ(combo->GetItemIndex(), -1);        // only the highlight moved
    Input::KeyDown(combo, VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    Input::KeyDown(combo, VK_DOWN, {ssAlt});
    EXPECT_TRUE(combo->GetDroppedDown());
    Input::KeyDown(combo, VK_DOWN);
    Input::KeyDown(combo, VK_ESCAPE);            // cancels
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(closes, 2);
    combo->SetOnDropDown(nullptr);
    combo->SetOnCloseUp(nullptr);
}

TEST_F(ComboBoxTest, ClickOpensAndAListClickChooses) {
    combo->SetStyle(csDropDownList);
    int selects = 0;
    combo->SetOnSelect([&](TObject*) { ++selects; });
    Input::Click(combo, 30, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    TDropDownList* list = combo->GetListControl();
    TRect r3 = list->ItemRect(3);
    Input::MouseMove(list, r3.Left + 5, r3.Top + 3);
    EXPECT_EQ(list->GetItemIndex(), 3);          // hover highlight
    TRect r2 = list->ItemRect(2);
    Input::Click(list, r2.Left + 5, (r2.Top + r2.Bottom) / 2);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(changes, 0);                       // OnSelect replaces OnChange for choices
    combo->SetOnSelect(nullptr);
}

TEST_F(ComboBoxTest, LongListsScrollInsideTheList) {
    combo->SetStyle(csDropDownList);
    for (int i = 0; i < 30; ++i) combo->GetItems()->Add("Item " + std::to_string(i));
    combo->SetDropDownCount(8);
    combo->SetDroppedDown(true);
    TDropDownList* list = combo->GetListControl();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->GetScrollBar().GetVisible());
    EXPECT_EQ(list->PageSize(), 8);
    Input::Wheel(list, -120, 10, 10);
    EXPECT_EQ(list->GetTopIndex(), 1);
    list->SetItemIndex(34);
    EXPECT_EQ(list->GetTopIndex(), 35 - 8);            // the highlight is scrolled into view
}

TEST_F(ComboBoxTest, DropDownStyleEditsText) {
    Input::TypeText(combo, "Ban");
    EXPECT_EQ(combo->GetText(), "Ban");
    EXPECT_EQ(combo->GetItemIndex(), -1);
    Input::TypeText(combo, "ana");
    EXPECT_EQ(combo->GetItemIndex(), 1);         // the text names an item
    EXPECT_EQ(changes, 6);
    Input::KeyDown(combo, VK_DOWN);
    EXPECT_EQ(combo->GetText(), "Cherry");
    combo->SetText("Elder");
    EXPECT_EQ(combo->GetItemIndex(), 4);
}

TEST_F(ComboBoxTest, OwnerDrawnItemsGoThroughDrawItem) {
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    EXPECT_EQ(combo->GetHeight(), 26);
    combo->SetItemIndex(1);
    std::vector<int> drawn;
    std::vector<int> heights;
    bool field = false;
    combo->SetOnDrawItem([&](TObject*, int Index, TRect Rect, TOwnerDrawState State) {
        if (State.Contains(odComboBoxEdit)) field = true;
        else {
            drawn.push_back(Index);
            heights.push_back(Rect.Height());
        }
        combo->GetCanvas()->FillRect(Rect);
    });
    Render(combo);
    EXPECT_TRUE(field);
    combo->SetDroppedDown(true);
    TDropDownList* list = combo->GetListControl();
    ASSERT_NE(list, nullptr);
    Render(list);
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int h : heights) EXPECT_EQ(h, 20);
    combo->SetDroppedDown(false);
    combo->SetOnDrawItem(nullptr);
}

TEST_F(ComboBoxTest, OwnerDrawnFocusedItemsGetAFocusRectangle) {
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    combo->SetItemIndex(2);
    // Items paint themselves white all over, ignoring the highlight colours.
    combo->SetOnDrawItem([&](TObject*, int, TRect Rect, TOwnerDrawState) {
        combo->GetCanvas()->GetBrush()->SetColor(clWhite);
        combo->GetCanvas()->FillRect(Rect);
    });
    auto framed = [](TBitmap* Bmp, const TRect& R) {
        int changed = 0;
        for (int x = R.Left; x < R.Right; ++x) changed += (Pixel(Bmp, x, R.Top) & 0xFFFFFF) != 0xFFFFFF;
        return changed;
    };
    combo->SetDroppedDown(true);
    TDropDownList* list = combo->GetListControl();
    ASSERT_NE(list, nullptr);
    auto bmp = Render(list);
    const TRect focused = list->ItemRect(2), other = list->ItemRect(1);
    // Every second pixel of the focused item's edge is inverted; the inside stays white.
    EXPECT_GE(framed(bmp.get(), focused), focused.Width() / 2 - 1);
    EXPECT_EQ(Pixel(bmp.get(), focused.Left + 5, focused.Top + 5) & 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(framed(bmp.get(), other), 0);
    combo->SetDroppedDown(false);
    // The field of a focused combo box shows the rectangle too.
    combo->SetFocus();
    auto field = Render(combo);
    EXPECT_GT(framed(field.get(), Rect(3, 3, 40, 4)), 10);
    combo->SetOnDrawItem(nullptr);
}

}  // namespace

namespace {

TEST_F(ComboBoxTest, TheSameTextChangesNothingAndDoesNotRepaint) {
    combo->SetText("Banana");
    ASSERT_EQ(combo->GetItemIndex(), 1);
    Application->ProcessMessages();
    zyn_test::PaintCounter paints(combo);
    const int before = changes;
    combo->SetText("Banana");
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 0);
    EXPECT_EQ(changes, before);
    combo->SetText("Cherry");
    Application->ProcessMessages();
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_GE(paints.Take(), 1);
    // A list-style box keeps its choice for a text that is no item, and shows nothing new.
    combo->SetStyle(csDropDownList);
    Application->ProcessMessages();
    paints.Reset();
    combo->SetText("Fig");
    Application->ProcessMessages();
    EXPECT_EQ(combo->GetText(), "Cherry");
    EXPECT_EQ(paints.Take(), 0);
}

}  // namespace
