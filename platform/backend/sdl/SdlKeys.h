// Translation of SDL's keyboard, modifier and cursor vocabulary into the framework's:
// virtual-key codes, the shift state and cursor shapes. Pure functions, so they are
// tested without a display.
#pragma once

#include <SDL.h>

#include "platform/controls/base/Control.h"
#include "platform/core/WinTypes.h"

namespace vcl::sdl {

// The virtual-key code of a key (0 when the key has none). Letters and digits report the
// upper-case ASCII code whatever the modifiers; keypad keys follow Num Lock (digits with it
// on, the navigation keys with it off); keys whose symbol the layout changes (an accented
// letter, say) fall back to the key at that place on a US keyboard.
WORD VirtualKeyFromSdl(SDL_Keycode Key, SDL_Scancode Scan, Uint16 Mod);

// Shift, Ctrl and Alt from SDL's modifier mask (the mouse buttons are not in it).
TShiftState ShiftStateFromSdl(Uint16 Mod);

// The system cursor that shows a framework cursor; Hidden is set for crNone.
SDL_SystemCursor SystemCursorFor(TCursor Cursor, bool& Hidden);

// Splits UTF-8 text (a text-input event) into code points; malformed bytes are skipped.
std::u32string CodePointsOf(const char* Utf8);

}  // namespace vcl::sdl
