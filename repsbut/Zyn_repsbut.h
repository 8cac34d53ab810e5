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

/// TRepSpeedButton: the framework's speed button with auto-repeat. While the left mouse
/// button is held on it, it fires OnRepeatClick first after a start delay and then
/// periodically, like the arrow buttons of a scroll bar. Glyph, caption, OnClick on release
/// and grouping are the inherited speed button's.
class TRepSpeedButton : public vcl::TSpeedButton {
public:
    /// The shortest start or repeat interval in milliseconds.
    static constexpr int MinClickInterval = 10;   // ms; shorter intervals are raised to it

    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TRepSpeedButton(vcl::TComponent* AOwner);
    ~TRepSpeedButton() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TRepSpeedButton"; }

    // ---- properties (ms)
    /// Milliseconds the left button must be held before the first OnRepeatClick; default 500.
    int GetStartClickInterval() const { return FStartClickInterval; }
    /// Sets the start delay (below 10 becomes 10, ignored when unchanged); outside design mode the
    /// timer restarts in its start phase. Raises EZynRepSpeedButton ("no timer available") when
    /// no timer can be started.
    void SetStartClickInterval(int Value);
    /// Milliseconds between further OnRepeatClick events while the button is held; default 200.
    int GetRepeatClickInterval() const { return FRepeatClickInterval; }
    /// Sets the repeat interval (below 10 becomes 10, ignored when unchanged); outside design mode
    /// the timer restarts in its repeat phase.
    void SetRepeatClickInterval(int Value);

    /// Whether the repeat timer runs now (only while the left button is held).
    bool GetRepeating() const { return FTimer->IsRunning(); }

    /// Called on every repeat before OnRepeatClick; empty here, for descendants.
    virtual void RepeatClickEvent(vcl::TObject* Sender);

    // ---- events
    /// Called while the button is held: first after StartClickInterval, then every
    /// RepeatClickInterval, until it is released or the pointer leaves it (OnClick still fires
    /// once on a release over the button). An exception from it goes to the application's
    /// handler and the repeating goes on. Empty: none.
    const vcl::TNotifyEvent& GetOnRepeatClick() const { return FOnRepeatClick; }
    /// Installs the handler called while the button is held; outside design mode the timer
    /// restarts in its repeat phase. An empty function removes it.
    void SetOnRepeatClick(vcl::TNotifyEvent Value);

protected:
    /// The handler called while the button is held; empty: none.
    vcl::TNotifyEvent FOnRepeatClick;

    /// The timer handler, called for each tick of the repeat timer.
    virtual void DoTimer();
    /// A left press starts the repeat timer in its start phase (StartClickInterval), after the
    /// speed button's own handling.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// A left release stops the repeat timer, after the speed button's own handling (OnClick).
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// The pointer leaving the button ends the repeating, as a release would.
    void CMMouseLeave(vcl::TMessage& Message) override;
    ///@{
    /// The keyboard (the button takes the focus): Space held down presses the button as
    /// the left mouse button does, with the same start delay and repeat interval (the
    /// key's own auto-repeat adds nothing); letting it go releases it and fires OnClick.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    ///@}
    /// Losing the focus with Space held ends the press without OnClick.
    void DoExit() override;
    /// The speed button's picture, then the focus cue inside its edge.
    void Paint() override;

private:
    bool Designing() const { return GetComponentState().Contains(vcl::csDesigning); }
    // (Re)start the timer for the first click after a press, or for the clicks after it.
    void StartPhase();
    void RepeatPhase();
    void StopRepeating();
    // Ends a Space press: the button comes up (or changes Down in a group) and, when
    // Click is set, fires OnClick.
    void EndSpacePress(bool Click);

    int FStartClickInterval = 500;
    int FRepeatClickInterval = 200;
    bool FTimerEnabled = false;   // the left button is held on the button
    bool FStartPhase = true;
    bool FSpaceDown = false;      // Space is held on the focused button
    std::unique_ptr<TComponentTimer> FTimer;
};

}  // namespace zyn
