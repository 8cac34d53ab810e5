// The timer component: a hidden window whose WM_TIMER ticks fire OnTimer.
#include "platform/core/Timer.h"

#include "platform/core/Application.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    window_ = AllocateHWnd([this](TMessage& M) { WndProc(M); });
}

TTimer::~TTimer() {
    enabled_ = false;
    DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool Value) {
    if (enabled_ == Value) return;
    enabled_ = Value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT Value) {
    if (interval_ == Value) return;
    interval_ = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = std::move(Value);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(window_, 1);
    // A designed timer keeps its settings but never ticks.
    if (interval_ != 0 && enabled_ && FOnTimer && !GetComponentState().Contains(csDesigning)) {
        if (SetTimer(window_, 1, interval_, nullptr) == 0) throw EOutOfResources("Not enough timers available");
    }
}

void TTimer::Timer() {
    if (FOnTimer) FOnTimer(this);
}

void TTimer::WndProc(TMessage& Message) {
    if (Message.Msg != WM_TIMER) {
        Message.Result = DefWindowProc(window_, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    if (GetComponentState().Contains(csDesigning)) {
        // Made designed after it started: it stops at its first tick.
        KillTimer(window_, 1);
        return;
    }
    try {
        Timer();
    } catch (...) {
        Application->HandleException(this);
    }
}

}  // namespace vcl
