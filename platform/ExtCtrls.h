// Extra controls: panel, bevel and timer.
#pragma once

#include <string>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

enum TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelShape : std::uint8_t {
    bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer
};
enum TBevelStyle : std::uint8_t { bsLowered, bsRaised };

// A container with optional bevels and a centred caption.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomPanel"; }

    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TPanelBevel GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value);
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    bool GetShowCaption() const { return showCaption_; }
    void SetShowCaption(bool Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMTextChanged(TMessage& Message) override;

private:
    TAlignment alignment_ = taCenter;
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool showCaption_ = true;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TPanel"; }
};

// A line or frame drawn with the 3-D shadow colours.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);
    std::string ClassName() const override { return "TBevel"; }
    TBevelShape GetShape() const { return shape_; }
    void SetShape(TBevelShape Value);
    TBevelStyle GetStyle() const { return style_; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

// Fires OnTimer every Interval ms through the message loop. The timer exists only while
// Enabled, Interval > 0 and OnTimer is assigned; any change restarts it.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    UINT GetInterval() const { return interval_; }
    void SetInterval(UINT Value);
    TNotifyEvent GetOnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

protected:
    virtual void Timer();
    TNotifyEvent FOnTimer;

private:
    void UpdateTimer();
    void WndProc(TMessage& Message);

    bool enabled_ = true;
    UINT interval_ = 1000;
    HWND window_ = nullptr;
};

}  // namespace vcl
