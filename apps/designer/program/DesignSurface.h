// The design surface: paints the designed form (which is never shown, so no input reaches
// its components) with the selection's handles, the guides of a drag and the rubber band,
// and turns pointer and keys into design-model calls.
#pragma once

#include <functional>
#include <string>

#include "apps/designer/model/DesignModel.h"
#include "platform/Controls.h"

namespace designer {

class TDesignSurface : public vcl::TCustomControl {
public:
    TDesignSurface(vcl::TComponent* AOwner, TDesignModel& Model);
    std::string ClassName() const override { return "TDesignSurface"; }

    // The class the next press drops ("" for none); cleared once dropped.
    std::string PendingClass;
    std::function<void()> OnDropped;
    // Where the designed form's client area starts on the surface.
    vcl::TPoint FormOrigin() const;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    // Arrows move the selection rather than the focus.
    void WndProc(vcl::TMessage& Message) override;

private:
    vcl::TPoint ToForm(int X, int Y) const;
    TDesignModel& model_;
    bool banding_ = false;
    vcl::TPoint bandFrom_, bandTo_;
};

}  // namespace designer
