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
    /// The AutoInc property.
    bool GetAutoInc() const { return FAutoInc; }
    /// Sets the AutoInc property.
    void SetAutoInc(bool Value);
    /// The AutoIncStep property.
    double GetAutoIncStep() const { return FAutoIncStep; }
    /// Sets the AutoIncStep property.
    void SetAutoIncStep(double Value);
    /// The BackGroundImg property.
    const std::string& GetBackGroundImg() const { return FBackGroundImg; }
    /// Sets the BackGroundImg property.
    void SetBackGroundImg(const std::string& Value);
    /// The ColorBackGnd property.
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    /// Sets the ColorBackGnd property.
    void SetColorBackGnd(TColor Value);
    /// The ColorGrid property.
    TColor GetColorGrid() const { return FColorGrid; }
    /// Sets the ColorGrid property.
    void SetColorGrid(TColor Value);
    /// The ColorMapMode property.
    TColorMapping GetColorMapMode() const { return FColorMapMode; }
    /// Sets the ColorMapMode property.
    void SetColorMapMode(TColorMapping Value);
    /// The ColorMargin property.
    TColor GetColorMargin() const { return FColorMargin; }
    /// Sets the ColorMargin property.
    void SetColorMargin(TColor Value);
    /// The ColorMax property.
    TColor GetColorMax() const { return FBarColors[BarColorLast]; }
    /// Sets the ColorMax property.
    void SetColorMax(TColor Value);
    /// The ColorMin property.
    TColor GetColorMin() const { return FBarColors[0]; }
    /// Sets the ColorMin property.
    void SetColorMin(TColor Value);
    /// The ColorScheme property.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the ColorScheme property.
    void SetColorScheme(TColorScheme Value);
    /// The Direction property.
    TDirection GetDirection() const { return FDirection; }
    /// Sets the Direction property.
    void SetDirection(TDirection Value);
    /// The FrameStyleInner property.
    TFrameStyle GetFrameStyleInner() const { return FFrameStyleInner; }
    /// Sets the FrameStyleInner property.
    void SetFrameStyleInner(TFrameStyle Value);
    /// The FrameStyleOuter property.
    TFrameStyle GetFrameStyleOuter() const { return FFrameStyleOuter; }
    /// Sets the FrameStyleOuter property.
    void SetFrameStyleOuter(TFrameStyle Value);
    /// The GridDist property.
    int GetGridDist() const { return FGridDist; }
    /// Sets the GridDist property.
    void SetGridDist(int Value);
    /// The MarginLeft property.
    int GetMarginLeft() const { return FMarginLeft; }
    /// Sets the MarginLeft property.
    void SetMarginLeft(int Value);
    /// The MarginRight property.
    int GetMarginRight() const { return FMarginRight; }
    /// Sets the MarginRight property.
    void SetMarginRight(int Value);
    /// The MarginTop property.
    int GetMarginTop() const { return FMarginTop; }
    /// Sets the MarginTop property.
    void SetMarginTop(int Value);
    /// The MarginBottom property.
    int GetMarginBottom() const { return FMarginBottom; }
    /// Sets the MarginBottom property.
    void SetMarginBottom(int Value);
    /// The Max property.
    double GetMax() const { return FMax; }
    /// Sets the Max property.
    void SetMax(double Value);
    /// The Min property.
    double GetMin() const { return FMin; }
    /// Sets the Min property.
    void SetMin(double Value);
    /// The RepeatInterval property.
    int GetRepeatInterval() const { return FRepeatInterval; }
    /// Sets the RepeatInterval property.
    void SetRepeatInterval(int Value);
    /// The ShowColorGradient property.
    bool GetShowColorGradient() const { return FShowColorGradient; }
    /// Sets the ShowColorGradient property.
    void SetShowColorGradient(bool Value);
    /// The StartInterval property.
    int GetStartInterval() const { return FStartInterval; }
    /// Sets the StartInterval property.
    void SetStartInterval(int Value);
    /// The TextAlignment property.
    vcl::TAlignment GetTextAlignment() const { return FTextAlignment; }
    /// Sets the TextAlignment property.
    void SetTextAlignment(vcl::TAlignment Value);
    /// The TextAngle property.
    int GetTextAngle() const { return FTextAngle; }
    /// Sets the TextAngle property.
    void SetTextAngle(int Value);
    /// The TextDecPlaces property.
    int GetTextDecPlaces() const { return FTextDecPlaces; }
    /// Sets the TextDecPlaces property.
    void SetTextDecPlaces(int Value);
    /// The TextPosX property.
    int GetTextPosX() const { return FTextPosX; }
    /// Sets the TextPosX property.
    void SetTextPosX(int Value);
    /// The TextPosY property.
    int GetTextPosY() const { return FTextPosY; }
    /// Sets the TextPosY property.
    void SetTextPosY(int Value);
    /// The TextVisible property.
    bool GetTextVisible() const { return FTextVisible; }
    /// Sets the TextVisible property.
    void SetTextVisible(bool Value);
    /// The Value property.
    double GetValue() const { return FValue; }
    /// Sets the Value property.
    void SetValue(double Value);

    /// Entries of the colour table, 0 (ColorMin) to 1023 (ColorMax); writing one does not
    /// recompute the others. Indexes outside 0..1023 read as black and are not written.
    TColor GetBarColorElem(int Index) const;
    /// Sets the BarColorElem property.
    void SetBarColorElem(int Index, TColor Value);

    // ---- public methods
    /// Min becomes the smaller and Max the larger of the two.
    void SetRange(double AMin, double AMax);
    /// Whether the automatic increment timer runs, and whether it waits for its first tick.
    bool IsTimerRunning() const { return FTimer->IsRunning(); }
    /// Whether the automatic increment still waits for its first tick (the start interval).
    bool IsStartPhase() const { return FIsStart; }

    // ---- events
    /// The handler of event OnAutoInc (empty: none).
    const vcl::TNotifyEvent& GetOnAutoInc() const { return FOnAutoInc; }
    /// Sets the handler of event OnAutoInc (an empty function removes it).
    void SetOnAutoInc(vcl::TNotifyEvent Value);
    /// The handler of event OnShowValue (empty: none).
    const TBeforeShowValueEvent& GetOnShowValue() const { return FOnShowValue; }
    /// Sets the handler of event OnShowValue (an empty function removes it).
    void SetOnShowValue(TBeforeShowValueEvent Value) { FOnShowValue = std::move(Value); }

    /// Draws the control.
    void Paint() override;

protected:
    /// The handler of event OnAutoInc.
    vcl::TNotifyEvent FOnAutoInc;
    /// The handler of event OnShowValue.
    TBeforeShowValueEvent FOnShowValue;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// One tick of the timer: leaves the start phase, adds the step, repaints, reports.
    virtual void DoTimer();
    /// Auto inc event.
    void AutoIncEvent();
    /// (Re)starts the timer in its start phase or in its repeat phase.
    void InitTimer();
    /// Update timer.
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
