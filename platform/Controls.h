// Controls: TControl, TWinControl, TGraphicControl and TCustomControl, the enumerations,
// sets, cursors, control messages and event types controls share, the mouse capture and
// the keyboard's shift state.
#pragma once

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/DragObjects.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
