// Opening extensions along the sides: the extension from a small group, no
// extension from a box as tall as half the board, and the quiet-position test.
#include <gtest/gtest.h>

#include <string>

#include "engine/opening/extensions.h"
#include "engine/proposals/cadre.h"
#include "tests/support/fixture.h"

namespace {

class Extensions : public ::testing::Test {
 protected:
  TPlateau p{};
  void pose(std::initializer_list<TPoint> noirs) {
    std::string d;
    for (int l = 0; l < 19; ++l) d += std::string(19, '.') + "\n";
    for (TPoint q : noirs) d[static_cast<std::size_t>((q.ligne - 1) * 20 + q.colonne - 1)] = 'X';
    p = fixture::posemoteur(d);
    plateaudepart = p;
    couleurordi = NOIR;
    couleurjoueur = BLANC;
    phasedebut = 1;
    debutpartie = 1;
    coupdebutchoisi = 0;
    coupdecidejoseki = 0;
    compteurinfluence = compteurinfluence2 = 0;
    flagcoupure = 0;
    maxsurvie = 0;
    flagouverture = 0;
    strategie = 2;
    marquesliaison1 = marquesvides;
    marquesliaison2 = marquesvides;
    pionsmortsbis = marquesvides;
    influence.fill(VIDE);
    for (auto& z : infozones) z = ZONEVIDE;
    for (TPoint q : noirs) infozones[indexcase(q.ligne, q.colonne)].numero = 1;
    casescandidates = marquesvides;
    for (int l = 1; l <= 19; ++l)
      for (int c = 1; c <= 19; ++c) {
        if (p[indexcase(l, c)] != VIDE) continue;
        casescandidates[indexcase(l, c)] = 1;
        TEssaiCoup& e = essaiordi(l, c);
        e.plateauessai = p;
        e.plateauessai[indexcase(l, c)] = NOIR;
        e.plateauessai2 = marquesvides;
        e.carte2essai = marquesvides;
        e.infochaineessai = infochaine;
        e.gainmoyoordi = e.gainmoyojoueur = e.compteur1essai = e.compteur2essai = 0;  // compteur0essai, compteur3essai
        lieaunfortessai(e) = 0;
        metlieaunfaibleessai(e, 0);
        e.lievivanteessai = 0;  // marqueliaisonessai
      }
  }
  void TearDown() override {
    casescandidates = marquesvides;
    for (auto& z : infozones) z = ZONEVIDE;
  }
};

TEST_F(Extensions, ASmallGroupExtendsAlongTheSide) {
  pose({{4, 4}});
  TCarte scores = zerobonus, invasion = zerobonus;
  TListePoints ennemis{}, liste{};
  extensionsdebutpartie(p, invasion, scores, 4, ennemis, 361, liste);
  EXPECT_EQ(coupdebutchoisi, 1);
  // Three lines below the stone, on the third and fourth lines of the left
  // side, and the same along the top.
  for (TPoint q : {TPoint{7, 3}, TPoint{7, 4}, TPoint{3, 7}, TPoint{4, 7}})
    EXPECT_EQ(scores[indexcase(q.ligne, q.colonne)], 300) << q.ligne << " " << q.colonne;
  EXPECT_EQ(scores[indexcase(5, 3)], 0);
}

TEST_F(Extensions, ABoxAsTallAsHalfTheBoardGivesNoExtension) {
  pose({{3, 4}, {12, 4}});  // one group over ten rows
  TCarte scores = zerobonus, invasion = zerobonus;
  TListePoints ennemis{}, liste{};
  extensionsdebutpartie(p, invasion, scores, 4, ennemis, 361, liste);
  EXPECT_EQ(coupdebutchoisi, 0);
  EXPECT_EQ(scores, zerobonus);
  EXPECT_EQ(nbpoints(liste), 0);
}

TEST_F(Extensions, NoExtensionOnceAJosekiMoveIsDecidedOrOutsideTheOpening) {
  pose({{4, 4}});
  TCarte scores = zerobonus, invasion = zerobonus;
  TListePoints ennemis{}, liste{};
  coupdecidejoseki = 1;
  extensionsdebutpartie(p, invasion, scores, 4, ennemis, 361, liste);
  EXPECT_EQ(scores, zerobonus);
  coupdecidejoseki = 0;
  phasedebut = 0;
  extensionsdebutpartie(p, invasion, scores, 4, ennemis, 361, liste);
  EXPECT_EQ(scores, zerobonus);
}

}  // namespace
