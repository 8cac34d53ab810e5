// What assistive tools read of the seven-segment display: a label whose text is the
// caption shown and whose value is there while the caption is a number.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "platform/StdCtrls.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class SevenSegAccessibleTest : public zyn_test::FormFixture {};

TEST_F(SevenSegAccessibleTest, TextAndNumericValueOfTheCaption) {
    auto* seg = Place<TSevenSeg>(10, 10, 120, 40);
    seg->SetCaption(" 42.5");
    auto acc = seg->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arLabel);
    EXPECT_EQ(acc->GetText()->GetAccText(), " 42.5");
    ASSERT_NE(acc->GetValue(), nullptr);
    EXPECT_EQ(acc->GetValue()->GetValueRange().Current, 42.5);
    seg->SetCaption("E-rr");
    EXPECT_EQ(acc->GetValue(), nullptr);
    // The caption is what it shows, so the name comes from a label.
    EXPECT_EQ(acc->GetName(), "");
    seg->SetHint("Counter");
    EXPECT_EQ(acc->GetName(), "Counter");
}

TEST_F(SevenSegAccessibleTest, TextAndValueEventsPerCaptionChange) {
    auto* seg = Place<TSevenSeg>(10, 10, 120, 40);
    auto acc = seg->GetAccessible();
    AccessibilityRecorder heard;
    seg->SetCaption("1");
    seg->SetCaption("1");
    seg->SetCaption("2");
    EXPECT_EQ(heard.Count(vcl::aeText, acc.get()), 2);
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 2);
}

}  // namespace
