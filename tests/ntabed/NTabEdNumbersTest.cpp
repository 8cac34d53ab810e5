// The table editor's number texts and clipboard reading, without a canvas: the cell
// formatter's table, the fast Str layouts against the runtime's, the clipboard text of a
// cell, the number scanner, the walk over clipboard text and the table check.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "ntabed/Zyn_ntabed.h"
#include "platform/SysUtils.h"

using namespace zyn;

namespace {

std::string Exp(double X, int W) {
    std::string s;
    AppendStrExponent(s, X, W);
    return s;
}

std::string Fixed(double X, int W, int D) {
    std::string s;
    AppendStrFixed(s, X, W, D);
    return s;
}

std::string Clip(double X, std::uint8_t State, int DecP, bool Full) {
    std::string s;
    AppendClipCellText(s, X, State, DecP, Full);
    return s;
}

}  // namespace

TEST(NTabEdNumbers, StrLayoutsMatchTheRuntime) {
    // Values of every magnitude, exact halves and values next to them, zeros and extremes.
    std::vector<double> values = {0.0, -0.0, 0.125, 2.5, 0.5, -0.5, 1.005, 2.675, 9.999, 0.15, 0.05, 99999.9995,
                                  999999999.5, 1e36, 9.99e35, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                                  123456789012345678.0, 0.000123456789, 1.0 / 3, -2.0 / 3, 1e22, 1e23, 4.35, 0.045};
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (int i = 0; i < 4000; ++i) {
        const double m = mantissa(rng) * std::pow(10.0, exponent(rng));
        values.push_back(i % 2 ? -m : m);
    }
    std::uniform_int_distribution<int> small(-12, 12);
    for (int i = 0; i < 2000; ++i) values.push_back(std::ldexp(double(rng() % 100000), small(rng)));
    for (double x : values) {
        for (int w : {0, 9, 10, 14, 22, 26, 30}) ASSERT_EQ(Exp(x, w), vcl::Str(x, w)) << x << " width " << w;
        for (int d = 0; d <= 10; ++d) ASSERT_EQ(Fixed(x, 0, d), vcl::Str(x, 0, d)) << x << " decimals " << d;
        ASSERT_EQ(Fixed(x, 12, 3), vcl::Str(x, 12, 3)) << x;
    }
}

TEST(NTabEdNumbers, CellFormatterTable) {
    struct Case {
        double value;
        int decP, width;
        const char* text;
    };
    const Case cases[] = {
        // fixed form inside L(D) and S(D), padded to NumWidth
        {999999999, 0, 1, "999999999"},
        {0, 1, 1, "0.0"},
        {-0.0, 3, 1, "0.000"},
        {3.14159, 2, 8, "    3.14"},
        {-2.5, 0, 1, "-3"},
        {9999.9999, 4, 1, "9999.9999"},
        {0.0001, 4, 1, "0.0001"},
        {0.99999999, 8, 1, "0.99999999"},
        {12.5, 3, 1, "12.500"},
        // exponent form: too large, too small, decimals -1, 9 and 10
        {1e10, 0, 1, " 1.0E+10"},
        {0.05, 1, 1, " 5.0E-02"},
        {10000, 4, 1, " 1.0E+04"},
        {0.00009, 4, 1, " 9.0E-05"},
        {1.0, 8, 1, " 1.0E+00"},
        {-1.5e12, -1, 1, "-1.5E+12"},
        {1.5, 9, 1, " 1.5E+00"},
        {1.5, 10, 1, " 1.5E+00"},
        {1.23456789e10, 0, 5, " 1.2346E+10"},
        {-1.25e-7, -1, 3, "-1.25E-07"},
        {1e-99, -1, 1, " 1.0E-99"},
        // an exponent of three digits does not fit: asterisks of the same length
        {1e150, 0, 1, "********"},
        {-2e-150, 3, 1, "********"},
        {1e100, -1, 4, "**********"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatCellValue(c.value, c.decP, c.width), c.text) << c.value << " D=" << c.decP << " W=" << c.width;
    // From NumWidth 2 on the exponent form is NumWidth + 6 characters long.
    for (int w = 2; w <= MaxNumWidth; ++w) {
        EXPECT_EQ(FormatCellValue(1.5e-3, -1, w).size(), std::size_t(w + 6)) << w;
        EXPECT_EQ(FormatCellValue(1e200, -1, w), std::string(std::size_t(w + 6), '*')) << w;
    }
    EXPECT_EQ(FormatCellValue(HUGE_VAL, 3, 1), "+Inf");
}

TEST(NTabEdNumbers, ClipboardCellText) {
    EXPECT_EQ(Clip(1, dtsInvalid, 3, false), "####");
    EXPECT_EQ(Clip(1, dtsEmpty, 3, true), "####");
    EXPECT_EQ(Clip(1, dtsMarkA | dtsMarkB, 3, false), "1.000");   // marks are no obstacle
    EXPECT_EQ(Clip(1, 0, 3, true), " 1.0000000000000E+0000");
    EXPECT_EQ(Clip(-1234.5, 0, 3, true), "-1.2345000000000E+0003");
    EXPECT_EQ(Clip(2.5, 0, 0, false), "3");
    EXPECT_EQ(Clip(1.5, 0, 10, false), "1.5000000000");
    EXPECT_EQ(Clip(123456.5, 0, 9, false), "123456.500000000");
    EXPECT_EQ(Clip(1.5, 0, -1, false), " 1.5E+0000");
    EXPECT_EQ(Clip(-0.00123, 0, -1, false), "-1.2E-0003");
}

TEST(NTabEdNumbers, ScannerStatesAndPositions) {
    struct Case {
        const char* text;
        int start;
        double value;
        int end;   // where the scan leaves P
    };
    const Case cases[] = {
        {"1.5", 1, 1.5, 4},
        {"  -2,5e3 x", 1, -2500, 9},
        {"3,25\t", 1, 3.25, 5},
        {"1.", 1, 1.0, 3},
        {". ", 1, 0.0, 2},
        {"-.5", 1, -0.5, 4},
        {"12abc", 1, 12, 3},
        {"x12;", 2, 12, 4},
        {"1e", 1, 1, 3},
        {"1e+", 1, 1, 4},
        {"1E+x", 1, 1, 4},
        {"4e-2 ", 1, 0.04, 5},
        {"1-2", 1, 1, 2},
        {"1e5000", 1, uc_MaxDouble, 7},
        {"-1e5000", 1, -uc_MaxDouble, 8},
        {"1e-5000", 1, 0.0, 8},
        {"1e42015", 1, uc_MaxDouble, 8},   // exponent digits past 4200 are read but not kept
        // failures read 0 and stop on the offending character
        {"- ", 1, 0.0, 2},
        {"+-1", 1, 0.0, 2},
        {"e5", 1, 0.0, 1},
        {"1.2.3", 1, 0.0, 4},
        {"1e.5", 1, 0.0, 3},
        {"1e5.", 1, 1e5, 4},
        {"", 1, 0.0, 1},
        // the texts Copy writes for infinite values read back as them
        {"+Inf", 1, std::numeric_limits<double>::infinity(), 5},
        {" -inf\t", 1, -std::numeric_limits<double>::infinity(), 6},
        {"+Info", 1, 0.0, 2},
        {"+In", 1, 0.0, 2},
        {"Inf", 1, 0.0, 1},
        {"-0.000", 1, -0.0, 7},
    };
    for (const Case& c : cases) {
        int p = c.start;
        const double v = ScanClipNumber(c.text, p);
        EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << '"' << c.text << '"';
        EXPECT_EQ(p, c.end) << '"' << c.text << '"';
    }
}

namespace {

struct Cell {
    int col, row;
    double value;
    bool operator==(const Cell&) const = default;
};

std::vector<Cell> Walk(const std::string& Text, std::vector<int>* RowEnds = nullptr) {
    std::vector<Cell> cells;
    WalkClipNumbers(
        Text, [&](int C, int R, double V) { cells.push_back({C, R, V}); },
        [&](int, int N) {
            if (RowEnds) RowEnds->push_back(N);
        });
    return cells;
}

}  // namespace

TEST(NTabEdNumbers, WalkingClipboardText) {
    const std::vector<Cell> block = {{0, 0, 1}, {1, 0, 2}, {0, 1, 3}, {1, 1, 4}};
    std::vector<int> rowEnds;
    EXPECT_EQ(Walk("1\t2\r\n3\t4\r\n", &rowEnds), block);
    EXPECT_EQ(rowEnds, (std::vector<int>{2, 2}));
    // Line feeds alone end rows as well, also right after a number.
    EXPECT_EQ(Walk("1\t2\n3\t4\n"), block);
    EXPECT_EQ(Walk("1\t2\n3\t4"), block);
    // What the editor copies reads back the same way.
    EXPECT_EQ(Walk(" 1.000\t2.000\r\n 3.000\t4.000\r\n"), block);
    // Text before the first number is passed over; blanks separate as tabs do.
    EXPECT_EQ(Walk("values: 1 -2  3"), (std::vector<Cell>{{0, 0, 1}, {1, 0, -2}, {2, 0, 3}}));
    // A cell that held no number is no value: the next one takes its place.
    EXPECT_EQ(Walk("####\t5\r\n"), (std::vector<Cell>{{0, 0, 5}}));
    // An empty line is an empty row.
    EXPECT_EQ(Walk("1\r\n\r\n2\r\n"), (std::vector<Cell>{{0, 0, 1}, {0, 2, 2}}));
    EXPECT_TRUE(Walk("").empty());
    EXPECT_TRUE(Walk("no numbers").empty());
}

TEST(NTabEdNumbers, ClipboardTextThatIsNoTable) {
    std::string why;
    for (const char* good : {"1\t2\r\n3\t4\r\n", " 1.000\t####\r\n 3.000\t4.000\r\n", "1 2 3\n4 5 6\n\n", "1e5000",
                             "- ", "1\t\t3\n4\t5\t6\n", "1,5\r\n",
                             // an empty line between lines of values is a row of empty cells
                             "1\n\n2\n", "1\t2\r\n\r\n3\t4\r\n", "1\t2\n\t\n3\t4\n", "+Inf\t-0.000\n"})
        EXPECT_TRUE(CheckClipTable(good, why)) << '"' << good << "\": " << why;
    struct Bad {
        std::string text;
        const char* problem;
    };
    const Bad bad[] = {
        {"1\t2\r\n3\r\n", "line 2 has 1 values, line 1 has 2"},
        {"1 2\n3 4 5\n", "line 2 has 3 values, line 1 has 2"},
        {"\"1\"\t2\n", "line 1 holds a quotation mark"},
        {std::string("1\t2\n3\0", 6) + "4\n", "line 2 holds the control character 0"},
        {"1\t\xff\n", "line 1 holds bytes that are not text"},
        {"1\t\xc3\n", "line 1 holds bytes that are not text"},
        {"", "it holds no values"},
        {" \r\n\t\r\n", "it holds no values"},
        {std::string(MaxClipLineBytes + 1, '7'), "line 1 is longer than 1048576 characters"},
    };
    for (const Bad& b : bad) {
        EXPECT_FALSE(CheckClipTable(b.text, why)) << b.text.substr(0, 40);
        EXPECT_EQ(why, b.problem);
    }
    EXPECT_TRUE(CheckClipTable("Zürich\t1\n", why)) << why;   // letters of any script are text
}
