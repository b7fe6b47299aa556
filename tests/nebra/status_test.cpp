// Final status lists: one answer per position, every stone alive or dead.
#include <sstream>

#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

// The vertices of a final_status_list reply (chains one a line).
std::set<std::string> Listed(const std::string& reply) {
  EXPECT_EQ(reply.substr(0, 2), "= ") << reply;
  std::istringstream in(reply.substr(2));
  std::set<std::string> v;
  for (std::string w; in >> w;) v.insert(w);
  return v;
}

std::set<std::string> Stones() {
  std::set<std::string> v;
  for (int i = 0; i < board_size; ++i)
    for (int j = 0; j < board_size; ++j)
      if (get_board(i, j) != GTP_EMPTY) v.insert(Vertex(i, j));
  return v;
}

// Asks the three lists and checks that they split the stones.
void ExpectSplit(std::set<std::string>& alive, std::set<std::string>& dead) {
  alive = Listed(Gtp("final_status_list alive\n"));
  dead = Listed(Gtp("final_status_list dead\n"));
  EXPECT_EQ(Gtp("final_status_list seki\n"), "= \n\n");
  std::set<std::string> all = alive;
  for (const std::string& v : dead) EXPECT_TRUE(all.insert(v).second) << v << " both alive and dead";
  EXPECT_EQ(all, Stones());
}

// An open 9 x 9 middle game: the scoring playouts differ from one run to
// the next, yet the lists and the score of the position stay.
TEST(FinalStatus, SamePositionSameListsWhateverTheDraws) {
  GeneratorScope draws(LcgGenerator, 7);
  Position({".........",
            "..X...O..",
            "....X....",
            "...XO.O..",
            "..OX.X...",
            "...O.....",
            "..X...O..",
            ".....X...",
            "........."});
  std::set<std::string> alive, dead;
  ExpectSplit(alive, dead);
  const std::string score = Gtp("final_score\n");
  for (int k = 0; k < 6; ++k) {
    std::set<std::string> a, d;
    ExpectSplit(a, d);
    EXPECT_EQ(a, alive) << "call " << k;
    EXPECT_EQ(d, dead) << "call " << k;
    EXPECT_EQ(Gtp("final_score\n"), score) << "call " << k;
  }
  // A move makes a new position: its stone is listed, the split holds.
  ASSERT_EQ(Gtp("play b H2\n"), "= \n\n");
  ExpectSplit(alive, dead);
  EXPECT_TRUE(alive.count("H2") + dead.count("H2") == 1);
}

}  // namespace
