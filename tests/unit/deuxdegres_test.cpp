// Influence loss in a quiet opening: the deficit, the eroded levels, and the
// points proposed against the opponent's framework.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/listecoups.h"
#include "engine/opening/deuxdegres.h"
#include "tests/support/fixture.h"

namespace {

class PerteInfluence : public ::testing::Test {
 protected:
  TPlateau p{};
  TCartesParPoint morts{};
  void SetUp() override {
    std::string d;
    for (int l = 0; l < 19; ++l) d += std::string(19, '.') + "\n";
    p = fixture::posemoteur(d);
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    compteurinfluence = 0;
    phasedebut = 1;
    coupdecide = 0;
    maxfortification = 0;
    maxsurvie = 0;
    compteurinvasions = compteurinvasions2 = 0;
    territoireaprendre[1] = 0;
    numerocoup = 10;
    flagfortif2 = 0;
    strategie = 2;
    coupdebutchoisi = 0;
    procedurefinpartie = 0;
    flagterritoire = 0;
    // White's framework on the right half, black's on the left.
    for (int l = 1; l <= 19; ++l)
      for (int c = 1; c <= 19; ++c) {
        influence[indexcase(l, c)] = c <= 10 ? NOIR : BLANC;
        casescandidates[indexcase(l, c)] = 1;
      }
  }
  void TearDown() override { casescandidates = marquesvides; }
};

TEST_F(PerteInfluence, ADeficitOfZeroOnlyLabels) {
  compteurinfluence2 = 0;
  TCarte scores = zerobonus;
  TListePoints liste{};
  testeperteinfluence(scores, p, morts, liste, BLANC, NOIR);
  EXPECT_EQ(coupdebutchoisi, 0);
  EXPECT_EQ(scores, zerobonus);
  EXPECT_EQ(nbpoints(liste), 0);
}

TEST_F(PerteInfluence, ADeficitProposesPointsInTheOpponentsFramework) {
  compteurinfluence2 = -3;
  TCarte scores = zerobonus;
  TListePoints liste{};
  testeperteinfluence(scores, p, morts, liste, BLANC, NOIR);
  EXPECT_EQ(coupdebutchoisi, 3);  // the deficit itself
  ASSERT_GT(nbpoints(liste), 0);
  for (int32_t k = 1; k <= nbpoints(liste); ++k) {
    const int32_t l = ligneliste(liste, k), c = colonneliste(liste, k);
    EXPECT_EQ(influence[indexcase(l, c)], BLANC);
    EXPECT_EQ(scores[indexcase(l, c)], 30);
    EXPECT_TRUE(l >= 3 && l <= 17 && c >= 3 && c <= 17);
  }
  // Neutral empty points make up the deficit; and nothing before move 4.
  compteurinfluence2 = -1;
  for (auto [neutres, coup] : {std::pair{2, 10}, std::pair{0, 3}}) {
    coupdebutchoisi = 0;
    numerocoup = coup;
    for (int k = 1; k <= 2; ++k) influence[indexcase(1, k)] = k <= neutres ? VIDE : NOIR;
    scores = zerobonus;
    testeperteinfluence(scores, p, morts, liste, BLANC, NOIR);
    EXPECT_EQ(coupdebutchoisi, 0);
    EXPECT_EQ(scores, zerobonus);
  }
}

// A lone white stone at (4,4) in an empty corner of Black's area, which
// White could link out by the jump to (4,6) (the other link points are made
// dead in White's trials).
class DeuxDegres : public ::testing::Test {
 protected:
  TPlateau p{};
  TCartesParPoint mortsjoueur{}, mortsordi{};
  TCarte a1 = zerobonus, a2 = zerobonus, scores = zerobonus;
  TListePoints liste{};
  void SetUp() override {
    std::string d;
    for (int l = 1; l <= 19; ++l) d += (l == 4 ? "...O" + std::string(15, '.') : std::string(19, '.')) + "\n";
    p = fixture::posemoteur(d);
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    phasedebut = 1;
    debutpartie = 1;
    coupdecide = 0;
    coupdebutchoisi = 0;
    flagouverture = 0;
    pionsmortsbis = marquesvides;
    territoire3.fill(VIDE);
    videsennemis = marquesvides;
    for (auto& z : infozones) z = ZONEVIDE;
    for (int l = 1; l <= 6; ++l)
      for (int c = 1; c <= 6; ++c) {
        const int32_t i = indexcase(l, c);
        if (distancebord[i] < 3) territoire2[i] = NOIR;
        casescandidates[i] = p[i] == VIDE ? 1 : 0;
        if (distancebord[i] >= 3 && !(l == 4 && c == 6)) mortsjoueur[l - 1][c - 1][i] = 1;
      }
  }
  void TearDown() override {
    casescandidates = marquesvides;
    territoire2.fill(VIDE);
  }
  void lance(const TMarques& zone) {
    fixture::verifieinchange(p, [&] {
      coupadeuxdegres(zone, TCartesOuverture{a1, zerobonus, zerobonus, zerobonus, zerobonus, zerobonus, mortsordi,
                                             mortsjoueur},
                      a2, TPoint{4, 4}, liste, p, scores, BLANC, NOIR);
    });
  }
};

TEST_F(DeuxDegres, TheLinkPointIsTakenAsADefenceAboveEveryValue) {
  a1[indexcase(10, 10)] = 30;
  a2[indexcase(10, 10)] = 40;
  lance(marquesvides);
  EXPECT_EQ(coupdebutchoisi, 1);
  std::string points;
  for (int32_t k = 1; k <= nbpoints(liste); ++k)
    points += std::to_string(ligneliste(liste, k)) + "," + std::to_string(colonneliste(liste, k)) + " ";
  // A black stone in the corner rectangle, or on the link point; the points
  // next to the stone are not linked to Black and are dropped.
  EXPECT_EQ(points, "2,2 2,3 2,4 3,2 4,2 4,6 ");
  EXPECT_EQ(scores[indexcase(4, 6)], 120);  // the largest total 70, plus 50
  EXPECT_EQ(scores[indexcase(4, 5)], 0);
}

TEST_F(DeuxDegres, NothingOutsideTheOpeningPhaseOrInAMaskedCorner) {
  TMarques zone = marquesvides;
  zone[indexcase(1, 1)] = 1;  // the quadrant is gated at its corner point
  lance(zone);
  phasedebut = 0;
  lance(marquesvides);
  EXPECT_EQ(coupdebutchoisi, 0);
  EXPECT_EQ(nbpoints(liste), 0);
  EXPECT_EQ(scores, zerobonus);
}

}  // namespace
