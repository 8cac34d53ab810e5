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

// The row layout in pixels. LS: left edge of the text box; TBW: its inner width; BW: room of
// the buttons (0 without); G: height of the gauge band at the bottom (0 without); TH: text
// height; YT: top of every text; BH: Height - G - 4.
struct TNumIO2Geometry {
    int LS = 0, TBW = 0, BW = 0, G = 0, TH = 0, YT = 0, BH = 0;
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
class TNumIO2 : public vcl::TCustomControl {
public:
    explicit TNumIO2(vcl::TComponent* AOwner);
    ~TNumIO2() override;
    std::string ClassName() const override { return "TNumIO2"; }

    // ---- properties
    vcl::TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment Value);
    // AutoSize: while set the height is the text height of "E0" + 6 (at least 18).
    void SetAutoSize(bool Value) override;
    bool GetBeep() const { return FBeep; }
    void SetBeep(bool Value) { FBeep = Value; }
    bool GetBut3D() const { return FBut3D; }
    void SetBut3D(bool Value);
    TColor GetButColor() const { return FButColor; }
    void SetButColor(TColor Value);
    int GetButHeight() const { return FButHeight; }
    void SetButHeight(int Value);
    double GetButIncrem() const { return FButIncrem; }
    void SetButIncrem(double Value);
    int GetButSpace() const { return FButSpace; }
    void SetButSpace(int Value);
    bool GetButVisible() const { return FButVisible; }
    void SetButVisible(bool Value);
    int GetButWidth() const { return FButWidth; }
    void SetButWidth(int Value);
    TColor GetColorBoxBG() const { return FColorBoxBG; }
    void SetColorBoxBG(TColor Value);
    TColor GetColorBoxText() const { return FColorBoxText; }
    void SetColorBoxText(TColor Value);
    TColor GetColorOutBG() const { return FColorOutBG; }
    void SetColorOutBG(TColor Value);
    TColor GetColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    TColor GetColorWarnBG() const { return FColorWarnBG; }
    void SetColorWarnBG(TColor Value);
    TColor GetColorWarnText() const { return FColorWarnText; }
    void SetColorWarnText(TColor Value);
    TDecPSep GetDecPlaceSep() const { return FDecPlaceSep; }
    void SetDecPlaceSep(TDecPSep Value);
    // Enabled: stored by the framework; the control repaints at once.
    void SetEnabled(bool Value) override;
    int GetFixPointDecPlaces() const { return FFixPointDecPlaces; }
    void SetFixPointDecPlaces(int Value);
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    TColor GetGaugeColor() const { return FGaugeColor; }
    void SetGaugeColor(TColor Value);
    TColor GetGaugeColorBg() const { return FGaugeColorBg; }
    void SetGaugeColorBg(TColor Value);
    TColor GetGaugeColorFrame() const { return FGaugeColorFrame; }
    void SetGaugeColorFrame(TColor Value);
    TFrameStyle GetGaugeFrameStyle() const { return FGaugeFrameStyle; }
    void SetGaugeFrameStyle(TFrameStyle Value);
    int GetGaugeHeight() const { return FGaugeHeight; }
    void SetGaugeHeight(int Value);
    int GetGaugeLeftMargin() const { return FGaugeLeftMargin; }
    void SetGaugeLeftMargin(int Value);
    int GetGaugeTopMargin() const { return FGaugeTopMargin; }
    void SetGaugeTopMargin(int Value);
    bool GetGaugeVisible() const { return FGaugeVisible; }
    void SetGaugeVisible(bool Value);
    int GetGaugeWidth() const { return FGaugeWidth; }
    void SetGaugeWidth(int Value);
    // Height: at least 18 (any bounds change); ButHeight follows a smaller height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    TInFormat GetInputFormat() const { return FInputFormat; }
    void SetInputFormat(TInFormat Value);
    int GetLeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int Value);
    const std::string& GetLeftText() const { return FLeftText; }
    void SetLeftText(const std::string& Value);
    const std::string& GetRightText() const { return FRightText; }
    void SetRightText(const std::string& Value);
    vcl::TAlignment GetLeftTextAlignment() const { return FLeftTextAlignment; }
    void SetLeftTextAlignment(vcl::TAlignment Value);
    vcl::TAlignment GetRightTextAlignment() const { return FRightTextAlignment; }
    void SetRightTextAlignment(vcl::TAlignment Value);
    double GetRangeLow() const { return FRangeLow; }
    void SetRangeLow(double Value);
    double GetRangeHigh() const { return FRangeHigh; }
    void SetRangeHigh(double Value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    int GetSignificantDigits() const { return FSignificantDigits; }
    void SetSignificantDigits(int Value);
    // Text (GetText/SetText of the framework) is the number buffer: a text the format does
    // not take is ignored; caret and selection go to 0.
    int GetTextBoxWidth() const { return FTextBoxWidth; }
    void SetTextBoxWidth(int Value);
    double GetValue() const;
    void SetValue(double Value);

    // ---- public members
    // The value rounded; EZynNumIO2Error "integer overflow" outside the 32-bit range.
    int GetIntegerValue() const;
    // Where the mouse was last: 0 left of the box, 1 over it, 2 right of it.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    int GetSelBegin() const { return FSelBegin; }
    void SetSelBegin(int Value);
    int GetSelEnd() const { return FSelEnd; }
    void SetSelEnd(int Value);
    int GetCaretPos() const { return FCaretPos; }
    bool GetCaretVisible() const { return FCaretVisib; }
    bool CheckValidity(std::string_view Instring) const;
    bool OutOfRange() const;
    // Takes the focus and (unless ReadOnly) restarts the blinking caret.
    void SetFocus() override;
    // Fires OnChange.
    void Changed() override;
    // From another TNumIO2: the layout, texts, colours, format, buffer, caret, selection,
    // range and behaviour (not the buttons, the gauge, the pivots or the events).
    void Assign(vcl::TPersistent* Source) override;
    // The x-coordinate of the caret boundary after N characters, and the boundary nearest to X.
    int CharPosToXCoords(int N);
    int XCoordsToCharPos(int X);
    // The layout for the current size and font.
    TNumIO2Geometry Geometry();

    // When not empty, the buttons and the gauge move the value only to these values (in
    // ascending order).
    TDoubleArray ButtonPivots;

    // ---- events
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    const TOnGaugeChangeEvent& GetOnGaugeChange() const { return FOnGaugeChange; }
    void SetOnGaugeChange(TOnGaugeChangeEvent Value) { FOnGaugeChange = std::move(Value); }

protected:
    vcl::TNotifyEvent FOnChange;
    TOnGaugeChangeEvent FOnGaugeChange;

    void AssignTo(vcl::TPersistent* Dest) override;
    void Loaded() override;
    void CreateWnd() override;
    void Paint() override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void SetTextBuf(const std::string& Value) override;
    std::string GetTextBuf() const override { return FInBuffer; }
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void Click() override;
    void WMSetFocus(vcl::TMessage& Message) override;
    void WMGetDlgCode(vcl::TMessage& Message) override;

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
