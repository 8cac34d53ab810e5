// The published properties of the numeric input/output control. The table is registered
// while the program starts (the component library is linked whole), so form files can name
// the class before any instance exists.
#include "numio/Zyn_NumIO2.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kFrameStyleNames{"frNone",   "frSingle",       "frSunken",
                                                "frRaised", "frSunkenDouble", "frRaisedDouble"};

const TClassInfo* const NumIO2Class = RegisterClass<TNumIO2, TCustomControl>("TNumIO2", [](TPublisher<TNumIO2>& p) {
    using N = TNumIO2;
    p.Enum("Alignment", &N::GetAlignment, &N::SetAlignment, kAlignmentNames).RepaintsAlways();
    p.Boolean("AutoSize", &N::GetAutoSize, &N::SetAutoSize).RepaintsAlways();
    p.Boolean("Beep", &N::GetBeep, &N::SetBeep);
    // Enabled refreshes on every write, also of the same value.
    p.Boolean("Enabled", &N::GetEnabled, &N::SetEnabled).RepaintsAlways();
    p.Boolean("But3D", &N::GetBut3D, &N::SetBut3D).RepaintsAlways();
    p.Color("ButColor", &N::GetButColor, &N::SetButColor).RepaintsAlways();
    p.Integer("ButHeight", &N::GetButHeight, &N::SetButHeight);
    p.Float("ButIncrem", &N::GetButIncrem, &N::SetButIncrem);
    p.Integer("ButSpace", &N::GetButSpace, &N::SetButSpace);
    p.Boolean("ButVisible", &N::GetButVisible, &N::SetButVisible).RepaintsAlways();
    p.Integer("ButWidth", &N::GetButWidth, &N::SetButWidth);
    p.Color("ColorBoxBG", &N::GetColorBoxBG, &N::SetColorBoxBG).RepaintsAlways();
    p.Color("ColorBoxText", &N::GetColorBoxText, &N::SetColorBoxText).RepaintsAlways();
    p.Color("ColorOutBG", &N::GetColorOutBG, &N::SetColorOutBG).RepaintsAlways();
    p.Color("ColorOutText", &N::GetColorOutText, &N::SetColorOutText).RepaintsAlways();
    p.Enum("ColorScheme", &N::GetColorScheme, &N::SetColorScheme, {"schFixed", "schSystem"}).RepaintsAlways();
    p.Color("ColorWarnBG", &N::GetColorWarnBG, &N::SetColorWarnBG).RepaintsAlways();
    p.Color("ColorWarnText", &N::GetColorWarnText, &N::SetColorWarnText).RepaintsAlways();
    p.Enum("DecPlaceSep", &N::GetDecPlaceSep, &N::SetDecPlaceSep,
           {"dpsSystem", "dpsPoint", "dpsComma", "dpsPointOrComma"});
    p.Integer("FixPointDecPlaces", &N::GetFixPointDecPlaces, &N::SetFixPointDecPlaces);
    p.Enum("FrameStyle", &N::GetFrameStyle, &N::SetFrameStyle, kFrameStyleNames).RepaintsAlways();
    p.Color("GaugeColor", &N::GetGaugeColor, &N::SetGaugeColor).RepaintsAlways();
    p.Color("GaugeColorBg", &N::GetGaugeColorBg, &N::SetGaugeColorBg).RepaintsAlways();
    p.Color("GaugeColorFrame", &N::GetGaugeColorFrame, &N::SetGaugeColorFrame).RepaintsAlways();
    p.Enum("GaugeFrameStyle", &N::GetGaugeFrameStyle, &N::SetGaugeFrameStyle, kFrameStyleNames).RepaintsAlways();
    p.Integer("GaugeHeight", &N::GetGaugeHeight, &N::SetGaugeHeight);
    p.Integer("GaugeLeftMargin", &N::GetGaugeLeftMargin, &N::SetGaugeLeftMargin);
    p.Integer("GaugeTopMargin", &N::GetGaugeTopMargin, &N::SetGaugeTopMargin);
    p.Boolean("GaugeVisible", &N::GetGaugeVisible, &N::SetGaugeVisible).RepaintsAlways();
    p.Integer("GaugeWidth", &N::GetGaugeWidth, &N::SetGaugeWidth);
    p.Boolean("HideSelection", &N::GetHideSelection, &N::SetHideSelection).RepaintsAlways();
    // The format and the separator come before the texts they rule.
    p.Enum("InputFormat", &N::GetInputFormat, &N::SetInputFormat,
           {"itExp", "itFloat", "itFixPoint", "itInt", "itHex", "itOct", "itBin", "itDynamic"});
    p.Integer("LeftSpace", &N::GetLeftSpace, &N::SetLeftSpace);
    p.String("LeftText", [](N& n) { return n.GetLeftText(); }, &N::SetLeftText);
    p.String("RightText", [](N& n) { return n.GetRightText(); }, &N::SetRightText);
    p.Enum("LeftTextAlignment", &N::GetLeftTextAlignment, &N::SetLeftTextAlignment, kAlignmentNames).RepaintsAlways();
    p.Enum("RightTextAlignment", &N::GetRightTextAlignment, &N::SetRightTextAlignment, kAlignmentNames)
        .RepaintsAlways();
    p.Float("RangeLow", &N::GetRangeLow, &N::SetRangeLow).RepaintsAlways();
    p.Float("RangeHigh", &N::GetRangeHigh, &N::SetRangeHigh).RepaintsAlways();
    p.Boolean("ReadOnly", &N::GetReadOnly, &N::SetReadOnly);
    p.Integer("SignificantDigits", &N::GetSignificantDigits, &N::SetSignificantDigits);
    p.String("Text", [](N& n) { return n.GetText(); }, [](N& n, const std::string& v) { n.SetText(v); })
        .RepaintsAlways();
    p.Integer("TextBoxWidth", &N::GetTextBoxWidth, &N::SetTextBoxWidth);
    p.Float("Value", &N::GetValue, &N::SetValue).RepaintsAlways();
    p.Event("OnChange", &N::GetOnChange, &N::SetOnChange);
    p.Event("OnGaugeChange", &N::GetOnGaugeChange, &N::SetOnGaugeChange);
});

}  // namespace

}  // namespace zyn
