// Zone marking of the enclosed-chain reading: the empty-point limit, the
// enclosed areas, the first-line exits, what the flood crosses and what
// fences it.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/reading/enclos_zone.h"
#include "tests/support/fixture.h"

namespace {

struct Marquage {
  TListePoints liste{};
  TMarques zone{};
  TPoint a{}, b{};
  uint8_t abandon = 0;
};

// Marks the zone of the chain at (r, c) against white (black is the owner).
Marquage marque(const TPlateau& p, int r, int c, int limite, const TMarques& morts = marquesvides) {
  Marquage m;
  m.liste[0] = 0;
  m.zone.fill(0);
  marquevidesentoures(morts, p, m.liste, NBCASES, m.zone, m.a, m.b, r, c, limite, BLANC, m.abandon);
  return m;
}

bool dansliste(const TListePoints& l, int r, int c) {
  for (int k = 1; k <= nbpoints(l); ++k)
    if (ligneliste(l, k) == r && colonneliste(l, k) == c) return true;
  return false;
}

TEST(EnclosZone, EmptyPointLimit) {
  // Nine empty points in the corner: the depth 8 gives up, 9 does not.
  const TPlateau p = fixture::posemoteur(
      "...XO....\n...XO....\n...XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n.........\n");
  EXPECT_EQ(marque(p, 4, 1, 8).abandon, 1);
  const Marquage m = marque(p, 4, 1, 9);
  EXPECT_EQ(m.abandon, 0);
  EXPECT_TRUE(fixture::memesgrilles(" 1 1 1 1 1 0 0 0 0\n"
                                    " 1 1 1 1 1 0 0 0 0\n"
                                    " 1 1 1 1 1 0 0 0 0\n"
                                    " 1 1 1 1 1 0 0 0 0\n"
                                    " 1 1 1 1 1 0 0 0 0\n"
                                    " 0 0 0 0 0 0 0 0 0\n"
                                    " 0 0 0 0 0 0 0 0 0\n"
                                    " 0 0 0 0 0 0 0 0 0\n"
                                    " 0 0 0 0 0 0 0 0 0\n",
                                    fixture::grille(m.zone, 9)));
  // The fence is marked but not listed: the list holds the flood only.
  EXPECT_EQ(nbpoints(m.liste), 9 + 7);
  EXPECT_FALSE(dansliste(m.liste, 1, 5));
}

TEST(EnclosZone, EnclosedAreasCountTogether) {
  // The white chain inside holds two one-point areas the flood never
  // enters. With the flood's one empty point, each fits a limit of 2; both
  // together do not.
  const TPlateau p = fixture::posemoteur(
      ".XXXXXO..\nXOOOOXO..\nXO.O.XO..\nXOOOOXO..\nXXXXXXO..\nOOOOOOO..\n.........\n.........\n.........\n");
  const Marquage m2 = marque(p, 2, 1, 3);
  EXPECT_EQ(m2.abandon, 0);
  EXPECT_EQ(m2.zone[indexcase(3, 3)], 1);
  EXPECT_EQ(m2.zone[indexcase(3, 5)], 1);
  EXPECT_FALSE(dansliste(m2.liste, 3, 3));
  EXPECT_EQ(marque(p, 2, 1, 2).abandon, 1);
}

TEST(EnclosZone, AreaTouchingAStoneOutsideIsNotEnclosed) {
  // The area (3,3)-(3,4) inside the white chain touches the black stone
  // (4,3), which is not in the zone. The flood of (3,3) meets that stone at
  // once; (3,4) must not then pass for an enclosed area of its own.
  const TPlateau p = fixture::posemoteur(
      ".XXXXXO..\nXOOOOXO..\nXO..OXO..\nXOXOOXO..\nXOOOOXO..\nXXXXXXO..\nOOOOOOO..\n.........\n.........\n");
  const Marquage m = marque(p, 2, 1, 14);
  EXPECT_EQ(m.abandon, 0);
  EXPECT_EQ(m.zone[indexcase(3, 3)], 0);
  EXPECT_EQ(m.zone[indexcase(3, 4)], 0);
  EXPECT_EQ(m.zone[indexcase(4, 3)], 0);
}

TEST(EnclosZone, AreaOfThirtyTwoPointsIsNeverEnclosed) {
  configmoteur.taille = 19;
  construittables(19);
  const TPlateau p = plateauvide();
  // Rows 2-5, columns 2-9: 32 empty points whose surroundings are all zone.
  TMarques vu = marquesvides, zone = marquesvides;
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c)
      if (r < 2 || r > 5 || c < 2 || c > 9) vu[indexcase(r, c)] = zone[indexcase(r, c)] = 1;
  int32_t compte = 0;
  TMarques v32 = vu, z32 = zone;
  EXPECT_FALSE(regardesicevidenestentourequedetest1rec(p, v32, z32, 2, 2, 1, 19, 1, 19, compte));
  EXPECT_TRUE(fixture::memesmarques(zone, z32));
  // One point fewer: 31 points are enclosed and marked.
  vu[indexcase(5, 9)] = zone[indexcase(5, 9)] = 1;
  EXPECT_TRUE(regardesicevidenestentourequedetest1rec(p, vu, zone, 2, 2, 1, 19, 1, 19, compte));
  EXPECT_EQ(compte, 31);
  EXPECT_EQ(zone[indexcase(4, 5)], 1);
  // An area reaching outside the box is not enclosed.
  TMarques vu2 = marquesvides, zone2 = marquesvides;
  EXPECT_FALSE(regardesicevidenestentourequedetest1rec(p, vu2, zone2, 10, 10, 9, 11, 9, 11, compte));
}

TEST(EnclosZone, CrossesStonesInAtariAndStopsAtFences) {
  // The white stone (1,2) is in atari: crossed and listed. The white chain
  // (1,5)-(1,6) has two liberties: marked, not crossed, not listed.
  const TPlateau p = fixture::posemoteur(
      "XO..OO.XO\nXXXXXXXXO\nOOOOOOOOO\n.........\n.........\n.........\n.........\n.........\n.........\n");
  const Marquage m = marque(p, 2, 1, 14);
  EXPECT_EQ(m.abandon, 0);
  EXPECT_TRUE(dansliste(m.liste, 1, 2));
  EXPECT_TRUE(dansliste(m.liste, 1, 3));
  EXPECT_TRUE(dansliste(m.liste, 1, 7));
  EXPECT_EQ(m.zone[indexcase(1, 5)], 1);
  EXPECT_FALSE(dansliste(m.liste, 1, 5));
  // Marked dead, the chain (1,5)-(1,6) is crossed too.
  TMarques morts = marquesvides;
  morts[indexcase(1, 5)] = morts[indexcase(1, 6)] = 1;
  const Marquage m2 = marque(p, 2, 1, 14, morts);
  EXPECT_EQ(m2.abandon, 0);
  EXPECT_TRUE(dansliste(m2.liste, 1, 5));
  EXPECT_TRUE(dansliste(m2.liste, 1, 6));
}

TEST(EnclosZone, ExitsStopTheFlood) {
  // (9,2) and (9,8) lie under the second-line white chain: exits, and the
  // flood goes no further along the edge; beyond them the black stones
  // (9,3) and (9,7) stay outside the zone, so both exits lead out.
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\nOOOOOOOOO\nXXXXXXXXX\nXOOOOOOOX\n..X...X..\n");
  const Marquage m = marque(p, 7, 1, 14);
  EXPECT_EQ(m.abandon, 0);
  EXPECT_EQ(m.a.ligne, 9);
  EXPECT_EQ(m.a.colonne, 2);
  EXPECT_EQ(m.b.ligne, 9);
  EXPECT_EQ(m.b.colonne, 8);
  EXPECT_EQ(m.zone[indexcase(9, 3)], 0);
  EXPECT_EQ(m.zone[indexcase(9, 5)], 0);
  EXPECT_EQ(m.zone[indexcase(9, 7)], 0);
  // Without the stones beyond, the row between the exits is an enclosed
  // area: the exits no longer lead out.
  const TPlateau q = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\nOOOOOOOOO\nXXXXXXXXX\nXOOOOOOOX\n.........\n");
  const Marquage m2 = marque(q, 7, 1, 14);
  EXPECT_EQ(m2.abandon, 0);
  EXPECT_EQ(m2.zone[indexcase(9, 5)], 1);
  EXPECT_EQ(m2.a.ligne, 0);
  EXPECT_EQ(m2.b.ligne, 0);
}

TEST(EnclosZone, ThirdExitLeadingOutAborts) {
  // Four exits (9,2), (9,4), (9,6), (9,8), each with a black stone beyond.
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\nOOOOOOOOO\nXXXXXXXXX\nXOOOXOOOX\n..X...X..\n");
  EXPECT_EQ(marque(p, 7, 1, 14).abandon, 1);
}

TEST(EnclosZone, NoExitWithAKoElsewhere) {
  // The engine's ko point has nothing to do with the zone's exits.
  const TPlateau p = fixture::posemoteur(
      "...XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n.........\n.........\n.........\n");
  pointko = TPoint{7, 7};
  const Marquage m = marque(p, 2, 1, 14);
  pointko = TPoint{};
  EXPECT_EQ(m.abandon, 0);
  EXPECT_EQ(m.a.ligne, 0);
  EXPECT_EQ(m.b.ligne, 0);
}

}  // namespace
