// Rounding, integer formatting and MulDiv.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/SysUtils.h"

using namespace vcl;

TEST(Rounding, RoundSendsExactHalvesToEven) {
    const struct { double x; std::int64_t expected; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.51, 3}, {2.49999, 2}, {-2.51, -3}, {1e15 + 0.5, 1000000000000000}, {4503599627370497.0, 4503599627370497},
    };
    for (const auto& c : cases) EXPECT_EQ(Round(c.x), c.expected) << c.x;
}

TEST(Rounding, TruncIntFracGoTowardZero) {
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_EQ(Trunc(1.9999), 1);
    EXPECT_EQ(Int(-1.7), -1.0);
    EXPECT_EQ(Frac(-1.25), -0.25);
    EXPECT_EQ(Frac(3.75), 0.75);
}

TEST(Rounding, OutOfRangeRaisesInvalidOp) {
    EXPECT_THROW(Round(9.3e18), EInvalidOp);
    EXPECT_THROW(Trunc(-1e19), EInvalidOp);
    EXPECT_THROW(Round(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(Trunc(std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_EQ(Trunc(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
}

TEST(Rounding, RoundToIsBankersAndSimpleRoundToIsHalfAway) {
    EXPECT_DOUBLE_EQ(RoundTo(1.25, -1), 1.2);
    EXPECT_DOUBLE_EQ(RoundTo(1.35, -1), 1.4);
    EXPECT_DOUBLE_EQ(RoundTo(1250, 2), 1200);
    EXPECT_DOUBLE_EQ(RoundTo(1350, 2), 1400);
    EXPECT_DOUBLE_EQ(SimpleRoundTo(1250, 2), 1300);
    EXPECT_DOUBLE_EQ(SimpleRoundTo(-1250, 2), -1300);
    EXPECT_DOUBLE_EQ(SimpleRoundTo(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(SimpleRoundTo(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(SimpleRoundTo(3.14159), 3.14);
}

TEST(IntegerText, IntToHexPadsAndUsesTwosComplementWidth) {
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(255, 1), "FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(std::int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(std::int64_t{0x1234567890}, 0), "1234567890");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(IntegerText, MulDivRoundsHalfAwayAndFailsWithMinusOne) {
    const struct { int a, b, c, expected; } cases[] = {
        {10, 1, 4, 3},   {-10, 1, 4, -3}, {10, -1, 4, -3}, {-10, -1, 4, 3},  {8, 96, 72, 11},
        {9, 1, 4, 2},    {11, 1, 4, 3},   {1, 1, 0, -1},   {0x7FFFFFFF, 2, 1, -1},
        {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF}, {-0x7FFFFFFF - 1, 1, -1, -1},
        {100000, 100000, 3, -1}, {100000, 100000, 7, 1428571429},
    };
    for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}
