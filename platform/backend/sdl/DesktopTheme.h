// The desktop's choice of a light or dark look, for the window backend's start.
#pragma once

#include <string>

namespace vcl {

// "dark" or "light" when the desktop says which it prefers, "" when it says nothing (no
// session bus, no settings portal, no preference). Asks the settings portal's
// org.freedesktop.appearance color-scheme over the session bus; waits at most half a
// second for the answer.
std::string PortalThemePreference();
// The portal's answer; when it has none, the X settings manager's theme name.
std::string DesktopThemePreference();

}  // namespace vcl
