// The window backend seen from the controls layer.
//
// A backend gives top-level forms (and popups) a native window, shows the back buffer of
// a form in it, sets the mouse cursor and capture, and feeds the system's input to the
// dispatcher (platform/controls/base/InputDispatch.h) through the event source it hands to the
// message loop. The headless backend has no display: its windows are bookkeeping, input
// comes from the testing interface and dialogs are answered by the test's scripts.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/core/Application.h"
#include "platform/core/Clipboard.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TCustomForm;
class TMenuItem;
class TPopupMenu;
class TColorDialog;

class TBackend {
public:
    virtual ~TBackend() = default;
    virtual std::string Name() const = 0;
    // Whether a person works the windows: modal forms, popups and dialogs then wait for
    // real input. Otherwise they are answered by the scripted hooks below.
    virtual bool IsInteractive() const = 0;

    // ---- native windows of top-level forms
    virtual void CreateNativeWindow(TCustomForm* Form) = 0;
    virtual void DestroyNativeWindow(TCustomForm* Form) = 0;
    virtual void ShowNativeWindow(TCustomForm* Form, bool Visible) = 0;
    // Position, size, caption or border style of the form changed.
    virtual void UpdateNativeWindow(TCustomForm* Form) = 0;
    // Shows Regions (client coordinates) of the form's back buffer, all in one screen update.
    virtual void Present(TCustomForm* Form, const std::vector<TRect>& Regions) = 0;

    // ---- pointer
    virtual void SetCursor(TCursor Cursor) = 0;
    // Keeps mouse events coming to Form while a button is held outside its window.
    virtual void SetCapture(TCustomForm* Form, bool On) = 0;

    // ---- services handed to the core when the backend is selected
    virtual TEventSource* GetEventSource() { return nullptr; }
    virtual TClipboardBackend* GetClipboardBackend() { return nullptr; }
    virtual bool WantsVirtualClock() const { return false; }
    virtual TSize GetScreenSize() const { return TSize(1920, 1080); }
    // How many device pixels the display gives one pixel at 96 dpi (within 1.0 .. 3.0);
    // nullopt when the backend has no display to ask.
    virtual std::optional<double> GetDisplayScale() const { return std::nullopt; }

    // ---- scripted answers of a backend without a person
    // Runs while a modal form is up; the form's ModalResult decides what ShowModal
    // returns (mrCancel when it is still mrNone afterwards).
    virtual void RunScriptedModal(TCustomForm* Form) { (void)Form; }
    // The item the "user" picks from a popup menu (nullptr: none).
    virtual TMenuItem* RunScriptedPopup(TPopupMenu* Menu, int X, int Y) {
        (void)Menu; (void)X; (void)Y;
        return nullptr;
    }
    // Whether the "user" confirms the colour dialog (having set its Color); nullopt when
    // no script answers it, so the dialog shows its own modal form.
    virtual std::optional<bool> RunScriptedColorDialog(TColorDialog* Dialog) {
        (void)Dialog;
        return std::nullopt;
    }
};

using TBackendFactory = std::function<std::unique_ptr<TBackend>()>;

// Makes a backend available under Name ("headless", "sdl"). Available tells whether it
// can run here (a display exists); empty means always.
void RegisterBackend(const std::string& Name, TBackendFactory Factory,
                     std::function<bool()> Available = {});
// The backend in use, chosen on first use: ZYN_BACKEND names one; otherwise "sdl" when
// it is registered and available, else "headless", else a built-in one without windows.
TBackend* Backend();
// Replaces the backend in use (tests, programs that choose themselves).
void SetBackend(std::unique_ptr<TBackend> NewBackend);
// Name of the backend in use ("" before the first use).
std::string CurrentBackendName();

}  // namespace vcl
