// Repaints of the rotated label (a 24-character caption in 14 pt Arial) straight and at
// 37 degrees, smoothed and plain, and engraved when disabled.
#include <benchmark/benchmark.h>

#include "platform/Graphics.h"
#include "rotlab/Zyn_RotLab.h"

using namespace zyn;

static void PaintLabel(benchmark::State& State, int Angle, bool AntiAlias, bool Enabled) {
    TRotLab r(nullptr);
    r.SetCaption("Pressure drop, stage 2 ");
    r.GetFont()->SetSize(14);
    r.SetTextAngle(Angle);
    r.SetAntiAlias(AntiAlias);
    r.SetEnabled(Enabled);
    r.SetTransparent(false);
    vcl::TBitmap target;
    target.SetSize(r.GetWidth(), r.GetHeight());
    for (auto _ : State) {
        r.PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_RotLabStraight(benchmark::State& State) { PaintLabel(State, 0, true, true); }
BENCHMARK(BM_RotLabStraight);
static void BM_RotLabAngled(benchmark::State& State) { PaintLabel(State, 37, true, true); }
BENCHMARK(BM_RotLabAngled);
static void BM_RotLabAngledPlain(benchmark::State& State) { PaintLabel(State, 37, false, true); }
BENCHMARK(BM_RotLabAngledPlain);
static void BM_RotLabEngraved(benchmark::State& State) { PaintLabel(State, 37, true, false); }
BENCHMARK(BM_RotLabEngraved);

BENCHMARK_MAIN();
