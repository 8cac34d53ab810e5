// The published properties of the numeric label. The table is registered while the program
// starts (the component library is linked whole), so form files can name the class before
// any instance exists.
#include "numlab/Zyn_NumLab.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

const TClassInfo* const NumLabClass = RegisterClass<TNumLab, TGraphicControl>("TNumLab", [](TPublisher<TNumLab>& p) {
    using L = TNumLab;
    p.Enum("Alignment", &L::GetAlignment, &L::SetAlignment, kAlignmentNames).RepaintsAlways();
    p.Color("ColorLabBakG", &L::GetColorLabBakG, &L::SetColorLabBakG);
    p.Color("ColorLabText", &L::GetColorLabText, &L::SetColorLabText);
    p.Color("ColorOutBakG", &L::GetColorOutBakG, &L::SetColorOutBakG);
    p.Color("ColorOutText", &L::GetColorOutText, &L::SetColorOutText);
    p.Enum("ColorScheme", &L::GetColorScheme, &L::SetColorScheme, {"schFixed", "schSystem"}).RepaintsAlways();
    p.Boolean("Comma", &L::GetComma, &L::SetComma);
    p.Enum("DisplayType", &L::GetDisplayType, &L::SetDisplayType,
           {"dtFloat", "dtFixP", "dtExp", "dtHex", "dtZeroInt", "dtInt", "dtDateTime", "dtState", "dtBin",
            "dtOct", "dtDeg", "dtDegMin", "dtDegMinSec", "dtEE"});
    p.String("DTFormat", [](L& l) { return l.GetDTFormat(); }, &L::SetDTFormat);
    p.Boolean("Empty", &L::GetEmpty, &L::SetEmpty);
    // Enabled refreshes on every write, also of the same value.
    p.Boolean("Enabled", &L::GetEnabled, &L::SetEnabled).RepaintsAlways();
    p.Boolean("ForcePlusSign", &L::GetForcePlusSign, &L::SetForcePlusSign);
    p.Enum("FrameStyle", &L::GetFrameStyle, &L::SetFrameStyle,
           {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
    p.Integer("LabelWidth", &L::GetLabelWidth, &L::SetLabelWidth);
    p.Integer("LeftSpace", &L::GetLeftSpace, &L::SetLeftSpace);
    p.String("LeftText", [](L& l) { return l.GetLeftText(); }, &L::SetLeftText);
    p.String("RightText", [](L& l) { return l.GetRightText(); }, &L::SetRightText);
    p.Enum("LeftTextAlignment", &L::GetLeftTextAlignment, &L::SetLeftTextAlignment, kAlignmentNames).RepaintsAlways();
    p.Enum("RightTextAlignment", &L::GetRightTextAlignment, &L::SetRightTextAlignment, kAlignmentNames)
        .RepaintsAlways();
    p.String("OverflowIndicator", [](L& l) { return l.GetOverflowIndicator(); }, &L::SetOverflowIndicator);
    p.Integer("Precision", &L::GetPrecision, &L::SetPrecision);
    p.String("StateText", [](L& l) { return l.GetStateText(); }, &L::SetStateText);
    p.Boolean("Transparent", &L::GetTransparent, &L::SetTransparent);
    p.Float("Value", &L::GetValue, &L::SetValue);
    p.Event("OnBeforeDisplay", &L::GetOnBeforeDisplay, &L::SetOnBeforeDisplay);
});

}  // namespace

}  // namespace zyn
