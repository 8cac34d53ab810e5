// What assistive tools read of the on/off button: its role by mode and group, its name
// from the texts, its on state as checked and pressed, and the toggle action.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "onoffbut/Zyn_onoffbut.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class OnOffButAccessibleTest : public zyn_test::FormFixture {};

TEST_F(OnOffButAccessibleTest, RoleFollowsModeAndGroup) {
    auto* b = Place<TOnOffBut>(10, 10, 60, 40);
    auto acc = b->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arToggleButton);
    EXPECT_EQ(acc->GetActions(), vcl::TAccActions{vcl::aaToggle});
    b->SetGroupIndex(2);
    EXPECT_EQ(acc->GetRole(), vcl::arToggleButton);   // all may be off: each toggles
    b->SetAllowAllOff(false);
    EXPECT_EQ(acc->GetRole(), vcl::arRadioButton);
    b->SetAllowAllOff(true);
    b->SetGroupIndex(0);
    b->SetMode(oobmSpeedBut);
    EXPECT_EQ(acc->GetRole(), vcl::arPushButton);
    EXPECT_EQ(acc->GetActions(), vcl::TAccActions{vcl::aaPress});
    b->SetMouseAction(oomaNone);   // nothing switches it: no action
    EXPECT_TRUE(acc->GetActions().Empty());
    EXPECT_FALSE(acc->DoAction(vcl::aaPress));
}

TEST_F(OnOffButAccessibleTest, NameFromTheTextsAroundTheGlyph) {
    auto* b = Place<TOnOffBut>(10, 10, 60, 40);
    EXPECT_EQ(b->GetAccessible()->GetName(), "");
    b->SetLeftText("Pump");
    b->SetTopText("Main");
    EXPECT_EQ(b->GetAccessible()->GetName(), "Main Pump");
    b->SetAccessibleName("Main pump switch");
    EXPECT_EQ(b->GetAccessible()->GetName(), "Main pump switch");
}

TEST_F(OnOffButAccessibleTest, ToggleActionSwitchesAsAClickAndRaisesStateEvents) {
    auto* b = Place<TOnOffBut>(10, 10, 60, 40);
    int clicks = 0;
    b->SetOnClick([&](vcl::TObject*) { ++clicks; });
    b->SetOnOff(false);   // on by default
    auto acc = b->GetAccessible();
    AccessibilityRecorder heard;
    EXPECT_FALSE(acc->HasState(vcl::asChecked));
    EXPECT_TRUE(acc->DoAction(vcl::aaToggle));
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_TRUE(acc->HasState(vcl::asChecked));
    EXPECT_TRUE(acc->HasState(vcl::asPressed));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(heard.Count(vcl::aeState, acc.get()), 1);
    b->SetOnOff(false);
    EXPECT_EQ(heard.Count(vcl::aeState, acc.get()), 2);
    b->SetEnabled(false);
    heard.Clear();
    EXPECT_FALSE(acc->DoAction(vcl::aaToggle));
    EXPECT_FALSE(b->GetOnOff());
}

TEST_F(OnOffButAccessibleTest, AGroupPartnerSwitchedOffRaisesItsOwnEvent) {
    auto* a = Place<TOnOffBut>(10, 10, 60, 40);
    auto* b = Place<TOnOffBut>(80, 10, 60, 40);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    b->SetOnOff(false);
    a->SetOnOff(true);
    a->SetAllowAllOff(false);
    b->SetAllowAllOff(false);
    ASSERT_TRUE(a->GetOnOff());
    ASSERT_FALSE(b->GetOnOff());
    auto accA = a->GetAccessible(), accB = b->GetAccessible();
    AccessibilityRecorder heard;
    EXPECT_TRUE(accB->DoAction(vcl::aaToggle));
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_FALSE(a->GetOnOff());
    EXPECT_EQ(heard.Count(vcl::aeState, accA.get()), 1);
    EXPECT_EQ(heard.Count(vcl::aeState, accB.get()), 1);
    // A radio button that is on cannot be switched off by its own action.
    EXPECT_TRUE(accB->DoAction(vcl::aaToggle));
    EXPECT_TRUE(b->GetOnOff());
}

}  // namespace
