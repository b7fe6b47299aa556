#include <benchmark/benchmark.h>

#include "platform/platform.h"

// Cost of the generator the opening choices draw on.
static void BM_Random(benchmark::State& state) {
  platform::fixegraine(1);
  for (auto _ : state) benchmark::DoNotOptimize(platform::Random(361));
}
BENCHMARK(BM_Random);
