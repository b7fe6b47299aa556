// Invasion searches: free stones claim the goal and caught ones nothing, the
// hand-overs of the first form (below level 5, a point without a chain
// stone), the second form's weak-liberty list, the credit of the owner's
// established stones, and restoration on positions.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation.h"
#include "engine/reading/propagationinvasion.h"
#include "tests/support/fixture.h"
#include "tests/unit/propagation_positions.h"

namespace {

// Engine on the diagram at level `niv`: the start chain table as
// tablegroupes and the board as the position before the move, no ko, white
// owning every point, nothing written off.
TPlateau pose(std::string_view d, int32_t niv) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  tablegroupes = infochaine;
  plateaudepart = p;
  niveau = niv;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  depassementpropagation = 0;
  territoire.fill(BLANC);
  territoire2.fill(BLANC);
  pionsmortsbis.fill(0);
  carteattaque.fill(0);
  listefaibles.fill(0);
  listesurvie.fill(0);
  return p;
}

TPlateau posepositions(const char* const (&lignes)[19], int32_t niv) {
  TPlateau p = positionspropagation::pose(lignes, niv);
  plateaudepart = p;
  pionsmortsbis.fill(0);
  carteattaque.fill(0);
  listefaibles.fill(0);
  listesurvie.fill(0);
  return p;
}

int32_t lit4(TPlateau& p, int32_t r, int32_t c, uint8_t avant = 0, int32_t seuil = 0, int32_t plafond = 0) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = lancelecturerecu4(avant, NOIR, BLANC, p, r, c, seuil, plafond); });
  return v;
}

int32_t lit5(TPlateau& p, int32_t r, int32_t c, int32_t seuil = 0, int32_t plafond = 0) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = lancelecturerecu5(NOIR, BLANC, p, r, c, seuil, plafond); });
  return v;
}

TEST(InvasionLecture4, BelowLevelFiveIsThePropagationReading) {
  ASSERT_TRUE(chargecles());
  for (const int32_t niv : {1, 3, 4}) {
    TPlateau p = posepositions(positionspropagation::kContact, niv);
    for (int32_t r = 1; r <= 19; ++r)
      for (int32_t c = 1; c <= 19; ++c) {
        if (p[indexcase(r, c)] == BLANC) continue;
        for (const uint8_t avant : {0, 1}) {
          const int32_t attendu = lecturetactique(avant, NOIR, BLANC, p, r, c, 1, 4);
          EXPECT_EQ(lit4(p, r, c, avant, 1, 4), attendu) << niv << " (" << r << "," << c << ")";
        }
      }
  }
}

TEST(InvasionLecture4, PointWithoutChainStoneGoesToPointReading) {
  std::string s;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) s += r == 10 && c == 11 ? 'O' : '.';
    s += '\n';
  }
  for (const int32_t niv : {5, 8}) {
    for (const auto& pt : {TPoint{10, 10}, TPoint{10, 11}}) {
      for (const uint8_t avant : {0, 1}) {
        TPlateau p = pose(s, niv);
        territoire[indexcase(pt.ligne, pt.colonne)] = VIDE;
        const int32_t point = lancelecturerecu1(avant, NOIR, BLANC, p, pt.ligne, pt.colonne);
        EXPECT_EQ(lit4(p, pt.ligne, pt.colonne, avant), point) << niv;
      }
    }
  }
}

TEST(InvasionLecture5, NoWeakOwnerChainGivesZeroWithoutReading) {
  // Black (5,5): no white neighbour; white neighbours of 3 and more liberties.
  for (const char* d : {".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n",
                        ".........\n.........\n.........\n....O....\n...OXO...\n.........\n.........\n.........\n.........\n"}) {
    TPlateau p = pose(d, 8);
    const int32_t n0 = compteurnoeudslecture;
    EXPECT_EQ(lit5(p, 5, 5), 0);
    EXPECT_EQ(compteurnoeudslecture, n0);
  }
}

// Black (5,5) touching white (5,6), whose chain has two liberties; black's
// stone stands free in white's open area.
constexpr const char* kDeuxLibertes =
    ".........\n"
    ".........\n"
    ".........\n"
    ".....X...\n"
    "....XOO..\n"
    ".....XX..\n"
    ".........\n"
    ".........\n"
    ".........\n";

// Black (5,5) touching white (5,6) of two liberties, but itself in atari:
// white, moving first, takes it at (6,5).
constexpr const char* kPrisNoir =
    ".........\n"
    ".........\n"
    ".........\n"
    "....O....\n"
    "...OXO...\n"
    ".....X...\n"
    ".........\n"
    ".........\n"
    ".........\n";

// The goal of the reading by level: all black can claim.
struct Objectif {
  int32_t niveau, but;
};
constexpr Objectif kObjectifs[] = {{5, 7}, {7, 8}, {10, 9}};

TEST(InvasionLecture5, AFreeStoneClaimsTheGoalACaughtOneNothing) {
  for (const Objectif k : kObjectifs) {
    SCOPED_TRACE(k.niveau);
    TPlateau libre = pose(kDeuxLibertes, k.niveau);
    const int32_t n0 = compteurnoeudslecture;
    EXPECT_EQ(lit5(libre, 5, 5), k.but);
    EXPECT_GT(compteurnoeudslecture, n0);  // the weak white chain made it read
    TPlateau pris = pose(kPrisNoir, k.niveau);
    EXPECT_EQ(lit5(pris, 5, 5), 0);
  }
}

TEST(InvasionLecture4, AStoneInAtariIsCaughtUnlessTheOwnerPassesFirst) {
  // A lone black stone in white's open 19x19 area claims the goal whoever
  // moves first; with three white neighbours white takes it at once, but
  // when white must pass first black runs out into the area.
  std::string seule, atari;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) {
      const bool centre = r == 10 && c == 10;
      const bool voisin = ((r == 9 || r == 11) && c == 10) || (r == 10 && c == 9);
      seule += centre ? 'X' : '.';
      atari += centre ? 'X' : voisin ? 'O' : '.';
    }
    seule += '\n';
    atari += '\n';
  }
  for (const Objectif k : kObjectifs) {
    SCOPED_TRACE(k.niveau);
    for (const uint8_t avant : {0, 1}) {
      TPlateau p = pose(seule, k.niveau);
      EXPECT_EQ(lit4(p, 10, 10, avant), k.but) << int(avant);
    }
    TPlateau p = pose(atari, k.niveau);
    EXPECT_EQ(lit4(p, 10, 10, 0), 0);
    EXPECT_EQ(lit4(p, 10, 10, 1), k.but);
  }
}

// White (5,6) in atari between black stones; with the chain moving first
// black takes it at once.
constexpr const char* kPrise =
    ".........\n"
    ".........\n"
    ".........\n"
    ".....X...\n"
    "....XO...\n"
    ".....X...\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(InvasionLecture4, EstablishedOwnerStoneTakenCountsForTheInvader) {
  // Level 5: no lifting, the capture is a move of the line.
  // White territory only on the capturing point (5,7).
  TPlateau p = pose(kPrise, 5);
  territoire.fill(VIDE);
  territoire2.fill(VIDE);
  territoire[indexcase(5, 7)] = BLANC;
  plateaudepart = plateauvide();
  const int32_t sansmarque = lit4(p, 5, 5, 1);
  plateaudepart = p;
  const int32_t ailleurs = lit4(p, 5, 5, 1);
  territoire[indexcase(5, 6)] = BLANC;
  const int32_t territoireproprio = lit4(p, 5, 5, 1);
  EXPECT_EQ(ailleurs - sansmarque, 2) << sansmarque;
  EXPECT_EQ(territoireproprio - ailleurs, 2) << ailleurs;
  // A stone written off is not established.
  pionsmortsbis[indexcase(5, 6)] = 1;
  carteattaque[indexcase(5, 6)] = 1;
  EXPECT_EQ(lit4(p, 5, 5, 1), sansmarque);
}

TEST(InvasionLectures, EveryStoneOfAMiddleGamePositionComesBack) {
  ASSERT_TRUE(chargecles());
  for (const int32_t niv : {5, 8}) {
    TPlateau p = posepositions(positionspropagation::kContact, niv);
    const int32_t but = paramniveauc / 2 + 3;
    for (int32_t r = 1; r <= 19; ++r)
      for (int32_t c = 1; c <= 19; ++c) {
        if (p[indexcase(r, c)] != NOIR) continue;
        const int32_t v4 = lit4(p, r, c);
        EXPECT_GE(v4, 0);
        EXPECT_LE(v4, but) << r << "," << c;
        const int32_t v5 = lit5(p, r, c);
        EXPECT_GE(v5, 0);
        EXPECT_LE(v5, but) << r << "," << c;
      }
    EXPECT_TRUE(infochainecoherente(p));
  }
}

}  // namespace
