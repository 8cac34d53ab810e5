// TCanvasStateSaver: keeps a canvas's drawing state for the length of a scope.
//
//   {
//       TCanvasStateSaver saved(Canvas);
//       Canvas->IntersectClipRect(Cell);
//       Canvas->GetBrush()->SetColor(clHighlight);
//       ...                                    // draw
//   }                                          // pen, brush, font, clip ... as before
//
// The saver copies the pen, brush and font, the copy mode, the clip rectangle (or that
// none was set) and the origin when it is made, and puts them back when it is destroyed,
// also when an exception leaves the scope. Savers nest: each restores what it saved. The
// pen position and the stretch mode are not part of the saved state.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TCanvasStateSaver {
public:
    explicit TCanvasStateSaver(TCanvas* Canvas);
    ~TCanvasStateSaver();
    TCanvasStateSaver(const TCanvasStateSaver&) = delete;
    TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

    TCanvas* GetCanvas() const { return canvas_; }

private:
    TCanvas* canvas_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TCopyMode copyMode_;
    bool hasClip_;
    TRect clip_;
    TPoint origin_;
};

}  // namespace vcl
