// The whole position analysis of a genmove, from the move entry to the
// move families: the entry on the position's stones, the chooser's flags,
// the search's marks, groups and zones, both position analyses and the cut
// and link analyses, on fixed 9x9 and 19x19 mid-game positions at levels 1,
// 5 and 10. One iteration is one such run; the signature hashes the values
// of every trial and the candidate list.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/commun_bench.h"
#include "engine/board/etat.h"
#include "tests/support/fixture_analyse.h"
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

uint32_t melange(uint32_t h, int32_t v) { return (h ^ static_cast<uint32_t>(v)) * 16777619u; }

// White to move, as after black's last move; the move number puts both
// boards past the opening.
void analyse(benchmark::State& state, const char* const* lignes, int32_t n, TPoint dernier) {
  const TPlateau p = plateaulignes(lignes, n);
  fixture::Partie partie;
  partie.trait = BLANC;
  partie.numerocoup = n == 9 ? 40 : 120;
  partie.niveau = static_cast<int32_t>(state.range(0));
  partie.dernier = dernier;
  uint32_t signature = 0;
  int32_t essais = 0, candidats = 0;
  for (auto _ : state) {
    videmoprise();
    const fixture::AnalyseRacine& a = fixture::analyseracine(p, n, partie);
    signature = 2166136261u;
    for (const TEssaisAnalyse* e : {&a.ordi.essais, &a.joueur.essais})
      for (int32_t k = 1; k <= e->nombre; ++k) {
        signature = melange(signature, e->essais[k].valeur);
        signature = melange(signature, e->essais[k].zone);
      }
    for (int32_t k = 0; k <= 2 * nbpoints(a.candidats) + 1; ++k) signature = melange(signature, a.candidats[k]);
    essais = a.ordi.essais.nombre + a.joueur.essais.nombre;
    candidats = nbpoints(a.candidats);
    benchmark::DoNotOptimize(signature);
  }
  state.counters["essais"] = essais;
  state.counters["candidats"] = candidats;
  char texte[32];
  std::snprintf(texte, sizeof texte, "signature %08x", signature);
  state.SetLabel(texte);
}

void BM_Analyse9x9(benchmark::State& state) { analyse(state, kMilieu9, 9, TPoint{7, 4}); }
BENCHMARK(BM_Analyse9x9)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_Analyse19x19(benchmark::State& state) { analyse(state, kMilieu19, 19, TPoint{17, 8}); }
BENCHMARK(BM_Analyse19x19)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
