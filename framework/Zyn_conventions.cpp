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

void ThemeArtwork(vcl::TBitmap* Bitmap, TColor Keep) {
    const std::uint32_t paper = vcl::ColorToRGB(vcl::ThemeColor(vcl::trWindow)) & 0xFFFFFF;
    const std::uint32_t ink = vcl::ColorToRGB(vcl::ThemeColor(vcl::trWindowText)) & 0xFFFFFF;
    if (paper == 0xFFFFFF && ink == 0) return;   // the scale the artwork was drawn on
    if (Bitmap->GetWidth() <= 0 || Bitmap->GetHeight() <= 0) return;
    Bitmap->SetPixelFormat(vcl::pf32bit);
    const std::uint32_t keep = Keep == vcl::clNone ? 0xFFFFFFFFu : vcl::ColorToRGB(Keep) & 0xFFFFFF;
    // The artwork's marks are only about 3.3:1 against the accent they sit on, too little for
    // the themes that ask 4.5:1 or 7:1 of what they show. A curve that darkens the mid tones
    // before the scale turns over spreads the accent away from the marks: steeper for a
    // theme whose text has the full contrast of white on black (high contrast).
    const double gamma = vcl::ContrastRatio(TColor(paper), TColor(ink)) >= 18.0 ? 2.0 : 1.3;
    int curve[256];
    for (int v = 0; v < 256; ++v) curve[v] = int(std::lround(255.0 * std::pow(v / 255.0, gamma)));
    // Channel n (0 red, 1 green, 2 blue) of a 0x00BBGGRR colour.
    auto channel = [](std::uint32_t c, int n) { return int((c >> (8 * n)) & 0xFF); };
    for (int y = 0; y < Bitmap->GetHeight(); ++y) {
        std::uint8_t* row = Bitmap->ScanLine(y);
        for (int x = 0; x < Bitmap->GetWidth(); ++x) {
            std::uint8_t* p = row + 4 * x;   // blue, green, red, reserved
            const int rgb[3] = {p[2], p[1], p[0]};
            if (std::uint32_t(rgb[0] | rgb[1] << 8 | rgb[2] << 16) == keep) continue;
            // Lightness by the eye's weights, so a saturated blue counts as dark and turns light.
            const int v = (2126 * rgb[0] + 7152 * rgb[1] + 722 * rgb[2] + 5000) / 10000;
            int out[3];
            for (int n = 0; n < 3; ++n) {
                const int from = channel(ink, n), to = channel(paper, n);
                const int grey = from + ((to - from) * curve[v] + (to >= from ? 127 : -127)) / 255;
                out[n] = std::clamp(grey + rgb[n] - v, 0, 255);
            }
            if (std::uint32_t(out[0] | out[1] << 8 | out[2] << 16) == keep) out[2] += out[2] > 0 ? -1 : 1;
            p[2] = std::uint8_t(out[0]);
            p[1] = std::uint8_t(out[1]);
            p[0] = std::uint8_t(out[2]);
        }
    }
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
