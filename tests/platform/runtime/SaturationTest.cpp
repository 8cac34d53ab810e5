// Saturating int arithmetic: results past the int range stop at its ends, results inside
// it are exact.
#include <gtest/gtest.h>

#include <limits>

#include "platform/Types.h"

namespace {

using namespace vcl;

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(Saturation, ResultsPastTheRangeStopAtItsEnds) {
    EXPECT_EQ(SatAdd(kMax, 1), kMax);
    EXPECT_EQ(SatAdd(kMax, kMax), kMax);
    EXPECT_EQ(SatAdd(kMin, -1), kMin);
    EXPECT_EQ(SatAdd(kMin, kMin), kMin);
    EXPECT_EQ(SatSub(kMin, 1), kMin);
    EXPECT_EQ(SatSub(kMax, kMin), kMax);
    EXPECT_EQ(SatSub(kMin, kMax), kMin);
    EXPECT_EQ(SatSub(0, kMin), kMax);
    EXPECT_EQ(SatNeg(kMin), kMax);
    EXPECT_EQ(SatMul(kMax, 2), kMax);
    EXPECT_EQ(SatMul(kMin, -1), kMax);
    EXPECT_EQ(SatMul(kMax, -2), kMin);
    EXPECT_EQ(SatInt(1LL << 40), kMax);
    EXPECT_EQ(SatInt(-(1LL << 40)), kMin);
    static_assert(SatAdd(kMax, 5) == kMax, "usable in constant expressions");
}

TEST(Saturation, ResultsInsideTheRangeAreExact) {
    EXPECT_EQ(SatAdd(-7, 3), -4);
    EXPECT_EQ(SatAdd(kMin, kMax), -1);
    EXPECT_EQ(SatAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(SatSub(-7, 3), -10);
    EXPECT_EQ(SatSub(kMin + 1, 1), kMin);
    EXPECT_EQ(SatNeg(-7), 7);
    EXPECT_EQ(SatNeg(kMax), -kMax);
    EXPECT_EQ(SatMul(-46341, 46340), -46341 * 46340);
    EXPECT_EQ(SatInt(kMin), kMin);
}

}  // namespace
