// The list box: selection by mouse and keys, scrolling, hit testing and the picture.
#include "tests/support/FormFixture.h"

#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

class ListBoxTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        list = Place<TListBox>(10, 10, 120, 82);   // frame 1 + 5 items of 16 + frame 1
        for (int i = 0; i < 12; ++i) list->GetItems()->Add("Item " + std::to_string(i));
        list->SetOnClick([this](TObject*) { ++clicks; });
    }
    TListBox* list = nullptr;
    int clicks = 0;
};

TEST_F(ListBoxTest, SelectionFollowsMouseAndKeysAndStaysInView) {
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(list->PageSize(), 5);
    Input::Click(list, 20, 1 + 16 * 2 + 3);
    EXPECT_EQ(list->GetItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list->Focused());
    Input::Click(list, 20, 1 + 16 * 2 + 3);
    EXPECT_EQ(clicks, 1) << "the selection did not change";

    Input::KeyDown(list, VK_END);
    EXPECT_EQ(list->GetItemIndex(), 11);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list->GetTopIndex(), 7) << "the last item shows at the bottom";
    Input::KeyDown(list, VK_PRIOR);
    EXPECT_EQ(list->GetItemIndex(), 7);
    Input::KeyDown(list, VK_UP);
    EXPECT_EQ(list->GetItemIndex(), 6);
    EXPECT_EQ(list->GetTopIndex(), 6);
    Input::KeyDown(list, VK_HOME);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(list->GetTopIndex(), 0);

    // The wheel scrolls without selecting, within the items.
    for (int i = 0; i < 10; ++i) Input::Wheel(list, -120, 20, 20);
    EXPECT_EQ(list->GetTopIndex(), 7);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(list->ItemAtPos({20, 1 + 3}, true), 7);
}

TEST_F(ListBoxTest, IndexesOutsideTheItemsSelectNothing) {
    list->SetItemIndex(4);
    list->SetItemIndex(12);
    EXPECT_EQ(list->GetItemIndex(), -1);
    list->SetItemIndex(-5);
    EXPECT_EQ(list->GetItemIndex(), -1);
    list->SetItemIndex(11);
    list->GetItems()->Delete(11);
    EXPECT_EQ(list->GetItemIndex(), -1) << "the selected item went";
    // Below the last item: none, or the end for an insertion point.
    list->GetItems()->Clear();
    list->GetItems()->Add("only");
    EXPECT_EQ(list->ItemAtPos({20, 40}, true), -1);
    EXPECT_EQ(list->ItemAtPos({20, 40}, false), 1);
    EXPECT_EQ(list->ItemAtPos({200, 5}, false), -1);
    EXPECT_EQ(list->ItemRect(0), Rect(1, 1, 119, 17));
}

TEST_F(ListBoxTest, PictureShowsFrameSelectionAndText) {
    list->SetItemIndex(1);
    Application->ProcessMessages();
    // Unfocused: the frame is grey and the selection a light band.
    EXPECT_EQ(Pixel(10, 50), RGBOf(TColor(0x7A7A7A)));
    EXPECT_EQ(Pixel(10 + 110, 10 + 1 + 16 + 1), RGBOf(TColor(0xCCCCCC)));
    EXPECT_EQ(Pixel(10 + 110, 10 + 1 + 1), RGBOf(clWindow));
    list->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(10, 50), RGBOf(TColor(0xD77800)));
    EXPECT_EQ(Pixel(10 + 110, 10 + 1 + 16 + 1), RGBOf(TColor(0xD77800)));
    // Some text pixel of the first item lies left of its text width.
    const int w = list->GetCanvas()->TextWidth("Item 0");
    bool ink = false;
    for (int x = 10 + 4; x < 10 + 4 + w && !ink; ++x)
        for (int y = 11; y < 27 && !ink; ++y) ink = Pixel(x, y) != RGBOf(clWindow);
    EXPECT_TRUE(ink);
}

}  // namespace
