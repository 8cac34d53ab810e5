// The mark selector: a full repaint of the initial control (52 marks, selection, frame),
// and the hover highlight following the pointer from mark to mark on a shown form.
#include <benchmark/benchmark.h>

#include <memory>

#include "marksel/Zyn_marksel.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"

using namespace zyn;

static void BM_MarkSelPaint(benchmark::State& State) {
    TMarkSel m(nullptr);
    m.SetSelected(20);
    vcl::TBitmap target;
    target.SetSize(m.GetWidth(), m.GetHeight());
    for (auto _ : State) {
        m.PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarkSelPaint);

// Each move lands on another mark, so every iteration restores one cell and highlights one.
static void BM_MarkSelHover(benchmark::State& State) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBounds(0, 0, 300, 240);
    auto* m = new TMarkSel(form.get());
    m->SetParent(form.get());
    m->SetBounds(10, 10, 236, 178);
    form->Show();
    vcl::Application->ProcessMessages();
    int i = 0;
    for (auto _ : State) {
        const vcl::TPoint p = m->GetMarkPos(i % 48);
        vcl::Input::MouseMove(m, p.X, p.Y);
        i += 7;
    }
    State.counters["moves"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarkSelHover);

BENCHMARK_MAIN();
