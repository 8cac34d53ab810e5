// The published properties of the meter and its needle layouts. The tables are registered
// while the program starts (the component library is linked whole), so form files can
// name the classes before any instance exists.
#include "meter/Zyn_Meter.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const NeedleLayoutClass =
    RegisterClass<TNeedleLayout, TPersistent>("TNeedleLayout", [](TPublisher<TNeedleLayout>& p) {
        using N = TNeedleLayout;
        p.Color("ColorBody", &N::GetColorBody, &N::SetColorBody);
        p.Color("ColorOutline", &N::GetColorOutline, &N::SetColorOutline);
        p.Integer("HeadSize", &N::GetHeadSize, &N::SetHeadSize);
        p.Integer("Thickness", &N::GetThickness, &N::SetThickness);
        p.Integer("PercentNeedleLength", &N::GetPercentNeedleLength, &N::SetPercentNeedleLength);
        p.Integer("HeadAngle", &N::GetHeadAngle, &N::SetHeadAngle);
        p.Integer("HeadMidLeng", &N::GetHeadMidLeng, &N::SetHeadMidLeng);
        p.Integer("ShadowDx", &N::GetShadowDx, &N::SetShadowDx);
        p.Integer("ShadowDy", &N::GetShadowDy, &N::SetShadowDy);
        p.Color("ShadowColor", &N::GetShadowColor, &N::SetShadowColor);
        p.Boolean("Visible", &N::GetVisible, &N::SetVisible);
        p.Event("OnChange", &N::GetOnChange, &N::SetOnChange);
    });

const TClassInfo* const MeterClass = RegisterClass<TMeter, TGraphicControl>("TMeter", [](TPublisher<TMeter>& p) {
        using M = TMeter;
        p.Integer("AnchorSize", &M::GetAnchorSize, &M::SetAnchorSize);
        p.Boolean("AnchorCovered", &M::GetAnchorCovered, &M::SetAnchorCovered);
        p.String("AnchorImage", [](M& m) { return m.GetAnchorImage(); }, &M::SetAnchorImage).RepaintsAlways();
        p.String("BackGroundImg", [](M& m) { return m.GetBackGroundImg(); }, &M::SetBackGroundImg).RepaintsAlways();
        p.Enum("BkgndFillMode", &M::GetBkgndFillMode, &M::SetBkgndFillMode,
               {"bfTopLeft", "bfStretch", "bfTile"}).RepaintsAlways();
        p.String("Caption", [](M& m) { return m.GetCaption(); }, &M::SetCaption).RepaintsAlways();
        p.Color("ColorBakG", &M::GetColorBakG, &M::SetColorBakG);
        p.Color("ColorCover", &M::GetColorCover, &M::SetColorCover);
        p.Color("ColorScale", &M::GetColorScale, &M::SetColorScale);
        p.Enum("ColorScheme", &M::GetColorScheme, &M::SetColorScheme, {"schFixed", "schSystem"});
        p.Color("ColorSclBkLow", &M::GetColorSclBkLow, &M::SetColorSclBkLow);
        p.Color("ColorSclBkNorm", &M::GetColorSclBkNorm, &M::SetColorSclBkNorm);
        p.Color("ColorSclBkHigh", &M::GetColorSclBkHigh, &M::SetColorSclBkHigh);
        p.Object("FontCaption", &M::GetFontCaption, &M::SetFontCaption);
        p.Enum("FrameStyle", &M::GetFrameStyle, &M::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Boolean("LimWatchHighOn", &M::GetLimWatchHighOn, &M::SetLimWatchHighOn);
        p.Boolean("LimWatchLowOn", &M::GetLimWatchLowOn, &M::SetLimWatchLowOn);
        p.Color("LimWatchActColor", &M::GetLimWatchActColor, &M::SetLimWatchActColor);
        p.Color("LimWatchPsvColor", &M::GetLimWatchPsvColor, &M::SetLimWatchPsvColor);
        // The range ends come before the values they bound, so a form file restores them in order.
        p.Float("MeterMinValue", &M::GetMeterMinValue, &M::SetMeterMinValue);
        p.Float("MeterMaxValue", &M::GetMeterMaxValue, &M::SetMeterMaxValue);
        p.Boolean("Logarithmic", &M::GetLogarithmic, &M::SetLogarithmic);
        p.Float("ThresholdLow", &M::GetThresholdLow, &M::SetThresholdLow);
        p.Float("ThresholdHigh", &M::GetThresholdHigh, &M::SetThresholdHigh);
        p.Integer("MeterDecPlaces", &M::GetMeterDecPlaces, &M::SetMeterDecPlaces);
        p.Integer("MeterNrTicks", &M::GetMeterNrTicks, &M::SetMeterNrTicks);
        p.Enum("MeterLayout", &M::GetMeterLayout, &M::SetMeterLayout,
               {"mlCirc90", "mlCirc120", "mlCirc180", "mlCirc270", "mlCirc300", "mlCirc360"});
        p.Boolean("MeterShortTicks", &M::GetMeterShortTicks, &M::SetMeterShortTicks);
        p.Boolean("MeterScaleLine", &M::GetMeterScaleLine, &M::SetMeterScaleLine);
        p.Object("NeedleLayout", &M::GetNeedleLayout, &M::SetNeedleLayout);
        p.Object("NeedleLayoutSec", &M::GetNeedleLayoutSec, &M::SetNeedleLayoutSec);
        p.Integer("RimBottom", &M::GetRimBottom, &M::SetRimBottom);
        p.Integer("RimTop", &M::GetRimTop, &M::SetRimTop);
        p.Integer("RimSide", &M::GetRimSide, &M::SetRimSide);
        p.Float("ScaleBkWidth", &M::GetScaleBkWidth, &M::SetScaleBkWidth).RepaintsAlways();
        p.Boolean("ScaleBkVisible", &M::GetScaleBkVisible, &M::SetScaleBkVisible).RepaintsAlways();
        p.Boolean("ScaleVisible", &M::GetScaleVisible, &M::SetScaleVisible).RepaintsAlways();
        p.Float("Value", &M::GetValue, &M::SetValue);
        p.Float("ValueSec", &M::GetValueSec, &M::SetValueSec);
        p.Event("OnOverFlow", &M::GetOnOverFlow, &M::SetOnOverFlow);
        p.Event("OnUnderFlow", &M::GetOnUnderFlow, &M::SetOnUnderFlow);
        p.Event("OnNormalRange", &M::GetOnNormalRange, &M::SetOnNormalRange);
        p.Event("OnMouseMoveInMeter", &M::GetOnMouseMoveInMeter, &M::SetOnMouseMoveInMeter);
        p.Event("OnBeforeDrawScaleLabel", &M::GetOnBeforeDrawScaleLabel, &M::SetOnBeforeDrawScaleLabel);
        p.Event("OnBeforeDrawNeedle", &M::GetOnBeforeDrawNeedle, &M::SetOnBeforeDrawNeedle);
        p.Event("OnMeterRendered", &M::GetOnMeterRendered, &M::SetOnMeterRendered);
    });

}  // namespace

}  // namespace zyn
