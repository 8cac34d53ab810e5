// The on/off button and the keyboard: it takes the focus, Space switches as a press and
// its release does, the arrows walk a group, and the cue rings the glyph while focused.
#include "tests/onoffbut/OnOffButTestSupport.h"

#include "platform/StdCtrls.h"

using namespace zyn;
using namespace vcl;
using zyn_test::OnOffButTest;

namespace {

TEST_F(OnOffButTest, SpaceSwitchesAsAPressAndItsReleaseDo) {
    auto* b = MakeButton(10, 10, "B");
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    Input::KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->Focused());
    EXPECT_FALSE(b->GetOnOff());
    Input::KeyDown(b, VK_SPACE, {}, true);   // auto-repeat switches nothing more
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 0);
    Input::KeyUp(b, VK_SPACE);
    EXPECT_EQ(clicks, 1);
    Input::KeyDown(b, VK_SPACE);
    Input::KeyUp(b, VK_SPACE);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_EQ(clicks, 2);

    // Speed-button mode: on while Space is held.
    b->SetMode(oobmSpeedBut);
    Input::KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->GetOnOff());
    Input::KeyUp(b, VK_SPACE);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 3);

    // With MouseAction oomaNone the keyboard does not switch it either.
    b->SetMode(oobmNormalBut);
    b->SetMouseAction(oomaNone);
    Input::KeyDown(b, VK_SPACE);
    Input::KeyUp(b, VK_SPACE);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 3);
}

TEST_F(OnOffButTest, SpaceFollowsTheGroupRules) {
    auto* a = MakeButton(10, 10, "A");
    auto* b = MakeButton(120, 10, "B");
    for (auto* x : {a, b}) x->SetGroupIndex(1);
    a->SetAllowAllOff(false);
    a->SetOnOff(true);
    EXPECT_FALSE(b->GetOnOff());
    Input::KeyDown(a, VK_SPACE);   // the last one on stays on
    Input::KeyUp(a, VK_SPACE);
    EXPECT_TRUE(a->GetOnOff());
    Input::KeyDown(b, VK_SPACE);   // switching B on switches A off
    Input::KeyUp(b, VK_SPACE);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_FALSE(a->GetOnOff());
}

TEST_F(OnOffButTest, ArrowsWalkTheGroupWrappingAndSwitchOn) {
    auto* a = MakeButton(10, 10, "A");
    auto* b = MakeButton(120, 10, "B");
    auto* c = MakeButton(230, 10, "C");
    auto* lone = MakeButton(10, 100, "Lone");
    auto* edit = PlaceOn<TEdit>(form.get(), 10, 200, 80, 21, "E");
    for (auto* x : {a, b, c}) x->SetGroupIndex(3);
    a->SetOnOff(true);
    a->SetFocus();
    Input::KeyDown(form.get(), VK_RIGHT);
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_FALSE(a->GetOnOff());
    Input::KeyDown(form.get(), VK_DOWN);
    EXPECT_TRUE(c->Focused());
    Input::KeyDown(form.get(), VK_RIGHT);   // wraps
    EXPECT_TRUE(a->Focused());
    EXPECT_TRUE(a->GetOnOff());
    Input::KeyDown(form.get(), VK_LEFT);    // wraps back
    EXPECT_TRUE(c->Focused());
    Input::KeyDown(form.get(), VK_UP);
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_FALSE(c->GetOnOff());
    // A disabled member is passed over.
    c->SetEnabled(false);
    Input::KeyDown(form.get(), VK_RIGHT);
    EXPECT_TRUE(a->Focused());
    // Outside a group the arrows are the form's navigation.
    lone->SetFocus();
    Input::KeyDown(form.get(), VK_RIGHT);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(OnOffButTest, TabReachesTheButtonsAndTheCueRingsTheGlyphOnlyWhileFocused) {
    auto* edit = PlaceOn<TEdit>(form.get(), 10, 200, 80, 21, "E");
    auto* b = MakeSheetButton(10, 10);   // glyph (LeftSpace + 1, TopSpace + 1), 20 x 10
    edit->SetFocus();
    form->Repaint();
    const int x0 = 10 + b->GetLeftSpace() - 1, y0 = 10 + b->GetTopSpace() - 1;   // glyph less 2
    const TColor before = Pixel(x0, y0);
    EXPECT_EQ(before, RGBOf(clBtnFace) & 0xFFFFFF);
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_TRUE(b->Focused());
    form->Repaint();
    EXPECT_NE(Pixel(x0, y0), before);          // the dotted XOR frame's first dot
    EXPECT_EQ(Pixel(x0 + 1, y0), before);      // dotted
    EXPECT_EQ(Pixel(x0 - 1, y0), before);      // just outside
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_TRUE(edit->Focused());
    form->Repaint();
    EXPECT_EQ(Pixel(x0, y0), before);
}

TEST_F(OnOffButTest, LosingTheFocusWithSpaceHeldEndsThePressWithoutAClick) {
    auto* b = MakeButton(10, 10, "B");
    auto* edit = PlaceOn<TEdit>(form.get(), 10, 200, 80, 21, "E");
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    b->SetMode(oobmSpeedBut);
    Input::KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->GetOnOff());
    edit->SetFocus();
    EXPECT_FALSE(b->GetOnOff());
    Input::KeyUp(edit, VK_SPACE);
    EXPECT_EQ(clicks, 0);
}

}  // namespace
