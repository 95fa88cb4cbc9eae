// One encoding of the lock password as the lock editor stores it and the unlock dialog
// checks it. It should take from 50 ms to 500 ms: slow for anyone trying passwords
// against a copied settings file, unnoticed by the administrator.
#include <benchmark/benchmark.h>

#include "corvane/wizard/settings_lock.h"

namespace {

void BM_EncryptPswd(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(corvane::wizard::EncryptPswd("Admin2026"));
}
BENCHMARK(BM_EncryptPswd)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
