// Buttons: the speed button (a graphic button with glyph, caption and grouping).
#pragma once

#include "platform/controls/buttons/SpeedButton.h"
