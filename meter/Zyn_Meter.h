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
/// TNeedleLayout: see the component's page in docs/components/.
class TNeedleLayout : public vcl::TPersistent {
public:
    TNeedleLayout() = default;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNeedleLayout"; }
    /// Copies all eleven settings (not OnChange) from another needle layout, then Changed.
    void Assign(vcl::TPersistent* Source) override;

    /// The ColorBody property.
    TColor GetColorBody() const { return FColorBody; }
    /// Sets the ColorBody property.
    void SetColorBody(TColor Value);
    /// The ColorOutline property.
    TColor GetColorOutline() const { return FColorOutline; }
    /// Sets the ColorOutline property.
    void SetColorOutline(TColor Value);
    /// The HeadSize property.
    int GetHeadSize() const { return FHeadSize; }
    /// Sets the HeadSize property.
    void SetHeadSize(int Value);
    /// The Thickness property.
    int GetThickness() const { return FThickness; }
    /// Sets the Thickness property.
    void SetThickness(int Value);
    /// The PercentNeedleLength property.
    int GetPercentNeedleLength() const { return FPercentNeedleLength; }
    /// Sets the PercentNeedleLength property.
    void SetPercentNeedleLength(int Value);   // clamped to 0..100 before comparing
    /// The HeadAngle property.
    int GetHeadAngle() const { return FHeadAngle; }
    /// Sets the HeadAngle property.
    void SetHeadAngle(int Value);             // clamped to 0..180
    /// The HeadMidLeng property.
    int GetHeadMidLeng() const { return FHeadMidLeng; }
    /// Sets the HeadMidLeng property.
    void SetHeadMidLeng(int Value);
    /// The ShadowDx property.
    int GetShadowDx() const { return FShadowDx; }
    /// Sets the ShadowDx property.
    void SetShadowDx(int Value);
    /// The ShadowDy property.
    int GetShadowDy() const { return FShadowDy; }
    /// Sets the ShadowDy property.
    void SetShadowDy(int Value);
    /// The ShadowColor property.
    TColor GetShadowColor() const { return FShadowColor; }
    /// Sets the ShadowColor property.
    void SetShadowColor(TColor Value);
    /// The Visible property.
    bool GetVisible() const { return FVisible; }
    /// Sets the Visible property.
    void SetVisible(bool Value);

    /// Called by every setter after a change; the owning meter repaints through it.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Sets the handler of event OnChange (an empty function removes it).
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// The handler of event OnChange.
    vcl::TNotifyEvent FOnChange;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Changed.
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

/// Result of the tick-step algorithm: the first major tick, the major step and the number
/// of minor intervals per major step.
struct TMeterTickStep {
    /// The first.
    double First = 0.0;
    /// The step.
    double Step = 0.0;
    /// The nsub.
    int NSub = 1;
};
TMeterTickStep CalcMeterTickStep(int NrTicks, double MinValue, double MaxValue);

/// TMeterMajorTick: see the component's page in docs/components/.
struct TMeterMajorTick {
    /// The value.
    double Value;
    /// The labelled.
    bool Labelled;
};

/// Every tick of a scale. The vectors are reused from one computation to the next, so a
/// repaint allocates nothing once they have grown to size.
struct TMeterTicks {
    /// The major.
    std::vector<TMeterMajorTick> Major;
    /// The minor.
    std::vector<double> Minor;
    /// Compute.
    void Compute(int NrTicks, double MinValue, double MaxValue, bool Logarithmic);
};

// Tick label text: fixed point with DecPlaces decimals, "." whatever the locale, no
// thousands separators. Writes into Buffer (at least 352 chars) and returns the length.
int FormatMeterLabel(double Value, int DecPlaces, char* Buffer, int BufferSize);
std::string MeterLabelText(double Value, int DecPlaces);

// ---- the meter --------------------------------------------------------------------------
/// TMeter: an analog panel meter with a circular scale of 90 to 360 degrees, a primary and a
/// secondary needle, limit thresholds with warning lamps, a coloured scale band, tick labels,
/// a caption, a background image and an anchor (hub) image. TNeedleLayout describes the look
/// of one needle.
class TMeter : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TMeter(vcl::TComponent* AOwner);
    ~TMeter() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TMeter"; }

    /// Sets the Bounds property.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;

    /// Maps a client pixel to a value; false (and 0) outside the scale's sweep.
    bool ConvertPixelToValue(int X, int Y, double& MeterValue) const;
    /// The pixel at PctRadius percent of R on the ray of Value (clamped to the range).
    void ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const;
    /// Meter angle of a value: 180 - A/2 at the minimum, 180 + A/2 at the maximum.
    double CalcNeedleAngle(double Value) const;

    // ---- properties
    /// The AnchorSize property.
    int GetAnchorSize() const { return FAnchorSize; }
    /// Sets the AnchorSize property.
    void SetAnchorSize(int Value);
    /// The AnchorCovered property.
    bool GetAnchorCovered() const { return FAnchorCovered; }
    /// Sets the AnchorCovered property.
    void SetAnchorCovered(bool Value);
    /// The AnchorImage property.
    const std::string& GetAnchorImage() const { return FAnchorImage; }
    /// Sets the AnchorImage property.
    void SetAnchorImage(const std::string& Value);
    /// The BackGroundImg property.
    const std::string& GetBackGroundImg() const { return FBackGroundImg; }
    /// Sets the BackGroundImg property.
    void SetBackGroundImg(const std::string& Value);
    /// The BkgndFillMode property.
    TBkgFill GetBkgndFillMode() const { return FBkgndFillMode; }
    /// Sets the BkgndFillMode property.
    void SetBkgndFillMode(TBkgFill Value);
    /// The Caption property.
    const std::string& GetCaption() const { return FCaption; }
    /// Sets the Caption property.
    void SetCaption(const std::string& Value);
    /// The ColorBakG property.
    TColor GetColorBakG() const { return FColorBakG; }
    /// Sets the ColorBakG property.
    void SetColorBakG(TColor Value);
    /// The ColorCover property.
    TColor GetColorCover() const { return FColorCover; }
    /// Sets the ColorCover property.
    void SetColorCover(TColor Value);
    /// The ColorScale property.
    TColor GetColorScale() const { return FColorScale; }
    /// Sets the ColorScale property.
    void SetColorScale(TColor Value);
    /// The ColorScheme property.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the ColorScheme property.
    void SetColorScheme(TColorScheme Value);
    /// The ColorSclBkLow property.
    TColor GetColorSclBkLow() const { return FColorSclBkLow; }
    /// Sets the ColorSclBkLow property.
    void SetColorSclBkLow(TColor Value);
    /// The ColorSclBkNorm property.
    TColor GetColorSclBkNorm() const { return FColorSclBkNorm; }
    /// Sets the ColorSclBkNorm property.
    void SetColorSclBkNorm(TColor Value);
    /// The ColorSclBkHigh property.
    TColor GetColorSclBkHigh() const { return FColorSclBkHigh; }
    /// Sets the ColorSclBkHigh property.
    void SetColorSclBkHigh(TColor Value);
    /// The FontCaption property.
    vcl::TFont* GetFontCaption() const { return FFontCaption.get(); }
    /// Sets the FontCaption property.
    void SetFontCaption(vcl::TFont* Value);
    /// The FrameStyle property.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the FrameStyle property.
    void SetFrameStyle(TFrameStyle Value);
    /// The LimWatchHighOn property.
    bool GetLimWatchHighOn() const { return FLimWatchHighOn; }
    /// Sets the LimWatchHighOn property.
    void SetLimWatchHighOn(bool Value);
    /// The LimWatchLowOn property.
    bool GetLimWatchLowOn() const { return FLimWatchLowOn; }
    /// Sets the LimWatchLowOn property.
    void SetLimWatchLowOn(bool Value);
    /// The LimWatchActColor property.
    TColor GetLimWatchActColor() const { return FLimWatchActColor; }
    /// Sets the LimWatchActColor property.
    void SetLimWatchActColor(TColor Value);
    /// The LimWatchPsvColor property.
    TColor GetLimWatchPsvColor() const { return FLimWatchPsvColor; }
    /// Sets the LimWatchPsvColor property.
    void SetLimWatchPsvColor(TColor Value);
    /// The Logarithmic property.
    bool GetLogarithmic() const { return FLogarithmic; }
    /// Sets the Logarithmic property.
    void SetLogarithmic(bool Value);
    /// The ThresholdLow property.
    double GetThresholdLow() const { return FThresholdLow; }
    /// Sets the ThresholdLow property.
    void SetThresholdLow(double Value);
    /// The ThresholdHigh property.
    double GetThresholdHigh() const { return FThresholdHigh; }
    /// Sets the ThresholdHigh property.
    void SetThresholdHigh(double Value);
    /// The MeterMinValue property.
    double GetMeterMinValue() const { return FMeterMinValue; }
    /// Sets the MeterMinValue property.
    void SetMeterMinValue(double Value);
    /// The MeterMaxValue property.
    double GetMeterMaxValue() const { return FMeterMaxValue; }
    /// Sets the MeterMaxValue property.
    void SetMeterMaxValue(double Value);
    /// The MeterDecPlaces property.
    int GetMeterDecPlaces() const { return FMeterDecPlaces; }
    /// Sets the MeterDecPlaces property.
    void SetMeterDecPlaces(int Value);
    /// The MeterNrTicks property.
    int GetMeterNrTicks() const { return FMeterNrTicks; }
    /// Sets the MeterNrTicks property.
    void SetMeterNrTicks(int Value);
    /// The MeterLayout property.
    TMeterLayout GetMeterLayout() const { return FMeterLayout; }
    /// Sets the MeterLayout property.
    void SetMeterLayout(TMeterLayout Value);
    /// The MeterShortTicks property.
    bool GetMeterShortTicks() const { return FMeterShortTicks; }
    /// Sets the MeterShortTicks property.
    void SetMeterShortTicks(bool Value);
    /// The MeterScaleLine property.
    bool GetMeterScaleLine() const { return FMeterScaleLine; }
    /// Sets the MeterScaleLine property.
    void SetMeterScaleLine(bool Value);
    /// The NeedleLayout property.
    TNeedleLayout* GetNeedleLayout() const { return FNeedleLayout.get(); }
    /// Sets the NeedleLayout property.
    void SetNeedleLayout(TNeedleLayout* Value);
    /// The NeedleLayoutSec property.
    TNeedleLayout* GetNeedleLayoutSec() const { return FNeedleLayoutSec.get(); }
    /// Sets the NeedleLayoutSec property.
    void SetNeedleLayoutSec(TNeedleLayout* Value);
    /// The RimBottom property.
    int GetRimBottom() const { return FRimBottom; }
    /// Sets the RimBottom property.
    void SetRimBottom(int Value);
    /// The RimTop property.
    int GetRimTop() const { return FRimTop; }
    /// Sets the RimTop property.
    void SetRimTop(int Value);
    /// The RimSide property.
    int GetRimSide() const { return FRimSide; }
    /// Sets the RimSide property.
    void SetRimSide(int Value);
    /// The ScaleBkWidth property.
    double GetScaleBkWidth() const { return FScaleBkWidth; }
    /// Sets the ScaleBkWidth property.
    void SetScaleBkWidth(double Value);
    /// The ScaleBkVisible property.
    bool GetScaleBkVisible() const { return FScaleBkVisible; }
    /// Sets the ScaleBkVisible property.
    void SetScaleBkVisible(bool Value);
    /// The ScaleVisible property.
    bool GetScaleVisible() const { return FScaleVisible; }
    /// Sets the ScaleVisible property.
    void SetScaleVisible(bool Value);
    /// The Value property.
    double GetValue() const { return FValue; }
    /// Sets the Value property.
    void SetValue(double Value);
    /// The ValueSec property.
    double GetValueSec() const { return FValueSec; }
    /// Sets the ValueSec property.
    void SetValueSec(double Value);

    /// The range flags that drive the lamps, and the derived geometry (read-only views).
    bool GetOverflowFlag() const { return FOverflowFlag; }
    /// The UnderflowFlag property.
    bool GetUnderflowFlag() const { return FUnderflowFlag; }
    /// The SweepAngle property.
    int GetSweepAngle() const { return FSweepAngle; }
    /// The Radius property.
    double GetRadius() const { return FRadius; }
    /// The CenterX property.
    int GetCenterX() const { return FCenterX; }
    /// The CenterY property.
    int GetCenterY() const { return FCenterY; }
    /// The label texts and ticks of the current range (computed on demand).
    const TMeterTicks& Ticks();

    // ---- events
    /// The handler of event OnOverFlow (empty: none).
    const vcl::TNotifyEvent& GetOnOverFlow() const { return FOnOverFlow; }
    /// Sets the handler of event OnOverFlow (an empty function removes it).
    void SetOnOverFlow(vcl::TNotifyEvent Value) { FOnOverFlow = std::move(Value); }
    /// The handler of event OnUnderFlow (empty: none).
    const vcl::TNotifyEvent& GetOnUnderFlow() const { return FOnUnderFlow; }
    /// Sets the handler of event OnUnderFlow (an empty function removes it).
    void SetOnUnderFlow(vcl::TNotifyEvent Value) { FOnUnderFlow = std::move(Value); }
    /// The handler of event OnNormalRange (empty: none).
    const vcl::TNotifyEvent& GetOnNormalRange() const { return FOnNormalRange; }
    /// Sets the handler of event OnNormalRange (an empty function removes it).
    void SetOnNormalRange(vcl::TNotifyEvent Value) { FOnNormalRange = std::move(Value); }
    /// The handler of event OnMouseMoveInMeter (empty: none).
    const TMouseMoveInMeterEvent& GetOnMouseMoveInMeter() const { return FOnMouseMoveInMeter; }
    /// Sets the handler of event OnMouseMoveInMeter (an empty function removes it).
    void SetOnMouseMoveInMeter(TMouseMoveInMeterEvent Value) { FOnMouseMoveInMeter = std::move(Value); }
    /// The handler of event OnBeforeDrawScaleLabel (empty: none).
    const TmtBeforeDrawScaleLabelEvent& GetOnBeforeDrawScaleLabel() const { return FOnBeforeDrawScaleLabel; }
    /// Sets the handler of event OnBeforeDrawScaleLabel (an empty function removes it).
    void SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value) { FOnBeforeDrawScaleLabel = std::move(Value); }
    /// The handler of event OnBeforeDrawNeedle (empty: none).
    const TBeforeDrawNeedleEvent& GetOnBeforeDrawNeedle() const { return FOnBeforeDrawNeedle; }
    /// Sets the handler of event OnBeforeDrawNeedle (an empty function removes it).
    void SetOnBeforeDrawNeedle(TBeforeDrawNeedleEvent Value) { FOnBeforeDrawNeedle = std::move(Value); }
    /// The handler of event OnMeterRendered (empty: none).
    const TMeterRenderedEvent& GetOnMeterRendered() const { return FOnMeterRendered; }
    /// Sets the handler of event OnMeterRendered (an empty function removes it).
    void SetOnMeterRendered(TMeterRenderedEvent Value) { FOnMeterRendered = std::move(Value); }

    /// Draws the control.
    void Paint() override;

protected:
    /// The handler of event OnOverFlow.
    vcl::TNotifyEvent FOnOverFlow;
    /// The handler of event OnUnderFlow.
    vcl::TNotifyEvent FOnUnderFlow;
    /// The handler of event OnNormalRange.
    vcl::TNotifyEvent FOnNormalRange;
    /// The handler of event OnMouseMoveInMeter.
    TMouseMoveInMeterEvent FOnMouseMoveInMeter;
    /// The handler of event OnBeforeDrawScaleLabel.
    TmtBeforeDrawScaleLabelEvent FOnBeforeDrawScaleLabel;
    /// The handler of event OnBeforeDrawNeedle.
    TBeforeDrawNeedleEvent FOnBeforeDrawNeedle;
    /// The handler of event OnMeterRendered.
    TMeterRenderedEvent FOnMeterRendered;

    /// Calc meter layout params.
    void CalcMeterLayoutParams();
    /// Style changed.
    void StyleChanged(vcl::TObject* Sender);
    /// Do over flow event.
    void DoOverFlowEvent();
    /// Do under flow event.
    void DoUnderFlowEvent();
    /// Do normal range event.
    void DoNormalRangeEvent();
    /// Mouse move in meter.
    void MouseMoveInMeter(bool WithinRange, vcl::TShiftState Shift, double MeterValue);
    /// Handles a pointer move.
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
