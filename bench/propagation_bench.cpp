// Propagation reading on two fixed 19x19 middle-game positions: every black
// stone read against white's territory once per iteration, at the level
// given as argument. Counters: the reading's own nodes, the capture
// readings' nodes inside it, nodes per second, and a signature of the values.
#include <benchmark/benchmark.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/reading/propagation.h"
#include "tests/unit/propagation_positions.h"
#include "engine/reading/prise.h"

namespace {

void BM_LectureTactique(benchmark::State& state) {
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  const auto niv = static_cast<int32_t>(state.range(0));
  int64_t propres = 0, prise = 0;
  uint32_t signature = 0;
  int32_t depassements = 0;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    depassements = 0;
    for (const auto* lignes : {&positionspropagation::kEparse, &positionspropagation::kContact}) {
      TPlateau p = positionspropagation::pose(*lignes, niv);
      for (int32_t r = 1; r <= 19; ++r)
        for (int32_t c = 1; c <= 19; ++c) {
          if (p[indexcase(r, c)] != NOIR) continue;
          const int32_t l0 = compteurnoeudslecture, n0 = compteurnoeuds;
          depassementpropagation = 0;
          const int32_t v = lecturetactique(0, NOIR, BLANC, p, r, c, 0, 0);
          prise += compteurnoeuds - n0;
          propres += (compteurnoeudslecture - l0) - (compteurnoeuds - n0);
          depassements += depassementpropagation;
          signature = signature * 31 + static_cast<uint32_t>(v);
        }
    }
  }
  state.counters["noeuds"] = benchmark::Counter(static_cast<double>(propres), benchmark::Counter::kAvgIterations);
  state.counters["noeudsprise"] = benchmark::Counter(static_cast<double>(prise), benchmark::Counter::kAvgIterations);
  state.counters["noeuds/s"] = benchmark::Counter(static_cast<double>(propres), benchmark::Counter::kIsRate);
  state.counters["depassements"] = depassements;
  state.counters["signature"] = signature;
}
BENCHMARK(BM_LectureTactique)->Arg(3)->Arg(7)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
