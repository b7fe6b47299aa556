// Speed of the ladder reading on a ladder that crosses the whole 19x19 board,
// caught in the far corner and broken there by one stone.
#include <benchmark/benchmark.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/escalier.h"

namespace {

// Black (4,4) in atari at (5,4); the ladder runs down and right.
TPlateau escalierlong(bool casseur) {
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p = plateauvide();
  p[indexcase(3, 4)] = BLANC;
  p[indexcase(4, 3)] = BLANC;
  p[indexcase(4, 4)] = NOIR;
  p[indexcase(4, 5)] = BLANC;
  p[indexcase(5, 3)] = BLANC;
  if (casseur) p[indexcase(17, 17)] = NOIR;
  calculelibertes(p);
  return p;
}

void lance(benchmark::State& state, bool casseur) {
  TPlateau p = escalierlong(casseur);
  bool res = false;
  for (auto _ : state) {
    res = testescalier(p, 5, 4, NOIR, BLANC);
    benchmark::DoNotOptimize(res);
  }
  state.counters["nodes"] = noeudsescalier;
  state.counters["caught"] = res ? 1 : 0;
}

void BM_EscalierLong(benchmark::State& state) { lance(state, false); }
void BM_EscalierLongCasse(benchmark::State& state) { lance(state, true); }
BENCHMARK(BM_EscalierLong);
BENCHMARK(BM_EscalierLongCasse);

}  // namespace
