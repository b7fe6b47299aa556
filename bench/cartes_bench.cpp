// The zone reading and the moyo estimate on fixed 19x19 positions, after the
// status pass and the territory estimate that the position analysis runs
// first. The zone reading prints its nodes; both print a signature of their
// maps.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/commun_bench.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/lecturezone.h"
#include "engine/territory/moyo.h"
#include "engine/reading/prise.h"

namespace {

// A mid-game with frameworks and a few fights.
constexpr const char* kMilieu[19] = {
    "................X.O",  //
    ".................XX",  //
    "...X.....X....O....",  //
    "..XOO.........O.X..",  //
    "...XO.........OX...",  //
    "...XO..........X...",  //
    "....O..............",  //
    "...................",  //
    "..X.............O..",  //
    "...X.......X.......",  //
    "...................",  //
    "..O.............X..",  //
    "...............X...",  //
    "..O..........X.X...",  //
    "...O.X....O..XOO...",  //
    "..OX.X....O.XO.O...",  //
    "..OX.X.X.....XO.O..",  //
    "..............XOO..",  //
    "..............X.XO.",
};

// A crowded board full of weak chains.
constexpr const char* kMelee[19] = {
    ".O....OO.O..OO..O.X",  //
    ".O.X.XOXX...XXXXO..",  //
    "O.....XXO.X...OXX..",  //
    ".OX.OOXOO....X....O",  //
    ".O.XXO.OO.O..OOXOO.",  //
    "O.XX.OO.X..X.O.XO..",  //
    "..X.OXXXX...O..X...",  //
    "OOXX.X..X..OXX.OX.X",  //
    ".O...X.OXOXO..X.XXX",  //
    "OXX..O.XX.......O.O",  //
    ".X.O.O.OXX...X..OOO",  //
    "..O.X....OX.XXXO...",  //
    "OX..O...X..O.OO..OX",  //
    ".X....XOX.O.OOX.XOO",  //
    "X..X..X....O.XO.X..",  //
    "O.OXX..O..X.X.X....",  //
    "......XXX..X.X.O.OO",  //
    "O.X.O.OXO..OX..OX.O",  //
    "..OO..X...XXXX.O...",
};

// The engine on the position with its dead marks and owner maps. With
// `moities`, every empty point belongs to black on the left half and to
// white on the right one, so that every zone is read.
TPlateau prepare(const char* const* lignes, bool moities = false) {
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p = plateaulignes(lignes, 19);
  calculelibertes(p);
  plateaudepart = p;
  for (TMarques* m : {&pionsmorts, &marquesglobales, &pionsmortsbis, &pionsmortssauves}) m->fill(0);
  peintmortsavant = 1;
  flagmarquesmorts = 0;
  sansstatut = 0;
  tableessaiscourante = -1;
  casesjouables.fill(1);
  territoire4.fill(VIDE);
  pointko = TPoint{};
  int32_t compte = 0;
  detectetatchaines(compte, p, 0, 0, 0, 1, NOIR);
  tableessaiscourante = 0;
  static TCarte estimation, travail;
  int32_t blancs = 0, noirs = 0;
  estimeterritoire(estimation, travail, NOIR, 5, blancs, noirs, p, 1);
  if (moities)
    for (int32_t j = 0; j < NBCASES; ++j) territoire[j] = p[j] != VIDE ? VIDE : j % 19 < 9 ? NOIR : BLANC;
  return p;
}

uint32_t fnv(const TMarques& m) {
  uint32_t s = 2166136261u;
  for (uint8_t v : m) s = (s ^ v) * 16777619u;
  return s;
}

void etiquette(benchmark::State& state, uint32_t signature) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "signature %08x", signature);
  state.SetLabel(texte);
}

void zones(benchmark::State& state, const char* const* lignes, bool moities) {
  const TPlateau p = prepare(lignes, moities);
  TMarques resultat;
  int64_t noeuds = 0;
  for (auto _ : state) {
    videmoprise();
    int32_t mode = 0;
    analysezoneinvasion(resultat, NOIR, p, mode);
    noeuds += compteurnoeuds;
    benchmark::DoNotOptimize(resultat);
  }
  comptenoeuds(state, noeuds);
  etiquette(state, fnv(resultat));
}

void moyo(benchmark::State& state, const char* const* lignes) {
  const TPlateau p = prepare(lignes);
  const TMarques morts = pionsmorts;
  TMarques sortie;
  for (auto _ : state) {
    videmoprise();
    calculemoyo(p, sortie, morts);
    benchmark::DoNotOptimize(sortie);
  }
  etiquette(state, fnv(sortie));
}

void BM_AnalyseZoneInvasionMilieu(benchmark::State& state) { zones(state, kMilieu, false); }
BENCHMARK(BM_AnalyseZoneInvasionMilieu)->Unit(benchmark::kMicrosecond);

void BM_AnalyseZoneInvasionMilieuMoities(benchmark::State& state) { zones(state, kMilieu, true); }
BENCHMARK(BM_AnalyseZoneInvasionMilieuMoities)->Unit(benchmark::kMicrosecond);

void BM_AnalyseZoneInvasionMelee(benchmark::State& state) { zones(state, kMelee, false); }
BENCHMARK(BM_AnalyseZoneInvasionMelee)->Unit(benchmark::kMicrosecond);

// The whole node budget.
void BM_AnalyseZoneInvasionMeleeMoities(benchmark::State& state) { zones(state, kMelee, true); }
BENCHMARK(BM_AnalyseZoneInvasionMeleeMoities)->Unit(benchmark::kMillisecond);

void BM_CalculeMoyoMilieu(benchmark::State& state) { moyo(state, kMilieu); }
BENCHMARK(BM_CalculeMoyoMilieu)->Unit(benchmark::kMicrosecond);

void BM_CalculeMoyoMelee(benchmark::State& state) { moyo(state, kMelee); }
BENCHMARK(BM_CalculeMoyoMelee)->Unit(benchmark::kMicrosecond);

}  // namespace
