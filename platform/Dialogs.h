// Dialogs: the colour dialog.
#pragma once

#include "platform/controls/forms/ColorDialog.h"
