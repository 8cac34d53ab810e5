// Key, modifier and cursor translation (see SdlKeys.h).
#include "platform/backend/sdl/SdlKeys.h"

#include <string>

#include "platform/controls/base/Control.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"

namespace vcl::sdl {

namespace {

// Keys named by their symbol in SDL's keycode space.
WORD FromKeycode(SDL_Keycode Key) {
    if (Key >= SDLK_a && Key <= SDLK_z) return WORD('A' + (Key - SDLK_a));
    if (Key >= SDLK_0 && Key <= SDLK_9) return WORD('0' + (Key - SDLK_0));
    if (Key >= SDLK_F1 && Key <= SDLK_F12) return WORD(VK_F1 + (Key - SDLK_F1));
    switch (Key) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT: case SDLK_RALT: return VK_MENU;
    case SDLK_LGUI: return VK_LWIN;
    case SDLK_RGUI: return VK_RWIN;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_HELP: return VK_HELP;
    case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDLK_SCROLLLOCK: return VK_SCROLL;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: case SDLK_PLUS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    default: return 0;
    }
}

// Keypad keys: digits and the decimal point with Num Lock, navigation without.
WORD FromKeypad(SDL_Keycode Key, bool NumLock) {
    static const WORD navigation[10] = {VK_INSERT, VK_END, VK_DOWN, VK_NEXT, VK_LEFT,
                                        VK_CLEAR, VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR};
    if (Key == SDLK_KP_0) return NumLock ? VK_NUMPAD0 : navigation[0];
    if (Key >= SDLK_KP_1 && Key <= SDLK_KP_9) {
        int digit = 1 + (Key - SDLK_KP_1);
        return NumLock ? WORD(VK_NUMPAD0 + digit) : navigation[digit];
    }
    switch (Key) {
    case SDLK_KP_PERIOD: case SDLK_KP_DECIMAL: return NumLock ? VK_DECIMAL : VK_DELETE;
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_KP_COMMA: return VK_SEPARATOR;
    default: return 0;
    }
}

// The key at this place on a US keyboard.
WORD FromScancode(SDL_Scancode Scan) {
    if (Scan >= SDL_SCANCODE_A && Scan <= SDL_SCANCODE_Z) return WORD('A' + (Scan - SDL_SCANCODE_A));
    if (Scan >= SDL_SCANCODE_1 && Scan <= SDL_SCANCODE_9) return WORD('1' + (Scan - SDL_SCANCODE_1));
    switch (Scan) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_SEMICOLON: return VK_OEM_1;
    case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
    case SDL_SCANCODE_COMMA: return VK_OEM_COMMA;
    case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
    case SDL_SCANCODE_PERIOD: return VK_OEM_PERIOD;
    case SDL_SCANCODE_SLASH: return VK_OEM_2;
    case SDL_SCANCODE_GRAVE: return VK_OEM_3;
    case SDL_SCANCODE_LEFTBRACKET: return VK_OEM_4;
    case SDL_SCANCODE_BACKSLASH: case SDL_SCANCODE_NONUSBACKSLASH: return VK_OEM_5;
    case SDL_SCANCODE_RIGHTBRACKET: return VK_OEM_6;
    case SDL_SCANCODE_APOSTROPHE: return VK_OEM_7;
    default: return 0;
    }
}

}  // namespace

WORD VirtualKeyFromSdl(SDL_Keycode Key, SDL_Scancode Scan, Uint16 Mod) {
    if (WORD vk = FromKeypad(Key, (Mod & KMOD_NUM) != 0)) return vk;
    if (WORD vk = FromKeycode(Key)) return vk;
    if (WORD vk = FromScancode(Scan)) return vk;
    return FromKeycode(SDL_GetKeyFromScancode(Scan));
}

TShiftState ShiftStateFromSdl(Uint16 Mod) {
    TShiftState s;
    if (Mod & KMOD_SHIFT) s.Include(ssShift);
    if (Mod & KMOD_CTRL) s.Include(ssCtrl);
    if (Mod & KMOD_ALT) s.Include(ssAlt);
    return s;
}

SDL_SystemCursor SystemCursorFor(TCursor Cursor, bool& Hidden) {
    Hidden = Cursor == crNone;
    switch (Cursor) {
    case crIBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case crHourGlass: case crSQLWait: return SDL_SYSTEM_CURSOR_WAIT;
    case crAppStart: return SDL_SYSTEM_CURSOR_WAITARROW;
    case crCross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crSizeWE: case crHSplit: return SDL_SYSTEM_CURSOR_SIZEWE;
    case crSizeNS: case crVSplit: return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case crSizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case crSizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case crHandPoint: case crDrag: case crMultiDrag: return SDL_SYSTEM_CURSOR_HAND;
    case crNo: case crNoDrop: return SDL_SYSTEM_CURSOR_NO;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

std::u32string CodePointsOf(const char* Utf8) {
    std::u32string out;
    const auto* p = reinterpret_cast<const unsigned char*>(Utf8);
    while (*p != 0) {
        unsigned char c = *p;
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) { ++p; continue; }
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        int i = 1;
        for (; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) break;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (i <= extra) { p += i; continue; }   // truncated sequence: drop it
        p += extra + 1;
        static const char32_t minimum[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) continue;
        out.push_back(cp);
    }
    return out;
}

}  // namespace vcl::sdl
