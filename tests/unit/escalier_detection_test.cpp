// Ladder detection of the status unit: two-liberty chains, breakers,
// adjacent chains in atari by mode, chaser self-atari, edge ladders, and the
// board-wide map.
#include <gtest/gtest.h>

#include <random>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/escaliers.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

bool esca(TPlateau& p, int mode, int r, int c) {
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  const bool res = detectesca(p, mode, r, c);
  EXPECT_TRUE(fixture::memesplateaux(avant, p)) << "board changed at " << r << "," << c;
  EXPECT_EQ(infochaine, chaines) << "chain table changed at " << r << "," << c;
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts)) << "dead marks changed at " << r << "," << c;
  return res;
}

// Black (5,5) with liberties (6,5) and (5,6); the ladder runs down and left.
constexpr const char* kDeuxLibertes =
    ".........\n"
    ".........\n"
    ".........\n"
    "....O....\n"
    "...OX....\n"
    ".....O...\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(DetectEsca, CaughtAndBroken) {
  TPlateau p = pose(kDeuxLibertes);
  EXPECT_TRUE(esca(p, 1, 5, 5));
  // Both chases are read: a friend on one path only is not enough.
  p[indexcase(8, 2)] = NOIR;
  EXPECT_TRUE(esca(p, 1, 5, 5));
  p[indexcase(2, 8)] = NOIR;
  EXPECT_FALSE(esca(p, 1, 5, 5));
  // Not two liberties: no ladder, nothing read.
  p = pose(kDeuxLibertes);
  EXPECT_FALSE(esca(p, 1, 4, 5));  // white (4,5) has four liberties
  EXPECT_FALSE(esca(p, 1, 1, 1));  // empty point
}

TEST(DetectEsca, AdjacentChainInAtari) {
  // White (5,4) beside the runner is in atari at (6,4): no ladder in any mode,
  // since that liberty is not one of the runner's.
  TPlateau p = pose(kDeuxLibertes);
  p[indexcase(4, 4)] = NOIR;
  p[indexcase(5, 3)] = NOIR;
  calculelibertes(p);
  EXPECT_FALSE(esca(p, 1, 5, 5));
  EXPECT_FALSE(esca(p, 0, 5, 5));
  // White (4,5) in atari at (4,6), a liberty of the runner (5,5)-(5,6):
  // mode 1 stops at once; other modes read on (the runner escapes here).
  p = pose(
      ".........\n"
      ".........\n"
      "....X....\n"
      "...XO....\n"
      "...OXX...\n"
      "....OO...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  ASSERT_EQ(infochaine[indexcase(4, 5)][0], 1);
  ASSERT_EQ(infochaine[indexcase(5, 5)][0], 2);
  EXPECT_FALSE(esca(p, 1, 5, 5));
  EXPECT_FALSE(esca(p, 0, 5, 5));
}

TEST(DetectEsca, EdgeLadder) {
  // Black (1,5) with liberties (1,6) and (2,5), chased along the first line.
  TPlateau p = pose(
      "...OX....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  // Two liberties: (2,5) and (1,6). White at (2,5) leaves (1,6): the runner
  // extends along the edge and is caught in the corner.
  EXPECT_TRUE(esca(p, 1, 1, 5));
  p[indexcase(2, 8)] = NOIR;
  EXPECT_FALSE(esca(p, 1, 1, 5));
}

TEST(DetectEsca, ChaserSelfAtariNotTried) {
  // Black (3,3) has liberties (3,4) and (4,3); a white stone on either would
  // have the single liberty (4,4), so neither chase is tried.
  TPlateau p = pose(
      ".......\n"
      "..OX...\n"
      ".OX.X..\n"
      ".X.....\n"
      "..X....\n"
      ".......\n"
      ".......\n");
  EXPECT_FALSE(esca(p, 1, 3, 3));
}

TEST(DetectEsca, BoardMap) {
  TPlateau p = pose(kDeuxLibertes);
  TMarques m;
  m.fill(7);
  detectescatoutes(p, NOIR, m);
  TMarques attendu = marquesvides;
  attendu[indexcase(5, 5)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, m));
  detectescatoutes(p, BLANC, m);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, m));
}

// Seeded random positions: every two-liberty chain read in both modes, the
// board coming back whole each time, captures on the way included.
TEST(DetectEsca, RestoresOnRandomPositions) {
  std::mt19937 gen(3103);
  int pris = 0;
  for (int partie = 0; partie < 30; ++partie) {
    const int n = partie % 2 ? 9 : 13;
    configmoteur.taille = n;
    construittables(n);
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    pionsmorts.fill(0);
    TListePoints prises{};
    std::uniform_int_distribution<int> d(1, n);
    for (int k = 0; k < n * n / 2; ++k)
      jouecoup(prises, CAPACITELISTE, p, d(gen), d(gen), static_cast<uint8_t>(k % 2),
               static_cast<uint8_t>(1 - k % 2));
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) {
        const int i = indexcase(r, c);
        if (p[i] == VIDE || infochaine[i][0] != 2 || infochaine[i][1] == 0) continue;
        if (esca(p, 1, r, c)) ++pris;
        esca(p, 0, r, c);
      }
  }
  EXPECT_GT(pris, 5);
}

}  // namespace
