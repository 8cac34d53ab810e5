// What assistive tools read of the numeric fields: TNumIO as an edit with a value in its
// range, TNumIO2 as a spin button named by its side texts; values set through the model
// and the events of typing.
#include <gtest/gtest.h>

#include "numio/Zyn_NumIO.h"
#include "numio/Zyn_NumIO2.h"
#include "platform/StdCtrls.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class NumIOAccessibleTest : public zyn_test::FormFixture {};

TEST_F(NumIOAccessibleTest, NumIOIsATextWithAValue) {
    auto* field = Place<TNumIO>(10, 10, 100, 21);
    field->SetRangeLow(-5);
    field->SetRangeHigh(50);
    field->SetValue(12);
    auto* label = Place<vcl::TLabel>(120, 10, 60, 15);
    label->SetCaption("Count");
    label->SetFocusControl(field);
    auto acc = field->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arText);
    EXPECT_EQ(acc->GetName(), "Count");
    EXPECT_EQ(acc->GetText()->GetAccText(), field->GetText());
    vcl::TAccValueRange v = acc->GetValue()->GetValueRange();
    EXPECT_EQ(v.Current, 12);
    EXPECT_EQ(v.Minimum, -5);
    EXPECT_EQ(v.Maximum, 50);
    EXPECT_TRUE(acc->GetValue()->SetCurrentValue(30));
    EXPECT_EQ(field->GetValue(), 30);
    EXPECT_FALSE(acc->GetValue()->SetCurrentValue(99));   // outside the range
    EXPECT_EQ(field->GetValue(), 30);

    field->SetFocus();
    field->SelectAll();
    AccessibilityRecorder heard;
    vcl::Input::TypeText(field, "7");
    EXPECT_GE(heard.Count(vcl::aeText, acc.get()), 1);
    EXPECT_GE(heard.Count(vcl::aeValue, acc.get()), 1);
    EXPECT_EQ(acc->GetValue()->GetValueRange().Current, 7);
}

TEST_F(NumIOAccessibleTest, NumIO2IsASpinButton) {
    auto* field = Place<TNumIO2>(10, 40, 200, 28);
    field->SetLeftText("Gain");
    field->SetRightText("dB");
    field->SetRangeLow(0);
    field->SetRangeHigh(40);
    field->SetButIncrem(0.5);
    field->SetValue(3);
    auto acc = field->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arSpinButton);
    EXPECT_EQ(acc->GetName(), "Gain dB");
    vcl::TAccValueRange v = acc->GetValue()->GetValueRange();
    EXPECT_EQ(v.Current, 3);
    EXPECT_EQ(v.Maximum, 40);
    EXPECT_EQ(v.Step, 0.5);
    EXPECT_TRUE(acc->HasState(vcl::asEditable));
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetValue()->SetCurrentValue(4.5));
    EXPECT_EQ(field->GetValue(), 4.5);
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 1);
    field->SetReadOnly(true);
    EXPECT_TRUE(acc->HasState(vcl::asReadOnly));
    EXPECT_FALSE(acc->GetValue()->SetCurrentValue(5));
}

}  // namespace
