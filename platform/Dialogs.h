// Dialogs: the colour dialog, the open and save dialogs and the message box.
#pragma once

#include "platform/controls/forms/ColorDialog.h"
#include "platform/controls/forms/FileDialog.h"
#include "platform/controls/forms/MessageDialog.h"
