// Point lists and point sets.
#include <gtest/gtest.h>

#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

Points liste(const TListePoints& l) {
  Points v;
  for (int k = 1; k <= l[0]; ++k) v.emplace_back(l[2 * k], l[2 * k + 1]);
  return v;
}

void taille(int n) {
  configmoteur.taille = n;
  construittables(n);
}

TEST(ListeCoups, AppendIsASetAndRespectsCapacity) {
  TListePoints l{};
  EXPECT_EQ(ajoutecaseliste(3, 4, l, 300), 1);
  EXPECT_EQ(ajoutecaseliste(3, 4, l, 300), 1);
  EXPECT_EQ(l[0], 1);
  EXPECT_EQ(ajoutecaseliste(4, 3, l, 300), 2);
  EXPECT_EQ(ajoutecaseliste(3, 4, l, 300), 1);
  EXPECT_EQ(liste(l), (Points{{3, 4}, {4, 3}}));
  // A full list takes no more points and is left intact.
  EXPECT_EQ(ajoutecaseliste(5, 5, l, 2), 0);
  EXPECT_EQ(l[0], 2);
  // Capacities beyond the storage are clipped to it.
  TListePoints plein{};
  for (int i = 0; i < 400; ++i) empilepoint(plein, 100000, 1 + i % 19, 1 + (i / 19) % 19);
  EXPECT_EQ(plein[0], MAXPOINTSLISTE);
}

TEST(ListeCoups, NeighbourOrder) {
  taille(9);
  TPlateau p = plateauvide();
  TListePoints l{};
  listevidesvoisins(p, l, 300, 1, 1);
  EXPECT_EQ(liste(l), (Points{{2, 1}, {2, 2}, {1, 2}}));
  l[0] = 0;
  listevidesvoisins(p, l, 300, 5, 5);
  EXPECT_EQ(liste(l), (Points{{6, 5}, {6, 6}, {6, 4}, {5, 6}, {4, 5}, {4, 6}, {4, 4}, {5, 4}}));
}

TEST(ListeCoups, MarkingCollectors) {
  taille(9);
  TPlateau p = plateauvide();
  p[indexcase(4, 4)] = NOIR;
  TMarques m = marquesvides;
  TListePoints l{};
  listevidesautourmarque(m, p, l, 300, 5, 5);
  EXPECT_EQ(liste(l), (Points{{5, 5}, {6, 5}, {6, 6}, {6, 4}, {5, 6}, {4, 5}, {4, 6}, {5, 4}}));
  listevidesautourmarque(m, p, l, 300, 5, 5);
  EXPECT_EQ(l[0], 8);  // nothing new with the same marks

  m = marquesvides;
  l[0] = 0;
  listevidesvoisinsmarque(m, p, l, 300, 5, 5, 5, 6);
  // (5,6)'s neighbours add (5,7) and the centre, never a point twice.
  EXPECT_EQ(liste(l), (Points{{6, 5}, {6, 6}, {6, 4}, {5, 6}, {4, 5}, {4, 6}, {5, 4}, {5, 7}, {5, 5}}));
}

TEST(ListeCoups, GrowingSquares) {
  taille(19);
  TPlateau p = plateauvide();
  TMarques m = marquesvides;
  TListePoints l{};
  listevidescarresmarque(m, p, l, 361, 10, 10, 10, 10, 2);
  EXPECT_EQ(l[0], 21);  // one pass: 5x5 without its corners

  // A full board with few empty points: the squares grow to the whole board.
  taille(9);
  p.fill(NOIR);
  for (auto [r, c] : Points{{1, 2}, {9, 8}, {5, 1}}) p[indexcase(r, c)] = VIDE;
  m = marquesvides;
  l[0] = 0;
  listevidescarresmarque(m, p, l, 361, 5, 5, 5, 5, 2);
  EXPECT_EQ(l[0], 3);
  // Points already listed before the call count toward the 6.
  m = marquesvides;
  p = plateauvide();
  l[0] = 2;
  listevidescarresmarque(m, p, l, 361, 1, 1, 1, 1, 2);
  EXPECT_EQ(l[0], 2 + 5);  // one pass: the 3x3 corner square without its corners
}

TEST(ListeCoups, SingleIsolatedLiberty) {
  taille(9);
  TPlateau p = plateauvide();
  TPoint lib{7, 7};
  p[indexcase(1, 1)] = NOIR;
  seuleliberteisolee(lib, p, 1, 1);
  EXPECT_EQ(lib.ligne, 0);  // two empty neighbours
  p[indexcase(1, 2)] = BLANC;
  seuleliberteisolee(lib, p, 1, 1);
  EXPECT_EQ(lib.ligne, 2);
  EXPECT_EQ(lib.colonne, 1);
  p[indexcase(1, 2)] = NOIR;
  seuleliberteisolee(lib, p, 1, 1);
  EXPECT_EQ(lib.ligne, 0);  // a friendly neighbour
  p[indexcase(1, 2)] = BLANC;
  p[indexcase(2, 1)] = BLANC;
  seuleliberteisolee(lib, p, 1, 1);
  EXPECT_EQ(lib.ligne, 0);  // no liberty at all
}

TEST(ListeCoups, PlayableCandidatesAndPruning) {
  taille(9);
  TPlateau p = plateauvide();
  p[indexcase(1, 1)] = NOIR;
  p[indexcase(5, 5)] = BLANC;
  calculelibertes(p);
  casescandidates.fill(0);
  for (auto [r, c] : Points{{1, 2}, {4, 5}, {8, 8}}) casescandidates[indexcase(r, c)] = 1;
  TListePoints l{};
  listevidesjouables(p, l, 300);
  EXPECT_EQ(liste(l), (Points{{1, 2}}));  // (4,5) touches a 4-liberty chain

  territoire.fill(VIDE);
  l[0] = 0;
  for (int k = 1; k <= 6; ++k) ajoutecaseliste(k, k, l, 300);
  TMarques a = marquesvides, b = marquesvides, c = marquesvides;
  c[indexcase(3, 3)] = 1;                  // dropped
  territoire[indexcase(4, 4)] = NOIR;      // dropped for black
  c[indexcase(5, 5)] = 1;
  a[indexcase(5, 5)] = 1;                  // kept by A
  territoire[indexcase(1, 1)] = NOIR;      // among the first k: kept
  elaguefinliste(NOIR, 2, a, l, 300, c, b);
  EXPECT_EQ(liste(l), (Points{{1, 1}, {2, 2}, {5, 5}, {6, 6}}));
  elaguefinliste(NOIR, 4, a, l, 300, c, b);
  EXPECT_EQ(l[0], 4);
}

}  // namespace
