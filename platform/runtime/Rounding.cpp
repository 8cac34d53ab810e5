// Rounding and integer helpers: banker's Round, Trunc, Int, Frac, RoundTo, SimpleRoundTo,
// IntToStr, IntToHex and MulDiv.
#include "platform/runtime/Rounding.h"

#include <cmath>
#include <limits>

#include "platform/runtime/Exceptions.h"

namespace vcl {
namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

[[noreturn]] void RaiseInvalidOp() { throw EInvalidOp("Invalid floating point operation"); }

// Converts an already integral double to Int64, raising when it does not fit.
std::int64_t ToInt64Checked(double v) {
    if (!(v >= -kTwoTo63 && v < kTwoTo63)) RaiseInvalidOp();  // also catches NaN
    return static_cast<std::int64_t>(v);
}

// 10^digit as the 80-bit arithmetic of the framework computes it.
long double PowerOfTen(int digit) {
    long double r = 1.0L;
    for (int i = 0, n = digit < 0 ? -digit : digit; i < n; ++i) r *= 10.0L;
    return digit < 0 ? 1.0L / r : r;
}

}  // namespace

std::int64_t Round(double x) {
    // Exact halves go to the even neighbour: nearbyint in the default rounding mode.
    return ToInt64Checked(std::nearbyint(x));
}

std::int64_t Trunc(double x) { return ToInt64Checked(std::trunc(x)); }

double Int(double x) { return std::trunc(x); }

double Frac(double x) {
    if (std::isinf(x)) return std::numeric_limits<double>::quiet_NaN();
    return x - std::trunc(x);
}

double RoundTo(double x, int digit) {
    // Extended precision keeps x / 10^digit and the product as close as the framework's.
    const long double factor = PowerOfTen(digit);
    const long double scaled = std::nearbyint(static_cast<long double>(x) / factor);
    if (!(scaled >= -static_cast<long double>(kTwoTo63) && scaled < static_cast<long double>(kTwoTo63))) {
        RaiseInvalidOp();
    }
    return static_cast<double>(scaled * factor);
}

double SimpleRoundTo(double x, int digit) {
    const long double factor = PowerOfTen(digit);
    const long double scaled = static_cast<long double>(x) / factor;
    const long double cut = x < 0 ? std::trunc(scaled - 0.5L) : std::trunc(scaled + 0.5L);
    return static_cast<double>(cut * factor);
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

namespace {
std::string HexDigits(std::uint64_t value, int minDigits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char buf[16];
    int n = 0;
    do {
        buf[n++] = kHex[value & 0xF];
        value >>= 4;
    } while (value != 0);
    std::string s;
    if (minDigits > n) s.assign(minDigits - n, '0');
    while (n > 0) s.push_back(buf[--n]);
    return s;
}
}  // namespace

std::string IntToHex32(std::uint32_t value, int digits) { return HexDigits(value, digits); }

std::string IntToHex64(std::uint64_t value, int digits) { return HexDigits(value, digits); }

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    std::int64_t q = p / c;
    const std::int64_t r = p % c;
    // Halves (and more) round away from zero.
    if (2 * (r < 0 ? -r : r) >= (c < 0 ? -static_cast<std::int64_t>(c) : c)) {
        q += ((p < 0) != (c < 0)) ? -1 : 1;
    }
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(q);
}

}  // namespace vcl
