// TProgBar: a bar whose length shows a value between a minimum and a maximum, inside
// margins and two frames, in one colour or with a colour gradient mapped in one of three
// ways, with optional grid lines, a background image and a rotated value text. A timer can
// increase the value on its own: once after a start interval, then at every repeat
// interval.
//
// The colour table, the bar geometry and the gradient mappings live in ProgBarLayout.cpp
// (no canvas), the setters and the timer in Zyn_ProgBar.cpp, the picture in
// ProgBarPaint.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

// How the colour table spreads over the bar: the gradient spans the whole inner area and
// the bar uncovers it; the whole gradient is stretched over the bar; the gradient ends at
// the bar's tip and moves with it.
enum TColorMapping : std::uint8_t { cgmCover, cgmStretch, cgmMove };

// May change the value text before it is drawn.
using TBeforeShowValueEvent = std::function<void(vcl::TObject* Sender, std::string& ValueText)>;

class EZynProgBar : public EZynError {
public:
    using EZynError::EZynError;
};

// ---- colour table and geometry ----------------------------------------------------------

inline constexpr int BarColorCount = 1024;
inline constexpr int BarColorLast = BarColorCount - 1;
using TBarColorArray = std::array<TColor, BarColorCount>;

// The colour at fraction X (clamped to 0..1) between A and B: each of red, green and blue
// is a + (b - a) * X truncated towards zero (system colours resolved first).
TColor InterpolateColor(TColor A, TColor B, double X);
// Entries 1..1022 as the interpolation between entries 0 and 1023 at fraction i / 1023.
void FillBarColors(TBarColorArray& Colors);

// Pixels of a bar Length pixels long (a row or column per pixel, 0 at the bar's base) take
// the table entry GradientIndex(...) over an inner area Inner pixels long.
int GradientIndex(TColorMapping Mapping, int K, int Length, int Inner);

// Length in pixels of the bar over an inner area Inner pixels long: Round(Inner * f) for
// f = (Value - Min) / (Max - Min), kept within 0..Inner for drawing. Max = Min, or a
// fraction that is not a number, give an empty bar.
int BarLength(double Value, double Min, double Max, int Inner);

// Where the value text goes: the text position is the left-middle, right-middle or centre
// point of the text rotated by Angle degrees; the result is the reference point (top-left
// of the unrotated text cell) to draw it at.
vcl::TPoint ValueTextOrigin(vcl::TAlignment Alignment, int PosX, int PosY, int TextWidth, int TextHeight,
                            int Angle);

// The value text: fixed point with Decimals (0..10) decimals; -1 the exponent form with two
// exponent digits; -2 the runtime's exponent form with four.
std::string ProgBarValueText(double Value, int Decimals);

// ---- the bar ----------------------------------------------------------------------------
/// TProgBar: a bar whose length shows a value between a minimum and a maximum, inside
/// margins and two frames, in one colour or with a colour gradient mapped in one of three
/// ways, with optional grid lines, a background image and a rotated value text. A timer can
/// increase the value on its own: once after a start interval, then at every repeat
/// interval.
class TProgBar : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TProgBar(vcl::TComponent* AOwner);
    ~TProgBar() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TProgBar"; }

    /// Copies the look, the range, the value and OnShowValue of another bar; the automatic
    /// increment settings and OnAutoInc stay.
    void Assign(vcl::TPersistent* Source) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;

    // ---- properties
    /// Whether a timer raises Value by AutoIncStep, first after StartInterval and then every
    /// RepeatInterval (past Max too); default false.
    bool GetAutoInc() const { return FAutoInc; }
    /// Starts (true, from the start interval) or stops the automatic increment when it changes.
    /// Raises EZynProgBar ("no timer available") when no timer can be started.
    void SetAutoInc(bool Value);
    /// Amount each automatic increment adds to Value; default 1.
    double GetAutoIncStep() const { return FAutoIncStep; }
    /// Sets the increment step; 0 is ignored. Nothing is repainted.
    void SetAutoIncStep(double Value);
    /// File name of a bitmap stretched over the inner area behind the bar; empty by default.
    const std::string& GetBackGroundImg() const { return FBackGroundImg; }
    /// Loads the bitmap file and stores its name; a file that cannot be loaded is ignored (the old
    /// name stays); an empty name removes the image. Repaints.
    void SetBackGroundImg(const std::string& Value);
    /// Colour of the inner area the bar does not cover; default silver (0xC0C0C0).
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    /// Sets the inner area colour; repaints when it differs.
    void SetColorBackGnd(TColor Value);
    /// Colour of the grid lines (see GridDist); default black.
    TColor GetColorGrid() const { return FColorGrid; }
    /// Sets the grid colour; repaints when it differs.
    void SetColorGrid(TColor Value);
    /// How the gradient maps onto the bar: cgmCover (spans the whole inner area, the bar uncovers
    /// it), cgmStretch (default: stretched over the bar's length) or cgmMove (ends at the tip).
    TColorMapping GetColorMapMode() const { return FColorMapMode; }
    /// Sets the gradient mapping; repaints when it differs.
    void SetColorMapMode(TColorMapping Value);
    /// Colour of the margins round the inner area; default silver.
    TColor GetColorMargin() const { return FColorMargin; }
    /// Sets the margin colour; repaints when it differs.
    void SetColorMargin(TColor Value);
    /// Colour at the far end of the gradient (last entry of the colour table); default red (255).
    TColor GetColorMax() const { return FBarColors[BarColorLast]; }
    /// Sets the gradient's end colour and recomputes the table between ColorMin and it; repaints.
    void SetColorMax(TColor Value);
    /// Colour of a plain bar and the start of the gradient (first table entry); default blue
    /// (0xFF0000).
    TColor GetColorMin() const { return FBarColors[0]; }
    /// Sets the bar's start colour and recomputes the table between it and ColorMax; repaints.
    void SetColorMin(TColor Value);
    /// Line colours of the frames: ordinal 0 (default) fixed gray and white, any other the system's
    /// shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Where the bar grows: dirUp, dirDown, dirLeft or dirRight (default).
    TDirection GetDirection() const { return FDirection; }
    /// Sets the growing direction; repaints when it differs.
    void SetDirection(TDirection Value);
    /// Frame round the inner area, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyleInner() const { return FFrameStyleInner; }
    /// Sets the inner frame; repaints when it differs.
    void SetFrameStyleInner(TFrameStyle Value);
    /// Frame round the whole control, ordinals 0 (none) to 5; default 3.
    TFrameStyle GetFrameStyleOuter() const { return FFrameStyleOuter; }
    /// Sets the outer frame; repaints when it differs.
    void SetFrameStyleOuter(TFrameStyle Value);
    /// Distance in pixels between grid lines across the bar; 0 (default) or 1 draws none.
    int GetGridDist() const { return FGridDist; }
    /// Sets the grid distance; repaints when it differs.
    void SetGridDist(int Value);
    /// Width in pixels of the left margin; default 4.
    int GetMarginLeft() const { return FMarginLeft; }
    /// Sets the left margin; repaints when it differs.
    void SetMarginLeft(int Value);
    /// Width in pixels of the right margin; default 4.
    int GetMarginRight() const { return FMarginRight; }
    /// Sets the right margin; repaints when it differs.
    void SetMarginRight(int Value);
    /// Height in pixels of the top margin; default 4.
    int GetMarginTop() const { return FMarginTop; }
    /// Sets the top margin; repaints when it differs.
    void SetMarginTop(int Value);
    /// Height in pixels of the bottom margin; default 4.
    int GetMarginBottom() const { return FMarginBottom; }
    /// Sets the bottom margin; repaints when it differs.
    void SetMarginBottom(int Value);
    /// Value of a full bar; default 100.
    double GetMax() const { return FMax; }
    /// Sets the full-bar value (its order with Min is not checked; see SetRange); repaints when it
    /// differs.
    void SetMax(double Value);
    /// Value of an empty bar; default 0.
    double GetMin() const { return FMin; }
    /// Sets the empty-bar value (its order with Max is not checked; see SetRange); repaints when it
    /// differs.
    void SetMin(double Value);
    /// Milliseconds between automatic increments after the first one; default 700.
    int GetRepeatInterval() const { return FRepeatInterval; }
    /// Sets the repeat interval (below 10 becomes 10); when it changes, a running timer restarts
    /// with it.
    void SetRepeatInterval(int Value);
    /// Whether the bar is drawn as a gradient from ColorMin to ColorMax (else plain ColorMin);
    /// default false.
    bool GetShowColorGradient() const { return FShowColorGradient; }
    /// Switches the gradient; repaints when it differs.
    void SetShowColorGradient(bool Value);
    /// Milliseconds before the first automatic increment; default 1500.
    int GetStartInterval() const { return FStartInterval; }
    /// Sets the start interval (below 10 becomes 10); when it changes, a running timer starts over
    /// with it.
    void SetStartInterval(int Value);
    /// Which point of the value text sits at (TextPosX, TextPosY): left middle, right middle or
    /// centre (default taCenter).
    vcl::TAlignment GetTextAlignment() const { return FTextAlignment; }
    /// Sets the text alignment; repaints when it differs.
    void SetTextAlignment(vcl::TAlignment Value);
    /// Rotation of the value text in degrees, counter-clockwise, 0..360; default 0.
    int GetTextAngle() const { return FTextAngle; }
    /// Sets the text angle, clamped to 0..360; repaints.
    void SetTextAngle(int Value);
    /// Decimals of the value text, 0..10; -1 exponent form with two exponent digits, -2 with four;
    /// default 0.
    int GetTextDecPlaces() const { return FTextDecPlaces; }
    /// Sets the text decimals, clamped to -2..10; repaints.
    void SetTextDecPlaces(int Value);
    /// x in pixels of the value text's anchor point; default 14.
    int GetTextPosX() const { return FTextPosX; }
    /// Sets the text x, clamped to 0..Width; repaints.
    void SetTextPosX(int Value);
    /// y in pixels of the value text's anchor point; default 14.
    int GetTextPosY() const { return FTextPosY; }
    /// Sets the text y, clamped to 0..Height; repaints.
    void SetTextPosY(int Value);
    /// Whether the value text is drawn over the bar (OnShowValue may change it); default true.
    bool GetTextVisible() const { return FTextVisible; }
    /// Shows or hides the value text; repaints.
    void SetTextVisible(bool Value);
    /// The value the bar shows: its length is (Value - Min) / (Max - Min) of the inner area (not
    /// clamped); default 10.
    double GetValue() const { return FValue; }
    /// Sets the value; repaints when it differs.
    void SetValue(double Value);

    /// Entries of the colour table, 0 (ColorMin) to 1023 (ColorMax); writing one does not
    /// recompute the others. Indexes outside 0..1023 read as black and are not written.
    TColor GetBarColorElem(int Index) const;
    /// Sets one entry of the colour table (0..1023); the other entries stay. Repaints.
    void SetBarColorElem(int Index, TColor Value);

    // ---- public methods
    /// Min becomes the smaller and Max the larger of the two.
    void SetRange(double AMin, double AMax);
    /// Whether the automatic increment timer runs, and whether it waits for its first tick.
    bool IsTimerRunning() const { return FTimer->IsRunning(); }
    /// Whether the automatic increment still waits for its first tick (the start interval).
    bool IsStartPhase() const { return FIsStart; }

    // ---- events
    /// Called after each automatic increment, once the value has grown and the bar repainted. An
    /// exception from it goes to the application's handler; the timer keeps running. Empty: none.
    const vcl::TNotifyEvent& GetOnAutoInc() const { return FOnAutoInc; }
    /// Installs the handler called after each automatic increment; outside design time this also
    /// restarts the timer in its repeat phase. An empty function removes it.
    void SetOnAutoInc(vcl::TNotifyEvent Value);
    /// Called on each paint while TextVisible, with the value text as TextDecPlaces formats it; the
    /// handler may replace it before it is drawn. Empty: none.
    const TBeforeShowValueEvent& GetOnShowValue() const { return FOnShowValue; }
    /// Installs the handler that may replace the value text; an empty function removes it.
    void SetOnShowValue(TBeforeShowValueEvent Value) { FOnShowValue = std::move(Value); }

    /// Draws background, bar, frames and value text (after OnShowValue) off screen and shows them.
    void Paint() override;

protected:
    /// ScaleBy at M/D: margins, grid distance and the text position scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called after each automatic increment; empty: none.
    vcl::TNotifyEvent FOnAutoInc;
    /// The handler that may replace the value text; empty: none.
    TBeforeShowValueEvent FOnShowValue;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// One tick of the timer: leaves the start phase, adds the step, repaints, reports.
    virtual void DoTimer();
    /// Calls the OnAutoInc handler, if any.
    void AutoIncEvent();
    /// Restarts the timer in its start phase (StartInterval).
    void InitTimer();
    /// Restarts the timer in its repeat phase (RepeatInterval).
    void UpdateTimer();

private:
    bool Loading() const { return GetComponentState().Contains(vcl::csLoading); }
    bool Designing() const { return GetComponentState().Contains(vcl::csDesigning); }
    template <typename T>
    void StoreAndPaint(T& Field, T Value);
    void ColorsChanged();

    // painting (ProgBarPaint.cpp)
    void PaintBackground(vcl::TCanvas* C);
    void PaintBar(vcl::TCanvas* C, const vcl::TRect& Held);
    struct TLineSpan {
        std::int64_t First, Last;
    };
    TLineSpan ShownLines(const vcl::TRect& Held) const;
    void PaintGradient(int Length, int Inner, const vcl::TRect& Held);
    void PaintFrame(vcl::TCanvas* C, TFrameStyle Style, int L, int T, int R, int B);
    void PaintValueText(vcl::TCanvas* C);

    bool FAutoInc = false;
    double FAutoIncStep = 1.0;
    std::string FBackGroundImg;
    TColor FColorBackGnd = vcl::clSilver;
    TColor FColorGrid = vcl::clBlack;
    TColorMapping FColorMapMode = cgmStretch;
    TColor FColorMargin = vcl::clSilver;
    TColorScheme FColorScheme = schFixed;
    TDirection FDirection = dirRight;
    TFrameStyle FFrameStyleInner = frSunken;
    TFrameStyle FFrameStyleOuter = frRaised;
    int FGridDist = 0;
    int FMarginLeft = 4;
    int FMarginRight = 4;
    int FMarginTop = 4;
    int FMarginBottom = 4;
    double FMax = 100.0;
    double FMin = 0.0;
    int FRepeatInterval = 700;
    bool FShowColorGradient = false;
    int FStartInterval = 1500;
    vcl::TAlignment FTextAlignment = vcl::taCenter;
    int FTextAngle = 0;
    int FTextDecPlaces = 0;
    int FTextPosX = 14;
    int FTextPosY = 14;
    bool FTextVisible = true;
    double FValue = 10.0;

    TBarColorArray FBarColors{};   // entry 0 ColorMin (blue), entry 1023 ColorMax (red)
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    bool FIsStart = false;
    std::unique_ptr<TComponentTimer> FTimer;
    std::unique_ptr<vcl::TBitmap> FAuxBmp;          // the background image
    std::unique_ptr<vcl::TBitmap> FPicture;         // the off-screen picture, kept between paints
    std::unique_ptr<vcl::TFont> FTextFont;          // the control's font, rotated
    std::string FText;                              // the value text, reused by every paint
    std::vector<std::uint32_t> FLineValues;         // pixel values of the gradient's shown columns
};

}  // namespace zyn
