// DrawText: text laid out in a rectangle with the canvas font (line and word breaks,
// alignment, accelerator prefixes, clipping), as labels, buttons and lists draw captions.
#pragma once

#include <string>

#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// ---- DrawText flags (labels and anything that lays out text in a rectangle) ------------
constexpr int DT_TOP = 0x0000, DT_LEFT = 0x0000, DT_CENTER = 0x0001, DT_RIGHT = 0x0002,
              DT_VCENTER = 0x0004, DT_BOTTOM = 0x0008, DT_WORDBREAK = 0x0010,
              DT_SINGLELINE = 0x0020, DT_EXPANDTABS = 0x0040, DT_NOCLIP = 0x0100,
              DT_CALCRECT = 0x0400, DT_NOPREFIX = 0x0800, DT_END_ELLIPSIS = 0x8000,
              DT_PATH_ELLIPSIS = 0x4000, DT_WORD_ELLIPSIS = 0x40000;

// Lays out Text in Rect with the canvas font as the DrawText call does: lines broken at
// line feeds (and at word boundaries with DT_WORDBREAK), aligned by the flags, "&x" shown
// as an underlined x unless DT_NOPREFIX. With DT_CALCRECT nothing is drawn and Rect's
// Right and Bottom are set to fit the text. Returns the height of the text.
int DrawText(TCanvas* Canvas, const std::string& Text, TRect& Rect, int Flags);

}  // namespace vcl
