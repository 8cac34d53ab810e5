// Full repaints of the meter: the default meter, and a large 300-degree instrument with a
// scale band, 21 ticks, labels, shadowed needles and lamps.
#include <benchmark/benchmark.h>

#include <string>

#include "meter/Zyn_Meter.h"
#include "platform/Graphics.h"

using namespace zyn;

static void PaintInto(benchmark::State& State, TMeter& M) {
    vcl::TBitmap target;
    target.SetSize(M.GetWidth(), M.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        M.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_MeterPaintDefault(benchmark::State& State) {
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetValue(0.37);
    PaintInto(State, m);
}
BENCHMARK(BM_MeterPaintDefault);

static void BM_MeterPaintInstrument(benchmark::State& State) {
    TMeter m(nullptr);
    m.SetMeterLayout(mlCirc300);
    m.SetBounds(0, 0, 600, 400);
    m.SetMeterMaxValue(100);
    m.SetMeterNrTicks(21);
    m.SetThresholdLow(20);
    m.SetThresholdHigh(80);
    m.SetScaleBkVisible(true);
    m.SetScaleBkWidth(8);
    m.SetCaption("kPa");
    m.GetNeedleLayout()->SetThickness(6);
    m.GetNeedleLayout()->SetShadowDx(3);
    m.GetNeedleLayout()->SetShadowDy(3);
    m.GetNeedleLayoutSec()->SetVisible(true);
    m.GetNeedleLayoutSec()->SetShadowDx(2);
    m.GetNeedleLayoutSec()->SetShadowDy(2);
    m.SetValue(85);
    m.SetValueSec(42);
    PaintInto(State, m);
}
BENCHMARK(BM_MeterPaintInstrument);

// A 1 x 1 tile on a 1000 x 800 meter: only the tiles the picture shows are drawn.
static void BM_MeterPaintTiled1x1(benchmark::State& State) {
    const std::string path = "/tmp/bench_meter_tile1x1.bmp";
    {
        vcl::TBitmap tile;
        tile.SetSize(1, 1);
        tile.GetCanvas()->SetPixels(0, 0, 0x336699);
        tile.SaveToFile(path);
    }
    TMeter m(nullptr);
    m.SetBounds(0, 0, 1000, 800);
    m.SetBackGroundImg(path);
    m.SetBkgndFillMode(bfTile);
    PaintInto(State, m);
}
BENCHMARK(BM_MeterPaintTiled1x1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
