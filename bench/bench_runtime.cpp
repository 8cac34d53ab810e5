// Throughput of the float-to-text routines (exact decimal conversion underneath) and Format.
#include <benchmark/benchmark.h>

#include "platform/SysUtils.h"

namespace {

const double kValues[] = {3.14159265358979, 0.1, 1234567.891, -2.5e-7, 1e300, 42.0, 1.0 / 3.0, 6.02214076e23};

void BM_FloatToStrGeneral(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vcl::FloatToStr(kValues[i++ % std::size(kValues)]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloatToStrGeneral);

void BM_FloatToStrFFixed(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vcl::FloatToStrF(kValues[i++ % std::size(kValues)], vcl::ffFixed, 15, 3));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloatToStrFFixed);

void BM_FloatToStrSubnormal(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vcl::FloatToStr(4.9406564584124654e-324));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloatToStrSubnormal);

void BM_FormatMixed(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const double v = kValues[i++ % std::size(kValues)];
        benchmark::DoNotOptimize(vcl::Format("%*.*f|%-8d|%s|%.3e", {10, 2, v, 12345, "text", v}));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatMixed);

}  // namespace
