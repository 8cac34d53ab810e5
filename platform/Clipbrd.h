// Clipbrd: the clipboard (TClipboard, Clipboard()) and the hook through which a window
// backend installs the system clipboard.
#pragma once

#include "platform/core/Clipboard.h"
