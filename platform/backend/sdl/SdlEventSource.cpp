// SDL events to the framework's input (see SdlEventSource.h).
#include "platform/backend/sdl/SdlEventSource.h"

#include <algorithm>
#include <cmath>

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/backend/sdl/SdlKeys.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"
#if ZYN_HAVE_ATK
#include "platform/backend/atk/AtkBridge.h"
#endif

namespace vcl::sdl {

namespace {

// Waits for the next event by polling in short naps instead of SDL_WaitEventTimeout. While
// SDL blocks in that call, every event it queues sends a wake-up message through a second X
// connection to its newest window; when that window is a popup closing at the same moment,
// the server refuses the message (BadWindow) and Xlib's default handler ends the program.
// A nap of a few milliseconds costs nothing measurable and never leaves that path open.
bool NextEvent(SDL_Event& E, int TimeoutMs) {
    constexpr Uint32 kNapMs = 4;
    const Uint64 start = SDL_GetTicks64();
    for (;;) {
        if (SDL_PollEvent(&E) != 0) return true;
#if ZYN_HAVE_ATK
        // The accessibility service's requests may change a control: the loop then
        // repaints before it waits again.
        if (atkbridge::Pump()) return false;
#endif
        if (TimeoutMs == 0) return false;
        Uint32 nap = kNapMs;
        if (TimeoutMs > 0) {
            const Uint64 waited = SDL_GetTicks64() - start;
            if (waited >= Uint64(TimeoutMs)) return false;
            nap = Uint32(std::min<Uint64>(kNapMs, Uint64(TimeoutMs) - waited));
        }
#if ZYN_HAVE_ATK
        // A running bridge naps in the service's poll instead, and answers what comes.
        if (atkbridge::Wait(int(nap))) return false;
        if (atkbridge::Running()) continue;
#endif
        SDL_Delay(nap);
    }
}

}  // namespace

bool SdlEventSource::WaitAndDispatch(int TimeoutMs) {
    SDL_Event e;
    if (!NextEvent(e, TimeoutMs)) return false;
    bool dispatched = false;
    // Everything that has queued up is handled before the loop repaints once.
    do {
        try {
            dispatched |= Dispatch(e);
        } catch (...) {
            Application->HandleException(nullptr);
        }
    } while (SDL_PollEvent(&e) != 0);
    return dispatched;
}

void SdlEventSource::Wake() {
    SDL_Event e{};
    e.type = backend_.WakeEventType();
    SDL_PushEvent(&e);
}

bool SdlEventSource::Dispatch(const SDL_Event& E) {
    switch (E.type) {
    case SDL_QUIT:
        Application->Terminate();
        return true;
    case SDL_WINDOWEVENT:
        return DispatchWindowEvent(E.window);
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
        return DispatchMouse(E);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return DispatchKey(E.key);
    case SDL_TEXTINPUT:
        return DispatchText(E.text);
    default:
        return false;   // the wake event and whatever the framework has no use for
    }
}

bool SdlEventSource::DispatchWindowEvent(const SDL_WindowEvent& E) {
    NativeWindow* w = backend_.FindByWindowId(E.windowID);
    if (w == nullptr) return false;
    switch (E.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
        backend_.PresentAll(*w);
        return true;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (!w->popup) backend_.FollowWindowGeometry(*w);
        return true;
    case SDL_WINDOWEVENT_LEAVE:
        input::MouseLeaveWindow(w->form);
        return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (!w->popup && Screen != nullptr) Screen->SetActiveForm(w->form);
        return true;
    case SDL_WINDOWEVENT_CLOSE:
        backend_.CloseRequested(*w);
        return true;
    default:
        return false;
    }
}

namespace {

bool ToButton(Uint8 SdlButton, TMouseButton& Button) {
    switch (SdlButton) {
    case SDL_BUTTON_LEFT: Button = mbLeft; return true;
    case SDL_BUTTON_RIGHT: Button = mbRight; return true;
    case SDL_BUTTON_MIDDLE: Button = mbMiddle; return true;
    default: return false;
    }
}

TShiftState Modifiers() { return ShiftStateFromSdl(Uint16(SDL_GetModState())); }

}  // namespace

bool SdlEventSource::DispatchMouse(const SDL_Event& E) {
    switch (E.type) {
    case SDL_MOUSEMOTION: {
        NativeWindow* w = backend_.FindByWindowId(E.motion.windowID);
        if (w == nullptr) return false;
        w->lastMouse = TPoint(E.motion.x, E.motion.y);
        input::MouseMove(w->form, w->lastMouse, Modifiers());
        return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        NativeWindow* w = backend_.FindByWindowId(E.button.windowID);
        TMouseButton button;
        if (w == nullptr || !ToButton(E.button.button, button)) return false;
        bool down = E.type == SDL_MOUSEBUTTONDOWN;
        w->lastMouse = TPoint(E.button.x, E.button.y);
        // A press outside an open popup cancels it; while a menu still holds the input
        // (its loop ends after this event) the press is used up by that.
        if (down && backend_.CancelPopupsExcept(w) && !input::FormAcceptsInput(w->form)) return true;
        if (down) backend_.TakeKeyboard(*w);
        input::MouseButton(w->form, button, down, w->lastMouse, Modifiers());
        return true;
    }
    default: {   // wheel
        NativeWindow* w = backend_.FindByWindowId(E.wheel.windowID);
        if (w == nullptr) return false;
        float steps = E.wheel.preciseY;
        if (E.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
        int delta = int(std::lround(steps * 120.0f));
        if (delta == 0) return false;
        w->lastMouse = TPoint(E.wheel.mouseX, E.wheel.mouseY);
        input::MouseWheel(w->form, delta, w->lastMouse, Modifiers());
        return true;
    }
    }
}

bool SdlEventSource::DispatchKey(const SDL_KeyboardEvent& E) {
    WORD vk = VirtualKeyFromSdl(E.keysym.sym, E.keysym.scancode, E.keysym.mod);
    NativeWindow* w = backend_.KeyboardWindow(E.windowID);
    if (vk == 0 || w == nullptr) return false;
    input::Key(w->form, vk, E.state == SDL_PRESSED, ShiftStateFromSdl(E.keysym.mod), E.repeat != 0);
    return true;
}

bool SdlEventSource::DispatchText(const SDL_TextInputEvent& E) {
    NativeWindow* w = backend_.KeyboardWindow(E.windowID);
    if (w == nullptr) return false;
    TCustomForm* form = w->form;
    for (char32_t ch : CodePointsOf(E.text)) {
        // A handler may have closed the form between two characters.
        if (backend_.FindByForm(form) == nullptr) break;
        input::Char(form, ch);
    }
    return true;
}

}  // namespace vcl::sdl
