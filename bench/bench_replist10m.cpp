// The report list at the size of real exports: 10,000,000 rows x 5 text columns (set
// ZYN_BENCH_ROWS for another count, e.g. 1000000 for the figures beside them), filled through
// the view's SetElem as an application would. Measured: the fill and the memory of the view
// with its data, a header click that sorts a text column, a sort by value (a number column),
// the full repaint of an 800 x 600 view (and of one with 1,000 rows), FilterAndSort with a
// text and with a regular expression, CSV import, XML write (formatting alone and to a file)
// and read. Byte rates are per CPU second. Every figure is the
// median of 3 runs; peakMB is the process's maximum resident size so far.
//
// Heavy (minutes, several GB): run it alone on a quiet machine, e.g.
//   build/bench/bench_replist10m --benchmark_filter=Fill
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"
#include "replist/Zyn_ReportListView.h"

using namespace zyn;

namespace {

int Rows() {
    static const int rows = [] {
        const char* e = std::getenv("ZYN_BENCH_ROWS");
        const int n = e != nullptr ? std::atoi(e) : 0;
        return n > 0 ? n : 10'000'000;
    }();
    return rows;
}

double ResidentMB() {
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double PeakMB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

struct Lcg {
    std::uint32_t s = 12345u;
    std::uint32_t Next() { return s = s * 1664525u + 1013904223u; }
};

// Column 1 an amount ("1234.56"), columns 2..5 words of 5 to 10 letters: about 45 bytes a
// row, so 10M rows make a CSV file of some 500 MB.
void FillRows(TReportListView& V, int Rows) {
    Lcg rnd;
    char buf[32];
    for (int r = 1; r <= Rows; ++r) {
        std::snprintf(buf, sizeof buf, "%u.%02u", rnd.Next() % 1000000u, rnd.Next() % 100u);
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

// A shown form with an 800 x 600 view of Rows rows; the resident memory it added.
struct Setup {
    std::unique_ptr<vcl::TForm> form;
    TReportListView* view = nullptr;
    double mb = 0;
    explicit Setup(int N) {
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 800, 600);
        const double before = ResidentMB();
        view = new TReportListView(form.get());
        view->SetParent(form.get());
        view->SetBounds(0, 0, 800, 600);
        view->SetSuppressPaint(true);
        view->SetNrCols(5);
        view->SetNrRows(N);
        FillRows(*view, N);
        view->SetSuppressPaint(false);
        mb = ResidentMB() - before;
        form->Show();
        vcl::Application->ProcessMessages();
    }
};

std::unique_ptr<Setup>& Big() {
    static std::unique_ptr<Setup> big;
    return big;
}
Setup& Get() {
    if (!Big()) Big() = std::make_unique<Setup>(Rows());
    return *Big();
}

void Counters(benchmark::State& State) {
    State.counters["peakMB"] = PeakMB();
    State.counters["rows"] = Rows();
}

// The fill of a new view (the shared one is freed first, so that its memory is not counted
// twice); the last run's view stays for the benchmarks after it.
void BM_FillViewSetElem(benchmark::State& State) {
    for (auto _ : State) {
        State.PauseTiming();
        Big().reset();
        State.ResumeTiming();
        Big() = std::make_unique<Setup>(Rows());
    }
    State.counters["viewMB"] = Big()->mb;
    Counters(State);
}
BENCHMARK(BM_FillViewSetElem)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_HeaderClickSortText(benchmark::State& State) {
    Setup& s = Get();
    const vcl::TRect h = s.view->CellRect(2, 0);   // column 3, words
    for (auto _ : State) {
        State.PauseTiming();
        s.view->UnSort();
        State.ResumeTiming();
        vcl::Input::Click(s.view, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    }
    s.view->UnSort();
    Counters(State);
}
BENCHMARK(BM_HeaderClickSortText)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_SortByValue(benchmark::State& State) {
    Setup& s = Get();
    const TRLSortKey key{1, true, skNumber};
    for (auto _ : State) {
        State.PauseTiming();
        s.view->UnSort();
        State.ResumeTiming();
        s.view->SortBy({&key, 1});
    }
    s.view->UnSort();
    Counters(State);
}
BENCHMARK(BM_SortByValue)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_Repaint800x600(benchmark::State& State) {
    static std::unique_ptr<Setup> small;
    Setup* s = nullptr;
    if (State.range(0) == 0) {
        s = &Get();
    } else {
        if (!small) small = std::make_unique<Setup>(int(State.range(0)));
        s = small.get();
    }
    vcl::TBitmap target;
    target.SetSize(800, 600);
    for (auto _ : State) {
        s->view->PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["rows"] = s->view->GetNrOfRows();
}
// Arg 0: the big view.
BENCHMARK(BM_Repaint800x600)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void Filter(benchmark::State& State, std::string_view Expr, TFilterMode Mode) {
    Setup& s = Get();
    const std::vector<int> cols{2, 3, 4};
    for (auto _ : State) {
        s.view->FilterAndSort(Expr, cols, true, Mode, -1, true);
        State.PauseTiming();
        State.counters["found"] = s.view->GetNrOfShownRows();
        s.view->FilterAndSort("", cols, true, fmSimple, -1, true);
        State.ResumeTiming();
    }
    s.view->UnSort();
    Counters(State);
}
void BM_FilterAndSortSimple(benchmark::State& State) { Filter(State, "abc", fmSimple); }
BENCHMARK(BM_FilterAndSortSimple)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
void BM_FilterAndSortGrep(benchmark::State& State) { Filter(State, "^ab[c-e]|xy.z$", fmGrep); }
BENCHMARK(BM_FilterAndSortGrep)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

const std::string kCsvFile = "/tmp/bench_replist10m.csv";
const std::string kXmlFile = "/tmp/bench_replist10m.xml";

void BM_CsvImport(benchmark::State& State) {
    {
        TRLData* d = Get().view->GetData();
        vcl::TFileStream out(kCsvFile, vcl::fmCreate);
        std::string block;
        for (int r = 1; r <= d->GetNrOfRows(); ++r) {
            for (int c = 1; c <= 5; ++c) {
                if (c > 1) block += ',';
                block += d->Strings->StringView(c, r);
            }
            block += '\n';
            if (block.size() > (1 << 20)) out.WriteText(block), block.clear();
        }
        out.WriteText(block);
    }
    std::int64_t bytes = 0;
    std::unique_ptr<TRLData> d;
    for (auto _ : State) {
        // Freeing the last table is no part of the import.
        State.PauseTiming();
        d = std::make_unique<TRLData>(nullptr);
        vcl::TFileStream probe(kCsvFile, vcl::fmOpenRead);
        bytes += probe.GetSize();
        State.ResumeTiming();
        if (d->ImportCSV(kCsvFile, csvComma, false) != Rows()) State.SkipWithError("wrong row count");
    }
    d.reset();
    State.SetBytesProcessed(bytes);
    std::remove(kCsvFile.c_str());
    Counters(State);
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

// A stream that only counts what is written: the cost of formatting alone.
class TCountingStream : public vcl::TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void*, std::int64_t Count) override { bytes += Count; return Count; }
    std::int64_t Seek(std::int64_t, vcl::TSeekOrigin) override { return bytes; }
    std::int64_t bytes = 0;
};

// Arg 0: the text formatted into a stream that only counts it; Arg 1: saved to a file
// (the kernel's writing of some 2 GB then counts as well).
void BM_XmlWrite(benchmark::State& State) {
    TRLData* d = Get().view->GetData();
    std::int64_t bytes = 0;
    for (auto _ : State) {
        if (State.range(0) == 0) {
            TCountingStream s;
            d->WriteToXMLStream(&s, true, "bench");
            bytes += s.bytes;
            continue;
        }
        d->SaveAsXMLFile(kXmlFile, "bench");
        State.PauseTiming();
        vcl::TFileStream probe(kXmlFile, vcl::fmOpenRead);
        bytes += probe.GetSize();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(bytes);
    Counters(State);
}
BENCHMARK(BM_XmlWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_XmlRead(benchmark::State& State) {
    if (!std::ifstream(kXmlFile)) Get().view->GetData()->SaveAsXMLFile(kXmlFile, "bench");
    std::int64_t bytes = 0;
    std::unique_ptr<TRLData> d;
    for (auto _ : State) {
        State.PauseTiming();
        d = std::make_unique<TRLData>(nullptr);
        vcl::TFileStream in(kXmlFile, vcl::fmOpenRead);
        bytes += in.GetSize();
        State.ResumeTiming();
        if (!d->ReadFromXMLStream(&in, "bench")) State.SkipWithError("data set not found");
    }
    d.reset();
    State.SetBytesProcessed(bytes);
    std::remove(kXmlFile.c_str());
    Counters(State);
}
BENCHMARK(BM_XmlRead)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
