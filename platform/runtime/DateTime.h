// Dates and times: TDateTime (days since 1899-12-30; the fraction is the time of day),
// encoding and decoding, the clock behind Now, packed file dates, and the calendar arithmetic
// of ISO weekdays and weeks, parts of a date and stepping.
#pragma once

#include <cstdint>
#include <functional>

namespace vcl {

using TDateTime = double;  // days since 1899-12-30; the fraction is the time of day

bool IsLeapYear(int year);
// MonthDays[IsLeapYear(y)][m - 1]
extern const std::uint16_t MonthDays[2][12];

// EncodeDate requires 1 <= y <= 9999 and a valid month and day, EncodeTime h < 24, n < 60,
// s < 60, ms < 1000; otherwise EConvertError "Invalid argument to date encode" / "... time
// encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// Decoding takes the day from the whole part and the time from the absolute fraction,
// rounded to the nearest millisecond.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
bool DecodeDateFully(TDateTime date, int& year, int& month, int& day, int& dow);  // true in a leap year
int DayOfWeek(TDateTime date);  // 1 = Sunday ... 7 = Saturday
TDateTime IncMonth(TDateTime date, int months = 1);  // day clamped to the month's length
int CurrentYear();

// The current local date and time, from the clock SetNowProvider installed.
TDateTime Now();
TDateTime Date();  // Now() without the time
TDateTime Time();  // Now() without the date
// Replaces the clock behind Now/Date/Time/CurrentYear; an empty function restores the host's
// local time. The testing helpers build SetNow on it.
void SetNowProvider(std::function<TDateTime()> provider);

// Packed local date and time of the file system (FileAge, TSearchRec::Time).
TDateTime FileDateToDateTime(int fileDate);
int DateTimeToFileDate(TDateTime dt);

// ---- calendar arithmetic -----------------------------------------------------------------
constexpr int DayMonday = 1;
constexpr int DaySunday = 7;

int DayOfTheWeek(TDateTime date);   // ISO: 1 = Monday ... 7 = Sunday
int DayOfTheYear(TDateTime date);   // 1 ... 366
// ISO 8601 week: weeks start on Monday, week 1 holds the year's first Thursday. The second
// form also gives the year the week belongs to (2021-01-01 is week 53 of 2020).
int WeekOfTheYear(TDateTime date);
int WeekOfTheYear(TDateTime date, int& year);
int WeeksInAYear(int year);         // 52 or 53

int DaysInAMonth(int year, int month);
int DaysInMonth(TDateTime date);
int DaysInAYear(int year);
int DaysInYear(TDateTime date);

int YearOf(TDateTime dt);
int MonthOf(TDateTime dt);
int DayOf(TDateTime dt);
int HourOf(TDateTime dt);
int MinuteOf(TDateTime dt);
int SecondOf(TDateTime dt);
int MilliSecondOf(TDateTime dt);

TDateTime DateOf(TDateTime dt);     // midnight of the same day
TDateTime TimeOf(TDateTime dt);     // the time of day alone
TDateTime Today();
bool IsSameDay(TDateTime a, TDateTime b);

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec);
bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec,
                       TDateTime& dt);
void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec);

TDateTime IncYear(TDateTime dt, int years = 1);   // Feb 29 becomes Feb 28 in other years
TDateTime IncWeek(TDateTime dt, int weeks = 1);
TDateTime IncDay(TDateTime dt, int days = 1);
TDateTime IncHour(TDateTime dt, std::int64_t hours = 1);
TDateTime IncMinute(TDateTime dt, std::int64_t minutes = 1);
TDateTime IncSecond(TDateTime dt, std::int64_t seconds = 1);
TDateTime IncMilliSecond(TDateTime dt, std::int64_t msecs = 1);

TDateTime StartOfTheMonth(TDateTime dt);
TDateTime EndOfTheMonth(TDateTime dt);   // the last day, 23:59:59.999
int DaysBetween(TDateTime a, TDateTime b);  // whole days apart, never negative

}  // namespace vcl
