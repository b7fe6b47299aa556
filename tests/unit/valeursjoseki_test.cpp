// Joseki move valuation: the lock situations, single suggestions, 3-3
// pruning by board size, and the tie redraw.
#include <gtest/gtest.h>

#include <string>

#include "engine/opening/valeursjoseki.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

std::string plateau(int n, std::initializer_list<std::tuple<int, int, char>> pierres) {
  std::string s;
  for (int l = 0; l < n; ++l) s += std::string(static_cast<std::size_t>(n), '.') + "\n";
  for (auto [l, c, v] : pierres) s[static_cast<std::size_t>((l - 1) * (n + 1) + (c - 1))] = v;
  return s;
}

class ValeursJoseki : public ::testing::Test {
 protected:
  TPlateau pose(const std::string& d) {
    TPlateau p = fixture::posemoteur(d);
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    phasedebut = 1;
    debutpartie = 1;
    flagdanger = 0;
    flagfortification = 0;
    compteurinvasions = 0;
    passesconsecutives = 0;
    flagouverture = 0;
    coupdecide = 0;
    coupdebutchoisi = 0;
    suggestionsjoseki = marquesvides;
    casescandidates = marquesvides;
    casescandidatesjoueur = marquesvides;
    lesfaibles = marquesvides;
    pionsmortsbis = marquesvides;
    influence.fill(VIDE);
    for (auto& ligne : essaisordi)
      for (TEssaiCoup& e : ligne) {
        e.carte2essai = marquesvides;
        e.plateauessai2 = marquesvides;
        e.compteur1essai = e.compteur2essai = 0;
      }
    return p;
  }
  static void suggere(int l, int c, uint8_t bits) {
    suggestionsjoseki[indexcase(l, c)] = bits;
    casescandidates[indexcase(l, c)] = 1;
  }
};

TEST_F(ValeursJoseki, ALoneOpponentStoneOffTheDiagonalLocksTheCorner) {
  const TPlateau p = pose(plateau(19, {{3, 4, 'O'}}));
  suggere(5, 3, 1 | 128);
  TCarte scores = zerobonus;
  TListePoints liste{};
  analyseverrous(marquesvides, scores, p, liste, 3, 4, BLANC, NOIR);
  EXPECT_EQ(valeurscoins[indexcase(5, 3)], 50 * 8 + 10);  // lock value, last move in the corner
  EXPECT_EQ(scores[indexcase(5, 3)], 500);
  EXPECT_EQ(coupdebutchoisi, 1);
  EXPECT_EQ(coupdecide, 1);
  EXPECT_EQ(nbpoints(liste), 1);
}

TEST_F(ValeursJoseki, MaskedOrOccupiedPointsAreNotValued) {
  const TPlateau p = pose(plateau(19, {{3, 4, 'O'}}));
  suggere(5, 3, 1 | 128);
  suggere(3, 4, 128);  // the stone itself
  TMarques zone = marquesvides;
  zone[indexcase(5, 3)] = 1;
  TCarte scores = zerobonus;
  TListePoints liste{};
  analyseverrous(zone, scores, p, liste, 3, 4, BLANC, NOIR);
  EXPECT_EQ(valeurscoins, zerobonus);
  EXPECT_EQ(coupdebutchoisi, 0);
}

TEST_F(ValeursJoseki, SmallBoardsValueOnlyTheEnginesMovesAndKeepThreeThree) {
  // 13x13: the opponent's move is skipped; a 3-3 suggestion below 14 lines
  // is never pruned.
  TPlateau p = pose(plateau(13, {{4, 4, 'O'}}));
  suggere(3, 3, 1 | 128);
  suggere(3, 10, 2 | 16);
  TCarte scores = zerobonus;
  TListePoints liste{};
  analyseverrous(marquesvides, scores, p, liste, 4, 4, BLANC, NOIR);
  EXPECT_EQ(suggestionsjoseki[indexcase(3, 3)], 1 | 128);
  EXPECT_GT(valeurscoins[indexcase(3, 3)], 0);
  EXPECT_EQ(valeurscoins[indexcase(3, 10)], 0);
  // 19x19: the 3-3 under an opponent's 4-4 stone, with nothing around, goes.
  p = pose(plateau(19, {{4, 4, 'O'}}));
  suggere(3, 3, 1 | 128);
  analyseverrous(marquesvides, scores, p, liste, 4, 4, BLANC, NOIR);
  EXPECT_EQ(suggestionsjoseki[indexcase(3, 3)], 0);
}

TEST_F(ValeursJoseki, TiesAreRedrawnAboveTheSecondBest) {
  // Two empty corners with a lone engine move each: equal values.
  const TPlateau p = pose(plateau(19, {}));
  suggere(4, 4, 1 | 128);
  suggere(16, 16, 1 | 32);
  debutpartie = 0;  // not quiet: every value 5 * 8
  flagdanger = 1;
  TCarte scores = zerobonus;
  TListePoints liste{};
  platform::fixegraine(3);
  analyseverrous(marquesvides, scores, p, liste, 0, 0, BLANC, NOIR);
  for (TPoint q : {TPoint{4, 4}, TPoint{16, 16}}) {
    const int32_t v = valeurscoins[indexcase(q.ligne, q.colonne)];
    EXPECT_GE(v, 40 * 9 / 10);
    EXPECT_LT(v, 40 * 9 / 10 + 40 * 20 / 100);
  }
  // A single best value is left alone; a lone own move gets +300.
  renforcejoseki(marquesvides, p, NOIR, liste, BLANC);
  suggestionsjoseki[indexcase(16, 16)] = 0;
  analyseverrous(marquesvides, scores, p, liste, 0, 0, BLANC, NOIR);
  EXPECT_EQ(valeurscoins[indexcase(4, 4)], 40);
  renforcejoseki(marquesvides, p, NOIR, liste, BLANC);
  EXPECT_EQ(valeurscoins[indexcase(4, 4)], 340);
}

}  // namespace
