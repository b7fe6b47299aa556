// Seeded stress of the marking passes (the enclosed-chain one too) and the
// life-and-death reading on random positions: every call gives back the
// board and the chain table (and, for the reading, the dead marks), answers
// in range, never reads outside its lists.
#include <gtest/gtest.h>

#include <random>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/reading/marquage.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/vieetmort.h"
#include "engine/territory/marquagedeb.h"
#include "tests/support/fixture.h"

namespace {

// A random position of `coups` legal moves on a board of size n.
TPlateau positionaleatoire(std::mt19937& g, int32_t n, int32_t coups) {
  configmoteur.taille = n;
  construittables(n);
  TPlateau p = plateauvide();
  calculelibertes(p);
  TListePoints prises;
  std::uniform_int_distribution<int32_t> d(1, n);
  uint8_t couleur = NOIR;
  for (int32_t k = 0; k < coups; ++k) {
    jouecoup(prises, CAPACITELISTE, p, d(g), d(g), couleur, static_cast<uint8_t>(1 - couleur));
    couleur = static_cast<uint8_t>(1 - couleur);
  }
  return p;
}

TEST(MarquageStress, RandomPositionsGiveEverythingBack) {
  ASSERT_TRUE(chargecles());
  std::mt19937 g(20261209);
  static TCarte valeurs;
  const int32_t n0 = compteurnoeudsprise;
  for (int32_t essai = 0; essai < 40; ++essai) {
    const int32_t n = essai % 2 == 0 ? 9 : 13;
    TPlateau p = positionaleatoire(g, n, 20 + essai * 2);
    niveau = 1 + essai % 10;
    lecturelongue = niveau >= 5;
    cacheactif = 0;
    compteurcache = 0;
    pointko = TPoint{};
    couleurordi = static_cast<uint8_t>(essai % 2);
    couleurjoueur = static_cast<uint8_t>(1 - couleurordi);
    plateaudepart = p;
    marquesglobales = marquesvides;
    pionsmortssauves = marquesvides;
    pionsmorts = marquesvides;
    tableessaiscourante = essai % 3 == 0 ? -1 : 0;
    // Some chains weak, some dead.
    std::uniform_int_distribution<int32_t> de(0, 3);
    for (int32_t k = 0; k < NBCASES; ++k) valeurs[k] = 0;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] == VIDE || infochaine[i][1] == 0) continue;
        const int32_t tirage = de(g);
        TMarques m = marquesvides;
        marquepionschaine(p, m, 0, r, c);
        for (int32_t j = 0; j < NBCASES; ++j) {
          if (!m[j]) continue;
          if (tirage == 0) valeurs[j] = -1;
          if (tirage == 1) pionsmorts[j] = 1;
        }
      }
    valeurssurvie = valeurs;
    pionsmortsbis = pionsmorts;
    const TPlateau plateau = p;
    const TInfoChaine chaines = infochaine;
    SCOPED_TRACE(essai);
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] == VIDE || valeurs[i] >= 0 || infochaine[i][1] == 0) continue;
        const TMarques morts = pionsmorts;
        const int32_t res = testvieetmort(valeurs, p, r, c, static_cast<uint8_t>(essai % 2), pointko, TPoint{});
        EXPECT_TRUE(res >= -1 && res <= 2) << res;
        ASSERT_TRUE(fixture::memesplateaux(plateau, p));
        ASSERT_EQ(infochaine, chaines);
        ASSERT_TRUE(fixture::memesmarques(morts, pionsmorts));
      }
    int32_t change = 0;
    statutviechainesfaibles(p, valeurs, valeurssurvie, couleurordi, change, TPoint{}, pionsmortsbis);
    ASSERT_TRUE(fixture::memesplateaux(plateau, p));
    ASSERT_EQ(infochaine, chaines);
    // The marking passes around a few chains.
    for (int32_t r = 1; r <= n; r += 3)
      for (int32_t c = 1; c <= n; c += 2) {
        const int32_t i = indexcase(r, c);
        if (p[i] == VIDE) continue;
        const TMarques globales = marquesglobales;
        int32_t statut = (r + c) % 2 == 0 ? STATUTINVERSE : 0;
        marquechainesmortes(chaines, p, statut, 6, 5, {r, c}, {n - r + 1, n - c + 1}, {}, 4, (r + c) % 3,
                            (r * c) % 7 - 2);
        EXPECT_TRUE(statut == 0 || statut == 1);
        int32_t drapeaux = 0;
        chainesennemiesprenables(p, marquesliaison1, drapeaux, 5, r, c, 4, r % 2);
        TMarques sortie;
        testprisechainesvoisines(marquesvides, sortie, p, NOIR, BLANC, 5, {r, c}, {n - r + 1, c}, 4);
        revisechainesmortes(marquesliaison2, p, 0, 5, r, c, 4);
        ASSERT_TRUE(fixture::memesplateaux(plateau, p));
        ASSERT_EQ(infochaine, chaines);
        ASSERT_TRUE(fixture::memesmarques(globales, marquesglobales));
      }
    marquechainesprenables(p, 5, 4, couleurordi);
    ASSERT_TRUE(fixture::memesplateaux(plateau, p));
    ASSERT_EQ(infochaine, chaines);
    testdebtouteschaines(p, marquesliaison2, static_cast<uint8_t>(essai % 3));
    ASSERT_TRUE(fixture::memesplateaux(plateau, p));
    ASSERT_EQ(infochaine, chaines);
  }
  EXPECT_GT(compteurnoeudsprise, n0);  // the life-and-death reading did read
}

}  // namespace
