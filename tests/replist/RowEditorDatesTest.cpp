// Reading a date/time text with a picker display format: the tokens, twelve-hour clocks,
// two-digit years and the error codes; and the text written for a picker value, which
// reads back to the same moment.
#include <gtest/gtest.h>

#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using zyn::FormatRowDateTime;
using zyn::ParseRowDateTime;
using zyn::RowDateFormat;

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

// Month and weekday names, and AM/PM marks, of another language.
class RowDateSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFormatSettings();
        const char* shortMonths[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
        const char* longMonths[] = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
                                    "September", "Oktober", "November", "Dezember"};
        const char* shortDays[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
        const char* longDays[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
        for (int i = 0; i < 12; ++i) {
            FormatSettings.ShortMonthNames[i] = shortMonths[i];
            FormatSettings.LongMonthNames[i] = longMonths[i];
        }
        for (int i = 0; i < 7; ++i) {
            FormatSettings.ShortDayNames[i] = shortDays[i];
            FormatSettings.LongDayNames[i] = longDays[i];
        }
        FormatSettings.TimeAMString = "vorm.";
        FormatSettings.TimePMString = "nachm.";
    }
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(RowDateSettings, NamesAndMarksAreReadAsThePickerWritesThemAndInEnglish) {
    int e = 0;
    EXPECT_EQ(Parse("Do 07 Mär 2024", "ddd dd MMM yyyy", e), EncodeDate(2024, 3, 7));
    EXPECT_EQ(e, 0);
    EXPECT_EQ(Parse("Donnerstag, 7. Oktober 2021", "dddd, d. MMMM yyyy", e), EncodeDate(2021, 10, 7));
    EXPECT_EQ(e, 0);
    EXPECT_EQ(Parse("Juni 2024-01", "MMMM yyyy-dd", e), EncodeDate(2024, 6, 1));
    EXPECT_EQ(Parse("June 2024-01", "MMMM yyyy-dd", e), EncodeDate(2024, 6, 1));
    EXPECT_EQ(Parse("Thu 07 Mar 2024", "ddd dd MMM yyyy", e), EncodeDate(2024, 3, 7));
    EXPECT_EQ(e, 0);
    EXPECT_EQ(Parse("02:05 nachm.", "hh:mm tt", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(Parse("12:05 vorm.", "hh:mm tt", e), EncodeTime(0, 5, 0, 0));
    EXPECT_EQ(Parse("2:05 n", "h:mm t", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(Parse("02:05 PM", "hh:mm tt", e), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(e, 0);
}

TEST(RowDateParse, TwelveHourFieldsWithoutAMarkCountOnTheFullClock) {
    int e = 0;
    EXPECT_EQ(Parse("03:30", "hh:mm", e), EncodeTime(3, 30, 0, 0));
    EXPECT_EQ(Parse("15:30", "hh:mm", e), EncodeTime(15, 30, 0, 0));
    EXPECT_EQ(Parse("12:30", "h:mm", e), EncodeTime(12, 30, 0, 0));
    EXPECT_EQ(Parse("00:30", "hh:mm", e), EncodeTime(0, 30, 0, 0));
    EXPECT_EQ(e, 0);
}

// Every moment written for a format reads back to itself: the moments are chosen around
// noon and midnight, in each half of the day and with long and short names.
void ExpectRoundTrips() {
    const TDateTime moments[] = {EncodeDateTime(2024, 2, 29, 15, 30, 45, 0), EncodeDateTime(2023, 12, 31, 0, 5, 0, 0),
                                 EncodeDateTime(1999, 3, 7, 12, 0, 9, 0), EncodeDateTime(2031, 10, 1, 9, 59, 59, 0)};
    const char* formats[] = {"",          "hh:mm",       "h:mm:ss t",  "HH:mm:ss", "dd.MM.yyyy HH:mm",
                             "yyyy-MM-dd", "ddd dd MMM yyyy hh:mm:ss tt", "dddd, d MMMM yyyy h:m:s",
                             "M/d/yyyy hh:mm:ss", "'day' d 'of' MMMM yyyy"};
    for (const char* format : formats) {
        const std::string pattern = RowDateFormat(format);
        const bool hasDate = pattern.find_first_of("dMy") != std::string::npos;
        const bool hasTime = pattern.find_first_of("hHms") != std::string::npos;
        const bool hasSeconds = pattern.find('s') != std::string::npos;
        for (TDateTime shown : moments) {
            // The moment as far as the format shows it.
            TDateTime v = shown;
            if (!hasSeconds) v = DateOf(shown) + EncodeTime(HourOf(shown), MinuteOf(shown), 0, 0);
            const std::string text = FormatRowDateTime(v, format);
            int e = 99;
            const TDateTime back = ParseRowDateTime(text, pattern, e, 2030);
            EXPECT_EQ(e, 0) << format << ": " << text;
            TDateTime want = 0;
            if (hasDate) want += DateOf(v);
            if (hasTime) want += TimeOf(v);
            EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", back), FormatDateTime("yyyy-mm-dd hh:nn:ss", want))
                << "format \"" << format << "\" wrote \"" << text << "\"";
        }
    }
}

TEST(RowDateRoundTrip, WrittenTextsReadBackToTheSameMoment) {
    ResetFormatSettings();
    ExpectRoundTrips();
}

TEST_F(RowDateSettings, WrittenTextsReadBackToTheSameMomentInAnotherLanguage) {
    FormatSettings.ShortDateFormat = "dd.mm.yyyy";
    ExpectRoundTrips();
}

TEST(RowDateRoundTrip, AnEmptyFormatIsTheSettingsShortDateInThePickersTokens) {
    ResetFormatSettings();
    EXPECT_EQ(RowDateFormat("hh:mm"), "hh:mm");
    EXPECT_EQ(RowDateFormat(""), "M'/'d'/'yyyy");
    EXPECT_EQ(FormatRowDateTime(EncodeDate(2024, 2, 9), ""), "2/9/2024");
    FormatSettings.ShortDateFormat = "dd.mm.yy";
    EXPECT_EQ(RowDateFormat(""), "dd'.'MM'.'yy");
    ResetFormatSettings();
}

TEST(RowDateRoundTrip, AnHourWithoutAMarkIsWrittenOnTheFullClock) {
    ResetFormatSettings();
    const TDateTime afternoon = EncodeTime(15, 30, 0, 0);
    EXPECT_EQ(FormatRowDateTime(afternoon, "hh:mm"), "15:30");
    EXPECT_EQ(FormatRowDateTime(afternoon, "hh:mm tt"), "03:30 PM");
    EXPECT_EQ(FormatRowDateTime(afternoon, "h:mm t"), "3:30 P");
    EXPECT_EQ(FormatRowDateTime(EncodeTime(0, 30, 0, 0), "hh:mm"), "00:30");
}

}  // namespace
