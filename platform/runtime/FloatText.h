// Floats as text: FloatToStrF and friends, and the Str procedure of reals and integers.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>

#include "platform/runtime/FormatSettings.h"

namespace vcl {

enum TFloatFormat : std::uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
std::string FloatToStr(double value);  // FloatToStrF(value, ffGeneral, 15, 0)
std::string FloatToStr(double value, const TFormatSettings& settings);
std::string CurrToStr(double value);   // ffGeneral, 15 digits (no currency symbol)

// Str(x), Str(x:w), Str(x:w:d) and Write of reals: the exponent form with four exponent
// digits and a sign position, or the fixed form; the sign is kept for values cut to zero.
std::string Str(double x);
std::string Str(double x, int width);
std::string Str(double x, int width, int decimals);
// Str(i:w) of an integer: the decimal digits left-padded with blanks to the width.
std::string StrInteger(long long value, int width);
template <std::integral T>
std::string Str(T value, int width = 0) {
    return StrInteger(static_cast<long long>(value), width);
}

}  // namespace vcl
