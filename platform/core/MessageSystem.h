// Internal: the window registry, the posted-message queue and the timer table that
// WinMessages.cpp fills and the application loop drains.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"

namespace vcl::detail {

struct WindowEntry {
    TWndMethod method;
    void* userData = nullptr;
};

struct TimerEntry {
    HWND wnd = nullptr;
    UINT_PTR id = 0;
    std::int64_t interval = 0;
    TIMERPROC proc = nullptr;
    std::int64_t due = 0;          // clock reading of the next expiry
    bool pending = false;          // one coalesced tick waits for delivery
    std::int64_t pendingAt = 0;    // when that tick fell due
    std::uint64_t order = 0;       // start order, breaks ties between equal due times
};

struct PostedMessage {
    HWND wnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageSystem {
public:
    static MessageSystem& Instance();

    // windows
    HWND NewWindow(TWndMethod method);
    void RemoveWindow(HWND wnd);
    WindowEntry* Find(HWND wnd);

    // timers
    TimerEntry* FindTimer(HWND wnd, UINT_PTR id);
    UINT_PTR StartTimer(HWND wnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::int64_t now);
    bool StopTimer(HWND wnd, UINT_PTR id);
    // Marks every timer due at `now` as having a pending tick and schedules its next expiry.
    void UpdateDue(std::int64_t now);
    // The earliest next expiry of any timer.
    std::optional<std::int64_t> NextDue() const;
    // The pending tick to deliver first (earliest, then in start order); nullptr if none.
    TimerEntry* FirstPending();
    bool AnyPending() const;
    int PendingCount() const;

    std::deque<PostedMessage> posted;
    int failNextTimers = 0;
    int beepCount = 0;

private:
    std::unordered_map<std::uintptr_t, WindowEntry> windows_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::vector<TimerEntry> timers_;
    std::uint64_t timerOrder_ = 0;
    UINT_PTR nextThreadTimerId_ = 0x7000;
};

}  // namespace vcl::detail
