// The colour selector: painting the open list of all 47 colours (one DrawItem per visible
// item, with edit marks), and loading a palette (47 names through OnColorNameChange and a
// rebuilt item list).
#include <benchmark/benchmark.h>

#include <memory>

#include "colsel/Zyn_Colsel.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

using namespace zyn;

namespace {

struct Shown {
    std::unique_ptr<vcl::TForm> form = std::make_unique<vcl::TForm>(nullptr);
    TColSel* sel = new TColSel(form.get());
    Shown() {
        form->SetBounds(0, 0, 300, 400);
        sel->SetParent(form.get());
        sel->SetBounds(10, 10, 220, 22);
        form->Show();
        vcl::Application->ProcessMessages();
    }
};

}  // namespace

static void BM_ColSelPaintList(benchmark::State& State) {
    Shown s;
    s.sel->LoadStandardPalette();
    s.sel->SetAllColorEditFlags();
    s.sel->SetDropDownCount(47);
    s.sel->SetDroppedDown(true);
    vcl::TControl* list = s.sel->GetListControl();
    vcl::TBitmap target;
    target.SetSize(list->GetWidth(), list->GetHeight());
    for (auto _ : State) {
        list->PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["fps"] = benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ColSelPaintList);

static void BM_ColSelLoadPalette(benchmark::State& State) {
    Shown s;
    s.sel->SetOnColorNameChange([](vcl::TObject*, std::string& Name) { Name += " "; });
    for (auto _ : State) {
        s.sel->LoadStandardPalette();
        benchmark::DoNotOptimize(s.sel->GetItems()->Count());
    }
}
BENCHMARK(BM_ColSelLoadPalette);

BENCHMARK_MAIN();
