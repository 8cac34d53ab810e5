// The theme roles of TRotLab's colour defaults (platform/Themes.h): none. It is
// it draws in its Color and Font colour, system colours that follow by themselves.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TRotLab", {});
}  // namespace
