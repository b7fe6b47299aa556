// Two-colour territory estimate and the zone-board preparations beside it.
#include <gtest/gtest.h>

#include <functional>

#include "engine/board/etat.h"
#include "engine/board/parcours.h"
#include "engine/territory/estimation.h"
#include "engine/territory/influence.h"
#include "tests/support/fixture.h"

namespace {

class Estimation : public ::testing::Test {
 protected:
  void SetUp() override {
    debutpartie = 0;
    couleurdemandee = NOIR;
    flagfuseki = 0;
  }
  void TearDown() override {
    debutpartie = 0;
    pionsmorts.fill(0);
    pionsmortsestime.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
    infozones[indexcase(4, 5)] = {0, 0, 2};
    infozones[indexcase(6, 5)] = {0, 0, 2};
  }
};

void marquemort(const TPlateau& p, int r, int c) {
  TMarques m = marquesvides;
  marquepionschaine(p, m, 0, r, c);
  for (int j = 0; j < NBCASES; ++j)
    if (m[j]) pionsmorts[j] = 1;
}

struct Resultat {
  TCarte carte, travail;
  int32_t blancs = -1, noirs = -1;
};

// Runs the estimate on `p`, checking that board, chain table and dead marks stay.
Resultat estime(const TPlateau& p, uint8_t couleur, int32_t passes, uint8_t finir = 0) {
  Resultat r;
  r.carte.fill(7);
  r.travail.fill(7);
  fixture::verifieinchange(
      p, [&] { estimeterritoire(r.carte, r.travail, couleur, passes, r.blancs, r.noirs, p, finir); });
  return r;
}

// Black walls off the top-left corner, white the bottom-right one.
constexpr const char* kCoins =
    "..X......\n"
    "..X......\n"
    "XXX......\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "......OOO\n"
    "......O..\n"
    "......O..\n";

// The map of kCoins without influence passes: closed corners and the stones
// after one erosion (each loses one per empty or enemy neighbour).
constexpr const char* kCoinsCarte =
    "1 1 126 0 0 0 0 0 0\n"
    "1 1 126 0 0 0 0 0 0\n"
    "126 126 126 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 -126 -126 -126\n"
    "0 0 0 0 0 0 -126 -1 -1\n"
    "0 0 0 0 0 0 -126 -1 -1\n";

TEST_F(Estimation, FewerThanThreeStones) {
  for (const char* d : {".....\n.....\n.....\n.....\n.....\n", ".....\n.....\n..X..\n.....\n.....\n",
                        ".....\n.O...\n..X..\n.....\n.....\n"}) {
    SCOPED_TRACE(d);
    const TPlateau p = fixture::posemoteur(d);
    const Resultat r = estime(p, NOIR, 5, 1);
    EXPECT_EQ(r.carte, TCarte{});
    EXPECT_EQ(r.travail, TCarte{});
    EXPECT_EQ(r.blancs, 0);
    EXPECT_EQ(r.noirs, 0);
  }
}

TEST_F(Estimation, ClosedCorners) {
  const TPlateau p = fixture::posemoteur(kCoins);
  // Corner points count early in the game (or in a fuseki request).
  debutpartie = 1;
  Resultat r = estime(p, NOIR, 0, 1);
  EXPECT_TRUE(fixture::memesgrilles(kCoinsCarte, fixture::grille(r.carte, 9)));
  EXPECT_EQ(r.noirs, 4);
  EXPECT_EQ(r.blancs, 4);
  EXPECT_EQ(r.travail, r.carte);
  // The owner pass: the corners and the walls round them.
  EXPECT_TRUE(fixture::memesgrilles(
      "1 1 1 2 2 2 2 2 2\n1 1 1 2 2 2 2 2 2\n1 1 1 2 2 2 2 2 2\n2 2 2 2 2 2 2 2 2\n2 2 2 2 2 2 2 2 2\n"
      "2 2 2 2 2 2 2 2 2\n2 2 2 2 2 2 0 0 0\n2 2 2 2 2 2 0 0 0\n2 2 2 2 2 2 0 0 0\n",
      fixture::grille(territoire, 9)));
  // Later in the game a colour's corner squares count only when the other
  // colour asks: black's when white asks, white's when black asks.
  debutpartie = 0;
  couleurdemandee = BLANC;
  r = estime(p, NOIR, 0);
  EXPECT_EQ(r.carte[indexcase(1, 1)], 1);
  EXPECT_EQ(r.carte[indexcase(9, 9)], 0);
  EXPECT_EQ(r.noirs, 4);
  EXPECT_EQ(r.blancs, 0);
  couleurdemandee = NOIR;
  r = estime(p, NOIR, 0);
  EXPECT_EQ(r.carte[indexcase(1, 1)], 0);
  EXPECT_EQ(r.carte[indexcase(9, 9)], -1);
  EXPECT_EQ(r.noirs, 0);
  EXPECT_EQ(r.blancs, 4);
}

TEST_F(Estimation, DeadStonesInAnArea) {
  debutpartie = 1;
  // A dead white stone inside black's corner counts for black and stays dead.
  TPlateau p = fixture::posemoteur(
      "..X......\n.OX......\nXXX......\n.........\n.........\n.........\n......OOO\n......O..\n......O..\n");
  marquemort(p, 2, 2);
  Resultat r = estime(p, NOIR, 0);
  EXPECT_EQ(r.carte[indexcase(2, 2)], 1);
  EXPECT_EQ(r.noirs, 4);
  EXPECT_EQ(pionsmortsestime[indexcase(2, 2)], 1);
  // A black stone marked dead inside black's own corner is not counted and
  // comes back to life in the estimate's view.
  p = fixture::posemoteur(
      "X.X......\n..X......\nXXX......\n.........\n.........\n.........\n......OOO\n......O..\n......O..\n");
  marquemort(p, 1, 1);
  r = estime(p, NOIR, 0);
  EXPECT_EQ(r.carte[indexcase(1, 1)], 1);
  EXPECT_EQ(r.noirs, 3);
  EXPECT_EQ(pionsmortsestime[indexcase(1, 1)], 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 1)], 1);
  // Next to the revived stone the area keeps its points.
  EXPECT_EQ(r.carte[indexcase(1, 2)], 1);
  EXPECT_EQ(r.carte[indexcase(2, 1)], 1);
}

TEST_F(Estimation, EnclosedByBothIsNeutral) {
  // Every stone dead: each colour's pass encloses the whole empty board, so
  // every point is contested and the map is 0 everywhere.
  debutpartie = 1;
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n..X......\n.........\n....O....\n.........\n......X..\n.........\n.........\n");
  marquemort(p, 3, 3);
  marquemort(p, 5, 5);
  marquemort(p, 7, 7);
  const Resultat r = estime(p, BLANC, 3);
  EXPECT_EQ(r.carte, TCarte{});
  EXPECT_EQ(r.blancs, 0);
  EXPECT_EQ(r.noirs, 0);
}

TEST_F(Estimation, WallsShareTheBoard) {
  // Two walls across the board: three rows for each side, the row between
  // them neutral. Lone stones make no territory.
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\nXXXXXXXXX\n.........\nOOOOOOOOO\n.........\n.........\n.........\n");
  Resultat r = estime(p, NOIR, 3);
  EXPECT_EQ(r.noirs, 27);
  EXPECT_EQ(r.blancs, 27);
  for (int c = 1; c <= 9; ++c) {
    for (int l = 1; l <= 3; ++l) {
      EXPECT_GT(r.carte[indexcase(l, c)], 0) << l << "," << c;
      EXPECT_LT(r.carte[indexcase(10 - l, c)], 0) << 10 - l << "," << c;
    }
    EXPECT_EQ(r.carte[indexcase(5, c)], 0) << c;
  }
  const TPlateau q = fixture::posemoteur(
      ".........\n.........\n..X......\n.........\n.........\n.........\n......O..\n.........\n.........\n");
  r = estime(q, NOIR, 3);
  EXPECT_EQ(r.noirs, 0);
  EXPECT_EQ(r.blancs, 0);
}

TEST_F(Estimation, NeutralPointsBesideOneSide) {
  // White's prepared board closes (1,6) and fills (1,4) and (1,5); only
  // (1,5) lies outside the corner squares and is marked. The neutral (1,4)
  // and (1,6) see only white's point among their empty neighbours: the last
  // sweep gives them to white. White asks: its corner squares are left out.
  couleurdemandee = BLANC;
  const TPlateau p = fixture::posemoteur(
      "..O...O..\n...OOO...\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  const Resultat r = estime(p, NOIR, 0);
  EXPECT_EQ(r.carte[indexcase(1, 4)], -1);
  EXPECT_EQ(r.carte[indexcase(1, 5)], -1);
  EXPECT_EQ(r.carte[indexcase(1, 6)], -1);
  EXPECT_EQ(r.blancs, 3);
  EXPECT_EQ(r.noirs, 0);
  EXPECT_EQ(r.travail, r.carte);
}

TEST_F(Estimation, EngineEstimateWritesTheOwners) {
  debutpartie = 1;
  const int32_t niveaue = paramniveaue;
  paramniveaue = 3;
  const TPlateau p = fixture::posemoteur(kCoins);
  estimeterritoireordi(p, NOIR);
  paramniveaue = niveaue;
  EXPECT_EQ(territoire[indexcase(1, 1)], NOIR);
  EXPECT_EQ(territoire[indexcase(3, 3)], NOIR);
  EXPECT_EQ(territoire[indexcase(9, 9)], BLANC);
  EXPECT_EQ(territoire2[indexcase(2, 2)], NOIR);
}

// ---- Zone boards -------------------------------------------------------------------------

TEST_F(Estimation, ZoneBoardEdges) {
  struct Cas {
    const char* nom;
    std::function<void()> zones;  // infozones for the case
    const char* avant;
    const char* attendu;
  } cas[] = {
      {"a gap inside one zone record is closed",
       [] {
         infozones[indexcase(4, 5)].numero = 3;
         infozones[indexcase(6, 5)].numero = 3;
       },
       ".........\n.........\n.........\n....X....\n.........\n....X....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n....X....\n....X....\n.........\n.........\n.........\n"},
      {"two zone records: the gap stays",
       [] {
         infozones[indexcase(4, 5)].numero = 3;
         infozones[indexcase(6, 5)].numero = 4;
       },
       ".........\n.........\n.........\n....X....\n.........\n....X....\n.........\n.........\n.........\n",
       ".........\n.........\n.........\n....X....\n.........\n....X....\n.........\n.........\n.........\n"},
      {"first line under a strong stone", [] {},
       ".........\n....X....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       "....X....\n....X....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"no claim between two enemy stones", [] {},
       ".........\n...OXO...\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       ".........\n...OXO...\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"one enemy side: the claim stands", [] {},
       ".........\n...OX....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n",
       "....X....\n...OX....\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"no claim under a chain of two liberties", [] {},
       ".........\n...OXO...\n...O.O...\n.........\n.........\n.........\n.........\n.........\n.........\n",
       ".........\n...OXO...\n...O.O...\n.........\n.........\n.........\n.........\n.........\n.........\n"},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.avant);
    k.zones();
    fermebordszone(marquesvides, p, NOIR);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, fixture::texteplateau(p, 9)));
    infozones[indexcase(4, 5)] = {0, 0, 2};
    infozones[indexcase(6, 5)] = {0, 0, 2};
  }
  // Marked stones of the colour are taken off and stay off.
  TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n.....O...\n");
  TMarques m = marquesvides;
  m[indexcase(4, 5)] = 1;
  m[indexcase(9, 6)] = 1;  // not of the colour: stays
  fermebordszone(m, p, NOIR);
  EXPECT_EQ(p[indexcase(4, 5)], VIDE);
  EXPECT_EQ(p[indexcase(9, 6)], BLANC);
}

TEST_F(Estimation, ZoneBoardWithoutMarkedStones) {
  // A marked second-line stone is absent for the fills and back after them.
  constexpr const char* d =
      ".........\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";
  TPlateau p = fixture::posemoteur(d);
  const TInfoChaine chaines = infochaine;
  TMarques m = marquesvides;
  m[indexcase(2, 5)] = 1;
  remplitzonesanspions(m, p, NOIR);
  EXPECT_TRUE(fixture::memesgrilles(d, fixture::texteplateau(p, 9)));
  EXPECT_EQ(infochaine, chaines);
  // Unmarked, it claims the first line under it.
  p = fixture::posemoteur(d);
  remplitzonesanspions(marquesvides, p, NOIR);
  EXPECT_EQ(p[indexcase(1, 5)], NOIR);
}

}  // namespace
