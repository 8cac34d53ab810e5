// TRepSpeedButton: the framework's speed button with auto-repeat. While the left mouse
// button is held on it, it fires OnRepeatClick first after a start delay and then
// periodically, like the arrow buttons of a scroll bar. Glyph, caption, OnClick on release
// and grouping are the inherited speed button's.
#pragma once

#include <memory>
#include <string>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Buttons.h"
#include "platform/Classes.h"

namespace zyn {

class EZynRepSpeedButton : public EZynError {
public:
    using EZynError::EZynError;
};

class TRepSpeedButton : public vcl::TSpeedButton {
public:
    static constexpr int MinClickInterval = 10;   // ms; shorter intervals are raised to it

    explicit TRepSpeedButton(vcl::TComponent* AOwner);
    ~TRepSpeedButton() override;
    std::string ClassName() const override { return "TRepSpeedButton"; }

    // ---- properties (ms)
    int GetStartClickInterval() const { return FStartClickInterval; }
    void SetStartClickInterval(int Value);
    int GetRepeatClickInterval() const { return FRepeatClickInterval; }
    void SetRepeatClickInterval(int Value);

    // Whether the repeat timer runs now (only while the left button is held).
    bool GetRepeating() const { return FTimer->IsRunning(); }

    // Called on every repeat before OnRepeatClick; empty here, for descendants.
    virtual void RepeatClickEvent(vcl::TObject* Sender);

    // ---- events
    const vcl::TNotifyEvent& GetOnRepeatClick() const { return FOnRepeatClick; }
    void SetOnRepeatClick(vcl::TNotifyEvent Value);

protected:
    vcl::TNotifyEvent FOnRepeatClick;

    // The timer handler, called for each tick of the repeat timer.
    virtual void DoTimer();
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(vcl::TMessage& Message) override;

private:
    bool Designing() const { return GetComponentState().Contains(vcl::csDesigning); }
    // (Re)start the timer for the first click after a press, or for the clicks after it.
    void StartPhase();
    void RepeatPhase();
    void StopRepeating();

    int FStartClickInterval = 500;
    int FRepeatClickInterval = 200;
    bool FTimerEnabled = false;   // the left button is held on the button
    bool FStartPhase = true;
    std::unique_ptr<TComponentTimer> FTimer;
};

}  // namespace zyn
