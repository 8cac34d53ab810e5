#include <gtest/gtest.h>

#include "platform/Testing.h"

using namespace vcl;

TEST(TestingCore, SetNowFixesNowAndDateUntilReset) {
    TDateTime moment = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
    Testing::SetNow(moment);
    EXPECT_EQ(Now(), moment);
    EXPECT_EQ(Date(), EncodeDate(2024, 3, 5));
    Testing::ResetNow();
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));   // the host's clock again
    EXPECT_NE(Now(), moment);
}
