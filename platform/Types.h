// Types: basic geometry (TPoint, TSize, TRect, Rect, Bounds, IntersectRect, UnionRect) and
// sets over enumerations (TSet).
#pragma once

#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"
