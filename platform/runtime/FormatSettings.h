// Format settings: separators, currency, date and time patterns and names that the
// formatting and parsing functions use (US-English defaults).
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

struct TFormatSettings {
    std::string CurrencyString = "$";
    std::uint8_t CurrencyFormat = 0;   // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    std::uint8_t NegCurrFormat = 0;    // 0 "($1)", 1 "-$1", ... 15 "(1 $)" as the framework numbers them
    std::uint8_t CurrencyDecimals = 2;
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::string ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string LongMonthNames[12] = {"January", "February", "March",     "April",
                                      "May",     "June",     "July",      "August",
                                      "September", "October", "November", "December"};
    // Index 0 is Sunday, as DayOfWeek(d) - 1.
    std::string ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string LongDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                   "Thursday", "Friday", "Saturday"};
    int TwoDigitYearCenturyWindow = 50;

    static TFormatSettings Default() { return {}; }
};

// The settings every function without an explicit TFormatSettings argument uses.
extern TFormatSettings FormatSettings;
// Restores FormatSettings to the defaults above (tests call it in their fixtures).
void ResetFormatSettings();

}  // namespace vcl
