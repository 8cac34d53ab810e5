// The published properties of the meter and its needle layouts, registered once.
#include "meter/Zyn_Meter.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

void RegisterMeterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterClass<TNeedleLayout, TPersistent>("TNeedleLayout", [](TPublisher<TNeedleLayout>& p) {
        using N = TNeedleLayout;
        p.Color("ColorBody", &N::GetColorBody, &N::SetColorBody, clSilver);
        p.Color("ColorOutline", &N::GetColorOutline, &N::SetColorOutline, clBlack);
        p.Integer("HeadSize", &N::GetHeadSize, &N::SetHeadSize, 20);
        p.Integer("Thickness", &N::GetThickness, &N::SetThickness, 0);
        p.Integer("PercentNeedleLength", &N::GetPercentNeedleLength, &N::SetPercentNeedleLength, 100);
        p.Integer("HeadAngle", &N::GetHeadAngle, &N::SetHeadAngle, 30);
        p.Integer("HeadMidLeng", &N::GetHeadMidLeng, &N::SetHeadMidLeng, 20);
        p.Integer("ShadowDx", &N::GetShadowDx, &N::SetShadowDx, 0);
        p.Integer("ShadowDy", &N::GetShadowDy, &N::SetShadowDy, 0);
        p.Color("ShadowColor", &N::GetShadowColor, &N::SetShadowColor, clGray);
        p.Boolean("Visible", &N::GetVisible, &N::SetVisible, true).NoDefault();
        p.Event("OnChange", &N::OnChange);
    });
    RegisterClass<TMeter, TGraphicControl>("TMeter", [](TPublisher<TMeter>& p) {
        using M = TMeter;
        p.Integer("AnchorSize", &M::GetAnchorSize, &M::SetAnchorSize, 24);
        p.Boolean("AnchorCovered", &M::GetAnchorCovered, &M::SetAnchorCovered, true);
        p.String("AnchorImage", [](M& m) { return m.GetAnchorImage(); }, &M::SetAnchorImage);
        p.String("BackGroundImg", [](M& m) { return m.GetBackGroundImg(); }, &M::SetBackGroundImg);
        p.Enum("BkgndFillMode", &M::GetBkgndFillMode, &M::SetBkgndFillMode, bfTopLeft,
               {"bfTopLeft", "bfStretch", "bfTile"});
        p.String("Caption", [](M& m) { return m.GetCaption(); }, &M::SetCaption);
        p.Color("ColorBakG", &M::GetColorBakG, &M::SetColorBakG, clWhite);
        p.Color("ColorCover", &M::GetColorCover, &M::SetColorCover, clBtnFace);
        p.Color("ColorScale", &M::GetColorScale, &M::SetColorScale, clNavy);
        p.Enum("ColorScheme", &M::GetColorScheme, &M::SetColorScheme, schFixed, {"schFixed", "schSystem"});
        p.Color("ColorSclBkLow", &M::GetColorSclBkLow, &M::SetColorSclBkLow, clLime);
        p.Color("ColorSclBkNorm", &M::GetColorSclBkNorm, &M::SetColorSclBkNorm, 0x0080FF);
        p.Color("ColorSclBkHigh", &M::GetColorSclBkHigh, &M::SetColorSclBkHigh, clRed);
        p.Object("FontCaption", &M::GetFontCaption, &M::SetFontCaption);
        p.Enum("FrameStyle", &M::GetFrameStyle, &M::SetFrameStyle, frRaised,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Boolean("LimWatchHighOn", &M::GetLimWatchHighOn, &M::SetLimWatchHighOn, true);
        p.Boolean("LimWatchLowOn", &M::GetLimWatchLowOn, &M::SetLimWatchLowOn, true);
        p.Color("LimWatchActColor", &M::GetLimWatchActColor, &M::SetLimWatchActColor, clRed);
        p.Color("LimWatchPsvColor", &M::GetLimWatchPsvColor, &M::SetLimWatchPsvColor, clGray);
        // The range ends come before the values they bound, so a form file restores them in order.
        p.Float("MeterMinValue", &M::GetMeterMinValue, &M::SetMeterMinValue, 0.0);
        p.Float("MeterMaxValue", &M::GetMeterMaxValue, &M::SetMeterMaxValue, 1.0);
        p.Boolean("Logarithmic", &M::GetLogarithmic, &M::SetLogarithmic, false);
        p.Float("ThresholdLow", &M::GetThresholdLow, &M::SetThresholdLow, 0.0);
        p.Float("ThresholdHigh", &M::GetThresholdHigh, &M::SetThresholdHigh, 1.0);
        p.Integer("MeterDecPlaces", &M::GetMeterDecPlaces, &M::SetMeterDecPlaces, 1);
        p.Integer("MeterNrTicks", &M::GetMeterNrTicks, &M::SetMeterNrTicks, 3);
        p.Enum("MeterLayout", &M::GetMeterLayout, &M::SetMeterLayout, mlCirc90,
               {"mlCirc90", "mlCirc120", "mlCirc180", "mlCirc270", "mlCirc300", "mlCirc360"});
        p.Boolean("MeterShortTicks", &M::GetMeterShortTicks, &M::SetMeterShortTicks, true);
        p.Boolean("MeterScaleLine", &M::GetMeterScaleLine, &M::SetMeterScaleLine, true);
        p.Object("NeedleLayout", &M::GetNeedleLayout, &M::SetNeedleLayout);
        p.Object("NeedleLayoutSec", &M::GetNeedleLayoutSec, &M::SetNeedleLayoutSec);
        p.Integer("RimBottom", &M::GetRimBottom, &M::SetRimBottom, 10);
        p.Integer("RimTop", &M::GetRimTop, &M::SetRimTop, 8);
        p.Integer("RimSide", &M::GetRimSide, &M::SetRimSide, 10);
        p.Float("ScaleBkWidth", &M::GetScaleBkWidth, &M::SetScaleBkWidth, 0.0);
        p.Boolean("ScaleBkVisible", &M::GetScaleBkVisible, &M::SetScaleBkVisible, false);
        p.Boolean("ScaleVisible", &M::GetScaleVisible, &M::SetScaleVisible, true);
        p.Float("Value", &M::GetValue, &M::SetValue, 0.0);
        p.Float("ValueSec", &M::GetValueSec, &M::SetValueSec, 0.0);
        p.Event("OnOverFlow", &M::OnOverFlow);
        p.Event("OnUnderFlow", &M::OnUnderFlow);
        p.Event("OnNormalRange", &M::OnNormalRange);
        p.Event("OnMouseMoveInMeter", &M::OnMouseMoveInMeter);
        p.Event("OnBeforeDrawScaleLabel", &M::OnBeforeDrawScaleLabel);
        p.Event("OnBeforeDrawNeedle", &M::OnBeforeDrawNeedle);
        p.Event("OnMeterRendered", &M::OnMeterRendered);
    });
}

}  // namespace zyn
