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
    /// The display.
    TDisplay Display = dtFixP;
    /// The precision.
    int Precision = 2;
    /// The dtformat.
    std::string_view DTFormat;
    /// The state text.
    std::string_view StateText;
    /// The comma.
    bool Comma = false;
    /// The force plus sign.
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
    /// The Alignment property.
    vcl::TAlignment GetAlignment() const { return FAlignment; }
    /// Sets the Alignment property.
    void SetAlignment(vcl::TAlignment Value);
    /// The ColorLabBakG property.
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    /// Sets the ColorLabBakG property.
    void SetColorLabBakG(TColor Value);
    /// The ColorLabText property.
    TColor GetColorLabText() const { return FColorLabText; }
    /// Sets the ColorLabText property.
    void SetColorLabText(TColor Value);
    /// The ColorOutBakG property.
    TColor GetColorOutBakG() const { return FColorOutBakG; }
    /// Sets the ColorOutBakG property.
    void SetColorOutBakG(TColor Value);
    /// The ColorOutText property.
    TColor GetColorOutText() const { return FColorOutText; }
    /// Sets the ColorOutText property.
    void SetColorOutText(TColor Value);
    /// The ColorScheme property.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the ColorScheme property.
    void SetColorScheme(TColorScheme Value);
    /// The Comma property.
    bool GetComma() const { return FComma; }
    /// Sets the Comma property.
    void SetComma(bool Value);
    /// The DisplayType property.
    TDisplay GetDisplayType() const { return FDisplayType; }
    /// Sets the DisplayType property.
    void SetDisplayType(TDisplay Value);
    /// The DTFormat property.
    const std::string& GetDTFormat() const { return FDTFormat; }
    /// Sets the DTFormat property.
    void SetDTFormat(const std::string& Value);
    /// The Empty property.
    bool GetEmpty() const { return FEmpty; }
    /// Sets the Empty property.
    void SetEmpty(bool Value);
    /// Enabled: stored by the framework; the label repaints at once.
    void SetEnabled(bool Value) override;
    /// The ForcePlusSign property.
    bool GetForcePlusSign() const { return FForcePlusSign; }
    /// Sets the ForcePlusSign property.
    void SetForcePlusSign(bool Value);
    /// The FrameStyle property.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the FrameStyle property.
    void SetFrameStyle(TFrameStyle Value);
    /// The LabelWidth property.
    int GetLabelWidth() const { return FLabelWidth; }
    /// Sets the LabelWidth property.
    void SetLabelWidth(int Value);
    /// The LeftSpace property.
    int GetLeftSpace() const { return FLeftSpace; }
    /// Sets the LeftSpace property.
    void SetLeftSpace(int Value);
    /// The LeftText property.
    const std::string& GetLeftText() const { return FLeftText; }
    /// Sets the LeftText property.
    void SetLeftText(const std::string& Value);
    /// The RightText property.
    const std::string& GetRightText() const { return FRightText; }
    /// Sets the RightText property.
    void SetRightText(const std::string& Value);
    /// The LeftTextAlignment property.
    vcl::TAlignment GetLeftTextAlignment() const { return FLeftTextAlignment; }
    /// Sets the LeftTextAlignment property.
    void SetLeftTextAlignment(vcl::TAlignment Value);
    /// The RightTextAlignment property.
    vcl::TAlignment GetRightTextAlignment() const { return FRightTextAlignment; }
    /// Sets the RightTextAlignment property.
    void SetRightTextAlignment(vcl::TAlignment Value);
    /// The OverflowIndicator property.
    const std::string& GetOverflowIndicator() const { return FOverflowIndicator; }
    /// Sets the OverflowIndicator property.
    void SetOverflowIndicator(const std::string& Value);
    /// The Precision property.
    int GetPrecision() const { return FPrecision; }
    /// Sets the Precision property.
    void SetPrecision(int Value);
    /// The StateText property.
    const std::string& GetStateText() const { return FStateText; }
    /// Sets the StateText property.
    void SetStateText(const std::string& Value);
    /// The Transparent property.
    bool GetTransparent() const { return FTransparent; }
    /// Sets the Transparent property.
    void SetTransparent(bool Value);
    /// The Value property.
    double GetValue() const { return FValue; }
    /// Sets the Value property.
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
    /// The handler of event OnBeforeDisplay (empty: none).
    const TBeforeDisplayEvent& GetOnBeforeDisplay() const { return FOnBeforeDisplay; }
    /// Sets the handler of event OnBeforeDisplay (an empty function removes it).
    void SetOnBeforeDisplay(TBeforeDisplayEvent Value) { FOnBeforeDisplay = std::move(Value); }

    /// Draws the control.
    void Paint() override;

protected:
    /// The handler of event OnBeforeDisplay.
    TBeforeDisplayEvent FOnBeforeDisplay;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Handles a pointer move.
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
