// Bitmaps: device-independent pixels in 1, 4, 8, 15/16, 24 and 32 bits, their canvas, and
// BMP, PNG and JPEG files, streams and embedded resources.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

class TStream;

enum TPixelFormat : std::uint8_t {
    pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom
};
enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };

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

    // A bitmap holds at most this many pixels (1 GiB at 32 bits): a larger size raises
    // EOutOfResources, so sizes from files or arithmetic slips fail clearly.
    static constexpr std::int64_t MaxPixels = std::int64_t(1) << 28;
    static bool CanHold(int AWidth, int AHeight) {
        return std::int64_t(std::max(AWidth, 0)) * std::max(AHeight, 0) <= MaxPixels;
    }
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
    // The same at PPI pixels per inch: the size of ResName nearest PPI that Instance holds
    // (1x, 1.5x or 2x, see NearestArtworkResource); the call above loads 1x.
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName, int PPI);

    // Fired after every change of the pixels, size, format or palette.
    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    void Changed();

    TNotifyEvent FOnChange;

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
