// The published properties of the rotated label.
#include "platform/Classes.h"
#include "rotlab/Zyn_RotLab.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const RotLabClass =
    RegisterClass<TRotLab, TCustomLabel>("TRotLab", [](TPublisher<TRotLab>& p) {
        using R = TRotLab;
        p.Integer("TextAngle", &R::GetTextAngle, &R::SetTextAngle);
        // AutoCenter comes before the anchor: while it is on, setting PosX or PosY recentres
        // instead of storing, so a form file restores an anchor of its own only when
        // AutoCenter is already off.
        p.Boolean("AutoCenter", &R::GetAutoCenter, &R::SetAutoCenter);
        p.Integer("PosX", &R::GetPosX, &R::SetPosX);
        p.Integer("PosY", &R::GetPosY, &R::SetPosY);
        p.Enum("Alignment", &R::GetAlignment, &R::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"});
        p.Boolean("AntiAlias", &R::GetAntiAlias, &R::SetAntiAlias);
        p.Enum("FrameStyle", &R::GetFrameStyle, &R::SetFrameStyle,
               {"frNone", "frSingle", "frSunken", "frRaised", "frSunkenDouble", "frRaisedDouble"});
        p.Boolean("Transparent", &R::GetTransparent, &R::SetTransparent);
        p.Color("Color", &R::GetColor, &R::SetColor)
            .Stored(std::function<bool(R&)>([](R& r) { return !r.GetParentColor(); }));
    });

}  // namespace

}  // namespace zyn
