// Fight reading of one chain: escape counts, adjacent and distant escape
// points, the 2x2 square and its eye budget, takeable enemy stones, the
// cautious marking next to a living group, and the yes/no variant.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/voisin.h"
#include "engine/chains/combat.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  pionsmortsavant.fill(0);
  marquesglobales.fill(0);
  sauvepionsmorts = 0;
  tableessaiscourante = 0;
  plateaudepart = p;
  return p;
}

// Empty points of the chain's zone, as the drivers count them.
int32_t zone(const TPlateau& p, int r, int c) {
  TMarques vu = marquesvides;
  int32_t n = 0;
  comptevideszone(p, static_cast<uint8_t>(1 - p[indexcase(r, c)]), n, 0, r, c, vu);
  return n;
}

// Runs the reading on a copy with no candidate points; checks that the
// board and the chain table come back and that only stones get dead marks.
int32_t lit(const TPlateau& p0, int r, int c, uint8_t trait = VIDE) {
  TPlateau p = p0;
  const TInfoChaine chaines = infochaine;
  const uint8_t def = p0[indexcase(r, c)];
  TListePoints liste{};
  int32_t res = -7;
  combatchaine(liste, 300, p, p0, def, static_cast<uint8_t>(1 - def), trait, res, zone(p0, r, c), r, c);
  EXPECT_TRUE(fixture::memesplateaux(p0, p));
  EXPECT_EQ(infochaine, chaines);
  for (int j = 0; j < NBCASES; ++j)
    EXPECT_TRUE(!pionsmorts[j] || p0[j] == def) << "dead mark off the defender at index " << j;
  return res;
}

struct CasCombat {
  const char* note;
  const char* diagramme;
  int r, c;           // a stone of the chain read
  int32_t attendu;    // result
  bool mort;          // the chain's stone is marked dead after the call
};

const CasCombat kCombats[] = {
    {"one-point eye in the corner: one escape point, dead",
     ".OX......\n"
     "OOX......\n"
     "XXX......\n"
     ".........\n.........\n.........\n.........\n.........\n.........\n",
     1, 2, COMBATMORT, true},
    {"no empty point of its own: the only liberty touches the attacker, dead",
     "OOX......\n"
     "O.X......\n"
     "XXX......\n"
     "X........\n.........\n.........\n.........\n.........\n.........\n",
     1, 1, COMBATMORT, true},
    {"two adjacent escape points: a two-point eye is one eye, dead",
     "O..OX....\n"
     "OOOOX....\n"
     "XXXXX....\n"
     ".........\n.........\n.........\n.........\n.........\n.........\n",
     1, 1, COMBATMORT, true},
    {"two escape points apart: two eyes, alive",
     "O.OO.OX..\n"
     "OOOOOOX..\n"
     "XXXXXXX..\n"
     ".........\n.........\n.........\n.........\n.........\n.........\n",
     1, 1, COMBATVIVANT, false},
    {"a squared four with exactly four escape points is dead",
     "..OX.....\n"
     "..OX.....\n"
     "OOOX.....\n"
     "XXXX.....\n"
     ".........\n.........\n.........\n.........\n.........\n",
     1, 3, COMBATMORT, true},
    {"a square and one separate eye: alive",
     "..O.OX...\n"
     "..OOOX...\n"
     "OOOXXX...\n"
     "XXX......\n"
     ".........\n.........\n.........\n.........\n.........\n",
     1, 3, COMBATVIVANT, false},
    {"a square and one point touching it: the eye counts 1, dead",
     "...OX....\n"
     "..OOX....\n"
     "OOOXX....\n"
     "XXX......\n"
     ".........\n.........\n.........\n.........\n.........\n",
     1, 4, COMBATMORT, true},
    {"a square and two points touching it: the eyes count 1 each, alive",
     "...OX....\n"
     "..OOX....\n"
     ".OOXX....\n"
     "OOXX.....\n"
     "XXX......\n"
     ".........\n.........\n.........\n.........\n",
     1, 4, COMBATVIVANT, false},
    {"a lone stone in open space has more than ten escape points: alive",
     ".........\n.........\n.........\n.........\n....O....\n"
     ".........\n.........\n.........\n.........\n",
     5, 5, COMBATVIVANT, false},
};

TEST(CombatChaine, Verdicts) {
  for (const CasCombat& k : kCombats) {
    const TPlateau p = pose(k.diagramme);
    EXPECT_EQ(lit(p, k.r, k.c), k.attendu) << k.note;
    EXPECT_EQ(pionsmorts[indexcase(k.r, k.c)] != 0, k.mort) << k.note;
  }
}

// Black group: a solid edge eye at (1,5) and an edge eye at (1,3) that
// white spoils from (2,1) through the empty (1,2).
constexpr const char* kOeilGache =
    "O..X.XO..\n"
    "OXXXXXO..\n"
    "OOOOOOO..\n"
    ".........\n.........\n.........\n.........\n.........\n.........\n";

TEST(CombatChaine, SpoiledSecondEyeDependsOnTheSideToMove) {
  const TPlateau p = pose(kOeilGache);
  // With a spoiling point at the second eye the chain lives only when the
  // defender is not the side to move; 2 stands for the chain's own colour.
  EXPECT_EQ(lit(p, 2, 4, BLANC), COMBATVIVANT);
  EXPECT_EQ(pionsmorts[indexcase(2, 4)], 0);
  EXPECT_EQ(lit(p, 2, 4, NOIR), COMBATMORT);
  pionsmorts.fill(0);
  EXPECT_EQ(lit(p, 2, 4, VIDE), COMBATMORT);
  EXPECT_EQ(pionsmorts[indexcase(1, 6)], 1);
}

// White: a square in the corner and a separate eye at (1,4).
constexpr const char* kCarreEtOeil =
    "..O.OX...\n"
    "..OOOX...\n"
    "OOOXXX...\n"
    "XXX......\n"
    ".........\n.........\n.........\n.........\n.........\n";

TEST(CombatChaine, TableModeAddsEyeValues) {
  const TPlateau p = pose(kCarreEtOeil);
  tableessaiscourante = 2;
  // One eye beside the square counts 2: 1 to the result, then the square's
  // full budget of 3 (no taken point beside it).
  EXPECT_EQ(lit(p, 1, 3), 4);
  // Candidate points (code 5) on three of the square's outside neighbours
  // spend the whole budget.
  TPlateau w = p;
  TListePoints liste{};
  for (auto [r, c] : {std::pair{2, 3}, {3, 1}, {3, 2}}) empilepoint(liste, 300, r, c);
  int32_t res = -7;
  combatchaine(liste, 300, w, p, BLANC, NOIR, VIDE, res, zone(p, 1, 3), 1, 3);
  EXPECT_EQ(res, 1);
  liste[0] = 1;
  combatchaine(liste, 300, w, p, BLANC, NOIR, VIDE, res, zone(p, 1, 3), 1, 3);
  EXPECT_EQ(res, 3);
  // The pairwise test adds one per finding instead of ending.
  const TPlateau deux = pose(
      "O.OO.OX..\n"
      "OOOOOOX..\n"
      "XXXXXXX..\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  tableessaiscourante = 3;
  EXPECT_EQ(lit(deux, 1, 1), 1);
  tableessaiscourante = 0;
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
}

TEST(CombatChaine, CandidatePointsAreTakenPoints) {
  // A candidate point (code 5) beside the second eye is a taken point that
  // spoils it; with white, the defender, to move the group dies.
  const TPlateau p = pose(
      "O.OO.OX..\n"
      "OOOOOOX..\n"
      "XXXXXXX..\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  TPlateau w = p;
  TListePoints liste{};
  empilepoint(liste, 300, 1, 4);
  int32_t res = -7;
  combatchaine(liste, 300, w, p, BLANC, NOIR, VIDE, res, zone(p, 1, 1), 1, 1);
  EXPECT_TRUE(fixture::memesplateaux(p, w));
  EXPECT_EQ(res, COMBATMORT);
  // Black to move: the spoiled eye still counts.
  pionsmorts.fill(0);
  combatchaine(liste, 300, w, p, BLANC, NOIR, NOIR, res, zone(p, 1, 1), 1, 1);
  EXPECT_EQ(res, COMBATVIVANT);
}

// White A (1,2)-(2,1)-(2,2) around the eye (1,1); white B (1,4)-(2,4) shares
// A's liberty (1,3), so the escape search walks into B.
constexpr const char* kDeuxChaines =
    ".O.OX....\n"
    "OOXOX....\n"
    "XXXXX....\n"
    ".........\n.........\n.........\n.........\n.........\n.........\n";

TEST(CombatChaine, LivingGroupReachedIsSpared) {
  // Without a living group both chains of the region are marked dead.
  TPlateau p = pose(kDeuxChaines);
  EXPECT_EQ(lit(p, 2, 1), COMBATMORT);
  EXPECT_EQ(pionsmorts[indexcase(2, 2)], 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 4)], 1);
  EXPECT_EQ(pionsmorts[indexcase(1, 3)], 0);  // the search's trial stone is no stone
  // B in marquesglobales: the reading marks A only.
  p = pose(kDeuxChaines);
  marquesglobales[indexcase(1, 4)] = marquesglobales[indexcase(2, 4)] = 1;
  EXPECT_EQ(lit(p, 2, 1), COMBATMORT);
  EXPECT_EQ(pionsmorts[indexcase(2, 2)], 1);
  EXPECT_EQ(pionsmorts[indexcase(1, 4)], 0);
  EXPECT_EQ(pionsmorts[indexcase(2, 4)], 0);
  // A chain already dead is not marked again, and with nothing left to mark
  // the reading answers alive.
  p = pose(kDeuxChaines);
  marquesglobales[indexcase(1, 4)] = marquesglobales[indexcase(2, 4)] = 1;
  for (auto [r, c] : {std::pair{1, 2}, {2, 1}, {2, 2}}) pionsmorts[indexcase(r, c)] = 1;
  EXPECT_EQ(lit(p, 2, 1), COMBATVIVANT);
  marquesglobales.fill(0);
}

TEST(CombatChaine2, YesNo) {
  TCarte valeurs{};
  TListePoints liste{};
  empilepoint(liste, 300, 9, 9);
  TListePoints vide{};
  struct Cas {
    const char* diagramme;
    int r, c;
    bool vit;
  } cas[] = {
      {kCombats[0].diagramme, 1, 2, false},  // one-point eye
      {kCombats[3].diagramme, 1, 1, true},   // two eyes
      {kCombats[4].diagramme, 1, 3, false},  // squared four
      {kCarreEtOeil, 1, 3, true},
      {kCombats[8].diagramme, 5, 5, true},   // open space
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(k.diagramme);
    const uint8_t def = p[indexcase(k.r, k.c)];
    fixture::verifieinchange(p, [&] {
      EXPECT_EQ(combatchaine2(valeurs, liste, p, def, static_cast<uint8_t>(1 - def), def, k.r, k.c), k.vit)
          << k.diagramme;
      // An empty candidate list answers no at once.
      EXPECT_FALSE(combatchaine2(valeurs, vide, p, def, static_cast<uint8_t>(1 - def), def, k.r, k.c));
    });
  }
  // A region stone the caller knows to live makes the chain live.
  TPlateau p = pose(kCombats[0].diagramme);
  valeurs[indexcase(2, 1)] = 1;
  EXPECT_TRUE(combatchaine2(valeurs, liste, p, BLANC, NOIR, BLANC, 1, 2));
  // The reading counter is the full reading's only.
  const int32_t n0 = compteurnoeudslecture;
  combatchaine2(valeurs, liste, p, BLANC, NOIR, BLANC, 1, 2);
  EXPECT_EQ(compteurnoeudslecture, n0);
  lit(p, 1, 2);
  EXPECT_EQ(compteurnoeudslecture, n0 + 1);
}

}  // namespace
