// The tactical suite of the capture reading: every case of
// tests/data/prise/tactique.txt, with the board, the chain table and the
// globals checked identical after the call.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"
#include "tests/unit/prise_suite.h"

namespace {

// Engine state for one case: board size, level switches, chain table.
void prepare(const suiteprise::Cas& c, TPlateau& p) {
  ASSERT_TRUE(chargecles());
  configmoteur.taille = c.taille;
  construittables(c.taille);
  niveau = c.niveau;
  lecturelongue = c.niveau >= 5 ? 1 : 0;
  cacheactif = 0;
  compteurcache = 0;
  depassementprise = 0;
  pionsmorts = marquesvides;
  p = c.plateau;
  calculelibertes(p);
}

TEST(PriseTactique, SuiteReadsAndPasses) {
  const auto cas = suiteprise::lit();
  ASSERT_GE(cas.size(), 10u) << "suite not found at " << suiteprise::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p;
    prepare(c, p);
    ASSERT_NE(p[indexcase(c.ligne, c.colonne)], VIDE);
    const TPlateau plateauavant = p;
    const TInfoChaine chainesavant = infochaine;
    const TMarques mortsavant = pionsmorts;
    const uint8_t longueavant = lecturelongue;
    const bool prise = testprise(p, c.ligne, c.colonne, c.profondeur, c.limite,
                                 static_cast<uint8_t>(1 - c.premier), c.ko);
    EXPECT_EQ(prise, c.prise) << fixture::texteplateau(p, c.taille);
    EXPECT_TRUE(fixture::memesplateaux(plateauavant, p));
    EXPECT_EQ(infochaine, chainesavant);
    EXPECT_TRUE(fixture::memesmarques(mortsavant, pionsmorts));
    EXPECT_EQ(lecturelongue, longueavant);
    EXPECT_TRUE(infochainecoherente(p));
  }
}

// Every case again with the other side to move first, and at level 2 and 9:
// whatever the answer, the caller's state comes back whole.
TEST(PriseTactique, StateRestoredWhateverTheSettings) {
  for (const auto& c0 : suiteprise::lit()) {
    for (const int niv : {2, 9}) {
      for (const uint8_t premier : {NOIR, BLANC}) {
        auto c = c0;
        c.niveau = niv;
        c.premier = premier;
        SCOPED_TRACE(c.nom + " level " + std::to_string(niv) + " first " + std::to_string(premier));
        TPlateau p;
        prepare(c, p);
        cacheactif = 1;
        const TPlateau plateauavant = p;
        const TInfoChaine chainesavant = infochaine;
        const uint8_t longueavant = lecturelongue;
        testprise(p, c.ligne, c.colonne, c.profondeur, c.limite, static_cast<uint8_t>(1 - c.premier), c.ko);
        EXPECT_TRUE(fixture::memesplateaux(plateauavant, p));
        EXPECT_EQ(infochaine, chainesavant);
        EXPECT_EQ(lecturelongue, longueavant);
        cacheactif = 0;
      }
    }
  }
}

}  // namespace
