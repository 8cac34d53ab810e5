// The shared number routines: decimal scanner, validators, digit parsers, formatters and
// the edit field's reading and writing of a text in each format.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "numio/Zyn_NumIO.h"
#include "platform/SysUtils.h"

namespace zyn {

namespace {

// ---- the decimal state machine ----------------------------------------------------------

enum CharClass : std::uint8_t { ccSeparator, ccBlank, ccSign, ccDigit, ccE, ccOther };

constexpr signed char kError = -1;
constexpr signed char kDone = 9;
constexpr signed char kExpOrDone = 0;   // "6 if an exponent is allowed, else 9"

// Next state by [state - 1][character class]. States: 1 start, 2 after sign, 3 integer
// digits, 4 after separator, 5 decimals, 6 after E, 7 after exponent sign, 8 exponent
// digits, 9 done, -1 error.
constexpr signed char kDecimalTable[8][6] = {
    {4, 1, 2, 3, kError, kError},
    {4, kError, kError, 3, kError, kError},
    {4, kDone, kDone, 3, kExpOrDone, kDone},
    {kError, kDone, kDone, 5, kExpOrDone, kDone},
    {kError, kDone, kDone, 5, kExpOrDone, kDone},
    {kError, kError, 7, 8, kError, kDone},
    {kError, kError, kError, 8, kError, kDone},
    {kDone, kDone, kDone, 8, kDone, kDone},
};

CharClass Classify(char C, TSeparatorMode Mode) {
    switch (C) {
        case '.': return Mode != smComma ? ccSeparator : ccOther;
        case ',': return Mode != smPoint ? ccSeparator : ccOther;
        case ' ': return ccBlank;
        case '+': case '-': return ccSign;
        case 'E': case 'e': return ccE;
        default: return C >= '0' && C <= '9' ? ccDigit : ccOther;
    }
}

// Exponent texts are read saturating, so that any number of digits is harmless.
constexpr int kExponentSaturation = 1000000;

struct DecimalRun {
    int state = 1;
    std::size_t endByte = 0;   // byte index of the character that ended the run
};

// Runs the decimal machine from byte Start. With Number, the accepted characters are
// collected there (commas as points, blanks left out) and exponent digits beyond the limit
// are dropped; without it, an exponent beyond the limit ends the run in the error state.
// Every character other than ASCII is of class Other, so the run never passes one: all
// characters it consumed are single bytes.
DecimalRun RunDecimalMachine(std::string_view S, std::size_t Start, bool AllowExponent,
                             TSeparatorMode Mode, std::string* Number) {
    DecimalRun run;
    int exponent = 0;
    std::size_t i = Start;
    for (;;) {
        const char c = i < S.size() ? S[i] : 'Z';
        ++i;
        const CharClass cls = Classify(c, Mode);
        const int previous = run.state;
        int next = kDecimalTable[previous - 1][cls];
        if (next == kExpOrDone) next = AllowExponent ? 6 : kDone;
        run.state = next;
        if (next == kDone || next == kError) break;
        if (next == 8) {
            const int digit = c - '0';
            exponent = previous == 8 ? std::min(exponent * 10 + digit, kExponentSaturation) : digit;
            if (exponent > MaxDecimalExponent) {
                if (Number == nullptr) {
                    run.state = kError;
                    break;
                }
                continue;   // not appended; scanning goes on
            }
        }
        if (Number != nullptr && cls != ccBlank) Number->push_back(c == ',' ? '.' : c);
    }
    run.endByte = i - 1;
    return run;
}

// Magnitude side of a number text that does not fit a double: true when it is too large
// (rather than too small). The text is sign, digits, point, digits, E, sign, digits.
bool IsOverflow(std::string_view Mantissa, int Exponent) {
    int firstDigit = -1, point = -1;
    for (int k = 0; k < int(Mantissa.size()); ++k) {
        const char c = Mantissa[k];
        if (c == '.') point = k;
        else if (c >= '1' && c <= '9' && firstDigit < 0) firstDigit = k;
    }
    if (firstDigit < 0) return false;
    if (point < 0) point = int(Mantissa.size());
    // Decimal position of the first significant digit (1 for 1..9, 0 for 0.1..0.9).
    const long long position = firstDigit < point ? point - firstDigit : point - firstDigit + 1;
    return position + Exponent > 0;
}

// The value of a number text collected by the scanner.
double NumberTextValue(std::string& Number) {
    // An exponent mark without digits reads as the number before it.
    const std::size_t mark = Number.find_first_of("Ee");
    if (mark != std::string::npos && mark + 1 < Number.size() &&
        (Number[mark + 1] == '+' || Number[mark + 1] == '-') && mark + 2 == Number.size()) {
        Number.resize(mark);
    } else if (mark != std::string::npos && mark + 1 == Number.size()) {
        Number.resize(mark);
    }
    std::size_t mantissaEnd = std::min(Number.find_first_of("Ee"), Number.size());
    // A mantissa ending with the point ("1.", ".", "-.") gets a zero decimal.
    if (mantissaEnd > 0 && Number[mantissaEnd - 1] == '.') {
        Number.insert(mantissaEnd, 1, '0');
        ++mantissaEnd;
    }
    std::size_t begin = 0;
    bool negative = false;
    if (!Number.empty() && (Number[0] == '+' || Number[0] == '-')) {
        negative = Number[0] == '-';
        begin = 1;
    }
    double value = 0.0;
    const char* first = Number.data() + begin;
    const char* last = Number.data() + Number.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        int exponent = 0;
        if (mantissaEnd < Number.size()) {
            // At most MaxDecimalExponent in magnitude, so this fits an int.
            std::from_chars(Number.data() + mantissaEnd + 1 + (Number[mantissaEnd + 1] == '+'),
                            last, exponent);
        }
        value = IsOverflow(std::string_view(first, Number.data() + mantissaEnd - first), exponent)
                    ? uc_MaxDouble : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    if (negative) value = -value;
    return std::clamp(value, -uc_MaxDouble, uc_MaxDouble);
}

// Byte offset of the 1-based character Position (the size when past the end).
std::size_t ByteOfPosition(std::string_view S, int Position) {
    if (Position <= 1) return 0;
    return vcl::Utf8ByteOffset(S, std::size_t(Position - 1));
}

// ---- digits -----------------------------------------------------------------------------

int DigitValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    return 99;
}

template <int Base>
bool AllDigitsOf(std::string_view S) {
    if (S.empty()) return false;
    return std::all_of(S.begin(), S.end(), [](char c) { return DigitValue(c) < Base; });
}

// Shared body of the digit parsers. Sign: accept "+"/"-" (decimal); Dollar: skip a "$"
// that is the text's first character.
template <int Base, bool Sign, bool Dollar>
std::int32_t ParseDigits(std::string_view S, int& Position) {
    if (Position < 1) Position = 1;
    const std::size_t start = ByteOfPosition(S, Position);
    std::size_t i = start;
    while (i + 1 < S.size() && S[i] == ' ') ++i;
    bool negative = false;
    if constexpr (Sign) {
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) {
            negative = S[i] == '-';
            ++i;
        }
    }
    if constexpr (Dollar) {
        if (i == 0 && i < S.size() && S[i] == '$') ++i;
    }
    std::uint32_t value = 0;
    while (i < S.size()) {
        const int d = DigitValue(S[i]);
        if (d >= Base) break;
        value = value * Base + std::uint32_t(d);
        ++i;
    }
    Position += int(i - start);
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

template <int Bits, int MaxDigits>
std::string FormatDigits(std::int32_t N, int Digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::uint32_t u = static_cast<std::uint32_t>(N);
    const int count = std::clamp(Digits, 0, MaxDigits);
    std::string s(std::size_t(count), '0');
    for (int k = 0; k < count; ++k) {
        const int shift = Bits * (count - 1 - k);
        if (shift < 32) s[std::size_t(k)] = kDigits[(u >> shift) & ((1u << Bits) - 1)];
    }
    return s;
}

}  // namespace

TSeparatorMode SeparatorModeOf(TDecPSep DecPSep) {
    switch (DecPSep) {
        case dpsPoint: return smPoint;
        case dpsComma: return smComma;
        case dpsPointOrComma: return smPointOrComma;
        case dpsSystem:
        default: return vcl::FormatSettings.DecimalSeparator == ',' ? smComma : smPoint;
    }
}

double ScanDecimalNumber(std::string_view S, bool AllowExponent, TSeparatorMode SeparatorMode,
                         int& Position) {
    if (Position < 1) Position = 1;
    const std::size_t start = ByteOfPosition(S, Position);
    std::string number;
    const DecimalRun run = RunDecimalMachine(S, start, AllowExponent, SeparatorMode, &number);
    // Characters consumed are single bytes, so bytes and characters advance together.
    Position += int(run.endByte - start);
    if (run.state != kDone || number.empty()) return 0.0;
    return NumberTextValue(number);
}

bool IsValidFloatText(std::string_view S, bool AllowExponent, TDecPSep DecPSep) {
    if (S.empty()) return false;
    return RunDecimalMachine(S, 0, AllowExponent, SeparatorModeOf(DecPSep), nullptr).state == kDone;
}

bool IsValidFixedText(std::string_view S, TDecPSep DecPSep) {
    if (S.empty()) return false;
    enum { Start, AfterSign, IntDigits, AfterSeparator, Decimals, Invalid };
    const TSeparatorMode mode = SeparatorModeOf(DecPSep);
    int state = Start;
    for (const char c : S) {
        const CharClass cls = Classify(c, mode);
        switch (cls) {
            case ccSign: state = state == Start ? AfterSign : Invalid; break;
            case ccSeparator:
                state = state <= IntDigits ? AfterSeparator : Invalid;
                break;
            case ccDigit: state = state <= IntDigits ? IntDigits : Decimals; break;
            default: state = Invalid; break;
        }
        if (state == Invalid) return false;
    }
    return true;
}

bool IsValidIntText(std::string_view S) {
    if (S.empty()) return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (S.size() == 1) return isDigit(S[0]);
    if (!(isDigit(S[0]) || S[0] == '+' || S[0] == '-')) return false;
    return std::all_of(S.begin() + 1, S.end(), isDigit);
}

bool IsValidHexText(std::string_view S) { return AllDigitsOf<16>(S); }
bool IsValidOctText(std::string_view S) { return AllDigitsOf<8>(S); }
bool IsValidBinText(std::string_view S) { return AllDigitsOf<2>(S); }

std::int32_t ParseDecInt(std::string_view S, int& Position) { return ParseDigits<10, true, false>(S, Position); }
std::int32_t ParseHexDigits(std::string_view S, int& Position) { return ParseDigits<16, false, true>(S, Position); }
std::int32_t ParseOctDigits(std::string_view S, int& Position) { return ParseDigits<8, false, false>(S, Position); }
std::int32_t ParseBinDigits(std::string_view S, int& Position) { return ParseDigits<2, false, false>(S, Position); }

std::string FormatReal(int Width, int Decimals, double X) {
    if (Decimals >= 0) return vcl::Str(X, Width, Decimals);
    // The runtime writes four exponent digits; two are shown. Below width 10 the runtime
    // still keeps one decimal, so the text is then longer than Width.
    std::string s = vcl::Str(X, Width + 2);
    const std::size_t mark = s.rfind('E');
    if (mark == std::string::npos || mark + 6 != s.size()) return s;   // Nan, Inf
    const bool fits = s[mark + 2] == '0' && s[mark + 3] == '0';
    s.erase(mark + 2, 2);
    if (!fits) s.assign(std::size_t(std::max(Width, 0)), '*');
    return s;
}

std::string FormatHex(std::int32_t N, int Digits) { return FormatDigits<4, 8>(N, Digits); }
std::string FormatOct(std::int32_t N, int Digits) { return FormatDigits<3, 11>(N, Digits); }
std::string FormatBin(std::int32_t N, int Digits) { return FormatDigits<1, 32>(N, Digits); }

std::int32_t RoundToPattern(double X) {
    if (!std::isfinite(X)) return 0;
    if (std::fabs(X) < 9.2e18) return static_cast<std::int32_t>(static_cast<std::uint32_t>(vcl::Round(X)));
    // Beyond the 64-bit range a double is a whole number; its low 32 bits are exact.
    double low = std::fmod(X, 4294967296.0);
    if (low < 0) low += 4294967296.0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
}

// ---- the edit field's reading and writing -----------------------------------------------

namespace {

// Whether digits of Base (2, 8 or 16) hold at most 32 significant bits.
template <int Base>
bool FitsThirtyTwoBits(std::string_view S) {
    constexpr int bitsPerDigit = Base == 2 ? 1 : Base == 8 ? 3 : 4;
    const std::size_t first = S.find_first_not_of('0');
    if (first == std::string_view::npos) return true;
    const int lead = DigitValue(S[first]);
    const int leadBits = lead >= 8 ? 4 : lead >= 4 ? 3 : lead >= 2 ? 2 : 1;
    return leadBits + bitsPerDigit * (S.size() - first - 1) <= 32;
}

// Whether a decimal integer text (sign, then digits only) lies in the signed 32-bit range.
bool FitsInt32(std::string_view S) {
    std::size_t i = 0;
    const bool negative = !S.empty() && S[0] == '-';
    if (!S.empty() && (S[0] == '+' || S[0] == '-')) i = 1;
    long long v = 0;
    for (; i < S.size(); ++i) {
        v = v * 10 + (S[i] - '0');
        if (v > 2147483648LL) return false;
    }
    return negative ? v <= 2147483648LL : v <= 2147483647LL;
}

// Digits of one base only, read as a 32-bit pattern; an empty text reads 0. A text with more
// significant bits than the pattern holds is refused.
template <int Base>
bool ConvertDigits(std::string_view S, double& Value) {
    if (S.empty()) return true;
    if (!AllDigitsOf<Base>(S) || !FitsThirtyTwoBits<Base>(S)) return false;
    int position = 1;
    // The "$" skipping of the hexadecimal parser is not wanted here: the prefix was taken.
    Value = ParseDigits<Base, false, false>(S, position);
    return position == int(S.size()) + 1;
}

}  // namespace

bool ConvertNumText(std::string_view S, TInFormat Format, TSeparatorMode Mode, double& Value) {
    if (S.empty()) return false;
    Value = 0.0;
    const std::size_t first = S.find_first_not_of(' ');
    if (first == std::string_view::npos) return true;   // only blanks: 0
    std::string text(S.substr(first));
    if (text.find(' ') != std::string::npos) return false;
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));

    std::string_view body = text;
    if (Format == itDynamic) {
        switch (text[0]) {
            case '$': Format = itHex; body.remove_prefix(1); break;
            case '%': Format = itBin; body.remove_prefix(1); break;
            case '&': Format = itOct; body.remove_prefix(1); break;
            default: Format = itExp; break;
        }
    }
    switch (Format) {
        case itExp: {
            if (body.ends_with('e')) body.remove_suffix(1);
            else if (body.size() >= 2 && body[body.size() - 2] == 'e' &&
                     (body.back() == '+' || body.back() == '-'))
                body.remove_suffix(2);
            int position = 1;
            Value = ScanDecimalNumber(body, true, Mode, position);
            return position == int(body.size()) + 1;
        }
        case itFloat:
        case itFixPoint: {
            int position = 1;
            Value = ScanDecimalNumber(body, false, Mode, position);
            return position == int(body.size()) + 1;
        }
        case itInt: {
            int position = 1;
            Value = ParseDecInt(body, position);
            // The digit parser wraps modulo 2^32; a number outside the 32-bit range is
            // refused instead of being read as its wrapped value.
            return position == int(body.size()) + 1 && FitsInt32(body);
        }
        case itHex: return ConvertDigits<16>(body, Value);
        case itOct: return ConvertDigits<8>(body, Value);
        case itBin: return ConvertDigits<2>(body, Value);
        default: return false;
    }
}

namespace {

// The fixed form of FormatReal(1, Decimals, X), also for X of 10^36 and above, where the
// runtime's conversion switches to the exponent form that a field without exponents cannot
// read: there every digit is written (a double that large is a whole number).
std::string FixedText(int Decimals, double X) {
    if (std::fabs(X) < 1e36) return FormatReal(1, Decimals, X);
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, X, std::chars_format::fixed, Decimals);
    return ec == std::errc() ? std::string(buf, end) : FormatReal(1, Decimals, X);
}

// At least MinDigits digits of the 32-bit pattern N, more when its set bits need them.
template <int Bits, int MaxDigits>
std::string PatternText(std::int32_t N, int MinDigits) {
    const std::uint32_t u = static_cast<std::uint32_t>(N);
    const int used = u == 0 ? 0 : 32 - std::countl_zero(u);
    const int digits = std::clamp((used + Bits - 1) / Bits, MinDigits, MaxDigits);
    return FormatDigits<Bits, MaxDigits>(N, digits);
}

}  // namespace

std::string ExponentText(int Width, double X) {
    std::string s = FormatReal(Width, -2, X);
    if (s.find('*') == std::string::npos) return s;
    s = vcl::Str(X, Width + 2);
    const std::size_t mark = s.rfind('E');
    // Four exponent digits: drop the leading zero of a three-digit exponent.
    if (mark != std::string::npos && mark + 6 == s.size() && s[mark + 2] == '0') s.erase(mark + 2, 1);
    return s;
}

std::string FormatEditValue(TInFormat Format, int FixDecimals, double Value) {
    // Every text written here reads back through ConvertNumText in the same format. A value
    // beyond the largest double the scanner reads is written as that largest value, a NaN
    // as 0.
    if (std::isnan(Value)) Value = 0.0;
    Value = std::clamp(Value, -uc_MaxDouble, uc_MaxDouble);
    switch (Format) {
        case itFloat: return FixedText(8, Value);
        case itFixPoint: return FixedText(FixDecimals, Value);
        // The field holds 32-bit integers: a value beyond them is written as the nearest one.
        case itInt: return FormatReal(1, 0, std::clamp(Value, -2147483648.0, 2147483647.0));
        // The digit formats show the value's 32-bit two's complement pattern, with eight
        // digits as long as they hold it and as many as it needs otherwise (octal and binary).
        case itHex: return FormatHex(RoundToPattern(Value), 8);
        case itOct: return PatternText<3, 11>(RoundToPattern(Value), 8);
        case itBin: return PatternText<1, 32>(RoundToPattern(Value), 8);
        case itExp:
        case itDynamic:
        default: return ExponentText(12, Value);
    }
}

}  // namespace zyn
