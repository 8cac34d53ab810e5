// What the container's column operations leave behind when memory runs out half way: each
// allocation of the operation is made to fail in turn (that one alone, so the error can
// still be reported), and after each failure the container must be whole (counts, column
// arrays and store agreeing, the store's change notification in place) and unchanged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

// The number of allocations that succeed before one fails; negative: none fails.
long gAllowed = -1;

struct TFailingAllocations {
    explicit TFailingAllocations(long Allowed) { gAllowed = Allowed; }
    ~TFailingAllocations() { gAllowed = -1; }
};

}  // namespace

void* operator new(std::size_t Size) {
    if (gAllowed == 0) {
        gAllowed = -1;
        throw std::bad_alloc();
    }
    if (gAllowed > 0) --gAllowed;
    if (void* p = std::malloc(Size == 0 ? 1 : Size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* P) noexcept { std::free(P); }
void operator delete(void* P, std::size_t) noexcept { std::free(P); }

TEST(RLDataFailure, GrowingColumnsFailsWholeOrNotAtAll) {
    int failures = 0;
    for (long allowed = 0;; ++allowed) {
        TRLData d(nullptr);
        d.SetNrCols(2);
        d.SetNrRows(3);
        d.SetColName(2, "Second");
        d.SetColCheckMode(2, cmBox);
        d.SetElem(2, 3, "kept");
        bool done = false;
        try {
            TFailingAllocations limit(allowed);
            d.SetNrCols(40);
            done = true;
        } catch (const EZynRLDataError& e) {
            ++failures;
            EXPECT_EQ(e.Message(), "Component \"\": not enough memory on heap");
        }
        const int cols = done ? 40 : 2;
        ASSERT_EQ(d.GetNrOfColumns(), cols) << allowed;
        ASSERT_EQ(d.Strings->GetNrOfColumns(), cols) << allowed;
        EXPECT_EQ(d.GetColName(2), "Second");
        EXPECT_EQ(d.GetColCheckMode(2), cmBox);
        EXPECT_EQ(d.GetElem(2, 3), "kept");
        // Every column the count names has its name, format and mode.
        for (int c = 1; c <= cols; ++c) {
            EXPECT_FALSE(d.GetColName(c).empty()) << c;
            d.SetColumnFormat(c, "[i]");
        }
        EXPECT_EQ(d.GetColName(cols + 1), "");
        if (done) break;
        ASSERT_LT(allowed, 1000);
    }
    EXPECT_GT(failures, 0);
}

TEST(RLDataFailure, CheckModeConversionFailsWholeAndKeepsTheNotification) {
    int failures = 0;
    for (long allowed = 0;; ++allowed) {
        TRLData d(nullptr);
        d.SetNrCols(1);
        d.SetNrRows(30);
        for (int r = 1; r <= 30; ++r) d.SetElem(1, r, "a text longer than fifteen bytes " + std::to_string(r));
        int changes = 0;
        d.Strings->OnChange = [&](vcl::TObject*) { ++changes; };
        bool done = false;
        try {
            TFailingAllocations limit(allowed);
            d.SetColCheckMode(1, cmBox);
            done = true;
        } catch (const EZynRLDataError& e) {
            ++failures;
            EXPECT_EQ(e.Message(), "Component \"\": not enough memory on heap");
        }
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(d.GetColCheckMode(1), done ? cmBox : cmNone) << allowed;
        // Either every cell has its mark or none has.
        for (int r = 1; r <= 30; ++r) {
            const std::string text = "a text longer than fifteen bytes " + std::to_string(r);
            EXPECT_EQ(d.Strings->GetString(1, r), done ? " " + text : text) << allowed << " " << r;
        }
        // The view's notification is back in place.
        ASSERT_TRUE(d.Strings->OnChange) << allowed;
        d.Strings->SetString(1, 1, "changed");
        EXPECT_EQ(changes, 1);
        if (done) break;
        ASSERT_LT(allowed, 1000);
    }
    EXPECT_GT(failures, 0);
}
