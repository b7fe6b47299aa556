// Eye-shape and local-shape tests of unit voisin on diagram fixtures: broken
// eye shapes, edge spoiling points, the eye test with and without a spoiling
// point, region walks, atari without escape, isolated and small chains.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/board/formes.h"
#include "engine/board/voisin.h"
#include "engine/board/jeu.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  pionsmortsavant.fill(0);
  marquesglobales.fill(0);
  sauvepionsmorts = 0;
  return p;
}

TMarques regionsur(std::initializer_list<std::pair<int, int>> points, uint8_t code = 1) {
  TMarques m = marquesvides;
  for (auto [r, c] : points) m[indexcase(r, c)] = code;
  return m;
}

bool egal(const TPoint& a, int r, int c) { return a.ligne == r && a.colonne == c; }

TEST(Formes, FormeOeilCassee) {
  // One opposing diagonal: enough on the edge, not inside.
  TPlateau p = pose(".......\n..O....\n.......\n.......\n.......\n.......\n.......\n");
  EXPECT_TRUE(formeoeilcassee(p, NOIR, 1, 2));   // edge point, white (2,3) diagonal
  EXPECT_FALSE(formeoeilcassee(p, NOIR, 3, 4));  // inner point, white (2,3) diagonal
  p[indexcase(4, 5)] = BLANC;
  EXPECT_TRUE(formeoeilcassee(p, NOIR, 3, 4));   // two diagonals
  EXPECT_TRUE(formeoeilcassee(p, NOIR, 3, 3));   // orthogonal (2,3)
  EXPECT_FALSE(formeoeilcassee(p, BLANC, 3, 3));
}

TEST(Formes, PointBordCoupe) {
  // Edge point (1,3): (1,2) is empty and white (2,1) stands two steps along
  // and one inward: (1,2) spoils.
  TPlateau p = pose("...X...\nOXXX...\n.......\n.......\n.......\n.......\n.......\n");
  TMarques region = marquesvides;
  TPoint s;
  EXPECT_EQ(pointbordcoupe(s, 1, 3, NOIR, region, p), 1);
  EXPECT_TRUE(egal(s, 1, 2));
  // The same candidate again is ignored; a different point already held gives 2.
  EXPECT_EQ(pointbordcoupe(s, 1, 3, NOIR, region, p), 0);
  s = TPoint{1, 6};
  EXPECT_EQ(pointbordcoupe(s, 1, 3, NOIR, region, p), 2);
  // An occupied one-step point counts only with a region code of 5 or more.
  p[indexcase(1, 2)] = BLANC;
  s = TPoint{};
  EXPECT_EQ(pointbordcoupe(s, 1, 3, NOIR, region, p), 0);
  region[indexcase(1, 2)] = 5;
  EXPECT_EQ(pointbordcoupe(s, 1, 3, NOIR, region, p), 1);
}

TEST(Formes, PointBordCoupeStaysOnTheBoard) {
  // (1,2) on 19x19: two steps toward column 0 are off the board. In the
  // 19-stride layout (2,0) would alias (1,19), which holds a white stone.
  std::string d = std::string(18, '.') + "O\n";
  for (int r = 2; r <= 19; ++r) d += std::string(19, '.') + "\n";
  TPlateau p = pose(d);
  TMarques region = marquesvides;
  TPoint s;
  EXPECT_EQ(pointbordcoupe(s, 1, 2, NOIR, region, p), 0);
  EXPECT_EQ(pointbordcoupe(s, 1, 1, NOIR, region, p), 0);
  EXPECT_EQ(pointbordcoupe(s, 19, 19, NOIR, region, p), 0);
}

struct CasOeilPossible {
  const char* note;
  const char* diagramme;
  int r, c;
  std::initializer_list<std::pair<int, int>> region;
  uint8_t e;
  bool attendu;
  int sr, sc;  // spoiling point expected, (0, 0) for none
};

// Black eye candidates; e is the colour passed as `e`.
const CasOeilPossible kOeils[] = {
    {"solid centre eye", ".......\n..XXX..\n..X.X..\n..XXX..\n.......\n.......\n.......\n", 3, 4, {{3, 4}}, BLANC,
     true, 0, 0},
    {"false eye: two white diagonals cut (2,4) off",
     ".......\n..OXO..\n..X.X..\n..XXX..\n.......\n.......\n.......\n", 3, 4, {{3, 4}}, BLANC, false, 0, 0},
    {"two-point eye space, one exit", "..XXX..\n..X.X..\n..X.X..\n..XXX..\n.......\n.......\n.......\n", 2, 4,
     {{2, 4}, {3, 4}}, BLANC, true, 0, 0},
    {"edge eye with a spoiling point", "...X...\nOXXX...\n.......\n.......\n.......\n.......\n.......\n", 1, 3,
     {{1, 2}, {1, 3}}, BLANC, true, 1, 2},
    {"edge eye spoiled when e is the owner", "...X...\nOXXX...\n.......\n.......\n.......\n.......\n.......\n", 1,
     3, {{1, 2}, {1, 3}}, NOIR, false, 1, 2},
};

TEST(Formes, TestOeilPossible) {
  for (const CasOeilPossible& k : kOeils) {
    TPlateau p = pose(k.diagramme);
    const TPlateau avant = p;
    const TMarques region = regionsur(k.region);
    TPoint s{7, 7};  // cleared by the test
    const bool res = testoeilpossible(p, p, s, TPoint{}, region, p, NOIR, k.e, k.r, k.c);
    EXPECT_EQ(res, k.attendu) << k.note;
    EXPECT_TRUE(egal(s, k.sr, k.sc)) << k.note << ": spoiling point " << s.ligne << "," << s.colonne;
    EXPECT_TRUE(fixture::memesplateaux(avant, p)) << k.note;
  }
}

TEST(Formes, DerniereLiberteIssue) {
  // Black (2,3) has liberties (1,3) and (3,3); with (1,3) as the eye, its last
  // liberty (3,3) has two empty neighbours.
  TPlateau p = pose(".X.X...\n.OXO...\n.......\n.......\n.......\n.......\n.......\n");
  TPoint s;
  EXPECT_TRUE(derniereliberteissue(p, marquesvides, s, TPoint{2, 3}, TPoint{1, 3}));
  EXPECT_TRUE(egal(s, 3, 3));
  // A marked enemy stone beside the chain fails.
  TMarques m = regionsur({{2, 2}});
  EXPECT_FALSE(derniereliberteissue(p, m, s, TPoint{2, 3}, TPoint{1, 3}));
  // Without the eye counted there are two liberties.
  EXPECT_FALSE(derniereliberteissue(p, marquesvides, s, TPoint{2, 3}, TPoint{5, 5}));
}

// The last liberty L of a chain beside an eye point threatens the eye when
// the other side can play L with exits of its own: a white stone at L next
// to strong white chains puts black (2,4) in atari; L walled in by a strong
// black chain gives a white stone there nothing.
TEST(Formes, DerniereLiberteIssueLooksFromTheOtherSide) {
  struct Cas {
    const char* note;
    const char* diagramme;
    bool attendu;
  };
  const Cas cas[] = {
      {"white walls around L: the other side plays L safely",
       "..X.X....\n.OOXOO...\n..O.O....\n...O.....\n.........\n.........\n.........\n.........\n.........\n",
       true},
      {"black walls around L: a white stone there has no exit",
       "..X.X....\n.OOXOO...\n..X.X....\n..XXX....\n.........\n.........\n.........\n.........\n.........\n",
       false},
  };
  for (const Cas& k : cas) {
    TPlateau p = pose(k.diagramme);
    TPoint s;
    EXPECT_EQ(derniereliberteissue(p, marquesvides, s, TPoint{2, 4}, TPoint{1, 4}), k.attendu) << k.note;
    EXPECT_TRUE(egal(s, 3, 4)) << k.note;
  }
}

TEST(Formes, VoisinEnemia1) {
  // White (3,4) enclosed: every neighbour of it but (3,3) is in the region.
  TPlateau p = pose(".......\n...X...\n..XOX..\n...X...\n.......\n.......\n.......\n");
  TMarques region = regionsur({{2, 4}, {4, 4}, {3, 5}}, 2);
  TListePoints l;
  l[0] = 0;
  voisinenemia1(l, p, BLANC, NOIR, 3, 3, region);
  EXPECT_EQ(region[indexcase(3, 3)], 5);
  EXPECT_EQ(p[indexcase(3, 3)], NOIR);
  EXPECT_EQ(p[indexcase(3, 4)], VIDE);
  ASSERT_EQ(l[0], 1);
  EXPECT_EQ(l[2], 3);
  EXPECT_EQ(l[3], 4);
  // The enclosed chain touches a point outside the region: nothing changes
  // but the point's code 1.
  p = pose(".......\n...X...\n..XOX..\n...X...\n.......\n.......\n.......\n");
  const TPlateau avant = p;
  region = regionsur({{2, 4}, {4, 4}}, 2);
  l[0] = 0;
  voisinenemia1(l, p, BLANC, NOIR, 3, 3, region);
  EXPECT_EQ(region[indexcase(3, 3)], 1);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(l[0], 0);
  // Under sauvepionsmorts only chains marked dead before may be taken.
  region = regionsur({{2, 4}, {4, 4}, {3, 5}}, 2);
  sauvepionsmorts = 1;
  voisinenemia1(l, p, BLANC, NOIR, 3, 3, region);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  pionsmortsavant[indexcase(3, 4)] = 1;
  voisinenemia1(l, p, BLANC, NOIR, 3, 3, region);
  EXPECT_EQ(p[indexcase(3, 4)], VIDE);
  sauvepionsmorts = 0;
  // The point is given column first: (row 2, column 4) beside white (2,5).
  p = pose("....X..\n....OX.\n....X..\n.......\n.......\n.......\n.......\n");
  region = regionsur({{1, 5}, {3, 5}, {2, 6}}, 2);
  l[0] = 0;
  voisinenemia1(l, p, BLANC, NOIR, 4, 2, region);
  EXPECT_EQ(region[indexcase(2, 4)], 5);
  EXPECT_EQ(region[indexcase(4, 2)], 0);
  EXPECT_EQ(p[indexcase(2, 4)], NOIR);
  EXPECT_EQ(p[indexcase(2, 5)], VIDE);
  EXPECT_EQ(p[indexcase(4, 2)], VIDE);
  ASSERT_EQ(l[0], 1);
  EXPECT_EQ(l[2], 2);
  EXPECT_EQ(l[3], 5);
}

TEST(Formes, ChercheLibertesRecursif) {
  // An open board: every point is an escape; the eleventh ends the walk.
  TPlateau p = pose(
      ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  const TPlateau avant = p;
  TListePoints liste, prises, ataris;
  liste[0] = prises[0] = ataris[0] = 0;
  TMarques vu = marquesvides;
  int32_t compteur = 0;
  EXPECT_FALSE(cherchelibertesrecursif(compteur, liste, 100, 0, 5, 5, vu, p, BLANC, NOIR, prises, ataris));
  EXPECT_EQ(liste[0], 11);
  EXPECT_EQ(compteur, 0);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  // A corner closed by white: the inner points count up to the limit with no
  // escape, and the list is marked impossible.
  p = pose("X.O..\n.O...\nO....\n.....\n.....\n");
  liste[0] = 0;
  vu = marquesvides;
  compteur = 0;
  EXPECT_FALSE(cherchelibertesrecursif(compteur, liste, 2, 0, 1, 1, vu, p, BLANC, NOIR, prises, ataris));
  EXPECT_EQ(liste[0], -1);
  EXPECT_EQ(compteur, 2);
  // A defender stone of marquesglobales reached deep in the walk is reported
  // up to the first call; one marked dead is not.
  struct Cas {
    const char* pourquoi;
    bool mort;
    bool attendu;
  } cas[] = {{"living linked stone", false, true}, {"linked stone marked dead", true, false}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    p = pose("X.O..\n.O...\nO....\n.....\n.....\n");
    marquesglobales[indexcase(1, 1)] = 1;
    pionsmorts[indexcase(1, 1)] = k.mort ? 1 : 0;
    liste[0] = 0;
    vu = marquesvides;
    compteur = 0;
    EXPECT_EQ(cherchelibertesrecursif(compteur, liste, 10, 0, 1, 2, vu, p, BLANC, NOIR, prises, ataris), k.attendu);
  }
  marquesglobales.fill(0);
  pionsmorts.fill(0);
}

TEST(Formes, AtariSansIssue) {
  // Black (1,1) in atari at (2,1); past it (3,1) and (2,2) are both empty.
  TPlateau p = pose("XO...\n.....\n.....\n.....\n.....\n");
  TMarques m = marquesvides;
  TPoint a, b;
  EXPECT_FALSE(atarisansissue(p, m, a, b, 1, 1));
  EXPECT_TRUE(egal(a, 0, 0));
  // With (2,2) white only (3,1) is left: no escape.
  p = pose("XO...\n.O...\n.....\n.....\n.....\n");
  m = marquesvides;
  EXPECT_TRUE(atarisansissue(p, m, a, b, 1, 1));
  EXPECT_TRUE(egal(a, 2, 1));
  EXPECT_TRUE(egal(b, 3, 1));
  EXPECT_EQ(m[indexcase(1, 1)], 1);
  // A friend at (3,1) is an escape.
  p = pose("XO...\n.O...\nX....\n.....\n.....\n");
  EXPECT_FALSE(atarisansissue(p, m, a, b, 1, 1));
  EXPECT_TRUE(egal(b, 0, 0));
  // An enemy chain in atari next to the chain.
  p = pose("XOX..\n.XO..\n.....\n.....\n.....\n");
  EXPECT_FALSE(atarisansissue(p, m, a, b, 1, 1));
  // Not in atari.
  p = pose("X....\n.....\n.....\n.....\n.....\n");
  EXPECT_FALSE(atarisansissue(p, m, a, b, 1, 1));
  // Two-stone chain: past (2,1) only (3,1) is empty.
  p = pose("XXO..\n.OO..\n.O...\n.....\n.....\n");
  EXPECT_TRUE(atarisansissue(p, m, a, b, 1, 2));
  EXPECT_TRUE(egal(b, 3, 1));
  // A liberty that touches two stones of the chain: they are not escapes.
  p = pose("XXO..\n.XO..\nOO...\n.....\n.....\n");
  EXPECT_TRUE(atarisansissue(p, m, a, b, 1, 1));
  EXPECT_TRUE(egal(a, 2, 1));
  EXPECT_TRUE(egal(b, 0, 0));
}

TEST(Formes, PierreIsoleeMorte) {
  // A black stone inside a white box: every window point sees white.
  std::string d;
  for (int r = 1; r <= 9; ++r) {
    std::string l(9, '.');
    if (r == 2 || r == 8) l = ".OOOOOOO.";
    else if (r > 2 && r < 8) l[1] = l[7] = 'O';
    if (r == 5) l[4] = 'X';
    d += l + "\n";
  }
  TPlateau p = pose(d);
  const TPlateau avant = p;
  pierreisoleemorte(p, 5, 5);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(pionsmorts[indexcase(5, 5)], 1);
  // A living friend within two points keeps it.
  pionsmorts.fill(0);
  p[indexcase(7, 7)] = NOIR;
  pierreisoleemorte(p, 5, 5);
  EXPECT_EQ(pionsmorts[indexcase(5, 5)], 0);
  // A stone with a neighbour is not isolated.
  p[indexcase(7, 7)] = VIDE;
  p[indexcase(4, 4)] = BLANC;
  pierreisoleemorte(p, 5, 5);
  EXPECT_EQ(pionsmorts[indexcase(5, 5)], 0);
}

TEST(Formes, PetitesChaines) {
  TPlateau p = pose("XX...\n.....\n...X.\n..X..\nXXXX.\n");
  TListePoints l;
  l[0] = 0;
  for (auto [r, c] : {std::pair{1, 1}, {3, 4}, {5, 1}, {2, 2}}) empilepoint(l, 300, r, c);
  TMarques m = marquesvides;
  marquepetiteschaines(4, l, p, NOIR, m);
  // (1,1)-(1,2) marked; (3,4) is loosely joined to (4,3) and the row of four: too big.
  EXPECT_TRUE(fixture::memesmarques(regionsur({{1, 1}, {1, 2}}), m));
  marquepetiteschaines(1, l, p, BLANC, m);
  EXPECT_TRUE(fixture::memesmarques(regionsur({{1, 1}, {1, 2}}), m));

  // marquepetiteschaines2 empties each small listed stone of c alone.
  uint8_t drapeaux[3] = {0, 0, 0};
  TPlateau q = p;
  marquepetiteschaines2(TPoint{}, drapeaux, 4, NOIR, q, l);
  EXPECT_EQ(q[indexcase(1, 1)], VIDE);
  EXPECT_EQ(q[indexcase(1, 2)], NOIR);
  EXPECT_EQ(q[indexcase(5, 1)], NOIR);
  q = p;
  drapeaux[1] = 1;
  marquepetiteschaines2(TPoint{1, 2}, drapeaux, 4, NOIR, q, l);
  EXPECT_EQ(q[indexcase(1, 1)], NOIR);  // entry 1 skipped by its flag
  EXPECT_EQ(q[indexcase(1, 2)], VIDE);  // the further point

  // A stone beside a chain in atari stays, even when that chain was lifted
  // from the work board with its chain-table entry kept: black (2,3) in atari
  // at (1,3), lifted; white (2,2) keeps its place.
  const TPlateau b = pose(".....\n.OXO.\n..O..\n.....\n.....\n");
  ASSERT_EQ(infochaine[indexcase(2, 3)][0], 1);
  q = b;
  q[indexcase(2, 3)] = VIDE;
  EXPECT_TRUE(voisinatari(q, 2, 2));
  l[0] = 0;
  empilepoint(l, 300, 2, 2);
  drapeaux[1] = 0;
  marquepetiteschaines2(TPoint{}, drapeaux, 1, BLANC, q, l);
  EXPECT_EQ(q[indexcase(2, 2)], BLANC);
}

TEST(Formes, ComptePierresAtariVoisines) {
  // Black (1,1),(1,2),(2,1) in atari at (2,2): both neighbours, one chain.
  TPlateau p = pose("XXO..\nX....\nO....\n.....\n.....\n");
  ASSERT_EQ(infochaine[indexcase(1, 1)][0], 1);
  EXPECT_EQ(comptepierresatarivoisines(infochaine, p, NOIR, 2, 2), 3);
  EXPECT_EQ(comptepierresatarivoisines(infochaine, p, BLANC, 2, 2), 0);
  TInfoChaine t = infochaine;
  t[indexcase(1, 2)][0] = 2;  // the given table is the one read
  t[indexcase(2, 1)][0] = 2;
  EXPECT_EQ(comptepierresatarivoisines(t, p, NOIR, 2, 2), 0);
}

}  // namespace
