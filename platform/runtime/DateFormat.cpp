// Dates and times as text: FormatDateTime's tokens and the date/time scanners behind
// StrToDate, StrToTime and StrToDateTime.
#include "platform/runtime/DateFormat.h"

#include <cmath>

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FormatSettings.h"

namespace vcl {
namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view prefix) {
    if (pos + prefix.size() > s.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperAscii(s[pos + i]) != UpperAscii(prefix[i])) return false;
    }
    return true;
}

// Expands a format string token by token. A format named by a token (ddddd, t, c, ...) is
// expanded one level deep only, so a settings string that names itself cannot recurse.
class DateTimeWriter {
public:
    DateTimeWriter(TDateTime dt, const TFormatSettings& fs) : fs_(fs) {
        DecodeDateFully(dt, year_, month_, day_, dow_);
        DecodeTime(dt, hour_, min_, sec_, msec_);
    }

    std::string Run(std::string_view format) {
        Append(format.empty() ? std::string_view("C") : format);
        return std::move(out_);
    }

private:
    void Number(int v, int digits) {
        std::string s = std::to_string(v);
        if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
        out_ += s;
    }

    void Nested(std::string_view format) { Append(format); }

    // True when an am/pm token follows before the next hour token (outside quotes).
    static bool AmPmFollows(std::string_view f, std::size_t pos) {
        bool quoted = false;
        for (std::size_t p = pos; p < f.size(); ++p) {
            const char c = f[p];
            if ((c == 'A' || c == 'a') && !quoted) {
                return StartsWithNoCase(f, p, "AM/PM") || StartsWithNoCase(f, p, "A/P") ||
                       StartsWithNoCase(f, p, "AMPM");
            }
            if (c == 'H' || c == 'h') return false;
            if (c == '\'' || c == '"') quoted = !quoted;
        }
        return false;
    }

    void Append(std::string_view f) {
        if (level_ >= 2) return;
        ++level_;
        // Every expanded format starts afresh: no previous hour token, 24-hour clock.
        lastToken_ = ' ';
        twelveHour_ = false;
        AppendTokens(f);
        --level_;
    }

    void AppendTokens(std::string_view f) {
        std::size_t i = 0;
        while (i < f.size()) {
            const char start = f[i++];
            // Repeats of exactly the same character make the token's count.
            auto count = [&]() {
                int n = 1;
                while (i < f.size() && f[i] == start) {
                    ++i;
                    ++n;
                }
                return n;
            };
            char token = UpperAscii(start);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken_ == 'H') token = 'N';
                lastToken_ = token;
            }
            switch (token) {
                case 'Y': {
                    const int n = count();
                    if (n <= 2) Number(year_ % 100, 2); else Number(year_, 4);
                    break;
                }
                case 'M': {
                    const int n = count();
                    if (n <= 2) Number(month_, n);
                    else if (month_ >= 1) out_ += n == 3 ? fs_.ShortMonthNames[month_ - 1] : fs_.LongMonthNames[month_ - 1];
                    break;
                }
                case 'D': {
                    const int n = count();
                    if (n <= 2) Number(day_, n);
                    else if (n == 3) { if (dow_ >= 1) out_ += fs_.ShortDayNames[dow_ - 1]; }
                    else if (n == 4) { if (dow_ >= 1) out_ += fs_.LongDayNames[dow_ - 1]; }
                    else if (n == 5) Nested(fs_.ShortDateFormat);
                    else Nested(fs_.LongDateFormat);
                    break;
                }
                case 'H': {
                    const int n = count();
                    if (AmPmFollows(f, i)) twelveHour_ = true;
                    int h = hour_;
                    if (twelveHour_) {
                        if (h == 0) h = 12;
                        else if (h > 12) h -= 12;
                    }
                    Number(h, n > 2 ? 2 : n);
                    break;
                }
                case 'N': { const int n = count(); Number(min_, n > 2 ? 2 : n); break; }
                case 'S': { const int n = count(); Number(sec_, n > 2 ? 2 : n); break; }
                case 'Z': { const int n = count(); Number(msec_, n > 3 ? 3 : n); break; }
                case 'T': {
                    const int n = count();
                    Nested(n == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat);
                    break;
                }
                case 'A': AmPm(f, i, start); break;
                case 'C': {
                    count();
                    Nested(fs_.ShortDateFormat);
                    if (hour_ != 0 || min_ != 0 || sec_ != 0) {
                        out_.push_back(' ');
                        Nested(fs_.LongTimeFormat);
                    }
                    break;
                }
                case '/': if (fs_.DateSeparator != 0) out_.push_back(fs_.DateSeparator); break;
                case ':': if (fs_.TimeSeparator != 0) out_.push_back(fs_.TimeSeparator); break;
                case '\'':
                case '"': {
                    const std::size_t end = f.find(start, i);
                    const std::size_t stop = end == std::string_view::npos ? f.size() : end;
                    out_.append(f.substr(i, stop - i));
                    i = stop == f.size() ? stop : stop + 1;
                    break;
                }
                default: out_.push_back(start); break;
            }
        }
    }

    // "am/pm", "a/p" and "ampm" at f[i - 1]; a lone 'a' (or "aaa"/"aaaa" day names) otherwise.
    void AmPm(std::string_view f, std::size_t& i, char start) {
        const std::size_t p = i - 1;
        const bool pm = hour_ >= 12;
        if (StartsWithNoCase(f, p, "AM/PM")) {
            out_.append(f.substr(pm ? p + 3 : p, 2));
            i = p + 5;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, "A/P")) {
            out_.push_back(f[pm ? p + 2 : p]);
            i = p + 3;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, "AMPM")) {
            out_ += pm ? fs_.TimePMString : fs_.TimeAMString;
            i = p + 4;
            twelveHour_ = true;
        } else if (StartsWithNoCase(f, p, "AAAA")) {
            if (dow_ >= 1) out_ += fs_.LongDayNames[dow_ - 1];
            i = p + 4;
        } else if (StartsWithNoCase(f, p, "AAA")) {
            if (dow_ >= 1) out_ += fs_.ShortDayNames[dow_ - 1];
            i = p + 3;
        } else {
            out_.push_back(start);
        }
    }

    const TFormatSettings& fs_;
    int year_ = 0, month_ = 0, day_ = 0, dow_ = 0;
    int hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
    char lastToken_ = 0;
    bool twelveHour_ = false;
    int level_ = 0;
    std::string out_;
};

// ---- scanning -------------------------------------------------------------------------------

class Scanner {
public:
    Scanner(std::string_view s, const TFormatSettings& fs) : s_(s), fs_(fs) {}

    bool AtEnd() const { return pos_ >= s_.size(); }
    std::size_t Position() const { return pos_; }
    void Reset() { pos_ = 0; }

    void Blanks() {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }

    // Up to four digits (the value stops growing at 1000 and above).
    bool Number(int& value, int& length) {
        Blanks();
        std::size_t i = pos_;
        int n = 0;
        while (i < s_.size() && s_[i] >= '0' && s_[i] <= '9' && n < 1000) {
            n = n * 10 + (s_[i] - '0');
            ++i;
        }
        if (i == pos_) return false;
        length = static_cast<int>(i - pos_);
        pos_ = i;
        value = n;
        return true;
    }

    bool Char(char c) {
        Blanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool String(std::string_view text) {
        if (text.empty()) return false;
        Blanks();
        if (!StartsWithNoCase(s_, pos_, text)) return false;
        pos_ += text.size();
        return true;
    }

    bool Date(TDateTime& date) {
        enum Order { MDY, DMY, YMD };
        Order order = MDY;
        for (char c : fs_.ShortDateFormat) {
            const char u = UpperAscii(c);
            if (u == 'Y' || u == 'E') { order = YMD; break; }
            if (u == 'M') { order = MDY; break; }
            if (u == 'D') { order = DMY; break; }
        }
        int n1, n2, n3, l1, l2, l3;
        if (!(Number(n1, l1) && Char(fs_.DateSeparator) && Number(n2, l2))) return false;
        int y, m, d;
        if (Char(fs_.DateSeparator)) {
            if (!Number(n3, l3)) return false;
            int yearLength;
            switch (order) {
                case MDY: y = n3; yearLength = l3; m = n1; d = n2; break;
                case DMY: y = n3; yearLength = l3; m = n2; d = n1; break;
                default: y = n1; yearLength = l1; m = n2; d = n3; break;
            }
            if (yearLength <= 2) {
                // Two-digit years fall into the century window around the current year.
                const int window = fs_.TwoDigitYearCenturyWindow;
                const int pivot = CurrentYear() - window;
                y += pivot / 100 * 100;
                if (window > 0 && y < pivot) y += 100;
            }
        } else {
            y = CurrentYear();
            if (order == DMY) { d = n1; m = n2; } else { m = n1; d = n2; }
        }
        Char(fs_.DateSeparator);
        Blanks();
        return TryEncodeDate(y, m, d, date);
    }

    bool Time(TDateTime& time) {
        int baseHour = -1;
        if (String(fs_.TimeAMString) || String("AM")) baseHour = 0;
        else if (String(fs_.TimePMString) || String("PM")) baseHour = 12;
        if (baseHour >= 0) Blanks();
        int hour, min = 0, sec = 0, msec = 0, len;
        if (!Number(hour, len)) return false;
        if (Char(fs_.TimeSeparator)) {
            if (!Number(min, len)) return false;
            if (Char(fs_.TimeSeparator)) {
                if (!Number(sec, len)) return false;
                if (Char(fs_.DecimalSeparator) && !Number(msec, len)) return false;
            }
        }
        if (baseHour < 0) {
            if (String(fs_.TimeAMString) || String("AM")) baseHour = 0;
            else if (String(fs_.TimePMString) || String("PM")) baseHour = 12;
        }
        if (baseHour >= 0) {
            if (hour == 0 || hour > 12) return false;
            if (hour == 12) hour = 0;
            hour += baseHour;
        }
        Blanks();
        return TryEncodeTime(hour, min, sec, msec, time);
    }

private:
    std::string_view s_;
    const TFormatSettings& fs_;
    std::size_t pos_ = 0;
};

[[noreturn]] void RaiseConvert(const char* what, std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid " + what);
}

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& settings) {
    return DateTimeWriter(dt, settings).Run(format);
}

std::string FormatDateTime(std::string_view format, TDateTime dt) {
    return FormatDateTime(format, dt, FormatSettings);
}

std::string DateToStr(TDateTime date) { return FormatDateTime("ddddd", date); }
std::string TimeToStr(TDateTime time) { return FormatDateTime("tt", time); }
std::string DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }

bool TryStrToDate(std::string_view s, TDateTime& date, const TFormatSettings& settings) {
    Scanner scan(s, settings);
    TDateTime d = 0;
    if (!scan.Date(d) || !scan.AtEnd()) return false;
    date = d;
    return true;
}

bool TryStrToDate(std::string_view s, TDateTime& date) { return TryStrToDate(s, date, FormatSettings); }

TDateTime StrToDate(std::string_view s, const TFormatSettings& settings) {
    TDateTime d = 0;
    if (!TryStrToDate(s, d, settings)) RaiseConvert("date", s);
    return d;
}

TDateTime StrToDate(std::string_view s) { return StrToDate(s, FormatSettings); }

bool TryStrToTime(std::string_view s, TDateTime& time, const TFormatSettings& settings) {
    Scanner scan(s, settings);
    TDateTime t = 0;
    if (!scan.Time(t) || !scan.AtEnd()) return false;
    time = t;
    return true;
}

bool TryStrToTime(std::string_view s, TDateTime& time) { return TryStrToTime(s, time, FormatSettings); }

TDateTime StrToTime(std::string_view s) {
    TDateTime t = 0;
    if (!TryStrToTime(s, t)) RaiseConvert("time", s);
    return t;
}

bool TryStrToDateTime(std::string_view s, TDateTime& dt, const TFormatSettings& settings) {
    Scanner scan(s, settings);
    TDateTime date = 0, time = 0;
    if (scan.Date(date)) {
        if (!scan.AtEnd() && !(scan.Time(time) && scan.AtEnd())) return false;
    } else {
        // No date part: a time alone.
        scan.Reset();
        if (!scan.Time(time) || !scan.AtEnd()) return false;
    }
    dt = date < 0 ? date - time : date + time;
    return true;
}

bool TryStrToDateTime(std::string_view s, TDateTime& dt) { return TryStrToDateTime(s, dt, FormatSettings); }

TDateTime StrToDateTime(std::string_view s) {
    TDateTime dt = 0;
    if (!TryStrToDateTime(s, dt)) RaiseConvert("date and time", s);
    return dt;
}

}  // namespace vcl
