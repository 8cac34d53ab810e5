// The numeric label's text of every display type, without a canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numlab/Zyn_NumLab.h"
#include "platform/SysUtils.h"

using namespace zyn;

namespace {

std::string Text(TDisplay Display, double Value, int Precision = 2, bool Comma = false, bool Plus = false) {
    TNumLabFormat f;
    f.Display = Display;
    f.Precision = Precision;
    f.DTFormat = "yyyy-mm-dd";
    f.StateText = "idle";
    f.Comma = Comma;
    f.ForcePlusSign = Plus;
    std::string s = "unchanged";
    if (!NumLabText(Value, f, s)) return "(none)";
    return s;
}

}  // namespace

TEST(NumLabText, FixedPointWithCommaAndSign) {
    EXPECT_EQ(Text(dtFixP, 3.14159), "3.14");
    EXPECT_EQ(Text(dtFixP, 3.14159, 2, true), "3,14");
    EXPECT_EQ(Text(dtFixP, 3.14159, 2, false, true), "+3.14");
    EXPECT_EQ(Text(dtFixP, -2, 2, false, true), "-2.00");
    EXPECT_EQ(Text(dtFixP, 0, 2, false, true), "0.00");
    EXPECT_EQ(Text(dtFixP, 0.125, 2), "0.13");   // decimal halves round up
}

TEST(NumLabText, GeneralAndExponentForms) {
    EXPECT_EQ(Text(dtFloat, 1234.5678, 4), "1235");
    EXPECT_EQ(Text(dtFloat, 0.5, 4), "0.5");
    EXPECT_EQ(Text(dtFloat, 1e20, 4), "1E020");
    EXPECT_EQ(Text(dtFloat, 1.5e-7, 4, true), "1,5E-007");
    EXPECT_EQ(Text(dtExp, 1234.5, 3), "1.23E+003");
    EXPECT_EQ(Text(dtExp, 1234.5, 3, false, true), "+1.23E+003");
}

TEST(NumLabText, Integers) {
    EXPECT_EQ(Text(dtInt, 2.5), "2");   // halves to even
    EXPECT_EQ(Text(dtInt, -2.5), "-2");
    EXPECT_EQ(Text(dtInt, 42, 2, false, true), "+42");
    EXPECT_EQ(Text(dtInt, 1e30), "1E30");   // beyond 64 bits: the runtime's general form
    EXPECT_EQ(Text(dtZeroInt, 42, 5), "00042");
    EXPECT_EQ(Text(dtZeroInt, -5, 3), "-005");
    EXPECT_EQ(Text(dtZeroInt, 123456, 3), "123456");
}

TEST(NumLabText, BitPatterns) {
    EXPECT_EQ(Text(dtHex, 255, 2), "FF");
    EXPECT_EQ(Text(dtHex, 255, 4), "00FF");
    EXPECT_EQ(Text(dtHex, -1, 2), "FFFFFFFF");
    EXPECT_EQ(Text(dtHex, 2.5, 1), "2");
    EXPECT_EQ(Text(dtHex, 4294967296.0 + 10, 1), "A");   // the low 32 bits
    EXPECT_EQ(Text(dtOct, 8, 2), "10");
    EXPECT_EQ(Text(dtOct, 8, 4), "0010");
    EXPECT_EQ(Text(dtOct, -1, 1), "37777777777");
    EXPECT_EQ(Text(dtBin, 5, 8), "00000101");
    // Hexadecimal and binary take no sign; octal does.
    EXPECT_EQ(Text(dtHex, 26, 2, false, true), "1A");
    EXPECT_EQ(Text(dtBin, 5, 0, false, true), "101");
    EXPECT_EQ(Text(dtOct, 8, 2, false, true), "+10");
}

TEST(NumLabText, DatesAndStates) {
    const double day = vcl::EncodeDate(2024, 3, 5) + vcl::EncodeTime(14, 7, 9, 0);
    EXPECT_EQ(Text(dtDateTime, day), "2024-03-05");
    TNumLabFormat f;
    f.Display = dtDateTime;
    f.DTFormat = "mmm-dd, yyyy";
    std::string s;
    ASSERT_TRUE(NumLabText(day, f, s));
    EXPECT_EQ(s, "Mar-05, 2024");
    f.DTFormat = "hh:nn:ss";
    f.ForcePlusSign = true;
    f.Comma = true;
    ASSERT_TRUE(NumLabText(day, f, s));
    EXPECT_EQ(s, "14:07:09");
    // Beyond the calendar there is no text.
    EXPECT_EQ(Text(dtDateTime, 1e30), "(none)");
    EXPECT_EQ(Text(dtDateTime, -700000), "(none)");
    EXPECT_EQ(Text(dtState, 12.5), "idle");
    EXPECT_EQ(Text(dtState, 12.5, 2, true, true), "idle");
}

TEST(NumLabText, Degrees) {
    EXPECT_EQ(Text(dtDeg, 12.5, 1), "12.5\u00B0");
    EXPECT_EQ(Text(dtDeg, 12.5, 1, true, true), "+12,5\u00B0");
    EXPECT_EQ(Text(dtDegMin, 12.5125, 2), "12\u00B030.75'");
    EXPECT_EQ(Text(dtDegMin, -12.5125, 2), "-12\u00B030.75'");
    EXPECT_EQ(Text(dtDegMin, 12.5125, 0), "12\u00B031'");
    EXPECT_EQ(Text(dtDegMin, 12.5126, 1, true), "12\u00B030,8'");
    EXPECT_EQ(Text(dtDegMin, 12.99999, 1), "13\u00B000.0'");   // the carry reaches the degrees
    EXPECT_EQ(Text(dtDegMinSec, 12.5125, 1), "12\u00B030'45.0\"");
    EXPECT_EQ(Text(dtDegMinSec, -0.0001, 2), "-0\u00B000'00.36\"");
    EXPECT_EQ(Text(dtDegMinSec, 0.999999999, 1), "1\u00B000'00.0\"");
    EXPECT_EQ(Text(dtDegMinSec, -0.0000001, 1), "0\u00B000'00.0\"");   // rounds to no angle: no sign
    EXPECT_EQ(Text(dtDegMinSec, 1e20, 1), "1E20\u00B0");   // too large to split
}

TEST(NumLabText, EngineeringNotation) {
    EXPECT_EQ(Text(dtEE, 1500), "1.50 k");
    EXPECT_EQ(Text(dtEE, 4.7e-6), "4.70 \u00B5");
    EXPECT_EQ(Text(dtEE, -2.2e6), "-2.20 M");
    EXPECT_EQ(Text(dtEE, 12.3), "12.30");
    EXPECT_EQ(Text(dtEE, 0), "0.00");
    EXPECT_EQ(Text(dtEE, 0.001), "1.00 m");
    EXPECT_EQ(Text(dtEE, 999.999), "1.00 k");      // rounding carries to the next prefix
    EXPECT_EQ(Text(dtEE, 999999.5, 0), "1 M");
    EXPECT_EQ(Text(dtEE, 1e27, 0), "1000 Y");      // beyond the prefixes
    EXPECT_EQ(Text(dtEE, 5e-30, 2), "0.00 y");
    EXPECT_EQ(Text(dtEE, 1500, 2, true, true), "+1,50 k");
}

TEST(NumLabText, NotANumberAndInfinitiesInEveryType) {
    const double inf = std::numeric_limits<double>::infinity();
    for (int d = dtFloat; d <= dtEE; ++d) {
        EXPECT_EQ(Text(TDisplay(d), std::nan(""), 2, true, true), "NaN") << d;
        EXPECT_EQ(Text(TDisplay(d), inf, 2, true, true), "+Inf") << d;
        EXPECT_EQ(Text(TDisplay(d), -inf), "-Inf") << d;
    }
}
