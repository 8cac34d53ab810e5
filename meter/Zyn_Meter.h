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

    TColor GetColorBody() const { return colorBody_; }
    void SetColorBody(TColor Value);
    TColor GetColorOutline() const { return colorOutline_; }
    void SetColorOutline(TColor Value);
    int GetHeadSize() const { return headSize_; }
    void SetHeadSize(int Value);
    int GetThickness() const { return thickness_; }
    void SetThickness(int Value);
    int GetPercentNeedleLength() const { return percentLength_; }
    void SetPercentNeedleLength(int Value);   // clamped to 0..100 before comparing
    int GetHeadAngle() const { return headAngle_; }
    void SetHeadAngle(int Value);             // clamped to 0..180
    int GetHeadMidLeng() const { return headMidLeng_; }
    void SetHeadMidLeng(int Value);
    int GetShadowDx() const { return shadowDx_; }
    void SetShadowDx(int Value);
    int GetShadowDy() const { return shadowDy_; }
    void SetShadowDy(int Value);
    TColor GetShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);

    vcl::TNotifyEvent OnChange;

protected:
    void AssignTo(vcl::TPersistent* Dest) override;
    void Changed();

private:
    template <typename T>
    void Store(T& Field, T Value);

    TColor colorBody_ = vcl::clSilver;
    TColor colorOutline_ = vcl::clBlack;
    int headSize_ = 20;
    int thickness_ = 0;
    int percentLength_ = 100;
    int headAngle_ = 30;
    int headMidLeng_ = 20;
    int shadowDx_ = 0;
    int shadowDy_ = 0;
    TColor shadowColor_ = vcl::clGray;
    bool visible_ = true;
};

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
    int GetAnchorSize() const { return anchorSize_; }
    void SetAnchorSize(int Value);
    bool GetAnchorCovered() const { return anchorCovered_; }
    void SetAnchorCovered(bool Value);
    const std::string& GetAnchorImage() const { return anchorImage_; }
    void SetAnchorImage(const std::string& Value);
    const std::string& GetBackGroundImg() const { return backGroundImg_; }
    void SetBackGroundImg(const std::string& Value);
    TBkgFill GetBkgndFillMode() const { return bkgndFillMode_; }
    void SetBkgndFillMode(TBkgFill Value);
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& Value);
    TColor GetColorBakG() const { return colorBakG_; }
    void SetColorBakG(TColor Value);
    TColor GetColorCover() const { return colorCover_; }
    void SetColorCover(TColor Value);
    TColor GetColorScale() const { return colorScale_; }
    void SetColorScale(TColor Value);
    TColorScheme GetColorScheme() const { return colorScheme_; }
    void SetColorScheme(TColorScheme Value);
    TColor GetColorSclBkLow() const { return colorSclBkLow_; }
    void SetColorSclBkLow(TColor Value);
    TColor GetColorSclBkNorm() const { return colorSclBkNorm_; }
    void SetColorSclBkNorm(TColor Value);
    TColor GetColorSclBkHigh() const { return colorSclBkHigh_; }
    void SetColorSclBkHigh(TColor Value);
    vcl::TFont* GetFontCaption() const { return fontCaption_.get(); }
    void SetFontCaption(vcl::TFont* Value);
    TFrameStyle GetFrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle Value);
    bool GetLimWatchHighOn() const { return limWatchHighOn_; }
    void SetLimWatchHighOn(bool Value);
    bool GetLimWatchLowOn() const { return limWatchLowOn_; }
    void SetLimWatchLowOn(bool Value);
    TColor GetLimWatchActColor() const { return limWatchActColor_; }
    void SetLimWatchActColor(TColor Value);
    TColor GetLimWatchPsvColor() const { return limWatchPsvColor_; }
    void SetLimWatchPsvColor(TColor Value);
    bool GetLogarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool Value);
    double GetThresholdLow() const { return thresholdLow_; }
    void SetThresholdLow(double Value);
    double GetThresholdHigh() const { return thresholdHigh_; }
    void SetThresholdHigh(double Value);
    double GetMeterMinValue() const { return minValue_; }
    void SetMeterMinValue(double Value);
    double GetMeterMaxValue() const { return maxValue_; }
    void SetMeterMaxValue(double Value);
    int GetMeterDecPlaces() const { return decPlaces_; }
    void SetMeterDecPlaces(int Value);
    int GetMeterNrTicks() const { return nrTicks_; }
    void SetMeterNrTicks(int Value);
    TMeterLayout GetMeterLayout() const { return layout_; }
    void SetMeterLayout(TMeterLayout Value);
    bool GetMeterShortTicks() const { return shortTicks_; }
    void SetMeterShortTicks(bool Value);
    bool GetMeterScaleLine() const { return scaleLine_; }
    void SetMeterScaleLine(bool Value);
    TNeedleLayout* GetNeedleLayout() const { return needle_.get(); }
    void SetNeedleLayout(TNeedleLayout* Value);
    TNeedleLayout* GetNeedleLayoutSec() const { return needleSec_.get(); }
    void SetNeedleLayoutSec(TNeedleLayout* Value);
    int GetRimBottom() const { return rimBottom_; }
    void SetRimBottom(int Value);
    int GetRimTop() const { return rimTop_; }
    void SetRimTop(int Value);
    int GetRimSide() const { return rimSide_; }
    void SetRimSide(int Value);
    double GetScaleBkWidth() const { return scaleBkWidth_; }
    void SetScaleBkWidth(double Value);
    bool GetScaleBkVisible() const { return scaleBkVisible_; }
    void SetScaleBkVisible(bool Value);
    bool GetScaleVisible() const { return scaleVisible_; }
    void SetScaleVisible(bool Value);
    double GetValue() const { return value_; }
    void SetValue(double Value);
    double GetValueSec() const { return valueSec_; }
    void SetValueSec(double Value);

    // The range flags that drive the lamps, and the derived geometry (read-only views).
    bool GetOverflowFlag() const { return overflow_; }
    bool GetUnderflowFlag() const { return underflow_; }
    int GetSweepAngle() const { return sweep_; }
    double GetRadius() const { return radius_; }
    int GetCenterX() const { return cx_; }
    int GetCenterY() const { return cy_; }
    // The label texts and ticks of the current range (computed on demand).
    const TMeterTicks& Ticks();

    // ---- events
    vcl::TNotifyEvent OnOverFlow;
    vcl::TNotifyEvent OnUnderFlow;
    vcl::TNotifyEvent OnNormalRange;
    TMouseMoveInMeterEvent OnMouseMoveInMeter;
    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
    TMeterRenderedEvent OnMeterRendered;

    void Paint() override;

protected:
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
    void PaintLamps(vcl::TCanvas* C);
    void PaintFrame(vcl::TCanvas* C);

    int anchorSize_ = 24;
    bool anchorCovered_ = true;
    std::string anchorImage_;
    std::string backGroundImg_;
    TBkgFill bkgndFillMode_ = bfTopLeft;
    std::string caption_;
    TColor colorBakG_ = vcl::clWhite;
    TColor colorCover_ = vcl::clBtnFace;
    TColor colorScale_ = vcl::clNavy;
    TColorScheme colorScheme_ = schFixed;
    TColor colorSclBkLow_ = vcl::clLime;
    TColor colorSclBkNorm_ = 0x0080FF;
    TColor colorSclBkHigh_ = vcl::clRed;
    std::unique_ptr<vcl::TFont> fontCaption_;
    TFrameStyle frameStyle_ = frRaised;
    bool limWatchHighOn_ = true;
    bool limWatchLowOn_ = true;
    TColor limWatchActColor_ = vcl::clRed;
    TColor limWatchPsvColor_ = vcl::clGray;
    bool logarithmic_ = false;
    double thresholdLow_ = 0.0;
    double thresholdHigh_ = 1.0;
    double minValue_ = 0.0;
    double maxValue_ = 1.0;
    int decPlaces_ = 1;
    int nrTicks_ = 3;
    TMeterLayout layout_ = mlCirc90;
    bool shortTicks_ = true;
    bool scaleLine_ = true;
    std::unique_ptr<TNeedleLayout> needle_;
    std::unique_ptr<TNeedleLayout> needleSec_;
    int rimBottom_ = 0;
    int rimTop_ = 0;
    int rimSide_ = 0;
    double scaleBkWidth_ = 0.0;
    bool scaleBkVisible_ = false;
    bool scaleVisible_ = true;
    double value_ = 0.0;
    double valueSec_ = 0.0;

    bool overflow_ = false;
    bool underflow_ = false;
    TColor colBlackLine_ = vcl::clBlack;
    TColor colGrayLine_ = vcl::clGray;
    TColor colWhiteLine_ = vcl::clWhite;

    int sweep_ = 90;
    double radius_ = 0.0;
    int cx_ = 0;
    int cy_ = 0;

    std::unique_ptr<vcl::TBitmap> bkgImage_;
    std::unique_ptr<vcl::TBitmap> anchorBmp_;
    std::unique_ptr<vcl::TBitmap> anchorMask_;
    TMeterTicks ticks_;
    std::string label_;   // reused label text while painting
};

}  // namespace zyn
