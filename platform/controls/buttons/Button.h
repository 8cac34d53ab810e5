// Push buttons and check boxes, drawn in the plain flat look (grey faces, blue focus).
#pragma once

#include <cstdint>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// TButtonControl / TButton / TCheckBox
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);
    std::string ClassName() const override { return "TButtonControl"; }

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    // Draws the dotted focus frame inside R when focused.
    void DrawFocus(TCanvas* Canvas, const TRect& R);
    // Alt with the accelerator of the caption: the control takes the focus and acts as
    // Accelerate says.
    void CMDialogChar(TMessage& Message) override;
    // What the accelerator does once the control has the focus: a click by default.
    virtual void Accelerate() { Click(); }
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }

    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool GetDefault() const { return default_; }
    void SetDefault(bool Value);
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    // Presses the button: OnClick, then the parent form's ModalResult.
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void PaintWindow(TCanvas* Canvas) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMDialogKey(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
    bool pressed_ = false;     // drawn pushed in
    bool tracking_ = false;    // left button went down on the button
    bool spaceDown_ = false;
    bool hot_ = false;
};

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    std::string ClassName() const override { return "TCheckBox"; }

    bool GetChecked() const { return state_ == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool GetAllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
    TAlignment GetAlignment() const { return alignment_; }   // side of the text
    void SetAlignment(TAlignment Value);
    // Toggles as a click does (unchecked -> checked -> grayed when allowed -> unchecked).
    void Toggle();

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void Click() override;
    // The accelerator toggles as Space does.
    void Accelerate() override { Toggle(); }
    void PaintWindow(TCanvas* Canvas) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    bool pressed_ = false;
};

}  // namespace vcl
