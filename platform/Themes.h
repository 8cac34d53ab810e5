// Themes: the style services (no style is active; the classic system colours apply).
#pragma once

#include "platform/controls/look/StyleServices.h"
