// Component conventions: messages, scheme colours, the package's bitmaps and the
// hidden-window timer.
#include "framework/Zyn_conventions.h"

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
