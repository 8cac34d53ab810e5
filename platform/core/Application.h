// The application object: message loop, clock, timers' delivery and exception reporting.
//
// Core knows no window system and no controls. A window backend plugs in a TEventSource
// (wait for system input up to a deadline, dispatch it, be woken up), the controls layer a
// repaint handler (paint every invalidated region, then present). Without them the loop
// still runs posted messages and timers, which is all the headless tests need.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

// What a window backend gives the loop.
class TEventSource {
public:
    virtual ~TEventSource() = default;
    // Waits at most TimeoutMs (0: only look; negative: no limit) for input from the system
    // and dispatches whatever arrived. Returns true when something was dispatched.
    virtual bool WaitAndDispatch(int TimeoutMs) = 0;
    // Makes a WaitAndDispatch in progress return soon (a message was posted).
    virtual void Wake() = 0;
    // Rings the system bell (MessageBeep). Optional.
    virtual void Beep() {}
};

using TExceptionEvent = std::function<void(TObject* Sender, Exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // ---- the loop
    // Dispatches every pending input, posted message and due timer tick, repaints, and
    // returns without waiting.
    void ProcessMessages();
    // Dispatches one message; when nothing is pending runs the idle handling and then
    // waits for input or the next timer (with the virtual clock: moves the clock to the
    // next timer instead of waiting).
    void HandleMessage();
    // Runs the loop until Terminate. With the virtual clock the loop also returns when
    // nothing can ever happen again (no input source, no message, no timer).
    void Run();
    void Terminate() { terminated_ = true; }
    bool GetTerminated() const { return terminated_; }
    // Lets Run be entered again after a Terminate (tests, modal loops of a new session).
    void ResetTerminated() { terminated_ = false; }

    // ---- exceptions
    // Reports the exception being handled (call it from a catch block): OnException when
    // assigned, otherwise ShowException. Anything not derived from Exception is wrapped.
    // Outside a catch block it does nothing.
    void HandleException(TObject* Sender);
    // Writes the message to standard error (a window backend may show a message box).
    void ShowException(const Exception& E);
    TExceptionEvent GetOnException() const { return FOnException; }
    void SetOnException(TExceptionEvent Value) { FOnException = std::move(Value); }
    // Runs when HandleMessage finds nothing to dispatch; with Done left true it then waits
    // for input or the next timer, with Done false it returns at once.
    TIdleEvent GetOnIdle() const { return FOnIdle; }
    void SetOnIdle(TIdleEvent Value) { FOnIdle = std::move(Value); }

    // ---- clock
    // Milliseconds since the clock started. The real clock is monotonic; the virtual one
    // moves only through AdvanceTime (and through HandleMessage/Run when they would wait).
    std::int64_t GetClockMs() const;
    bool GetVirtualClock() const { return virtual_; }
    // Switching keeps the current reading, so pending timers keep their due times.
    void SetVirtualClock(bool Value);
    // Moves the virtual clock on by Ms and delivers every timer tick falling due on the
    // way, in time order (ties in the order the timers were started), processing posted
    // messages between ticks. Under ZYN_BACKEND=headless the clock is virtual from the start
    // and AdvanceTime switches it on if needed; otherwise it raises EInvalidOperation with the
    // real clock.
    void AdvanceTime(std::int64_t Ms);

    // ---- hints (shown by the controls layer)
    // Whether hints are shown at all.
    bool GetShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    // How long the pointer must rest on a control before its hint shows (ms).
    int GetHintPause() const { return hintPause_; }
    void SetHintPause(int Value) { hintPause_ = Value < 0 ? 0 : Value; }
    // Pause before the next control's hint shows while one is showing (ms).
    int GetHintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int Value) { hintShortPause_ = Value < 0 ? 0 : Value; }
    // How long a hint stays up while the pointer rests (ms).
    int GetHintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int Value) { hintHidePause_ = Value < 0 ? 0 : Value; }
    // Hides the hint showing now; it comes back only when the pointer moves to another
    // control.
    void CancelHint();
    void SetHintCanceller(std::function<void()> Handler) { cancelHint_ = std::move(Handler); }

    // ---- theme
    // Makes the theme named Name ("light", "dark", "high-contrast"; case-insensitive) the
    // one in use: the colour properties of components that were left at their defaults
    // take the new theme's colours, OnThemeChange runs, then every form repaints once.
    // Colours an application or a form file set stay as set. An unknown name raises
    // EConvertError and changes nothing. Choosing the theme in use again does nothing.
    void SetTheme(const std::string& Name);
    // The name of the theme in use (at start: ZYN_THEME when it names one, else the
    // desktop's choice where a window backend can read it, else "light").
    std::string GetTheme() const;
    const TNotifyEvent& GetOnThemeChange() const { return FOnThemeChange; }
    void SetOnThemeChange(TNotifyEvent Value) { FOnThemeChange = std::move(Value); }
    // What SetTheme and GetTheme do; the controls layer installs it.
    struct TThemeHandler {
        std::function<std::string(const std::string& Name)> Apply;   // canonical name
        std::function<std::string()> Current;
    };
    static void SetThemeHandler(TThemeHandler Handler);

    // ---- hooks from higher layers
    void SetEventSource(TEventSource* Source) { eventSource_ = Source; }
    TEventSource* GetEventSource() const { return eventSource_; }
    void SetRepaintHandler(std::function<void()> Handler) { repaint_ = std::move(Handler); }

    // Number of posted messages and pending timer ticks not yet dispatched.
    int PendingMessageCount() const;

protected:
    TExceptionEvent FOnException;
    TIdleEvent FOnIdle;
    TNotifyEvent FOnThemeChange;

private:
    bool DispatchOnePosted();
    bool DispatchOneTimer();
    void DispatchGuarded(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam, TIMERPROC Proc);
    void Repaint();
    void WaitForWork();
    bool NothingCanHappen() const;

    bool terminated_ = false;
    bool virtual_ = false;
    std::int64_t virtualNow_ = 0;
    std::int64_t realBase_ = 0;
    TEventSource* eventSource_ = nullptr;
    std::function<void()> repaint_;
    std::function<void()> cancelHint_;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
};

// The application; always valid, never freed (forms it owns outlive static destructors).
extern TApplication* Application;

}  // namespace vcl
