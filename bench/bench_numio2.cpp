// The numeric input/output control and the numeric label: full repaints at the sizes a
// panel uses, and a keystroke through the online check.
#include <benchmark/benchmark.h>

#include <string>

#include "numio/Zyn_NumIO2.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/Graphics.h"

using namespace zyn;

namespace {

void PaintInto(benchmark::State& State, vcl::TControl& C) {
    vcl::TBitmap target;
    target.SetSize(C.GetWidth(), C.GetHeight());
    vcl::TCanvas* canvas = target.GetCanvas();
    for (auto _ : State) {
        C.PaintTo(canvas, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
    // The paint reached the target: count the pixels that differ from the first one.
    int differing = 0;
    for (int y = 0; y < C.GetHeight(); ++y)
        for (int x = 0; x < C.GetWidth(); ++x) differing += canvas->GetPixels(x, y) != canvas->GetPixels(0, 0);
    State.counters["drawn_px"] = differing;
}

// A 200 x 24 field with side texts, spin buttons and a gauge.
void BM_NumIO2PaintWithGauge(benchmark::State& State) {
    TNumIO2 n(nullptr);
    n.HandleNeeded();
    n.SetBounds(0, 0, 200, 24);
    n.SetLeftText("Voltage");
    n.SetRightText("V");
    n.SetInputFormat(itFixPoint);
    n.SetRangeHigh(30);
    n.SetValue(12.5);
    n.SetButVisible(true);
    n.SetGaugeVisible(true);
    n.SetGaugeHeight(4);
    n.SetGaugeTopMargin(1);
    PaintInto(State, n);
}
BENCHMARK(BM_NumIO2PaintWithGauge);

// A 120 x 24 label with side texts and a fixed-point number.
void BM_NumLabPaint(benchmark::State& State) {
    TNumLab l(nullptr);
    l.SetBounds(0, 0, 120, 24);
    l.SetLeftSpace(30);
    l.SetLabelWidth(60);
    l.SetLeftText("I");
    l.SetRightText("mA");
    l.SetValue(12.345);
    PaintInto(State, l);
}
BENCHMARK(BM_NumLabPaint);

// One digit typed and one taken back per iteration, each checked against the format.
void BM_NumIO2Keystroke(benchmark::State& State) {
    TNumIO2 n(nullptr);
    n.SetInputFormat(TInFormat(State.range(0)));
    n.SetRangeHigh(1e9);
    n.SetValue(1234.5);
    n.Perform(vcl::WM_KEYDOWN, vcl::VK_END, 0);
    for (auto _ : State) {
        n.Perform(vcl::WM_KEYDOWN, '7', 0);
        n.Perform(vcl::WM_KEYDOWN, vcl::VK_BACK, 0);
    }
    State.SetItemsProcessed(State.iterations() * 2);
}
BENCHMARK(BM_NumIO2Keystroke)->Arg(itFloat)->Arg(itExp)->Arg(itDynamic)->Unit(benchmark::kMicrosecond);

// A click into a text of State.range(0) characters: the caret goes to the character
// boundary nearest the pointer, which is found from the widths of the text's prefixes.
void BM_NumIO2ClickInLongText(benchmark::State& State) {
    TNumIO2 n(nullptr);
    n.SetBounds(0, 0, 300, 28);
    n.SetInputFormat(itFloat);
    n.SetAlignment(vcl::taLeftJustify);
    std::string text;
    for (int i = 0; i < State.range(0) - 2; ++i) text += char('1' + i % 9);
    text += ".5";
    n.SetText(text);
    if (n.GetText().size() != std::size_t(State.range(0))) State.SkipWithError("the text was refused");
    const vcl::LPARAM at = vcl::MAKELPARAM(150, 14);
    for (auto _ : State) {
        n.Perform(vcl::WM_LBUTTONDOWN, vcl::MK_LBUTTON, at);
        n.Perform(vcl::WM_LBUTTONUP, 0, at);
        benchmark::DoNotOptimize(n.GetCaretPos());
    }
    State.counters["caret"] = n.GetCaretPos();
}
BENCHMARK(BM_NumIO2ClickInLongText)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
