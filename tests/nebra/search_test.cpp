// The playout search: built in though no setting of the program enables it.
#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

Agent& Black() { return *player[0].engine; }

class SearchTest : public ::testing::Test {
 protected:
  GeneratorScope scope{LcgGenerator, 7};
  void TearDown() override { randomness = 0.00025f; }
};

const std::vector<std::string> kSettled = {".X.XO.O", "XXXXOOO", "XXXXO.O", "XXXXOOO",
                                           "XXXXO.O", "XXXXOOO", "XXXXO.O"};

TEST_F(SearchTest, PlayoutOfASettledBoardScoresItAsItStands) {
  Position(kSettled);
  int before = IntSetInUse();
  // Black 28 points, white 21, komi 7.5: black is 0.5 short, pushed 10 away.
  EXPECT_FLOAT_EQ(ScoreMoveFuture(kBlack, 0, 7.5f), -10.5f);
  EXPECT_FLOAT_EQ(ScoreMoveFuture(kWhite, 0, 7.5f), 10.5f);
  EXPECT_FLOAT_EQ(ScoreMoveFuture(kBlack, 0, 0.0f), 17.0f);
  EXPECT_EQ(futcount, 2);
  EXPECT_EQ(futmoves[0], kPass);
  EXPECT_EQ(IntSetInUse(), before);  // the scratch engines are cleaned
}

TEST_F(SearchTest, PlayoutRecordsTheGivenMoveFirst) {
  NewGame(5);
  float r = ScoreMoveFuture(kBlack, PointCode(2, 2), 0.0f);
  EXPECT_GE(std::abs(r), 10.0f);
  ASSERT_GE(futcount, 1);
  EXPECT_EQ(futmoves[0], PointCode(2, 2));
  EXPECT_EQ(Black().GetCont(2, 2), kEmpty);  // the players' engines are untouched
}

TEST_F(SearchTest, BestPointWorth2PrefersPointsTriedOftenAndWell) {
  NewGame(5);
  for (int c = 0; c < kCodes; ++c) {
    weight2[c] = 1.0f;
    worth2[c] = 0.0f;
  }
  worth2[PointCode(1, 1)] = 5.0f;  // best average
  EXPECT_EQ(Black().BestPointWorth2(kBlack, 10.0f), PointCode(1, 1));
  weight2[PointCode(3, 3)] = 11.0f;  // over the threshold: +100
  EXPECT_EQ(Black().BestPointWorth2(kBlack, 10.0f), PointCode(3, 3));
  // Forbidden points are never chosen.
  Position(kSettled);
  for (int c = 0; c < kCodes; ++c) {
    weight2[c] = 1.0f;
    worth2[c] = 0.0f;
  }
  Black().SelectPoint(kBlack, datab.lastmove);  // marks the settled areas
  EXPECT_EQ(Black().BestPointWorth2(kBlack, 0.0f), kPass);
}

struct LadderCase {
  const char* why;
  std::vector<std::string> rows;
  int i, j;  // where black plays
  bool caught;
};

TEST_F(SearchTest, LadderReading) {
  const LadderCase cases[] = {
      {"a ladder running to the edge is caught",
       {".........", ".........", ".........", ".........", "...OO....", "..OX.....", "...O.....", ".........",
        "........."},
       5, 4, true},
      {"a black stone on the ladder's path breaks it",
       {".........", ".........", ".........", ".........", "...OO....", "..OX.....", "...O.....", "......X..",
        "........."},
       5, 4, false},
      {"a chain with room to run is not caught",
       {".........", ".........", ".........", ".........", ".........", "...O.....", ".........", ".........",
        "........."},
       4, 4, false},
  };
  for (const LadderCase& c : cases) {
    Position(c.rows);
    int before = IntSetInUse();
    EXPECT_EQ(LadderCaptures(PointCode(c.i, c.j), kBlack), c.caught) << c.why;
    EXPECT_EQ(IntSetInUse(), before) << c.why;
  }
}

TEST_F(SearchTest, SearchChoosesALegalMoveAndTimeLeftSwitchesItOff) {
  NewGame(5);
  Gtp("play b C3\nplay w C4\n");
  for (Player& p : player) p.engine->flags |= kFlagPlayouts;
  Agent& b = Black();
  int code = b.SelectPoint(kBlack, datab.lastmove);
  ASSERT_NE(code, kPass);
  EXPECT_TRUE(b.IsLegal(CodeX(code), CodeY(code), kBlack));
  EXPECT_FALSE(b.IsSuperKo(CodeX(code), CodeY(code), kBlack));
  // time_left with more than a minute leaves the search on; a minute or less stops it.
  EXPECT_EQ(Gtp("time_left b 61 0\n"), "= \n\n");
  EXPECT_NE(b.flags & kFlagPlayouts, 0);
  EXPECT_EQ(Gtp("time_left b 45 0\n"), "= \n\n");
  for (Player& p : player) EXPECT_EQ(p.engine->flags & kFlagPlayouts, 0);
  // A colour without seconds gives no time: nothing changes.
  for (Player& p : player) p.engine->flags |= kFlagPlayouts;
  EXPECT_EQ(Gtp("time_left b\n"), "= \n\n");
  for (Player& p : player) EXPECT_NE(p.engine->flags & kFlagPlayouts, 0);
  for (Player& p : player) p.engine->flags &= ~kFlagPlayouts;
}

TEST_F(SearchTest, SearchVetoesAMoveThatRepeatsAPosition) {
  Position({".XO..",
            "XO.O.",
            ".XO..",
            ".....",
            "....."});
  ASSERT_EQ(ApplyMove(1, 2, kBlack), 0);  // takes the ko
  ASSERT_EQ(ApplyMove(4, 4, kWhite), 0);
  ASSERT_EQ(ApplyMove(4, 0, kBlack), 0);
  // White's retake now is legal by the simple ko rule but repeats nothing;
  // after it, black's immediate retake would repeat the position.
  ASSERT_EQ(ApplyMove(1, 1, kWhite), 0);
  EXPECT_TRUE(Black().IsSuperKo(1, 2, kBlack) || Black().MoveType(1, 2, kBlack) == 6);
  Black().flags |= kFlagPlayouts;
  int code = Black().SelectPoint(kBlack, datab.lastmove);
  Black().flags &= ~kFlagPlayouts;
  if (code != kPass) {
    EXPECT_TRUE(Black().IsLegal(CodeX(code), CodeY(code), kBlack));
    EXPECT_FALSE(Black().IsSuperKo(CodeX(code), CodeY(code), kBlack));
  }
}

}  // namespace
