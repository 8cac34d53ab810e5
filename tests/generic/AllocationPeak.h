// The most heap a stretch of code held at once beyond what was in use when it began, as the
// allocator counts it: every operator new of the test program (in the sanitizer build, every
// allocation the sanitizer's allocator makes) adds its block's size, every release takes it
// back, and the highest level is remembered.
//
//   AllocationPeak peak;                 // starts counting from the heap in use now
//   control->PaintTo(canvas, 0, 0);
//   EXPECT_LT(peak.Bytes(), limit);      // the most held at once since the start
#pragma once

#include <cstddef>

namespace zyn_test {

// The bytes in use and the highest level since the last ResetAllocationPeak().
std::size_t AllocatedBytes();
std::size_t AllocationPeakBytes();
void ResetAllocationPeak();

class AllocationPeak {
public:
    AllocationPeak() : start_(AllocatedBytes()) { ResetAllocationPeak(); }
    // The most held at once beyond the level at the start.
    std::size_t Bytes() const {
        const std::size_t peak = AllocationPeakBytes();
        return peak > start_ ? peak - start_ : 0;
    }

private:
    std::size_t start_;
};

}  // namespace zyn_test
