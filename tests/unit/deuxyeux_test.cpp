// Two-eye reading: the window around the chain, and what the entry leaves
// behind in flagscan and the node counter.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/deuxyeux.h"
#include "tests/support/fixture.h"

namespace {

TMarques enmarques(const TListePoints& l) {
  TMarques m = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k) m[indexcase(ligneliste(l, k), colonneliste(l, k))] = 1;
  return m;
}

TEST(DeuxYeux, WindowAroundTheChain) {
  // Black chain (4,4)-(5,4); white (3,4) and (4,3) are not crossed; the
  // black stone (4,6) adds the liberties of its chain, beyond the window too.
  TPlateau p = fixture::posemoteur(
      ".........\n.........\n...O.....\n..OX.X...\n...X.....\n.........\n.........\n.........\n.........\n");
  TMarques carte;
  carte.fill(1);
  carte[indexcase(2, 5)] = 5;  // above the rank bound
  TListePoints l;
  zonelocaleyeux(carte, p, l, 300, 4, 4, 4);
  // Window rows 2-6, columns 2-6 without its corners; the chain's liberties
  // (4,5), (5,3), (5,5), (6,4) are left out.
  EXPECT_TRUE(fixture::memesgrilles(
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 1 1 0 0 0 0 0\n"
      " 0 1 1 0 1 1 0 0 0\n"
      " 0 1 0 0 0 0 1 0 0\n"
      " 0 1 0 0 0 1 0 0 0\n"
      " 0 0 1 0 1 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n",
      fixture::grille(enmarques(l), 9)));
}

TEST(DeuxYeux, FlagscanAndNodes) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      ".........\n...O.....\n..OXO....\n.........\n.........\n.........\n.........\n.........\n.........\n");
  niveau = 7;
  parametresniveau();
  pointko = TPoint{};
  // A chain in atari is refused before the static test: flagscan untouched.
  flagscan = 0;
  const int32_t n0 = compteurnoeuds;
  EXPECT_FALSE(testdeuxyeuxpossible(p, 3, 4, 0));
  EXPECT_EQ(flagscan, 0);
  EXPECT_EQ(compteurnoeuds, n0);
  // Read as the last move, the lone stone is searched and flagscan is 1 after.
  EXPECT_FALSE(testdeuxyeuxpossible(p, 3, 4, 1));
  EXPECT_EQ(flagscan, 1);
  EXPECT_GT(compteurnoeuds, n0);
}

}  // namespace
