// Local window status: random fills of a window around a stone, the counts
// from the stone, the shape term and its penalties.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/fenetre.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

class Fenetre : public ::testing::Test {
 protected:
  void SetUp() override {
    niveau = 7;
    strategie = 2;
    pionsmortsbis.fill(0);
    platform::fixegraine(12345);
  }
  void TearDown() override {
    niveau = 0;
    strategie = 2;
    pionsmorts.fill(0);
    pionsmortsbis.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

constexpr const char* DEUXPIERRES = ".........\n.........\n.........\n.........\n....X.X..\n.........\n.........\n"
                                    ".........\n.........\n";

TEST_F(Fenetre, TheOtherSidesStonesAroundLowerTheStatus) {
  // The same black pair at (5,5)-(5,7) with ever more white around it: the
  // fills keep less for black as white closes in; black friends keep as much
  // as the open board or more.
  struct Cas {
    const char* nom;
    const char* d;
  } cas[] = {
      {"shut in a white box",
       ".........\n.........\n...OOOOO.\n...O...O.\n...OX.XO.\n...O...O.\n...OOOOO.\n.........\n.........\n"},
      {"flanked by four white stones",
       ".........\n.........\n.....O...\n.........\n...OX.XO.\n.........\n.....O...\n.........\n.........\n"},
      {"alone on the open board", DEUXPIERRES},
      {"among black friends",
       ".........\n...X.X...\n.........\n...X...X.\n....X.X..\n...X...X.\n.........\n...X.X...\n.........\n"},
  };
  int32_t precedent = 0;
  for (size_t n = 0; n < std::size(cas); ++n) {
    const auto& k = cas[n];
    SCOPED_TRACE(k.nom);
    int32_t resultats[3];
    const int32_t niveaux[3] = {1, 2, 10};
    for (int32_t j = 0; j < 3; ++j) {
      niveau = niveaux[j];
      TPlateau p = fixture::posemoteur(k.d);
      platform::fixegraine(12345);
      int32_t drapeau = -1;
      fixture::verifieinchange(p, [&] { statutlocalfenetre(resultats[j], 0, 0, 3, 5, 5, drapeau, p, 0); });
      EXPECT_EQ(drapeau, 0);  // nothing on white's ground: no shape penalty
    }
    // Above level 1 the level only changes how many fills are averaged.
    EXPECT_EQ(resultats[1], resultats[2]);
    EXPECT_NEAR(resultats[0], resultats[2], 1);
    // The stone reaches at least itself.
    EXPECT_GE(resultats[2], 1);
    if (n == 0) {
      EXPECT_EQ(resultats[2], 1) << "the box leaves black nothing beyond its own stones";
    } else if (n < 3) {
      EXPECT_GT(resultats[2], precedent);
    } else {
      EXPECT_GE(resultats[2], precedent);
    }
    precedent = resultats[2];
  }
}

TEST_F(Fenetre, NoFillWithoutReason) {
  struct Cas {
    const char* nom;
    const char* d;
    bool mort, amimort;
    uint8_t couleurarg, camp, mode, strat;
    bool remplit;
  } cas[] = {
      {"a lone stone", ".........\n.........\n.........\n.........\n....X...X\n.........\n.........\n"
                       ".........\n.........\n", false, false, 0, 0, 0, 2, false},
      {"a friend marked dead in the second mask", DEUXPIERRES, false, true, 0, 0, 0, 2, false},
      {"a dead stone", DEUXPIERRES, true, false, 0, 0, 0, 2, false},
      {"a dead stone in the attack case", DEUXPIERRES, true, false, 0, 1, 1, 0, true},
      {"a dead stone, the defender's attack case", DEUXPIERRES, true, false, 0, 0, 1, 1, true},
      {"a lone stone in the colour-argument case",
       ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n", false,
       false, 1, 1, 0, 2, true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.d);
    pionsmortsbis.fill(0);
    if (k.amimort) pionsmortsbis[indexcase(5, 7)] = 1;
    if (k.mort) pionsmorts[indexcase(5, 5)] = 1;
    strategie = k.strat;
    platform::fixegraine(12345);
    int32_t resultat = -1, drapeau = -1;
    fixture::verifieinchange(p, [&] {
      statutlocalfenetre(resultat, k.couleurarg, k.camp, 3, 5, 5, drapeau, p, k.mode);
    });
    EXPECT_EQ(platform::graine() != 12345u, k.remplit);
    if (!k.remplit) {
      EXPECT_EQ(resultat, 0);
    }
  }
  // An empty point.
  TPlateau p = fixture::posemoteur(DEUXPIERRES);
  int32_t resultat = -1, drapeau = -1;
  statutlocalfenetre(resultat, 1, 1, 3, 4, 4, drapeau, p, 1);
  EXPECT_EQ(resultat, 0);
}

TEST_F(Fenetre, EnemyInAtariFillsTheStonesNeighbours) {
  // The black stone (1, 2) has no friend in the window. Next to the white
  // corner stone in atari it is read all the same, its two empty neighbours
  // taking its colour: the only other empty point, white's liberty (2, 1),
  // is the last point of every fill and goes to white, so each fill reaches
  // those two neighbours and no more. Join the corner stone to its group and
  // nothing calls for a reading.
  struct Cas {
    const char* nom;
    const char* d;
    int32_t attendu;
  } cas[] = {
      {"white in atari beside the stone",
       "OX.OO\n"
       "..OOO\n"
       "OOOOO\n"
       "OOOOO\n"
       "OOOOO\n",
       2},
      {"the white stone joined to its group",
       "OX.OO\n"
       "O.OOO\n"
       "OOOOO\n"
       "OOOOO\n"
       "OOOOO\n",
       0},
  };
  for (const auto& k : cas)
    for (const int32_t n : {1, 7}) {
      SCOPED_TRACE(std::string(k.nom) + ", level " + std::to_string(n));
      niveau = n;
      TPlateau p = fixture::posemoteur(k.d);
      int32_t resultat = -1, drapeau = -1;
      fixture::verifieinchange(p, [&] { statutlocalfenetre(resultat, 0, 0, 3, 2, 1, drapeau, p, 0); });
      EXPECT_EQ(resultat, k.attendu);
      if (k.attendu != 0) {
        EXPECT_EQ(drapeau, 0);
      }
    }
}

TEST_F(Fenetre, CountFromTheStone) {
  const TPlateau avant = fixture::posemoteur(
      "X....\n"
      ".....\n"
      ".X...\n"
      ".....\n"
      ".....\n");
  TPlateau rempli = avant;
  rempli[indexcase(1, 2)] = NOIR;
  rempli[indexcase(2, 2)] = NOIR;
  rempli[indexcase(2, 3)] = BLANC;
  struct Cas {
    const char* nom;
    bool mort;
    bool territoireblanc;
    int32_t k1, k2;
  } cas[] = {
      // Two fill stones and the stone that stood before.
      {"neutral", false, false, 3, 0},
      {"the old stone dead", true, false, 2, 5},
      {"a fill stone on white's ground", false, true, 2, 5},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    if (k.mort) pionsmorts[indexcase(3, 2)] = 1;
    if (k.territoireblanc) territoire[indexcase(2, 2)] = BLANC;
    int32_t k1 = -1, k2 = -1;
    comptefenetre(rempli, avant, 1, 1, k1, k2);
    EXPECT_EQ(k1, k.k1);
    EXPECT_EQ(k2, k.k2);
  }
}

TEST_F(Fenetre, EnclosedStoneIsJudgedWithoutChance) {
  // Two empty points in reach: every fill gives them to white, and the count
  // from (1, 2) meets only its own chain: 1 a fill, so 1 on average.
  TPlateau p = fixture::posemoteur(
      ".XXO.\n"
      "X.XO.\n"
      "XXXO.\n"
      "OOOO.\n"
      ".....\n");
  int32_t resultat = -1, drapeau = -1;
  fixture::verifieinchange(p, [&] { statutlocalfenetre(resultat, 0, 0, 3, 2, 1, drapeau, p, 0); });
  EXPECT_EQ(platform::graine(), 12345u);
  EXPECT_EQ(resultat, 1);
  EXPECT_EQ(drapeau, 0);
}

TEST_F(Fenetre, ShapeTermAndPenalties) {
  // White (1, 3) stands on white's ground, white (2, 1) beside the window's
  // empty point (1, 1) does not: the shape term is 15. (2, 1) is cut off
  // from white's ground unless (2, 2) is white's.
  const char* d =
      ".XO..\n"
      "OXO..\n"
      "XXO..\n"
      "OO...\n"
      ".....\n";
  struct Cas {
    const char* nom;
    bool chemin;
    int32_t drapeau;
  } cas[] = {{"cut off: 15 for its one stone", false, 15}, {"a way home", true, 0}};
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(d);
    territoire[indexcase(1, 3)] = BLANC;
    if (k.chemin) territoire[indexcase(2, 2)] = BLANC;
    int32_t resultat = -1, drapeau = -1;
    fixture::verifieinchange(p, [&] { statutlocalfenetre(resultat, 0, 0, 3, 2, 1, drapeau, p, 0); });
    EXPECT_EQ(resultat, 15 + 1);
    EXPECT_EQ(drapeau, k.drapeau);
  }
  // Without a white stone on white's ground there is no shape term.
  TPlateau p = fixture::posemoteur(d);
  int32_t resultat = -1, drapeau = -1;
  statutlocalfenetre(resultat, 0, 0, 3, 2, 1, drapeau, p, 0);
  EXPECT_EQ(resultat, 1);
  EXPECT_EQ(drapeau, 0);
}

TEST_F(Fenetre, PenaltyCountsAChainOnce) {
  // The white chain (2,1)-(3,1) touches the two empty entries (1,1) and (4,1).
  TPlateau p = fixture::posemoteur(
      ".XO..\n"
      "OXO..\n"
      "OXO..\n"
      ".X...\n"
      "XX...\n");
  territoire[indexcase(1, 3)] = BLANC;
  TListePoints vides;
  vides[0] = 0;
  empilepoint(vides, CAPACITEFENETRE, 1, 1);
  empilepoint(vides, CAPACITEFENETRE, 4, 1);
  int32_t drapeau = 0;
  EXPECT_EQ(testfenetrefinal(vides, p, 1, 2, drapeau), 15);
  EXPECT_EQ(drapeau, 30);
}

TEST_F(Fenetre, StrongAndWeakNeighbours) {
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      "..X..\n"
      ".X.X.\n"
      "..O..\n"
      ".....\n");
  territoire[indexcase(2, 3)] = NOIR;
  EXPECT_TRUE(testliefortetfaible(p, 3, 3, NOIR));
  EXPECT_FALSE(testliefortetfaible(p, 3, 3, BLANC));
  territoire[indexcase(3, 2)] = NOIR;
  territoire[indexcase(3, 4)] = NOIR;
  EXPECT_FALSE(testliefortetfaible(p, 3, 3, NOIR));
}

}  // namespace
