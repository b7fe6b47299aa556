// Zone evaluation: the solid-pair test, the zone fills, the shape and
// invasion tests, and the weak points of a colour's area. X is the colour
// whose area is prepared, O the other one.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/territory/zones.h"
#include "tests/support/fixture.h"

namespace {

class Zones : public ::testing::Test {
 protected:
  void TearDown() override {
    flagmarquesmorts = 0;
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

// The liberty map of evaluezones for the X stones of the board.
TCarte libertesde(const TPlateau& p) {
  TCarte l{};
  for (int j = 0; j < NBCASES; ++j)
    if (p[j] == NOIR) l[j] = infochaine[j][0] ? infochaine[j][0] : 1;
  return l;
}

TEST_F(Zones, SolidPair) {
  // The empty pair (5,4)-(5,5) flanked by A = (6,4) and B = (4,5).
  struct Cas {
    const char* nom;
    const char* d;
    int32_t limite;
    bool solide;
  } cas[] = {
      {"L = 2, both chains with 3 liberties or more", ".........\n.........\n.........\n....X....\n.........\n"
                                                      "...X.....\n.........\n.........\n.........\n",
       2, true},
      {"L = 2, A with 2 liberties", ".........\n.........\n.........\n....X....\n.........\n"
                                    "..OX.....\n...O.....\n.........\n.........\n",
       2, false},
      {"L = 4, A with 2 liberties", ".........\n.........\n.........\n....X....\n.........\n"
                                    "..OX.....\n...O.....\n.........\n.........\n",
       4, false},
      {"L = 2 passes over A with 3 liberties", ".........\n.........\n.........\n....X....\n.........\n"
                                               "...X.....\n...O.....\n.........\n.........\n",
       2, true},
      {"L = 3, A with 3 liberties, one of them opening onto room",
       ".........\n.........\n.........\n....X....\n.........\n...X.....\n...O.....\n.........\n.........\n", 3,
       false},
      {"L = 3, A's liberty backed by two own chains", ".........\n.........\n.........\n....X....\n.........\n"
                                                      "...X.X...\n...OX....\n.........\n.........\n",
       3, true},
      {"L = 4, both flanks with two liberties opening onto open space",
       ".........\n.........\n.........\n....X....\n.........\n...X.....\n.........\n.........\n.........\n", 4,
       true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    fixture::verifieinchange(p, [&] {
      EXPECT_EQ(zones::pairesolide(p, k.limite, {5, 4}, {5, 5}, {6, 4}, {4, 5}), k.solide);
    });
  }
}

TEST_F(Zones, NeutralPairsOfTheZone) {
  struct Cas {
    const char* nom;
    const char* avant;
    const char* attendu;
  } cas[] = {
      {"enemy beside the first point: the second is filled",
       ".........\n.........\n....X....\n...OX....\n.........\n...X.....\n...X.....\n.........\n.........\n",
       ".........\n.........\n....X....\n...OX....\n....X....\n...X.....\n...X.....\n.........\n.........\n"},
      {"enemy beside the second point: the first is filled",
       ".........\n.........\n....X....\n....X....\n.........\n...XO....\n...X.....\n.........\n.........\n",
       ".........\n.........\n....X....\n....X....\n...X.....\n...XO....\n...X.....\n.........\n.........\n"},
      {"solid pair confirmed: both flanks with 3 liberties or more",
       ".........\n.........\n.........\n....X....\n.........\n...X.....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n...X.....\n...X.....\n.........\n.........\n.........\n"},
      {"enemy stones beside both points (L = 4): flanks with room hold, the second point is filled",
       ".........\n.........\n.........\n...OX....\n.........\n...XO....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n...OX....\n....X....\n...XO....\n.........\n.........\n.........\n"},
      {"never with a flank under 3 liberties",
       ".........\n.........\n.........\n....X....\n.........\n..OX.....\n...O.....\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n.........\n..OX.....\n...O.....\n.........\n.........\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.avant);
    zones::remplitcasesneutreszone(0, p, libertesde(p), BLANC, NOIR);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, fixture::texteplateau(p, 9)));
  }
}

TEST_F(Zones, EdgeJoinsOfTheZone) {
  struct Cas {
    const char* nom;
    const char* avant;
    const char* attendu;
  } cas[] = {
      {"third-line stone with 4 liberties", ".........\n.........\n.........\n.........\n..X......\n.........\n"
                                            ".........\n.........\n.........\n",
       ".........\n.........\n.........\n.........\nXXX......\n.........\n.........\n.........\n.........\n"},
      {"third-line stone with 2 liberties", ".........\n.........\n.........\n..O......\n..X......\n..O......\n"
                                            ".........\n.........\n.........\n",
       ".........\n.........\n.........\n..O......\n..X......\n..O......\n.........\n.........\n.........\n"},
      {"first-line stone third from the corner", "..X......\n.........\n.........\n.........\n.........\n"
                                                 ".........\n.........\n.........\n.........\n",
       "XXX......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"an enemy stone in the corner block", "..X......\n.O.......\n.........\n.........\n.........\n"
                                             ".........\n.........\n.........\n.........\n",
       "..X......\n.O.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.avant);
    zones::rejointbordzone(0, p, NOIR, BLANC);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, fixture::texteplateau(p, 9)));
  }
}

TEST_F(Zones, ClosedShapes) {
  struct Cas {
    const char* nom;
    const char* d;
    int r, c;
    bool horizontal, ferme;
  } cas[] = {
      {"own stones on both sides within 3", ".........\n.........\n.........\n.........\n...X..X..\n.........\n"
                                            ".........\n.........\n.........\n",
       5, 5, true, true},
      {"an enemy stone on the line", ".........\n.........\n.........\n.........\n...X.OX..\n.........\n"
                                     ".........\n.........\n.........\n",
       5, 5, true, false},
      {"an own stone beside the line closes", ".........\n.........\n.........\n.....X...\n...X.....\n"
                                              ".........\n.........\n.........\n.........\n",
       5, 5, true, true},
      {"nothing within 3 and far from the edge", ".........\n.........\n.........\n.........\n...X.....\n"
                                                  ".........\n.........\n.........\n.........\n",
       5, 5, true, false},
      {"the edge within 3 closes", ".........\n.........\n.........\n.........\n.....X...\n.........\n"
                                   ".........\n.........\n.........\n",
       5, 7, true, true},
      {"touched by the enemy on the way to the edge", ".........\n.........\n.........\n.......O.\n.....X...\n"
                                                       ".........\n.........\n.........\n.........\n",
       5, 7, true, false},
      {"along the column", ".........\n.........\n....X....\n.........\n.........\n....X....\n.........\n"
                           ".........\n.........\n",
       5, 5, false, true},
      {"the same stones do not close the row", ".........\n.........\n....X....\n.........\n.........\n"
                                               "....X....\n.........\n.........\n.........\n",
       5, 5, true, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    EXPECT_EQ(zones::formeferme(p, k.r, k.c, BLANC, NOIR, k.horizontal), k.ferme);
  }
}

TEST_F(Zones, InvasionPoints) {
  struct Cas {
    const char* nom;
    const char* d;
    bool point, invasion;  // pointinvasion; invasionpossible with X at (5,5)
  } cas[] = {
      {"two enemy stones cut apart", ".........\n.........\n.........\n....O....\n...X.X...\n....O....\n"
                                     ".........\n.........\n.........\n",
       true, true},
      {"two enemy stones joined round the point", ".........\n.........\n.........\n....OO...\n...X.O...\n"
                                                  "....OO...\n.........\n.........\n.........\n",
       true, false},
      {"two enemy stones that the diagonals would join, cut twice", ".........\n.........\n.........\n"
                                                                     "....O....\n...X.....\n....O....\n"
                                                                     ".........\n.........\n.........\n",
       true, true},
      {"one enemy stone", ".........\n.........\n.........\n....O....\n...X.....\n.........\n.........\n"
                          ".........\n.........\n",
       false, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.d);
    const TCarte l = libertesde(p);
    EXPECT_EQ(zones::pointinvasion(p, l, 5, BLANC, 5), k.point);
    p[indexcase(5, 5)] = NOIR;
    const TPlateau avec = p;
    EXPECT_EQ(zones::invasionpossible(p, l, 5, NOIR, BLANC, 5), k.invasion);
    EXPECT_TRUE(fixture::memesplateaux(avec, p));
  }
  // The own stone near the point must be one of the recorded ones.
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n...XO....\n.........\n....O....\n.........\n.........\n.........\n");
  TCarte l{};
  EXPECT_FALSE(zones::pointinvasion(p, l, 5, BLANC, 5));
  l[indexcase(4, 4)] = 3;  // a diagonal neighbour
  EXPECT_TRUE(zones::pointinvasion(p, l, 5, BLANC, 5));
}

// Two white stones in black's area that a black stone at (5,5) cuts apart.
constexpr const char* kCoupe =
    ".........\n.........\n.........\n....O....\n...X.....\n....O....\n.........\n.........\n.........\n";

TEST_F(Zones, WeakPoints) {
  struct Cas {
    const char* nom;
    const char* d;
    int32_t compteur;   // on entry
    TPoint marque;      // a mark on entry, (0, 0) none
    int32_t attendu;    // counter after
    bool marquee;       // (5,5) marked
  } cas[] = {
      {"a cutting point", kCoupe, 0, {}, 1, true},
      {"the enemy stones already joined", ".........\n.........\n.........\n....OO...\n...X.O...\n....OO...\n"
                                          ".........\n.........\n.........\n",
       0, {}, 0, false},
      {"counter already set, no mark near", kCoupe, 1, {}, 1, true},
      {"counter already set, a mark within 2", kCoupe, 1, {3, 3}, 2, true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.d);
    const TInfoChaine chaines = infochaine;
    TMarques marques = marquesvides;
    if (k.marque.ligne) marques[indexcase(k.marque.ligne, k.marque.colonne)] = 1;
    int32_t compteur = k.compteur;
    evaluezones(marques, marquesvides, 1, compteur, BLANC, BLANC, NOIR, p);
    EXPECT_EQ(compteur, k.attendu);
    EXPECT_EQ(marques[indexcase(5, 5)], k.marquee ? 1 : 0);
    EXPECT_EQ(infochaine, chaines);
    int marquees = 0;
    for (int j = 0; j < NBCASES; ++j) marquees += marques[j] != 0;
    EXPECT_EQ(marquees, (k.marquee ? 1 : 0) + (k.marque.ligne ? 1 : 0));
  }
  // The prepared board of the first case: the strong stone's fill, then the
  // third-line join; the cutting point is left empty.
  TPlateau p = fixture::posemoteur(kCoupe);
  TMarques marques = marquesvides;
  int32_t compteur = 0;
  evaluezones(marques, marquesvides, 1, compteur, BLANC, BLANC, NOIR, p);
  EXPECT_TRUE(fixture::memesgrilles(
      ".........\n.........\n.........\n....O....\nXXXX.....\n....O....\n.........\n.........\n.........\n",
      fixture::texteplateau(p, 9)));
}

TEST_F(Zones, StonesComeBack) {
  // 13 lines: the growth step runs unless the dead-marks flag is set. The
  // masked X stone at (7,7) touches O at (7,8) and the masked O stone at
  // (9,10) touches O at (9,11): lifted, both points are taken by the growth.
  // The stones come back first and the growth's points are emptied after,
  // so with the growth both points end empty; without it both stones return.
  constexpr const char* d =
      ".............\n.............\n.............\n...X.........\n.............\n.............\n"
      "......XO.....\n.............\n.........OO..\n.............\n.............\n.............\n"
      ".............\n";
  struct Cas {
    uint8_t flag;
    TPoint point;
    uint8_t attendu;
  } cas[] = {
      {0, {7, 7}, VIDE}, {0, {9, 10}, VIDE}, {0, {4, 4}, NOIR}, {0, {7, 8}, BLANC}, {0, {9, 11}, BLANC},
      {1, {7, 7}, NOIR}, {1, {9, 10}, BLANC}, {1, {4, 4}, NOIR}, {1, {7, 8}, BLANC}, {1, {9, 11}, BLANC},
  };
  for (const uint8_t flag : {0, 1}) {
    SCOPED_TRACE(::testing::Message() << "flagmarquesmorts " << int(flag));
    flagmarquesmorts = flag;
    TPlateau p = fixture::posemoteur(d);
    const TPlateau depart = p;
    const TInfoChaine chaines = infochaine;
    TMarques masque = marquesvides;
    masque[indexcase(7, 7)] = 1;
    masque[indexcase(9, 10)] = 1;
    TMarques marques = marquesvides;
    int32_t compteur = 0;
    evaluezones(marques, masque, 1, compteur, NOIR, BLANC, NOIR, p);
    EXPECT_EQ(infochaine, chaines);
    for (const auto& k : cas) {
      if (k.flag != flag) continue;
      EXPECT_EQ(p[indexcase(k.point.ligne, k.point.colonne)], k.attendu)
          << "point (" << k.point.ligne << "," << k.point.colonne << ")";
    }
    // No O stone but those of the position.
    for (int j = 0; j < NBCASES; ++j)
      if (p[j] == BLANC) {
        EXPECT_EQ(depart[j], BLANC) << "point " << j;
      }
  }
}

}  // namespace
