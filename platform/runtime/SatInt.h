// Saturating int arithmetic for coordinates and extents. A control may be given any int as
// position or size, so where coordinates are combined (a position plus an extent, offsets
// summed up a parent chain, an origin negated) the result stops at the ends of the int range
// instead of overflowing: whatever lies past the range is off every surface anyway.
#pragma once

#include <limits>

#include "platform/runtime/Geometry.h"

namespace vcl {

// A 64-bit result brought into the int range.
constexpr int SatInt(long long Value) {
    constexpr long long lo = std::numeric_limits<int>::min();
    constexpr long long hi = std::numeric_limits<int>::max();
    return int(Value < lo ? lo : Value > hi ? hi : Value);
}
constexpr int SatAdd(int A, int B) { return SatInt((long long)A + B); }
constexpr int SatSub(int A, int B) { return SatInt((long long)A - B); }
constexpr int SatNeg(int A) { return SatInt(-(long long)A); }
constexpr int SatMul(int A, int B) { return SatInt((long long)A * B); }

// No bitmap (and so no surface) holds more than 2^28 pixels, so none is wider or taller. A
// layout may bring a coordinate or extent it was given into +-kCoordLimit before combining
// it with others: an edge beyond the limit is off every surface either way, and sums of up
// to seven such values stay in the int range.
inline constexpr int kCoordLimit = 1 << 28;
constexpr int ClampCoord(int Value) {
    return Value < -kCoordLimit ? -kCoordLimit : Value > kCoordLimit ? kCoordLimit : Value;
}

// Rectangles built and moved with saturating edges.
constexpr TRect SatBounds(int Left, int Top, int Width, int Height) {
    return TRect(Left, Top, SatAdd(Left, Width), SatAdd(Top, Height));
}
constexpr TRect SatOffset(const TRect& R, int Dx, int Dy) {
    return TRect(SatAdd(R.Left, Dx), SatAdd(R.Top, Dy), SatAdd(R.Right, Dx), SatAdd(R.Bottom, Dy));
}

}  // namespace vcl
