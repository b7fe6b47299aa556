// The enclosed-chain reading: every case of tests/data/enclos.txt read with
// testdeb, the board, the chain table and the dead marks checked as they
// were after the call; then the pass after a trial move, its marks in
// pionsmorts and in the trial records.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/voisin.h"
#include "engine/territory/enclos.h"
#include "tests/support/fixture.h"
#include "tests/unit/enclos_suite.h"

namespace {

TEST(Enclos, SuiteReadsAndRestores) {
  ASSERT_TRUE(chargecles());
  const auto cas = suiteenclos::lit();
  ASSERT_GE(cas.size(), 5u) << "suite not found at " << suiteenclos::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p = suiteenclos::prepare(c);
    TMarques remplie{}, zone{}, faibles{};
    uint8_t pret = 0;
    const TMarques morts = pionsmorts;
    int32_t r = -1;
    fixture::verifieinchange(p, [&] {
      r = testdeb(p, remplie, pret, morts, zone, faibles, c.ligne, c.colonne, c.dernier, c.ko, c.declencheur,
                  c.zoneseule);
    });
    EXPECT_EQ(r, c.attendu) << fixture::grille(zone, c.taille);
  }
}

TEST(Enclos, KoElsewhereLeavesTheExitsAlone) {
  // The engine's ko point far from the zone neither makes an exit nor stops
  // the reading: the straight three is still killed.
  ASSERT_TRUE(chargecles());
  TPlateau p = fixture::posemoteur(
      "...XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n.........\n.........\n.........\n");
  niveau = 7;
  pointko = TPoint{7, 7};
  TMarques remplie{}, zone{}, faibles{};
  uint8_t pret = 0;
  const TMarques morts = pionsmorts;
  int32_t r = -1;
  fixture::verifieinchange(
      p, [&] { r = testdeb(p, remplie, pret, morts, zone, faibles, 2, 1, NOIR, TPoint{}, TPoint{}, 0); });
  pointko = TPoint{};
  EXPECT_EQ(r, DEBTUEE);
}

TEST(Enclos, AnswerDoesNotDependOnEarlierReadings) {
  // Black moves first: taking (1,4) at (2,4) leaves one eye point and
  // fails, then black passes, and the next ply holds a vital count whose
  // point was never written. Read alone, after itself, or after a reading
  // in the opposite corner that wrote vital points, the answer and the
  // moves tried are the same.
  ASSERT_TRUE(chargecles());
  const char* coin =
      "X.XOXXOO.\n.X..O.OO.\nOOOOOOOO.\nOOOOOOOO.\n.........\n.........\n.........\n.........\n.........\n";
  const char* oppose =
      ".........\n.........\n....OOOOO\n....OOOOO\n....OO.X.\n....OO...\n....OOX..\n....OOXXO\n....OOXXX\n";
  const auto lit = [](const char* dessin, int32_t r, int32_t c, uint8_t dernier) {
    TPlateau p = fixture::posemoteur(dessin);
    niveau = 7;
    pointko = TPoint{};
    marquesglobales.fill(0);
    TMarques remplie{}, zone{}, faibles{};
    uint8_t pret = 0;
    const TMarques morts = pionsmorts;
    const auto avant = compteurnoeuds;
    int32_t res = -1;
    fixture::verifieinchange(
        p, [&] { res = testdeb(p, remplie, pret, morts, zone, faibles, r, c, dernier, TPoint{}, TPoint{}, 0); });
    return std::pair{res, compteurnoeuds - avant};
  };
  const auto seul = lit(coin, 2, 2, BLANC);
  EXPECT_EQ(seul.first, DEBTUEE);
  EXPECT_EQ(lit(coin, 2, 2, BLANC), seul);
  lit(oppose, 5, 8, BLANC);
  EXPECT_EQ(lit(coin, 2, 2, BLANC), seul);
}

// ---- After a trial move -------------------------------------------------------

// Engine set-up for the trial-move tests: the engine plays white.
TPlateau poseessai(const char* dessin, int32_t niv) {
  TPlateau p = fixture::posemoteur(dessin);
  niveau = niv;
  pointko = TPoint{};
  marquesglobales.fill(0);
  marquesliaison1.fill(0);
  marquesliaison2.fill(0);
  couleurdemandee = couleurordi = BLANC;
  couleurjoueur = NOIR;
  for (auto& ligne : essaisordi)
    for (auto& e : ligne) e.liensessai.fill(0);
  for (auto& ligne : essaisjoueur)
    for (auto& e : ligne) e.liensessai.fill(0);
  return p;
}

// White has just played the middle of black's straight three.
constexpr const char* kMilieu =
    ".O.XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n.........\n.........\n.........\n";

TEST(EnclosEssais, KilledChainIsMarkedInTheTrialRecord) {
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(kMilieu, 7);
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  int32_t resultat = 0;
  testdebsurcandidats(marquesvides, marquesliaison1, p, 0, 2, 1, resultat, BLANC);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, chaines);
  EXPECT_EQ(resultat, 1);
  const TEssaiCoup& e = essaiordi(1, 2);
  EXPECT_NE(e.liensessai[indexcase(1, 2)] & BITTUEESSAI, 0);
  for (const auto& [r, c] : {std::pair{2, 1}, {2, 4}, {1, 4}}) {
    EXPECT_EQ(pionsmorts[indexcase(r, c)], 1) << r << "," << c;
    EXPECT_NE(e.liensessai[indexcase(r, c)] & BITTUEESSAI, 0) << r << "," << c;
  }
  // The white stone itself is not dead, and the opponent's records are untouched.
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 0);
  EXPECT_EQ(essaijoueur(1, 2).liensessai[indexcase(2, 1)], 0);
}

TEST(EnclosEssais, LinkedChainIsOnlyMarkedDead) {
  // A chain the link analysis marked goes to pionsmorts, not to the record.
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(kMilieu, 7);
  for (const auto& [r, c] : {std::pair{1, 4}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}) marquesliaison1[indexcase(r, c)] = 1;
  int32_t resultat = 0;
  testdebsurcandidats(marquesvides, marquesliaison1, p, 0, 2, 1, resultat, BLANC);
  EXPECT_EQ(resultat, 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 1);
  EXPECT_EQ(essaiordi(1, 2).liensessai[indexcase(2, 1)], 0);
  EXPECT_EQ(essaiordi(1, 2).liensessai[indexcase(1, 2)], 0);
}

TEST(EnclosEssais, NothingBelowLevel4) {
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(kMilieu, 3);
  int32_t resultat = 0;
  fixture::verifieinchange(p, [&] { testdebsurcandidats(marquesvides, marquesliaison1, p, 0, 2, 1, resultat, BLANC); });
  EXPECT_EQ(resultat, 0);
  EXPECT_EQ(essaiordi(1, 2).liensessai[indexcase(1, 2)], 0);
}

TEST(EnclosEssais, DeadChainIsNotReadAgain) {
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(kMilieu, 7);
  marquechaine(p, 2, 1);
  int32_t resultat = 0;
  fixture::verifieinchange(p, [&] { testdebsurcandidats(marquesvides, marquesliaison1, p, 0, 2, 1, resultat, BLANC); });
  EXPECT_EQ(resultat, 0);
  EXPECT_EQ(essaiordi(1, 2).liensessai[indexcase(2, 1)], 0);
}

TEST(EnclosEssais, KillingAChainListsTheOthersOfItsZone) {
  // White (1,2) touches only the chain (2,1); (2,6), in the same zone, is
  // read once (2,1) is found killed, and is killed too.
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(".O.XOOO..\nXXXX.XO..\nOOOOOOO..\n.........\n.........\n.........\n.........\n.........\n"
                         ".........\n",
                         7);
  int32_t resultat = 0;
  testdebsurcandidats(marquesvides, marquesliaison1, p, 0, 2, 1, resultat, BLANC);
  EXPECT_EQ(resultat, 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 6)], 1);
  EXPECT_NE(essaiordi(1, 2).liensessai[indexcase(2, 6)] & BITTUEESSAI, 0);
}

TEST(EnclosEssais, LoneStoneInAtariIsReadOnlyWithAKo) {
  // The white throw-in (1,2) is in atari. Mode 0 leaves it alone; mode 1
  // reads it with (1,1) as ko point, finds it killed and marks it dead (an
  // own stone: pionsmorts only).
  ASSERT_TRUE(chargecles());
  constexpr const char* dessin =
      ".OX......\n.XX......\nXX.......\n.........\n.........\n.........\n.........\n.........\n.........\n";
  for (int32_t mode = 0; mode <= 1; ++mode) {
    SCOPED_TRACE(mode);
    TPlateau p = poseessai(dessin, 7);
    int32_t resultat = 0;
    testdebsurcandidats(marquesvides, marquesliaison1, p, mode, 2, 1, resultat, BLANC);
    EXPECT_EQ(resultat, mode);
    EXPECT_EQ(pionsmorts[indexcase(1, 2)], mode);
    EXPECT_EQ(essaiordi(1, 2).liensessai[indexcase(1, 2)], 0);
  }
}

TEST(EnclosEssais, EarlierKillStandsWhenTheTriggerIsElsewhere) {
  // A move far away: the chain an earlier trial at (2,1) killed, marked in
  // the chain map, is read; the trigger concerns another zone (2), which
  // with the earlier kill counts as killed.
  ASSERT_TRUE(chargecles());
  TPlateau p = poseessai(
      "...XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n......O..\n.........\n.........\n", 7);
  essaiordi(2, 1).liensessai[indexcase(2, 1)] |= BITTUEESSAI;
  TMarques chaines = marquesvides;
  chaines[indexcase(2, 1)] = 1;
  int32_t resultat = 0;
  testdebsurcandidats(chaines, marquesliaison1, p, 0, 7, 7, resultat, BLANC);
  EXPECT_EQ(resultat, 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 1);
  EXPECT_NE(essaiordi(7, 7).liensessai[indexcase(7, 7)] & BITTUEESSAI, 0);
  // Without the chain map the earlier kill is not followed.
  TPlateau q = poseessai(
      "...XO....\nXXXXO....\nOOOOO....\n.........\n.........\n.........\n......O..\n.........\n.........\n", 7);
  essaiordi(2, 1).liensessai[indexcase(2, 1)] |= BITTUEESSAI;
  resultat = 0;
  testdebsurcandidats(marquesvides, marquesliaison1, q, 0, 7, 7, resultat, BLANC);
  EXPECT_EQ(resultat, 0);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 0);
}

TEST(EnclosEssais, ChainsOfTheZoneAreListed) {
  const TPlateau p = fixture::posemoteur(
      "X.X.XO...\nXXX.XO...\nOOOOOO...\n.........\n.........\n.........\n.........\n.........\n.........\n");
  TMarques zone = marquesvides, vu = marquesvides;
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 5; ++c) zone[indexcase(r, c)] = 1;
  pionsmorts.fill(0);
  pionsmorts[indexcase(1, 3)] = 1;
  TListePoints l{};
  l[0] = 0;
  ajoutechaineszone(p, NOIR, vu, zone, l, CAPACITECHAINESDEB);
  // (1,1) and (1,5) once each; the dead stone (1,3) is only marked.
  ASSERT_EQ(nbpoints(l), 2);
  EXPECT_EQ(colonneliste(l, 1), 1);
  EXPECT_EQ(colonneliste(l, 2), 5);
  EXPECT_EQ(vu[indexcase(2, 3)], 1);
  EXPECT_EQ(vu[indexcase(1, 3)], 1);
  // A full list takes no more.
  TMarques vu2 = marquesvides;
  l[0] = 0;
  ajoutechaineszone(p, NOIR, vu2, zone, l, 1);
  EXPECT_EQ(nbpoints(l), 1);
  pionsmorts.fill(0);
}

}  // namespace

TEST(EnclosStress, EveryExitGivesBackBoardChainTableAndDeadMarks) {
  // Seeded random positions: testdeb on every chain, with varied levels,
  // sides, triggers, ko points and dead marks, then the pass after the last
  // move. Codes and zone values stay in their ranges; what must come back
  // comes back.
  ASSERT_TRUE(chargecles());
  std::mt19937 gen(1703);
  for (int partie = 0; partie < 40; ++partie) {
    const int n = partie % 3 ? 9 : 13;
    std::string d;
    for (int r = 0; r < n; ++r) d += std::string(n, '.') + "\n";
    TPlateau p = poseessai(d.c_str(), 7);
    std::uniform_int_distribution<int> pt(1, n);
    TListePoints prises{};
    TPoint dernier{};
    uint8_t couleur = NOIR;
    const int coups = 30 + partie * 3;
    for (int k = 0; k < coups; ++k) {
      const int r = pt(gen), c = pt(gen);
      const uint8_t x = static_cast<uint8_t>(k % 2);
      jouecoup(prises, CAPACITELISTE, p, r, c, x, static_cast<uint8_t>(1 - x));
      if (p[indexcase(r, c)] == x) {
        dernier = TPoint{r, c};
        couleur = x;
      }
    }
    // A few chains marked dead beforehand.
    for (int k = 0; k < 3; ++k) {
      const int r = pt(gen), c = pt(gen);
      if (p[indexcase(r, c)] != VIDE) marquechaine(p, r, c);
    }
    const TMarques morts = pionsmorts;
    TMarques remplies[2], zone{}, faibles{};
    uint8_t prets[2] = {0, 0};
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) {
        const int i = indexcase(r, c);
        if (p[i] == VIDE || infochaine[i][1] == 0) continue;
        niveau = 4 + static_cast<int32_t>(gen() % 7);
        pointko = gen() % 5 == 0 ? TPoint{pt(gen), pt(gen)} : TPoint{};
        const TPoint ko = gen() % 4 == 0 ? TPoint{pt(gen), pt(gen)} : TPoint{};
        const TPoint declencheur = gen() % 2 ? TPoint{pt(gen), pt(gen)} : TPoint{};
        const uint8_t dernierjoue = static_cast<uint8_t>(gen() % 2);
        const uint8_t seule = static_cast<uint8_t>(gen() % 6 == 0);
        int32_t res = -1;
        fixture::verifieinchange(p, [&] {
          res = testdeb(p, remplies[p[i]], prets[p[i]], morts, zone, faibles, r, c, dernierjoue, ko, declencheur,
                        seule);
        });
        ASSERT_TRUE(res == 0 || res == 1 || res == 2 || res == 4) << res;
        for (int j = 0; j < NBCASES; ++j) ASSERT_TRUE(zone[j] == 0 || zone[j] == 1 || zone[j] == 2 || zone[j] == 4 ||
                                                      zone[j] == 8)
            << int(zone[j]);
      }
    pointko = TPoint{};
    niveau = 7;
    if (dernier.ligne == 0) continue;
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    int32_t resultat = 0;
    testdebsurcandidats(marquesvides, marquesliaison1, p, partie % 2, dernier.colonne, dernier.ligne, resultat,
                        couleur);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
    for (int j = 0; j < NBCASES; ++j) ASSERT_TRUE(!pionsmorts[j] || p[j] != VIDE);
  }
}
