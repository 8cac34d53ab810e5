// Component conventions: messages, scheme colours, the package's bitmaps and the
// hidden-window timer.
#include "framework/Zyn_conventions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Themes.h"

namespace zyn {

std::string ComponentMessage(const vcl::TComponent* Component, std::string_view Text) {
    std::string name = Component != nullptr ? Component->GetName() : std::string();
    return "Component \"" + name + "\": " + std::string(Text);
}

void LoadResourceBitmap(vcl::TBitmap* Bitmap, const std::string& Name) {
    vcl::TBitmap loaded;
    loaded.LoadFromResourceName(vcl::HInstance, Name);
    Bitmap->Assign(&loaded);
}

void LoadResourceBitmap(vcl::TBitmap* Bitmap, const std::string& Name, int PPI) {
    vcl::TBitmap loaded;
    loaded.LoadFromResourceName(vcl::HInstance, Name, PPI);
    Bitmap->Assign(&loaded);
}

namespace {

// The light theme's artwork scale moved onto the theme in use (see ThemeArtwork).
class TArtworkScale {
public:
    TArtworkScale()
        : paper_(vcl::ColorToRGB(vcl::ThemeColor(vcl::trWindow)) & 0xFFFFFF),
          ink_(vcl::ColorToRGB(vcl::ThemeColor(vcl::trWindowText)) & 0xFFFFFF) {
        // The artwork's marks are only about 3.3:1 against the accent they sit on, too
        // little for the themes that ask 4.5:1 or 7:1 of what they show. A curve that
        // darkens the mid tones before the scale turns over spreads the accent away from the
        // marks: steeper for a theme whose text has the full contrast of white on black
        // (high contrast).
        const double gamma = vcl::ContrastRatio(TColor(paper_), TColor(ink_)) >= 18.0 ? 2.0 : 1.3;
        for (int v = 0; v < 256; ++v) curve_[v] = int(std::lround(255.0 * std::pow(v / 255.0, gamma)));
    }
    // Whether this is the scale the artwork was drawn on (nothing moves).
    bool Light() const { return paper_ == 0xFFFFFF && ink_ == 0; }
    // A 0x00BBGGRR colour on the theme's scale.
    std::uint32_t Map(std::uint32_t Rgb) const {
        const int rgb[3] = {Channel(Rgb, 0), Channel(Rgb, 1), Channel(Rgb, 2)};
        // Lightness by the eye's weights, so a saturated blue counts as dark and turns light.
        const int v = (2126 * rgb[0] + 7152 * rgb[1] + 722 * rgb[2] + 5000) / 10000;
        std::uint32_t out = 0;
        for (int n = 0; n < 3; ++n) {
            const int from = Channel(ink_, n), to = Channel(paper_, n);
            const int grey = from + ((to - from) * curve_[v] + (to >= from ? 127 : -127)) / 255;
            out |= std::uint32_t(std::clamp(grey + rgb[n] - v, 0, 255)) << (8 * n);
        }
        return out;
    }

private:
    // Channel n (0 red, 1 green, 2 blue) of a 0x00BBGGRR colour.
    static int Channel(std::uint32_t C, int N) { return int((C >> (8 * N)) & 0xFF); }
    std::uint32_t paper_, ink_;
    int curve_[256];
};

}  // namespace

void ThemeArtwork(vcl::TBitmap* Bitmap, TColor Keep) {
    const TArtworkScale scale;
    if (scale.Light()) return;   // the scale the artwork was drawn on
    if (Bitmap->GetWidth() <= 0 || Bitmap->GetHeight() <= 0) return;
    Bitmap->SetPixelFormat(vcl::pf32bit);
    const std::uint32_t keep = Keep == vcl::clNone ? 0xFFFFFFFFu : vcl::ColorToRGB(Keep) & 0xFFFFFF;
    for (int y = 0; y < Bitmap->GetHeight(); ++y) {
        std::uint8_t* row = Bitmap->ScanLine(y);
        for (int x = 0; x < Bitmap->GetWidth(); ++x) {
            std::uint8_t* p = row + 4 * x;   // blue, green, red, reserved
            const std::uint32_t rgb = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
            if (rgb == keep) continue;
            std::uint32_t out = scale.Map(rgb);
            if (out == keep) out += (out >> 16) > 0 ? -0x10000 : 0x10000;   // the blue channel moves
            p[2] = std::uint8_t(out);
            p[1] = std::uint8_t(out >> 8);
            p[0] = std::uint8_t(out >> 16);
        }
    }
}

TColor CompositeArtworkEdge(TColor Pixel, int Alpha, TColor Ground, TColor Face) {
    const std::uint32_t p = std::uint32_t(Pixel) & 0xFFFFFF, g = std::uint32_t(Ground) & 0xFFFFFF,
                        f = std::uint32_t(Face) & 0xFFFFFF;
    const int uncovered = 255 - std::clamp(Alpha, 0, 255);
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int pc = int((p >> shift) & 0xFF), gc = int((g >> shift) & 0xFF), fc = int((f >> shift) & 0xFF);
        // Rounded to the nearest level, halves away from zero, so that the sum is symmetric.
        const int d = (gc - fc) * uncovered;
        const int shown = pc + (d >= 0 ? (d + 127) / 255 : -((-d + 127) / 255));
        out |= std::uint32_t(std::clamp(shown, 0, 255)) << shift;
    }
    return TColor(out);
}

TColor ThemeArtworkColor(TColor Color) {
    const TArtworkScale scale;
    const std::uint32_t rgb = vcl::ColorToRGB(Color) & 0xFFFFFF;
    return TColor(scale.Light() ? rgb : scale.Map(rgb));
}

TLineColors LineColorsOfScheme(TColorScheme Scheme) {
    TLineColors colors;
    if (Scheme != schFixed) {
        colors.Gray = vcl::clBtnShadow;
        colors.White = vcl::clBtnHighlight;
    }
    return colors;
}

void ApplyColorScheme(TColorScheme Scheme, TColor& BlackLine, TColor& GrayLine, TColor& WhiteLine) {
    const TLineColors colors = LineColorsOfScheme(Scheme);
    BlackLine = colors.Black;
    GrayLine = colors.Gray;
    WhiteLine = colors.White;
}

TComponentTimer::TComponentTimer(vcl::TComponent* Component, std::function<void()> OnTick)
    : component_(Component), onTick_(std::move(OnTick)) {
    wnd_ = vcl::AllocateHWnd([this](vcl::TMessage& Message) { WndProc(Message); });
}

TComponentTimer::~TComponentTimer() { vcl::DeallocateHWnd(wnd_); }

bool TComponentTimer::TryRestart(int Interval, bool Enabled) {
    Stop();
    // A designed component keeps its settings but its timer never runs.
    if (Interval <= 0 || !Enabled || Designed()) return true;
    running_ = vcl::SetTimer(wnd_, TimerID, vcl::UINT(Interval), nullptr) != 0;
    return running_;
}

bool TComponentTimer::Designed() const {
    return component_ != nullptr && component_->GetComponentState().Contains(vcl::csDesigning);
}

void TComponentTimer::Stop() {
    vcl::KillTimer(wnd_, TimerID);
    running_ = false;
}

void TComponentTimer::WndProc(vcl::TMessage& Message) {
    if (Message.Msg != vcl::WM_TIMER || Message.WParam != TimerID) {
        Message.Result = vcl::DefWindowProc(wnd_, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    if (Designed()) {
        // Made designed after it started: it stops at its first tick.
        Stop();
        return;
    }
    try {
        if (onTick_) onTick_();
    } catch (...) {
        vcl::Application->HandleException(component_);
    }
}

TColor ThemedLine(TColor Line) {
    const TLineColors fixed;
    if (Line == fixed.Black) return vcl::ThemeColor(vcl::trLineDark);
    if (Line == fixed.Gray) return vcl::ThemeColor(vcl::trLineShadow);
    if (Line == fixed.White) return vcl::ThemeColor(vcl::trLineLight);
    return Line;
}

}  // namespace zyn
