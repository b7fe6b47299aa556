// Dangerous corner moves: the joseki answer in a corner the opponent can
// enter, the zone mask on corner vertices, and the second pass over owned
// corners only when the first took nothing.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/jeu.h"
#include "engine/opening/coinsdangereux.h"
#include "engine/proposals/cadre.h"
#include "tests/support/fixture.h"

namespace {

class CoinsDangereux : public ::testing::Test {
 protected:
  TPlateau p{};
  void SetUp() override {
    std::string d;
    for (int l = 0; l < 19; ++l) d += std::string(19, '.') + "\n";
    p = fixture::posemoteur(d);
    plateaudepart = p;
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    debutpartie = 1;
    phasedebut = 1;
    flagouverture = 0;
    coupdebutchoisi = 0;
    for (auto* m : {&casescandidates, &casescandidatesjoueur, &suggestionsjoseki, &lesfaibles, &marquessurvie})
      *m = marquesvides;
    valeurscoins = zerobonus;
    for (auto* t : {&essaisordi, &essaisjoueur})
      for (auto& ligne : *t)
        for (TEssaiCoup& e : ligne) {
          e.carte1essai.fill(VIDE);
          e.carte2essai = marquesvides;
          e.liensessai = zerobonus;
          e.marquesessai = marquesvides;
          e.gainmoyoordi = 0;  // compteur0essai
          peutlierfortessai(e) = 0;
          metlieaunfaibleessai(e, 0);
        }
  }
  // A corner the engine does not own: a trial that claims the corner, an
  // opponent entry, and a joseki move of that corner.
  static void coinouvert(TPoint coup, TPoint entree, uint8_t bit, TPoint sommet) {
    casescandidates[indexcase(coup.ligne, coup.colonne)] = 1;
    essaiordi(coup.ligne, coup.colonne).carte1essai[indexcase(sommet.ligne, sommet.colonne)] = NOIR;
    casescandidatesjoueur[indexcase(entree.ligne, entree.colonne)] = 1;
    essaijoueur(entree.ligne, entree.colonne).gainmoyoordi = 1;  // compteur0essai
    suggestionsjoseki[indexcase(coup.ligne, coup.colonne)] = static_cast<uint8_t>(1 | bit);
    valeurscoins[indexcase(coup.ligne, coup.colonne)] = 40;
  }
  // A corner the engine owns, with a candidate in its window.
  static void coinpossede(TPoint coup, TPoint entree, uint8_t bit, TPoint sommet) {
    territoire[indexcase(sommet.ligne, sommet.colonne)] = NOIR;
    casescandidates[indexcase(coup.ligne, coup.colonne)] = 1;
    casescandidatesjoueur[indexcase(entree.ligne, entree.colonne)] = 1;
    essaijoueur(entree.ligne, entree.colonne).gainmoyoordi = 1;  // compteur0essai
    suggestionsjoseki[indexcase(coup.ligne, coup.colonne)] = static_cast<uint8_t>(1 | bit);
    valeurscoins[indexcase(coup.ligne, coup.colonne)] = 40;
  }
};

TEST_F(CoinsDangereux, AFirstPassPickSuppressesTheSecondPass) {
  coinouvert({3, 3}, {2, 2}, 128, {1, 1});
  coinpossede({17, 17}, {18, 18}, 32, {19, 19});
  TCarte scores = zerobonus;
  TListePoints liste{};
  fixture::verifieinchange(p, [&] { prisedecoindangereux(marquesvides, scores, p, BLANC, NOIR, liste); });
  EXPECT_EQ(coupdebutchoisi, 1);
  EXPECT_EQ(scores[indexcase(3, 3)], 1000);
  EXPECT_EQ(scores[indexcase(17, 17)], 0);
  EXPECT_EQ(nbpoints(liste), 1);
}

TEST_F(CoinsDangereux, AMaskedCornerIsNeverExamined) {
  coinouvert({3, 3}, {2, 2}, 128, {1, 1});
  coinpossede({17, 17}, {18, 18}, 32, {19, 19});
  TMarques zone = marquesvides;
  zone[indexcase(1, 1)] = 1;
  TCarte scores = zerobonus;
  TListePoints liste{};
  prisedecoindangereux(zone, scores, p, BLANC, NOIR, liste);
  EXPECT_EQ(scores[indexcase(3, 3)], 0);
  EXPECT_EQ(scores[indexcase(17, 17)], 1000);  // found by the second pass
  // Both vertices masked: nothing at all.
  zone[indexcase(19, 19)] = 1;
  coupdebutchoisi = 0;
  scores = zerobonus;
  prisedecoindangereux(zone, scores, p, BLANC, NOIR, liste);
  EXPECT_EQ(coupdebutchoisi, 0);
  EXPECT_EQ(scores, zerobonus);
}

TEST_F(CoinsDangereux, AnEntryThatCapturesOnTheTrialBoardRefutesTheMove) {
  // The engine's 3-3 claims the corner; white's only entry is at 1-2.
  casescandidates[indexcase(3, 3)] = 1;
  casescandidatesjoueur[indexcase(1, 2)] = 1;
  essaijoueur(1, 2).gainmoyoordi = 1;  // compteur0essai
  TEssaiCoup& e = essaiordi(3, 3);
  e.carte1essai[indexcase(1, 1)] = NOIR;
  peutlierfortessai(e) = 1;
  for (bool prise : {false, true}) {
    // With a black stone at 1-1 beside white's 2-1 on the trial board, the
    // entry captures it.
    e.plateauessai = p;
    e.plateauessai[indexcase(3, 3)] = NOIR;
    if (prise) {
      e.plateauessai[indexcase(1, 1)] = NOIR;
      e.plateauessai[indexcase(2, 1)] = BLANC;
    }
    calculelibertes(e.plateauessai);
    e.infochaineessai = infochaine;
    e.plateauessai2 = marquesvides;
    calculelibertes(p);
    coupdebutchoisi = 0;
    TCarte scores = zerobonus;
    TListePoints liste{};
    fixture::verifieinchange(p, [&] { prisedecoindangereux(marquesvides, scores, p, BLANC, NOIR, liste); });
    EXPECT_EQ(scores[indexcase(3, 3)], prise ? 0 : 1000) << prise;
  }
}

TEST_F(CoinsDangereux, NothingOutsideTheOpening) {
  coinouvert({3, 3}, {2, 2}, 128, {1, 1});
  debutpartie = 0;
  TCarte scores = zerobonus;
  TListePoints liste{};
  prisedecoindangereux(marquesvides, scores, p, BLANC, NOIR, liste);
  EXPECT_EQ(scores, zerobonus);
}

}  // namespace
