// The theme roles of the meter's colour defaults (platform/Themes.h). The scale bands,
// the limit lamps and the needles are content and keep their colours in every theme; the
// rim cover is clBtnFace and follows by itself.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TMeter", {
    {"ColorBakG", vcl::trWindow, ""},
    {"ColorScale", vcl::trMarkText, "ColorBakG"},
});
}  // namespace
