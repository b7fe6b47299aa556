// Survival by surrounding: the count rule, the level gate and the restore
// contract of both families.
#include <gtest/gtest.h>

#include <memory>

#include "engine/board/etat.h"
#include "engine/proposals/survieentourage.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

TEST(SurvieEntourage, CountRule) {
  struct Cas {
    const char* nom;
    int32_t k, k2, e;
    bool garde;
    int32_t k2apres, eapres;
  } cas[] = {
      {"k2 = 1 ignored with 4 targets", 4, 1, 5, true, 0, 5},
      {"k2 = 1 ignored with 6 targets", 6, 1, 2, true, 0, 2},
      {"k2 = 1 with 3 targets clears e", 3, 1, 5, true, 1, 0},
      {"k2 = 2 with 4 targets clears e", 4, 2, 5, true, 2, 0},
      {"k2 above k drops", 2, 3, 5, false, 3, 5},
      {"k2 = 0 keeps e", 1, 0, 7, true, 0, 7},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    int32_t k2 = c.k2, e = c.e;
    EXPECT_EQ(comptesentourage(c.k, k2, e), c.garde);
    if (!c.garde) continue;
    EXPECT_EQ(k2, c.k2apres);
    EXPECT_EQ(e, c.eapres);
  }
}

struct Sorties {
  TCarte survieB{}, survieA{}, fortA{};
  TMarques memoA{};
  TListePoints famille{}, candidats{};
};

void lance(TPlateau& p, Sorties& x) {
  fixture::verifieinchange(p, [&] {
    coupdesurvieentourant(x.survieB, p, x.famille, 300, x.candidats, 361);
    survieordi(x.memoA, x.survieA, x.fortA, p, x.candidats, 361);
  });
  EXPECT_LE(nbpoints(x.candidats), 361);
  EXPECT_LE(nbpoints(x.famille), 300);
}

// Analysed positions with shut-in chains: at levels 1 to 3 nothing is
// written; at every level board, chain table and dead marks come back.
TEST(SurvieEntourage, LevelGateAndPositionComesBack) {
  for (const char* d : {
           ".OX......\nOOX......\nXX.......\n.........\n....X....\n.........\n.........\n.........\n.........\n",
           "..O.O....\n.OXO.O...\n..O..O...\nXX.OO....\n..X.X.O..\n..X..O...\n.XX.XO...\n..X.XO...\n.........\n",
           ".XO......\nX.XO.....\nXXO......\nOO.......\n.........\n......X..\n.........\n.........\n.........\n",
           "..XO.....\n.X.O.....\nX.XO.....\nXXO......\nOO.......\n.........\n.........\n.........\n.........\n",
       }) {
    for (const int32_t n : {1, 3, 4, 7}) {
      SCOPED_TRACE(n);
      fixture::Partie partie;
      partie.niveau = n;
      partie.numerocoup = 12;
      fixture::analysemoteur(d, partie);
      TPlateau p = plateaumoteur;
      auto x = std::make_unique<Sorties>();
      x->fortA.fill(30);
      const int32_t maxavant = maxsurvie;
      lance(p, *x);
      if (n > 3) continue;
      EXPECT_EQ(x->survieB, TCarte{});
      EXPECT_EQ(x->survieA, TCarte{});
      EXPECT_EQ(nbpoints(x->famille), 0);
      EXPECT_EQ(nbpoints(x->candidats), 0);
      EXPECT_EQ(maxsurvie, maxavant);
      for (int32_t i = 0; i < NBCASES; ++i) EXPECT_EQ(x->fortA[i], 30);
    }
  }
}

// Black's corner group is shut in by white: above level 3 the engine's
// survival map takes the saving points, the reinforcement value there
// drops to 10 (below the survival value), and a larger value already in
// place stays while the list still receives the point.
TEST(SurvieEntourage, EngineGroupShutIn) {
  const char* d = "..XO.....\n.X.O.....\nX.XO.....\nXXO......\nOO.......\n.........\n.........\n.........\n.........\n";
  for (const int32_t avant : {0, 500}) {
    SCOPED_TRACE(avant);
    fixture::Partie partie;
    partie.numerocoup = 12;
    fixture::analysemoteur(d, partie);
    TPlateau p = plateaumoteur;
    auto x = std::make_unique<Sorties>();
    const int32_t P = indexcase(2, 3);
    x->fortA[P] = 30;
    x->survieA[P] = avant;
    lance(p, *x);
    EXPECT_EQ(x->survieA[P], avant ? avant : 220);
    EXPECT_EQ(x->fortA[P], 10);
    bool liste = false;
    for (int32_t k = 1; k <= nbpoints(x->candidats); ++k)
      liste = liste || (ligneliste(x->candidats, k) == 2 && colonneliste(x->candidats, k) == 3);
    EXPECT_TRUE(liste);
    EXPECT_EQ(x->survieB, TCarte{});  // no white chain is shut in
  }
}

}  // namespace
