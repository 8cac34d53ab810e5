// Numbers from text: Val, StrToFloat and StrToInt with their Try and Def forms.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/runtime/FormatSettings.h"

namespace vcl {

// Val(s, x, code): the compiler's numeric parse with '.' as the decimal point. code = 0 on
// success, else the 1-based position of the first offending character.
void Val(std::string_view s, double& value, int& code);
void Val(std::string_view s, int& value, int& code);
void Val(std::string_view s, std::int64_t& value, int& code);

// Leading and trailing spaces, sign, digits, the settings' decimal separator, digits,
// optional exponent ("1E" reads as 1). Failure: EConvertError "'<s>' is not a valid floating
// point value" / false.
double StrToFloat(std::string_view s);
double StrToFloat(std::string_view s, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings);
double StrToFloatDef(std::string_view s, double defaultValue);

// Leading spaces, sign, decimal digits or '$'/'0x' hex; 32-bit range (hex up to $FFFFFFFF).
// Failure: EConvertError "'<s>' is not a valid integer value" / false.
int StrToInt(std::string_view s);
bool TryStrToInt(std::string_view s, int& value);
int StrToIntDef(std::string_view s, int defaultValue);
std::int64_t StrToInt64(std::string_view s);
bool TryStrToInt64(std::string_view s, std::int64_t& value);
std::int64_t StrToInt64Def(std::string_view s, std::int64_t defaultValue);

}  // namespace vcl
