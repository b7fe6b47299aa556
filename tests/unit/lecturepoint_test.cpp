// Point and cut readings: the cut reading's count of running moves, its
// refused and occupied seeds, the withdrawn first move; the point reading's
// territory entry rule.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/lecturepoint.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d, int32_t niv) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  tablegroupes = infochaine;
  niveau = niv;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  return p;
}

std::string vide(int32_t n) {
  std::string s;
  for (int32_t r = 0; r < n; ++r) s += std::string(static_cast<size_t>(n), '.') + "\n";
  return s;
}

int32_t coupure(TPlateau& p, int32_t profondeur, int32_t r, int32_t c, uint8_t a = NOIR) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = lancelecturecoupure(a, static_cast<uint8_t>(1 - a), p, profondeur, r, c); });
  return v;
}

int32_t point(TPlateau& p, int32_t r, int32_t c, uint8_t avant = 0) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = lancelecturerecu1(avant, NOIR, BLANC, p, r, c); });
  return v;
}

TEST(LectureCoupure, OpenBoardCountsTheRunningMoves) {
  // Nothing stops a stone in the open: it plays at every even ply.
  struct Cas { int32_t profondeur, attendu; };
  for (const Cas k : {Cas{0, 0}, Cas{1, 0}, Cas{2, 1}, Cas{3, 1}, Cas{4, 2}, Cas{6, 3}}) {
    TPlateau p = pose(vide(9), 7);
    EXPECT_EQ(coupure(p, k.profondeur, 5, 5), k.attendu) << k.profondeur;
  }
}

TEST(LectureCoupure, RefusedSeedGivesZero) {
  // Black on (1,1) would have no liberty.
  TPlateau p = pose(
      ".O.......\nO........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n", 7);
  EXPECT_EQ(coupure(p, 6, 1, 1), 0);
}

TEST(LectureCoupure, OccupiedSeedIsReadAsItStands) {
  constexpr const char* d =
      ".........\n.........\n...O.....\n.........\n....X.O..\n.........\n..O......\n.........\n.........\n";
  TPlateau p = pose(d, 7);
  const int32_t dejapose = coupure(p, 4, 5, 5);
  std::string s = d;
  s[4 * 10 + 4] = '.';
  TPlateau q = pose(s, 7);
  EXPECT_EQ(coupure(q, 4, 5, 5), dejapose);
  // A white stone on the point is read for white the same way.
  TPlateau o = pose(vide(9), 7);
  const int32_t blanc = coupure(o, 4, 5, 5, BLANC);
  o[indexcase(5, 5)] = BLANC;
  calculelibertes(o);
  EXPECT_EQ(coupure(o, 4, 5, 5, BLANC), blanc);
}

// Black seed (5,5): a white stone on any of its four neighbours stands in
// atari. The ko point (1,1) holds a stone, so white has no pass.
constexpr const char* kPiege =
    "X........\n.........\n.........\n...X.X...\n.........\n...X.X...\n.........\n.........\n.........\n";

TEST(LectureCoupure, CapturableFirstMoveCountsAsOneMoveGained) {
  struct Cas { int32_t profondeur; bool passe; int32_t attendu; };
  for (const Cas k : {Cas{1, true, 0}, Cas{1, false, 1}, Cas{2, true, 1}, Cas{2, false, 2}}) {
    TPlateau p = pose(kPiege, 7);
    pointko = k.passe ? TPoint{} : TPoint{1, 1};
    EXPECT_EQ(coupure(p, k.profondeur, 5, 5), k.attendu) << k.profondeur << " " << k.passe;
  }
}

// The ko point appended to the first mover's list may hold a stone of the
// first mover: it is refused, and the stone stays where it was.
TEST(LectureCoupure, KoPointOnAFirstMoverStoneStaysOnTheBoard) {
  constexpr const char* d =
      "O........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n";
  for (const int32_t profondeur : {1, 3, 6}) {
    TPlateau p = pose(d, 7);
    pointko = TPoint{1, 1};
    EXPECT_EQ(coupure(p, profondeur, 5, 5), profondeur / 2) << profondeur;
  }
  for (const uint8_t avant : {0, 1}) {
    TPlateau p = pose(d, 7);
    territoire.fill(BLANC);
    pointko = TPoint{1, 1};
    EXPECT_GE(point(p, 5, 4, avant), 0);
  }
}

TEST(LecturePoint, NoTerritoryWithinThreePliesGivesZero) {
  struct Cas { const char* nom; int32_t dmin; bool positif; };
  for (const Cas k : {Cas{"none", 0, false}, Cas{"from distance 2", 2, false}, Cas{"from distance 1", 1, true}}) {
    for (const int32_t niv : {1, 7}) {
      SCOPED_TRACE(std::string(k.nom) + " level " + std::to_string(niv));
      TPlateau p = pose(vide(19), niv);
      for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 19; ++c)
          if (k.dmin > 0 && std::abs(r - 10) + std::abs(c - 10) >= k.dmin) territoire[indexcase(r, c)] = BLANC;
      for (const uint8_t avant : {0, 1}) {
        const int32_t v = point(p, 10, 10, avant);
        if (k.positif) {
          EXPECT_GT(v, 0);
        } else {
          EXPECT_EQ(v, 0);
        }
      }
    }
  }
}

}  // namespace
