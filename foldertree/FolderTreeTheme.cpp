// The theme roles of TFolderTree's colour defaults (platform/Themes.h): none. It is
// it draws in system colours through the tree view, which follow by themselves.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TFolderTree", {});
}  // namespace
