// Fixed metrics at a control's pixels per inch. Sizes the platform and the components fix
// in pixels (check boxes, arrows, scroll bars, bevels) are 96 dpi sizes; on a denser screen
// they grow with it, and stay exactly what they were at 96.
#pragma once

#include <algorithm>

#include "platform/runtime/Rounding.h"

namespace vcl {

// A size given at 96 pixels per inch, at PPI (rounded to the nearest pixel).
inline int ScaleMetric(int Value, int PPI) { return PPI == 96 ? Value : MulDiv(Value, PPI, 96); }

// A line, border or bevel width given at 96 pixels per inch: whole device pixels, rounded
// down and never thinner than one, so that a line stays sharp (one pixel at 1.5x, two at 2x)
// instead of a blurred one and a half.
inline int ScaleLineWidth(int Value, int PPI) {
    if (PPI == 96 || Value <= 0) return Value;
    return std::max(1, int(static_cast<long long>(Value) * PPI / 96));
}

}  // namespace vcl
