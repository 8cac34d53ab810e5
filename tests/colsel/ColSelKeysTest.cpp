// The colour selector from the keyboard: the arrows through the colours, Enter and Space
// choosing in the open list, F4 opening the colour dialog only for the focused selector,
// and the focus cue on the field.
#include <gtest/gtest.h>

#include <vector>

#include "colsel/Zyn_Colsel.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TColor;
using vcl::WORD;

namespace {

class ColSelKeys : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = PlaceOn<TColSel>(form.get(), 10, 10, 180, 22);
        other = PlaceOn<vcl::TEdit>(form.get(), 10, 100, 100, 21);
        sel->LoadExtendedPalette();
        sel->SetOnClick([this](vcl::TObject*) { ++clicks; });
        sel->SetOnChange([this](vcl::TObject*) { ++changes; });
        vcl::Application->ProcessMessages();
    }
    void Press(WORD Key, vcl::TShiftState Shift = {}) { vcl::Input::KeyDown(sel, Key, Shift); }
    TColSel* sel = nullptr;
    vcl::TEdit* other = nullptr;
    int clicks = 0, changes = 0;
};

}  // namespace

TEST_F(ColSelKeys, ArrowsMoveThroughTheColoursOfTheClosedList) {
    sel->SetFocus();
    Press(vcl::VK_DOWN);
    Press(vcl::VK_DOWN);
    EXPECT_EQ(sel->GetSelIx(), 3);
    EXPECT_EQ(sel->GetSelColor(), vcl::clGreen);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 2);
    Press(vcl::VK_UP);
    EXPECT_EQ(sel->GetSelIx(), 2);
    Press(vcl::VK_END);
    EXPECT_EQ(sel->GetSelIx(), 20);
    Press(vcl::VK_DOWN);   // the last stays
    EXPECT_EQ(sel->GetSelIx(), 20);
    Press(vcl::VK_HOME);
    EXPECT_EQ(sel->GetSelIx(), 1);
    EXPECT_EQ(sel->GetSelColorID(), "clBlack");
}

TEST_F(ColSelKeys, EnterAndSpaceChooseTheHighlightedColourOfTheOpenList) {
    sel->SetFocus();
    Press(vcl::VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(sel->GetDroppedDown());
    Press(vcl::VK_DOWN);
    Press(vcl::VK_DOWN);
    EXPECT_EQ(sel->GetSelIx(), 1);   // only highlighted while open
    EXPECT_EQ(clicks, 0);
    Press(vcl::VK_SPACE);
    EXPECT_FALSE(sel->GetDroppedDown());
    EXPECT_EQ(sel->GetSelIx(), 3);
    // The blank the key types next chooses nothing by its first letter.
    sel->SetArrayColorName(5, " blank");
    vcl::Input::KeyPress(sel, U' ');
    EXPECT_EQ(sel->GetSelIx(), 3);
    vcl::Input::KeyPress(sel, U' ');   // a blank of its own does
    EXPECT_EQ(sel->GetSelIx(), 5);
    sel->SetSelIx(3);
    clicks = changes = 1;
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    Press(vcl::VK_F4);
    ASSERT_TRUE(sel->GetDroppedDown());
    Press(vcl::VK_UP);
    Press(vcl::VK_RETURN);
    EXPECT_FALSE(sel->GetDroppedDown());
    EXPECT_EQ(sel->GetSelIx(), 2);
    EXPECT_EQ(clicks, 2);
    // Space on the chosen item closes the list and chooses nothing new.
    Press(vcl::VK_F4);
    Press(vcl::VK_SPACE);
    EXPECT_FALSE(sel->GetDroppedDown());
    EXPECT_EQ(sel->GetSelIx(), 2);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ColSelKeys, F4OpensTheDialogOnlyForTheFocusedSelectorUnderThePointer) {
    sel->SetArrayAllowEdit(1, true);
    int dialogs = 0;
    vcl::Testing::OnColorDialog([&](vcl::TColorDialog* D) {
        ++dialogs;
        D->SetColor(0x123456);
        return true;
    });
    other->SetFocus();
    vcl::Input::MouseMove(sel, 12, 10);   // over the colour bar
    vcl::Input::KeyDown(other, vcl::VK_F4);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(sel->GetDroppedDown());
    EXPECT_EQ(sel->GetSelColor(), vcl::clBlack);
    sel->SetFocus();
    vcl::Input::MouseMove(sel, 12, 10);
    Press(vcl::VK_F4);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(sel->GetSelColor(), TColor(0x123456));
    sel->SetDroppedDown(false);
    // Over the name rather than the bar: the list only.
    vcl::Input::MouseMove(sel, 100, 10);
    Press(vcl::VK_F4);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(sel->GetDroppedDown());
    sel->SetDroppedDown(false);
}

TEST_F(ColSelKeys, TheFieldCarriesTheFocusCueOnlyWhileFocused) {
    auto grab = [&] {
        vcl::Application->ProcessMessages();
        vcl::TCanvas* c = form->GetBackBuffer()->GetCanvas();
        std::vector<TColor> px;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 180; ++x) px.push_back(c->GetPixels(10 + x, 10 + y) & 0xFFFFFF);
        return px;
    };
    other->SetFocus();
    const std::vector<TColor> plain = grab();
    sel->SetFocus();
    const std::vector<TColor> focused = grab();
    // The dotted frame lies on the field's rectangle, from (3, 3) to the button's left - 1.
    int dots = 0;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 180; ++x) {
            const std::size_t i = std::size_t(y * 180 + x);
            if (plain[i] == focused[i]) continue;
            if ((y == 3 || y == 18) && x >= 3 && focused[i] == (plain[i] ^ 0xFFFFFF)) ++dots;
        }
    }
    EXPECT_GT(dots, 40);
    other->SetFocus();
    EXPECT_EQ(grab(), plain);
}
