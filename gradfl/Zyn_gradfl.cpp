// The gradient fill's construction and setters. The setters store without comparing and
// repaint through Invalidate; only FillType ignores its current value.
#include "gradfl/Zyn_gradfl.h"

#include <algorithm>

namespace zyn {

using namespace vcl;

TGradFill::TGradFill(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(GetLeft(), GetTop(), 121, 121);
}

TGradFill::~TGradFill() = default;

void TGradFill::SetColorFirst(TColor Value) {
    FColorFirst = Value;
    (FColorFlipped ? FBaseLast : FBaseFirst) = Value;
    Invalidate();
}

void TGradFill::SetColorLast(TColor Value) {
    FColorLast = Value;
    (FColorFlipped ? FBaseFirst : FBaseLast) = Value;
    Invalidate();
}

void TGradFill::SetColorFlipped(bool Value) {
    FColorFlipped = Value;
    FColorFirst = Value ? FBaseLast : FBaseFirst;
    FColorLast = Value ? FBaseFirst : FBaseLast;
    Invalidate();
}

void TGradFill::SetFillType(TGradType Value) {
    if (FFillType == Value) return;
    FFillType = Value;
    Invalidate();
}

void TGradFill::SetNrColors(int Value) {
    FNrColors = std::clamp(Value, 1, 255);
    Invalidate();
}

void TGradFill::SetFrameStyle(TFrameStyle Value) {
    FFrameStyle = Value;
    Invalidate();
}

void TGradFill::SetGridMode(TGridMode Value) {
    FGridMode = Value;
    Invalidate();
}

void TGradFill::SetGridColor(TColor Value) {
    FGridColor = Value;
    Invalidate();
}

}  // namespace zyn
