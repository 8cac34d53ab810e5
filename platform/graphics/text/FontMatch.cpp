// Font matching through fontconfig.
#include "platform/graphics/text/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include "platform/runtime/Exceptions.h"

namespace vcl::text {

namespace {

// The configuration is loaded once and released at exit.
FcConfig* Config() {
    static const struct Holder {
        FcConfig* config = FcInitLoadConfigAndFonts();
        ~Holder() { if (config) FcConfigDestroy(config); }
    } holder;
    return holder.config;
}

bool MatchPattern(const char* family, bool bold, bool italic, FaceLocation& location) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;

    FcChar8* file = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        location.file = reinterpret_cast<const char*>(file);
        int index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        location.index = index;
    }
    FcPatternDestroy(match);
    return found;
}

}  // namespace

FaceLocation MatchFace(const std::string& family, bool bold, bool italic) {
    FaceLocation location;
    if (!family.empty() && MatchPattern(family.c_str(), bold, italic, location)) return location;
    if (MatchPattern("sans-serif", bold, italic, location)) return location;
    throw EOutOfResources("No scalable font is installed (asked for \"" + family + "\")");
}

}  // namespace vcl::text
