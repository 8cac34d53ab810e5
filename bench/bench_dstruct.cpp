// Sorting and memory of the data containers against std::stable_sort on the same keys.
//
//   StringArraySort      TStringArray::Sort of 1,000,000 rows by a text column with a
//                        secondary column (5 columns of 10 characters)
//   StdStableSortStrings std::stable_sort of the row indexes over the same two key columns
//                        held as std::string
//   DataTableSortRows    TDataTable::SortRows of 1,000,000 rows x 5 columns by column 1
//   StdStableSortDoubles std::stable_sort of (key, row) pairs of the same keys
//   StringArrayMemory    megabytes added by filling 1,000,000 rows of 10-character cells in
//                        columns 0..5 (five named columns and the report list's column 0)
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "framework/Zyn_datatable.h"
#include "framework/Zyn_dstruct.h"

namespace {

constexpr int kRows = 1'000'000;
constexpr int kCols = 5;

// Ten-letter cell texts; column 1 repeats (about 20,000 distinct values) so that the secondary
// column decides many comparisons.
std::string CellText(std::mt19937& rng, int col) {
    std::string s(10, 'a');
    std::uniform_int_distribution<int> letter(0, 25);
    if (col == 1) {
        int v = std::uniform_int_distribution<int>(0, 19'999)(rng);
        for (int i = 9; i >= 0; --i, v /= 26) s[std::size_t(i)] = char('a' + v % 26);
        return s;
    }
    for (char& c : s) c = char('a' + letter(rng));
    return s;
}

struct StringData {
    std::vector<std::vector<std::string>> cols;   // [col 0..kCols][row]
    StringData() {
        std::mt19937 rng(42);
        cols.resize(kCols + 1);
        for (int c = 0; c <= kCols; ++c) {
            cols[std::size_t(c)].reserve(kRows);
            for (int r = 0; r < kRows; ++r) cols[std::size_t(c)].push_back(CellText(rng, c));
        }
    }
};

const StringData& Strings() {
    static const StringData data;
    return data;
}

void Fill(zyn::TStringArray& a) {
    const auto& d = Strings();
    a.Resize(kCols, kRows);
    for (int c = 0; c <= kCols; ++c)
        for (int r = 0; r < kRows; ++r) a.SetString(c, r + 1, d.cols[std::size_t(c)][std::size_t(r)]);
}

void StringArraySort(benchmark::State& state) {
    zyn::TStringArray a(nullptr);
    Fill(a);
    for (auto _ : state) {
        state.PauseTiming();
        a.UnSort();
        state.ResumeTiming();
        a.Sort(1, 2, true);
        benchmark::DoNotOptimize(a.GetSortOrder(1));
    }
}
BENCHMARK(StringArraySort)->Unit(benchmark::kMillisecond)->Iterations(5);

void StdStableSortStrings(benchmark::State& state) {
    const auto& key = Strings().cols[1];
    const auto& sec = Strings().cols[2];
    std::vector<std::uint32_t> order(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        std::iota(order.begin(), order.end(), 0u);
        state.ResumeTiming();
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
            int c = key[x].compare(key[y]);
            if (c == 0) c = sec[x].compare(sec[y]);
            return c < 0;
        });
        benchmark::DoNotOptimize(order.front());
    }
}
BENCHMARK(StdStableSortStrings)->Unit(benchmark::kMillisecond)->Iterations(5);

std::vector<double> TableKeys(int col) {
    std::mt19937 rng(7 + unsigned(col));
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::vector<double> v(kRows);
    for (double& x : v) x = value(rng);
    return v;
}

void DataTableSortRows(benchmark::State& state) {
    zyn::TDataTable source(nullptr);
    source.Resize(kCols, kRows);
    for (int c = 1; c <= kCols; ++c) {
        const auto keys = TableKeys(c);
        for (int r = 1; r <= kRows; ++r) source.SetElem(c, r, keys[std::size_t(r - 1)]);
    }
    for (int r = 1; r <= kRows; ++r) source.SetRowAttrib(r, r);
    zyn::TDataTable t(nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        t.Assign(&source);
        state.ResumeTiming();
        t.SortRows(1, true, 1, 1, kCols, kRows, true);
        benchmark::DoNotOptimize(t.GetElem(1, 1));
    }
}
BENCHMARK(DataTableSortRows)->Unit(benchmark::kMillisecond)->Iterations(5);

void StdStableSortDoubles(benchmark::State& state) {
    const auto keys = TableKeys(1);
    std::vector<std::pair<double, int>> pairs(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 0; r < kRows; ++r) pairs[std::size_t(r)] = {keys[std::size_t(r)], r + 1};
        state.ResumeTiming();
        std::stable_sort(pairs.begin(), pairs.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        benchmark::DoNotOptimize(pairs.front());
    }
}
BENCHMARK(StdStableSortDoubles)->Unit(benchmark::kMillisecond)->Iterations(5);

void StringArrayMemory(benchmark::State& state) {
    Strings();   // the source texts are not counted
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks + mallinfo2().hblkhd;
        auto* a = new zyn::TStringArray(nullptr);
        Fill(*a);
        const std::size_t after = mallinfo2().uordblks + mallinfo2().hblkhd;
        state.counters["MB"] = double(after - before) / (1024.0 * 1024.0);
        delete a;
    }
}
BENCHMARK(StringArrayMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
