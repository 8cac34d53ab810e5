// The SDL event queue as the message loop's event source: waits for SDL events up to the
// loop's deadline and turns them into the input dispatcher's calls.
#pragma once

#include <SDL.h>

#include "platform/controls/base/Backend.h"
#include "platform/core/Application.h"

namespace vcl::sdl {

class SdlBackend;

class SdlEventSource : public TEventSource {
public:
    explicit SdlEventSource(SdlBackend& Backend) : backend_(Backend) {}
    bool WaitAndDispatch(int TimeoutMs) override;
    // Thread-safe: pushes a user event that ends the wait.
    void Wake() override;

private:
    bool Dispatch(const SDL_Event& E);
    bool DispatchWindowEvent(const SDL_WindowEvent& E);
    bool DispatchMouse(const SDL_Event& E);
    bool DispatchKey(const SDL_KeyboardEvent& E);
    bool DispatchText(const SDL_TextInputEvent& E);

    SdlBackend& backend_;
};

}  // namespace vcl::sdl
