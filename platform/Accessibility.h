// Accessibility: the objects assistive tools read of controls and of the items controls
// draw (TAccessible and its optional interfaces, roles, states, actions, events), the
// control's own accessible object that control classes refine (TControlAccessible), and
// the ones of the platform's edits, item lists, combo boxes, trees and grids that
// components build on.
#pragma once

#include "platform/accessibility/Accessible.h"
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/base/ItemsAccessible.h"
#include "platform/controls/grid/GridAccessible.h"
#include "platform/controls/lists/ListsAccessible.h"
#include "platform/controls/text/EditAccessible.h"
