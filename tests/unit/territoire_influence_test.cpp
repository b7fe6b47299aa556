// Influence passes, revival check of dead chains and the owner maps.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "engine/board/etat.h"
#include "engine/board/parcours.h"
#include "engine/territory/estimation.h"
#include "engine/territory/influence.h"
#include "tests/support/fixture.h"

namespace {

class Influence : public ::testing::Test {
 protected:
  void TearDown() override {
    pionsmorts.fill(0);
    pionsmortsestime.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

void marquemort(const TPlateau& p, int r, int c) {
  TMarques m = marquesvides;
  marquepionschaine(p, m, 0, r, c);
  for (int j = 0; j < NBCASES; ++j)
    if (m[j]) pionsmorts[j] = 1;
}

TEST_F(Influence, Dilation) {
  struct Cas {
    const char* nom;
    const char* d;
    int n;
    const char* attendu;
  } cas[] = {
      {"no pass: stones only", ".....\n.O...\n.....\n...X.\n.....\n", 0,
       "0 0 0 0 0\n0 -128 0 0 0\n0 0 0 0 0\n0 0 0 128 0\n0 0 0 0 0\n"},
      {"one pass: +1 on the four neighbours", ".....\n.....\n..X..\n.....\n.....\n", 1,
       "0 0 0 0 0\n0 0 1 0 0\n0 1 128 1 0\n0 0 1 0 0\n0 0 0 0 0\n"},
      {"two passes", ".....\n.....\n..X..\n.....\n.....\n", 2,
       "0 0 1 0 0\n0 2 2 2 0\n1 2 132 2 1\n0 2 2 2 0\n0 0 1 0 0\n"},
      {"a point between both colours stays", ".....\n.....\n.X.O.\n.....\n.....\n", 1,
       "0 0 0 0 0\n0 1 0 -1 0\n1 128 0 -128 -1\n0 1 0 -1 0\n0 0 0 0 0\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    TCarte carte;
    carte.fill(77);
    compteterritoires(p, carte, k.n);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, fixture::grille(carte, 5)));
  }
}

TEST_F(Influence, Erosion) {
  // One erosion of the one-pass map: the neighbours at 1 see three points at 0.
  const TPlateau p = fixture::posemoteur(".....\n.....\n..X..\n.....\n.....\n");
  TCarte carte;
  compteterritoires(p, carte, 1);
  compteterritoires2(carte, 1);
  EXPECT_TRUE(fixture::memesgrilles("0 0 0 0 0\n0 0 0 0 0\n0 0 128 0 0\n0 0 0 0 0\n0 0 0 0 0\n",
                                    fixture::grille(carte, 5)));
  // On a mixed map no value ever changes sign or grows, pass after pass.
  fixture::posemoteur(
      ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  uint32_t x = 12345;
  for (int32_t& v : carte) {
    x = x * 1103515245u + 12345u;
    v = static_cast<int32_t>((x >> 16) % 21) - 10;
  }
  for (int pass = 0; pass < 6; ++pass) {
    const TCarte avant = carte;
    compteterritoires2(carte, 1);
    for (int j = 0; j < NBCASES; ++j) {
      if (avant[j] > 0) {
        EXPECT_GE(carte[j], 0);
        EXPECT_LE(carte[j], avant[j]);
      } else if (avant[j] < 0) {
        EXPECT_LE(carte[j], 0);
        EXPECT_GE(carte[j], avant[j]);
      } else {
        EXPECT_EQ(carte[j], 0);
      }
    }
  }
}

// A map from a diagram of signs: '-' is -1, '+' is +1, anything else 0.
TCarte cartesignes(std::string_view d) {
  TCarte carte{};
  int r = 1, c = 1;
  for (const char ch : d) {
    if (ch == '\n') {
      ++r;
      c = 1;
      continue;
    }
    if (ch == ' ') continue;
    carte[indexcase(r, c)] = ch == '-' ? -1 : ch == '+' ? 1 : 0;
    ++c;
  }
  return carte;
}

TEST_F(Influence, Revival) {
  // The white chain through (3,3) is marked dead; what the walk from it
  // meets decides.
  struct Cas {
    const char* nom;
    const char* d;
    const char* carte;
    bool vivant;
  } cas[] = {
      {"enclosed by its own live stones", ".OOO.\nO...O\nO.O.O\nO...O\n.OOO.\n", ".....\n.....\n.....\n.....\n.....\n",
       true},
      {"touching enemy stones", ".....\n..X..\n.XOX.\n..X..\n.....\n", ".....\n.....\n.....\n.....\n.....\n", false},
      {"open board, nothing met", ".....\n.....\n..O..\n.....\n.....\n", ".....\n.....\n.....\n.....\n.....\n", true},
      {"own area all round", ".....\n.....\n..O..\n.....\n.....\n", ".....\n..-..\n.-.-.\n..-..\n.....\n", true},
      {"one neighbour in the enemy's area", ".....\n.....\n..O..\n.....\n.....\n", ".....\n..-..\n.-.+.\n..-..\n.....\n",
       false},
      {"the enemy's area beyond a neutral point", ".....\n.....\n..O..\n.....\n.....\n",
       "..+..\n.-.-.\n-...-\n.-.-.\n..-..\n", false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    marquemort(p, 3, 3);
    pionsmortsestime = pionsmorts;
    EXPECT_EQ(chainerevivable(p, cartesignes(k.carte), 3, 3), k.vivant);
    EXPECT_EQ(pionsmortsestime[indexcase(3, 3)], k.vivant ? 0 : 1);
    EXPECT_EQ(pionsmorts[indexcase(3, 3)], 1);  // only the estimate's view changes
  }
}

TEST_F(Influence, RevivalCrossesDeadStones) {
  // Dead white (3,3) next to dead black (3,4), then live white (3,5): the
  // walk crosses the black stone; only white stones come back.
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      "..OO.\n"
      ".OXXO\n"
      "..OO.\n"
      ".....\n");
  // (3,2) white dead, (3,3)-(3,4) black dead, the rest white alive.
  marquemort(p, 3, 2);
  marquemort(p, 3, 3);
  pionsmortsestime = pionsmorts;
  TCarte carte{};
  carte[indexcase(3, 1)] = -1;
  carte[indexcase(2, 2)] = -1;
  carte[indexcase(4, 2)] = -1;
  EXPECT_TRUE(chainerevivable(p, carte, 3, 2));
  EXPECT_EQ(pionsmortsestime[indexcase(3, 2)], 0);
  EXPECT_EQ(pionsmortsestime[indexcase(3, 3)], 1);
  EXPECT_EQ(pionsmortsestime[indexcase(3, 4)], 1);
}

TEST_F(Influence, WeakOrDeadNeighbour) {
  const TPlateau p = fixture::posemoteur(
      ".O...\n"
      "OXO..\n"
      ".....\n"
      "...OO\n"
      "...O.\n");
  pionsmortsestime.fill(0);
  // (1,1): white (1,2) has 2 liberties, (2,1) 2: none weak.
  EXPECT_FALSE(voisinfaibleoumort(p, 1, 1, BLANC));
  // (3,2): black (2,2) in atari.
  EXPECT_TRUE(voisinfaibleoumort(p, 3, 2, NOIR));
  // The same stone marked dead is no longer a weak border...
  pionsmorts[indexcase(2, 2)] = 1;
  EXPECT_FALSE(voisinfaibleoumort(p, 3, 2, NOIR));
  // ...unless the estimate still holds it dead.
  pionsmortsestime[indexcase(2, 2)] = 1;
  EXPECT_TRUE(voisinfaibleoumort(p, 3, 2, NOIR));
  // A strong white chain held dead by the estimate.
  EXPECT_FALSE(voisinfaibleoumort(p, 5, 5, BLANC));
  pionsmortsestime[indexcase(5, 4)] = 1;
  EXPECT_TRUE(voisinfaibleoumort(p, 5, 5, BLANC));
  // The colour asked for only.
  EXPECT_FALSE(voisinfaibleoumort(p, 5, 5, NOIR));
}

TEST_F(Influence, Owners) {
  // A black ring round a dead white stone, a black stone diagonally linked
  // to the ring, and a lone black stone far away.
  const TPlateau p = fixture::posemoteur(
      ".......\n"
      "..XXX..\n"
      "..XOX..\n"
      "..XXX..\n"
      ".....X.\n"
      ".......\n"
      "X......\n");
  marquemort(p, 3, 4);
  TCarte R{}, W{};
  R[indexcase(3, 4)] = 5;   // black's side under the dead stone
  W[indexcase(7, 7)] = 3;   // empty point leaning black
  W[indexcase(6, 1)] = -2;  // empty point leaning white
  W[indexcase(7, 1)] = 4;   // a stone: no second owner
  marqueproprietaires(R, W, p);
  EXPECT_TRUE(fixture::memesgrilles(
      "2 2 2 2 2 2 2\n"
      "2 2 1 1 1 2 2\n"
      "2 2 1 2 1 2 2\n"
      "2 2 1 1 1 2 2\n"
      "2 2 2 2 2 1 2\n"
      "2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2\n",
      fixture::grille(territoire, 7)));
  EXPECT_TRUE(fixture::memesgrilles(
      "2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2\n"
      "0 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 1\n",
      fixture::grille(territoire2, 7)));
  // An empty point owned by white paints itself and the white chain at it.
  const TPlateau q = fixture::posemoteur(".....\n.OO..\n.....\n.....\n....X\n");
  TCarte R2{};
  R2[indexcase(3, 2)] = -1;
  W.fill(0);
  marqueproprietaires(R2, W, q);
  EXPECT_TRUE(fixture::memesgrilles("2 2 2 2 2\n2 0 0 2 2\n2 0 2 2 2\n2 2 2 2 2\n2 2 2 2 2\n",
                                    fixture::grille(territoire, 5)));
}

}  // namespace
