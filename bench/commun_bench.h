// Helpers shared by the engine benchmarks.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The board of n rows of 'X', 'O' and '.' (n by n).
inline TPlateau plateaulignes(const char* const* lignes, int32_t n) {
  TPlateau p = plateauvide();
  for (int32_t r = 1; r <= n; ++r)
    for (int32_t c = 1; c <= n; ++c) {
      const char ch = lignes[r - 1][c - 1];
      p[indexcase(r, c)] = ch == 'X' ? NOIR : ch == 'O' ? BLANC : VIDE;
    }
  return p;
}

// Nodes per iteration and per second.
inline void comptenoeuds(benchmark::State& state, int64_t noeuds) {
  state.counters["noeuds"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kAvgIterations);
  state.counters["noeuds/s"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kIsRate);
}
