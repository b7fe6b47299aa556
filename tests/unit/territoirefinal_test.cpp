// Final territory maps: point values, neighbour counts and the spread of the
// smallest value, each map shown byte by byte as a grid.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/proposals/territoirefinal.h"
#include "tests/support/fixture.h"

namespace {

class TerritoireFinal : public ::testing::Test {
 protected:
  void TearDown() override {
    pionsmorts.fill(0);
    cartefinale1 = zeroterritoire;
    cartefinale2 = zeroterritoire;
  }
};

// Byte k of every entry of a final map, as a map of its own.
TCarte octets(const TCarte& m, int32_t k) {
  TCarte o{};
  for (int i = 0; i < NBCASES; ++i) o[i] = octetfinal(m[i], k);
  return o;
}

// A black wall on column 5 and a white wall on column 6, top to bottom.
constexpr const char* kMurs =
    "....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n"
    "....XO...\n....XO...\n....XO...\n....XO...\n";
// The same with a dead white stone inside black's side.
constexpr const char* kMursMort =
    "....XO...\n....XO...\n....XO...\n....XO...\n.O..XO...\n"
    "....XO...\n....XO...\n....XO...\n....XO...\n";

TEST_F(TerritoireFinal, SettledPositionPointValues) {
  const TPlateau p = fixture::posemoteur(kMursMort);
  pionsmorts[indexcase(5, 2)] = 1;
  fixture::verifieinchange(p, [&] { territoirefinal(p); });
  // Black's points: the dead white stone is off; its point keeps its chain's
  // four liberties on top of its eight empty neighbours, and those liberties
  // count nothing.
  EXPECT_TRUE(fixture::memesgrilles(
      "3 5 5 3 0 0 0 5 3\n"
      "5 7 7 4 0 0 0 7 5\n"
      "5 7 7 4 0 0 0 7 5\n"
      "5 0 7 4 0 0 0 7 5\n"
      "0 11 0 4 0 0 0 7 5\n"
      "5 0 7 4 0 0 0 7 5\n"
      "5 7 7 4 0 0 0 7 5\n"
      "5 7 7 4 0 0 0 7 5\n"
      "3 5 5 3 0 0 0 5 3\n",
      fixture::grille(octets(cartefinale1, 0), 9)));
  // White's points: the white stone stays and only lowers its neighbours.
  EXPECT_TRUE(fixture::memesgrilles(
      "3 5 5 0 0 0 3 5 3\n"
      "5 7 7 0 0 0 4 7 5\n"
      "5 7 7 0 0 0 4 7 5\n"
      "4 6 6 0 0 0 4 7 5\n"
      "4 0 6 0 0 0 4 7 5\n"
      "4 6 6 0 0 0 4 7 5\n"
      "5 7 7 0 0 0 4 7 5\n"
      "5 7 7 0 0 0 4 7 5\n"
      "3 5 5 0 0 0 3 5 3\n",
      fixture::grille(octets(cartefinale2, 0), 9)));
}

TEST_F(TerritoireFinal, NeighbourCountsAndSmallestValues) {
  const TPlateau p = fixture::posemoteur(kMurs);
  territoirefinal(p);
  // Byte 3: orthogonal neighbours with a value, and diagonal ones a white
  // stone would take from being a true eye (only those on the edge here).
  EXPECT_TRUE(fixture::memesgrilles(
      "2 4 3 2 0 0 1 3 2\n"
      "4 7 6 4 0 0 2 5 4\n"
      "3 6 4 3 0 0 1 5 3\n"
      "3 6 4 3 0 0 1 5 3\n"
      "3 6 4 3 0 0 1 5 3\n"
      "3 6 4 3 0 0 1 5 3\n"
      "3 6 4 3 0 0 1 5 3\n"
      "4 7 6 4 0 0 2 5 4\n"
      "2 4 3 2 0 0 1 3 2\n",
      fixture::grille(octets(cartefinale1, 3), 9)));
  // Byte 1: smallest value among the counting neighbours. Column 7 counts
  // (byte 3 set) but has no value: it spreads nothing, so column 8 keeps
  // what its other neighbours give and column 7 gets column 8's values.
  EXPECT_TRUE(fixture::memesgrilles(
      "5 3 3 4 3 0 5 3 5\n"
      "3 3 3 3 3 0 5 3 3\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "3 3 3 3 3 0 5 3 3\n"
      "5 3 3 4 3 0 5 3 5\n",
      fixture::grille(octets(cartefinale1, 1), 9)));
  // Byte 2: the same with the point's own value when it counts itself.
  EXPECT_TRUE(fixture::memesgrilles(
      "3 3 3 3 3 0 5 3 3\n"
      "3 3 3 3 3 0 5 3 3\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "5 5 4 4 4 0 7 5 5\n"
      "3 3 3 3 3 0 5 3 3\n"
      "3 3 3 3 3 0 5 3 3\n",
      fixture::grille(octets(cartefinale1, 2), 9)));
}

TEST_F(TerritoireFinal, SecondCallGivesTheSameMaps) {
  const TPlateau p = fixture::posemoteur(kMursMort);
  pionsmorts[indexcase(5, 2)] = 1;
  cartefinale1.fill(0x7F7F7F7F);
  cartefinale2.fill(0x7F7F7F7F);
  territoirefinal(p);
  const TCarte un = cartefinale1, deux = cartefinale2;
  territoirefinal(p);
  EXPECT_EQ(cartefinale1, un);
  EXPECT_EQ(cartefinale2, deux);
}

TEST_F(TerritoireFinal, PointValueAgainstAColour) {
  struct Cas {
    const char* diagramme;
    int32_t r, c;
    uint8_t couleur;
    uint8_t attendu;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {".........\n.........\n.........\n...O.....\n.........\n.....O...\n.........\n.........\n.........\n", 5, 5,
       BLANC, 0, "two diagonal stones of the colour"},
      {".........\n.........\n.........\n...O.....\n.........\n.........\n.........\n.........\n.........\n", 5, 5,
       BLANC, 7, "one diagonal stone inside: the plain count of empty neighbours"},
      {".........\n...O.....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n", 1, 5,
       BLANC, 0, "one diagonal stone on the edge"},
      {".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n", 1, 5,
       BLANC, 5, "edge point: no empty diagonal taken off"},
      {".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n", 5, 5,
       BLANC, 7, "inner point: eight empty neighbours less one for the empty diagonals"},
      {".........\n.........\n.........\n.........\n.....O...\n.........\n.........\n.........\n.........\n", 5, 5,
       BLANC, 0, "next to a stone of the colour"},
      {".........\n.........\n.........\n.........\n.....O...\n.........\n.........\n.........\n.........\n", 5, 5,
       NOIR, 6, "next to a stone of the other colour: one empty neighbour less"},
      {".........\n.........\n.........\n.........\n.....O...\n.........\n.........\n.........\n.........\n", 5, 6,
       NOIR, 0, "a stone"},
  };
  for (const Cas& k : cas) {
    const TPlateau p = fixture::posemoteur(k.diagramme);
    EXPECT_EQ(valeurpointfinal(p, k.couleur, k.r, k.c), k.attendu) << k.pourquoi;
  }
}

TEST_F(TerritoireFinal, NeighbourCountPutsThePointBack) {
  TPlateau p = fixture::posemoteur(kMurs);
  territoirefinal(p);
  const TPlateau avant = p;
  EXPECT_EQ(comptevoisinsfinal(p, cartefinale1, BLANC, 2, 2), 7);
  EXPECT_EQ(comptevoisinsfinal(p, cartefinale1, BLANC, 1, 5), 0);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
}

}  // namespace
