// What assistive tools read of the rotated label: a label like any other, naming the
// control it points to.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "platform/StdCtrls.h"
#include "rotlab/Zyn_RotLab.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class RotLabAccessibleTest : public zyn_test::FormFixture {};

TEST_F(RotLabAccessibleTest, LabelTextNamesItsFocusControl) {
    auto* lab = Place<TRotLab>(10, 10, 40, 120);
    lab->SetCaption("&Depth");
    lab->SetTextAngle(90);
    auto* edit = Place<vcl::TEdit>(60, 10, 80, 21);
    lab->SetFocusControl(edit);
    auto acc = lab->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arLabel);
    EXPECT_EQ(acc->GetName(), "Depth");
    EXPECT_EQ(acc->GetText()->GetAccText(), "Depth");
    EXPECT_EQ(edit->GetAccessible()->GetName(), "Depth");
    AccessibilityRecorder heard;
    lab->SetCaption("Height");
    EXPECT_EQ(heard.Count(vcl::aeText, acc.get()), 1);
    EXPECT_EQ(edit->GetAccessible()->GetName(), "Height");
}

}  // namespace
