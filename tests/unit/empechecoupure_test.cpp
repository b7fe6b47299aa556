// Cut prevention: the level gate, the zone test of the cut shapes, the value
// of a cut against the engine's strength at the cut point, the candidates
// that make it fail, the restore contract.
#include <gtest/gtest.h>

#include <memory>

#include "engine/board/etat.h"
#include "engine/proposals/empechecoupure.h"
#include "tests/support/cartescote.h"
#include "tests/support/fixture.h"

namespace {

struct Cartes {
  fixture::CartesFamilleCote a, b;  // the engine's, the opponent's
  TCarte coupure{};
  TListePoints candidats{};
};

void lance(TPlateau& p, Cartes& x, uint8_t A = NOIR) {
  const TMarques t1 = territoire, t2 = territoire2;
  fixture::verifieinchange(p, [&] {
    coupempechecoupure(p, x.coupure, x.a.cartes(), x.b.cartes(), A, 1 - A, x.candidats, 361);
  });
  EXPECT_TRUE(fixture::memesplateaux(t1, territoire));
  EXPECT_TRUE(fixture::memesplateaux(t2, territoire2));
}

// White's q = (4,3) stands between black (3,4) and (5,3); (4,4) and (5,4)
// are empty, so white cuts at E = (4,4) (a strong invasion value of white
// there makes the shape count without reading). Black at E joins the weak
// stone (5,3), in black's territory, to the strong (3,4): 20 x 1 weak stone
// + 20 x 1 territory stone; white's stones around E take nothing more: 40.
// The candidate E kills q after black's stone there, so it prevents the cut.
TEST(EmpecheCoupure, CutValueAndPreventingPoint) {
  struct Cas {
    const char* nom;
    int32_t niveau, zonehaut, survie, fortification, mortpropre, attendu;
  } cas[] = {
      {"two zones", 7, 1, 0, 0, 0, 40},
      {"level 3", 3, 1, 0, 0, 0, 40},
      {"one zone", 7, 2, 0, 0, 0, 0},
      {"survival at the cut point lowers it", 7, 1, 15, 0, 0, 25},
      {"reinforcement at the cut point reaches it", 7, 1, 0, 40, 0, 0},
      {"own stone dies", 7, 1, 0, 0, 1, 0},
      {"level 2", 2, 1, 0, 0, 0, 0},
      {"level 1", 1, 1, 0, 0, 0, 0},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TPlateau p = fixture::posemoteur(
        ".......\n"
        ".......\n"
        "...X...\n"
        "..O....\n"
        "..X....\n"
        ".......\n"
        ".......\n");
    niveau = c.niveau;
    pointko = TPoint{};
    pionsmortsbis = marquesvides;
    lesfaibles = marquesvides;
    casescandidates = marquesvides;
    for (TInfoZone& z : infozones) z = ZONEVIDE;
    flagcoupure2 = 0;
    const int32_t haut = indexcase(3, 4), bas = indexcase(5, 3), q = indexcase(4, 3), e = indexcase(4, 4);
    infozones[haut].numero = c.zonehaut;
    infozones[bas].numero = 2;
    lesfaibles[bas] = 1;
    territoire[bas] = NOIR;
    auto x = std::make_unique<Cartes>();
    x->coupure.fill(7);
    x->b.invasionforte[e] = 10;
    x->a.survie[e] = c.survie;
    x->a.fortification[e] = c.fortification;
    casescandidates[e] = 1;
    x->a.mortsapreslecture[3][3][q] = 1;
    x->a.mortsapresessai[3][3][e] = static_cast<uint8_t>(c.mortpropre);
    lance(p, *x);
    for (int32_t i = 0; i < NBCASES; ++i)
      if (i != e) {
        EXPECT_EQ(x->coupure[i], 0) << i;
      }
    EXPECT_EQ(x->coupure[e], c.attendu);
    EXPECT_EQ(nbpoints(x->candidats), c.attendu > 0 ? 1 : 0);
    EXPECT_EQ(flagcoupure2, c.attendu > 0 ? 2 : 0);
  }
  niveau = 7;
  flagcoupure2 = 0;
}

// The same shape against the edge: white's q = (4,1) on the first line
// between black (3,2) and (5,1), cut point (4,2): never looked at.
TEST(EmpecheCoupure, FirstLineStoneIsNoCut) {
  TPlateau p = fixture::posemoteur(
      ".......\n"
      ".......\n"
      ".X.....\n"
      "O......\n"
      "X......\n"
      ".......\n"
      ".......\n");
  niveau = 7;
  pointko = TPoint{};
  pionsmortsbis = marquesvides;
  lesfaibles = marquesvides;
  casescandidates = marquesvides;
  for (TInfoZone& z : infozones) z = ZONEVIDE;
  flagcoupure2 = 0;
  const int32_t e = indexcase(4, 2);
  infozones[indexcase(3, 2)].numero = 1;
  infozones[indexcase(5, 1)].numero = 2;
  lesfaibles[indexcase(5, 1)] = 1;
  territoire[indexcase(5, 1)] = NOIR;
  auto x = std::make_unique<Cartes>();
  x->b.invasionforte[e] = 10;
  casescandidates[e] = 1;
  x->a.mortsapreslecture[3][1][indexcase(4, 1)] = 1;
  lance(p, *x);
  EXPECT_EQ(x->coupure, zerobonus);
  EXPECT_EQ(nbpoints(x->candidats), 0);
}

// The cut test of a candidate: the point taken, the cut point itself, and a
// stone that does not stay.
TEST(EmpecheCoupure, PreventionTestEdges) {
  TPlateau p = fixture::posemoteur(
      ".X.....\n"
      "XO.....\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  pointko = TPoint{};
  niveau = 7;
  fixture::verifieinchange(p, [&] {
    EXPECT_EQ(testempechecoupure(BLANC, NOIR, p, 4, 4, 2, 2, 6), 100);  // taken
    EXPECT_EQ(testempechecoupure(BLANC, NOIR, p, 4, 4, 4, 4, 6), 0);    // the cut point
    EXPECT_EQ(testempechecoupure(NOIR, BLANC, p, 4, 4, 1, 1, 6), 100);  // white's stone at (1,1) is taken at once
  });
}

// On analysed positions at levels 3 and 7: board, chain table, dead marks
// and both owner maps come back; the list stays within its capacity.
TEST(EmpecheCoupure, PositionComesBack) {
  for (const char* d : {
           ".........\n...X.....\n..XOX....\n...O.X...\n..X.O....\n....X....\n.........\n.........\n.........\n",
           "..O.O....\n.OXO.O...\n..O..O...\nXX.OO....\n..X.X.O..\n..X..O...\n.XX.XO...\n..X.XO...\n.........\n",
           // white's (4,4) cuts (3,5) from (5,4) at level 3: the cut's gain and damage are read
           ".........\n....X....\n....X....\n...O.....\n...X.....\n...X.....\n.........\n..O......\n.........\n",
       }) {
    for (const int32_t n : {3, 7}) {
      fixture::Partie partie;
      partie.niveau = n;
      fixture::analysemoteur(d, partie);
      TPlateau p = plateaumoteur;
      auto x = std::make_unique<Cartes>();
      lance(p, *x);
      EXPECT_LE(nbpoints(x->candidats), 361);
    }
  }
  flagcoupure2 = 0;
}

}  // namespace
