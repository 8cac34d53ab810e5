// TGraphicControl and TCustomControl: where the framework's painting reaches a component's
// Paint.
#include "platform/controls/base/CustomControl.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::WMPaint(TMessage& Message) {
    (void)Message;
    Paint();
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::PaintWindow(TCanvas* Canvas) {
    TWinControl::PaintWindow(Canvas);
    Paint();
}

}  // namespace vcl
