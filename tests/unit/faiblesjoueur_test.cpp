// The opponent's weak chains and reinforcing moves: the entry gate, the
// link value against the opponent's survival value, the amplify decision,
// the escape valuation, the classification and the restore contract.
#include <gtest/gtest.h>

#include <memory>

#include "engine/board/etat.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/faiblesjoueur.h"
#include "tests/support/cartescote.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_analyse.h"

namespace {

struct Cartes {
  TMarques codes{};
  fixture::CartesFamilleCote a, b;  // the engine's, the opponent's
  TListePoints candidats{}, famille{};
};

void lance(TPlateau& p, Cartes& x) {
  fixture::verifieinchange(p, [&] {
    coupdefortificationjoueur(x.codes, x.a.cartes(), x.b.cartes(), p, NOIR, x.candidats, 361, x.famille, 300);
  });
  EXPECT_LE(nbpoints(x.candidats), 361);
  EXPECT_LE(nbpoints(x.famille), 300);
}

// White's three stones on row 4 are weak; white's move at (5,5) joins them
// to the strong white stone (6,5). No other white candidate.
TPlateau poselien(int32_t niveauessai) {
  TPlateau p = fixture::posemoteur(
      ".........\n"
      ".........\n"
      ".........\n"
      "...OOO...\n"
      ".........\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n");
  territoire3.fill(VIDE);
  casescandidates.fill(0);
  casescandidatesjoueur.fill(0);
  for (auto& ligne : essaisjoueur)
    for (TEssaiCoup& e : ligne) {
      e.compteur2essai = 0;
      e.compteur4essai = 0;
      lieaunfortessai(e) = 0;
      peutlierfortessai(e) = 0;
      e.marquesessai.fill(0);
    }
  lesfaiblesjoueur().fill(0);
  for (const int32_t k : {4, 5, 6}) lesfaiblesjoueur()[indexcase(4, k)] = 1;
  casescandidatesjoueur[indexcase(5, 5)] = 1;
  TEssaiCoup& e = essaijoueur(5, 5);
  lieaunfortessai(e) = 1;
  phasedebut = 1;
  numerocoup = 10;
  passesconsecutives = 0;
  niveau = niveauessai;
  flaginvasion = flaginvasion2 = maxfortification = maxsurvie = 0;
  return p;
}

TEST(FortificationJoueur, GateBeforeMoveFiveOrAfterPass) {
  struct Cas {
    const char* nom;
    int32_t phase, numero, passes;
  } cas[] = {{"move 4", 1, 4, 0}, {"after a pass", 1, 10, 1}, {"outside the opening phase", 0, 10, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TPlateau p = poselien(7);
    phasedebut = c.phase;
    numerocoup = c.numero;
    passesconsecutives = c.passes;
    auto x = std::make_unique<Cartes>();
    x->b.fortification.fill(9);
    x->codes.fill(3);
    flagfortification = 5;
    flagfortifjoueur = 0;
    lance(p, *x);
    EXPECT_EQ(x->b.fortification, TCarte{});
    EXPECT_TRUE(fixture::memesmarques(TMarques{}, x->codes));
    EXPECT_EQ(flagfortifjoueur, 1);
    EXPECT_EQ(flagfortification, 0);
    EXPECT_EQ(nbpoints(x->famille), 0);
  }
}

// 3 weak stones: 60, less the opponent's survival value at the point.
TEST(FortificationJoueur, LinkValueLessSurvival) {
  struct Cas {
    int32_t survie, attendu;
  } cas[] = {{0, 60}, {20, 40}, {80, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.survie);
    TPlateau p = poselien(7);
    auto x = std::make_unique<Cartes>();
    const int32_t P = indexcase(5, 5);
    x->b.survie[P] = c.survie;
    lance(p, *x);
    EXPECT_EQ(x->b.fortification[P], c.attendu);
    EXPECT_EQ(x->codes[P], 4);
    EXPECT_EQ(flagfortification, 3);
    EXPECT_EQ(essaijoueur(5, 5).marquesessai[indexcase(4, 5)], 4);
    EXPECT_EQ(essaijoueur(5, 5).marquesessai[indexcase(6, 5)], 0);  // the strong stone is not counted
    EXPECT_EQ(nbpoints(x->famille), 1);
  }
}

// A strong stone near but not joined (nor peutlierfortessai): not counted.
TEST(FortificationJoueur, LinkNeedsAStrongStone) {
  TPlateau p = poselien(7);
  p[indexcase(6, 5)] = VIDE;
  p[indexcase(7, 7)] = BLANC;
  p = fixture::posemoteur(fixture::texteplateau(p, 9));
  auto x = std::make_unique<Cartes>();
  lance(p, *x);
  EXPECT_EQ(x->b.fortification[indexcase(5, 5)], 0);
  peutlierfortessai(essaijoueur(5, 5)) = 1;
  lance(p, *x);
  EXPECT_EQ(x->b.fortification[indexcase(5, 5)], 60);
}

TEST(FortificationJoueur, AmplifyOnlyAboveLevelThree) {
  struct Cas {
    int32_t niveau, maxsurvie;
    uint8_t attendu;
  } cas[] = {{7, 0, 1}, {4, 0, 1}, {3, 0, 0}, {1, 0, 0}, {7, 3, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.niveau);
    TPlateau p = poselien(c.niveau);
    maxsurvie = c.maxsurvie;
    auto x = std::make_unique<Cartes>();
    lance(p, *x);
    EXPECT_EQ(flagfortification, 3);
    EXPECT_EQ(flagfortifjoueur, c.attendu);
  }
  maxsurvie = 0;
}

// A weak white stone running into the open centre: the points beside it
// are escape points; black's owned points and points far away are not.
TEST(FortificationJoueur, EscapeValueOfARunningStone) {
  const TPlateau p = fixture::posemoteur(
      ".........\n"
      ".........\n"
      ".........\n"
      "...XOX...\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  territoire3.fill(VIDE);
  TMarques faibles{};
  faibles[indexcase(4, 5)] = 1;
  territoire[indexcase(2, 4)] = NOIR;
  territoire2[indexcase(2, 6)] = NOIR;
  const TMarques avant = territoire;
  TCarte E{};
  E.fill(7);
  valeurfuitejoueur(p, faibles, BLANC, E);
  EXPECT_TRUE(fixture::memesplateaux(avant, territoire));
  EXPECT_GT(E[indexcase(3, 5)], 0);     // the stone's way out
  EXPECT_GT(E[indexcase(2, 5)], 0);
  EXPECT_EQ(E[indexcase(2, 4)], 0);     // black's territory
  EXPECT_EQ(E[indexcase(2, 6)], 0);     // black's second owner map
  EXPECT_EQ(E[indexcase(4, 5)], 0);     // a stone
  EXPECT_EQ(E[indexcase(9, 9)], 0);     // far from any weak stone
  EXPECT_EQ(E[indexcase(5, 5)], 0);     // black's stone
  valeurfuitejoueur(p, TMarques{}, BLANC, E);
  EXPECT_EQ(E, TCarte{});               // no weak stone, nowhere to run
}

// On analysed positions: the classification marks only white stones,
// strong and weak apart; board, chain table and dead marks come back.
TEST(FaiblesJoueur, ClassesAndPositionComesBack) {
  for (const char* d : {
           ".........\n...X.....\n..XOX....\n...O.X...\n..X.O....\n....X....\n.........\n.........\n.........\n",
           "..O.O....\n.OXO.O...\n..O..O...\nXX.OO....\n..X.X.O..\n..X..O...\n.XX.XO...\n..X.XO...\n.........\n",
       }) {
    for (const int32_t n : {3, 7}) {
      fixture::Partie partie;
      partie.niveau = n;
      partie.numerocoup = 12;
      auto& a = fixture::analysemoteur(d, partie);
      TPlateau p = plateaumoteur;
      fixture::verifieinchange(p, [&] {
        analysefaibles2(a.ordi.mortsapresessai, a.joueur.mortsapreslecture, p, NOIR, BLANC, marquesvides);
      });
      for (int32_t i = 0; i < NBCASES; ++i) {
        if (lesfaiblesjoueur()[i] || fortsjoueur()[i]) {
          EXPECT_EQ(p[i], BLANC) << i;
        }
        EXPECT_FALSE(lesfaiblesjoueur()[i] && fortsjoueur()[i]) << i;
      }
      auto x = std::make_unique<Cartes>();
      x->a.mortsapresessai = a.ordi.mortsapresessai;
      x->b.mortsapresessai = a.joueur.mortsapresessai;
      lance(p, *x);
    }
  }
}

// A white stone of the attack map is weak (class 1) unless a move is
// already decided.
TEST(FaiblesJoueur, AttackMapMakesWeakUnlessDecided) {
  const char* d = ".........\n.........\n..X......\n.........\n......O..\n.........\n..O......\n.........\n.........\n";
  for (const uint8_t decide : {0, 1}) {
    SCOPED_TRACE(decide);
    auto& a = fixture::analysemoteur(d, {});
    TPlateau p = plateaumoteur;
    const int32_t q = indexcase(5, 7);
    marquesglobales[q] = 0;
    marquesliaison1[q] = 0;
    pionsmortsbis[q] = 0;
    carteattaque.fill(0);
    carteattaque[q] = 1;
    infozones[q] = ZONEVIDE;
    coupdecide = decide;
    analysefaibles2(a.ordi.mortsapresessai, a.joueur.mortsapreslecture, p, NOIR, BLANC, marquesvides);
    coupdecide = 0;
    EXPECT_EQ(lesfaiblesjoueur()[q], decide ? 0 : 1);
    EXPECT_EQ(fortsjoueur()[q], decide ? 1 : 0);
  }
  carteattaque.fill(0);
}

}  // namespace
