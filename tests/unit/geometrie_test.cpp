// Board geometry: windows, corners, symmetries.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/geometrie.h"
#include "tests/support/fixture.h"

namespace {

void taille(int n) {
  configmoteur.taille = n;
  construittables(n);
  territoire.fill(VIDE);
  territoire2.fill(VIDE);
}

TEST(Geometrie, WindowIsClippedToTheBoard) {
  taille(9);
  struct {
    int r, c, rayon, lmin, lmax, cmin, cmax;
  } cas[] = {{1, 1, 2, 1, 3, 1, 3}, {9, 9, 2, 7, 9, 7, 9}, {5, 5, 1, 4, 6, 4, 6}, {5, 2, 3, 2, 8, 1, 5}};
  for (const auto& k : cas) {
    int a, b, c, d;
    bornesfenetre(k.r, k.c, k.rayon, a, b, c, d);
    EXPECT_EQ(a, k.lmin);
    EXPECT_EQ(b, k.lmax);
    EXPECT_EQ(c, k.cmin);
    EXPECT_EQ(d, k.cmax);
  }
}

TEST(Geometrie, WindowTestsNeverCountTheCentre) {
  taille(9);
  TPlateau p = plateauvide();
  p[indexcase(5, 5)] = NOIR;
  EXPECT_FALSE(carreoccupe(p, 2, 5, 5));
  EXPECT_TRUE(zoneoccupee(p, 5, 5));
  EXPECT_TRUE(voisinsoccupes(p, 5, 5));
  EXPECT_TRUE(carreoccupe(p, 2, 7, 7));
  EXPECT_FALSE(carreoccupe(p, 1, 7, 7));
  EXPECT_TRUE(zoneoccupee(p, 6, 6));
  EXPECT_FALSE(voisinsoccupes(p, 6, 6));
  TMarques m{};
  m[indexcase(5, 5)] = 1;
  EXPECT_FALSE(marquedanscarre(m, 3, 5, 5));
  EXPECT_TRUE(marquedanscarre(m, 1, 4, 4));
  EXPECT_TRUE(couleurdanscarre(1, m, 1, 6, 6));
  EXPECT_TRUE(couleurdanscarre2(m, 1, 6, 1, 6));
  EXPECT_FALSE(couleurdanscarre(1, m, 1, 7, 7));
  // Argument orders: a mark at (2, 7) is near (3, 7) and far from (7, 3).
  TMarques m2{};
  m2[indexcase(2, 7)] = 1;
  EXPECT_TRUE(couleurdanscarre(1, m2, 1, 7, 3));  // column, row
  EXPECT_FALSE(couleurdanscarre(1, m2, 1, 3, 7));
  EXPECT_TRUE(couleurdanscarre2(m2, 1, 3, 1, 7));  // row, value, column
  EXPECT_FALSE(couleurdanscarre2(m2, 1, 7, 1, 3));
  EXPECT_TRUE(marquedanscarre(m2, 1, 3, 7));  // row, column
  EXPECT_FALSE(marquedanscarre(m2, 1, 7, 3));
}

TEST(Geometrie, CornersTaken) {
  taille(19);
  TPlateau p = plateauvide();
  EXPECT_FALSE(coinsoccupes(p));
  for (auto [r, c] : {std::pair{6, 6}, {6, 14}, {14, 14}, {14, 6}}) p[indexcase(r, c)] = NOIR;
  EXPECT_TRUE(coinsoccupes(p));
  p[indexcase(6, 6)] = VIDE;
  p[indexcase(7, 4)] = NOIR;
  EXPECT_FALSE(coinsoccupes(p));

  taille(13);
  p = plateauvide();
  for (auto [r, c] : {std::pair{3, 3}, {3, 11}, {11, 11}, {11, 3}}) p[indexcase(r, c)] = BLANC;
  EXPECT_TRUE(coinsoccupes(p));
  taille(9);
  p = plateauvide();
  for (auto [r, c] : {std::pair{1, 1}, {1, 9}, {9, 9}, {9, 1}}) p[indexcase(r, c)] = BLANC;
  EXPECT_TRUE(coinsoccupes(p));  // within two lines of (2, 2) etc.
  p[indexcase(9, 1)] = VIDE;
  p[indexcase(5, 5)] = NOIR;  // three lines from (8, 2)
  EXPECT_FALSE(coinsoccupes(p));
}

TEST(Geometrie, EdgeStripBehindAnEdgePoint) {
  taille(19);
  TPlateau p = plateauvide();
  EXPECT_FALSE(coinlibre(p, 1, 10));
  p[indexcase(4, 10)] = NOIR;
  EXPECT_TRUE(coinlibre(p, 1, 10));
  EXPECT_FALSE(coinlibre(p, 5, 10));  // not on an edge
  territoire2[indexcase(10, 17)] = 0;
  EXPECT_TRUE(coinlibre(p, 10, 19));
  EXPECT_FALSE(coinlibre(p, 10, 1));
  territoire[indexcase(19, 3)] = 1;  // corner (19, 1): tested along both edges
  EXPECT_TRUE(coinlibre(p, 19, 1));
  // Lines 2 to 4 behind the point: the second line counts, the fifth does not.
  TPlateau q = plateauvide();
  q[indexcase(2, 8)] = BLANC;
  q[indexcase(5, 12)] = NOIR;
  EXPECT_TRUE(coinlibre(q, 1, 8));
  EXPECT_FALSE(coinlibre(q, 1, 12));
}

TEST(Geometrie, Symmetries) {
  taille(19);
  int r = -5, c = -5;
  pointsymetrique(1, 1, 4, r, c);
  EXPECT_EQ(r, 19);
  EXPECT_EQ(c, 19);
  pointsymetrique(3, 16, 1, r, c);
  EXPECT_EQ(r, 16);
  EXPECT_EQ(c, 3);
  const int attendu[8][2] = {{3, 16}, {16, 3}, {16, 17}, {17, 16}, {17, 4}, {4, 17}, {4, 3}, {3, 4}};
  for (int k = 0; k < 8; ++k) {
    pointsymetrique(3, 16, k, r, c);
    EXPECT_EQ(r, attendu[k][0]) << k;
    EXPECT_EQ(c, attendu[k][1]) << k;
  }
  r = c = 42;
  pointsymetrique(3, 16, 8, r, c);
  EXPECT_EQ(r, 42);  // untouched

  symetrie(1, 1, 1, 0, 1, r, c);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(c, 0);
  const int decal[8][2] = {{12, 13}, {8, 13}, {12, 7}, {8, 7}, {13, 12}, {7, 12}, {13, 8}, {7, 8}};
  for (int k = 0; k < 8; ++k) {
    symetrie(10, 10, 2, 3, k, r, c);
    EXPECT_EQ(r, decal[k][0]) << k;
    EXPECT_EQ(c, decal[k][1]) << k;
  }
  symetrie(10, 10, 2, 3, 9, r, c);
  EXPECT_EQ(r, 0);
}

// On a board of another size each symmetry is a one-to-one map of the board,
// its listed inverse brings every point back, and the eight differ.
TEST(Geometrie, SymmetriesMapTheBoardOntoItself) {
  taille(9);
  std::set<std::vector<int>> cartes;
  for (int k = 0; k < 8; ++k) {
    std::set<int> images;
    std::vector<int> carte;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        int r2 = 0, c2 = 0;
        pointsymetrique(r, c, k, r2, c2);
        ASSERT_TRUE(r2 >= 1 && r2 <= 9 && c2 >= 1 && c2 <= 9) << k;
        images.insert(indexcase(r2, c2));
        carte.push_back(indexcase(r2, c2));
        int r3 = 0, c3 = 0;
        pointsymetrique(r2, c2, SYMETRIES[k].inverse, r3, c3);
        EXPECT_EQ(std::make_pair(r3, c3), std::make_pair(r, c)) << "symmetry " << k;
      }
    EXPECT_EQ(images.size(), 81u) << k;
    cartes.insert(carte);
  }
  EXPECT_EQ(cartes.size(), 8u);
}

}  // namespace
