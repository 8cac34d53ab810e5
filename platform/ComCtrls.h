// Common controls: the tree view and the date/time picker.
#pragma once

#include "platform/controls/DateTimePicker.h"
#include "platform/controls/TreeView.h"
