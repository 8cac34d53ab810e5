// Float to decimal: the one conversion behind every float-to-text routine.
#pragma once

#include <string>

namespace vcl {

// The value is first converted exactly to 18 significant digits (ties to even), then cut to
// at most `precision` significant digits and at most `decimals` digits after the point,
// rounding half up on the decimal digits.
// Value = 0.Digits * 10^Exponent. Digits holds no trailing zeros; it is empty for a zero
// result (Exponent 0). Infinity and NaN give Exponent = kFloatRecSpecial with Digits "INF" or
// "NAN".
struct TFloatRec {
    static constexpr int kFloatRecSpecial = 0x7FFF;
    int Exponent = 0;
    bool Negative = false;   // the sign bit of the value (also for values cut to zero)
    std::string Digits;      // '0'..'9', at most 18
};
TFloatRec FloatToDecimal(double value, int precision = 18, int decimals = 9999);

}  // namespace vcl
