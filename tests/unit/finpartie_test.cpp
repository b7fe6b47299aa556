// End-of-game evaluation of the empty points: the pass and end-procedure
// decisions and the points it adds, on positions analysed as a genmove
// analyses them after the opponent's pass.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/board/etat.h"
#include "engine/choice/finpartie.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

struct Resultat {
  TListePoints liste{};
  int32_t portee = 0;
  TMarques pertes{};
};

// Black to move after white's pass; `liste` holds (1,1) beforehand unless
// `vide`. The flags start at the given values.
Resultat evalue(std::string_view diagramme, int32_t passe0 = 0, int32_t fin0 = 0, bool vide = false) {
  const fixture::Position pos = fixture::diagramme(diagramme);
  fixture::Partie partie;
  partie.passe = true;
  partie.trait = NOIR;
  fixture::AnalyseRacine& a = fixture::analyseracine(pos.plateau, pos.taille, partie);
  Resultat r;
  if (!vide) empilepoint(r.liste, 361, 1, 1);
  static TMarques pertes;
  pertes.fill(0);
  ordipasse = passe0;
  procedurefinpartie = fin0;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  evaluationfinpartie(fixture::cartesanalyse(a, a.ordi), r.liste, a.plateau, NOIR, BLANC, r.portee, pertes, 10, 1);
  EXPECT_EQ(infochaine, chaines);
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
  r.pertes = pertes;
  return r;
}

// Two walls and nothing left to take.
constexpr const char* kFini =
    "....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n....XO...\n";

TEST(FinPartie, NothingBetterThanPassingEndsTheGame) {
  const Resultat r = evalue(kFini);
  EXPECT_EQ(ordipasse, 1);
  EXPECT_EQ(procedurefinpartie, 1);
  EXPECT_EQ(nbpoints(r.liste), 1);
  EXPECT_EQ(r.portee, 10);
}

// A stone put inside white's area dies alone: that is no loss of black
// stones, so no point of the loss map is set and compteurinfluence stays 0
// (the calm test of a cleanup move reads it).
TEST(FinPartie, AStoneThatDiesAloneLosesNothing) {
  compteurinfluence = 0;
  const Resultat r = evalue(kFini);
  EXPECT_EQ(compteurinfluence, 0);
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(marquesvides, 9), fixture::grille(r.pertes, 9)));
}

// One neutral point (5,6) in the wall: playing it keeps the balance, every
// other point lowers it. Nothing lives or dies on the board, so the end
// procedure counts the one point still worth playing that was not listed.
TEST(FinPartie, ANeutralPointLeftGivesPassCodeFive) {
  const Resultat r = evalue(
      "....XO...\n....XO...\n....XO...\n....XO...\n....X.O..\n....XO...\n....XO...\n....XO...\n....XO...\n");
  EXPECT_EQ(ordipasse, 5);
  EXPECT_EQ(procedurefinpartie, 1);
  ASSERT_EQ(nbpoints(r.liste), 2);
  EXPECT_EQ(ligneliste(r.liste, 2), 5);
  EXPECT_EQ(colonneliste(r.liste, 2), 6);
}

// Everything is settled but the dame (5,5): it is the only point black can
// stand on and it keeps the balance. With fewer than five points judged
// there is no fifth value to fall below, so no pass code is given.
TEST(FinPartie, ALoneDameKeepingTheBalanceGivesNoPassCode) {
  const Resultat r = evalue(
      ".X.X.X.X.\nXXXXXXXXX\n.X.X.X.X.\nXXXXXXXXX\nOOOO.OOOO\n.O.OOO.O.\nOOOO.OOOO\n.O.OOO.O.\nOOOO.OOOO\n");
  EXPECT_EQ(ordipasse, 0);
  EXPECT_EQ(procedurefinpartie, 0);
  ASSERT_EQ(nbpoints(r.liste), 2);
  EXPECT_EQ(ligneliste(r.liste, 2), 5);
  EXPECT_EQ(colonneliste(r.liste, 2), 5);
}

// Black has no stone and can stand nowhere (white's two eyes): nothing is
// judged, so nothing is decided.
TEST(FinPartie, NoPointToJudgeChangesNothing) {
  const Resultat r = evalue(
      "OOOOOOOOO\nO.OOOOOOO\nOOOOOOOOO\nOOOOOOOOO\nOOOOOOOOO\nOOOOOOOOO\nOOOOOOOOO\nOOOOOOO.O\nOOOOOOOOO\n", 7, 3);
  EXPECT_EQ(ordipasse, 7);
  EXPECT_EQ(procedurefinpartie, 3);
  EXPECT_EQ(r.portee, 0);
  EXPECT_EQ(nbpoints(r.liste), 1);
}

// Open ground in the middle: the game goes on, the best new points are
// added, at most 10 and one more by zone count, each once.
TEST(FinPartie, OpenGroundAddsTheBestPoints) {
  const Resultat r = evalue(
      "....XO...\n....XO...\n....XO...\n....X....\n.........\n....XO...\n....XO...\n....XO...\n....XO...\n", 0, 0,
      true);
  EXPECT_EQ(ordipasse, 0);
  EXPECT_EQ(procedurefinpartie, 0);
  EXPECT_GE(nbpoints(r.liste), 1);
  EXPECT_LE(nbpoints(r.liste), 11);
  std::set<std::pair<int, int>> vus;
  for (int32_t k = 1; k <= nbpoints(r.liste); ++k) {
    const int l = ligneliste(r.liste, k), c = colonneliste(r.liste, k);
    EXPECT_EQ(plateaumoteur[indexcase(l, c)], VIDE);
    EXPECT_TRUE(vus.insert({l, c}).second);
  }
}

}  // namespace
