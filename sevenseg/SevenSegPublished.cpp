// The published properties of the seven-segment display (the framework's own, such as
// Align, Anchors, Visible and the mouse events, come from the control's table).
#include "platform/Classes.h"
#include "sevenseg/Zyn_sevenseg.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const SevenSegClass =
    RegisterClass<TSevenSeg, TGraphicControl>("TSevenSeg", [](TPublisher<TSevenSeg>& p) {
        using S = TSevenSeg;
        p.String("Caption", [](S& s) { return s.GetCaption(); }, &S::SetCaption);
        p.Color("ColorBackGnd", &S::GetColorBackGnd, &S::SetColorBackGnd);
        p.Color("ColorText", &S::GetColorText, &S::SetColorText);
        p.Enum("ColorScheme", &S::GetColorScheme, &S::SetColorScheme, {"schFixed", "schSystem"}).RepaintsAlways();
        p.Enum("FrameStyle", &S::GetFrameStyle, &S::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Integer("InterDigDist", &S::GetInterDigDist, &S::SetInterDigDist);
        p.Integer("Margin", &S::GetMargin, &S::SetMargin);
        p.Integer("NumDigits", &S::GetNumDigits, &S::SetNumDigits);
    });

}  // namespace

}  // namespace zyn
