// Dates: encoding and decoding, weekdays and ISO weeks, FormatDateTime tokens, parsing with
// the two-digit-year window, and the replaceable clock.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/DateUtils.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {
class Dates : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override {
        ResetFormatSettings();
        SetNowProvider(nullptr);
    }
    static void FixNow(TDateTime now) {
        SetNowProvider([now] { return now; });
    }
};
}  // namespace

TEST_F(Dates, EncodeDateFixedPoints) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(1970, 1, 1), 25569);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST_F(Dates, InvalidValuesRaise) {
    const int bad[][3] = {{0, 1, 1}, {10000, 1, 1}, {2023, 2, 29}, {2024, 13, 1}, {2024, 0, 1},
                          {2024, 4, 31}, {2024, 1, 0}, {1900, 2, 29}};
    for (const auto& b : bad) {
        TDateTime d = 123;
        EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], d)) << b[0] << "-" << b[1] << "-" << b[2];
        EXPECT_EQ(d, 123);
        try {
            EncodeDate(b[0], b[1], b[2]);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST_F(Dates, DecodeRoundTripsEveryDayAndRoundsTheTime) {
    // Every day from 1600 to 2400 survives encode/decode and the weekday steps by one.
    int expectedDow = DayOfWeek(EncodeDate(1600, 1, 1));
    for (TDateTime d = EncodeDate(1600, 1, 1); d <= EncodeDate(2400, 12, 31); d += 1) {
        int y, m, day;
        DecodeDate(d, y, m, day);
        ASSERT_EQ(EncodeDate(y, m, day), d);
        ASSERT_EQ(DayOfWeek(d), expectedDow);
        expectedDow = expectedDow % 7 + 1;
    }
    int h, n, s, ms;
    DecodeTime(EncodeTime(13, 45, 30, 999), h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 134530999);
    // 23:59:59.9996 rounds up to the next day's midnight.
    int y, m, d;
    const TDateTime almost = EncodeDate(2024, 12, 31) + 86399.9996 / 86400;
    DecodeDate(almost, y, m, d);
    DecodeTime(almost, h, n, s, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20250101);
    EXPECT_EQ(h + n + s + ms, 0);
    // Negative values: the day from the whole part, the time from the absolute fraction.
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_EQ(h, 6);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
}

TEST_F(Dates, WeekdaysAndIsoWeeksAcrossYearEnds) {
    EXPECT_EQ(DayOfWeek(0), 7);  // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfTheWeek(0), 6);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 5)), 3);     // Tuesday
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2024, 3, 5)), 2);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2024, 3, 10)), 7);  // Sunday
    EXPECT_EQ(DayOfWeek(-1), 6);

    const struct { int y, m, d, week, weekYear; } cases[] = {
        {2021, 1, 1, 53, 2020},  {2021, 1, 4, 1, 2021},   {2024, 12, 30, 1, 2025},
        {2024, 12, 29, 52, 2024}, {2026, 1, 1, 1, 2026},  {2020, 12, 31, 53, 2020},
        {2019, 12, 30, 1, 2020}, {2016, 1, 3, 53, 2015},  {2018, 12, 31, 1, 2019},
        {2023, 1, 1, 52, 2022},  {2023, 1, 2, 1, 2023},   {2004, 12, 31, 53, 2004},
    };
    for (const auto& c : cases) {
        int year = 0;
        EXPECT_EQ(WeekOfTheYear(EncodeDate(c.y, c.m, c.d) + 0.75, year), c.week) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(year, c.weekYear);
    }
    EXPECT_EQ(WeeksInAYear(2020), 53);
    EXPECT_EQ(WeeksInAYear(2021), 52);
    EXPECT_EQ(WeeksInAYear(2026), 53);
}

TEST_F(Dates, CalendarHelpers) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(EncodeDate(2023, 2, 10)), 28);
    EXPECT_EQ(MonthDays[1][1], 29);
    const TDateTime t = EncodeDateTime(2024, 1, 31, 10, 30, 0, 0);
    EXPECT_DOUBLE_EQ(IncMonth(t, 1), EncodeDateTime(2024, 2, 29, 10, 30, 0, 0));
    EXPECT_DOUBLE_EQ(IncMonth(t, -2), EncodeDateTime(2023, 11, 30, 10, 30, 0, 0));
    EXPECT_DOUBLE_EQ(IncMonth(t, 13), EncodeDateTime(2025, 2, 28, 10, 30, 0, 0));
    EXPECT_DOUBLE_EQ(IncYear(EncodeDate(2024, 2, 29)), EncodeDate(2025, 2, 28));
    EXPECT_DOUBLE_EQ(IncDay(EncodeDateTime(1899, 12, 30, 6, 0, 0, 0), -1), -1.25);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", IncHour(EncodeDateTime(1899, 12, 30, 2, 0, 0, 0), -3)),
              "1899-12-29 23:00");
    EXPECT_EQ(DayOfTheYear(EncodeDate(2024, 12, 31)), 366);
    EXPECT_EQ(DaysBetween(EncodeDate(2024, 1, 1), EncodeDate(2023, 1, 1)), 365);
}

TEST_F(Dates, FormatDateTimeTokens) {
    const TDateTime t = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    const struct { const char* fmt; const char* expected; } cases[] = {
        {"yyyy-mm-dd hh:nn:ss", "2024-03-05 14:07:09"},
        {"d/m/yy", "5/3/24"},
        {"h:nn am/pm", "2:07 pm"},
        {"hh:mm AM/PM", "02:07 PM"},
        {"dddd d mmmm", "Tuesday 5 March"},
        {"\"week\" h", "week 14"},
        {"ddd mmm yyy y", "Tue Mar 2024 24"},
        {"h:m:s.z|zzz", "14:7:9.45|045"},
        {"hh:mm a/p", "02:07 p"},
        {"h ampm", "2 PM"},
        {"h:mm 'at' am/pm", "2:07 at pm"},
        {"mm:hh:mm", "03:14:07"},
        {"c", "3/5/2024 2:07:09 PM"},
        {"", "3/5/2024 2:07:09 PM"},
        {"ddddd", "3/5/2024"},
        {"dddddd", "Tuesday, March 5, 2024"},
        {"t|tt", "2:07 PM|2:07:09 PM"},
        {"'it''s'", "its"},
        {"[x-#]", "[x-#]"},
        {"aaa aaaa", "Tue Tuesday"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.fmt, t), c.expected) << c.fmt;
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5)), "3/5/2024");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeDate(2024, 3, 5)), "12:00 am");
    FormatSettings.DateSeparator = '.';
    FormatSettings.TimeSeparator = '-';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", t), "05.03.2024 14-07");
    // A settings format that expands itself stops after two levels.
    FormatSettings.ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", t), "");
}

TEST_F(Dates, StrToDateUsesTheFieldOrderAndTheCenturyWindow) {
    FixNow(EncodeDate(2025, 6, 1));
    const struct { const char* s; int y, m, d; } ok[] = {
        {"3/5/2024", 2024, 3, 5}, {" 3 / 5 / 74", 2074, 3, 5}, {"3/5/75", 1975, 3, 5},
        {"3/5/00", 2000, 3, 5},   {"12/31", 2025, 12, 31},    {"2/29/2024/", 2024, 2, 29},
    };
    for (const auto& c : ok) {
        TDateTime d = 0;
        ASSERT_TRUE(TryStrToDate(c.s, d)) << c.s;
        EXPECT_EQ(d, EncodeDate(c.y, c.m, c.d)) << c.s;
    }
    for (const char* bad : {"", "3", "3/5/2023x", "2/29/2023", "13/1/2024", "3-5-2024"}) {
        TDateTime d = 0;
        EXPECT_FALSE(TryStrToDate(bad, d)) << bad;
    }
    try {
        StrToDate("31/31/2024");
        FAIL() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'31/31/2024' is not a valid date");
    }
    FormatSettings.TwoDigitYearCenturyWindow = 0;
    EXPECT_EQ(StrToDate("3/5/74"), EncodeDate(2074, 3, 5));
    EXPECT_EQ(StrToDate("3/5/99"), EncodeDate(2099, 3, 5));
    FormatSettings.TwoDigitYearCenturyWindow = 50;
    FormatSettings.ShortDateFormat = "dd.MM.yyyy";
    FormatSettings.DateSeparator = '.';
    EXPECT_EQ(StrToDate("3.5.2024"), EncodeDate(2024, 5, 3));
    FormatSettings.ShortDateFormat = "yyyy-MM-dd";
    FormatSettings.DateSeparator = '-';
    EXPECT_EQ(StrToDate("24-5-3"), EncodeDate(2024, 5, 3));
}

TEST_F(Dates, StrToTimeAndDateTime) {
    FixNow(EncodeDate(2025, 6, 1));
    EXPECT_DOUBLE_EQ(StrToTime("14:07"), EncodeTime(14, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("2:07:09 pm"), EncodeTime(14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 AM"), 0);
    EXPECT_DOUBLE_EQ(StrToTime("PM 1:30"), EncodeTime(13, 30, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("1:02:03.4"), EncodeTime(1, 2, 3, 4));
    TDateTime t = 0;
    EXPECT_FALSE(TryStrToTime("13:00 PM", t));
    EXPECT_FALSE(TryStrToTime("25:00", t));
    EXPECT_FALSE(TryStrToTime("1:", t));
    EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024 14:07:09"), EncodeDateTime(2024, 3, 5, 14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024"), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime("6:00"), 0.25);
    EXPECT_THROW(StrToDateTime("3/5/2024 x"), EConvertError);
    // The default formats read back what they write.
    const TDateTime dt = EncodeDateTime(2024, 11, 30, 23, 59, 58, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
}

TEST_F(Dates, NowFollowsTheInstalledClock) {
    const TDateTime fixed = EncodeDateTime(2031, 7, 4, 9, 15, 0, 0);
    FixNow(fixed);
    EXPECT_EQ(Now(), fixed);
    EXPECT_EQ(Date(), EncodeDate(2031, 7, 4));
    EXPECT_NEAR(Time(), EncodeTime(9, 15, 0, 0), 0.5 / 86400000);
    EXPECT_EQ(CurrentYear(), 2031);
    SetNowProvider(nullptr);
    // The host clock is somewhere after this code was written.
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

TEST_F(Dates, FileDatesPackToTwoSecondSteps) {
    const TDateTime t = EncodeDateTime(2024, 3, 5, 14, 7, 9, 0);
    EXPECT_DOUBLE_EQ(FileDateToDateTime(DateTimeToFileDate(t)), EncodeDateTime(2024, 3, 5, 14, 7, 8, 0));
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1970, 1, 1)), 0);
}
