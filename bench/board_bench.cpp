// Speed of the engine's most called routines: move play with the chain-table
// update, and the full rebuild of the chain table.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/rejoue.h"
#include "platform/platform.h"

namespace {

struct Coup {
  int32_t r, c;
  uint8_t couleur;
};

// A fixed random game on 19x19: random empty points, colours alternating,
// moves that turn out illegal skipped; 300 moves, captures included.
const std::vector<Coup>& partie() {
  static const std::vector<Coup> coups = [] {
    configmoteur.taille = 19;
    construittables(19);
    platform::fixegraine(20261209);
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    TListePoints prises{};
    std::vector<Coup> v;
    uint8_t couleur = NOIR;
    while (v.size() < 300) {
      const int32_t r = 1 + platform::Random(19), c = 1 + platform::Random(19);
      if (p[indexcase(r, c)] != VIDE) continue;
      jouecoup(prises, CAPACITELISTE, p, r, c, couleur, static_cast<uint8_t>(1 - couleur));
      if (p[indexcase(r, c)] == VIDE) continue;
      v.push_back({r, c, couleur});
      couleur = static_cast<uint8_t>(1 - couleur);
    }
    return v;
  }();
  return coups;
}

void BM_JoueCoup(benchmark::State& state) {
  const auto& coups = partie();
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p;
  TListePoints prises{};
  for (auto _ : state) {
    p = plateauvide();
    infochaine = infochainevide;
    for (const Coup& k : coups)
      jouecoup(prises, CAPACITELISTE, p, k.r, k.c, k.couleur, static_cast<uint8_t>(1 - k.couleur));
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(infochaine);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(coups.size()));
}
BENCHMARK(BM_JoueCoup);

// The same game on the plain board (no chain table), for comparison.
void BM_RejoueCoup(benchmark::State& state) {
  const auto& coups = partie();
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p;
  TListePoints prises{};
  for (auto _ : state) {
    p = plateauvide();
    for (const Coup& k : coups)
      rejouecoup(prises, 300, p, k.r, k.c, k.couleur, static_cast<uint8_t>(1 - k.couleur));
    benchmark::DoNotOptimize(p);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(coups.size()));
}
BENCHMARK(BM_RejoueCoup);

// Full rebuild of the chain table after the first `range(0)` moves of the game.
void BM_CalculeLibertes(benchmark::State& state) {
  const auto& coups = partie();
  configmoteur.taille = 19;
  construittables(19);
  TPlateau p = plateauvide();
  infochaine = infochainevide;
  TListePoints prises{};
  for (int64_t i = 0; i < state.range(0); ++i) {
    const Coup& k = coups[static_cast<size_t>(i)];
    jouecoup(prises, CAPACITELISTE, p, k.r, k.c, k.couleur, static_cast<uint8_t>(1 - k.couleur));
  }
  for (auto _ : state) {
    calculelibertes(p);
    benchmark::DoNotOptimize(infochaine);
  }
}
BENCHMARK(BM_CalculeLibertes)->Arg(100)->Arg(300);

}  // namespace
