// The numeric control's pure logic: the texts it takes, reads and writes, the separator
// conversion, the pivots, the gauge mapping, the key table and the row geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numio/Zyn_NumIO2.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

using namespace zyn;
using vcl::taCenter;
using vcl::taLeftJustify;
using vcl::taRightJustify;

namespace {

// Restores the system decimal separator after a test that changes it.
struct SystemSeparator {
    explicit SystemSeparator(char C) { vcl::FormatSettings.DecimalSeparator = C; }
    ~SystemSeparator() { vcl::ResetFormatSettings(); }
};

}  // namespace

TEST(NumIO2Texts, WhatEachFormatTakes) {
    struct Case { TInFormat format; const char* text; bool ok; };
    const Case cases[] = {
        {itExp, "1e3", true}, {itExp, "12abc", true}, {itExp, "-", false}, {itExp, "1e4201", false},
        {itFloat, "1.5", true}, {itFloat, "-", true}, {itFloat, "1e3", false}, {itFloat, "1.2.3", false},
        {itInt, "-5", true}, {itInt, "-", false}, {itInt, "1.0", false},
        // Digit texts hold 32-bit patterns: leading zeros are free, a 33rd bit is not.
        {itHex, "FFFFFFFF", true}, {itHex, "0000000FF", true}, {itHex, "1FFFFFFFF", false}, {itHex, "G", false},
        {itOct, "37777777777", true}, {itOct, "40000000000", false}, {itOct, "8", false},
        {itBin, "11111111111111111111111111111111", true}, {itBin, "102", false},
        {itBin, "111111111111111111111111111111111", false},
        {itDynamic, "$FF", true}, {itDynamic, "$", false}, {itDynamic, "%101", true}, {itDynamic, "%2", false},
        {itDynamic, "&17", true}, {itDynamic, "&8", false}, {itDynamic, "1.5e3", true}, {itDynamic, "", false},
        {itDynamic, "$1FFFFFFFF", false}, {itDynamic, "x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumIO2CheckText(c.text, c.format, dpsPointOrComma, 2), c.ok) << int(c.format) << " " << c.text;
}

TEST(NumIO2Texts, FixedPointWantsItsSeparatorBeforeTheLastDecimals) {
    // Two decimals: the separator stands at the length minus two; a text without one passes
    // only when it is two characters long.
    for (const char* ok : {"12.50", "-1.25", "0.00", "12", "12,50"})
        EXPECT_TRUE(NumIO2CheckText(ok, itFixPoint, dpsPointOrComma, 2)) << ok;
    for (const char* bad : {"12.5", "12.507", "123", "1", "12.5.0"})
        EXPECT_FALSE(NumIO2CheckText(bad, itFixPoint, dpsPointOrComma, 2)) << bad;
    EXPECT_TRUE(NumIO2CheckText("1.500", itFixPoint, dpsPoint, 3));
    // The separator follows the control's choice.
    EXPECT_FALSE(NumIO2CheckText("12,50", itFixPoint, dpsPoint, 2));
    EXPECT_TRUE(NumIO2CheckText("12,50", itFixPoint, dpsComma, 2));
    EXPECT_FALSE(NumIO2CheckText("12.50", itFixPoint, dpsComma, 2));
}

TEST(NumIO2Texts, ReadingEachFormat) {
    struct Case { TInFormat format; const char* text; double value; };
    const Case cases[] = {
        {itFloat, "12,5", 12.5}, {itFloat, "1e3", 1000}, {itFixPoint, " 3.25", 3.25}, {itExp, "12abc", 12},
        {itExp, "", 0}, {itExp, "-", 0},
        {itInt, "2147483647", 2147483647.0}, {itInt, "-12", -12}, {itInt, "-", 0}, {itInt, "1.5", 0},
        // Beyond 32 bits an integer reads as the nearest end on its own side.
        {itInt, "99999999999", 2147483647.0}, {itInt, "-99999999999", -2147483648.0},
        {itHex, "FF", 255}, {itHex, "FFFFFFFF", -1}, {itOct, "17", 15}, {itBin, "101", 5}, {itHex, "", 0},
        {itDynamic, "$FF", 255}, {itDynamic, "%101", 5}, {itDynamic, "&17", 15}, {itDynamic, "1,5", 1.5},
        {itDynamic, "2e2", 200}, {itDynamic, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NumIO2ReadText(c.text, c.format), c.value) << int(c.format) << " " << c.text;
}

TEST(NumIO2Texts, WritingEachFormat) {
    EXPECT_EQ(NumIO2WriteText(1234.5, itExp, 2, 6, dpsPoint), " 1.23450E+03");
    EXPECT_EQ(NumIO2WriteText(-1234.5, itExp, 2, 3, dpsPoint), "-1.23E+03");
    // An exponent of three digits is written out, not as asterisks.
    EXPECT_EQ(NumIO2WriteText(1e150, itExp, 2, 6, dpsPoint), " 1.00000E+150");
    EXPECT_EQ(NumIO2WriteText(3.14159, itFloat, 2, 6, dpsPoint), "3.14");
    EXPECT_EQ(NumIO2WriteText(2.5, itInt, 2, 6, dpsPoint), "2");   // halves to even
    EXPECT_EQ(NumIO2WriteText(5e9, itInt, 2, 6, dpsPoint), "2147483647");
    EXPECT_EQ(NumIO2WriteText(-5e9, itInt, 2, 6, dpsPoint), "-2147483648");
    EXPECT_EQ(NumIO2WriteText(255, itHex, 2, 6, dpsPoint), "000000FF");
    EXPECT_EQ(NumIO2WriteText(8, itOct, 2, 6, dpsPoint), "00000000010");
    EXPECT_EQ(NumIO2WriteText(5, itBin, 2, 6, dpsPoint), std::string(29, '0') + "101");
    EXPECT_EQ(NumIO2WriteText(3.5, itDynamic, 2, 6, dpsPoint), "4");
    EXPECT_EQ(NumIO2WriteText(std::nan(""), itFloat, 2, 6, dpsPoint), "0.00");
    // Decimal texts carry the control's separator.
    EXPECT_EQ(NumIO2WriteText(3.14159, itFloat, 2, 6, dpsComma), "3,14");
    EXPECT_EQ(NumIO2WriteText(1234.5, itExp, 2, 6, dpsComma), " 1,23450E+03");
    {
        SystemSeparator comma(',');
        EXPECT_EQ(NumIO2WriteText(3.14159, itFloat, 2, 6, dpsSystem), "3,14");
    }
    EXPECT_EQ(NumIO2WriteText(3.14159, itFloat, 2, 6, dpsSystem), "3.14");
}

TEST(NumIO2Texts, EveryWrittenTextIsTakenAndReadsBack) {
    const double values[] = {0, 1, -1, 0.25, 123.456, -98765.4321, 1e20, -3e-5, 2147483647, -2147483648.0, 1e300};
    for (TDecPSep sep : {dpsPoint, dpsComma, dpsPointOrComma}) {
        for (int f = itExp; f <= itDynamic; ++f) {
            const auto format = TInFormat(f);
            for (double v : values) {
                const std::string text = NumIO2WriteText(v, format, 3, 8, sep);
                // Fixed-point texts of 10^36 and more take the exponent form the field cannot edit.
                const bool huge = std::fabs(v) >= 1e36 && (format == itFloat || format == itFixPoint);
                if (!huge) {
                    EXPECT_TRUE(NumIO2CheckText(text, format, sep, 3)) << f << " " << text;
                }
                double expected = v;
                if (format == itExp) expected = std::stod(vcl::Str(v, 16));   // 8 significant digits
                else if (format == itFloat || format == itFixPoint) expected = std::round(v * 1000) / 1000;
                else if (format == itInt) expected = std::clamp(std::round(v), -2147483648.0, 2147483647.0);
                else if (format == itDynamic && std::fabs(v) < 1e18) expected = std::nearbyint(v);
                else if (format >= itHex && format <= itBin) expected = double(RoundToPattern(v));
                EXPECT_NEAR(NumIO2ReadText(text, format), expected, std::fabs(expected) * 1e-12)
                    << f << " " << text;
            }
        }
    }
}

TEST(NumIO2Texts, SeparatorConversion) {
    // From point-or-comma every separator becomes the new one; to it nothing changes.
    EXPECT_EQ(NumIO2ConvertSeparator("1.5,2", dpsPointOrComma, dpsComma), "1,5,2");
    EXPECT_EQ(NumIO2ConvertSeparator("1.5,2", dpsPointOrComma, dpsPoint), "1.5.2");
    EXPECT_EQ(NumIO2ConvertSeparator("1.5,2", dpsComma, dpsPointOrComma), "1.5,2");
    EXPECT_EQ(NumIO2ConvertSeparator("12.5", dpsPoint, dpsPoint), "12.5");
    SystemSeparator comma(',');
    EXPECT_EQ(NumIO2ConvertSeparator("12.5", dpsPoint, dpsSystem), "12,5");
    EXPECT_EQ(NumIO2ConvertSeparator("12,5", dpsSystem, dpsPoint), "12.5");
}

TEST(NumIO2Texts, ASystemSeparatorOtherThanThePointIsTakenAsAComma) {
    SystemSeparator other('\'');
    EXPECT_TRUE(NumIO2CheckText("1,5", itFloat, dpsSystem, 2));
    EXPECT_FALSE(NumIO2CheckText("1.5", itFloat, dpsSystem, 2));
    EXPECT_EQ(NumIO2WriteText(1.5, itFloat, 1, 6, dpsSystem), "1,5");
}

TEST(NumIO2Buttons, PivotsUpAndDown) {
    const TDoubleArray p{0, 10, 20};
    EXPECT_DOUBLE_EQ(PivotStep(p, 10, true, 2), 20);
    EXPECT_DOUBLE_EQ(PivotStep(p, 10, false, 2), 0);
    // Between pivots the first step goes to the nearest one on that side.
    EXPECT_DOUBLE_EQ(PivotStep(p, 12, false, 2), 10);
    EXPECT_DOUBLE_EQ(PivotStep(p, 12, true, 2), 20);
    EXPECT_DOUBLE_EQ(PivotStep(p, 8, true, 2), 10);
    EXPECT_DOUBLE_EQ(PivotStep(p, 8, false, 2), 0);
    // The ends stay.
    EXPECT_DOUBLE_EQ(PivotStep(p, 20, true, 2), 20);
    EXPECT_DOUBLE_EQ(PivotStep(p, 0, false, 2), 0);
    EXPECT_DOUBLE_EQ(PivotStep(p, 35, true, 2), 20);
    // Within 10^-decimals of a pivot the value stands on it.
    EXPECT_DOUBLE_EQ(PivotStep(p, 10.005, false, 2), 0);
    EXPECT_DOUBLE_EQ(PivotStep(p, 10.02, false, 2), 10);
    EXPECT_DOUBLE_EQ(PivotStep(p, 10.02, false, 1), 0);
    // The first of two equally near pivots is the nearest.
    EXPECT_EQ(NearestPivotIndex(p, 5), 0);
    EXPECT_EQ(NearestPivotIndex(p, 15), 1);
    EXPECT_EQ(NearestPivotIndex(p, std::nan("")), 0);
}

TEST(NumIO2Gauge, ClickPositionsAndFraction) {
    const TDoubleArray none;
    EXPECT_DOUBLE_EQ(GaugeValueAt(35, 35, 82, 0, 1000, none), 0);
    EXPECT_DOUBLE_EQ(GaugeValueAt(117, 35, 82, 0, 1000, none), 1000);
    EXPECT_DOUBLE_EQ(GaugeValueAt(76, 35, 82, 0, 1000, none), 500);
    EXPECT_DOUBLE_EQ(GaugeValueAt(34, 35, 82, 0, 1000, none), 0);       // clamped
    EXPECT_DOUBLE_EQ(GaugeValueAt(118, 35, 82, -10, 10, none), 10);
    EXPECT_DOUBLE_EQ(GaugeValueAt(50, 35, 0, 5, 10, none), 5);          // no width: the low end
    const TDoubleArray pivots{0, 100, 250, 1500};
    EXPECT_DOUBLE_EQ(GaugeValueAt(44, 35, 82, 0, 1000, pivots), 100);   // 109.8 snaps to 100
    EXPECT_DOUBLE_EQ(GaugeValueAt(117, 35, 82, 0, 1000, pivots), 1000); // the pivot 1500, clamped

    EXPECT_DOUBLE_EQ(GaugeFraction(250, 0, 1000), 0.25);
    EXPECT_DOUBLE_EQ(GaugeFraction(-5, 0, 1000), 0);
    EXPECT_DOUBLE_EQ(GaugeFraction(5000, 0, 1000), 1);
    EXPECT_DOUBLE_EQ(GaugeFraction(7, 7, 7), 1);
    EXPECT_DOUBLE_EQ(GaugeFraction(std::nan(""), 0, 1), 0);
}

TEST(NumIO2Geometry, RowLayout) {
    const TNumIO2Geometry g = NumIO2Geometry(35, 80, true, 18, 3, true, 8, 3, 40, 15);
    EXPECT_EQ(g.LS, 35);
    EXPECT_EQ(g.TBW, 80);
    EXPECT_EQ(g.BW, 21);
    EXPECT_EQ(g.G, 12);
    EXPECT_EQ(g.YT, (40 - 12 - 15) / 2);
    EXPECT_EQ(g.BH, 40 - 12 - 4);
    const TNumIO2Geometry plain = NumIO2Geometry(35, 80, false, 18, 3, false, 8, 3, 28, 15);
    EXPECT_EQ(plain.BW, 0);
    EXPECT_EQ(plain.G, 0);
    EXPECT_EQ(plain.YT, 6);
    EXPECT_EQ(plain.BH, 24);
}

TEST(NumIO2Geometry, CharacterPositionsAndPixels) {
    const TNumIO2Geometry g = NumIO2Geometry(35, 80, false, 18, 3, false, 8, 3, 28, 15);
    // A text 40 pixels wide, 16 pixels before the caret.
    EXPECT_EQ(NumIO2CharPosToX(g, taLeftJustify, 40, 16), 16 + 35 + 4);
    EXPECT_EQ(NumIO2CharPosToX(g, taRightJustify, 40, 16), 16 + 35 + 80 - 40 - 2);
    EXPECT_EQ(NumIO2CharPosToX(g, taCenter, 40, 16), 16 + 35 + 20 + 2);
    // "12.00" with digits 7 and the point 3 pixels wide.
    const std::vector<int> widths{0, 7, 14, 17, 24, 31};
    for (vcl::TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        for (int n = 0; n <= 5; ++n) {
            // The caret column of a boundary, and a pixel either side of it, find that boundary.
            const int caret = NumIO2CharPosToX(g, a, 31, widths[std::size_t(n)]) - 1;
            EXPECT_EQ(NumIO2XToCharPos(g, a, widths, caret), n) << int(a) << " " << n;
            EXPECT_EQ(NumIO2XToCharPos(g, a, widths, caret + 1), n) << int(a) << " " << n;
            EXPECT_EQ(NumIO2XToCharPos(g, a, widths, caret - 1), n) << int(a) << " " << n;
        }
        EXPECT_EQ(NumIO2XToCharPos(g, a, widths, 0), 0);
        EXPECT_EQ(NumIO2XToCharPos(g, a, widths, 500), 5);
    }
    // Half way between two boundaries (caret columns 38 and 42) the first one wins.
    EXPECT_EQ(NumIO2XToCharPos(g, taLeftJustify, {0, 4}, 40), 0);
    EXPECT_EQ(NumIO2XToCharPos(g, taLeftJustify, {0}, 60), 0);             // empty text
    // Pointer positions at the ends of the int range find the ends of the text.
    for (vcl::TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        EXPECT_EQ(NumIO2XToCharPos(g, a, widths, std::numeric_limits<int>::min()), 0);
        EXPECT_EQ(NumIO2XToCharPos(g, a, widths, std::numeric_limits<int>::max()), 5);
    }
}

TEST(NumIO2Geometry, PrefixWidthsAreThoseTheCanvasMeasures) {
    vcl::TBitmap bmp;
    bmp.SetSize(8, 8);
    vcl::TCanvas* c = bmp.GetCanvas();
    int calls = 0;
    const auto measure = [&](std::string_view Piece) {
        ++calls;
        return c->TextWidth(std::string(Piece));
    };
    const auto expectSameAsEachPrefix = [&](const std::string& Text) {
        calls = 0;
        const std::vector<int> widths = NumIO2PrefixWidths(Text, measure);
        const int length = vcl::Length(Text);
        ASSERT_EQ(widths.size(), std::size_t(length) + 1);
        // One measure of a short piece per character.
        EXPECT_EQ(calls, length);
        for (int n = 0; n <= length; ++n)
            ASSERT_EQ(widths[std::size_t(n)], c->TextWidth(vcl::Copy(Text, 1, n)))
                << testing::PrintToString(Text) << " " << n;
    };
    // Numbers, letters of several byte lengths, and invalid bytes, which the string
    // functions count one by one while the canvas may read several as one replacement.
    for (const char* t : {"", "1", "-12345.678E+09", "$FFA0", "1,5\u00a0\u20ac \u00e4\U0001d11e x", "\xe2\x82" "A",
                          "\xe2\x82\x82\x82\x82\x82", "\xf0\x90\x80", "\xf0\x90\x80\x80\x80\x80\x80\x80" "1",
                          "\x80\x80\x80\x80\x80\x80 7", "\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xff" "9", "7\xe2"})
        expectSameAsEachPrefix(t);
    // Short texts of bytes that lead, continue or break sequences, at random.
    const unsigned char bytes[] = {'1', '.', 0x80, 0x8F, 0x90, 0xA0, 0xBF, 0xC2, 0xC3, 0xDF,
                                   0xE0, 0xE2, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    unsigned seed = 12345;
    for (int k = 0; k < 400; ++k) {
        std::string text;
        seed = seed * 1103515245 + 12345;
        const int size = int(seed >> 16) % 12;
        for (int i = 0; i < size; ++i) {
            seed = seed * 1103515245 + 12345;
            text += char(bytes[(seed >> 16) % sizeof bytes]);
        }
        expectSameAsEachPrefix(text);
    }
}
