// Win32: the Win32-shaped functions and constants the component code calls directly:
// windows, messages and timers (SetTimer, KillTimer, DefWindowProc, MessageBeep, WM_*,
// VK_*), GDI calls (StretchBlt, SetStretchBltMode, LOGFONT, CreateFontIndirect, GetObject,
// SetWindowTheme) and MulDiv.
#pragma once

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/LogicalFonts.h"
#include "platform/graphics/WinGdi.h"
#include "platform/runtime/Rounding.h"
