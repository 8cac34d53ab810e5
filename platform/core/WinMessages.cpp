// Windows, posted messages, timers and the beep: the Win32-shaped entry points.
#include "platform/core/WinMessages.h"

#include <algorithm>

#include "platform/core/Application.h"
#include "platform/core/MessageSystem.h"
#include "platform/core/WinTypes.h"

namespace vcl {

namespace detail {

MessageSystem& MessageSystem::Instance() {
    static MessageSystem* instance = new MessageSystem;   // outlives static destructors
    return *instance;
}

HWND MessageSystem::NewWindow(TWndMethod method) {
    std::uintptr_t handle = nextHandle_++;
    windows_[handle] = WindowEntry{std::move(method), nullptr};
    return reinterpret_cast<HWND>(handle);
}

void MessageSystem::RemoveWindow(HWND wnd) {
    windows_.erase(reinterpret_cast<std::uintptr_t>(wnd));
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [wnd](const TimerEntry& t) { return t.wnd == wnd; }),
                  timers_.end());
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [wnd](const PostedMessage& m) { return m.wnd == wnd; }),
                 posted.end());
}

WindowEntry* MessageSystem::Find(HWND wnd) {
    if (wnd == nullptr) return nullptr;
    auto it = windows_.find(reinterpret_cast<std::uintptr_t>(wnd));
    return it == windows_.end() ? nullptr : &it->second;
}

TimerEntry* MessageSystem::FindTimer(HWND wnd, UINT_PTR id) {
    for (TimerEntry& t : timers_)
        if (t.wnd == wnd && t.id == id) return &t;
    return nullptr;
}

UINT_PTR MessageSystem::StartTimer(HWND wnd, UINT_PTR id, UINT elapse, TIMERPROC proc,
                                   std::int64_t now) {
    if (wnd == nullptr) {
        // A timer without a window is named by a fresh id and needs a callback.
        if (proc == nullptr) return 0;
        id = nextThreadTimerId_++;
    }
    std::int64_t interval = std::clamp<std::int64_t>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    TimerEntry* t = FindTimer(wnd, id);
    if (t == nullptr) {
        timers_.push_back(TimerEntry{});
        t = &timers_.back();
        t->wnd = wnd;
        t->id = id;
    }
    // A restart forgets any tick still waiting: the next comes a full interval from now.
    t->interval = interval;
    t->proc = proc;
    t->due = now + interval;
    t->pending = false;
    t->order = timerOrder_++;
    return wnd == nullptr ? id : (id == 0 ? 1 : id);
}

bool MessageSystem::StopTimer(HWND wnd, UINT_PTR id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const TimerEntry& t) { return t.wnd == wnd && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void MessageSystem::UpdateDue(std::int64_t now) {
    for (TimerEntry& t : timers_) {
        if (t.due > now) continue;
        if (!t.pending) {
            t.pending = true;
            t.pendingAt = t.due;
        }
        // Missed expiries collapse into the one pending tick.
        std::int64_t missed = (now - t.due) / t.interval;
        t.due += (missed + 1) * t.interval;
    }
}

std::optional<std::int64_t> MessageSystem::NextDue() const {
    std::optional<std::int64_t> next;
    for (const TimerEntry& t : timers_)
        if (!next || t.due < *next) next = t.due;
    return next;
}

TimerEntry* MessageSystem::FirstPending() {
    TimerEntry* best = nullptr;
    for (TimerEntry& t : timers_) {
        if (!t.pending) continue;
        if (best == nullptr || t.pendingAt < best->pendingAt ||
            (t.pendingAt == best->pendingAt && t.order < best->order))
            best = &t;
    }
    return best;
}

bool MessageSystem::AnyPending() const {
    return std::any_of(timers_.begin(), timers_.end(), [](const TimerEntry& t) { return t.pending; });
}

int MessageSystem::PendingCount() const {
    return int(std::count_if(timers_.begin(), timers_.end(), [](const TimerEntry& t) { return t.pending; }));
}

}  // namespace detail

using detail::MessageSystem;

namespace {

// Windows and timers may be made while static objects are being built, before the
// application exists; the clock then reads 0 and there is no backend to tell.
std::int64_t ClockNow() { return Application != nullptr ? Application->GetClockMs() : 0; }
TEventSource* Backend() { return Application != nullptr ? Application->GetEventSource() : nullptr; }

}  // namespace

HWND AllocateHWnd(TWndMethod Method) { return MessageSystem::Instance().NewWindow(std::move(Method)); }

void DeallocateHWnd(HWND Wnd) {
    if (Wnd != nullptr) MessageSystem::Instance().RemoveWindow(Wnd);
}

BOOL IsWindow(HWND Wnd) { return MessageSystem::Instance().Find(Wnd) != nullptr; }

void SetWindowMethod(HWND Wnd, TWndMethod Method) {
    if (auto* w = MessageSystem::Instance().Find(Wnd)) w->method = std::move(Method);
}

void SetWindowUserData(HWND Wnd, void* Data) {
    if (auto* w = MessageSystem::Instance().Find(Wnd)) w->userData = Data;
}

void* GetWindowUserData(HWND Wnd) {
    auto* w = MessageSystem::Instance().Find(Wnd);
    return w ? w->userData : nullptr;
}

LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hWnd, Msg, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    auto& system = MessageSystem::Instance();
    if (system.Find(hWnd) == nullptr) return FALSE;
    system.posted.push_back({hWnd, Msg, wParam, lParam});
    if (TEventSource* source = Backend()) source->Wake();
    return TRUE;
}
BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return PostMessage(hWnd, Msg, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    auto* w = MessageSystem::Instance().Find(hWnd);
    if (w == nullptr || !w->method) return 0;
    // A copy keeps the procedure alive should it destroy its own window.
    TWndMethod method = w->method;
    TMessage message{Msg, wParam, lParam, 0};
    method(message);
    return message.Result;
}
LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return SendMessage(hWnd, Msg, wParam, lParam);
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    auto& system = MessageSystem::Instance();
    if (hWnd != nullptr && system.Find(hWnd) == nullptr) return 0;
    if (system.failNextTimers > 0) {
        --system.failNextTimers;
        return 0;
    }
    return system.StartTimer(hWnd, nIDEvent, uElapse, lpTimerFunc, ClockNow());
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    return MessageSystem::Instance().StopTimer(hWnd, uIDEvent) ? TRUE : FALSE;
}

DWORD GetTickCount() { return DWORD(ClockNow()); }

BOOL MessageBeep(UINT) {
    ++MessageSystem::Instance().beepCount;
    if (TEventSource* source = Backend()) source->Beep();
    return TRUE;
}

}  // namespace vcl
