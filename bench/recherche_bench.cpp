// The engine's move choice (genmove through the move entry, the search and
// its root analyses) on fixed 9x9 and 19x19 positions of the opening, the
// middle game and the end, at levels 1, 5 and 10, with the seed and the
// clocks pinned. One iteration is one genmove; the counters give the
// search's nodes, the label a signature of the chosen moves.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/commun_bench.h"
#include "engine/board/etat.h"
#include "engine/choice/entree.h"
#include "platform/platform.h"
#include "tests/support/fixture_recherche.h"
#include "engine/reading/prise.h"

namespace {

constexpr const char* kDebut9[9] = {
    ".........", ".........", "..X...O..", ".........", "....X....",
    ".........", "..O...X..", ".........", ".........",
};
constexpr const char* kMilieu9[9] = {
    ".........", "..XXO.O..", ".XOOXO...", ".XO.XO...", "..XOXXO..",
    "..XOOXO..", ".X.XOX.O.", ".O.XOXO..", "..X......",
};
constexpr const char* kFin9[9] = {
    ".XXOOO.O.", "XXOO.OOO.", "X.XXOOXOO", "XXX.XOXXO", ".XXXXOX.X",
    "XXOXOOXXX", "XO.OOXX.X", "OOOOX.XXO", ".O.OXXXO.",
};
constexpr const char* kDebut19[19] = {
    "...................", "...................", "...X...........O...", "...................",
    "...................", "...................", "...................", "...................",
    "...................", "...................", "...................", "...................",
    "...................", "...................", "...................", "...O...........X...",
    "...................", "...................", "...................",
};

uint32_t tickfixe() { return 1000; }
// A fixed high-resolution counter: the move's deadline never comes, so the
// signatures are those of the whole search on any machine.
uint64_t perffixe() { return 123456789; }

// White to move after the stones of the position, put down in row order.
void genmove(benchmark::State& state, const char* const* lignes, int32_t n) {
  platform::seam::fixetickcount(tickfixe);
  platform::seam::fixecompteurperf(perffixe);
  platform::seam::fixegrainerandomize(true, 1);
  const TConfig config = fixture::configpartie(n, static_cast<int32_t>(state.range(0)));
  const TListeCoups liste = fixture::listelignes(lignes, n);
  uint32_t signature = 2166136261u;
  int64_t noeuds = 0;
  for (auto _ : state) {
    const TResultatCoup r = fixture::genmovefige(BLANC, config, liste);
    signature = (signature ^ static_cast<uint32_t>(r.ligne * 32 + r.colonne)) * 16777619u;
    noeuds += compteurnoeudsprise;
    benchmark::DoNotOptimize(r);
  }
  state.counters["noeuds"] = benchmark::Counter(static_cast<double>(noeuds), benchmark::Counter::kAvgIterations);
  char texte[32];
  std::snprintf(texte, sizeof texte, "signature %08x", signature);
  state.SetLabel(texte);
  platform::seam::fixegrainerandomize(false);
  platform::seam::fixetickcount(nullptr);
  platform::seam::fixecompteurperf(nullptr);
}

void BM_Genmove9x9Debut(benchmark::State& s) { genmove(s, kDebut9, 9); }
void BM_Genmove9x9Milieu(benchmark::State& s) { genmove(s, kMilieu9, 9); }
void BM_Genmove9x9Fin(benchmark::State& s) { genmove(s, kFin9, 9); }
void BM_Genmove19x19Debut(benchmark::State& s) { genmove(s, kDebut19, 19); }
void BM_Genmove19x19Milieu(benchmark::State& s) { genmove(s, fixture::MILIEU19, 19); }
BENCHMARK(BM_Genmove9x9Debut)->Arg(1)->Arg(5)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Genmove9x9Milieu)->Arg(1)->Arg(5)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Genmove9x9Fin)->Arg(1)->Arg(5)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Genmove19x19Debut)->Arg(1)->Arg(5)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Genmove19x19Milieu)->Arg(1)->Arg(5)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
