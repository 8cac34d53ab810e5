// Acceptance rules of Val, StrToFloat/TryStrToFloat and StrToInt.
#include <gtest/gtest.h>

#include "platform/SysUtils.h"

using namespace vcl;

namespace {
class Parsing : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override { ResetFormatSettings(); }
};
}  // namespace

TEST_F(Parsing, ValReportsTheFirstOffendingPosition) {
    const struct { const char* s; int code; double value; } cases[] = {
        {"1.5 ", 4, 0},  {"1E", 3, 0},     {"", 1, 0},       {"  ", 3, 0},    {"$10", 1, 0},
        {"1E+", 4, 0},   {"1,5", 2, 0},    {"\t1", 1, 0},    {"1.5x", 4, 0},  {"1e400", 6, 0},
        {"  1.5", 0, 1.5}, {"1.", 0, 1.0}, {".5", 0, 0.5},   {".", 0, 0.0},   {"-2.5e-1", 0, -0.25},
        {"+3E2", 0, 300}, {"1e-400", 0, 0.0},
    };
    for (const auto& c : cases) {
        double v = -99;
        int code = -1;
        Val(c.s, v, code);
        EXPECT_EQ(code, c.code) << '"' << c.s << '"';
        if (c.code == 0) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.s;
        }
    }
}

TEST_F(Parsing, ValOfIntegers) {
    int v = 0, code = -1;
    Val(" -$1F", v, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(v, -31);
    Val("2147483648", v, code);
    EXPECT_EQ(code, 10);
    Val("-2147483648", v, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(v, -2147483647 - 1);
    Val("12 ", v, code);
    EXPECT_EQ(code, 3);
    std::int64_t w = 0;
    Val("0x7FFFFFFFFFFFFFFF", w, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(w, INT64_MAX);
}

TEST_F(Parsing, StrToFloatAcceptance) {
    const struct { const char* s; bool ok; double value; } cases[] = {
        {"  1.5  ", true, 1.5},   {"1E", true, 1.0},      {".", true, 0.0},      {"-.5", true, -0.5},
        {"1e+", true, 1.0},       {"3.", true, 3.0},      {"+7", true, 7.0},     {"1.25E2", true, 125.0},
        {"", false, 0},           {"+", false, 0},        {"1,000", false, 0},   {"\t1", false, 0},
        {"1 2", false, 0},        {"1e400", false, 0},    {"abc", false, 0},     {"1.5\t", false, 0},
        {"0.1", true, 0.1},       {"1e-400", true, 0.0},  {"E5", false, 0},      {"--1", false, 0},
    };
    for (const auto& c : cases) {
        double v = -99;
        EXPECT_EQ(TryStrToFloat(c.s, v), c.ok) << '"' << c.s << '"';
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.s;
        }
    }
    try {
        StrToFloat("1x");
        FAIL() << "accepted 1x";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1x' is not a valid floating point value");
    }
}

TEST_F(Parsing, StrToFloatUsesTheDecimalSeparatorOfTheSettings) {
    FormatSettings.DecimalSeparator = ',';
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("2,5", v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_FALSE(TryStrToFloat("2.5", v));
    TFormatSettings point;
    EXPECT_DOUBLE_EQ(StrToFloat("2.5", point), 2.5);
}

TEST_F(Parsing, StrToIntAcceptance) {
    const struct { const char* s; bool ok; int value; } cases[] = {
        {"  42", true, 42},   {"-17", true, -17},       {"$FF", true, 255},     {"0x10", true, 16},
        {"$FFFFFFFF", true, -1}, {"2147483647", true, 2147483647}, {"-$10", true, -16},
        {"42 ", false, 0},    {"", false, 0},           {"4.0", false, 0},      {"2147483648", false, 0},
        {"$", false, 0},      {"$100000000", false, 0}, {"1e3", false, 0},      {"+", false, 0},
    };
    for (const auto& c : cases) {
        int v = -99;
        EXPECT_EQ(TryStrToInt(c.s, v), c.ok) << '"' << c.s << '"';
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.s;
        }
    }
    EXPECT_EQ(StrToIntDef("x", 7), 7);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    try {
        StrToInt("12a");
        FAIL() << "accepted 12a";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
}

TEST_F(Parsing, FormattedValuesParseBack) {
    for (double v : {0.1, 1.0 / 3.0, 123456.789, -2.5e-8, 1.7976931348623157e308}) {
        EXPECT_DOUBLE_EQ(StrToFloat(FloatToStrF(v, ffGeneral, 17, 0)), v);
    }
}
