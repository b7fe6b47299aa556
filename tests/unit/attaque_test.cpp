// Attack search: its gate, the strength scale, the stage that proposes every
// open candidate, the edge-zone test and the restore contract.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/attaque.h"
#include "tests/support/cartescote.h"
#include "tests/support/fixture.h"

namespace {

struct Cartes {
  fixture::CartesFamilleCote a, b;  // the engine's, the opponent's
  TCarte bonus{};
  TListePoints candidats{};
};

void lance(TPlateau& p, Cartes& x, uint8_t A = NOIR) {
  fixture::verifieinchange(p, [&] {
    chercheattaque(p, x.a.cartes(), x.b.cartes(), x.bonus, A, 1 - A, x.candidats, 361);
  });
}

// An empty board where every point is white's and a candidate of black: only
// the stage that proposes every open candidate has anything to say.
TPlateau ouvert(int32_t taille) {
  const std::string ligne(taille, '.');
  std::string d;
  for (int32_t r = 0; r < taille; ++r) d += ligne + "\n";
  TPlateau p = fixture::posemoteur(d);
  territoire.fill(BLANC);
  casescandidates.fill(0);
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) casescandidates[indexcase(r, c)] = 1;
  flagattaque = 1;
  coupdebutchoisi = 0;
  compteurinvasions = compteurinvasions3 = 0;
  procedurefinpartie = 1;
  return p;
}

TEST(Attaque, GateKeepsEverythingUnwritten) {
  struct Cas {
    int32_t debut;
    uint8_t attaque;
    int32_t points;
  } cas[] = {{0, 1, 51}, {1, 1, 0}, {5, 1, 0}, {0, 0, 0}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "coupdebutchoisi " << c.debut << ", flagattaque " << int{c.attaque});
    TPlateau p = ouvert(9);
    coupdebutchoisi = c.debut;
    flagattaque = c.attaque;
    auto x = std::make_unique<Cartes>();
    lance(p, *x);
    EXPECT_EQ(nbpoints(x->candidats), c.points);
    if (c.points == 0) {
      EXPECT_EQ(x->bonus, zerobonus);
    }
  }
  coupdebutchoisi = 0;
  flagattaque = 0;
}

// Stage 3 raises every open candidate to 30 in row order and stops after the
// 51st; a candidate whose own stone dies is passed over; many invasions
// already counted leave the stage out.
TEST(Attaque, OpenCandidatesStopAtFiftyOne) {
  TPlateau p = ouvert(19);
  auto x = std::make_unique<Cartes>();
  x->bonus[indexcase(1, 2)] = 45;                   // larger: kept
  x->a.mortsapresessai[0][0][indexcase(1, 1)] = 1;  // (1,1) dies
  lance(p, *x);
  ASSERT_EQ(nbpoints(x->candidats), 51);
  EXPECT_EQ(ligneliste(x->candidats, 1), 1);
  EXPECT_EQ(colonneliste(x->candidats, 1), 2);
  EXPECT_EQ(ligneliste(x->candidats, 51), 3);     // (1,2)..(1,19), (2,1)..(2,19), (3,1)..(3,14)
  EXPECT_EQ(colonneliste(x->candidats, 51), 14);
  EXPECT_EQ(x->bonus[indexcase(1, 1)], 0);
  EXPECT_EQ(x->bonus[indexcase(1, 2)], 45);
  EXPECT_EQ(x->bonus[indexcase(3, 14)], 30);
  EXPECT_EQ(x->bonus[indexcase(3, 15)], 0);

  for (const auto& [invasions, invasions3] : {std::pair{4, 0}, std::pair{0, 2}}) {
    ouvert(19);
    compteurinvasions = invasions;
    compteurinvasions3 = invasions3;
    auto y = std::make_unique<Cartes>();
    lance(p, *y);
    EXPECT_EQ(nbpoints(y->candidats), 0);
  }
  flagattaque = 0;
}

// A first-pass point P = (5,5): black's trial there threatens white's (5,6)
// (survival and reinforcement marks: 2); black's dead pair (3,3)-(3,4) is
// open to white (marked: 2 more), with 3 empty points of white's real
// territory around it (k = 2). Without a reading, t = 10 x (2 k + 3) less
// the invasion value; the point is worth 10 c + t.
TEST(Attaque, FirstPassValue) {
  struct Cas {
    const char* nom;
    bool morts;
    int32_t survieB, invasion, attendu;
  } cas[] = {
      {"threat alone, opponent weak there", false, 5, 0, 20},
      {"threat alone, nothing of the opponent there", false, 0, 0, 0},
      {"dead pair open to the opponent", true, 0, 0, 40 + 70},
      {"the invasion value takes t", true, 0, 100, 40},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TPlateau p = ouvert(9);
    casescandidates.fill(0);
    territoire.fill(VIDE);
    videsennemis = territoire;
    pionsmortsbis.fill(0);
    const int32_t P = indexcase(5, 5), w = indexcase(5, 6);
    p[w] = BLANC;
    casescandidates[P] = 1;
    TEssaiCoup& e = essaiordi(5, 5);
    e.carte2essai.fill(0);
    e.carte3essai.fill(0);
    e.compteur3essai = 1;
    e.carte2essai[w] = e.carte3essai[w] = 1;
    videsennemis[w] = BLANC;
    if (c.morts) {
      for (const int32_t j : {indexcase(3, 3), indexcase(3, 4)}) {
        p[j] = NOIR;
        pionsmortsbis[j] = 1;
      }
      videsennemis[indexcase(2, 3)] = BLANC;
      for (const int32_t j : {indexcase(2, 3), indexcase(2, 4), indexcase(4, 3)}) territoire[j] = BLANC;
    }
    calculelibertes(p);
    auto x = std::make_unique<Cartes>();
    x->a.fortification[P] = 20;
    x->b.survie[P] = c.survieB;
    x->a.invasionforte[P] = c.invasion;
    lance(p, *x);
    EXPECT_EQ(x->bonus[P], c.attendu);
    EXPECT_EQ(nbpoints(x->candidats), c.attendu > 0 ? 1 : 0);
  }
  flagattaque = 0;
  pionsmortsbis.fill(0);
}

// The strength scale: 2 (r + k) + 3 below 8, 2 k + 3 after a reading that
// found nothing, 19 beyond; times 10 less the invasion value, never negative.
TEST(Attaque, StrengthScale) {
  struct Cas {
    int32_t r, k, invasion, attendu;
  } cas[] = {
      {5, 4, 0, 190},   {5, 4, 60, 130}, {1, 2, 0, 90},  {2, 6, 0, 190},  {0, 2, 0, 70},
      {100, 3, 0, 90},  {100, 8, 0, 190}, {8, 0, 500, 0},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(valeurattaque(c.r, c.k, c.invasion), c.attendu) << c.r << " " << c.k << " " << c.invasion;
}

TEST(Attaque, EdgeZone) {
  struct Cas {
    const char* nom;
    int32_t ra, ca, rb, cb;
    int32_t pr, pc;     // a black stone here (0: none)
    int32_t nr, nc;     // a point owned by nobody (0: none)
    bool attendu;
  } cas[] = {
      {"open and owned", 3, 3, 3, 5, 0, 0, 0, 0, true},
      {"diagonal neighbours", 3, 3, 4, 4, 0, 0, 0, 0, false},
      {"orthogonal neighbours", 3, 3, 3, 4, 0, 0, 0, 0, false},
      {"stone toward the edge", 3, 3, 3, 5, 2, 4, 0, 0, false},
      {"stone in the rectangle", 3, 3, 3, 5, 3, 4, 0, 0, false},
      {"edge point owned by nobody", 3, 3, 3, 5, 0, 0, 1, 4, false},
      {"first line", 1, 3, 1, 5, 0, 0, 0, 0, false},
      {"fifth line", 5, 5, 5, 7, 0, 0, 0, 0, false},
      {"edge distances two apart", 2, 3, 4, 5, 0, 0, 0, 0, false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TPlateau p = ouvert(9);
    if (c.pr) p[indexcase(c.pr, c.pc)] = NOIR;
    if (c.nr) territoire[indexcase(c.nr, c.nc)] = VIDE;
    EXPECT_EQ(zonebordlibre(p, c.ra, c.ca, BLANC, c.rb, c.cb), c.attendu);
    EXPECT_FALSE(zonebordlibre(p, c.ra, c.ca, NOIR, c.rb, c.cb));
  }
  flagattaque = 0;
}

// Stage 3 finds nothing when the engine's own stone dies at every candidate
// (its dead mask after the trial); the stage after it reads the other mask.
void stage3vide(Cartes& x) {
  for (int32_t i = 0; i < NBCASES; ++i)
    if (casescandidates[i]) x.a.mortsapresessai[i / TAILLEMAX][i % TAILLEMAX][i] = 1;
}

const char* const kAnalysees[] = {
    ".........\n..OOO....\n.O...O...\n.O.X.O...\n.O...O...\n..OOO..X.\n.........\n...X..X..\n.........\n",
    "..O.O....\n.OXO.O...\n..O..O...\nXX.OO....\n..X.X.O..\n..X..O...\n.XX.XO...\n..X.XO...\n.........\n",
};

// Many invasions already counted stop the family at stage 3, whether or not
// it proposes anything: the pair stage after it never runs then.
TEST(Attaque, ManyInvasionsStopTheFamilyAtStageThree) {
  struct Cas {
    int32_t invasions, invasions3;
    bool propose;
  } cas[] = {{0, 0, true}, {3, 1, true}, {4, 0, false}, {0, 2, false}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << "compteurinvasions " << c.invasions << ", compteurinvasions3 " << c.invasions3);
    fixture::analysemoteur(kAnalysees[1]);
    TPlateau p = plateaumoteur;
    auto x = std::make_unique<Cartes>();
    stage3vide(*x);
    flagattaque = 1;
    coupdebutchoisi = 0;
    procedurefinpartie = 0;
    compteurinvasions = c.invasions;
    compteurinvasions3 = c.invasions3;
    lance(p, *x);
    EXPECT_EQ(nbpoints(x->candidats) > 0, c.propose);
  }
  flagattaque = 0;
  compteurinvasions = compteurinvasions3 = 0;
}

// On analysed positions, with the gate open and every stage reachable: the
// position, territoire, the survival values and the status table come back;
// the list stays within its capacity.
TEST(Attaque, PositionComesBack) {
  for (const char* d : kAnalysees) {
    for (const int32_t stage : {0, 1}) {
      SCOPED_TRACE(stage);
      fixture::analysemoteur(d);
      TPlateau p = plateaumoteur;
      auto x = std::make_unique<Cartes>();
      for (int32_t i = 0; i < NBCASES; ++i)
        if (casescandidates[i] && stage == 0) x->a.fortification[i] = 20;
      flagattaque = 1;
      coupdebutchoisi = 0;
      stage3vide(*x);  // stage 4 runs when nothing came before
      procedurefinpartie = 0;
      const TMarques territoireavant = territoire;
      const TCarte survie = valeurssurvie;
      const int32_t table = tableessaiscourante;
      lance(p, *x);
      EXPECT_TRUE(fixture::memesplateaux(territoireavant, territoire));
      EXPECT_EQ(valeurssurvie, survie);
      EXPECT_EQ(tableessaiscourante, table);
      EXPECT_LE(nbpoints(x->candidats), 361);
    }
  }
  flagattaque = 0;
}

}  // namespace
