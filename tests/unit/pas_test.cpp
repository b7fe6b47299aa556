// The visiting rules the walks are written with, and the liberty flood shared
// by the engine's plain-board play and the front end.
#include <gtest/gtest.h>

#include <vector>

#include "engine/board/etat.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

Points liste(const TListePoints& l) {
  Points v;
  for (int k = 1; k <= l[0]; ++k) v.emplace_back(l[2 * k], l[2 * k + 1]);
  return v;
}

// The chain rule enters stones depth first in the order row+1, row-1,
// column+1, column-1, never offers the point straight back, and shows every
// other neighbour to `avant` whether visited or not.
TEST(ReglesDeVisite, ChainRuleOrderAndHooks) {
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      "..O..\n"
      ".XX..\n"
      "..X..\n"
      ".....\n");
  TMarques vu = marquesvides;
  Points entres, vides, autres;
  int avant = 0;
  marchechaine(p, vu, NOIR, 0, 3, 3,
               RegleChaine{.entre = [&](int32_t, int32_t r, int32_t c) { entres.emplace_back(r, c); },
                           .avant = [&](const Etape&) { ++avant; },
                           .vide =
                               [&](const Etape& e) {
                                 vu[e.j] = 1;
                                 vides.emplace_back(e.r, e.c);
                               },
                           .autre = [&](const Etape& e) { autres.emplace_back(e.r, e.c); }});
  EXPECT_EQ(entres, (Points{{3, 3}, {4, 3}, {3, 2}}));
  // (4,2) is recorded from (4,3) and then skipped from (3,2).
  EXPECT_EQ(vides, (Points{{5, 3}, {4, 4}, {4, 2}, {3, 4}, {2, 2}, {3, 1}}));
  EXPECT_EQ(autres, (Points{{2, 3}}));
  EXPECT_EQ(avant, 4 + 3 + 3);
}

// Pas::arrete leaves the rest of one stone's neighbours; the end test stops
// the whole walk. The walks that flag a neighbour rely on the difference.
TEST(ReglesDeVisite, ArreteEndsOneStoneFiniEndsTheWalk) {
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      ".....\n"
      ".XO..\n"
      ".XO..\n"
      ".O...\n");
  struct Cas {
    const char* nom;
    bool arrete, fini;
    int autres, vides;
  };
  for (const Cas& k : {Cas{"neither", false, false, 3, 3}, Cas{"arrete", true, false, 2, 1},
                       Cas{"fini", false, true, 1, 0}}) {
    SCOPED_TRACE(k.nom);
    TMarques vu = marquesvides;
    int autres = 0, vides = 0;
    bool vu_autre = false;
    marchechaine(p, vu, NOIR, 0, 3, 2,
                 RegleChaine{.vide = [&](const Etape&) { ++vides; },
                             .autre =
                                 [&](const Etape&) {
                                   ++autres;
                                   vu_autre = true;
                                   return k.arrete ? Pas::arrete : Pas::saute;
                                 },
                             .fini = [&] { return k.fini && vu_autre; }});
    // From (3,2): (4,2) is crossed first; there (5,2) and (4,3) are white,
    // (4,1) empty; back at (3,2): (2,2) empty, (3,3) white, (3,1) empty.
    EXPECT_EQ(autres, k.autres);
    EXPECT_EQ(vides, k.vides);
  }
}

// The zone rule offers each unvisited neighbour once and marks what it enters.
TEST(ReglesDeVisite, ZoneRuleSkipsVisitedPoints) {
  fixture::posemoteur(
      "...\n"
      "...\n"
      "...\n");
  TMarques vu = marquesvides;
  vu[indexcase(2, 2)] = 1;
  Points entres;
  marchezone(vu, 0, 1, 1,
             Regle{.entre = [&](int32_t, int32_t r, int32_t c) { entres.emplace_back(r, c); },
                   .voisin = [&](const Etape&) { return Pas::suit; }});
  EXPECT_EQ(entres, (Points{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}}));
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(vu[indexcase(r, c)], 1) << r << "," << c;
}

// The liberty flood lists the stones it passes before it meets a liberty:
// each stone is tested before it is listed, and the first liberty ends it.
TEST(FloodLiberte, ListsTheStonesBeforeTheFirstLiberty) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    int32_t cap;
    bool libre;
    Points pierres;
  };
  const Cas cas[] = {
      {"liberty next to the third stone", "OO.O.\nXXXO.\nOOOO.\n.....\n.....\n", 300, true, {{2, 1}, {2, 2}}},
      {"no liberty: every stone listed", "OOOO.\nXXXO.\nOOOO.\n.....\n.....\n", 300, false,
       {{2, 1}, {2, 2}, {2, 3}}},
      {"no liberty, list of two", "OOOO.\nXXXO.\nOOOO.\n.....\n.....\n", 2, false, {{2, 1}, {2, 2}}},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.diagramme);
    TListePoints l{};
    TMarques vu = marquesvides;
    EXPECT_EQ(chainealiberte(p, 5, &l, k.cap, 2, 1, vu), k.libre);
    EXPECT_EQ(liste(l), k.pierres);
  }
}

// The flood looks only at the board size it is given: the front end floods
// its own board, which may be smaller than the array.
TEST(FloodLiberte, StaysOnTheBoardSizeGiven) {
  const TPlateau p = fixture::posemoteur(
      "...OX\n"
      "...OX\n"
      "....O\n"
      ".....\n"
      ".....\n");
  TMarques vu = marquesvides;
  EXPECT_FALSE(chainealiberte(p, 5, nullptr, 0, 1, 5, vu));
  vu = marquesvides;
  EXPECT_TRUE(chainealiberte(p, 19, nullptr, 0, 1, 5, vu));
}

}  // namespace
