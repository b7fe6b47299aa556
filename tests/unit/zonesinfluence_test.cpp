// Influence region walks: the region of one sign through orthogonal steps,
// with its empty points and stones counted and marked visited.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/reading/zonesinfluence.h"
#include "tests/support/fixture.h"

namespace {

// Influence grid: '+' = 7, '-' = -7, '0' = 0, one row per line.
TCarte influence(std::string_view g) {
  TCarte m{};
  int r = 1, c = 1;
  for (const char x : g) {
    if (x == '\n') {
      ++r;
      c = 1;
      continue;
    }
    m[indexcase(r, c++)] = x == '+' ? 7 : x == '-' ? -7 : 0;
  }
  return m;
}

struct Cas {
  const char* nom;
  const char* plateau;
  const char* carte;
  int signe;          // the walk: -1 negative, +1 positive
  int r, c;           // start
  int32_t vides, pierres;
  const char* visites;  // expected visited map
};

TEST(ZonesInfluence, Cases) {
  const Cas cas[] = {
      {"one point", ".....\n.....\n..X..\n.....\n.....\n", "+++++\n++0++\n+0-0+\n++0++\n+++++\n", -1, 3, 3, 0, 1,
       " 0 0 0 0 0\n 0 0 0 0 0\n 0 0 1 0 0\n 0 0 0 0 0\n 0 0 0 0 0\n"},
      {"zero stops the walk", ".....\n.....\n.....\n.....\n.....\n", "--0--\n--0--\n--0--\n--0--\n--0--\n", -1, 1, 1,
       10, 0, " 1 1 0 0 0\n 1 1 0 0 0\n 1 1 0 0 0\n 1 1 0 0 0\n 1 1 0 0 0\n"},
      {"stones and empty points", "X.O..\n.X...\n.....\n..O..\nX....\n", "++---\n+++--\n-+++0\n--+0+\n+-0++\n", 1, 1,
       1, 6, 3, " 1 1 0 0 0\n 1 1 1 0 0\n 0 1 1 1 0\n 0 0 1 0 0\n 0 0 0 0 0\n"},
      {"start counted whatever its value", "X....\n.....\n.....\n.....\n.....\n", "0-+++\n-++++\n+++++\n+++++\n+++++\n", -1,
       1, 1, 2, 1, " 1 1 0 0 0\n 1 0 0 0 0\n 0 0 0 0 0\n 0 0 0 0 0\n 0 0 0 0 0\n"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.plateau);
    const TCarte m = influence(k.carte);
    TMarques vu = marquesvides;
    int32_t vides = 0, pierres = 0;
    if (k.signe < 0) comptezoneinfluencenegative(vides, pierres, p, 0, k.r, k.c, m, vu);
    else comptezoneinfluencepositive(vides, pierres, p, 0, k.r, k.c, m, vu);
    EXPECT_EQ(vides, k.vides);
    EXPECT_EQ(pierres, k.pierres);
    EXPECT_TRUE(fixture::memesgrilles(k.visites, fixture::grille(vu, 5)));
  }
}

}  // namespace
