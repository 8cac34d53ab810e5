// Key, modifier, cursor and text translation of the SDL backend (no display needed).
#include <gtest/gtest.h>

#include "platform/backend/sdl/SdlKeys.h"

using namespace vcl;
using namespace vcl::sdl;

namespace {

WORD Vk(SDL_Keycode Key, SDL_Scancode Scan = SDL_SCANCODE_UNKNOWN, Uint16 Mod = KMOD_NONE) {
    return VirtualKeyFromSdl(Key, Scan, Mod);
}

}  // namespace

TEST(SdlKeys, LettersAndDigitsReportUpperCaseAsciiWhateverTheModifiers) {
    EXPECT_EQ(Vk(SDLK_a), 'A');
    EXPECT_EQ(Vk(SDLK_z, SDL_SCANCODE_Z, KMOD_LSHIFT), 'Z');
    EXPECT_EQ(Vk(SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL), 'C');
    EXPECT_EQ(Vk(SDLK_0), '0');
    EXPECT_EQ(Vk(SDLK_9, SDL_SCANCODE_9, KMOD_SHIFT), '9');
}

TEST(SdlKeys, NamedKeysFollowTheVirtualKeyTable) {
    const std::pair<SDL_Keycode, WORD> table[] = {
        {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9}, {SDLK_RETURN, 13}, {SDLK_ESCAPE, 27},
        {SDLK_SPACE, 32}, {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},
        {SDLK_HOME, 36}, {SDLK_LEFT, 37}, {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},
        {SDLK_INSERT, 45}, {SDLK_DELETE, 46}, {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16},
        {SDLK_LCTRL, 17}, {SDLK_RCTRL, 17}, {SDLK_LALT, 18}, {SDLK_RALT, 18},
        {SDLK_PAUSE, 19}, {SDLK_CAPSLOCK, 20}, {SDLK_F1, 112}, {SDLK_F12, 123},
        {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145}, {SDLK_SEMICOLON, 186},
        {SDLK_EQUALS, 187}, {SDLK_COMMA, 188}, {SDLK_MINUS, 189}, {SDLK_PERIOD, 190},
        {SDLK_SLASH, 191}, {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219},
        {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222}};
    for (auto [key, vk] : table) EXPECT_EQ(Vk(key), vk) << SDL_GetKeyName(key);
}

TEST(SdlKeys, KeypadFollowsNumLock) {
    EXPECT_EQ(Vk(SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM), VK_NUMPAD0);
    EXPECT_EQ(Vk(SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NUM), VK_NUMPAD7);
    EXPECT_EQ(Vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM), VK_DECIMAL);
    EXPECT_EQ(Vk(SDLK_KP_7, SDL_SCANCODE_KP_7), VK_HOME);
    EXPECT_EQ(Vk(SDLK_KP_2, SDL_SCANCODE_KP_2), VK_DOWN);
    EXPECT_EQ(Vk(SDLK_KP_0, SDL_SCANCODE_KP_0), VK_INSERT);
    EXPECT_EQ(Vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD), VK_DELETE);
    EXPECT_EQ(Vk(SDLK_KP_ENTER), VK_RETURN);
    EXPECT_EQ(Vk(SDLK_KP_MULTIPLY), VK_MULTIPLY);
    EXPECT_EQ(Vk(SDLK_KP_PLUS), VK_ADD);
    EXPECT_EQ(Vk(SDLK_KP_MINUS), VK_SUBTRACT);
    EXPECT_EQ(Vk(SDLK_KP_DIVIDE), VK_DIVIDE);
}

TEST(SdlKeys, SymbolsOfOtherLayoutsFallBackToTheKeyPosition) {
    // An accented letter on the semicolon key and a letter-like symbol on the Q key.
    EXPECT_EQ(Vk(SDL_Keycode(0xF6), SDL_SCANCODE_SEMICOLON), VK_OEM_1);
    EXPECT_EQ(Vk(SDL_Keycode(0xE0), SDL_SCANCODE_Q), 'Q');
    EXPECT_EQ(Vk(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
}

TEST(SdlKeys, ModifiersBecomeTheShiftState) {
    EXPECT_EQ(ShiftStateFromSdl(KMOD_NONE), TShiftState());
    EXPECT_EQ(ShiftStateFromSdl(KMOD_RSHIFT), TShiftState({ssShift}));
    EXPECT_EQ(ShiftStateFromSdl(KMOD_LCTRL | KMOD_RALT), TShiftState({ssCtrl, ssAlt}));
    // Lock keys are no shift state.
    EXPECT_EQ(ShiftStateFromSdl(KMOD_NUM | KMOD_CAPS), TShiftState());
}

TEST(SdlKeys, CursorsMapToSystemShapes) {
    bool hidden = true;
    EXPECT_EQ(SystemCursorFor(crDefault, hidden), SDL_SYSTEM_CURSOR_ARROW);
    EXPECT_FALSE(hidden);
    EXPECT_EQ(SystemCursorFor(crArrow, hidden), SDL_SYSTEM_CURSOR_ARROW);
    EXPECT_EQ(SystemCursorFor(crIBeam, hidden), SDL_SYSTEM_CURSOR_IBEAM);
    EXPECT_EQ(SystemCursorFor(crHourGlass, hidden), SDL_SYSTEM_CURSOR_WAIT);
    EXPECT_EQ(SystemCursorFor(crSizeWE, hidden), SDL_SYSTEM_CURSOR_SIZEWE);
    EXPECT_EQ(SystemCursorFor(crSizeNS, hidden), SDL_SYSTEM_CURSOR_SIZENS);
    EXPECT_EQ(SystemCursorFor(crHandPoint, hidden), SDL_SYSTEM_CURSOR_HAND);
    EXPECT_EQ(SystemCursorFor(crCross, hidden), SDL_SYSTEM_CURSOR_CROSSHAIR);
    // The drag cursor is a hand; a place that takes no drop shows the "no" sign.
    EXPECT_EQ(SystemCursorFor(crDrag, hidden), SDL_SYSTEM_CURSOR_HAND);
    EXPECT_EQ(SystemCursorFor(crNoDrop, hidden), SDL_SYSTEM_CURSOR_NO);
    SystemCursorFor(crNone, hidden);
    EXPECT_TRUE(hidden);
}

TEST(SdlKeys, TextInputSplitsIntoCodePointsAndDropsMalformedBytes) {
    EXPECT_EQ(CodePointsOf("a1"), U"a1");
    EXPECT_EQ(CodePointsOf("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"), U"\u00E4\u20AC\U0001F600");
    EXPECT_EQ(CodePointsOf("x\xFFy"), U"xy");                    // invalid lead byte
    EXPECT_EQ(CodePointsOf("x\xE2\x82"), U"x");                  // truncated at the end
    EXPECT_EQ(CodePointsOf("\xC0\xAF"), U"");                    // overlong form of '/'
    EXPECT_EQ(CodePointsOf("\xED\xA0\x80z"), U"z");              // surrogate
}
