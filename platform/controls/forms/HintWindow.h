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

#include "platform/controls/base/Control.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/runtime/Geometry.h"

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

// The hint manager, fed by the input dispatcher.
namespace hints {
// The pointer is over Under (nullptr: off every form) at a screen point.
void PointerMoved(TControl* Under, TPoint ScreenPos, bool ButtonsHeld);
// A press, key or wheel: the hint hides until the pointer moves to another control.
void Cancel();
// Control is being destroyed or leaves its form.
void Forget(TControl* Control);
// Hides any hint and forgets the pointer (between tests).
void Reset();
}  // namespace hints

}  // namespace vcl
