// The progress bar's pure logic: the colour table, the bar length, the gradient index of
// every pixel row or column, the value text and where it goes.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "numio/Zyn_NumIO.h"
#include "platform/SysUtils.h"
#include "progbar/Zyn_ProgBar.h"

namespace zyn {

using namespace vcl;

TColor InterpolateColor(TColor A, TColor B, double X) {
    X = std::clamp(X, 0.0, 1.0);
    A = ColorToRGB(A);
    B = ColorToRGB(B);
    auto channel = [X](int a, int b) { return a + static_cast<int>((b - a) * X); };   // towards zero
    return RGB(channel(GetRValue(A), GetRValue(B)), channel(GetGValue(A), GetGValue(B)),
               channel(GetBValue(A), GetBValue(B)));
}

void FillBarColors(TBarColorArray& Colors) {
    for (int i = 1; i < BarColorLast; ++i)
        Colors[std::size_t(i)] = InterpolateColor(Colors[0], Colors[BarColorLast], double(i) / BarColorLast);
}

int GradientIndex(TColorMapping Mapping, int K, int Length, int Inner) {
    if (Length <= 0 || Inner <= 0) return 0;
    std::int64_t p = 0;
    switch (Mapping) {
        case cgmCover: p = Round(double(K) * BarColorLast / Inner); break;
        case cgmStretch: p = Round(double(K) * BarColorLast / Length); break;
        case cgmMove:
            p = Round(double(K) * BarColorLast / Inner) - Round(double(Length - 1) * BarColorLast / Inner) + BarColorLast;
            break;
    }
    return int(std::clamp<std::int64_t>(p, 0, BarColorLast));
}

int BarLength(double Value, double Min, double Max, int Inner) {
    if (Inner <= 0 || Max == Min) return 0;
    const double f = (Value - Min) / (Max - Min);
    if (std::isnan(f)) return 0;
    return int(Round(Inner * std::clamp(f, 0.0, 1.0)));
}

TPoint ValueTextOrigin(TAlignment Alignment, int PosX, int PosY, int TextWidth, int TextHeight, int Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const double t = TextHeight / 2, m = TextWidth / 2;   // whole halves, as the pixels count
    switch (Alignment) {
        case taLeftJustify: return {PosX + int(Round(-t * s)), PosY + int(Round(-t * c))};
        case taRightJustify: return {PosX + int(Round(-2 * m * c - t * s)), PosY + int(Round(2 * m * s - t * c))};
        case taCenter: break;
    }
    return {PosX + int(Round(-m * c - t * s)), PosY + int(Round(m * s - t * c))};
}

std::string ProgBarValueText(double Value, int Decimals) {
    if (Decimals >= 0) return FormatReal(1, Decimals, Value);
    if (Decimals == -1) return FormatReal(1, -2, Value);
    return Str(Value, 1);
}

}  // namespace zyn
