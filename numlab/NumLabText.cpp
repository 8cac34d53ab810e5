// The numeric label's texts, one per display type, without a canvas.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "numlab/Zyn_NumLab.h"
#include "platform/SysUtils.h"

namespace zyn {

namespace {

using vcl::Format;

// Whole numbers a double holds beyond this are printed in the runtime's general form.
constexpr double Int64Limit = 9.2e18;

// TDateTime of 0001-01-01 and of the end of 9999-12-31.
constexpr double FirstDate = -693593.0;
constexpr double EndOfLastDate = 2958466.0;

std::int64_t Pow10(int N) {
    std::int64_t p = 1;
    while (N-- > 0) p *= 10;
    return p;
}

// The rounded value (halves to even) with at least Digits digits; beyond the 64-bit
// integers, where every double is whole, its shortest general form ("1E30").
std::string IntegerText(double Value, int Digits) {
    if (std::fabs(Value) < Int64Limit) return Format("%*.*d", {1, Digits, vcl::Round(Value)});
    return vcl::FloatToStr(Value);
}

// The low 32 bits of the rounded value's two's complement.
std::uint32_t Pattern(double Value) {
    if (std::fabs(Value) < Int64Limit) return static_cast<std::uint32_t>(vcl::Round(Value));
    double low = std::fmod(Value, 4294967296.0);
    if (low < 0) low += 4294967296.0;
    return static_cast<std::uint32_t>(low);
}

// The digits of N in base 2^Bits, at least MinDigits of them.
std::string PatternText(std::uint32_t N, int Bits, int MinDigits) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[N & ((1u << Bits) - 1)]);
        N >>= Bits;
    } while (N != 0);
    if (int(digits.size()) < MinDigits) digits.insert(0, std::size_t(MinDigits) - digits.size(), '0');
    return digits;
}

std::string Padded(std::int64_t N, int Digits) { return Format("%.*d", {Digits, N}); }

// Degrees with minutes (Fields 2) or minutes and seconds (Fields 3), the last field with
// Decimals decimals, rounded half up; a carry passes into the field before. Values too large
// for the rounding in 64 bits are written as degrees.
std::string Sexagesimal(double Value, int Fields, int Decimals) {
    const std::int64_t fraction = Pow10(Decimals);
    const std::int64_t perLast = fraction;                 // units of the last field
    const std::int64_t perDegree = (Fields == 2 ? 60 : 3600) * fraction;
    const long double units = std::floor(std::fabs(static_cast<long double>(Value)) * perDegree + 0.5L);
    if (units > 9.0e18L) return Format("%*.*f", {1, Decimals, Value}) + "\u00B0";
    const auto total = static_cast<std::int64_t>(units);
    std::string s = total > 0 && Value < 0 ? "-" : "";
    s += std::to_string(total / perDegree) + "\u00B0";
    std::int64_t rest = total % perDegree;
    if (Fields == 3) {
        s += Padded(rest / (60 * perLast), 2) + "'";
        rest %= 60 * perLast;
    }
    s += Padded(rest / perLast, 2);
    if (Decimals > 0) s += "." + Padded(rest % perLast, Decimals);
    s += Fields == 2 ? "'" : "\"";
    return s;
}

// Engineering notation: a mantissa of 1 to below 1000 with Decimals decimals and the SI
// prefix of its power of 1000 (yocto to yotta; values beyond keep the last prefix).
std::string Engineering(double Value, int Decimals) {
    static constexpr std::array<const char*, 17> kPrefixes{
        "y", "z", "a", "f", "p", "n", "\u00B5", "m", "", "k", "M", "G", "T", "P", "E", "Z", "Y"};
    int exponent = 0;
    if (Value != 0) exponent = int(std::floor(std::log10(std::fabs(Value)) / 3)) * 3;
    exponent = std::clamp(exponent, -24, 24);
    const auto mantissa = [&](int e) { return Format("%*.*f", {1, Decimals, Value / std::pow(10.0, e)}); };
    std::string s = mantissa(exponent);
    // Rounding can reach 1000 (999.999 with two decimals): the next prefix then.
    const std::size_t digitsStart = s[0] == '-' ? 1 : 0;
    const std::size_t point = s.find('.');
    const std::size_t integerDigits = (point == std::string::npos ? s.size() : point) - digitsStart;
    if (integerDigits > 3 && exponent < 24) s = mantissa(exponent += 3);
    const char* prefix = kPrefixes[std::size_t((exponent + 24) / 3)];
    if (*prefix != 0) s += std::string(" ") + prefix;
    return s;
}

void ReplaceAll(std::string& S, char From, char To) {
    for (char& c : S)
        if (c == From) c = To;
}

}  // namespace

bool NumLabText(double Value, const TNumLabFormat& F, std::string& Text) {
    if (std::isnan(Value)) {
        Text = "NaN";
        return true;
    }
    if (std::isinf(Value)) {
        Text = Value > 0 ? "+Inf" : "-Inf";
        return true;
    }
    const int p = F.Precision;
    switch (F.Display) {
        case dtFloat: Text = Format("%*.*g", {1, p, Value}); break;
        case dtFixP: Text = Format("%*.*f", {1, p, Value}); break;
        case dtExp: Text = Format("%*.*e", {1, p, Value}); break;
        case dtInt: Text = IntegerText(Value, 0); break;
        case dtZeroInt: Text = IntegerText(Value, p); break;
        case dtHex: Text = PatternText(Pattern(Value), 4, p); break;
        case dtOct: Text = PatternText(Pattern(Value), 3, p); break;
        case dtBin: Text = PatternText(Pattern(Value), 1, p); break;
        case dtDateTime:
            if (!(Value >= FirstDate && Value < EndOfLastDate)) {
                Text.clear();
                return false;
            }
            Text = vcl::FormatDateTime(F.DTFormat, Value);
            break;
        case dtState: Text = F.StateText; break;
        case dtDeg: Text = Format("%*.*f", {1, p, Value}) + "\u00B0"; break;
        case dtDegMin: Text = Sexagesimal(Value, 2, p); break;
        case dtDegMinSec: Text = Sexagesimal(Value, 3, p); break;
        case dtEE: Text = Engineering(Value, p); break;
    }
    if (F.Display != dtHex && F.Display != dtDateTime && F.Display != dtState && F.Display != dtBin) {
        if (F.Comma) ReplaceAll(Text, '.', ',');
        else ReplaceAll(Text, ',', '.');
        if (F.ForcePlusSign && Value > 0) Text.insert(0, 1, '+');
    }
    return true;
}

}  // namespace zyn
