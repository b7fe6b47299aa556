// The library generator: source syntax, replay with captures, and the
// errors that stop it.
#include <gtest/gtest.h>

#include "tools/genbibliotheques.h"

namespace {

TEST(LibraryGenerator, RefusesBadSourcesNamingTheLine) {
  struct Cas {
    const char* source;
    bool joseki;
    const char* erreur;
  };
  const Cas cas[] = {
      {"dd cf\ndd dd\n", true, "s:2: illegal move dd"},
      {"dd\n$x cf\n", true, "s:2: unknown name $x"},
      {"dd kk\n", true, "s:1: bad token kk"},   // beyond the corner region
      {"Q16 I4\n", false, "s:1: bad token I4"}, // no letter I in vertices
      {"Q16 A20\n", false, "s:1: bad token A20"},
      {"Q16 +D4\n", false, "s:1: setup stone after a move: +D4"},
      {"+Q16 +Q16\n", false, "s:1: point taken: +Q16"},
      // Suicide: white fills the last liberty of its own stone.
      {"ab - ba aa\n", true, "s:1: illegal move aa"},
  };
  for (const Cas& c : cas) {
    const auto res = genbibliotheques::genere({{"s", c.source}}, c.joseki);
    EXPECT_EQ(res.erreur, c.erreur) << c.source;
    EXPECT_TRUE(res.item.empty()) << c.source;
  }
}

TEST(LibraryGenerator, CapturesAreReplayedAndNamesExpand) {
  // Black takes the white stone in the corner, then plays where it stood:
  // legal only if the capture was made.
  const auto res = genbibliotheques::genere({{"s", "$c = ba aa ab\n$c - aa\n"}}, true);
  EXPECT_EQ(res.erreur, "");
  EXPECT_EQ(res.sequences, 1);
}

TEST(LibraryGenerator, EqualPositionsMergeTheirMoves) {
  // Both first moves from the empty board, and the end positions: one line
  // for the empty corner holding both moves, one per end position.
  const auto res = genbibliotheques::genere({{"s", "dd\ncd\ndd # again, merged\n"}}, true);
  ASSERT_EQ(res.erreur, "");
  EXPECT_EQ(res.lignes, 3);
  EXPECT_EQ(res.item.substr(0, 7), std::string("\x80" "0010\r\n"));
}

}  // namespace
