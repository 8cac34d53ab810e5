// The theme roles of TSevenSeg's colour defaults (platform/Themes.h): none. It is
// a display: its digits and background are the picture, the same in every theme.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TSevenSeg", {});
}  // namespace
