// The canvas state saver: a copy of the drawing state taken in the constructor and put
// back in the destructor.
#include "platform/graphics/CanvasStateSaver.h"

namespace vcl {

TCanvasStateSaver::TCanvasStateSaver(TCanvas* Canvas)
    : canvas_(Canvas), copyMode_(Canvas->GetCopyMode()), hasClip_(Canvas->HasClipRect()),
      clip_(Canvas->GetClipRect()), origin_(Canvas->GetOrigin()) {
    pen_.Assign(Canvas->GetPen());
    brush_.Assign(Canvas->GetBrush());
    font_.Assign(Canvas->GetFont());
}

TCanvasStateSaver::~TCanvasStateSaver() {
    canvas_->GetPen()->Assign(&pen_);
    canvas_->GetBrush()->Assign(&brush_);
    canvas_->GetFont()->Assign(&font_);
    canvas_->SetCopyMode(copyMode_);
    // The clip is kept in logical coordinates: the origin goes back first.
    canvas_->SetOrigin(origin_);
    if (hasClip_) canvas_->SetClipRect(clip_);
    else canvas_->ResetClipRect();
}

}  // namespace vcl
