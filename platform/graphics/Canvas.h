// The canvas: drawing on a surface (a bitmap) through an origin and a clip rectangle.
//
// The canvas reproduces the classic aliased drawing rules of the desktop framework the
// components were designed for: right and bottom edges of filled shapes are excluded, the
// last pixel of a line is not drawn, arcs run counter-clockwise between the rays through
// their end points. Text comes from FreeType through fontconfig.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/WinGdi.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

enum TFillStyle : std::uint8_t { fsSurface, fsBorder };
using TCopyMode = std::uint32_t;   // a ternary raster operation code (SRCCOPY, ...)

class TBitmap;
namespace graphics { struct SurfaceAccess; }

// Raster operation codes for CopyRect / StretchBlt.
constexpr TCopyMode BLACKNESS = 0x00000042, DSTINVERT = 0x00550009, MERGECOPY = 0x00C000CA,
                    MERGEPAINT = 0x00BB0226, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                    PATCOPY = 0x00F00021, PATINVERT = 0x005A0049, PATPAINT = 0x00FB0A09,
                    SRCAND = 0x008800C6, SRCCOPY = 0x00CC0020, SRCERASE = 0x00440328,
                    SRCINVERT = 0x00660046, SRCPAINT = 0x00EE0086, WHITENESS = 0x00FF0062;
// The same codes under the framework's copy-mode names (TCanvas::CopyMode).
constexpr TCopyMode cmBlackness = BLACKNESS, cmDstInvert = DSTINVERT, cmMergeCopy = MERGECOPY,
                    cmMergePaint = MERGEPAINT, cmNotSrcCopy = NOTSRCCOPY, cmNotSrcErase = NOTSRCERASE,
                    cmPatCopy = PATCOPY, cmPatInvert = PATINVERT, cmPatPaint = PATPAINT,
                    cmSrcAnd = SRCAND, cmSrcCopy = SRCCOPY, cmSrcErase = SRCERASE,
                    cmSrcInvert = SRCINVERT, cmSrcPaint = SRCPAINT, cmWhiteness = WHITENESS;

// A canvas draws on a surface (a bitmap) through an origin offset and a clip rectangle.
// Logical coordinates are surface coordinates minus the origin. A canvas without a
// surface draws nothing but still measures text.
class TCanvas : public TPersistent {
public:
    TCanvas();
    explicit TCanvas(TBitmap* Surface);
    ~TCanvas() override;
    std::string ClassName() const override { return "TCanvas"; }

    TPen* GetPen() const { return pen_.get(); }
    void SetPen(TPen* Value) { pen_->Assign(Value); }
    TBrush* GetBrush() const { return brush_.get(); }
    void SetBrush(TBrush* Value) { brush_->Assign(Value); }
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    TPoint GetPenPos() const { return penPos_; }
    void SetPenPos(TPoint Value) { penPos_ = Value; }
    TCopyMode GetCopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
    HDC GetHandle() { return this; }
    // Stretch mode of CopyRect/StretchDraw (platform/graphics/WinGdi.h); BLACKONWHITE at first.
    int GetStretchBltMode() const { return stretchMode_; }
    int SetStretchBltMode(int Mode);          // returns the previous mode, 0 if Mode is invalid
    // The canvas keeps no device objects selected, so there is nothing to release.
    void Refresh() {}

    // Fired after every drawing operation (a bitmap's own canvas forwards it to the
    // bitmap's OnChange).
    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    // Binding to a surface; used by bitmaps, controls and forms.
    TBitmap* GetSurface() const { return surface_; }
    void SetSurface(TBitmap* Surface);
    TPoint GetOrigin() const { return origin_; }
    void SetOrigin(TPoint Value) { origin_ = Value; }
    // Clip in logical coordinates; drawing never leaves it nor the surface. Without a clip
    // rectangle (HasClipRect false) GetClipRect answers the surface's rectangle.
    TRect GetClipRect() const;
    void SetClipRect(const TRect& Value);
    bool HasClipRect() const { return hasClip_; }
    void ResetClipRect();
    // Narrows the clip to its overlap with R (an empty clip when they do not overlap).
    void IntersectClipRect(const TRect& R) { SetClipRect(IntersectRect(GetClipRect(), R)); }

    // Lines and shapes
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(std::span<const TPoint> Points);
    void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::span<const TPoint>(Points.begin(), Points.size())); }
    void Polygon(std::span<const TPoint> Points);
    void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::span<const TPoint>(Points.begin(), Points.size())); }
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);       // XOR: drawing it twice restores the pixels
    void InvertRect(const TRect& R);          // inverts every pixel value
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    TColor GetPixels(int X, int Y) const;     // -1 (CLR_INVALID) outside the clip
    void SetPixels(int X, int Y, TColor Color);   // through the pen mode, as the platform does
    // fsSurface fills the 4-connected area of Color around (X, Y); fsBorder the area
    // bounded by Color. False when (X, Y) does not qualify or is outside the clip.
    bool FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

    // Text (UTF-8). (X, Y) is the top-left corner of the text cell; a solid brush fills
    // the cell first, a clear brush leaves the background alone.
    void TextOut(int X, int Y, const std::string& Text);
    // Clipped to Rect; a solid brush first fills the whole Rect.
    void TextRect(const TRect& Rect, int X, int Y, const std::string& Text);
    int TextWidth(const std::string& Text);
    int TextHeight(const std::string& Text);
    TSize TextExtent(const std::string& Text);

    // Bitmaps. All three combine source and destination through CopyMode. Draw and
    // StretchDraw honour the bitmap's Transparent property, keep a black and white bitmap's
    // own colours and resample without merging pixels (HALFTONE when that is the stretch
    // mode); CopyRect stretches with StretchBltMode when the rectangles differ in size.
    void Draw(int X, int Y, TBitmap* Graphic);
    void StretchDraw(const TRect& Rect, TBitmap* Graphic);
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

protected:
    TNotifyEvent FOnChange;

private:
    friend struct graphics::SurfaceAccess;
    void Changed();

    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TFont> font_;
    TPoint penPos_;
    TCopyMode copyMode_ = SRCCOPY;
    TBitmap* surface_ = nullptr;
    TPoint origin_;
    TRect clip_;
    bool hasClip_ = false;
    int stretchMode_ = BLACKONWHITE;
};

}  // namespace vcl
