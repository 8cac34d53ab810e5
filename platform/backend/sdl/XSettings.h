// The X settings manager's theme name: the property bytes parsed, and read from the display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vcl {

// The string setting Name in the bytes of an _XSETTINGS_SETTINGS property, in either byte
// order. False when the setting is missing, is not a string, or the bytes are truncated or
// malformed (nothing is read past Size).
bool XSettingsString(const std::uint8_t* Data, std::size_t Size, const std::string& Name, std::string& Value);

// "dark" when ThemeName ends in "-dark" (any case), "light" for another name, "" for none.
std::string ThemeNameLook(const std::string& ThemeName);

// The look of the X settings manager's Net/ThemeName on the default screen of the display
// named by DISPLAY: "dark", "light", or "" when there is no display, no manager or no name.
std::string XSettingsThemePreference();

}  // namespace vcl
