// The theme roles of TColSel's colour defaults (platform/Themes.h): none. It is
// its one colour property is the colour chosen, never a theme's; the list draws in system colours.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TColSel", {});
}  // namespace
