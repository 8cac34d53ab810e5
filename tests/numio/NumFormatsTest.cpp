// The shared number routines: both state machines transition by transition, the exponent
// limit, digit parsers, formatters and the edit field's reading of texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include <string>

#include "numio/Zyn_NumIO.h"
#include "platform/SysUtils.h"

using namespace zyn;

namespace {

struct Scan {
    double value;
    int position;
};

Scan ScanText(const std::string& S, bool Exp = true, TSeparatorMode Mode = smPoint, int Start = 1) {
    int position = Start;
    const double value = ScanDecimalNumber(S, Exp, Mode, position);
    return {value, position};
}

class SeparatorFixture : public ::testing::Test {
protected:
    void TearDown() override { vcl::ResetFormatSettings(); }
};

}  // namespace

// ---- decimal machine: one test per state, covering each column of its row ---------------

TEST(DecimalScanner, StartState) {
    EXPECT_DOUBLE_EQ(ScanText(".5").value, 0.5);              // separator -> 4
    Scan blank = ScanText("  7");                              // blank -> 1
    EXPECT_DOUBLE_EQ(blank.value, 7.0);
    EXPECT_EQ(blank.position, 4);
    EXPECT_DOUBLE_EQ(ScanText("-3").value, -3.0);             // sign -> 2
    EXPECT_DOUBLE_EQ(ScanText("9").value, 9.0);               // digit -> 3
    Scan e = ScanText("e5");                                   // E -> error
    EXPECT_EQ(e.value, 0.0);
    EXPECT_EQ(e.position, 1);
    EXPECT_EQ(ScanText("x").value, 0.0);                      // other -> error
    EXPECT_EQ(ScanText("").position, 1);                      // end reads as "Z": error
}

TEST(DecimalScanner, AfterSign) {
    EXPECT_DOUBLE_EQ(ScanText("-.25").value, -0.25);          // separator -> 4
    EXPECT_EQ(ScanText("- 1").position, 2);                   // blank -> error
    EXPECT_EQ(ScanText("+-1").value, 0.0);                    // sign -> error
    EXPECT_DOUBLE_EQ(ScanText("+8").value, 8.0);              // digit -> 3
    EXPECT_EQ(ScanText("-e").value, 0.0);                     // E -> error
    Scan lone = ScanText("-");                                 // end -> error, after the sign
    EXPECT_EQ(lone.value, 0.0);
    EXPECT_EQ(lone.position, 2);
}

TEST(DecimalScanner, IntegerDigits) {
    Scan point = ScanText("12.5");
    EXPECT_DOUBLE_EQ(point.value, 12.5);
    EXPECT_EQ(point.position, 5);
    Scan blank = ScanText("12 3");
    EXPECT_DOUBLE_EQ(blank.value, 12.0);
    EXPECT_EQ(blank.position, 3);
    Scan sign = ScanText("12-3");
    EXPECT_DOUBLE_EQ(sign.value, 12.0);
    EXPECT_EQ(sign.position, 3);
    EXPECT_DOUBLE_EQ(ScanText("1e5").value, 100000.0);
    Scan noExp = ScanText("1e5", false);
    EXPECT_DOUBLE_EQ(noExp.value, 1.0);
    EXPECT_EQ(noExp.position, 2);
    Scan other = ScanText("12abc");
    EXPECT_DOUBLE_EQ(other.value, 12.0);
    EXPECT_EQ(other.position, 3);
}

TEST(DecimalScanner, AfterSeparator) {
    EXPECT_EQ(ScanText("1..2").value, 0.0);                   // separator -> error
    Scan blank = ScanText("1. ");
    EXPECT_DOUBLE_EQ(blank.value, 1.0);
    EXPECT_EQ(blank.position, 3);
    EXPECT_DOUBLE_EQ(ScanText("3.-").value, 3.0);             // sign -> 9
    EXPECT_DOUBLE_EQ(ScanText("1.5").value, 1.5);             // digit -> 5
    EXPECT_DOUBLE_EQ(ScanText("2.e2").value, 200.0);          // E -> 6
    EXPECT_DOUBLE_EQ(ScanText("2.e2", false).value, 2.0);     // E without exponent -> 9
    Scan end = ScanText("1.");
    EXPECT_DOUBLE_EQ(end.value, 1.0);
    EXPECT_EQ(end.position, 3);
}

TEST(DecimalScanner, Decimals) {
    EXPECT_EQ(ScanText("1.5.").value, 0.0);                   // separator -> error
    EXPECT_DOUBLE_EQ(ScanText("1.5 ").value, 1.5);            // blank -> 9
    EXPECT_DOUBLE_EQ(ScanText("1.5+").value, 1.5);            // sign -> 9
    EXPECT_DOUBLE_EQ(ScanText("1.25").value, 1.25);           // digit -> 5
    EXPECT_DOUBLE_EQ(ScanText("1.5e1").value, 15.0);          // E -> 6
    EXPECT_DOUBLE_EQ(ScanText("1.5x").value, 1.5);            // other -> 9
}

TEST(DecimalScanner, AfterExponentMark) {
    EXPECT_EQ(ScanText("1e.").value, 0.0);                    // separator -> error
    EXPECT_EQ(ScanText("1e 2").value, 0.0);                   // blank -> error
    EXPECT_DOUBLE_EQ(ScanText("1e-2").value, 0.01);           // sign -> 7
    EXPECT_DOUBLE_EQ(ScanText("1e2").value, 100.0);           // digit -> 8
    EXPECT_EQ(ScanText("1ee").value, 0.0);                    // E -> error
    Scan bare = ScanText("1e");                                // other/end -> 9
    EXPECT_DOUBLE_EQ(bare.value, 1.0);
    EXPECT_EQ(bare.position, 3);
}

TEST(DecimalScanner, AfterExponentSign) {
    EXPECT_EQ(ScanText("1e+.").value, 0.0);
    EXPECT_EQ(ScanText("1e+ ").value, 0.0);
    EXPECT_EQ(ScanText("1e+-").value, 0.0);
    EXPECT_DOUBLE_EQ(ScanText("1e+3").value, 1000.0);
    EXPECT_EQ(ScanText("1e+e").value, 0.0);
    Scan bare = ScanText("1e-");
    EXPECT_DOUBLE_EQ(bare.value, 1.0);
    EXPECT_EQ(bare.position, 4);
}

TEST(DecimalScanner, ExponentDigits) {
    for (const char* tail : {".", " ", "+", "e", "x"}) {
        Scan s = ScanText(std::string("1e2") + tail);
        EXPECT_DOUBLE_EQ(s.value, 100.0) << tail;
        EXPECT_EQ(s.position, 4) << tail;
    }
    EXPECT_DOUBLE_EQ(ScanText("1e12").value, 1e12);
}

TEST(DecimalScanner, SeparatorModes) {
    Scan comma = ScanText("12,5", true, smPoint);
    EXPECT_DOUBLE_EQ(comma.value, 12.0);
    EXPECT_EQ(comma.position, 3);
    EXPECT_DOUBLE_EQ(ScanText(",5", true, smPointOrComma).value, 0.5);
    EXPECT_DOUBLE_EQ(ScanText("2,5", true, smComma).value, 2.5);
    EXPECT_EQ(ScanText("2.5", true, smComma).position, 2);
}

TEST(DecimalScanner, ExponentLimit) {
    EXPECT_DOUBLE_EQ(ScanText("1e4201").value, uc_MaxDouble);      // read as 1e420
    EXPECT_EQ(ScanText("1e4201").position, 7);
    EXPECT_DOUBLE_EQ(ScanText("-1e4200").value, -uc_MaxDouble);
    EXPECT_EQ(ScanText("1e-4201").value, 0.0);
    EXPECT_EQ(ScanText("1e-4200").value, 0.0);
    EXPECT_DOUBLE_EQ(ScanText("0.001e3").value, 1.0);
    // 100,000 exponent digits and 10,000 mantissa digits are read without trouble.
    EXPECT_DOUBLE_EQ(ScanText("1e" + std::string(100000, '9')).value, uc_MaxDouble);
    EXPECT_DOUBLE_EQ(ScanText("1" + std::string(10000, '0')).value, uc_MaxDouble);
    EXPECT_EQ(ScanText("0." + std::string(10000, '0') + "1").value, 0.0);
}

TEST(DecimalScanner, PositionsCountCharactersAndStartAnywhere) {
    EXPECT_EQ(ScanText("12ü").position, 3);
    Scan mid = ScanText("ää 42", true, smPoint, 3);
    EXPECT_DOUBLE_EQ(mid.value, 42.0);
    EXPECT_EQ(mid.position, 6);
}

// ---- validators ----------------------------------------------------------------------------

TEST(Validators, FloatText) {
    EXPECT_FALSE(IsValidFloatText("", true, dpsPoint));
    EXPECT_TRUE(IsValidFloatText("12abc", true, dpsPoint));
    EXPECT_TRUE(IsValidFloatText("1e4200", true, dpsPoint));
    EXPECT_FALSE(IsValidFloatText("1e4201", true, dpsPoint));
    EXPECT_FALSE(IsValidFloatText("-", true, dpsPoint));
    EXPECT_TRUE(IsValidFloatText("1,5", true, dpsComma));
    EXPECT_FALSE(IsValidFloatText(",5", true, dpsPoint));
}

TEST(Validators, FixedTextEveryTransition) {
    const TDecPSep m = dpsPointOrComma;
    EXPECT_FALSE(IsValidFixedText("", m));
    // start: sign, separator, digit valid; other invalid
    EXPECT_TRUE(IsValidFixedText("-", m));
    EXPECT_TRUE(IsValidFixedText(".", m));
    EXPECT_TRUE(IsValidFixedText("7", m));
    EXPECT_FALSE(IsValidFixedText("x", m));
    // after sign
    EXPECT_FALSE(IsValidFixedText("+-1", m));
    EXPECT_TRUE(IsValidFixedText("-.5", m));
    EXPECT_TRUE(IsValidFixedText("-5", m));
    EXPECT_FALSE(IsValidFixedText("-x", m));
    // integer digits
    EXPECT_FALSE(IsValidFixedText("1-", m));
    EXPECT_TRUE(IsValidFixedText("3.", m));
    EXPECT_TRUE(IsValidFixedText("33", m));
    EXPECT_FALSE(IsValidFixedText("1e3", m));
    // after separator
    EXPECT_FALSE(IsValidFixedText("1.-", m));
    EXPECT_FALSE(IsValidFixedText("1.,", m));
    EXPECT_TRUE(IsValidFixedText("1,5", m));
    EXPECT_FALSE(IsValidFixedText("1.x", m));
    // decimals
    EXPECT_FALSE(IsValidFixedText("1.5-", m));
    EXPECT_FALSE(IsValidFixedText("1.2.3", m));
    EXPECT_TRUE(IsValidFixedText("1.55", m));
    EXPECT_FALSE(IsValidFixedText("1.5x", m));
    // a separator the mode does not allow is another character
    EXPECT_FALSE(IsValidFixedText("1,5", dpsPoint));
    EXPECT_FALSE(IsValidFixedText("1.5", dpsComma));
}

TEST_F(SeparatorFixture, SystemSeparatorPicksTheMode) {
    vcl::FormatSettings.DecimalSeparator = '.';
    EXPECT_EQ(SeparatorModeOf(dpsSystem), smPoint);
    EXPECT_TRUE(IsValidFixedText("1.5", dpsSystem));
    EXPECT_FALSE(IsValidFixedText("1,5", dpsSystem));
    vcl::FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(SeparatorModeOf(dpsSystem), smComma);
    EXPECT_TRUE(IsValidFixedText("1,5", dpsSystem));
    EXPECT_FALSE(IsValidFixedText("1.5", dpsSystem));
    EXPECT_TRUE(IsValidFloatText("1,5e3", true, dpsSystem));
}

TEST(Validators, IntAndDigitTexts) {
    EXPECT_FALSE(IsValidIntText("-"));
    EXPECT_FALSE(IsValidIntText(""));
    EXPECT_TRUE(IsValidIntText("-5"));
    EXPECT_TRUE(IsValidIntText("7"));
    EXPECT_FALSE(IsValidIntText("5-"));
    EXPECT_TRUE(IsValidHexText("09afAF"));
    EXPECT_FALSE(IsValidHexText("0g"));
    EXPECT_TRUE(IsValidOctText("0127"));
    EXPECT_FALSE(IsValidOctText("8"));
    EXPECT_TRUE(IsValidBinText("0110"));
    EXPECT_FALSE(IsValidBinText("012"));
    EXPECT_FALSE(IsValidBinText(""));
}

// ---- digit parsers ---------------------------------------------------------------------

TEST(DigitParsers, StopAtFirstForeignCharacter) {
    int p = 1;
    EXPECT_EQ(ParseDecInt("  -42x", p), -42);
    EXPECT_EQ(p, 6);
    p = 1;
    EXPECT_EQ(ParseHexDigits("$fF", p), 255);
    EXPECT_EQ(p, 4);
    p = 1;
    EXPECT_EQ(ParseOctDigits("178", p), 15);
    EXPECT_EQ(p, 3);
    p = 1;
    EXPECT_EQ(ParseBinDigits("1012", p), 5);
    EXPECT_EQ(p, 4);
    p = 1;
    EXPECT_EQ(ParseDecInt(" ", p), 0);   // the last character is not skipped
    EXPECT_EQ(p, 1);
}

TEST(DigitParsers, WrapModulo32Bits) {
    int p = 1;
    EXPECT_EQ(ParseHexDigits("FFFFFFFF", p), -1);
    p = 1;
    EXPECT_EQ(ParseDecInt("4294967297", p), 1);
    p = 1;
    EXPECT_EQ(ParseDecInt("2147483648", p), INT32_MIN);
    p = 1;
    EXPECT_EQ(ParseBinDigits(std::string(40, '1'), p), -1);
}

// ---- formatters ------------------------------------------------------------------------

TEST(Formatters, ExponentFormAndOverflow) {
    EXPECT_EQ(FormatReal(12, -2, 1234.5), " 1.23450E+03");
    EXPECT_EQ(FormatReal(12, -2, -0.00125), "-1.25000E-03");
    EXPECT_EQ(FormatReal(12, -2, 1e150), std::string(12, '*'));
    EXPECT_EQ(FormatReal(12, -2, 1e-100), std::string(12, '*'));
    EXPECT_EQ(FormatReal(14, -2, 1e99).size(), 14u);
    // Narrow widths keep one decimal.
    EXPECT_EQ(FormatReal(7, -2, 2.5), " 2.5E+00");
}

TEST(Formatters, FixedForm) {
    EXPECT_EQ(FormatReal(1, 2, 1.375), "1.38");   // an exact half rounds up
    EXPECT_EQ(FormatReal(1, 0, -7.0), "-7");
    EXPECT_EQ(FormatReal(6, 1, 2.25), "   2.3");
    EXPECT_EQ(FormatReal(1, 8, 0.1), "0.10000000");
}

TEST(Formatters, DigitsTwosComplementAndCaps) {
    EXPECT_EQ(FormatHex(255, 8), "000000FF");
    EXPECT_EQ(FormatHex(-1, 8), "FFFFFFFF");
    EXPECT_EQ(FormatHex(-2, 4), "FFFE");
    EXPECT_EQ(FormatHex(255, 20), "000000FF");
    EXPECT_EQ(FormatBin(5, 8), "00000101");
    EXPECT_EQ(FormatBin(-1, 40), std::string(32, '1'));
    EXPECT_EQ(FormatOct(8, 11), "00000000010");
    EXPECT_EQ(FormatOct(-1, 11), "37777777777");
    EXPECT_EQ(FormatOct(-1, 20).size(), 11u);
    EXPECT_EQ(FormatHex(1, 0), "");
    EXPECT_EQ(RoundToPattern(4294967295.0), -1);
    EXPECT_EQ(RoundToPattern(2.5), 2);
    EXPECT_EQ(RoundToPattern(1e300), 0);
    EXPECT_EQ(RoundToPattern(18446744073709555712.0), 4096);   // 2^64 + 2^12: low bits beyond 64 bits
    EXPECT_EQ(RoundToPattern(std::nan("")), 0);
}

// ---- the edit field's reading of texts -------------------------------------------------

TEST(ConvertNumText, CommonRules) {
    double v = 99;
    EXPECT_FALSE(ConvertNumText("", itExp, smPoint, v));
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(ConvertNumText("   ", itInt, smPoint, v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ConvertNumText("  12", itInt, smPoint, v));
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(ConvertNumText("1 2", itInt, smPoint, v));
    EXPECT_FALSE(ConvertNumText("12 ", itExp, smPoint, v));
}

TEST(ConvertNumText, DecimalFormats) {
    double v = 0;
    EXPECT_TRUE(ConvertNumText("1.5E", itExp, smPoint, v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_TRUE(ConvertNumText("2e-", itExp, smPoint, v));
    EXPECT_DOUBLE_EQ(v, 2);
    EXPECT_TRUE(ConvertNumText("2e-1", itExp, smPoint, v));
    EXPECT_DOUBLE_EQ(v, 0.2);
    EXPECT_FALSE(ConvertNumText("2e1", itFloat, smPoint, v));
    EXPECT_TRUE(ConvertNumText("-", itFloat, smPoint, v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ConvertNumText("3,25", itFixPoint, smComma, v));
    EXPECT_DOUBLE_EQ(v, 3.25);
    EXPECT_FALSE(ConvertNumText("3.25", itFixPoint, smComma, v));
    EXPECT_TRUE(ConvertNumText("-17", itInt, smPoint, v));
    EXPECT_EQ(v, -17);
    EXPECT_FALSE(ConvertNumText("1.5", itInt, smPoint, v));
}

TEST(ConvertNumText, DigitFormatsAndDynamicPrefixes) {
    double v = 0;
    EXPECT_TRUE(ConvertNumText("FF", itHex, smPoint, v));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(ConvertNumText("ffffffff", itHex, smPoint, v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(ConvertNumText("$FF", itHex, smPoint, v));
    EXPECT_FALSE(ConvertNumText("-1", itHex, smPoint, v));
    EXPECT_TRUE(ConvertNumText("17", itOct, smPoint, v));
    EXPECT_EQ(v, 15);
    EXPECT_FALSE(ConvertNumText("18", itOct, smPoint, v));
    EXPECT_TRUE(ConvertNumText("101", itBin, smPoint, v));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(ConvertNumText("102", itBin, smPoint, v));
    EXPECT_TRUE(ConvertNumText("$1f", itDynamic, smPoint, v));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(ConvertNumText("%11", itDynamic, smPoint, v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(ConvertNumText("&10", itDynamic, smPoint, v));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(ConvertNumText("$", itDynamic, smPoint, v));   // prefix being typed
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(ConvertNumText("$g", itDynamic, smPoint, v));
    EXPECT_TRUE(ConvertNumText("1.5e2", itDynamic, smPoint, v));
    EXPECT_DOUBLE_EQ(v, 150);
}

TEST(ConvertNumText, FormatEditValueRoundTrips) {
    for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
        const std::string text = FormatEditValue(f, 2, 77);
        double v = 0;
        EXPECT_TRUE(ConvertNumText(text, f, smPoint, v)) << text;
        EXPECT_DOUBLE_EQ(v, 77) << text;
    }
    EXPECT_EQ(FormatEditValue(itHex, 2, 255), "000000FF");
    EXPECT_EQ(FormatEditValue(itFixPoint, 3, 1.5), "1.500");
    // Fractions round to the nearest integer in the digit formats (2.5 alone cannot tell
    // rounding from truncation).
    EXPECT_EQ(FormatEditValue(itHex, 2, 254.6), "000000FF");
    EXPECT_EQ(FormatEditValue(itOct, 2, 254.6), "00000377");
    EXPECT_EQ(FormatEditValue(itBin, 2, 254.6), "11111111");
    EXPECT_EQ(FormatEditValue(itHex, 2, 254.4), "000000FE");
    EXPECT_EQ(FormatEditValue(itHex, 2, -0.6), "FFFFFFFF");
    EXPECT_EQ(FormatEditValue(itInt, 2, 254.6), "255");
}

TEST(ConvertNumText, EveryWrittenValueReadsBack) {
    const double values[] = {0, 1, -1, 254.6, 1e6, -2.5e9, 4294967295.0, 16777216, 1e15, 9.99999e35,
                             1e36, -1e40, 1e100, 1e150, -1e300, uc_MaxDouble, -uc_MaxDouble,
                             1e-5, 1.5e-150, 5e-324, std::numeric_limits<double>::infinity()};
    for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
        for (double x : values) {
            const std::string text = FormatEditValue(f, 2, x);
            double v = 0;
            ASSERT_TRUE(ConvertNumText(text, f, smPoint, v)) << f << " " << x << " " << text;
            const double want = std::clamp(x, -uc_MaxDouble, uc_MaxDouble);
            switch (f) {
            case itExp:
            case itDynamic: EXPECT_NEAR(v, want, 5e-6 * std::fabs(want) + 1e-300) << text; break;
            case itFloat: EXPECT_NEAR(v, want, 5e-9 + 1e-15 * std::fabs(want)) << text; break;
            case itFixPoint: EXPECT_NEAR(v, want, 5e-3 + 1e-15 * std::fabs(want)) << text; break;
            case itInt:
                EXPECT_EQ(v, std::clamp(std::nearbyint(want), -2147483648.0, 2147483647.0)) << text;
                break;
            default: EXPECT_EQ(v, RoundToPattern(want)) << f << " " << text; break;
            }
        }
    }
    // Fixed texts of 10^36 and more keep every digit; exponents of three digits are written out.
    EXPECT_EQ(FormatEditValue(itFloat, 2, 1e40), "10000000000000000303786028427003666890752.00000000");
    EXPECT_EQ(FormatEditValue(itExp, 2, 1e150), " 1.00000E+150");
    EXPECT_EQ(FormatEditValue(itExp, 2, -1.5e-150), "-1.50000E-150");
    EXPECT_EQ(FormatEditValue(itExp, 2, 1e99), " 1.00000E+99");
    EXPECT_EQ(FormatEditValue(itOct, 2, 16777215), "77777777");
    EXPECT_EQ(FormatEditValue(itOct, 2, 16777216), "100000000");
    EXPECT_EQ(FormatEditValue(itBin, 2, 256), "100000000");
}

TEST(ConvertNumText, IntegerTextsOutsideThirtyTwoBitsAreRefused) {
    double v = 0;
    EXPECT_FALSE(ConvertNumText("4294967297", itInt, smPoint, v));
    EXPECT_FALSE(ConvertNumText("2147483648", itInt, smPoint, v));
    EXPECT_FALSE(ConvertNumText("-2147483649", itInt, smPoint, v));
    EXPECT_FALSE(ConvertNumText(std::string(40, '9'), itInt, smPoint, v));
    EXPECT_TRUE(ConvertNumText("2147483647", itInt, smPoint, v));
    EXPECT_EQ(v, 2147483647.0);
    EXPECT_TRUE(ConvertNumText("-2147483648", itInt, smPoint, v));
    EXPECT_EQ(v, -2147483648.0);
    EXPECT_TRUE(ConvertNumText("+0000000000012", itInt, smPoint, v));
    EXPECT_EQ(v, 12.0);
    EXPECT_FALSE(ConvertNumText("100000000", itHex, smPoint, v));
    EXPECT_TRUE(ConvertNumText("000FFFFFFFF", itHex, smPoint, v));
    EXPECT_EQ(v, -1.0);
    EXPECT_TRUE(ConvertNumText("37777777777", itOct, smPoint, v));
    EXPECT_EQ(v, -1.0);
    EXPECT_FALSE(ConvertNumText("40000000000", itOct, smPoint, v));
    EXPECT_TRUE(ConvertNumText(std::string(32, '1'), itBin, smPoint, v));
    EXPECT_FALSE(ConvertNumText("1" + std::string(32, '0'), itBin, smPoint, v));
    EXPECT_FALSE(ConvertNumText("$1FFFFFFFF", itDynamic, smPoint, v));
}
