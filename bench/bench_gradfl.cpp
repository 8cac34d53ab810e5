// Full repaints of the gradient fill: the initial 121 x 121 control, and a large 800 x 600
// area of 255 mid-band columns with the grid and a double frame.
#include <benchmark/benchmark.h>

#include "gradfl/Zyn_gradfl.h"
#include "platform/Graphics.h"

using namespace zyn;

static void PaintInto(benchmark::State& State, TGradFill& G) {
    vcl::TBitmap target;
    target.SetSize(G.GetWidth(), G.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        G.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_GradFillPaintDefault(benchmark::State& State) {
    TGradFill g(nullptr);
    PaintInto(State, g);
}
BENCHMARK(BM_GradFillPaintDefault);

static void BM_GradFillPaintLarge(benchmark::State& State) {
    TGradFill g(nullptr);
    g.SetBounds(0, 0, 800, 600);
    g.SetFillType(gtMidBandVert);
    g.SetNrColors(255);
    g.SetGridMode(gmBoth);
    g.SetFrameStyle(frRaisedDouble);
    PaintInto(State, g);
}
BENCHMARK(BM_GradFillPaintLarge);

BENCHMARK_MAIN();
