// Hints: ShowHint and ParentShowHint, the pause before a hint shows, what hides it, the
// quick switch between controls, placement and the hint window's picture.
#include <gtest/gtest.h>

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class HintTest : public zyn_test::FormFixture {
protected:
    HintTest() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        Application->SetHintPause(500);
        Application->SetHintShortPause(50);
        Application->SetHintHidePause(2500);
        Application->SetShowHint(true);
        a = Place<TButton>(10, 10, 80, 25);
        a->SetHint("Saves the file|Writes the document to disk");
        a->SetShowHint(true);
        b = Place<TButton>(100, 10, 80, 25);
        b->SetHint("Opens a file");
        b->SetShowHint(true);
        plain = Place<TButton>(200, 10, 80, 25);
    }
    void Rest(TControl* C, int Ms) {
        Input::MouseMove(C, 20, 12);
        Application->AdvanceTime(Ms);
    }
    TButton* a = nullptr;
    TButton* b = nullptr;
    TButton* plain = nullptr;
};

TEST_F(HintTest, ShowsTheShortHintAfterThePause) {
    Rest(a, 490);
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(20);
    ASSERT_TRUE(Testing::HintShowing());
    EXPECT_EQ(Testing::HintText(), "Saves the file");
    EXPECT_EQ(GetLongHint(a->GetHint()), "Writes the document to disk");
    // The hint window never takes the activation from the form.
    EXPECT_EQ(Screen->GetActiveForm(), form.get());
}

TEST_F(HintTest, MovingRestartsThePause) {
    Rest(a, 400);
    Input::MouseMove(a, 25, 12);
    Application->AdvanceTime(400);
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(110);
    EXPECT_TRUE(Testing::HintShowing());
}

TEST_F(HintTest, NoHintWithoutTextOrShowHint) {
    Rest(plain, 1000);
    EXPECT_FALSE(Testing::HintShowing());
    b->SetShowHint(false);
    Rest(b, 1000);
    EXPECT_FALSE(Testing::HintShowing());
    Application->SetShowHint(false);
    Rest(a, 1000);
    EXPECT_FALSE(Testing::HintShowing());
}

TEST_F(HintTest, ParentShowHintFollowsTheParent) {
    auto* panel = Place<TPanel>(10, 60, 200, 100);
    auto* edit = new TEdit(form.get());
    edit->SetParent(panel);
    edit->SetBounds(10, 10, 100, 21);
    edit->SetHint("Type a name");
    EXPECT_TRUE(edit->GetParentShowHint());
    EXPECT_FALSE(edit->GetShowHint());
    panel->SetShowHint(true);                 // reaches the child already on the panel
    EXPECT_TRUE(edit->GetShowHint());
    Rest(edit, 600);
    ASSERT_TRUE(Testing::HintShowing());
    EXPECT_EQ(Testing::HintText(), "Type a name");
    // A control without a hint of its own shows its parent's.
    Input::MouseMove(plain, 5, 5);
    panel->SetHint("The panel");
    edit->SetHint("");
    Rest(edit, 600);
    EXPECT_EQ(Testing::HintText(), "The panel");
    // Own ShowHint wins over the parent's.
    Input::MouseMove(plain, 5, 5);
    edit->SetShowHint(false);
    EXPECT_FALSE(edit->GetParentShowHint());
    Rest(edit, 600);
    EXPECT_FALSE(Testing::HintShowing());
}

TEST_F(HintTest, PressKeyWheelAndLeavingHideIt) {
    Rest(a, 600);
    ASSERT_TRUE(Testing::HintShowing());
    Input::MouseDown(a, mbLeft, {}, 20, 12);
    EXPECT_FALSE(Testing::HintShowing());
    Input::MouseUp(a, mbLeft, {}, 20, 12);
    Rest(a, 1000);                            // not again on the same control
    EXPECT_FALSE(Testing::HintShowing());

    Rest(b, 600);
    ASSERT_TRUE(Testing::HintShowing());
    Input::KeyDown(b, VK_SHIFT);
    EXPECT_FALSE(Testing::HintShowing());

    Rest(a, 600);
    ASSERT_TRUE(Testing::HintShowing());
    Input::Wheel(a, -120, 20, 12);
    EXPECT_FALSE(Testing::HintShowing());

    Rest(b, 600);
    ASSERT_TRUE(Testing::HintShowing());
    Input::MouseMove(plain, 5, 5);            // leaving the control
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(1000);
    EXPECT_FALSE(Testing::HintShowing());

    Rest(a, 600);
    Application->CancelHint();
    EXPECT_FALSE(Testing::HintShowing());
}

TEST_F(HintTest, HidesAfterTheHidePause) {
    Rest(a, 600);                             // shown at 500
    Application->AdvanceTime(2390);
    EXPECT_TRUE(Testing::HintShowing());
    Application->AdvanceTime(20);
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(3000);
    EXPECT_FALSE(Testing::HintShowing());
}

TEST_F(HintTest, SwitchesQuicklyWhileOneShows) {
    Rest(a, 600);
    ASSERT_TRUE(Testing::HintShowing());
    Input::MouseMove(b, 10, 10);
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(60);
    ASSERT_TRUE(Testing::HintShowing());
    EXPECT_EQ(Testing::HintText(), "Opens a file");
    // Coming from a control without a hint takes the full pause again.
    Input::MouseMove(plain, 10, 10);
    Input::MouseMove(a, 10, 10);
    Application->AdvanceTime(60);
    EXPECT_FALSE(Testing::HintShowing());
}

TEST_F(HintTest, PlacedBelowThePointerAndOnTheScreen) {
    Rest(a, 600);
    THintWindow* w = ShownHintWindow();
    ASSERT_NE(w, nullptr);
    TPoint p = a->ClientToScreen({20, 12});
    EXPECT_EQ(w->GetLeft(), p.X);
    EXPECT_GT(w->GetTop(), p.Y);
    // The text fits with its padding and frame.
    TCanvas* c = w->GetCanvas();
    c->GetFont()->Assign(w->GetFont());
    EXPECT_GE(w->GetWidth(), c->TextWidth("Saves the file") + 10);
    EXPECT_GE(w->GetHeight(), c->TextHeight("Saves the file") + 6);
    // Near the screen's bottom-right corner it moves onto the screen, above the pointer.
    Input::MouseMove(plain, 5, 5);
    form->SetBounds(Screen->GetWidth() - 120, Screen->GetHeight() - 80, 120, 80);
    a->SetBounds(0, 0, 100, 40);
    Rest(a, 600);
    w = ShownHintWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_LE(w->GetLeft() + w->GetWidth(), Screen->GetWidth());
    EXPECT_LE(w->GetTop() + w->GetHeight(), Screen->GetHeight());
    EXPECT_LT(w->GetTop(), a->ClientToScreen({20, 12}).Y);
}

TEST_F(HintTest, HintWindowPicture) {
    Rest(a, 600);
    THintWindow* w = ShownHintWindow();
    ASSERT_NE(w, nullptr);
    auto bmp = Render(w);
    int W = w->GetWidth(), Ht = w->GetHeight();
    EXPECT_EQ(Pixel(bmp.get(), 0, 0), RGB(0x76, 0x76, 0x76));          // the frame
    EXPECT_EQ(Pixel(bmp.get(), W - 1, Ht - 1), RGB(0x76, 0x76, 0x76));
    EXPECT_EQ(Pixel(bmp.get(), 2, 2), RGBOf(clInfoBk));                // padding
    EXPECT_EQ(Pixel(bmp.get(), W - 3, Ht - 3), RGBOf(clInfoBk));
    int ink = 0;
    for (int y = 1; y < Ht - 1; ++y)
        for (int x = 1; x < W - 1; ++x)
            if (Pixel(bmp.get(), x, y) != RGBOf(clInfoBk)) ++ink;
    EXPECT_GT(ink, 20);                                                // the text
}

TEST_F(HintTest, DestroyingTheControlDropsItsHint) {
    Rest(a, 600);
    ASSERT_TRUE(Testing::HintShowing());
    delete a;
    a = nullptr;
    EXPECT_FALSE(Testing::HintShowing());
    Application->AdvanceTime(3000);
    EXPECT_FALSE(Testing::HintShowing());
}

}  // namespace
