// The plain flat look of the standard controls: colours and small drawing helpers that
// leave the canvas's state as they found it.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Theme.h"
#include "platform/runtime/Geometry.h"

namespace vcl::look {

// The colours of the look come from the theme in use (platform/graphics/Theme.h); in the
// light theme they are the classic flat palette.
inline TColor Face() { return ThemeColor(trFace); }   // dialog and panel faces
inline TColor Border() { return ThemeColor(trBorder); }   // edit and check box borders
inline TColor BorderHot() { return ThemeColor(trBorderHot); }
inline TColor BorderDisabled() { return ThemeColor(trBorderDisabled); }
inline TColor Accent() { return ThemeColor(trAccent); }   // focus and selection blue
inline TColor Selection() { return ThemeColor(trHighlight); }
inline TColor SelectionInactive() { return ThemeColor(trSelectionInactive); }
inline TColor ButtonFace() { return ThemeColor(trButtonFace); }
inline TColor ButtonBorder() { return ThemeColor(trButtonBorder); }
inline TColor ButtonHotFace() { return ThemeColor(trButtonHotFace); }
inline TColor ButtonHotBorder() { return ThemeColor(trButtonHotBorder); }
inline TColor ButtonDownFace() { return ThemeColor(trButtonDownFace); }
inline TColor ButtonDownBorder() { return ThemeColor(trButtonDownBorder); }
inline TColor DisabledText() { return ThemeColor(trDisabledText); }
inline TColor MenuFace() { return ThemeColor(trMenuFace); }
inline TColor MenuHot() { return ThemeColor(trMenuHot); }
inline TColor MenuBorder() { return ThemeColor(trMenuBorder); }
inline TColor MenuHotText() { return ThemeColor(trMenuHotText); }
inline TColor SelectionInactiveText() { return ThemeColor(trSelectionInactiveText); }
inline TColor HintFrame() { return ThemeColor(trHintFrame); }

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

// A frame Width pixels wide just inside R (a one-pixel line at 96 dpi, ScaleLineWidth of it
// on a denser screen).
inline void Frame(TCanvas* Canvas, const TRect& R, TColor Color, int Width) {
    TCanvasStateSaver saved(Canvas);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsSolid);
    for (int k = 0; k < Width && R.Width() > 2 * k && R.Height() > 2 * k; ++k)
        Canvas->FrameRect(Rect(R.Left + k, R.Top + k, R.Right - k, R.Bottom - k));
}

}  // namespace vcl::look
