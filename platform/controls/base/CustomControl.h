// The two bases components derive from: TGraphicControl paints on its parent's surface,
// TCustomControl is a windowed control that paints itself. Both expose the control's canvas
// and a Paint to override.
#pragma once

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

// TGraphicControl: a control without a window; it paints on its parent's surface.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    std::string ClassName() const override { return "TGraphicControl"; }
    // Valid at any time: bound to the form's back buffer at the control's position and
    // clipped to the visible part of the control.
    TCanvas* GetCanvas() { return ControlCanvas(); }

    // ---- keyboard focus without a window (opt-in)
    // A graphic control that sets KeyboardFocusable takes the keyboard focus although it
    // has no window. Its windowed parent (the host) keeps the real focus and hands the
    // control what a focused window gets: the keys (WM_KEYDOWN/WM_CHAR/WM_KEYUP and their
    // system variants, reaching KeyDown/KeyPress/KeyUp and the OnKey* events after the
    // form's KeyPreview), WM_GETDLGCODE (DialogCode: which navigation keys it takes),
    // focus enter and exit (DoEnter/DoExit, OnEnter/OnExit, after the host's own CM_ENTER
    // and before its CM_EXIT) and the cue (HasKeyboardFocus). The control joins its
    // parent's tab order among the windowed siblings (TabStop, TabOrder), a left press on
    // it gives it the focus, and while it is disabled or hidden it is skipped and loses
    // the focus to the next control. Off by default: a graphic control takes no focus.
    bool GetKeyboardFocusable() const { return keyboardFocusable_; }
    void SetKeyboardFocusable(bool Value);
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool Value) { tabStop_ = Value; }
    // Position among the parent's windowed and focusable graphic children; -1 when the
    // control is not focusable or has no parent.
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    // Focusable, visible and enabled up to its form, and the form enabled.
    bool CanFocus() const;
    // Gives the control the keyboard focus (EInvalidOperation when CanFocus is false).
    void SetFocus();
    bool Focused() const;
    bool HasKeyboardFocus() const override { return Focused(); }

    TNotifyEvent GetOnEnter() const { return FOnEnter; }
    void SetOnEnter(TNotifyEvent Value) { FOnEnter = std::move(Value); }
    TNotifyEvent GetOnExit() const { return FOnExit; }
    void SetOnExit(TNotifyEvent Value) { FOnExit = std::move(Value); }
    TKeyEvent GetOnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
    TKeyPressEvent GetOnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent Value) { FOnKeyPress = std::move(Value); }
    TKeyEvent GetOnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }

    void WndProc(TMessage& Message) override;

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& Message) override;
    // Focus notifications: the defaults fire OnEnter / OnExit; the control repaints
    // around them either way.
    virtual void DoEnter();
    virtual void DoExit();
    // Keys while focused: the defaults fire the OnKey* events. A handler that sets the
    // key to 0 consumes it.
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    // The DLGC_* mask of the navigation keys (arrows, Tab, Enter/Escape) the control takes
    // itself instead of the form's focus navigation; none by default.
    virtual LRESULT DialogCode() const { return 0; }

    TNotifyEvent FOnEnter, FOnExit;
    TKeyEvent FOnKeyDown, FOnKeyUp;
    TKeyPressEvent FOnKeyPress;

private:
    bool keyboardFocusable_ = false;
    bool tabStop_ = true;
};

// =========================================================================================
// TCustomControl: a windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomControl"; }
    TCanvas* GetCanvas() { return ControlCanvas(); }

protected:
    virtual void Paint() {}
    void PaintWindow(TCanvas* Canvas) override;
};

}  // namespace vcl
