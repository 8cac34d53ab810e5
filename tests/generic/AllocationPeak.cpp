// Counting the heap for AllocationPeak.h. The Release build replaces the program's plain
// operator new and delete (the aligned forms keep the library's own, which pair with each
// other and are not counted); the sanitizer build leaves its allocator in place and listens
// to it through the hooks it offers.
#include "tests/generic/AllocationPeak.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/support/Sanitizer.h"

#if defined(ZYN_TEST_ASAN)
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*Malloc)(const volatile void*, std::size_t),
                                               void (*Free)(const volatile void*));
std::size_t __sanitizer_get_allocated_size(const volatile void* P);
}
#else
#include <malloc.h>
#endif

namespace zyn_test {

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void Added(std::size_t N) {
    const std::size_t now = inUse.fetch_add(N, std::memory_order_relaxed) + N;
    std::size_t p = peak.load(std::memory_order_relaxed);
    while (now > p && !peak.compare_exchange_weak(p, now, std::memory_order_relaxed)) {
    }
}
void Taken(std::size_t N) { inUse.fetch_sub(N, std::memory_order_relaxed); }

#if defined(ZYN_TEST_ASAN)
void OnMalloc(const volatile void*, std::size_t Size) { Added(Size); }
// The hook runs before the block is released, while its size can still be asked.
void OnFree(const volatile void* P) {
    if (P != nullptr) Taken(__sanitizer_get_allocated_size(P));
}
[[maybe_unused]] const int installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
#endif

}  // namespace

std::size_t AllocatedBytes() { return inUse.load(std::memory_order_relaxed); }
std::size_t AllocationPeakBytes() { return peak.load(std::memory_order_relaxed); }
void ResetAllocationPeak() { peak.store(inUse.load(std::memory_order_relaxed), std::memory_order_relaxed); }

#if !defined(ZYN_TEST_ASAN)
namespace {

void* Allocate(std::size_t N) {
    for (;;) {
        if (void* p = std::malloc(N == 0 ? 1 : N)) {
            Added(malloc_usable_size(p));
            return p;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) throw std::bad_alloc();
        handler();
    }
}
void Release(void* P) noexcept {
    if (P == nullptr) return;
    Taken(malloc_usable_size(P));
    std::free(P);
}

}  // namespace
#endif

}  // namespace zyn_test

#if !defined(ZYN_TEST_ASAN)
void* operator new(std::size_t N) { return zyn_test::Allocate(N); }
void* operator new[](std::size_t N) { return zyn_test::Allocate(N); }
void* operator new(std::size_t N, const std::nothrow_t&) noexcept {
    try {
        return zyn_test::Allocate(N);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t N, const std::nothrow_t&) noexcept {
    try {
        return zyn_test::Allocate(N);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* P) noexcept { zyn_test::Release(P); }
void operator delete[](void* P) noexcept { zyn_test::Release(P); }
void operator delete(void* P, std::size_t) noexcept { zyn_test::Release(P); }
void operator delete[](void* P, std::size_t) noexcept { zyn_test::Release(P); }
void operator delete(void* P, const std::nothrow_t&) noexcept { zyn_test::Release(P); }
void operator delete[](void* P, const std::nothrow_t&) noexcept { zyn_test::Release(P); }
#endif
