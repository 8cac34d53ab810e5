// Grids: the draw grid, the string grid and their in-place editors.
#pragma once

#include "platform/controls/grid/Grid.h"
