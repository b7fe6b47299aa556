// Connection readings over the connection problems (tests/data/liaison.txt),
// stone to group and two stones apart: every problem read once per iteration
// at its level, with the total nodes, nodes per second and a signature of the
// answers as counters; and the crowded position whose reading runs over the
// node budget.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/commun_bench.h"
#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/connection/lectureliaison.h"
#include "tests/unit/liaison_suite.h"
#include "engine/reading/prise.h"

namespace {

// The problems of one reading: stone to group (peutlierachaine) or two stones.
void problemes(benchmark::State& state, bool paire) {
  auto cas = suiteliaison::lit();
  std::erase_if(cas, [&](const suiteliaison::Cas& c) { return c.paire != paire; });
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("connection problems or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p;
      const auto m = suiteliaison::prepare(c, p, c.niveau);
      const bool r = suiteliaison::lis(c, p, m);
      noeuds += noeudsliaison();
      signature = signature * 31 + (r ? 1u : 0u);
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
void BM_PeutLierAChaine(benchmark::State& state) { problemes(state, false); }
BENCHMARK(BM_PeutLierAChaine)->Unit(benchmark::kMicrosecond);
void BM_PeutLierDeuxPions(benchmark::State& state) { problemes(state, true); }
BENCHMARK(BM_PeutLierDeuxPions)->Unit(benchmark::kMicrosecond);

// Two stones in a crowded 9x9 position at level 10: the reading passes the
// budget, so this is the worst case of one question.
void BM_LiaisonBudget(benchmark::State& state) {
  static constexpr const char* lignes[9] = {"X.OO.X..O", ".X.O.XX.X", "O..OO....", "...O.X..O", ".......X.",
                                            "XX.O.OO..", "..O.X...X", ".OX..XX..", "O...O...X"};
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  configmoteur.taille = 9;
  construittables(9);
  TPlateau p = plateaulignes(lignes, 9);
  calculelibertes(p);
  niveau = 10;
  parametresniveau();
  flaglectureyeux = 1;
  cacheactif = 0;
  const TMarques vide = marquesvides;
  int64_t noeuds = 0;
  for (auto _ : state) {
    videmoprise();
    benchmark::DoNotOptimize(peutlierdeuxpions(p, vide, vide, 1, 3, 5, 6, 6, TPoint{}));
    noeuds += noeudsliaison();
  }
  comptenoeuds(state, noeuds);
}
BENCHMARK(BM_LiaisonBudget)->Unit(benchmark::kMicrosecond);

}  // namespace
