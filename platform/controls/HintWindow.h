// Hints: the small pale window with a control's Hint that appears when the pointer rests
// on the control.
//
// The input dispatcher tells the hint manager where the pointer is. When it stays on a
// control whose ShowHint is true (ParentShowHint takes the parent's) for
// Application->HintPause ms, the hint window shows the short part of the hint below the
// pointer; it hides on a press, a key, the wheel, when the pointer leaves the control or
// after Application->HintHidePause. While a hint shows, moving to another control with a
// hint shows that one after the short pause (HintShortPause). Timing runs on the
// application clock, so the virtual clock of the tests drives it exactly.
#pragma once

#include <string>

#include "platform/controls/Form.h"

namespace vcl {

// A borderless top-level form that shows one hint text. It never becomes the active form
// and never takes the keyboard.
class THintWindow : public TCustomForm {
public:
    explicit THintWindow(TComponent* AOwner);
    std::string ClassName() const override { return "THintWindow"; }

    // The bounds (at 0, 0) the window needs for Hint; lines longer than MaxWidth break at
    // words.
    virtual TRect CalcHintRect(int MaxWidth, const std::string& Hint);
    // Shows Hint in Rect (screen coordinates), moved as needed to lie on the screen.
    virtual void ActivateHint(TRect Rect, const std::string& Hint);
    // Hides the window.
    void ReleaseHint();
    const std::string& GetHintText() const { return hint_; }

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;

private:
    std::string hint_;
};

// A hint's text splits at the first '|': the tooltip text before it, the longer text after.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

// The hint window showing now, or nullptr.
THintWindow* ShownHintWindow();

}  // namespace vcl
