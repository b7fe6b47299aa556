// Capture reading over the tactical suite (tests/data/prise/tactique.txt),
// two-eye reading over the life-and-death suite (tests/data/yeux/vie.txt) and
// enclosed-chain reading over its suite (tests/data/enclos.txt) and the
// enclosed life-and-death reading over its suite (tests/data/vieetmort.txt):
// every case read once per iteration, with the total nodes, nodes per second
// and a signature of the answers as counters.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/commun_bench.h"
#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/prise.h"
#include "engine/reading/vieetmort.h"
#include "engine/territory/enclos.h"
#include "tests/unit/enclos_suite.h"
#include "tests/unit/prise_suite.h"
#include "tests/unit/vieetmort_suite.h"
#include "tests/unit/yeux_suite.h"

namespace {

void BM_PriseSuiteTactique(benchmark::State& state) {
  const auto cas = suiteprise::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("tactical suite or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    for (const auto& c : cas) {
      configmoteur.taille = c.taille;
      construittables(c.taille);
      niveau = c.niveau;
      lecturelongue = c.niveau >= 5 ? 1 : 0;
      cacheactif = 0;
      compteurcache = 0;
      TPlateau p = c.plateau;
      calculelibertes(p);
      const int32_t n0 = compteurnoeuds;
      const bool r = testprise(p, c.ligne, c.colonne, c.profondeur, c.limite, static_cast<uint8_t>(1 - c.premier),
                               c.ko);
      noeuds += compteurnoeuds - n0;
      signature = signature * 31 + (r ? 1u : 0u);
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_PriseSuiteTactique)->Unit(benchmark::kMicrosecond);

// The crowded fight that runs over the node budget: the worst case of one call.
void BM_PriseCombatBudget(benchmark::State& state) {
  static constexpr const char* lignes[9] = {"X.OXX....", "..OX....O", "..XOO...X", "......O.X", "O...O.XOX",
                                            "..O......", "......X..", "....O..X.", "...O...XO"};
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  configmoteur.taille = 9;
  construittables(9);
  TPlateau p = plateaulignes(lignes, 9);
  calculelibertes(p);
  niveau = 10;
  int64_t noeuds = 0;
  for (auto _ : state) {
    videmoprise();
    lecturelongue = 1;
    const int32_t n0 = compteurnoeuds;
    benchmark::DoNotOptimize(testprise(p, 3, 3, 14, 5, p[indexcase(3, 3)], TPoint{}));
    noeuds += compteurnoeuds - n0;
  }
  comptenoeuds(state, noeuds);
}
BENCHMARK(BM_PriseCombatBudget)->Unit(benchmark::kMicrosecond);

// Two-eye reading over the life-and-death suite.
void BM_DeuxYeuxSuiteVie(benchmark::State& state) {
  const auto cas = suiteyeux::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("life-and-death suite or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p;
      const int32_t mode = suiteyeux::prepare(c, p);
      const int32_t n0 = compteurnoeuds;
      const bool r = testdeuxyeuxpossible(p, c.ligne, c.colonne, mode);
      noeuds += compteurnoeuds - n0;
      signature = signature * 31 + (r ? 1u : 0u);
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_DeuxYeuxSuiteVie)->Unit(benchmark::kMicrosecond);

// Enclosed-chain reading over its suite; the fill map is made afresh for
// every case, as a caller does once per colour.
void BM_EnclosSuite(benchmark::State& state) {
  const auto cas = suiteenclos::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("enclosed-chain suite or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p = suiteenclos::prepare(c);
      TMarques remplie, zone, faibles{};
      uint8_t pret = 0;
      const int32_t n0 = compteurnoeuds;
      const int32_t r = testdeb(p, remplie, pret, pionsmorts, zone, faibles, c.ligne, c.colonne, c.dernier, c.ko,
                                c.declencheur, c.zoneseule);
      noeuds += compteurnoeuds - n0;
      signature = signature * 31 + static_cast<uint32_t>(r);
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_EnclosSuite)->Unit(benchmark::kMicrosecond);

// A roomy corner with three enemy stones inside, killer to move: the widest
// reading the zone limits allow at level 7.
void BM_EnclosCoinOccupe(benchmark::State& state) {
  static constexpr const char* lignes[9] = {".O.O.XO..", ".....XO..", ".O...XO..", "XXXXXXO..", "OOOOOOO..",
                                            ".........", ".........", ".........", "........."};
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  configmoteur.taille = 9;
  construittables(9);
  TPlateau p = plateaulignes(lignes, 9);
  calculelibertes(p);
  niveau = 7;
  pointko = TPoint{};
  pionsmorts.fill(0);
  marquesglobales.fill(0);
  int64_t noeuds = 0;
  for (auto _ : state) {
    videmoprise();
    TMarques remplie, zone, faibles{};
    uint8_t pret = 0;
    const int32_t n0 = compteurnoeuds;
    benchmark::DoNotOptimize(
        testdeb(p, remplie, pret, pionsmorts, zone, faibles, 4, 1, NOIR, TPoint{}, TPoint{}, 0));
    noeuds += compteurnoeuds - n0;
  }
  comptenoeuds(state, noeuds);
}
BENCHMARK(BM_EnclosCoinOccupe)->Unit(benchmark::kMicrosecond);

// Enclosed life-and-death reading over its suite.
void BM_VieEtMortSuite(benchmark::State& state) {
  const auto cas = suitevie::lit();
  if (cas.empty() || !chargecles()) {
    state.SkipWithError("life-and-death suite or key tables missing");
    return;
  }
  int64_t noeuds = 0;
  uint32_t signature = 0;
  static TCarte valeurs;
  for (auto _ : state) {
    videmoprise();
    signature = 0;
    for (const auto& c : cas) {
      TPlateau p;
      suitevie::prepare(c, p, valeurs);
      const int32_t n0 = compteurnoeudsprise;
      const int32_t r = testvieetmort(valeurs, p, c.ligne, c.colonne, c.dernier(), c.ko, c.point);
      noeuds += compteurnoeudsprise - n0;
      signature = signature * 31 + static_cast<uint32_t>(r + 1);
    }
  }
  comptenoeuds(state, noeuds);
  state.counters["signature"] = signature;
}
BENCHMARK(BM_VieEtMortSuite)->Unit(benchmark::kMicrosecond);

// A corner space of twelve points holding two weak enemy stones, the killer
// to move: a deep reading with both chain lists in play.
void BM_VieEtMortCoinOccupe(benchmark::State& state) {
  static constexpr const char* lignes[9] = {".X..OX...", "..X.OX...", "....OX...", "OOOOOX...", "XXXXXX...",
                                            ".........", ".........", ".........", "........."};
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  configmoteur.taille = 9;
  construittables(9);
  TPlateau p = plateaulignes(lignes, 9);
  calculelibertes(p);
  niveau = 7;
  pointko = TPoint{};
  pionsmorts.fill(0);
  static TCarte valeurs;
  valeurs.fill(0);
  for (int32_t i = 0; i < NBCASES; ++i)
    if (p[i] == BLANC && i < indexcase(5, 1)) valeurs[i] = -1;  // the white group
  valeurs[indexcase(1, 2)] = valeurs[indexcase(2, 3)] = -1;    // the two black stones inside
  int64_t noeuds = 0;
  for (auto _ : state) {
    videmoprise();
    const int32_t n0 = compteurnoeudsprise;
    benchmark::DoNotOptimize(testvieetmort(valeurs, p, 4, 1, BLANC, pointko, TPoint{}));
    noeuds += compteurnoeudsprise - n0;
  }
  comptenoeuds(state, noeuds);
}
BENCHMARK(BM_VieEtMortCoinOccupe)->Unit(benchmark::kMicrosecond);

}  // namespace
