// Graphics: colours, pens, brushes, fonts, the canvas and bitmaps.
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
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"
#include "platform/win32/WinGdi.h"
#include "platform/win32/WinTypes.h"

namespace vcl {

class TStream;

// ---------------------------------------------------------------------------------------
// Colours: 0x00BBGGRR for fixed colours, 0xFF000000 + index for system colours.
using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clSystemColor = TColor(0xFF000000u);
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clLtGray = 0xC0C0C0, clDkGray = 0x808080;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor SysColor(int index) { return TColor(0xFF000000u | unsigned(index)); }
constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1),
                 clActiveCaption = SysColor(2), clInactiveCaption = SysColor(3),
                 clMenu = SysColor(4), clWindow = SysColor(5), clWindowFrame = SysColor(6),
                 clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10),
                 clInactiveBorder = SysColor(11), clAppWorkSpace = SysColor(12),
                 clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                 clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19),
                 clBtnHighlight = SysColor(20), cl3DDkShadow = SysColor(21),
                 cl3DLight = SysColor(22), clInfoText = SysColor(23), clInfoBk = SysColor(24),
                 clHotLight = SysColor(26), clGradientActiveCaption = SysColor(27),
                 clGradientInactiveCaption = SysColor(28), clMenuHighlight = SysColor(29),
                 clMenuBar = SysColor(30);

constexpr TColor CLR_INVALID = -1;   // what GetPixels answers outside the surface or clip

// System colours resolve through one table that tests may override.
TColor ColorToRGB(TColor Color);
TColor GetSysColor(int Index);                        // 0 for indexes outside 0..30
void SetSysColor(int Index, TColor RGBValue);         // changes the table (tests, themes)
void ResetSysColors();                                // back to the shipped defaults
std::string ColorToString(TColor Color);              // "clRed", or "$00112233"
TColor StringToColor(const std::string& S);           // name, decimal or $hex; EConvertError
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);

// ---------------------------------------------------------------------------------------
enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode : std::uint8_t {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle : std::uint8_t {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontQuality : std::uint8_t {
    fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural
};
enum TFillStyle : std::uint8_t { fsSurface, fsBorder };
enum TPixelFormat : std::uint8_t {
    pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom
};
enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };
using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = 1;
using TCopyMode = std::uint32_t;   // a ternary raster operation code (SRCCOPY, ...)

// Base of pens, brushes and fonts: fires OnChange after every effective change.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;
    std::string ClassName() const override { return "TGraphicsObject"; }

protected:
    void Changed();
};

class TPen : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TPen"; }
    void Assign(TPersistent* Source) override;
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    int GetWidth() const { return width_; }
    void SetWidth(int Value);                 // values below 1 become 1
    TPenStyle GetStyle() const { return style_; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return mode_; }
    void SetMode(TPenMode Value);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TBrush"; }
    void Assign(TPersistent* Source) override;
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);              // a colour makes a clear brush solid again
    TBrushStyle GetStyle() const { return style_; }
    void SetStyle(TBrushStyle Value);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// Size is in points at 96 pixels per inch; Height is the character height in pixels,
// negative as the framework keeps it (Size 8 <-> Height -11).
class TFont : public TGraphicsObject {
public:
    TFont();
    ~TFont() override;
    std::string ClassName() const override { return "TFont"; }
    void Assign(TPersistent* Source) override;

    const std::string& GetName() const { return name_; }
    void SetName(const std::string& Value);
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return height_; }
    void SetHeight(int Value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    TFontStyles GetStyle() const { return style_; }
    void SetStyle(TFontStyles Value);
    int GetOrientation() const { return orientation_; }   // tenths of a degree
    void SetOrientation(int Value);
    TFontQuality GetQuality() const { return quality_; }
    void SetQuality(TFontQuality Value);
    TFontPitch GetPitch() const { return pitch_; }
    void SetPitch(TFontPitch Value);
    TFontCharset GetCharset() const { return charset_; }
    void SetCharset(TFontCharset Value);
    int GetPixelsPerInch() const { return 96; }

    // The logical font this font describes. Setting a handle made by CreateFontIndirect
    // takes over its height, weight, italic, underline, strike-out, escapement, quality
    // and face name.
    HFONT GetHandle() const;
    void SetHandle(HFONT Value);

private:
    void ReleaseHandle() const;
    void FontChanged();

    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int orientation_ = 0;
    TFontQuality quality_ = fqDefault;
    TFontPitch pitch_ = fpDefault;
    TFontCharset charset_ = DEFAULT_CHARSET;
    mutable HFONT handle_ = nullptr;
};

// ---------------------------------------------------------------------------------------
class TBitmap;
namespace graphics { struct SurfaceAccess; }

// The module of the package's own embedded resources, to pass to
// TBitmap::LoadFromResourceName.
extern HINSTANCE HInstance;

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
    // Stretch mode of CopyRect/StretchDraw (platform/win32/WinGdi.h); BLACKONWHITE at first.
    int GetStretchBltMode() const { return stretchMode_; }
    int SetStretchBltMode(int Mode);          // returns the previous mode, 0 if Mode is invalid
    // The canvas keeps no device objects selected, so there is nothing to release.
    void Refresh() {}

    // Fired after every drawing operation (a bitmap's own canvas forwards it to the
    // bitmap's OnChange).
    TNotifyEvent OnChange;

    // Binding to a surface; used by bitmaps, controls and forms.
    TBitmap* GetSurface() const { return surface_; }
    void SetSurface(TBitmap* Surface);
    TPoint GetOrigin() const { return origin_; }
    void SetOrigin(TPoint Value) { origin_ = Value; }
    // Clip in logical coordinates; drawing never leaves it nor the surface.
    TRect GetClipRect() const;
    void SetClipRect(const TRect& Value);
    void ResetClipRect();

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

// A device-independent bitmap. Rows are stored bottom-up as the file format keeps them in
// memory: ScanLine(y) gives row y (top first) in the bitmap's pixel format: 1, 4, 8 bit
// palette indexes (most significant bits first), 15/16 bit words, 24 bit as B,G,R, 32 bit
// as B,G,R,A; ScanLine(y + 1) == ScanLine(y) - BytesPerLine(). A new bitmap is 0 x 0,
// pf32bit; pixels added by growing it are white. pfDevice is kept as pf32bit.
class TBitmap : public TPersistent {
public:
    TBitmap();
    ~TBitmap() override;
    std::string ClassName() const override { return "TBitmap"; }
    void Assign(TPersistent* Source) override;

    int GetWidth() const { return width_; }
    void SetWidth(int Value);
    int GetHeight() const { return height_; }
    void SetHeight(int Value);
    void SetSize(int AWidth, int AHeight);
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat GetPixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat Value);  // converts the pixels
    // Row 0 is the top row; an index outside 0..Height-1 raises EInvalidGraphicOperation.
    std::uint8_t* ScanLine(int Row);
    const std::uint8_t* ScanLine(int Row) const;
    int BytesPerLine() const;                 // row stride, a multiple of 4
    TCanvas* GetCanvas();
    bool GetMonochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool Value);           // pf1bit, or back to pf32bit

    // Palette of 1, 4 and 8 bit bitmaps (fixed colours). A palette format starts with a
    // default palette: black and white, the 16 VGA colours, or 256 colours. Setting a
    // palette keeps the pixel indexes; at most 2^bits entries are taken.
    const std::vector<TColor>& GetPalette() const { return palette_; }
    void SetPalette(const std::vector<TColor>& Colors);

    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value) { transparent_ = Value; }
    TColor GetTransparentColor() const;       // tmAuto: the bottom-left pixel
    void SetTransparentColor(TColor Value);
    TTransparentMode GetTransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value) { transparentMode_ = Value; }

    // Files and streams: BMP, PNG and JPEG are recognised by content; SaveToFile writes PNG
    // for a ".png" name and BMP otherwise. Invalid data raises EInvalidGraphic.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    // Loads an embedded resource; an unknown name raises EResNotFound.
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    friend struct graphics::SurfaceAccess;
    void Reallocate(int AWidth, int AHeight, TPixelFormat Format, bool KeepPixels);

    int width_ = 0;
    int height_ = 0;
    TPixelFormat pixelFormat_ = pf32bit;
    std::vector<std::uint8_t> bits_;
    std::vector<TColor> palette_;
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    bool hasAlpha_ = false;                   // the 4th byte of pf32bit pixels is alpha
};

VCL_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)

}  // namespace vcl
