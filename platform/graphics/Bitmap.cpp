// Bitmaps: bottom-up pixel rows in one of the pixel formats, palettes, format conversion,
// transparency, and loading and saving through the image codecs.
#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/core/Component.h"
#include "platform/core/Streams.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/SurfaceAccess.h"
#include "platform/graphics/codecs/ImageCodecs.h"
#include "platform/graphics/resources/Resources.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

constexpr std::int64_t kMaxPixels = TBitmap::MaxPixels;

int BitsOf(TPixelFormat f) {
    switch (f) {
        case pf1bit: return 1;
        case pf4bit: return 4;
        case pf8bit: return 8;
        case pf15bit:
        case pf16bit: return 16;
        case pf24bit: return 24;
        default: return 32;
    }
}

// Bits per pixel as the rasterizer distinguishes them (15 for the 5-5-5 word format).
int SurfaceBitsOf(TPixelFormat f) { return f == pf15bit ? 15 : BitsOf(f); }

int StrideOf(int width, TPixelFormat f) {
    return int(((std::int64_t(width) * BitsOf(f) + 31) / 32) * 4);
}

bool IsPaletteFormat(TPixelFormat f) { return f == pf1bit || f == pf4bit || f == pf8bit; }

std::vector<TColor> DefaultPalette(TPixelFormat f) {
    static const std::vector<TColor> vga = {
        clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clSilver,
        clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite,
    };
    switch (f) {
        case pf1bit: return {clBlack, clWhite};
        case pf4bit: return vga;
        case pf8bit: {
            // The 16 standard colours, a 6 x 6 x 6 colour cube and a grey ramp.
            std::vector<TColor> p = vga;
            for (int r = 0; r < 6; ++r)
                for (int g = 0; g < 6; ++g)
                    for (int b = 0; b < 6; ++b) p.push_back(RGB(r * 51, g * 51, b * 51));
            for (int i = 1; p.size() < 256; ++i) p.push_back(RGB(i * 10, i * 10, i * 10));
            return p;
        }
        default: return {};
    }
}

// A raster view of pixel memory laid out as a bitmap of the given format.
raster::Surface MakeSurface(std::uint8_t* bits, int width, int height, TPixelFormat f,
                            const std::vector<TColor>& palette) {
    raster::Surface s;
    if (bits == nullptr || width <= 0 || height <= 0) return s;
    const int stride = StrideOf(width, f);
    s.top = bits + std::ptrdiff_t(height - 1) * stride;   // rows are stored bottom-up
    s.stride = -stride;
    s.width = width;
    s.height = height;
    s.bpp = SurfaceBitsOf(f);
    s.palette = palette.data();
    s.paletteSize = int(palette.size());
    s.matcher = raster::PaletteMatcher(s.palette, s.paletteSize);
    s.clip = TRect(0, 0, width, height);
    return s;
}

}  // namespace

// ---- construction and size ----------------------------------------------------------------

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Changed() {
    if (FOnChange) FOnChange(this);
}

void TBitmap::Reallocate(int AWidth, int AHeight, TPixelFormat Format, bool KeepPixels) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (std::int64_t(AWidth) * AHeight > kMaxPixels)
        throw EOutOfResources("Bitmap of " + std::to_string(AWidth) + " x " + std::to_string(AHeight) +
                              " pixels is too large");
    std::vector<TColor> palette = palette_;
    if (!IsPaletteFormat(Format)) palette.clear();
    else if (Format != pixelFormat_ || palette.empty()) palette = DefaultPalette(Format);

    // New pixels are white. White 32-bit pixels (and 24-bit rows without padding) are all
    // one bits, so the buffer starts out that way instead of being cleared and then filled.
    const std::size_t bytes = std::size_t(StrideOf(AWidth, Format)) * std::size_t(AHeight);
    const bool allOnes = Format == pf32bit || (Format == pf24bit && StrideOf(AWidth, Format) == AWidth * 3);
    std::vector<std::uint8_t> bits(bytes, allOnes ? 0xFF : 0x00);
    raster::Surface target = MakeSurface(bits.data(), AWidth, AHeight, Format, palette);
    if (target.top != nullptr) {
        if (!allOnes)
            raster::FillRectangle(target, target.clip,
                                  raster::Paint::Make(target, target.Encode(clWhite), raster::R2_COPYPEN));
        raster::Surface source = MakeSurface(bits_.data(), width_, height_, pixelFormat_, palette_);
        if (KeepPixels && source.top != nullptr) {
            const int w = std::min(AWidth, width_), h = std::min(AHeight, height_);
            std::vector<std::uint32_t> row(std::size_t(std::max(w, 0)));
            const bool same = Format == pixelFormat_ && palette == palette_;
            for (int y = 0; y < h; ++y) {
                source.ReadValues(y, 0, w, row.data());
                if (!same)
                    for (std::uint32_t& v : row) v = target.Encode(source.Decode(v));
                target.WriteValues(y, 0, w, row.data());
            }
        }
    }
    bits_ = std::move(bits);
    palette_ = std::move(palette);
    width_ = AWidth;
    height_ = AHeight;
    pixelFormat_ = Format;
    if (Format != pf32bit) hasAlpha_ = false;
}

void TBitmap::SetWidth(int Value) { SetSize(Value, height_); }
void TBitmap::SetHeight(int Value) { SetSize(width_, Value); }

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == width_ && AHeight == height_) return;
    // As the framework does, the old picture stays at the top-left; new pixels are white.
    Reallocate(AWidth, AHeight, pixelFormat_, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == pfDevice) Value = pf32bit;   // the screen depth
    if (Value == pfCustom) throw EInvalidGraphic("Invalid pixel format");
    if (Value == pixelFormat_) return;
    Reallocate(width_, height_, Value, true);
    Changed();
}

void TBitmap::SetMonochrome(bool Value) {
    if (Value == GetMonochrome()) return;
    SetPixelFormat(Value ? pf1bit : pf32bit);
}

int TBitmap::BytesPerLine() const { return StrideOf(width_, pixelFormat_); }

std::uint8_t* TBitmap::ScanLine(int Row) {
    return const_cast<std::uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(Row));
}

const std::uint8_t* TBitmap::ScanLine(int Row) const {
    if (Row < 0 || Row >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
    return bits_.data() + std::size_t(height_ - 1 - Row) * std::size_t(BytesPerLine());
}

TCanvas* TBitmap::GetCanvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(this);
        canvas_->SetOnChange([this](TObject*) { Changed(); });
    }
    return canvas_.get();
}

void TBitmap::SetPalette(const std::vector<TColor>& Colors) {
    if (!IsPaletteFormat(pixelFormat_)) return;   // true-colour pixels have no palette
    const std::size_t limit = std::size_t(1) << BitsOf(pixelFormat_);
    std::vector<TColor> palette;
    for (std::size_t i = 0; i < Colors.size() && i < limit; ++i)
        palette.push_back(ColorToRGB(Colors[i]) & 0xFFFFFF);
    if (palette.empty()) palette = DefaultPalette(pixelFormat_);
    palette_ = std::move(palette);
    Changed();
}

// ---- copying -----------------------------------------------------------------------------

void TBitmap::Assign(TPersistent* Source) {
    if (Source == this) return;
    if (Source == nullptr) {
        bits_.clear();
        palette_.clear();
        width_ = height_ = 0;
        pixelFormat_ = pf32bit;
        hasAlpha_ = false;
        Changed();
        return;
    }
    if (auto* other = dynamic_cast<TBitmap*>(Source)) {
        bits_ = other->bits_;
        palette_ = other->palette_;
        width_ = other->width_;
        height_ = other->height_;
        pixelFormat_ = other->pixelFormat_;
        hasAlpha_ = other->hasAlpha_;
        transparent_ = other->transparent_;
        transparentColor_ = other->transparentColor_;
        transparentMode_ = other->transparentMode_;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

// ---- transparency --------------------------------------------------------------------------

TColor TBitmap::GetTransparentColor() const {
    if (transparentMode_ == tmFixed) return transparentColor_;
    if (Empty()) return clDefault;
    const raster::Surface s =
        MakeSurface(const_cast<std::uint8_t*>(bits_.data()), width_, height_, pixelFormat_, palette_);
    return s.Decode(s.Get(0, height_ - 1));
}

void TBitmap::SetTransparentColor(TColor Value) {
    if (Value == transparentColor_ && transparentMode_ == (Value == clDefault ? tmAuto : tmFixed)) return;
    transparentColor_ = Value;
    transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

// ---- files and streams -------------------------------------------------------------------

namespace {

codecs::RawImage ToRawImage(TBitmap& bitmap) {
    // 15/16 bit pixels are written as 24 bit; the other formats keep their depth.
    TBitmap converted;
    TBitmap* source = &bitmap;
    if (bitmap.GetPixelFormat() == pf15bit || bitmap.GetPixelFormat() == pf16bit) {
        converted.Assign(&bitmap);
        converted.SetPixelFormat(pf24bit);
        source = &converted;
    }
    codecs::RawImage image;
    image.width = source->GetWidth();
    image.height = source->GetHeight();
    image.bitsPerPixel = BitsOf(source->GetPixelFormat());
    image.palette = source->GetPalette();
    const std::size_t stride = std::size_t(image.BytesPerLine());
    image.bits.resize(stride * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y)
        std::memcpy(&image.bits[std::size_t(y) * stride], source->ScanLine(y), stride);
    return image;
}

TPixelFormat FormatOfDepth(int bits) {
    switch (bits) {
        case 1: return pf1bit;
        case 4: return pf4bit;
        case 8: return pf8bit;
        case 24: return pf24bit;
        case 32: return pf32bit;
        default: throw EInvalidGraphic("Unsupported image depth of " + std::to_string(bits) + " bits");
    }
}

bool HasExtension(const std::string& name, const char* ext) {
    const std::size_t n = std::strlen(ext);
    if (name.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = name[name.size() - n + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

}  // namespace

void TBitmap::LoadFromStream(TStream* Stream) {
    if (Stream == nullptr) throw EInvalidGraphic("No stream to load the bitmap from");
    const std::int64_t remaining = Stream->GetSize() - Stream->GetPosition();
    std::vector<std::uint8_t> data(std::size_t(std::max<std::int64_t>(remaining, 0)));
    if (!data.empty()) Stream->ReadBuffer(data.data(), std::int64_t(data.size()));
    const codecs::RawImage image = codecs::DecodeImage(data);
    const TPixelFormat format = FormatOfDepth(image.bitsPerPixel);
    const std::size_t stride = std::size_t(image.BytesPerLine());
    if (std::int64_t(image.width) * image.height > kMaxPixels || image.bits.size() < stride * std::size_t(image.height))
        throw EInvalidGraphic("Decoded image data is incomplete");

    TBitmap loaded;
    loaded.Reallocate(image.width, image.height, format, false);
    if (IsPaletteFormat(format)) {
        std::vector<TColor> palette;
        for (std::size_t i = 0; i < image.palette.size() && i < (std::size_t(1) << image.bitsPerPixel); ++i)
            palette.push_back(image.palette[i] & 0xFFFFFF);
        if (!palette.empty()) loaded.palette_ = std::move(palette);
    }
    for (int y = 0; y < image.height; ++y)
        std::memcpy(loaded.ScanLine(y), &image.bits[std::size_t(y) * stride], stride);
    loaded.hasAlpha_ = format == pf32bit && image.hasAlpha;

    bits_ = std::move(loaded.bits_);
    palette_ = std::move(loaded.palette_);
    width_ = loaded.width_;
    height_ = loaded.height_;
    pixelFormat_ = format;
    hasAlpha_ = loaded.hasAlpha_;
    Changed();
}

void TBitmap::SaveToStream(TStream* Stream) {
    if (Stream == nullptr) throw EInvalidGraphic("No stream to save the bitmap to");
    codecs::RawImage image = ToRawImage(*this);
    image.hasAlpha = hasAlpha_;
    const std::vector<std::uint8_t> data = codecs::EncodeBMP(image);
    Stream->WriteBuffer(data.data(), std::int64_t(data.size()));
}

void TBitmap::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TBitmap::SaveToFile(const std::string& FileName) {
    codecs::RawImage image = ToRawImage(*this);
    image.hasAlpha = hasAlpha_;
    const std::vector<std::uint8_t> data =
        HasExtension(FileName, ".png") ? codecs::EncodePNG(image) : codecs::EncodeBMP(image);
    SaveFileSafely(FileName, [&data](TStream* Out) { Out->WriteBuffer(data.data(), std::int64_t(data.size())); });
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
    const auto data = FindResourceData(Instance, ResName);
    if (!data) throw EResNotFound("Resource " + ResName + " not found");
    TMemoryStream stream;
    stream.WriteBuffer(data->data(), std::int64_t(data->size()));
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName, int PPI) {
    LoadFromResourceName(Instance, NearestArtworkResource(Instance, ResName, PPI));
}

// ---- surface access ------------------------------------------------------------------------

namespace graphics {

raster::Surface SurfaceAccess::Of(TBitmap& bitmap) {
    return MakeSurface(bitmap.bits_.data(), bitmap.width_, bitmap.height_, bitmap.pixelFormat_,
                       bitmap.palette_);
}

}  // namespace graphics

}  // namespace vcl
