// TNumIO2: a self-drawn numeric field. In one row it shows a left text, a framed box with the
// number, an optional pair of up/down buttons and a right text; below them an optional gauge
// shows the value within its range and can be dragged. The control keeps its own text buffer,
// caret and selection, edits them from the keyboard, checks every edit against the number
// format and colours the box while the value is out of range.
//
// The number texts, the pivots, the gauge mapping, the key table and the geometry are pure
// functions (NumIO2Logic.cpp); the control's model and input live in NumIO2.cpp and
// NumIO2Input.cpp, its picture in NumIO2Paint.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "numio/Zyn_NumIO.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

class TComponentTimer;

class EZynNumIO2Error : public EZynError {
public:
    using EZynError::EZynError;
};

using TOnGaugeChangeEvent =
    std::function<void(vcl::TObject* Sender, vcl::TShiftState Shift, double GaugeValue)>;

// ---- number texts of the control --------------------------------------------------------

// The decimal separator the control writes for a separator choice: for the system's choice
// a point when the system separator is one and a comma otherwise; a point, a comma, and a
// point for "point or comma".
char NumIO2SeparatorChar(TDecPSep DecPSep);

// Whether the control takes S as a number of Format: the validator of the format (with the
// separator of DecPSep); digit texts must hold at most 32 significant bits; itFixPoint also
// wants its separator (if any) FixDecimals characters before the end; itDynamic picks the
// notation by a leading "$", "%" or "&".
bool NumIO2CheckText(std::string_view S, TInFormat Format, TDecPSep DecPSep, int FixDecimals);

// The value of a number text in Format. Decimal formats read what the scanner takes from the
// start (point or comma); itInt reads a valid integer text (2147483647 when it does not fit,
// 0 for anything else); digit texts read as a signed 32-bit pattern.
double NumIO2ReadText(std::string_view S, TInFormat Format);

// The text the control shows for Value: exponent form with SignificantDigits digits (itExp,
// a blank or "-" in front), fixed point with FixDecimals decimals (itFloat, itFixPoint), the
// rounded value (itInt and itDynamic; itInt clamped to 32 bits), 8 hexadecimal, 11 octal or
// 32 binary digits of the rounded value's 32-bit pattern. Decimal texts carry the separator
// of DecPSep. A NaN is written as 0, infinities as the largest doubles.
std::string NumIO2WriteText(double Value, TInFormat Format, int FixDecimals, int SignificantDigits,
                            TDecPSep DecPSep);

// Buffer with the separator of the choice Old replaced by that of New (nothing happens for
// New = point or comma; from point or comma both separators become the new one).
std::string NumIO2ConvertSeparator(std::string Buffer, TDecPSep Old, TDecPSep New);

// ---- buttons and gauge --------------------------------------------------------------------

// Index of the pivot nearest to V, the first of equally near ones; 0 when none is nearer
// than uc_MaxReal (or V is not a number). Pivots must not be empty.
int NearestPivotIndex(const TDoubleArray& Pivots, double V);

// The value a button click gives with pivots: the pivot next below (Up false) or above the
// pivot nearest to V, unless V lies more than 10^-FixDecimals beyond the nearest one on that
// side, in which case the nearest one. Pivots must not be empty.
double PivotStep(const TDoubleArray& Pivots, double V, bool Up, int FixDecimals);

// The value under x-coordinate X of a gauge that starts at Left and is Width pixels wide,
// snapped to the nearest pivot (when there are any) and clamped to Low..High. A gauge without
// width gives Low.
double GaugeValueAt(int X, int Left, int Width, double Low, double High, const TDoubleArray& Pivots);

// Part of the gauge filled for V: (V - Low) / (High - Low) clamped to 0..1; 1 for equal bounds.
double GaugeFraction(double V, double Low, double High);

// ---- keys ---------------------------------------------------------------------------------

// The character a virtual key types into the field, or 0: digits (also on the keypad),
// A to F, "+" (107, 187), "-" (109, 189), "," (110, 188) and "." (190); with Shift the keys
// 4, 5 and 6 give "$", "%" and "&".
char32_t NumIO2KeyChar(vcl::WORD Key, bool Shift);

// ---- geometry -----------------------------------------------------------------------------

/// The row layout in pixels. LS: left edge of the text box; TBW: its inner width; BW: room of
/// the buttons (0 without); G: height of the gauge band at the bottom (0 without); TH: text
/// height; YT: top of every text; BH: Height - G - 4.
struct TNumIO2Geometry {
    ///@{
    /// The ls.
    int LS = 0, TBW = 0, BW = 0, G = 0, TH = 0, YT = 0, BH = 0;
    ///@}
};
TNumIO2Geometry NumIO2Geometry(int LeftSpace, int TextBoxWidth, bool ButVisible, int ButWidth,
                               int ButSpace, bool GaugeVisible, int GaugeHeight, int GaugeTopMargin,
                               int Height, int TextHeight);

// The x-coordinate where the number text of width TW starts in the box.
int NumIO2TextX(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, int TW);
// The x-coordinate of the boundary after the characters of width CW of a number text of
// width TW.
int NumIO2CharPosToX(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, int TW, int CW);
// Widths[n] for NumIO2XToCharPos in one pass over Text: the width TextWidth gives for its
// first n characters, for n = 0 .. Length(Text). Width measures a piece of Text as the
// canvas's TextWidth does.
std::vector<int> NumIO2PrefixWidths(std::string_view Text, const std::function<int(std::string_view)>& Width);
// The character boundary whose caret column (one pixel before the boundary) is nearest to X,
// the first of two equally near; Widths[n] is the width of the first n characters of the
// text (Widths[0] = 0, the last one the width of the whole text).
int NumIO2XToCharPos(const TNumIO2Geometry& Geo, vcl::TAlignment Alignment, const std::vector<int>& Widths, int X);

// =========================================================================================
/// TNumIO2: a self-drawn numeric field. In one row it shows a left text, a framed box with the
/// number, an optional pair of up/down buttons and a right text; below them an optional gauge
/// shows the value within its range and can be dragged. The control keeps its own text buffer,
/// caret and selection, edits them from the keyboard, checks every edit against the number
/// format and colours the box while the value is out of range.
class TNumIO2 : public vcl::TCustomControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TNumIO2(vcl::TComponent* AOwner);
    ~TNumIO2() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNumIO2"; }

    // ---- properties
    /// The Alignment property.
    vcl::TAlignment GetAlignment() const { return FAlignment; }
    /// Sets the Alignment property.
    void SetAlignment(vcl::TAlignment Value);
    /// AutoSize: while set the height is the text height of "E0" + 6 (at least 18).
    void SetAutoSize(bool Value) override;
    /// The Beep property.
    bool GetBeep() const { return FBeep; }
    /// Sets the Beep property.
    void SetBeep(bool Value) { FBeep = Value; }
    /// The But3D property.
    bool GetBut3D() const { return FBut3D; }
    /// Sets the But3D property.
    void SetBut3D(bool Value);
    /// The ButColor property.
    TColor GetButColor() const { return FButColor; }
    /// Sets the ButColor property.
    void SetButColor(TColor Value);
    /// The ButHeight property.
    int GetButHeight() const { return FButHeight; }
    /// Sets the ButHeight property.
    void SetButHeight(int Value);
    /// The ButIncrem property.
    double GetButIncrem() const { return FButIncrem; }
    /// Sets the ButIncrem property.
    void SetButIncrem(double Value);
    /// The ButSpace property.
    int GetButSpace() const { return FButSpace; }
    /// Sets the ButSpace property.
    void SetButSpace(int Value);
    /// The ButVisible property.
    bool GetButVisible() const { return FButVisible; }
    /// Sets the ButVisible property.
    void SetButVisible(bool Value);
    /// The ButWidth property.
    int GetButWidth() const { return FButWidth; }
    /// Sets the ButWidth property.
    void SetButWidth(int Value);
    /// The ColorBoxBG property.
    TColor GetColorBoxBG() const { return FColorBoxBG; }
    /// Sets the ColorBoxBG property.
    void SetColorBoxBG(TColor Value);
    /// The ColorBoxText property.
    TColor GetColorBoxText() const { return FColorBoxText; }
    /// Sets the ColorBoxText property.
    void SetColorBoxText(TColor Value);
    /// The ColorOutBG property.
    TColor GetColorOutBG() const { return FColorOutBG; }
    /// Sets the ColorOutBG property.
    void SetColorOutBG(TColor Value);
    /// The ColorOutText property.
    TColor GetColorOutText() const { return FColorOutText; }
    /// Sets the ColorOutText property.
    void SetColorOutText(TColor Value);
    /// The ColorScheme property.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the ColorScheme property.
    void SetColorScheme(TColorScheme Value);
    /// The ColorWarnBG property.
    TColor GetColorWarnBG() const { return FColorWarnBG; }
    /// Sets the ColorWarnBG property.
    void SetColorWarnBG(TColor Value);
    /// The ColorWarnText property.
    TColor GetColorWarnText() const { return FColorWarnText; }
    /// Sets the ColorWarnText property.
    void SetColorWarnText(TColor Value);
    /// The DecPlaceSep property.
    TDecPSep GetDecPlaceSep() const { return FDecPlaceSep; }
    /// Sets the DecPlaceSep property.
    void SetDecPlaceSep(TDecPSep Value);
    /// Enabled: stored by the framework; the control repaints at once.
    void SetEnabled(bool Value) override;
    /// The FixPointDecPlaces property.
    int GetFixPointDecPlaces() const { return FFixPointDecPlaces; }
    /// Sets the FixPointDecPlaces property.
    void SetFixPointDecPlaces(int Value);
    /// The FrameStyle property.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the FrameStyle property.
    void SetFrameStyle(TFrameStyle Value);
    /// The GaugeColor property.
    TColor GetGaugeColor() const { return FGaugeColor; }
    /// Sets the GaugeColor property.
    void SetGaugeColor(TColor Value);
    /// The GaugeColorBg property.
    TColor GetGaugeColorBg() const { return FGaugeColorBg; }
    /// Sets the GaugeColorBg property.
    void SetGaugeColorBg(TColor Value);
    /// The GaugeColorFrame property.
    TColor GetGaugeColorFrame() const { return FGaugeColorFrame; }
    /// Sets the GaugeColorFrame property.
    void SetGaugeColorFrame(TColor Value);
    /// The GaugeFrameStyle property.
    TFrameStyle GetGaugeFrameStyle() const { return FGaugeFrameStyle; }
    /// Sets the GaugeFrameStyle property.
    void SetGaugeFrameStyle(TFrameStyle Value);
    /// The GaugeHeight property.
    int GetGaugeHeight() const { return FGaugeHeight; }
    /// Sets the GaugeHeight property.
    void SetGaugeHeight(int Value);
    /// The GaugeLeftMargin property.
    int GetGaugeLeftMargin() const { return FGaugeLeftMargin; }
    /// Sets the GaugeLeftMargin property.
    void SetGaugeLeftMargin(int Value);
    /// The GaugeTopMargin property.
    int GetGaugeTopMargin() const { return FGaugeTopMargin; }
    /// Sets the GaugeTopMargin property.
    void SetGaugeTopMargin(int Value);
    /// The GaugeVisible property.
    bool GetGaugeVisible() const { return FGaugeVisible; }
    /// Sets the GaugeVisible property.
    void SetGaugeVisible(bool Value);
    /// The GaugeWidth property.
    int GetGaugeWidth() const { return FGaugeWidth; }
    /// Sets the GaugeWidth property.
    void SetGaugeWidth(int Value);
    /// Height: at least 18 (any bounds change); ButHeight follows a smaller height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    /// The HideSelection property.
    bool GetHideSelection() const { return FHideSelection; }
    /// Sets the HideSelection property.
    void SetHideSelection(bool Value);
    /// The InputFormat property.
    TInFormat GetInputFormat() const { return FInputFormat; }
    /// Sets the InputFormat property.
    void SetInputFormat(TInFormat Value);
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
    /// The RangeLow property.
    double GetRangeLow() const { return FRangeLow; }
    /// Sets the RangeLow property.
    void SetRangeLow(double Value);
    /// The RangeHigh property.
    double GetRangeHigh() const { return FRangeHigh; }
    /// Sets the RangeHigh property.
    void SetRangeHigh(double Value);
    /// The ReadOnly property.
    bool GetReadOnly() const { return FReadOnly; }
    /// Sets the ReadOnly property.
    void SetReadOnly(bool Value);
    /// The SignificantDigits property.
    int GetSignificantDigits() const { return FSignificantDigits; }
    /// Sets the SignificantDigits property.
    void SetSignificantDigits(int Value);
    /// Text (GetText/SetText of the framework) is the number buffer: a text the format does
    /// not take is ignored; caret and selection go to 0.
    int GetTextBoxWidth() const { return FTextBoxWidth; }
    /// Sets the TextBoxWidth property.
    void SetTextBoxWidth(int Value);
    /// The Value property.
    double GetValue() const;
    /// Sets the Value property.
    void SetValue(double Value);

    // ---- public members
    /// The value rounded; EZynNumIO2Error "integer overflow" outside the 32-bit range.
    int GetIntegerValue() const;
    /// Where the mouse was last: 0 left of the box, 1 over it, 2 right of it.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    /// The SelBegin property.
    int GetSelBegin() const { return FSelBegin; }
    /// Sets the SelBegin property.
    void SetSelBegin(int Value);
    /// The SelEnd property.
    int GetSelEnd() const { return FSelEnd; }
    /// Sets the SelEnd property.
    void SetSelEnd(int Value);
    /// The CaretPos property.
    int GetCaretPos() const { return FCaretPos; }
    /// The CaretVisible property.
    bool GetCaretVisible() const { return FCaretVisib; }
    /// Check validity.
    bool CheckValidity(std::string_view Instring) const;
    /// Out of range.
    bool OutOfRange() const;
    /// Takes the focus and (unless ReadOnly) restarts the blinking caret.
    void SetFocus() override;
    /// Fires OnChange.
    void Changed() override;
    /// From another TNumIO2: the layout, texts, colours, format, buffer, caret, selection,
    /// range and behaviour (not the buttons, the gauge, the pivots or the events).
    void Assign(vcl::TPersistent* Source) override;
    /// The x-coordinate of the caret boundary after N characters, and the boundary nearest to X.
    int CharPosToXCoords(int N);
    /// Xcoords to char pos.
    int XCoordsToCharPos(int X);
    /// The layout for the current size and font.
    TNumIO2Geometry Geometry();

    /// When not empty, the buttons and the gauge move the value only to these values (in
    /// ascending order).
    TDoubleArray ButtonPivots;

    // ---- events
    /// The handler of event OnChange (empty: none).
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Sets the handler of event OnChange (an empty function removes it).
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    /// The handler of event OnGaugeChange (empty: none).
    const TOnGaugeChangeEvent& GetOnGaugeChange() const { return FOnGaugeChange; }
    /// Sets the handler of event OnGaugeChange (an empty function removes it).
    void SetOnGaugeChange(TOnGaugeChangeEvent Value) { FOnGaugeChange = std::move(Value); }

protected:
    /// The handler of event OnChange.
    vcl::TNotifyEvent FOnChange;
    /// The handler of event OnGaugeChange.
    TOnGaugeChangeEvent FOnGaugeChange;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Makes the window and what depends on it.
    void CreateWnd() override;
    /// Draws the control.
    void Paint() override;
    /// Can auto size.
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    /// Sets the TextBuf property.
    void SetTextBuf(const std::string& Value) override;
    /// The TextBuf property.
    std::string GetTextBuf() const override { return FInBuffer; }
    /// Handles a key press (virtual key).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// Handles a key release.
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// Handles a mouse button press.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a pointer move.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a mouse button release.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a click.
    void Click() override;
    /// Wmset focus.
    void WMSetFocus(vcl::TMessage& Message) override;
    /// Wmget dlg code.
    void WMGetDlgCode(vcl::TMessage& Message) override;
    /// Leaving the control commits its text (what Escape brings back).
    void WMKillFocus(vcl::TMessage& Message) override;

private:
    bool Loading() const { return GetComponentState().Contains(vcl::csLoading); }
    template <typename T>
    void StoreAndRepaint(T& Field, T Value);
    template <typename T>
    void StoreIfDifferent(T& Field, T Value);
    int TextHeightOf(const char* Probe);
    // Caret timer
    void UpdateTimer();
    void CaretTick();
    void Beeper();
    // Keys (NumIO2Input.cpp)
    void HandleKey(vcl::WORD Key, vcl::TShiftState Shift);
    void HandleCtrlKey(vcl::WORD Key);
    void HandlePlainKey(vcl::WORD Key, bool Shift);
    // PgUp/PgDn: ten steps of the buttons (ten pivots with ButtonPivots).
    void StepValue(bool Up, int Steps);
    void DeleteSelection();
    void InsertText(const std::string& S);
    void ApplyCaretRule();
    // Mouse
    void GaugeTo(int X, vcl::TShiftState Shift, bool Drag);
    void ButtonClick(int Y);

    // painting (NumIO2Paint.cpp)
    void Render(vcl::TCanvas* C, const TNumIO2Geometry& Geo);
    void PaintSideText(vcl::TCanvas* C, const std::string& Text, int X, int Y);
    void PaintLeftText(vcl::TCanvas* C, const TNumIO2Geometry& Geo);
    void PaintButtons(vcl::TCanvas* C);
    void PaintRightText(vcl::TCanvas* C, const TNumIO2Geometry& Geo);
    void PaintGauge(vcl::TCanvas* C, const TNumIO2Geometry& Geo);
    void PaintTextBox(vcl::TCanvas* C, const TNumIO2Geometry& Geo, bool OutOfRange);
    void PaintNumber(vcl::TCanvas* C, const TNumIO2Geometry& Geo, bool OutOfRange);
    void PaintSelection(vcl::TCanvas* C, const TNumIO2Geometry& Geo);
    void PaintBevel(vcl::TCanvas* C, int Style, int X0, int Y0, int X1, int Y1, int X2, int Y2, bool Second);

    vcl::TAlignment FAlignment = vcl::taCenter;
    bool FBeep = false;
    bool FBut3D = true;
    TColor FButColor = vcl::clSilver;
    int FButHeight = 28;
    double FButIncrem = 1.0;
    int FButSpace = 3;
    bool FButVisible = false;
    int FButWidth = 18;
    TColor FColorBoxBG = vcl::clWhite;
    TColor FColorBoxText = vcl::clBlack;
    TColor FColorOutBG = vcl::clBtnFace;
    TColor FColorOutText = vcl::clBlack;
    TColorScheme FColorScheme = schFixed;
    TColor FColorWarnBG = 1619591152;   // 0x6088FFF0: pale yellow in its RGB bytes
    TColor FColorWarnText = vcl::clRed;
    TDecPSep FDecPlaceSep = dpsPointOrComma;
    int FFixPointDecPlaces = 2;
    TFrameStyle FFrameStyle = frSunken;
    TColor FGaugeColor = vcl::clNavy;
    TColor FGaugeColorBg = vcl::clSilver;
    TColor FGaugeColorFrame = vcl::clGray;
    TFrameStyle FGaugeFrameStyle = frSunken;
    int FGaugeHeight = 8;
    int FGaugeLeftMargin = 35;
    int FGaugeTopMargin = 3;
    bool FGaugeVisible = false;
    int FGaugeWidth = 82;
    bool FHideSelection = true;
    TInFormat FInputFormat = itFloat;
    int FLeftSpace = 35;
    std::string FLeftText;
    std::string FRightText;
    vcl::TAlignment FLeftTextAlignment = vcl::taRightJustify;
    vcl::TAlignment FRightTextAlignment = vcl::taLeftJustify;
    double FRangeLow = 0.0;
    double FRangeHigh = 1000.0;
    bool FReadOnly = false;
    int FSignificantDigits = 6;
    int FTextBoxWidth = 80;

    std::string FInBuffer;
    std::string FCommitted;   // the text of the last commit: Enter, focus in or out, the program's writes
    int FCaretPos = 0;
    bool FCaretVisib = false;
    int FSelBegin = 0;
    int FSelEnd = 0;
    bool FKeyShifted = false;
    bool FKeyCntrl = false;
    bool FOnlineCheck = true;
    bool FValueChanged = false;
    bool FSuppressPaint = true;
    int FMouseAreaCode = 0;
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    std::unique_ptr<TComponentTimer> FCaretTimerH;
    std::unique_ptr<vcl::TBitmap> FPicture;   // the off-screen picture, kept between paints
};

}  // namespace zyn
