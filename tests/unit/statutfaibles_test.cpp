// Weak-chain status pass: dead marks and values written back chain by chain,
// the chains too large to read, the chains asked about a point outside their
// region, one living colour, and the groups where both colours live.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/parcours.h"
#include "engine/reading/vieetmort.h"
#include "tests/support/fixture.h"

namespace {

struct Passe {
  TPlateau p;
  TCarte valeurs{};
  TMarques sauves = marquesvides;
  int32_t change = 0;

  // The diagram; the chains through the listed points get `v` in `valeurs`.
  Passe(std::string_view d, std::initializer_list<TPoint> faibles, int32_t v = -1) {
    EXPECT_TRUE(chargecles());
    p = fixture::posemoteur(d);
    niveau = 7;
    pointko = TPoint{};
    tableessaiscourante = 0;
    valeurssurvie.fill(0);
    pionsmortsbis = marquesvides;
    for (const TPoint& q : faibles) marque(q, v);
  }
  void marque(TPoint q, int32_t v) {
    TMarques m = marquesvides;
    marquepionschaine(p, m, 0, q.ligne, q.colonne);
    for (int32_t k = 0; k < NBCASES; ++k)
      if (m[k]) valeurs[k] = v;
  }
  void lance(uint8_t couleur, TPoint point = {}) {
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    statutviechainesfaibles(p, valeurs, valeurs, couleur, change, point, sauves);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
  }
  int32_t v(int32_t r, int32_t c) const { return valeurs[indexcase(r, c)]; }
};

bool mort(int32_t r, int32_t c) { return pionsmorts[indexcase(r, c)] != 0; }

// A white group with three points in a row in the corner, walled in.
constexpr const char* kTroisEnLigne =
    "...OX....\n"
    "OOOOX....\n"
    "XXXXX....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "....O....\n";

TEST(StatutFaibles, NoWeakStoneChangesOnlyTheSavedMarks) {
  Passe t(kTroisEnLigne, {});
  pionsmorts[indexcase(1, 5)] = 1;
  t.sauves[indexcase(3, 3)] = 1;
  sauvepionsmorts = 0;
  const TMarques morts = pionsmorts;
  t.lance(NOIR);
  EXPECT_EQ(t.change, 0);
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
  EXPECT_TRUE(fixture::memesmarques(t.sauves, pionsmortsavant));
  EXPECT_EQ(sauvepionsmorts, 1);
  EXPECT_EQ(t.valeurs, TCarte{});
}

TEST(StatutFaibles, KilledChainIsMarkedAndKeepsItsValues) {
  // White has just moved: Black moves first and kills the straight three.
  Passe t(kTroisEnLigne, {{2, 1}});
  t.lance(BLANC);
  EXPECT_EQ(t.change, 1);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(mort(1, 4));
  EXPECT_FALSE(mort(9, 5));
  EXPECT_EQ(t.v(2, 1), -1);  // no chain lives: the values stay
  // Read again: already marked, nothing changes.
  t.change = 0;
  t.lance(BLANC);
  EXPECT_EQ(t.change, 0);
}

TEST(StatutFaibles, OneLivingColourTurnsEveryWeakStoneToOne) {
  // The owner first lives; the lone stone below is too large to read but,
  // weak and not dead, gets the value 1 as well.
  Passe t(kTroisEnLigne, {{2, 1}, {9, 5}});
  pionsmorts[indexcase(2, 1)] = 1;
  pionsmorts[indexcase(1, 4)] = 1;
  t.lance(NOIR);
  EXPECT_EQ(t.change, 1);
  EXPECT_FALSE(mort(2, 1));
  EXPECT_FALSE(mort(1, 4));
  EXPECT_EQ(t.v(2, 1), VALEURVIVANTE);
  EXPECT_EQ(t.v(1, 4), VALEURVIVANTE);
  EXPECT_EQ(t.v(9, 5), VALEURVIVANTE);
}

TEST(StatutFaibles, TooLargeWithoutTrialTableLosesWeakestMarks) {
  Passe t(kTroisEnLigne, {{9, 5}});
  tableessaiscourante = -1;
  pionsmorts[indexcase(9, 5)] = 1;
  t.lance(BLANC);
  EXPECT_FALSE(mort(9, 5));
  EXPECT_EQ(t.v(9, 5), -1);
  // Another value than -1 keeps its mark.
  Passe u(kTroisEnLigne, {{9, 5}}, -2);
  tableessaiscourante = -1;
  pionsmorts[indexcase(9, 5)] = 1;
  u.lance(BLANC);
  EXPECT_TRUE(mort(9, 5));
  // With a trial table current the chain is only settled.
  Passe w(kTroisEnLigne, {{9, 5}});
  tableessaiscourante = 2;
  pionsmorts[indexcase(9, 5)] = 1;
  w.lance(BLANC);
  EXPECT_TRUE(mort(9, 5));
}

TEST(StatutFaibles, PointOutsideTakesBackSurvivalValuesAndSecondMarks) {
  Passe t(kTroisEnLigne, {{2, 1}});
  for (const TPoint q : {TPoint{2, 1}, TPoint{2, 2}, TPoint{2, 3}, TPoint{2, 4}, TPoint{1, 4}}) {
    valeurssurvie[indexcase(q.ligne, q.colonne)] = -3;
    pionsmortsbis[indexcase(q.ligne, q.colonne)] = 1;
  }
  t.lance(BLANC, TPoint{6, 6});
  EXPECT_EQ(t.v(2, 1), -3);
  EXPECT_EQ(t.v(1, 4), -3);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(mort(1, 4));
  EXPECT_EQ(t.change, 0);
}

TEST(StatutFaibles, PointOnlyForChainsMatchingTheReference) {
  // The chain's value differs from the reference: it is asked about pointko
  // (none), read, and killed.
  Passe t(kTroisEnLigne, {{2, 1}});
  TCarte reference{};
  statutviechainesfaibles(t.p, t.valeurs, reference, BLANC, t.change, TPoint{6, 6}, t.sauves);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_EQ(t.change, 1);
}

// Weak chains of both colours, each with two eyes, sharing two empty points,
// walled in by strong stones.
constexpr const char* kDeuxCouleurs =
    ".O.O.X.X.\n"
    "OOOO.XXXX\n"
    "XXXXXOOOO\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(StatutFaibles, BothColoursLivingTogetherAreMixed) {
  Passe t(kDeuxCouleurs, {{2, 1}, {2, 6}});
  t.lance(NOIR);
  EXPECT_EQ(t.change, 1);
  EXPECT_EQ(t.v(2, 1), VALEURMIXTE);
  EXPECT_EQ(t.v(1, 2), VALEURMIXTE);
  EXPECT_EQ(t.v(2, 9), VALEURMIXTE);
  EXPECT_EQ(t.v(1, 6), VALEURMIXTE);
  EXPECT_EQ(t.v(1, 5), 0);  // empty points keep their values
  EXPECT_EQ(t.v(3, 1), 0);
}

// The same on 11 lines with three shared columns; a white stone marked dead
// among them.
constexpr const char* kAtariMort =
    ".O.O..OX.X.\n"
    "OOOO..XXXXX\n"
    "XXXXXXOOOOO\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n";
constexpr const char* kDeuxPierresMortes =
    ".O.O...X.X.\n"
    "OOOO..OXXXX\n"
    "XXXXXXXOOOO\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n"
    "...........\n";

TEST(StatutFaibles, OnlyLoneStonesInAtariMayBorderAMixedGroup) {
  // A dead lone stone in atari beside the group: still mixed.
  Passe t(kAtariMort, {{2, 1}, {2, 7}});
  pionsmorts[indexcase(1, 7)] = 1;
  t.lance(NOIR);
  EXPECT_EQ(t.v(2, 1), VALEURMIXTE);
  EXPECT_EQ(t.v(2, 11), VALEURMIXTE);
  // A dead stone with two liberties beside it: the group is not mixed.
  Passe u(kDeuxPierresMortes, {{2, 1}, {2, 8}});
  pionsmorts[indexcase(2, 7)] = 1;
  u.lance(NOIR);
  EXPECT_EQ(u.v(2, 1), VALEURVIVANTE);
  EXPECT_EQ(u.v(2, 11), VALEURVIVANTE);
}

}  // namespace
