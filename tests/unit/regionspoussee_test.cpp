// Region and push tests: the widened region of a colour, the stones a move
// links to, and the push of two facing stones along the lines.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/proposals/regionspoussee.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  niveau = 7;
  paramniveaub = 3;
  lecturelongue = 1;
  cacheactif = 0;
  pointko = TPoint{};
  return p;
}

// territoire as a grid of 'X' (black), 'O' (white) and '.'.
std::string carteterritoire(int32_t n) {
  std::string s;
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) {
      const uint8_t t = territoire[indexcase(r, c)];
      s += t == NOIR ? 'X' : t == BLANC ? 'O' : '.';
    }
    s += '\n';
  }
  return s;
}

// Black's region from owner marks: the gap between two marked points joins
// through the closing step; the outer lines grow only with passes, and not
// next to a white stone.
TEST(ZoneCouleur, ClosingStepAndEdgeGrowth) {
  const char* plateau =
      ".........\n"
      ".......O.\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n";
  struct Cas {
    int32_t passes;
    const char* attendu;
  } cas[] = {
      {0, ".........\n.........\n......X..\n.........\n...XXX...\n.........\n.........\n.........\n.........\n"},
      {1, ".........\n.........\n.....XX..\n......X..\n..XXXXX..\n.........\n.........\n.........\n.........\n"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.passes);
    const TPlateau p = pose(plateau);
    territoire[indexcase(5, 4)] = NOIR;
    territoire[indexcase(5, 6)] = NOIR;
    territoire2[indexcase(3, 7)] = NOIR;
    zonecouleur(p, NOIR, BLANC, k.passes);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, carteterritoire(9)));
  }
}

// Stones of the mark map linked to a black stone played at a point.
TEST(PierresReliees, CountsLinkedMarkedStones) {
  const char* plateau =
      "X.X....\n"
      ".O.....\n"
      "..X.X..\n"
      "...X...\n"
      ".X.....\n"
      "X.X...O\n"
      ".X...O.\n";
  struct Cas {
    int32_t r, c, attendu;
    const char* pourquoi;
  } cas[] = {
      {4, 5, 3, "orthogonal (3,5) and (4,4), then (3,3) diagonally through two empty points"},
      {7, 7, 0, "a suicide: black cannot stand there"},
      {6, 2, 4, "the point itself empty, four orthogonal black stones around it"},
      {4, 4, 2, "from a stone: its diagonals (3,3) and (3,5) through empty points"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    const TPlateau p = pose(plateau);
    TMarques toutes{};
    toutes.fill(1);
    fixture::verifieinchange(p, [&] { EXPECT_EQ(comptepierresreliees(p, NOIR, toutes, k.r, k.c), k.attendu); });
  }
  // Unmarked stones are not counted.
  const TPlateau p = pose(plateau);
  TMarques aucune{};
  EXPECT_EQ(comptepierresreliees(p, NOIR, aucune, 4, 5), 0);
}

struct Poussee {
  TPlateau apres{};
  TPoint point{};
  int32_t direction = -7;
};

Poussee pousse(const TPlateau& p, int32_t l2, int32_t c2, int32_t l1, int32_t c1) {
  Poussee r;
  fixture::verifieinchange(p, [&] { testpousseeligne(p, r.apres, r.point, r.direction, l2, c2, l1, c1); });
  return r;
}

// Two facing stones pushed towards row 1 until the edge.
TEST(PousseeLigne, PushRunsToTheEdge) {
  const TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "...XO....\n"
      "...XO....\n"
      "...XO....\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const Poussee r = pousse(p, 4, 5, 4, 4);
  EXPECT_EQ(r.direction, 2);
  EXPECT_EQ(r.point.ligne, 3);
  EXPECT_EQ(r.point.colonne, 5);
  EXPECT_TRUE(fixture::memesgrilles(
      "...XO....\n...XO....\n...XO....\n...XO....\n...XO....\n...XO....\n.........\n.........\n.........\n",
      fixture::texteplateau(r.apres, 9)));
}

// A push stops before a stone in its way.
TEST(PousseeLigne, PushStopsBeforeAStone) {
  const TPlateau p = pose(
      ".........\n"
      "...O.....\n"
      ".........\n"
      "...XO....\n"
      "...XO....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const Poussee r = pousse(p, 4, 5, 4, 4);
  EXPECT_EQ(r.direction, 2);
  EXPECT_TRUE(fixture::memesgrilles(
      ".........\n...O.....\n...XO....\n...XO....\n...XO....\n.........\n.........\n.........\n.........\n",
      fixture::texteplateau(r.apres, 9)));
}

// Shapes that give no push: on the second line towards the edge the point in
// front is on the first line (0); without the shape the direction is untouched.
TEST(PousseeLigne, EdgeLineAndNoShape) {
  const TPlateau p = pose(
      ".........\n"
      "...XO....\n"
      "...XO....\n"
      ".........\n"
      ".........\n"
      "......X..\n"
      "......O..\n"
      ".........\n"
      ".........\n");
  EXPECT_EQ(pousse(p, 2, 5, 2, 4).direction, 0);
  EXPECT_EQ(pousse(p, 7, 7, 6, 7).direction, -7);
}

}  // namespace
