// Xft.dpi and the physical DPI as a display scale (see XResources.h).
#include "platform/backend/sdl/XResources.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#if defined(ZYN_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#endif

#include "platform/controls/base/DisplayScale.h"

namespace vcl {

namespace {

double Clamped(double Scale) { return std::clamp(Scale, MinDisplayScale, MaxDisplayScale); }

}  // namespace

#if defined(ZYN_HAVE_X11)
std::optional<double> XftDpiScale(const std::string& Resources) {
    // The resource manager's own parser: it knows the file syntax (continued lines,
    // comments, wildcards), and Xrm needs its quarks set up once per program.
    static const bool initialised = (XrmInitialize(), true);
    (void)initialised;
    XrmDatabase db = XrmGetStringDatabase(Resources.c_str());
    if (db == nullptr) return std::nullopt;
    std::optional<double> scale;
    char* type = nullptr;
    XrmValue value{};
    if (XrmGetResource(db, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        std::string text(value.addr, value.size > 0 ? value.size - 1 : 0);   // size counts the NUL
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t\r\n") + 1);
        double dpi = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), dpi);
        if (ec == std::errc() && end == text.data() + text.size() && dpi > 0 && std::isfinite(dpi))
            scale = Clamped(dpi / 96.0);
    }
    XrmDestroyDatabase(db);
    return scale;
}

std::optional<double> DisplayXftDpiScale() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return std::nullopt;
    std::optional<double> scale;
    if (const char* resources = XResourceManagerString(display)) scale = XftDpiScale(resources);
    XCloseDisplay(display);
    return scale;
}
#else
std::optional<double> XftDpiScale(const std::string&) { return std::nullopt; }
std::optional<double> DisplayXftDpiScale() { return std::nullopt; }
#endif

std::optional<double> PhysicalDpiScale(double Dpi) {
    if (!(Dpi > 0) || !std::isfinite(Dpi)) return std::nullopt;
    return Clamped(std::round(Dpi / 96.0 * 4.0) / 4.0);
}

}  // namespace vcl
