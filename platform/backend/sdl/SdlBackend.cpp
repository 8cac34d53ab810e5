// The SDL2 backend: native windows, presentation, cursors, capture and registration.
#include "platform/backend/sdl/SdlBackend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/backend/sdl/DesktopTheme.h"
#include "platform/backend/sdl/SdlClipboard.h"
#include "platform/backend/sdl/X11Clipboard.h"
#include "platform/backend/sdl/XResources.h"
#include "platform/backend/sdl/SdlEventSource.h"
#include "platform/backend/sdl/SdlKeys.h"
#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/Clipboard.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Theme.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#if ZYN_HAVE_ATK
#include "platform/backend/atk/AtkBridge.h"
#endif

namespace vcl {

bool SdlDisplayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x11 == nullptr || *x11 == 0) && (wayland == nullptr || *wayland == 0)) return false;
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return true;
}

void RegisterSdlBackend() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterBackend("sdl", [] { return std::make_unique<sdl::SdlBackend>(); }, SdlDisplayAvailable);
}

namespace sdl {

namespace {

// Set once the process is ending (exit, including Xlib's exit when the display goes away):
// the connection may be dead then, and every window dies with the process anyway.
bool g_processEnding = false;

}  // namespace

// A theme named in ZYN_THEME wins; otherwise the window takes the desktop's dark look
// when the desktop asks for one.
void SdlBackend::FollowDesktopTheme() {
    if (const char* env = std::getenv("ZYN_THEME"); env != nullptr && FindTheme(env) != nullptr) return;
    if (DesktopThemePreference() == "dark" && Application != nullptr) Application->SetTheme("dark");
}

SdlBackend::SdlBackend() {
    // Closing windows is the forms' business (the main form's close ends the loop); SDL's
    // own quit event then only comes from signals.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw EOutOfResources(std::string("Cannot start the window system: ") + SDL_GetError());
    static const bool atExitRegistered = std::atexit([] { g_processEnding = true; }) == 0;
    (void)atExitRegistered;
    wakeEvent_ = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    events_ = std::make_unique<SdlEventSource>(*this);
    // On an X server the clipboard carries several formats; elsewhere SDL's text clipboard.
    if (std::unique_ptr<X11Clipboard> x11 = X11Clipboard::Open()) clipboard_ = std::move(x11);
    else clipboard_ = std::make_unique<SdlClipboard>();
    FollowDesktopTheme();
#if ZYN_HAVE_ATK
    atkbridge::StartIfWanted();
#endif
}

SdlBackend::~SdlBackend() {
    if (Application != nullptr && Application->GetEventSource() == events_.get())
        Application->SetEventSource(nullptr);
    SetClipboardBackend(nullptr);
    if (g_processEnding) return;
#if ZYN_HAVE_ATK
    atkbridge::Stop();
#endif
    for (auto& [form, w] : windows_) DestroyResources(*w);
    windows_.clear();
    for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

// ---- native windows ----------------------------------------------------------------------

bool SdlBackend::IsPopupForm(TCustomForm* Form) { return Form->GetBorderStyle() == bsNone; }

void SdlBackend::CreateNativeWindow(TCustomForm* Form) {
    if (windows_.count(Form) != 0) return;
    auto w = std::make_unique<NativeWindow>();
    w->form = Form;
    w->popup = IsPopupForm(Form);
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (w->popup)
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP |
                 SDL_WINDOW_SKIP_TASKBAR;
    else if (Form->GetBorderStyle() == bsSizeable || Form->GetBorderStyle() == bsSizeToolWin)
        flags |= SDL_WINDOW_RESIZABLE;
    TRect client = Form->GetClientRect();
    TPoint origin = Form->GetClientOrigin();
    w->window = SDL_CreateWindow(Form->GetCaption().c_str(), origin.X, origin.Y,
                                 std::max(1, client.Width()), std::max(1, client.Height()), flags);
    if (w->window == nullptr)
        throw EOutOfResources(std::string("Cannot create a window: ") + SDL_GetError());
    w->renderer = SDL_CreateRenderer(w->window, -1, 0);
    if (w->renderer == nullptr) w->renderer = SDL_CreateRenderer(w->window, -1, SDL_RENDERER_SOFTWARE);
    if (w->renderer == nullptr) {
        std::string error = SDL_GetError();
        SDL_DestroyWindow(w->window);
        throw EOutOfResources("Cannot draw into a window: " + error);
    }
    windows_[Form] = std::move(w);
}

void SdlBackend::DestroyResources(NativeWindow& W) {
    if (W.texture != nullptr) SDL_DestroyTexture(W.texture);
    if (W.renderer != nullptr) SDL_DestroyRenderer(W.renderer);
    if (W.window != nullptr) SDL_DestroyWindow(W.window);
    W.texture = nullptr;
    W.renderer = nullptr;
    W.window = nullptr;
}

void SdlBackend::DestroyNativeWindow(TCustomForm* Form) {
    auto it = windows_.find(Form);
    if (it == windows_.end()) return;
    popupOrder_.erase(std::remove(popupOrder_.begin(), popupOrder_.end(), it->second.get()),
                      popupOrder_.end());
    DestroyResources(*it->second);
    windows_.erase(it);
}

void SdlBackend::ShowNativeWindow(TCustomForm* Form, bool Visible) {
    if (Visible) CreateNativeWindow(Form);
    NativeWindow* w = FindByForm(Form);
    if (w == nullptr || w->shown == Visible) return;
    w->shown = Visible;
    if (!Visible) {
        popupOrder_.erase(std::remove(popupOrder_.begin(), popupOrder_.end(), w), popupOrder_.end());
        SDL_HideWindow(w->window);
        // The keyboard goes back to the window the popup was opened from.
        if (w->popup && Screen != nullptr && Screen->GetActiveForm() != nullptr)
            if (NativeWindow* owner = FindByForm(Screen->GetActiveForm()); owner != nullptr && owner->shown)
                TakeKeyboard(*owner);
        return;
    }
    UpdateNativeWindow(Form);
    SDL_ShowWindow(w->window);
    if (w->popup) {
        popupOrder_.push_back(w);
    } else {
        SDL_RaiseWindow(w->window);
        TakeKeyboard(*w);
    }
    PresentAll(*w);
}

void SdlBackend::TakeKeyboard(NativeWindow& W) {
    // Without a window manager nobody gives a window the keyboard (nor gives it back when
    // a popup closes); with one, this is what clicking into the window does anyway.
    if (!W.popup && SDL_GetKeyboardFocus() != W.window) SDL_SetWindowInputFocus(W.window);
}

void SdlBackend::UpdateNativeWindow(TCustomForm* Form) {
    NativeWindow* w = FindByForm(Form);
    if (w == nullptr || following_) return;
    SDL_SetWindowTitle(w->window, Form->GetCaption().c_str());
    TRect client = Form->GetClientRect();
    TPoint origin = Form->GetClientOrigin();
    int cw = 0, ch = 0, x = 0, y = 0;
    SDL_GetWindowSize(w->window, &cw, &ch);
    if (cw != std::max(1, client.Width()) || ch != std::max(1, client.Height()))
        SDL_SetWindowSize(w->window, std::max(1, client.Width()), std::max(1, client.Height()));
    SDL_GetWindowPosition(w->window, &x, &y);
    if (x != origin.X || y != origin.Y) SDL_SetWindowPosition(w->window, origin.X, origin.Y);
    SDL_SetWindowResizable(w->window, !w->popup && (Form->GetBorderStyle() == bsSizeable ||
                                                    Form->GetBorderStyle() == bsSizeToolWin)
                                          ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::FollowWindowGeometry(NativeWindow& W) {
    int x = 0, y = 0, cw = 0, ch = 0;
    SDL_GetWindowPosition(W.window, &x, &y);
    SDL_GetWindowSize(W.window, &cw, &ch);
    TCustomForm* form = W.form;
    int border = form->GetBorderWidth();
    int caption = form->GetCaptionHeight();
    following_ = true;
    try {
        form->SetBounds(x - border, y - caption, cw + 2 * border, ch + caption + border);
    } catch (...) {
        following_ = false;
        throw;
    }
    following_ = false;
}

void SdlBackend::CloseRequested(NativeWindow& W) {
    TCustomForm* form = W.form;
    bool mainForm = Screen != nullptr && Screen->GetFormCount() > 0 && Screen->GetForms(0) == form;
    form->Close();
    // Closing the main form ends the program, as does closing the last window.
    bool anyShowing = false;
    for (auto& [f, w] : windows_)
        if (w->shown && !w->popup && f->GetVisible()) anyShowing = true;
    if (Application != nullptr && ((mainForm && !form->GetVisible()) || !anyShowing))
        Application->Terminate();
}

// ---- presentation --------------------------------------------------------------------------

void SdlBackend::EnsureTexture(NativeWindow& W, int Width, int Height) {
    if (W.texture != nullptr && W.textureWidth == Width && W.textureHeight == Height) return;
    if (W.texture != nullptr) SDL_DestroyTexture(W.texture);
    // The back buffer's rows are B, G, R, x bytes: XRGB words on a little-endian machine.
    W.texture = SDL_CreateTexture(W.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                  std::max(1, Width), std::max(1, Height));
    W.textureWidth = Width;
    W.textureHeight = Height;
}

void SdlBackend::Render(NativeWindow& W) {
    SDL_RenderClear(W.renderer);
    if (W.texture != nullptr) SDL_RenderCopy(W.renderer, W.texture, nullptr, nullptr);
    SDL_RenderPresent(W.renderer);
}

void SdlBackend::Present(TCustomForm* Form, const std::vector<TRect>& Regions) {
    NativeWindow* w = FindByForm(Form);
    if (w == nullptr || !w->shown) return;
    TBitmap* buffer = Form->GetBackBuffer();
    int width = buffer->GetWidth(), height = buffer->GetHeight();
    if (width <= 0 || height <= 0) return;
    bool fresh = w->texture == nullptr || w->textureWidth != width || w->textureHeight != height;
    EnsureTexture(*w, width, height);
    if (w->texture == nullptr) return;
    const TRect whole = Rect(0, 0, width, height);
    bool changed = false;
    auto upload = [&](const TRect& R) {
        TRect r = IntersectRect(R, whole);
        if (r.Width() <= 0 || r.Height() <= 0) return;
        // Row by row: the bitmap's rows need not follow one another in memory top-down.
        SDL_Rect dest{r.Left, r.Top, r.Width(), r.Height()};
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(w->texture, &dest, &pixels, &pitch) != 0) return;
        auto* out = static_cast<std::uint8_t*>(pixels);
        for (int y = r.Top; y < r.Bottom; ++y, out += pitch)
            std::memcpy(out, buffer->ScanLine(y) + r.Left * 4, size_t(r.Width()) * 4);
        SDL_UnlockTexture(w->texture);
        changed = true;
    };
    if (fresh)
        upload(whole);
    else
        for (const TRect& r : Regions) upload(r);
    // One presentation for all regions: drawing the window's picture is the costly step.
    if (changed) Render(*w);
}

void SdlBackend::PresentAll(NativeWindow& W) {
    TBitmap* buffer = W.form->GetBackBuffer();
    if (W.texture == nullptr || W.textureWidth != buffer->GetWidth() ||
        W.textureHeight != buffer->GetHeight()) {
        Present(W.form, {Rect(0, 0, buffer->GetWidth(), buffer->GetHeight())});
        return;
    }
    Render(W);
}

// ---- pointer -------------------------------------------------------------------------------

void SdlBackend::SetCursor(TCursor Cursor) {
    bool hidden = false;
    SDL_SystemCursor id = SystemCursorFor(Cursor, hidden);
    SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE);
    if (hidden) return;
    SDL_Cursor*& cursor = cursors_[id];
    if (cursor == nullptr) cursor = SDL_CreateSystemCursor(id);
    if (cursor != nullptr && SDL_GetCursor() != cursor) SDL_SetCursor(cursor);
}

void SdlBackend::SetCapture(TCustomForm* Form, bool On) {
    (void)Form;
    // Fails harmlessly when no window of ours has the mouse; events still come while the
    // button is held inside the window.
    SDL_CaptureMouse(On ? SDL_TRUE : SDL_FALSE);
}

// ---- services ------------------------------------------------------------------------------

TEventSource* SdlBackend::GetEventSource() { return events_.get(); }
TClipboardBackend* SdlBackend::GetClipboardBackend() { return clipboard_.get(); }

TSize SdlBackend::GetScreenSize() const {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return TSize(1920, 1080);
    return TSize(mode.w, mode.h);
}

// Xft.dpi is what the desktop chose; the monitor's own DPI only when it chose nothing.
std::optional<double> SdlBackend::GetDisplayScale() const {
    if (std::optional<double> scale = DisplayXftDpiScale()) return scale;
    float diagonal = 0, horizontal = 0, vertical = 0;
    if (SDL_GetDisplayDPI(0, &diagonal, &horizontal, &vertical) != 0) return std::nullopt;
    return PhysicalDpiScale(horizontal);
}

// ---- lookup --------------------------------------------------------------------------------

NativeWindow* SdlBackend::FindByForm(TCustomForm* Form) {
    auto it = windows_.find(Form);
    return it == windows_.end() ? nullptr : it->second.get();
}

NativeWindow* SdlBackend::FindByWindowId(Uint32 Id) {
    for (auto& [form, w] : windows_)
        if (w->window != nullptr && SDL_GetWindowID(w->window) == Id) return w.get();
    return nullptr;
}

NativeWindow* SdlBackend::KeyboardWindow(Uint32 FocusId) {
    NativeWindow* focus = FindByWindowId(FocusId);
    if ((focus == nullptr || !focus->shown) && Screen != nullptr && Screen->GetActiveForm() != nullptr)
        focus = FindByForm(Screen->GetActiveForm());
    if (focus != nullptr && focus->shown && input::FormAcceptsInput(focus->form)) return focus;
    for (auto it = popupOrder_.rbegin(); it != popupOrder_.rend(); ++it)
        if (input::FormAcceptsInput((*it)->form)) return *it;
    for (auto& [form, w] : windows_)
        if (w->shown && input::FormAcceptsInput(form)) return w.get();
    return focus != nullptr && focus->shown ? focus : nullptr;
}

bool SdlBackend::CancelPopupsExcept(NativeWindow* Keep) {
    std::vector<TCustomForm*> toCancel;
    auto keepAt = std::find(popupOrder_.begin(), popupOrder_.end(), Keep);
    auto from = keepAt == popupOrder_.end() ? popupOrder_.begin() : keepAt + 1;
    for (auto it = from; it != popupOrder_.end(); ++it) toCancel.push_back((*it)->form);
    // Newest first, so a submenu goes before its parent; cancelling one may hide others.
    for (auto it = toCancel.rbegin(); it != toCancel.rend(); ++it) {
        NativeWindow* w = FindByForm(*it);
        if (w != nullptr && w->shown) (*it)->Perform(CM_CANCELMODE, 0, 0);
    }
    return !toCancel.empty();
}

}  // namespace sdl
}  // namespace vcl
