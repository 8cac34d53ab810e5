// Where a rotated text starts: the label's anchor rules, without a canvas.
#include <cmath>
#include <numbers>

#include "platform/Types.h"
#include "rotlab/Zyn_RotLab.h"

namespace zyn {

using namespace vcl;

namespace {

// Nearest integer, halves to even (the default rounding mode).
int Rnd(double X) { return static_cast<int>(std::nearbyint(X)); }

}  // namespace

TPoint RotLabTextOrigin(TAlignment Alignment, int AnchorX, int AnchorY, int HalfWidth, int HalfHeight, int Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const double hw = HalfWidth, hh = HalfHeight;
    // How far along the text's direction the reference point lies before the anchor.
    double along = 0.0;
    switch (Alignment) {
    case taLeftJustify: along = 0.0; break;
    case taCenter: along = hw; break;
    case taRightJustify: along = 2.0 * hw; break;
    }
    // Back along the baseline direction (c, -s) by 'along', and up by hh across it.
    // An anchor near the ends of the int range saturates.
    return TPoint(SatAdd(AnchorX, Rnd(-along * c - hh * s)), SatAdd(AnchorY, Rnd(along * s - hh * c)));
}

}  // namespace zyn
