// The move search: its answers on whole positions through the engine's move
// entry, the depth and width limits of its nodes, the simple-ko point, what
// it puts back after the root, the last node's cut, and the pass decision.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/rejoue.h"
#include "engine/choice/entree.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "engine/opening/solution99.h"
#include "engine/proposals/bilans.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_recherche.h"

namespace {

using fixture::Coup;
using recherche::TRecherche;

// A search state of its own for a test (the engine's is static).
std::unique_ptr<TRecherche> nouvelle() { return std::make_unique<TRecherche>(); }

// Is `r` a move `c` may play on `p`: a pass, or an empty point where the
// stone stays (not a suicide)?
::testing::AssertionResult coupvalide(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne) {
  if (ligne == 0 && colonne == 0) return ::testing::AssertionSuccess();
  const int32_t n = configmoteur.taille;
  if (ligne < 1 || ligne > n || colonne < 1 || colonne > n)
    return ::testing::AssertionFailure() << ligne << "-" << colonne << " is off the board";
  if (p[indexcase(ligne, colonne)] != VIDE)
    return ::testing::AssertionFailure() << ligne << "-" << colonne << " is taken";
  TPlateau copie = p;
  TListePoints prises{};
  rejouecoup(prises, MAXPOINTSLISTE, copie, ligne, colonne, c, c == NOIR ? BLANC : NOIR);
  if (copie[indexcase(ligne, colonne)] != c)
    return ::testing::AssertionFailure() << ligne << "-" << colonne << " is a suicide";
  return ::testing::AssertionSuccess();
}

// ---- Whole positions through the move entry ------------------------------------------------

struct CasPartie {
  const char* nom;
  int32_t taille;
  std::initializer_list<Coup> coups;
};

const CasPartie kParties[] = {
    {"empty 9x9", 9, {}},
    {"opening", 9, {{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}, {BLANC, 5, 7}}},
    {"a stone in atari",
     9,
     {{NOIR, 5, 5}, {BLANC, 5, 6}, {NOIR, 4, 6}, {BLANC, 3, 3}, {NOIR, 6, 6}, {BLANC, 7, 7}, {NOIR, 5, 7}}},
    {"a crowded corner",
     9,
     {{NOIR, 1, 2}, {BLANC, 1, 3}, {NOIR, 2, 1}, {BLANC, 2, 4}, {NOIR, 3, 2}, {BLANC, 3, 3}, {NOIR, 2, 2},
      {BLANC, 4, 2}, {NOIR, 4, 1}, {BLANC, 2, 3}}},
};

TEST(Recherche, AnswersALegalMoveAndLeavesTheEngineBoardAsReplayed) {
  for (const CasPartie& k : kParties) {
    for (int32_t niveau : {1, 3}) {
      for (uint8_t couleur : {NOIR, BLANC}) {
        SCOPED_TRACE(testing::Message() << k.nom << ", level " << niveau << ", colour " << int(couleur));
        const TConfig config = fixture::configpartie(k.taille, niveau);
        const TListeCoups liste = fixture::listepartie(k.coups);
        platform::fixegraine(7);
        TResultatCoup r;
        entreemoteur(couleur, config, liste, 2, -1, 0, false, r);
        const TPlateau apres = plateaumoteur;
        // The engine's board is the replayed game, its chain table that board's.
        rejouepartie(liste);
        EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, apres));
        calculelibertes(plateaumoteur);
        const TInfoChaine chaines = infochaine;
        EXPECT_TRUE(infochainecoherente(apres));
        EXPECT_EQ(r.couleur, couleur);
        EXPECT_TRUE(coupvalide(apres, couleur, r.ligne, r.colonne));
        EXPECT_TRUE(fixture::memesplateaux(apres, dernierrecherche().plateau));  // every trial move was taken back
        (void)chaines;
      }
    }
  }
}

TEST(Recherche, AWholeGameAtLevelOnePlaysLegalMovesToTwoPasses) {
  // The engine plays both sides through its move entry; an own model of the
  // game checks every move.
  platform::fixegraine(3);
  const TConfig config = fixture::configpartie(9, 1);
  TListeCoups liste{};
  TPlateau partie = plateauvide();
  int32_t n = 0, passes = 0;
  uint8_t c = NOIR;
  TPoint ko;  // the point a single-stone capture forbids at once
  configmoteur.taille = 9;
  for (int32_t coup = 0; coup < 200 && passes < 2; ++coup) {
    SCOPED_TRACE(coup);
    TResultatCoup r;
    entreemoteur(c, config, liste, n == 0 ? 0 : 2, -1, 0, false, r);
    configmoteur.taille = 9;
    ASSERT_TRUE(coupvalide(partie, c, r.ligne, r.colonne));
    ASSERT_FALSE(r.ligne != 0 && recherche::memepoint(TPoint{r.ligne, r.colonne}, ko)) << "ko retaken";
    ko = TPoint{};
    if (r.ligne == 0) {
      ++passes;
    } else {
      passes = 0;
      TListePoints prises{};
      rejouecoup(prises, MAXPOINTSLISTE, partie, r.ligne, r.colonne, c, c == NOIR ? BLANC : NOIR);
      // A lone stone with the captured point as its only liberty makes a ko.
      int32_t amis = 0, vides = 0;
      for (const auto& o : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}}) {
        const int32_t l = r.ligne + o.ligne, k = r.colonne + o.colonne;
        if (l < 1 || l > 9 || k < 1 || k > 9) continue;
        if (partie[indexcase(l, k)] == c) ++amis;
        if (partie[indexcase(l, k)] == VIDE) ++vides;
      }
      if (nbpoints(prises) == 1 && amis == 0 && vides == 1) ko = recherche::pointliste(prises, 1);
    }
    liste[++n] = TCoupPartie{c, r.ligne, r.colonne};
    liste[0].ligne = n;
    c = c == NOIR ? BLANC : NOIR;
  }
  EXPECT_EQ(passes, 2);
}

TEST(Recherche, EarlyMovesSearchThreeDeepWhateverTheLevel) {
  // Four moves played: the last node is at depth 3 even at level 10.
  const TListeCoups liste = fixture::listepartie({{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 10), liste);
  ASSERT_LE(numerocoup, 4);
  const auto r = nouvelle();
  TPoint coup;
  recherche::cherchemeilleurcoup(*r, coup, NOIR, plateaumoteur, derniercoup, avantderniercoup);
  EXPECT_EQ(r->profondeurlimite, 3);
  EXPECT_EQ(r->profondeurvue, 3);

  // Past move 4 the working depth of the level holds.
  const TListeCoups plus =
      fixture::listepartie({{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}});
  fixture::poserecherche(BLANC, fixture::configpartie(9, 5), plus);
  const auto r2 = nouvelle();
  recherche::cherchemeilleurcoup(*r2, coup, BLANC, plateaumoteur, derniercoup, avantderniercoup);
  EXPECT_EQ(r2->profondeurlimite, paramniveaud);
  EXPECT_GT(paramniveaud, 3);
  // No line scored above the engine threshold of 10000: nothing was promoted.
  EXPECT_EQ(r2->seuilordi, recherche::SEUILORDI);
  EXPECT_EQ(nbpoints(r2->promusordi), 0);
}

TEST(Recherche, LevelOneSearchesFourRootMovesAndFourReplies) {
  const TListeCoups liste = fixture::listepartie(
      {{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}, {BLANC, 5, 3}, {NOIR, 6, 4}});
  fixture::poserecherche(BLANC, fixture::configpartie(9, 1), liste);
  ASSERT_EQ(niveau, 1);
  const auto r = nouvelle();
  TPoint coup;
  recherche::cherchemeilleurcoup(*r, coup, BLANC, plateaumoteur, derniercoup, avantderniercoup);
  EXPECT_GT(r->plusessayes[1], 0);
  // A gote root move has the earlier root moves searched again: count the
  // distinct root moves.
  int32_t distincts = 0;
  for (int32_t k = 1; k <= r->racine.nombre; ++k) {
    bool vu = false;
    for (int32_t j = 1; j < k; ++j) vu = vu || recherche::memepoint(r->racine.points[j], r->racine.points[k]);
    if (!vu) ++distincts;
  }
  EXPECT_LE(distincts, 4);
  if (!r->flaggote) {
    EXPECT_LE(r->plusessayes[1], 4);
  }
  EXPECT_LE(r->plusessayes[2], 4);
}

TEST(Recherche, TheGoteRuleAppendsTheEarlierRootMovesUntilTheListIsFull) {
  const auto r = nouvelle();
  const auto point = [](int32_t j) { return TPoint{j % 19 + 1, j / 19 + 1}; };
  for (int32_t j = 1; j <= 5; ++j) r->racine.ajoute(point(j));
  r->kracine = 4;
  recherche::rejouepremiers(*r);
  ASSERT_EQ(r->racine.nombre, 8);
  for (int32_t j = 1; j <= 3; ++j) EXPECT_TRUE(recherche::memepoint(r->racine.points[5 + j], point(j)));
  // Near the end of the list's room the appends stop where it is full.
  while (r->racine.nombre < recherche::CAPACITERACINE - 2) r->racine.ajoute(point(r->racine.nombre + 1));
  r->kracine = 10;
  recherche::rejouepremiers(*r);
  EXPECT_EQ(r->racine.nombre, recherche::CAPACITERACINE);
  EXPECT_TRUE(recherche::memepoint(r->racine.points[recherche::CAPACITERACINE], point(2)));
  EXPECT_EQ(r->rejeux, 2);
}

TEST(Recherche, ThePromotedRootMovesAreSearchedBeforeTheSecondPass) {
  // With an engine threshold every line passes, the engine's moves of the
  // good lines are promoted and appended to the root list after its last
  // move; the first pass searches them before the adjuster starts the
  // second one.
  // Black to move at level 4 (no 9x9 book skips a root move).
  const TListeCoups liste = fixture::listepartie(
      {{NOIR, 5, 5}, {BLANC, 5, 6}, {NOIR, 4, 6}, {BLANC, 3, 3}, {NOIR, 6, 6}, {BLANC, 7, 7}, {NOIR, 5, 7}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 4), liste);
  ASSERT_EQ(niveau, 4);
  const auto r = nouvelle();
  recherche::preparerecherche(*r, NOIR, plateaumoteur, derniercoup);
  r->seuilordi = -1000000;
  recherche::videmofeuilles();
  int32_t cellule = 0;
  recherche::recupcpale(*r, cellule, 0, 1, NOIR, BLANC, derniercoup, avantderniercoup, r->ko1);
  ASSERT_EQ(r->ajoutordi, 1);
  ASSERT_GT(r->racineseconde, 0) << "no second pass";
  int32_t promus = 0;
  for (int32_t k = 1; k <= r->racineseconde; ++k) {
    const TPoint q = r->racine.points[k];
    if (q.ligne == 0) continue;
    EXPECT_TRUE(r->cherchees[indexcase(q.ligne, q.colonne)] & 1) << q.ligne << "-" << q.colonne << " (" << k << ")";
    for (int32_t j = 1; j <= nbpoints(r->promusordi); ++j)
      if (recherche::memepoint(recherche::pointliste(r->promusordi, j), q)) ++promus;
  }
  EXPECT_GT(promus, 0) << "no promoted move joined the root list";
}

TEST(Recherche, OnANarrowed9x9RootTheWeakLeftOutMovesAreSkippedAndTheStrongTried) {
  // White to move at level 6: the winning-line search leaves points out of
  // the root list's winners. Of the root candidates it left out, those the
  // penalty rule finds weak are not tried; the strong ones are, their score
  // lowered. (With black to move, no left-out candidate is strong.)
  const TPlateau p = fixture::posemoteur(
      "..XO.....\n"
      "..XO.....\n"
      ".XXO.O...\n"
      "XO.OO....\n"
      "XOO..X...\n"
      "OX.XX....\n"
      ".XX......\n"
      ".........\n"
      ".........\n");
  const TListeCoups liste = fixture::listeplateau(p, 9);
  platform::fixegraine(1);
  TResultatCoup coup;
  entreemoteur(BLANC, fixture::configpartie(9, 6), liste, 2, -1, 0, false, coup);
  const TRecherche& r = dernierrecherche();
  ASSERT_EQ(coupbasetrouve, 0);
  int32_t faibles = 0, forts = 0;
  for (int32_t k = 1; k <= r.racine.nombre; ++k) {
    const TPoint q = r.racine.points[k];
    const int32_t i = indexcase(q.ligne, q.colonne);
    if (q.ligne == 0 || r.familles.livre[i] != 1) continue;
    const auto& f = r.familles;
    const int32_t valeurs[8] = {f.survieordi[i], f.surviejoueur[i], f.fortificationordi[i], f.invasionforteordi[i],
                                f.faitmortordi[i], f.separationordi[i], f.flou[i], f.somme[i]};
    int32_t score = 0;
    const bool faible = testepenalite(q.ligne, q.colonne, valeurs, score);
    const bool essaye = (tablepaires[q.ligne - 1][q.colonne - 1][i] & 1) != 0;
    (faible ? faibles : forts) += 1;
    EXPECT_EQ(essaye, !faible) << q.ligne << "-" << q.colonne;
  }
  EXPECT_GT(faibles, 0);
  EXPECT_GT(forts, 0);
}

TEST(Recherche, TheRootPutsBoardChainTableAndDeadMarksBack) {
  const TListeCoups liste = fixture::listepartie({{NOIR, 5, 5}, {BLANC, 5, 6}, {NOIR, 4, 6}, {BLANC, 3, 3},
                                                  {NOIR, 6, 6}, {BLANC, 7, 7}, {NOIR, 5, 7}});
  for (int32_t niveau : {1, 5}) {
    SCOPED_TRACE(niveau);
    fixture::poserecherche(BLANC, fixture::configpartie(9, niveau), liste);
    const auto r = nouvelle();
    recherche::preparerecherche(*r, BLANC, plateaumoteur, derniercoup);
    const TPlateau plateau = r->plateau;
    const TInfoChaine chaines = infochaine;
    const TMarques morts = pionsmorts;
    int32_t cellule = 0;
    recherche::recupcpale(*r, cellule, 0, 1, BLANC, NOIR, derniercoup, avantderniercoup, r->ko1);
    EXPECT_TRUE(fixture::memesplateaux(plateau, r->plateau));
    EXPECT_EQ(infochaine, chaines);
    EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
    EXPECT_GT(r->profondeurvue, 1);
  }
}

// The candidate evaluation of a root move measures how far its stone reaches
// into the other side's area: black's root moves stand inside white's
// framework, and their stones reach into white's area.
TEST(Recherche, RootMovesAreMeasuredAgainstTheOtherSidesArea) {
  const TPlateau p = fixture::posemoteur(
      ".........\n"
      ".........\n"
      "..O...O..\n"
      ".........\n"
      "....O....\n"
      ".........\n"
      "..O...O..\n"
      ".........\n"
      "X........\n");
  const TListeCoups liste = fixture::listeplateau(p, 9);
  platform::fixegraine(1);
  TResultatCoup coup;
  entreemoteur(NOIR, fixture::configpartie(9, 1), liste, 2, -1, 0, false, coup);
  const TRecherche& r = dernierrecherche();
  int32_t plus = 0;
  for (int32_t k = 1; k <= r.racine.nombre; ++k) {
    const TPoint q = r.racine.points[k];
    if (q.ligne != 0) plus = std::max(plus, r.evaluationracine[indexcase(q.ligne, q.colonne)]);
  }
  EXPECT_GT(plus, 0);
}

// ---- Ko ---------------------------------------------------------------------------------------

// Black has just taken back at (2, 3): the white stone at (2, 2) is gone and
// retaking it at once is forbidden.
//   . X O . . . . . .
//   X . X O . . . . .
//   . X O . . . . . .
const std::initializer_list<Coup> kKo = {{NOIR, 1, 2}, {BLANC, 1, 3}, {NOIR, 2, 1}, {BLANC, 2, 4}, {NOIR, 3, 2},
                                         {BLANC, 3, 3}, {NOIR, 8, 8}, {BLANC, 2, 2}, {NOIR, 2, 3}};

TEST(Recherche, TheSimpleKoPointIsNeverChosenNorTried) {
  for (int32_t niveau : {1, 5}) {
    SCOPED_TRACE(niveau);
    const TListeCoups liste = fixture::listepartie(kKo);
    fixture::poserecherche(BLANC, fixture::configpartie(9, niveau), liste);
    ASSERT_EQ(capturesderniercoup, 1);
    ASSERT_EQ(plateaumoteur[indexcase(2, 2)], VIDE);
    const auto r = nouvelle();
    TPoint coup;
    recherche::cherchemeilleurcoup(*r, coup, BLANC, plateaumoteur, derniercoup, avantderniercoup);
    EXPECT_EQ(casesinterdites[indexcase(2, 2)] & 0x01, 0x01);
    EXPECT_EQ(casesinterdites[0] & 0x02, 0x02);
    EXPECT_FALSE(coup.ligne == 2 && coup.colonne == 2);
    EXPECT_NE(r->noeuds[1].essayes[indexcase(2, 2)], 2);  // not tried at the root
  }
  // Through the whole entry as well.
  TResultatCoup r;
  entreemoteur(BLANC, fixture::configpartie(9, 5), fixture::listepartie(kKo), 2, -1, 0, false, r);
  EXPECT_FALSE(r.ligne == 2 && r.colonne == 2);
}

// Is `q` on the root's lists: the candidates the chooser reads, or the list
// the root searched (the gote rounds and the promoted moves append to it)?
bool surlisteracine(const TRecherche& r, TPoint q) {
  for (int32_t k = 1; k <= nbpoints(r.candidatsracine); ++k)
    if (recherche::memepoint(recherche::pointliste(r.candidatsracine, k), q)) return true;
  for (int32_t k = 1; k <= r.racine.nombre; ++k)
    if (recherche::memepoint(r.racine.points[k], q)) return true;
  return false;
}

TEST(Recherche, TheRootNeverTriesItsKoPoint) {
  const TListeCoups liste = fixture::listepartie(
      {{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}, {BLANC, 5, 7}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 1), liste);
  const auto r = nouvelle();
  recherche::preparerecherche(*r, NOIR, plateaumoteur, derniercoup);
  // The root's first candidate, then the same search with it as the ko point.
  int32_t cellule = 0;
  recherche::recupcpale(*r, cellule, 0, 1, NOIR, BLANC, derniercoup, avantderniercoup, TPoint{});
  ASSERT_GT(r->racine.nombre, 1);
  const TPoint ko = r->racine.points[1];
  ASSERT_EQ(r->noeuds[1].essayes[indexcase(ko.ligne, ko.colonne)], 2);
  cellule = 0;
  recherche::recupcpale(*r, cellule, 0, 1, NOIR, BLANC, derniercoup, avantderniercoup, ko);
  EXPECT_NE(r->noeuds[1].essayes[indexcase(ko.ligne, ko.colonne)], 2);
  EXPECT_FALSE(recherche::memepoint(r->choisi, ko));
  // It led the root list before; as the ko point it is on neither root list.
  EXPECT_FALSE(surlisteracine(*r, ko));
}

// ---- Trial moves ---------------------------------------------------------------------------------

TEST(Recherche, ASuicideOrATakenPointIsNotPlayed) {
  // White at (1, 1) would have no liberty.
  const TListeCoups liste = fixture::listepartie({{NOIR, 1, 2}, {NOIR, 2, 1}, {BLANC, 5, 5}});
  fixture::poserecherche(BLANC, fixture::configpartie(9, 5), liste);
  const auto r = nouvelle();
  r->plateau = plateaumoteur;
  r->morts[1] = pionsmorts;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  for (TPoint q : {TPoint{1, 1}, TPoint{1, 2}, TPoint{5, 5}}) {
    TPoint ko{9, 9};
    EXPECT_FALSE(recherche::joueessai(*r, 1, q, BLANC, NOIR, ko));
    EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, r->plateau));
    EXPECT_EQ(infochaine, chaines);
    EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
    EXPECT_EQ(ko.ligne, 0);
  }
  // A legal move is played with its captures, then taken back.
  TPoint ko;
  ASSERT_TRUE(recherche::joueessai(*r, 1, TPoint{3, 3}, BLANC, NOIR, ko));
  EXPECT_EQ(r->plateau[indexcase(3, 3)], BLANC);
  recherche::defaitessai(*r, 1, TPoint{3, 3}, NOIR, chaines);
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, r->plateau));
  EXPECT_EQ(infochaine, chaines);
}

TEST(Recherche, TakingASingleStoneThatLeavesASingleStoneInAtariMakesAKoForTheChild) {
  // Black at (2, 3) takes the white stone at (2, 2): the child may not take back there.
  const TListeCoups liste = fixture::listepartie({{NOIR, 1, 2}, {BLANC, 1, 3}, {NOIR, 2, 1}, {BLANC, 2, 4},
                                                  {NOIR, 3, 2}, {BLANC, 3, 3}, {BLANC, 2, 2}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 5), liste);
  const auto r = nouvelle();
  r->plateau = plateaumoteur;
  r->morts[1] = pionsmorts;
  const TInfoChaine chaines = infochaine;
  TPoint ko;
  ASSERT_TRUE(recherche::joueessai(*r, 1, TPoint{2, 3}, NOIR, BLANC, ko));
  EXPECT_EQ(r->nbprises[1], 1);
  EXPECT_EQ(ko.ligne, 2);
  EXPECT_EQ(ko.colonne, 2);
  recherche::defaitessai(*r, 1, TPoint{2, 3}, BLANC, chaines);
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, r->plateau));
}

// ---- The last node --------------------------------------------------------------------------------

// The state of a search on the kParties "opening" position, its root and
// depth-2 moves played, ready for a node of depth 3 (the engine, black, to move).
struct NoeudTrois {
  std::unique_ptr<TRecherche> r = nouvelle();
  NoeudTrois(TPoint racine, TPoint reponse) {
    const TListeCoups liste = fixture::listepartie(
        {{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}, {BLANC, 5, 7}});
    fixture::poserecherche(NOIR, fixture::configpartie(9, 5), liste);
    recherche::preparerecherche(*r, NOIR, plateaumoteur, derniercoup);
    TPoint ko;
    r->morts[1] = pionsmorts;
    r->noeuds[1].chaines = infochaine;
    recherche::joueessai(*r, 1, racine, NOIR, BLANC, ko);
    r->morts[2] = pionsmorts;
    r->noeuds[2].chaines = infochaine;
    recherche::joueessai(*r, 2, reponse, BLANC, NOIR, ko);
    r->profondeurlimite = 3;
    // Candidates of the node: the listed atari points.
    for (TPoint p : {TPoint{2, 5}, TPoint{6, 5}, TPoint{8, 5}, TPoint{4, 8}})
      empilepoint(r->listeatari, recherche::CAPACITE, p.ligne, p.colonne);
  }
};

TEST(Recherche, ALastNodeWithoutABoundNeverCuts) {
  NoeudTrois n(TPoint{5, 3}, TPoint{4, 4});
  // No ancestor of the engine's side tried more than one move: no bound.
  n.r->essayes[1] = 1;
  n.r->essayes[2] = 1;
  int32_t cellule = -100000;
  recherche::aprescalcul(*n.r, cellule, 0, 3, NOIR, BLANC, TPoint{4, 4}, TPoint{5, 3}, TPoint{});
  // Every listed point and the pass were tried.
  EXPECT_EQ(n.r->essayes[3], nbpoints(n.r->noeuds[3].candidats));
  EXPECT_GE(n.r->essayes[3], 5);
}

// A leaf of the last node is valued with the side after the node's mover to
// move: a chain in atari that can run costs its side less when that side is
// to move. Black (the root) has a stone in atari at (5, 5) that runs at (5, 6).
TEST(Recherche, ALeafIsValuedWithTheOtherSideOfItsMoverToMove) {
  const TListeCoups liste =
      fixture::listepartie({{NOIR, 5, 5}, {BLANC, 4, 5}, {NOIR, 8, 8}, {BLANC, 6, 5}, {NOIR, 2, 8}, {BLANC, 5, 4}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 5), liste);
  const auto r = nouvelle();
  r->plateau = plateaumoteur;
  r->couleur = NOIR;
  r->autre = BLANC;
  calculelibertes(r->plateau);
  pionsmorts = marquesvides;
  const int32_t etat = etatcalme;
  etatcalme = 0;
  procedurefinpartie = 0;
  const int32_t noirjoue = calculbilanesca(r->plateau, NOIR, NOIR);
  const int32_t blancjoue = calculbilanesca(r->plateau, NOIR, BLANC);
  ASSERT_NE(noirjoue, blancjoue);
  // After a white move (an opponent node) black is to move, and the other way.
  EXPECT_EQ(recherche::valeurfeuille(*r, 0, 4, BLANC), noirjoue);
  EXPECT_EQ(recherche::valeurfeuille(*r, 0, 3, NOIR), blancjoue);
  etatcalme = etat;
}

// Below the root a node never plays its ko point: taking back at once is
// not a legal move, so no line of the search goes through it. The weak-
// liberty scans strike it from a node's list; the second pass's points
// come after them.
TEST(Recherche, BelowTheRootTheKoPointIsNeverTried) {
  const TPoint ko{2, 5};
  // The last node, and a recursion node of the same depth.
  for (const bool dernier : {true, false}) {
    SCOPED_TRACE(dernier ? "last node" : "recursion node");
    NoeudTrois n(TPoint{5, 3}, TPoint{4, 4});
    n.r->essayes[1] = 1;
    n.r->essayes[2] = 1;
    n.r->secondepasse = 1;
    n.r->listeseconde[0] = 0;
    empilepoint(n.r->listeseconde, recherche::CAPACITE, ko.ligne, ko.colonne);
    int32_t cellule = 0;
    if (dernier) {
      recherche::aprescalcul(*n.r, cellule, 0, 3, NOIR, BLANC, TPoint{4, 4}, TPoint{5, 3}, ko);
    } else {
      n.r->profondeurlimite = 5;
      recherche::recupcpale(*n.r, cellule, 0, 3, NOIR, BLANC, TPoint{4, 4}, TPoint{5, 3}, ko);
    }
    const TListePoints& l = n.r->noeuds[3].candidats;
    bool liste = false;
    for (int32_t k = 1; k <= nbpoints(l); ++k) liste = liste || recherche::memepoint(recherche::pointliste(l, k), ko);
    ASSERT_TRUE(liste);
    EXPECT_NE(n.r->noeuds[3].essayes[indexcase(ko.ligne, ko.colonne)], 2);
    EXPECT_GE(n.r->essayes[3], 2);
  }
}

// A node below the reply notes its best move against the root move in the
// pair table, where the adjuster and the reply terms read the pairs; the
// second pass leaves the table alone.
TEST(Recherche, ADeeperNodeNotesItsBestMoveAgainstTheRootMove) {
  const TPoint racine{5, 3};
  for (const bool seconde : {false, true}) {
    SCOPED_TRACE(seconde ? "second pass" : "first pass");
    NoeudTrois n(racine, TPoint{4, 4});
    n.r->essayes[1] = 1;
    n.r->essayes[2] = 1;
    n.r->profondeurlimite = 5;
    n.r->secondepasse = seconde ? 1 : 0;
    // The nodes mark their own candidate areas; start with the whole board.
    const TMarques zone = zonemarquee;
    std::fill(zonemarquee.begin(), zonemarquee.end(), 1);
    uint8_t(&ligne)[NBCASES] = tablepaires[racine.ligne - 1][racine.colonne - 1];
    std::fill(std::begin(ligne), std::end(ligne), 0);
    int32_t cellule = 0;
    recherche::recupcpale(*n.r, cellule, 0, 3, NOIR, BLANC, TPoint{4, 4}, racine, TPoint{});
    zonemarquee = zone;
    // The reply's row was empty and no node of depth 2 ran: every mark comes
    // from the nodes of depths 3 and 4.
    int32_t notees = 0;
    for (const uint8_t bits : ligne) notees += bits & 1;
    if (seconde)
      EXPECT_EQ(notees, 0);
    else
      EXPECT_GT(notees, 0);
  }
}

TEST(Recherche, ALastNodeCutsAsSoonAsItReachesTheBoundOfItsAncestor) {
  NoeudTrois n(TPoint{5, 3}, TPoint{4, 4});
  // The opponent's node of depth 2 has tried two replies and entered depth 3
  // with a value any move reaches: the first candidate ends the node.
  n.r->essayes[2] = 2;
  int32_t cellule = -100000;
  recherche::aprescalcul(*n.r, cellule, 0, 3, NOIR, BLANC, TPoint{4, 4}, TPoint{5, 3}, TPoint{});
  EXPECT_EQ(n.r->essayes[3], 1);
  EXPECT_EQ(cellule, -100000);
}

TEST(Recherche, AfterTwoPassesInARowOnlyThePassIsSearched) {
  NoeudTrois n(TPoint{}, TPoint{});
  n.r->essayes[2] = 1;
  int32_t cellule = 0;
  recherche::aprescalcul(*n.r, cellule, 0, 3, NOIR, BLANC, derniercoup, derniercoup, TPoint{});
  EXPECT_EQ(nbpoints(n.r->noeuds[3].candidats), 1);
  EXPECT_EQ(n.r->essayes[3], 1);
  EXPECT_EQ(n.r->meilleurcoup[3].ligne, 0);
  EXPECT_TRUE(fixture::memesplateaux(plateaumoteur, n.r->plateau));
}

// ---- The last recursion depth ------------------------------------------------------------------------

// At the last recursion depth (3) from level 8, the capture readings around
// the root stone take in the reply too: an engine chain next to the reply
// that the line's dead marks do not hold is read with the opponent to move.
// The reply at (2, 3) joins (2, 2), next to black's corner chain, which keeps
// two liberties but dies whichever it fills; the root stone at (8, 8) touches
// no white stone.
TEST(Recherche, AtTheLastRecursionDepthTheChainsAroundTheReplyAreReadToo) {
  const TListeCoups liste = fixture::listepartie(
      {{NOIR, 1, 1}, {BLANC, 1, 4}, {NOIR, 1, 2}, {BLANC, 2, 2}, {NOIR, 7, 7}, {BLANC, 3, 1}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 5), liste);
  const auto r = nouvelle();
  recherche::preparerecherche(*r, NOIR, plateaumoteur, derniercoup);
  // The line's marks do not hold the corner chain dead.
  for (TPoint p : {TPoint{1, 1}, TPoint{1, 2}}) {
    pionsmorts[indexcase(p.ligne, p.colonne)] = 0;
    marquesliaison1[indexcase(p.ligne, p.colonne)] = 0;
  }
  const TPoint racine{8, 8}, reponse{2, 3};
  TPoint ko;
  r->morts[1] = pionsmorts;
  r->noeuds[1].chaines = infochaine;
  ASSERT_TRUE(recherche::joueessai(*r, 1, racine, NOIR, BLANC, ko));
  r->morts[2] = pionsmorts;
  r->noeuds[2].chaines = infochaine;
  ASSERT_TRUE(recherche::joueessai(*r, 2, reponse, BLANC, NOIR, ko));
  // No cut: every ancestor tried one move. The reply is worth something to white.
  r->essayes[1] = 1;
  r->essayes[2] = 1;
  r->profondeurlimite = 4;
  r->familles.sommejoueur[indexcase(reponse.ligne, reponse.colonne)] = 20;
  const int32_t niveausauve = niveau;
  niveau = 8;
  flagrelie = 0;
  int32_t cellule = 0;
  recherche::recupcpale(*r, cellule, 0, 3, NOIR, BLANC, reponse, racine, TPoint{});
  niveau = niveausauve;
  // Only the reading of the reply's neighbours can find a chain lost.
  EXPECT_EQ(flagrelie, 1);
}

// ---- The pass decision -------------------------------------------------------------------------------

TEST(Recherche, AfterTheOpponentsPassAPointInsideOwnAreaWithNothingAtStakeIsAPass) {
  const TListeCoups liste =
      fixture::listepartie({{NOIR, 3, 3}, {BLANC, 7, 7}, {NOIR, 3, 7}, {BLANC, 7, 3}, {NOIR, 5, 5}, {BLANC, 0, 0}});
  fixture::poserecherche(NOIR, fixture::configpartie(9, 5, 0), liste);
  ASSERT_EQ(passesconsecutives, 1);
  struct Cas {
    const char* nom;
    uint8_t proprietaire;
    int32_t flou;
    uint8_t strategie;
    int32_t calme;
    bool passe;
  };
  for (const Cas& k : {Cas{"own area, nothing at stake", NOIR, 0, 2, 0, true},
                       Cas{"own area, calm", NOIR, 0, 2, 4, true},
                       Cas{"own area, fuzzy value but defending", NOIR, 30, 1, 0, true},
                       Cas{"own area, fuzzy value", NOIR, 30, 2, 0, false},
                       Cas{"something at stake", NOIR, 0, 2, 2, false},
                       Cas{"nobody's area", VIDE, 0, 2, 0, false}}) {
    SCOPED_TRACE(k.nom);
    const auto r = nouvelle();
    recherche::preparerecherche(*r, NOIR, plateaumoteur, derniercoup);
    const TPoint q{2, 2};
    territoire[indexcase(q.ligne, q.colonne)] = k.proprietaire;
    r->familles.flou[indexcase(q.ligne, q.colonne)] = k.flou;
    strategie = k.strategie;
    etatcalme = k.calme;
    ordipasse = 0;
    TPoint coup = q;
    recherche::decisionpasse(*r, coup);
    EXPECT_EQ(ordipasse == 1, k.passe);
    if (!k.passe) {
      EXPECT_EQ(coup.ligne, q.ligne);
      EXPECT_EQ(coup.colonne, q.colonne);
    }
  }
}

TEST(Recherche, AfterTheOpponentsPassALoneDameIsFilledUnderAreaRules) {
  // Settled but for the dame (5, 5) beside white's wall; black passed.
  const fixture::Position pos = fixture::diagramme(
      ".X.X.X.X.\nXXXXXXXXX\n.X.X.X.X.\nXXXXXXXXX\nOOOO.OOOO\n.O.OOO.O.\nOOOO.OOOO\n.O.OOO.O.\nOOOO.OOOO\n");
  TListeCoups liste = fixture::listeplateau(pos.plateau, 9);
  const int32_t n = liste[0].ligne + 1;
  liste[n] = TCoupPartie{NOIR, 0, 0};
  liste[0].ligne = n;
  platform::fixegraine(5);
  TResultatCoup r;
  entreemoteur(BLANC, fixture::configpartie(9, 7, 2), liste, 2, -1, 0, false, r);
  EXPECT_EQ(r.ligne, 5);
  EXPECT_EQ(r.colonne, 5);
}

TEST(Recherche, CleanupListsTheLibertiesOfADeadStoneInItsArea) {
  // Black's area (rows 1-6, columns 1-4) holds a dead white stone at (3, 2);
  // both sides passed. A cleanup move must be able to take it: its four
  // liberties are root candidates and the turn is not judged at stake.
  TListeCoups liste = fixture::listepartie({});
  int32_t n = 0;
  const auto pose = [&](uint8_t c, int32_t l, int32_t k) { liste[++n] = TCoupPartie{c, l, k}; };
  for (int32_t k = 1; k <= 4; ++k) pose(NOIR, 7, k);
  for (int32_t l = 1; l <= 7; ++l) pose(NOIR, l, 5);
  pose(NOIR, 4, 3);
  pose(NOIR, 5, 2);
  for (int32_t k = 1; k <= 5; ++k) pose(BLANC, 8, k);
  for (int32_t l = 1; l <= 8; ++l) pose(BLANC, l, 6);
  pose(BLANC, 3, 2);
  pose(BLANC, 0, 0);
  pose(NOIR, 0, 0);
  pose(BLANC, 0, 0);
  liste[0].ligne = n;
  platform::fixegraine(5);
  TResultatCoup r;
  entreemoteur(NOIR, fixture::configpartie(9, 7, 0), liste, 2, -1, 0, true, r);
  EXPECT_EQ(compteurinfluence, 0);  // a stone dying alone in white's area loses nothing
  EXPECT_NE(etatcalme, 2);
  const TListePoints& racine = dernierrecherche().candidatsracine;
  for (const TPoint p : {TPoint{2, 2}, TPoint{4, 2}, TPoint{3, 1}, TPoint{3, 3}}) {
    bool liste = false;
    for (int32_t k = 1; k <= nbpoints(racine); ++k)
      if (recherche::memepoint(recherche::pointliste(racine, k), p)) liste = true;
    EXPECT_TRUE(liste) << p.ligne << "-" << p.colonne;
  }
}

TEST(Recherche, WithoutAMoveAnOwnChainInAtariIsSaved) {
  // White's stone at (5, 5) has one liberty left at (5, 6); the search found nothing.
  const TListeCoups liste = fixture::listepartie(
      {{BLANC, 5, 5}, {NOIR, 4, 5}, {NOIR, 6, 5}, {NOIR, 5, 4}, {BLANC, 1, 1}, {NOIR, 9, 9}});
  fixture::poserecherche(BLANC, fixture::configpartie(9, 5), liste);
  const auto r = nouvelle();
  recherche::preparerecherche(*r, BLANC, plateaumoteur, derniercoup);
  ordipasse = 0;
  TPoint coup;
  recherche::decisionpasse(*r, coup);
  EXPECT_EQ(coup.ligne, 5);
  EXPECT_EQ(coup.colonne, 6);
  EXPECT_EQ(ordipasse, 0);
}

TEST(Recherche, WithNoLegalMoveTheEnginePasses) {
  // Every empty point is an eye of black's: white may play nowhere.
  const char* diagramme =
      ". X X X X X X X X\n"
      "X X X X X X X X X\n"
      "X X X X X X X X X\n"
      "X X X X . X X X X\n"
      "X X X X X X X X X\n"
      "X X X X X X X X X\n"
      "X X X X X X X X X\n"
      "X X X X X X X X X\n"
      "X X X X X X X X .\n";
  const fixture::Position pos = fixture::diagramme(diagramme);
  TResultatCoup r;
  entreemoteur(BLANC, fixture::configpartie(9, 5), fixture::listeplateau(pos.plateau, 9), 2, -1, 0, false, r);
  EXPECT_EQ(r.ligne, 0);
  EXPECT_EQ(r.colonne, 0);
  EXPECT_EQ(ordipasse, 1);
}


// ---- The clock's deadline ------------------------------------------------------------------

TEST(RechercheEcheance, TheMovesTimeFollowsTheClock) {
  struct Cas {
    const char* nom;
    TTempsRestant t;
    int32_t coups, taille;
    double secondes;  // after the start
  } const cas[] = {
      {"absolute, 9x9 at move 10: three moves of 600 / 27 s", {600, -1}, 10, 9, 3 * 600.0 / 27},
      {"late in the game: a third of the time left", {90, -1}, 80, 9, 30},
      {"byo-yomi, 5 stones in 30 s: a third of the time left", {30, 5}, 40, 19, 10},
      {"no time left: at once", {0, -1}, 40, 19, 0},
  };
  // Under a clock the level plays no part.
  for (const Cas& c : cas)
    for (int32_t niveau : {1, 5, 10}) {
      SCOPED_TRACE(c.nom);
      SCOPED_TRACE(niveau);
      const uint64_t fin = echeancecoup(c.t, niveau, c.coups, c.taille, 1000);
      EXPECT_NEAR(static_cast<double>(fin - 1000) / 1e9, c.secondes, 1e-6);
    }
}

TEST(RechercheEcheance, WithoutAClockTheLevelsBoundHoldsIt) {
  // Without a clock the deadline is the level's bound of one move, whatever
  // the size and the move: early 19x19 moves are not squeezed as a game
  // clock would squeeze them.
  for (int32_t niveau = 1; niveau <= 10; ++niveau)
    for (int32_t taille : {9, 13, 19})
      for (int32_t coups : {0, 30, 60, 200, 400}) {
        SCOPED_TRACE(testing::Message() << "level " << niveau << ", " << taille << "x" << taille << ", move " << coups);
        const uint64_t fin = echeancecoup({-1, 0}, niveau, coups, taille, 1000);
        EXPECT_NEAR(static_cast<double>(fin - 1000) / 1e9, tempscoupdefaut(niveau), 1e-6);
      }
  // The levels' table: the bound grows with the level and leaves room below
  // 10 s at level 5 and 30 s at level 10 for the work outside the search;
  // levels outside take the nearest.
  for (int32_t niveau = 2; niveau <= 10; ++niveau) EXPECT_GE(tempscoupdefaut(niveau), tempscoupdefaut(niveau - 1));
  EXPECT_LT(tempscoupdefaut(5), 10);
  EXPECT_LT(tempscoupdefaut(10), 30);
  EXPECT_EQ(tempscoupdefaut(0), tempscoupdefaut(1));
  EXPECT_EQ(tempscoupdefaut(11), tempscoupdefaut(10));
}

// The deadline the move entry sets, on a pinned counter: the clock's when
// there is one, else the working level's default; cleanup moves (no clock)
// take level 7's.
TEST(RechercheEcheance, TheEntrySetsTheDeadlineFromTheClockOrTheLevel) {
  const TListeCoups liste = fixture::listepartie(kParties[1].coups);
  const int32_t n = liste[0].ligne;
  const uint64_t debut = fixture::compteurfige();
  struct Cas {
    const char* nom;
    int32_t niveau, temps, pierres;
    bool nettoyage;
    TTempsRestant attendu;
    int32_t niveauattendu;
  } const cas[] = {
      {"no clock, level 1", 1, -1, 0, false, {-1, 0}, 1},
      {"no clock, level 5", 5, -1, 0, false, {-1, 0}, 5},
      {"absolute time, level 5", 5, 300, 0, false, {300, 0}, 5},
      {"byo-yomi, level 3", 3, 30, 5, false, {30, 5}, 3},
      {"cleanup, no clock", 3, -1, 0, true, {-1, 0}, 7},
      {"cleanup under a clock: the clock is dropped", 3, 300, 0, true, {-1, 0}, 7},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    prepareentree(BLANC, fixture::configpartie(9, c.niveau), liste, c.temps, c.pierres, c.nettoyage);
    EXPECT_EQ(finrecherche, echeancecoup(c.attendu, c.niveauattendu, n, 9, debut));
  }
}

// A counter on which every reading comes 1000 s after the one before.
uint64_t horlogerapide() {
  static uint64_t t = 0;
  return t += 1'000'000'000'000ull;
}

// The steps of the root's frame run this turn, in order.
std::vector<int32_t> etapesracine() {
  const TCartesFamilles& f = dernierrecherche().familles;
  return std::vector<int32_t>(f.etapes.begin(), f.etapes.begin() + f.nbetapes);
}
// The frame's steps that run once the analyses' deadline has passed: the
// first analysis, the end-of-game and opening exits, the root list and the
// sums from what was read.
const std::vector<int32_t> kEtapesIndispensables = {1, 2, 3, 7, 19, 21, 27, 29};

// A sensible fallback: a stone (not a pass) on a legal point off the first line.
::testing::AssertionResult coupsense(const TListeCoups& liste, uint8_t c, const TResultatCoup& r) {
  rejouepartie(liste);
  if (r.ligne == 0) return ::testing::AssertionFailure() << "a pass";
  const int32_t n = configmoteur.taille;
  if (r.ligne == 1 || r.ligne == n || r.colonne == 1 || r.colonne == n)
    return ::testing::AssertionFailure() << r.ligne << "-" << r.colonne << " is on the first line";
  return coupvalide(plateaumoteur, c, r.ligne, r.colonne);
}

// White's move through the entry with seed 7, the high-resolution counter
// read from `compteur` meanwhile; `temps` the seconds on the clock (-1: none).
TResultatCoup entreeavec(uint64_t (*compteur)(), const TConfig& config, const TListeCoups& liste,
                         int32_t temps = -1) {
  platform::fixegraine(7);
  TResultatCoup r;
  platform::seam::fixecompteurperf(compteur);
  entreemoteur(BLANC, config, liste, 2, temps, 0, false, r);
  platform::seam::fixecompteurperf(fixture::compteurfige);
  return r;
}

TEST(RechercheEcheance, APassedDeadlineStopsTheSearchWithALegalMove) {
  const TConfig config = fixture::configpartie(9, 10);
  const TListeCoups liste = fixture::listepartie(kParties[1].coups);
  // A clock of 30 s, and 1000 s pass between two readings of the counter.
  TResultatCoup r = entreeavec(horlogerapide, config, liste, 30);
  // The analyses' deadline has passed at their first optional step: the
  // other steps only.
  EXPECT_EQ(etapesracine(), kEtapesIndispensables);
  EXPECT_TRUE(dernierrecherche().interrompu);
  // The root's first candidate only, and it is the move: not a pass, nor a
  // catch-up move of the pass decision; weighed by its own terms, its
  // replies cut at once (no node below depth 2 entered).
  EXPECT_EQ(dernierrecherche().plusessayes[1], 1);
  EXPECT_EQ(dernierrecherche().profondeurvue, 2);
  EXPECT_NE(r.ligne, 0);
  EXPECT_TRUE(recherche::memepoint(TPoint{r.ligne, r.colonne}, dernierrecherche().choisi));
  EXPECT_TRUE(coupsense(liste, BLANC, r));
  // On the pinned counter the deadline never comes: the same position is
  // searched whole, after every step of the frame.
  r = entreeavec(fixture::compteurfige, config, liste);
  EXPECT_FALSE(dernierrecherche().interrompu);
  EXPECT_GT(dernierrecherche().plusessayes[1], 1);
  EXPECT_EQ(dernierrecherche().familles.nbetapes, 29);
}

TEST(RechercheEcheance, APassedDeadlineOn19x19AtLevel10StillPlaysASensibleMove) {
  // Without a clock, the level's bound long passed before the analyses'
  // first optional step: the first root candidate of the ranked list.
  const TConfig config = fixture::configpartie(19, 10);
  const TListeCoups liste = fixture::listelignes(fixture::MILIEU19, 19);
  const TResultatCoup r = entreeavec(horlogerapide, config, liste);
  EXPECT_EQ(etapesracine(), kEtapesIndispensables);
  EXPECT_TRUE(dernierrecherche().interrompu);
  EXPECT_EQ(dernierrecherche().plusessayes[1], 1);
  EXPECT_TRUE(recherche::memepoint(TPoint{r.ligne, r.colonne}, dernierrecherche().choisi));
  EXPECT_TRUE(coupsense(liste, BLANC, r));
}

// A counter that reads `debutfige` the first `lecturesfiges` times, then
// `apres` for good.
int32_t lecturesfiges = 0;
uint64_t apres = 0;
constexpr uint64_t debutfige = 1'000'000'000'000ull;
uint64_t compteursaut() { return lecturesfiges-- > 0 ? debutfige : apres; }

TEST(RechercheEcheance, TheAnalysesStopStartingOptionalStepsAtTheirDeadline) {
  const TConfig config = fixture::configpartie(9, 3);
  const TListeCoups liste = fixture::listepartie(kParties[1].coups);
  const uint64_t borne = static_cast<uint64_t>(tempscoupdefaut(3) * 1e9);
  // The entry reads the counter once, the search's reseeding once; the
  // frame reads it before each optional step (4, 5, 6, 8, ...) until the
  // analyses' deadline has passed, and no more after; the opponent's
  // analysis (step 5) before each point it tries until the search's has.
  // Here steps 4 and 5 start, step 5 tries two points, step 6 finds both
  // deadlines passed.
  lecturesfiges = 6;
  apres = debutfige + 2 * borne;  // both deadlines passed
  TResultatCoup r = entreeavec(compteursaut, config, liste);
  EXPECT_EQ(etapesracine(), (std::vector<int32_t>{1, 2, 3, 4, 5, 7, 19, 21, 27, 29}));
  EXPECT_TRUE(dernierrecherche().interrompu);
  EXPECT_EQ(dernierrecherche().plusessayes[1], 1);
  EXPECT_TRUE(coupsense(liste, BLANC, r));
  // Past the analyses' deadline (PARTANALYSES of the bound) but not the
  // search's: the optional steps are left out, the search runs whole on
  // the list the others built.
  lecturesfiges = 1;
  apres = debutfige + static_cast<uint64_t>(borne * (PARTANALYSES + 1) / 2);
  r = entreeavec(compteursaut, config, liste);
  EXPECT_EQ(etapesracine(), kEtapesIndispensables);
  EXPECT_FALSE(dernierrecherche().interrompu);
  EXPECT_GT(dernierrecherche().plusessayes[1], 1);
  EXPECT_TRUE(coupsense(liste, BLANC, r));
}

TEST(RechercheEcheance, TheAnalysesDeadlineIsPartOfTheWayToTheSearchs) {
  EXPECT_EQ(echeanceanalyses(1000, 1000 + 18'000'000'000ull), 1000 + static_cast<uint64_t>(18e9 * PARTANALYSES));
  EXPECT_EQ(echeanceanalyses(1000, 1000), 1000u);  // no time left: at once
  EXPECT_GT(PARTANALYSES, 0.0);
  EXPECT_LT(PARTANALYSES, 1.0);
  prepareentree(BLANC, fixture::configpartie(9, 5), fixture::listepartie(kParties[1].coups), -1, 0, false);
  EXPECT_EQ(finanalyses, echeanceanalyses(fixture::compteurfige(), finrecherche));
}

}  // namespace
