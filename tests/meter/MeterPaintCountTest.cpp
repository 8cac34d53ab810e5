// The meter's setters paint at once: a new value repaints once, the current value (also
// an out-of-range value clamped to the current one) does not repaint; while a form file is
// read nothing paints.
#include <memory>
#include <string>

#include "meter/Zyn_Meter.h"
#include "platform/Classes.h"
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

namespace {

// While a form file is read the setters only store: nothing paints until Loaded, which
// paints once. A meter of 20,000 x 20,000 pixels reads back from its form text, and no
// piece of its picture is rendered while it loads.
TEST_F(MeterPaintCount, NothingPaintsWhileLoadingThenLoadedPaintsOnce) {
    auto* meter = Place<zyn::TMeter>(10, 10, 297, 209);
    Application->ProcessMessages();
    PaintCounter paints(meter);
    meter->SetComponentStateItem(csLoading, true);
    meter->SetBounds(0, 0, 20000, 20000);
    EXPECT_EQ(paints.Take(), 0);
    meter->SetCaption("Load");
    EXPECT_EQ(paints.Take(), 0);
    meter->SetColorBakG(clAqua);
    EXPECT_EQ(paints.Take(), 0);
    meter->SetValue(meter->GetMeterMaxValue());
    EXPECT_EQ(paints.Take(), 0);
    meter->Loaded();
    EXPECT_EQ(paints.Take(), 1);
}

TEST_F(MeterPaintCount, AHugeMeterReadsBackWithoutRenderingWhileItLoads) {
    auto* meter = Place<zyn::TMeter>(0, 0, 20000, 20000);
    meter->SetName("Big");
    meter->SetCaption("Huge");
    const std::string text = WriteComponentText(meter);
    int rendered = 0, renderedLoading = 0;
    TEventHandlers handlers;
    handlers.Add("Rendered", zyn::TMeterRenderedEvent([&](TObject* Sender, TCanvas*) {
                     ++rendered;
                     if (static_cast<zyn::TMeter*>(Sender)->GetComponentState().Contains(csLoading)) ++renderedLoading;
                 }));
    std::string withEvent = text;
    withEvent.insert(withEvent.find('\n') + 1, "  OnMeterRendered = Rendered\n");
    std::unique_ptr<TComponent> copy(ReadComponentText(withEvent, nullptr, handlers));
    auto* back = dynamic_cast<zyn::TMeter*>(copy.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetWidth(), 20000);
    EXPECT_EQ(back->GetCaption(), "Huge");
    EXPECT_EQ(renderedLoading, 0);
    EXPECT_EQ(rendered, 1);   // Loaded's one paint
}

}  // namespace
