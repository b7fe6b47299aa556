// The diagonal rule, liberty collectors of linked chains and the point link tests.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/collecteurs.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  flagscan = 0;  // main self-atari test only
  return p;
}

Points liste(const TListePoints& l) {
  Points v;
  for (int k = 1; k <= nbpoints(l); ++k) v.emplace_back(ligneliste(l, k), colonneliste(l, k));
  return v;
}

void inchange(const TPlateau& p, const std::function<void()>& f) { fixture::verifieinchange(p, f); }

// Marks as rows of 'x' and '.'.
std::string marques(const TMarques& m) {
  std::string s;
  for (int r = 1; r <= configmoteur.taille; ++r) {
    for (int c = 1; c <= configmoteur.taille; ++c) s += m[indexcase(r, c)] ? 'x' : '.';
    s += '\n';
  }
  return s;
}

// Puts back the scan flag the tests clear.
class Collecteurs : public ::testing::Test {
 protected:
  void TearDown() override { flagscan = 1; }
};

// Black stones at (2, 2) and (3, 3); the shared points are (2, 3) and (3, 2).
TEST_F(Collecteurs, DiagonalRule) {
  struct Cas {
    const char* nom;
    const char* d;
    bool attendu;
  } cas[] = {
      {"both shared points empty", ".....\n.X...\n..X..\n.....\n.....\n", true},
      {"one empty, white there would stand in self-atari", ".....\n.XO..\n..X..\n.X...\n.....\n", true},
      {"one empty, white there would have two liberties", ".....\n.XO..\n..X..\n.....\n.....\n", false},
      {"both shared points white", ".....\n.XO..\n.OX..\n.....\n.....\n", false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    inchange(p, [&] {
      EXPECT_EQ(diagonaleliee(p, NOIR, 2, 2, 3, 3), k.attendu);
      EXPECT_EQ(diagonaleliee(p, NOIR, 3, 3, 2, 2), k.attendu);  // either way round
    });
  }
}

enum class Collecteur { captures2, captures, aveccaptures, avecmorts, simple };

TEST_F(Collecteurs, LibertyLists) {
  struct Cas {
    const char* nom;
    const char* d;
    Collecteur f;
    int r, c;
    int cap;
    TPoint mort;  // stone flagged in pionsmorts, (0, 0) none
    Points attendu;
  } cas[] = {
      {"opponent stone in atari adds its liberty", ".OX..\n.X...\n.....\n.....\n.....\n", Collecteur::captures2, 2,
       2, 300, {}, {{3, 2}, {1, 1}, {2, 3}, {2, 1}}},
      {"opponent chain with two liberties adds both", "..X..\n.XO..\n.X...\n.....\n.....\n",
       Collecteur::captures2, 2, 2, 300, {}, {{4, 2}, {3, 3}, {3, 1}, {1, 2}, {2, 4}, {2, 1}}},
      {"opponent chain with three liberties adds nothing", ".....\n.XO..\n.X...\n.....\n.....\n",
       Collecteur::captures2, 2, 2, 300, {}, {{4, 2}, {3, 3}, {3, 1}, {1, 2}, {2, 1}}},
      {"atari collector leaves two liberties out", "..X..\n.XO..\n.X...\n.....\n.....\n",
       Collecteur::aveccaptures, 2, 2, 300, {}, {{4, 2}, {3, 3}, {3, 1}, {1, 2}, {2, 1}, {1, 4}}},
      {"dead-mask collector crosses a live two-liberty chain", "..X..\n.XO..\n.X...\n.....\n.....\n",
       Collecteur::avecmorts, 2, 2, 300, {}, {{4, 2}, {3, 3}, {3, 1}, {1, 2}, {1, 4}, {2, 4}, {2, 1}}},
      {"dead-mask collector skips a dead two-liberty chain", "..X..\n.XO..\n.X...\n.....\n.....\n",
       Collecteur::avecmorts, 2, 2, 300, {2, 3}, {{4, 2}, {3, 3}, {3, 1}, {1, 2}, {2, 1}, {1, 4}}},
      {"open diagonal: one group", ".....\n.X...\n..X..\n.....\n.....\n", Collecteur::captures, 2, 2, 300, {},
       {{3, 2}, {1, 2}, {2, 3}, {2, 1}, {4, 3}, {3, 4}}},
      {"diagonal not followed at the depth bound", ".....\n.X...\n..X..\n.....\n.....\n",
       Collecteur::captures2, 2, 2, 300, {}, {{3, 2}, {1, 2}, {2, 3}, {2, 1}}},
      {"diagonal cut by an opponent stone", ".....\n.XO..\n..X..\n.....\n.....\n", Collecteur::aveccaptures, 2,
       2, 300, {}, {{3, 2}, {1, 2}, {2, 1}}},
      {"simple fill follows the open diagonal", ".....\n.X...\n..X..\n.....\n.....\n", Collecteur::simple, 2,
       2, 300, {}, {{3, 2}, {1, 2}, {2, 3}, {2, 1}, {4, 3}, {3, 4}}},
      {"capacity bounds the appends", ".....\n.X...\n..X..\n.....\n.....\n", Collecteur::captures, 2, 2, 2, {},
       {{3, 2}, {1, 2}}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    if (k.mort.ligne) pionsmorts[indexcase(k.mort.ligne, k.mort.colonne)] = 1;
    TListePoints l;
    l[0] = 0;
    TMarques vu = marquesvides;
    inchange(p, [&] {
      switch (k.f) {
        case Collecteur::captures2: listelibertesetcaptures2(p, l, k.cap, vu, k.r, k.c, 0, 0); break;
        case Collecteur::captures: listelibertesetcaptures(p, l, k.cap, vu, k.r, k.c); break;
        case Collecteur::aveccaptures: listelibertesaveccaptures(p, l, k.cap, vu, k.r, k.c); break;
        case Collecteur::avecmorts: listelibertesavecmorts(p, l, k.cap, vu, k.r, k.c); break;
        case Collecteur::simple: listelibertessimple(p, l, k.cap, vu, k.r, k.c); break;
      }
    });
    EXPECT_EQ(liste(l), k.attendu);
  }
}

TEST_F(Collecteurs, DepthBoundCountsDiagonalSteps) {
  // Three stones on a diagonal: depth 0 of 1 takes one step, not two.
  const TPlateau p = pose(".....\n.X...\n..X..\n...X.\n.....\n");
  TListePoints l;
  l[0] = 0;
  TMarques vu = marquesvides;
  listelibertesetcaptures2(p, l, 300, vu, 2, 2, 1, 0);
  EXPECT_EQ(liste(l), (Points{{3, 2}, {1, 2}, {2, 3}, {2, 1}, {4, 3}, {3, 4}}));
  EXPECT_FALSE(vu[indexcase(4, 4)]);
  // A shared mark map lists each point once over two calls.
  listelibertesetcaptures2(p, l, 300, vu, 4, 4, 1, 0);
  EXPECT_EQ(liste(l), (Points{{3, 2}, {1, 2}, {2, 3}, {2, 1}, {4, 3}, {3, 4}, {5, 4}, {4, 5}}));
}

TEST_F(Collecteurs, LinkedChainWithAtariList) {
  const TPlateau p = pose(".OX..\n.X...\n.....\n.....\n.....\n");
  TListePoints l, a;
  l[0] = 0;
  a[0] = 0;
  TMarques vu = marquesvides;
  inchange(p, [&] { listelibertesdelachaineliee(p, l, 300, a, 300, vu, 2, 2); });
  EXPECT_EQ(liste(l), (Points{{3, 2}, {2, 3}, {2, 1}}));
  EXPECT_EQ(liste(a), (Points{{1, 2}}));
}

TEST_F(Collecteurs, MarksLibertiesAndWeakNeighbours) {
  // The diagonal is cut (an opponent stone at 3,2 would not be in
  // self-atari); the two-liberty opponent chain is marked whole.
  const TPlateau p = pose(".....\n.XO..\n..X..\n.....\n.....\n");
  TMarques m = marquesvides;
  inchange(p, [&] { marquelibertes(p, m, 2, 2); });
  EXPECT_TRUE(fixture::memesgrilles(".x...\nxxx..\n.x...\n.....\n.....\n", marques(m)));
  // An opponent chain of four liberties is left alone; the open diagonal is followed.
  const TPlateau q = pose(".....\n.X...\n..XOO\n.....\n.....\n");
  m = marquesvides;
  marquelibertes(q, m, 2, 2);
  EXPECT_TRUE(fixture::memesgrilles(".x...\nxxx..\n.xx..\n..x..\n.....\n", marques(m)));
}

TEST_F(Collecteurs, CountUpToBound) {
  struct Cas {
    const char* nom;
    const char* d;
    int r, c, borne;
    uint8_t saut;
    int attendu;
  } cas[] = {
      {"five liberties, bound 3", ".....\n.....\n..XX.\n.....\n.....\n", 3, 3, 3, 0, 3},
      {"six liberties under a high bound", ".....\n.....\n..XX.\n.....\n.....\n", 3, 3, 10, 0, 6},
      {"edge stone, column before row", "..X..\n.....\n.....\n.....\n.....\n", 1, 3, 10, 0, 3},
      {"one diagonal hop", "X....\n.X...\n.....\n.....\n.....\n", 1, 1, 10, 0, 4},
      {"a hop into a chain at the bound", "X....\n.X...\n.....\n.....\n.....\n", 1, 1, 4, 0, 4},
      {"hop flag on a chain at the bound", ".....\n.X...\n.....\n.....\n.....\n", 2, 2, 3, 1, 3},
      {"at most one hop", "X....\n.X...\n..X..\n.....\n.....\n", 1, 1, 20, 0, 4},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.d);
    TMarques vu = marquesvides;
    int32_t n = 0;
    inchange(p, [&] { comptelibertesjusqua(p, vu, n, k.c, k.r, k.borne, k.saut); });
    EXPECT_EQ(n, k.attendu);
  }
}

TEST_F(Collecteurs, PointLinks) {
  const TPlateau p = pose(".....\n.X...\n.....\n...X.\n.....\n");
  TMarques m = marquesvides;
  EXPECT_TRUE(pointliea(p, m, 3, NOIR, 3));       // open diagonals
  EXPECT_FALSE(pointliea(p, m, 3, BLANC, 3));
  EXPECT_FALSE(pointliea(p, m, 2, NOIR, 4));      // only a jump away
  EXPECT_TRUE(pointlieajump(p, m, 2, NOIR, 4));
  EXPECT_TRUE(pointliea(p, m, 1, NOIR, 2));       // orthogonal
  m[indexcase(2, 2)] = 1;
  m[indexcase(4, 4)] = 1;
  EXPECT_FALSE(pointliea(p, m, 3, NOIR, 3));      // marked stones do not count
  EXPECT_FALSE(pointlieajump(p, m, 2, NOIR, 4));
  // A half-closed diagonal is not a link here; an occupied gap stops the jump.
  const TPlateau q = pose("..X..\n.XO..\n.....\n.....\n.....\n");
  m = marquesvides;
  EXPECT_FALSE(pointliea(q, m, 3, NOIR, 3));
  EXPECT_FALSE(pointlieajump(q, m, 3, NOIR, 3));
}

}  // namespace
