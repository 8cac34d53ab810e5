// What assistive tools read of the numeric label: a label named by its side texts, its
// text as the box shows it, its value for numeric displays only, and value events.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "numlab/Zyn_NumLab.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class NumLabAccessibleTest : public zyn_test::FormFixture {};

TEST_F(NumLabAccessibleTest, LabelWithTextValueAndName) {
    auto* lab = Place<TNumLab>(10, 10, 200, 25);
    lab->SetLeftText("Speed");
    lab->SetRightText("km/h");
    lab->SetValue(12.5);
    auto acc = lab->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arLabel);
    EXPECT_EQ(acc->GetName(), "Speed km/h");
    EXPECT_TRUE(acc->HasState(vcl::asReadOnly));
    ASSERT_NE(acc->GetText(), nullptr);
    EXPECT_EQ(acc->GetText()->GetAccText(), lab->DisplayedText());
    EXPECT_NE(acc->GetText()->GetAccText().find("12"), std::string::npos);
    ASSERT_NE(acc->GetValue(), nullptr);
    EXPECT_EQ(acc->GetValue()->GetValueRange().Current, 12.5);
    lab->SetDisplayType(dtState);   // a state is no number
    EXPECT_EQ(acc->GetValue(), nullptr);
    lab->SetEmpty(true);
    EXPECT_EQ(acc->GetText()->GetAccText(), "");
}

TEST_F(NumLabAccessibleTest, ValueEventPerChange) {
    auto* lab = Place<TNumLab>(10, 10, 200, 25);
    auto acc = lab->GetAccessible();
    AccessibilityRecorder heard;
    lab->SetValue(3);
    lab->SetValue(3);
    lab->SetValue(4);
    EXPECT_EQ(heard.Count(vcl::aeValue, acc.get()), 2);
}

}  // namespace
