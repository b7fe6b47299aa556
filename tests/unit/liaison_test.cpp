// Linked chains: the two rule sets, their fills and tests, and the variants.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/connection/liaisonvorn.h"
#include "tests/support/fixture.h"

namespace {

class Liaison : public ::testing::Test {
 protected:
  void SetUp() override { flagscan = 0; }  // main self-atari test only
  void TearDown() override {
    flagscan = 1;
    lectureprise = lecturedefaut;
  }
  static inline const TLecturePrise lecturedefaut = lectureprise;
};

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

TMarques chaine(const TPlateau& p, int r, int c) {
  TMarques m = marquesvides;
  marquepionschaine(p, m, 0, r, c);
  return m;
}

// One shape, a start stone S and a target stone T: does each fill from S
// reach T, and does each test of S succeed with T's plain chain marked?
TEST_F(Liaison, RuleSets) {
  struct Cas {
    const char* nom;
    const char* d;
    int sr, sc, tr, tc;
    bool remplit1, test1, remplit2, test2;
  } cas[] = {
      {"open diagonal",
       ".........\n.........\n.........\n.........\n....X....\n.....X...\n.........\n.........\n.........\n",
       5, 5, 6, 6, true, true, true, true},
      {"diagonal, the open shared point a self-atari for O",
       ".........\n.........\n.........\n.........\n....XO...\n.....X...\n....X....\n.........\n.........\n",
       5, 5, 6, 6, true, true, true, true},
      {"diagonal cut: O can live on the other shared point",
       ".........\n.........\n.........\n.........\n....XO...\n.....X...\n.........\n.........\n.........\n",
       5, 5, 6, 6, false, false, false, false},
      {"diagonal with both shared points held by O",
       ".........\n.........\n.........\n.........\n....XO...\n....OX...\n.........\n.........\n.........\n",
       5, 5, 6, 6, false, false, false, false},
      {"open one-point jump", ".........\n.........\n.........\n.........\n....X.X..\n.........\n.........\n"
                              ".........\n.........\n",
       5, 5, 5, 7, true, true, false, false},
      {"jump with an O flank", ".........\n.........\n.........\n.........\n....X.X..\n.....O...\n.........\n"
                               ".........\n.........\n",
       5, 5, 5, 7, false, false, false, false},
      {"jump squeezed from both sides", ".........\n.........\n.........\n......O..\n....X.X..\n....O....\n"
                                        ".........\n.........\n.........\n",
       5, 5, 5, 7, false, false, false, false},
      {"jump with O on one side only", ".........\n.........\n.........\n......O..\n....X.X..\n.........\n"
                                       ".........\n.........\n.........\n",
       5, 5, 5, 7, true, true, false, false},
      {"jump from a chain of two liberties",
       ".........\n.........\n.........\n....O....\n....X.X..\n....O....\n.........\n.........\n.........\n",
       5, 5, 5, 7, false, false, false, false},
      {"second-line jump, O on the third-line flank",
       ".........\n..X.X....\n...O.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       2, 3, 2, 5, true, true, false, false},
      {"second-line jump, first-line O chain outside atari",
       "..O......\n..X.X....\n...O.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       2, 3, 2, 5, false, false, false, false},
      {"second-line jump, first-line O chain in atari",
       ".XO......\n..X.X....\n...O.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       2, 3, 2, 5, true, true, false, false},
      {"first-line jump, inner flank in atari",
       "..X.X....\n..XOX....\n...X.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       1, 3, 1, 5, false, false, true, true},
      {"first-line jump, inner flank with two liberties",
       "..X.X....\n..XOX....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       1, 3, 1, 5, false, false, false, false},
      {"first-column jump, inner flank in atari",
       ".........\n.........\nXX.......\n.OX......\nXX.......\n.........\n.........\n.........\n.........\n",
       3, 1, 5, 1, false, false, true, true},
      {"corner stone jumps along the edge", "X.X......\n.........\n.........\n.........\n.........\n.........\n"
                                             ".........\n.........\n.........\n",
       1, 1, 1, 3, true, true, true, true},
      {"bamboo joint of chains with two liberties",
       ".........\n.........\n.........\n....OO...\n...OXXO..\n.........\n....XX...\n.........\n.........\n",
       5, 5, 7, 5, false, false, true, true},
      {"bamboo joint with liberties", ".........\n.........\n.........\n.........\n....XX...\n.........\n"
                                      "....XX...\n.........\n.........\n",
       5, 5, 7, 5, true, true, true, true},
      {"second-line jump, O on the other flank toward the centre",
       ".........\n.........\n.......X.\n......O..\n.......X.\n.........\n.........\n.........\n.........\n",
       3, 8, 5, 8, true, true, false, false},
      {"first-line large knight", "..X......\n.....X...\n.........\n.........\n.........\n.........\n"
                                  ".........\n.........\n.........\n",
       1, 3, 2, 6, true, true, true, true},
      {"large knight with O on the first line beyond it",
       "..X...O..\n.....X...\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       1, 3, 2, 6, false, false, false, false},
      {"no pattern from a stone with two liberties",
       ".OX......\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n",
       1, 3, 2, 5, false, false, false, false},
      {"first-line small knight", "..X......\n....X....\n.........\n.........\n.........\n.........\n"
                                  ".........\n.........\n.........\n",
       1, 3, 2, 5, true, true, true, true},
      {"small knight blocked by O", "..XO.....\n....X....\n.........\n.........\n.........\n.........\n"
                                    ".........\n.........\n.........\n",
       1, 3, 2, 5, false, false, false, false},
      {"second-line pattern down to the first line", "....X....\n..X......\n.........\n.........\n.........\n"
                                                     ".........\n.........\n.........\n.........\n",
       2, 3, 1, 5, true, true, true, true},
      {"second-line pattern, long step", ".....X...\n..X......\n.........\n.........\n.........\n"
                                         ".........\n.........\n.........\n.........\n",
       2, 3, 1, 6, true, true, true, true},
      {"no pattern from the third line", ".........\n.........\n..X......\n....X....\n.........\n"
                                         ".........\n.........\n.........\n.........\n",
       3, 3, 4, 5, false, false, false, false},
      {"test-only jump past an unmarked diagonal stone",
       ".........\n.........\n.........\n.........\n...OXO...\n..O..X...\n...OX....\n.........\n.........\n",
       5, 5, 7, 5, false, true, false, true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    fixture::verifieinchange(p, [&] {
      TMarques m = marquesvides;
      metlachainelieen2coupatest1(p, m, k.sr, k.sc);
      EXPECT_EQ(m[indexcase(k.tr, k.tc)] != 0, k.remplit1) << "rule set 1 fill";
      m = marquesvides;
      metlachaineliee(p, m, k.sr, k.sc);
      EXPECT_EQ(m[indexcase(k.tr, k.tc)] != 0, k.remplit2) << "rule set 2 fill";
      const TMarques t = chaine(p, k.tr, k.tc);
      EXPECT_EQ(pionlieachainetest1(p, t, k.sr, k.sc), k.test1) << "rule set 1 test";
      EXPECT_EQ(pionlieachaine(p, t, k.sr, k.sc), k.test2) << "rule set 2 test";
    });
  }
}

TEST_F(Liaison, EmptyStartMarksOnlyThePoint) {
  const TPlateau p = pose(".....\n.X...\n.....\n.....\n.....\n");
  TMarques m = marquesvides;
  metlachainelieen2coupatest1(p, m, 3, 3);
  TMarques attendu = marquesvides;
  attendu[indexcase(3, 3)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, m));
}

TEST_F(Liaison, FillFromAMarkedStartStillSpreads) {
  const TPlateau p = pose(".....\n.X...\n..X..\n.....\n.....\n");
  TMarques m = marquesvides;
  m[indexcase(2, 2)] = 1;
  metlachaineliee(p, m, 2, 2);
  EXPECT_TRUE(m[indexcase(3, 3)]);
}

TEST_F(Liaison, SmallFills) {
  // Two diagonal pairs joined by a jump: the simple fill stops at the jump.
  const TPlateau p = pose(".........\n.........\n.........\n...X.....\n....X.X..\n.......X.\n.........\n"
                          ".........\n.........\n");
  TMarques m = marquesvides;
  int32_t n = 0;
  fixture::verifieinchange(p, [&] { comptepionschaineliee(n, p, m, 5, 5); });
  EXPECT_EQ(n, 2);
  m = marquesvides;
  metlachainelieesimple(p, m, 5, 5);
  EXPECT_TRUE(m[indexcase(4, 4)]);
  EXPECT_FALSE(m[indexcase(5, 7)]);
  m = marquesvides;
  metlachainelieen2coupatest1(p, m, 5, 5);
  EXPECT_TRUE(m[indexcase(6, 8)]);
}

TEST_F(Liaison, FillThroughDeadStones) {
  const TPlateau p = pose(".......\n.......\n.......\n..XOX..\n.......\n.......\n.......\n");
  TMarques m = marquesvides;
  metlachainelieeviamorts(p, m, 4, 3, NOIR, BLANC);
  EXPECT_FALSE(m[indexcase(4, 5)]);
  pionsmorts[indexcase(4, 4)] = 1;
  m = marquesvides;
  fixture::verifieinchange(p, [&] { metlachainelieeviamorts(p, m, 4, 3, NOIR, BLANC); });
  EXPECT_TRUE(m[indexcase(4, 4)]);
  EXPECT_TRUE(m[indexcase(4, 5)]);
  // An own stone flagged dead is marked and the fill goes no further.
  pionsmorts.fill(0);
  pionsmorts[indexcase(4, 3)] = 1;
  m = marquesvides;
  metlachainelieeviamorts(p, m, 4, 3, NOIR, BLANC);
  TMarques seul = marquesvides;
  seul[indexcase(4, 3)] = 1;
  EXPECT_TRUE(fixture::memesmarques(seul, m));
}

// An edge pattern pointing at an own stone flagged dead: the fill marks the
// stone, follows nothing from it, and is not handed the same link again.
TEST_F(Liaison, FillStopsAtAPatternLinkToAnOwnDeadStone) {
  const TPlateau p = pose("..X......\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  pionsmorts[indexcase(2, 5)] = 1;
  TMarques m = marquesvides;
  fixture::verifieinchange(p, [&] { metlachainelieeviamorts(p, m, 1, 3, NOIR, BLANC); });
  TMarques attendu = marquesvides;
  attendu[indexcase(1, 3)] = 1;
  attendu[indexcase(2, 5)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, m));
}

// A first-line stone with a knight's link on each side, one of the two
// stones flagged dead: the pattern search goes on past the dead one and the
// live one is linked, whichever the search meets first.
TEST_F(Liaison, FillThroughDeadStonesKeepsALaterPatternLink) {
  const TPlateau p = pose("..X......\nX...X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  for (const auto& [mort, vivant] : {std::pair{TPoint{2, 5}, TPoint{2, 1}}, std::pair{TPoint{2, 1}, TPoint{2, 5}}}) {
    SCOPED_TRACE(testing::Message() << "dead stone at column " << mort.colonne);
    pionsmorts.fill(0);
    pionsmorts[indexcase(mort.ligne, mort.colonne)] = 1;
    TMarques m = marquesvides;
    fixture::verifieinchange(p, [&] { metlachainelieeviamorts(p, m, 1, 3, NOIR, BLANC); });
    EXPECT_TRUE(m[indexcase(mort.ligne, mort.colonne)]);
    EXPECT_TRUE(m[indexcase(vivant.ligne, vivant.colonne)]);
  }
}

TEST_F(Liaison, FillAfterEnemyMoves) {
  TPlateau p = pose(".........\n.........\n.........\n.........\n....X.X..\n.........\n.........\n"
                    ".........\n.........\n");
  TMarques points = marquesvides;
  TMarques m = marquesvides;
  // An enemy stone on the gap cuts the jump.
  points[indexcase(5, 6)] = 1;
  fixture::verifieinchange(p, [&] { metlachainelieesliensessais(p, m, points, 5, 5); });
  EXPECT_TRUE(m[indexcase(5, 5)]);
  EXPECT_FALSE(m[indexcase(5, 7)]);
  // A stone taken by the moves: only its plain chain is marked.
  p = pose("XO.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"
           ".........\n");
  points = marquesvides;
  points[indexcase(2, 1)] = 1;
  m = marquesvides;
  fixture::verifieinchange(p, [&] { metlachainelieesliensessais(p, m, points, 1, 1); });
  TMarques attendu = marquesvides;
  attendu[indexcase(1, 1)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, m));
}

TEST_F(Liaison, LinkInOneMove) {
  // Two liberties are too few for the jump; a stone beside S gives it four.
  TPlateau p = pose(".........\n.........\n.........\n....O....\n...OX.X..\n.........\n.........\n"
                    ".........\n.........\n");
  const TMarques t = chaine(p, 5, 7);
  EXPECT_FALSE(pionlieachainetest1(p, t, 5, 5));
  fixture::verifieinchange(p, [&] { EXPECT_TRUE(lienen1coup(p, t, 5, 5)); });
  p = pose(".........\n.........\n.........\n.........\n....X....\n.........\n.........\n"
           ".........\n......X..\n");
  fixture::verifieinchange(p, [&] { EXPECT_FALSE(lienen1coup(p, chaine(p, 9, 7), 5, 5)); });
}

// Capture reading stand-in that records its call.
struct Appel {
  int n = 0, r = 0, c = 0, profondeur = 0, limite = 0;
  uint8_t couleur = 9;
};
Appel appel;
// It also leaves the board and the chain table changed, as a careless reading would.
bool lecturefactice(TPlateau& q, int32_t r, int32_t c, int32_t profondeur, int32_t limite, uint8_t couleur,
                    const TPoint&) {
  appel = {appel.n + 1, r, c, profondeur, limite, couleur};
  q[indexcase(1, 1)] = NOIR;
  infochaine[indexcase(1, 1)][0] = 9;
  return true;
}

TEST_F(Liaison, PossibleLink) {
  // S at (5,5); marked stones at (3,5) and (5,7); O at (4,5) between S and (3,5).
  constexpr const char* deux =
      ".........\n.........\n....X....\n....O....\n....X.X..\n.........\n.........\n.........\n.........\n";
  constexpr const char* atari =
      ".........\n.........\n....X....\n....OX...\n....X.X..\n.........\n.........\n.........\n.........\n";
  constexpr const char* sanslien =
      ".........\n.........\n....X....\n....O....\n....X....\n.........\n.........\n.........\n.........\n";
  struct Cas {
    const char* nom;
    const char* d;
    bool prenable;     // (4,5) flagged in the map of takeable chains
    bool lecture;      // the capture reading answers "captured"
    bool attendu;
    int appels;
  } cas[] = {
      {"neighbour chain in atari", atari, false, false, true, 0},
      {"two-liberty chain flagged", deux, true, false, true, 0},
      {"two-liberty chain read as safe", deux, false, false, false, 1},
      {"two-liberty chain read as captured", deux, false, true, true, 1},
      {"no linking move, chain flagged", sanslien, true, true, true, 0},
      {"no linking move, chain not flagged", sanslien, false, true, false, 0},
  };
  paramniveaub = 4;
  profondeurlecture = 7;
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d);
    TMarques m = marquesvides;
    m[indexcase(3, 5)] = 1;
    if (p[indexcase(5, 7)] == NOIR) m[indexcase(5, 7)] = 1;
    TMarques prenables = marquesvides;
    if (k.prenable) prenables[indexcase(4, 5)] = 1;
    appel = {};
    lectureprise = k.lecture ? lecturefactice : [](TPlateau& q, int32_t r, int32_t c, int32_t pr, int32_t li,
                                                   uint8_t co, const TPoint& ko) {
      lecturefactice(q, r, c, pr, li, co, ko);
      return false;
    };
    fixture::verifieinchange(p, [&] { EXPECT_EQ(testelienpossible(p, m, prenables, 5, 5), k.attendu); });
    EXPECT_EQ(appel.n, k.appels);
    if (appel.n) {
      EXPECT_EQ(appel.r, 4);
      EXPECT_EQ(appel.c, 5);
      EXPECT_EQ(appel.couleur, BLANC);
      EXPECT_EQ(appel.profondeur, 7);
      EXPECT_EQ(appel.limite, 4);
    }
  }
  // Without a linking move, a stone itself flagged takeable cannot, whatever its neighbours.
  {
    TPlateau p = pose(sanslien);
    TMarques m = marquesvides;
    m[indexcase(3, 5)] = 1;
    TMarques prenables = marquesvides;
    prenables[indexcase(4, 5)] = 1;
    prenables[indexcase(5, 5)] = 1;
    fixture::verifieinchange(p, [&] { EXPECT_FALSE(testelienpossible(p, m, prenables, 5, 5)); });
  }
  // A stone in atari, and a stone with no weak neighbour, cannot.
  TPlateau p = pose(".........\n.........\n....X....\n....O....\n...OXO...\n.........\n.........\n.........\n"
                    ".........\n");
  TMarques m = marquesvides;
  m[indexcase(3, 5)] = 1;
  EXPECT_FALSE(testelienpossible(p, m, marquesvides, 5, 5));
  p = pose(deux);
  p[indexcase(4, 5)] = VIDE;
  calculelibertes(p);
  EXPECT_FALSE(testelienpossible(p, m, marquesvides, 5, 5));
}

TEST_F(Liaison, TrialLinkBitsAndCornerRectangle) {
  const TPlateau p = pose(".........\n.........\n..X......\n.........\n.........\n.........\n......X..\n"
                          ".........\n.........\n");
  TMarques m = marquesvides;
  m[indexcase(3, 3)] = 1;
  essaiordi(4, 4).liensessai.fill(0);
  EXPECT_FALSE(chainelieeapresessai(m, 4, 4));
  essaiordi(4, 4).liensessai[indexcase(3, 3)] = 0x20;
  EXPECT_TRUE(chainelieeapresessai(m, 4, 4));
  essaiordi(4, 4).liensessai.fill(0);

  EXPECT_TRUE(rectanglecoinvide(p, 3, 3));
  EXPECT_TRUE(rectanglecoinvide(p, 7, 7));
  EXPECT_FALSE(rectanglecoinvide(p, 5, 3));   // middle row
  EXPECT_FALSE(rectanglecoinvide(p, 1, 3));   // first line
  EXPECT_FALSE(rectanglecoinvide(p, 4, 4));   // (3,3) in its rectangle
  EXPECT_FALSE(rectanglecoinvide(p, 6, 6));   // (7,7) in its rectangle
}

}  // namespace
