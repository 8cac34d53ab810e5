// Types: basic geometry (TPoint, TSize, TRect, Rect, Bounds, IntersectRect, UnionRect), sets
// over enumerations (TSet) and saturating int arithmetic for coordinates (SatAdd, SatSub,
// SatNeg, SatMul, SatInt).
#pragma once

#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"
#include "platform/runtime/Sets.h"
