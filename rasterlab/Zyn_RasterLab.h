// TRasterLab: a dot-matrix display. A text is drawn as square dots taken from a character
// matrix (a bit-mapped font) over a grid of unlit dots, and can scroll by timer in four
// directions. The matrix comes from the built-in 7 x 12 font or from rasterising any font
// of the platform.
//
// The matrix, the font rasteriser and the text length live in RasterLabMatrix.cpp, the
// built-in font in RasterLabFont.cpp, the picture in RasterLabPaint.cpp, construction,
// properties and scrolling in Zyn_RasterLab.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

// ---- the character matrix ---------------------------------------------------------------

/// A bit-mapped font of at most 32 x 32 dots for the character codes 0 to 255.
struct TRDCharMatrix {
    /// Width in dots of the widest glyph.
    std::int32_t FontWidth = 0;    // widest glyph in dots (right - left + 1 over all glyphs)
    /// Number of dot rows the glyphs use.
    std::int32_t FontHeight = 0;   // number of dot rows used
    /// Per character code: the leftmost and the rightmost dot column of its glyph.
    std::array<std::uint8_t, 256> LeftMostBit{};
    /// Per character code: the rightmost dot column of its glyph.
    std::array<std::uint8_t, 256> RightMostBit{};
    /// Per character code one word per dot row 0..31; bit j lights column j (bit 0 leftmost).
    std::array<std::array<std::uint32_t, 32>, 256> BitData{};

    /// Two matrices are equal when every field is.
    bool operator==(const TRDCharMatrix&) const = default;
};

enum TRDScrollMode : std::uint8_t { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };

// rdbmOff: no dot grid, the ground is the background colour. rdbmOn: a grid of unlit dots
// with a background-coloured gap column before and after each character. rdbmRaster: a
// continuous grid of unlit dots.
enum TRDBlockMode : std::uint8_t { rdbmOff, rdbmOn, rdbmRaster };

class EZynRasterLabError : public EZynError {
public:
    using EZynError::EZynError;
};

// The built-in font: one record per code from 32 to 255, each the left column byte, the
// right column byte and twelve row bytes (row 0 first, bit j = column j).
inline constexpr int RasterLabBuiltInFirst = 32;
inline constexpr int RasterLabBuiltInCount = 224;
inline constexpr int RasterLabRecordSize = 14;
inline constexpr int RasterLabBuiltInWidth = 7;
inline constexpr int RasterLabBuiltInHeight = 12;
extern const std::uint8_t RasterLabBuiltInFont[RasterLabBuiltInCount][RasterLabRecordSize];

// The matrix of the built-in font: 7 x 12, codes 0 to 31 empty.
TRDCharMatrix BuiltInCharMatrix();

// The matrix entry that shows a character: its code up to 255, the blank above that.
inline int RasterCharCode(char32_t Ch) { return Ch <= 255 ? static_cast<int>(Ch) : 32; }

// Number of dot columns a character occupies: its glyph's columns from the leftmost to the
// rightmost (none for a glyph without dots), or FontWidth when Fixed.
int RasterCharColumns(const TRDCharMatrix& CharMatrix, int Code, bool Fixed);

// Number of dot rows that are drawn: FontHeight, within the 32 rows a glyph has (a matrix
// written through CharMatrix may claim any number).
inline int RasterRows(const TRDCharMatrix& CharMatrix) { return CharMatrix.FontHeight < 0 ? 0 : CharMatrix.FontHeight > 32 ? 32 : CharMatrix.FontHeight; }

// Pixel length of Text (UTF-8): per character its columns plus one gap column, times the
// dot pitch; every character takes FontWidth + 1 columns when not Proportional.
std::int64_t RasterTextLength(const TRDCharMatrix& CharMatrix, std::string_view Text, int Pitch,
                              bool Proportional);

// ---- the label --------------------------------------------------------------------------
/// TRasterLab: a dot-matrix display. A text is drawn as square dots taken from a character
/// matrix (a bit-mapped font) over a grid of unlit dots, and can scroll by timer in four
/// directions. The matrix comes from the built-in 7 x 12 font or from rasterising any font
/// of the platform.
class TRasterLab : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TRasterLab(vcl::TComponent* AOwner);
    ~TRasterLab() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TRasterLab"; }

    /// From another raster label copies FrameStyle, Text, ColorLabBakG, ColorDotOn, the line
    /// colours and ColorScheme, then repaints; other sources go to the framework.
    void Assign(vcl::TPersistent* Source) override;

    // ---- properties
    /// Whether the text is kept centred horizontally (PosX follows the text length); default false.
    bool GetAutoCenter() const { return FAutoCenter; }
    /// Switches centring; turning it on centres now, turning it off puts PosX back to 1. Repaints
    /// when it differs.
    void SetAutoCenter(bool Value);
    /// Whether the height follows the font: frame width + (DotSize + DotSpacing) x font height;
    /// default false.
    bool GetAutoHeight() const { return FAutoHeight; }
    /// Switches the automatic height; turning it on adjusts the height now. Repaints when it
    /// differs.
    void SetAutoHeight(bool Value);
    /// Ground of the dots: rdbmOff (no dot grid, background colour), rdbmOn (default: unlit dots
    /// with a gap column round each character) or rdbmRaster (a continuous grid of unlit dots).
    TRDBlockMode GetCharBlockMode() const { return FCharBlockMode; }
    /// Sets the ground mode; repaints when it differs.
    void SetCharBlockMode(TRDBlockMode Value);
    /// Colour of the lit dots; default green (0x00FF00).
    TColor GetColorDotOn() const { return FColorDotOn; }
    /// Sets the lit dot colour; repaints when it differs.
    void SetColorDotOn(TColor Value);
    /// Colour of the unlit dots; default 0x404040.
    TColor GetColorDotOff() const { return FColorDotOff; }
    /// Sets the unlit dot colour; repaints when it differs.
    void SetColorDotOff(TColor Value);
    /// Background colour: the gaps between the dots, or the whole ground in rdbmOff; default black.
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    /// Sets the background colour; repaints when it differs.
    void SetColorLabBakG(TColor Value);
    /// Line colours of the frame: ordinal 0 (default) fixed gray and white, any other the system's
    /// shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Side in pixels of one dot, 1..32; default 3.
    int GetDotSize() const { return FDotSize; }
    /// Sets the dot size, clamped to 1..32; a change re-adjusts height and centre when those are
    /// on and repaints.
    void SetDotSize(int Value);           // clamped to 1..32
    /// Gap in pixels between neighbouring dots, 0..3; default 1.
    int GetDotSpacing() const { return FDotSpacing; }
    /// Sets the dot gap, clamped to 0..3; a change re-adjusts height and centre when those are on
    /// and repaints.
    void SetDotSpacing(int Value);        // clamped to 0..3
    /// Frame round the label, ordinals 0 (none) to 5; default 2. (Font is the control's own: a
    /// change rebuilds the character matrix, and the name "default" selects the built-in font.)
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// x in pixels of the text's first dot column; default 1.
    int GetPosX() const { return FPosX; }
    /// Moves the text sideways; repaints when it differs.
    void SetPosX(int Value);
    /// y in pixels of the text's first dot row; default 1.
    int GetPosY() const { return FPosY; }
    /// Moves the text up or down; repaints when it differs.
    void SetPosY(int Value);
    /// Whether each character takes only its own width (default true) or the width of the widest
    /// glyph.
    bool GetProportional() const { return FProportional; }
    /// Switches proportional spacing; repaints when it differs.
    void SetProportional(bool Value);
    /// Direction the text scrolls by timer: rdsmOff (default), rdsmLeft, rdsmRight, rdsmDown or
    /// rdsmUp.
    TRDScrollMode GetScrollMode() const { return FScrollMode; }
    /// Sets the scroll mode; a change starts or stops the scroll timer, and rdsmOff puts the text
    /// back to its place and repaints. Raises EZynRasterLabError ("no timer available") when no
    /// timer can be started.
    void SetScrollMode(TRDScrollMode Value);
    /// Milliseconds between scroll steps; default 100.
    int GetScrollInterval() const { return FScrollInterval; }
    /// Sets the scroll interval (below 10 becomes 10); a change restarts the timer.
    void SetScrollInterval(int Value);    // milliseconds; below 10 becomes 10
    /// Pixels the text moves per scroll step; default 1.
    int GetScrollIncrement() const { return FScrollIncrement; }
    /// Sets the scroll step (0 becomes 1, a negative value its magnitude); a change restarts the
    /// timer.
    void SetScrollIncrement(int Value);   // pixels per tick; 0 becomes 1, negatives their magnitude
    /// Whether a text that has scrolled out enters again from the other side (firing
    /// OnScrollLoopRestart); default true.
    bool GetScrollLoop() const { return FScrollLoop; }
    /// Switches looping; repaints.
    void SetScrollLoop(bool Value);
    /// The text shown; default "Text".
    const std::string& GetText() const { return FText; }
    /// Sets the text; when it differs, centres again with AutoCenter and repaints.
    void SetText(const std::string& Value);

    /// Reading gives the current matrix; writing copies the given one and repaints (height
    /// and centre are not re-adjusted).
    const TRDCharMatrix& GetCharMatrix() const { return FCMat; }
    /// Copies Value into the character matrix and repaints.
    void SetCharMatrix(const TRDCharMatrix& Value);

    // ---- public methods
    /// The matrix of a font: the built-in font for no font or the name "default", otherwise
    /// the font rasterised glyph by glyph.
    static TRDCharMatrix CreateBitFont(vcl::TFont* Font);
    /// Draws the lit dots of one character with its top-left dot at (X, Y) and returns its
    /// width in pixels. ColorOff and ColorBg are not used: the ground is drawn beforehand.
    static int PaintChar(vcl::TCanvas* Canvas, const TRDCharMatrix& CharMatrix, int X, int Y,
                         char32_t Ch, int DotSize, int DotSpacing, TColor ColorOn, TColor ColorOff,
                         TColor ColorBg, bool Fixed);
    /// Draws a text (UTF-8) from (X, Y); in rdbmOn a background strip one pitch wide stands
    /// before and after every character. TextBitLength gets the length drawn plus one.
    void PaintString(vcl::TCanvas* Canvas, const TRDCharMatrix& CharMatrix, int X, int Y,
                     const std::string& Text, int DotSize, int DotSpacing, TColor ColorOn,
                     TColor ColorOff, TColor ColorBg, TRDBlockMode BlockMode, bool Proportional,
                     int& TextBitLength);
    /// The pixel length of a text with the current matrix, dot size, spacing and pitch mode.
    int CalcTextBitLength(const std::string& Text) const;

    /// The scroll offsets in pixels and the text length of the last paint.
    int GetScrollPosX() const { return FScrollPosX; }
    /// Vertical scroll offset in pixels.
    int GetScrollPosY() const { return FScrollPosY; }
    /// Length in pixels of the text at the last paint.
    int GetTextBitLength() const { return FTextBitLength; }
    /// Whether the scroll timer is running now.
    bool GetScrollTimerRunning() const { return FScrTimerHandle->IsRunning(); }

    // ---- events
    /// Fired after each scroll tick; assigning it restarts the timer.
    const vcl::TNotifyEvent& GetOnScrollTimer() const { return FOnScrollTimer; }
    /// Installs the handler called after each scroll tick and restarts the timer; an empty
    /// function removes it.
    void SetOnScrollTimer(vcl::TNotifyEvent Value);
    /// Called when a looping scroll (ScrollLoop) starts over: the text has left the label and
    /// comes back in from the other side. Empty: none.
    const vcl::TNotifyEvent& GetOnScrollLoopRestart() const { return FOnScrollLoopRestart; }
    /// Installs the handler called when a looping scroll starts over; an empty function removes it.
    void SetOnScrollLoopRestart(vcl::TNotifyEvent Value) { FOnScrollLoopRestart = std::move(Value); }

    /// Draws the ground, the dot grid, the dot-matrix text at its scroll offset and the frame off
    /// screen, and shows them.
    void Paint() override;

protected:
    /// ScaleBy at M/D: the dot pitch scales rounded down (so the rows of dots never outgrow the
    /// factor) and is shared between dot and spacing as before, within their clamps; text
    /// position and scroll step scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called after each scroll tick; empty: none.
    vcl::TNotifyEvent FOnScrollTimer;
    /// The handler called when a looping scroll starts over; empty: none.
    vcl::TNotifyEvent FOnScrollLoopRestart;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// One scroll tick, then OnScrollTimer.
    virtual void DoTimer();
    /// Calls the OnScrollLoopRestart handler, if any; derived labels may add to it.
    virtual void DoScrLoopRestart();
    /// Restarts the timer with ScrollInterval while scrolling is on and the timer enabled.
    void UpdateTimer();
    /// Sets the height from the frame, the dot pitch and the font height.
    void AdjustAutoHeight();
    /// Centres the text: PosX becomes half the room the text leaves, plus the frame.
    void AdjustAutoCenter();
    /// Rebuilds the matrix from Font and re-adjusts height and centre.
    void FontChanged();
    /// Moves the text by one step of the scroll mode.
    void ScrollTimerEvent();

    /// A change of the control's font rebuilds the character matrix (see FontChanged).
    void CMFontChanged(vcl::TMessage& Message) override;
    /// Adapts the layout after a size change.
    void Resize() override;
    /// The framework's Text and Caption of a control are the label's text.
    void SetTextBuf(const std::string& Value) override { SetText(Value); }
    /// The label's text.
    std::string GetTextBuf() const override { return FText; }

private:
    bool Designing() const { return GetComponentState().Contains(vcl::csDesigning); }
    int Pitch() const { return FDotSize + FDotSpacing; }
    int FrameWidth() const;
    template <typename T>
    void StoreAndRepaint(T& Field, T Value);
    void ReadjustAfterLayoutChange();
    // Moves one offset by Step; past Limit a looping scroll restarts at Restart.
    void ScrollStep(int& Offset, int Step, std::int64_t Limit, bool Beyond, std::int64_t Restart);

    // painting (RasterLabPaint.cpp)
    void PaintGround(vcl::TCanvas* C, int W, int H);
    void PaintDotGrid(vcl::TCanvas* C, int W, int H);
    void PaintText(vcl::TCanvas* C);
    void PaintFrame(vcl::TCanvas* C, int W, int H);

    bool FAutoCenter = false;
    bool FAutoHeight = false;
    TRDBlockMode FCharBlockMode = rdbmOn;
    TColor FColorDotOn = 0x00FF00;
    TColor FColorDotOff = 0x404040;
    TColor FColorLabBakG = vcl::clBlack;
    TColorScheme FColorScheme = schFixed;
    int FDotSize = 3;
    int FDotSpacing = 1;
    // The factor ScaleBy has applied (FScaleM / FScaleD): the dots grow by it, so the bit
    // font is cut from the font at the unscaled size and keeps its rows of dots.
    int FScaleM = 1;
    int FScaleD = 1;
    TFrameStyle FFrameStyle = frSunken;
    int FPosX = 1;
    int FPosY = 1;
    bool FProportional = true;
    TRDScrollMode FScrollMode = rdsmOff;
    int FScrollInterval = 100;
    int FScrollIncrement = 1;
    bool FScrollLoop = true;
    std::string FText = "Text";

    TRDCharMatrix FCMat;
    int FScrollPosX = 0;
    int FScrollPosY = 0;
    std::unique_ptr<TComponentTimer> FScrTimerHandle;
    bool FScrTimerEnabled = false;
    int FTextBitLength = 0;
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    // The off-screen picture, kept between paints so that scrolling does not allocate.
    std::unique_ptr<vcl::TBitmap> FBuffer;
};

}  // namespace zyn
