// The meter's model: construction, the needle layouts, the property setters with their
// range rules and events, image loading and mouse tracking.
#include "meter/Zyn_Meter.h"

#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "platform/SysUtils.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

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
    if (FOnChange) FOnChange(this);
}

void TNeedleLayout::SetColorBody(TColor Value) { Store(FColorBody, Value); }
void TNeedleLayout::SetColorOutline(TColor Value) { Store(FColorOutline, Value); }
void TNeedleLayout::SetHeadSize(int Value) { Store(FHeadSize, Value); }
void TNeedleLayout::SetThickness(int Value) { Store(FThickness, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) { Store(FPercentNeedleLength, std::clamp(Value, 0, 100)); }
void TNeedleLayout::SetHeadAngle(int Value) { Store(FHeadAngle, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Store(FHeadMidLeng, Value); }
void TNeedleLayout::SetShadowDx(int Value) { Store(FShadowDx, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Store(FShadowDy, Value); }
void TNeedleLayout::SetShadowColor(TColor Value) { Store(FShadowColor, Value); }
void TNeedleLayout::SetVisible(bool Value) { Store(FVisible, Value); }

void TNeedleLayout::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TNeedleLayout*>(Source);
    if (src == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FColorBody = src->FColorBody;
    FColorOutline = src->FColorOutline;
    FHeadSize = src->FHeadSize;
    FThickness = src->FThickness;
    FPercentNeedleLength = src->FPercentNeedleLength;
    FHeadAngle = src->FHeadAngle;
    FHeadMidLeng = src->FHeadMidLeng;
    FShadowDx = src->FShadowDx;
    FShadowDy = src->FShadowDy;
    FShadowColor = src->FShadowColor;
    FVisible = src->FVisible;
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

TMeter::TMeter(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FNeedleLayout(std::make_unique<TNeedleLayout>()),
      FNeedleLayoutSec(std::make_unique<TNeedleLayout>()),
      FBkgImage(std::make_unique<TBitmap>()),
      FAnchorBmp(std::make_unique<TBitmap>()),
      FAnchorMask(std::make_unique<TBitmap>()) {
    FNeedleLayoutSec->SetVisible(false);
    FNeedleLayout->SetOnChange([this](TObject* Sender) { StyleChanged(Sender); });
    FNeedleLayoutSec->SetOnChange([this](TObject* Sender) { StyleChanged(Sender); });
    FFontCaption = std::make_unique<TFont>();
    FFontCaption->Assign(GetFont());
    FBkgImage->SetSize(10, 10);
    FAnchorBmp->SetSize(10, 10);
    FAnchorMask->SetSize(10, 10);
    // The size is set while the rims are still 0, so the geometry reflects rims of 0 until
    // the next bounds or layout change.
    TGraphicControl::SetBounds(GetLeft(), GetTop(), 297, 209);
    CalcMeterLayoutParams();
    FRimBottom = 10;
    FRimTop = 8;
    FRimSide = 10;
}

TMeter::~TMeter() = default;

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcMeterLayoutParams();
}

void TMeter::Loaded() {
    TGraphicControl::Loaded();
    FValue = std::clamp(FValue, FMeterMinValue, std::max(FMeterMinValue, FMeterMaxValue));
    if (!FBackGroundImg.empty()) {
        try {
            LoadBackground();
        } catch (const Exception&) {
            FBackGroundImg.clear();
        }
    }
    if (!FAnchorImage.empty()) LoadAnchor();
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

void TMeter::SetAnchorSize(int Value) { StoreAndPaint(FAnchorSize, Value); }
void TMeter::SetAnchorCovered(bool Value) { StoreAndPaint(FAnchorCovered, Value); }
void TMeter::SetBkgndFillMode(TBkgFill Value) { FBkgndFillMode = Value; Paint(); }
void TMeter::SetCaption(const std::string& Value) { FCaption = Value; Paint(); }
void TMeter::SetColorBakG(TColor Value) { StoreAndPaint(FColorBakG, Value); }
void TMeter::SetColorCover(TColor Value) { StoreAndPaint(FColorCover, Value); }
void TMeter::SetColorScale(TColor Value) { StoreAndPaint(FColorScale, Value); }
void TMeter::SetColorSclBkLow(TColor Value) { StoreAndPaint(FColorSclBkLow, Value); }
void TMeter::SetColorSclBkNorm(TColor Value) { StoreAndPaint(FColorSclBkNorm, Value); }
void TMeter::SetColorSclBkHigh(TColor Value) { StoreAndPaint(FColorSclBkHigh, Value); }
void TMeter::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(FFrameStyle, Value); }
void TMeter::SetLimWatchHighOn(bool Value) { StoreAndPaint(FLimWatchHighOn, Value); }
void TMeter::SetLimWatchLowOn(bool Value) { StoreAndPaint(FLimWatchLowOn, Value); }
void TMeter::SetLimWatchActColor(TColor Value) { StoreAndPaint(FLimWatchActColor, Value); }
void TMeter::SetLimWatchPsvColor(TColor Value) { StoreAndPaint(FLimWatchPsvColor, Value); }
void TMeter::SetMeterShortTicks(bool Value) { StoreAndPaint(FMeterShortTicks, Value); }
void TMeter::SetMeterScaleLine(bool Value) { StoreAndPaint(FMeterScaleLine, Value); }
void TMeter::SetRimBottom(int Value) { StoreAndPaint(FRimBottom, Value); }
void TMeter::SetRimTop(int Value) { StoreAndPaint(FRimTop, Value); }
void TMeter::SetRimSide(int Value) { StoreAndPaint(FRimSide, Value); }
void TMeter::SetScaleBkVisible(bool Value) { FScaleBkVisible = Value; Paint(); }
void TMeter::SetScaleVisible(bool Value) { FScaleVisible = Value; Paint(); }

void TMeter::SetScaleBkWidth(double Value) {
    FScaleBkWidth = std::clamp(Value, 0.0, 100.0);
    Paint();
}

void TMeter::SetColorScheme(TColorScheme Value) {
    if (FColorScheme == Value) return;
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Paint();
}

void TMeter::SetFontCaption(TFont* Value) {
    FFontCaption->Assign(Value);
    Paint();
}

void TMeter::SetMeterDecPlaces(int Value) {
    if (FMeterDecPlaces == Value) return;
    FMeterDecPlaces = std::clamp(Value, 0, 4);
    Paint();
}

void TMeter::SetMeterNrTicks(int Value) {
    if (FMeterNrTicks == Value) return;
    FMeterNrTicks = std::clamp(Value, 2, 21);
    Paint();
}

void TMeter::SetMeterLayout(TMeterLayout Value) {
    if (FMeterLayout == Value) return;
    FMeterLayout = Value;
    CalcMeterLayoutParams();
    Paint();
}

void TMeter::SetNeedleLayout(TNeedleLayout* Value) {
    FNeedleLayout->Assign(Value);
    Paint();
}

void TMeter::SetNeedleLayoutSec(TNeedleLayout* Value) {
    FNeedleLayoutSec->Assign(Value);
    Paint();
}

void TMeter::StyleChanged(TObject* Sender) {
    (void)Sender;
    Paint();
}

// =========================================================================================
// range rules

void TMeter::DoOverFlowEvent() {
    if (FOnOverFlow) FOnOverFlow(this);
}
void TMeter::DoUnderFlowEvent() {
    if (FOnUnderFlow) FOnUnderFlow(this);
}
void TMeter::DoNormalRangeEvent() {
    if (FOnNormalRange) FOnNormalRange(this);
}

void TMeter::SetValue(double Value) {
    if (Loading()) {
        FValue = Value;
        return;
    }
    // The clamped value is compared, so repeating an out-of-range value changes nothing.
    double v = std::clamp(Value, FMeterMinValue, FMeterMaxValue);
    if (v == FValue) return;
    FValue = v;
    FOverflowFlag = FUnderflowFlag = false;
    if (FNeedleLayout->GetVisible()) {
        if (FValue >= FThresholdHigh) {
            FOverflowFlag = true;
            DoOverFlowEvent();
        } else if (FValue > FThresholdLow) {
            DoNormalRangeEvent();
        } else {
            FUnderflowFlag = true;
            DoUnderFlowEvent();
        }
    }
    vcl::NotifyAccessible(this, vcl::aeValue);
    Paint();
}

void TMeter::SetValueSec(double Value) {
    if (Loading()) {
        FValueSec = Value;
        return;
    }
    double v = std::clamp(Value, FMeterMinValue, FMeterMaxValue);
    if (v == FValueSec) return;
    FValueSec = v;
    FOverflowFlag = FUnderflowFlag = false;
    if (!FNeedleLayoutSec->GetVisible()) return;
    if (FValueSec >= FThresholdHigh) {
        FOverflowFlag = true;
        DoOverFlowEvent();
    } else if (FValueSec > FThresholdLow) {
        DoNormalRangeEvent();
    } else {
        FUnderflowFlag = true;
        DoUnderFlowEvent();
    }
    Paint();
}

// Pulls the needle values and thresholds into [Lo, Hi] after a range end moved.
void TMeter::ClampAll(double Lo, double Hi) {
    for (double* p : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh}) *p = std::clamp(*p, Lo, Hi);
}

void TMeter::SetMeterMinValue(double Value) {
    if (Loading()) {
        FMeterMinValue = Value;
        return;
    }
    if (FLogarithmic && Value < LogFloor) return;
    if (Value == FMeterMinValue) return;
    FMeterMinValue = Value;
    if (FMeterMaxValue <= Value) FMeterMaxValue = Value + 1;
    ClampAll(FMeterMinValue, FMeterMaxValue);
    Paint();
}

void TMeter::SetMeterMaxValue(double Value) {
    if (Loading()) {
        FMeterMaxValue = Value;
        return;
    }
    if (FLogarithmic && Value < LogFloor) return;
    if (Value == FMeterMaxValue) return;
    FMeterMaxValue = Value;
    if (Value <= FMeterMinValue) {
        FMeterMinValue = Value - 1;
        if (FLogarithmic && FMeterMinValue <= 0) FMeterMinValue = Value / 10;
    }
    ClampAll(FMeterMinValue, FMeterMaxValue);
    Paint();
}

void TMeter::SetThresholdLow(double Value) {
    if (Loading()) {
        FThresholdLow = Value;
        return;
    }
    if (FLogarithmic && Value < LogFloor) return;
    if (Value == FThresholdLow) return;
    FThresholdLow = std::clamp(Value, FMeterMinValue, FMeterMaxValue);
    if (FThresholdLow > FThresholdHigh) FThresholdHigh = FThresholdLow;
    FUnderflowFlag = false;
    if (FValue <= FThresholdLow) {
        FUnderflowFlag = true;
        DoUnderFlowEvent();
    }
    Paint();
}

void TMeter::SetThresholdHigh(double Value) {
    if (Loading()) {
        FThresholdHigh = Value;
        return;
    }
    if (FLogarithmic && Value < LogFloor) return;
    if (Value == FThresholdHigh) return;
    FThresholdHigh = std::clamp(Value, FMeterMinValue, FMeterMaxValue);
    if (FThresholdHigh < FThresholdLow) FThresholdLow = FThresholdHigh;
    FOverflowFlag = false;
    if (FValue >= FThresholdHigh) {
        FOverflowFlag = true;
        DoOverFlowEvent();
    }
    Paint();
}

void TMeter::SetLogarithmic(bool Value) {
    if (Loading()) {
        FLogarithmic = Value;
        return;
    }
    if (Value == FLogarithmic) return;
    FLogarithmic = Value && FMeterMinValue > LogFloor && FMeterMaxValue > LogFloor;
    Paint();
}

// =========================================================================================
// images

void TMeter::LoadBackground() { FBkgImage->LoadFromFile(FBackGroundImg); }

// Loads the anchor image and builds its mask: white where the background shows through,
// black where the image covers it; transparent image pixels are made black so that OR-ing
// the image over the masked background leaves the background there.
//
// Which pixels are transparent: in a palette image (1, 4 or 8 bits a pixel) those of palette
// index 0, whatever colour the palette gives it; the mask is made per pixel, so an index
// byte (or the two or eight pixels packed in one byte) is never mistaken for another
// pixel's. A true-colour image has no index, and its pure black pixels (every byte 0) take
// the role of index 0: they are the pixels that OR-drawing leaves unchanged, and black is
// index 0 of the default palettes, so an image keeps its transparent areas when it is saved
// again with more colours.
void TMeter::LoadAnchor() {
    try {
        TBitmap image;
        image.LoadFromFile(FAnchorImage);
        const int w = image.GetWidth(), h = image.GetHeight();
        std::vector<bool> clear(static_cast<std::size_t>(w) * h);
        const TPixelFormat pf = image.GetPixelFormat();
        const int bits = pf == pf1bit ? 1 : pf == pf4bit ? 4 : pf == pf8bit ? 8 : 0;
        if (bits != 0) {
            for (int y = 0; y < h; ++y) {
                const std::uint8_t* row = image.ScanLine(y);
                for (int x = 0; x < w; ++x) {
                    // Pixels are packed most significant bits first.
                    const int bit = x * bits;
                    const int index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
                    clear[static_cast<std::size_t>(y) * w + x] = index == 0;
                }
            }
        }
        image.SetPixelFormat(pf32bit);
        FAnchorMask->SetPixelFormat(pf32bit);
        FAnchorMask->SetSize(w, h);
        for (int y = 0; y < h; ++y) {
            std::uint8_t* src = image.ScanLine(y);
            std::uint8_t* m = FAnchorMask->ScanLine(y);
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = src + 4 * x;
                bool t = bits != 0 ? clear[static_cast<std::size_t>(y) * w + x] : (p[0] | p[1] | p[2]) == 0;
                if (t) p[0] = p[1] = p[2] = 0;
                p[3] = 0;
                std::uint8_t mv = t ? 0xFF : 0;
                m[4 * x] = m[4 * x + 1] = m[4 * x + 2] = mv;
                m[4 * x + 3] = 0;
            }
        }
        FAnchorBmp->Assign(&image);
    } catch (const Exception&) {
        FAnchorImage.clear();
    }
}

void TMeter::SetBackGroundImg(const std::string& Value) {
    if (Loading()) {
        FBackGroundImg = Value;
        return;
    }
    if (!Value.empty() && FileExists(Value)) {
        // The name is stored first: a file that cannot be loaded raises its error to the
        // caller with the name kept, so the caller sees which file was refused.
        FBackGroundImg = Value;
        LoadBackground();
    } else {
        FBackGroundImg.clear();
    }
    Paint();
}

void TMeter::SetAnchorImage(const std::string& Value) {
    if (Loading()) {
        FAnchorImage = Value;
        return;
    }
    if (!Value.empty() && FileExists(Value)) {
        FAnchorImage = Value;
        LoadAnchor();
    } else {
        FAnchorImage.clear();
    }
    Paint();
}

// =========================================================================================
// mouse

void TMeter::MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue) {
    if (FOnMouseMoveInMeter) FOnMouseMoveInMeter(this, WithinRange, Shift, MeterValue);
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    double v = 0.0;
    bool within = ConvertPixelToValue(X, Y, v);
    MouseMoveInMeter(within, Shift, v);
}

void TMeter::ChangeScale(int M, int D) {
    // The rims first: the scale's geometry is laid out when the size changes.
    SetRimBottom(MulDiv(FRimBottom, M, D));
    SetRimTop(MulDiv(FRimTop, M, D));
    SetRimSide(MulDiv(FRimSide, M, D));
    TGraphicControl::ChangeScale(M, D);
    for (TNeedleLayout* needle : {FNeedleLayout.get(), FNeedleLayoutSec.get()}) {
        needle->SetHeadSize(MulDiv(needle->GetHeadSize(), M, D));
        needle->SetThickness(MulDiv(needle->GetThickness(), M, D));
        needle->SetHeadMidLeng(MulDiv(needle->GetHeadMidLeng(), M, D));
        needle->SetShadowDx(MulDiv(needle->GetShadowDx(), M, D));
        needle->SetShadowDy(MulDiv(needle->GetShadowDy(), M, D));
    }
    SetAnchorSize(MulDiv(FAnchorSize, M, D));
    FFontCaption->SetHeight(MulDiv(FFontCaption->GetHeight(), M, D));
}

}  // namespace zyn
