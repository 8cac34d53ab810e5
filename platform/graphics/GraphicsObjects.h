// Pens, brushes and fonts: the drawing state a canvas holds, each firing OnChange after
// every effective change.
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Sets.h"

namespace vcl {

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
using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = 1;

// Base of pens, brushes and fonts: fires OnChange after every effective change.
class TGraphicsObject : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphicsObject"; }
    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    void Changed();

    TNotifyEvent FOnChange;
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

// Size is in points at the font's PixelsPerInch (96 unless the control holding the font sits
// on a form of another density); Height is the character height in pixels, negative as the
// framework keeps it (Size 8 <-> Height -11 at 96).
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
    // The density Size maps through. Setting it keeps Height (what is drawn) and changes
    // nothing else; Assign leaves it alone, since it belongs to where the font is used.
    int GetPixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int Value);

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
    int pixelsPerInch_ = 96;
    mutable HFONT handle_ = nullptr;
};

}  // namespace vcl
