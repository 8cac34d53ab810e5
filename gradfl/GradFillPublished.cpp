// The published properties of the gradient fill.
#include "gradfl/Zyn_gradfl.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const GradFillClass =
    RegisterClass<TGradFill, TGraphicControl>("TGradFill", [](TPublisher<TGradFill>& p) {
        using G = TGradFill;
        // The flip comes before the colours and both colours are always written: setting a
        // colour while flipped stores it as the other base colour, so a form file restores
        // the colours in use only when the flip is known first and neither colour is left
        // at a default that the flip would have swapped.
        p.Boolean("ColorFlipped", &G::GetColorFlipped, &G::SetColorFlipped).RepaintsAlways();
        p.Color("ColorFirst", &G::GetColorFirst, &G::SetColorFirst).NoDefault().RepaintsAlways();
        p.Color("ColorLast", &G::GetColorLast, &G::SetColorLast).NoDefault().RepaintsAlways();
        p.Enum("FillType", &G::GetFillType, &G::SetFillType,
               {"gtHoriz", "gtVert", "gtMidBandHoriz", "gtMidBandVert"});
        p.Integer("NrColors", &G::GetNrColors, &G::SetNrColors).RepaintsAlways();
        p.Enum("FrameStyle", &G::GetFrameStyle, &G::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"})
            .RepaintsAlways();
        p.Enum("GridMode", &G::GetGridMode, &G::SetGridMode, {"gmNone", "gmHoriz", "gmVert", "gmBoth"})
            .RepaintsAlways();
        p.Color("GridColor", &G::GetGridColor, &G::SetGridColor).RepaintsAlways();
        p.Event("OnPaint", &G::GetOnPaint, &G::SetOnPaint);
    });

}  // namespace

}  // namespace zyn
