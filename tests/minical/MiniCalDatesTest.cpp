// The calendar's dates without a canvas: Easter and its feasts, the month layout for every
// first weekday, week numbers at the end of the range.
#include <gtest/gtest.h>

#include <limits>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"

using namespace zyn;

namespace {

// Easter Sunday by the anonymous Gregorian algorithm (Meeus, Jones, Butcher): an
// independent reckoning, as a day of March.
int ReferenceEaster(int Y) {
    const int a = Y % 19, b = Y / 100, c = Y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return month == 3 ? day : day + 31;
}

}  // namespace

TEST(MiniCalDates, EasterAgreesWithAnIndependentReckoning) {
    for (int y = 1900; y <= 2100; ++y) EXPECT_EQ(EasterSundayMarchDay(y), ReferenceEaster(y)) << y;
    for (int y = 1; y <= 9999; y += 7) EXPECT_EQ(EasterSundayMarchDay(y), ReferenceEaster(y)) << y;
}

TEST(MiniCalDates, EasterForTheLargestYears) {
    // An application may ask about any year from 1 on; from 1,717,986,918 on a year plus its
    // quarter no longer fits an int.
    const int top = std::numeric_limits<int>::max();
    for (int y : {1717986917, 1717986918, 1800000003, 2000000000, 2100000019, top - 100})
        for (int k = 0; k < 7; ++k) EXPECT_EQ(EasterSundayMarchDay(y + k), ReferenceEaster(y + k)) << y + k;
    for (int y = top - 30; y < top; ++y) EXPECT_EQ(EasterSundayMarchDay(y), ReferenceEaster(y)) << y;
    EXPECT_EQ(EasterSundayMarchDay(top), ReferenceEaster(top));
    // The feasts follow it there too.
    const int e = ReferenceEaster(top);
    const int month = e > 31 ? 4 : 3, day = e > 31 ? e - 31 : e;
    EXPECT_EQ(MovableHolidayIndex(top, month, day), 0);
}

TEST(MiniCalDates, EasterOnKnownDates) {
    struct Known { int year, month, day; };
    // Among them the exceptions of the formula (1954, 1981, 2049, 2076) and the extremes.
    const Known known[] = {{1900, 4, 15}, {1943, 4, 25}, {1954, 4, 18}, {1961, 4, 2}, {1981, 4, 19},
                           {2000, 4, 23}, {2008, 3, 23}, {2024, 3, 31}, {2025, 4, 20}, {2038, 4, 25},
                           {2049, 4, 18}, {2076, 4, 19}, {2100, 3, 28}, {1818, 3, 22}, {2285, 3, 22}};
    for (const Known& k : known) EXPECT_EQ(EasterSundayMarchDay(k.year), MarchDayCount(k.month, k.day)) << k.year;
}

TEST(MiniCalDates, MovableFeastsOf2024) {
    // Easter Sunday 2024 is March 31.
    struct Feast { int month, day, index; };
    const Feast feasts[] = {{3, 31, 0}, {4, 1, 1}, {5, 9, 2}, {5, 19, 3}, {5, 20, 4}, {5, 30, 5}};
    for (const Feast& f : feasts) EXPECT_EQ(MovableHolidayIndex(2024, f.month, f.day), f.index) << f.month << "." << f.day;
    for (auto [m, d] : {std::pair{3, 30}, {4, 2}, {5, 10}, {5, 31}, {6, 1}, {2, 29}, {7, 20}})
        EXPECT_EQ(MovableHolidayIndex(2024, m, d), -1) << m << "." << d;
    // The latest Easter (April 25, 1943) puts Corpus Christi on June 24.
    EXPECT_EQ(MovableHolidayIndex(1943, 6, 24), 5);
}

TEST(MiniCalDates, MonthLayoutForEveryFirstWeekday) {
    // 2024 has months starting on each of the seven weekdays.
    for (int first = dwMon; first <= dwSun; ++first) {
        for (int month = 1; month <= 12; ++month) {
            const TDayOfWeek fd = static_cast<TDayOfWeek>(first);
            const int ofs = CalcMonthOffset(2024, month, fd);
            const int days = vcl::DaysInAMonth(2024, month);
            SCOPED_TRACE(testing::Message() << "first day " << first << ", month " << month);
            for (int d = 1; d <= days; ++d) {
                const vcl::TGridCoord cell = DayCell(ofs, d);
                ASSERT_GE(cell.X, 1);
                ASSERT_LE(cell.X, 7);
                ASSERT_GE(cell.Y, 2);
                ASSERT_LE(cell.Y, 7);
                EXPECT_EQ(CellDay(ofs, cell.X, cell.Y), d);
                // The column's weekday name (first day + column - 1) is the day's weekday.
                const int weekday = vcl::DayOfTheWeek(vcl::EncodeDate(2024, month, d)) - 1;
                EXPECT_EQ((first + cell.X - 1) % 7, weekday) << d;
            }
            // The first of the month always lies in row 2; the cell before it is greyed.
            EXPECT_EQ(DayCell(ofs, 1).Y, 2);
            EXPECT_LE(CellDay(ofs, 1, 2), 1);
        }
    }
}

TEST(MiniCalDates, MonthStartingOnTheFirstOrTheLastWeekdayColumn) {
    // April 2024 starts on a Monday.
    EXPECT_EQ(CalcMonthOffset(2024, 4, dwMon), 1);
    EXPECT_EQ(DayCell(1, 1).X, 1);
    // With Tuesday first, Monday is the weekday before it: the seventh column.
    const int ofs = CalcMonthOffset(2024, 4, dwTue);
    EXPECT_EQ(ofs, -5);
    EXPECT_EQ(DayCell(ofs, 1).X, 7);
    EXPECT_EQ(DayCell(ofs, 1).Y, 2);
    EXPECT_EQ(DayCell(ofs, 30).Y, 7);
    EXPECT_EQ(DayCell(ofs, 30).X, 1);
}

TEST(MiniCalDates, IsoWeekNumbers) {
    EXPECT_EQ(CalendarWeekOf(vcl::EncodeDate(2021, 1, 1)), 53);
    EXPECT_EQ(CalendarWeekOf(vcl::EncodeDate(2024, 12, 30)), 1);
    EXPECT_EQ(CalendarWeekOf(vcl::EncodeDate(2026, 1, 1)), 1);
    EXPECT_EQ(CalendarWeekOf(vcl::EncodeDate(2024, 3, 31) + 0.75), 13);
    EXPECT_EQ(CalendarWeekOf(vcl::EncodeDate(1, 1, 1)), 1);
    // December 9999 starts on a Wednesday; its last week row shows January 5, 10000, which
    // lies in week 1 of 10000, the week before it in week 52 of 9999.
    const double dec1 = vcl::EncodeDate(9999, 12, 1);
    EXPECT_EQ(CalendarWeekOf(dec1 + 21), 51);
    EXPECT_EQ(CalendarWeekOf(dec1 + 28), 52);
    EXPECT_EQ(CalendarWeekOf(dec1 + 35), 1);
    EXPECT_EQ(CalendarWeekOf(dec1 + 42), 2);
}
