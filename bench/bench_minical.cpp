// Full repaints of the month calendar: the default calendar (300 x 180, a month with today,
// a selected day and holidays), and a large German one with long month names and a
// hundred holidays of the application's own.
#include <benchmark/benchmark.h>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"

using namespace zyn;

static void PaintInto(benchmark::State& State, TMiniCal& M) {
    vcl::TBitmap target;
    target.SetSize(M.GetWidth(), M.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        M.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

static void BM_MiniCalPaintDefault(benchmark::State& State) {
    // Today is in the shown month (a ring), Easter Sunday a holiday, the 20th selected.
    vcl::Testing::SetNow(vcl::EncodeDate(2024, 3, 15));
    TMiniCal m(nullptr);
    m.SetDate(vcl::EncodeDate(2024, 3, 20));
    PaintInto(State, m);
    vcl::Testing::ResetNow();
}
BENCHMARK(BM_MiniCalPaintDefault);

static void BM_MiniCalPaintLargeWithManyHolidays(benchmark::State& State) {
    vcl::Testing::SetNow(vcl::EncodeDate(2024, 5, 15));
    TMiniCal m(nullptr);
    m.SetBounds(0, 0, 640, 400);
    m.GetFont()->SetSize(12);
    m.SetLanguage(lgGerman);
    m.SetShowMonthShort(false);
    for (int i = 0; i < 100; ++i) m.AddHoliday(1 + i % 28, 1 + (i * 5) % 12, 2020 + i % 10, "Betriebsferien");
    m.SetDate(vcl::EncodeDate(2024, 5, 20));
    PaintInto(State, m);
    vcl::Testing::ResetNow();
}
BENCHMARK(BM_MiniCalPaintLargeWithManyHolidays);

BENCHMARK_MAIN();
