// Forced moves against weak chains: the chain's search on small diagrams
// (one liberty, nothing weak around, a double atari, linked stones, trial
// marks, weak neighbours of the mover) and the two-sided pass.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/coupforce.h"
#include "tests/support/fixture.h"

namespace {

// Black at (5,5) puts both white stones at (4,5) and (6,5) in atari.
constexpr const char* DOUBLEATARI =
    ".........\n.........\n....X....\n...XO....\n....X....\n...XO....\n....X....\n.........\n.........\n";

TPlateau pose(std::string_view d) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  tablegroupes = infochaine;
  niveau = 7;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  listefaibles = marquesvides;
  listesurvie = marquesvides;
  lesfaibles = marquesvides;
  marquessurvie = marquesvides;
  marquesliaison1 = marquesvides;
  marquesliaison2 = marquesvides;
  pionsmortssauves = marquesvides;
  casescandidates = marquesvides;
  casescandidatesjoueur = marquesvides;
  essaisordi[4][4] = TEssaiCoup{};
  return p;
}

int32_t force(TPlateau& p, const TMarques& w, int32_t r, int32_t c) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = cherchecoupforce(p, w, r, c, 4, marquesvides, 1); });
  return v;
}

TEST(CoupForce, ChainSearchOnDiagrams) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    int32_t ligne, colonne, attendu;
  };
  const Cas cas[] = {
      // The mover's chain has one liberty.
      {"one liberty", "XO.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       1, 1, 0},
      // No weak enemy chain and no push point: no reading.
      {"nothing weak", ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n",
       5, 5, 0},
      // Two lone stones in atari, neither owned: 5 a stone, the smaller chain value.
      {"double atari", DOUBLEATARI, 5, 5, 5},
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(k.diagramme);
    EXPECT_EQ(force(p, marquesvides, k.ligne, k.colonne), k.attendu) << k.nom;
  }
}

TEST(CoupForce, LinkedStonesAreNeverTargets) {
  // With (4,5) linked, one threatened chain is left: no forced move.
  TPlateau p = pose(DOUBLEATARI);
  TMarques w = marquesvides;
  w[indexcase(4, 5)] = 1;
  EXPECT_EQ(force(p, w, 5, 5), 0);
}

TEST(CoupForce, TrialMarksScoreOneAStone) {
  TPlateau p = pose(DOUBLEATARI);
  essaisordi[4][4].carte2essai[indexcase(4, 5)] = 1;
  essaisordi[4][4].carte2essai[indexcase(6, 5)] = 1;
  EXPECT_EQ(force(p, marquesvides, 5, 5), 1);
}

TEST(CoupForce, WeakNeighboursOfTheMoverInEnemyTerritory) {
  // Each target touches a weak black stone (20) and stands in white's
  // territory (20 a stone); the strong-trial point is cleared from the weak list.
  TPlateau p = pose(DOUBLEATARI);
  lesfaibles[indexcase(3, 5)] = 1;
  lesfaibles[indexcase(7, 5)] = 1;
  territoire[indexcase(4, 5)] = BLANC;
  territoire[indexcase(6, 5)] = BLANC;
  essaisordi[4][4].flagessai2 = 1;
  essaisordi[4][4].carte3essai[indexcase(5, 5)] = 1;
  EXPECT_EQ(force(p, marquesvides, 5, 5), 40);
  EXPECT_EQ(listefaibles[indexcase(5, 5)], 0);
}

TEST(CoupForce, RepeatedCallGivesTheSameOutputs) {
  // A repeated call may be answered without reading: the same value, the
  // same node counts, the point cleared again from the weak list.
  TPlateau p = pose(DOUBLEATARI);
  const auto lance = [&] {
    listefaibles[indexcase(5, 5)] = 1;
    const int32_t avant = compteurnoeuds;
    const int32_t v = force(p, marquesvides, 5, 5);
    EXPECT_EQ(listefaibles[indexcase(5, 5)], 0);
    return std::pair{v, compteurnoeuds - avant};
  };
  const auto premier = lance();
  EXPECT_EQ(premier.first, 5);
  EXPECT_GT(premier.second, 0);
  EXPECT_EQ(lance(), premier);
}

TEST(CoupForce, PassOverTheTrialRecords) {
  TPlateau p = pose(DOUBLEATARI);
  lesfaibles[indexcase(3, 5)] = 1;
  lesfaibles[indexcase(7, 5)] = 1;
  territoire[indexcase(4, 5)] = BLANC;
  territoire[indexcase(6, 5)] = BLANC;
  TEssaiCoup& e = essaisordi[4][4];
  e.plateauessai = p;
  e.infochaineessai = infochaine;
  e.plateauessai2 = marquesvides;
  casescandidates[indexcase(5, 5)] = 1;
  // The working board is the position before the trial stone.
  p[indexcase(5, 5)] = VIDE;
  calculelibertes(p);
  maxcoupforce = 0;
  TListePoints l{};
  TCarte ordi{}, joueur{};
  ordi.fill(7);
  joueur.fill(7);
  fixture::verifieinchange(p, [&] { coupforcefortifouinvasion(l, 361, p, ordi, joueur); });
  EXPECT_EQ(ordi[indexcase(5, 5)], 40);
  EXPECT_EQ(maxcoupforce, 2);
  ASSERT_EQ(nbpoints(l), 1);
  EXPECT_EQ(ligneliste(l, 1), 5);
  EXPECT_EQ(colonneliste(l, 1), 5);
  for (int32_t i = 0; i < NBCASES; ++i) EXPECT_EQ(joueur[i], 0);
}

}  // namespace

TEST(CoupForce, DistanceFloodCountsEveryPathButNotItsStart) {
  // Empty around (5,5): a neighbour is reached by 1 path of one step and 9 of
  // three, a diagonal point by 2 of two; paths back to the start add nothing.
  TPlateau p = pose(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n........X\n");
  TMarques z = marquesvides;
  inondevidesdistance(p, z, 3, 5, 5, 1);
  EXPECT_EQ(z[indexcase(5, 5)], 0);
  EXPECT_EQ(z[indexcase(4, 5)], 10);
  EXPECT_EQ(z[indexcase(4, 4)], 2);
}
