// The mark selector's grid: cell metrics, where each visible mark sits, and which mark is
// nearest a point. No canvas here.
#include <cstdint>
#include <vector>

#include "marksel/Zyn_marksel.h"
#include "platform/Types.h"

namespace zyn {

using vcl::TPoint;

TMarkSelGrid MarkSelGrid(int Width, int Height, int Columns, int Rows) {
    TMarkSelGrid g;
    // No surface is wider than ClampCoord allows, so neither is the grid: the cells and
    // the marks' positions then stay far inside the int range.
    g.DH = (vcl::ClampCoord(Width) - 4) / Columns;
    g.DV = (vcl::ClampCoord(Height) - 4) / Rows;
    g.MH = g.DH / 2;
    g.MV = g.DV / 2;
    return g;
}

void LayoutMarks(const TMarkSelGrid& Grid, int Columns, const TMarkFlags& Visible, TMarkPositions& Positions) {
    int n = 0;
    for (int i = 0; i < NumberOfMarks; ++i) {
        if (!Visible[i]) continue;
        // Spacings may be any int: positions saturate rather than wrap.
        Positions[i] = TPoint(vcl::SatAdd(Grid.MH, vcl::SatMul(Grid.DH, n % Columns)),
                              vcl::SatAdd(Grid.MV, vcl::SatMul(n / Columns, Grid.DV)));
        ++n;
    }
}

TMarkFlags MarksInView(int Columns, int Rows, const TMarkFlags& Visible) {
    TMarkFlags inView{};
    const int cells = Columns * Rows;   // both at most 51
    int n = 0;
    for (int i = 0; i < NumberOfMarks; ++i) {
        if (!Visible[i]) continue;
        inView[i] = n < cells;
        ++n;
    }
    return inView;
}

int NearestMark(const TMarkPositions& Positions, const TMarkFlags& Visible, int X, int Y) {
    int best = 0;
    std::int64_t bestDist = INT64_MAX;
    for (int i = 0; i < NumberOfMarks; ++i) {
        if (!Visible[i]) continue;
        const std::int64_t dx = std::int64_t(X) - Positions[i].X, dy = std::int64_t(Y) - Positions[i].Y;
        const std::int64_t d = dx * dx + dy * dy;
        if (d < bestDist) {   // strictly smaller: the lower number keeps a tie
            bestDist = d;
            best = i;
        }
    }
    return best;
}

int MarkAfterMove(const TMarkFlags& InView, int Columns, int Mark, TMarkMove Move) {
    // The marks in view by cell: cell n holds the n-th of them.
    std::vector<int> cells;
    int at = 0;
    for (int i = 0; i < NumberOfMarks; ++i) {
        if (!InView[i]) continue;
        if (i == Mark) at = int(cells.size());
        cells.push_back(i);
    }
    if (cells.empty()) return 0;
    if (Mark < 0 || Mark >= NumberOfMarks || !InView[Mark]) at = 0;
    const int last = int(cells.size()) - 1;
    int to = at;
    switch (Move) {
        case mmLeft: to = at - 1; break;
        case mmRight: to = at + 1; break;
        case mmUp: to = at - Columns; break;
        case mmDown:
            to = at + Columns;
            // No mark below, but a further row: that row's last mark.
            if (to > last && last / Columns > at / Columns) to = last;
            break;
    }
    return cells[to < 0 || to > last ? at : to];
}

}  // namespace zyn
