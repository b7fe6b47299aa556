// Point evaluation, move choice, scoring and unconditional life, with the
// generator pinned so that every choice is repeatable.
#include <cmath>

#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

Agent& Black() { return *player[0].engine; }
Agent& White() { return *player[1].engine; }

class EvalTest : public ::testing::Test {
 protected:
  GeneratorScope scope{ConstantGenerator};
};

// The chosen vertex for a colour, nothing played.
std::string Choice(int colour) {
  int i, j;
  generate_move(&i, &j, conv2gtp(colour));
  return Vertex(i, j);
}

// The owners map as rows of 'X' (black), 'O' (white), '.' (neither).
std::vector<std::string> OwnerRows() {
  std::vector<std::string> rows;
  for (int i = 0; i < datab.size; ++i) {
    std::string r;
    for (int j = 0; j < datab.size; ++j) {
      int o = owners[PointCode(i, j)];
      r += o == kBlack ? 'X' : o == kWhite ? 'O' : '.';
    }
    rows.push_back(r);
  }
  return rows;
}

TEST_F(EvalTest, LibertiesToCostTable) {
  struct Case {
    bool enemy;
    int liberties, stones;
    float cost;
  } cases[] = {
      {false, 1, 2, 1.5f},   {true, 0, 2, -4.2f},  {false, 0, 2, 3.0f},   {false, 2, 3, 1.0f},
      {false, 3, 1, 0.25f},  {false, 4, 9, 0.0f},  {true, 1, 1, -0.7f},   {true, 2, 4, -0.875f},
      {true, 4, 1, 0.0f},    {true, 0, 0, -1.4f},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(LibertiesToCost(c.enemy, c.liberties, c.stones), c.cost, 1e-5)
        << c.enemy << " " << c.liberties << " " << c.stones;
}

TEST_F(EvalTest, NeighbourhoodClasses) {
  Position({".X.......",
            "XX.......",
            "..XXX....",
            "..X.X....",
            "..XX.....",
            ".........",
            ".........",
            ".........",
            "........."});
  int s;
  // Own eyes, in the corner and surrounded with three own diagonals: never chosen.
  for (auto [i, j] : {std::pair{0, 0}, {3, 3}}) {
    EXPECT_EQ(HoodType(Black(), i, j, kBlack, s) & 15, 1) << i << "," << j;
    Black().UpdateWorth1(kBlack, i, j);
    EXPECT_EQ(Black().worth[PointCode(i, j)], kForbidden);
    // The same point is the enemy's eye for white.
    EXPECT_EQ(HoodType(Black(), i, j, kWhite, s) & 15, 2);
  }
  // Empty neighbourhoods by edge distance.
  EXPECT_EQ(HoodType(Black(), 6, 6, kBlack, s), 3);  // 3-3 point
  EXPECT_EQ(HoodType(Black(), 8, 4, kBlack, s), 6);  // first line
  EXPECT_EQ(HoodType(Black(), 6, 4, kBlack, s), 4);  // third line, centre column
  EXPECT_EQ(HoodType(Black(), 7, 5, kBlack, s), 5);  // second line
  EXPECT_EQ(HoodType(Black(), 0, 1, kBlack, s), 10);  // occupied
  EXPECT_NE(HoodType(Black(), 2, 1, kBlack, s) & 16, 0);  // own stone near
  EXPECT_EQ(HoodType(Black(), 2, 1, kBlack, s) & 32, 0);
  EXPECT_NE(HoodType(Black(), 2, 1, kWhite, s) & 32, 0);
}

// Local-shape scores, classes and worths of small shapes around one point,
// worked out by hand from the ring walk, its corrections and the liberty costs.
TEST_F(EvalTest, LocalShapeScoreClassAndWorthTable) {
  struct Case {
    const char* why;
    std::vector<std::pair<int, int>> black, white;
    int x, y, colour;
    int hood, score;
    float worth;  // kForbidden, or the value; NAN when not checked
  } cases[] = {
      {"class 7: one diagonal stone at the 3-3 point", {{1, 1}}, {}, 2, 2, kBlack, 7 | 16, 0, 0.7f},
      {"two own diagonals, nothing orthogonal: score 30", {{3, 3}, {5, 5}}, {}, 4, 4, kBlack, 16, 30, 0.75f},
      {"own diagonal after an own gap", {{3, 3}, {5, 3}}, {}, 4, 4, kBlack, 16, -5, NAN},
      {"own orthogonal after an own gap, two own orthogonals", {{4, 3}, {5, 4}}, {}, 4, 4, kBlack, 16, -29, NAN},
      {"enemy right after own", {{3, 3}}, {{4, 3}}, 4, 4, kBlack, 48, 40, NAN},
      {"enemy after an own gap", {{3, 3}}, {{5, 3}}, 4, 4, kBlack, 48, 30, NAN},
      {"own right after own", {{3, 3}, {4, 3}}, {}, 4, 4, kBlack, 16, -20, NAN},
      {"walk starts from an own stone above", {{3, 4}, {3, 3}}, {}, 4, 4, kBlack, 16, -20, NAN},
      {"walk starts from an own gap above", {{3, 5}, {3, 3}}, {}, 4, 4, kBlack, 16, -5, NAN},
      {"score 80 with three open orthogonals becomes 120", {{3, 3}, {5, 3}}, {{4, 3}}, 4, 4, kBlack, 48, 120, 3.17f},
      {"score 80 on the second line: class 12", {{2, 3}}, {{1, 3}, {2, 4}}, 1, 4, kBlack, 12 | 48, 64, 0.845f},
      {"three own orthogonals: class 8, never chosen", {{3, 4}, {5, 4}, {4, 3}}, {}, 4, 4, kBlack, 8 | 16, -58,
       kForbidden},
      {"three enemy orthogonals with liberties: class 9, never chosen", {{3, 4}, {5, 4}, {4, 3}}, {}, 4, 4, kWhite,
       9 | 32, -58, kForbidden},
      {"two liberties on the first line", {}, {{8, 3}}, 8, 4, kBlack, 32, 0, -0.7525f},
  };
  for (const Case& c : cases) {
    std::vector<std::string> rows(9, ".........");
    for (auto [i, j] : c.black) rows[i][j] = 'X';
    for (auto [i, j] : c.white) rows[i][j] = 'O';
    Position(rows);
    Agent& a = c.colour == kBlack ? Black() : White();
    int s;
    EXPECT_EQ(HoodType(a, c.x, c.y, c.colour, s), c.hood) << c.why;
    EXPECT_EQ(s, c.score) << c.why;
    if (std::isnan(c.worth)) continue;
    a.UpdateWorth1(c.colour, c.x, c.y);
    EXPECT_NEAR(a.worth[PointCode(c.x, c.y)], c.worth, 1e-4) << c.why;
  }
}

TEST_F(EvalTest, ThreeThreePointOnAnEmptyBoardGetsTheClassBonus) {
  NewGame(9);
  Black().UpdateWorth1(kBlack, 6, 6);
  Black().UpdateWorth1(kBlack, 8, 4);
  EXPECT_NEAR(Black().worth[PointCode(6, 6)], 2.0f, 1e-5);
  // No class bonus on the first line; three liberties cost 1.7 x 0.25.
  EXPECT_NEAR(Black().worth[PointCode(8, 4)], -0.425f, 1e-5);
}

TEST_F(EvalTest, LargeSelfAtariIsVetoed) {
  // Black's four stones have two liberties, (0,4) and (2,4): filling one
  // leaves five stones in atari.
  Position({"XXXX...",
            "OOOOO..",
            ".......",
            ".......",
            ".......",
            ".......",
            "......."});
  Black().UpdateWorth1(kBlack, 0, 4);
  EXPECT_EQ(Black().worth[PointCode(0, 4)], kForbidden);
  float gain;
  int libs, stones, enemy;
  Black().WhatIfHere(0, 4, kBlack, gain, libs, stones, enemy);
  EXPECT_EQ(libs, 1);
  EXPECT_EQ(stones, 5);
}

TEST_F(EvalTest, WhatIfHereCountsCapturesAndJoins) {
  Position({".....",
            ".XXX.",
            "XOOO.",
            ".XXX.",
            "....."});
  float gain;
  int libs, stones, enemy;
  Black().WhatIfHere(2, 4, kBlack, gain, libs, stones, enemy);
  EXPECT_EQ(enemy, 0);
  EXPECT_EQ(stones, 1);
  EXPECT_EQ(libs, 6);  // the three points taken, the two first-line ones and the side across the edge
  EXPECT_GT(gain, 4.0f);
  EXPECT_EQ(Black().LibertiesIfHereMoreAccurate(PointCode(2, 4), kBlack), 5);
}

// On the edge the side across it counts as an empty neighbour, so the
// estimate stays above 4 and is not recounted: black's first-line move joins
// a chain of three liberties.
TEST_F(EvalTest, WhatIfHereCountsTheSideAcrossTheEdge) {
  Position({".......",
            ".OXXXO.",
            "..OOO..",
            ".......",
            ".......",
            ".......",
            "......."});
  float gain;
  int libs, stones, enemy;
  Black().WhatIfHere(0, 3, kBlack, gain, libs, stones, enemy);
  EXPECT_EQ(stones, 4);
  EXPECT_EQ(libs, 5);
  EXPECT_FLOAT_EQ(gain, 0.5f);
}

TEST_F(EvalTest, CapturingALargeChainDominates) {
  Position({".....",
            ".XXX.",
            "XOOO.",
            ".XXX.",
            "....."});
  EXPECT_EQ(Choice(kBlack), "E3");
}

TEST_F(EvalTest, ChainInAtariIsSaved) {
  Position({".......",
            ".......",
            "..OOO..",
            ".OXXXO.",
            "..O....",
            ".......",
            "......."});
  // Black's three stones have one liberty left below them.
  EXPECT_EQ(Black().groups[Black().groupmap[PointCode(3, 2)]].liberties, 2);
  Position({".......",
            ".......",
            "..OOO..",
            ".OXXXO.",
            "..OO...",
            ".......",
            "......."});
  EXPECT_EQ(Black().groups[Black().groupmap[PointCode(3, 2)]].liberties, 1);
  EXPECT_EQ(Choice(kBlack), "E3");
}

TEST_F(EvalTest, TwoEyedGroupIsUnconditionallyAliveAndItsEyesAreNeverPlayed) {
  Position({".X.XO..",
            "XXXXO..",
            "OOOOO..",
            ".......",
            ".......",
            ".......",
            "......."});
  Black().Benson(kBlack, benson_b);
  for (auto [i, j] : {std::pair{0, 0}, {0, 2}, {0, 1}, {1, 0}, {1, 3}}) EXPECT_GT(benson_b[PointCode(i, j)], 33);
  EXPECT_EQ(Black().groups[Black().groupmap[PointCode(1, 1)]].safe, 1);
  EXPECT_LE(benson_b[PointCode(4, 4)], 33);
  // White's stones have no eyes: nothing of white is held.
  Black().Benson(kWhite, benson_w);
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 7; ++j) EXPECT_LE(benson_w[PointCode(i, j)], 33) << i << "," << j;
  // The choice marks the eyes as settled for both engines.
  for (int colour : {kBlack, kWhite}) {
    Agent& a = colour == kBlack ? Black() : White();
    a.SelectPoint(colour, datab.lastmove);
    for (auto [i, j] : {std::pair{0, 0}, {0, 2}}) {
      EXPECT_EQ(a.movetype[PointCode(i, j)], 3);
      EXPECT_EQ(a.worth[PointCode(i, j)], kForbidden);
    }
  }
}

TEST_F(EvalTest, OneEyedGroupIsNotUnconditionallyAlive) {
  Position({".XXXO..",
            "XXXXO..",
            "OOOOO..",
            ".......",
            ".......",
            ".......",
            "......."});
  Black().Benson(kBlack, benson_b);
  EXPECT_LE(benson_b[PointCode(0, 0)], 33);
  EXPECT_LE(benson_b[PointCode(1, 1)], 33);
  EXPECT_EQ(Black().groups[Black().groupmap[PointCode(1, 1)]].safe, 0);
}

// An area enclosed by an unconditionally alive chain is held when all its
// points but one adjacent pair touch the chain's colour.
TEST_F(EvalTest, BensonHoldsAnEnclosedAreaWithAtMostOnePairAwayFromTheWall) {
  struct Case {
    const char* why;
    std::vector<std::string> rows;
    int width;  // columns of the enclosed corner area, two rows deep
    bool held;
  } cases[] = {
      {"two corner points away from the wall: held",
       {"...X.X.X.", "...XXXXXX", "XXXX.....", ".........", ".........", ".........", ".........", ".........",
        "........."},
       3, true},
      {"three points away from the wall: not held",
       {"....X.X.X", "....XXXXX", "XXXXX....", ".........", ".........", ".........", ".........", ".........",
        "........."},
       4, false},
      {"enemy stones inside count for nothing, one point away from the wall: held",
       {".OOO.X.X.", ".....XXXX", "XXXXXX...", ".........", ".........", ".........", ".........", ".........",
        "........."},
       5, true},
  };
  for (const Case& c : cases) {
    Position(c.rows);
    Black().Benson(kBlack, benson_b);
    EXPECT_EQ(Black().groups[Black().groupmap[PointCode(1, 5)]].safe, 1) << c.why;
    EXPECT_GT(benson_b[PointCode(1, 5)], 33) << c.why;
    for (int j = 0; j < c.width; ++j)
      for (int i = 0; i < 2; ++i) EXPECT_EQ(benson_b[PointCode(i, j)] > 33, c.held) << c.why << " " << i << "," << j;
    EXPECT_LE(benson_b[PointCode(5, 5)], 33) << c.why;
  }
}

TEST_F(EvalTest, ScoreGameOnASettledBoard) {
  Position({".X.XO.O",
            "XXXXOOO",
            "XXXXO.O",
            "XXXXOOO",
            "XXXXO.O",
            "XXXXOOO",
            "XXXXO.O"});
  int b, w;
  ScoreGame(0, b, w);
  EXPECT_EQ(OwnerRows(), (std::vector<std::string>{"XXXXOOO", "XXXXOOO", "XXXXOOO", "XXXXOOO", "XXXXOOO",
                                                   "XXXXOOO", "XXXXOOO"}));
  EXPECT_EQ(b, 28);
  EXPECT_EQ(w, 21);
  compute_final_status();
  EXPECT_EQ(final_status[0], BLACK_AREA);
  EXPECT_EQ(final_status[1], ALIVE);
  EXPECT_EQ(final_status[5], WHITE_AREA);
}

TEST_F(EvalTest, ScoreGameOnAnEmptyBoardLeavesNoContestedPoint) {
  NewGame(7);
  int b, w;
  ScoreGame(0, b, w);
  int n = datab.size;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      int o = owners[PointCode(i, j)];
      ASSERT_TRUE(o == 0 || o == kBlack || o == kWhite);
      if (o == 0) continue;
      for (int d : {-1, 1, -32, 32}) EXPECT_NE(owners[PointCode(i, j) + d], 5 - o) << "contested " << i << "," << j;
    }
  EXPECT_EQ(owners[PointCode(-1, 3)], 1);
  EXPECT_EQ(owners[PointCode(7, 3)], 1);
}

TEST_F(EvalTest, ChainInAtariWithItsLibertyInEnemyAreaFreesThatLiberty) {
  NewGame(7);
  Position({"...X...",
            "..XOX..",
            ".......",
            ".......",
            ".......",
            ".......",
            "......."});
  std::fill(owners, owners + kCodes, 0);
  owners[PointCode(2, 3)] = kBlack;  // the white stone's last liberty, in black's area
  Black().AllowPlayingInSurviversLastLiberty();
  EXPECT_EQ(owners[PointCode(2, 3)], 0);
  // When an enemy stone next to it stands in white's area, the liberty stays.
  owners[PointCode(2, 3)] = kBlack;
  owners[PointCode(1, 2)] = kWhite;
  Black().AllowPlayingInSurviversLastLiberty();
  EXPECT_EQ(owners[PointCode(2, 3)], kBlack);
}

TEST_F(EvalTest, NeutralRegionSizesCountStonesTwiceAndSpreadHalfIntoOwnedPoints) {
  Position({".....",
            ".....",
            "..X..",
            ".....",
            "....."});
  std::fill(owners, owners + kCodes, 1);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) owners[PointCode(i, j)] = j == 0 ? kBlack : j == 4 ? kWhite : 0;
  Black().CountNeutralSizes();
  // Fifteen unowned points, one a stone: 14 + 2.
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j)
      EXPECT_EQ(neutralsize[PointCode(i, j)], j == 0 || j == 4 ? 8 : 16) << i << "," << j;
}

TEST_F(EvalTest, BorderVitalCheckCountsTheSixteenPointsAroundAFirstLinePoint) {
  struct Case {
    const char* why;
    std::vector<std::pair<int, int>> white;
    bool kept;
  } cases[] = {
      {"four enemy stones among the sixteen", {{1, 2}, {1, 3}, {2, 3}, {2, 4}}, true},
      {"three are too few", {{1, 2}, {1, 3}, {2, 3}}, false},
      {"the point below two lines down is not among them", {{1, 2}, {1, 3}, {2, 3}, {3, 4}}, false},
      {"nor the point right below", {{1, 2}, {1, 3}, {2, 3}, {1, 4}}, false},
      {"two columns aside on the first line are", {{1, 2}, {1, 3}, {2, 3}, {0, 6}}, true},
  };
  for (const Case& c : cases) {
    std::vector<std::string> rows(9, ".........");
    for (auto [i, j] : c.white) rows[i][j] = 'O';
    Position(rows);
    vital[PointCode(0, 4)] = 5;
    Black().BorderVitalCheck(0, 4);
    EXPECT_EQ(vital[PointCode(0, 4)], c.kept ? 5 : 0) << c.why;
  }
}

TEST_F(EvalTest, PassesAfterTheOpponentPassesWhenNothingIsLeft) {
  Position({".X.XO.O",
            "XXXXOOO",
            "XXXXO.O",
            "XXXXOOO",
            "XXXXO.O",
            "XXXXOOO",
            "XXXXO.O"});
  ASSERT_EQ(ApplyMove(-1, -1, kWhite), 0);
  EXPECT_EQ(Choice(kBlack), "PASS");
}

TEST_F(EvalTest, OpeningBonusNeedsOwnAndEnemyStonesAround) {
  NewGame(19);
  EXPECT_EQ(Black().BothPresent5X5(PointCode(9, 9)), 0.0f);
  Black().hood[PointCode(9, 9)] = 4;
  Black().hood[PointCode(8, 9)] = 16;  // own stone near, direction -1
  Black().hood[PointCode(8, 10)] = 32;  // enemy stone near, a flanking diagonal
  EXPECT_FLOAT_EQ(Black().BothPresent5X5(PointCode(9, 9)), 0.7f);
  Black().hood[PointCode(9, 9)] = 2;
  EXPECT_EQ(Black().BothPresent5X5(PointCode(9, 9)), 0.0f);
}

TEST_F(EvalTest, PostProcessingReplacesASelfAtariByABetterLiberty) {
  Position({".......",
            ".......",
            ".OOOO..",
            "OXXXXO.",
            ".OO....",
            "...O...",
            "......."});
  // Black at (4,3) would leave the chain one liberty; (4,4) gives three.
  int code = PointCode(4, 3);
  int chosen = Black().PostProcessing(code, kBlack);
  EXPECT_EQ(chosen, PointCode(4, 4));
  float gain;
  int libs, stones, enemy;
  Black().WhatIfHere(CodeX(chosen), CodeY(chosen), kBlack, gain, libs, stones, enemy);
  EXPECT_GT(libs, 1);
  EXPECT_EQ(Black().PostProcessing(PointCode(6, 6), kBlack), PointCode(6, 6));
}

}  // namespace
