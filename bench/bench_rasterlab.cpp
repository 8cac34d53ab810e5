// Full repaints of the dot-matrix label: the default 400 x 68 label, a long scrolling
// message on a wide board, and a label in a rasterised platform font.
#include <benchmark/benchmark.h>

#include "platform/Graphics.h"
#include "rasterlab/Zyn_RasterLab.h"

using namespace zyn;

static void PaintInto(benchmark::State& State, TRasterLab& L, int Step) {
    vcl::TBitmap target;
    target.SetSize(L.GetWidth(), L.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    int x = 1;
    for (auto _ : State) {
        // Moving the text as a scroll tick would, so each paint draws a new picture.
        if (Step != 0) {
            x = x < -2000 ? L.GetWidth() : x - Step;
            L.SetPosX(x);
        }
        L.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_RasterLabPaintDefault(benchmark::State& State) {
    TRasterLab l(nullptr);
    PaintInto(State, l, 0);
}
BENCHMARK(BM_RasterLabPaintDefault);

static void BM_RasterLabScrollMessage(benchmark::State& State) {
    TRasterLab l(nullptr);
    l.SetBounds(0, 0, 760, 60);
    l.SetDotSize(4);
    l.SetText("Welcome to Central Station  +++  Platform 4: the 10:42 to Riverside leaves about 5 minutes late  "
              "+++  Please keep your luggage with you at all times  +++");
    PaintInto(State, l, 2);
}
BENCHMARK(BM_RasterLabScrollMessage);

static void BM_RasterLabPaintRasterisedFont(benchmark::State& State) {
    TRasterLab l(nullptr);
    l.SetCharBlockMode(rdbmRaster);
    l.SetDotSize(2);
    l.GetFont()->SetName("DejaVu Sans");
    l.GetFont()->SetSize(12);
    l.SetText("Trains every 10 minutes");
    PaintInto(State, l, 0);
}
BENCHMARK(BM_RasterLabPaintRasterisedFont);

// Building the matrix of a platform font: 224 glyphs drawn and read back.
static void BM_RasterLabCreateBitFont(benchmark::State& State) {
    vcl::TFont font;
    font.SetName("DejaVu Sans");
    font.SetSize(12);
    for (auto _ : State) benchmark::DoNotOptimize(TRasterLab::CreateBitFont(&font));
}
BENCHMARK(BM_RasterLabCreateBitFont);

BENCHMARK_MAIN();
