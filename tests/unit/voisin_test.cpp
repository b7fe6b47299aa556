// Walks and predicates of unit voisin and of the engine state, on small
// diagram fixtures.
#include <gtest/gtest.h>

#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "tests/support/fixture.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

Points liste(const TListePoints& l) {
  Points v;
  for (int k = 1; k <= l[0]; ++k) v.emplace_back(l[2 * k], l[2 * k + 1]);
  return v;
}

TListePoints vide() {
  TListePoints l;
  l[0] = 0;
  return l;
}

constexpr const char* kCoin =
    "X....\n"
    ".....\n"
    ".....\n"
    ".....\n"
    ".....\n";

TEST(VoisinMarches, LibertyListsInWalkOrder) {
  TPlateau p = pose(kCoin);
  TListePoints l = vide();
  TMarques vu = marquesvides;
  libertesdelachaine(p, l, 300, 0, 1, 1, vu);
  EXPECT_EQ(liste(l), (Points{{2, 1}, {1, 2}}));

  p = pose(
      ".....\n"
      ".XX..\n"
      "..X..\n"
      ".....\n"
      ".....\n");
  l = vide();
  vu = marquesvides;
  libertesdelachaine(p, l, 300, 0, 2, 2, vu);
  // Depth first: +row, -row, +col, -col, never straight back.
  EXPECT_EQ(liste(l), (Points{{3, 2}, {1, 2}, {4, 3}, {3, 4}, {1, 3}, {2, 4}, {2, 1}}));
  EXPECT_EQ(nblibertes(p, 3, 3), 7);
  // A capacity of 3 keeps the first three.
  l = vide();
  vu = marquesvides;
  libertesdelachaine(p, l, 3, 0, 2, 2, vu);
  EXPECT_EQ(l[0], 3);
}

TEST(VoisinMarches, StopCodesAndLastLiberty) {
  struct Cas {
    const char* nom;
    const char* d;
    int r, c;
    TPoint attendu;
  } cas[] = {
      {"two liberties", kCoin, 1, 1, {1000, 0}},
      {"one liberty",
       "XO...\n"
       ".....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       1, 1, {2, 1}},
      {"shared liberty counts once",
       "XXO..\n"
       "O.O..\n"
       ".....\n"
       ".....\n"
       ".....\n",
       1, 1, {2, 2}},
      {"no liberty",
       "XO...\n"
       "O....\n"
       ".....\n"
       ".....\n"
       ".....\n",
       1, 1, {0, 0}},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d);
    TMarques vu = marquesvides;
    TPoint lib;
    derniereliberte(p, lib, 0, k.r, k.c, vu);
    EXPECT_EQ(lib.ligne, k.attendu.ligne);
    if (k.attendu.ligne != 1000) {
      EXPECT_EQ(lib.colonne, k.attendu.colonne);
    }
    int32_t n = 0;
    TPoint lib2;
    vu = marquesvides;
    derniereliberteetcompte(n, p, lib2, 0, k.r, k.c, vu);
    EXPECT_EQ(lib2.ligne, k.attendu.ligne);
  }
  TPlateau p = pose(
      "XO...\n"
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  const TPoint aucune = premiereliberte(p, 1, 1);
  EXPECT_EQ(aucune.ligne, 0);
  EXPECT_EQ(aucune.colonne, 0);
  EXPECT_EQ(premiereliberte(p, 1, 2).ligne, 2);  // row+1 is tried first
  EXPECT_EQ(premiereliberte(p, 1, 2).colonne, 2);
}

TEST(VoisinMarches, TwoLibertiesStopsAtTwo) {
  TPlateau p = pose(
      ".....\n"
      ".....\n"
      "..X..\n"
      ".....\n"
      ".....\n");
  TMarques vu = marquesvides;
  int32_t nb = 0;
  TPoint lib;
  deuxlibertes(p, nb, lib, 0, 3, 3, vu);
  EXPECT_EQ(nb, 2);
  EXPECT_EQ(lib.ligne, 4);  // first liberty found: row+1
  EXPECT_EQ(lib.colonne, 3);
  EXPECT_FALSE(vu[indexcase(3, 4)]);  // the walk stopped before column+1
  EXPECT_TRUE(aumoinsdeuxlibertes(p, 3, 3));
}

TEST(VoisinMarches, RegionsAndMarks) {
  TPlateau p = pose(
      ".....\n"
      ".....\n"
      "..X..\n"
      ".....\n"
      ".....\n");
  TMarques region = marquesvides;
  region[indexcase(3, 3)] = 1;
  TListePoints l = vide();
  TMarques vu = marquesvides;
  bordregion(p, l, 300, 0, 3, 3, region, vu);
  EXPECT_EQ(liste(l), (Points{{4, 3}, {2, 3}, {3, 4}, {3, 2}}));

  TMarques m = marquesvides;
  marquechaineetvoisins(p, m, 0, 3, 3);
  TMarques attendu = marquesvides;
  attendu[indexcase(3, 3)] = 1;
  for (auto [r, c] : Points{{4, 3}, {2, 3}, {3, 4}, {3, 2}}) attendu[indexcase(r, c)] = 2;
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 5), fixture::grille(m, 5)));

  // Region count capped at 31 on an empty 19x19 board.
  configmoteur.taille = 19;
  construittables(19);
  TPlateau grand = plateauvide();
  int32_t n = 0;
  vu = marquesvides;
  comptezonenoncouleurplafond(n, NOIR, grand, 0, 10, 10, vu);
  EXPECT_EQ(n, 31);
  n = 0;
  vu = marquesvides;
  comptevideszone(grand, NOIR, n, 0, 10, 10, vu);
  EXPECT_EQ(n, 361);
}

// The signed-region walk follows the start's content only: from an empty
// point it does not run through stones, even where the map has the sign.
TEST(VoisinMarches, SignedRegionStaysOnTheStartContent) {
  TPlateau p = pose(
      "..X..\n"
      "..X..\n"
      "..X..\n"
      "..X..\n"
      "..X..\n");
  TCarte carte{};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) carte[indexcase(r, c)] = (c == 1) ? -3 : 5;
  TMarques m = marquesvides;
  marquechainesigne(p, m, carte, 0, 1, 3, 2);
  TMarques attendu = marquesvides;
  for (int r = 1; r <= 5; ++r) attendu[indexcase(r, 2)] = 1;
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 5), fixture::grille(m, 5)));
  // From a stone: the chain's stones of that sign.
  m = marquesvides;
  carte[indexcase(5, 3)] = -1;
  marquechainesigne(p, m, carte, 0, 1, 1, 3);
  attendu = marquesvides;
  for (int r = 1; r <= 4; ++r) attendu[indexcase(r, 3)] = 1;
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 5), fixture::grille(m, 5)));
}

TEST(VoisinMarches, LooseGroupStopsAtFour) {
  TPlateau p = pose(
      "X......\n"
      ".X.....\n"
      "..X....\n"
      "...X...\n"
      "....X..\n"
      ".......\n"
      ".......\n");
  TListePoints l = vide();
  TMarques vu = marquesvides;
  int32_t n = 0;
  collectepetitgroupe(p, l, n, 1, 1, vu);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(liste(l), (Points{{1, 1}, {2, 2}, {3, 3}}));
}

TEST(VoisinMarches, LibertiesFromAnEmptyStartTakeOnlyAtariChains) {
  TPlateau p = pose(
      ".O...\n"
      "OXO..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  // (2,2) is in atari at (3,2); the white stones have two liberties each.
  TListePoints l = vide();
  TMarques vu = marquesvides;
  libertesdepart(p, l, 300, 0, 3, 2, vu);
  EXPECT_EQ(liste(l), Points{});  // the empty start's own neighbours are not taken
  l = vide();
  vu = marquesvides;
  libertesdepart(p, l, 300, 0, 2, 2, vu);
  EXPECT_EQ(liste(l), (Points{{3, 2}}));
  p = pose(
      "XO...\n"
      ".X...\n"
      ".....\n"
      ".....\n"
      ".....\n");
  // (1,1) black in atari next to (1,2) white in atari: both are crossed.
  l = vide();
  vu = marquesvides;
  libertesetatari(p, l, 300, 0, 1, 1, vu);
  EXPECT_EQ(liste(l), (Points{{2, 1}, {1, 3}}));
}

TEST(VoisinMarches, ChainTableWalks) {
  TPlateau p = pose(
      "XX...\n"
      ".X...\n"
      ".....\n"
      ".....\n"
      ".....\n");
  EXPECT_EQ(libertestableparent(p, 1, 1), 3);  // the head itself: its size
  EXPECT_EQ(libertestableparent(p, 2, 2), 1);  // reaches the head
  EXPECT_EQ(nbpionschaine(p, 2, 2), 3);
  TPlateau q = p;
  retirechaine(q, 1, 1);
  EXPECT_TRUE(fixture::memesplateaux(plateauvide(), q));
  EXPECT_EQ(infochaine, infochainevide);
  p = pose(
      "XO...\n"
      "XO...\n"
      "O....\n"
      ".....\n"
      ".....\n");
  retirechaine(p, 1, 1);  // the white chains gain the freed points
  EXPECT_TRUE(infochainecoherente(p));
  EXPECT_EQ(infochaine[indexcase(1, 2)][0], 5);
  EXPECT_EQ(infochaine[indexcase(3, 1)][0], 3);
}

TEST(VoisinMarches, DeadMarkingFamily) {
  TPlateau p = pose(
      "XXO..\n"
      "..O..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  marquechaine(p, 1, 1);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 1);
  EXPECT_EQ(pionsmorts[indexcase(1, 3)], 0);
  marquechaine(p, 2, 3);
  marquechainesvoisinesmarquees(p, 1, 1);  // marks black, clears the white chain next to it
  EXPECT_EQ(pionsmorts[indexcase(1, 3)], 0);
  EXPECT_EQ(pionsmorts[indexcase(2, 3)], 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 1)], 1);
  demarquechaine(p, 1, 2);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  marquechainesansvisite(p, 2, 3);
  EXPECT_EQ(pionsmorts[indexcase(1, 3)], 1);
}

TEST(VoisinMarches, ZoneTestPutsTheStoneBack) {
  TPlateau p = pose(
      ".......\n"
      ".OOOO..\n"
      ".O...O.\n"
      ".O.X.O.\n"
      ".O...O.\n"
      "..OOO..\n"
      ".......\n");
  const TPlateau avant = p;
  const TInfoChaine table = infochaine;
  EXPECT_TRUE(testezone(p, 3, 4, 4));  // a lone stone inside white's area
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, table);
  p[indexcase(3, 3)] = NOIR;  // a friendly stone reached by the walk
  EXPECT_FALSE(testezone(p, 3, 4, 4));
}

TEST(VoisinMarches, DeadMarkTrialsPutTheMarksBack) {
  // A lone white stone next to a black chain: marked dead only while the
  // walk from it meets no unmarked white stone.
  TPlateau p = pose(
      ".....\n"
      ".XX..\n"
      ".XO..\n"
      "..X..\n"
      "...O.\n");
  const TPlateau avant = p;
  const TInfoChaine table = infochaine;
  testzonenoncouleur(p, 2, 3);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));  // the walk reached (5,4): mark taken back
  territoire[indexcase(3, 3)] = NOIR;
  EXPECT_FALSE(zonefermee(p, BLANC, NOIR, 3, 3));  // meets the white stone
  marquechaineenfermee(p, BLANC, NOIR, 3, 3);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, table);

  p = pose(
      ".....\n"
      ".XX..\n"
      ".XO..\n"
      "..X..\n"
      ".....\n");
  testzonenoncouleur(p, 2, 3);
  EXPECT_EQ(pionsmorts[indexcase(3, 3)], 1);
  pionsmorts.fill(0);
  EXPECT_FALSE(zonefermee(p, BLANC, NOIR, 3, 3));  // not in black's territory
  territoire[indexcase(3, 3)] = NOIR;
  EXPECT_TRUE(zonefermee(p, BLANC, NOIR, 3, 3));
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  marquechaineenfermee(p, BLANC, NOIR, 3, 3);
  EXPECT_EQ(pionsmorts[indexcase(3, 3)], 1);
}

TEST(VoisinPredicats, Table) {
  TPlateau p = pose(
      "XO...\n"
      "X....\n"
      "..O..\n"
      ".OXO.\n"
      ".....\n");
  EXPECT_EQ(minlibertesvoisins(p, BLANC, 5, 5), 10);
  EXPECT_EQ(minlibertesvoisins(p, NOIR, 3, 2), 10);
  EXPECT_EQ(minlibertesvoisins(p, BLANC, 4, 2 + 0), 10);
  EXPECT_EQ(minlibertesvoisins(p, NOIR, 1, 3), 10);
  EXPECT_EQ(minlibertesvoisins(p, BLANC, 1, 3), 2);
  EXPECT_FALSE(testvoisinsatari(p, NOIR, 0, 0));
  EXPECT_TRUE(tousvoisinscouleur(p, NOIR, 2, 1) == false);
  EXPECT_TRUE(voisin8enemi(p, VIDE, 3, 3));  // colour 2: looks for black stones
  EXPECT_FALSE(voisin8enemi(p, VIDE, 2, 4));
  EXPECT_TRUE(voisin8enemi(p, NOIR, 2, 4));
  EXPECT_TRUE(voisincouleuratari(p, NOIR, 3, 3));
  EXPECT_TRUE(voisincouleuratari(p, NOIR, 5, 3));
  EXPECT_FALSE(voisincouleuratari(p, BLANC, 5, 3));
  EXPECT_TRUE(voisinatari(p, 4, 1) == false);
  EXPECT_EQ(pierresenatari(p, NOIR), 1);  // the black stone at (4,3)
  EXPECT_EQ(pierresenatari(p, BLANC), 0);

  // Corner: two table neighbours only.
  TPlateau q = pose(
      ".X...\n"
      "X....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  EXPECT_TRUE(tousvoisinscouleur(q, NOIR, 1, 1));
  EXPECT_TRUE(entoureparcouleur(q, NOIR, 1, 1));
  TPoint v;
  EXPECT_FALSE(unseulvoisinvide(v, q, NOIR, 1, 1));
  EXPECT_TRUE(unseulvoisinvide(v, q, NOIR, 1, 3) == false);
}

TEST(VoisinPredicats, AtariNeighbourCounts) {
  TPlateau p = pose(
      ".O...\n"
      "OXO..\n"
      ".....\n"
      ".XX..\n"
      ".....\n");
  // (2,2): liberty (3,2) only -> atari. (4,2)-(4,3): many liberties.
  EXPECT_EQ(infochaine[indexcase(2, 2)][0], 1);
  EXPECT_FALSE(compteatarivoisins(p, NOIR, 3, 2));  // atari + 6 liberties
  TPlateau q = pose(
      ".O...\n"
      "OXO..\n"
      ".....\n"
      "OXO..\n"
      ".....\n");
  EXPECT_EQ(infochaine[indexcase(4, 2)][0], 2);
  EXPECT_TRUE(compteatarivoisins(q, NOIR, 3, 2));  // 1 and 2 liberties
  TPlateau r = pose(
      ".O...\n"
      "OXO..\n"
      ".....\n"
      "..X..\n"
      ".....\n");
  EXPECT_FALSE(compteatarivoisins(r, NOIR, 3, 2));  // a single such neighbour
  EXPECT_TRUE(testvoisinsatari(r, NOIR, 3, 2));      // two empty neighbours
  EXPECT_TRUE(voisincouleuratari(r, NOIR, 3, 2));
  EXPECT_TRUE(voisinmoinsde3libertes(r, NOIR, 3, 2));
}

}  // namespace

namespace {

TEST(VoisinMarches, CollectorsCrossingWeakChains) {
  // Black (2,3)-(3,3) touches white (1,3) in atari (last liberty (1,4)) and
  // white (3,4) with two liberties.
  TPlateau p = pose(
      ".XO...\n"
      "..X...\n"
      "..XOX.\n"
      "......\n"
      "......\n"
      "......\n");
  ASSERT_EQ(infochaine[indexcase(1, 3)][0], 1);
  ASSERT_EQ(infochaine[indexcase(3, 4)][0], 2);
  TListePoints l = vide();
  TMarques vu = marquesvides;
  listelibertes(p, l, 300, 0, 3, 3, vu);
  EXPECT_EQ(liste(l), (Points{{4, 3}, {1, 4}, {2, 4}, {2, 2}, {3, 2}}));
  l = vide();
  vu = marquesvides;
  libertesetvoisinsfaibles(p, l, 300, 0, 3, 3, vu);
  EXPECT_EQ(liste(l), (Points{{1, 4}, {4, 4}, {2, 4}}));  // own liberties left out
  l = vide();
  vu = marquesvides;
  uint8_t flag = 0;
  libertesennemisfaibles(p, l, 300, flag, 0, 3, 3, vu);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(l[0], 3);
  l = vide();
  vu = marquesvides;
  libertesetatari2(p, l, 300, 0, 3, 3, vu);
  EXPECT_EQ(liste(l), (Points{{4, 3}, {1, 4}, {2, 4}, {2, 2}, {3, 2}}));
  l = vide();
  vu = marquesvides;
  listechainesfaibles(p, l, 300, 0, 1, 3, vu);
  EXPECT_EQ(liste(l), (Points{{1, 3}, {1, 2}}));
}

TEST(VoisinMarches, StateArrayMarking) {
  TPlateau p = pose(
      ".....\n"
      ".XX..\n"
      ".....\n"
      ".....\n"
      ".....\n");
  TMarques etat = marquesvides;
  etat[indexcase(2, 2)] = 1;
  etat[indexcase(2, 3)] = 1;
  marquechaineselonvisite2(p, etat, 0, 2, 2);
  EXPECT_EQ(etat[indexcase(2, 2)], 2);
  EXPECT_EQ(etat[indexcase(2, 3)], 2);
  EXPECT_EQ(etat[indexcase(1, 2)], 1);  // empty neighbours flagged 1
  EXPECT_EQ(etat[indexcase(2, 4)], 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 3)], 1);
  TMarques vu = marquesvides;
  effacemortschaine(p, 0, 2, 2, vu);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  EXPECT_EQ(vu[indexcase(2, 3)], 1);

  // Flagged empty points reached from flagged points become stones.
  TMarques drapeaux = marquesvides;
  drapeaux[indexcase(4, 4)] = 1;
  drapeaux[indexcase(5, 4)] = 1;
  int32_t n = 0;
  vu = marquesvides;
  comptezonenoncouleurmarque(p, NOIR, drapeaux, n, 0, 4, 4, vu);
  EXPECT_EQ(p[indexcase(5, 4)], NOIR);
  EXPECT_EQ(n, 25 - 2 - 1);
}

TEST(VoisinMarches, LibertiesToMoves) {
  TPlateau p = pose(
      ".....\n"
      ".....\n"
      "..O..\n"
      ".....\n"
      ".....\n");
  libertesverscoups(p, 3, 3, NOIR, BLANC);
  EXPECT_EQ(p[indexcase(3, 3)], VIDE);  // the four liberties filled: captured
  EXPECT_EQ(p[indexcase(2, 3)], NOIR);
  EXPECT_TRUE(infochainecoherente(p));
}

}  // namespace
