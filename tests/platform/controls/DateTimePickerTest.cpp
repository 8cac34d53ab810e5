// Date/time picker: the fields of its own case-sensitive format, and editing field
// by field with arrows and digits inside MinDate..MaxDate.
#include <gtest/gtest.h>

#include "platform/ComCtrls.h"
#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class DateTimePickerTest : public zyn_test::FormFixture {
protected:
    DateTimePickerTest() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        ResetFormatSettings();
        picker = Place<TDateTimePicker>(10, 10, 160, 21);
        picker->SetFormat("dd/MM/yyyy");
        picker->SetDateTime(EncodeDate(2024, 2, 28) + EncodeTime(10, 30, 0, 0));
        picker->SetOnChange([this](TObject*) { ++changes; });
        picker->SetFocus();
    }
    void TearDown() override {
        picker->SetOnChange(nullptr);
        FormFixture::TearDown();
    }
    TDateTimePicker* picker = nullptr;
    int changes = 0;
};

TEST_F(DateTimePickerTest, OwnFormatTokensAreCaseSensitive) {
    picker->SetDateTime(EncodeDate(2024, 2, 8) + EncodeTime(14, 5, 9, 0));
    const std::pair<const char*, const char*> cases[] = {
        {"hh:mm tt", "02:05 PM"},
        {"h:m:s t", "2:5:9 P"},
        {"HH:mm:ss", "14:05:09"},
        {"d.M.yy", "8.2.24"},
        {"dd/MM/yyyy", "08/02/2024"},
        {"ddd, MMM d", "Thu, Feb 8"},
        {"dddd MMMM", "Thursday February"},
        {"yyyy-MM-dd'T'HH:mm", "2024-02-08T14:05"},
        {"'it''s' H", "it's 14"},
        {"YYYY DD", "YYYY DD"},   // upper-case Y and D are no tokens
    };
    for (const auto& [format, text] : cases) {
        picker->SetFormat(format);
        EXPECT_EQ(picker->GetDisplayText(), text) << format;
    }
    picker->SetDateTime(EncodeDate(2024, 2, 8) + EncodeTime(0, 30, 0, 0));
    picker->SetFormat("hh:mm tt");
    EXPECT_EQ(picker->GetDisplayText(), "12:30 AM");
    // Without a Format the Kind's pattern from the format settings is shown.
    picker->SetFormat("");
    EXPECT_EQ(picker->GetDisplayText(), DateToStr(picker->GetDateTime()));
}

TEST_F(DateTimePickerTest, TwelveHourOwnFormatStepsTheDesignator) {
    picker->SetDateTime(EncodeDate(2024, 2, 8) + EncodeTime(9, 15, 0, 0));
    picker->SetFormat("hh:mm tt");
    picker->SetFocus();
    EXPECT_EQ(picker->GetActiveField(), dtp::fkHour);
    Input::KeyDown(picker, VK_LEFT);                   // wraps to the designator
    EXPECT_EQ(picker->GetActiveField(), dtp::fkAmPm);
    Input::TypeText(picker, "p");
    EXPECT_EQ(HourOf(picker->GetDateTime()), 21);
    EXPECT_EQ(picker->GetDisplayText(), "09:15 PM");
}

TEST_F(DateTimePickerTest, ArrowsStepAndMoveBetweenFields) {
    EXPECT_EQ(picker->GetActiveField(), dtp::fkDay);
    Input::KeyDown(picker, VK_UP);
    EXPECT_EQ(DayOf(picker->GetDateTime()), 29);       // a leap year
    Input::KeyDown(picker, VK_UP);
    EXPECT_EQ(DayOf(picker->GetDateTime()), 1);        // wraps within the month
    EXPECT_EQ(MonthOf(picker->GetDateTime()), 2);
    EXPECT_EQ(changes, 2);
    Input::KeyDown(picker, VK_RIGHT);
    EXPECT_EQ(picker->GetActiveField(), dtp::fkMonth);
    Input::KeyDown(picker, VK_DOWN);
    EXPECT_EQ(MonthOf(picker->GetDateTime()), 1);
    Input::KeyDown(picker, VK_RIGHT);
    Input::KeyDown(picker, VK_UP);
    EXPECT_EQ(YearOf(picker->GetDateTime()), 2025);
    Input::KeyDown(picker, VK_RIGHT);                  // wraps to the first field
    EXPECT_EQ(picker->GetActiveField(), dtp::fkDay);
    Input::KeyDown(picker, VK_LEFT);
    EXPECT_EQ(picker->GetActiveField(), dtp::fkYear);
    EXPECT_EQ(HourOf(picker->GetDateTime()), 10);      // the time is kept
}

TEST_F(DateTimePickerTest, DigitsTypeIntoTheFieldAndAdvance) {
    Input::TypeText(picker, "15");
    EXPECT_EQ(DayOf(picker->GetDateTime()), 15);
    EXPECT_EQ(picker->GetActiveField(), dtp::fkMonth);
    Input::TypeText(picker, "4");                      // 4 cannot start a two-digit month
    EXPECT_EQ(MonthOf(picker->GetDateTime()), 4);
    EXPECT_EQ(picker->GetActiveField(), dtp::fkYear);
    Input::TypeText(picker, "199");
    EXPECT_EQ(YearOf(picker->GetDateTime()), 2024);    // a year is taken when complete
    Input::TypeText(picker, "9");
    EXPECT_EQ(YearOf(picker->GetDateTime()), 1999);
    EXPECT_EQ(picker->GetDisplayText(), "15/04/1999");
}

TEST_F(DateTimePickerTest, LimitsClampUserEditsAndRejectProgramValues) {
    picker->SetMaxDate(EncodeDate(2024, 3, 1));
    Input::KeyDown(picker, VK_RIGHT);
    Input::KeyDown(picker, VK_UP);                     // March 28 is past the limit
    EXPECT_EQ(picker->GetDateTime(), EncodeDate(2024, 3, 1));
    EXPECT_THROW(picker->SetDateTime(EncodeDate(2030, 1, 1)), EDateTimeError);
    picker->SetMinDate(EncodeDate(2024, 2, 1));
    EXPECT_THROW(picker->SetDate(EncodeDate(2020, 1, 1)), EDateTimeError);
}

TEST_F(DateTimePickerTest, TimeKindEditsHoursAndAmPm) {
    picker->SetFormat("");
    picker->SetKind(dtkTime);
    EXPECT_EQ(picker->GetDisplayText(), "10:30:00 AM");
    Input::KeyDown(picker, VK_UP);
    EXPECT_EQ(HourOf(picker->GetDateTime()), 11);
    Input::KeyDown(picker, VK_LEFT);                   // wraps to AM/PM
    EXPECT_EQ(picker->GetActiveField(), dtp::fkAmPm);
    Input::TypeText(picker, "p");
    EXPECT_EQ(HourOf(picker->GetDateTime()), 23);
    EXPECT_EQ(DayOf(picker->GetDateTime()), 28);       // the date is kept
}

// A Format of literal text only has no field: moving, stepping and typing select no
// segment and change nothing.
TEST_F(DateTimePickerTest, FormatWithoutFieldsHasNoActiveSegment) {
    const TDateTime before = picker->GetDateTime();
    picker->SetFormat("'at' j:");
    for (WORD key : {VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN}) {
        Input::KeyDown(picker, key);
        EXPECT_EQ(picker->GetActiveSegment(), -1) << key;
        EXPECT_EQ(picker->GetActiveField(), dtp::fkLiteral) << key;
    }
    Input::TypeText(picker, "12/p");
    EXPECT_EQ(picker->GetActiveSegment(), -1);
    EXPECT_EQ(picker->GetDateTime(), before);
    EXPECT_EQ(picker->GetDisplayText(), "at j:");
    EXPECT_EQ(changes, 0);
    // With a field again the arrows reach it.
    picker->SetFormat("'at' HH");
    Input::KeyDown(picker, VK_RIGHT);
    EXPECT_EQ(picker->GetActiveField(), dtp::fkHour);
}

// Before 30 December 1899 a moment is stored as a negative day with the time of day as
// its (positive) fraction: edits there keep both the day and the time.
TEST_F(DateTimePickerTest, EditsBeforeTheEpochDayKeepDayAndTime) {
    picker->SetFormat("dd/MM/yyyy HH:mm");
    picker->SetDateTime(EncodeDateTime(1899, 6, 15, 10, 30, 0, 0));
    Input::KeyDown(picker, VK_UP);                     // the day
    EXPECT_EQ(picker->GetDisplayText(), "16/06/1899 10:30");
    Input::KeyDown(picker, VK_LEFT);                   // wraps to the minutes
    Input::TypeText(picker, "45");
    EXPECT_EQ(picker->GetDisplayText(), "16/06/1899 10:45");
    EXPECT_EQ(picker->GetDateTime(), EncodeDateTime(1899, 6, 16, 10, 45, 0, 0));
}

TEST_F(DateTimePickerTest, CalendarDropsDownOnTheCurrentMonth) {
    picker->SetKind(dtkDate);
    Input::KeyDown(picker, VK_DOWN, {ssAlt});
    ASSERT_TRUE(picker->GetDroppedDown());
    TPickerCalendar* cal = picker->GetCalendar();
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 2, 28));
    EXPECT_FALSE(cal->DayRect(EncodeDate(2024, 2, 1)).IsEmpty());
    EXPECT_TRUE(picker->Focused());                    // the calendar takes no focus
    Input::KeyDown(picker, VK_ESCAPE);
    EXPECT_FALSE(picker->GetDroppedDown());
}

}  // namespace
