// The form designer's palette icons: a 24 x 24 pictogram per component class, named
// PAL_<CLASS> (PAL_TBUTTON), and PAL_GENERIC for a class without one of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/resgen/Output.h"

namespace resgen {

// The drawing size of a palette icon.
inline constexpr int kPaletteIconSize = 24;

struct PaletteIconSpec {
    std::string className;   // "TButton"; "" for the generic icon
    std::function<void(Raster&)> draw;
};

std::vector<PaletteIconSpec> PaletteIcons();
// The resource name of a class's icon: PAL_ and the class name upper-cased.
std::string PaletteIconName(const std::string& ClassName);

}  // namespace resgen
