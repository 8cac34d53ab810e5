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
/// The look of one needle of a meter: body and outline colours, arrow head, shaft, length
/// and shadow. Every change fires OnChange, through which the owning meter repaints.
class TNeedleLayout : public vcl::TPersistent {
public:
    TNeedleLayout() = default;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNeedleLayout"; }
    /// Copies all eleven settings (not OnChange) from another needle layout, then Changed.
    void Assign(vcl::TPersistent* Source) override;

    /// Fill colour of the needle polygon; default silver (0xC0C0C0).
    TColor GetColorBody() const { return FColorBody; }
    /// Sets the needle's fill colour; fires OnChange (the meter repaints).
    void SetColorBody(TColor Value);
    /// Outline colour of the needle polygon; default black.
    TColor GetColorOutline() const { return FColorOutline; }
    /// Sets the needle's outline colour; fires OnChange.
    void SetColorOutline(TColor Value);
    /// Length in pixels of the two barbs of the arrow head; default 20.
    int GetHeadSize() const { return FHeadSize; }
    /// Sets the barb length; fires OnChange.
    void SetHeadSize(int Value);
    /// Width of the shaft in pixels; default 0 (the shaft is a line).
    int GetThickness() const { return FThickness; }
    /// Sets the shaft width; fires OnChange.
    void SetThickness(int Value);
    /// Needle length in percent of the scale radius less 4 pixels, 0..100; default 100.
    int GetPercentNeedleLength() const { return FPercentNeedleLength; }
    /// Sets the needle length, clamped to 0..100; fires OnChange when the clamped value differs.
    void SetPercentNeedleLength(int Value);   // clamped to 0..100 before comparing
    /// Full opening angle of the arrow head in degrees, 0..180; default 30 (0: the barbs lie on the
    /// shaft).
    int GetHeadAngle() const { return FHeadAngle; }
    /// Sets the head angle, clamped to 0..180; fires OnChange.
    void SetHeadAngle(int Value);             // clamped to 0..180
    /// Distance in pixels from the tip back along the shaft to where the shaft meets the head;
    /// default 20.
    int GetHeadMidLeng() const { return FHeadMidLeng; }
    /// Sets where the shaft meets the head; fires OnChange.
    void SetHeadMidLeng(int Value);
    /// Horizontal shadow offset in pixels: the shadow is drawn ShadowDx to the left (both offsets
    /// 0: no shadow); default 0.
    int GetShadowDx() const { return FShadowDx; }
    /// Sets the horizontal shadow offset; fires OnChange.
    void SetShadowDx(int Value);
    /// Vertical shadow offset in pixels: the shadow is drawn ShadowDy upwards; default 0.
    int GetShadowDy() const { return FShadowDy; }
    /// Sets the vertical shadow offset; fires OnChange.
    void SetShadowDy(int Value);
    /// Colour of the needle's shadow; default gray (0x808080).
    TColor GetShadowColor() const { return FShadowColor; }
    /// Sets the shadow colour; fires OnChange.
    void SetShadowColor(TColor Value);
    /// Whether this needle is drawn and, for the primary needle, whether Value fires the range
    /// events; default true for the primary needle, false for the secondary one.
    bool GetVisible() const { return FVisible; }
    /// Shows or hides the needle; fires OnChange.
    void SetVisible(bool Value);

    /// Called by every setter after a change; the owning meter repaints through it.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Installs the handler called after every change of a setting (the owning meter's repaint);
    /// an empty function removes it.
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// The handler called after every change of a setting; empty: none.
    vcl::TNotifyEvent FOnChange;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Fires OnChange (the owning meter repaints).
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
    /// Value of the first major tick: the first multiple of Step not below the minimum.
    double First = 0.0;
    /// Distance between major ticks: 1, 2 or 5 times a power of ten.
    double Step = 0.0;
    /// Number of minor intervals per major step.
    int NSub = 1;
};
TMeterTickStep CalcMeterTickStep(int NrTicks, double MinValue, double MaxValue);

/// One major tick: its value and whether it carries a label (in logarithmic decade mode only
/// 1, 2 and 5 of each decade do).
struct TMeterMajorTick {
    /// The tick's value.
    double Value;
    /// Whether the tick gets a label.
    bool Labelled;
};

/// Every tick of a scale. The vectors are reused from one computation to the next, so a
/// repaint allocates nothing once they have grown to size.
struct TMeterTicks {
    /// The major ticks, in increasing order.
    std::vector<TMeterMajorTick> Major;
    /// The values of the minor ticks that do not coincide with a major one.
    std::vector<double> Minor;
    /// Computes the ticks of a scale from MinValue to MaxValue with about NrTicks major intervals.
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

    /// Places the meter and recomputes the scale's centre and radius from the new size.
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
    /// Radius in pixels of the anchor (the hub cover over the needles' pivot); default 24.
    int GetAnchorSize() const { return FAnchorSize; }
    /// Sets the anchor radius; repaints.
    void SetAnchorSize(int Value);
    /// Whether the anchor is drawn over the needles' pivot; default true.
    bool GetAnchorCovered() const { return FAnchorCovered; }
    /// Shows or hides the anchor; repaints.
    void SetAnchorCovered(bool Value);
    /// File name of a bitmap drawn centred on the hub as the anchor (pixels of palette index 0
    /// transparent); empty (default) draws the built-in anchor.
    const std::string& GetAnchorImage() const { return FAnchorImage; }
    /// Sets the anchor bitmap: an existing file is loaded (a failed load empties the name, without
    /// an error); a missing file empties the name. Repaints.
    void SetAnchorImage(const std::string& Value);
    /// File name of the background bitmap; empty (default) fills the background with ColorBakG.
    const std::string& GetBackGroundImg() const { return FBackGroundImg; }
    /// Sets the background bitmap: an existing file is loaded (a load error propagates); a missing
    /// file empties the name. Repaints.
    void SetBackGroundImg(const std::string& Value);
    /// How the background bitmap fills the meter: ordinal 0 at its own size at the top left
    /// (default), 1 stretched, 2 tiled.
    TBkgFill GetBkgndFillMode() const { return FBkgndFillMode; }
    /// Sets the background fill mode; repaints.
    void SetBkgndFillMode(TBkgFill Value);
    /// Text drawn inside the dial, centred a third of the radius above the hub, in FontCaption;
    /// empty by default.
    const std::string& GetCaption() const { return FCaption; }
    /// Sets the caption; repaints.
    void SetCaption(const std::string& Value);
    /// Background colour of the dial; default white.
    TColor GetColorBakG() const { return FColorBakG; }
    /// Sets the background colour; repaints.
    void SetColorBakG(TColor Value);
    /// Colour of the rim cover strips and the built-in anchor; default clBtnFace.
    TColor GetColorCover() const { return FColorCover; }
    /// Sets the cover colour; repaints.
    void SetColorCover(TColor Value);
    /// Colour of the scale arc and ticks; default navy (0x800000).
    TColor GetColorScale() const { return FColorScale; }
    /// Sets the scale colour; repaints.
    void SetColorScale(TColor Value);
    /// Line colours of the frame: ordinal 0 (default) fixed gray and white, any other the system's
    /// shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Colour of the scale band from the minimum to ThresholdLow; default lime (0x00FF00).
    TColor GetColorSclBkLow() const { return FColorSclBkLow; }
    /// Sets the low band colour; repaints.
    void SetColorSclBkLow(TColor Value);
    /// Colour of the scale band from ThresholdLow to ThresholdHigh; default orange (0x0080FF).
    TColor GetColorSclBkNorm() const { return FColorSclBkNorm; }
    /// Sets the normal band colour; repaints.
    void SetColorSclBkNorm(TColor Value);
    /// Colour of the scale band from ThresholdHigh to the maximum; default red (0x0000FF).
    TColor GetColorSclBkHigh() const { return FColorSclBkHigh; }
    /// Sets the high band colour; repaints.
    void SetColorSclBkHigh(TColor Value);
    /// Font of the caption (Font is the tick labels' font); a copy of Font at construction.
    vcl::TFont* GetFontCaption() const { return FFontCaption.get(); }
    /// Copies Value into the caption font; repaints.
    void SetFontCaption(vcl::TFont* Value);
    /// Frame round the meter, ordinals 0 (none) to 5; default 3 (raised).
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints.
    void SetFrameStyle(TFrameStyle Value);
    /// Whether the high warning lamp (top right) is shown; default true.
    bool GetLimWatchHighOn() const { return FLimWatchHighOn; }
    /// Shows or hides the high lamp; repaints.
    void SetLimWatchHighOn(bool Value);
    /// Whether the low warning lamp (top left) is shown; default true.
    bool GetLimWatchLowOn() const { return FLimWatchLowOn; }
    /// Shows or hides the low lamp; repaints.
    void SetLimWatchLowOn(bool Value);
    /// Colour of a lamp while its range flag is set; default red (0x0000FF).
    TColor GetLimWatchActColor() const { return FLimWatchActColor; }
    /// Sets the lit lamp colour; repaints.
    void SetLimWatchActColor(TColor Value);
    /// Colour of a lamp while its range flag is clear; default gray (0x808080).
    TColor GetLimWatchPsvColor() const { return FLimWatchPsvColor; }
    /// Sets the dark lamp colour; repaints.
    void SetLimWatchPsvColor(TColor Value);
    /// Whether the scale is logarithmic; default false. It stays false while either end of the
    /// range is 1e-100 or less.
    bool GetLogarithmic() const { return FLogarithmic; }
    /// Switches the logarithmic scale; a request for it with a non-positive range end leaves it
    /// false without an error. Repaints.
    void SetLogarithmic(bool Value);
    /// Value at or below which the low lamp lights and OnUnderFlow fires; default 0.0.
    double GetThresholdLow() const { return FThresholdLow; }
    /// Sets the low threshold, clamped to the range (a ThresholdHigh below it is raised to it);
    /// lights the low lamp and fires OnUnderFlow when Value is at or below it. Ignored below 1e-100
    /// on a logarithmic scale. Repaints.
    void SetThresholdLow(double Value);
    /// Value at or above which the high lamp lights and OnOverFlow fires; default 1.0.
    double GetThresholdHigh() const { return FThresholdHigh; }
    /// Sets the high threshold, clamped to the range (a ThresholdLow above it is lowered to it);
    /// lights the high lamp and fires OnOverFlow when Value is at or above it. Ignored below 1e-100
    /// on a logarithmic scale. Repaints.
    void SetThresholdHigh(double Value);
    /// Value at the left end of the scale; default 0.0.
    double GetMeterMinValue() const { return FMeterMinValue; }
    /// Sets the minimum: a maximum at or below it becomes the minimum + 1, and the values and
    /// thresholds below it are raised to it. Ignored below 1e-100 on a logarithmic scale; fires no
    /// range event. Repaints.
    void SetMeterMinValue(double Value);
    /// Value at the right end of the scale; default 1.0.
    double GetMeterMaxValue() const { return FMeterMaxValue; }
    /// Sets the maximum: a minimum at or above it becomes the maximum - 1 (on a logarithmic scale
    /// the maximum / 10 when that would not be positive), and the values and thresholds above it
    /// are lowered to it. Ignored below 1e-100 on a logarithmic scale. Repaints.
    void SetMeterMaxValue(double Value);
    /// Decimals of the tick labels, 0..4; default 1.
    int GetMeterDecPlaces() const { return FMeterDecPlaces; }
    /// Sets the label decimals, clamped to 0..4; repaints.
    void SetMeterDecPlaces(int Value);
    /// Wanted number of major scale intervals, 2..21 (the step is rounded to 1, 2 or 5 times a
    /// power of ten); default 3.
    int GetMeterNrTicks() const { return FMeterNrTicks; }
    /// Sets the wanted number of intervals, clamped to 2..21; repaints.
    void SetMeterNrTicks(int Value);
    /// Sweep of the scale: mlCirc90 (default), mlCirc120, mlCirc180, mlCirc270, mlCirc300 or
    /// mlCirc360.
    TMeterLayout GetMeterLayout() const { return FMeterLayout; }
    /// Sets the sweep; recomputes the centre and radius and repaints.
    void SetMeterLayout(TMeterLayout Value);
    /// Whether minor ticks are drawn between the major ones; default true.
    bool GetMeterShortTicks() const { return FMeterShortTicks; }
    /// Shows or hides the minor ticks; repaints.
    void SetMeterShortTicks(bool Value);
    /// Whether the scale arc is drawn; default true.
    bool GetMeterScaleLine() const { return FMeterScaleLine; }
    /// Shows or hides the scale arc; repaints.
    void SetMeterScaleLine(bool Value);
    /// Look of the primary needle, owned by the meter; its changes repaint the meter.
    TNeedleLayout* GetNeedleLayout() const { return FNeedleLayout.get(); }
    /// Copies Value into the primary needle's look; repaints.
    void SetNeedleLayout(TNeedleLayout* Value);
    /// Look of the secondary needle, owned by the meter; hidden by default.
    TNeedleLayout* GetNeedleLayoutSec() const { return FNeedleLayoutSec.get(); }
    /// Copies Value into the secondary needle's look; repaints.
    void SetNeedleLayoutSec(TNeedleLayout* Value);
    /// Height in pixels of the bottom cover strip; default 10.
    int GetRimBottom() const { return FRimBottom; }
    /// Sets the bottom strip; repaints (the scale keeps the geometry of the last resize).
    void SetRimBottom(int Value);
    /// Height in pixels of the top cover strip; default 8.
    int GetRimTop() const { return FRimTop; }
    /// Sets the top strip; repaints (the scale keeps the geometry of the last resize).
    void SetRimTop(int Value);
    /// Width in pixels of the left and right cover strips; default 10.
    int GetRimSide() const { return FRimSide; }
    /// Sets the side strips; repaints (the scale keeps the geometry of the last resize).
    void SetRimSide(int Value);
    /// Width of the coloured scale band in percent of the radius, 0..100; default 0.0.
    double GetScaleBkWidth() const { return FScaleBkWidth; }
    /// Sets the band width, clamped to 0..100; repaints.
    void SetScaleBkWidth(double Value);
    /// Whether the coloured band (low, normal, high) is drawn along the scale; default false.
    bool GetScaleBkVisible() const { return FScaleBkVisible; }
    /// Shows or hides the coloured band; repaints.
    void SetScaleBkVisible(bool Value);
    /// Whether the scale arc, ticks and labels are drawn; default true.
    bool GetScaleVisible() const { return FScaleVisible; }
    /// Shows or hides the scale; repaints.
    void SetScaleVisible(bool Value);
    /// Value shown by the primary needle, within MeterMinValue..MeterMaxValue; default 0.0.
    double GetValue() const { return FValue; }
    /// Sets the primary value, clamped to the range. A change clears both range flags and, while
    /// the primary needle is visible, fires OnOverFlow (at or above ThresholdHigh, high lamp lit),
    /// OnNormalRange, or OnUnderFlow (at or below ThresholdLow, low lamp lit). Repaints.
    void SetValue(double Value);
    /// Value shown by the secondary needle, within the range; default 0.0.
    double GetValueSec() const { return FValueSec; }
    /// Sets the secondary value, clamped to the range; a change clears both range flags and, while
    /// the secondary needle is visible, fires the range events as Value does and repaints.
    void SetValueSec(double Value);

    /// Whether the high lamp is lit: the last accepted value reached ThresholdHigh.
    bool GetOverflowFlag() const { return FOverflowFlag; }
    /// Whether the low lamp is lit: the last accepted value was at or below ThresholdLow.
    bool GetUnderflowFlag() const { return FUnderflowFlag; }
    /// Sweep angle of the scale in degrees (from MeterLayout).
    int GetSweepAngle() const { return FSweepAngle; }
    /// Radius of the scale in pixels, from the size, the rims and the layout.
    double GetRadius() const { return FRadius; }
    /// x of the scale's centre (the needles' pivot) in client pixels.
    int GetCenterX() const { return FCenterX; }
    /// y of the scale's centre in client pixels.
    int GetCenterY() const { return FCenterY; }
    /// The label texts and ticks of the current range (computed on demand).
    const TMeterTicks& Ticks();

    // ---- events
    /// Called when Value (or ValueSec) is set to a new value at or above ThresholdHigh while its
    /// needle is visible, and when ThresholdHigh is changed to Value or below. Fires on every such
    /// change, not only on entering the range. Empty: none.
    const vcl::TNotifyEvent& GetOnOverFlow() const { return FOnOverFlow; }
    /// Installs the handler called when the value reaches the upper threshold; an empty function
    /// removes it.
    void SetOnOverFlow(vcl::TNotifyEvent Value) { FOnOverFlow = std::move(Value); }
    /// Called when Value (or ValueSec) is set to a new value at or below ThresholdLow while its
    /// needle is visible, and when ThresholdLow is changed to Value or above. Empty: none.
    const vcl::TNotifyEvent& GetOnUnderFlow() const { return FOnUnderFlow; }
    /// Installs the handler called when the value reaches the lower threshold; an empty function
    /// removes it.
    void SetOnUnderFlow(vcl::TNotifyEvent Value) { FOnUnderFlow = std::move(Value); }
    /// Called when Value (or ValueSec) is set to a new value strictly between the two thresholds
    /// while its needle is visible. Empty: none.
    const vcl::TNotifyEvent& GetOnNormalRange() const { return FOnNormalRange; }
    /// Installs the handler called when the value lies between the thresholds; an empty function
    /// removes it.
    void SetOnNormalRange(vcl::TNotifyEvent Value) { FOnNormalRange = std::move(Value); }
    /// Called on every pointer move over the control, after OnMouseMove, with whether the pointer
    /// lies on the scale's sweep, the shift state and the value under it (0 off the sweep).
    /// Empty: none.
    const TMouseMoveInMeterEvent& GetOnMouseMoveInMeter() const { return FOnMouseMoveInMeter; }
    /// Installs the handler called on pointer moves with the value under the pointer; an empty
    /// function removes it.
    void SetOnMouseMoveInMeter(TMouseMoveInMeterEvent Value) { FOnMouseMoveInMeter = std::move(Value); }
    /// Called during Paint before each tick label is drawn, with the off-screen canvas, the label
    /// text (the handler may change it; empty: no label) and the label's top-left corner.
    /// Empty: none.
    const TmtBeforeDrawScaleLabelEvent& GetOnBeforeDrawScaleLabel() const { return FOnBeforeDrawScaleLabel; }
    /// Installs the handler that may change or hide each tick label; an empty function removes it.
    void SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value) { FOnBeforeDrawScaleLabel = std::move(Value); }
    /// Called during Paint before each visible needle is drawn, with the off-screen canvas; a
    /// handler that draws the needle itself sets NeedleDrawn to true and the built-in needle is
    /// left out. Empty: none.
    const TBeforeDrawNeedleEvent& GetOnBeforeDrawNeedle() const { return FOnBeforeDrawNeedle; }
    /// Installs the handler that may draw the needles itself; an empty function removes it.
    void SetOnBeforeDrawNeedle(TBeforeDrawNeedleEvent Value) { FOnBeforeDrawNeedle = std::move(Value); }
    /// Called at the end of Paint's drawing, with the off-screen canvas: the handler may draw over
    /// everything but the frame. Empty: none.
    const TMeterRenderedEvent& GetOnMeterRendered() const { return FOnMeterRendered; }
    /// Installs the handler that draws over the finished picture; an empty function removes it.
    void SetOnMeterRendered(TMeterRenderedEvent Value) { FOnMeterRendered = std::move(Value); }

    /// Draws the meter off screen in this order: background, scale band, ticks and labels,
    /// caption, needles, rim cover and anchor, lamps, OnMeterRendered, frame; then shows it.
    /// Nothing while a form file is read.
    void Paint() override;

protected:
    /// ScaleBy at M/D: the needles, the anchor, the rims and the caption font scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called when the value reaches the upper threshold; empty: none.
    vcl::TNotifyEvent FOnOverFlow;
    /// The handler called when the value reaches the lower threshold; empty: none.
    vcl::TNotifyEvent FOnUnderFlow;
    /// The handler called when the value lies between the thresholds; empty: none.
    vcl::TNotifyEvent FOnNormalRange;
    /// The handler called on pointer moves with the value under the pointer; empty: none.
    TMouseMoveInMeterEvent FOnMouseMoveInMeter;
    /// The handler that may change or hide each tick label; empty: none.
    TmtBeforeDrawScaleLabelEvent FOnBeforeDrawScaleLabel;
    /// The handler that may draw the needles itself; empty: none.
    TBeforeDrawNeedleEvent FOnBeforeDrawNeedle;
    /// The handler that draws over the finished picture; empty: none.
    TMeterRenderedEvent FOnMeterRendered;

    /// Recomputes the sweep angle, radius and centre from the size, the rims and MeterLayout.
    void CalcMeterLayoutParams();
    /// The needle layouts' change handler: repaints the meter.
    void StyleChanged(vcl::TObject* Sender);
    /// Calls the OnOverFlow handler, if any (the value setters decide when).
    void DoOverFlowEvent();
    /// Calls the OnUnderFlow handler, if any.
    void DoUnderFlowEvent();
    /// Calls the OnNormalRange handler, if any.
    void DoNormalRangeEvent();
    /// Fires OnMouseMoveInMeter with whether the pointer lies on the scale's sweep and the value
    /// under it.
    void MouseMoveInMeter(bool WithinRange, vcl::TShiftState Shift, double MeterValue);
    /// OnMouseMove, then OnMouseMoveInMeter with the value under the pointer.
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
