// Panels and bevels: a container with bevels and a centred caption, and a line or frame in
// the 3-D shadow colours.
#pragma once

#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// A panel's bevels are the window frame's cuts, drawn inside its client area.
using TPanelBevel = TBevelCut;
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
    int BevelPixels() const;
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

}  // namespace vcl
