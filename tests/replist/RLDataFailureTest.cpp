// What the container's column operations leave behind when memory runs out half way: each
// allocation of the operation is made to fail in turn (that one alone, so the error can
// still be reported), and after each failure the container must be whole (counts, column
// arrays and store agreeing, the store's change notification in place) and unchanged.
#include <gtest/gtest.h>

#include <cstddef>
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

// Every replaceable form of operator new and delete is replaced, so that whatever one form
// hands out another frees with the same allocator (the library's nothrow and array forms,
// and a sanitizer's, would otherwise allocate elsewhere than the delete below frees). All
// of them count towards the failure: the nothrow forms fail by returning null, as the
// standard library's own do when the throwing form fails.
namespace {

void* Allocate(std::size_t Size, std::size_t Align) {
    if (gAllowed == 0) {
        gAllowed = -1;
        throw std::bad_alloc();
    }
    if (gAllowed > 0) --gAllowed;
    if (Size == 0) Size = 1;
    void* p = nullptr;
    if (Align <= alignof(std::max_align_t)) {
        p = std::malloc(Size);
    } else {
        // aligned_alloc wants a size that is a multiple of the alignment.
        const std::size_t rounded = (Size + Align - 1) / Align * Align;
        if (rounded >= Size) p = std::aligned_alloc(Align, rounded);
    }
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

void* AllocateOrNull(std::size_t Size, std::size_t Align) noexcept {
    try {
        return Allocate(Size, Align);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Out of line: inlined into a caller of operator new, a bare free() would look to the
// compiler like a mismatched pair.
[[gnu::noinline]] void Release(void* P) noexcept { std::free(P); }

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t Size) { return Allocate(Size, kPlain); }
void* operator new[](std::size_t Size) { return Allocate(Size, kPlain); }
void* operator new(std::size_t Size, std::align_val_t Align) { return Allocate(Size, std::size_t(Align)); }
void* operator new[](std::size_t Size, std::align_val_t Align) { return Allocate(Size, std::size_t(Align)); }
void* operator new(std::size_t Size, const std::nothrow_t&) noexcept { return AllocateOrNull(Size, kPlain); }
void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept { return AllocateOrNull(Size, kPlain); }
void* operator new(std::size_t Size, std::align_val_t Align, const std::nothrow_t&) noexcept {
    return AllocateOrNull(Size, std::size_t(Align));
}
void* operator new[](std::size_t Size, std::align_val_t Align, const std::nothrow_t&) noexcept {
    return AllocateOrNull(Size, std::size_t(Align));
}
void operator delete(void* P) noexcept { Release(P); }
void operator delete[](void* P) noexcept { Release(P); }
void operator delete(void* P, std::size_t) noexcept { Release(P); }
void operator delete[](void* P, std::size_t) noexcept { Release(P); }
void operator delete(void* P, std::align_val_t) noexcept { Release(P); }
void operator delete[](void* P, std::align_val_t) noexcept { Release(P); }
void operator delete(void* P, std::size_t, std::align_val_t) noexcept { Release(P); }
void operator delete[](void* P, std::size_t, std::align_val_t) noexcept { Release(P); }
void operator delete(void* P, const std::nothrow_t&) noexcept { Release(P); }
void operator delete[](void* P, const std::nothrow_t&) noexcept { Release(P); }
void operator delete(void* P, std::align_val_t, const std::nothrow_t&) noexcept { Release(P); }
void operator delete[](void* P, std::align_val_t, const std::nothrow_t&) noexcept { Release(P); }

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
