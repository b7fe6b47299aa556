// Board model: move types, captures, ko, suicide, merging, enemy sets,
// superko, and a seeded stress test against an independent referee.
#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

Agent& Black() { return *player[0].engine; }
Agent& White() { return *player[1].engine; }

// Move type of (row, column) for a colour on the black player's engine.
int Type(int i, int j, int colour) { return Black().MoveType(i, j, colour); }

TEST(NebraBoard, StartsWith13LinesAndReadsTheMarginAsOffBoard) {
  EnsureStarted();
  NewGame(13);
  EXPECT_EQ(Black().size, 13);
  EXPECT_EQ(White().size, 13);
  for (int d : {-1, -2}) {
    EXPECT_EQ(Black().GetCont(d, 0), kOffBoard);
    EXPECT_EQ(Black().GetCont(0, d), kOffBoard);
  }
  EXPECT_EQ(Black().GetCont(13, 0), kOffBoard);
  EXPECT_EQ(Black().GetCont(0, 13), kOffBoard);
  EXPECT_EQ(Black().GetCont(0, 0), kEmpty);
  EXPECT_EQ(Type(-1, -1, kBlack), 0);
  ExpectConsistent(Black());
}

TEST(NebraBoard, OneStoneCapturedMakesAKoUntilAnotherMove) {
  Position({".XO..",
         "XO.O.",
         ".XO..",
         ".....",
         "....."});
  EXPECT_EQ(Type(1, 2, kBlack), 2);
  int b0 = Black().captured[1];
  ASSERT_EQ(ApplyMove(1, 2, kBlack), 0);
  EXPECT_EQ(Black().captured[1], b0 + 1);
  EXPECT_EQ(Black().GetCont(1, 1), kEmpty);
  EXPECT_EQ(Black().ko, PointCode(1, 1));
  EXPECT_EQ(White().ko, PointCode(1, 1));
  EXPECT_EQ(datab.ko, PointCode(1, 1));
  EXPECT_EQ(Type(1, 1, kWhite), 6);
  EXPECT_FALSE(Black().IsLegal(1, 1, kWhite));
  EXPECT_TRUE(Black().IsSuperKo(1, 1, kWhite));  // the retake repeats the position
  EXPECT_FALSE(Black().IsSuperKo(4, 4, kWhite));
  // The retake is refused; the position stays.
  EXPECT_EQ(ApplyMove(1, 1, kWhite), 1);
  EXPECT_EQ(Black().GetCont(1, 2), kBlack);
  // After a move elsewhere the retake is an ordinary capture.
  ASSERT_EQ(ApplyMove(4, 4, kWhite), 0);
  EXPECT_EQ(Black().ko, 0);
  ASSERT_EQ(ApplyMove(4, 3, kBlack), 0);
  EXPECT_EQ(Type(1, 1, kWhite), 2);
  ExpectConsistent(Black());
  ExpectConsistent(White());
}

TEST(NebraBoard, PassClearsTheKo) {
  Position({".XO..",
         "XO.O.",
         ".XO..",
         ".....",
         "....."});
  ASSERT_EQ(ApplyMove(1, 2, kBlack), 0);
  ASSERT_EQ(ApplyMove(-1, -1, kWhite), 0);
  EXPECT_EQ(Black().ko, 0);
}

TEST(NebraBoard, TwoSingleStonesCapturedAtOnceMakeNoKo) {
  Position({"..X..",
         ".XOX.",
         "XO...",
         ".X...",
         "....."});
  ASSERT_EQ(ApplyMove(2, 2, kBlack), 0);
  EXPECT_EQ(Black().GetCont(1, 2), kEmpty);
  EXPECT_EQ(Black().GetCont(2, 1), kEmpty);
  EXPECT_EQ(Black().ko, kNoKo);
  ExpectConsistent(Black());
}

TEST(NebraBoard, SuicideOfSeveralStonesIsLegalAndOfOneStoneIsNot) {
  Position({"XXOO.",
         ".O..O",
         "O....",
         ".....",
         "....."});
  EXPECT_EQ(Type(0, 4, kBlack), 7);
  EXPECT_EQ(ApplyMove(0, 4, kBlack), 1);
  EXPECT_EQ(Type(1, 0, kBlack), 4);
  EXPECT_TRUE(Black().IsLegal(1, 0, kBlack));
  int before = Black().captured[0];
  ASSERT_EQ(ApplyMove(1, 0, kBlack), 0);
  EXPECT_EQ(Black().captured[0], before + 3);
  for (int j : {0, 1}) EXPECT_EQ(Black().GetCont(0, j), kEmpty);
  EXPECT_EQ(Black().GetCont(1, 0), kEmpty);
  EXPECT_EQ(datab.board[0], kEmpty);
  EXPECT_EQ(Type(1, 1, kBlack), 8);
  ExpectConsistent(Black());
  ExpectConsistent(White());
}

TEST(NebraBoard, JoiningThreeChainsLeavesOneGroupAndReusesNumbersSmallestFirst) {
  Position({".....",
         ".X.X.",
         "..X..",
         ".....",
         "....."});
  ASSERT_EQ(ApplyMove(1, 2, kBlack), 0);
  int m = Black().groupmap[PointCode(1, 2)];
  for (auto [i, j] : {std::pair{1, 1}, {1, 3}, {2, 2}}) EXPECT_EQ(Black().groupmap[PointCode(i, j)], m);
  EXPECT_EQ(Black().groups[m].stones, 4);
  EXPECT_EQ(Black().groups[m].liberties, 8);
  EXPECT_EQ(IntSetCount(Black().freenumbers), 3);
  int smallest = is[Black().freenumbers].value;
  ASSERT_EQ(ApplyMove(3, 3, kWhite), 0);
  EXPECT_EQ(Black().groupmap[PointCode(3, 3)], smallest);
  ASSERT_EQ(ApplyMove(3, 2, kWhite), 0);  // joins the white stone: no new number kept
  ASSERT_EQ(ApplyMove(0, 0, kWhite), 0);
  EXPECT_EQ(IntSetCount(Black().freenumbers), 1);
  ExpectConsistent(Black());
}

TEST(NebraBoard, EnemySetsFollowMergesAndCaptures) {
  Position({".....",
         ".XO..",
         ".XO..",
         ".....",
         "....."});
  int b = Black().groupmap[PointCode(1, 1)];
  int w = Black().groupmap[PointCode(1, 2)];
  EXPECT_TRUE(IntSetContains(Black().groups[b].enemyset, w));
  EXPECT_TRUE(IntSetContains(Black().groups[w].enemyset, b));
  ASSERT_EQ(ApplyMove(0, 2, kBlack), 0);  // a second black chain next to white
  ASSERT_EQ(ApplyMove(0, 1, kBlack), 0);  // joins it to the first
  ExpectConsistent(Black());
  EXPECT_EQ(IntSetCount(Black().groups[w].enemyset), 1);
}

TEST(NebraBoard, SetContOffTheBoardChangesNothing) {
  NewGame(5);
  EXPECT_EQ(Black().SetCont(5, 0, kBlack), -1);
  EXPECT_EQ(Black().SetCont(-1, 2, kBlack), -1);
  EXPECT_EQ(ApplyMove(7, 7, kBlack), 1);
  EXPECT_EQ(ApplyMove(0, 0, 0), -1);
  EXPECT_EQ(datab.movecount, 0);
  ExpectConsistent(Black());
}

// Random and garbage moves on every size: the engines agree with the referee
// after every move, their chains match a recount, and no atom leaks.
TEST(NebraBoard, RandomGamesAgreeWithRefereeAndRecount) {
  unsigned state = 12345;
  auto next = [&](int n) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(n));
  };
  for (int size : {9, 13, 19, 23}) {
    NewGame(size);
    Referee ref(size, true);
    int colour = kBlack;
    int moves = size >= 19 ? 700 : 400;
    for (int k = 0; k < moves; ++k) {
      int r = next(100);
      int i, j;
      if (r < 2) {
        i = j = -1;
      } else if (r < 4) {
        i = next(40) - 10;
        j = next(40) - 10;
      } else {
        i = next(size);
        j = next(size);
      }
      bool onboard = i >= 0 && j >= 0 && i < size && j < size;
      int got = ApplyMove(i, j, colour);
      bool refok = i == -1 ? ref.Play(-1, colour) : onboard && ref.Play(i * size + j, colour);
      ASSERT_EQ(got == 0, refok) << "size " << size << " move " << k << " at " << i << "," << j;
      for (int a = 0; a < size; ++a)
        for (int b = 0; b < size; ++b)
          ASSERT_EQ(datab.board[a + b * size], ref.b[a * size + b]) << "size " << size << " move " << k;
      ExpectConsistent(Black());
      ExpectConsistent(White());
      ASSERT_FALSE(HasFailure()) << "size " << size << " move " << k;
      if (got == 0) colour = 5 - colour;
    }
    int held = AtomsHeld(player[0].engine) + AtomsHeld(player[1].engine) + AtomsHeld(fagentb) +
               AtomsHeld(fagentw) + AtomsHeld(fagentl);
    EXPECT_EQ(IntSetInUse(), held) << "atoms leaked on " << size;
  }
}

// Copies are deep: playing on a copy leaves the original alone, and
// cleaning the copy returns its atoms.
TEST(NebraBoard, CopyIsIndependentAndCleanUpReturnsAtoms) {
  Position({".XO..",
         "XO.O.",
         ".XO..",
         ".....",
         "....."});
  int before = IntSetInUse();
  fagentb->Copy(Black());
  ExpectConsistent(*fagentb);
  fagentb->PlaceStone(1, 2, kBlack);
  EXPECT_EQ(fagentb->GetCont(1, 1), kEmpty);
  EXPECT_EQ(Black().GetCont(1, 1), kWhite);
  ExpectConsistent(Black());
  ExpectConsistent(*fagentb);
  fagentb->CleanUpAgent();
  EXPECT_EQ(IntSetInUse(), before);
}

}  // namespace
