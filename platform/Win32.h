// Win32-shaped functions and constants the component code calls directly.
#pragma once

#include "platform/win32/WinTypes.h"
#include "platform/win32/WinMessages.h"  // windows, messages, timers, MessageBeep, VK_*, WM_*
#include "platform/win32/WinGdi.h"       // StretchBlt, fonts, MulDiv, SetWindowTheme
