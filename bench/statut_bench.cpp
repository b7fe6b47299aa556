// The full status pass on fixed mid-game positions: the chain-status driver
// over both colours (with its candidate removals and territory fills), seki
// detection, then the two-colour territory estimate. One iteration is one
// pass; the signature hashes the dead marks and the territory counts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/commun_bench.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/territory/estimation.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"
#include "engine/reading/prise.h"

namespace {

constexpr const char* kMilieu9[9] = {
    ".........",  //
    "..XXO.O..",  //
    ".XOOXO...",  //
    ".XO.XO...",  //
    "..XOXXO..",  //
    "..XOOXO..",  //
    ".X.XOX.O.",  //
    ".O.XOXO..",  //
    "..X......",
};

constexpr const char* kMilieu19[19] = {
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

// `complete`: seki detection and the estimate after the driver.
void passestatut(benchmark::State& state, const char* const* lignes, int32_t n, bool complete) {
  configmoteur.taille = n;
  construittables(n);
  TPlateau p = plateaulignes(lignes, n);
  calculelibertes(p);
  plateaudepart = p;
  for (TMarques* m : {&marquesglobales, &pionsmortsbis, &pionsmortssauves}) m->fill(0);
  peintmortsavant = 1;
  flagmarquesmorts = 0;
  sansstatut = 0;
  tableessaiscourante = -1;
  static TCarte estimation, travail;
  uint32_t signature = 0;
  for (auto _ : state) {
    videmoprise();
    pionsmorts.fill(0);
    int32_t compte = 0;
    detectetatchaines(compte, p, 0, 0, 0, 1, NOIR);
    int32_t blancs = 0, noirs = 0;
    if (complete) {
      int32_t seki = 0;
      detectseki(seki, pionsmortsavant, p, 0);
      estimeterritoire(estimation, travail, NOIR, 5, blancs, noirs, p, 1);
    }
    // FNV-1a over the dead marks, then the counts.
    signature = 2166136261u;
    for (uint8_t m : pionsmorts) signature = (signature ^ m) * 16777619u;
    signature = (signature ^ static_cast<uint32_t>(compte)) * 16777619u;
    signature = (signature ^ static_cast<uint32_t>(blancs)) * 16777619u;
    signature = (signature ^ static_cast<uint32_t>(noirs)) * 16777619u;
    benchmark::DoNotOptimize(signature);
  }
  tableessaiscourante = 0;
  int32_t morts = 0;
  for (uint8_t m : pionsmorts) morts += m != 0;
  state.counters["morts"] = morts;
  char texte[32];
  std::snprintf(texte, sizeof texte, "signature %08x", signature);
  state.SetLabel(texte);
}

void BM_Statut9x9(benchmark::State& state) { passestatut(state, kMilieu9, 9, true); }
BENCHMARK(BM_Statut9x9)->Unit(benchmark::kMicrosecond);

void BM_Statut19x19(benchmark::State& state) { passestatut(state, kMilieu19, 19, true); }
BENCHMARK(BM_Statut19x19)->Unit(benchmark::kMicrosecond);

// The driver alone.
void BM_Detectetatchaines9x9(benchmark::State& state) { passestatut(state, kMilieu9, 9, false); }
BENCHMARK(BM_Detectetatchaines9x9)->Unit(benchmark::kMicrosecond);

void BM_Detectetatchaines19x19(benchmark::State& state) { passestatut(state, kMilieu19, 19, false); }
BENCHMARK(BM_Detectetatchaines19x19)->Unit(benchmark::kMicrosecond);

}  // namespace
