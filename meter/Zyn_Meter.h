// TMeter: an analog panel meter with a circular scale of 90 to 360 degrees, a primary and a
// secondary needle, limit thresholds with warning lamps, a coloured scale band, tick labels,
// a caption, a background image and an anchor (hub) image. TNeedleLayout describes the look
// of one needle.
//
// The model (range rules, events) lives in Zyn_Meter.cpp, the geometry, the value/angle/pixel
// mappings and the tick computation in MeterScale.cpp, the picture in MeterPaint.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

enum TMeterLayout : std::uint8_t { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

using TMouseMoveInMeterEvent =
    std::function<void(vcl::TObject* Sender, bool WithinRange, vcl::TShiftState Shift, double MeterValue)>;
using TmtBeforeDrawScaleLabelEvent = std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas,
                                                        std::string& CurrentTickLabel, int ChartX, int ChartY)>;
using TBeforeDrawNeedleEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, bool& NeedleDrawn)>;
using TMeterRenderedEvent = std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas)>;

// ---- needle look ------------------------------------------------------------------------
class TNeedleLayout : public vcl::TPersistent {
public:
    TNeedleLayout() = default;
    std::string ClassName() const override { return "TNeedleLayout"; }
    // Copies all eleven settings (not OnChange) from another needle layout, then Changed.
    void Assign(vcl::TPersistent* Source) override;

    TColor GetColorBody() const { return FColorBody; }
    void SetColorBody(TColor Value);
    TColor GetColorOutline() const { return FColorOutline; }
    void SetColorOutline(TColor Value);
    int GetHeadSize() const { return FHeadSize; }
    void SetHeadSize(int Value);
    int GetThickness() const { return FThickness; }
    void SetThickness(int Value);
    int GetPercentNeedleLength() const { return FPercentNeedleLength; }
    void SetPercentNeedleLength(int Value);   // clamped to 0..100 before comparing
    int GetHeadAngle() const { return FHeadAngle; }
    void SetHeadAngle(int Value);             // clamped to 0..180
    int GetHeadMidLeng() const { return FHeadMidLeng; }
    void SetHeadMidLeng(int Value);
    int GetShadowDx() const { return FShadowDx; }
    void SetShadowDx(int Value);
    int GetShadowDy() const { return FShadowDy; }
    void SetShadowDy(int Value);
    TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);

    // Called by every setter after a change; the owning meter repaints through it.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    vcl::TNotifyEvent FOnChange;

    void AssignTo(vcl::TPersistent* Dest) override;
    void Changed();

private:
    template <typename T>
    void Store(T& Field, T Value);

    TColor FColorBody = vcl::clSilver;
    TColor FColorOutline = vcl::clBlack;
    int FHeadSize = 20;
    int FThickness = 0;
    int FPercentNeedleLength = 100;
    int FHeadAngle = 30;
    int FHeadMidLeng = 20;
    int FShadowDx = 0;
    int FShadowDy = 0;
    TColor FShadowColor = vcl::clGray;
    bool FVisible = true;
};

// rnd(x): the nearest integer, ties to even. Values beyond the int range saturate and a NaN
// gives 0, so a coordinate far off the control never becomes undefined behaviour.
int MeterRound(double X);

// ---- scale ticks ------------------------------------------------------------------------

// Result of the tick-step algorithm: the first major tick, the major step and the number
// of minor intervals per major step.
struct TMeterTickStep {
    double First = 0.0;
    double Step = 0.0;
    int NSub = 1;
};
TMeterTickStep CalcMeterTickStep(int NrTicks, double MinValue, double MaxValue);

struct TMeterMajorTick {
    double Value;
    bool Labelled;
};

// Every tick of a scale. The vectors are reused from one computation to the next, so a
// repaint allocates nothing once they have grown to size.
struct TMeterTicks {
    std::vector<TMeterMajorTick> Major;
    std::vector<double> Minor;
    void Compute(int NrTicks, double MinValue, double MaxValue, bool Logarithmic);
};

// Tick label text: fixed point with DecPlaces decimals, "." whatever the locale, no
// thousands separators. Writes into Buffer (at least 352 chars) and returns the length.
int FormatMeterLabel(double Value, int DecPlaces, char* Buffer, int BufferSize);
std::string MeterLabelText(double Value, int DecPlaces);

// ---- the meter --------------------------------------------------------------------------
class TMeter : public vcl::TGraphicControl {
public:
    explicit TMeter(vcl::TComponent* AOwner);
    ~TMeter() override;
    std::string ClassName() const override { return "TMeter"; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;

    // Maps a client pixel to a value; false (and 0) outside the scale's sweep.
    bool ConvertPixelToValue(int X, int Y, double& MeterValue) const;
    // The pixel at PctRadius percent of R on the ray of Value (clamped to the range).
    void ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const;
    // Meter angle of a value: 180 - A/2 at the minimum, 180 + A/2 at the maximum.
    double CalcNeedleAngle(double Value) const;

    // ---- properties
    int GetAnchorSize() const { return FAnchorSize; }
    void SetAnchorSize(int Value);
    bool GetAnchorCovered() const { return FAnchorCovered; }
    void SetAnchorCovered(bool Value);
    const std::string& GetAnchorImage() const { return FAnchorImage; }
    void SetAnchorImage(const std::string& Value);
    const std::string& GetBackGroundImg() const { return FBackGroundImg; }
    void SetBackGroundImg(const std::string& Value);
    TBkgFill GetBkgndFillMode() const { return FBkgndFillMode; }
    void SetBkgndFillMode(TBkgFill Value);
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor GetColorBakG() const { return FColorBakG; }
    void SetColorBakG(TColor Value);
    TColor GetColorCover() const { return FColorCover; }
    void SetColorCover(TColor Value);
    TColor GetColorScale() const { return FColorScale; }
    void SetColorScale(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    TColor GetColorSclBkLow() const { return FColorSclBkLow; }
    void SetColorSclBkLow(TColor Value);
    TColor GetColorSclBkNorm() const { return FColorSclBkNorm; }
    void SetColorSclBkNorm(TColor Value);
    TColor GetColorSclBkHigh() const { return FColorSclBkHigh; }
    void SetColorSclBkHigh(TColor Value);
    vcl::TFont* GetFontCaption() const { return FFontCaption.get(); }
    void SetFontCaption(vcl::TFont* Value);
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    bool GetLimWatchHighOn() const { return FLimWatchHighOn; }
    void SetLimWatchHighOn(bool Value);
    bool GetLimWatchLowOn() const { return FLimWatchLowOn; }
    void SetLimWatchLowOn(bool Value);
    TColor GetLimWatchActColor() const { return FLimWatchActColor; }
    void SetLimWatchActColor(TColor Value);
    TColor GetLimWatchPsvColor() const { return FLimWatchPsvColor; }
    void SetLimWatchPsvColor(TColor Value);
    bool GetLogarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool Value);
    double GetThresholdLow() const { return FThresholdLow; }
    void SetThresholdLow(double Value);
    double GetThresholdHigh() const { return FThresholdHigh; }
    void SetThresholdHigh(double Value);
    double GetMeterMinValue() const { return FMeterMinValue; }
    void SetMeterMinValue(double Value);
    double GetMeterMaxValue() const { return FMeterMaxValue; }
    void SetMeterMaxValue(double Value);
    int GetMeterDecPlaces() const { return FMeterDecPlaces; }
    void SetMeterDecPlaces(int Value);
    int GetMeterNrTicks() const { return FMeterNrTicks; }
    void SetMeterNrTicks(int Value);
    TMeterLayout GetMeterLayout() const { return FMeterLayout; }
    void SetMeterLayout(TMeterLayout Value);
    bool GetMeterShortTicks() const { return FMeterShortTicks; }
    void SetMeterShortTicks(bool Value);
    bool GetMeterScaleLine() const { return FMeterScaleLine; }
    void SetMeterScaleLine(bool Value);
    TNeedleLayout* GetNeedleLayout() const { return FNeedleLayout.get(); }
    void SetNeedleLayout(TNeedleLayout* Value);
    TNeedleLayout* GetNeedleLayoutSec() const { return FNeedleLayoutSec.get(); }
    void SetNeedleLayoutSec(TNeedleLayout* Value);
    int GetRimBottom() const { return FRimBottom; }
    void SetRimBottom(int Value);
    int GetRimTop() const { return FRimTop; }
    void SetRimTop(int Value);
    int GetRimSide() const { return FRimSide; }
    void SetRimSide(int Value);
    double GetScaleBkWidth() const { return FScaleBkWidth; }
    void SetScaleBkWidth(double Value);
    bool GetScaleBkVisible() const { return FScaleBkVisible; }
    void SetScaleBkVisible(bool Value);
    bool GetScaleVisible() const { return FScaleVisible; }
    void SetScaleVisible(bool Value);
    double GetValue() const { return FValue; }
    void SetValue(double Value);
    double GetValueSec() const { return FValueSec; }
    void SetValueSec(double Value);

    // The range flags that drive the lamps, and the derived geometry (read-only views).
    bool GetOverflowFlag() const { return FOverflowFlag; }
    bool GetUnderflowFlag() const { return FUnderflowFlag; }
    int GetSweepAngle() const { return FSweepAngle; }
    double GetRadius() const { return FRadius; }
    int GetCenterX() const { return FCenterX; }
    int GetCenterY() const { return FCenterY; }
    // The label texts and ticks of the current range (computed on demand).
    const TMeterTicks& Ticks();

    // ---- events
    const vcl::TNotifyEvent& GetOnOverFlow() const { return FOnOverFlow; }
    void SetOnOverFlow(vcl::TNotifyEvent Value) { FOnOverFlow = std::move(Value); }
    const vcl::TNotifyEvent& GetOnUnderFlow() const { return FOnUnderFlow; }
    void SetOnUnderFlow(vcl::TNotifyEvent Value) { FOnUnderFlow = std::move(Value); }
    const vcl::TNotifyEvent& GetOnNormalRange() const { return FOnNormalRange; }
    void SetOnNormalRange(vcl::TNotifyEvent Value) { FOnNormalRange = std::move(Value); }
    const TMouseMoveInMeterEvent& GetOnMouseMoveInMeter() const { return FOnMouseMoveInMeter; }
    void SetOnMouseMoveInMeter(TMouseMoveInMeterEvent Value) { FOnMouseMoveInMeter = std::move(Value); }
    const TmtBeforeDrawScaleLabelEvent& GetOnBeforeDrawScaleLabel() const { return FOnBeforeDrawScaleLabel; }
    void SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value) { FOnBeforeDrawScaleLabel = std::move(Value); }
    const TBeforeDrawNeedleEvent& GetOnBeforeDrawNeedle() const { return FOnBeforeDrawNeedle; }
    void SetOnBeforeDrawNeedle(TBeforeDrawNeedleEvent Value) { FOnBeforeDrawNeedle = std::move(Value); }
    const TMeterRenderedEvent& GetOnMeterRendered() const { return FOnMeterRendered; }
    void SetOnMeterRendered(TMeterRenderedEvent Value) { FOnMeterRendered = std::move(Value); }

    void Paint() override;

protected:
    vcl::TNotifyEvent FOnOverFlow;
    vcl::TNotifyEvent FOnUnderFlow;
    vcl::TNotifyEvent FOnNormalRange;
    TMouseMoveInMeterEvent FOnMouseMoveInMeter;
    TmtBeforeDrawScaleLabelEvent FOnBeforeDrawScaleLabel;
    TBeforeDrawNeedleEvent FOnBeforeDrawNeedle;
    TMeterRenderedEvent FOnMeterRendered;

    void CalcMeterLayoutParams();
    void StyleChanged(vcl::TObject* Sender);
    void DoOverFlowEvent();
    void DoUnderFlowEvent();
    void DoNormalRangeEvent();
    void MouseMoveInMeter(bool WithinRange, vcl::TShiftState Shift, double MeterValue);
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;

private:
    bool Loading() const { return GetComponentState().Contains(vcl::csLoading); }
    double Fraction(double V) const;        // u(v)
    double ModelAngle(double V) const;      // θ(v), degrees
    void ClampAll(double Lo, double Hi);
    void LoadBackground();
    void LoadAnchor();
    template <typename T>
    void StoreAndPaint(T& Field, T Value);

    // painting (MeterPaint.cpp)
    void Render(vcl::TCanvas* C);
    void PaintBackground(vcl::TCanvas* C);
    void PaintScaleBand(vcl::TCanvas* C, double ThLow, double ThHigh);
    void PaintScale(vcl::TCanvas* C);
    void PaintNeedle(vcl::TCanvas* C, const TNeedleLayout& N, double V);
    void PaintCoverAndAnchor(vcl::TCanvas* C);
    int AnchorRadius(int W, int H) const;
    void PaintLamps(vcl::TCanvas* C);
    void PaintFrame(vcl::TCanvas* C);

    int FAnchorSize = 24;
    bool FAnchorCovered = true;
    std::string FAnchorImage;
    std::string FBackGroundImg;
    TBkgFill FBkgndFillMode = bfTopLeft;
    std::string FCaption;
    TColor FColorBakG = vcl::clWhite;
    TColor FColorCover = vcl::clBtnFace;
    TColor FColorScale = vcl::clNavy;
    TColorScheme FColorScheme = schFixed;
    TColor FColorSclBkLow = vcl::clLime;
    TColor FColorSclBkNorm = 0x0080FF;
    TColor FColorSclBkHigh = vcl::clRed;
    std::unique_ptr<vcl::TFont> FFontCaption;
    TFrameStyle FFrameStyle = frRaised;
    bool FLimWatchHighOn = true;
    bool FLimWatchLowOn = true;
    TColor FLimWatchActColor = vcl::clRed;
    TColor FLimWatchPsvColor = vcl::clGray;
    bool FLogarithmic = false;
    double FThresholdLow = 0.0;
    double FThresholdHigh = 1.0;
    double FMeterMinValue = 0.0;
    double FMeterMaxValue = 1.0;
    int FMeterDecPlaces = 1;
    int FMeterNrTicks = 3;
    TMeterLayout FMeterLayout = mlCirc90;
    bool FMeterShortTicks = true;
    bool FMeterScaleLine = true;
    std::unique_ptr<TNeedleLayout> FNeedleLayout;
    std::unique_ptr<TNeedleLayout> FNeedleLayoutSec;
    int FRimBottom = 0;
    int FRimTop = 0;
    int FRimSide = 0;
    double FScaleBkWidth = 0.0;
    bool FScaleBkVisible = false;
    bool FScaleVisible = true;
    double FValue = 0.0;
    double FValueSec = 0.0;

    bool FOverflowFlag = false;
    bool FUnderflowFlag = false;
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    int FSweepAngle = 90;
    double FRadius = 0.0;
    int FCenterX = 0;
    int FCenterY = 0;

    std::unique_ptr<vcl::TBitmap> FBkgImage;
    std::unique_ptr<vcl::TBitmap> FAnchorBmp;
    std::unique_ptr<vcl::TBitmap> FAnchorMask;
    TMeterTicks FTicks;
    std::string FLabel;   // reused label text while painting
};

}  // namespace zyn
