// Survival by surrounding: the count rule, the level gate and the restore
// contract of both families.
#include <gtest/gtest.h>

#include <memory>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/survieentourage.h"
#include "engine/territory/enclos.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

TEST(SurvieEntourage, CountRule) {
  struct Cas {
    const char* nom;
    int32_t k, k2, e;
    bool garde;
    int32_t k2apres, eapres;
  } cas[] = {
      {"k2 = 1 ignored with 4 targets", 4, 1, 5, true, 0, 5},
      {"k2 = 1 ignored with 6 targets", 6, 1, 2, true, 0, 2},
      {"k2 = 1 with 3 targets clears e", 3, 1, 5, true, 1, 0},
      {"k2 = 2 with 4 targets clears e", 4, 2, 5, true, 2, 0},
      {"k2 above k drops", 2, 3, 5, false, 3, 5},
      {"k2 = 0 keeps e", 1, 0, 7, true, 0, 7},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    int32_t k2 = c.k2, e = c.e;
    EXPECT_EQ(comptesentourage(c.k, k2, e), c.garde);
    if (!c.garde) continue;
    EXPECT_EQ(k2, c.k2apres);
    EXPECT_EQ(e, c.eapres);
  }
}

struct Sorties {
  TCarte survieB{}, survieA{}, fortA{};
  TMarques memoA{};
  TListePoints famille{}, candidats{};
};

void lance(TPlateau& p, Sorties& x) {
  fixture::verifieinchange(p, [&] {
    coupdesurvieentourant(x.survieB, p, x.famille, 300, x.candidats, 361);
    survieordi(x.memoA, x.survieA, x.fortA, p, x.candidats, 361);
  });
  EXPECT_LE(nbpoints(x.candidats), 361);
  EXPECT_LE(nbpoints(x.famille), 300);
}

// Analysed positions with shut-in chains: at levels 1 to 3 nothing is
// written; at every level board, chain table and dead marks come back.
TEST(SurvieEntourage, LevelGateAndPositionComesBack) {
  for (const char* d : {
           ".OX......\nOOX......\nXX.......\n.........\n....X....\n.........\n.........\n.........\n.........\n",
           "..O.O....\n.OXO.O...\n..O..O...\nXX.OO....\n..X.X.O..\n..X..O...\n.XX.XO...\n..X.XO...\n.........\n",
           ".XO......\nX.XO.....\nXXO......\nOO.......\n.........\n......X..\n.........\n.........\n.........\n",
           "..XO.....\n.X.O.....\nX.XO.....\nXXO......\nOO.......\n.........\n.........\n.........\n.........\n",
       }) {
    for (const int32_t n : {1, 3, 4, 7}) {
      SCOPED_TRACE(n);
      fixture::Partie partie;
      partie.niveau = n;
      partie.numerocoup = 12;
      fixture::analysemoteur(d, partie);
      TPlateau p = plateaumoteur;
      auto x = std::make_unique<Sorties>();
      x->fortA.fill(30);
      const int32_t maxavant = maxsurvie;
      lance(p, *x);
      if (n > 3) continue;
      EXPECT_EQ(x->survieB, TCarte{});
      EXPECT_EQ(x->survieA, TCarte{});
      EXPECT_EQ(nbpoints(x->famille), 0);
      EXPECT_EQ(nbpoints(x->candidats), 0);
      EXPECT_EQ(maxsurvie, maxavant);
      for (int32_t i = 0; i < NBCASES; ++i) EXPECT_EQ(x->fortA[i], 30);
    }
  }
}

// Black's corner group is shut in by white: above level 3 the engine's
// survival map takes the saving points, the reinforcement value there
// drops to 10 (below the survival value), and a larger value already in
// place stays while the list still receives the point.
TEST(SurvieEntourage, EngineGroupShutIn) {
  const char* d = "..XO.....\n.X.O.....\nX.XO.....\nXXO......\nOO.......\n.........\n.........\n.........\n.........\n";
  for (const int32_t avant : {0, 500}) {
    SCOPED_TRACE(avant);
    fixture::Partie partie;
    partie.numerocoup = 12;
    fixture::analysemoteur(d, partie);
    TPlateau p = plateaumoteur;
    auto x = std::make_unique<Sorties>();
    const int32_t P = indexcase(2, 3);
    x->fortA[P] = 30;
    x->survieA[P] = avant;
    lance(p, *x);
    EXPECT_EQ(x->survieA[P], avant ? avant : 220);
    EXPECT_EQ(x->fortA[P], 10);
    bool liste = false;
    for (int32_t k = 1; k <= nbpoints(x->candidats); ++k)
      liste = liste || (ligneliste(x->candidats, k) == 2 && colonneliste(x->candidats, k) == 3);
    EXPECT_TRUE(liste);
    EXPECT_EQ(x->survieB, TCarte{});  // no white chain is shut in
  }
}

// ---- Hand-made turns --------------------------------------------------------
// The engine is black at level 7 on a 9x9 board; every trial record starts
// as a trial that changes nothing, and no point is a candidate.

void effaceessais(TEssaiCoup (&table)[TAILLEMAX][TAILLEMAX], const TPlateau& p) {
  for (auto& ligne : table)
    for (TEssaiCoup& e : ligne) {
      e.plateauessai = p;
      e.infochaineessai = infochaine;
      e.plateauessai2.fill(0);
      e.carte2essai.fill(0);
      e.liensessai.fill(0);
      e.marquesessai.fill(0);
      e.gainmoyoordi = e.gainmoyojoueur = 0;
      e.compteur2essai = e.compteur4essai = 0;
    }
}

TPlateau posetour(const char* diagramme) {
  TPlateau p = fixture::posemoteur(diagramme);
  niveau = 7;
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  pointko = TPoint{};
  plateaudepart = p;
  maxsurvie = 0;
  for (TMarques* m : {&marquesglobales, &marquesliaison1, &marquesliaison2, &casescandidates,
                      &casescandidatesjoueur, &lesfaiblesjoueur()})
    m->fill(0);
  effaceessais(essaisordi, p);
  effaceessais(essaisjoueur, p);
  return p;
}

// The record's position: the board with a stone of `couleur` at (r, c).
void posepierre(TEssaiCoup& e, const TPlateau& p, int32_t r, int32_t c, uint8_t couleur) {
  const TInfoChaine chaines = infochaine;
  e.plateauessai = p;
  e.plateauessai[indexcase(r, c)] = couleur;
  calculelibertes(e.plateauessai);
  e.infochaineessai = infochaine;
  infochaine = chaines;
}

// Two black chains, each shut in by white: A in the top corner (eye at
// (1,1)), read first in row order, and B in the bottom corner (eye of two
// points), read last. Both are dead for the link analysis.
constexpr const char* DEUXCOINS =
    ".XO......\n"
    "XXO......\n"
    "OO.......\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".....OOOO\n"
    ".....OXXX\n"
    ".....OX..\n";

TPlateau posedeuxcoins() {
  TPlateau p = posetour(DEUXCOINS);
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == NOIR) {
      marquesliaison1[q] = 1;
      essaisordi[q / TAILLEMAX][q % TAILLEMAX].liensessai[q] = BITTUEESSAI;
    }
  return p;
}

// The engine's saving point p in its first variant: its targets are all
// seven dead black stones, so A is read first and B last. The eye (1,1)
// lies in A's enclosure, away from B's: covered, it needs no enclosure
// test and gets 20 x (7 targets + 3 empty enclosed points). A point that
// no reading covers and that touches neither enclosure is dropped.
TEST(SurvieEntourage, CoveredOwnPointSkipsEnclosureTest) {
  struct Cas {
    int32_t ligne, colonne, attendu;
  } cas[] = {{1, 1, 200}, {5, 5, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.ligne << "," << c.colonne);
    TPlateau p = posedeuxcoins();
    const int32_t P = indexcase(c.ligne, c.colonne);
    casescandidates[P] = 1;
    essaiordi(c.ligne, c.colonne).compteur2essai = 2;
    auto x = std::make_unique<Sorties>();
    fixture::verifieinchange(p, [&] { survieordi(x->memoA, x->survieA, x->fortA, p, x->candidats, 361); });
    EXPECT_EQ(x->survieA[P], c.attendu);
    EXPECT_EQ(nbpoints(x->candidats), c.attendu ? 1 : 0);
    EXPECT_EQ(x->fortA[P], c.attendu ? 10 : 0);
  }
}

// Stones that a first variant counted, for any candidate and even one it
// then dropped, are no targets of the engine's third variant nor of the
// second variant of the killing family: with them counted first, the later
// variant has no target left and writes nothing.
TEST(SurvieEntourage, FirstVariantTargetsNeverCountedAgain) {
  for (const bool premiere : {false, true}) {
    SCOPED_TRACE(premiere);
    {
      // survieordi: (5,5) counts all seven stones and is dropped; black's
      // trial at (9,9) leaves B shut in with one empty point.
      TPlateau p = posedeuxcoins();
      casescandidates[indexcase(5, 5)] = premiere;
      essaiordi(5, 5).compteur2essai = 2;
      const int32_t P = indexcase(9, 9);
      casescandidates[P] = 1;
      TEssaiCoup& e = essaiordi(9, 9);
      e.gainmoyojoueur = 2;
      e.carte2essai[P] = 1;
      posepierre(e, p, 9, 9, NOIR);
      auto x = std::make_unique<Sorties>();
      fixture::verifieinchange(p, [&] { survieordi(x->memoA, x->survieA, x->fortA, p, x->candidats, 361); });
      EXPECT_EQ(x->survieA[indexcase(5, 5)], 0);
      EXPECT_EQ(x->survieA[P], premiere ? 0 : 160);
    }
    {
      // coupdesurvieentourant, colours the other way round: black's trial
      // at (9,9) kills A, white's keeps B shut in. The first variant counts
      // A at (9,9) when the opponent's records mark its stones killed, and
      // drops the point (A's enclosure is far from it).
      TPlateau p = posetour(
          ".OX......\n"
          "OOX......\n"
          "XX.......\n"
          ".........\n"
          ".........\n"
          ".........\n"
          ".....XXXX\n"
          ".....XOOO\n"
          ".....XO..\n");
      const int32_t P = indexcase(9, 9);
      casescandidates[P] = casescandidatesjoueur[P] = 1;
      TEssaiCoup& e = essaiordi(9, 9);
      TEssaiCoup& j = essaijoueur(9, 9);
      e.gainmoyoordi = 2;
      e.liensessai[P] = BITTUEESSAI;
      posepierre(e, p, 9, 9, NOIR);
      j.gainmoyojoueur = 2;
      posepierre(j, p, 9, 9, BLANC);
      for (const int32_t q : {indexcase(1, 2), indexcase(2, 1), indexcase(2, 2)}) {
        e.liensessai[q] = BITTUEESSAI;
        e.plateauessai2[q] = 1;
        marquesliaison2[q] = 1;
        TEssaiCoup& jq = essaisjoueur[q / TAILLEMAX][q % TAILLEMAX];
        jq.liensessai[q] = BITTUEESSAI;
        jq.marquesessai[q] = premiere ? BITTUEESSAI : 0;
      }
      auto x = std::make_unique<Sorties>();
      fixture::verifieinchange(p, [&] {
        coupdesurvieentourant(x->survieB, p, x->famille, 300, x->candidats, 361);
      });
      // Three targets, B's empty point and one more: 20 x 5.
      EXPECT_EQ(x->survieB[P], premiere ? 0 : 100);
      EXPECT_EQ(nbpoints(x->famille), premiere ? 0 : 1);
    }
  }
}

// The engine's second variant takes its targets from the opponent's trial
// position at the candidate. Here white's record at (1,4) lacks the black
// stone (2,2) of the board: the targets are A's three stones, read as shut
// in with one empty point, 20 x (3 + 1). Read from the board instead, the
// stone (2,2) would count as a fourth target.
TEST(SurvieEntourage, SecondVariantTargetsFromTheTrialPosition) {
  TPlateau p = posetour(
      "XXO......\n"
      "XXO......\n"
      "OO.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  const int32_t P = indexcase(1, 4);
  casescandidates[P] = casescandidatesjoueur[P] = 1;
  TEssaiCoup& j = essaijoueur(1, 4);
  TPlateau sans = p;
  sans[indexcase(2, 2)] = VIDE;
  posepierre(j, sans, 1, 4, BLANC);
  j.gainmoyoordi = 2;
  j.liensessai[P] = BITTUEESSAI;
  for (int32_t q = 0; q < NBCASES; ++q)
    if (p[q] == NOIR) {
      j.liensessai[q] = BITTUEESSAI;
      j.plateauessai2[q] = sans[q] == NOIR;
    }
  auto x = std::make_unique<Sorties>();
  fixture::verifieinchange(p, [&] { survieordi(x->memoA, x->survieA, x->fortA, p, x->candidats, 361); });
  EXPECT_EQ(x->survieA[P], 80);
}

}  // namespace
