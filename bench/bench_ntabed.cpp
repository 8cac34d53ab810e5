// The table editor's speed: a full repaint of an 800 x 600 editor over a table of
// 1,000 x 1,000 cells, over one of 10 x 10 and over one just larger than the view (the
// paint must not grow with the table), and Copy and Extract from Clipboard of a
// 1,000 x 1,000 block, with and without full precision; undo and redo of a paste of a
// 1,000 x 1,000 block (the goal: undone in 50 ms at most).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include "ntabed/Zyn_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

using namespace zyn;

namespace {

// Values of every size, some marked, some empty or not a number, as a measured table has.
void FillTable(TNTabEd& Ed, int Cols, int Rows) {
    Ed.Redimension(Cols, Rows);
    Ed.SetSuppressPaint(true);
    TMatrix* m = Ed.Data->GetMatrix();
    for (int c = 1; c <= Cols; ++c) {
        Ed.Data->SetColName(c, "C-" + std::to_string(c));
        for (int r = 1; r <= Rows; ++r) m->SetElem(c, r, std::sin(c * 0.37 + r * 0.11) * std::pow(10.0, (c + r) % 7 - 2));
    }
    for (int r = 1; r <= Rows; ++r) Ed.Data->SetRowName(r, "R-" + std::to_string(r));
    for (int i = 1; i <= std::min(Cols, Rows); i += 3) {
        Ed.Data->SetCellState(i, i, dtsMarkA);
        Ed.Data->SetCellState(i, (i + 1 <= Rows ? i + 1 : i), dtsMarkB);
        if (i + 2 <= Rows) Ed.Data->SetCellState(i, i + 2, dtsEmpty);
    }
    Ed.SetSuppressPaint(false);
}

struct Editor {
    vcl::TForm form{nullptr};
    TNTabEd* ed;
    Editor(int Cols, int Rows) {
        form.SetBounds(0, 0, 820, 620);
        ed = new TNTabEd(&form);
        ed->SetParent(&form);
        ed->SetBounds(0, 0, 800, 600);
        FillTable(*ed, Cols, Rows);
        ed->SetSelection(vcl::TGridRect(3, 2, 5, 6));
    }
};

void PaintEditor(benchmark::State& State, int Cols, int Rows) {
    Editor e(Cols, Rows);
    vcl::TBitmap target;
    target.SetSize(800, 600);
    for (auto _ : State) {
        e.ed->PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
}

void BM_NTabEdPaint1000x1000(benchmark::State& State) { PaintEditor(State, 1000, 1000); }
BENCHMARK(BM_NTabEdPaint1000x1000)->Unit(benchmark::kMicrosecond);

void BM_NTabEdPaint10x10(benchmark::State& State) { PaintEditor(State, 10, 10); }
BENCHMARK(BM_NTabEdPaint10x10)->Unit(benchmark::kMicrosecond);

// A 10 x 10 table fills less than half of the view; one just larger than the view shows as
// many cells as the large table, which tells the cost of the visible cells from that of
// the table's size.
void BM_NTabEdPaint12x25(benchmark::State& State) { PaintEditor(State, 12, 25); }
BENCHMARK(BM_NTabEdPaint12x25)->Unit(benchmark::kMicrosecond);

void BM_NTabEdCopy1000x1000(benchmark::State& State) {
    Editor e(1000, 1000);
    e.ed->SetClipboardUseFullPrec(State.range(0) != 0);
    e.ed->PopupMenuClickSelAll(nullptr);
    for (auto _ : State) e.ed->PopupMenuClickCopy(nullptr);
    State.counters["bytes"] = double(vcl::Clipboard()->GetAsText().size());
}
BENCHMARK(BM_NTabEdCopy1000x1000)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_NTabEdExtract1000x1000(benchmark::State& State) {
    Editor e(1000, 1000);
    e.ed->SetClipboardUseFullPrec(State.range(0) != 0);
    e.ed->PopupMenuClickSelAll(nullptr);
    e.ed->PopupMenuClickCopy(nullptr);
    for (auto _ : State) {
        e.ed->SetSelection(vcl::TGridRect(2, 1, 2, 1));
        e.ed->PopupMenuClickExtClip(nullptr);
    }
}
BENCHMARK(BM_NTabEdExtract1000x1000)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// One iteration undoes the paste and does it again; the counters give each half alone.
void BM_NTabEdUndoPaste1000x1000(benchmark::State& State) {
    Editor e(1000, 1000);
    e.ed->PopupMenuClickSelAll(nullptr);
    e.ed->PopupMenuClickCopy(nullptr);
    e.ed->Fill(1);
    e.ed->PopupMenuClickPaste(nullptr);
    double undo = 0, redo = 0;
    for (auto _ : State) {
        auto t0 = std::chrono::steady_clock::now();
        e.ed->Undo();
        auto t1 = std::chrono::steady_clock::now();
        e.ed->Redo();
        auto t2 = std::chrono::steady_clock::now();
        undo += std::chrono::duration<double, std::milli>(t1 - t0).count();
        redo += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    State.counters["undo_ms"] = undo / double(State.iterations());
    State.counters["redo_ms"] = redo / double(State.iterations());
}
BENCHMARK(BM_NTabEdUndoPaste1000x1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
