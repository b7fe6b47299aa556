// Territory preparation: the pattern fills and their drivers. X is the
// colour prepared, O the other one.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/territory/preparation.h"
#include "tests/support/fixture.h"

namespace {

class Preparation : public ::testing::Test {
 protected:
  void TearDown() override {
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

using Remplissage = std::function<void(TPlateau&)>;

// The board after `f`, as a diagram.
std::string apres(std::string_view d, const Remplissage& f) {
  TPlateau p = fixture::posemoteur(d);
  f(p);
  return fixture::texteplateau(p, configmoteur.taille);
}

constexpr const char* kVide9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

TEST_F(Preparation, PatternFills) {
  struct Cas {
    const char* nom;
    Remplissage f;
    const char* avant;
    const char* attendu;
  } cas[] = {
      {"two-point gap along a row", [](TPlateau& p) { fermebreches(p, NOIR); },
       ".........\n.........\n.........\n.........\n..X..X...\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n.........\n..XXXX...\n.........\n.........\n.........\n.........\n"},
      {"two-point gap along a column", [](TPlateau& p) { fermebreches(p, NOIR); },
       ".........\n.........\n....X....\n.........\n.........\n....X....\n.........\n.........\n.........\n",
       ".........\n.........\n....X....\n....X....\n....X....\n....X....\n.........\n.........\n.........\n"},
      {"a gap with a stone beside it stays", [](TPlateau& p) { fermebreches(p, NOIR); },
       ".........\n.........\n.........\n....O....\n..X..X...\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....O....\n..X..X...\n.........\n.........\n.........\n.........\n"},
      {"8 lines: a gap along a row", [](TPlateau& p) { fermebreches(p, NOIR); },
       "........\n........\n........\n..X..X..\n........\n........\n........\n........\n",
       "........\n........\n........\n..XXXX..\n........\n........\n........\n........\n"},
      {"8 lines: a gap along a column", [](TPlateau& p) { fermebreches(p, NOIR); },
       "........\n........\n...X....\n........\n........\n...X....\n........\n........\n",
       "........\n........\n...X....\n...X....\n...X....\n...X....\n........\n........\n"},
      {"7 lines: no vertical gap is closed", [](TPlateau& p) { fermebreches(p, NOIR); },
       ".......\n.......\n...X...\n.......\n.......\n...X...\n.......\n",
       ".......\n.......\n...X...\n.......\n.......\n...X...\n.......\n"},
      {"one-point gap between strong stones", [](TPlateau& p) { fermeecarts(0, p, NOIR); },
       ".........\n.........\n.........\n....X....\n.........\n....X....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n....X....\n....X....\n.........\n.........\n.........\n"},
      {"no gap closing toward a chain in atari", [](TPlateau& p) { fermeecarts(0, p, NOIR); },
       ".........\n.........\n.........\n....X....\n.........\n...OXO...\n....O....\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n.........\n...OXO...\n....O....\n.........\n.........\n"},
      {"fourth-line stones joined to the edge", [](TPlateau& p) { rejointbord4(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n...X.....\n...X.....\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nXXXX.....\nXXXX.....\n.........\n.........\n.........\n.........\n"},
      {"no fourth-line join with an enemy stone under it", [](TPlateau& p) { rejointbord4(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n...X.....\n...X.....\n.O.......\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nXXXX.....\n...X.....\n.O.......\n.........\n.........\n.........\n"},
      {"third-line stone joined to the edge", [](TPlateau& p) { rejointbord3(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n.........\n......X..\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n.........\n......XXX\n.........\n.........\n.........\n.........\n"},
      {"keep-eyes: the edge eye stays empty", [](TPlateau& p) { rejointbord3(1, p, NOIR, BLANC); },
       ".........\n.........\n.........\nX........\n..X......\nX........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nX........\n.XX......\nX........\n.........\n.........\n.........\n"},
      {"without keep-eyes the edge eye is filled", [](TPlateau& p) { rejointbord3(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\nX........\n..X......\nX........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nX........\nXXX......\nX........\n.........\n.........\n.........\n"},
      {"second line under a first-line stone", [](TPlateau& p) { completedeuxiemeligne(p, NOIR); },
       ".........\n.........\n.........\n.X.......\nX........\n.X.......\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n.X.......\nXX.......\n.X.......\n.........\n.........\n.........\n"},
      {"second line: three own around is not the pattern", [](TPlateau& p) { completedeuxiemeligne(p, NOIR); },
       ".........\n.........\n.........\n.X.......\nX.X......\n.X.......\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n.X.......\nX.X......\n.X.......\n.........\n.........\n.........\n"},
      {"edge block on the lower side", [](TPlateau& p) { bloquebordennemi(p, NOIR, BLANC); },
       ".........\n.........\n.........\n.........\nOX.......\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nX........\nOX.......\n.........\n.........\n.........\n.........\n"},
      {"edge block on the upper side when the lower one is held", [](TPlateau& p) { bloquebordennemi(p, NOIR, BLANC); },
       ".........\n.........\n.O.......\n.........\nOX.......\n.........\n.........\n.........\n.........\n",
       ".........\n.........\n.O.......\n.........\nOX.......\nX........\n.........\n.........\n.........\n"},
      {"neutral pair between two own stones", [](TPlateau& p) { remplitcasesneutres(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n....X....\n.........\n...X.....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n...X.....\n...X.....\n.........\n.........\n.........\n"},
      {"no neutral pair with an enemy stone beside it", [](TPlateau& p) { remplitcasesneutres(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n...OX....\n.........\n...X.....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n...OX....\n.........\n...X.....\n.........\n.........\n.........\n"},
      {"first line under a strong second-line stone", [](TPlateau& p) { remplitcasesneutres(0, p, NOIR, BLANC); },
       ".........\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       "....X....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"diagonal pair: the point in the stone's row", [](TPlateau& p) { remplitcasesneutres(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\n.........\n....X....\n.....X...\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n.........\n....XX...\n.....X...\n.........\n.........\n.........\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, apres(k.avant, k.f)));
  }
}

TEST_F(Preparation, FillUnlessOneEnemy) {
  const TPlateau depart = fixture::posemoteur(
      ".....\n"
      ".O...\n"
      "O.O..\n"
      ".XXX.\n"
      "..X..\n");
  struct Cas {
    int r, c;
    bool rempli;
  } cas[] = {
      {1, 2, true},   // one enemy neighbour
      {2, 3, false},  // two enemy neighbours
      {3, 2, false},  // three enemy neighbours
      {5, 4, true},   // no enemy but an empty neighbour
      {1, 1, true},   // corner, empty neighbours only
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(::testing::Message() << k.r << "," << k.c);
    TPlateau p = depart;
    EXPECT_EQ(remplitsiunennemi(p, k.r, k.c, BLANC, NOIR), k.rempli);
    EXPECT_EQ(p[indexcase(k.r, k.c)], k.rempli ? NOIR : VIDE);
  }
  // Surrounded by own stones only: nothing to fill for.
  TPlateau p = fixture::posemoteur(".X.\nX.X\n.X.\n");
  EXPECT_FALSE(remplitsiunennemi(p, 2, 2, BLANC, NOIR));
  // An occupied point is never overwritten.
  EXPECT_FALSE(remplitsiunennemi(p, 1, 2, BLANC, NOIR));
}

TEST_F(Preparation, NeighbourFillsWriteTheirLiberty) {
  // X at (3,3) has 4 liberties; O at (2,4) touches (2,3) and (3,4).
  constexpr const char* d =
      ".....\n"
      "...O.\n"
      "..X..\n"
      ".....\n"
      ".....\n";
  struct Cas {
    const char* nom;
    void (*f)(TPlateau&, uint8_t, int32_t, int32_t);
    const char* attendu;
  } cas[] = {
      {"strong", remplitautourfort, ".....\n..XO.\n.XXX.\n..X..\n.....\n"},
      {"weak", remplitautourfaible, ".....\n...O.\n.XX..\n..X..\n.....\n"},
      {"around", remplitautour, ".....\n...O.\n.XX..\n..X..\n.....\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(d);
    k.f(p, NOIR, 3, 3);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, fixture::texteplateau(p, 5)));
    for (int j = 0; j < NBCASES; ++j)
      if (p[j] == NOIR && j != indexcase(3, 3)) {
        EXPECT_EQ(infochaine[j][0], 2) << j;
      }
  }
  // remplitautour does nothing beside an enemy stone.
  TPlateau p = fixture::posemoteur(".....\n.....\n..XO.\n.....\n.....\n");
  remplitautour(p, NOIR, 3, 3);
  EXPECT_TRUE(fixture::memesgrilles(".....\n.....\n..XO.\n.....\n.....\n", fixture::texteplateau(p, 5)));
  // A stone in atari writes 1.
  p = fixture::posemoteur(".....\n..O..\n.OX..\n..O..\n.....\n");
  remplitautourfort(p, NOIR, 3, 3);
  EXPECT_EQ(p[indexcase(3, 4)], NOIR);
  EXPECT_EQ(infochaine[indexcase(3, 4)][0], 1);
  // remplitvoisins: owned by X in territoire or territoire2, no enemy beside.
  p = fixture::posemoteur(d);
  territoire[indexcase(4, 3)] = NOIR;
  territoire2[indexcase(3, 2)] = NOIR;
  territoire[indexcase(3, 4)] = NOIR;  // beside the O stone
  remplitvoisins(p, NOIR, 3, 3);
  EXPECT_TRUE(fixture::memesgrilles(".....\n...O.\n.XX..\n..X..\n.....\n", fixture::texteplateau(p, 5)));
}

TEST_F(Preparation, LoneEdgeStonesAreLifted) {
  TPlateau p = fixture::posemoteur(
      ".........\n"
      "....X....\n"
      ".....O...\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".X.......\n"
      "X.O......\n"
      ".........\n");
  TListePoints l;
  l[0] = 0;
  retirepionsisolesbords(l, CAPACITERETIRES, p, NOIR);
  // (2,5) near O goes; (5,5) is inside; (7,2) and (8,1) hold each other.
  ASSERT_EQ(nbpoints(l), 1);
  EXPECT_EQ(ligneliste(l, 1), 2);
  EXPECT_EQ(colonneliste(l, 1), 5);
  EXPECT_EQ(p[indexcase(2, 5)], VIDE);
  EXPECT_EQ(p[indexcase(7, 2)], NOIR);
  // A full list takes no more, and the stone then stays on the board.
  p = fixture::posemoteur(
      ".........\n....X....\n.....O...\n.........\n.........\n.........\n.........\n.........\n.........\n");
  l[0] = 0;
  retirepionsisolesbords(l, 0, p, NOIR);
  EXPECT_EQ(nbpoints(l), 0);
  EXPECT_EQ(p[indexcase(2, 5)], NOIR);
}

TEST_F(Preparation, Drivers) {
  struct Cas {
    const char* nom;
    Remplissage f;
    const char* avant;
    const char* attendu;
  } cas[] = {
      // The lone second-line stone near O is absent for the fills and back after.
      {"lifted stone comes back, its first line stays open",
       [](TPlateau& p) { prepareterritoire(1, p, NOIR, BLANC); },
       ".........\n....X....\n.....O...\n.........\n.........\n.........\n.........\n.........\n.........\n",
       ".........\n....X....\n.....O...\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"the same stone with no enemy near claims the first line",
       [](TPlateau& p) { prepareterritoire(1, p, NOIR, BLANC); },
       ".........\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       "....X....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"keep-eyes leaves the one-point eye", [](TPlateau& p) { prepareterritoire(1, p, NOIR, BLANC); },
       ".........\n.........\n.........\nX........\n..X......\nX........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nXX.......\n.XX......\nX........\n.........\n.........\n.........\n"},
      {"without keep-eyes the eye is filled", [](TPlateau& p) { prepareterritoire(0, p, NOIR, BLANC); },
       ".........\n.........\n.........\nX........\n..X......\nX........\n.........\n.........\n.........\n",
       ".........\n.........\n.........\nXX.......\nXXX......\nX........\n.........\n.........\n.........\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, apres(k.avant, k.f)));
  }
}

// A middle-game position for the restore checks.
constexpr const char* kMilieu =
    "...OX....\n"
    "..OX.X...\n"
    "..OX.....\n"
    "...OX..X.\n"
    ".O.OX....\n"
    "..OX..O..\n"
    "..OX.X...\n"
    "...OX.O..\n"
    ".........\n";

TEST_F(Preparation, MaskedStonesComeBackAndTheChainTableToo) {
  TPlateau p = fixture::posemoteur(kMilieu);
  const TPlateau depart = p;
  const TInfoChaine chaines = infochaine;
  TMarques masque = marquesvides;
  masque[indexcase(4, 8)] = 1;  // own stone
  masque[indexcase(6, 7)] = 1;  // enemy stone
  masque[indexcase(2, 6)] = 1;
  prepareterritoire2(masque, p, NOIR, BLANC);
  EXPECT_EQ(infochaine, chaines);
  for (int j = 0; j < NBCASES; ++j)
    if (depart[j] != VIDE) {
      EXPECT_EQ(p[j], depart[j]) << "point " << j;
    }

  // An enemy stone lifted by the mask whose point a strong own stone fills
  // around still comes back as itself.
  p = fixture::posemoteur(
      ".........\n.........\n.........\n.........\n....XO...\n.........\n.........\n.........\n.........\n");
  masque = marquesvides;
  masque[indexcase(5, 6)] = 1;
  const TInfoChaine chaines2 = infochaine;
  prepareterritoire2(masque, p, NOIR, BLANC);
  EXPECT_EQ(p[indexcase(5, 6)], BLANC);
  EXPECT_EQ(p[indexcase(4, 5)], NOIR);  // filled by remplitautourfort
  EXPECT_EQ(infochaine, chaines2);

  // prepareterritoire never touches the chain table; every stone it lifted is back.
  for (const uint8_t yeux : {0, 1})
    for (const uint8_t x : {NOIR, BLANC}) {
      p = fixture::posemoteur(kMilieu);
      prepareterritoire(yeux, p, x, x == NOIR ? BLANC : NOIR);
      EXPECT_EQ(infochaine, chaines);
      for (int j = 0; j < NBCASES; ++j) {
        if (depart[j] != VIDE) {
          EXPECT_EQ(p[j], depart[j]) << "point " << j;
        }
      }
    }

  for (const uint8_t yeux : {0, 1}) {
    p = fixture::posemoteur(kMilieu);
    masque = marquesvides;
    masque[indexcase(4, 8)] = 1;
    masque[indexcase(7, 6)] = 1;
    evaluezones2(masque, yeux, p, BLANC, NOIR);
    EXPECT_EQ(infochaine, chaines);
    for (int j = 0; j < NBCASES; ++j)
      if (depart[j] != VIDE) {
      EXPECT_EQ(p[j], depart[j]) << "point " << j;
    }
  }
}

}  // namespace
