// The hint window and the hint manager behind it.
#include "platform/controls/forms/HintWindow.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Application.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

constexpr int kPadX = 4;            // text inset from the frame, left and right
constexpr int kPadY = 2;            // top and bottom
constexpr int kCursorHeight = 20;   // the hint goes this far below the pointer's hot spot
constexpr int kMaxHintWidth = 300;

}  // namespace

std::string GetShortHint(const std::string& Hint) {
    std::size_t bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

std::string GetLongHint(const std::string& Hint) {
    std::size_t bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

// =========================================================================================
THintWindow::THintWindow(TComponent* AOwner) : TCustomForm(AOwner) {
    SetBorderStyle(bsNone);
    SetActivateOnShow(false);
    SetColor(clInfoBk);
    GetFont()->SetColor(clInfoText);
    SetControlStyle({csOpaque});
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint) {
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    TRect r = Rect(0, 0, std::max(1, MaxWidth - 2 * kPadX - 2), 0);
    DrawText(canvas, Hint, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return Rect(0, 0, r.Width() + 2 * kPadX + 2, r.Height() + 2 * kPadY + 2);
}

void THintWindow::ActivateHint(TRect R, const std::string& Hint) {
    hint_ = Hint;
    int sw = Screen->GetWidth(), sh = Screen->GetHeight();
    int w = R.Width(), h = R.Height();
    int x = std::clamp(R.Left, 0, std::max(0, sw - w));
    int y = std::clamp(R.Top, 0, std::max(0, sh - h));
    SetBounds(x, y, w, h);
    Invalidate();
    if (!GetVisible()) Show();
}

void THintWindow::ReleaseHint() {
    if (GetVisible()) Hide();
}

void THintWindow::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    look::Fill(canvas, client, GetColor());
    look::Frame(canvas, client, look::HintFrame());
    canvas->GetFont()->Assign(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    TRect text = Rect(client.Left + 1 + kPadX, client.Top + 1 + kPadY, client.Right - 1 - kPadX,
                      client.Bottom - 1 - kPadY);
    DrawText(canvas, hint_, text, DT_WORDBREAK | DT_NOPREFIX);
    canvas->GetBrush()->SetStyle(bsSolid);
}

void THintWindow::WndProc(TMessage& M) {
    if (M.Msg == CM_CANCELMODE) {   // a press elsewhere (window backends)
        hints::Cancel();
        return;   // Result 0: the press goes on to where it landed
    }
    TCustomForm::WndProc(M);
}

// =========================================================================================
// The hint manager.
namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;

struct HintState {
    HWND timers = nullptr;          // hidden window that receives the timer ticks
    THintWindow* window = nullptr;  // made on first use, kept for the program's life
    TControl* control = nullptr;    // control whose hint is pending or showing
    TPoint cursor;                  // last pointer position (screen)
    bool showing = false;
    bool suppressed = false;        // cancelled: nothing until the pointer changes control
    bool installed = false;
};

// Made once and never freed: a control freed after the program's static objects (one
// held in a static smart pointer) still finds it.
HintState& H() {
    static HintState& s = *new HintState;
    return s;
}

void OnTimer(TMessage& M);

void Install() {
    HintState& h = H();
    if (h.installed) return;
    h.installed = true;
    h.timers = AllocateHWnd(OnTimer);
    Application->SetHintCanceller([] { hints::Cancel(); });
}

void StopTimers() {
    HintState& h = H();
    if (h.timers == nullptr) return;
    KillTimer(h.timers, kShowTimer);
    KillTimer(h.timers, kHideTimer);
}

void StartTimer(UINT_PTR Id, int Ms) {
    Install();
    SetTimer(H().timers, Id, UINT(std::max(1, Ms)), nullptr);
}

void HideWindow() {
    HintState& h = H();
    h.showing = false;
    if (h.window != nullptr) h.window->ReleaseHint();
}

// The control whose Hint applies at Control: itself or the nearest parent with one.
TControl* HintOwner(TControl* Control) {
    for (TControl* c = Control; c != nullptr; c = c->GetParent())
        if (!c->GetHint().empty()) return c;
    return nullptr;
}

std::string HintTextOf(TControl* Control) { return GetShortHint(HintOwner(Control)->GetHint()); }

bool Wanted(TControl* Control) {
    return Control != nullptr && Application->GetShowHint() && Control->GetShowHint() &&
           HintOwner(Control) != nullptr && !HintTextOf(Control).empty() && Control->GetShowing();
}

void ShowNow() {
    HintState& h = H();
    if (h.control == nullptr || h.suppressed || !Wanted(h.control)) return;
    if (h.window == nullptr) h.window = new THintWindow(nullptr);
    std::string text = HintTextOf(h.control);
    TRect r = h.window->CalcHintRect(kMaxHintWidth, text);
    int w = r.Width(), hh = r.Height();
    int x = h.cursor.X, y = h.cursor.Y + kCursorHeight;
    // No room below the pointer: the hint goes above it.
    if (y + hh > Screen->GetHeight()) y = h.cursor.Y - hh - 2;
    h.window->ActivateHint(Bounds(x, y, w, hh), text);
    h.showing = true;
    StartTimer(kHideTimer, Application->GetHintHidePause());
}

void OnTimer(TMessage& M) {
    if (M.Msg != WM_TIMER) return;
    HintState& h = H();
    KillTimer(h.timers, UINT_PTR(M.WParam));
    if (M.WParam == kShowTimer) {
        ShowNow();
    } else if (M.WParam == kHideTimer) {
        HideWindow();
        h.suppressed = true;
    }
}

}  // namespace

THintWindow* ShownHintWindow() {
    HintState& h = H();
    return h.showing && h.window != nullptr && h.window->GetVisible() ? h.window : nullptr;
}

namespace hints {

void PointerMoved(TControl* Under, TPoint ScreenPos, bool ButtonsHeld) {
    HintState& h = H();
    if (Under != nullptr && dynamic_cast<THintWindow*>(GetParentForm(Under)) != nullptr) Under = nullptr;
    TControl* owner = Under != nullptr ? HintOwner(Under) : nullptr;
    // Identity of the hint: the control that owns the text, shown only for a pointer on a
    // control that wants hints.
    TControl* target = Wanted(Under) ? owner : nullptr;
    h.cursor = ScreenPos;
    if (target != h.control) {
        bool quick = h.showing;
        StopTimers();
        HideWindow();
        h.control = target;
        h.suppressed = false;
        if (target == nullptr) return;
        if (ButtonsHeld) {
            h.suppressed = true;
            return;
        }
        StartTimer(kShowTimer, quick ? Application->GetHintShortPause() : Application->GetHintPause());
        return;
    }
    if (target == nullptr || h.suppressed || h.showing) return;
    // The pointer has to rest: each move starts the pause again.
    StartTimer(kShowTimer, Application->GetHintPause());
}

void Cancel() {
    HintState& h = H();
    StopTimers();
    HideWindow();
    if (h.control != nullptr) h.suppressed = true;
}

void Forget(TControl* Control) {
    HintState& h = H();
    if (h.control == nullptr || Control == nullptr) return;
    auto* w = dynamic_cast<TWinControl*>(Control);
    if (h.control == Control || (w != nullptr && w->ContainsControl(h.control))) {
        StopTimers();
        HideWindow();
        h.control = nullptr;
        h.suppressed = false;
    }
}

void Reset() {
    HintState& h = H();
    StopTimers();
    HideWindow();
    h.control = nullptr;
    h.suppressed = false;
}

}  // namespace hints

}  // namespace vcl
