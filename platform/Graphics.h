// Graphics: colours (TColor, the named and system colours), pens, brushes and fonts, the
// canvas with its drawing operations and raster codes, the canvas state saver, the
// off-screen paint buffer, bitmaps with their files, and the embedded resources bitmaps
// load from (HInstance).
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/PaintBuffer.h"
#include "platform/graphics/resources/Resources.h"
