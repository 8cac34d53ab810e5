// The display's scale: how many device pixels stand for one pixel at 96 pixels per inch.
//
// ZYN_SCALE (1.0 to 3.0) overrides what the display says; without it the window backend
// answers (the X resource Xft.dpi, then the display's own DPI), and a backend without a
// display answers nothing, which is 1.0. The screen's PixelsPerInch is round(96 x scale).
#pragma once

#include <optional>
#include <string>

namespace vcl {

inline constexpr double MinDisplayScale = 1.0;
inline constexpr double MaxDisplayScale = 3.0;

// A ZYN_SCALE value: a decimal number (point as separator) within MinDisplayScale ..
// MaxDisplayScale. nullopt when refused; Error then says why in one line.
std::optional<double> ParseDisplayScale(const std::string& Text, std::string& Error);
// The scale in use: a valid ZYN_SCALE, else the backend's, else 1.0. A refused ZYN_SCALE
// is reported on stderr (once per call) and ignored.
double DisplayScale();
// round(96 x Scale).
int ScaleToPixelsPerInch(double Scale);

}  // namespace vcl
