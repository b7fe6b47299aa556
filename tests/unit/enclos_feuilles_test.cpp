// Leaf tests of the enclosed-chain reading: the eye-space shapes, the vital
// points, the edge walk beyond an exit and the weak-wall marks.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/enclos_feuilles.h"
#include "tests/support/fixture.h"

namespace {

// A zone diagram: X owner (black), O enemy, '*' inner empty zone point,
// 'o' enemy stone on an inner zone point, W enemy wall stone, '.' empty
// point outside the zone. Zone list in scan order.
struct Zone {
  TPlateau p;
  TMarques m{}, z{};
  TListePoints liste{};
  int taille = 0;
};

Zone zone(std::string_view dessin) {
  std::string plateau;
  for (char x : dessin) plateau += x == '*' ? '.' : x == 'o' || x == 'W' ? 'O' : x;
  Zone zo;
  zo.p = fixture::posemoteur(plateau);
  zo.m.fill(0);
  zo.z.fill(0);
  zo.liste[0] = 0;
  int r = 1, c = 1;
  for (char x : dessin) {
    if (x == '\n') {
      ++r;
      c = 1;
      continue;
    }
    if (x == '*' || x == 'o') {
      zo.m[indexcase(r, c)] = zo.z[indexcase(r, c)] = 1;
      empilepoint(zo.liste, NBCASES, r, c);
    } else if (x == 'W') {
      zo.m[indexcase(r, c)] = MARQUEMUR;
    }
    zo.taille = c;
    ++c;
  }
  return zo;
}

struct CasForme {
  const char* nom;
  const char* dessin;
  int capture, tueur;  // verdict with the killer flag 0, then 1
};

// Seven lines of seven; black all around the shape.
const CasForme kFormes[] = {
    {"two adjacent", "XXXXXXX\nX**XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"two apart", "XXXXXXX\nX*X*XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 0, 0},
    {"two apart, one approachable from the wall",
     "XXXXXXX\nX*X*.WX\nXXXXXWX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    // (2,6) is joined to the wall through its diagonal (3,7): (2,4) can be
    // approached from it.
    {"two apart, one approachable through a chain joined to the wall",
     "XXXXXXX\nX*X*.o.\nXXXXX.W\nXXXXXWW\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"straight three", "XXXXXXX\nX***XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"bent three", "XXXXXXX\nX**XXXX\nX*XXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"three apart", "XXXXXXX\nX*X*X*X\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 0, 0},
    {"square four", "XXXXXXX\nX**XXXX\nX**XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"pyramid four", "XXXXXXX\nX***XXX\nXX*XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"straight four, both ends own", "XXXXXXX\nX****XX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 0, 0},
    {"straight four, one end open", "XXXXXXX\nX****.X\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"bent four", "XXXXXXX\nX***XXX\nX*XXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 0, 0},
    {"bulky five", "XXXXXXX\nX***XXX\nX**XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"cross", "XXXXXXX\nXX*XXXX\nX***XXX\nXX*XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"2 x 3 but a middle point of a long side", "XXXXXXX\nX*X*XXX\nX***XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n",
     0, 0},
    {"straight five, one end open", "XXXXXXX\nX*****.\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
    {"bulky five with a stone in atari lifted", "XXXXXXX\nX**oXXX\nX**XXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 0,
     0},
    {"six", "XXXXXXX\nX***XXX\nX***XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 2, 0},
    {"seven", "XXXXXXX\nX****XX\nX***XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 2, 0},
    {"one point", "XXXXXXX\nX*XXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n", 1, 1},
};

TEST(EnclosFeuilles, EyeSpaceShapes) {
  for (const CasForme& k : kFormes) {
    SCOPED_TRACE(k.nom);
    for (uint8_t tueur = 0; tueur <= 1; ++tueur) {
      Zone zo = zone(k.dessin);
      const TMarques m0 = zo.m;
      TVitaux vitaux{};
      uint8_t nb = 0;
      fixture::verifieinchange(zo.p, [&] {
        EXPECT_EQ(evalueespaceoeil(zo.p, NOIR, BLANC, zo.m, zo.z, zo.liste, NBCASES, vitaux, nb, 0, tueur),
                  tueur ? k.tueur : k.capture)
            << "killer flag " << int(tueur);
      });
      EXPECT_TRUE(fixture::memesmarques(m0, zo.m));
    }
  }
}

TEST(EnclosFeuilles, VitalPoints) {
  // Vital-point mode answers 0 and lists the eye points, empty ones first.
  Zone zo = zone("XXXXXXX\nX*o*XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n");
  TVitaux vitaux{};
  uint8_t nb = 0;
  EXPECT_EQ(evalueespaceoeil(zo.p, NOIR, BLANC, zo.m, zo.z, zo.liste, NBCASES, vitaux, nb, 1, 1), 0);
  ASSERT_EQ(nb, 3);
  EXPECT_EQ(vitaux[0].colonne, 2);
  EXPECT_EQ(vitaux[1].colonne, 4);
  EXPECT_EQ(vitaux[2].colonne, 3);
  EXPECT_EQ(zo.p[indexcase(2, 3)], BLANC);
  // Seven eye points stop the count: the number of candidates stays.
  Zone sept = zone("XXXXXXX\nX****XX\nX***XXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n");
  EXPECT_EQ(evalueespaceoeil(sept.p, NOIR, BLANC, sept.m, sept.z, sept.liste, NBCASES, vitaux, nb, 1, 1), 0);
  EXPECT_EQ(nb, 7);
  // A zone list of one point: dead, no vital point.
  Zone un = zone("XXXXXXX\nX*XXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\nXXXXXXX\n");
  EXPECT_EQ(evalueespaceoeil(un.p, NOIR, BLANC, un.m, un.z, un.liste, NBCASES, vitaux, nb, 0, 0), 1);
  EXPECT_EQ(nb, 0);
}

TEST(EnclosFeuilles, EdgeWalkBeyondAnExit) {
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\n.........\n.........\n..O.X....\n.........\n");
  // From (9,3) beyond the exit (9,2): (8,3) is white, met first.
  EXPECT_FALSE(sortiebordamie(p, TPoint{9, 2}, TPoint{9, 3}, 4, NOIR, BLANC));
  // From (9,4) beyond (9,3): (9,5) then (8,5) black.
  EXPECT_TRUE(sortiebordamie(p, TPoint{9, 3}, TPoint{9, 4}, 4, NOIR, BLANC));
  // The other way the edge meets (8,3) white first.
  EXPECT_FALSE(sortiebordamie(p, TPoint{9, 5}, TPoint{9, 4}, 4, NOIR, BLANC));
  // Out of reach beyond the limit.
  EXPECT_FALSE(sortiebordamie(p, TPoint{9, 8}, TPoint{9, 7}, 1, NOIR, BLANC));
  // From a corner point: false.
  EXPECT_FALSE(sortiebordamie(p, TPoint{9, 8}, TPoint{9, 9}, 4, NOIR, BLANC));
  EXPECT_FALSE(sortiebordamie(p, TPoint{8, 9}, TPoint{9, 9}, 4, NOIR, BLANC));
}

TEST(EnclosFeuilles, WeakWallChainsJoinTheInnerPoints) {
  ASSERT_TRUE(chargecles());
  niveau = 7;
  // The wall chain (1,4)-(2,4) has its two liberties inside the zone: once
  // the owner fills them it is gone; the strong wall (col 6) stays out.
  Zone zo = zone("..*WX.O\n*.*WX.O\nXXXXX.O\n......O\n......O\n......O\nOOOOOOO\n");
  for (int r = 1; r <= 3; ++r) zo.m[indexcase(r, 5)] = 1;
  TListePoints mur{};
  mur[0] = 0;
  empilepoint(mur, NBCASES, 1, 4);
  empilepoint(mur, NBCASES, 1, 7);
  TMarques z = zo.z;
  fixture::verifieinchange(zo.p, [&] { marquemurfaible(marquesvides, zo.p, NOIR, BLANC, mur, zo.m, z); });
  EXPECT_EQ(z[indexcase(1, 4)], 1);
  EXPECT_EQ(z[indexcase(2, 4)], 1);
  EXPECT_EQ(z[indexcase(1, 7)], 0);
}

}  // namespace
