// The timer component: OnTimer every Interval ms through the message loop.
#pragma once

#include <string>

#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"

namespace vcl {

// Fires OnTimer every Interval ms through the message loop. The timer exists only while
// Enabled, Interval > 0 and OnTimer is assigned, and never while designed (csDesigning);
// any change restarts it.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    UINT GetInterval() const { return interval_; }
    void SetInterval(UINT Value);
    TNotifyEvent GetOnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

protected:
    virtual void Timer();
    TNotifyEvent FOnTimer;

private:
    void UpdateTimer();
    void WndProc(TMessage& Message);

    bool enabled_ = true;
    UINT interval_ = 1000;
    HWND window_ = nullptr;
};

}  // namespace vcl
