// Menus: menu items, popup menus, shortcuts and the menu builders.
#pragma once

#include "platform/controls/forms/Menus.h"
