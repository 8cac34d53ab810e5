// The meter's setters paint at once: a new value repaints once, the current value (also
// an out-of-range value clamped to the current one) does not repaint.
#include "meter/Zyn_Meter.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

using namespace vcl;
using zyn_test::PaintCounter;

namespace {

using MeterPaintCount = zyn_test::FormFixture;

TEST_F(MeterPaintCount, SettersRepaintOnlyForANewValue) {
    auto* meter = Place<zyn::TMeter>(10, 10, 297, 209);
    Application->ProcessMessages();
    PaintCounter paints(meter);

    meter->SetValue(meter->GetValue());
    EXPECT_EQ(paints.Take(), 0);
    const double middle = (meter->GetMeterMinValue() + meter->GetMeterMaxValue()) / 2;
    ASSERT_NE(meter->GetValue(), middle);
    meter->SetValue(middle);
    EXPECT_EQ(paints.Take(), 1);
    meter->SetValue(meter->GetMeterMaxValue() + 100);   // clamped to the maximum: a change
    EXPECT_EQ(paints.Take(), 1);
    meter->SetValue(meter->GetMeterMaxValue() + 200);   // clamped to the same maximum
    EXPECT_EQ(paints.Take(), 0);

    meter->SetColorBakG(meter->GetColorBakG());
    EXPECT_EQ(paints.Take(), 0);
    meter->SetColorBakG(meter->GetColorBakG() == clYellow ? clAqua : clYellow);
    EXPECT_EQ(paints.Take(), 1);
}

}  // namespace
