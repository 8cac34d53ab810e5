// Grid painting cost: a full paint of a grid must not depend on its number of rows.
#include <benchmark/benchmark.h>

#include "platform/Forms.h"
#include "platform/Grids.h"

using namespace vcl;

namespace {

void BM_StringGridPaint(benchmark::State& state) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 780, 560);
    grid->SetColCount(12);
    grid->SetRowCount(int(state.range(0)));
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 12; ++c) grid->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
    TBitmap target;
    target.SetSize(grid->GetWidth(), grid->GetHeight());
    for (auto _ : state) grid->PaintTo(target.GetCanvas(), 0, 0);
}
BENCHMARK(BM_StringGridPaint)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
