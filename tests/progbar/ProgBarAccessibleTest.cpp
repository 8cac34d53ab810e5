// What assistive tools read of the progress bar: its value, range and step, and a value
// event for a set value and for each automatic increment.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "progbar/Zyn_ProgBar.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class ProgBarAccessibleTest : public zyn_test::FormFixture {};

TEST_F(ProgBarAccessibleTest, ProgressBarWithValueRangeAndStep) {
    auto* bar = Place<TProgBar>(10, 10, 200, 30);
    bar->SetRange(0, 250);
    bar->SetValue(100);
    bar->SetHint("Upload");
    auto acc = bar->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arProgressBar);
    EXPECT_EQ(acc->GetName(), "Upload");
    vcl::TAccValueRange v = acc->GetValue()->GetValueRange();
    EXPECT_EQ(v.Current, 100);
    EXPECT_EQ(v.Minimum, 0);
    EXPECT_EQ(v.Maximum, 250);
    EXPECT_EQ(v.Step, bar->GetAutoIncStep());
}

TEST_F(ProgBarAccessibleTest, ValueEventsForSetValuesAndAutomaticSteps) {
    auto* bar = Place<TProgBar>(10, 10, 200, 30);
    auto acc = bar->GetAccessible();
    AccessibilityRecorder heard;
    bar->SetValue(5);
    bar->SetValue(5);
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 1);
    bar->SetAutoIncStep(2);
    bar->SetStartInterval(100);
    bar->SetRepeatInterval(100);
    bar->SetAutoInc(true);
    vcl::Application->AdvanceTime(350);
    bar->SetAutoInc(false);
    const int steps = int((bar->GetValue() - 5) / 2);
    EXPECT_GE(steps, 2);
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 1 + steps);
    EXPECT_EQ(acc->GetValue()->GetValueRange().Current, bar->GetValue());
}

}  // namespace
