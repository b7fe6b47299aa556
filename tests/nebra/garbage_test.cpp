// Seeded random and garbage commands through the GTP loop: every reply is
// framed, nothing crashes, and the engines stay consistent with the board.
#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

TEST(NebraGarbage, RandomCommandsKeepEveryReplyFramedAndTheEnginesConsistent) {
  GeneratorScope scope(LcgGenerator, 4242);
  NewGame(9);
  unsigned state = 99;
  auto next = [&](int n) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(n));
  };
  const char* words[] = {"play", "genmove", "boardsize", "clear_board", "komi", "fixed_handicap",
                         "place_free_handicap", "set_free_handicap", "final_score", "final_status_list",
                         "showboard", "kgs-genmove_cleanup", "time_left", "known_command", "name", "undo"};
  const char* args[] = {"b", "w", "B", "white", "pass", "A1", "D4", "J9", "T19", "I5", "Z0", "99999999999",
                        "-7", "2", "5", "9", "alive", "dead", "seki", "\x01", "\xff\xfe", "#", "3.5", "x"};
  for (int k = 0; k < 600; ++k) {
    std::string line;
    if (next(10) == 0) {
      for (int c = next(60); c > 0; --c) line.push_back(static_cast<char>(next(255) + 1));
      for (char& ch : line)
        if (ch == '\n') ch = ' ';
    } else {
      line = words[next(16)];
      for (int a = next(4); a > 0; --a) line += std::string(" ") + args[next(24)];
    }
    if (line.rfind("boardsize", 0) == 0) line = "boardsize " + std::to_string(2 + next(12));
    std::string out = Gtp(line + "\n");
    if (!out.empty()) {
      ASSERT_TRUE(out[0] == '=' || out[0] == '?') << line << " -> " << out;
      ASSERT_EQ(out.substr(out.size() - 2), "\n\n") << line;
      ASSERT_EQ(out.find("! panic"), std::string::npos) << line;
      ASSERT_EQ(out.find("\n\n"), out.size() - 2) << line;
    }
    for (const Player& p : player) {
      ExpectConsistent(*p.engine);
      for (int x = 0; x < datab.size; ++x)
        for (int y = 0; y < datab.size; ++y)
          ASSERT_EQ(p.engine->GetCont(x, y), datab.board[x + y * datab.size]) << "after " << line;
    }
    ASSERT_FALSE(HasFailure()) << "after " << line;
  }
}

}  // namespace
