#include <benchmark/benchmark.h>

#include "corvane/platform/text.h"

static void BM_UpperCaseAscii(benchmark::State& state) {
    const std::string text(4096, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(corvane::text::toUpper(text));
}
BENCHMARK(BM_UpperCaseAscii);
