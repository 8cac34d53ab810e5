// Reading a date/time text back with the display format of the row editor's date/time
// picker: a token of the format at a time consumes the matching start of the text; and
// writing a picker's value as the text that reads back to it.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",
                                                 "May",     "June",     "July",      "August",
                                                 "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};

bool IsFieldLetter(char C) {
    return C == 'H' || C == 'M' || C == 'd' || C == 'h' || C == 'm' || C == 's' || C == 't' || C == 'y';
}

bool StartsWithNoCase(std::string_view Text, std::string_view Word) {
    if (Text.size() < Word.size()) return false;
    for (std::size_t i = 0; i < Word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(Text[i])) != std::tolower(static_cast<unsigned char>(Word[i])))
            return false;
    return true;
}

// Blanks, an optional sign and at least one digit from the start of Text; Used tells how
// many characters that took. False when no digit follows.
bool ReadNumber(std::string_view Text, int& Value, std::size_t& Used) {
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ') ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
    std::size_t first = i;
    long long n = 0;
    while (i < Text.size() && Text[i] >= '0' && Text[i] <= '9') {
        n = std::min<long long>(n * 10 + (Text[i] - '0'), 1'000'000'000);
        ++i;
    }
    if (i == first) return false;
    Value = int(negative ? -n : n);
    Used = i;
    return true;
}

// A field of Width characters that must be a number as a whole.
bool ReadFixed(std::string_view& Text, std::size_t Width, int& Value) {
    if (Text.size() < Width) return false;
    std::size_t used = 0;
    if (!ReadNumber(Text.substr(0, Width), Value, used) || used != Width) return false;
    Text.remove_prefix(Width);
    return true;
}

bool ReadFree(std::string_view& Text, int& Value) {
    std::size_t used = 0;
    if (!ReadNumber(Text, Value, used)) return false;
    Text.remove_prefix(used);
    return true;
}

// The longest of Names (those of the format settings first) that the text begins with,
// ignoring case; Length cuts each English name to that many characters (0: whole). Index
// is the name's place in its list, from 1.
template <std::size_t N>
bool ReadName(std::string_view& Text, const std::string (&Settings)[N], const std::array<const char*, N>& English,
              std::size_t Length, int& Index) {
    std::size_t best = 0;
    for (std::size_t i = 0; i < N; ++i) {
        std::string_view names[2] = {Settings[i], English[i]};
        if (Length != 0) names[1] = names[1].substr(0, Length);
        for (std::string_view name : names)
            if (!name.empty() && name.size() > best && StartsWithNoCase(Text, name)) {
                best = name.size();
                Index = int(i) + 1;
            }
    }
    if (best == 0) return false;
    Text.remove_prefix(best);
    return true;
}

// The settings list weekdays from Sunday, the English table from Monday.
std::array<const char*, 7> EnglishFromSunday() {
    std::array<const char*, 7> out{};
    for (std::size_t i = 0; i < 7; ++i) out[i] = kWeekdays[(i + 6) % 7];
    return out;
}

// An AM/PM field of Width (1 or 2) characters: the settings' marks as the picker writes
// them (the whole mark for tt, its first character for t), else "a" or "am" (any case)
// means AM and anything else PM.
bool ReadAmPm(std::string_view& Text, std::size_t Width, bool& Pm) {
    const std::string& am = vcl::FormatSettings.TimeAMString;
    const std::string& pm = vcl::FormatSettings.TimePMString;
    std::string_view amMark = Width == 1 ? std::string_view(am).substr(0, 1) : std::string_view(am);
    std::string_view pmMark = Width == 1 ? std::string_view(pm).substr(0, 1) : std::string_view(pm);
    const bool isAm = !amMark.empty() && StartsWithNoCase(Text, amMark);
    const bool isPm = !pmMark.empty() && StartsWithNoCase(Text, pmMark);
    if (isAm != isPm) {
        Pm = isPm;
        Text.remove_prefix(isPm ? pmMark.size() : amMark.size());
        return true;
    }
    if (Text.size() < Width) return false;
    Pm = !StartsWithNoCase(Text, Width == 1 ? "a" : "am");
    Text.remove_prefix(Width);
    return true;
}

}  // namespace

vcl::TDateTime ParseRowDateTime(std::string_view Text, std::string_view Format, int& Error, int ThisYear) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool twelveHour = false, amPmField = false, pm = false;
    Error = 0;
    while (!Format.empty() && Error == 0) {
        const char c = Format[0];
        if (c == '\'') {
            // A quoted literal; two quotes inside stand for one.
            std::string literal;
            std::size_t i = 1;
            while (i < Format.size()) {
                if (Format[i] == '\'') {
                    if (i + 1 < Format.size() && Format[i + 1] == '\'') {
                        literal += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += Format[i++];
            }
            Format.remove_prefix(i);
            if (!Text.starts_with(literal)) Error = -1;
            else Text.remove_prefix(literal.size());
            continue;
        }
        if (!IsFieldLetter(c)) {
            std::size_t n = 0;
            while (n < Format.size() && Format[n] != '\'' && !IsFieldLetter(Format[n])) ++n;
            const std::string_view literal = Format.substr(0, n);
            Format.remove_prefix(n);
            if (!Text.starts_with(literal)) Error = -1;
            else Text.remove_prefix(literal.size());
            continue;
        }
        std::size_t n = 0;
        while (n < Format.size() && Format[n] == c) ++n;
        Format.remove_prefix(n);
        bool ok = true;
        int ignored = 0;
        switch (c) {
        case 'y':
            if (n == 4) {
                ok = ReadFixed(Text, 4, year);
            } else if (n == 2) {
                ok = ReadFixed(Text, 2, year);
                if (ok) {
                    // The century of the two-digit-year window: with w the window and
                    // e = this year - w, the year is the first one from e on that ends in yy.
                    const int window = vcl::FormatSettings.TwoDigitYearCenturyWindow;
                    const int earliest = ThisYear - window;
                    year += (earliest / 100) * 100;
                    if (window != 0 && year < earliest) year += 100;
                }
            } else {
                Error = -2;
            }
            break;
        case 'M':
            if (n == 4) ok = ReadName(Text, vcl::FormatSettings.LongMonthNames, kMonths, 0, month);
            else if (n == 3) ok = ReadName(Text, vcl::FormatSettings.ShortMonthNames, kMonths, 3, month);
            else if (n == 2) ok = ReadFixed(Text, 2, month);
            else if (n == 1) ok = ReadFree(Text, month);
            else Error = -2;
            break;
        case 'd':
            if (n == 4) ok = ReadName(Text, vcl::FormatSettings.LongDayNames, EnglishFromSunday(), 0, ignored);
            else if (n == 3) ok = ReadName(Text, vcl::FormatSettings.ShortDayNames, EnglishFromSunday(), 3, ignored);
            else if (n == 2) ok = ReadFixed(Text, 2, day);
            else if (n == 1) ok = ReadFree(Text, day);
            else Error = -2;
            break;
        case 'H':
        case 'h':
            if (c == 'h') twelveHour = true;
            if (n == 2) ok = ReadFixed(Text, 2, hour);
            else if (n == 1) ok = ReadFree(Text, hour);
            else Error = -2;
            break;
        case 'm':
            if (n == 2) ok = ReadFixed(Text, 2, minute);
            else if (n == 1) ok = ReadFree(Text, minute);
            else Error = -2;
            break;
        case 's':
            if (n == 2) ok = ReadFixed(Text, 2, second);
            else if (n == 1) ok = ReadFree(Text, second);
            else Error = -2;
            break;
        case 't':
            if (n > 2) {
                Error = -2;
            } else {
                amPmField = true;
                ok = ReadAmPm(Text, n, pm);
            }
            break;
        default: Error = -2; break;
        }
        if (!ok && Error == 0) Error = -3;
    }
    if (Error != 0) return 0.0;
    // Without an AM/PM field the text cannot say which half of the day it means, so the
    // hour is taken as written (the row editor writes such hours on the 24-hour clock).
    if (twelveHour && amPmField) {
        if (!pm && hour == 12) hour = 0;
        else if (pm && hour != 12) hour += 12;
    }
    // An impossible date or time raises EConvertError here.
    if (year != 0 || month != 0 || day != 0) return vcl::EncodeDateTime(year, month, day, hour, minute, second, 0);
    return vcl::EncodeTime(hour, minute, second, 0);
}

vcl::TDateTime ParseRowDateTime(std::string_view Text, std::string_view Format, int& Error) {
    return ParseRowDateTime(Text, Format, Error, vcl::CurrentYear());
}

std::string RowDateFormat(std::string_view Format) {
    if (!Format.empty()) return std::string(Format);
    // The settings' pattern is written in FormatDateTime's tokens; say it in the picker's.
    const std::vector<vcl::dtp::TSegment> segments = vcl::dtp::ParsePattern(vcl::FormatSettings.ShortDateFormat);
    bool amPm = false;
    for (const auto& seg : segments) amPm = amPm || seg.kind == vcl::dtp::fkAmPm;
    std::string out;
    for (const auto& seg : segments) {
        const std::size_t w = std::size_t(std::max(1, seg.width));
        switch (seg.kind) {
        case vcl::dtp::fkLiteral: {
            out += '\'';
            for (char c : seg.text) out += c == '\'' ? std::string("''") : std::string(1, c);
            out += '\'';
            break;
        }
        case vcl::dtp::fkDay:
        case vcl::dtp::fkWeekday: out += std::string(w, 'd'); break;
        case vcl::dtp::fkMonth: out += std::string(std::min<std::size_t>(w, 4), 'M'); break;
        case vcl::dtp::fkYear: out += w == 2 ? "yy" : "yyyy"; break;
        case vcl::dtp::fkHour: out += std::string(std::min<std::size_t>(w, 2), amPm ? 'h' : 'H'); break;
        case vcl::dtp::fkMinute: out += std::string(std::min<std::size_t>(w, 2), 'm'); break;
        case vcl::dtp::fkSecond: out += std::string(std::min<std::size_t>(w, 2), 's'); break;
        case vcl::dtp::fkAmPm: out += "tt"; break;
        case vcl::dtp::fkMSec: return std::string(Format);   // no such field in the picker's tokens
        }
    }
    return out;
}

std::string FormatRowDateTime(vcl::TDateTime Value, std::string_view Format) {
    const std::vector<vcl::dtp::TSegment> segments = vcl::dtp::ParseOwnFormat(RowDateFormat(Format));
    bool twelveHour = false, amPm = false;
    for (const auto& seg : segments) {
        if (seg.kind == vcl::dtp::fkHour && seg.text == "h") twelveHour = true;
        if (seg.kind == vcl::dtp::fkAmPm) amPm = true;
    }
    std::string text;
    for (const auto& seg : segments) text += vcl::dtp::SegmentText(seg, Value, twelveHour && amPm);
    return text;
}

}  // namespace zyn
