// Propagation reading: goal by level and cap, the territory entry rule, the
// owner's capture and its withdrawn first move, the hand-over to the point
// reading, the budget flag, restoration after lifted chains, and the line
// evaluations with the weak-chain candidates.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/reading/lecturepoint.h"
#include "engine/reading/propagation.h"
#include "tests/support/fixture.h"
#include "tests/unit/propagation_positions.h"

namespace {

// Engine on the diagram at level `niv`, the start chain table as tablegroupes,
// no ko, no territory.
TPlateau pose(std::string_view d, int32_t niv) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  tablegroupes = infochaine;
  niveau = niv;
  parametresniveau();
  pointko = TPoint{};
  cacheactif = 0;
  compteurcache = 0;
  depassementpropagation = 0;
  return p;
}

// A lone stone in the middle of an empty 19x19 board.
std::string seule19(char pierre) {
  std::string s;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) s += r == 10 && c == 10 ? pierre : '.';
    s += '\n';
  }
  return s;
}

// Reads black at (r, c) against white, checking board, chain table and dead marks come back.
int32_t lit(TPlateau& p, int32_t r, int32_t c, uint8_t chaineavant = 0, int32_t seuil = 0, int32_t plafond = 0) {
  int32_t v = -1;
  fixture::verifieinchange(p, [&] { v = lecturetactique(chaineavant, NOIR, BLANC, p, r, c, seuil, plafond); });
  return v;
}

// Black (5,5) whose four neighbours white can only fill in self-atari; the
// ko point (9,1) holds a stone, so white has no pass. Every white first move
// is withdrawn and the line is worth the goal.
constexpr const char* kSansRecours =
    ".........\n"
    ".........\n"
    ".........\n"
    "...X.X...\n"
    "....X....\n"
    "...X.X...\n"
    ".........\n"
    ".........\n"
    "X........\n";

TEST(PropagationBut, GoalByLevel) {
  struct Cas { int32_t niveau, but; };
  for (const Cas k : {Cas{1, 5}, Cas{2, 6}, Cas{3, 6}, Cas{4, 7}, Cas{5, 7}, Cas{6, 8}, Cas{7, 8}, Cas{8, 8},
                      Cas{9, 9}, Cas{10, 9}}) {
    SCOPED_TRACE(k.niveau);
    TPlateau p = pose(kSansRecours, k.niveau);
    territoire.fill(BLANC);
    pointko = TPoint{9, 1};
    EXPECT_EQ(lit(p, 5, 5), k.but);
    // With the pass white holds the stone under the goal at the low levels.
    pointko = TPoint{};
    EXPECT_LE(lit(p, 5, 5), k.but);
  }
  // A lone stone in open territory reaches the goal from level 2.
  for (const Cas k : {Cas{2, 6}, Cas{4, 7}, Cas{6, 8}, Cas{9, 9}}) {
    TPlateau p = pose(seule19('X'), k.niveau);
    territoire.fill(BLANC);
    EXPECT_EQ(lit(p, 10, 10), k.but) << k.niveau;
  }
}

TEST(PropagationBut, CapBelowTheGoalReplacesIt) {
  struct Cas { int32_t plafond, attendu; };
  for (const Cas k : {Cas{0, 8}, Cas{-3, 8}, Cas{1, 1}, Cas{3, 3}, Cas{7, 7}, Cas{8, 8}, Cas{20, 8}}) {
    TPlateau p = pose(kSansRecours, 7);
    territoire.fill(BLANC);
    pointko = TPoint{9, 1};
    EXPECT_EQ(lit(p, 5, 5, 0, 0, k.plafond), k.attendu) << k.plafond;
  }
}

// Owner's territory only from Manhattan distance `dmin` of the stone (0: none).
TEST(PropagationTerritoire, NoTerritoryWithinThreePliesGivesZero) {
  struct Cas { const char* nom; int32_t dmin; uint8_t proprietaire; bool positif; };
  for (const Cas k : {Cas{"none", 0, BLANC, false}, Cas{"own colour only", 1, NOIR, false},
                      Cas{"from distance 2", 2, BLANC, false}, Cas{"from distance 3", 3, BLANC, false},
                      Cas{"next to the stone", 1, BLANC, true}}) {
    for (const int32_t niv : {1, 7, 10}) {
      SCOPED_TRACE(std::string(k.nom) + " level " + std::to_string(niv));
      TPlateau p = pose(seule19('X'), niv);
      for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 19; ++c)
          if (k.dmin > 0 && std::abs(r - 10) + std::abs(c - 10) >= k.dmin) territoire[indexcase(r, c)] = k.proprietaire;
      for (const uint8_t avant : {0, 1}) {
        const int32_t v = lit(p, 10, 10, avant);
        if (k.positif) {
          EXPECT_GT(v, 0);
        } else {
          EXPECT_EQ(v, 0);
        }
      }
    }
  }
}

// Black (5,5) in atari inside white's territory.
TEST(PropagationTerritoire, OwnerCapturingTheChainGivesZero) {
  constexpr const char* d =
      ".........\n"
      ".........\n"
      ".........\n"
      "....O....\n"
      "...OX....\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n";
  for (const int32_t niv : {1, 7}) {
    TPlateau p = pose(d, niv);
    territoire.fill(BLANC);
    EXPECT_EQ(lit(p, 5, 5), 0) << niv;
    // When white must pass first, black runs out into the territory.
    EXPECT_GT(lit(p, 5, 5, 1), 0) << niv;
  }
}

// The ko point appended to the owner's list may hold a stone of the owner:
// it is refused like a suicide, never "undone" off the board.
TEST(PropagationRestaure, KoPointOnAnOwnerStoneStaysOnTheBoard) {
  constexpr const char* d =
      "O........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n";
  struct Cas {
    int32_t niveau, but;
  };
  for (const Cas k : {Cas{1, 5}, Cas{7, 8}}) {
    SCOPED_TRACE(k.niveau);
    for (const uint8_t avant : {0, 1}) {
      TPlateau p = pose(d, k.niveau);
      territoire.fill(BLANC);
      pointko = TPoint{1, 1};
      const int32_t v = lit(p, 5, 5, avant);  // the whole board comes back
      EXPECT_EQ(p[indexcase(1, 1)], BLANC);
      if (avant != 0) continue;
      // The stone stands free in white's open area: the refused ko point
      // changes nothing, and from level 7 the stone claims the goal.
      pointko = TPoint{};
      EXPECT_EQ(v, lit(p, 5, 5, avant));
      if (k.niveau >= 7) {
        EXPECT_EQ(v, k.but);
      }
    }
  }
}

TEST(PropagationEntree, PointWithoutChainStoneGoesToPointReading) {
  for (const char pierre : {'.', 'O'}) {
    for (const uint8_t avant : {0, 1}) {
      TPlateau p = pose(seule19(pierre), 4);
      territoire.fill(BLANC);
      territoire[indexcase(10, 10)] = VIDE;
      const int32_t point = lancelecturerecu1(avant, NOIR, BLANC, p, 10, 10);
      EXPECT_EQ(lit(p, 10, 10, avant), point) << pierre << " " << int(avant);
      if (pierre == '.') {
        EXPECT_GT(point, 0);
      }
    }
  }
}

// The reading's own nodes: its count minus the capture readings', which
// count into both counters.
int32_t noeudspropres(int32_t lecture0, int32_t prise0) {
  return (compteurnoeudslecture - lecture0) - (compteurnoeuds - prise0);
}

TEST(PropagationBudget, FlagSetExactlyWhenTheBudgetIsReached) {
  struct Cas { int32_t niveau, budget, ligne, colonne; bool depasse; };
  const Cas cas[] = {{7, 32768, 14, 8, true},  {7, 32768, 12, 12, false}, {10, 65536, 12, 12, true},
                     {10, 65536, 2, 16, false}, {3, 8192, 14, 8, false}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::to_string(k.niveau) + " (" + std::to_string(k.ligne) + "," + std::to_string(k.colonne) + ")");
    ASSERT_TRUE(chargecles());
    TPlateau p = positionspropagation::pose(positionspropagation::kEparse, k.niveau);
    const int32_t l0 = compteurnoeudslecture, n0 = compteurnoeuds;
    lit(p, k.ligne, k.colonne);
    const int32_t n = noeudspropres(l0, n0);
    EXPECT_EQ(n >= k.budget, k.depasse) << n;
    EXPECT_EQ(depassementpropagation, k.depasse ? 1 : 0) << n;
    // The flag is never cleared by a later reading.
    depassementpropagation = 1;
    lit(p, k.ligne, k.colonne);
    EXPECT_EQ(depassementpropagation, 1);
  }
}

// White (4,5) in atari next to black (5,5): from level 7 black's nodes lift it.
constexpr const char* kLevee =
    ".........\n"
    ".........\n"
    "...X.X...\n"
    "...XOX...\n"
    "....X....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(PropagationRestaure, BoardBackAfterLiftedChains) {
  std::vector<int32_t> noeuds;
  for (const int32_t niv : {6, 7, 9, 10}) {
    TPlateau p = pose(kLevee, niv);
    territoire.fill(BLANC);
    const int32_t l0 = compteurnoeudslecture, n0 = compteurnoeuds;
    EXPECT_GT(lit(p, 5, 5), 0) << niv;
    EXPECT_TRUE(infochainecoherente(p));
    noeuds.push_back(noeudspropres(l0, n0));
  }
  // Levels 6 and 7 differ only by the lifting: the searches must differ.
  EXPECT_NE(noeuds[0], noeuds[1]);
}

TEST(PropagationRestaure, EveryStoneOfAMiddleGamePosition) {
  ASSERT_TRUE(chargecles());
  for (const int32_t niv : {2, 8}) {
    TPlateau p = positionspropagation::pose(positionspropagation::kContact, niv);
    const int32_t but = paramniveauc / 2 + 3;
    for (int32_t r = 1; r <= 19; ++r)
      for (int32_t c = 1; c <= 19; ++c) {
        if (p[indexcase(r, c)] != NOIR) continue;
        const int32_t v = lit(p, r, c);
        EXPECT_GE(v, 0);
        EXPECT_LE(v, but) << r << "," << c;
      }
    EXPECT_TRUE(infochainecoherente(p));
  }
}

// ---- Line evaluations ----------------------------------------------------------

struct CasLigne {
  const char* nom;
  const char* d;                            // 9x9; the target is (5,5)
  std::vector<std::pair<int32_t, int32_t>> ligne;  // plies 1.. (row 0 = pass)
  std::vector<std::pair<int32_t, int32_t>> marques2;  // points with M = 2 (M = 1 elsewhere)
  int32_t v0;
  int32_t pleine0, pleine1;                 // evaluelecture, gain flag 0 and 1
  int32_t d2;                               // depth of the bound
  int32_t partielle;                        // evaluelecturepartielle
};

TEST(PropagationEvaluation, LineValues) {
  constexpr const char* kDeux =
      ".........\n.........\n.........\n.....O...\n....XX...\n.........\n.........\n.........\n.........\n";
  constexpr const char* kCasse =
      ".........\n.X.......\n.........\n.....O...\n....XX...\n.........\n......O..\n.........\n.........\n";
  constexpr const char* kTrois =
      ".........\n.........\n.........\n.........\n...XXX...\n.........\n.........\n.........\n.........\n";
  constexpr const char* kCoude =
      ".........\n.........\n.........\n....X....\n....XX...\n.........\n.........\n.........\n.........\n";
  constexpr const char* kAtari =
      ".........\n.........\n.........\n....OO...\n...OXX...\n....OO...\n.........\n.........\n.........\n";
  const CasLigne cas[] = {
      // One ply: nothing, whatever V holds.
      {"one ply", kDeux, {{0, 0}}, {}, 7, 7, 7, 6, 7},
      // (5,6) joins the target on M = 1: 1; it borders (6,6) and (5,7), empty: gain 2 -> 1.
      // Bound at depth 6: h = 2 is not below the gain 2 -> 2.
      {"joined move", kDeux, {{0, 0}, {5, 6}}, {}, 0, 1, 2, 6, 3},
      {"adds to V", kDeux, {{0, 0}, {5, 6}}, {}, 10, 11, 12, 3, 12},
      // White's ply-3 move on M = 1 on an unbroken line: 1 more.
      {"owner enters", kDeux, {{0, 0}, {5, 6}, {4, 6}}, {}, 0, 2, 3, 6, 4},
      // Black (2,2) is not joined: the line is broken, and white's (7,7) is
      // not next to the chain, so it no longer counts.
      {"broken line", kCasse, {{0, 0}, {5, 6}, {7, 7}, {2, 2}}, {}, 0, 1, 2, 6, 3},
      // Broken, white's (4,6) borders the joined stone: it counts.
      {"broken, owner next to the chain", kCasse, {{0, 0}, {5, 6}, {4, 6}, {2, 2}}, {}, 0, 2, 3, 6, 4},
      // Two joined moves on M = 2: q = 2 -> 1.
      {"two moves on M = 2", kCoude, {{0, 0}, {5, 6}, {0, 0}, {4, 5}}, {{5, 6}, {4, 5}}, 0, 1, 2, 6, 3},
      // Gain 6 (3 fresh neighbours each) -> 2; the bound at depth 10 gives h + 1 = 4.
      {"gain six", kTrois, {{0, 0}, {5, 6}, {0, 0}, {5, 4}}, {}, 0, 2, 4, 10, 6},
      // The bound adds nothing when the target chain is in atari.
      {"target in atari", kAtari, {{0, 0}, {5, 6}}, {}, 0, 1, 2, 6, 0},
  };
  for (const CasLigne& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d, 7);
    TMarques m;
    m.fill(1);
    m[indexcase(5, 5)] = 0;
    for (const auto& [r, c] : k.marques2) m[indexcase(r, c)] = 2;
    std::vector<TPoint> ligne(1);
    for (const auto& [r, c] : k.ligne) ligne.push_back(TPoint{r, c});
    const auto plis = static_cast<int32_t>(ligne.size()) - 1;
    for (const uint8_t g : {0, 1}) {
      int32_t v = k.v0;
      evaluelecture(m, p, ligne.data(), v, plis, 5, 5, NOIR, g);
      EXPECT_EQ(v, g ? k.pleine1 : k.pleine0) << "gain " << int(g);
    }
    int32_t v = k.v0;
    evaluelecturepartielle(m, p, ligne.data(), v, plis, k.d2, 5, 5, NOIR);
    EXPECT_EQ(v, k.partielle);
  }
}

TEST(PropagationCandidats, WeakChainLibertiesAppendedOnce) {
  // Black (5,5) with liberties (6,5), (5,4), (5,6); white (4,5) has two,
  // (3,5) and (4,6), and is crossed. (5,6) is already listed; (6,5) is the ko point.
  TPlateau p = pose(
      ".........\n.........\n.........\n...XO....\n....X....\n.........\n.........\n.........\n.........\n", 7);
  TListePoints l{};
  empilepoint(l, 300, 5, 6);
  TMarques masque = marquesvides;
  ajoutecandidatsfaibles(p, l, 300, 5, 5, TPoint{6, 5}, masque);
  std::set<std::pair<int32_t, int32_t>> ajoutes;
  for (int32_t k = 2; k <= nbpoints(l); ++k) ajoutes.insert({ligneliste(l, k), colonneliste(l, k)});
  EXPECT_EQ(nbpoints(l), 4);
  EXPECT_EQ(ajoutes, (std::set<std::pair<int32_t, int32_t>>{{5, 4}, {3, 5}, {4, 6}}));
  for (int32_t i = 0; i < NBCASES; ++i) {
    const bool ajoute = ajoutes.count({i / 19 + 1, i % 19 + 1}) != 0;
    EXPECT_EQ(masque[i], ajoute ? 1 : 0) << i;
  }
  // A full list takes nothing more.
  TListePoints plein{};
  empilepoint(plein, 1, 5, 6);
  ajoutecandidatsfaibles(p, plein, 1, 5, 5, TPoint{}, masque);
  EXPECT_EQ(nbpoints(plein), 1);
}

}  // namespace
