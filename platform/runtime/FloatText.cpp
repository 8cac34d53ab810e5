// Float-to-text formats built on FloatToDecimal: FloatToStrF's general, exponent, fixed,
// number and currency forms, and the Str/Write layout of reals.
#include "platform/runtime/FloatText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/runtime/FloatDecimal.h"
#include "platform/runtime/FormatSettings.h"

namespace vcl {
namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Exponent digits of |e|, zero-padded to at least `width`.
std::string ExponentDigits(int e, int width) {
    std::string s = std::to_string(std::abs(e));
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return s;
}

// Digit i of the record (0-based from the first significant digit), '0' beyond its digits.
char DigitAt(const TFloatRec& rec, long long i) {
    return i >= 0 && i < static_cast<long long>(rec.Digits.size()) ? rec.Digits[i] : '0';
}

std::string SpecialText(const TFloatRec& rec) {
    if (rec.Digits == "NAN") return "NAN";
    return rec.Negative ? "-INF" : "INF";
}

// Integer part of a non-zero record, with `thousands` inserted every three digits when not 0.
std::string IntegerPart(const TFloatRec& rec, char thousands) {
    if (rec.Exponent <= 0) return "0";
    std::string s;
    s.reserve(rec.Exponent + rec.Exponent / 3);
    for (int i = 0; i < rec.Exponent; ++i) {
        if (thousands != 0 && i > 0 && (rec.Exponent - i) % 3 == 0) s.push_back(thousands);
        s.push_back(DigitAt(rec, i));
    }
    return s;
}

// The `decimals` digits after the point (empty for 0 decimals) of a record.
std::string FractionPart(const TFloatRec& rec, int decimals) {
    std::string s;
    s.reserve(decimals);
    for (int i = 0; i < decimals; ++i) s.push_back(DigitAt(rec, static_cast<long long>(rec.Exponent) + i));
    return s;
}

// d[.ddd]E[-]x: the general form's scientific notation (no '+').
std::string GeneralScientific(const TFloatRec& rec, int expDigits, char decimal) {
    std::string s(1, rec.Digits[0]);
    if (rec.Digits.size() > 1) {
        s.push_back(decimal);
        s.append(rec.Digits, 1);
    }
    s.push_back('E');
    const int e = rec.Exponent - 1;
    if (e < 0) s.push_back('-');
    s += ExponentDigits(e, expDigits);
    return s;
}

std::string FormatGeneral(const TFloatRec& rec, int precision, int expDigits, char decimal) {
    if (rec.Digits.empty()) return "0";
    std::string s = rec.Negative ? "-" : "";
    if (rec.Exponent >= -3 && rec.Exponent <= precision) {
        s += IntegerPart(rec, 0);
        const int fraction = static_cast<int>(rec.Digits.size()) - rec.Exponent;
        if (fraction > 0) {
            s.push_back(decimal);
            s += FractionPart(rec, fraction);
        }
    } else {
        s += GeneralScientific(rec, expDigits, decimal);
    }
    return s;
}

std::string FormatExponent(const TFloatRec& rec, int precision, int expDigits, char decimal) {
    std::string s = !rec.Digits.empty() && rec.Negative ? "-" : "";
    s.push_back(DigitAt(rec, 0));
    if (precision > 1) {
        s.push_back(decimal);
        for (int i = 1; i < precision; ++i) s.push_back(DigitAt(rec, i));
    }
    const int e = rec.Digits.empty() ? 0 : rec.Exponent - 1;
    s.push_back('E');
    s.push_back(e < 0 ? '-' : '+');
    s += ExponentDigits(e, expDigits);
    return s;
}

// Unsigned fixed-point text of a record: integer part, then the decimals.
std::string FixedDigits(const TFloatRec& rec, int decimals, char decimal, char thousands) {
    std::string s = rec.Digits.empty() ? "0" : IntegerPart(rec, thousands);
    if (decimals > 0) {
        s.push_back(decimal);
        if (rec.Digits.empty()) {
            s.append(decimals, '0');
        } else {
            s += FractionPart(rec, decimals);
        }
    }
    return s;
}

// Places the number text and the currency symbol by CurrencyFormat / NegCurrFormat.
std::string CurrencyText(const std::string& number, bool negative, const TFormatSettings& fs) {
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
            case 1: return number + c;
            case 2: return c + " " + number;
            case 3: return number + " " + c;
            default: return c + number;
        }
    }
    const std::string& n = number;
    switch (fs.NegCurrFormat) {
        case 1: return "-" + c + n;
        case 2: return c + "-" + n;
        case 3: return c + n + "-";
        case 4: return "(" + n + c + ")";
        case 5: return "-" + n + c;
        case 6: return n + "-" + c;
        case 7: return n + c + "-";
        case 8: return "-" + n + " " + c;
        case 9: return "-" + c + " " + n;
        case 10: return n + " " + c + "-";
        case 11: return c + " " + n + "-";
        case 12: return c + " " + "-" + n;
        case 13: return n + "-" + " " + c;
        case 14: return "(" + c + " " + n + ")";
        case 15: return "(" + n + " " + c + ")";
        default: return "(" + c + n + ")";
    }
}

// Str's exponent form: sign position, d.ddd with n digits, 'E', sign, four exponent digits.
std::string StrExponent(double x, int width) {
    const int n = Clamp(width - 8, 2, 18);
    const TFloatRec rec = FloatToDecimal(x, n, 9999);
    std::string s(1, rec.Negative ? '-' : ' ');
    s.push_back(DigitAt(rec, 0));
    s.push_back('.');
    for (int i = 1; i < n; ++i) s.push_back(DigitAt(rec, i));
    const int e = rec.Digits.empty() ? 0 : rec.Exponent - 1;
    s.push_back('E');
    s.push_back(e < 0 ? '-' : '+');
    s += ExponentDigits(e, 4);
    return s;
}

std::string PadLeft(std::string s, int width) {
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    return s;
}

std::string StrSpecial(double x, int width) {
    std::string s = std::isnan(x) ? "Nan" : (std::signbit(x) ? "-Inf" : "+Inf");
    return PadLeft(std::move(s), width);
}

}  // namespace

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    precision = Clamp(precision, 2, 18);
    const char decimal = settings.DecimalSeparator;
    switch (format) {
        case ffExponent: {
            const TFloatRec rec = FloatToDecimal(value, precision, 9999);
            if (rec.Exponent == TFloatRec::kFloatRecSpecial) return SpecialText(rec);
            return FormatExponent(rec, precision, Clamp(digits, 0, 4), decimal);
        }
        case ffFixed:
        case ffNumber:
        case ffCurrency: {
            const int decimals = Clamp(digits, 0, 18);
            const TFloatRec rec = FloatToDecimal(value, precision, decimals);
            if (rec.Exponent == TFloatRec::kFloatRecSpecial) return SpecialText(rec);
            // Too many integer digits for the precision: fall back to the general form.
            if (rec.Exponent > precision) {
                return FormatGeneral(rec, precision, Clamp(digits, 0, 4), decimal);
            }
            const char thousands = format == ffFixed ? 0 : settings.ThousandSeparator;
            const std::string number = FixedDigits(rec, decimals, decimal, thousands);
            const bool negative = rec.Negative && !rec.Digits.empty();
            if (format == ffCurrency) return CurrencyText(number, negative, settings);
            return negative ? "-" + number : number;
        }
        case ffGeneral:
        default: {
            const TFloatRec rec = FloatToDecimal(value, precision, 9999);
            if (rec.Exponent == TFloatRec::kFloatRecSpecial) return SpecialText(rec);
            return FormatGeneral(rec, precision, Clamp(digits, 0, 4), decimal);
        }
    }
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings); }

std::string CurrToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

std::string Str(double x) { return Str(x, 23); }

std::string Str(double x, int width) {
    if (!std::isfinite(x)) return StrSpecial(x, width);
    return PadLeft(StrExponent(x, width), width);
}

std::string Str(double x, int width, int decimals) {
    if (decimals < 0) return Str(x, width);
    if (!std::isfinite(x)) return StrSpecial(x, width);
    if (std::fabs(x) >= 1e36) return Str(x, width);
    const TFloatRec rec = FloatToDecimal(x, 18, decimals);
    std::string s = FixedDigits(rec, decimals, '.', 0);
    if (rec.Negative) s.insert(0, 1, '-');
    return PadLeft(std::move(s), width);
}

std::string StrInteger(long long value, int width) { return PadLeft(std::to_string(value), width); }

}  // namespace vcl
