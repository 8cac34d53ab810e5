// Full repaints of the progress bar at 300 x 28: the plain bar, the stretched gradient and
// the gradient with grid lines and a turned value text.
#include <benchmark/benchmark.h>

#include "platform/Graphics.h"
#include "progbar/Zyn_ProgBar.h"

using namespace zyn;

static void PaintInto(benchmark::State& State, TProgBar& B) {
    vcl::TBitmap target;
    target.SetSize(B.GetWidth(), B.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        B.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_ProgBarPaintPlain(benchmark::State& State) {
    TProgBar b(nullptr);
    b.SetValue(63);
    PaintInto(State, b);
}
BENCHMARK(BM_ProgBarPaintPlain);

static void BM_ProgBarPaintGradient(benchmark::State& State) {
    TProgBar b(nullptr);
    b.SetShowColorGradient(true);
    b.SetValue(63);
    PaintInto(State, b);
}
BENCHMARK(BM_ProgBarPaintGradient);

static void BM_ProgBarPaintFullGradientGridText(benchmark::State& State) {
    TProgBar b(nullptr);
    b.SetShowColorGradient(true);
    b.SetColorMapMode(cgmCover);
    b.SetGridDist(10);
    b.SetValue(100);
    b.SetTextPosX(150);
    b.SetTextAngle(10);
    b.SetTextDecPlaces(1);
    PaintInto(State, b);
}
BENCHMARK(BM_ProgBarPaintFullGradientGridText);

// The default bar with the gradient on and its left margin half a billion pixels out: the
// columns shown are coloured, not the bar's 500 million.
static void BM_ProgBarPaintGradientFarMargin(benchmark::State& State) {
    TProgBar b(nullptr);
    b.SetShowColorGradient(true);
    b.SetValue(100);
    b.SetGridDist(2);
    b.SetMarginLeft(-500000000);
    PaintInto(State, b);
}
BENCHMARK(BM_ProgBarPaintGradientFarMargin);

BENCHMARK_MAIN();
