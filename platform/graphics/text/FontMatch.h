// Font matching: a family name and style become a font file through fontconfig.
#pragma once

#include <string>

namespace vcl::text {

struct FaceLocation {
    std::string file;
    int index = 0;
};

// The best installed scalable face for the family ("Arial" finds its metric-compatible
// substitute, unknown names the default sans-serif face). Raises EOutOfResources when no
// font is installed at all. Whether the face really is bold or italic is for the caller to
// read from the face: the configuration may report styles it only intends to synthesise.
FaceLocation MatchFace(const std::string& family, bool bold, bool italic);

}  // namespace vcl::text
