// The published properties of the dot-matrix label. The table is registered while the
// program starts (the component library is linked whole), so form files can name the class
// before any instance exists. Font, Align, Anchors, ParentFont, ParentShowHint, PopupMenu,
// ShowHint, StyleElements, Visible and the mouse and click events come from the control.
#include "platform/Classes.h"
#include "rasterlab/Zyn_RasterLab.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const RasterLabClass =
    RegisterClass<TRasterLab, TGraphicControl>("TRasterLab", [](TPublisher<TRasterLab>& p) {
        using R = TRasterLab;
        p.Boolean("AutoCenter", &R::GetAutoCenter, &R::SetAutoCenter);
        p.Boolean("AutoHeight", &R::GetAutoHeight, &R::SetAutoHeight);
        p.Enum("CharBlockMode", &R::GetCharBlockMode, &R::SetCharBlockMode, {"rdbmOff", "rdbmOn", "rdbmRaster"});
        p.Color("ColorDotOn", &R::GetColorDotOn, &R::SetColorDotOn);
        p.Color("ColorDotOff", &R::GetColorDotOff, &R::SetColorDotOff);
        p.Color("ColorLabBakG", &R::GetColorLabBakG, &R::SetColorLabBakG);
        p.Enum("ColorScheme", &R::GetColorScheme, &R::SetColorScheme, {"schFixed", "schSystem"});
        p.Integer("DotSize", &R::GetDotSize, &R::SetDotSize);
        p.Integer("DotSpacing", &R::GetDotSpacing, &R::SetDotSpacing);
        p.Enum("FrameStyle", &R::GetFrameStyle, &R::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Integer("PosX", &R::GetPosX, &R::SetPosX);
        p.Integer("PosY", &R::GetPosY, &R::SetPosY);
        p.Boolean("Proportional", &R::GetProportional, &R::SetProportional);
        p.Enum("ScrollMode", &R::GetScrollMode, &R::SetScrollMode, {"rdsmOff", "rdsmLeft", "rdsmRight", "rdsmDown", "rdsmUp"});
        p.Integer("ScrollInterval", &R::GetScrollInterval, &R::SetScrollInterval);
        p.Integer("ScrollIncrement", &R::GetScrollIncrement, &R::SetScrollIncrement);
        p.Boolean("ScrollLoop", &R::GetScrollLoop, &R::SetScrollLoop).RepaintsAlways();
        p.String("Text", [](R& r) { return r.GetText(); }, &R::SetText);
        p.Event("OnScrollTimer", &R::GetOnScrollTimer, &R::SetOnScrollTimer);
        p.Event("OnScrollLoopRestart", &R::GetOnScrollLoopRestart, &R::SetOnScrollLoopRestart);
    });

}  // namespace

}  // namespace zyn
