// Polygon filling with the region scan converter's rule: a pixel is inside when its
// top-left corner is, left edges count as inside and right edges as outside.
#pragma once

#include <span>

#include "platform/graphics/raster/SpanSet.h"

namespace vcl::raster {

// Adds the inside of the closed polygon through points (the last point joins the first)
// to set, by the even-odd rule (ALTERNATE) or the non-zero rule (WINDING).
void AddPolygon(SpanSet& set, std::span<const TPoint> points, bool winding);

}  // namespace vcl::raster
