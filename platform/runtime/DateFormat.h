// Dates and times as text: FormatDateTime and the StrToDate family.
#pragma once

#include <string>
#include <string_view>

#include "platform/runtime/DateTime.h"
#include "platform/runtime/FormatSettings.h"

namespace vcl {

// FormatDateTime tokens: d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z
// zzz t tt am/pm a/p ampm c / : and quoted literals; an empty format is "c".
std::string FormatDateTime(std::string_view format, TDateTime dt);
std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& settings);
std::string DateToStr(TDateTime date);       // ShortDateFormat
std::string TimeToStr(TDateTime time);       // LongTimeFormat
std::string DateTimeToStr(TDateTime dt);     // "c"

// Parsing by ShortDateFormat's field order and DateSeparator; two-digit years use
// TwoDigitYearCenturyWindow around CurrentYear(). Failure: EConvertError "'<s>' is not a
// valid date" (time, date and time) / false.
TDateTime StrToDate(std::string_view s);
TDateTime StrToDate(std::string_view s, const TFormatSettings& settings);
bool TryStrToDate(std::string_view s, TDateTime& date);
bool TryStrToDate(std::string_view s, TDateTime& date, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view s);
bool TryStrToTime(std::string_view s, TDateTime& time);
bool TryStrToTime(std::string_view s, TDateTime& time, const TFormatSettings& settings);
TDateTime StrToDateTime(std::string_view s);
bool TryStrToDateTime(std::string_view s, TDateTime& dt);
bool TryStrToDateTime(std::string_view s, TDateTime& dt, const TFormatSettings& settings);

}  // namespace vcl
