// Life-and-death reading: the suite of tests/data/vieetmort.txt with the board,
// chain table and dead marks checked as they were, the level budget and
// depth, and the weak-chain status pass.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/vieetmort.h"
#include "tests/support/fixture.h"
#include "tests/unit/vieetmort_suite.h"

namespace {

TEST(VieEtMortSuite, ReadsAndGivesBack) {
  ASSERT_TRUE(chargecles());
  const auto cas = suitevie::lit();
  ASSERT_GE(cas.size(), 10u) << "suite not found at " << suitevie::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p;
    TCarte valeurs;
    suitevie::prepare(c, p, valeurs);
    const TCarte valeursavant = valeurs;
    const int32_t n0 = compteurnoeudsprise;
    int32_t r = 99;
    fixture::verifieinchange(p, [&] { r = testvieetmort(valeurs, p, c.ligne, c.colonne, c.dernier(), c.ko, c.point); });
    EXPECT_EQ(r, c.attendu);
    if (c.statique) {
      EXPECT_EQ(compteurnoeudsprise, n0);
    } else {
      EXPECT_GT(compteurnoeudsprise, n0);
    }
    EXPECT_EQ(valeurs, valeursavant);
  }
}

TEST(VieEtMort, BudgetAndDepthByLevel) {
  struct Cas { int32_t niveau, budget, proprio, adversaire; };
  for (const Cas c : {Cas{1, 4, 3, 4}, Cas{2, 4, 3, 4}, Cas{3, 12, 11, 12}, Cas{4, 12, 11, 12}, Cas{5, 14, 13, 14},
                      Cas{6, 14, 13, 14}, Cas{7, 16, 15, 16}, Cas{10, 16, 15, 16}}) {
    EXPECT_EQ(budgetvieetmort(c.niveau), c.budget) << c.niveau;
    EXPECT_EQ(profondeurvieetmort(c.budget, true), c.proprio) << c.niveau;
    EXPECT_EQ(profondeurvieetmort(c.budget, false), c.adversaire) << c.niveau;
  }
}

}  // namespace
