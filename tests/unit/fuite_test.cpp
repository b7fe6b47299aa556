// Escape reading: two outside liberties after one move, the open point,
// a chain in atari with the encloser to move, enclosing chains in atari and
// the exclusion map, and the board given back on every path.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/fuite.h"
#include "tests/support/fixture.h"

namespace {

struct Cas {
  const char* nom;
  const char* d;          // 9x9; the chain point is (5,5)
  TPoint libre;           // open point, (0, 0) = none
  int32_t niveauprise;
  int32_t profondeur;
  TPoint exclu;           // exclusion map point, (0, 0) = none
  bool echappe;
};

// Black (5,5); a white stone on (5,6) would be caught in black's net, and
// black on (5,6) opens onto (4,6), (6,6) and (5,7).
constexpr const char* kFilet =
    ".........\n.........\n.....X...\n......X..\n....X....\n......X..\n.....X...\n.........\n.........\n";
// Black (5,5) in atari; its last liberty (5,6) is the open point.
constexpr const char* kAtari =
    ".........\n.........\n.........\n....O....\n...OX....\n....O....\n.........\n.........\n.........\n";
// White (4,5) in atari next to black (5,5); white cannot save it.
constexpr const char* kEncercleurAtari =
    ".........\n....X....\n...X.X...\n...XOX...\n....X....\n.........\n.........\n.........\n.........\n";
// White (5,5)-(5,6) with two liberties stands on the chain point: the
// reading goes on from that chain, and every white answer leaves (5,6)
// capturable next to it.
constexpr const char* kPointEncercleur =
    ".........\n.........\n.........\n....XXX..\n...XOO.X.\n....X.X..\n.....X...\n.........\n.........\n";
// The chain point is empty: its liberty count is 0, so the encloser's first
// node contains it.
constexpr const char* kPointVide =
    ".........\n.........\n.........\n.........\n...X.X...\n.........\n.........\n.........\n.........\n";
constexpr const char* kSeule =
    ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n";

TEST(LectureFuite, Cases) {
  const Cas cas[] = {
      {"two outside liberties after one move", kFilet, {5, 6}, 8, 4, {}, true},
      {"the same without capture checks", kFilet, {5, 6}, 0, 4, {}, true},
      {"too shallow to see them", kFilet, {5, 6}, 8, 2, {}, false},
      {"depth rounded up to even", kFilet, {5, 6}, 8, 3, {}, true},
      {"no open point: (5,6) is a start neighbour", kFilet, {}, 8, 4, {}, false},
      {"atari, encloser to move", kAtari, {5, 6}, 8, 2, {}, false},
      {"atari, encloser to move, deeper", kAtari, {5, 6}, 8, 6, {}, false},
      {"enclosing chain in atari", kEncercleurAtari, {}, 8, 2, {}, true},
      {"enclosing chain in atari, capture level 0", kEncercleurAtari, {}, 0, 2, {}, true},
      {"enclosing chain in atari, excluded", kEncercleurAtari, {}, 8, 2, {4, 5}, false},
      {"lone stone, only start neighbours", kSeule, {}, 8, 6, {}, false},
      {"enclosing chain of two liberties on the chain point", kPointEncercleur, {}, 8, 4, {}, true},
      {"empty chain point", kPointVide, {}, 8, 4, {}, false},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    ASSERT_TRUE(chargecles());
    TPlateau p = fixture::posemoteur(k.d);
    niveau = 7;
    parametresniveau();
    pointko = TPoint{};
    cacheactif = 0;
    TMarques exclusion = marquesvides;
    if (k.exclu.ligne) exclusion[indexcase(k.exclu.ligne, k.exclu.colonne)] = 1;
    bool r = !k.echappe;
    fixture::verifieinchange(p, [&] {
      r = lancelecturerecu3(exclusion, NOIR, BLANC, p, k.niveauprise, k.profondeur, k.libre.ligne, k.libre.colonne,
                            5, 5);
    });
    EXPECT_EQ(r, k.echappe);
  }
}

// The ko point appended to the encloser's list may hold an enclosing stone:
// it is refused, and the stone stays where it was. White (4,5) is in atari
// next to black (5,5), so every encloser's move is tried, the ko point last.
TEST(LectureFuite, KoPointOnAnEnclosingStoneStaysOnTheBoard) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      ".........\n....X....\n...X.X...\n...XOX...\n....X....\n.........\n.........\n.........\n........O\n");
  niveau = 7;
  parametresniveau();
  pointko = TPoint{9, 9};
  cacheactif = 0;
  const TMarques exclusion = marquesvides;
  for (const int32_t profondeur : {2, 6}) {
    bool r = false;
    fixture::verifieinchange(p, [&] { r = lancelecturerecu3(exclusion, NOIR, BLANC, p, 8, profondeur, 0, 0, 5, 5); });
    EXPECT_TRUE(r) << profondeur;
  }
  pointko = TPoint{};
}

}  // namespace
