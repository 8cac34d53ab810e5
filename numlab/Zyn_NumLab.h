// TNumLab: a read-only number in a framed label box between a left and a right text, in the
// row layout of the numeric input/output control. The number is formatted by display type;
// a text too wide for the box is replaced by an overflow indicator. The label can let what
// lies behind it show through its ground.
//
// The texts of the display types are pure functions (NumLabText.cpp); the model lives in
// Zyn_NumLab.cpp, the picture in NumLabPaint.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

// How the number is written, in published ordinal order.
enum TDisplay : std::uint8_t {
    dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct,
    dtDeg, dtDegMin, dtDegMinSec, dtEE
};

using TBeforeDisplayEvent = std::function<void(vcl::TObject* Sender, std::string& Text)>;

/// The settings a number text depends on (the label's properties of the same names).
struct TNumLabFormat {
    /// How the value is written (DisplayType).
    TDisplay Display = dtFixP;
    /// Decimals or significant digits (Precision).
    int Precision = 2;
    /// Date and time format of dtDateTime (DTFormat).
    std::string_view DTFormat;
    /// Text of dtState (StateText).
    std::string_view StateText;
    /// Whether a decimal comma replaces the point (Comma).
    bool Comma = false;
    /// Whether positive numbers get a "+" (ForcePlusSign).
    bool ForcePlusSign = false;
};

// The text of Value before the application sees it (OnBeforeDisplay):
//   dtFloat, dtFixP, dtExp: Format "%*.*g", "%*.*f", "%*.*e" with width 1 and Precision;
//   dtInt: the rounded value (halves to even); dtZeroInt: the same with leading zeros to
//   Precision digits; dtHex, dtOct, dtBin: the rounded value's 32-bit pattern with at least
//   Precision digits; dtDateTime: FormatDateTime(DTFormat, Value); dtState: StateText;
//   dtDeg: degrees with Precision decimals and "°"; dtDegMin: d°mm.m' and dtDegMinSec:
//   d°mm'ss.s" with Precision decimals on the last field; dtEE: engineering notation with an
//   SI prefix ("1.50 k", "4.70 µ", "-2.20 M").
// Then (except for hexadecimal, binary, date and state texts) the separator is a comma
// with Comma, a point otherwise, and a positive value gets a "+" with ForcePlusSign. NaN and
// infinities read "NaN", "+Inf" and "-Inf" in every type. Returns false (with no text) for a
// value the type cannot show: a date outside the years 1 to 9999.
bool NumLabText(double Value, const TNumLabFormat& Format, std::string& Text);

// =========================================================================================
/// TNumLab: a read-only number in a framed label box between a left and a right text, in the
/// row layout of the numeric input/output control. The number is formatted by display type;
/// a text too wide for the box is replaced by an overflow indicator. The label can let what
/// lies behind it show through its ground.
class TNumLab : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TNumLab(vcl::TComponent* AOwner);
    ~TNumLab() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNumLab"; }

    // ---- properties
    /// Alignment of the number in the label box; default taCenter.
    vcl::TAlignment GetAlignment() const { return FAlignment; }
    /// Sets the number's alignment; repaints.
    void SetAlignment(vcl::TAlignment Value);
    /// Background of the label box; default clBtnFace.
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    /// Sets the box background; repaints when it differs.
    void SetColorLabBakG(TColor Value);
    /// Colour of the number; default black.
    TColor GetColorLabText() const { return FColorLabText; }
    /// Sets the number colour; repaints when it differs.
    void SetColorLabText(TColor Value);
    /// Background outside the box (behind the left and right texts); default clBtnFace.
    TColor GetColorOutBakG() const { return FColorOutBakG; }
    /// Sets the outside background; repaints when it differs.
    void SetColorOutBakG(TColor Value);
    /// Colour of the left and right texts; default black.
    TColor GetColorOutText() const { return FColorOutText; }
    /// Sets the colour of the left and right texts; repaints when it differs.
    void SetColorOutText(TColor Value);
    /// Line colours of the box frame: ordinal 0 (default) fixed gray and white, any other the
    /// system's shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Whether numbers show a decimal comma instead of a point; default false.
    bool GetComma() const { return FComma; }
    /// Switches the decimal comma; repaints when it differs.
    void SetComma(bool Value);
    /// How Value is written: dtFloat, dtFixP (default, Precision decimals), dtExp, dtInt,
    /// dtZeroInt (at least Precision digits), dtHex, dtOct, dtBin (at least Precision digits),
    /// dtDateTime (DTFormat), dtState (StateText), dtDeg, dtDegMin, dtDegMinSec or dtEE (with
    /// an SI prefix).
    TDisplay GetDisplayType() const { return FDisplayType; }
    /// Sets the display type; repaints when it differs.
    void SetDisplayType(TDisplay Value);
    /// Date and time format of dtDateTime; default "mmm-dd, yyyy".
    const std::string& GetDTFormat() const { return FDTFormat; }
    /// Sets the date and time format; repaints when it differs.
    void SetDTFormat(const std::string& Value);
    /// Whether the box is left blank (frame and texts are still drawn); default false.
    bool GetEmpty() const { return FEmpty; }
    /// Blanks or shows the number; repaints when it differs.
    void SetEmpty(bool Value);
    /// Enabled: stored by the framework; the label repaints at once.
    void SetEnabled(bool Value) override;
    /// Whether positive numbers get a leading "+"; default false.
    bool GetForcePlusSign() const { return FForcePlusSign; }
    /// Switches the plus sign; repaints when it differs.
    void SetForcePlusSign(bool Value);
    /// Frame of the label box, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the box frame; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// Width in pixels of the label box; default 80. A number wider than this less 6 pixels shows
    /// OverflowIndicator.
    int GetLabelWidth() const { return FLabelWidth; }
    /// Sets the box width; repaints when it differs.
    void SetLabelWidth(int Value);
    /// x in pixels where the label box starts (the room of the left text); default 35.
    int GetLeftSpace() const { return FLeftSpace; }
    /// Sets where the box starts, at most Width; negative values are ignored. Repaints.
    void SetLeftSpace(int Value);
    /// Text left of the box (a caption); empty by default.
    const std::string& GetLeftText() const { return FLeftText; }
    /// Sets the left text; repaints when it differs.
    void SetLeftText(const std::string& Value);
    /// Text right of the box (a unit); empty by default.
    const std::string& GetRightText() const { return FRightText; }
    /// Sets the right text; repaints when it differs.
    void SetRightText(const std::string& Value);
    /// Alignment of the left text in its room; default taRightJustify (next to the box).
    vcl::TAlignment GetLeftTextAlignment() const { return FLeftTextAlignment; }
    /// Sets the left text's alignment; repaints.
    void SetLeftTextAlignment(vcl::TAlignment Value);
    /// Alignment of the right text in its room; default taLeftJustify (next to the box).
    vcl::TAlignment GetRightTextAlignment() const { return FRightTextAlignment; }
    /// Sets the right text's alignment; repaints.
    void SetRightTextAlignment(vcl::TAlignment Value);
    /// Text shown instead of a number too wide for the box (not for dtState); default "*********".
    const std::string& GetOverflowIndicator() const { return FOverflowIndicator; }
    /// Sets the overflow text; repaints when it differs.
    void SetOverflowIndicator(const std::string& Value);
    /// Decimals (dtFixP, dtDeg, dtEE, ...) or significant digits (dtFloat, dtExp) of the number,
    /// 0..15; default 2.
    int GetPrecision() const { return FPrecision; }
    /// Sets the precision: negative values are ignored, above 15 become 15; repaints when it
    /// changes.
    void SetPrecision(int Value);
    /// Text dtState shows whatever Value is; default "undefined".
    const std::string& GetStateText() const { return FStateText; }
    /// Sets the state text; repaints when it differs.
    void SetStateText(const std::string& Value);
    /// Whether the white parts of the label let what lies behind show through; default false.
    bool GetTransparent() const { return FTransparent; }
    /// Switches transparency: setting it invalidates the control, clearing it repaints.
    void SetTransparent(bool Value);
    /// The number shown; default 0.
    double GetValue() const { return FValue; }
    /// Sets the number; repaints when it differs.
    void SetValue(double Value);

    /// Where the mouse was last: 0 left of the box, 1 over it, 2 right of it.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    /// The text the box shows now (after OnBeforeDisplay and the overflow rule; "" when
    /// Empty), measured with the label's font.
    std::string DisplayedText();

    /// From another TNumLab: the layout, texts, colours, value and display type (not Comma,
    /// ForcePlusSign, DTFormat or the event); then repaints.
    void Assign(vcl::TPersistent* Source) override;

    // ---- events
    /// Called on every paint (unless Empty) with the number text after the separator and sign
    /// rules; the handler may change it before it is measured against the box (too wide: the
    /// OverflowIndicator) and drawn. Empty: none.
    const TBeforeDisplayEvent& GetOnBeforeDisplay() const { return FOnBeforeDisplay; }
    /// Installs the handler that may change the number's text before it is drawn; an empty function
    /// removes it.
    void SetOnBeforeDisplay(TBeforeDisplayEvent Value) { FOnBeforeDisplay = std::move(Value); }

    /// Draws the left and right texts and the number box (after OnBeforeDisplay) off screen, then
    /// shows the picture (ANDed over the background when Transparent).
    void Paint() override;

protected:
    /// ScaleBy at M/D: the label width and the left space scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler that may change the number's text before it is drawn; empty: none.
    TBeforeDisplayEvent FOnBeforeDisplay;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Records MouseAreaCode (0 left of the box, 1 over it, 2 right of it), then OnMouseMove.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;

private:
    void Redraw();
    template <typename T>
    void StoreIfDifferent(T& Field, T Value);
    template <typename T>
    void StoreAndPaint(T& Field, T Value);
    // Whether the platform's style paints the client area or the font.
    bool ClientStyled() const;
    bool FontStyled() const;
    // The number text for a box LW - 6 pixels wide, measured on C.
    std::string BoxText(vcl::TCanvas* C);

    // painting (NumLabPaint.cpp)
    void Render(vcl::TCanvas* C);
    void PaintGround(vcl::TCanvas* C);
    void PaintSideText(vcl::TCanvas* C, const std::string& Text, int X, int Y);
    void PaintSideTexts(vcl::TCanvas* C, int YT);
    void PaintLabelBox(vcl::TCanvas* C);
    void PaintNumber(vcl::TCanvas* C, int YT);
    void PaintOutput(vcl::TPaintBuffer& Buffer);

    vcl::TAlignment FAlignment = vcl::taCenter;
    TColor FColorLabBakG = vcl::clBtnFace;
    TColor FColorLabText = vcl::clBlack;
    TColor FColorOutBakG = vcl::clBtnFace;
    TColor FColorOutText = vcl::clBlack;
    TColorScheme FColorScheme = schFixed;
    bool FComma = false;
    TDisplay FDisplayType = dtFixP;
    std::string FDTFormat = "mmm-dd, yyyy";
    bool FEmpty = false;
    TFrameStyle FFrameStyle = frSunken;
    int FLabelWidth = 80;
    int FLeftSpace = 35;
    std::string FLeftText;
    std::string FRightText;
    vcl::TAlignment FLeftTextAlignment = vcl::taRightJustify;
    vcl::TAlignment FRightTextAlignment = vcl::taLeftJustify;
    std::string FOverflowIndicator = "*********";
    bool FForcePlusSign = false;
    int FPrecision = 2;
    std::string FStateText = "undefined";
    bool FTransparent = false;
    double FValue = 0.0;

    int FMouseAreaCode = 0;
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    std::unique_ptr<vcl::TBitmap> FPicture;   // the off-screen picture, kept between paints
    std::string FText;                        // the number text, reused between paints
};

}  // namespace zyn
