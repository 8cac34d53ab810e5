// Calendar arithmetic on TDateTime (days since 1899-12-30, proleptic Gregorian calendar):
// encoding, decoding, weekdays, ISO weeks, month stepping and the replaceable clock.
#include "platform/runtime/DateTime.h"

#include <cmath>
#include <functional>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/RuntimeInternal.h"

namespace vcl {
namespace {

constexpr int kUnixEpochDay = 25569;          // 1970-01-01 as a TDateTime
constexpr long long kMSecsPerDay = 86400000;
constexpr int kMinDay = -693593;              // 0001-01-01
constexpr int kMaxDay = 2958465;              // 9999-12-31

// Days since 1970-01-01 of a civil date (any proleptic Gregorian year).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

long long FloorMod(long long a, long long b) {
    const long long r = a % b;
    return r < 0 ? r + b : r;
}

// Whole day and millisecond of the day of a TDateTime: the day from the whole part, the time
// from the absolute fraction rounded to the millisecond (a full day carries over).
struct DayAndTime {
    long long day;
    long long msec;
};

DayAndTime Split(TDateTime dt) {
    const long double whole = std::trunc(static_cast<long double>(dt));
    const long double frac = std::fabs(static_cast<long double>(dt) - whole);
    DayAndTime r{static_cast<long long>(whole), static_cast<long long>(std::nearbyint(frac * kMSecsPerDay))};
    if (r.msec >= kMSecsPerDay) {
        r.msec -= kMSecsPerDay;
        ++r.day;
    }
    return r;
}

std::function<TDateTime()>& NowProvider() {
    static std::function<TDateTime()> provider;
    return provider;
}

// A date plus a time of day; for dates before 1899-12-30 the time counts away from zero.
TDateTime Combine(TDateTime date, TDateTime time) {
    const double day = std::trunc(date);
    const double t = std::fabs(time - std::trunc(time));
    return day < 0 ? day - t : day + t;
}

}  // namespace

const std::uint16_t MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                        {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return false;
    if (day < 1 || day > MonthDays[IsLeapYear(year)][month - 1]) return false;
    date = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                               kUnixEpochDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime d = 0;
    if (!TryEncodeDate(year, month, day, d)) throw EConvertError("Invalid argument to date encode");
    return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 || msec >= 1000) {
        return false;
    }
    time = static_cast<double>(((hour * 60LL + min) * 60 + sec) * 1000 + msec) / kMSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime t = 0;
    if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError("Invalid argument to time encode");
    return t;
}

bool DecodeDateFully(TDateTime date, int& year, int& month, int& day, int& dow) {
    const DayAndTime s = Split(date);
    if (!std::isfinite(date) || s.day < kMinDay || s.day > kMaxDay) {
        year = month = day = dow = 0;
        return false;
    }
    CivilFromDays(s.day - kUnixEpochDay, year, month, day);
    dow = static_cast<int>(FloorMod(s.day - 1, 7)) + 1;
    return IsLeapYear(year);
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    int dow = 0;
    DecodeDateFully(date, year, month, day, dow);
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
    if (!std::isfinite(time)) {
        hour = min = sec = msec = 0;
        return;
    }
    long long ms = Split(time).msec;
    msec = static_cast<int>(ms % 1000);
    ms /= 1000;
    sec = static_cast<int>(ms % 60);
    ms /= 60;
    min = static_cast<int>(ms % 60);
    hour = static_cast<int>(ms / 60);
}

int DayOfWeek(TDateTime date) {
    return static_cast<int>(FloorMod(static_cast<long long>(std::trunc(date)) - 1, 7)) + 1;
}

TDateTime IncMonth(TDateTime date, int months) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    if (y == 0) return date;
    long long total = static_cast<long long>(y) * 12 + (m - 1) + months;
    int ny = static_cast<int>(total / 12);
    int nm = static_cast<int>(total % 12) + 1;
    if (ny < 1 || ny > 9999) throw EConvertError("Invalid argument to date encode");
    const int limit = MonthDays[IsLeapYear(ny)][nm - 1];
    return Combine(EncodeDate(ny, nm, d > limit ? limit : d), date);
}

TDateTime Now() {
    const auto& provider = NowProvider();
    return provider ? provider() : runtime::HostLocalNow();
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    const TDateTime now = Now();
    return std::fabs(now - std::trunc(now));
}

int CurrentYear() {
    int y, m, d;
    DecodeDate(Now(), y, m, d);
    return y;
}

TDateTime FileDateToDateTime(int fileDate) {
    const unsigned v = static_cast<unsigned>(fileDate);
    const unsigned date = v >> 16, time = v & 0xFFFF;
    TDateTime d = 0, t = 0;
    if (!TryEncodeDate(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15),
                       static_cast<int>(date & 31), d) ||
        !TryEncodeTime(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63),
                       static_cast<int>((time & 31) * 2), 0, t)) {
        return 0;
    }
    return d + t;
}

int DateTimeToFileDate(TDateTime dt) {
    int y, m, d, h, n, s, ms;
    DecodeDate(dt, y, m, d);
    if (y < 1980 || y > 2107) return 0;
    DecodeTime(dt, h, n, s, ms);
    const unsigned date = (static_cast<unsigned>(y - 1980) << 9) | (static_cast<unsigned>(m) << 5) | d;
    const unsigned time = (static_cast<unsigned>(h) << 11) | (static_cast<unsigned>(n) << 5) | (s / 2);
    return static_cast<int>((date << 16) | time);
}

// ---- DateUtils ------------------------------------------------------------------------------

void SetNowProvider(std::function<TDateTime()> provider) { NowProvider() = std::move(provider); }

int DayOfTheWeek(TDateTime date) {
    return static_cast<int>(FloorMod(static_cast<long long>(std::trunc(date)) + 5, 7)) + 1;
}

int DayOfTheYear(TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return static_cast<int>(std::trunc(date) - EncodeDate(y, 1, 1)) + 1;
}

int WeekOfTheYear(TDateTime date, int& year) {
    // The week belongs to the year of its Thursday.
    const double day = std::trunc(date);
    const double thursday = day - DayOfTheWeek(day) + 4;
    int m, d;
    DecodeDate(thursday, year, m, d);
    return static_cast<int>(thursday - EncodeDate(year, 1, 1)) / 7 + 1;
}

int WeekOfTheYear(TDateTime date) {
    int year = 0;
    return WeekOfTheYear(date, year);
}

int WeeksInAYear(int year) {
    // A year has 53 weeks when it starts on a Thursday, or on a Wednesday in a leap year.
    const int first = DayOfTheWeek(EncodeDate(year, 1, 1));
    return first == 4 || (first == 3 && IsLeapYear(year)) ? 53 : 52;
}

int DaysInAMonth(int year, int month) {
    if (month < 1 || month > 12) throw EConvertError("Invalid argument to date encode");
    return MonthDays[IsLeapYear(year)][month - 1];
}

int DaysInMonth(TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return DaysInAMonth(y, m);
}

int DaysInAYear(int year) { return IsLeapYear(year) ? 366 : 365; }
int DaysInYear(TDateTime date) { return DaysInAYear(YearOf(date)); }

int YearOf(TDateTime dt) { int y, m, d; DecodeDate(dt, y, m, d); return y; }
int MonthOf(TDateTime dt) { int y, m, d; DecodeDate(dt, y, m, d); return m; }
int DayOf(TDateTime dt) { int y, m, d; DecodeDate(dt, y, m, d); return d; }
int HourOf(TDateTime dt) { int h, n, s, ms; DecodeTime(dt, h, n, s, ms); return h; }
int MinuteOf(TDateTime dt) { int h, n, s, ms; DecodeTime(dt, h, n, s, ms); return n; }
int SecondOf(TDateTime dt) { int h, n, s, ms; DecodeTime(dt, h, n, s, ms); return s; }
int MilliSecondOf(TDateTime dt) { int h, n, s, ms; DecodeTime(dt, h, n, s, ms); return ms; }

TDateTime DateOf(TDateTime dt) { return std::trunc(dt); }
TDateTime TimeOf(TDateTime dt) { return std::fabs(dt - std::trunc(dt)); }
TDateTime Today() { return Date(); }
bool IsSameDay(TDateTime a, TDateTime b) { return std::trunc(a) == std::trunc(b); }

bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec, TDateTime& dt) {
    TDateTime d = 0, t = 0;
    if (!TryEncodeDate(year, month, day, d) || !TryEncodeTime(hour, min, sec, msec, t)) return false;
    dt = Combine(d, t);
    return true;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec) {
    return Combine(EncodeDate(year, month, day), EncodeTime(hour, min, sec, msec));
}

void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec) {
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, min, sec, msec);
}

TDateTime IncYear(TDateTime dt, int years) {
    return IncMonth(dt, years * 12);
}

TDateTime IncWeek(TDateTime dt, int weeks) { return IncDay(dt, weeks * 7); }

TDateTime IncDay(TDateTime dt, int days) {
    // Moving the day keeps the time of day, also across 1899-12-30.
    return Combine(std::trunc(dt) + days, TimeOf(dt));
}

namespace {
// Adds a number of milliseconds on the continuous time line.
TDateTime AddMSecs(TDateTime dt, long long msecs) {
    const DayAndTime s = Split(dt);
    // The moment in milliseconds: the time runs forward from the start of the day, also for
    // days before 1899-12-30.
    long long total = s.day * kMSecsPerDay + s.msec;
    total += msecs;
    const long long day = total >= 0 ? total / kMSecsPerDay : -((-total + kMSecsPerDay - 1) / kMSecsPerDay);
    const long long ms = total - day * kMSecsPerDay;
    return Combine(static_cast<double>(day), static_cast<double>(ms) / kMSecsPerDay);
}
}  // namespace

TDateTime IncHour(TDateTime dt, std::int64_t hours) { return AddMSecs(dt, hours * 3600000LL); }
TDateTime IncMinute(TDateTime dt, std::int64_t minutes) { return AddMSecs(dt, minutes * 60000LL); }
TDateTime IncSecond(TDateTime dt, std::int64_t seconds) { return AddMSecs(dt, seconds * 1000LL); }
TDateTime IncMilliSecond(TDateTime dt, std::int64_t msecs) { return AddMSecs(dt, msecs); }

TDateTime StartOfTheMonth(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return EncodeDate(y, m, 1);
}

TDateTime EndOfTheMonth(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return EncodeDateTime(y, m, DaysInAMonth(y, m), 23, 59, 59, 999);
}

int DaysBetween(TDateTime a, TDateTime b) {
    return static_cast<int>(std::trunc(std::fabs(a - b) + 0.5 / kMSecsPerDay));
}

}  // namespace vcl
