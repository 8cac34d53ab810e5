// The theme roles of TGradFill's colour defaults (platform/Themes.h): none. It is
// a gradient: its colours are the picture, the same in every theme.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TGradFill", {});
}  // namespace
