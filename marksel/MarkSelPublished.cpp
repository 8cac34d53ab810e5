// The published properties of the mark selector.
#include "marksel/Zyn_marksel.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const MarkSelClass =
    RegisterClass<TMarkSel, TGraphicControl>("TMarkSel", [](TPublisher<TMarkSel>& p) {
        using M = TMarkSel;
        p.Integer("NrOfColumns", &M::GetNrOfColumns, &M::SetNrOfColumns);
        p.Integer("NrOfRows", &M::GetNrOfRows, &M::SetNrOfRows);
        p.Integer("Selected", &M::GetSelected, &M::SetSelected);
        p.Color("ColorBackGnd", &M::GetColorBackGnd, &M::SetColorBackGnd);
        p.Color("ColorMarks", &M::GetColorMarks, &M::SetColorMarks);
        p.Color("ColorSelBG", &M::GetColorSelBG, &M::SetColorSelBG);
        p.Color("ColorSelFG", &M::GetColorSelFG, &M::SetColorSelFG);
        p.Color("ColorHiLiteBG", &M::GetColorHiLiteBG, &M::SetColorHiLiteBG);
        p.Color("ColorHiLiteSymbol", &M::GetColorHiLiteSymbol, &M::SetColorHiLiteSymbol);
        p.Boolean("Enabled", &M::GetEnabled, &M::SetEnabled).RepaintsAlways();
        p.Enum("FrameStyle", &M::GetFrameStyle, &M::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Boolean("ShowZeroAsCross", &M::GetShowZeroAsCross, &M::SetShowZeroAsCross).RepaintsAlways();
        p.Event("OnMarkClick", &M::GetOnMarkClick, &M::SetOnMarkClick);
        p.Event("OnMarkDblClick", &M::GetOnMarkDblClick, &M::SetOnMarkDblClick);
        p.Event("OnPaint", &M::GetOnPaint, &M::SetOnPaint);
    });

}  // namespace

}  // namespace zyn
