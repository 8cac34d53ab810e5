// The theme roles of TRasterLab's colour defaults (platform/Themes.h): none. It is
// a dot-matrix display: its dots and background are the picture, the same in every theme.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TRasterLab", {});
}  // namespace
