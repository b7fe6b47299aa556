// Two-eye reading: the window around the chain, what the entry leaves
// behind in flagscan and the node counter, and seeded random positions that
// must come back whole from both static tests and the reading.
#include <gtest/gtest.h>

#include <random>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/chains/yeuxstatiques.h"
#include "engine/reading/deuxyeux.h"
#include "tests/support/fixture.h"

namespace {

TMarques enmarques(const TListePoints& l) {
  TMarques m = marquesvides;
  for (int32_t k = 1; k <= nbpoints(l); ++k) m[indexcase(ligneliste(l, k), colonneliste(l, k))] = 1;
  return m;
}

TEST(DeuxYeux, WindowAroundTheChain) {
  // Black chain (4,4)-(5,4); white (3,4) and (4,3) are not crossed; the
  // black stone (4,6) adds the liberties of its chain, beyond the window too.
  TPlateau p = fixture::posemoteur(
      ".........\n.........\n...O.....\n..OX.X...\n...X.....\n.........\n.........\n.........\n.........\n");
  TMarques carte;
  carte.fill(1);
  carte[indexcase(2, 5)] = 5;  // above the rank bound
  TListePoints l;
  zonelocaleyeux(carte, p, l, 300, 4, 4, 4);
  // Window rows 2-6, columns 2-6 without its corners; the chain's liberties
  // (4,5), (5,3), (5,5), (6,4) are left out.
  EXPECT_TRUE(fixture::memesgrilles(
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 1 1 0 0 0 0 0\n"
      " 0 1 1 0 1 1 0 0 0\n"
      " 0 1 0 0 0 0 1 0 0\n"
      " 0 1 0 0 0 1 0 0 0\n"
      " 0 0 1 0 1 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n"
      " 0 0 0 0 0 0 0 0 0\n",
      fixture::grille(enmarques(l), 9)));
}

TEST(DeuxYeux, FlagscanAndNodes) {
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      ".........\n...O.....\n..OXO....\n.........\n.........\n.........\n.........\n.........\n.........\n");
  niveau = 7;
  parametresniveau();
  pointko = TPoint{};
  // A chain in atari is refused before the static test: flagscan untouched.
  flagscan = 0;
  const int32_t n0 = compteurnoeuds;
  EXPECT_FALSE(testdeuxyeuxpossible(p, 3, 4, 0));
  EXPECT_EQ(flagscan, 0);
  EXPECT_EQ(compteurnoeuds, n0);
  // Read as the last move, the lone stone is searched and flagscan is 1 after.
  EXPECT_FALSE(testdeuxyeuxpossible(p, 3, 4, 1));
  EXPECT_EQ(flagscan, 1);
  EXPECT_GT(compteurnoeuds, n0);
}

// Random 9x9 and 13x13 positions at every level, with dead marks, final
// territory bytes, the survival flag and a ko point (on a stone at times)
// drawn at random: every call leaves board, chain table, dead marks and
// lectureprofonde as they were.
TEST(DeuxYeux, RandomPositionsComeBack) {
  ASSERT_TRUE(chargecles());
  std::mt19937 g(11);
  auto tire = [&](int32_t n) { return static_cast<int32_t>(g() % static_cast<uint32_t>(n)); };
  for (int32_t essai = 0; essai < 150; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t t = essai % 3 == 0 ? 13 : 9;
    configmoteur.taille = t;
    construittables(t);
    niveau = 1 + tire(10);
    parametresniveau();
    flagsurvie = static_cast<uint8_t>(tire(2));
    flagscan = 1;
    TPlateau p = plateauvide();
    for (int32_t k = 10 + tire(t * t / 2); k > 0; --k) {
      TListePoints prises;
      const auto c = static_cast<uint8_t>(tire(2));
      jouecoup(prises, CAPACITELISTE, p, 1 + tire(t), 1 + tire(t), c, static_cast<uint8_t>(1 - c));
    }
    calculelibertes(p);
    pionsmorts = marquesvides;
    for (int32_t k = 0; k < NBCASES; ++k) {
      if (p[k] != VIDE && tire(8) == 0) pionsmorts[k] = 1;
      cartefinale1[k] = static_cast<int32_t>(g() & 0x0F0F0F);
      cartefinale2[k] = static_cast<int32_t>(g() & 0x070707);
    }
    int32_t r, c;
    do {
      r = 1 + tire(t);
      c = 1 + tire(t);
    } while (p[indexcase(r, c)] == VIDE);
    pointko = tire(3) == 0 ? TPoint{1 + tire(t), 1 + tire(t)} : TPoint{};
    TMarques carte;
    for (auto& x : carte) x = static_cast<uint8_t>(tire(3));
    const uint8_t profonde = lectureprofonde;
    fixture::verifieinchange(p, [&] { testdeuxyeuxpossible(p, r, c, tire(2)); });
    EXPECT_EQ(lectureprofonde, profonde);
    fixture::verifieinchange(p, [&] { testvieapresjeu(p, r, c); });
    for (int32_t k = 0; k < 4; ++k) {
      const TPoint dernier{1 + tire(t), 1 + tire(t)};
      if (p[indexcase(dernier.ligne, dernier.colonne)] != p[indexcase(r, c)]) continue;
      int32_t score = 0, code = 0;
      fixture::verifieinchange(p, [&] { genecoupsyeux(p, r, c, dernier, score, code, carte); });
    }
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
