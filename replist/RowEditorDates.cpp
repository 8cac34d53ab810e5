// Reading a date/time text back with the display format of the row editor's date/time
// picker: a token of the format at a time consumes the matching start of the text.
#include <array>
#include <cctype>

#include "platform/DateUtils.h"
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

template <std::size_t N>
bool ReadName(std::string_view& Text, const std::array<const char*, N>& Names, std::size_t Length, int& Index) {
    for (std::size_t i = 0; i < N; ++i) {
        std::string_view name(Names[i]);
        if (Length != 0) name = name.substr(0, Length);
        if (StartsWithNoCase(Text, name)) {
            Text.remove_prefix(name.size());
            Index = int(i) + 1;
            return true;
        }
    }
    return false;
}

}  // namespace

vcl::TDateTime ParseRowDateTime(std::string_view Text, std::string_view Format, int& Error, int ThisYear) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool twelveHour = false, pm = false;
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
            if (n == 4) ok = ReadName(Text, kMonths, 0, month);
            else if (n == 3) ok = ReadName(Text, kMonths, 3, month);
            else if (n == 2) ok = ReadFixed(Text, 2, month);
            else if (n == 1) ok = ReadFree(Text, month);
            else Error = -2;
            break;
        case 'd':
            if (n == 4) ok = ReadName(Text, kWeekdays, 0, ignored);
            else if (n == 3) ok = ReadName(Text, kWeekdays, 3, ignored);
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
            } else if (Text.size() < n) {
                ok = false;
            } else {
                pm = !StartsWithNoCase(Text, n == 1 ? "a" : "am");
                Text.remove_prefix(n);
            }
            break;
        default: Error = -2; break;
        }
        if (!ok && Error == 0) Error = -3;
    }
    if (Error != 0) return 0.0;
    if (twelveHour) {
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

}  // namespace zyn
