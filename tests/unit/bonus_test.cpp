// Unit bonus: the territory terms, the local terms and the adjustment terms
// on small diagrams; their stated constants and gates, and that every term
// puts the board, the chain table and the dead marks back.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/choice/bonus.h"
#include "engine/proposals/invasions.h"
#include "tests/support/fixture.h"

namespace {

class Bonus : public ::testing::Test {
 protected:
  TPlateau pose(std::string_view d, int32_t n = 5) {
    EXPECT_TRUE(chargecles());
    TPlateau p = fixture::posemoteur(d);
    tablegroupes = infochaine;
    plateaudepart = p;
    niveau = n;
    parametresniveau();
    pointko = TPoint{};
    for (TMarques* m : {&listefaibles, &listesurvie, &lesfaibles, &marquessurvie, &marquesliaison1,
                        &marquesliaison2, &pionsmortssauves, &pionsmortsbis, &casescandidates,
                        &casescandidatesjoueur, &marquesglobales, &marquesdetect, &carteattaque})
      *m = marquesvides;
    influence.fill(VIDE);
    debutpartie = 0;
    phasefinale = 0;
    phasedebut = 0;
    strategie = 2;
    bilanscore = 0.0;
    passesconsecutives = 0;
    procedurefinpartie = 0;
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    return p;
  }
  void TearDown() override {
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
    pionsmorts.fill(0);
    debutpartie = phasefinale = phasedebut = 0;
    strategie = 2;
  }
};

constexpr const char* VIDE9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

std::string vide(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += std::string(n, '.') + "\n";
  return s;
}

// ---- Territory terms ----------------------------------------------------------------------

// Black closes a corner of 10 points with 5 stones; white stands outside.
constexpr const char* COIN =
    "....X....\n"
    "...X.....\n"
    "..X......\n"
    ".X.......\n"
    "X........\n"
    ".........\n"
    "......O..\n"
    ".........\n"
    ".........\n";

TEST_F(Bonus, TerritoryWeighsPointsAndBorderStones) {
  TPlateau p = pose(COIN, 1);
  TListePoints chemin{};
  // The line's move at (3,3) is not a border stone: 10 points, 4 border stones.
  // Near the end a point weighs 5 and a border stone 2: 50 + 8 = 58; before
  // it both weigh 1: 14. Counted for the side the line plays for, else against.
  empilepoint(chemin, 300, 3, 3);
  territoire[indexcase(3, 3)] = NOIR;  // its own ground: no path term
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
  struct Cas {
    uint8_t finale, c, m;
    int32_t attendu;
  };
  const Cas cas[] = {{1, NOIR, NOIR, 58}, {1, NOIR, BLANC, -58}, {0, NOIR, NOIR, 14}, {0, NOIR, BLANC, -14}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(testing::Message() << int(k.finale) << int(k.m));
    phasefinale = k.finale;
    TMarques marques{};
    uint8_t premier = 0;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] {
      bonusterritoire(marques, TPoint{3, 3}, drapeaux, premier, 1, k.c, k.m, v, p, chemin, 1);
    });
    EXPECT_EQ(v, k.attendu) << fixture::grille(marques, 9);
    int32_t n = 0;
    for (uint8_t x : marques) n += x;
    EXPECT_EQ(n, 10);
    EXPECT_EQ(marques[indexcase(1, 1)], 1);
    EXPECT_EQ(premier, 0);
  }
}

TEST_F(Bonus, APassInTheLineIsNoPoint) {
  TPlateau p = pose(COIN, 1);
  TListePoints chemin{};
  chemin[0] = 2;  // a pass, then the move at (3,3)
  chemin[4] = 3;
  chemin[5] = 3;
  territoire[indexcase(3, 3)] = NOIR;
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
  phasefinale = 1;
  TMarques marques{};
  uint8_t premier = 0;
  int32_t v = 0;
  fixture::verifieinchange(
      p, [&] { bonusterritoire(marques, TPoint{}, drapeaux, premier, 1, NOIR, NOIR, v, p, chemin, 2); });
  EXPECT_EQ(v, 58);
}

TEST_F(Bonus, ALoneEnemyStoneOfTheLineIsLiftedUnlessItsOwnFlagIsSet) {
  // The line's first move is a white stone in black's corner: lifted, the
  // corner counts for black; kept when its own move's flag is set.
  TPlateau p = pose(
      "O...X....\n"
      "...X.....\n"
      "..X......\n"
      ".X.......\n"
      "X........\n"
      ".........\n"
      "......O..\n"
      ".........\n"
      ".........\n",
      1);
  TListePoints chemin{};
  empilepoint(chemin, 300, 1, 1);
  phasefinale = 1;
  struct Cas {
    int32_t drapeau;  // the move whose flag is set (0: none)
    bool levee;       // 10 points and 5 border stones when lifted
  };
  // Lifted, the corner's 10 points at 5 and its 5 border stones at 2: 60.
  for (const Cas& k : {Cas{0, true}, Cas{1, false}, Cas{2, true}}) {
    SCOPED_TRACE(k.drapeau);
    uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
    if (k.drapeau) drapeaux[k.drapeau - 1] = 1;
    TMarques marques{};
    uint8_t premier = 0;
    int32_t v = 0;
    fixture::verifieinchange(
        p, [&] { bonusterritoire(marques, TPoint{}, drapeaux, premier, 1, NOIR, NOIR, v, p, chemin, 1); });
    if (k.levee) {
      EXPECT_EQ(v, 60) << fixture::grille(marques, 9);
    } else {
      EXPECT_LT(v, 60);
      EXPECT_EQ(marques[indexcase(1, 2)], 0);
    }
  }
}

TEST_F(Bonus, NothingOwnedAddsNothing) {
  // A black stone in atari is lifted: black owns nothing, whatever borders.
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "....O....\n"
      "...OXO...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n",
      1);
  TListePoints chemin{};
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
  for (uint8_t finale : {0, 1}) {
    phasefinale = finale;
    TMarques marques{};
    uint8_t premier = 0;
    int32_t v = 0;
    bonusterritoire(marques, TPoint{}, drapeaux, premier, 1, NOIR, NOIR, v, p, chemin, 0);
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(fixture::memesmarques(TMarques{}, marques));
  }
}

TEST_F(Bonus, TheOpeningFormLeavesTheMarkMapZero) {
  TPlateau p = pose(COIN, 5);
  debutpartie = 1;
  TListePoints chemin{};
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
  TMarques marques;
  marques.fill(7);
  uint8_t premier = 0;
  int32_t v = 0;
  fixture::verifieinchange(
      p, [&] { bonusterritoire(marques, TPoint{}, drapeaux, premier, 0, NOIR, NOIR, v, p, chemin, 0); });
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, marques));
}

TEST_F(Bonus, PathMovesGivenAwayByTheFills) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TPlateau w = p;
  w[indexcase(5, 6)] = NOIR;  // a point the fills gave to black
  TListePoints chemin{};
  empilepoint(chemin, 300, 5, 5);
  struct Cas {
    uint8_t strategie, m;
    int32_t attendu;
  };
  for (const Cas& k : {Cas{1, NOIR, 10}, Cas{0, NOIR, 5}, Cas{2, NOIR, 5}, Cas{1, BLANC, -10}}) {
    strategie = k.strategie;
    int32_t v = 0;
    bonuscheminterritoire(1, v, chemin, k.m, NOIR, w);
    EXPECT_EQ(v, k.attendu) << int(k.strategie);
  }
  // On its own ground the move is not counted.
  territoire[indexcase(5, 5)] = NOIR;
  int32_t v = 0;
  bonuscheminterritoire(1, v, chemin, NOIR, NOIR, w);
  EXPECT_EQ(v, 0);
}

TEST_F(Bonus, BorderStonesAreCountedOnce) {
  TPlateau p = pose(
      ".X.......\n"
      "X.X......\n"
      ".X.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(3, 2)] = 1;  // a dead stone is no border
  TMarques vu{};
  int32_t bordure = 0;
  compteborduresvoisines(vu, bordure, p, 2, 2, NOIR);
  compteborduresvoisines(vu, bordure, p, 1, 1, NOIR);
  EXPECT_EQ(bordure, 3);
}

TEST_F(Bonus, TheTerritoryDifferenceWaitsForMoveFive) {
  // Black's very weak stone at (6,2) inside white's corner; black's candidate
  // at (3,3) keeps it alive. Dead, it would leave white the 19 empty points.
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "OOOOO....\n"
      "....O....\n"
      ".X..O....\n"
      "....O....\n"
      "....O....\n"
      "....O....\n");
  static TCartesParPoint morts{};
  TListePoints chemin{};
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {};
  phasedebut = 1;
  maxfortification = 1;
  maxsurvie = 0;
  compteurinvasions = compteurinvasions3 = 0;
  flagterritoire = 0;
  coupdecide = 0;
  lesfaibles[indexcase(6, 2)] = 2;
  essaiordi(3, 3).marquesessai[indexcase(6, 2)] = 1;
  struct Cas {
    int32_t coup, attendu;
  };
  // From move 5 each of the 19 points white would gain weighs 5, and 15
  // more past the invasion counts (both 0 here): 19 x 20 = 380.
  for (const Cas& k : {Cas{4, 0}, Cas{5, 380}}) {
    SCOPED_TRACE(k.coup);
    numerocoup = k.coup;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] {
      bonusdifferenceterritoire(morts, tablegroupes, 3, 3, 0, 0, NOIR, BLANC, p, drapeaux, chemin, v, 0);
    });
    EXPECT_EQ(v, k.attendu);
  }
  essaiordi(3, 3) = TEssaiCoup{};
  maxfortification = 0;
}

TEST_F(Bonus, ALoneDeadStoneOnOwnGroundIsKeptDead) {
  TPlateau p = pose(
      "XXX......\n"
      "XOX......\n"
      "X.X......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t i = indexcase(2, 2);
  pionsmorts[i] = 1;
  territoire[i] = NOIR;
  ajustemortsterritoire(0, 0, NOIR, BLANC, p, 2, 2);
  EXPECT_EQ(marquesdetect[i], 0) << "only for c = m";
  ajustemortsterritoire(0, 0, NOIR, NOIR, p, 2, 2);
  EXPECT_EQ(marquesdetect[i], 1);
}

// ---- Local terms -----------------------------------------------------------------------------

TEST_F(Bonus, EdgeTerm) {
  TPlateau p = pose(
      "....X....\n"
      "......X..\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  struct Cas {
    int32_t r, c;
    uint8_t m;
    int32_t attendu;
  };
  const Cas cas[] = {
      {1, 5, NOIR, -1},   // first line, own stone
      {1, 5, BLANC, 1},   // the same stone for the other colour
      {2, 7, NOIR, 2},    // second line near two edges: 1 + 2 lines, two sides
      {5, 5, NOIR, 0},    // the centre
  };
  for (const Cas& k : cas) {
    int32_t v = 0;
    bonusbord(p, v, k.m, k.r, k.c);
    EXPECT_EQ(v, k.attendu) << k.r << "," << k.c;
  }
}

TEST_F(Bonus, OpenAreaTopsAtTwoOnSmallBoards) {
  struct Cas {
    int taille;
    std::string autre;  // a further stone three points away, or none
    int32_t attendu;
  };
  for (const Cas& k : {Cas{9, "", 2}, Cas{9, "loin", 2}, Cas{13, "", 3}, Cas{13, "loin", 2}}) {
    SCOPED_TRACE(testing::Message() << k.taille << k.autre);
    std::string d = vide(k.taille);
    const int c = (k.taille + 1) / 2;
    d[(c - 1) * (k.taille + 1) + (c - 1)] = 'X';
    if (!k.autre.empty()) d[(c - 1 + 3) * (k.taille + 1) + (c - 1)] = 'O';
    TPlateau p = pose(d);
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { zonevide3x3(p, v, NOIR, c, c); });
    EXPECT_EQ(v, k.attendu);
  }
}

TEST_F(Bonus, CornerNeedsTheOtherColourOnThreeThreeOrFourFour) {
  TPlateau p = pose(VIDE9);
  int32_t v = 0;
  bonuscoins(p, v, NOIR, NOIR, 5, 5);
  EXPECT_EQ(v, 0) << "empty 3-3 and 4-4 points: no corner";
}

TEST_F(Bonus, DeadStonesByDepth) {
  TPlateau p = pose(
      "OO.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(1, 1)] = pionsmorts[indexcase(1, 2)] = 1;
  const TMarques rien{};
  struct Cas {
    int32_t d;
    int32_t attendu;
  };
  for (const Cas& k : {Cas{1, 0}, Cas{2, 8}, Cas{3, 6}, Cas{4, 2}, Cas{5, 1}}) {
    int32_t v = 0;
    bonusmortsprofondeur(p, v, NOIR, k.d, NOIR, rien, rien, 5, 5);
    EXPECT_EQ(v, k.attendu) << k.d;
  }
}

TEST_F(Bonus, ZoneOfOwnStonesNeedsALiveEnemy) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "...X.....\n"
      ".....X...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  int32_t v = 0;
  comptezonevoisins(p, v, NOIR, NOIR, 5, 5, 2);
  EXPECT_EQ(v, 0) << "no enemy stone in the zone";
  p[indexcase(6, 6)] = BLANC;
  pionsmorts[indexcase(6, 6)] = 1;
  comptezonevoisins(p, v, NOIR, NOIR, 5, 5, 2);
  EXPECT_EQ(v, 0) << "a dead enemy stone does not count";
  pionsmorts.fill(0);
  // Two own chains reached and an enemy beside p: 2 < 4 empty neighbours, doubled.
  comptezonevoisins(p, v, NOIR, NOIR, 5, 5, 2);
  EXPECT_EQ(v, 4);
}

TEST_F(Bonus, TwoEyesMemoCostsAtOnce) {
  TPlateau p = pose(VIDE9);
  TMarques memo{};
  memo[indexcase(5, 5)] = 100;
  int32_t v = 0;
  empechedefaire2yeux(p, v, NOIR, NOIR, memo, 5, 5);
  EXPECT_EQ(v, -1000);
  // A point not surrounded is looked at once and costs nothing.
  empechedefaire2yeux(p, v, NOIR, NOIR, memo, 3, 3);
  EXPECT_EQ(v, -1000);
  EXPECT_EQ(memo[indexcase(3, 3)], 8);
}

TEST_F(Bonus, LadderTermsSkipTheCandidateItself) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      "...X.....\n"
      "..XO.....\n"
      "...X.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  int32_t v = 0;
  bonusesca(p, v, NOIR, marquesvides, 1, 0, 3, 4);
  EXPECT_EQ(v, 0);
}

// Black crawls from B9 along the first line to D9 (two steps, an empty
// point inside each) against white's stone at E9; white's push at B8 stands:
// 5 * (2 + 2). A ko point elsewhere on the board is no step of the crawl.
TEST_F(Bonus, EdgeCrawlStaysOnTheEdge) {
  TPlateau p = pose(
      "XX..O....\n"
      "O........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  for (const TPoint ko : {TPoint{}, TPoint{7, 7}}) {
    pointko = ko;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonusrampebord(p, v, NOIR, 0, 1, 2); });
    EXPECT_EQ(v, -20) << "ko point row " << ko.ligne;
  }
  pointko = TPoint{};
  // A positive search value: no term.
  int32_t v = 0;
  bonusrampebord(p, v, NOIR, 1, 1, 2);
  EXPECT_EQ(v, 0);
}

TEST_F(Bonus, ALoneEdgeStoneTakenFromTheSide) {
  TPlateau p = pose(
      "....X....\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  int32_t v = 0;
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  bonuspierreisoleebord(p, v, NOIR, BLANC, NOIR, 1, 5);
  EXPECT_EQ(v, -10);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_TRUE(chaines == infochaine);
  // The taken stone stays marked dead for the rest of the line...
  EXPECT_EQ(pionsmorts[indexcase(1, 5)], 1);
  // ...so asked again, it costs 10 at once.
  v = 0;
  bonuspierreisoleebord(p, v, NOIR, BLANC, NOIR, 1, 5);
  EXPECT_EQ(v, -10);
  pionsmorts.fill(0);
  // Owned by the attacker: nothing, and no mark.
  territoire[indexcase(1, 5)] = BLANC;
  v = 0;
  bonuspierreisoleebord(p, v, NOIR, BLANC, NOIR, 1, 5);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 5)], 0);
}

// Black's candidate at E5 inside white's area kills the white stone at G3
// (bit 1 of its record's links): that stone counts among the stones the
// move kills (20), not among the others, which count for nothing here.
TEST_F(Bonus, GroupLinkingScoreCountsTheStonesTheMoveKills) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      "......O..\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  strategie = 0;
  maxsurvie = maxfortification = 0;
  flagliaison = flagfortif2 = flagsituationjoueur = 0;
  compteurinvasions3 = 0;
  territoire.fill(BLANC);
  const int32_t blanc = indexcase(3, 7);
  TMarques masque{};
  masque[blanc] = 1;  // dead after the candidate's trial
  TPrisesMarquees prises{};
  TValeursRelie relie;
  relie.masque = &masque;
  relie.prises = &prises;
  struct Cas {
    int32_t bits, f4;
    int32_t attendu;
  };
  // 5 for a move in the other colour's area, 20 per stone the move kills;
  // a family value at the candidate, even a negative one, keeps the other
  // stones counted (5 each).
  for (const Cas& k : {Cas{1, 0, 5 + 20}, Cas{2, 0, 5}, Cas{3, 0, 5 + 20}, Cas{2, -5, 5 + 5}, Cas{2, 5, 5 + 5}}) {
    essaiordi(5, 5) = TEssaiCoup{};
    essaiordi(5, 5).liensessai[blanc] = k.bits;
    relie.f4 = k.f4;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonusrelielesgroupes(p, v, NOIR, 5, 5, relie); });
    EXPECT_EQ(v, k.attendu) << "link bits " << k.bits << ", f4 " << k.f4;
  }
  essaiordi(5, 5) = TEssaiCoup{};
}

// Black's E5 takes the white stone at F5. The stones the move took are read
// from its capture record (row, column, dead flag per stone): 20 per stone
// when one of them lies in black's area, nothing otherwise.
TEST_F(Bonus, GroupLinkingScoreReadsTheStonesTheMoveTook) {
  maxsurvie = maxfortification = 0;
  flagliaison = flagfortif2 = flagsituationjoueur = 0;
  compteurinvasions3 = 0;
  struct Cas {
    uint8_t proprietaire;
    int32_t attendu;
  };
  for (const Cas& k : {Cas{NOIR, 20}, Cas{VIDE, 0}}) {
    TPlateau p = pose(
        ".........\n"
        ".........\n"
        ".........\n"
        ".....X...\n"
        ".....OX..\n"
        ".....X...\n"
        ".........\n"
        ".........\n"
        ".........\n");
    strategie = 0;
    territoire.fill(VIDE);
    territoire[indexcase(5, 6)] = k.proprietaire;
    TPrisesMarquees prises{};
    posepioncaptures(prises, 100, p, 5, 5, NOIR, BLANC);
    majlibertes(p, prises[0], 5, 5);
    ASSERT_EQ(prises[0], 1);
    TValeursRelie relie;
    relie.masque = &marquesvides;
    relie.prises = &prises;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonusrelielesgroupes(p, v, NOIR, 5, 5, relie); });
    EXPECT_EQ(v, k.attendu) << "owner of the taken stone " << int(k.proprietaire);
  }
}

// Defending, black's candidate E5 of the chain E5-F5 gains 10 when it is
// linked to a black stone of black's area; a white stone of white's area
// beside it is no link of black's.
TEST_F(Bonus, DefendingValuesALinkToOwnArea) {
  maxsurvie = maxfortification = 0;
  flagliaison = flagfortif2 = flagsituationjoueur = 0;
  compteurinvasions3 = 0;
  struct Cas {
    const char* nom;
    const char* plateau;
    int32_t ligne, colonne;  // the stone whose area is set
    uint8_t proprietaire;
    int32_t attendu;
  };
  const Cas cas[] = {
      {"own stone in own area", "....X....", 6, 5, NOIR, 10},
      {"own stone in no one's area", "....X....", 6, 5, VIDE, 0},
      {"enemy stone in its own area", "....XO...", 5, 6, BLANC, 0},
  };
  for (const Cas& k : cas) {
    const std::string d = std::string(".........\n.........\n.........\n.........\n") + k.plateau +
                          "\n....X....\n.........\n.........\n.........\n";
    TPlateau p = pose(d.c_str());
    strategie = 1;
    bilanscore = 10.0;
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
    territoire[indexcase(k.ligne, k.colonne)] = k.proprietaire;
    essaiordi(5, 5) = TEssaiCoup{};
    TPrisesMarquees prises{};
    TValeursRelie relie;
    relie.masque = &marquesvides;
    relie.prises = &prises;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonusrelielesgroupes(p, v, NOIR, 5, 5, relie); });
    EXPECT_EQ(v, k.attendu) << k.nom;
  }
}

// ---- Adjustment terms ------------------------------------------------------------------------

// White's move (5,5) beside black chains in atari at (5,4) and (5,6), the
// last of its table neighbours: each capturable chain costs V, and the last
// neighbour is read only after an earlier capturable one.
TEST_F(Bonus, CapturableNeighbourChainsOfTheLine) {
  struct Cas {
    const char* nom;
    const char* ligne5;
    int32_t attendu;
  };
  const Cas cas[] = {
      {"both in atari", "..OXOXO..", -20},
      {"the first alone", "..OXO.O..", -10},
      {"the last alone", "..O.OXO..", 0},
  };
  for (const Cas& k : cas) {
    const std::string d =
        std::string(".........\n.........\n.........\n...O.O...\n") + k.ligne5 + "\n.........\n.........\n.........\n.........\n";
    TPlateau p = pose(d.c_str());
    pionsmorts.fill(0);
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonuspierresprenables(p, v, 10, NOIR, TPoint{5, 5}, TPoint{4, 5}); });
    EXPECT_EQ(v, k.attendu) << k.nom;
  }
}

TEST_F(Bonus, EnemyNeighbourInAtari) {
  // White (5,6) is in atari next to the black stone at (5,5).
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".....X...\n"
      "....XOX..\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  struct Cas {
    uint8_t proprietaire, m;
    int32_t attendu;
  };
  const Cas cas[] = {{VIDE, NOIR, 15}, {VIDE, BLANC, -15}, {BLANC, NOIR, 25}, {BLANC, BLANC, -25}, {NOIR, NOIR, 0}};
  for (const Cas& k : cas) {
    territoire[indexcase(5, 5)] = k.proprietaire;
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonusvoisinsennemis(p, v, k.m, 0, 5, 5, 1); });
    EXPECT_EQ(v, k.attendu) << int(k.proprietaire) << int(k.m);
  }
  // A dead stone next to the atari is worth nothing in nobody's area.
  territoire[indexcase(5, 5)] = VIDE;
  pionsmorts[indexcase(5, 5)] = 1;
  int32_t v = 0;
  bonusvoisinsennemis(p, v, NOIR, 0, 5, 5, 1);
  EXPECT_EQ(v, 0);
}

TEST_F(Bonus, StonesLostAlongTheLine) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      "..X......\n"
      ".........\n"
      ".....O...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmortsbis[indexcase(5, 6)] = 1;  // the white stone was dead at the start
  TPlateau b = p;
  b[indexcase(3, 3)] = VIDE;           // the engine stone alive at the start is gone
  // An engine stone alive at the start and lost costs 200, one only marked
  // dead 20; an opponent stone dead at the start is worth 20 once taken off
  // and costs 20 when it stands unmarked again.
  int32_t v = 0;
  bilanpierresfinal(b, v, marquesvides);
  EXPECT_EQ(v, -220) << "the black stone lost, the dead white stone back to life";
  b[indexcase(5, 6)] = VIDE;
  v = 0;
  bilanpierresfinal(b, v, marquesvides);
  EXPECT_EQ(v, -180) << "the black stone lost, the white one taken off";
  b[indexcase(3, 3)] = NOIR;
  pionsmorts[indexcase(3, 3)] = 1;
  v = 0;
  bilanpierresfinal(b, v, marquesvides);
  EXPECT_EQ(v, 0) << "the black stone only marked dead, the white one taken off";
  pionsmortsbis.fill(0);
}

TEST_F(Bonus, WeakPointsAndTheKoPoint) {
  TPlateau p = pose(
      "X........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "........O\n");
  lesfaibles[indexcase(1, 1)] = 2;
  lesfaibles[indexcase(9, 9)] = 2;
  maxsurvie = 0;
  flagterritoire = 0;
  int32_t v = 0;
  bonusfaibles(p, v, NOIR, NOIR);
  EXPECT_EQ(v, 5);
  v = 0;
  bonusfaibles(p, v, BLANC, NOIR);
  EXPECT_EQ(v, -5);
  pointko = TPoint{4, 7};
  TPoint k;
  pointkocourant(k);
  EXPECT_EQ(k.ligne, 4);
  EXPECT_EQ(k.colonne, 7);
  pointko = TPoint{};
}

TEST_F(Bonus, MoyoTermLeavesOtherShapesAlone) {
  TPlateau p = pose(VIDE9);
  essaiordi(5, 5) = TEssaiCoup{};
  int32_t v = 0;
  bonusmoyodomine(p, v, TPoint{5, 5}, 0, 0);
  EXPECT_EQ(v, 0) << "no bit 0x40";
  essaiordi(5, 5).formeessai = 0x40;
  bonusmoyodomine(p, v, TPoint{5, 5}, 0, 0);
  EXPECT_EQ(v, -2000) << "no moyo gain";
  v = 0;
  bonusmoyodomine(p, v, TPoint{5, 5}, 1, 0);
  EXPECT_EQ(v, 0) << "a search count not 0";
  essaiordi(5, 5) = TEssaiCoup{};
}

TEST_F(Bonus, CandidateValueAdjustment) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....XO...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  // a = b: half the stored value when the candidate stone was dead at the
  // start and is no more.
  pionsmortsbis[indexcase(5, 5)] = 1;
  int32_t v = 0;
  ajustevaleurcandidat(p, v, 30, 0, 0, TPoint{5, 5}, TPoint{5, 6}, NOIR, NOIR, NOIR, p);
  EXPECT_EQ(v, -15);
  // a != b, the second point not a: two thirds.
  v = 0;
  ajustevaleurcandidat(p, v, 30, 0, 0, TPoint{5, 5}, TPoint{5, 6}, NOIR, BLANC, NOIR, p);
  EXPECT_EQ(v, -20);
  pionsmortsbis.fill(0);
}

TEST_F(Bonus, ALoneStoneAndACutShape) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "OOOOOOOOO\n");
  int32_t v = 0;
  bonusformecoupure(p, v, NOIR, 5, 5);
  EXPECT_EQ(v, -5) << "no own stone reached";
  v = 0;
  bonusformecoupure(p, v, BLANC, 5, 5);
  EXPECT_EQ(v, 5);
  p[indexcase(2, 2)] = NOIR;
  v = 0;
  bonusformecoupure(p, v, NOIR, 5, 5);
  EXPECT_EQ(v, 0) << "an own stone far away is reached";
}

TEST_F(Bonus, StrategyCostOfAMove) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  struct Cas {
    uint8_t strategie;
    int32_t genre, passes;
    int32_t attendu;
  };
  const Cas cas[] = {{1, 2, 0, -(7 + 3 + 30)}, {2, 3, 0, -(7 + 3 + 10)}, {0, 3, 0, -7}, {1, 3, 0, 0}, {1, 2, 1, 0}};
  for (const Cas& k : cas) {
    strategie = k.strategie;
    passesconsecutives = k.passes;
    int32_t v = 0;
    bonusstrategiecoup(p, v, 7, 3, k.genre, TPoint{5, 5}, TPoint{});
    EXPECT_EQ(v, k.attendu) << int(k.strategie) << " " << k.genre;
  }
  passesconsecutives = 0;
}

TEST_F(Bonus, TheLinesTwoFirstMovesAndATakeBack) {
  // Black took the white stone at (1,2); white took back at once and is dead.
  TPlateau p = pose(
      "XO.......\n"
      "O........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(1, 2)] = 1;
  TCheminCoups ligne;
  ligne.nombre = 2;
  ligne.coups[1].coup = TPoint{1, 3};
  ligne.coups[1].prises[0] = 0;
  empilepoint(ligne.coups[1].prises, 300, 1, 2);
  ligne.coups[2].coup = TPoint{1, 2};
  ligne.coups[2].prises[0] = 0;
  int32_t v = 0;
  fixture::verifieinchange(p, [&] { bonuscapturesligne(p, v, NOIR, ligne, marquesvides, marquesvides); });
  EXPECT_EQ(v, -2000);
  pionsmorts.fill(0);
  v = 0;
  bonuscapturesligne(p, v, NOIR, ligne, marquesvides, marquesvides);
  EXPECT_EQ(v, 0) << "the take-back stands alive";
  // The maps of the first two moves.
  TPlateau b = pose(
      "..X......\n"
      ".O.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  ligne.coups[1].coup = TPoint{1, 3};
  ligne.coups[2].coup = TPoint{2, 2};
  TCarte a{}, c{};
  a[indexcase(1, 3)] = 40;
  c[indexcase(2, 2)] = 15;
  // The first move's own map gives its 40, the reply's map takes its 15.
  v = 0;
  bonuscartesdeuxcoups(b, v, a, c, NOIR, ligne);
  EXPECT_EQ(v, 25);
}

TEST_F(Bonus, ALeafCountsEachTakeBackOfItsLineOnce) {
  // Black takes the white stone at (1,2) and white takes back at once, dead;
  // in the longer line black later takes a stone at (5,5) and white plays
  // there at once, a point empty again at the leaf.
  TPlateau p = pose(
      "XO.......\n"
      "O........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(1, 2)] = 1;
  const auto ligne = [](int32_t n) {
    TCheminCoups l;
    l.nombre = n;
    const TPoint coups[] = {{1, 3}, {1, 2}, {5, 6}, {5, 5}};
    for (int32_t k = 1; k <= n; ++k) {
      l.coups[k].coup = coups[k - 1];
      l.coups[k].prises[0] = 0;
    }
    empilepoint(l.coups[1].prises, 300, 1, 2);
    if (n >= 4) empilepoint(l.coups[3].prises, 300, 5, 5);
    return l;
  };
  struct Cas {
    int32_t longueur, attendu;
  } const cas[] = {{2, -2000}, {4, -4000}};
  for (const Cas& k : cas) {
    const TCheminCoups l = ligne(k.longueur);
    int32_t v = 0;
    fixture::verifieinchange(p, [&] { bonuscaptureslignes(p, v, NOIR, l, marquesvides, marquesvides); });
    EXPECT_EQ(v, k.attendu) << k.longueur << " moves";
  }
  // The term alone stops at the first take-back and says where it was.
  const TCheminCoups l = ligne(4);
  int32_t v = 0;
  EXPECT_EQ(bonuscapturesligne(p, v, NOIR, l, marquesvides, marquesvides), 1);
  EXPECT_EQ(bonuscapturesligne(p, v, NOIR, l, marquesvides, marquesvides, 2), 3);
  EXPECT_EQ(bonuscapturesligne(p, v, NOIR, l, marquesvides, marquesvides, 4), 0);
  EXPECT_EQ(v, -4000);
  pionsmorts.fill(0);
}

// ---- Every term puts the position back -------------------------------------------------------

TEST_F(Bonus, EveryTermPutsBoardChainTableAndDeadMarksBack) {
  TPlateau p = pose(
      "..OX.....\n"
      ".OX.X....\n"
      ".OXX.O...\n"
      "..OOX....\n"
      "...O.X...\n"
      "....XO...\n"
      ".....O...\n"
      "X........\n"
      ".........\n",
      7);
  for (int32_t i = 0; i < NBCASES; ++i) {
    territoire[i] = (i % 9) < 4 ? BLANC : NOIR;
    lesfaibles[i] = (i % 11 == 0) ? 2 : 0;
  }
  pionsmorts[indexcase(6, 6)] = 1;
  strategie = 0;
  numerocoup = 20;
  phasedebut = 1;
  maxfortification = 3;
  maxsurvie = 3;
  static TCartesParPoint morts{};
  TCarte carte{}, plafond{}, valeurs{};
  valeurs.fill(12);
  plafond.fill(100);
  TMarques memo{}, escaliers{};
  escaliers[indexcase(2, 3)] = 3;
  TListePoints chemin{}, liste{};
  empilepoint(chemin, 300, 2, 5);
  empilepoint(chemin, 300, 3, 5);
  TCheminCoups ligne;
  ligne.nombre = 2;
  ligne.coups[1].coup = TPoint{2, 5};
  ligne.coups[2].coup = TPoint{3, 5};
  ligne.coups[1].prises[0] = ligne.coups[2].prises[0] = 0;
  const uint8_t drapeaux[DRAPEAUXCHEMIN] = {1, 0, 1, 0, 0, 0, 0, 0};
  TPrisesMarquees prises{};
  TValeursRelie relie;
  relie.masque = &marquesvides;
  relie.prises = &prises;
  relie.g = 3;
  int32_t v = 0;
  const std::pair<const char*, std::function<void()>> termes[] = {
      {"bonusesca", [&] { bonusesca(p, v, NOIR, marquesvides, 3, 1, 2, 5); }},
      {"bonusatari", [&] { bonusatari(p, v, NOIR, 2, NOIR, 2, 1, 2, 5); }},
      {"bonuslibertesvoisines", [&] { bonuslibertesvoisines(p, v, NOIR, 1, 2, 3, 3); }},
      {"bonusvoisinsatari", [&] { bonusvoisinsatari(p, v, NOIR, 4, 0, 3, 3); }},
      {"bonussortieesca", [&] { bonussortieesca(p, v, NOIR, escaliers, 9, 2, 5); }},
      {"bonusbord", [&] { bonusbord(p, v, NOIR, 2, 5); }},
      {"zonevide3x3", [&] { zonevide3x3(p, v, NOIR, 8, 5); }},
      {"bonuscoins", [&] { bonuscoins(p, v, NOIR, NOIR, 2, 5); }},
      {"bonusformecoupure", [&] { bonusformecoupure(p, v, NOIR, 3, 4); }},
      {"bonusmortsprofondeur", [&] { bonusmortsprofondeur(p, v, NOIR, 3, NOIR, marquesvides, marquesvides, 2, 5); }},
      {"comptezonevoisins", [&] { comptezonevoisins(p, v, NOIR, NOIR, 3, 4, 2); }},
      {"liaisonchainesenatari", [&] { liaisonchainesenatari(v, prises, p, BLANC, NOIR, 2, 5); }},
      {"bonusrelielesgroupes", [&] { bonusrelielesgroupes(p, v, NOIR, 2, 5, relie); }},
      {"empechedefaire2yeux", [&] { empechedefaire2yeux(p, v, NOIR, NOIR, memo, 2, 5); }},
      {"bonusrampebord", [&] { bonusrampebord(p, v, NOIR, 0, 1, 4); }},
      {"bonuspierreisoleebord", [&] { bonuspierreisoleebord(p, v, NOIR, BLANC, NOIR, 2, 5); }},
      {"bonusterritoire", [&] {
         TMarques marques{};
         uint8_t premier = 0;
         bonusterritoire(marques, TPoint{3, 5}, drapeaux, premier, 0, NOIR, NOIR, v, p, chemin, 2);
       }},
      {"bonusdifferenceterritoire", [&] {
         bonusdifferenceterritoire(morts, tablegroupes, 2, 5, 10, 10, NOIR, BLANC, p, drapeaux, chemin, v, 0);
       }},
      {"bonusvoisinsennemis", [&] { bonusvoisinsennemis(p, v, NOIR, 0, 6, 5, 1); }},
      {"bonusmortssauvesessai", [&] { bonusmortssauvesessai(p, v, NOIR, TPoint{2, 5}, TPoint{3, 5}); }},
      {"bonusfaiblesliees", [&] { bonusfaiblesliees(p, v, NOIR, TPoint{2, 5}, 0, 0, 0, 1); }},
      {"bonusfaibles", [&] { bonusfaibles(p, v, NOIR, BLANC); }},
      {"bonusstrategiecoup", [&] { bonusstrategiecoup(p, v, 5, 5, 3, TPoint{2, 5}, TPoint{3, 5}); }},
      {"bonuscartesdeuxcoups", [&] { bonuscartesdeuxcoups(p, v, valeurs, valeurs, NOIR, ligne); }},
      {"bonuscapturesligne", [&] { bonuscapturesligne(p, v, NOIR, ligne, marquesvides, marquesvides); }},
      {"bonusdeuxyeuxcoupure", [&] {
         uint8_t res = 0;
         int32_t sortie = 0;
         bonusdeuxyeuxcoupure(p, v, TPoint{2, 5}, TPoint{3, 5}, 3, 0, 10, 10, BLANC, res, 0, sortie);
       }},
      {"bonuslibertescoup", [&] { bonuslibertescoup(p, v, NOIR, TPoint{3, 6}, TPoint{2, 5}, carte, plafond); }},
      {"bonusreprisevoisins", [&] { bonusreprisevoisins(p, v, valeurs, BLANC, NOIR, TPoint{2, 5}); }},
      {"bonusliaisonsurvie", [&] { v += bonusliaisonsurvie(p, 6, TPoint{2, 5}, liste, carte); }},
      {"bonuspierresprenables", [&] { bonuspierresprenables(p, v, 10, NOIR, TPoint{4, 5}, TPoint{4, 6}); }},
      {"bonuscoupforceordi", [&] { bonuscoupforceordi(p, v, TPoint{2, 5}, 5); }},
      {"bonuscoupforcejoueur", [&] { bonuscoupforcejoueur(p, v, TPoint{2, 5}, valeurs, 1); }},
      {"bonuslecturezone", [&] { bonuslecturezone(p, v, BLANC, TPoint{2, 5}); }},
      {"bilanpierresfinal", [&] { bilanpierresfinal(p, v, marquesvides); }},
      {"bonusmoyodomine", [&] { bonusmoyodomine(p, v, TPoint{2, 5}, 0, 0); }},
      {"termeinactif", [&] { termeinactif(p, v, NOIR, 2, 5); }},
      {"bonuscoupureregions", [&] {
         TListePoints l{};
         empilepoint(l, 300, 2, 3);
         empilepoint(l, 300, 4, 5);
         bonuscoupureregions(marquesvides, marquesvides, l, p, p, 3, 4, v, 0);
       }},
      {"ajustevaleurcandidat", [&] {
         const int32_t stocke = 30;
         ajustevaleurcandidat(p, v, stocke, 0, 5, TPoint{2, 5}, TPoint{3, 5}, NOIR, BLANC, NOIR, p);
       }},
      {"effacecartebonus", [&] { effacecartebonus(carte); }},
      {"pointkocourant", [&] {
         TPoint k;
         pointkocourant(k);
       }},
  };
  for (const auto& t : termes) {
    SCOPED_TRACE(t.first);
    fixture::verifieinchange(p, t.second);
  }
  maxfortification = maxsurvie = 0;
}

}  // namespace

// ---- Invasion and dead-marks terms --------------------------------------------------------

// Black's move at E5 against white invasions at C3 and G7.
constexpr const char* INVASION =
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "....X....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

class BonusInvasion : public Bonus {
 protected:
  void SetUp() override {
    for (auto& l : effetsinvasion)
      for (TEffetInvasion& e : l) e = TEffetInvasion{};
    compteurinvasions = 1;
    // Every invasion zone holds every point unless a case says otherwise.
    std::memset(zonesinvasionjoueur, 1, sizeof zonesinvasionjoueur);
  }
  void TearDown() override {
    for (auto& l : effetsinvasion)
      for (TEffetInvasion& e : l) e = TEffetInvasion{};
    compteurinvasions = 0;
    std::memset(zonesinvasionjoueur, 0, sizeof zonesinvasionjoueur);
    Bonus::TearDown();
  }
  int32_t lance(TPlateau& p, TPoint q, const TCarte& v, uint8_t m = NOIR) {
    int32_t s = 0;
    fixture::verifieinchange(p, [&] { bonusinvasion(p, s, m, q, v); });
    return s;
  }
  TEffetInvasion& effet(TPoint q) { return effetsinvasion[q.ligne - 1][q.colonne - 1]; }
};

TEST_F(BonusInvasion, StoppedInvasionsAreCountedAndCached) {
  TPlateau p = pose(INVASION);
  const TPoint q{5, 5};
  TCarte v{};
  v[indexcase(3, 3)] = 40;
  v[indexcase(7, 7)] = 20;
  casescandidatesjoueur[indexcase(3, 3)] = casescandidatesjoueur[indexcase(7, 7)] = 1;
  const int32_t premier = lance(p, q, v);
  // Each stopped point is marked 1 or 2; the best value grows 10 % for the other.
  const uint8_t m1 = effet(q).marques[indexcase(3, 3)], m2 = effet(q).marques[indexcase(7, 7)];
  // Two lone stones on an empty board do not live: both stopped, 40 + 10 %.
  EXPECT_EQ(m1, 1);
  EXPECT_EQ(m2, 1);
  EXPECT_EQ(premier, 44);
  EXPECT_EQ(effet(q).valeur, 44);
  // The second call reads the cache: no reading, the same value.
  v.fill(0);
  EXPECT_EQ(lance(p, q, v), premier);
  // A cached value counts against the other colour.
  EXPECT_EQ(lance(p, q, v, BLANC), -premier);
}

TEST_F(BonusInvasion, Gates) {
  TPlateau p = pose(INVASION);
  const TPoint q{5, 5};
  TCarte v{};
  v[indexcase(3, 3)] = 40;
  casescandidatesjoueur[indexcase(3, 3)] = 1;
  struct Cas {
    const char* nom;
    std::function<void()> prepare;
  };
  const Cas cas[] = {
      {"no invasion counted", [] { compteurinvasions = 0; }},
      {"q dead-marked", [&] { pionsmorts[indexcase(5, 5)] = 1; }},
      {"the point is not an opponent candidate", [] { casescandidatesjoueur.fill(0); }},
  };
  for (const Cas& c : cas) {
    SetUp();
    casescandidatesjoueur[indexcase(3, 3)] = 1;
    c.prepare();
    EXPECT_EQ(lance(p, q, v), 0) << c.nom;
    EXPECT_EQ(effet(q).valeur, -1) << c.nom << ": nothing is cached as -1";
    pionsmorts.fill(0);
  }
  // A cached "nothing" stays nothing.
  SetUp();
  effet(q).valeur = -1;
  EXPECT_EQ(lance(p, q, v), 0);
  // A preset cache is added at once.
  effet(q).valeur = 37;
  EXPECT_EQ(lance(p, q, v), 37);
}

// The zones come from the invasion analysis on the board before black's
// move at D4: D4 lies in the zone of the invasion at C3, not in that of
// G7, so only C3 is read and its value is not raised for a second point.
TEST_F(BonusInvasion, OnlyTheInvasionsWhoseZoneHoldsTheMoveAreRead) {
  TPlateau p = pose(VIDE9);
  TCarte v{};
  v[indexcase(3, 3)] = 40;
  v[indexcase(7, 7)] = 40;
  casescandidatesjoueur[indexcase(3, 3)] = casescandidatesjoueur[indexcase(7, 7)] = 1;
  analysecoupsinvasion(p, v, NOIR, zonesinvasionjoueur, BLANC);
  const TPoint q{4, 4};
  ASSERT_NE(zonesinvasionjoueur[2][2][indexcase(4, 4)], 0);
  ASSERT_EQ(zonesinvasionjoueur[6][6][indexcase(4, 4)], 0);
  p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "...X.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  casescandidatesjoueur[indexcase(3, 3)] = casescandidatesjoueur[indexcase(7, 7)] = 1;
  const int32_t s = lance(p, q, v);
  EXPECT_NE(effet(q).marques[indexcase(3, 3)], 0);
  EXPECT_EQ(effet(q).marques[indexcase(7, 7)], 0) << "G7's zone does not hold D4";
  EXPECT_EQ(s, 40);
}

TEST_F(BonusInvasion, AnEmptyCandidatePointGetsAQuarter) {
  TPlateau p = pose(INVASION);
  TCarte v{};
  v[indexcase(3, 3)] = 40;
  casescandidatesjoueur[indexcase(3, 3)] = 1;
  const TPoint plein{5, 5}, vide{6, 6};
  const int32_t entier = lance(p, plein, v);
  const int32_t quart = lance(p, vide, v);
  ASSERT_EQ(effet(plein).marques[indexcase(3, 3)], 1);
  EXPECT_EQ(entier, 40);
  EXPECT_EQ(quart, 10);
}

class BonusMarquesMorts : public Bonus {
 protected:
  void TearDown() override {
    essaiordi(5, 5) = TEssaiCoup{};
    essaiordi(5, 6) = TEssaiCoup{};
    essaijoueur(5, 6) = TEssaiCoup{};
    pionsmortsbis.fill(0);
    Bonus::TearDown();
  }
  struct Sortie {
    int32_t valeur = 0, max1 = 0, max2 = 0;
  };
  Sortie lance(TPlateau& p, uint8_t saut, int32_t genre, int32_t sous, int32_t w, int32_t w2, int32_t x, int32_t t1,
               int32_t t2) {
    Sortie s;
    const uint8_t drapeaux[DRAPEAUXCHEMIN] = {1, 1, 1, 1, 1, 1, 1, 1};
    fixture::verifieinchange(p, [&] {
      bonusmarquesmorts(saut, genre, sous, drapeaux, s.valeur, s.max1, s.max2, NOIR, BLANC, TPoint{5, 6},
                        TPoint{5, 5}, w, w2, x, p, 0, t1, t2);
    });
    return s;
  }
};

// Black's move r at E5 with living stones around; white answers at F5.
constexpr const char* MARQUES =
    ".........\n"
    ".........\n"
    "..X...O..\n"
    ".........\n"
    "....X....\n"
    ".........\n"
    "..X...O..\n"
    ".........\n"
    ".........\n";

TEST_F(BonusMarquesMorts, ThresholdsAndTheCounterCost) {
  TPlateau p = pose(MARQUES);
  TEssaiCoup& er = essaiordi(5, 5);
  er = TEssaiCoup{};
  er.carte2essai[indexcase(3, 3)] = 1;  // a black stone r keeps: still alive
  struct Cas {
    const char* nom;
    uint8_t saut;
    int32_t genre, sous, x, t1, t2, compteur2;
    int32_t valeur, max1, max2;
  };
  const Cas cas[] = {
      {"skip byte", 1, 10, 0, 0, 3, 0, 0, 0, 0, 0},
      {"kind 10: no kept stone lost costs W", 0, 10, 0, 0, 3, 0, 0, -30, 0, 30},
      {"kind 10 without threshold", 0, 10, 0, 0, 0, 0, 0, 0, 0, 0},
      {"kind 8 without dead stone at the start", 0, 8, 0, 0, 0, 2, 0, -30, 0, 30},
      {"kind 2 has neither threshold", 0, 2, 0, 0, 3, 2, 0, 0, 0, 0},
      {"the counter cost with sub-kind 1", 0, 12, 1, 50, 0, 0, 2, -30, 30, 0},
      {"the counter cost with sub-kind 3, kind 10", 0, 10, 3, 50, 0, 0, 2, -30, 30, 0},
      {"the counter cost needs a reason", 0, 12, 0, 50, 0, 0, 2, 0, 0, 0},
      {"counter cost too small", 0, 12, 1, 20, 0, 0, 2, 0, 0, 0},
      {"kind 2 never pays the counter cost", 0, 2, 1, 50, 0, 0, 2, 0, 0, 0},
      {"kind 9 never pays the counter cost", 0, 9, 3, 50, 3, 2, 2, 0, 0, 0},
      {"kind 8 pays its threshold and the counter cost", 0, 8, 0, 50, 0, 2, 2, -60, 30, 30},
  };
  for (const Cas& c : cas) {
    er.compteur2essai = c.compteur2;
    const Sortie s = lance(p, c.saut, c.genre, c.sous, 30, 10, c.x, c.t1, c.t2);
    EXPECT_EQ(s.valeur, c.valeur) << c.nom;
    EXPECT_EQ(s.max1, c.max1) << c.nom;
    EXPECT_EQ(s.max2, c.max2) << c.nom;
  }
  // Kind 10 with a threshold of three: no stone r keeps lost costs the whole
  // W = 30 (above); one lost is two short of the threshold, two thirds of W: 20.
  plateaudepart[indexcase(7, 3)] = NOIR;
  er.carte2essai[indexcase(7, 3)] = 1;
  TPlateau sans = p;
  sans[indexcase(7, 3)] = VIDE;
  infochaine = TInfoChaine{};
  calculelibertes(sans);
  er.compteur2essai = 0;
  // The stone at C3 is kept and C7 gone: c1 = 1 of t1 = 3.
  const Sortie s = lance(sans, 0, 10, 0, 30, 10, 0, 3, 0);
  EXPECT_EQ(s.valeur, -20);
  EXPECT_EQ(s.max2, 20);
}

TEST_F(BonusMarquesMorts, LowKindsNeedTheGate) {
  TPlateau p = pose(MARQUES);
  // Nothing of the gate holds: the term does nothing.
  const Sortie s = lance(p, 0, 0, 0, 30, 10, 50, 3, 3);
  EXPECT_EQ(s.valeur, 0);
  EXPECT_EQ(s.max1, 0);
  EXPECT_EQ(s.max2, 0);
}

// The gate of the low kinds: the answer's point is a linking point of the
// engine (bit 0x02 of its record's flag byte: a linkable pair found) for the
// black stone in the corner that r saves; that stone ends up dead.
TEST_F(BonusMarquesMorts, LowKindsCountTheSavedStonesLostPastTheGate) {
  TPlateau p = pose(
      "XO.......\n"
      ".O.......\n"
      "O........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t coin = indexcase(1, 1), iq = indexcase(5, 6);
  casescandidates[iq] = 1;
  essaijoueur(5, 6) = TEssaiCoup{};
  essaijoueur(5, 6).flagessai1 = 1;
  essaiordi(5, 6) = TEssaiCoup{};
  essaiordi(5, 6).liensessai[coin] = 0x20;
  essaiordi(5, 5) = TEssaiCoup{};
  essaiordi(5, 5).marquesessai[coin] = 1;
  struct Cas {
    uint8_t essaifait;
    int32_t valeur;
  };
  // The one stone r saves is lost: the whole of W + W2 = 30 + 10, so 40.
  for (const Cas& c : {Cas{0x02, -40}, Cas{0x04, 0}, Cas{0x01, 0}}) {
    essaiordi(5, 6).essaifait = c.essaifait;
    const Sortie s = lance(p, 0, 0, 0, 30, 10, 0, 0, 0);
    EXPECT_EQ(s.valeur, c.valeur) << int(c.essaifait);
    EXPECT_EQ(s.max2, -c.valeur) << int(c.essaifait);
  }
}

TEST_F(BonusInvasion, AThreatenedCandidateStoneCountsLess) {
  // White's invasion at B9 puts black's corner stone in atari.
  TPlateau p = pose(
      "X........\n"
      ".O.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TCarte v{};
  v[indexcase(1, 2)] = 60;
  casescandidatesjoueur[indexcase(1, 2)] = 1;
  // The corner stone is marked dead after the invasion: a quarter of 60,
  // less 10 beside a chain short of liberties.
  EXPECT_EQ(lance(p, TPoint{1, 1}, v), 5);
  EXPECT_EQ(effet(TPoint{1, 1}).marques[indexcase(1, 2)], 1);
}
