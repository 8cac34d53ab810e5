// What assistive tools read of the meter: a read-only dial with its value and range, a
// value event per change of the (clamped) value.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "meter/Zyn_Meter.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class MeterAccessibleTest : public zyn_test::FormFixture {};

TEST_F(MeterAccessibleTest, DialWithValueRangeAndName) {
    auto* m = Place<TMeter>(10, 10, 297, 209);
    m->SetMeterMinValue(-20);
    m->SetMeterMaxValue(80);
    m->SetValue(35);
    m->SetCaption("Pressure");
    auto acc = m->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arDial);
    EXPECT_EQ(acc->GetName(), "Pressure");
    EXPECT_TRUE(acc->HasState(vcl::asReadOnly));
    EXPECT_FALSE(acc->HasState(vcl::asFocusable));
    ASSERT_NE(acc->GetValue(), nullptr);
    vcl::TAccValueRange v = acc->GetValue()->GetValueRange();
    EXPECT_EQ(v.Current, 35);
    EXPECT_EQ(v.Minimum, -20);
    EXPECT_EQ(v.Maximum, 80);
    EXPECT_FALSE(acc->GetValue()->SetCurrentValue(10));   // it only displays
    EXPECT_EQ(m->GetValue(), 35);
}

TEST_F(MeterAccessibleTest, OneValueEventPerChangeOfTheClampedValue) {
    auto* m = Place<TMeter>(10, 10, 297, 209);
    m->SetMeterMaxValue(100);
    auto acc = m->GetAccessible();
    AccessibilityRecorder heard;
    m->SetValue(40);
    m->SetValue(40);     // same value: no event
    m->SetValue(500);    // clamped to the maximum
    m->SetValue(600);    // clamps to the same: no event
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 2);
    EXPECT_EQ(acc->GetValue()->GetValueRange().Current, m->GetMeterMaxValue());
}

}  // namespace
