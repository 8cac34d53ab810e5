// What a test needs to know of the sanitizer build (make test-sanitize): whether it is one,
// how much slower its code runs, and the heap in use as its allocator counts it.
#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define ZYN_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZYN_TEST_ASAN 1
#endif
#endif

#if defined(ZYN_TEST_ASAN)
// From the sanitizer runtime's allocator interface (gcc installs no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace zyn_test {

#if defined(ZYN_TEST_ASAN)
inline constexpr bool kSanitizerBuild = true;
// The instrumented code at -O1 runs several times slower than the Release build; limits of
// time that guard against runaway loops are scaled by this.
inline constexpr double kSlowdown = 5.0;
// The bytes the sanitizer's allocator has handed out and not taken back (freed blocks wait
// in its quarantine but no longer count).
inline std::size_t HeapInUse() { return __sanitizer_get_current_allocated_bytes(); }
#else
inline constexpr bool kSanitizerBuild = false;
inline constexpr double kSlowdown = 1.0;
// The bytes the C library's allocator has handed out and not taken back.
inline std::size_t HeapInUse() { return mallinfo2().uordblks; }
#endif

}  // namespace zyn_test
