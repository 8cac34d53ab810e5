// ExtCtrls: the panel, the bevel and the timer.
#pragma once

#include "platform/controls/panels/Panels.h"
#include "platform/core/Timer.h"
