// ComCtrls: the common controls: the tree view with its nodes, and the date/time picker.
#pragma once

#include "platform/controls/lists/DateTimePicker.h"
#include "platform/controls/lists/TreeView.h"
