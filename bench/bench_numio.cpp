// Number routines on short numbers: the decimal scanner, the validators, the formatters and
// the edit field's reading of a text.
#include <benchmark/benchmark.h>

#include <string>

#include "numio/Zyn_NumIO.h"

using namespace zyn;

namespace {

const char* const kNumbers[] = {"12.5", "-3.75e2", "0.001", "42", "1.5e-7", "-987.25", "7", ".5"};
constexpr int kCount = 8;

void BM_ScanDecimalNumber(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        int position = 1;
        double v = ScanDecimalNumber(kNumbers[k], true, smPointOrComma, position);
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(position);
        k = (k + 1) % kCount;
    }
}
BENCHMARK(BM_ScanDecimalNumber);

void BM_IsValidFloatText(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsValidFloatText(kNumbers[k], true, dpsPoint));
        k = (k + 1) % kCount;
    }
}
BENCHMARK(BM_IsValidFloatText);

const double kValues[] = {12.5, -375.0, 0.001, 42.0, 1.5e-7, -987.25, 7.0, 0.5};

void BM_FormatRealFixed(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        std::string s = FormatReal(1, 2, kValues[k]);
        benchmark::DoNotOptimize(s);
        k = (k + 1) % kCount;
    }
}
BENCHMARK(BM_FormatRealFixed);

void BM_FormatRealExponent(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        std::string s = FormatReal(12, -2, kValues[k]);
        benchmark::DoNotOptimize(s);
        k = (k + 1) % kCount;
    }
}
BENCHMARK(BM_FormatRealExponent);

void BM_FormatHex(benchmark::State& state) {
    std::int32_t n = 0;
    for (auto _ : state) {
        std::string s = FormatHex(n++, 8);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatHex);

void BM_ConvertNumText(benchmark::State& state) {
    int k = 0;
    double v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertNumText(kNumbers[k], itDynamic, smPoint, v));
        k = (k + 1) % kCount;
    }
}
BENCHMARK(BM_ConvertNumText);

}  // namespace
