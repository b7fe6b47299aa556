// Board scans and small sorts of the chain-status unit.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/balayages.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

void morts(const TPlateau& p, uint8_t couleur) {
  for (int i = 0; i < NBCASES; ++i)
    if (p[i] == couleur) pionsmorts[i] = 1;
}

TEST(Balayages, ContactsBetweenDeadChains) {
  // Two dead chains touching, each with two liberties: both marked.
  TPlateau p = pose(
      ".....\n"
      ".XO..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  morts(p, NOIR);
  morts(p, BLANC);
  TMarques sortie{}, exclus = marquesvides;
  TCarte etats{};
  uint8_t trouve = 0;
  detectcontacts(exclus, trouve, sortie, p, etats);
  EXPECT_EQ(trouve, 1);
  EXPECT_EQ(sortie[indexcase(2, 2)], 1);
  EXPECT_EQ(sortie[indexcase(2, 3)], 1);
  // A pair where one chain has a single liberty is not.
  p = pose(
      "XO...\n"
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  morts(p, NOIR);
  morts(p, BLANC);
  detectcontacts(exclus, trouve, sortie, p, etats);
  EXPECT_EQ(trouve, 0);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, sortie));
  // Status -2 and the excluded map keep a chain out.
  p = pose(
      ".....\n"
      ".XO..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  morts(p, NOIR);
  morts(p, BLANC);
  etats[indexcase(2, 3)] = -2;
  detectcontacts(exclus, trouve, sortie, p, etats);
  EXPECT_EQ(trouve, 0);
}

TEST(Balayages, DominantColourAlongLines) {
  TPlateau p = pose(
      "..X..\n"
      ".....\n"
      "X....\n"
      ".....\n"
      "..O..\n");
  EXPECT_EQ(couleurdominantelignes(p, 3, 3, 6), VIDE);  // black up, white down
  EXPECT_EQ(couleurdominantelignes(p, 2, 3, 6), VIDE);
  EXPECT_EQ(couleurdominantelignes(p, 3, 2, 6), NOIR);  // only (3,1) on its lines
  EXPECT_EQ(couleurdominantelignes(p, 3, 2, 0), VIDE);  // reach 0 finds nothing
  EXPECT_EQ(couleurdominantelignes(p, 1, 3, 6), VIDE);  // not empty
  pionsmorts[indexcase(5, 3)] = 1;
  EXPECT_EQ(couleurdominantelignes(p, 3, 3, 6), NOIR);  // the dead stone is looked through
}

TEST(Balayages, ZoneCounts) {
  TPlateau p = pose(
      ".XX..\n"
      "X.OX.\n"
      ".XX..\n"
      ".....\n"
      ".....\n");
  pionsmorts[indexcase(2, 3)] = 1;
  TMarques sortie{};
  int32_t blanc = -1, noir = -1;
  zonesdepuispoint(sortie, p, blanc, noir);
  EXPECT_EQ(sortie[indexcase(2, 3)], 1);
  EXPECT_EQ(noir, 1);
  EXPECT_EQ(blanc, 0);

  // An empty point whose lines reach the edge counts for nobody, unless
  // territoire gives it an owner and its row and column hold no living stone.
  p = pose(
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  zonesdepuispoint2(noir, blanc, 50, 6, 0, 0, p);
  EXPECT_EQ(noir + blanc, 0);
  territoire[indexcase(3, 3)] = NOIR;
  zonesdepuispoint2(noir, blanc, 50, 6, 0, 0, p);
  EXPECT_EQ(noir, 1);
  p[indexcase(5, 1)] = BLANC;  // not on the point's lines: (3,3) still counts...
  calculelibertes(p);
  zonesdepuispoint2(noir, blanc, 50, 1, 0, 0, p);
  EXPECT_EQ(noir, 1);
  p[indexcase(5, 3)] = BLANC;  // ...and with a stone on its column, only by its lines
  zonesdepuispoint2(noir, blanc, 50, 1, 0, 0, p);
  EXPECT_EQ(noir, 0);
  pionsmorts[indexcase(5, 3)] = 1;  // a dead white stone weighs for black
  zonesdepuispoint2(noir, blanc, 50, 1, 0, 0, p);
  EXPECT_EQ(noir, 51);
}

TEST(Balayages, SortIsStableByDecreasingValue) {
  struct Cas {
    std::vector<int32_t> valeurs;
    std::vector<int32_t> ordre;  // original ranks after the sort
  } cas[] = {
      {{5}, {1}},
      {{1, 2}, {2, 1}},
      {{2, 2}, {1, 2}},
      {{1, 3, 2}, {2, 3, 1}},
      {{3, 3, 3}, {1, 2, 3}},
      {{1, 4, 4, 2, 4, 0}, {2, 3, 5, 4, 1, 6}},
  };
  for (const auto& k : cas) {
    TListePoints l{};
    int32_t v[8] = {};
    const int n = static_cast<int>(k.valeurs.size());
    l[0] = n;
    for (int i = 1; i <= n; ++i) {
      l[2 * i] = i;
      l[2 * i + 1] = 10 + i;
      v[i] = k.valeurs[i - 1];
    }
    triecoups(l, v);
    for (int i = 1; i <= n; ++i) {
      EXPECT_EQ(l[2 * i], k.ordre[i - 1]);
      EXPECT_EQ(l[2 * i + 1], 10 + k.ordre[i - 1]);
      EXPECT_EQ(v[i], k.valeurs[k.ordre[i - 1] - 1]);
    }
  }
}

}  // namespace
