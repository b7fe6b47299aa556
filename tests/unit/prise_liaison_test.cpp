// The link test testelienpossible with the real capture reading behind its
// seam: a two-liberty neighbour chain counts only when the reading finds it lost.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"

namespace {

// The self-atari test reads flagscan: the link tests run with it at 0 and
// leave it as the reset sets it.
class PriseLiaison : public ::testing::Test {
 protected:
  void TearDown() override { flagscan = 1; }
};

TPlateau pose(std::string_view d) {
  EXPECT_TRUE(chargecles());
  auto pos = fixture::diagramme(d);
  configmoteur.taille = pos.taille;
  construittables(pos.taille);
  calculelibertes(pos.plateau);
  pionsmorts.fill(0);
  flagscan = 0;
  niveau = 7;
  lecturelongue = 1;
  cacheactif = 0;
  compteurcache = 0;
  pointko = TPoint{};
  paramniveaub = 3;
  profondeurlecture = 12;
  return pos.plateau;
}

// S at (5,5) and the marked stones at row 3 with the white stone (4,5)
// between them, its two liberties at (4,4) and (4,6).
TEST_F(PriseLiaison, TwoLibertyNeighbourReadByTheCaptureReading) {
  struct Cas {
    const char* nom;
    const char* d;
    bool attendu;
  } cas[] = {
      // Black at (3,6) and (5,6) close (4,6): after (4,4) the stone is lost.
      {"neighbour caught in a net", ".........\n.........\n....XX...\n....O....\n....XXX..\n.........\n.........\n"
                                    ".........\n.........\n",
       true},
      // Open on both sides: the stone runs out whichever liberty is taken.
      {"neighbour escapes", ".........\n.........\n....X....\n....O....\n....X.X..\n.........\n.........\n"
                            ".........\n.........\n",
       false},
      // The same net with white friends beyond (4,6): extending there joins them.
      {"neighbour saved by its friends", ".........\n.........\n....XX...\n....O.OO.\n....XXX..\n.........\n"
                                         ".........\n.........\n.........\n",
       false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d);
    TMarques m = marquesvides;
    for (int32_t c = 1; c <= 9; ++c)
      if (p[indexcase(3, c)] == NOIR) m[indexcase(3, c)] = 1;
    const TPlateau plateau = p;
    const TInfoChaine chaines = infochaine;
    const TMarques morts = pionsmorts;
    EXPECT_EQ(testelienpossible(p, m, marquesvides, 5, 5), k.attendu);
    EXPECT_TRUE(fixture::memesplateaux(plateau, p));
    EXPECT_EQ(infochaine, chaines);
    EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
    // The answer is the capture reading's own.
    EXPECT_EQ(testprise(p, 4, 5, profondeurlecture, paramniveaub, BLANC, pointko), k.attendu);
  }
}

}  // namespace
