// The seven-segment display's shapes: black on white, drawn with the platform canvas without
// smoothing, so that the display's flood fills recolour each shape and its ground exactly.
#pragma once

#include <string>
#include <vector>

#include "tools/resgen/Output.h"

namespace resgen {

struct SegmentSpec {
    std::string name;
    Pixels image;
    int bits;
};

std::vector<SegmentSpec> SegmentShapes();

}  // namespace resgen
