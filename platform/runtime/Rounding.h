// Rounding and integer helpers: banker's Round, Trunc, Int, Frac, RoundTo, integer text,
// hex text and MulDiv. Round/Trunc raise EInvalidOp when the result does not fit Int64.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>

namespace vcl {

std::int64_t Round(double x);          // nearest, exact halves to even
std::int64_t Trunc(double x);          // toward zero
double Int(double x);                  // toward zero, as a float
double Frac(double x);                 // x - Int(x), same sign as x
double RoundTo(double x, int digit);   // Round(x / 10^digit) * 10^digit, halves to even
double SimpleRoundTo(double x, int digit = -2);  // halves away from zero

std::string IntToStr(std::int64_t value);
std::string IntToHex32(std::uint32_t value, int digits);
std::string IntToHex64(std::uint64_t value, int digits);
// Upper-case hex, at least `digits` digits, never truncated; negative values of 32-bit
// types print as 8-digit two's complement, of 64-bit types as 16 digits.
template <std::integral T>
std::string IntToHex(T value, int digits = 0) {
    if constexpr (sizeof(T) <= 4) {
        return IntToHex32(static_cast<std::uint32_t>(value), digits);
    } else {
        return IntToHex64(static_cast<std::uint64_t>(value), digits);
    }
}
// a * b / c with a 64-bit intermediate, rounding half away from zero; -1 when c is 0 or the
// result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

}  // namespace vcl
