// The theme roles of TRepSpeedButton's colour defaults (platform/Themes.h): none. It is
// it is drawn by the speed button in the look's colours, which follow by themselves.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TRepSpeedButton", {});
}  // namespace
