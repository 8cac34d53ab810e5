// Every registered class created, shown, painted and freed over and over: the heap in use
// (the allocator's own count of bytes handed out) must not grow from the second half of the
// run to its end. Up to 10,000 rounds per class, fewer for slow classes so the run stays
// within about two seconds; a leak of a dozen bytes a round shows in the second half. The
// sanitizer build counts with its own allocator, which keeps no slack, in fewer rounds: its
// code runs several times slower, and a block nothing points to any more fails the test at
// exit there anyway.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "tests/generic/HostileSupport.h"
#include "tests/support/FormFixture.h"
#include "tests/support/Sanitizer.h"

namespace {

using namespace vcl;
using namespace zyn_test;

// Rounds before measuring (caches fill) and the fewest rounds of each half.
constexpr int kWarmUp = kSanitizerBuild ? 10 : 30;
constexpr int kMinRounds = kSanitizerBuild ? 10 : 50;

class Churn : public FormFixture, public ::testing::WithParamInterface<std::string> {
protected:
    // One round: a new instance on the form, shown, painted, then freed.
    void Round(const TClassInfo& Cls) {
        TComponent* c = PlaceInstance(Cls, form.get());
        if (auto* ctl = dynamic_cast<TControl*>(c)) {
            ctl->Show();
            TimedPaint(ctl);
        }
        Application->ProcessMessages();
        delete c;
        Application->ProcessMessages();
    }
};

TEST_P(Churn, CreateShowPaintFreeDoesNotGrowTheHeap) {
    const TClassInfo* cls = GetClass(GetParam());
    ASSERT_NE(cls, nullptr);
    using Clock = std::chrono::steady_clock;
    // Warm-up: caches (glyphs, resources, class tables) fill once.
    for (int i = 0; i < kWarmUp; ++i) Round(*cls);
    const auto start = Clock::now();
    int rounds = 0;
    while (rounds < 5000 && (rounds < kMinRounds || Clock::now() - start < std::chrono::milliseconds(800))) {
        Round(*cls);
        ++rounds;
    }
    const std::size_t middle = HeapInUse();
    for (int i = 0; i < rounds; ++i) Round(*cls);
    const std::size_t end = HeapInUse();
    const long long growth = static_cast<long long>(end) - static_cast<long long>(middle);
    std::printf("%s: %d rounds, heap %zu -> %zu bytes (%+lld, %.2f per round)\n", cls->GetName().c_str(), 2 * rounds,
                middle, end, growth, double(growth) / rounds);
    // At least 50 rounds in the second half (10 in the sanitizer build): 512 bytes is a
    // leak of 11 (52) bytes a round.
    EXPECT_LT(growth, 512) << cls->GetName() << " grows the heap by about " << double(growth) / rounds
                            << " bytes a round";
}

// The measure itself: a round that keeps 48 bytes shows as growth of the same size.
TEST(ChurnMeasure, SeesASmallLeak) {
    std::vector<std::unique_ptr<char[]>> kept;
    kept.reserve(1000);
    const std::size_t before = HeapInUse();
    for (int i = 0; i < 1000; ++i) kept.push_back(std::make_unique<char[]>(48));
    const long long growth = static_cast<long long>(HeapInUse()) - static_cast<long long>(before);
    EXPECT_GE(growth, 48 * 1000);
    EXPECT_LT(growth, 80 * 1000);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, Churn, ::testing::ValuesIn(CreatableClassNames()), ParamName);

}  // namespace
