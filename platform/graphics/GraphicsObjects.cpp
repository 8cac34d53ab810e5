// Pens, brushes and fonts.
#include "platform/graphics/GraphicsObjects.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/LogicalFonts.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Rounding.h"

namespace vcl {

// ---- graphics objects --------------------------------------------------------------------

void TGraphicsObject::Changed() {
    if (FOnChange) FOnChange(this);
}

void TPen::Assign(TPersistent* Source) {
    if (auto* pen = dynamic_cast<TPen*>(Source)) {
        color_ = pen->color_;
        width_ = pen->width_;
        style_ = pen->style_;
        mode_ = pen->mode_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value) {
    if (color_ == Value) return;
    color_ = Value;
    Changed();
}

void TPen::SetWidth(int Value) {
    Value = std::max(Value, 1);
    if (width_ == Value) return;
    width_ = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (style_ == Value) return;
    style_ = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (mode_ == Value) return;
    mode_ = Value;
    Changed();
}

void TBrush::Assign(TPersistent* Source) {
    if (auto* brush = dynamic_cast<TBrush*>(Source)) {
        color_ = brush->color_;
        style_ = brush->style_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value) {
    // A colour given to a clear brush makes it solid again.
    if (color_ == Value && style_ != bsClear) return;
    color_ = Value;
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (style_ == Value) return;
    style_ = Value;
    if (style_ == bsClear) color_ = clWhite;
    Changed();
}

// ---- fonts -------------------------------------------------------------------------------

TFont::TFont() = default;

TFont::~TFont() { ReleaseHandle(); }

void TFont::ReleaseHandle() const {
    if (handle_ != nullptr) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
}

void TFont::FontChanged() {
    ReleaseHandle();
    Changed();
}

void TFont::Assign(TPersistent* Source) {
    if (auto* font = dynamic_cast<TFont*>(Source)) {
        if (font == this) return;
        name_ = font->name_;
        height_ = font->height_;
        color_ = font->color_;
        style_ = font->style_;
        orientation_ = font->orientation_;
        quality_ = font->quality_;
        pitch_ = font->pitch_;
        charset_ = font->charset_;
        FontChanged();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const std::string& Value) {
    if (Value.empty() || name_ == Value) return;
    name_ = Value;
    FontChanged();
}

void TFont::SetPixelsPerInch(int Value) {
    if (Value <= 0) throw EInvalidOperation("PixelsPerInch must be positive, not " + std::to_string(Value));
    pixelsPerInch_ = Value;
}

int TFont::GetSize() const { return -MulDiv(height_, 72, GetPixelsPerInch()); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, GetPixelsPerInch(), 72)); }

void TFont::SetHeight(int Value) {
    if (height_ == Value) return;
    height_ = Value;
    FontChanged();
}

void TFont::SetColor(TColor Value) {
    if (color_ == Value) return;
    color_ = Value;
    Changed();   // the colour is not part of the logical font
}

void TFont::SetStyle(TFontStyles Value) {
    if (style_ == Value) return;
    style_ = Value;
    FontChanged();
}

void TFont::SetOrientation(int Value) {
    if (orientation_ == Value) return;
    orientation_ = Value;
    FontChanged();
}

void TFont::SetQuality(TFontQuality Value) {
    if (quality_ == Value) return;
    quality_ = Value;
    FontChanged();
}

void TFont::SetPitch(TFontPitch Value) {
    if (pitch_ == Value) return;
    pitch_ = Value;
    FontChanged();
}

void TFont::SetCharset(TFontCharset Value) {
    if (charset_ == Value) return;
    charset_ = Value;
    FontChanged();
}

HFONT TFont::GetHandle() const {
    // A handle someone deleted behind the font's back is made afresh.
    if (handle_ != nullptr && GetObjectW(handle_, 0, nullptr) == 0) handle_ = nullptr;
    if (handle_ == nullptr) {
        LOGFONTW lf;
        lf.lfHeight = height_;
        lf.lfEscapement = orientation_;
        lf.lfOrientation = orientation_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic) ? 1 : 0;
        lf.lfUnderline = style_.Contains(fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = style_.Contains(fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = charset_;
        lf.lfQuality = BYTE(quality_);
        lf.lfPitchAndFamily = pitch_ == fpFixed ? 1 : pitch_ == fpVariable ? 2 : 0;
        Utf8ToFaceName(name_, lf.lfFaceName);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

void TFont::SetHandle(HFONT Value) {
    LOGFONTW lf;
    if (Value == handle_ || GetObjectW(Value, sizeof(lf), &lf) == 0) return;
    ReleaseHandle();
    const std::string face = FaceNameToUtf8(lf.lfFaceName);
    if (!face.empty()) name_ = face;
    height_ = lf.lfHeight;
    TFontStyles styles;
    if (lf.lfWeight >= FW_BOLD) styles.Include(fsBold);
    if (lf.lfItalic) styles.Include(fsItalic);
    if (lf.lfUnderline) styles.Include(fsUnderline);
    if (lf.lfStrikeOut) styles.Include(fsStrikeOut);
    style_ = styles;
    orientation_ = lf.lfEscapement;
    quality_ = lf.lfQuality <= BYTE(fqClearTypeNatural) ? TFontQuality(lf.lfQuality) : fqDefault;
    const int pitch = lf.lfPitchAndFamily & 3;
    pitch_ = pitch == 1 ? fpFixed : pitch == 2 ? fpVariable : fpDefault;
    charset_ = lf.lfCharSet;
    handle_ = Value;   // the font owns the handle from now on, as the framework's fonts do
    Changed();
}

}  // namespace vcl
