// The published properties of the progress bar (the framework's own, such as Align, Font
// and the mouse events, come from the control's table).
#include "platform/Classes.h"
#include "progbar/Zyn_ProgBar.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const ProgBarClass = RegisterClass<TProgBar, TGraphicControl>("TProgBar", [](TPublisher<TProgBar>& p) {
    using B = TProgBar;
    const std::vector<std::string> frameStyles{"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble",
                                               "frRaisedDouble"};
    p.Boolean("AutoInc", &B::GetAutoInc, &B::SetAutoInc);
    p.Float("AutoIncStep", &B::GetAutoIncStep, &B::SetAutoIncStep);
    p.String("BackGroundImg", [](B& b) { return b.GetBackGroundImg(); }, &B::SetBackGroundImg).RepaintsAlways();
    p.Color("ColorBackGnd", &B::GetColorBackGnd, &B::SetColorBackGnd);
    p.Color("ColorGrid", &B::GetColorGrid, &B::SetColorGrid);
    p.Enum("ColorMapMode", &B::GetColorMapMode, &B::SetColorMapMode, {"cgmCover", "cgmStretch", "cgmMove"});
    p.Color("ColorMargin", &B::GetColorMargin, &B::SetColorMargin);
    p.Color("ColorMax", &B::GetColorMax, &B::SetColorMax).RepaintsAlways();
    p.Color("ColorMin", &B::GetColorMin, &B::SetColorMin).RepaintsAlways();
    p.Enum("ColorScheme", &B::GetColorScheme, &B::SetColorScheme, {"schFixed", "schSystem"}).RepaintsAlways();
    p.Enum("Direction", &B::GetDirection, &B::SetDirection, {"dirUp", "dirDown", "dirLeft", "dirRight"});
    p.Enum("FrameStyleInner", &B::GetFrameStyleInner, &B::SetFrameStyleInner, frameStyles);
    p.Enum("FrameStyleOuter", &B::GetFrameStyleOuter, &B::SetFrameStyleOuter, frameStyles);
    p.Integer("GridDist", &B::GetGridDist, &B::SetGridDist);
    p.Integer("MarginLeft", &B::GetMarginLeft, &B::SetMarginLeft);
    p.Integer("MarginRight", &B::GetMarginRight, &B::SetMarginRight);
    p.Integer("MarginTop", &B::GetMarginTop, &B::SetMarginTop);
    p.Integer("MarginBottom", &B::GetMarginBottom, &B::SetMarginBottom);
    p.Float("Max", &B::GetMax, &B::SetMax);
    p.Float("Min", &B::GetMin, &B::SetMin);
    p.Integer("RepeatInterval", &B::GetRepeatInterval, &B::SetRepeatInterval);
    p.Boolean("ShowColorGradient", &B::GetShowColorGradient, &B::SetShowColorGradient);
    p.Integer("StartInterval", &B::GetStartInterval, &B::SetStartInterval);
    p.Enum("TextAlignment", &B::GetTextAlignment, &B::SetTextAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    p.Integer("TextAngle", &B::GetTextAngle, &B::SetTextAngle).RepaintsAlways();
    p.Integer("TextDecPlaces", &B::GetTextDecPlaces, &B::SetTextDecPlaces).RepaintsAlways();
    p.Integer("TextPosX", &B::GetTextPosX, &B::SetTextPosX).RepaintsAlways();
    p.Integer("TextPosY", &B::GetTextPosY, &B::SetTextPosY).RepaintsAlways();
    p.Boolean("TextVisible", &B::GetTextVisible, &B::SetTextVisible).RepaintsAlways();
    p.Float("Value", &B::GetValue, &B::SetValue);
    p.Event("OnAutoInc", &B::GetOnAutoInc, &B::SetOnAutoInc);
    p.Event("OnShowValue", &B::GetOnShowValue, &B::SetOnShowValue);
});

}  // namespace

}  // namespace zyn
