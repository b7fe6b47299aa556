// Weak-chain liberty candidates of the search nodes and the candidate order.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/libertesfaibles.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::set<std::pair<int, int>>;

Points ensemble(const TListePoints& l) {
  Points s;
  for (int32_t k = 1; k <= nbpoints(l); ++k) s.insert({ligneliste(l, k), colonneliste(l, k)});
  return s;
}
bool contient(const TListePoints& l, int r, int c) { return ensemble(l).count({r, c}) != 0; }

class LibertesFaibles : public ::testing::Test {
 protected:
  TPlateau pose(std::string_view d) {
    TPlateau p = fixture::posemoteur(d);
    paramniveaug = 2;
    interrupteurcandidats = 1;
    liste[0] = 0;
    fuite.fill(0);
    exclus.fill(0);
    zonemarquee.fill(1);
    marquesliaison1.fill(0);
    return p;
  }
  // n listed points far from the play, in rows 9 and 8.
  void remplitliste(int n) {
    for (int k = 0; k < n; ++k) empilepoint(liste, 361, 9 - k / 9, 1 + k % 9);
  }
  void lecture(TPlateau& p, uint8_t c, TPoint p1 = {}, TPoint p2 = {}, int32_t prises = 0) {
    fixture::verifieinchange(p, [&] { ajoutelibertesfaibles(fuite, prises, p, liste, 361, c, p1, p2); });
  }
  static int32_t i(int r, int c) { return indexcase(r, c); }
  TListePoints liste;
  TMarques fuite, exclus;
};

// White (5,5) between two black stones has two liberties.
constexpr const char* kDeuxLibertes =
    ".........\n.........\n.........\n....X....\n....O....\n....X....\n.........\n.........\n.........\n";

TEST_F(LibertesFaibles, ChainsShortOfLibertiesGiveTheirLiberties) {
  TPlateau p = pose(kDeuxLibertes);
  lecture(p, NOIR);
  EXPECT_EQ(ensemble(liste), (Points{{5, 4}, {5, 6}}));
}

// From 16 listed points on, only chains in atari count.
TEST_F(LibertesFaibles, LongListKeepsToChainsInAtari) {
  TPlateau p = pose(kDeuxLibertes);
  remplitliste(16);
  lecture(p, NOIR);
  EXPECT_EQ(nbpoints(liste), 16);
  p = pose(".........\n.........\n.........\n....X....\n...XO....\n....X....\n.........\n.........\n.........\n");
  remplitliste(16);
  lecture(p, NOIR);
  EXPECT_EQ(nbpoints(liste), 17);
  EXPECT_TRUE(contient(liste, 5, 6));
}

// Black (5,5) in atari at (6,5), a point white surrounds: the escape fails
// and the point goes from the list, even though a family listed it.
constexpr const char* kEvasionRatee =
    ".........\n.........\n.........\n....O....\n...OXO...\n...O.O...\n....O....\n.........\n.........\n";

TEST_F(LibertesFaibles, FailedEscapeIsStruckFromTheList) {
  TPlateau p = pose(kEvasionRatee);
  empilepoint(liste, 361, 6, 5);
  lecture(p, NOIR);
  EXPECT_FALSE(contient(liste, 6, 5));
  EXPECT_EQ(fuite[i(6, 5)], 0);
}

// The same liberty is the capture of white chains in atari scanned first:
// it stays.
TEST_F(LibertesFaibles, FailedEscapeThatCapturesStays) {
  TPlateau p = pose(
      ".........\n.........\n...XX....\n..XOOX...\n..XOXO...\n..XO.O...\n...XO....\n.........\n.........\n");
  empilepoint(liste, 361, 6, 5);
  lecture(p, NOIR);
  EXPECT_TRUE(contient(liste, 6, 5));
}

TEST_F(LibertesFaibles, SuccessfulEscapeIsListedWithTheChainSize) {
  TPlateau p = pose(
      ".........\n.........\n.........\n....OO...\n...OXX...\n....OO...\n.........\n.........\n.........\n");
  lecture(p, NOIR);
  EXPECT_TRUE(contient(liste, 5, 7));
  EXPECT_EQ(fuite[i(5, 7)], 2);
}

// A dead own chain gives no liberty, and its last liberty leaves the list.
TEST_F(LibertesFaibles, DeadOwnChainsGiveNoLiberty) {
  TPlateau p = pose(kDeuxLibertes);
  pionsmorts[i(5, 5)] = 1;
  lecture(p, BLANC);
  EXPECT_EQ(nbpoints(liste), 0);
  p = pose(".........\n.........\n.........\n....X....\n...XO....\n....X....\n.........\n.........\n.........\n");
  pionsmorts[i(5, 5)] = 1;
  empilepoint(liste, 361, 5, 6);
  empilepoint(liste, 361, 9, 9);
  lecture(p, BLANC);
  EXPECT_EQ(ensemble(liste), (Points{{9, 9}}));
}

// Black (5,5)-(5,6), six liberties, is the last move. With 10 points
// listed the widening walks the square of half-width 2 around it; with 11
// only its eight neighbours.
TEST_F(LibertesFaibles, WideningBySquaresOrNeighbours) {
  constexpr const char* kDernier =
      ".........\n.........\n.........\n.........\n....XX...\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(kDernier);
  remplitliste(10);
  lecture(p, NOIR, TPoint{5, 5});
  EXPECT_EQ(nbpoints(liste), 10 + 21 - 2);
  p = pose(kDernier);
  remplitliste(11);
  lecture(p, NOIR, TPoint{5, 5});
  EXPECT_EQ(nbpoints(liste), 11 + 7);
  EXPECT_EQ(ensemble(liste).count({5, 7}), 0u);
}

// The last move's chain gives all its liberties when it has at most 4,
// whatever the threshold: (1,7) is not a neighbour of the last move.
TEST_F(LibertesFaibles, TheLastMovesChainGivesItsLiberties) {
  TPlateau p = pose(
      "....XX...\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  remplitliste(16);
  lecture(p, NOIR, TPoint{1, 5});
  EXPECT_TRUE(contient(liste, 1, 7));
  EXPECT_TRUE(contient(liste, 2, 6));
}

// White has just taken a ko at (3,4): black's retake at (3,3) is struck
// after a single capture, kept otherwise.
TEST_F(LibertesFaibles, KoRetakeAfterASingleCapture) {
  constexpr const char* kKo =
      ".........\n..OX.....\n.O.OX....\n..OX.....\n.........\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(kKo);
  lecture(p, NOIR, TPoint{3, 4}, TPoint{}, 1);
  EXPECT_FALSE(contient(liste, 3, 3));
  p = pose(kKo);
  lecture(p, NOIR, TPoint{3, 4}, TPoint{}, 0);
  EXPECT_TRUE(contient(liste, 3, 3));
}

// At the root a ko point never stays in the list, and points of the
// bad-move map are never added.
TEST_F(LibertesFaibles, RootDropsTheKoPointAndTheBadMoves) {
  TPlateau p = pose(kDeuxLibertes);
  empilepoint(liste, 361, 5, 4);
  exclus[i(5, 6)] = 1;
  fixture::verifieinchange(p, [&] {
    ajoutelibertesfaiblesracine(fuite, exclus, TPoint{5, 4}, p, liste, 361, NOIR, TPoint{}, TPoint{});
  });
  EXPECT_EQ(nbpoints(liste), 0);
}

// The root's dead mask marks every own chain in atari, escape or not: at
// the root its liberty is read as a ladder. Black (5,5)-(5,6) escapes at
// (5,7) and is listed with its size; black (5,5) of kEvasionRatee stays
// caught and its liberty goes from the list.
TEST_F(LibertesFaibles, RootReadsTheEscapeOfADeadOwnChainInAtari) {
  const auto racine = [&](TPlateau& p) {
    fixture::verifieinchange(p, [&] {
      ajoutelibertesfaiblesracine(fuite, exclus, TPoint{}, p, liste, 361, NOIR, TPoint{}, TPoint{});
    });
  };
  TPlateau p = pose(
      ".........\n.........\n.........\n....OO...\n...OXX...\n....OO...\n.........\n.........\n.........\n");
  pionsmorts[i(5, 5)] = pionsmorts[i(5, 6)] = 1;
  racine(p);
  EXPECT_TRUE(contient(liste, 5, 7));
  EXPECT_EQ(fuite[i(5, 7)], 2);
  p = pose(kEvasionRatee);
  pionsmorts[i(5, 5)] = 1;
  empilepoint(liste, 361, 6, 5);
  racine(p);
  EXPECT_FALSE(contient(liste, 6, 5));
  EXPECT_EQ(fuite[i(6, 5)], 0);
}

// The deeper scan looks only inside the zone.
TEST_F(LibertesFaibles, ZoneScanKeepsToTheZone) {
  TPlateau p = pose(kDeuxLibertes);
  TMarques gains{};
  const TPlateau avant = p;
  zonemarquee.fill(0);
  ajoutelibertesfaibleszone(fuite, avant, gains, TPoint{}, p, liste, 361, NOIR, TPoint{}, TPoint{});
  EXPECT_EQ(nbpoints(liste), 0);
  zonemarquee[i(5, 5)] = 1;
  ajoutelibertesfaibleszone(fuite, avant, gains, TPoint{}, p, liste, 361, NOIR, TPoint{}, TPoint{});
  EXPECT_EQ(ensemble(liste), (Points{{5, 4}, {5, 6}}));
}

// A white chain the readings held dead and that lives now gives its
// liberties; so does a black chain that died.
TEST_F(LibertesFaibles, ChangedStatusChainsGiveTheirLiberties) {
  TPlateau p = pose(
      ".........\n.O.......\n.........\n.........\n.........\n.........\n.........\n.......X.\n.........\n");
  TMarques listes{}, vu{};
  marquesliaison1[i(2, 2)] = 1;
  pionsmorts[i(8, 8)] = 1;
  ajoutelibertesstatutchange(p, p, listes, vu, liste, 361, NOIR);
  EXPECT_EQ(ensemble(liste), (Points{{1, 2}, {3, 2}, {2, 1}, {2, 3}, {7, 8}, {9, 8}, {8, 7}, {8, 9}}));
}

TEST_F(LibertesFaibles, ValuedCandidatesAreAddedOnce) {
  pose(kDeuxLibertes);
  casescandidates.fill(0);
  TCarte a{}, b{};
  casescandidates[i(1, 1)] = casescandidates[i(2, 2)] = casescandidates[i(3, 3)] = 1;
  a[i(1, 1)] = 5;
  b[i(2, 2)] = 1;
  a[i(4, 4)] = 9;  // not a candidate
  empilepoint(liste, 361, 2, 2);
  ajoutecandidatsvalorises(a, b, liste, 361);
  EXPECT_EQ(ensemble(liste), (Points{{1, 1}, {2, 2}}));
  EXPECT_EQ(nbpoints(liste), 2);
  casescandidates.fill(0);
}

// Black's line stone (5,5) closes the empty point (5,6) but for (5,7).
TEST_F(LibertesFaibles, PointsThatCloseAnAlmostClosedEye) {
  const TPlateau p = pose(
      ".........\n.........\n.........\n.....X...\n....X....\n.....X...\n.........\n.........\n.........\n");
  TListePoints chemin{};
  empilepoint(chemin, 10, 5, 5);
  empilepoint(chemin, 10, 9, 9);
  ajoutepointsvidesentoures(p, liste, 361, chemin, 2, TPoint{});
  EXPECT_EQ(ensemble(liste), (Points{{5, 7}}));
  liste[0] = 0;
  ajoutepointsvidesentoures(p, liste, 361, chemin, 2, TPoint{5, 7});
  EXPECT_EQ(nbpoints(liste), 0);
}

TEST_F(LibertesFaibles, ReorderBringsTheLineMoveToPositionK) {
  pose(kDeuxLibertes);
  TListePoints chemin{};
  for (int d = 1; d <= 5; ++d) empilepoint(chemin, 10, d, d);
  TMarques listes{};
  for (int r = 1; r <= 5; ++r) {
    empilepoint(liste, 361, r, r);
    listes[i(r, r)] = 1;
  }
  // Depth 1: nothing moves.
  const TListePoints avant = liste;
  reordonnecoups(listes, chemin, 1, 1, liste);
  EXPECT_EQ(liste, avant);
  // Depth 3: the move of depth 3, (3,3), comes to position 1.
  reordonnecoups(listes, chemin, 3, 1, liste);
  EXPECT_EQ(ligneliste(liste, 1), 3);
  EXPECT_EQ(ligneliste(liste, 3), 1);
  // Not a candidate at depth 3 or 5: the depth-4 move is taken.
  listes[i(3, 3)] = 0;
  listes[i(5, 5)] = 0;
  reordonnecoups(listes, chemin, 3, 2, liste);
  EXPECT_EQ(ligneliste(liste, 2), 4);
  // Switched off by the chooser: nothing moves.
  interrupteurcandidats = 0;
  const TListePoints fige = liste;
  reordonnecoups(listes, chemin, 3, 1, liste);
  EXPECT_EQ(liste, fige);
  interrupteurcandidats = 1;
}

// Which move of the line comes to the front, by depth: the mover's own
// later moves (d, d+2, ...), the other side's (d+1, ...), the mover's earlier
// ones from d-2 down (d-2 always looked at first), then d-1 down to 1.
TEST_F(LibertesFaibles, ReorderTakesTheLineMovesInDepthOrder) {
  pose(kDeuxLibertes);
  TListePoints chemin{};
  for (int d = 1; d <= 6; ++d) empilepoint(chemin, 10, d, d);
  struct Cas {
    int d;
    std::vector<int> candidats;  // depths whose move is a candidate
    int attendu;                 // depth whose move comes to position 1
  };
  const Cas cas[] = {
      {3, {1, 2}, 1},     // d-2 = 1 before d-1 = 2
      {3, {2, 4}, 4},     // d+1 before the earlier depths
      {4, {1, 2, 3}, 2},  // d-2 = 2 before d-1 = 3
      {5, {1, 2, 4}, 4},  // d-2 = 3 is not a candidate, then d-1 = 4
      {5, {1, 2}, 2},     // the walk from d-2 stops at 3; then 2 before 1
      {6, {2, 5}, 2},     // 4, 2, then 5
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "depth " << c.d);
    TMarques listes{};
    liste[0] = 0;
    empilepoint(liste, 361, 9, 9);
    for (int d : c.candidats) {
      empilepoint(liste, 361, d, d);
      listes[i(d, d)] = 1;
    }
    reordonnecoups(listes, chemin, c.d, 1, liste);
    EXPECT_EQ(ligneliste(liste, 1), c.attendu);
  }
}

}  // namespace
