// Reading a date/time text with a picker display format: the tokens, twelve-hour clocks,
// two-digit years and the error codes.
#include <gtest/gtest.h>

#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using zyn::ParseRowDateTime;

namespace {

TDateTime Parse(const char* Text, const char* Format, int& Error) {
    return ParseRowDateTime(Text, Format, Error, 2030);
}

TEST(RowDateParse, NumericFieldsAndLiterals) {
    int e = 99;
    EXPECT_EQ(Parse("2024-02-29", "yyyy-MM-dd", e), EncodeDate(2024, 2, 29));
    EXPECT_EQ(e, 0);
    EXPECT_EQ(Parse("31.12.2023 23:59", "dd.MM.yyyy HH:mm", e), EncodeDateTime(2023, 12, 31, 23, 59, 0, 0));
    EXPECT_EQ(Parse("7/4/1999 8:5:3", "M/d/yyyy H:m:s", e), EncodeDateTime(1999, 7, 4, 8, 5, 3, 0));
    EXPECT_EQ(Parse("at 12h07", "'at' HH'h'mm", e), EncodeTime(12, 7, 0, 0));
    // Year alone: month and day 0 make no date.
    EXPECT_THROW(Parse("it's 2024", "'it''s' yyyy", e), EConvertError);
    EXPECT_EQ(Parse("it's 2024-03-01", "'it''s' yyyy-MM-dd", e), EncodeDate(2024, 3, 1));
    EXPECT_EQ(e, 0);
    // Only a time: the value is the time alone.
    EXPECT_EQ(Parse("09:30:15", "HH:mm:ss", e), EncodeTime(9, 30, 15, 0));
}

TEST(RowDateParse, NamesOfMonthsAndWeekdays) {
    int e = 0;
    EXPECT_EQ(Parse("Thursday, 8 FEBRUARY 2024", "dddd, d MMMM yyyy", e), EncodeDate(2024, 2, 8));
    EXPECT_EQ(e, 0);
    EXPECT_EQ(Parse("Thu 08 feb 2024", "ddd dd MMM yyyy", e), EncodeDate(2024, 2, 8));
    EXPECT_EQ(e, 0);
    // The weekday is read and ignored even when it does not fit the date.
    EXPECT_EQ(Parse("Mon 08.02.2024", "ddd dd.MM.yyyy", e), EncodeDate(2024, 2, 8));
    EXPECT_EQ(Parse("Febr 2024", "MMMM yyyy", e), 0.0);
    EXPECT_EQ(e, -3);
}

TEST(RowDateParse, TwelveHourClocks) {
    int e = 0;
    EXPECT_EQ(Parse("12:30 am", "hh:mm tt", e), EncodeTime(0, 30, 0, 0));
    EXPECT_EQ(Parse("12:30 PM", "hh:mm tt", e), EncodeTime(12, 30, 0, 0));
    EXPECT_EQ(Parse("02:05 PM", "hh:mm tt", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(Parse("2:05 p", "h:mm t", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(Parse("11:00 A", "h:mm t", e), EncodeTime(11, 0, 0, 0));
    // Without h the designator does not move a 24-hour clock.
    EXPECT_EQ(Parse("14:05 AM", "HH:mm tt", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(e, 0);
}

TEST(RowDateParse, TwoDigitYearsFollowTheWindow) {
    int e = 0;
    const int saved = FormatSettings.TwoDigitYearCenturyWindow;
    FormatSettings.TwoDigitYearCenturyWindow = 50;   // years 1980..2079 from 2030
    EXPECT_EQ(Parse("01.01.85", "dd.MM.yy", e), EncodeDate(1985, 1, 1));
    EXPECT_EQ(Parse("01.01.79", "dd.MM.yy", e), EncodeDate(2079, 1, 1));
    EXPECT_EQ(Parse("01.01.80", "dd.MM.yy", e), EncodeDate(1980, 1, 1));
    FormatSettings.TwoDigitYearCenturyWindow = 0;    // the current century
    EXPECT_EQ(Parse("01.01.85", "dd.MM.yy", e), EncodeDate(2085, 1, 1));
    FormatSettings.TwoDigitYearCenturyWindow = saved;
}

TEST(RowDateParse, ErrorCodesGiveZero) {
    int e = 0;
    EXPECT_EQ(Parse("2024/02/29", "yyyy-MM-dd", e), 0.0);
    EXPECT_EQ(e, -1);   // a literal that does not match
    EXPECT_EQ(Parse("at 12", "'on' HH", e), 0.0);
    EXPECT_EQ(e, -1);
    EXPECT_EQ(Parse("2024", "yyy", e), 0.0);
    EXPECT_EQ(e, -2);   // no such token
    EXPECT_EQ(Parse("12:00:000", "HH:mm:sss", e), 0.0);
    EXPECT_EQ(e, -2);
    EXPECT_EQ(Parse("24", "y", e), 0.0);
    EXPECT_EQ(e, -2);
    EXPECT_EQ(Parse("20x4-01-01", "yyyy-MM-dd", e), 0.0);
    EXPECT_EQ(e, -3);   // not a number
    EXPECT_EQ(Parse("2024-1", "yyyy-MM", e), 0.0);
    EXPECT_EQ(e, -3);   // too short for a two-character field
    EXPECT_EQ(Parse("x", "H", e), 0.0);
    EXPECT_EQ(e, -3);
    // An empty format reads nothing: the time 0.
    EXPECT_EQ(Parse("whatever", "", e), 0.0);
    EXPECT_EQ(e, 0);
}

TEST(RowDateParse, ImpossibleMomentsRaiseConversionErrors) {
    int e = 0;
    EXPECT_THROW(Parse("2023-02-29", "yyyy-MM-dd", e), EConvertError);
    EXPECT_THROW(Parse("25:00", "HH:mm", e), EConvertError);
    EXPECT_THROW(Parse("13:00 PM", "hh:mm tt", e), EConvertError);
}

}  // namespace
