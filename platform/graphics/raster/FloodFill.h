// Flood fill: the 4-connected area around a start pixel, found iteratively.
#pragma once

#include <cstdint>

#include "platform/graphics/raster/SpanSet.h"

namespace vcl::raster {

// Collects into area (bounded by the clip) the pixels 4-connected to (x, y) that equal
// value (surfaceMode) or differ from it (border mode). False, with area untouched, when
// the start pixel is outside the clip or does not qualify.
bool CollectFloodArea(const Surface& s, int x, int y, std::uint32_t value, bool surfaceMode,
                      SpanSet& area);

}  // namespace vcl::raster
