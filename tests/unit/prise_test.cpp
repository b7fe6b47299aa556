// Capture reading: liberty schedule, depth parity, node budget, stores,
// result cache, map helpers and a seeded stress of state restoration.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/reading/prise.h"
#include "engine/reading/prise_cartes.h"
#include "engine/reading/prise_etat.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  EXPECT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(d);
  niveau = 7;
  lecturelongue = 1;
  cacheactif = 0;
  compteurcache = 0;
  depassementprise = 0;
  return p;
}

std::vector<int32_t> calendrier(int32_t d, int32_t n, int32_t plis) {
  int32_t l[PLISMAXPRISE + 8] = {};
  limitelibertesparprofondeur(l, d, n);
  return std::vector<int32_t>(l + 1, l + 1 + plis);
}

TEST(PriseCalendrier, ScheduleExamples) {
  EXPECT_EQ(calendrier(11, 5, 15), (std::vector<int32_t>{5, 5, 5, 5, 4, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(calendrier(3, 2, 7), (std::vector<int32_t>{2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(calendrier(8, 3, 12), (std::vector<int32_t>{3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2}));
  // Plies 1 to 3 have no cap; ply 4 at most 5.
  EXPECT_EQ(calendrier(13, 9, 4), (std::vector<int32_t>{9, 9, 9, 5}));
}

TEST(PriseCalendrier, DepthParity) {
  struct Cas { int32_t d; bool proprio; int32_t attendu; };
  for (const Cas c : {Cas{4, true, 3}, Cas{4, false, 4}, Cas{11, true, 11}, Cas{11, false, 10}, Cas{8, true, 7},
                      Cas{13, false, 12}})
    EXPECT_EQ(profondeurtravailprise(c.d, c.proprio), c.attendu) << c.d << " " << c.proprio;
}

TEST(PriseListe, RemonteCoup) {
  TListePoints l{};
  for (int32_t k = 1; k <= 5; ++k) empilepoint(l, 300, k, k);
  remontecoupenliste(l, 4, 4, 2, 300);
  std::vector<int32_t> lignes;
  for (int32_t k = 1; k <= 5; ++k) lignes.push_back(ligneliste(l, k));
  EXPECT_EQ(lignes, (std::vector<int32_t>{1, 4, 2, 3, 5}));
  // A point before position k, or absent, leaves the list alone.
  remontecoupenliste(l, 1, 1, 3, 300);
  remontecoupenliste(l, 9, 9, 1, 300);
  lignes.clear();
  for (int32_t k = 1; k <= 5; ++k) lignes.push_back(ligneliste(l, k));
  EXPECT_EQ(lignes, (std::vector<int32_t>{1, 4, 2, 3, 5}));
}

// A crowded 9x9 fight where reading the chain at (3,3) with the attacker to
// move passes 10,000 nodes at level 10.
constexpr const char* kCombat =
    "X.OXX....\n"
    "..OX....O\n"
    "..XOO...X\n"
    "......O.X\n"
    "O...O.XOX\n"
    "..O......\n"
    "......X..\n"
    "....O..X.\n"
    "...O...XO\n";

TEST(PriseBudget, OverrunRestoresLectureLongue) {
  TPlateau p = pose(kCombat);
  niveau = 10;
  lecturelongue = 1;
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  const int32_t n0 = compteurnoeuds, l0 = compteurnoeudslecture;
  testprise(p, 3, 3, 14, 5, p[indexcase(3, 3)], TPoint{});
  EXPECT_GT(compteurnoeuds - n0, BUDGETPRISE);
  EXPECT_EQ(compteurnoeudslecture - l0, compteurnoeuds - n0);
  EXPECT_EQ(depassementprise, 1);
  EXPECT_EQ(lecturelongue, 1);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, chaines);
  // Without the widening the same reading stays lecturelongue-free.
  lecturelongue = 0;
  depassementprise = 0;
  testprise(p, 3, 3, 14, 5, p[indexcase(3, 3)], TPoint{});
  EXPECT_EQ(lecturelongue, 0);
}

// Over the budget every attacker node tries at most its first five moves,
// the prepared points it appends at its last move included, so the reading
// winds down within a few dozen nodes of the budget.
TEST(PriseBudget, AttackerNodesStopAtTheFifthMove) {
  TPlateau p = pose(kCombat);
  niveau = 10;
  lecturelongue = 1;
  const int32_t n0 = compteurnoeuds;
  testprise(p, 3, 3, 14, 5, p[indexcase(3, 3)], TPoint{});
  EXPECT_GT(compteurnoeuds - n0, BUDGETPRISE);
  EXPECT_LT(compteurnoeuds - n0, BUDGETPRISE + 150);
}

TEST(PriseBudget, SmallReadingLeavesTheFlag) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  EXPECT_FALSE(testprise(p, 5, 5, 11, 2, NOIR, TPoint{}));
  EXPECT_EQ(depassementprise, 0);
}

TEST(PriseEntree, AtariShortcutAndKoPoint) {
  TPlateau p = pose(
      ".........\n"
      "..XO.....\n"
      ".X.XO....\n"
      "..XO.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t n0 = compteurnoeuds;
  EXPECT_TRUE(testprise(p, 3, 4, 11, 5, NOIR, TPoint{}));
  EXPECT_EQ(compteurnoeuds, n0);  // no search
  EXPECT_FALSE(testprise(p, 3, 4, 11, 5, NOIR, TPoint{3, 3}));
  EXPECT_GT(compteurnoeuds, n0);  // the search ran
  // An empty point holds no chain to capture.
  EXPECT_FALSE(testprise(p, 5, 5, 11, 5, NOIR, TPoint{}));
}

// Depths and limits far outside what the callers pass: no ply index runs out
// of its array, and the caller's state comes back whole.
TEST(PriseEntree, ExtremeDepthsAndLimits) {
  for (const int32_t prof : {-5, 0, 1, 2, 14, 20, 21, 1000, 1 << 30}) {
    for (const int32_t lim : {-1, 0, 1, 2, 50, 1 << 30}) {
      TPlateau p = pose(kCombat);
      niveau = 10;
      const TPlateau avant = p;
      const TInfoChaine chaines = infochaine;
      testprise(p, 3, 3, prof, lim, p[indexcase(3, 3)], TPoint{});
      testprise(p, 3, 3, prof, lim, static_cast<uint8_t>(1 - p[indexcase(3, 3)]), TPoint{});
      ASSERT_TRUE(fixture::memesplateaux(avant, p)) << prof << " " << lim;
      ASSERT_EQ(infochaine, chaines);
      ASSERT_EQ(lecturelongue, 1);
    }
  }
}

// ---- Stores ----------------------------------------------------------------

TEST(PriseStores, TranspositionTableSortedAndBounded) {
  static TEtatPrise e;
  std::fill(std::begin(e.nbtransposition), std::end(e.nbtransposition), 0);
  std::mt19937 g(3);
  std::vector<uint32_t> cles;
  for (int32_t k = 0; k < ENTREESPARTABLE; ++k) cles.push_back(static_cast<uint32_t>(g()) | 1u);
  std::sort(cles.begin(), cles.end());
  cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
  while (static_cast<int32_t>(cles.size()) < ENTREESPARTABLE) cles.push_back(cles.back() + 2);
  std::shuffle(cles.begin(), cles.end(), g);
  for (size_t k = 0; k < cles.size(); ++k) {
    const int32_t pos = cherchetranspositionprise(e, 5, cles[k]);
    ASSERT_GT(pos, 0);
    inseretranspositionprise(e, 5, pos, cles[k], static_cast<int32_t>(k % 2));
  }
  EXPECT_EQ(e.nbtransposition[5], ENTREESPARTABLE);
  const TEntreeCle* t = tablehachrecu + 2 * ENTREESPARTABLE;
  for (int32_t k = 1; k < ENTREESPARTABLE; ++k) ASSERT_LT(t[k - 1].cle, t[k].cle);
  // The 10,001st key is not stored; the first ones are still found.
  const uint32_t neuve = 0;
  const int32_t pos = cherchetranspositionprise(e, 5, neuve);
  inseretranspositionprise(e, 5, pos, neuve, 1);
  EXPECT_EQ(e.nbtransposition[5], ENTREESPARTABLE);
  EXPECT_GT(cherchetranspositionprise(e, 5, neuve), 0);
  for (size_t k = 0; k < cles.size(); k += 997)
    EXPECT_EQ(cherchetranspositionprise(e, 5, cles[k]), -static_cast<int32_t>(k % 2));
  // Other plies are untouched.
  EXPECT_EQ(e.nbtransposition[4], 0);
}

TEST(PriseStores, CacheBucketFullTakesNoMore) {
  pose(
      ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  static TEtatPrise e;
  e.cl = 5;
  e.cc = 5;
  e.couleurcache = 1;
  TCasierPrise& b = casierprise(e);
  b[0] = 0;
  for (int32_t k = 0; k < ENTREESCACHEPRISE + 20; ++k) inserecacheprise(e, static_cast<uint32_t>(k * 7919 + 1), 1);
  EXPECT_EQ(b[0], ENTREESCACHEPRISE);
  for (int32_t k = 2; k <= b[0]; ++k) ASSERT_LT(b[2 * k - 1], b[2 * k + 1]);
  // A key already there is not inserted twice.
  b[0] = 0;
  inserecacheprise(e, 42, 0);
  inserecacheprise(e, 42, 1);
  EXPECT_EQ(b[0], 1);
  EXPECT_EQ(b[2], 0);
  b[0] = 0;
}

constexpr const char* kTroisPierres =
    ".........\n"
    ".........\n"
    "...XX....\n"
    "..XOOOX..\n"
    "...XX....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(PriseCache, CopiedToEveryStoneOfTheChain) {
  TPlateau p = pose(kCombat);
  p = pose(kTroisPierres);
  for (auto& c : cacheprise[1]) c[0] = 0;
  for (auto& m : cacheplateaux[1]) m = marquesvides;
  cacheactif = 1;
  compteurcache = 0;
  testprise(p, 4, 5, 11, 5, NOIR, TPoint{});
  cacheactif = 0;
  const int32_t i = indexcase(4, 5);
  EXPECT_EQ(cacheplateaux[1][i][i], 1);
  EXPECT_GT(cacheprise[1][i][0], 0);
  for (const int32_t c : {4, 6}) {
    EXPECT_EQ(cacheprise[1][indexcase(4, c)], cacheprise[1][i]);
    EXPECT_TRUE(fixture::memesmarques(cacheplateaux[1][i], cacheplateaux[1][indexcase(4, c)]));
  }
  // Points played by the reading are in the snapshot.
  int32_t joues = 0;
  for (const uint8_t v : cacheplateaux[1][i]) joues += v;
  EXPECT_GT(joues, 1);
}

TEST(PriseCache, SingleStoneAndSwitchedOff) {
  TPlateau p = pose(
      ".........\n.........\n.........\n....X....\n...XO....\n.........\n.........\n.........\n.........\n");
  for (auto& c : cacheprise[1]) c[0] = 0;
  for (auto& m : cacheplateaux[1]) m = marquesvides;
  testprise(p, 5, 5, 11, 5, NOIR, TPoint{});
  for (int32_t i = 0; i < NBCASES; ++i) {
    ASSERT_EQ(cacheprise[1][i][0], 0);
    ASSERT_TRUE(fixture::memesmarques(marquesvides, cacheplateaux[1][i]));
  }
  cacheactif = 1;
  testprise(p, 5, 5, 11, 5, NOIR, TPoint{});
  cacheactif = 0;
  int32_t remplis = 0;
  for (int32_t i = 0; i < NBCASES; ++i) remplis += cacheprise[1][i][0] > 0 ? 1 : 0;
  EXPECT_EQ(remplis, 1);  // a single stone keeps its bucket to itself
}

// ---- Candidates -------------------------------------------------------------

// Reads the chain at (r, c) with the result cache on and an empty bucket.
bool litaveccache(TPlateau& p, int32_t r, int32_t c, int32_t prof, int32_t lim, uint8_t couleur, TPoint ko) {
  const int32_t g = p[indexcase(r, c)] == NOIR ? 0 : 1;
  for (auto& b : cacheprise[g]) b[0] = 0;
  for (auto& m : cacheplateaux[g]) m = marquesvides;
  cacheactif = 1;
  compteurcache = 0;
  const bool prise = testprise(p, r, c, prof, lim, couleur, ko);
  cacheactif = 0;
  return prise;
}

// The first mover's move at (r, c) was tried at the root: its key is in the
// bucket of the chain at (tr, tc) (the root key base is 0; a root ko point
// enters the root's key, and the stones the move takes enter it too).
bool essairacine(int32_t tr, int32_t tc, uint8_t premier, uint8_t cible, int32_t r, int32_t c, TPoint ko = {},
                 std::initializer_list<TPoint> prises = {}) {
  uint32_t k = 0;
  if (ko.ligne != 0) xorclemoyo(k, ko.ligne, ko.colonne);
  xorclepion(k, r, c, premier);
  for (const TPoint q : prises) xorclepion(k, q.ligne, q.colonne, static_cast<uint8_t>(1 - premier));
  if (premier == NOIR) k ^= cletrait;
  return cherchecleparcible(k, cacheprise, cible == NOIR ? 1 : 2, tc, tr) <= 0;
}

// White (4,4)-(4,5) has two liberties, (5,4) and the ko point (5,5), which
// black may not take back. The ko point stands in for the liberty the
// attacker's flood did not list: its weak neighbour (5,6) gives its liberty
// (5,7) and (6,7), the liberty of the black stone in atari next to it.
TEST(PriseCandidats, KoPointStandsInForTheSecondLiberty) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      "...XX.O..\n"
      "..XOOXO..\n"
      ".....O...\n"
      "....OX...\n"
      "....OO...\n"
      ".........\n"
      ".........\n");
  EXPECT_FALSE(litaveccache(p, 4, 4, 11, 5, BLANC, TPoint{5, 5}));
  EXPECT_TRUE(essairacine(4, 4, NOIR, BLANC, 5, 4, TPoint{5, 5}));
  for (const TPoint m : {TPoint{5, 7}, TPoint{6, 7}})
    EXPECT_TRUE(essairacine(4, 4, NOIR, BLANC, m.ligne, m.colonne, TPoint{5, 5})) << m.ligne << "," << m.colonne;
}

// The same ko shape when the target has more liberties than the attacker's
// bound (limit 1): the two-liberty capture test still sees that white
// cannot fill the ko point, and answers without trying a move.
TEST(PriseCandidats, TwoLibertyCaptureWithTheKoPointInTheForcingBranch) {
  for (const int32_t limite : {1, 2}) {
    TPlateau p = pose(
        ".........\n"
        "....X....\n"
        "...X.X...\n"
        "..XOOX...\n"
        "...X.....\n"
        ".........\n"
        ".........\n"
        ".........\n"
        ".........\n");
    const int32_t n0 = compteurnoeuds;
    EXPECT_TRUE(testprise(p, 4, 4, 11, limite, BLANC, TPoint{3, 5})) << limite;
    EXPECT_EQ(compteurnoeuds, n0) << limite;
  }
}

// The ordinary branch asks the same question. White (8,5) has the liberties
// (9,5), the ko point, and (7,5); a walk of its liberties meets the ko point
// first. Black at (7,5) stands well, and white cannot fill the ko point (its
// stones there would have no liberty left): the test must take (7,5) as the
// move and the ko point as the closed liberty, and answer before any move.
// Taken the other way round it asks whether a black stone on the ko point
// would stand (black may not play there, and its stones beside it are short
// of liberties), says no, and the position is read move by move.
TEST(PriseCandidats, TwoLibertyCaptureWithTheKoPointInTheOrdinaryBranch) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "...XOXO..\n"
      "..XO.XO..\n");
  const int32_t n0 = compteurnoeuds;
  EXPECT_TRUE(testprise(p, 8, 5, 11, 5, BLANC, TPoint{9, 5}));
  EXPECT_EQ(compteurnoeuds, n0);
}

// White (2,2) is dead. Its neighbour (2,4) has the liberties (1,4) and
// (3,4), which only the late widening offers at the root (no prepared points
// at level 3): without lecturelongue they are never tried there.
TEST(PriseCandidats, LateWideningOnlyWithLectureLongue) {
  constexpr const char* kDiagramme =
      ".XX.XX...\n"
      "XO.OXX...\n"
      "X.X.XX...\n"
      "XXXXX....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n";
  for (const uint8_t longue : {0, 1}) {
    TPlateau p = pose(kDiagramme);
    niveau = 3;
    lecturelongue = longue;
    EXPECT_TRUE(litaveccache(p, 2, 2, 11, 5, NOIR, TPoint{}));
    EXPECT_TRUE(essairacine(2, 2, BLANC, BLANC, 2, 3));
    for (const TPoint m : {TPoint{1, 4}, TPoint{3, 4}})
      EXPECT_EQ(essairacine(2, 2, BLANC, BLANC, m.ligne, m.colonne), longue == 1)
          << int(longue) << " " << m.ligne << "," << m.colonne;
  }
}

// Black (8,3) has two liberties and is lost. After its first failed move
// at the root, the widening adds both the liberties of the 3-liberty
// chains around it and its liberty-and-capture list; the latter reaches,
// through the diagonal link to (7,4), the liberty (5,4) of the white
// 2-liberty stone (6,4) next to that link.
TEST(PriseCandidats, RootWideningTakesTheLibertyAndCaptureListToo) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".XO..OO.O\n"
      ".O.OXO.OO\n"
      ".O.XOXXX.\n"
      ".OX.O..X.\n"
      ".OOO.XX.O\n");
  EXPECT_TRUE(litaveccache(p, 8, 3, 11, 5, BLANC, TPoint{}));
  EXPECT_TRUE(essairacine(8, 3, NOIR, NOIR, 7, 3));
  EXPECT_TRUE(essairacine(8, 3, NOIR, NOIR, 5, 4));
}

// White (5,5) has two liberties and is lost. Next to its liberty (6,5)
// stands the white stone (7,5) with two liberties, and that stone touches
// the black stone (8,5) in atari: white's root list takes the capture at
// (8,6) with the weak stone. Without the widening of lecturelongue nothing
// else brings that point to the root.
TEST(PriseCandidats, AWeakChainBesideALibertyBringsItsAtariNeighbours) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      ".........\n"
      "....XX...\n"
      "...XO.X..\n"
      "...X.X...\n"
      "...XO....\n"
      "...OX....\n"
      "....O....\n");
  lecturelongue = 0;
  EXPECT_TRUE(litaveccache(p, 5, 5, 7, 5, NOIR, TPoint{}));
  for (const TPoint m : {TPoint{5, 6}, TPoint{6, 5}, TPoint{7, 6}})
    EXPECT_TRUE(essairacine(5, 5, BLANC, BLANC, m.ligne, m.colonne)) << m.ligne << "," << m.colonne;
  EXPECT_TRUE(essairacine(5, 5, BLANC, BLANC, 8, 6, TPoint{}, {TPoint{8, 5}}));
}

// ---- Map helpers -------------------------------------------------------------

TEST(PriseCartes, SharedLibertyLeftOutOfTheReadingTable) {
  TPlateau p = pose(
      "XXX.OOO..\n"
      "..XX.O...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const TInfoChaine avant = infochaine;
  preparecartelecture(p);
  EXPECT_EQ(infochaine, avant);
  EXPECT_EQ(infochainelecture[indexcase(1, 1)][0], infochaine[indexcase(1, 1)][0] - 1);
  EXPECT_EQ(infochainelecture[indexcase(1, 5)][0], infochaine[indexcase(1, 5)][0] - 1);
  // Without such a point the reading table is the chain table.
  p = pose(kTroisPierres);
  preparecartelecture(p);
  EXPECT_EQ(infochainelecture, infochaine);
  // Two white chains and one black chain around the point: not shared.
  p = pose(
      ".........\n"
      "...OO....\n"
      "..X.O....\n"
      "..XO.....\n"
      "...O.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  preparecartelecture(p);
  EXPECT_EQ(infochainelecture, infochaine);
}

TEST(PriseCartes, MarquePionsParCouleur) {
  TPlateau p = pose(kTroisPierres);
  ciblesnoires = marquesvides;
  ciblesblanches = marquesvides;
  marquepionsparcouleur(p, marquesvides);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, ciblesnoires));
  EXPECT_TRUE(fixture::memesmarques(marquesvides, ciblesblanches));
  TMarques m = marquesvides;
  m[indexcase(3, 4)] = m[indexcase(4, 5)] = 1;
  marquepionsparcouleur(p, m);
  EXPECT_EQ(ciblesnoires[indexcase(3, 4)], 1);
  EXPECT_EQ(ciblesblanches[indexcase(4, 5)], 1);
  EXPECT_EQ(ciblesnoires[indexcase(4, 5)], 0);
}

TEST(PriseCartes, ChainesDansFenetre) {
  TPlateau p = pose(
      ".........\n"
      ".........\n"
      "...X.....\n"
      "..XO.O...\n"
      "...X.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(4, 6)] = 1;  // a dead white stone
  TMarques marques = marquesvides;
  TListePoints l{};
  chainesdansfenetre(marques, l, p, 1, 3, 4, 4, 4);
  ASSERT_EQ(nbpoints(l), 1);  // positive flag: dead chains of the start colour only
  EXPECT_EQ(ligneliste(l, 1), 4);
  EXPECT_EQ(colonneliste(l, 1), 6);
  // Already marked: not collected again; flag 0 adds the live black stones.
  chainesdansfenetre(marques, l, p, 0, 3, 4, 4, 4);
  EXPECT_EQ(nbpoints(l), 4);
  TListePoints l2{};
  TMarques m2 = marquesvides;
  chainesfaiblesaccessibles(p, l2, 300, 4, 0, 4, 4, m2);
  EXPECT_EQ(nbpoints(l2), 4);  // the white stone and the three black stones touching it
  pionsmorts = marquesvides;
}

// ---- Stress ------------------------------------------------------------------

// Seeded random 9x9 positions: every chain with at most 3 liberties read from
// both sides; board, chain table and lecturelongue come back identical.
TEST(PriseStress, RandomPositionsRestoreState) {
  ASSERT_TRUE(chargecles());
  std::mt19937 g(11);
  for (int essai = 0; essai < 40; ++essai) {
    configmoteur.taille = 9;
    construittables(9);
    niveau = 1 + static_cast<int32_t>(g() % 10);
    lecturelongue = niveau >= 5;
    cacheactif = static_cast<uint8_t>(g() % 2);
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    TListePoints prises{};
    const int pierres = 20 + static_cast<int>(g() % 30);
    uint8_t coul = NOIR;
    for (int k = 0; k < pierres; ++k) {
      jouecoup(prises, CAPACITELISTE, p, 1 + static_cast<int32_t>(g() % 9), 1 + static_cast<int32_t>(g() % 9), coul,
               static_cast<uint8_t>(1 - coul));
      coul = static_cast<uint8_t>(1 - coul);
    }
    for (int32_t r = 1; r <= 9; ++r)
      for (int32_t c = 1; c <= 9; ++c) {
        const int32_t i = indexcase(r, c);
        if (p[i] == VIDE || infochaine[i][0] > 3) continue;
        const TPlateau avant = p;
        const TInfoChaine chaines = infochaine;
        const uint8_t longue = lecturelongue;
        testprise(p, r, c, 1 + static_cast<int32_t>(g() % 14), 2 + static_cast<int32_t>(g() % 4),
                  static_cast<uint8_t>(g() % 2), TPoint{});
        ASSERT_TRUE(fixture::memesplateaux(avant, p)) << essai << " " << r << " " << c;
        ASSERT_EQ(infochaine, chaines);
        ASSERT_EQ(lecturelongue, longue);
      }
    cacheactif = 0;
  }
}

}  // namespace

namespace {

// A repeated reading is answered from the memo: same answer, same node
// counts, the same budget flag and deepest ply; a changed setting that the
// reading reads (the widening switch, the level) reads again.
TEST(PriseMemo, RepeatedReadingAnswersAndCountsAsTheFirst) {
  TPlateau p = pose(kCombat);
  niveau = 10;
  videmoprise();
  const auto lit = [&](int32_t& noeuds, int32_t& lecture, int32_t& plimax) {
    const int32_t n0 = compteurnoeuds, l0 = compteurnoeudslecture;
    depassementprise = 0;
    profmaxrecu = 0;
    const bool r = testprise(p, 3, 3, 14, 5, p[indexcase(3, 3)], TPoint{});
    noeuds = compteurnoeuds - n0;
    lecture = compteurnoeudslecture - l0;
    plimax = profmaxrecu;
    return r;
  };
  int32_t n1, l1, m1, n2, l2, m2;
  const bool r1 = lit(n1, l1, m1);
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  const bool r2 = lit(n2, l2, m2);
  EXPECT_EQ(r1, r2);
  EXPECT_EQ(n1, n2);
  EXPECT_EQ(l1, l2);
  EXPECT_EQ(m1, m2);
  EXPECT_EQ(depassementprise, 1);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, chaines);
  // Forgotten, it is read again to the same end.
  videmoprise();
  EXPECT_EQ(lit(n2, l2, m2), r1);
  EXPECT_EQ(n2, n1);
  // The widening switch off is another reading (no budget overrun here).
  lecturelongue = 0;
  int32_t n3, l3, m3;
  lit(n3, l3, m3);
  videmoprise();
  int32_t n4, l4, m4;
  lit(n4, l4, m4);
  EXPECT_EQ(n3, n4);
  EXPECT_EQ(m3, m4);
  lecturelongue = 1;
}

// Seeded positions read at every level, then read again after the memo is
// forgotten: every answer and node count agrees.
TEST(PriseMemo, AnswersAgreeWithFreshReadings) {
  ASSERT_TRUE(chargecles());
  std::mt19937 g(7);
  for (int essai = 0; essai < 12; ++essai) {
    configmoteur.taille = 9;
    construittables(9);
    niveau = 1 + static_cast<int32_t>(g() % 10);
    lecturelongue = niveau >= 5;
    cacheactif = 0;
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    TListePoints prises{};
    uint8_t coul = NOIR;
    for (int k = 0; k < 35; ++k) {
      jouecoup(prises, CAPACITELISTE, p, 1 + static_cast<int32_t>(g() % 9), 1 + static_cast<int32_t>(g() % 9), coul,
               static_cast<uint8_t>(1 - coul));
      coul = static_cast<uint8_t>(1 - coul);
    }
    struct Lecture {
      int32_t r, c, d, l;
      uint8_t couleur;
      bool resultat;
      int32_t noeuds;
    };
    std::vector<Lecture> lectures;
    for (int32_t r = 1; r <= 9; ++r)
      for (int32_t c = 1; c <= 9; ++c) {
        if (p[indexcase(r, c)] == VIDE || infochaine[indexcase(r, c)][0] > 3) continue;
        Lecture x{r, c, 1 + static_cast<int32_t>(g() % 14), 2 + static_cast<int32_t>(g() % 4),
                  static_cast<uint8_t>(g() % 2), false, 0};
        const int32_t n0 = compteurnoeuds;
        x.resultat = testprise(p, r, c, x.d, x.l, x.couleur, TPoint{});
        x.noeuds = compteurnoeuds - n0;
        lectures.push_back(x);
      }
    for (int passe = 0; passe < 2; ++passe) {
      if (passe == 1) videmoprise();
      for (const Lecture& x : lectures) {
        const int32_t n0 = compteurnoeuds;
        ASSERT_EQ(testprise(p, x.r, x.c, x.d, x.l, x.couleur, TPoint{}), x.resultat) << essai;
        ASSERT_EQ(compteurnoeuds - n0, x.noeuds) << essai;
      }
    }
  }
}

}  // namespace
