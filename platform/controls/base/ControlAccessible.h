// The accessible object of a control: what every control answers by itself (name, states,
// bounds, its child controls), and what a control class refines by deriving from it in
// its CreateAccessible (a role, a value, actions, drawn items as children).
#pragma once

#include <memory>
#include <string>

#include "platform/accessibility/Accessible.h"
#include "platform/core/WinTypes.h"

namespace vcl {

class TControl;

class TControlAccessible : public TAccessible {
public:
    explicit TControlAccessible(TControl* Control) : control_(Control) {}

    // The control, nullptr once it is destroyed.
    TControl* GetControl() const { return control_; }
    // Called by the control as it is destroyed: from then on the object is defunct.
    void Detach();

    // The class's role: a frame for a form, a panel for other windowed controls, unknown
    // for the rest, unless a class says better.
    TAccRole GetRole() const override;
    // The control's AccessibleName; else its caption (where the caption names it, see
    // CaptionIsName); else the caption of a label whose FocusControl is this control;
    // else its Hint.
    std::string GetName() const override;
    // The Hint (when the name is not already the Hint).
    std::string GetDescription() const override;
    // Enabled, visible and showing as the control is in its tree; focusable when it can
    // take the keyboard, focused while it has it. Classes add their own.
    TAccStates GetStates() const override;
    TRect GetScreenBounds() const override;
    bool IsDefunct() const override { return control_ == nullptr; }
    TAccessiblePtr GetParent() const override;
    // The child controls, in z-order.
    int GetChildCount() const override;
    TAccessiblePtr GetChild(int Index) override;
    // Focuses the control as a click would (the form comes to the front first); only a
    // control that can take the keyboard and is showing, enabled, in an enabled form.
    bool GrabFocus() override;

protected:
    // Whether the caption is the control's name (false for an edit, whose caption is the
    // text typed in it).
    virtual bool CaptionIsName() const { return true; }
    // The caption as it names the control; the default takes it as it is, controls whose
    // caption marks an accelerator ("&Open") say StripAccelerator.
    virtual std::string CaptionText() const;
    // Marks the items made so far defunct (the control is going).
    virtual void DetachItems() {}

private:
    TControl* control_;
};

namespace accessibility {
void RaiseForControl(TControl* Control, TAccEventKind Kind, TAccState State, int Index);
// The events a control message means (focus, enabled, visible, caption, child list), told
// by TControl::Perform while anyone listens.
void ControlMessage(TControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam);
}
// The caption without its accelerator marks: "&Open" reads "Open", "&&" one ampersand.
std::string StripAccelerator(const std::string& Caption);

// Tells the listeners that Control changed. Costs one test while nobody listens. Only a
// control whose accessible object was asked for raises events (nobody can care about the
// others), except the focus, which names its control to a listener that knew nothing, and
// a top-level form shown, hidden, activated or deactivated: a tool hears of new windows.
inline void NotifyAccessible(TControl* Control, TAccEventKind Kind, TAccState State = asEnabled,
                             int Index = -1) {
    if (accessibility::Listening()) accessibility::RaiseForControl(Control, Kind, State, Index);
}
// Tells the listeners about an item object (a cell that took the focus, a day selected).
inline void NotifyAccessibleItem(const TAccessiblePtr& Item, TAccEventKind Kind, TAccState State = asEnabled) {
    if (accessibility::Listening() && Item) accessibility::Raise({Kind, Item, State, -1});
}

}  // namespace vcl
