// Run-time choice of wider vector code for the pixel loops that are bound by memory speed:
// functions marked ZYN_TARGET_AVX2 are compiled for AVX2 as well and called only when the
// processor has it.
#pragma once

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZYN_HAVE_AVX2_PATHS 1
#define ZYN_TARGET_AVX2 __attribute__((target("avx2")))
#define ZYN_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define ZYN_HAVE_AVX2_PATHS 0
#define ZYN_TARGET_AVX2
#define ZYN_ALWAYS_INLINE inline
#endif

namespace vcl::raster {

inline bool HaveAvx2() {
#if ZYN_HAVE_AVX2_PATHS
    static const bool yes = __builtin_cpu_supports("avx2");
    return yes;
#else
    return false;
#endif
}

}  // namespace vcl::raster
