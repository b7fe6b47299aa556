// Candidate top-up of the root: the best points of a quick score, new to
// the list, positive only.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/complements.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

// The maps of both analyses, empty, under the names the scores use.
struct Cartes {
  std::unique_ptr<fixture::AnalyseRacine> a = std::make_unique<fixture::AnalyseRacine>();
  TCarte &separation = a->ordi.separation, &flou = a->flou;
  TMarques &defenseordi = a->ordi.invasiondefense, &defensejoueur = a->joueur.invasiondefense;
  TMarques &faiblesse = a->faiblesse, &mauvais = a->mauvaiscoups;
  TCartesAnalyse ordi() { return fixture::cartesanalyse(*a, a->ordi); }
  TCartesAnalyse joueur() { return fixture::cartesanalyse(*a, a->joueur); }
};

std::vector<TPoint> points(const TListePoints& l) {
  std::vector<TPoint> v;
  for (int32_t k = 1; k <= nbpoints(l); ++k) v.push_back(TPoint{ligneliste(l, k), colonneliste(l, k)});
  return v;
}

::testing::AssertionResult memeliste(const TListePoints& l, std::vector<std::pair<int, int>> attendu) {
  const std::vector<TPoint> v = points(l);
  bool ok = v.size() == attendu.size();
  for (size_t k = 0; ok && k < v.size(); ++k)
    ok = v[k].ligne == attendu[k].first && v[k].colonne == attendu[k].second;
  if (ok) return ::testing::AssertionSuccess();
  auto r = ::testing::AssertionFailure() << "list:";
  for (const TPoint& p : v) r << " (" << p.ligne << "," << p.colonne << ")";
  return r;
}

class Complements : public ::testing::Test {
 protected:
  void SetUp() override {
    debutpartie = 0;
    strategie = 2;
    liste[0] = 0;
  }
  void TearDown() override { strategie = 2; }
  static int32_t i(int r, int c) { return indexcase(r, c); }
  Cartes m;
  TListePoints liste;
};

constexpr const char* kVide =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

// Values 30, 20, 10, 0 and -5 from four maps: the best three positive in
// order, k permitting; the listed point is not listed again.
TEST_F(Complements, TrialScoreBestPositivePointsInOrder) {
  const TPlateau p = fixture::posemoteur(kVide);
  m.flou[i(5, 5)] = 11;  // 10 after the -1
  m.faiblesse[i(2, 2)] = 10;
  m.separation[i(8, 8)] = 30;
  m.defenseordi[i(3, 3)] = 1;  // 0 in all: never taken
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (m.flou[i(r, c)] == 0) m.flou[i(r, c)] = 1;  // the other points score 0
  m.flou[i(3, 3)] = 0;
  m.flou[i(7, 7)] = -4;
  empilepoint(liste, 361, 9, 9);
  fixture::verifieinchange(p, [&] {
    completecandidatsessai(m.ordi(), m.joueur(), 5, NOIR, BLANC, p, liste);
  });
  EXPECT_TRUE(memeliste(liste, {{9, 9}, {8, 8}, {2, 2}, {5, 5}}));
  liste[0] = 0;
  completecandidatsessai(m.ordi(), m.joueur(), 2, NOIR, BLANC, p, liste);
  EXPECT_TRUE(memeliste(liste, {{8, 8}, {2, 2}}));
}

// A point refused by the play routine (an own eye) and a point set in the
// bad-move map are never scored.
TEST_F(Complements, RefusedAndBadPointsAreNeverScored) {
  const TPlateau p = fixture::posemoteur(
      ".X.......\nXX.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  m.flou[i(1, 1)] = 100;
  m.flou[i(5, 5)] = 90;
  m.flou[i(6, 6)] = 80;
  m.mauvais[i(5, 5)] = 1;
  completecandidatsessai(m.ordi(), m.joueur(), 5, NOIR, BLANC, p, liste);
  EXPECT_TRUE(memeliste(liste, {{6, 6}}));
}

TEST_F(Complements, SingleFreePointAddsNothing) {
  TPlateau p = fixture::posemoteur(kVide);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) p[i(r, c)] = (r + c) % 2 ? NOIR : BLANC;
  // Every point taken but one; in a real game this would hold captures, the
  // scan only asks for one free point.
  p[i(5, 5)] = VIDE;
  m.flou[i(5, 5)] = 100;
  completecandidatsvaleur(2, 3, p, liste, m.separation, m.flou, m.defensejoueur, m.faiblesse);
  EXPECT_EQ(nbpoints(liste), 0);
}

TEST_F(Complements, TerritoryAndStrategyBonus) {
  const TPlateau p = fixture::posemoteur(kVide);
  territoire2[i(4, 4)] = NOIR;  // own second territory: +50 when defending
  territoire2[i(6, 6)] = BLANC; // the opponent's: +50 when attacking
  for (uint8_t s : {0, 1, 2}) {
    strategie = s;
    liste[0] = 0;
    completecandidatsessai(m.ordi(), m.joueur(), 5, NOIR, BLANC, p, liste);
    const std::vector<std::pair<int, int>> attendu[] = {{{6, 6}}, {{4, 4}}, {}};
    EXPECT_TRUE(memeliste(liste, attendu[s])) << int(s);
  }
}

// The second score never takes a point the first took, and still appends
// up to k2 others.
TEST_F(Complements, ValueScoresTakeEachPointOnce) {
  const TPlateau p = fixture::posemoteur(kVide);
  m.flou[i(1, 1)] = 51;
  m.flou[i(2, 2)] = 41;
  m.flou[i(3, 3)] = 31;
  m.defensejoueur[i(1, 1)] = 200;  // best second score, already taken
  m.separation[i(4, 4)] = 30;
  m.separation[i(5, 5)] = 20;
  m.separation[i(6, 6)] = 10;
  m.separation[i(7, 7)] = 5;
  completecandidatsvaleur(2, 3, p, liste, m.separation, m.flou, m.defensejoueur, m.faiblesse);
  EXPECT_TRUE(memeliste(liste, {{1, 1}, {2, 2}, {4, 4}, {5, 5}, {6, 6}}));
}

TEST_F(Complements, ValueScoresSkipListedAndNonPositivePoints) {
  const TPlateau p = fixture::posemoteur(kVide);
  empilepoint(liste, 300, 1, 1);
  m.flou[i(1, 1)] = 51;  // listed already
  m.flou[i(2, 2)] = 1;   // scores 0
  m.separation[i(3, 3)] = -3;
  completecandidatsvaleur(2, 3, p, liste, m.separation, m.flou, m.defensejoueur, m.faiblesse);
  EXPECT_TRUE(memeliste(liste, {{1, 1}}));
}

}  // namespace
