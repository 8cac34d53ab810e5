// Windows, messages and timers in the Win32 shape the components are written against.
//
// A window (HWND) is an entry in one registry: a hidden message window made by
// AllocateHWnd, or a control's window made by the controls layer through the same call.
// Each has a window procedure (TWndMethod). Posted messages and timer ticks reach it
// through the application's message loop (platform/core/Application.h); SendMessage
// calls it at once.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/WinTypes.h"

namespace vcl {

// A message as a window procedure receives it; the procedure stores its answer in Result.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;
using TIMERPROC = void (*)(HWND hWnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);

// ---- windows ---------------------------------------------------------------------------
// Creates a window whose messages go to Method. Handles are never reused, so a stale
// handle is recognised (IsWindow false) and ignored by every call below.
HWND AllocateHWnd(TWndMethod Method);
// Destroys the window: its timers stop and messages still queued for it are dropped.
// Safe to call from inside its own window procedure; a null handle is ignored.
void DeallocateHWnd(HWND Wnd);
BOOL IsWindow(HWND Wnd);
// Replaces the window procedure (controls subclass their window this way).
void SetWindowMethod(HWND Wnd, TWndMethod Method);
// One pointer of user data per window (the controls layer keeps its control there).
void SetWindowUserData(HWND Wnd, void* Data);
void* GetWindowUserData(HWND Wnd);

// ---- messages --------------------------------------------------------------------------
// The default answer to any message: 0.
LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the loop; FALSE for an invalid window.
BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Calls the window procedure now and returns its Result (0 for an invalid window).
// Exceptions from the procedure reach the caller.
LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// ---- timers ----------------------------------------------------------------------------
// Starts (or restarts) timer nIDEvent of hWnd: WM_TIMER with wParam = nIDEvent arrives
// every uElapse ms (at least USER_TIMER_MINIMUM), the first a full interval from now.
// Ticks are coalesced: at most one is pending per timer, missed ones are not replayed.
// With a TimerFunc the loop calls it instead of the window procedure. With a null hWnd a
// new timer id is made and returned (the id argument is ignored). Returns 0 on failure
// (invalid window, or a failure forced by Testing::FailNextTimers).
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
// Stops the timer and drops its pending tick; FALSE when there was no such timer.
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);
// Milliseconds of the application's clock (virtual or real).
DWORD GetTickCount();

// ---- sound -----------------------------------------------------------------------------
// Counts the beep (Testing::BeepCount) and rings the backend's bell when one is installed.
BOOL MessageBeep(UINT uType);
constexpr UINT MB_OK = 0x00, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20,
               MB_ICONEXCLAMATION = 0x30, MB_ICONASTERISK = 0x40, MB_ICONERROR = MB_ICONHAND,
               MB_ICONWARNING = MB_ICONEXCLAMATION, MB_ICONINFORMATION = MB_ICONASTERISK;

constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// ---- words of a parameter ---------------------------------------------------------------
constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr int GET_X_LPARAM(LPARAM lp) { return std::int16_t(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return std::int16_t((lp >> 16) & 0xFFFF); }
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return short(HIWORD(wp)); }
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return LPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return WPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}

// ---- messages --------------------------------------------------------------------------
constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
               WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007,
               WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_SETTEXT = 0x000C,
               WM_GETTEXT = 0x000D, WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012,
               WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018, WM_SETCURSOR = 0x0020,
               WM_CANCELMODE = 0x001F, WM_NEXTDLGCTL = 0x0028, WM_SETFONT = 0x0030,
               WM_GETFONT = 0x0031, WM_WINDOWPOSCHANGED = 0x0047, WM_NOTIFY = 0x004E,
               WM_CONTEXTMENU = 0x007B, WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100,
               WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104,
               WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106, WM_COMMAND = 0x0111,
               WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114,
               WM_VSCROLL = 0x0115, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
               WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
               WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207,
               WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
               WM_CAPTURECHANGED = 0x0215, WM_MOUSELEAVE = 0x02A3, WM_CUT = 0x0300,
               WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303, WM_UNDO = 0x0304,
               WM_USER = 0x0400, WM_APP = 0x8000;
static_assert(WM_TIMER == 275);

constexpr UINT EN_CHANGE = 0x0300;

// WM_GETDLGCODE answers
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008,
                  DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
                  DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100,
                  DLGC_BUTTON = 0x2000;

// Scroll bar codes (LOWORD of wParam of WM_HSCROLL / WM_VSCROLL)
constexpr int SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1,
              SB_PAGEUP = 2, SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3,
              SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6,
              SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8;
// Scroll bar identifiers
constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;

// Mouse key state flags (wParam of mouse messages)
constexpr WPARAM MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004,
                 MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010;

constexpr int WHEEL_DELTA = 120;

// ---- virtual keys ----------------------------------------------------------------------
constexpr WORD VK_LBUTTON = 1, VK_RBUTTON = 2, VK_CANCEL = 3, VK_MBUTTON = 4, VK_BACK = 8,
               VK_TAB = 9, VK_CLEAR = 12, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
               VK_MENU = 18, VK_PAUSE = 19, VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32,
               VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36, VK_LEFT = 37,
               VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_SELECT = 41, VK_PRINT = 42,
               VK_EXECUTE = 43, VK_SNAPSHOT = 44, VK_INSERT = 45, VK_DELETE = 46,
               VK_HELP = 47, VK_LWIN = 91, VK_RWIN = 92, VK_APPS = 93, VK_NUMPAD0 = 96,
               VK_NUMPAD1 = 97, VK_NUMPAD2 = 98, VK_NUMPAD3 = 99, VK_NUMPAD4 = 100,
               VK_NUMPAD5 = 101, VK_NUMPAD6 = 102, VK_NUMPAD7 = 103, VK_NUMPAD8 = 104,
               VK_NUMPAD9 = 105, VK_MULTIPLY = 106, VK_ADD = 107, VK_SEPARATOR = 108,
               VK_SUBTRACT = 109, VK_DECIMAL = 110, VK_DIVIDE = 111, VK_F1 = 112,
               VK_F2 = 113, VK_F3 = 114, VK_F4 = 115, VK_F5 = 116, VK_F6 = 117, VK_F7 = 118,
               VK_F8 = 119, VK_F9 = 120, VK_F10 = 121, VK_F11 = 122, VK_F12 = 123,
               VK_NUMLOCK = 144, VK_SCROLL = 145, VK_LSHIFT = 160, VK_RSHIFT = 161,
               VK_LCONTROL = 162, VK_RCONTROL = 163, VK_LMENU = 164, VK_RMENU = 165,
               VK_OEM_1 = 186, VK_OEM_PLUS = 187, VK_OEM_COMMA = 188, VK_OEM_MINUS = 189,
               VK_OEM_PERIOD = 190, VK_OEM_2 = 191, VK_OEM_3 = 192, VK_OEM_4 = 219,
               VK_OEM_5 = 220, VK_OEM_6 = 221, VK_OEM_7 = 222;

}  // namespace vcl
