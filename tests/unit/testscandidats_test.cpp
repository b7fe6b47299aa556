// Candidate tests of the search and the influence-region balance: gates of
// testcoupcandidat on small diagrams (each leaving the position as it was),
// the territory reach of evaluecoupcandidat, comptezone, bilanzonesinfluence.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "engine/proposals/testscandidats.h"
#include "engine/territory/estimation.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d, int32_t niv = 7) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  niveau = niv;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  lesfaibles = marquesvides;
  marquesliaison1 = marquesvides;
  pionsmortsbis = marquesvides;
  carteanalyse = marquesvides;
  debutpartie = 0;
  moinsde20pcvides = 0;
  for (auto& ligne : essaisordi)
    for (TEssaiCoup& e : ligne) e = TEssaiCoup{};
  return p;
}

struct Appel {
  uint8_t voisin = 1;
  int32_t signe = 0;
  TPoint p{5, 6}, q{5, 5};
  int32_t bloque = 0, invasion = 0;
};

bool teste(TPlateau& p, const Appel& a) {
  bool garde = false;
  fixture::verifieinchange(p, [&] {
    garde = testcoupcandidat(p, a.voisin, a.signe, a.p.ligne, a.p.colonne, a.q.ligne, a.q.colonne, 0, a.bloque,
                             a.invasion, NOIR, BLANC);
  });
  return garde;
}

// A black stone (5,5) alone in the middle: nothing near, nothing owned.
constexpr const char* SEUL =
    ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n";

TEST(TestCoupCandidat, Gates) {
  struct Cas {
    const char* nom;
    int32_t niveau;
    Appel appel;
    bool marqueq, analyseq, attendu;
  };
  const Cas cas[] = {
      {"level 1 rejects every candidate", 1, Appel{}, false, false, false},
      {"a blocking value rejects", 7, Appel{.bloque = 1}, false, false, false},
      {"Q marked dead rejects", 7, Appel{}, true, false, false},
      {"not next to Q when asked", 7, Appel{.p = {5, 7}}, false, false, false},
      {"nothing near, nothing owned: kept", 7, Appel{}, false, false, true},
      {"without adjacency Q must be in the analysis marks", 7, Appel{.voisin = 0, .p = {2, 2}}, false, false, false},
      {"... and then it is kept", 7, Appel{.voisin = 0, .p = {2, 2}}, false, true, true},
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(SEUL, k.niveau);
    // Q's chain has 4 liberties: not "near" whatever the distance.
    if (k.marqueq) pionsmorts[indexcase(5, 5)] = 1;
    if (k.analyseq) carteanalyse[indexcase(5, 5)] = 1;
    EXPECT_EQ(teste(p, k.appel), k.attendu) << k.nom;
  }
}

TEST(TestCoupCandidat, DeadUnlinkedEnemyNeighbourRejects) {
  // White (4,6) next to P (5,6) is marked dead: rejected unless a link marks it.
  const char* d = ".........\n.........\n.........\n.....O...\n....X....\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(d);
  pionsmorts[indexcase(4, 6)] = 1;
  EXPECT_FALSE(teste(p, Appel{}));
  marquesliaison1[indexcase(4, 6)] = 1;
  EXPECT_TRUE(teste(p, Appel{}));
}

TEST(TestCoupCandidat, CapturableEnemyNeighbourRejects) {
  // White (4,6) next to P has one liberty left at (3,6): black takes it.
  const char* d = ".........\n.........\n.........\n....XOX..\n....X....\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(d);
  EXPECT_FALSE(teste(p, Appel{}));
}

TEST(TestCoupCandidat, NegativeSignAsksForTheCaptureOfP) {
  // P (5,6) holds a white stone in atari that cannot run: the reading takes
  // it even with white moving first; an empty P never.
  const char* d = ".........\n.........\n.........\n.....XX..\n....XO...\n.....XX..\n.........\n.........\n.........\n";
  TPlateau p = pose(d);
  EXPECT_TRUE(teste(p, Appel{.signe = -1}));
  TPlateau q = pose(SEUL);
  EXPECT_FALSE(teste(q, Appel{.signe = -1}));
}

TEST(TestCoupCandidat, NearWeakRootStoneTheAnswersCannotSave) {
  // Q (2,1) black in white's corner; P (3,2) within two lines. The white
  // chains are link-marked, so only the answers next to P decide: whatever
  // black plays there, the reading still takes Q, and P is rejected.
  const char* d = "O........\nX.O......\n..O......\nOO.......\n.........\n.........\n.........\n.........\n.........\n";
  const Appel a{.voisin = 1, .p = {3, 2}, .q = {2, 1}};
  auto lies = [] {
    for (const TPoint q : {TPoint{1, 1}, TPoint{2, 3}, TPoint{3, 3}, TPoint{4, 1}, TPoint{4, 2}})
      marquesliaison1[indexcase(q.ligne, q.colonne)] = 1;
  };
  TPlateau p = pose(d);
  lies();
  EXPECT_FALSE(teste(p, a));
  // A three-liberty root chain in the open, P (6,7) two lines off: kept.
  const char* o = ".........\n.........\n.........\n....OO...\n....XX...\n....O....\n.........\n.........\n.........\n";
  TPlateau q = pose(o);
  for (const TPoint w : {TPoint{4, 5}, TPoint{4, 6}, TPoint{6, 5}}) marquesliaison1[indexcase(w.ligne, w.colonne)] = 1;
  EXPECT_TRUE(teste(q, Appel{.voisin = 1, .p = {6, 7}, .q = {5, 6}}));
}

TEST(TestCoupCandidat, AnAnswerLinkedToStrongStonesThatStillReachesRejects) {
  // P (5,5) borders white's territory (columns 6-9). Black's answer at (5,4)
  // links to the strong stone (5,3) while P still reaches into white's
  // area: rejected. With (5,3) a weak stone no answer links: kept.
  const char* d = "X........\n.........\n.........\n.........\n..X......\n.........\n.........\n.........\n.........\n";
  const Appel a{.voisin = 0, .p = {5, 5}, .q = {1, 1}};
  for (const uint8_t classe : {0, 4, 2}) {
    TPlateau p = pose(d);
    carteanalyse[indexcase(1, 1)] = 1;
    for (int32_t r = 1; r <= 9; ++r)
      for (int32_t c = 6; c <= 9; ++c) territoire[indexcase(r, c)] = BLANC;
    lesfaibles[indexcase(5, 3)] = classe;
    EXPECT_EQ(teste(p, a), classe == 2) << int(classe);
  }
}

TEST(EvalueCoupCandidat, ReachIntoTheColoursTerritory) {
  // White owns the right part of the board (columns 6-9); a white wall at column 5, rows 1-4.
  const char* d = "....O....\n....O....\n....O....\n....O....\n.........\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(d);
  for (int32_t r = 1; r <= 9; ++r)
    for (int32_t c = 6; c <= 9; ++c) territoire[indexcase(r, c)] = BLANC;
  uint8_t c = BLANC;
  const TMarques territoireavant = territoire;
  // A point far from white's territory reaches nothing.
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 8, 1), 0);
  // From (9,5) the spread runs ahead of the wall's barrier: a positive count,
  // one more when the point itself is white's.
  const int32_t loin = evaluecoupcandidat(marquesvides, c, p, 9, 5);
  EXPECT_GT(loin, 0);
  territoire[indexcase(9, 5)] = BLANC;
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 9, 5), loin + 1);
  territoire[indexcase(9, 5)] = VIDE;
  // Points that border the wall before the spread reaches them are never
  // counted: with the wall masked dead the reach grows.
  TMarques morts = marquesvides;
  for (int32_t r = 1; r <= 4; ++r) morts[indexcase(r, 5)] = 1;
  EXPECT_GT(evaluecoupcandidat(morts, c, p, 9, 5), loin);
  EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
  EXPECT_EQ(c, BLANC);
}

TEST(EvalueCoupCandidat, FirstRingNextToAStoneWaitsAPass) {
  // P (5,5); white stones (5,7) and (7,7); white owns (5,6), (6,6), (7,6).
  // (5,6) borders a stone in the first ring and waits a pass, so the barrier
  // from (7,7) takes (7,6) before the spread: 2 points, not 3.
  const char* d = ".........\n.........\n.........\n.........\n......O..\n.........\n......O..\n.........\n.........\n";
  TPlateau p = pose(d);
  for (const TPoint q : {TPoint{5, 6}, TPoint{6, 6}, TPoint{7, 6}}) territoire[indexcase(q.ligne, q.colonne)] = BLANC;
  uint8_t c = BLANC;
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 5, 5), 2);
  // Without the stone at (5,7) the spread runs ahead: all three.
  p[indexcase(5, 7)] = VIDE;
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 5, 5), 3);
}

TEST(EvalueCoupCandidat, LateGameReadsCartevidesInstead) {
  TPlateau p = pose(SEUL);
  cartevides.fill(VIDE);
  cartevides[indexcase(8, 2)] = BLANC;
  territoire[indexcase(8, 1)] = BLANC;
  uint8_t c = BLANC;
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 8, 1), 0);
  moinsde20pcvides = 1;
  const TMarques avant = territoire;
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 8, 1), 1);
  EXPECT_TRUE(fixture::memesplateaux(avant, territoire));
  debutpartie = 1;  // the opening keeps territoire
  EXPECT_EQ(evaluecoupcandidat(marquesvides, c, p, 8, 1), 0);
}

TEST(CompteZone, LiftsOnlyTheMaskedStonesOfTheColour) {
  const fixture::Position pos = fixture::diagramme("XO.\nOX.\n..X\n");
  TPlateau p = pos.plateau;
  TMarques m{};
  m[indexcase(1, 1)] = 1;
  m[indexcase(1, 2)] = 1;  // white: stays
  m[indexcase(3, 3)] = 1;
  m[indexcase(3, 1)] = 1;  // empty: stays empty
  EXPECT_EQ(comptezone(p, m, NOIR), 2);
  EXPECT_EQ(fixture::texteplateau(p, 3), ".O.\nOX.\n...\n");
}

TEST(BilanZonesInfluence, RegionsAndAreas) {
  constexpr const char* DEUX =
      ".........\n.........\n.........\n.........\n....XX...\n.........\n.........\n.........\n.........\n";
  struct Cas {
    const char* nom;
    const char* diagramme;
    int32_t noir, blanc;
  };
  const Cas cas[] = {
      {"empty board", ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"
                      ".........\n", 0, 0},
      // One region, one stone: no area; -5 x 2 for black, +5 for white.
      {"lone black stone", SEUL, -10, 5},
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(k.diagramme);
    EXPECT_EQ(bilanzonesinfluence(p, NOIR), k.noir) << k.nom;
    EXPECT_EQ(bilanzonesinfluence(p, BLANC), k.blanc) << k.nom;
  }
  // Two stones: the region's empty points count; the colours mirror.
  TPlateau p = pose(DEUX);
  const int32_t noir = bilanzonesinfluence(p, NOIR);
  EXPECT_GT(noir, -10);
  EXPECT_EQ(bilanzonesinfluence(p, BLANC), -noir - 5);
  for (uint8_t& v : p)
    if (v != VIDE) v = BLANC;
  EXPECT_EQ(bilanzonesinfluence(p, BLANC), noir);
}

}  // namespace
