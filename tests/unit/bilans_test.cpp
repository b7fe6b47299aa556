// Position balances: edge penalties, dead-stone counts, region balances with
// and without a chain-status pass, the ladder balance and the influence counts.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/bilans.h"
#include "tests/support/fixture.h"

namespace {

class Bilans : public ::testing::Test {
 protected:
  void SetUp() override {
    for (TMarques* m : {&pionsmorts, &pionsmortsavant, &marquesglobales, &marquesdetect, &marquesliaison1,
                        &pionsmortsbis, &pionsmortssauves})
      m->fill(0);
    peintmortsavant = 1;
    tableessaiscourante = 0;
    sansstatut = 0;
    flagmarquesmorts = 0;
    niveaumin3 = 0;
  }
  void TearDown() override {
    SetUp();
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
};

// A white group with one eye in black's corner; black lives.
constexpr const char* UNOEIL =
    ".OX.X....\n"
    "OOX.X....\n"
    "XXXXX....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST_F(Bilans, EdgePenalties) {
  const TPlateau p = fixture::posemoteur(
      ".O...\n"
      "XXXXO\n"
      ".....\n"
      ".....\n"
      "...XO\n");
  // (1, 3): black inside, white along the edge; (1, 4): white diagonally
  // inward. The corners (1, 1) and (5, 5) would qualify but are never looked at.
  TMarques marques{};
  int32_t compte = 5;
  penaliteschaines(compte, marques, p, BLANC, NOIR);
  EXPECT_EQ(compte, 7);
  TMarques attendu{};
  attendu[indexcase(1, 3)] = attendu[indexcase(1, 4)] = 1;
  EXPECT_TRUE(fixture::memesmarques(attendu, marques));
  // A dead flanking stone does not count.
  pionsmorts[indexcase(1, 2)] = 1;
  compte = 0;
  marques.fill(0);
  penaliteschaines(compte, marques, p, BLANC, NOIR);
  EXPECT_EQ(compte, 1);
  EXPECT_EQ(marques[indexcase(1, 4)], 1);
}

TEST_F(Bilans, DeadStoneCounts) {
  const TPlateau p = fixture::posemoteur(UNOEIL);
  pionsmorts[indexcase(1, 2)] = pionsmorts[indexcase(2, 1)] = pionsmorts[indexcase(3, 3)] = 1;
  pionsmorts[indexcase(5, 5)] = 1;  // an empty point is no stone
  int32_t noirs = -1, blancs = -1;
  comptepionsmorts(p, noirs, blancs);
  EXPECT_EQ(noirs, 1);
  EXPECT_EQ(blancs, 2);
}

TEST_F(Bilans, TerritoryBalanceAfterTheStatusPass) {
  TPlateau p = fixture::posemoteur(UNOEIL);
  // The pass finds the white group dead: 3 stones of 10; black's regions:
  // the eye with the dead stones (4), (1,4)-(2,4) (2), the rest (66).
  for (uint8_t k : {BLANC, NOIR}) {
    SCOPED_TRACE(k);
    fixture::verifieinchange(p, [&] {
      EXPECT_EQ(bilanterritoire(p, NOIR, k, 5, 3), 30 + 4 + 2 + 66);
      EXPECT_EQ(bilanterritoire(p, BLANC, k, 5, 3), -(30 + 4 + 2 + 66));
    });
  }
}

TEST_F(Bilans, RegionBalanceAfterTheOtherColoursAnalysis) {
  TPlateau p = fixture::posemoteur(UNOEIL);
  TListePoints liste;
  liste[0] = 0;
  // Black's balance: 5 a point of its regions (72), 10 a dead white stone.
  fixture::verifieinchange(p, [&] {
    EXPECT_EQ(calculbilan2(liste, 300, p, NOIR, NOIR), 5 * 72 + 30);
    EXPECT_EQ(calculbilan2(liste, 300, p, NOIR, BLANC), -(5 * 72 + 30));
    // White's: black's chains live; the white eye is white's region.
    EXPECT_EQ(calculbilan2(liste, 300, p, BLANC, BLANC), 5);
  });
  // Without the analysis the white group counts as alive: its eye is not black's.
  EXPECT_EQ(calculbilan(liste, 300, p, NOIR, NOIR), 5 * 68);
  pionsmorts[indexcase(1, 2)] = pionsmorts[indexcase(2, 1)] = pionsmorts[indexcase(2, 2)] = 1;
  EXPECT_EQ(calculbilan(liste, 300, p, NOIR, NOIR), 5 * 72 + 30);
}

TEST_F(Bilans, SmallEnemyChainsAtTheListedPointsAreLeftOut) {
  const TPlateau p = fixture::posemoteur(
      ".........\n"
      ".........\n"
      "XXXXXXXXX\n"
      ".........\n"
      ".........\n"
      ".....O...\n"
      ".........\n"
      ".........\n"
      ".........\n");
  TListePoints liste;
  liste[0] = 0;
  EXPECT_EQ(calculbilan(liste, 300, p, NOIR, NOIR), 5 * 18);
  empilepoint(liste, 300, 6, 6);
  EXPECT_EQ(calculbilan(liste, 300, p, NOIR, NOIR), 5 * 18 + 5 * 53);
  EXPECT_EQ(calculbilan(liste, 0, p, NOIR, NOIR), 5 * 18);  // beyond the capacity
}

TEST_F(Bilans, LadderBalance) {
  struct Cas {
    const char* nom;
    const char* d;
    uint8_t c, x;
    int32_t attendu;
  } cas[] = {
      // Black in atari escapes: -4; liberty terms 1/1 + 1 for black, 9/3 + 3 for white.
      {"atari, no ladder", ".......\n.......\n..O....\n.OX....\n..O....\n.......\n.......\n", NOIR, NOIR, -4 + 2 - 6},
      {"atari, no ladder, x not c", ".......\n.......\n..O....\n.OX....\n..O....\n.......\n.......\n", NOIR, BLANC,
       -4 - 6 + 2 - 6},
      {"the same from white's side", ".......\n.......\n..O....\n.OX....\n..O....\n.......\n.......\n", BLANC,
       BLANC, 4 + 6 + 6 - 2},
      {"two liberties", ".......\n..O....\n.OX....\n.......\n.......\n.......\n.......\n", NOIR, NOIR,
       -2 + 3 - 5},
      {"caught in a ladder: 10 a stone", ".........\n.........\n...OO....\n..OX.....\n...O.....\n.........\n"
                                         ".........\n.........\n.........\n", NOIR, BLANC, -10 + 2 - 6},
      {"one colour only: no liberty term", ".......\n.......\n..X....\n.......\n.......\n.......\n.......\n", NOIR,
       NOIR, 0},
      {"a solid block", ".......\n.......\n..XX...\n..XX...\n.......\n.......\n.......\n", NOIR, NOIR, -4},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    fixture::verifieinchange(p, [&] { EXPECT_EQ(calculbilanesca(p, k.c, k.x), k.attendu); });
  }
  // Dead stones: 10 each against their colour.
  const TPlateau p = fixture::posemoteur(".......\n.......\n..X....\n.......\n....O..\n.......\n.......\n");
  pionsmorts[indexcase(3, 3)] = 1;
  EXPECT_EQ(calculbilanesca(p, NOIR, NOIR), -10 + 5 - 5);
  pionsmorts[indexcase(5, 5)] = 1;
  EXPECT_EQ(calculbilanesca(p, NOIR, NOIR), 0);
}

TEST_F(Bilans, InfluenceAlongTheLines) {
  // Every empty point on the rays from (5, 5) sees white on its lines.
  const char* sept =
      "OOOOOOOOO\n"
      "OOOOOOOOO\n"
      "OOOO.OOOO\n"
      "OOOO.OOOO\n"
      "OO....OOO\n"
      "OOOO.OOOO\n"
      "OOOO.OOOO\n"
      "OOOOOOOOO\n"
      "OOOOOOOOO\n";
  const TPlateau p = fixture::posemoteur(sept);
  struct Cas {
    int32_t classe;
    uint8_t c;
    int32_t attendu;
  } cas[] = {{3, NOIR, -1}, {4, NOIR, -1}, {5, NOIR, -1}, {7, NOIR, -1}, {3, BLANC, 1}};  // sum -7 (or 7)
  for (const auto& k : cas) EXPECT_EQ(compteinfluencelignes(p, 5, 5, k.c, k.classe, 2), k.attendu) << k.classe;
  // One more point on the rays: -8 / 4.
  TPlateau q = p;
  q[indexcase(5, 7)] = VIDE;
  q[indexcase(5, 8)] = BLANC;
  calculelibertes(q);
  EXPECT_EQ(compteinfluencelignes(q, 5, 5, NOIR, 3, 2), -2);
}

TEST_F(Bilans, InfluenceByDilation) {
  // One black stone: its 4 neighbours after one pass; white at the far corner: 2.
  const TPlateau p = fixture::posemoteur(
      "......\n"
      "..X...\n"
      "......\n"
      "......\n"
      "......\n"
      ".....O\n");
  struct Cas {
    int32_t classe;
    uint8_t c;
    int32_t attendu;
  } cas[] = {{0, NOIR, 2}, {1, NOIR, 1}, {2, NOIR, 0}, {0, BLANC, -2}, {1, BLANC, -1}};
  for (const auto& k : cas)
    EXPECT_EQ(compteinfluencedilatation(p, 1, k.classe, k.c), k.attendu) << k.classe << " " << int(k.c);
  // Twelve black points after two passes less five white ones: 7 / 4.
  EXPECT_EQ(compteinfluencedilatation(p, 2, 3, NOIR), 1);
  // Classes up to 2 go through the dilation: reach 2 -> 3 passes.
  EXPECT_EQ(compteinfluencelignes(p, 4, 4, NOIR, 0, 2), compteinfluencedilatation(p, 3, 0, NOIR));
  EXPECT_EQ(compteinfluencelignes(p, 4, 4, NOIR, 2, 5), compteinfluencedilatation(p, 4, 2, NOIR));
  // The black stone dead: only white counts.
  pionsmorts[indexcase(2, 3)] = 1;
  EXPECT_EQ(compteinfluencedilatation(p, 1, 0, NOIR), -2);
}

TEST_F(Bilans, DeadStonesAndInfluence) {
  const TPlateau p = fixture::posemoteur(
      "O....\n"
      ".....\n"
      "..X..\n"
      ".....\n"
      ".....\n");
  pionsmorts[indexcase(1, 1)] = 1;
  int32_t noirs = -1, blancs = -1;
  comptemortsinfluence(noirs, blancs, 1, p, 10);
  EXPECT_EQ(noirs, 10 + 4);
  EXPECT_EQ(blancs, 0);
  pionsmorts[indexcase(3, 3)] = 1;
  comptemortsinfluence(noirs, blancs, 1, p, 10);
  EXPECT_EQ(noirs, 10);
  EXPECT_EQ(blancs, 10);
}

}  // namespace
