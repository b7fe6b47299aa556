// Zone reading: the zone walk, the double-reduction test, the owner's
// correction and the alternating search with its node budget.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/territory/lecturezone.h"
#include "tests/support/fixture.h"

namespace {

class LectureZone : public ::testing::Test {
 protected:
  void SetUp() override {
    casesjouables.fill(1);
    pointko = TPoint{};
    flaginvasion = flaginvasion2 = 0;
  }
  void TearDown() override {
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

void possede(uint8_t c, std::initializer_list<std::pair<int, int>> points) {
  for (auto [r, col] : points) territoire[indexcase(r, col)] = c;
}

// Two black stones on the edge with three liberties each share the point
// (1, 3); the white stone under it makes (1, 3) a double reduction. White
// at (1, 3) then pushes along the edge until black's chain is taken.
constexpr const char* BORD7 = ".X.X...\n..O....\n.......\n.......\n.......\n.......\n.......\n";

TEST_F(LectureZone, ZoneWalk) {
  const TPlateau p = fixture::posemoteur(
      ".X.O.\n"
      "XX...\n"
      "..O..\n"
      ".....\n"
      ".....\n");
  possede(NOIR, {{1, 1}, {1, 3}, {3, 1}});
  pionsmorts[indexcase(1, 4)] = 1;
  TMarques faibles{};
  faibles[indexcase(2, 3)] = 2;
  TMarques vu{};
  TListePoints zone;
  zone[0] = 0;
  parcourtzonefermee(NOIR, p, zone, 0, 1, 1, faibles, vu, MAXPOINTSLISTE);
  // Own stones are crossed but not listed; territory, the dead stone and the
  // weak point are listed; (3, 3) and (2, 4) are none of these.
  std::string liste;
  for (int k = 1; k <= nbpoints(zone); ++k) {
    liste += '(';
    liste += std::to_string(ligneliste(zone, k));
    liste += ',';
    liste += std::to_string(colonneliste(zone, k));
    liste += ')';
  }
  EXPECT_EQ(liste, "(1,1)(3,1)(1,3)(2,3)(1,4)");
  EXPECT_FALSE(vu[indexcase(3, 3)]);
  EXPECT_FALSE(vu[indexcase(2, 4)]);
}

TEST_F(LectureZone, DoubleReduction) {
  struct Cas {
    const char* nom;
    const char* d;
    bool attendu;
  } cas[] = {
      {"two three-liberty chains and two empty neighbours",
       ".......\n...O...\n...X...\n.OX....\n.......\n.......\n.......\n", true},
      {"one chain has four liberties", ".......\n.......\n...X...\n.OX....\n.......\n.......\n.......\n", false},
      {"one chain touching twice counts once",
       ".......\n...O...\n..XX...\n.OX....\n..O....\n.......\n.......\n", false},
      {"no way out", ".......\n...O...\n...X...\n.OX.X..\n...X...\n.......\n.......\n", false},
      {"the liberties of a white neighbour are ways out",
       ".......\n...O...\n...X...\n.OX.O..\n...X...\n.......\n.......\n", true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    EXPECT_EQ(doublereduction(p, NOIR, 4, 4), k.attendu);
  }
}

TEST_F(LectureZone, CorrectionMovesValuesToTheAnswers) {
  const TPlateau p = fixture::posemoteur(
      ".......\n"
      ".......\n"
      "...X.X.\n"
      "..X...X\n"
      ".......\n"
      ".......\n"
      ".......\n");
  possede(NOIR, {{4, 4}, {4, 6}});
  TMarques carte{};
  carte[indexcase(4, 4)] = 30;
  carte[indexcase(4, 6)] = 50;
  carte[indexcase(6, 2)] = 7;  // not black's: left alone
  fixture::verifieinchange(p, [&] { corrigezones(carte, NOIR, p); });
  // White at (4, 4) keeps two liberties: black answers on the point itself
  // or next to it, leaving white in atari; (4, 5) keeps the first value.
  EXPECT_TRUE(fixture::memesgrilles(
      " 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0\n 0 0 0 0 0 0 0\n 0 0 0 30 30 50 0\n 0 0 0 30 0 50 0\n"
      " 0 7 0 0 0 0 0\n 0 0 0 0 0 0 0\n",
      fixture::grille(carte, 7, 3)));
}

TEST_F(LectureZone, FirstMoveValues) {
  const TPlateau p = fixture::posemoteur(BORD7);
  possede(NOIR, {{1, 1}, {1, 3}, {1, 5}});
  const TMarques territoireavant = territoire;
  for (uint8_t couleur : {NOIR, BLANC}) {
    SCOPED_TRACE(couleur);
    flaginvasion = flaginvasion2 = 0;
    TMarques resultat;
    resultat.fill(9);
    int32_t mode = 0;
    fixture::verifieinchange(p, [&] { analysezoneinvasion(resultat, couleur, p, mode); });
    EXPECT_EQ(mode, 0);
    EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
    TMarques attendu{};
    attendu[indexcase(1, 3)] = 10;  // white's push is worth one step
    EXPECT_TRUE(fixture::memesmarques(attendu, resultat, 7));
    // The intruder is white: the first flag when it is not the colour asked.
    EXPECT_EQ(flaginvasion, couleur == NOIR ? 1 : 0);
    EXPECT_EQ(flaginvasion2, couleur == BLANC ? 1 : 0);
  }
}

TEST_F(LectureZone, ModeOneSumsTheFirstMoveValues) {
  // The edge shape twice, on the top and the bottom edge of a 9x9 board.
  const TPlateau p = fixture::posemoteur(
      ".X.X.....\n"
      "..O......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "......O..\n"
      ".....X.X.\n");
  possede(NOIR, {{1, 1}, {1, 3}, {1, 5}, {9, 5}, {9, 7}, {9, 9}});
  const TMarques territoireavant = territoire;
  // The values one by one, from the full analysis asked for white (black's
  // pass is then not corrected).
  TMarques carte;
  int32_t zero = 0;
  analysezoneinvasion(carte, BLANC, p, zero);
  int32_t somme = 0;
  for (uint8_t v : carte) somme += v;
  EXPECT_EQ(somme, 20);
  // Mode 1: the same pass adds the values to the mode; the map is only read.
  TMarques masque;
  masque.fill(1);
  const TMarques masqueavant = masque;
  for (int32_t depart : {1, 4}) {
    int32_t mode = depart;
    fixture::verifieinchange(p, [&] { analysezoneinvasion(masque, NOIR, p, mode); });
    EXPECT_EQ(mode, depart - 1 + somme);
    EXPECT_TRUE(fixture::memesmarques(masqueavant, masque));
    EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
  }
  // Empty points unmarked in the map count as black's for the pass only.
  TMarques rien{};
  int32_t mode = 1;
  analysezoneinvasion(rien, NOIR, p, mode);
  EXPECT_GT(mode, 0);
  EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
  // With no black territory there is no zone to read.
  territoire.fill(VIDE);
  mode = 1;
  analysezoneinvasion(masque, NOIR, p, mode);
  EXPECT_EQ(mode, 0);
}

// A crowded 11x11 block whose zones outrun the node budget, black owning
// every empty point of it.
constexpr const char* LOURD[11] = {"OOX..X.OOO.", "...X.OOXX.X", "XX.OXO.....", "..OXXOXOO.O",
                                   ".XXO.O.X...", "X...XOO..O.", "O.O..O.X.XX", ".O.OX.XO...",
                                   "O.OXOX.OO.X", ".XO..X.O.X.", ".X.O..OOOO."};

TEST_F(LectureZone, NodeBudgetIsSharedByZonesAndPasses) {
  // The edge shape, colours exchanged, in white's corner: black reads it in
  // the second pass.
  const auto pose = [](bool lourd) {
    std::string d;
    for (int r = 1; r <= 19; ++r) {
      for (int c = 1; c <= 19; ++c) {
        char x = lourd && r <= 11 && c <= 11 ? LOURD[r - 1][c - 1] : '.';
        if ((r == 18 && c == 15)) x = 'X';
        if (r == 19 && (c == 14 || c == 16)) x = 'O';
        d += x;
      }
      d += '\n';
    }
    const TPlateau p = fixture::posemoteur(d);
    for (int r = 1; r <= 11 && lourd; ++r)
      for (int c = 1; c <= 11; ++c)
        if (p[indexcase(r, c)] == VIDE) territoire[indexcase(r, c)] = NOIR;
    possede(BLANC, {{19, 13}, {19, 15}, {19, 17}});
    return p;
  };
  // Alone, white's corner gives black's push a value.
  TMarques resultat;
  int32_t mode = 0;
  TPlateau p = pose(false);
  analysezoneinvasion(resultat, NOIR, p, mode);
  EXPECT_LT(compteurnoeuds, NOEUDSZONEMAX);
  EXPECT_EQ(resultat[indexcase(19, 15)], 10);
  // Behind the crowded block, black's pass spends the budget: every open
  // node returns 0 and the second pass reads nothing.
  p = pose(true);
  const TMarques territoireavant = territoire;
  fixture::verifieinchange(p, [&] { analysezoneinvasion(resultat, NOIR, p, mode); });
  EXPECT_EQ(compteurnoeuds, NOEUDSZONEMAX + 1);
  EXPECT_EQ(resultat[indexcase(19, 15)], 0);
  EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
}

}  // namespace
