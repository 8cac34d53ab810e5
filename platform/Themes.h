// Themes: the style services (no style is active; the classic system colours apply), the
// light, dark and high-contrast colour tables (Theme.h) and the roles components give
// their colour defaults so that they follow the theme (ThemeFollow.h).
#pragma once

#include "platform/controls/look/StyleServices.h"
#include "platform/controls/look/ThemeFollow.h"
#include "platform/graphics/Theme.h"
