// The colour selector's table logic: finding a colour and the edit mark's contrast rule.
#include <cmath>

#include "colsel/Zyn_Colsel.h"

namespace zyn {

using namespace vcl;

int FindColorEntry(const TColSelTable& Table, int NumColors, TColor Color) {
    const TColor want = ColorToRGB(Color);
    for (int i = 1; i <= NumColors && i <= MaxSelColors; ++i)
        if (ColorToRGB(Table[std::size_t(i - 1)].Color) == want) return i;
    return 0;
}

TColor EditMarkPenColor(TColor Color) {
    const TColor c = ColorToRGB(Color);
    const double r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::sqrt(r * r + b * b + 2 * g * g) / 2 > 180 ? clBlack : clWhite;
}

}  // namespace zyn
