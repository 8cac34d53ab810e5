// The seven-segment display: a full repaint of the default 216 x 76 display with four
// digits and their points, and a rebuild of the 21-cell image cache (a colour change).
#include <benchmark/benchmark.h>

#include "platform/Graphics.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace zyn;

static void BM_SevenSegPaint(benchmark::State& State) {
    TSevenSeg s(nullptr);
    s.SetCaption("-12.5\u00B0");
    vcl::TBitmap target;
    target.SetSize(s.GetWidth(), s.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        s.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SevenSegPaint);

static void BM_SevenSegCacheRebuild(benchmark::State& State) {
    TSevenSeg s(nullptr);
    bool flip = false;
    for (auto _ : State) {
        s.SetColorText(flip ? vcl::clRed : vcl::clLime);   // recolour, rebuild, repaint
        flip = !flip;
        benchmark::DoNotOptimize(s.GetImageCache());
    }
    State.SetLabel("216 x 76, 4 digits");
}
BENCHMARK(BM_SevenSegCacheRebuild)->Unit(benchmark::kMillisecond);

// A recolour of a 2-digit display of 800 x 600 pixels, then a paint of it whole: the cells
// of the characters shown are shrunk, not all 21.
static void BM_SevenSegRecolourLarge(benchmark::State& State) {
    TSevenSeg s(nullptr);
    s.SetBounds(0, 0, 800, 600);
    s.SetNumDigits(2);
    s.SetCaption("8.8.");
    vcl::TBitmap target;
    target.SetSize(800, 600);
    bool flip = false;
    for (auto _ : State) {
        s.SetColorText(flip ? vcl::clRed : vcl::clLime);
        flip = !flip;
        s.PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.SetLabel("800 x 600, 2 digits");
}
BENCHMARK(BM_SevenSegRecolourLarge)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
