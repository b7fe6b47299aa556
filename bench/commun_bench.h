// Helpers shared by the engine benchmarks.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "tests/support/fixture_recherche.h"

// The board of n rows of 'X', 'O' and '.' (n by n).
using fixture::plateaulignes;

// Nodes per iteration and per second.
inline void comptenoeuds(benchmark::State& state, int64_t noeuds) {
  state.counters["noeuds"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kAvgIterations);
  state.counters["noeuds/s"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kIsRate);
}
