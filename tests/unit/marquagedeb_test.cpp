// Enclosed-chain marking of the whole board: killed chains into pionsmorts
// and, for one side, the killed bit of their own trial records.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/territory/enclos.h"
#include "engine/territory/marquagedeb.h"
#include "tests/support/fixture.h"

namespace {

// A black chain around a straight three in the corner, walled in by White.
constexpr const char* kTroisEnLigne =
    "...XO....\n"
    "XXXXO....\n"
    "OOOOO....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

struct Scene {
  TPlateau p;
  explicit Scene(int32_t niveaujeu = 7) {
    EXPECT_TRUE(chargecles());
    p = fixture::posemoteur(kTroisEnLigne);
    niveau = niveaujeu;
    pointko = TPoint{};
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    marquesglobales = marquesvides;
    for (int32_t r = 1; r <= 9; ++r)
      for (int32_t c = 1; c <= 9; ++c) {
        essaiordi(r, c).liensessai.fill(0);
        essaijoueur(r, c).liensessai.fill(0);
      }
  }
  void lance(uint8_t couleur, const TMarques& marques = marquesvides) {
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    testdebtouteschaines(p, marques, couleur);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
  }
};

bool mort(int32_t r, int32_t c) { return pionsmorts[indexcase(r, c)] != 0; }
bool bit(const TEssaiCoup& rec, int32_t r, int32_t c) { return (rec.liensessai[indexcase(r, c)] & BITTUEESSAI) != 0; }

TEST(MarqueDeb, BothColoursEachChainForItsOwnSide) {
  // Every chain read with its own colour as the last mover: the killer moves
  // first and the straight three dies; nothing goes into the trial records.
  Scene s;
  s.lance(2);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(mort(1, 4));
  EXPECT_FALSE(mort(3, 1));
  EXPECT_FALSE(bit(essaiordi(2, 1), 2, 1));
  EXPECT_FALSE(bit(essaijoueur(2, 1), 2, 1));
}

TEST(MarqueDeb, OneSideKilledChainGetsMarkAndBit) {
  // Black (the engine) has just moved: White first kills; the dead marks
  // and the killed bit of the engine's records at each stone.
  Scene s;
  s.lance(NOIR);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(bit(essaiordi(2, 1), 2, 1));
  EXPECT_TRUE(bit(essaiordi(1, 4), 1, 4));
  EXPECT_FALSE(bit(essaiordi(3, 1), 3, 1));
  EXPECT_FALSE(bit(essaijoueur(2, 1), 2, 1));
}

TEST(MarqueDeb, NotKilledOrAlreadyDeadGetsTheBitOnly) {
  // White has just moved: Black first lives, the chain is marked 4: the bit
  // in the opponent's records, no dead mark.
  Scene s;
  s.lance(BLANC);
  EXPECT_FALSE(mort(2, 1));
  EXPECT_TRUE(bit(essaijoueur(2, 1), 2, 1));
  // Dead already: its zone only, bit only, the mark stays.
  Scene t;
  for (const TPoint q : {TPoint{1, 4}, TPoint{2, 1}, TPoint{2, 2}, TPoint{2, 3}, TPoint{2, 4}})
    pionsmorts[indexcase(q.ligne, q.colonne)] = 1;
  t.lance(NOIR);
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(bit(essaiordi(2, 1), 2, 1));
  // Both colours: a chain dead at its head is not read at all.
  Scene u;
  pionsmorts[indexcase(1, 4)] = 1;
  u.lance(2);
  EXPECT_FALSE(mort(2, 2));
}

TEST(MarqueDeb, NothingBelowLevelFourOrUnderGlobalMarks) {
  Scene s(3);
  s.lance(2);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  Scene t;
  marquesglobales[indexcase(1, 4)] = 1;  // the chain's head
  t.lance(2);
  EXPECT_FALSE(mort(2, 1));
}

}  // namespace
