// Repaints of the on/off button, opaque and transparent, with texts on all four sides, and
// switching a button in a group of many on one parent.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

using namespace zyn;

namespace {

void PaintInto(benchmark::State& State, TOnOffBut& B) {
    vcl::TBitmap target;
    target.SetSize(B.GetWidth(), B.GetHeight());
    vcl::TCanvas* c = target.GetCanvas();
    for (auto _ : State) {
        B.PaintTo(c, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

// Arg 0: opaque, 1: transparent.
void BM_OnOffButPaintDefault(benchmark::State& State) {
    TOnOffBut b(nullptr);
    b.SetTransparent(State.range(0) != 0);
    PaintInto(State, b);
}
BENCHMARK(BM_OnOffButPaintDefault)->Arg(0)->Arg(1);

void BM_OnOffButPaintBulbWithTexts(benchmark::State& State) {
    TOnOffBut b(nullptr);
    b.SetBounds(0, 0, 240, 140);
    b.SetButtonStyle(oobsBulb);
    b.SetLeftText("Off");
    b.SetRightText("On");
    b.SetTopText("Hall lights");
    b.SetBottomText("Circuit 4");
    b.SetTransparent(State.range(0) != 0);
    PaintInto(State, b);
}
BENCHMARK(BM_OnOffButPaintBulbWithTexts)->Arg(0)->Arg(1);

// Switching one of N grouped buttons on (the others hear the broadcast), on a shown form.
void BM_OnOffButGroupSwitch(benchmark::State& State) {
    vcl::TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    form.Show();
    const int n = static_cast<int>(State.range(0));
    std::vector<TOnOffBut*> buttons;
    for (int i = 0; i < n; ++i) {
        auto* b = new TOnOffBut(&form);
        b->SetParent(&form);
        b->SetBounds((i % 8) * 100, (i / 8) * 50 % 550, 100, 50);
        b->SetGroupIndex(1);
        buttons.push_back(b);
    }
    int i = 0;
    for (auto _ : State) {
        buttons[i]->SetOnOff(true);
        i = (i + 1) % n;
    }
}
BENCHMARK(BM_OnOffButGroupSwitch)->Arg(8)->Arg(64);

}  // namespace

BENCHMARK_MAIN();
