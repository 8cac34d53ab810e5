// The display scale an X desktop announces: the resource Xft.dpi in the resource manager
// string of the display (what `xrdb -query` shows), and SDL's display DPI as the fallback.
#pragma once

#include <optional>
#include <string>

namespace vcl {

// Xft.dpi of a resource manager string ("Xft.dpi:\t144\n..."), as a scale (144 -> 1.5),
// clamped to 1.0 .. 3.0; nullopt when the string holds no Xft.dpi or it is not a positive
// number. Without Xlib nullopt always.
std::optional<double> XftDpiScale(const std::string& Resources);

// The same for the display named by DISPLAY; nullopt without a display or a resource.
std::optional<double> DisplayXftDpiScale();

// A physical DPI as a scale: the nearest quarter step (monitors report 93 or 157 dpi where
// the desktop means 1.0 or 1.5), clamped to 1.0 .. 3.0; nullopt for no positive DPI.
std::optional<double> PhysicalDpiScale(double Dpi);

}  // namespace vcl
