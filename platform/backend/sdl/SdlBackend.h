// The SDL2 window backend: every showing top-level form is an SDL window presenting the
// form's back buffer through a streaming texture; SDL's input becomes the dispatcher's
// calls; the system clipboard and the mouse cursors come from SDL too.
//
// Every program linking the platform has it registered before main runs (see
// platform/backend/Registrars.cpp); the backend chooser takes it when a display is present,
// or when ZYN_BACKEND=sdl.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/Clipboard.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// Registers the backend under "sdl". Safe to call more than once.
void RegisterSdlBackend();
// Whether SDL can open windows here (a display is named and the video system starts).
bool SdlDisplayAvailable();

namespace sdl {

// One native window and what presents into it.
struct NativeWindow {
    TCustomForm* form = nullptr;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0, textureHeight = 0;
    bool popup = false;            // borderless, on top, closed by a click elsewhere
    bool shown = false;
    TPoint lastMouse;              // last pointer position (client coordinates)
};

class SdlEventSource;
class SdlClipboard;

class SdlBackend : public TBackend {
public:
    SdlBackend();
    ~SdlBackend() override;

    std::string Name() const override { return "sdl"; }
    bool IsInteractive() const override { return true; }

    void CreateNativeWindow(TCustomForm* Form) override;
    void DestroyNativeWindow(TCustomForm* Form) override;
    void ShowNativeWindow(TCustomForm* Form, bool Visible) override;
    void UpdateNativeWindow(TCustomForm* Form) override;
    void Present(TCustomForm* Form, const std::vector<TRect>& Regions) override;

    void SetCursor(TCursor Cursor) override;
    void SetCapture(TCustomForm* Form, bool On) override;

    TEventSource* GetEventSource() override;
    TClipboardBackend* GetClipboardBackend() override;
    TSize GetScreenSize() const override;
    std::optional<double> GetDisplayScale() const override;

    // ---- used by the event source
    NativeWindow* FindByWindowId(Uint32 Id);
    NativeWindow* FindByForm(TCustomForm* Form);
    // The window that takes the keyboard now: the one SDL says has the focus (else the
    // active form's) when it takes input; otherwise the newest window that does (a popup
    // menu running its own loop keeps the focus on the window it was opened from).
    NativeWindow* KeyboardWindow(Uint32 FocusId);
    // A press landed outside the showing popups opened after Keep (all of them when Keep is
    // no popup): each gets CM_CANCELMODE, newest first, as a menu or list expects when the
    // user clicks elsewhere. Returns whether there was one.
    bool CancelPopupsExcept(NativeWindow* Keep);
    // Copies the whole back buffer again (after an expose or a size change).
    void PresentAll(NativeWindow& W);
    // The form's window was moved or sized by the user: the form follows.
    void FollowWindowGeometry(NativeWindow& W);
    // Gives a normal window the keyboard focus when it has not got it.
    void TakeKeyboard(NativeWindow& W);
    // The user asked the window to close.
    void CloseRequested(NativeWindow& W);
    Uint32 WakeEventType() const { return wakeEvent_; }

private:
    void FollowDesktopTheme();
    void EnsureTexture(NativeWindow& W, int Width, int Height);
    void Render(NativeWindow& W);
    void DestroyResources(NativeWindow& W);
    static bool IsPopupForm(TCustomForm* Form);

    std::map<TCustomForm*, std::unique_ptr<NativeWindow>> windows_;
    std::vector<NativeWindow*> popupOrder_;    // showing popups, oldest first
    std::map<SDL_SystemCursor, SDL_Cursor*> cursors_;
    std::unique_ptr<SdlEventSource> events_;
    std::unique_ptr<TClipboardBackend> clipboard_;
    Uint32 wakeEvent_ = 0;
    bool following_ = false;       // geometry comes from the window: do not push it back
};

}  // namespace sdl
}  // namespace vcl
