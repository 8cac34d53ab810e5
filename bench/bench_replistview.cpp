// The report list view at 1,000,000 rows x 5 columns: a full repaint of an 800 x 600 view
// (beside the same view with 1,000 rows), a header click that sorts a text column, selecting
// all rows, fitting the visible columns, removing empty rows, a plain-text filter, and the
// memory the view and its data take (counter "MB", from the process's resident size); the
// row editor's date parser and one open-and-confirm of the row editor; compiling and
// matching filter expressions that are long chains.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"
#include "replist/Zyn_ReportListView.h"

using namespace zyn;

namespace {

double ResidentMB() {
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

struct Lcg {
    std::uint32_t s = 12345u;
    std::uint32_t Next() { return s = s * 1664525u + 1013904223u; }
};

void FillRows(TReportListView& V, int Rows, int FirstRow = 1) {
    Lcg rnd;
    char buf[32];
    for (int r = FirstRow; r <= Rows; ++r) {
        std::snprintf(buf, sizeof buf, "%07d", r);
        V.SetElem(1, r, buf);
        for (int c = 2; c <= 5; ++c) {
            char w[12];
            const int n = 5 + int(rnd.Next() % 6);
            for (int i = 0; i < n; ++i) w[i] = char('a' + rnd.Next() % 26);
            w[n] = 0;
            V.SetElem(c, r, w);
        }
    }
}

// One shown form with an 800 x 600 view per row count, built on first use.
struct Setup {
    std::unique_ptr<vcl::TForm> form;
    TReportListView* view = nullptr;
    double mb = 0;
    explicit Setup(int Rows) {
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 800, 600);
        const double before = ResidentMB();
        view = new TReportListView(form.get());
        view->SetParent(form.get());
        view->SetBounds(0, 0, 800, 600);
        view->SetSuppressPaint(true);
        view->SetNrCols(5);
        view->SetNrRows(Rows);
        FillRows(*view, Rows);
        view->SetColCheckMode(5, cmBox);
        view->SetSuppressPaint(false);
        mb = ResidentMB() - before;
        form->Show();
        vcl::Application->ProcessMessages();
    }
};

Setup& Get(int Rows) {
    static std::unique_ptr<Setup> big, small;
    auto& s = Rows >= 1000000 ? big : small;
    if (!s) s = std::make_unique<Setup>(Rows);
    return *s;
}

void BM_Repaint(benchmark::State& State) {
    Setup& s = Get(int(State.range(0)));
    vcl::TBitmap target;
    target.SetSize(800, 600);
    for (auto _ : State) {
        s.view->PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["MB"] = s.mb;
}
BENCHMARK(BM_Repaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_HeaderClickSort(benchmark::State& State) {
    Setup& s = Get(1000000);
    const vcl::TRect h = s.view->CellRect(2, 0);   // a text column
    for (auto _ : State) {
        // Each click sorts the stored (unsorted) order.
        State.PauseTiming();
        s.view->UnSort();
        State.ResumeTiming();
        vcl::Input::Click(s.view, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    }
    s.view->UnSort();
}
BENCHMARK(BM_HeaderClickSort)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_SelectAllRows(benchmark::State& State) {
    Setup& s = Get(1000000);
    for (auto _ : State) {
        s.view->SelectAllRows();
        State.PauseTiming();
        s.view->DeselectAllRows();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_SelectAllRows)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_FitAllColWidths(benchmark::State& State) {
    Setup& s = Get(1000000);
    for (auto _ : State) s.view->FitAllColWidths(5, true, 4, 300, 20);
}
BENCHMARK(BM_FitAllColWidths)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FilterSimple(benchmark::State& State) {
    Setup& s = Get(1000000);
    const std::vector<int> cols{2, 3, 4};
    for (auto _ : State) {
        s.view->FilterAndSort("abc", cols, true, fmSimple, -1, true);
        State.PauseTiming();
        s.view->FilterAndSort("", cols, true, fmSimple, -1, true);
        State.ResumeTiming();
    }
    s.view->UnSort();
}
BENCHMARK(BM_FilterSimple)->Unit(benchmark::kMillisecond)->Iterations(3);

// Compiling a filter that is one long chain and matching it against one row: Boolean
// "t0 AND t1 AND ..." (Arg 0), "NOT NOT ... a" (1) and the alternation "x|x|...|b" (2), each
// of State.range(1) operators. Chains are no nesting, so the time grows with the length alone.
void BM_FilterLongChain(benchmark::State& State) {
    const int kind = int(State.range(0)), n = int(State.range(1));
    std::string expr;
    const TFilterMode mode = kind == 2 ? fmGrep : fmBoolean;
    for (int i = 0; i < n; ++i) expr += kind == 0 ? "t AND " : kind == 1 ? "NOT " : "x|";
    expr += "b";
    const std::vector<std::string_view> row{"a table", "b"};
    for (auto _ : State) {
        TRLFilter f(expr, mode, false);
        benchmark::DoNotOptimize(f.Matches(row));
    }
}
// (The alternation is kept below 50,000 terms, so that its figures stay comparable over time.)
BENCHMARK(BM_FilterLongChain)
    ->ArgsProduct({{0, 1}, {1000, 10000, 100000}})
    ->ArgsProduct({{2}, {1000, 10000, 40000}})
    ->Unit(benchmark::kMillisecond);

void BM_RemoveEmptyRows(benchmark::State& State) {
    // Its own view: every tenth of the 1,000,000 rows is empty.
    vcl::TForm form(nullptr);
    auto* v = new TReportListView(&form);
    v->SetParent(&form);
    v->SetBounds(0, 0, 800, 600);
    for (auto _ : State) {
        State.PauseTiming();
        v->SetSuppressPaint(true);
        v->SetNrRows(0);
        v->SetNrRows(1000000);
        FillRows(*v, 1000000);
        for (int r = 10; r <= 1000000; r += 10)
            for (int c = 0; c <= 5; ++c) v->SetElem(c, r, "");
        v->SetSuppressPaint(false);
        State.ResumeTiming();
        v->RemoveEmptyRows();
    }
    State.counters["rows"] = v->GetNrOfRows();
}
BENCHMARK(BM_RemoveEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(2);

// The row editor's date/time parser on a date with time, and on a twelve-hour time.
void BM_RowDateParse(benchmark::State& State) {
    int error = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(ParseRowDateTime("31.12.2023 23:59", "dd.MM.yyyy HH:mm", error, 2030));
        benchmark::DoNotOptimize(ParseRowDateTime("02:05 PM", "hh:mm tt", error, 2030));
    }
}
BENCHMARK(BM_RowDateParse);

// Opening the row editor on a 20-column row (every control kind), answering OK at once and
// writing the row back: the dialog's build, show, write-back and teardown.
void BM_RowEditorOpenOk(benchmark::State& State) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    auto* view = new TReportListView(form.get());
    view->SetParent(form.get());
    view->SetBounds(0, 0, 400, 300);
    form->Show();
    view->SetNrCols(20);
    view->SetNrRows(3);
    const char* formats[] = {"[s][120]", "[c:5][100]a|b|c", "[l]x|y|z", "[dyyyy-MM-dd HH:mm]", "[i]rix4"};
    for (int c = 1; c <= 20; ++c) {
        view->SetColName(c, "Column " + std::to_string(c));
        view->SetColumnFormat(c, formats[(c - 1) % 5]);
    }
    for (int c = 1; c <= 20; c += 5) view->SetElem(c + 3, 2, "2024-02-29 13:45");
    vcl::Testing::OnModal([](vcl::TForm* F) { F->SetModalResult(vcl::mrOk); });
    for (auto _ : State) benchmark::DoNotOptimize(view->EditRowEntries(2, 0, 0));
    vcl::Testing::OnModal(nullptr);
}
BENCHMARK(BM_RowEditorOpenOk)->Unit(benchmark::kMicrosecond);

}  // namespace
