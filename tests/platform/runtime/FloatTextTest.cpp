// The decimal conversion and every float-to-text routine built on it: the cases where a
// printf-based implementation gives different text.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/SysUtils.h"

using namespace vcl;

namespace {
class FloatText : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override { ResetFormatSettings(); }
};
}  // namespace

TEST_F(FloatText, DecimalConversionIsExactThenCutHalfUp) {
    // 0.1 is 0.1000000000000000055511...: 18 digits correctly rounded, then 15 cut.
    TFloatRec r = FloatToDecimal(0.1);
    EXPECT_EQ(r.Digits, "100000000000000006");
    EXPECT_EQ(r.Exponent, 0);
    r = FloatToDecimal(0.1, 15);
    EXPECT_EQ(r.Digits, "1");
    // Exact 19-digit values: the 18 digits round ties to even.
    r = FloatToDecimal(1.0 + std::ldexp(1.0, -18));      // 1.000003814697265625
    EXPECT_EQ(r.Digits, "100000381469726562");
    r = FloatToDecimal(1.0 + 3 * std::ldexp(1.0, -18));  // 1.000011444091796875
    EXPECT_EQ(r.Digits, "100001144409179688");
    r = FloatToDecimal(1.0 / 3.0);
    EXPECT_EQ(r.Digits, "333333333333333315");  // exact value 0.333333333333333314829...
    r = FloatToDecimal(0.1 + 0.2);
    EXPECT_EQ(r.Digits, "300000000000000044");
    // Smallest subnormal and largest finite value.
    r = FloatToDecimal(4.9406564584124654e-324);
    EXPECT_EQ(r.Digits, "494065645841246544");
    EXPECT_EQ(r.Exponent, -323);
    r = FloatToDecimal(std::numeric_limits<double>::max());
    EXPECT_EQ(r.Digits, "179769313486231571");
    EXPECT_EQ(r.Exponent, 309);
    // Cutting: 0.125 to two decimals rounds half up; 9.999 carries into a new digit.
    r = FloatToDecimal(0.125, 18, 2);
    EXPECT_EQ(r.Digits, "13");
    r = FloatToDecimal(9.999, 18, 2);
    EXPECT_EQ(r.Digits, "1");
    EXPECT_EQ(r.Exponent, 2);
    // A value cut to nothing keeps its sign bit but no digits.
    r = FloatToDecimal(-0.001, 18, 2);
    EXPECT_TRUE(r.Digits.empty());
    EXPECT_TRUE(r.Negative);
    r = FloatToDecimal(std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.Exponent, TFloatRec::kFloatRecSpecial);
}

TEST_F(FloatText, FloatToStrGeneralSwitchesAtTheDocumentedExponents) {
    const struct { double v; const char* expected; } cases[] = {
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {1.5E-7, "1.5E-7"},
        {1E15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {-0.0, "0"},
        {0.0, "0"},
        {-2.5, "-2.5"},
        {100, "100"},
        {1e100, "1E100"},
        {-1.25e-100, "-1.25E-100"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.v), c.expected) << c.v;
}

TEST_F(FloatText, FloatToStrFFormats) {
    const struct { double v; TFloatFormat f; int p, d; const char* expected; } cases[] = {
        {123456.789, ffFixed, 5, 2, "1.2346E05"},
        {-1234.5, ffExponent, 3, 3, "-1.23E+003"},
        {0.0, ffExponent, 3, 3, "0.00E+000"},
        {0.0, ffFixed, 15, 3, "0.000"},
        {0.0, ffGeneral, 15, 0, "0"},
        {1234.5, ffExponent, 5, 0, "1.2345E+3"},
        {0.000123, ffExponent, 2, 2, "1.2E-04"},
        {0.125, ffFixed, 15, 2, "0.13"},
        {2.5, ffFixed, 15, 0, "3"},
        {0.15, ffFixed, 15, 1, "0.1"},
        {1.005, ffFixed, 15, 2, "1.00"},
        {2.675, ffFixed, 15, 2, "2.67"},
        {-0.001, ffFixed, 15, 2, "0.00"},
        {-0.5, ffFixed, 15, 0, "-1"},
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-999.5, ffNumber, 15, 0, "-1,000"},
        {123.0, ffNumber, 15, 1, "123.0"},
        {1.5, ffGeneral, 1, 0, "1.5"},              // precision clamped to 2
        {12345.0, ffGeneral, 3, 2, "1.23E04"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToStrF(c.v, c.f, c.p, c.d), c.expected) << c.v << " fmt " << int(c.f);
    }
}

TEST_F(FloatText, SeparatorsComeFromTheSettings) {
    FormatSettings.DecimalSeparator = ',';
    FormatSettings.ThousandSeparator = '.';
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
    EXPECT_EQ(Format("%.1f|%e", {2.25, 1.5}), "2,3|1,50000000000000E+000");
    // Str always uses the point.
    EXPECT_EQ(Str(2.5, 0, 1), "2.5");
}

TEST_F(FloatText, StrLayouts) {
    const struct { double v; int w, d; const char* expected; } fixed[] = {
        {3.14159, 8, 2, "    3.14"}, {2.5, 0, 0, "3"},       {0.5, 0, 0, "1"},
        {-0.5, 0, 0, "-1"},         {9.999, 0, 2, "10.00"},  {-0.001, 0, 2, "-0.00"},
        {123.456, 0, 1, "123.5"},   {1E40, 0, 2, " 1.0E+0040"}, {-0.0, 0, 1, "-0.0"},
        {12345.678, 3, 1, "12345.7"}, {1e20, 0, 0, "100000000000000000000"},
    };
    for (const auto& c : fixed) EXPECT_EQ(Str(c.v, c.w, c.d), c.expected) << c.v;
    EXPECT_EQ(Str(1.5), " 1.50000000000000E+0000");
    EXPECT_EQ(Str(-1.5), "-1.50000000000000E+0000");
    EXPECT_EQ(Str(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(Str(1234.5, 12), " 1.235E+0003");
    EXPECT_EQ(Str(1.5, 0), " 1.5E+0000");
    EXPECT_EQ(Str(-1.5e-12, 16), "-1.5000000E-0012");
    EXPECT_EQ(Str(42, 5), "   42");
    EXPECT_EQ(Str(std::int64_t{-7}), "-7");
    EXPECT_EQ(Str(2.0, 0, 0), "2");
}

TEST_F(FloatText, FormatSpecifiers) {
    const struct { const char* fmt; std::initializer_list<TVarRec> args; const char* expected; } cases[] = {
        {"%.3d", {5}, "005"},
        {"%.3d", {-5}, "-005"},
        {"%d", {std::int64_t{-9000000000}}, "-9000000000"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%x", {255}, "FF"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {std::int64_t{-1}}, "FFFFFFFFFFFFFFFF"},
        {"%u", {-5}, "4294967291"},
        {"%.3e", {1234.5}, "1.23E+003"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.1e", {12.0}, "1.2E+001"},
        {"%e", {-0.0}, "0.00000000000000E+000"},
        {"%f", {1234.5678}, "1234.57"},
        {"%.0f", {2.5}, "3"},
        {"%.2f", {1E20}, "1E20"},
        {"%.2f", {0.125}, "0.13"},
        {"%.2f", {-0.001}, "0.00"},
        {"%.30f", {0.5}, "0.50"},  // a precision above 18 counts as none
        {"%g", {0.5}, "0.5"},
        {"%g", {1E20}, "1E020"},
        {"%g", {1.5E-7}, "1.5E-007"},
        {"%g", {0.0001}, "0.0001"},
        {"%.3g", {1234.5}, "1.23E003"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%m", {-12.5}, "($12.50)"},
        {"%s|%5s|%-5s|%.2s", {"abc", "ab", "ab", "abcdef"}, "abc|   ab|ab   |ab"},
        {"%4s|", {"äö"}, "  äö|"},
        {"%.1s", {"äö"}, "ä"},
        {"%s%s", {'x', std::string("yz")}, "xyz"},
        {"100%%", {}, "100%"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*.*f", {8, 2, 3.14159}, "    3.14"},
        {"%*.*d", {6, 3, 42}, "   042"},
        {"%*.*e", {12, 4, 1234.5}, "  1.235E+003"},
        {"%-6d|", {42}, "42    |"},
        {"%*.*g", {1, 4, 2.0 / 3.0}, "0.6667"},
        {"%*.*d", {1, 0, std::int64_t{123456789012}}, "123456789012"},
        {"%-*d|", {4, 7}, "7   |"},
        {"%*d|", {-4, 7}, "7   |"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.fmt, c.args), c.expected) << c.fmt;
}

TEST_F(FloatText, FormatRejectsMismatchedArgumentsAndBadSpecifiers) {
    EXPECT_THROW(Format("%d", {1.5}), EConvertError);
    EXPECT_THROW(Format("%f", {1}), EConvertError);
    EXPECT_THROW(Format("%s", {1}), EConvertError);
    EXPECT_THROW(Format("%*d", {"x", 1}), EConvertError);
    EXPECT_THROW(Format("%q", {1}), EConvertError);
    EXPECT_THROW(Format("abc%", {}), EConvertError);
    try {
        Format("%d %d", {1});
        FAIL() << "missing argument accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "No argument for format '%d %d'");
    }
    try {
        Format("%d", {"text"});
        FAIL() << "string accepted for %d";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

TEST_F(FloatText, EighteenDigitsAgreeWithAnExactReferenceOnRandomDoubles) {
    // glibc's printf is exact and rounds ties to even, so its 18 significant digits must equal
    // the first conversion step for every finite double.
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 3000; ++i) {
        const double v = std::bit_cast<double>(next());
        if (!std::isfinite(v) || v == 0) continue;
        char ref[64];
        std::snprintf(ref, sizeof ref, "%.17e", std::fabs(v));
        std::string refDigits = std::string(1, ref[0]) + std::string(ref + 2, 17);
        while (!refDigits.empty() && refDigits.back() == '0') refDigits.pop_back();
        const TFloatRec rec = FloatToDecimal(v);
        ASSERT_EQ(rec.Digits, refDigits) << ref;
        ASSERT_EQ(rec.Exponent - 1, std::atoi(std::strchr(ref, 'e') + 1)) << ref;
        // 17 significant digits always read back to the same double.
        ASSERT_EQ(StrToFloat(FloatToStrF(v, ffGeneral, 17, 0)), v) << ref;
    }
}
