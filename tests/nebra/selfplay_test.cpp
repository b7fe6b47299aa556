// Self-play through the GTP loop, every move checked by an independent referee.
#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

// Decodes the vertex of a genmove reply; false for a pass.
bool ReplyVertex(const std::string& reply, int n, int& i, int& j) {
  std::string v = reply.substr(2, reply.size() - 4);
  if (v == "PASS") return false;
  char letter = v[0];
  j = letter - 'A' - (letter > 'I' ? 1 : 0);
  i = n - std::stoi(v.substr(1));
  return true;
}

// Plays a game to two passes (or `limit` moves); returns the moves played.
int SelfPlay(int n, int limit, bool& ended) {
  NewGame(n);
  EXPECT_EQ(Gtp("boardsize " + std::to_string(n) + "\nclear_board\n"), "= \n\n= \n\n");
  Referee ref(n, false);
  int colour = kBlack, passes = 0, moves = 0;
  ended = false;
  while (moves < limit) {
    std::string reply = Gtp(colour == kBlack ? "genmove b\n" : "genmove w\n");
    EXPECT_EQ(reply.substr(0, 2), "= ") << reply;
    EXPECT_EQ(reply.substr(reply.size() - 2), "\n\n");
    int i, j;
    if (ReplyVertex(reply, n, i, j)) {
      EXPECT_TRUE(i >= 0 && i < n && j >= 0 && j < n) << reply;
      EXPECT_TRUE(ref.Play(i * n + j, colour)) << "illegal move " << reply << " at move " << moves;
      passes = 0;
    } else {
      ref.Play(-1, colour);
      ++passes;
    }
    ++moves;
    for (int a = 0; a < n; ++a)
      for (int b = 0; b < n; ++b)
        EXPECT_EQ(get_board(a, b), conv2gtp(ref.b[a * n + b])) << "boards differ at move " << moves;
    if (::testing::Test::HasFailure()) return moves;
    if (passes == 2) {
      ended = true;
      EXPECT_EQ(datab.state, kOver);
      break;
    }
    colour = 5 - colour;
  }
  std::string score = Gtp("final_score\n");
  EXPECT_TRUE(score == "= 0\n\n" || score.rfind("= W+", 0) == 0 || score.rfind("= B+", 0) == 0) << score;
  return moves;
}

TEST(NebraSelfPlay, NineByNineEndsWithTwoPassesAndOnlyLegalMoves) {
  for (unsigned seed : {2024u, 1u, 77u, 31337u, 5u}) {
    GeneratorScope scope(LcgGenerator, seed);
    bool ended;
    int moves = SelfPlay(9, 400, ended);
    EXPECT_TRUE(ended) << moves << " moves, seed " << seed;
    EXPECT_GT(moves, 20) << "seed " << seed;
    if (HasFailure()) break;
  }
}

TEST(NebraSelfPlay, NineteenByNineteenEndsWithTwoPassesAndOnlyLegalMoves) {
  GeneratorScope scope(LcgGenerator, 99);
  bool ended;
  int moves = SelfPlay(19, 900, ended);
  EXPECT_TRUE(ended) << moves << " moves";
  EXPECT_GT(moves, 100);
}

}  // namespace
