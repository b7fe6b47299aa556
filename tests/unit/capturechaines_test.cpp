// Chain capture reading of the main search: liberty limits, the order of the
// defender's liberties, the whole-board marking and the local re-examination.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/capturechaines.h"
#include "tests/support/fixture.h"

namespace {

class CaptureChaines : public ::testing::Test {
 protected:
  void TearDown() override {
    pionsmorts.fill(0);
    pionsmortssauves.fill(0);
    marquesglobales.fill(0);
  }
};

TListePoints liste(std::initializer_list<std::pair<int, int>> pts) {
  TListePoints l;
  l[0] = 0;
  for (auto [r, c] : pts) empilepoint(l, MAXPOINTSLISTE, r, c);
  return l;
}

std::vector<std::pair<int, int>> points(const TListePoints& l) {
  std::vector<std::pair<int, int>> v;
  for (int k = 1; k <= nbpoints(l); ++k) v.emplace_back(ligneliste(l, k), colonneliste(l, k));
  return v;
}

std::vector<int> morts(int taille) {
  std::vector<int> v;
  for (int r = 1; r <= taille; ++r)
    for (int c = 1; c <= taille; ++c)
      if (pionsmorts[indexcase(r, c)]) v.push_back(10 * r + c);
  return v;
}

// A white stone on the first line in a net: captured even with white to move.
constexpr const char* kFilet =
    ".O.X.....\n.XX......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

TEST_F(CaptureChaines, LibertyLimitsFollowTheDepth) {
  struct Cas {
    int32_t d, n;
    std::vector<int32_t> attendu;  // plies 1..D
  };
  const Cas cas[] = {
      {2, 5, {5, 4}},
      {4, 12, {10, 8, 6, 4}},
      {5, 6, {6, 6, 4, 4, 4}},
      {7, 2, {2, 2, 2, 2, 2, 2, 2}},
      {7, 6, {6, 6, 4, 4, 4, 3, 3}},
  };
  for (const Cas& k : cas) {
    TLimitesCapture t;
    construitlimitescapture(t, k.d, k.n);
    std::vector<int32_t> v(t.begin() + 1, t.begin() + 1 + k.d);
    EXPECT_EQ(v, k.attendu) << "D = " << k.d << ", N = " << k.n;
  }
}

TEST_F(CaptureChaines, DefenderTriesTheOpenerLibertyFirst) {
  // White (5,5): A = (6,5) has two empty neighbours that are not liberties,
  // B = (5,6) one.
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n....XX...\n...XO.X..\n...X.....\n.........\n.........\n.........\n");
  TMarques chaine = marquesvides, libs = marquesvides;
  chaine[indexcase(5, 5)] = 1;
  libs[indexcase(6, 5)] = libs[indexcase(5, 6)] = 1;
  TListePoints l = liste({{5, 6}, {6, 5}});
  uint8_t evasion = 0;
  ordrecaptures(p, BLANC, chaine, evasion, 5, libs, l);
  EXPECT_EQ(evasion, 0);
  EXPECT_EQ(points(l), (std::vector<std::pair<int, int>>{{6, 5}, {5, 6}}));

  // Two liberties plus A's two open neighbours reach a limit of 3.
  l = liste({{5, 6}, {6, 5}});
  ordrecaptures(p, BLANC, chaine, evasion, 3, libs, l);
  EXPECT_EQ(evasion, 1);
}

TEST_F(CaptureChaines, EqualCountsKeepTheirOrderAndLivingNeighboursEscape) {
  const TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n....XX...\n...XO....\n...X.....\n.........\n.........\n.........\n");
  TMarques chaine = marquesvides, libs = marquesvides;
  chaine[indexcase(5, 5)] = 1;
  libs[indexcase(6, 5)] = libs[indexcase(5, 6)] = 1;
  TListePoints l = liste({{5, 6}, {6, 5}});
  uint8_t evasion = 0;
  ordrecaptures(p, BLANC, chaine, evasion, 9, libs, l);
  EXPECT_EQ(evasion, 0);
  EXPECT_EQ(points(l), (std::vector<std::pair<int, int>>{{5, 6}, {6, 5}}));

  // A white stone of a living group next to a liberty: the chain escapes.
  TPlateau q = fixture::posemoteur(
      ".........\n.........\n.........\n....XX...\n...XO.O..\n...X.....\n.........\n.........\n.........\n");
  marquesglobales[indexcase(5, 7)] = 1;
  l = liste({{5, 6}, {6, 5}});
  ordrecaptures(q, BLANC, chaine, evasion, 9, libs, l);
  EXPECT_EQ(evasion, 1);
}

TEST_F(CaptureChaines, TwoRefusalsOrACapture) {
  // Black's two one-point eyes: white can play in neither.
  const TPlateau yeux = fixture::posemoteur(
      "X.X.XO...\nXXXXXO...\nOOOOOO...\n.........\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_TRUE(deuxrefus(liste({{1, 2}, {1, 4}}), 300, yeux, BLANC, NOIR));
  // White at (1,1) takes the black stone in atari: no refusal counts.
  const TPlateau prise = fixture::posemoteur(
      ".XO......\nXO.......\nO........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_FALSE(deuxrefus(liste({{1, 1}, {1, 1}}), 300, prise, BLANC, NOIR));
}

TEST_F(CaptureChaines, BoardScanMarksCapturableChainsAndPutsTheBoardBack) {
  TPlateau p = fixture::posemoteur(kFilet);
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  for (const uint8_t c : {VIDE, NOIR, BLANC}) {
    detectcaptureschaines(p, 3, 4, c);
    EXPECT_EQ(morts(9), (std::vector<int>{12})) << "colour " << int(c);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
  }
  // With a cap of one liberty the two-liberty stone is never read.
  compteurnoeudslecture = 0;
  detectcaptureschaines(p, 1, 4, VIDE);
  EXPECT_TRUE(morts(9).empty());
  EXPECT_EQ(compteurnoeudslecture, 0);
}

TEST_F(CaptureChaines, BoardScanStartsFromTheSavedMarksAndKeepsLivingGroups) {
  TPlateau p = fixture::posemoteur(kFilet);
  pionsmorts[indexcase(9, 9)] = 1;
  pionsmortssauves[indexcase(2, 2)] = pionsmortssauves[indexcase(2, 3)] = 1;
  marquesglobales[indexcase(1, 2)] = 1;
  detectcaptureschaines(p, 3, 4, VIDE);
  EXPECT_EQ(morts(9), (std::vector<int>{22, 23}));
}

TEST_F(CaptureChaines, ChainInAtariOfTheColourIsDeadBeforeAnyReading) {
  // White (1,2) and black (1,1) are both in atari: the scan passes over
  // each, since the other is in atari, but white just moved into atari.
  TPlateau p = fixture::posemoteur(
      "XO.X.....\n.XX......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  detectcaptureschaines(p, 3, 4, VIDE);
  EXPECT_TRUE(morts(9).empty());
  detectcaptureschaines(p, 3, 4, BLANC);
  EXPECT_EQ(morts(9), (std::vector<int>{12}));
}

TEST_F(CaptureChaines, AttackerFirstCapturesWhereTheDefenderFirstEscapes) {
  // White (5,5) with two liberties: moving first it runs out; black moving
  // first leaves it one liberty and it still reaches three.
  TPlateau p = fixture::posemoteur(
      ".........\n.........\n.........\n....X....\n...XO....\n.........\n.........\n.........\n.........\n");
  int32_t resultat = -1;
  captureparatari(p, NOIR, BLANC, 3, 4, 5, 5, resultat);
  EXPECT_EQ(resultat, 0);
  TPlateau q = fixture::posemoteur(kFilet);
  const TPlateau avant = q;
  captureparatari(q, NOIR, BLANC, 3, 4, 1, 2, resultat);
  EXPECT_EQ(resultat, CAPTURECHAINE);
  EXPECT_TRUE(fixture::memesplateaux(avant, q));
}

TEST_F(CaptureChaines, LocalReadingOfAChainInAtariGivesTheBoardBack) {
  // Black has just played (1,2) into atari: white's capture at (1,1) is read
  // around and taken back; the black stone stays marked dead.
  TPlateau p = fixture::posemoteur(
      ".XO......\n.O.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  int32_t change = -1;
  analysechaine(p, change, 4, 1, 2, 0, 0, 3, 2, 0);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, chaines);
  EXPECT_EQ(morts(9), (std::vector<int>{12}));
  EXPECT_EQ(change, 1);
}

TEST_F(CaptureChaines, LocalReadingMarksTheNetAndClearsWhatEscapes) {
  // Black closes the net at (1,4); a white stone marked dead in the open
  // middle of the window has its mark taken off.
  TPlateau p = fixture::posemoteur(
      ".O.X.....\n.XX......\n...O.....\n.........\n.........\n.........\n.........\n.........\n.........\n");
  pionsmorts[indexcase(3, 4)] = 1;
  int32_t change = -1;
  analysechaine(p, change, 4, 1, 4, 0, 0, 4, 3, 0);
  EXPECT_EQ(morts(9), (std::vector<int>{12}));
  EXPECT_EQ(change, 1);
  // A second call finds nothing to change.
  analysechaine(p, change, 4, 1, 4, 0, 0, 4, 3, 0);
  EXPECT_EQ(change, 0);
}

TEST_F(CaptureChaines, LocalReadingModeOneJudgesTheMoversChainsInAtari) {
  // Black (4,6) in atari inside the window runs out when black moves first;
  // in mode 1 a chain of the mover's colour in atari is dead at once.
  constexpr const char* kAtari =
      ".O.X.....\n.XX......\n.....O...\n....OXO..\n.........\n.........\n.........\n.........\n.........\n";
  for (const int32_t mode : {0, 1}) {
    TPlateau p = fixture::posemoteur(kAtari);
    pionsmorts.fill(0);
    int32_t change = 0;
    analysechaine(p, change, 4, 1, 4, 0, 0, 4, 3, mode);
    EXPECT_EQ(morts(9), mode == 1 ? (std::vector<int>{12, 46}) : (std::vector<int>{12})) << "mode " << mode;
  }
}

// Seeded random 9x9 and 13x13 positions with random dead marks: the local
// re-examination (chains in atari among them, both modes, with and without a
// first point) and the board scan give the board and the chain table back,
// and the scan, starting from the saved marks, marks the same chains twice.
TEST_F(CaptureChaines, RandomPositionsComeBack) {
  std::mt19937 g(3);
  auto tire = [&](int32_t n) { return static_cast<int32_t>(g() % static_cast<uint32_t>(n)); };
  for (int32_t essai = 0; essai < 200; ++essai) {
    SCOPED_TRACE(essai);
    const int32_t t = essai % 3 == 0 ? 13 : 9;
    configmoteur.taille = t;
    construittables(t);
    TPlateau p = plateauvide();
    for (int32_t k = 10 + tire(t * t / 2); k > 0; --k) {
      TListePoints prises;
      const auto c = static_cast<uint8_t>(tire(2));
      jouecoup(prises, CAPACITELISTE, p, 1 + tire(t), 1 + tire(t), c, static_cast<uint8_t>(1 - c));
    }
    calculelibertes(p);
    pionsmorts = marquesvides;
    marquesglobales = marquesvides;
    for (int32_t k = 0; k < NBCASES; ++k) {
      if (p[k] != VIDE && tire(8) == 0) pionsmorts[k] = 1;
      if (p[k] != VIDE && tire(16) == 0) marquesglobales[k] = 1;
    }
    pionsmortssauves = pionsmorts;
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    int32_t r, c;
    do {
      r = 1 + tire(t);
      c = 1 + tire(t);
    } while (p[indexcase(r, c)] == VIDE);
    const int32_t r2 = tire(2) != 0 ? 1 + tire(t) : 0, c2 = 1 + tire(t);
    int32_t change = -1;
    analysechaine(p, change, 2 + tire(5), r, c, r2, c2, 2 + tire(4), 1 + tire(4), tire(2));
    ASSERT_TRUE(fixture::memesplateaux(avant, p));
    ASSERT_EQ(infochaine, chaines);
    const int32_t n = 2 + tire(4), d = 2 + tire(6);
    const auto couleur = static_cast<uint8_t>(tire(3));
    detectcaptureschaines(p, n, d, couleur);
    const TMarques marques = pionsmorts;
    ASSERT_TRUE(fixture::memesplateaux(avant, p));
    ASSERT_EQ(infochaine, chaines);
    detectcaptureschaines(p, n, d, couleur);
    ASSERT_TRUE(fixture::memesmarques(marques, pionsmorts));
  }
}

}  // namespace
