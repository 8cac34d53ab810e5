// The meter's model: construction, the needle layouts, the property setters with their
// range rules and events, image loading and mouse tracking.
#include "meter/Zyn_Meter.h"

#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

// Values below this are refused by the range setters in logarithmic mode.
static constexpr double LogFloor = 1e-100;

// =========================================================================================
// TNeedleLayout

template <typename T>
void TNeedleLayout::Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TNeedleLayout::Changed() {
    if (OnChange) OnChange(this);
}

void TNeedleLayout::SetColorBody(TColor Value) { Store(colorBody_, Value); }
void TNeedleLayout::SetColorOutline(TColor Value) { Store(colorOutline_, Value); }
void TNeedleLayout::SetHeadSize(int Value) { Store(headSize_, Value); }
void TNeedleLayout::SetThickness(int Value) { Store(thickness_, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) { Store(percentLength_, std::clamp(Value, 0, 100)); }
void TNeedleLayout::SetHeadAngle(int Value) { Store(headAngle_, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Store(headMidLeng_, Value); }
void TNeedleLayout::SetShadowDx(int Value) { Store(shadowDx_, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Store(shadowDy_, Value); }
void TNeedleLayout::SetShadowColor(TColor Value) { Store(shadowColor_, Value); }
void TNeedleLayout::SetVisible(bool Value) { Store(visible_, Value); }

void TNeedleLayout::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TNeedleLayout*>(Source);
    if (src == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    colorBody_ = src->colorBody_;
    colorOutline_ = src->colorOutline_;
    headSize_ = src->headSize_;
    thickness_ = src->thickness_;
    percentLength_ = src->percentLength_;
    headAngle_ = src->headAngle_;
    headMidLeng_ = src->headMidLeng_;
    shadowDx_ = src->shadowDx_;
    shadowDy_ = src->shadowDy_;
    shadowColor_ = src->shadowColor_;
    visible_ = src->visible_;
    Changed();
}

void TNeedleLayout::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TNeedleLayout*>(Dest)) {
        d->Assign(this);
        return;
    }
    TPersistent::AssignTo(Dest);
}

// =========================================================================================
// TMeter: construction

void RegisterMeterClasses();   // MeterPublished.cpp

TMeter::TMeter(TComponent* AOwner)
    : TGraphicControl(AOwner),
      needle_(std::make_unique<TNeedleLayout>()),
      needleSec_(std::make_unique<TNeedleLayout>()),
      bkgImage_(std::make_unique<TBitmap>()),
      anchorBmp_(std::make_unique<TBitmap>()),
      anchorMask_(std::make_unique<TBitmap>()) {
    RegisterMeterClasses();
    needleSec_->SetVisible(false);
    needle_->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
    needleSec_->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
    fontCaption_ = std::make_unique<TFont>();
    fontCaption_->Assign(GetFont());
    bkgImage_->SetSize(10, 10);
    anchorBmp_->SetSize(10, 10);
    anchorMask_->SetSize(10, 10);
    // The size is set while the rims are still 0, so the geometry reflects rims of 0 until
    // the next bounds or layout change.
    TGraphicControl::SetBounds(GetLeft(), GetTop(), 297, 209);
    CalcMeterLayoutParams();
    rimBottom_ = 10;
    rimTop_ = 8;
    rimSide_ = 10;
}

TMeter::~TMeter() = default;

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcMeterLayoutParams();
}

void TMeter::Loaded() {
    TGraphicControl::Loaded();
    value_ = std::clamp(value_, minValue_, std::max(minValue_, maxValue_));
    if (!backGroundImg_.empty()) {
        try {
            LoadBackground();
        } catch (const Exception&) {
            backGroundImg_.clear();
        }
    }
    if (!anchorImage_.empty()) LoadAnchor();
    Paint();
}

// =========================================================================================
// simple setters

template <typename T>
void TMeter::StoreAndPaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Paint();
}

void TMeter::SetAnchorSize(int Value) { StoreAndPaint(anchorSize_, Value); }
void TMeter::SetAnchorCovered(bool Value) { StoreAndPaint(anchorCovered_, Value); }
void TMeter::SetBkgndFillMode(TBkgFill Value) { bkgndFillMode_ = Value; Paint(); }
void TMeter::SetCaption(const std::string& Value) { caption_ = Value; Paint(); }
void TMeter::SetColorBakG(TColor Value) { StoreAndPaint(colorBakG_, Value); }
void TMeter::SetColorCover(TColor Value) { StoreAndPaint(colorCover_, Value); }
void TMeter::SetColorScale(TColor Value) { StoreAndPaint(colorScale_, Value); }
void TMeter::SetColorSclBkLow(TColor Value) { StoreAndPaint(colorSclBkLow_, Value); }
void TMeter::SetColorSclBkNorm(TColor Value) { StoreAndPaint(colorSclBkNorm_, Value); }
void TMeter::SetColorSclBkHigh(TColor Value) { StoreAndPaint(colorSclBkHigh_, Value); }
void TMeter::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(frameStyle_, Value); }
void TMeter::SetLimWatchHighOn(bool Value) { StoreAndPaint(limWatchHighOn_, Value); }
void TMeter::SetLimWatchLowOn(bool Value) { StoreAndPaint(limWatchLowOn_, Value); }
void TMeter::SetLimWatchActColor(TColor Value) { StoreAndPaint(limWatchActColor_, Value); }
void TMeter::SetLimWatchPsvColor(TColor Value) { StoreAndPaint(limWatchPsvColor_, Value); }
void TMeter::SetMeterShortTicks(bool Value) { StoreAndPaint(shortTicks_, Value); }
void TMeter::SetMeterScaleLine(bool Value) { StoreAndPaint(scaleLine_, Value); }
void TMeter::SetRimBottom(int Value) { StoreAndPaint(rimBottom_, Value); }
void TMeter::SetRimTop(int Value) { StoreAndPaint(rimTop_, Value); }
void TMeter::SetRimSide(int Value) { StoreAndPaint(rimSide_, Value); }
void TMeter::SetScaleBkVisible(bool Value) { scaleBkVisible_ = Value; Paint(); }
void TMeter::SetScaleVisible(bool Value) { scaleVisible_ = Value; Paint(); }

void TMeter::SetScaleBkWidth(double Value) {
    scaleBkWidth_ = std::clamp(Value, 0.0, 100.0);
    Paint();
}

void TMeter::SetColorScheme(TColorScheme Value) {
    if (colorScheme_ == Value) return;
    colorScheme_ = Value;
    ApplyColorScheme(Value, colBlackLine_, colGrayLine_, colWhiteLine_);
    Paint();
}

void TMeter::SetFontCaption(TFont* Value) {
    fontCaption_->Assign(Value);
    Paint();
}

void TMeter::SetMeterDecPlaces(int Value) {
    if (decPlaces_ == Value) return;
    decPlaces_ = std::clamp(Value, 0, 4);
    Paint();
}

void TMeter::SetMeterNrTicks(int Value) {
    if (nrTicks_ == Value) return;
    nrTicks_ = std::clamp(Value, 2, 21);
    Paint();
}

void TMeter::SetMeterLayout(TMeterLayout Value) {
    layout_ = Value;
    CalcMeterLayoutParams();
    Paint();
}

void TMeter::SetNeedleLayout(TNeedleLayout* Value) {
    needle_->Assign(Value);
    Paint();
}

void TMeter::SetNeedleLayoutSec(TNeedleLayout* Value) {
    needleSec_->Assign(Value);
    Paint();
}

void TMeter::StyleChanged(TObject* Sender) {
    (void)Sender;
    Paint();
}

// =========================================================================================
// range rules

void TMeter::DoOverFlowEvent() {
    if (OnOverFlow) OnOverFlow(this);
}
void TMeter::DoUnderFlowEvent() {
    if (OnUnderFlow) OnUnderFlow(this);
}
void TMeter::DoNormalRangeEvent() {
    if (OnNormalRange) OnNormalRange(this);
}

void TMeter::SetValue(double Value) {
    if (Loading()) {
        value_ = Value;
        return;
    }
    // The clamped value is compared, so repeating an out-of-range value changes nothing.
    double v = std::clamp(Value, minValue_, maxValue_);
    if (v == value_) return;
    value_ = v;
    overflow_ = underflow_ = false;
    if (needle_->GetVisible()) {
        if (value_ >= thresholdHigh_) {
            overflow_ = true;
            DoOverFlowEvent();
        } else if (value_ > thresholdLow_) {
            DoNormalRangeEvent();
        } else {
            underflow_ = true;
            DoUnderFlowEvent();
        }
    }
    Paint();
}

void TMeter::SetValueSec(double Value) {
    if (Loading()) {
        valueSec_ = Value;
        return;
    }
    double v = std::clamp(Value, minValue_, maxValue_);
    if (v == valueSec_) return;
    valueSec_ = v;
    overflow_ = underflow_ = false;
    if (!needleSec_->GetVisible()) return;
    if (valueSec_ >= thresholdHigh_) {
        overflow_ = true;
        DoOverFlowEvent();
    } else if (valueSec_ > thresholdLow_) {
        DoNormalRangeEvent();
    } else {
        underflow_ = true;
        DoUnderFlowEvent();
    }
    Paint();
}

// Pulls the needle values and thresholds into [Lo, Hi] after a range end moved.
void TMeter::ClampAll(double Lo, double Hi) {
    for (double* p : {&value_, &valueSec_, &thresholdLow_, &thresholdHigh_}) *p = std::clamp(*p, Lo, Hi);
}

void TMeter::SetMeterMinValue(double Value) {
    if (Loading()) {
        minValue_ = Value;
        return;
    }
    if (logarithmic_ && Value < LogFloor) return;
    if (Value == minValue_) return;
    minValue_ = Value;
    if (maxValue_ <= Value) maxValue_ = Value + 1;
    ClampAll(minValue_, maxValue_);
    Paint();
}

void TMeter::SetMeterMaxValue(double Value) {
    if (Loading()) {
        maxValue_ = Value;
        return;
    }
    if (logarithmic_ && Value < LogFloor) return;
    if (Value == maxValue_) return;
    maxValue_ = Value;
    if (Value <= minValue_) {
        minValue_ = Value - 1;
        if (logarithmic_ && minValue_ <= 0) minValue_ = Value / 10;
    }
    ClampAll(minValue_, maxValue_);
    Paint();
}

void TMeter::SetThresholdLow(double Value) {
    if (Loading()) {
        thresholdLow_ = Value;
        return;
    }
    if (logarithmic_ && Value < LogFloor) return;
    if (Value == thresholdLow_) return;
    thresholdLow_ = std::clamp(Value, minValue_, maxValue_);
    if (thresholdLow_ > thresholdHigh_) thresholdHigh_ = thresholdLow_;
    underflow_ = false;
    if (value_ <= thresholdLow_) {
        underflow_ = true;
        DoUnderFlowEvent();
    }
    Paint();
}

void TMeter::SetThresholdHigh(double Value) {
    if (Loading()) {
        thresholdHigh_ = Value;
        return;
    }
    if (logarithmic_ && Value < LogFloor) return;
    if (Value == thresholdHigh_) return;
    thresholdHigh_ = std::clamp(Value, minValue_, maxValue_);
    if (thresholdHigh_ < thresholdLow_) thresholdLow_ = thresholdHigh_;
    overflow_ = false;
    if (value_ >= thresholdHigh_) {
        overflow_ = true;
        DoOverFlowEvent();
    }
    Paint();
}

void TMeter::SetLogarithmic(bool Value) {
    if (Loading()) {
        logarithmic_ = Value;
        return;
    }
    if (Value == logarithmic_) return;
    logarithmic_ = Value && minValue_ > LogFloor && maxValue_ > LogFloor;
    Paint();
}

// =========================================================================================
// images

void TMeter::LoadBackground() { bkgImage_->LoadFromFile(backGroundImg_); }

// Loads the anchor image and builds its mask: white where the background shows through,
// black where the image covers it; transparent image pixels are made black so that OR-ing
// the image over the masked background leaves the background there. Palette images are
// transparent where they use palette index 0, other images where they are pure black.
void TMeter::LoadAnchor() {
    try {
        TBitmap image;
        image.LoadFromFile(anchorImage_);
        const int w = image.GetWidth(), h = image.GetHeight();
        std::vector<bool> clear(static_cast<std::size_t>(w) * h);
        const TPixelFormat pf = image.GetPixelFormat();
        if (pf == pf8bit) {
            for (int y = 0; y < h; ++y) {
                const std::uint8_t* row = image.ScanLine(y);
                for (int x = 0; x < w; ++x) clear[static_cast<std::size_t>(y) * w + x] = row[x] == 0;
            }
        }
        image.SetPixelFormat(pf32bit);
        anchorMask_->SetPixelFormat(pf32bit);
        anchorMask_->SetSize(w, h);
        for (int y = 0; y < h; ++y) {
            std::uint8_t* src = image.ScanLine(y);
            std::uint8_t* m = anchorMask_->ScanLine(y);
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = src + 4 * x;
                bool t = pf == pf8bit ? clear[static_cast<std::size_t>(y) * w + x]
                                      : (p[0] | p[1] | p[2]) == 0;
                if (t) p[0] = p[1] = p[2] = 0;
                p[3] = 0;
                std::uint8_t mv = t ? 0xFF : 0;
                m[4 * x] = m[4 * x + 1] = m[4 * x + 2] = mv;
                m[4 * x + 3] = 0;
            }
        }
        anchorBmp_->Assign(&image);
    } catch (const Exception&) {
        anchorImage_.clear();
    }
}

void TMeter::SetBackGroundImg(const std::string& Value) {
    if (Loading()) {
        backGroundImg_ = Value;
        return;
    }
    if (!Value.empty() && FileExists(Value)) {
        backGroundImg_ = Value;
        try {
            LoadBackground();
        } catch (...) {
            // The name never points at a file that is not shown.
            backGroundImg_.clear();
            throw;
        }
    } else {
        backGroundImg_.clear();
    }
    Paint();
}

void TMeter::SetAnchorImage(const std::string& Value) {
    if (Loading()) {
        anchorImage_ = Value;
        return;
    }
    if (!Value.empty() && FileExists(Value)) {
        anchorImage_ = Value;
        LoadAnchor();
    } else {
        anchorImage_.clear();
    }
    Paint();
}

// =========================================================================================
// mouse

void TMeter::MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue) {
    if (OnMouseMoveInMeter) OnMouseMoveInMeter(this, WithinRange, Shift, MeterValue);
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    double v = 0.0;
    bool within = ConvertPixelToValue(X, Y, v);
    MouseMoveInMeter(within, Shift, v);
}

}  // namespace zyn
