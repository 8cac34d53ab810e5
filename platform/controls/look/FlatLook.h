// The plain flat look of the standard controls: colours and small drawing helpers that
// leave the canvas's state as they found it.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"

namespace vcl::look {

constexpr TColor kFace = RGB(0xF0, 0xF0, 0xF0);             // dialog and panel faces
constexpr TColor kBorder = RGB(0x7A, 0x7A, 0x7A);           // edit and check box borders
constexpr TColor kBorderHot = RGB(0x17, 0x17, 0x17);
constexpr TColor kBorderDisabled = RGB(0xCC, 0xCC, 0xCC);
constexpr TColor kAccent = RGB(0x00, 0x78, 0xD7);           // focus and selection blue
constexpr TColor kSelection = RGB(0x00, 0x78, 0xD7);
constexpr TColor kSelectionInactive = RGB(0xCC, 0xCC, 0xCC);
constexpr TColor kButtonFace = RGB(0xE1, 0xE1, 0xE1);
constexpr TColor kButtonBorder = RGB(0xAD, 0xAD, 0xAD);
constexpr TColor kButtonHotFace = RGB(0xE5, 0xF1, 0xFB);
constexpr TColor kButtonHotBorder = RGB(0x00, 0x78, 0xD7);
constexpr TColor kButtonDownFace = RGB(0xCC, 0xE4, 0xF7);
constexpr TColor kButtonDownBorder = RGB(0x00, 0x54, 0x99);
constexpr TColor kDisabledText = RGB(0x83, 0x83, 0x83);
constexpr TColor kMenuFace = RGB(0xF2, 0xF2, 0xF2);
constexpr TColor kMenuHot = RGB(0x91, 0xC9, 0xF7);
constexpr TColor kMenuBorder = RGB(0xCC, 0xCC, 0xCC);

// Fills R with a solid colour.
inline void Fill(TCanvas* Canvas, const TRect& R, TColor Color) {
    TCanvasStateSaver saved(Canvas);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->FillRect(R);
}

// A one-pixel frame just inside R.
inline void Frame(TCanvas* Canvas, const TRect& R, TColor Color) {
    TCanvasStateSaver saved(Canvas);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->FrameRect(R);
}

}  // namespace vcl::look
