// What assistive tools read of the month calendar: a calendar named by its month whose
// children are the month's days, the held day selected; choosing a day holds it.
#include "MiniCalTestSupport.h"
#include "tests/support/AccessibilityRecorder.h"

#include "platform/Accessibility.h"

using minical_test::MiniCalFormTest;
using zyn_test::AccessibilityRecorder;

namespace {

class MiniCalAccessibleTest : public MiniCalFormTest {};

TEST_F(MiniCalAccessibleTest, DaysOfTheMonthAsChildren) {
    cal->SetDate(vcl::EncodeDate(2024, 2, 10));
    auto acc = cal->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arCalendar);
    EXPECT_EQ(acc->GetName(), "February 2024");
    ASSERT_EQ(acc->GetChildCount(), 29);   // a leap year
    auto day = acc->GetChild(9);
    EXPECT_EQ(day->GetRole(), vcl::arTableCell);
    EXPECT_EQ(day->GetName(), "10 February 2024");
    EXPECT_TRUE(day->HasState(vcl::asSelected));
    EXPECT_FALSE(acc->GetChild(0)->HasState(vcl::asSelected));
    EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{9});
    // The day's cell, where the calendar draws it.
    vcl::TGridCoord c = zyn::DayCell(cal->GetMonOfs(), 10);
    vcl::TRect r = cal->CellRect(c.X, c.Y);
    vcl::TPoint o = cal->ClientToScreen({r.Left, r.Top});   // inside the calendar's border
    EXPECT_EQ(day->GetScreenBounds(), vcl::Bounds(o.X, o.Y, r.Width(), r.Height()));
}

TEST_F(MiniCalAccessibleTest, ChoosingADayHoldsItAndTellsTheFocus) {
    cal->SetDate(vcl::EncodeDate(2024, 3, 15));
    cal->SetFocus();
    auto acc = cal->GetAccessible();
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetChild(19)->DoAction(vcl::aaActivate));
    EXPECT_EQ(cal->GetDay(), 20);
    EXPECT_GE(changes, 1);
    ASSERT_NE(heard.Last(vcl::aeFocus), nullptr);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "20 March 2024");
    vcl::Input::KeyDown(cal, vcl::VK_RIGHT);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "21 March 2024");
    EXPECT_GE(heard.Count(vcl::aeSelection, acc.get()), 2);
    // A new month: 30 days now, and a day past them is defunct.
    auto day31 = acc->GetChild(30);
    cal->SetDate(vcl::EncodeDate(2024, 4, 1));
    EXPECT_EQ(acc->GetChildCount(), 30);
    EXPECT_TRUE(day31->IsDefunct());
}

}  // namespace
