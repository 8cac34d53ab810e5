// Labels: text on the parent's surface, with accelerator characters that focus a control.
#pragma once

#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// TCustomLabel: text on the parent's surface.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomLabel"; }

    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    void SetAutoSize(bool Value) override;
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool GetShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);
    TWinControl* GetFocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    // The label names its FocusControl for assistive tools.
    TControl* GetLabelledControl() const override { return focusControl_; }

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    // Draws the caption in Rect with the DrawText flags; with DT_CALCRECT only measures
    // and sets Rect's size.
    virtual void DoDrawText(TRect& Rect, int Flags);
    void Paint() override;
    // Fits the bounds to the caption when AutoSize is on.
    virtual void AdjustBounds();
    virtual std::string GetLabelText() const { return GetCaption(); }
    void Loaded() override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMDialogChar(TMessage& Message);
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TLabel"; }
};

}  // namespace vcl
