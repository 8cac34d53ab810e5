// The gradient's bands: where each lies and which colour it has. No canvas here.
#include "gradfl/Zyn_gradfl.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

int GradBandEdge(int Band, int Extent, int NrColors) { return MulDiv(Band, Extent, NrColors); }

TRect GradBandRect(TGradType Type, int Band, int NrColors, int Width, int Height) {
    TRect r(0, 0, Width, Height);
    if (GradBandsHorizontal(Type)) {
        r.Top = GradBandEdge(Band, Height, NrColors);
        r.Bottom = GradBandEdge(Band + 1, Height, NrColors);
    } else {
        r.Left = GradBandEdge(Band, Width, NrColors);
        r.Right = GradBandEdge(Band + 1, Width, NrColors);
    }
    return r;
}

namespace {

// Steps Band of Steps from C0 towards C0 + DC, rounded half away from zero.
int Channel(int C0, int DC, int Band, int Steps) { return C0 + MulDiv(Band, DC, Steps); }

}  // namespace

TColor GradBandColor(TGradType Type, int Band, int NrColors, TColor First, TColor Last) {
    const TColor a = ColorToRGB(First), b = ColorToRGB(Last);
    const int r0 = GetRValue(a), g0 = GetGValue(a), b0 = GetBValue(a);
    const int dr = GetRValue(b) - r0, dg = GetGValue(b) - g0, db = GetBValue(b) - b0;
    int step = 0, steps = 1;
    if (Type == gtHoriz || Type == gtVert) {
        if (NrColors < 2) return RGB(r0, g0, b0);
        step = Band;
        steps = NrColors;
    } else {
        const int m = NrColors / 2;
        // A single band has no middle to rise to: it shows the first colour.
        if (m == 0) return RGB(r0, g0, b0);
        step = Band <= m ? Band : NrColors - Band - 1;
        steps = m;
    }
    return RGB(Channel(r0, dr, step, steps), Channel(g0, dg, step, steps), Channel(b0, db, step, steps));
}

}  // namespace zyn
