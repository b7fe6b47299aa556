// The life-and-death suite of the two-eye reading: every case of
// tests/data/yeux/vie.txt, with the board, the chain table, the dead marks
// and the reading switches checked as they were after the call.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/deuxyeux.h"
#include "tests/support/fixture.h"
#include "tests/unit/yeux_suite.h"

namespace {

TEST(DeuxYeuxVie, SuiteReadsAndPasses) {
  ASSERT_TRUE(chargecles());
  const auto cas = suiteyeux::lit();
  ASSERT_GE(cas.size(), 15u) << "suite not found at " << suiteyeux::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p;
    const int32_t mode = suiteyeux::prepare(c, p);
    const TPlateau plateauavant = p;
    const TInfoChaine chainesavant = infochaine;
    const TMarques mortsavant = pionsmorts;
    const uint8_t profondeavant = lectureprofonde, longueavant = lecturelongue;
    const int32_t n0 = compteurnoeuds;
    const bool vit = testdeuxyeuxpossible(p, c.ligne, c.colonne, mode);
    const int32_t noeuds = compteurnoeuds - n0;
    EXPECT_EQ(vit, c.vit) << fixture::texteplateau(p, c.taille);
    if (c.statique) {
      EXPECT_EQ(noeuds, 0);
    } else {
      EXPECT_GT(noeuds, 0);
    }
    if (c.depasse) {
      EXPECT_GT(noeuds, BUDGETYEUX);
      EXPECT_EQ(profondeavant, 1);  // so that putting it back is seen
    }
    EXPECT_EQ(flagscan, 1);
    EXPECT_TRUE(fixture::memesplateaux(plateauavant, p));
    EXPECT_EQ(infochaine, chainesavant);
    EXPECT_TRUE(fixture::memesmarques(mortsavant, pionsmorts));
    EXPECT_EQ(lectureprofonde, profondeavant);
    EXPECT_EQ(lecturelongue, longueavant);
    if (c.yeux >= 0) {
      EXPECT_EQ(testvieapresjeu(p, c.ligne, c.colonne), c.yeux == 1);
      EXPECT_TRUE(fixture::memesplateaux(plateauavant, p));
      EXPECT_EQ(infochaine, chainesavant);
    }
  }
}

}  // namespace
