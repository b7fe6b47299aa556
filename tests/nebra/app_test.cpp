// Application layer: komi, passes and the end of the game, the generator seam.
#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

TEST(NebraApplication, KomiOfTheEnginesReturnsTo7Point5AfterClearBoard) {
  NewGame(9);
  EXPECT_EQ(Gtp("komi 6.5\n"), "= \n\n");
  EXPECT_FLOAT_EQ(komi, 6.5f);
  EXPECT_FLOAT_EQ(player[0].engine->komi, 6.5f);
  EXPECT_EQ(Gtp("clear_board\n"), "= \n\n");
  EXPECT_FLOAT_EQ(komi, 6.5f);  // the adapter keeps its own
  EXPECT_FLOAT_EQ(datab.komi, 7.5f);
  EXPECT_FLOAT_EQ(player[0].engine->komi, 7.5f);
  EXPECT_FLOAT_EQ(player[1].engine->komi, 7.5f);
  Gtp("komi 5\n");
  EXPECT_FLOAT_EQ(player[1].engine->komi, 5.0f);
  EXPECT_FLOAT_EQ(komi, 5.0f);
}

TEST(NebraApplication, TwoPassesEndTheGameAndAMoveResumesIt) {
  NewGame(9);
  ASSERT_EQ(ApplyMove(-1, -1, kBlack), 0);
  EXPECT_EQ(datab.state, kOnePass);
  ASSERT_EQ(ApplyMove(-1, -1, kWhite), 0);
  EXPECT_EQ(datab.state, kOver);
  EXPECT_EQ(datab.tomove, 0);
  EXPECT_EQ(datab.movecount, 2);
  // A move after the end is applied, not silently dropped.
  EXPECT_EQ(Gtp("play b D4\n"), "= \n\n");
  EXPECT_EQ(datab.state, kPlaying);
  EXPECT_EQ(datab.passes, 0);
  EXPECT_EQ(datab.movecount, 3);
  EXPECT_EQ(get_board(5, 3), GTP_BLACK);
  EXPECT_EQ(datab.tomove, kWhite);
}

TEST(NebraApplication, PassStonePassDoesNotEndTheGame) {
  NewGame(9);
  ASSERT_EQ(ApplyMove(-1, -1, kBlack), 0);
  ASSERT_EQ(ApplyMove(4, 4, kWhite), 0);
  EXPECT_EQ(datab.passes, 0);
  EXPECT_EQ(datab.state, kOnePass);  // a stone resets the count, not the state
  ASSERT_EQ(ApplyMove(-1, -1, kBlack), 0);
  EXPECT_EQ(datab.passes, 1);
  EXPECT_NE(datab.state, kOver);
  EXPECT_EQ(datab.lastmove, kPass);
}

TEST(NebraApplication, GenmoveAfterTheEndPlaysOn) {
  NewGame(9);
  Gtp("play b pass\nplay w pass\n");
  ASSERT_EQ(datab.state, kOver);
  std::string reply = Gtp("genmove b\n");
  ASSERT_EQ(reply.substr(0, 2), "= ");
  EXPECT_EQ(datab.movecount, 3);
  EXPECT_NE(datab.state, kOver);
}

TEST(NebraApplication, EveryMoveReachesBothEnginesAndTheBoard) {
  NewGame(9);
  Gtp("play b C3\nplay w D4\nplay b E5\n");
  for (const Player& p : player) {
    EXPECT_EQ(p.engine->GetCont(6, 2), kBlack);
    EXPECT_EQ(p.engine->GetCont(5, 3), kWhite);
    EXPECT_EQ(p.engine->GetCont(4, 4), kBlack);
    EXPECT_EQ(IntSetCount(p.engine->oldpositions), 3);
  }
  EXPECT_EQ(datab.board[6 + 2 * 9], kBlack);
  EXPECT_EQ(datab.lastmove, PointCode(4, 4));
  EXPECT_EQ(datab.movecount, 3);
}

// A constant generator makes every choice repeatable.
TEST(NebraApplication, InjectedGeneratorMakesPlayRepeatable) {
  GeneratorScope scope(ConstantGenerator);
  auto game = [] {
    NewGame(9);
    std::string all;
    for (int k = 0; k < 12; ++k) all += Gtp(k % 2 ? "genmove w\n" : "genmove b\n");
    return all;
  };
  std::string first = game();
  EXPECT_EQ(game(), first);
  EXPECT_EQ(zobrist[2][100], 0);  // the keys come from the injected generator too
}

TEST(NebraApplication, ShippedGeneratorIsTheCLibrarys) {
  nebra_set_generator(nullptr);
  std::srand(77);
  int a = nebra_rand();
  std::srand(77);
  EXPECT_EQ(std::rand(), a);
}

// The unconditional-life maps of a finished game do not leak into the next.
TEST(NebraApplication, ClearBoardForgetsTheUnconditionalLifeMaps) {
  NewGame(7);
  benson_made = true;
  benson_b[PointCode(1, 1)] = 500;
  benson_w[PointCode(2, 2)] = 500;
  Gtp("clear_board\n");
  EXPECT_FALSE(benson_made);
  EXPECT_EQ(benson_b[PointCode(1, 1)], 0);
  EXPECT_EQ(benson_w[PointCode(2, 2)], 0);
  benson_made = true;
  benson_b[PointCode(1, 1)] = 500;
  Gtp("boardsize 9\n");
  EXPECT_EQ(benson_b[PointCode(1, 1)], 0);
}

}  // namespace

namespace {

using namespace nebra;
using namespace nebra_test;

// Both players are engines with the static choice, the opening bonus and the
// unconditional-life test; nothing switches the playout search on.
TEST(NebraApplication, EnginesRunWithFlags1And4And8AndGenmoveRunsTheLifeTest) {
  GeneratorScope scope(LcgGenerator, 3);
  NewGame(9);
  for (const Player& p : player) EXPECT_EQ(p.engine->flags, kFlagStatic | kFlagOpening | kFlagBenson);
  EXPECT_EQ(player[0].engine->side, kBlack);
  EXPECT_EQ(player[1].engine->side, kWhite);
  EXPECT_FALSE(benson_made);
  ASSERT_EQ(Gtp("genmove b\n").substr(0, 2), "= ");
  EXPECT_TRUE(benson_made);
  for (const Player& p : player) EXPECT_EQ(p.engine->flags & kFlagPlayouts, 0);
  // kgs-genmove_cleanup sets the cleanup flag for the call only.
  ASSERT_EQ(Gtp("kgs-genmove_cleanup w\n").substr(0, 2), "= ");
  EXPECT_EQ(player[1].engine->flags & kFlagCleanup, 0);
}

}  // namespace
