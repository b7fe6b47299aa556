// Eye tests on diagram fixtures: true and false eyes in the centre, on the
// edge and in the corner, eyes next to own chains in atari, separating
// stones, marked diagonals.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/yeux.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

struct CasOeil {
  const char* note;
  const char* diagramme;
  int r, c;
  bool attendu;  // a true eye of black (tested against white)
};

// Black's eye candidates; 'O' are white stones that may spoil them.
const CasOeil kVraisYeux[] = {
    {"centre, solid", ".......\n..XXX..\n..X.X..\n..XXX..\n.......\n.......\n.......\n", 3, 4, true},
    {"centre, one white diagonal", ".......\n..OXX..\n..X.X..\n..XXX..\n.......\n.......\n.......\n", 3, 4,
     true},
    {"centre, two white diagonals: false eye", ".......\n..OXO..\n..X.X..\n..XXX..\n.......\n.......\n.......\n",
     3, 4, false},
    {"centre, white next to it", ".......\n..XXX..\n..X.O..\n..XXX..\n.......\n.......\n.......\n", 3, 4, false},
    {"centre, not empty", ".......\n..XXX..\n..XXX..\n..XXX..\n.......\n.......\n.......\n", 3, 4, false},
    {"edge, solid", "..X.X..\n..XXX..\n.......\n.......\n.......\n.......\n.......\n", 1, 4, true},
    {"edge, one white diagonal: false eye", "..X.X..\n..OXX..\n.......\n.......\n.......\n.......\n.......\n", 1,
     4, false},
    {"corner, solid", ".X.....\nXX.....\n.......\n.......\n.......\n.......\n.......\n", 1, 1, true},
    {"corner, white diagonal: false eye", ".X.....\nXO.....\n.......\n.......\n.......\n.......\n.......\n", 1, 1,
     false},
    {"second line, one white diagonal", "OX.....\nX.X....\n.X.....\n.......\n.......\n.......\n.......\n", 2, 2,
     true},
};

TEST(Yeux, TrueEyesCentreEdgeCorner) {
  for (const CasOeil& k : kVraisYeux) {
    TPlateau p = pose(k.diagramme);
    EXPECT_EQ(testvraioeil(p, BLANC, k.r, k.c), k.attendu) << k.note;
    // Without dead marks the sansmorts variant agrees on empty points.
    if (p[indexcase(k.r, k.c)] == VIDE) {
      EXPECT_EQ(testvraioeilsansmorts(p, BLANC, k.r, k.c), k.attendu) << k.note;
    }
  }
}

TEST(Yeux, DeadStonesAndTheSansmortsVariant) {
  TPlateau p = pose(".......\n..OXO..\n..X.X..\n..XXX..\n.......\n.......\n.......\n");
  pionsmorts[indexcase(2, 3)] = 1;  // one of the two white diagonals is dead
  EXPECT_FALSE(testvraioeil(p, BLANC, 3, 4));
  EXPECT_TRUE(testvraioeilsansmorts(p, BLANC, 3, 4));
  // An orthogonal stone counts even when it is marked dead.
  p = pose(".......\n..XXX..\n..X.O..\n..XXX..\n.......\n.......\n.......\n");
  pionsmorts[indexcase(3, 5)] = 1;
  EXPECT_FALSE(testvraioeilsansmorts(p, BLANC, 3, 4));
  // On the edge a dead diagonal no longer spoils the eye.
  p = pose("..X.X..\n..OXX..\n.......\n.......\n.......\n.......\n.......\n");
  pionsmorts[indexcase(2, 3)] = 1;
  EXPECT_TRUE(testvraioeilsansmorts(p, BLANC, 1, 4));
}

TEST(Yeux, OneEmptyAndMarkedEyes) {
  // (3,4): black all round.
  TPlateau p = pose(".......\n...X...\n..X.X..\n...X...\n.......\n.......\n.......\n");
  EXPECT_EQ(testoeilunevide(p, NOIR, 3, 4), 0);
  // Next to its own chain in atari: -1 even when everything else fits.
  p = pose("...O...\n..OXO..\n..X.X..\n...X...\n.......\n.......\n.......\n");
  ASSERT_EQ(infochaine[indexcase(2, 4)][0], 1);
  EXPECT_EQ(testoeilunevide(p, NOIR, 3, 4), -1);
  // One empty neighbour is allowed, a second one is not.
  p = pose(".......\n...X...\n..X.X..\n.......\n.......\n.......\n.......\n");
  EXPECT_EQ(testoeilunevide(p, NOIR, 3, 4), 1);
  p = pose(".......\n...X...\n..X....\n.......\n.......\n.......\n.......\n");
  EXPECT_EQ(testoeilunevide(p, NOIR, 3, 4), -1);
  // An enemy stone spoils it.
  p = pose(".......\n...X...\n..X.O..\n...X...\n.......\n.......\n.......\n");
  EXPECT_EQ(testoeilunevide(p, NOIR, 3, 4), -1);

  // testoeilmarques: marked own stones, unmarked own, weak enemy.
  p = pose(".......\n...X...\n..X.X..\n...X...\n.......\n.......\n.......\n");
  TMarques m = marquesvides;
  for (auto [r, c] : {std::pair{2, 4}, {3, 3}, {3, 5}, {4, 4}}) m[indexcase(r, c)] = 1;
  EXPECT_EQ(testoeilmarques(p, m, NOIR, 3, 4), 0);
  m[indexcase(4, 4)] = 0;
  EXPECT_EQ(testoeilmarques(p, m, NOIR, 3, 4), 2);
  p = pose(".......\n...X...\n..X.X..\n..XOX..\n..XXX..\n.......\n.......\n");
  m = marquesvides;
  for (auto [r, c] : {std::pair{2, 4}, {3, 3}, {3, 5}}) m[indexcase(r, c)] = 1;
  EXPECT_EQ(testoeilmarques(p, m, NOIR, 3, 4), 1);  // white (4,4) has 1 liberty
}

TEST(Yeux, VideUniqueEntoure) {
  TPlateau p = pose(".......\n...X...\n..X....\n...X...\n.......\n.......\n.......\n");
  TPoint s;
  EXPECT_TRUE(videuniqueentoure(p, NOIR, 3, 4, s));
  EXPECT_EQ(s.ligne, 3);
  EXPECT_EQ(s.colonne, 5);
  p[indexcase(3, 5)] = BLANC;
  EXPECT_FALSE(videuniqueentoure(p, NOIR, 3, 4, s));
  EXPECT_EQ(s.ligne, 0);
}

struct CasSeparatrice {
  const char* note;
  const char* diagramme;
  int r, c;
  bool attendu;
};

// The stone tested is black at (r, c).
const CasSeparatrice kSeparatrices[] = {
    {"inner stone, one own group around", ".....\n.XX..\n.XX..\n.....\n.....\n", 3, 3, false},
    {"inner stone, two own groups", ".....\n..X..\n.OXO.\n..X..\n.....\n", 3, 3, true},
    {"inner stone, two own groups on one side each", ".....\n.OXO.\n.OXO.\n.OOO.\n.....\n", 2, 3, false},
    {"edge stone, one change along the ring", "..X..\n..XO.\n.....\n.....\n.....\n", 1, 3, true},
    {"edge stone, no change", "OOXOO\nOOOOO\n.....\n.....\n.....\n", 1, 3, false},
    {"empty neighbour that is an eye", ".X...\nX.X..\n.X...\n.....\n.....\n", 2, 3, true},
    {"corner stone (size, size)", ".....\n.....\n.....\n....X\n...OX\n", 5, 5, true},
};

TEST(Yeux, PierreSeparatriceRings) {
  for (const CasSeparatrice& k : kSeparatrices) {
    TPlateau p = pose(k.diagramme);
    ASSERT_EQ(p[indexcase(k.r, k.c)], NOIR) << k.note;
    EXPECT_EQ(pierreseparatrice(p, k.r, k.c), k.attendu) << k.note;
  }
}

TEST(Yeux, OeilApresPriseLeavesTheBoard) {
  // Asked with the other colour than the stone's, the stone comes back as it was.
  TPlateau p = pose(".....\n.....\n..O..\n.....\n.....\n");
  const TPlateau avant = p;
  oeilapresprise(p, NOIR, 2, 2);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  // Black stone (3,3) with the empty (4,3) below: once it is taken, (4,3)
  // sees no black stone nearby.
  p = pose(".....\n.....\n..X..\n.....\n.....\n");
  EXPECT_TRUE(oeilapresprise(p, NOIR, 3, 3));
  EXPECT_EQ(p[indexcase(3, 3)], NOIR);
  p = pose(".....\n.....\n..X..\n.X.X.\n.....\n");
  EXPECT_FALSE(oeilapresprise(p, NOIR, 3, 3));  // two black diagonals of (4,3)
}

TEST(Yeux, MaskedDiagonals) {
  TPlateau p = pose(".......\n..XXX..\n..X.X..\n..XXX..\n.......\n.......\n.......\n");
  TMarques m = marquesvides;
  EXPECT_FALSE(diagonalesmasquees(m, p, 3, 4, NOIR));
  for (auto [r, c] : {std::pair{2, 3}, {2, 5}, {4, 3}}) m[indexcase(r, c)] = 1;
  EXPECT_TRUE(diagonalesmasquees(m, p, 3, 4, NOIR));

  std::array<TPoint, 2> s;
  // Two empty unmarked diagonals: half eye, both listed.
  p = pose(".......\n..X.X..\n..X.X..\n..X.X..\n.......\n.......\n.......\n");
  m = marquesvides;
  for (auto [r, c] : {std::pair{2, 3}, {4, 5}}) m[indexcase(r, c)] = 1;
  p[indexcase(2, 5)] = VIDE;
  p[indexcase(4, 3)] = VIDE;
  calculelibertes(p);
  EXPECT_EQ(diagonalesmasqueescompte(m, p, s, 3, 4, NOIR), 2);
  EXPECT_EQ(s[0].ligne, 4);  // (row+1, col-1) comes before (row-1, col+1)
  EXPECT_EQ(s[0].colonne, 3);
  EXPECT_EQ(s[1].ligne, 2);
  EXPECT_EQ(s[1].colonne, 5);
  // A hard unmarked diagonal with another unmarked one: no eye.
  p[indexcase(2, 5)] = BLANC;
  p[indexcase(1, 5)] = BLANC;
  calculelibertes(p);
  EXPECT_EQ(diagonalesmasqueescompte(m, p, s, 3, 4, NOIR), 0);
}

TEST(Yeux, ContactDiagonalMarque) {
  TPlateau p = pose(".....\n.X.X.\n.....\n.X.X.\n.....\n");
  TMarques m = marquesvides;
  auto marque = [&](std::initializer_list<std::pair<int, int>> l) {
    m = marquesvides;
    for (auto [r, c] : l) m[indexcase(r, c)] = 1;
  };
  marque({{4, 4}, {2, 2}});
  EXPECT_TRUE(contactdiagonalmarque(p, NOIR, m, 3, 3));  // one below, one above-left
  marque({{4, 4}, {4, 2}});
  EXPECT_TRUE(contactdiagonalmarque(p, NOIR, m, 3, 3));  // both below
  marque({{4, 4}});
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 3, 3));
  marque({{2, 2}});
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 3, 3));
  marque({{4, 4}, {2, 2}});
  EXPECT_FALSE(contactdiagonalmarque(p, BLANC, m, 3, 3));  // marked stones of the other colour
  // An own stone between closes that side.
  p[indexcase(4, 3)] = NOIR;
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 3, 3));

  // On the first row only the row+1 diagonals count, and one is enough.
  p = pose(".....\nX....\n.....\n.....\n.....\n");
  marque({{2, 1}});
  EXPECT_TRUE(contactdiagonalmarque(p, NOIR, m, 1, 2));
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 1, 1));  // (2,1) is orthogonal there
  // Corners read nothing off the board.
  p = pose(".....\n.....\n.....\n.X...\n....X\n");
  marque({{5, 5}, {4, 2}});
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 5, 5));
  EXPECT_TRUE(contactdiagonalmarque(p, NOIR, m, 5, 1));  // (4,2) on the edge

  // Column 1: the col-1 diagonals are off the board, not the last column of
  // the rows above (same index in the 19-stride layout).
  std::string d;
  for (int r = 1; r <= 19; ++r) d += std::string(18, '.') + (r == 2 || r == 3 ? "X" : ".") + "\n";
  p = pose(d);
  marque({{2, 19}, {3, 19}});
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 3, 1));
  EXPECT_FALSE(contactdiagonalmarque(p, NOIR, m, 4, 1));
}

TEST(Yeux, VoisinFaibleByLevel) {
  TPlateau p = pose("..X..\n.....\n..X..\n.XO..\n..X..\n");
  niveau = 3;
  EXPECT_TRUE(voisinfaible(p, NOIR, 4, 4));   // white (4,3) in atari
  EXPECT_FALSE(voisinfaible(p, NOIR, 1, 2));  // black (1,3) has 3 liberties
  niveau = 7;
  EXPECT_TRUE(voisinfaible(p, NOIR, 4, 4));
  EXPECT_TRUE(voisinfaible(p, NOIR, 1, 2));    // 3 liberties and colour c
  EXPECT_FALSE(voisinfaible(p, BLANC, 1, 2));
  EXPECT_FALSE(voisinfaible(p, NOIR, 2, 5));
}

}  // namespace
