// The published properties of the on/off button. The table is registered while the program
// starts (the component library is linked whole), so form files can name the class before
// any instance exists. The framework's properties and events (Anchors, Font, Visible,
// OnClick, OnResize, ...) come from the control's own table.
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const std::vector<std::string> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

const TClassInfo* const OnOffButClass = RegisterClass<TOnOffBut, TGraphicControl>(
    "TOnOffBut", [](TPublisher<TOnOffBut>& p) {
        using B = TOnOffBut;
        p.Boolean("AllowAllOff", &B::GetAllowAllOff, &B::SetAllowAllOff);
        p.Boolean("AutoCenter", &B::GetAutoCenter, &B::SetAutoCenter);
        p.String("BottomText", [](B& b) { return b.GetBottomText(); }, &B::SetBottomText);
        p.String("LeftText", [](B& b) { return b.GetLeftText(); }, &B::SetLeftText);
        p.String("RightText", [](B& b) { return b.GetRightText(); }, &B::SetRightText);
        p.String("TopText", [](B& b) { return b.GetTopText(); }, &B::SetTopText);
        p.Enum("BottomTextAlignment", &B::GetBottomTextAlignment, &B::SetBottomTextAlignment, AlignmentNames);
        p.Enum("LeftTextAlignment", &B::GetLeftTextAlignment, &B::SetLeftTextAlignment, AlignmentNames);
        p.Enum("RightTextAlignment", &B::GetRightTextAlignment, &B::SetRightTextAlignment, AlignmentNames);
        p.Enum("TopTextAlignment", &B::GetTopTextAlignment, &B::SetTopTextAlignment, AlignmentNames);
        p.Enum("ButtonStyle", &B::GetButtonStyle, &B::SetButtonStyle,
               {"oobsUser", "oobsCheckbox", "oobsRadioBut", "oobsSlideTB", "oobsSlideLR", "oobsColSlideTB",
                "oobsColSlideLR", "oobsLedRedGreen", "oobsArrowTopRgt", "oobsArrowUpDown", "oobsArrowLeftRight",
                "oobsTrafficLPed", "oobsBeveledLed", "oobsSmileyYellow", "oobsSmileyRedGrn", "oobsBulb",
                "oobsButLamp", "oobsHDLeft", "oobsHDRight", "oobsUser1", "oobsUser2", "oobsUser3", "oobsUser4",
                "oobsUser5"});
        p.Color("ColorBackgnd", &B::GetColorBackgnd, &B::SetColorBackgnd);
        p.Enum("ColorScheme", &B::GetColorScheme, &B::SetColorScheme, {"schFixed", "schSystem"});
        p.Color("ColorText", &B::GetColorText, &B::SetColorText);
        p.Boolean("Enabled", &B::GetEnabled, &B::SetEnabled).RepaintsAlways();
        p.Enum("FrameStyle", &B::GetFrameStyle, &B::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Integer("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex);
        p.Integer("LeftSpace", &B::GetLeftSpace, &B::SetLeftSpace);
        p.Integer("TopSpace", &B::GetTopSpace, &B::SetTopSpace);
        p.Enum("Mode", &B::GetMode, &B::SetMode, {"oobmNormalBut", "oobmSpeedBut"}).RepaintsAlways();
        p.Enum("MouseAction", &B::GetMouseAction, &B::SetMouseAction, {"oomaNone", "oomaFocused", "oomaPlain"});
        p.Boolean("OnOff", &B::GetOnOff, &B::SetOnOff);
        p.Boolean("Transparent", &B::GetTransparent, &B::SetTransparent);
    });

}  // namespace

}  // namespace zyn
