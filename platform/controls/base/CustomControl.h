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

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& Message) override;
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
