// Report list data at 1,000,000 rows x 5 columns of about 10 characters: fill, sort (against
// std::stable_sort of the same keys), XML write and read, CSV import, peak memory. Then the
// sparse and ragged round trips: 1,000,000 x 5 empty rows and 100 x 50,000 with one filled
// cell through XML, and a CSV file of a 100-field header over 50,000 one-field lines. Peak
// memory (peakMB, the process's maximum resident size) means something only for a benchmark
// run alone: --benchmark_filter=EmptyRows, =OneCell or =Ragged.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sys/resource.h>

#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

constexpr int kRows = 1'000'000, kCols = 5;

std::string RandomKey(std::mt19937& G) {
    std::string s(10, 'a');
    for (char& c : s) c = char('a' + G() % 26);
    return s;
}

// A stream that only counts what is written: the cost of formatting alone.
class TCountingStream : public vcl::TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void*, std::int64_t Count) override { bytes += Count; return Count; }
    std::int64_t Seek(std::int64_t, vcl::TSeekOrigin) override { return bytes; }
    std::int64_t bytes = 0;
};

void FillData(TRLData& D) {
    std::mt19937 g(42);
    D.SetNrCols(kCols);
    D.SetNrRows(kRows);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kCols; ++c) D.SetElem(c, r, RandomKey(g));
}

double PeakMB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

void BM_Fill(benchmark::State& state) {
    for (auto _ : state) {
        TRLData d(nullptr);
        FillData(d);
    }
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Sort(benchmark::State& state) {
    TRLData d(nullptr);
    FillData(d);
    for (auto _ : state) {
        d.Sort(1, 2, true);
        state.PauseTiming();
        d.UnSort();
        state.ResumeTiming();
    }
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_Sort)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StdStableSortSameKeys(benchmark::State& state) {
    std::mt19937 g(42);
    std::vector<std::string> keys;
    for (int r = 0; r < kRows; ++r) {
        keys.push_back(RandomKey(g));
        for (int c = 1; c < kCols; ++c) RandomKey(g);
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> k = keys;
        state.ResumeTiming();
        std::stable_sort(k.begin(), k.end());
    }
}
BENCHMARK(BM_StdStableSortSameKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_XmlWrite(benchmark::State& state) {
    TRLData d(nullptr);
    FillData(d);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        TCountingStream s;
        d.WriteToXMLStream(&s, true, "bench");
        bytes += s.bytes;
    }
    state.SetBytesProcessed(bytes);
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_XmlWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

const std::string kXmlFile = "/tmp/bench_replist.xml";
const std::string kCsvFile = "/tmp/bench_replist.csv";

void BM_XmlRead(benchmark::State& state) {
    {
        TRLData d(nullptr);
        FillData(d);
        d.SaveAsXMLFile(kXmlFile, "bench");
    }
    TRLData d(nullptr);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        vcl::TFileStream in(kXmlFile, vcl::fmOpenRead);
        bytes += in.GetSize();
        if (!d.ReadFromXMLStream(&in, "bench")) state.SkipWithError("data set not found");
    }
    state.SetBytesProcessed(bytes);
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_XmlRead)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvImport(benchmark::State& state) {
    {
        std::mt19937 g(42);
        vcl::TFileStream out(kCsvFile, vcl::fmCreate);
        std::string block;
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                if (c) block += ',';
                block += RandomKey(g);
            }
            block += '\n';
            if (block.size() > (1 << 20)) out.WriteText(block), block.clear();
        }
        out.WriteText(block);
    }
    TRLData d(nullptr);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        vcl::TFileStream probe(kCsvFile, vcl::fmOpenRead);
        bytes += probe.GetSize();
        if (d.ImportCSV(kCsvFile, csvComma, false) != kRows) state.SkipWithError("wrong row count");
    }
    state.SetBytesProcessed(bytes);
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RemoveEmptyRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TRLData d(nullptr);
        d.SetNrCols(2);
        d.SetNrRows(kRows);
        for (int r = 1; r <= kRows; r += 2) d.SetElem(1, r, "x");
        state.ResumeTiming();
        d.RemoveEmptyRows();
    }
}
BENCHMARK(BM_RemoveEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(1);

const std::string kEmptyRowsFile = "/tmp/bench_replist_empty.xml";
const std::string kOneCellFile = "/tmp/bench_replist_onecell.xml";
const std::string kRaggedFile = "/tmp/bench_replist_ragged.csv";

// Reads File kIterations times into one container; the file's size and the peak memory as
// counters.
void ReadBack(benchmark::State& state, const std::string& File, int Rows, int Cols) {
    TRLData d(nullptr);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        vcl::TFileStream in(File, vcl::fmOpenRead);
        bytes += in.GetSize();
        if (!d.ReadFromXMLStream(&in, "")) state.SkipWithError("data set not found");
    }
    if (d.GetNrOfRows() != Rows || d.GetNrOfColumns() != Cols) state.SkipWithError("wrong size read back");
    state.counters["fileBytes"] = double(bytes) / double(state.iterations());
    state.counters["cellSlots"] = double(d.Strings->CellSlots());
    state.counters["peakMB"] = PeakMB();
}

void BM_EmptyRowsXmlRead(benchmark::State& state) {
    {
        TRLData d(nullptr);
        d.SetNrCols(kCols);
        d.SetNrRows(kRows);
        d.SaveAsXMLFile(kEmptyRowsFile, "");
    }
    ReadBack(state, kEmptyRowsFile, kRows, kCols);
}
BENCHMARK(BM_EmptyRowsXmlRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmptyRowsXmlWrite(benchmark::State& state) {
    TRLData d(nullptr);
    d.SetNrCols(kCols);
    d.SetNrRows(kRows);
    for (auto _ : state) {
        TCountingStream s;
        d.WriteToXMLStream(&s, true, "bench");
    }
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_EmptyRowsXmlWrite)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OneCellXmlRead(benchmark::State& state) {
    {
        TRLData d(nullptr);
        d.SetNrCols(100);
        d.SetNrRows(50000);
        d.SetElem(100, 50000, "the only cell");
        d.SaveAsXMLFile(kOneCellFile, "");
    }
    ReadBack(state, kOneCellFile, 50000, 100);
}
BENCHMARK(BM_OneCellXmlRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RaggedCsvImport(benchmark::State& state) {
    {
        std::string text;
        for (int c = 1; c <= 100; ++c) text += (c > 1 ? "," : "") + std::string("head") + std::to_string(c);
        text += '\n';
        for (int r = 1; r <= 50000; ++r) text += std::to_string(r) + '\n';
        vcl::TFileStream out(kRaggedFile, vcl::fmCreate);
        out.WriteText(text);
    }
    TRLData d(nullptr);
    for (auto _ : state)
        if (d.ImportCSV(kRaggedFile, csvComma, true) != 50000) state.SkipWithError("wrong row count");
    if (d.GetNrOfColumns() != 100) state.SkipWithError("wrong column count");
    state.counters["cellSlots"] = double(d.Strings->CellSlots());
    state.counters["peakMB"] = PeakMB();
}
BENCHMARK(BM_RaggedCsvImport)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
