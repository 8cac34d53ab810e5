// What assistive tools read of the repeating speed button: a push button named by its
// caption that presses once through its action.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "repsbut/Zyn_repsbut.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class RepSpeedButtonAccessibleTest : public zyn_test::FormFixture {};

TEST_F(RepSpeedButtonAccessibleTest, PushButtonPressedOnceByItsAction) {
    auto* b = Place<TRepSpeedButton>(10, 10, 25, 25);
    b->SetCaption("+");
    b->SetHint("Increase");
    int clicks = 0;
    b->SetOnClick([&](vcl::TObject*) { ++clicks; });
    auto acc = b->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arPushButton);
    EXPECT_EQ(acc->GetName(), "+");
    EXPECT_EQ(acc->GetDescription(), "Increase");
    EXPECT_TRUE(acc->HasState(vcl::asFocusable));
    EXPECT_TRUE(acc->DoAction(vcl::aaPress));
    EXPECT_EQ(clicks, 1);
    vcl::Application->AdvanceTime(2000);   // no repeating without a held button
    EXPECT_EQ(clicks, 1);
}

TEST_F(RepSpeedButtonAccessibleTest, FocusEventWhenTheKeyboardArrives) {
    auto* b = Place<TRepSpeedButton>(10, 10, 25, 25);
    b->SetAccessibleName("Increase");
    AccessibilityRecorder heard;
    b->SetFocus();
    ASSERT_NE(heard.Last(vcl::aeFocus), nullptr);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "Increase");
    EXPECT_TRUE(heard.Last(vcl::aeFocus)->HasState(vcl::asFocused));
}

}  // namespace
