// Static two-eye tests on diagram fixtures: enemy stones taken off for the
// test and put back, threatened eye candidates, the pairing of a half eye
// with the true eye, the codes for the reading, and the walks they use.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/yeuxstatiques.h"
#include "tests/support/fixture.h"

namespace {

struct CasStatique {
  const char* note;
  const char* diagramme;
  int r, c;           // a stone of the chain
  bool court, long_;  // testvieapresjeu, genecoupsyeux (no last move, survival flag clear)
};

const CasStatique kStatiques[] = {
    {"two true eyes on the edge", ".X.X.O...\nXXXXXO...\nOOOOOO...\n.........\n.........\n.........\n.........\n"
                                  ".........\n.........\n",
     2, 1, true, true},
    {"chain in atari", ".........\n...O.....\n..OXO....\n.........\n.........\n.........\n.........\n"
                       ".........\n.........\n",
     3, 4, false, false},
    // The white stone at (1,4) is in atari without escape: the long test
    // fills its liberty, takes it and finds the second eye there.
    {"enemy stone taken for the test", ".XXO.XO..\nXXXXXXO..\nOOOOOOO..\n.........\n.........\n.........\n"
                                       ".........\n.........\n.........\n",
     2, 1, false, true},
    // (1,3) borders the stone (1,4), whose chain has two liberties: white at
    // (1,5) puts it in atari, so (1,3) is no eye.
    {"candidate next to a chain of two liberties", ".X.X.....\nXXXO.....\nOOOO.....\n.........\n.........\n"
                                                   ".........\n.........\n.........\n.........\n",
     2, 1, false, false},
    // Half eye (3,3): filling (2,4) and (4,2) leaves it a liberty of the
    // chain that holds the true eye (1,1), but not of the chain (3,4)-(4,4).
    {"half eye paired with the true eye", ".XXOO....\nXXX.O....\nXX.XO....\nX.XXO....\nOOOOO....\n.........\n"
                                          ".........\n.........\n.........\n",
     2, 2, true, true},
    {"half eye split from the true eye", ".XXOO....\nXXX.O....\nXX.XO....\nX.XXO....\nOOOOO....\n.........\n"
                                         ".........\n.........\n.........\n",
     4, 4, false, false},
};

TEST(YeuxStatiques, ShortAndLongTests) {
  for (const CasStatique& k : kStatiques) {
    SCOPED_TRACE(k.note);
    TPlateau p = fixture::posemoteur(k.diagramme);
    flagsurvie = 0;
    TMarques carte;
    carte.fill(1);
    fixture::verifieinchange(p, [&] { EXPECT_EQ(testvieapresjeu(p, k.r, k.c), k.court); });
    fixture::verifieinchange(p, [&] {
      int32_t score = -1, code = -1;
      EXPECT_EQ(genecoupsyeux(p, k.r, k.c, TPoint{}, score, code, carte), k.long_);
      EXPECT_EQ(code, 0);
    });
    EXPECT_TRUE(infochainecoherente(p));
  }
}

// After the owner's move the codes tell the reading how the move stands.
TEST(YeuxStatiques, CodesOfTheLastMove) {
  // Bent three: the corner point joins the group diagonally and makes both eyes.
  TPlateau p = fixture::posemoteur(
      "X.XO.....\n.XXO.....\nXXOO.....\nOOO......\n.........\n.........\n.........\n.........\n.........\n");
  flagsurvie = 0;
  TMarques carte;
  carte.fill(1);
  int32_t score = 0, code = 0;
  EXPECT_TRUE(genecoupsyeux(p, 2, 2, TPoint{1, 1}, score, code, carte));
  EXPECT_EQ(code, 4);
  // A stone played away from the group inside the eye space, splitting
  // nothing: code 2 and no life.
  p = fixture::posemoteur(
      "....XO...\n.X..XO...\n....XO...\nXXXXXO...\nOOOOOO...\n.........\n.........\n.........\n.........\n");
  EXPECT_FALSE(genecoupsyeux(p, 4, 1, TPoint{2, 2}, score, code, carte));
  EXPECT_EQ(code, 2);
}

// Eye-space mode: the corner behind the wall, the white stone in it lost,
// has too few eye-like liberties to live on them alone; the empty points
// next to them make up the space. Off the defender's map, those points
// count for nothing.
TEST(YeuxStatiques, EyeSpaceCountsThePointsBehindTheLiberties) {
  struct Cas {
    const char* note;
    bool interieurs;  // the points behind the liberties are on the map
    bool vie;
  };
  const Cas cas[] = {{"points behind the liberties on the map", true, true},
                     {"points behind the liberties off the map", false, false}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = fixture::posemoteur(
        "O....X.O.\n.....X.O.\n.....X.O.\nXXXXXX.O.\n.......O.\nOOOOOOOO.\n.........\n.........\n.........\n");
    flagsurvie = 1;
    TMarques carte;
    carte.fill(1);
    if (!k.interieurs)
      for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 4; ++c) carte[indexcase(r, c)] = 0;
    fixture::verifieinchange(p, [&] {
      int32_t score = 0, code = 0;
      EXPECT_EQ(genecoupsyeux(p, 4, 1, TPoint{}, score, code, carte), k.vie);
    });
    flagsurvie = 0;
  }
}

TEST(YeuxStatiques, LinkedGroupWalkCountsStonesAndChains) {
  // (2,2)-(2,3) and the three stones from (3,4) are joined diagonally through
  // two empty points; (5,5) is not: white at (5,4) would not stand in atari.
  TPlateau p = fixture::posemoteur(".......\n.XX....\n...XX..\n...XO..\n....X..\n.......\n.......\n");
  TListePoints libs, ataris;
  libs[0] = ataris[0] = 0;
  TMarques vu = marquesvides;
  int32_t somme = 0, chaines = 0;
  listelibertesetpierresliees(p, libs, 300, ataris, 300, vu, 2, 2, somme, chaines);
  EXPECT_EQ(somme, 5);
  EXPECT_EQ(chaines, 2);
  ASSERT_EQ(nbpoints(ataris), 2);  // the white stone in atari, once per black stone beside it
  EXPECT_EQ(ligneliste(ataris, 1), 4);
  EXPECT_EQ(colonneliste(ataris, 1), 5);
}

TEST(YeuxStatiques, EyeExitAndClosedRegion) {
  TPlateau p = fixture::posemoteur(".......\n.XXXX..\n.X..X..\n.XXXX..\n....O..\n.......\n.......\n");
  // (3,3) and (3,4) are enclosed: no white stone beyond an empty neighbour.
  EXPECT_FALSE(sortieoeil(p, BLANC, 3, 3));
  // (6,4): its empty neighbour (5,4) has the live white stone (5,5) beside it.
  EXPECT_TRUE(sortieoeil(p, BLANC, 6, 4));
  TMarques X = marquesvides, R = marquesvides;
  R[indexcase(2, 2)] = 1;  // group stones carry a mark
  for (int r = 2; r <= 4; ++r)
    for (int c = 2; c <= 5; ++c)
      if (p[indexcase(r, c)] == NOIR) R[indexcase(r, c)] = 1;
  bool echec = false;
  regionfermeeyeux(echec, p, NOIR, 0, 3, 3, X, R, BLANC);
  EXPECT_FALSE(echec);
  EXPECT_EQ(R[indexcase(3, 4)], 2);
  EXPECT_EQ(R[indexcase(2, 3)], 2);  // a marked stone next to the region
  EXPECT_EQ(X[indexcase(3, 4)], 2);
  // Walking outside meets the live white stone.
  echec = false;
  regionfermeeyeux(echec, p, NOIR, 0, 6, 6, X, R, BLANC);
  EXPECT_TRUE(echec);
}

}  // namespace
