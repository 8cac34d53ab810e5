// The speed button: a graphic button with glyph, caption and grouping.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;

// A button without a window. Pressing it shows it pushed in; OnClick fires when the left
// button is released over it. With a GroupIndex it stays down, and pressing one button of
// a group releases the others (all may be up only with AllowAllUp).
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    std::string ClassName() const override { return "TSpeedButton"; }

    // The picture; with NumGlyphs > 1 it holds that many images side by side for the
    // up, disabled, down and stay-down states. The bottom-left pixel is transparent.
    TBitmap* GetGlyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    TNumGlyphs GetNumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(TNumGlyphs Value);     // 1..4
    int GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    bool GetDown() const { return down_; }
    void SetDown(bool Value);
    bool GetAllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);
    bool GetFlat() const { return flat_; }
    void SetFlat(bool Value);
    TButtonLayout GetLayout() const { return layout_; }
    void SetLayout(TButtonLayout Value);
    int GetMargin() const { return margin_; }
    void SetMargin(int Value);               // -1: glyph and caption centred
    int GetSpacing() const { return spacing_; }
    void SetSpacing(int Value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value);
    // Whether the pointer is over the button (flat buttons light up then).
    bool GetMouseInControl() const { return mouseInControl_; }
    TButtonState GetState() const { return FState; }

    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    // Margin and spacing scale with the control; -1 (centred) stays.
    void ChangeScale(int M, int D) override;
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMLButtonDblClk(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    // Draws the face (border and fill) for the state; the flat look draws nothing while
    // the button is up and the pointer is elsewhere.
    virtual void DrawFace(TCanvas* Canvas, const TRect& R);
    void DrawGlyphAndCaption(TCanvas* Canvas, const TRect& R);

    TButtonState FState = bsUp;
    bool FDragging = false;

private:
    void UpdateExclusive();
    void ButtonPressed(TSpeedButton* Sender);
    void DrawGlyph(TCanvas* Canvas, int X, int Y, bool Disabled);
    int GlyphWidth() const;

    std::unique_ptr<TBitmap> glyph_;
    TNumGlyphs numGlyphs_ = 1;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool transparent_ = true;
    bool mouseInControl_ = false;
};

}  // namespace vcl
