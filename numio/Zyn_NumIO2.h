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
    /// The measures named above, in pixels.
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
    /// Alignment of the number in its box; default taCenter.
    vcl::TAlignment GetAlignment() const { return FAlignment; }
    /// Sets the number's alignment; repaints.
    void SetAlignment(vcl::TAlignment Value);
    /// AutoSize: while set the height is the text height of "E0" + 6 (at least 18).
    void SetAutoSize(bool Value) override;
    /// Whether refused keys and edits beep; default false.
    bool GetBeep() const { return FBeep; }
    /// Switches the beep on refused keys and edits.
    void SetBeep(bool Value) { FBeep = Value; }
    /// Whether the up/down buttons have raised 3-D edges; default true.
    bool GetBut3D() const { return FBut3D; }
    /// Switches the buttons' 3-D edges; repaints.
    void SetBut3D(bool Value);
    /// Fill colour of the up/down buttons; default silver (0xC0C0C0).
    TColor GetButColor() const { return FButColor; }
    /// Sets the button colour; repaints.
    void SetButColor(TColor Value);
    /// Height in pixels of the button pair (both halves together); default 28.
    int GetButHeight() const { return FButHeight; }
    /// Sets the button height, clamped to 18..Height; repaints when it differs.
    void SetButHeight(int Value);
    /// Step of the up/down buttons while ButtonPivots is empty; default 1.0.
    double GetButIncrem() const { return FButIncrem; }
    /// Sets the button step; repaints when it differs.
    void SetButIncrem(double Value);
    /// Gap in pixels between the text box and the buttons; default 3.
    int GetButSpace() const { return FButSpace; }
    /// Sets the gap, clamped to 0..50; repaints when it differs.
    void SetButSpace(int Value);
    /// Whether the up/down buttons are shown; default false.
    bool GetButVisible() const { return FButVisible; }
    /// Shows or hides the buttons; repaints.
    void SetButVisible(bool Value);
    /// Width in pixels of the buttons; default 18.
    int GetButWidth() const { return FButWidth; }
    /// Sets the button width, clamped to 8..50; repaints when it differs.
    void SetButWidth(int Value);
    /// Background of the text box; default white.
    TColor GetColorBoxBG() const { return FColorBoxBG; }
    /// Sets the box background; repaints.
    void SetColorBoxBG(TColor Value);
    /// Colour of the number in the box; default black.
    TColor GetColorBoxText() const { return FColorBoxText; }
    /// Sets the number colour; repaints.
    void SetColorBoxText(TColor Value);
    /// Background outside the box (behind the left and right texts); default clBtnFace.
    TColor GetColorOutBG() const { return FColorOutBG; }
    /// Sets the outside background; repaints.
    void SetColorOutBG(TColor Value);
    /// Colour of the left and right texts; default black.
    TColor GetColorOutText() const { return FColorOutText; }
    /// Sets the colour of the left and right texts; repaints.
    void SetColorOutText(TColor Value);
    /// Line colours of frames and buttons: ordinal 0 (default) fixed gray and white, any other
    /// the system's shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Background of the box while the value is out of range; default 0x6088FFF0 (pale yellow).
    TColor GetColorWarnBG() const { return FColorWarnBG; }
    /// Sets the out-of-range background; repaints.
    void SetColorWarnBG(TColor Value);
    /// Colour of the number while the value is out of range; default 255 (red).
    TColor GetColorWarnText() const { return FColorWarnText; }
    /// Sets the out-of-range number colour; repaints.
    void SetColorWarnText(TColor Value);
    /// Decimal separator: ordinal 0 the system's, 1 point, 2 comma, 3 point or comma (default).
    TDecPSep GetDecPlaceSep() const { return FDecPlaceSep; }
    /// Sets the separator; when it differs (and is not "point or comma") the separators already
    /// in the text are converted. Repaints.
    void SetDecPlaceSep(TDecPSep Value);
    /// Enabled: stored by the framework; the control repaints at once.
    void SetEnabled(bool Value) override;
    /// Number of decimals written in itFloat and itFixPoint, 1..15; default 2.
    int GetFixPointDecPlaces() const { return FFixPointDecPlaces; }
    /// Sets the decimals: values of 0 or less are ignored, above 15 become 15; when it differs the
    /// value is written again with the new count. Repaints.
    void SetFixPointDecPlaces(int Value);
    /// Frame of the text box, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the box frame; repaints.
    void SetFrameStyle(TFrameStyle Value);
    /// Colour of the gauge's filled part; default navy (0x800000).
    TColor GetGaugeColor() const { return FGaugeColor; }
    /// Sets the gauge bar colour; repaints.
    void SetGaugeColor(TColor Value);
    /// Colour of the gauge's empty ground; default silver.
    TColor GetGaugeColorBg() const { return FGaugeColorBg; }
    /// Sets the gauge ground colour; repaints.
    void SetGaugeColorBg(TColor Value);
    /// Colour of the gauge's frame; default gray (0x808080).
    TColor GetGaugeColorFrame() const { return FGaugeColorFrame; }
    /// Sets the gauge frame colour; repaints.
    void SetGaugeColorFrame(TColor Value);
    /// Frame of the gauge, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetGaugeFrameStyle() const { return FGaugeFrameStyle; }
    /// Sets the gauge frame; repaints.
    void SetGaugeFrameStyle(TFrameStyle Value);
    /// Height in pixels of the gauge bar; default 8.
    int GetGaugeHeight() const { return FGaugeHeight; }
    /// Sets the gauge height, at most Height - GaugeTopMargin - 18 and at least 3; repaints when
    /// it differs.
    void SetGaugeHeight(int Value);
    /// Distance in pixels from the left edge to the gauge; default 35.
    int GetGaugeLeftMargin() const { return FGaugeLeftMargin; }
    /// Sets the gauge's left margin, at most Width - GaugeWidth and at least 0; repaints when it
    /// differs.
    void SetGaugeLeftMargin(int Value);
    /// Gap in pixels between the text row and the gauge; default 3.
    int GetGaugeTopMargin() const { return FGaugeTopMargin; }
    /// Sets the gauge's top margin, at most Height - GaugeHeight - 18 and at least 0; repaints
    /// when it differs.
    void SetGaugeTopMargin(int Value);
    /// Whether the gauge (a bar below the text row that shows and drags the value) is shown;
    /// default false.
    bool GetGaugeVisible() const { return FGaugeVisible; }
    /// Shows or hides the gauge; repaints.
    void SetGaugeVisible(bool Value);
    /// Width in pixels of the gauge; default 82.
    int GetGaugeWidth() const { return FGaugeWidth; }
    /// Sets the gauge width, at least 10 and at most Width - GaugeLeftMargin; repaints when it
    /// differs.
    void SetGaugeWidth(int Value);
    /// Height: at least 18 (any bounds change); ButHeight follows a smaller height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    /// Whether the selection is shown only while the control has the focus; default true.
    bool GetHideSelection() const { return FHideSelection; }
    /// Sets whether an unfocused control hides its selection; repaints.
    void SetHideSelection(bool Value);
    /// The number format of the text (itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin or
    /// itDynamic); default itFloat.
    TInFormat GetInputFormat() const { return FInputFormat; }
    /// Sets the format; when it differs, the value is read in the old format and written again in
    /// the new one. Repaints.
    void SetInputFormat(TInFormat Value);
    /// x in pixels where the text box starts (the room of the left text); default 35.
    int GetLeftSpace() const { return FLeftSpace; }
    /// Sets where the box starts, at most Width; negative values are ignored. Repaints.
    void SetLeftSpace(int Value);
    /// Text left of the box (a caption); empty by default.
    const std::string& GetLeftText() const { return FLeftText; }
    /// Sets the left text; repaints when it differs.
    void SetLeftText(const std::string& Value);
    /// Text right of the box and the buttons (a unit); empty by default.
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
    /// Lower bound of the range: the gauge's left end; a value below it is shown in the warning
    /// colours. Default 0.
    double GetRangeLow() const { return FRangeLow; }
    /// Sets the lower bound; a RangeHigh below it is raised to the same value. Repaints.
    void SetRangeLow(double Value);
    /// Upper bound of the range: the gauge's right end; default 1000.
    double GetRangeHigh() const { return FRangeHigh; }
    /// Sets the upper bound; a RangeLow above it is lowered to the same value. Repaints.
    void SetRangeHigh(double Value);
    /// Whether the number can only be read and copied (Ctrl+C), not edited; default false.
    bool GetReadOnly() const { return FReadOnly; }
    /// Switches read-only: setting it stops the caret, clearing it restarts the caret; repaints
    /// when it differs.
    void SetReadOnly(bool Value);
    /// Number of significant digits written in itExp, 1..15; default 6.
    int GetSignificantDigits() const { return FSignificantDigits; }
    /// Sets the significant digits like FixPointDecPlaces: 0 or less ignored, above 15 become 15;
    /// when it differs the value is written again. Repaints.
    void SetSignificantDigits(int Value);
    /// Width in pixels of the text box; default 80.
    int GetTextBoxWidth() const { return FTextBoxWidth; }
    /// Sets the box width; repaints when it differs.
    void SetTextBoxWidth(int Value);
    /// The number the text shows, read in the current format (itInt: 2147483647 when the text
    /// does not fit; itDynamic: by the first character, "$" hex, "%" binary, "&" octal).
    double GetValue() const;
    /// Writes the value as text in the current format and repaints; fires no OnChange.
    void SetValue(double Value);

    // ---- public members
    /// The value rounded; EZynNumIO2Error "integer overflow" outside the 32-bit range.
    int GetIntegerValue() const;
    /// Where the mouse was last: 0 left of the box, 1 over it, 2 right of it.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    /// Start of the selection, a character position 0..length of the text.
    int GetSelBegin() const { return FSelBegin; }
    /// Moves the selection start and the caret to Value (clamped to 0..length); the end follows
    /// when it is smaller. Repaints.
    void SetSelBegin(int Value);
    /// End of the selection, a character position, never below SelBegin.
    int GetSelEnd() const { return FSelEnd; }
    /// Moves the selection end and the caret to Value (clamped to 0..length); the start follows
    /// when it is larger. Repaints.
    void SetSelEnd(int Value);
    /// Caret position: the number of characters before it.
    int GetCaretPos() const { return FCaretPos; }
    /// Whether the blinking caret is currently drawn.
    bool GetCaretVisible() const { return FCaretVisib; }
    /// Whether Instring is a valid text of the current format and separator (what an edit must
    /// pass).
    bool CheckValidity(std::string_view Instring) const;
    /// Whether the value lies below RangeLow or above RangeHigh (the box then shows the warning
    /// colours).
    bool OutOfRange() const;
    /// Takes the focus and (unless ReadOnly) restarts the blinking caret.
    void SetFocus() override;
    /// Tells assistive tools the value changed, then fires OnChange.
    void Changed() override;
    /// From another TNumIO2: the layout, texts, colours, format, buffer, caret, selection,
    /// range and behaviour (not the buttons, the gauge, the pivots or the events).
    void Assign(vcl::TPersistent* Source) override;
    /// The x-coordinate of the caret boundary after N characters, and the boundary nearest to X.
    int CharPosToXCoords(int N);
    /// The caret boundary nearest to client x-coordinate X (0..length of the text).
    int XCoordsToCharPos(int X);
    /// The layout for the current size and font.
    TNumIO2Geometry Geometry();

    /// When not empty, the buttons and the gauge move the value only to these values (in
    /// ascending order).
    TDoubleArray ButtonPivots;

    // ---- events
    /// Called after the value changed by the user: an edit (on each accepted key), a button click,
    /// or the release of the mouse after a gauge drag. Empty: none.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Installs the handler called after the user changed the value; an empty function removes it.
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    /// Called during a gauge drag at each move, with the shift state and the new value; OnChange
    /// follows when the button is released. Empty: none.
    const TOnGaugeChangeEvent& GetOnGaugeChange() const { return FOnGaugeChange; }
    /// Installs the handler that follows a gauge drag; an empty function removes it.
    void SetOnGaugeChange(TOnGaugeChangeEvent Value) { FOnGaugeChange = std::move(Value); }

protected:
    /// ScaleBy at M/D: the buttons, the gauge, the text box and the left space scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called after the user changed the value; empty: none.
    vcl::TNotifyEvent FOnChange;
    /// The handler that follows a gauge drag; empty: none.
    TOnGaugeChangeEvent FOnGaugeChange;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Makes the window and what depends on it.
    void CreateWnd() override;
    /// Draws the texts, the number box with caret and selection, the buttons and the gauge off
    /// screen and shows them; nothing while SuppressPaint is set or before the window exists.
    void Paint() override;
    /// With AutoSize the height follows the font: text height of "E0" + 6, at least 18.
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    /// Text (SetText of the framework) is the number buffer: a text the format does not take is
    /// ignored; caret and selection go to 0.
    void SetTextBuf(const std::string& Value) override;
    /// The number buffer as it stands (the text being edited).
    std::string GetTextBuf() const override { return FInBuffer; }
    /// Edits the number buffer (unless ReadOnly; Ctrl+C copies even then); with OnlineCheck an
    /// edit the format does not take is refused (a beep when Beep is set). Fires OnChange after a
    /// change.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// Forgets a released Shift or Ctrl.
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// A left press places the caret in the text row, moves the value to the gauge position, or
    /// steps the value by a button (OnChange at once).
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Records MouseAreaCode; with the left button held, extends the selection in the text row or
    /// drags the gauge (OnGaugeChange at each step).
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// Fires OnChange when a gauge press or drag moved the value.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Takes the focus (when it can), then OnClick.
    void Click() override;
    /// Taking the focus restarts the blinking caret (unless ReadOnly).
    void WMSetFocus(vcl::TMessage& Message) override;
    /// Asks for the arrow keys (they move the caret); Tab, Enter and Escape stay the dialog's.
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
