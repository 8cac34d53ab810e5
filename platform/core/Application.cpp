// The message loop: posted messages first, then timer ticks (coalesced, in due order),
// then repainting and idle handling; the clock, real or virtual; exception reporting.
#include "platform/core/Application.h"

#include <chrono>
#include <cctype>
#include <cstdlib>
#include <string>
#include <iostream>
#include <thread>

#include "platform/core/Component.h"
#include "platform/core/MessageSystem.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

using detail::MessageSystem;

TApplication* Application = new TApplication(nullptr);

namespace {

std::int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

namespace {

// ZYN_BACKEND=headless asks for the window-less backend, whose only time is the virtual clock.
bool HeadlessRequested() {
    const char* env = std::getenv("ZYN_BACKEND");
    if (env == nullptr) return false;
    std::string name(env);
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    return name == "headless";
}

}  // namespace

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), realBase_(SteadyMs()) {
    virtual_ = HeadlessRequested();
}

TApplication::~TApplication() = default;

// ---- hints ----------------------------------------------------------------------------------

// ---- theme ---------------------------------------------------------------------------

namespace {
TApplication::TThemeHandler& ThemeHandler() {
    static TApplication::TThemeHandler handler;
    return handler;
}
}  // namespace

void TApplication::SetThemeHandler(TThemeHandler Handler) { ThemeHandler() = std::move(Handler); }

void TApplication::SetTheme(const std::string& Name) {
    const TThemeHandler& handler = ThemeHandler();
    if (!handler.Apply) throw EInvalidOperation("No theme support is linked in");
    const std::string before = GetTheme();
    const std::string now = handler.Apply(Name);
    if (now == before) return;
    // The handler runs before the forms repaint, so what it recolours shows in the same
    // single repaint as the theme itself.
    if (FOnThemeChange) FOnThemeChange(this);
    Repaint();
}

std::string TApplication::GetTheme() const {
    const TThemeHandler& handler = ThemeHandler();
    return handler.Current ? handler.Current() : std::string("light");
}

void TApplication::SetShowHint(bool Value) {
    if (showHint_ == Value) return;
    showHint_ = Value;
    if (!Value) CancelHint();
}

void TApplication::CancelHint() {
    if (cancelHint_) cancelHint_();
}

// ---- clock --------------------------------------------------------------------------------

std::int64_t TApplication::GetClockMs() const {
    return virtual_ ? virtualNow_ : SteadyMs() - realBase_;
}

void TApplication::SetVirtualClock(bool Value) {
    if (Value == virtual_) return;
    std::int64_t now = GetClockMs();
    virtual_ = Value;
    if (virtual_) virtualNow_ = now;
    else realBase_ = SteadyMs() - now;
}

void TApplication::AdvanceTime(std::int64_t Ms) {
    // Under the headless backend nothing else moves time: the clock turns virtual here even
    // before any control has chosen the backend.
    if (!virtual_ && HeadlessRequested()) SetVirtualClock(true);
    if (!virtual_) throw EInvalidOperation("AdvanceTime needs the virtual clock");
    if (Ms < 0) throw EInvalidOperation("AdvanceTime cannot move the clock back");
    auto& system = MessageSystem::Instance();
    const std::int64_t target = virtualNow_ + Ms;
    ProcessMessages();
    // Step from one timer expiry to the next, delivering what falls due at each.
    for (;;) {
        std::optional<std::int64_t> next = system.NextDue();
        if (!next || *next > target) break;
        virtualNow_ = std::max(virtualNow_, *next);
        ProcessMessages();
    }
    virtualNow_ = target;
    ProcessMessages();
}

// ---- dispatching -----------------------------------------------------------------------

void TApplication::DispatchGuarded(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam,
                                   TIMERPROC Proc) {
    try {
        if (Proc != nullptr) {
            Proc(Wnd, Msg, UINT_PTR(wParam), DWORD(GetClockMs()));
        } else {
            SendMessage(Wnd, Msg, wParam, lParam);
        }
    } catch (...) {
        // Whatever a window procedure lets escape is reported; the loop goes on.
        HandleException(this);
    }
}

bool TApplication::DispatchOnePosted() {
    auto& system = MessageSystem::Instance();
    if (system.posted.empty()) return false;
    detail::PostedMessage m = system.posted.front();
    system.posted.pop_front();
    DispatchGuarded(m.wnd, m.msg, m.wParam, m.lParam, nullptr);
    return true;
}

bool TApplication::DispatchOneTimer() {
    auto& system = MessageSystem::Instance();
    detail::TimerEntry* t = system.FirstPending();
    if (t == nullptr) return false;
    t->pending = false;
    HWND wnd = t->wnd;
    UINT_PTR id = t->id;
    TIMERPROC proc = t->proc;
    DispatchGuarded(wnd, WM_TIMER, WPARAM(id), 0, proc);
    return true;
}

void TApplication::ProcessMessages() {
    auto& system = MessageSystem::Instance();
    if (eventSource_ != nullptr) {
        try {
            while (eventSource_->WaitAndDispatch(0)) {
            }
        } catch (...) {
            HandleException(this);
        }
    }
    while (DispatchOnePosted()) {
    }
    // Each timer ticks at most once per call, so a slow handler on a short interval
    // cannot keep ProcessMessages from returning.
    system.UpdateDue(GetClockMs());
    int ticks = system.PendingCount();
    for (int i = 0; i < ticks && DispatchOneTimer(); ++i) {
        while (DispatchOnePosted()) {
        }
    }
    Repaint();
}

void TApplication::HandleMessage() {
    auto& system = MessageSystem::Instance();
    bool dispatched = false;
    if (eventSource_ != nullptr) {
        try {
            dispatched = eventSource_->WaitAndDispatch(0);
        } catch (...) {
            HandleException(this);
            dispatched = true;
        }
    }
    if (!dispatched) dispatched = DispatchOnePosted();
    if (!dispatched) {
        system.UpdateDue(GetClockMs());
        dispatched = DispatchOneTimer();
    }
    Repaint();
    if (dispatched) return;
    bool done = true;
    if (FOnIdle) {
        try {
            FOnIdle(this, done);
        } catch (...) {
            HandleException(this);
        }
    }
    if (done) WaitForWork();
}

void TApplication::WaitForWork() {
    auto& system = MessageSystem::Instance();
    std::optional<std::int64_t> next = system.NextDue();
    if (virtual_) {
        // Virtual time does not pass by itself: waiting means jumping to the next expiry.
        if (next && *next > virtualNow_) virtualNow_ = *next;
        return;
    }
    int timeout = -1;
    if (next) timeout = int(std::clamp<std::int64_t>(*next - GetClockMs(), 0, 0x7FFFFFFF));
    if (eventSource_ != nullptr) {
        try {
            eventSource_->WaitAndDispatch(timeout);
        } catch (...) {
            HandleException(this);
        }
    } else if (timeout > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeout));
    }
}

bool TApplication::NothingCanHappen() const {
    auto& system = MessageSystem::Instance();
    if (!system.posted.empty() || system.AnyPending() || system.NextDue()) return false;
    // A window backend on the real clock can always bring input.
    return virtual_ || eventSource_ == nullptr;
}

void TApplication::Run() {
    while (!terminated_) {
        HandleMessage();
        if (NothingCanHappen()) {
            ProcessMessages();
            if (NothingCanHappen()) break;
        }
    }
}

int TApplication::PendingMessageCount() const {
    auto& system = MessageSystem::Instance();
    return int(system.posted.size()) + system.PendingCount();
}

void TApplication::Repaint() {
    if (!repaint_) return;
    try {
        repaint_();
    } catch (...) {
        HandleException(this);
    }
}

// ---- exceptions --------------------------------------------------------------------------

void TApplication::HandleException(TObject* Sender) {
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    auto report = [&](Exception& E) {
        if (!FOnException) {
            ShowException(E);
            return;
        }
        try {
            FOnException(Sender, E);
        } catch (Exception& inner) {
            ShowException(inner);
        } catch (...) {
            ShowException(E);
        }
    };
    try {
        std::rethrow_exception(current);
    } catch (Exception& E) {
        report(E);
    } catch (std::exception& e) {
        Exception wrapped(e.what());
        report(wrapped);
    } catch (...) {
        Exception wrapped("Unknown exception");
        report(wrapped);
    }
}

void TApplication::ShowException(const Exception& E) {
    std::cerr << E.Message() << std::endl;
}

}  // namespace vcl
