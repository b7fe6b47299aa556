// Groups, zones and stone links of fixed 19x19 mid-game positions: one
// verifiegroupesapresessai per iteration at level 3 (static link tests) and
// level 7 (connection readings), with the nodes of the connection readings
// and of the capture readings they ask, and a signature of the group and
// zone numbers and of the link bits.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/commun_bench.h"
#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/connection/groupes.h"
#include "engine/reading/prise.h"

namespace {

constexpr const char* kOuverture19[19] = {
    "...................",  //
    "...................",  //
    "...X.....X.....O...",  //
    "..X.O..........O...",  //
    "...XO.........X.O..",  //
    "...X.O.........X...",  //
    "...................",  //
    "..X................",  //
    "...............O...",  //
    "...X.....X.........",  //
    "...............O...",  //
    "..O................",  //
    "...............X...",  //
    "..O.O........X.X...",  //
    "...X.X....O..XOO...",  //
    "...X......O.XO.O...",  //
    "..O..X.X.....XO.O..",  //
    "..............XOO..",  //
    "...................",
};

constexpr const char* kCombat19[19] = {
    "...................",  //
    "..O.X..............",  //
    "..OX.X...X...O.O...",  //
    "..OX.O.X...X.OX.O..",  //
    "...XO.O..X...OXX...",  //
    "...X.O....O...XO...",  //
    "..X..O.X..O..X.O...",  //
    "...XO.O.X.........O",  //
    "..X.O..X.O.X...OX..",  //
    "...X.O.........O.X.",  //
    "..XO..O..X.OX..OX..",  //
    "..O.X.O.X..O.X.....",  //
    "...OX.O..X.O..OX...",  //
    "..O.X.OX....O.X.X..",  //
    "...OX..X..O..XOO...",  //
    "..OX.X.O..O.XO.O...",  //
    "..OX.X.X.O...XO.O..",  //
    "....O.........XOO..",  //
    "..............X.XO.",
};

void groupes(benchmark::State& state, const char* const* lignes, int32_t niv) {
  if (!chargecles()) {
    state.SkipWithError("key tables missing");
    return;
  }
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p = plateaulignes(lignes, 19);
  calculelibertes(p);
  niveau = niv;
  parametresniveau();
  flaglectureyeux = 1;
  cacheactif = 0;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  pointko = TPoint{};
  marquesliaison1.fill(0);
  marquesliaison2.fill(0);
  int64_t noeuds = 0, prises = 0;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    state.PauseTiming();
    for (auto& z : infogroupes) z = ZONEVIDE;
    for (auto& z : infozones) z = ZONEVIDE;
    for (auto& ligne : essaisordi)
      for (auto& e : ligne) e.liensessai.fill(0);
    for (auto& ligne : essaisjoueur)
      for (auto& e : ligne) e.liensessai.fill(0);
    const int32_t n0 = compteurnoeuds;
    state.ResumeTiming();
    verifiegroupesapresessai(p);
    noeuds += noeudsgroupes();
    prises += compteurnoeuds - n0;
    signature = 0;
    for (int32_t j = 0; j < NBCASES; ++j) {
      signature = signature * 31 + static_cast<uint32_t>(infogroupes[j].numero * 64 + infozones[j].numero);
      const auto& e = essaisordi[j / 19][j % 19].liensessai;
      const auto& f = essaisjoueur[j / 19][j % 19].liensessai;
      for (int32_t k = 0; k < NBCASES; ++k) signature += static_cast<uint32_t>((e[k] | f[k]) & 0x20) * (k + 1);
    }
  }
  state.counters["noeuds"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kAvgIterations);
  state.counters["noeudsprise"] =
      benchmark::Counter(static_cast<double>(prises), benchmark::Counter::kAvgIterations);
  state.counters["signature"] = signature;
}

void BM_GroupesOuvertureNiveau3(benchmark::State& s) { groupes(s, kOuverture19, 3); }
void BM_GroupesOuvertureNiveau7(benchmark::State& s) { groupes(s, kOuverture19, 7); }
void BM_GroupesCombatNiveau3(benchmark::State& s) { groupes(s, kCombat19, 3); }
void BM_GroupesCombatNiveau7(benchmark::State& s) { groupes(s, kCombat19, 7); }
BENCHMARK(BM_GroupesOuvertureNiveau3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupesOuvertureNiveau7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupesCombatNiveau3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupesCombatNiveau7)->Unit(benchmark::kMicrosecond);

}  // namespace
