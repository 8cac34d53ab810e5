// The display's scale (see DisplayScale.h).
#include "platform/controls/base/DisplayScale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/controls/base/Backend.h"

namespace vcl {

std::optional<double> ParseDisplayScale(const std::string& Text, std::string& Error) {
    double value = 0;
    const char* first = Text.data();
    const char* last = first + Text.size();
    // from_chars reads the invariant point whatever the locale, and no "inf" or "nan"
    // slips through as a scale: both fail the range test below.
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (Text.empty() || ec != std::errc() || end != last || !std::isfinite(value)) {
        Error = "ZYN_SCALE=\"" + Text + "\" is not a number such as 1.5; ignored";
        return std::nullopt;
    }
    if (!(value >= MinDisplayScale && value <= MaxDisplayScale)) {
        Error = "ZYN_SCALE=" + Text + " lies outside 1.0 to 3.0; ignored";
        return std::nullopt;
    }
    return value;
}

double DisplayScale() {
    if (const char* text = std::getenv("ZYN_SCALE"); text != nullptr) {
        std::string error;
        if (std::optional<double> scale = ParseDisplayScale(text, error)) return *scale;
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    if (std::optional<double> scale = Backend()->GetDisplayScale()) return *scale;
    return 1.0;
}

int ScaleToPixelsPerInch(double Scale) { return static_cast<int>(std::lround(96.0 * Scale)); }

}  // namespace vcl
