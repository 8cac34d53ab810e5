// The calendar under the mouse: days, greyed days with and without AutoSwitch, the
// navigation buttons, the title, clicks that would leave the range, and repaints.
#include <gtest/gtest.h>

#include <string>

#include "platform/Testing.h"
#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "MiniCalTestSupport.h"

using namespace zyn;
using namespace minical_test;

using MiniCalInput = MiniCalFormTest;

TEST_F(MiniCalInput, ClickOnADaySelectsIt) {
    SetDate(2024, 3, 20);
    cal->SetDate(cal->GetDate() + 0.5);
    changes = 0;
    ClickCell(2, 3);   // March 2024 starts in column 5: column 2 of row 3 is the 5th
    EXPECT_TRUE(Is(2024, 3, 5));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cal->GetCol(), 2);
    EXPECT_EQ(cal->GetRow(), 3);
    ClickCell(2, 3);   // the same day again: the date is set again
    EXPECT_EQ(changes, 2);
    // The right button selects nothing.
    ClickCell(4, 4, vcl::mbRight);
    EXPECT_TRUE(Is(2024, 3, 5));
    EXPECT_EQ(changes, 2);
}

TEST_F(MiniCalInput, GreyedDaysSwitchMonthsWithAutoSwitch) {
    SetDate(2024, 3, 20);
    ClickCell(1, 2);   // Monday, February 26
    EXPECT_TRUE(Is(2024, 2, 26));
    EXPECT_EQ(changes, 1);
    SetDate(2024, 3, 20);
    ClickCell(3, 7);   // the last row: Wednesday, April 3
    EXPECT_TRUE(Is(2024, 4, 3));
    EXPECT_EQ(cal->GetMonOfs(), CalcMonthOffset(2024, 4, dwMon));
    EXPECT_EQ(cal->GetCol(), 3);
    EXPECT_EQ(cal->GetRow(), 2);
    // Across the turn of the year, both ways.
    SetDate(2025, 1, 15);   // starts on a Wednesday
    ClickCell(1, 2);
    EXPECT_TRUE(Is(2024, 12, 30));
    SetDate(2024, 12, 15);  // starts on a Sunday, in the seventh column
    ClickCell(4, 7);
    EXPECT_TRUE(Is(2025, 1, 2));
}

TEST_F(MiniCalInput, GreyedDaysAroundEveryMonthEndSwitchToTheirDate) {
    // The first cell of the month's first row and the last of its last row, in common and
    // leap years and both century kinds; Sunday first for months that start on a Monday.
    for (int year : {2023, 2024, 1900, 2000}) {
        for (int month = 1; month <= 12; ++month) {
            const double first = vcl::EncodeDate(year, month, 1);
            cal->SetFirstDayOfWeek(vcl::DayOfTheWeek(first) == 1 ? dwSun : dwMon);
            SetDate(year, month, 15);
            const int ofs = cal->GetMonOfs();
            ASSERT_LT(ofs, 1);
            ClickCell(1, 2);
            EXPECT_EQ(cal->GetDate(), first + (ofs - 1)) << year << "-" << month;
            SetDate(year, month, 15);
            ClickCell(7, 7);
            EXPECT_EQ(cal->GetDate(), first + (CellDay(ofs, 7, 7) - 1)) << year << "-" << month;
        }
    }
}

TEST_F(MiniCalInput, GreyedDaysDoNothingWithoutAutoSwitch) {
    cal->SetAutoSwitch(false);
    SetDate(2024, 3, 20);
    ClickCell(1, 2);
    ClickCell(3, 7);
    EXPECT_TRUE(Is(2024, 3, 20));
    EXPECT_EQ(changes, 0);
    ClickCell(5, 2);   // March 1 is a day of the month
    EXPECT_TRUE(Is(2024, 3, 1));
}

TEST_F(MiniCalInput, NavigationButtons) {
    SetDate(2024, 3, 31);
    ClickCell(2, 0);   // "<"
    EXPECT_TRUE(Is(2024, 2, 29));
    ClickCell(1, 0);   // "<<": February 29 steps back to the 28th first
    EXPECT_TRUE(Is(2023, 2, 28));
    EXPECT_EQ(changes, 3);
    ClickCell(6, 0);   // ">"
    EXPECT_TRUE(Is(2023, 3, 28));
    ClickCell(7, 0);   // ">>"
    EXPECT_TRUE(Is(2024, 3, 28));
    changes = 0;
    for (int c = 3; c <= 5; ++c) ClickCell(c, 0);   // the title
    for (int c = 1; c <= 7; ++c) ClickCell(c, 1);   // the weekday names
    EXPECT_TRUE(Is(2024, 3, 28));
    EXPECT_EQ(changes, 0);
    // "#" in either of its rows goes to today.
    SetDate(2020, 6, 1);
    ClickCell(0, 0);
    EXPECT_EQ(cal->GetDate(), Today);
    SetDate(2020, 6, 1);
    ClickCell(0, 1);
    EXPECT_EQ(cal->GetDate(), Today);
    EXPECT_EQ(changes, 1);
}

TEST_F(MiniCalInput, DoubleClickStepsTwice) {
    SetDate(2024, 3, 20);
    int doubles = 0;
    cal->SetOnDblClick([&](vcl::TObject*) { ++doubles; });
    const vcl::TPoint p = Centre(6, 0);
    vcl::Input::DblClick(cal, p.X, p.Y);
    EXPECT_TRUE(Is(2024, 5, 20));
    EXPECT_EQ(doubles, 1);
}

TEST_F(MiniCalInput, ClicksBeyondTheRangeAreReportedAndChangeNothing) {
    std::string reported;
    vcl::Application->SetOnException([&](vcl::TObject* Sender, vcl::Exception& E) {
        EXPECT_EQ(Sender, cal);
        reported = E.Message();
    });
    SetDate(9999, 12, 20);
    ClickCell(7, 7);   // a greyed January day of the year 10000
    EXPECT_TRUE(Is(9999, 12, 20));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(reported, "Component \"Cal\": the date 10000-01-09 lies outside the years 1 to 9999");
    reported.clear();
    ClickCell(6, 0);
    EXPECT_NE(reported.find("10000-01-20"), std::string::npos) << reported;
    reported.clear();
    ClickCell(7, 0);
    EXPECT_FALSE(reported.empty());
    SetDate(1, 1, 20);
    reported.clear();
    ClickCell(2, 0);
    EXPECT_NE(reported.find("0-12-20"), std::string::npos) << reported;
    EXPECT_TRUE(Is(1, 1, 20));
    EXPECT_EQ(changes, 0);
    // The calendar goes on working.
    ClickCell(6, 0);
    EXPECT_TRUE(Is(1, 2, 20));
}

TEST_F(MiniCalInput, EachClickIsOneClickAndTheReleaseEndsThePress) {
    SetDate(2024, 3, 20);
    int clicks = 0;
    cal->SetOnClick([&](vcl::TObject*) { ++clicks; });
    ClickCell(2, 3);   // another day
    EXPECT_EQ(clicks, 1);
    ClickCell(6, 0);   // a button
    ClickCell(4, 0);   // the title
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(Is(2024, 4, 5));
    // Moving over other days with no button held selects nothing.
    for (int c = 1; c <= 7; ++c) {
        const vcl::TPoint p = Centre(c, 5);
        vcl::Input::MouseMove(cal, p.X, p.Y);
    }
    vcl::Application->AdvanceTime(500);
    EXPECT_EQ(cal->GetCol(), DayCell(cal->GetMonOfs(), 5).X);
    EXPECT_EQ(cal->GetRow(), DayCell(cal->GetMonOfs(), 5).Y);
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(Is(2024, 4, 5));
    // Pressed on a day and released outside, the press chose the day but is no click.
    const vcl::TPoint p = Centre(3, 4);
    vcl::Input::MouseDown(cal, vcl::mbLeft, {}, p.X, p.Y);
    vcl::Input::MouseUp(cal, vcl::mbLeft, {}, cal->GetWidth() + 20, p.Y);
    EXPECT_TRUE(Is(2024, 4, 17));
    EXPECT_EQ(clicks, 3);
}

TEST_F(MiniCalInput, TheGridsCurrentCellFollowsTheHeldDay) {
    SetDate(2024, 3, 20);
    int clicks = 0;
    cal->SetOnClick([&](vcl::TObject*) { ++clicks; });
    cal->SetFocus();
    // The wheel scrolls nothing; the keys move the held day, and the cell goes with it.
    const vcl::TPoint p = Centre(4, 4);
    vcl::Input::Wheel(cal, -240, p.X, p.Y);
    EXPECT_TRUE(Is(2024, 3, 20));
    for (vcl::WORD key : {vcl::VK_LEFT, vcl::VK_DOWN, vcl::VK_NEXT}) vcl::Input::KeyDown(cal, key);
    EXPECT_TRUE(Is(2024, 4, 26));
    const vcl::TGridCoord held = DayCell(cal->GetMonOfs(), 26);
    EXPECT_EQ(cal->GetCol(), held.X);
    EXPECT_EQ(cal->GetRow(), held.Y);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(MiniCalInput, RepaintsOnlyForChanges) {
    auto paints = [&] {
        vcl::Application->ProcessMessages();
        return vcl::Testing::PaintCount(cal);
    };
    int before = paints();
    cal->SetColorHolidayBg(cal->GetColorHolidayBg());
    cal->SetMarkToday(true);
    cal->SetFirstDayOfWeek(dwMon);
    cal->SetShowMovableHolidays(true);
    EXPECT_EQ(paints(), before);
    cal->SetColorHolidayBg(0x00FFFF);
    EXPECT_EQ(paints(), before + 1);
    before = paints();
    cal->SetDay(cal->GetDay());   // the date parts recompute every time
    EXPECT_EQ(paints(), before + 1);
    before = paints();
    cal->SetBounds(10, 10, 320, 200);
    EXPECT_GE(paints(), before + 1);
    EXPECT_EQ(cal->GetGridWidth(), cal->GetClientWidth());
}
