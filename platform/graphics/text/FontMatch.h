// Font matching: a family name and style become a font file through fontconfig.
#pragma once

#include <string>

namespace vcl::text {

struct FaceLocation {
    std::string file;
    int index = 0;
    bool synthesizeBold = false;     // bold asked for, but the best face is not bold
    bool synthesizeItalic = false;   // italic asked for, but the best face is upright
};

// The best installed scalable face for the family ("Arial" finds its metric-compatible
// substitute, unknown names the default sans-serif face). Raises EOutOfResources when no
// font is installed at all.
FaceLocation MatchFace(const std::string& family, bool bold, bool italic);

}  // namespace vcl::text
