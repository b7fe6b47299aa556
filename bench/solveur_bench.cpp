// The small-board solver over its capture-game problems (tests/data/solveur.txt):
// the two first proof passes of every case (black, then white moving first)
// and the whole solver, every case once per iteration, with the nodes, nodes
// per second and a signature of the answers as counters.
#include <benchmark/benchmark.h>

#include "bench/commun_bench.h"
#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/connection/solveur.h"
#include "tests/unit/solveur_suite.h"

namespace {

void BM_SolveurPasses(benchmark::State& state) {
  const auto cas = suitesolveur::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("solver problems or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p = suitesolveur::pose(c);
      for (const uint8_t attaquant : {NOIR, BLANC}) {
        const uint8_t defenseur = attaquant == NOIR ? BLANC : NOIR;
        TMarques drapeaux = marquesvides;
        TListeChaines a, b, d, e;
        listechaines(p, defenseur, a, b, d, e);
        TPoint point = pointko;
        int32_t statut = 0;
        const int32_t n0 = compteurnoeudsprise;
        const TResultatPasse r =
            passesolveur(drapeaux, a, b, attaquant == NOIR ? 0 : 1, point, p, defenseur, attaquant, statut);
        noeuds += compteurnoeudsprise - n0;
        signature = signature * 31 + static_cast<uint32_t>(r.valeur + 1) * 1000 + point.ligne * 20 + point.colonne;
      }
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_SolveurPasses)->Unit(benchmark::kMillisecond);

// The whole solver; its counter holds the main search's nodes at return.
void BM_SolveurCoup(benchmark::State& state) {
  const auto cas = suitesolveur::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("solver problems or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p = suitesolveur::pose(c);
      TPoint m;
      const bool trouve = solveurcoupsautorises(NOIR, BLANC, p, m);
      noeuds += compteurnoeudsprise;
      signature = signature * 31 + (trouve ? 1u : 0u) * 1000 + m.ligne * 20 + m.colonne;
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_SolveurCoup)->Unit(benchmark::kMillisecond);

}  // namespace
