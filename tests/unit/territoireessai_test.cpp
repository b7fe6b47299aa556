// Per-move territory analyses: the opening test, the corner bonus, the edge
// block of an approach, the strategy rule of the territory gain; and the
// chain test of a point (stones a move there takes out of atari).
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/voisin.h"
#include "engine/choice/territoireessai.h"
#include "engine/territory/estimation.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

std::string vide(int n) {
  std::string d;
  for (int r = 0; r < n; ++r) d += std::string(static_cast<size_t>(n), '.') + "\n";
  return d;
}

struct CasOuverture {
  const char* nom;
  int taille;
  int32_t coup;
  uint8_t proprietaire;  // every point's owner in territoire
  uint8_t joseki;        // suggestion bits at (5, 5)
  uint8_t attendu;
};

TEST(PhaseOuverture, TableOfCases) {
  const CasOuverture cas[] = {
      {"13 lines before move 15, whatever the board", 13, 14, NOIR, 0, 1},
      {"13 lines from move 15 on a claimed board", 13, 15, NOIR, 0, 0},
      {"open joseki suggestion", 9, 40, NOIR, 0x01, 1},
      {"joseki suggestion already played", 9, 40, NOIR, 0x05, 0},
      {"open edges on an empty board", 9, 40, VIDE, 0, 1},
  };
  for (const CasOuverture& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(vide(k.taille));
    numerocoup = k.coup;
    territoire.fill(k.proprietaire);
    suggestionsjoseki.fill(0);
    suggestionsjoseki[indexcase(5, 5)] = k.joseki;
    debutpartie = 7;
    testphaseouverture(p);
    EXPECT_EQ(debutpartie, k.attendu);
  }
  territoire.fill(VIDE);
  suggestionsjoseki.fill(0);
}

TEST(BonusCoinOuverture, FreeCornerPointAndOwnStonesAlongItsLines) {
  platform::fixegraine(7);
  TPlateau p = fixture::posemoteur(vide(19));
  p[indexcase(3, 4)] = NOIR;
  int32_t v = 0;
  bonuscoinouverture(p, v, 3, 4);
  EXPECT_GE(v, 600);
  EXPECT_LT(v, 650);
  // The first stone along the row and along the column is black: 100 off each,
  // the stones beyond them count for nothing.
  for (const auto& q : {std::pair{3, 12}, std::pair{3, 16}, std::pair{12, 4}, std::pair{16, 4}}) p[indexcase(q.first, q.second)] = NOIR;
  v = 0;
  bonuscoinouverture(p, v, 3, 4);
  EXPECT_GE(v, 400);
  EXPECT_LT(v, 450);
  // An occupied square: nothing.
  p[indexcase(5, 5)] = BLANC;
  v = 3;
  bonuscoinouverture(p, v, 3, 4);
  EXPECT_EQ(v, 3);
  // Nine lines: a radius of one and a random part below 10.
  TPlateau q = fixture::posemoteur(vide(9));
  q[indexcase(3, 3)] = BLANC;
  q[indexcase(5, 5)] = NOIR;
  v = 0;
  bonuscoinouverture(q, v, 3, 3);
  EXPECT_GE(v, 600);
  EXPECT_LT(v, 610);
}

TEST(BloqueBordAdverse, FirstStoneAcrossTheGap) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    const char* attendu;
  };
  const Cas cas[] = {
      {"white across the gap: white blocks next to the stone", R"(
        .........
        ......O..
        ....X....
        .........
        .........
        .........
        .........
        .........
        .........)", R"(
        .........
        ....O.O..
        ....X....
        .........
        .........
        .........
        .........
        .........
        .........)"},
      {"black across the gap: nothing", R"(
        .........
        .....X...
        ....X....
        .........
        .........
        .........
        .........
        .........
        .........)", nullptr},
      {"the gap is not empty: nothing", R"(
        ....O....
        ......O..
        ....X....
        .........
        .........
        .........
        .........
        .........
        .........)", nullptr},
      {"farther than three points across: nothing", R"(
        .........
        ........O
        ....X....
        .........
        .........
        .........
        .........
        .........
        .........)", nullptr},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = fixture::posemoteur(k.diagramme);
    const TPlateau avant = p;
    bloquebordadverse(p, NOIR, 3, 5);
    if (k.attendu == nullptr) EXPECT_TRUE(fixture::memesplateaux(avant, p));
    else EXPECT_TRUE(fixture::memesgrilles(fixture::texteplateau(fixture::diagramme(k.attendu).plateau, 9),
                                           fixture::texteplateau(p, 9)));
  }
}

TEST(SansVideVoisinInfluence, EmptyNeighboursOnTheStonesSide) {
  TPlateau p = fixture::posemoteur(vide(9));
  p[indexcase(5, 5)] = NOIR;
  TCarte influence{};
  EXPECT_TRUE(sansvidevoisininfluence(p, influence, 5, 5));
  influence[indexcase(5, 6)] = -3;
  EXPECT_TRUE(sansvidevoisininfluence(p, influence, 5, 5)) << "white's side";
  influence[indexcase(4, 5)] = 2;
  EXPECT_FALSE(sansvidevoisininfluence(p, influence, 5, 5));
  p[indexcase(4, 5)] = BLANC;
  EXPECT_TRUE(sansvidevoisininfluence(p, influence, 5, 5)) << "not empty";
}

TEST(GainTerritoireEssai, DefendingAddsToTheFuzzyValueOtherwiseItIsReplaced) {
  fixture::analysemoteur(R"(
    .........
    .........
    ..X......
    .........
    .........
    .........
    ......O..
    .........
    .........)", {.trait = NOIR, .niveau = 5});
  TPlateau p = plateaumoteur;
  TCarte proprietaires, travail;
  int32_t blancs0 = 0, noirs0 = 0;
  estimeterritoire(proprietaires, travail, NOIR, paramniveaue, blancs0, noirs0, p, 0);
  p[indexcase(4, 4)] = NOIR;
  calculelibertes(p);
  ASSERT_EQ(territoire[indexcase(4, 4)], VIDE);
  const TMarques morts = pionsmorts;
  const uint8_t strategieavant = strategie;
  auto gain = [&](uint8_t s, int32_t depart) {
    strategie = s;
    int32_t bonus = 0, v = depart;
    pionsmorts = morts;
    const TPlateau avant = p;
    gainterritoireessai(pionsmorts, false, false, NOIR, BLANC, p, bonus, v, proprietaires, 4, 4, noirs0, blancs0, 0,
                        false);
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    return v;
  };
  EXPECT_EQ(gain(1, 100) - gain(1, 0), 100);
  EXPECT_EQ(gain(0, 100), gain(0, 0));
  EXPECT_EQ(gain(2, 100), gain(2, 0));
  strategie = strategieavant;
  pionsmorts = morts;
  calculelibertes(plateaumoteur);
}

TEST(TesteChaineH8, StonesOfTheChainsInAtariOnThePoint) {
  TPlateau p = fixture::posemoteur(R"(
    .OXO.....
    .OXO.....
    OX.X.....
    .O.......
    .........
    .........
    .........
    .........
    .........)");
  EXPECT_EQ(testechaineh8(infochaine, p, 3, 3, NOIR), 3) << "(3,2) alone and the pair above; (3,4) has more liberties";
  EXPECT_EQ(testechaineh8(infochaine, p, 3, 3, BLANC), 0);
  EXPECT_EQ(testechaineh8(infochaine, p, 5, 5, NOIR), 0);
  EXPECT_EQ(testechaineh8(infochaine, p, 3, 2, NOIR), 0) << "an occupied point";
}

}  // namespace
