// Text to number: Val (the compiler's parse, '.' always), StrToFloat/TryStrToFloat (the
// settings' decimal separator, spaces around) and StrToInt/TryStrToInt.
//
// The grammar is checked here by hand; the decimal digits then go to std::from_chars, which
// is correctly rounded and does not depend on the C locale.
#include "platform/runtime/NumberParse.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FormatSettings.h"

namespace vcl {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The pieces of a scanned real number.
struct RealParts {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    bool expNegative = false;
    std::string_view expDigits;
};

enum class ParseResult { Ok, Overflow };

// Builds the value from the scanned pieces. Underflow gives zero.
ParseResult PartsToDouble(const RealParts& p, double& value) {
    std::string text;
    text.reserve(p.intDigits.size() + p.fracDigits.size() + p.expDigits.size() + 4);
    text += p.intDigits.empty() ? std::string_view("0") : p.intDigits;
    if (!p.fracDigits.empty()) {
        text.push_back('.');
        text += p.fracDigits;
    }
    // Clamp absurd exponents so that the text stays short; the result is already 0 or inf.
    long long exp = 0;
    for (char c : p.expDigits) {
        exp = exp * 10 + (c - '0');
        if (exp > 100000) break;
    }
    if (p.expNegative) exp = -exp;
    if (exp != 0) {
        text.push_back('e');
        text += std::to_string(exp);
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude.
        long long magnitude = exp;
        std::size_t lead = p.intDigits.find_first_not_of('0');
        if (lead != std::string_view::npos) {
            magnitude += static_cast<long long>(p.intDigits.size() - lead);
        } else {
            const std::size_t fracLead = p.fracDigits.find_first_not_of('0');
            if (fracLead == std::string_view::npos) {
                magnitude = -1;  // all zeros
            } else {
                magnitude -= static_cast<long long>(fracLead);
            }
        }
        if (magnitude > 0) return ParseResult::Overflow;
        v = 0.0;
    } else if (ec != std::errc() || std::isinf(v)) {
        return ParseResult::Overflow;
    }
    value = p.negative ? -v : v;
    return ParseResult::Ok;
}

std::string_view Digits(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    return s.substr(start, i - start);
}

bool TextToFloat(std::string_view s, double& value, char decimal) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    RealParts p;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.negative = s[i++] == '-';
    const std::size_t mantissaStart = i;
    p.intDigits = Digits(s, i);
    if (i < s.size() && s[i] == decimal) {
        ++i;
        p.fracDigits = Digits(s, i);
    }
    if (i == mantissaStart) return false;  // neither a digit nor the separator
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.expNegative = s[i++] == '-';
        p.expDigits = Digits(s, i);  // may be empty: "1E" reads as 1
    }
    while (i < s.size() && s[i] == ' ') ++i;
    if (i != s.size()) return false;
    return PartsToDouble(p, value) == ParseResult::Ok;
}

[[noreturn]] void RaiseNotFloat(std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
}

[[noreturn]] void RaiseNotInteger(std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

// The integer parse of Val: spaces, sign, decimal digits or '$'/'0x' hex digits. `limit`
// is the largest decimal magnitude allowed for a positive value (a negative one may be one
// more); hex digits may fill `hexBits` bits. Returns the error position (0 on success).
int ValInteger(std::string_view s, std::uint64_t limit, int hexBits, std::int64_t& value) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const std::size_t digitsStart = i;
    std::uint64_t magnitude = 0;
    if (hex) {
        const std::uint64_t hexMax = hexBits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << hexBits) - 1;
        for (; i < s.size(); ++i) {
            const char c = s[i];
            int d;
            if (IsDigit(c)) d = c - '0';
            else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
            else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
            else break;
            if (magnitude > (hexMax >> 4)) return static_cast<int>(i + 1);
            magnitude = (magnitude << 4) | static_cast<unsigned>(d);
        }
    } else {
        const std::uint64_t max = negative ? limit + 1 : limit;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            const unsigned d = static_cast<unsigned>(s[i] - '0');
            if (magnitude > (max - d) / 10) return static_cast<int>(i + 1);
            magnitude = magnitude * 10 + d;
        }
    }
    if (i == digitsStart || i != s.size()) return static_cast<int>(i + 1);
    if (hex && hexBits == 32) {
        // Hex fills the 32 bits: $FFFFFFFF is -1.
        const auto bits32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        value = negative ? -static_cast<std::int64_t>(bits32) : bits32;
    } else {
        const auto bits = static_cast<std::int64_t>(magnitude);
        value = negative ? static_cast<std::int64_t>(0 - magnitude) : bits;
    }
    return 0;
}

}  // namespace

void Val(std::string_view s, double& value, int& code) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) {
        code = static_cast<int>(i + 1);
        return;
    }
    RealParts p;
    if (s[i] == '+' || s[i] == '-') p.negative = s[i++] == '-';
    p.intDigits = Digits(s, i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        p.fracDigits = Digits(s, i);
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.expNegative = s[i++] == '-';
        p.expDigits = Digits(s, i);
        if (p.expDigits.empty()) {
            code = static_cast<int>(i + 1);
            return;
        }
    }
    if (i != s.size()) {
        code = static_cast<int>(i + 1);
        return;
    }
    double v = 0;
    if (PartsToDouble(p, v) != ParseResult::Ok) {
        code = static_cast<int>(s.size() + 1);
        return;
    }
    value = v;
    code = 0;
}

void Val(std::string_view s, std::int64_t& value, int& code) {
    std::int64_t v = 0;
    code = ValInteger(s, std::numeric_limits<std::int64_t>::max(), 64, v);
    if (code == 0) value = v;
}

void Val(std::string_view s, int& value, int& code) {
    std::int64_t v = 0;
    code = ValInteger(s, std::numeric_limits<std::int32_t>::max(), 32, v);
    if (code == 0) value = static_cast<int>(v);
}

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings) {
    return TextToFloat(s, value, settings.DecimalSeparator);
}

bool TryStrToFloat(std::string_view s, double& value) { return TryStrToFloat(s, value, FormatSettings); }

double StrToFloat(std::string_view s, const TFormatSettings& settings) {
    double v = 0;
    if (!TryStrToFloat(s, v, settings)) RaiseNotFloat(s);
    return v;
}

double StrToFloat(std::string_view s) { return StrToFloat(s, FormatSettings); }

double StrToFloatDef(std::string_view s, double defaultValue) {
    double v = 0;
    return TryStrToFloat(s, v) ? v : defaultValue;
}

bool TryStrToInt(std::string_view s, int& value) {
    int code = 0;
    int v = 0;
    Val(s, v, code);
    if (code != 0) return false;
    value = v;
    return true;
}

int StrToInt(std::string_view s) {
    int v = 0;
    if (!TryStrToInt(s, v)) RaiseNotInteger(s);
    return v;
}

int StrToIntDef(std::string_view s, int defaultValue) {
    int v = 0;
    return TryStrToInt(s, v) ? v : defaultValue;
}

bool TryStrToInt64(std::string_view s, std::int64_t& value) {
    int code = 0;
    std::int64_t v = 0;
    Val(s, v, code);
    if (code != 0) return false;
    value = v;
    return true;
}

std::int64_t StrToInt64(std::string_view s) {
    std::int64_t v = 0;
    if (!TryStrToInt64(s, v)) RaiseNotInteger(s);
    return v;
}

std::int64_t StrToInt64Def(std::string_view s, std::int64_t defaultValue) {
    std::int64_t v = 0;
    return TryStrToInt64(s, v) ? v : defaultValue;
}

}  // namespace vcl
