// Region walks and territory predicates of unit voisin.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/voisin.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  cartefinale1.fill(0);
  cartefinale2.fill(0);
  return p;
}

TEST(VoisinZones, BorderStateOfARegion) {
  TPlateau p = pose(
      ".X...\n"
      "X..O.\n"
      ".....\n"
      ".....\n"
      ".....\n");
  struct Cas {
    int r, c;
    int32_t nb, etat;
    uint8_t couleur;
  } cas[] = {{1, 1, 1, 1, NOIR}, {3, 3, 21, 2, VIDE}};
  for (const auto& k : cas) {
    TMarques vu = marquesvides;
    int32_t nb = 0, etat = 0;
    uint8_t couleur = 9;
    zonevideetfrontiere(nb, etat, couleur, 0, k.r, k.c, vu, p);
    EXPECT_EQ(nb, k.nb);
    EXPECT_EQ(etat, k.etat);
    EXPECT_EQ(couleur, k.couleur);
  }
  // A dead stone belongs to the region; the border is then black alone.
  pionsmorts[indexcase(2, 4)] = 1;
  TMarques vu = marquesvides;
  int32_t nb = 0, etat = 0;
  uint8_t couleur = 9;
  zonevideetfrontiere(nb, etat, couleur, 0, 3, 3, vu, p);
  EXPECT_EQ(nb, 22);
  EXPECT_EQ(etat, 1);
  EXPECT_EQ(couleur, NOIR);

  // The enclosed corner is painted black; the open region is not.
  TMarques sortie = marquesvides;
  uint8_t flag = 1;
  vu = marquesvides;
  zonevideentouree(p, flag, NOIR, sortie, 0, 1, 1, vu);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(sortie[0], NOIR);
  int32_t res = 0;
  vu = marquesvides;
  zonevidetouchecouleur(res, BLANC, p, 0, 3, 3, vu);
  EXPECT_EQ(res, ARRETMARCHE);
  res = 0;
  vu = marquesvides;
  zonevidetouchecouleur(res, BLANC, p, 0, 1, 1, vu);
  EXPECT_EQ(res, 0);
}

TEST(VoisinZones, WindowWalks) {
  TPlateau p = pose(
      ".......\n"
      ".......\n"
      "...X...\n"
      "..XXX..\n"
      ".......\n"
      ".......\n"
      "......O\n");
  territoire[indexcase(7, 6)] = BLANC;
  EXPECT_FALSE(zonevidedansfenetre(p, BLANC, 1, 5, 5));  // (7,6) lies outside the window
  EXPECT_TRUE(zonevidedansfenetre(p, BLANC, 2, 5, 5));
  territoire[indexcase(5, 5)] = BLANC;
  EXPECT_TRUE(zonevidedansfenetre(p, BLANC, 0, 5, 5));  // the start point counts

  TCarte carte{};
  carte[indexcase(1, 1)] = 3;
  EXPECT_TRUE(zonevideatteintpositif(carte, p, 4, 2, 2));
  EXPECT_FALSE(zonevideatteintpositif(carte, p, 1, 3, 3));

  // Rectangle fill and empty points through table-empty points.
  TMarques m = marquesvides;
  remplitzonerectangle(p, 5, 1, 5, 7, 1, 3, m);
  int n = 0;
  for (uint8_t v : m) n += v;
  EXPECT_EQ(n, 9);
  TListePoints l{};
  videsdansfenetre(l, 80, p, 1, 3, 1, 7, 1, 1);
  EXPECT_EQ(l[0], 20);  // rows 1..3 but the stone at (3,4)
}

TEST(VoisinZones, ReachingStones) {
  TPlateau p = pose(
      "X......\n"
      ".......\n"
      "...X...\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  TCarte carte{};
  for (int c = 1; c <= 4; ++c) carte[indexcase(1, c)] = 5;
  for (int r = 1; r <= 3; ++r) carte[indexcase(r, 4)] = 5;
  EXPECT_TRUE(relieparinfluence(p, carte, NOIR, 3, 1, 1));   // along black's influence to (3,4)
  EXPECT_FALSE(relieparinfluence(p, carte, BLANC, 3, 1, 1));  // white's side is empty
  EXPECT_FALSE(relieparinfluence(p, carte, NOIR, 1, 1, 1));   // the window stops it
  {
    // Row first: the walk starts on the stone at (2,5), not at (5,2).
    TPlateau q = pose(
        ".......\n"
        "....X.X\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n");
    TCarte i{};
    i[indexcase(2, 6)] = 5;
    EXPECT_TRUE(relieparinfluence(q, i, NOIR, 3, 2, 5));
    EXPECT_FALSE(relieparinfluence(q, i, NOIR, 3, 5, 2));
  }

  TMarques marque = marquesvides;
  marque[indexcase(3, 4)] = 1;
  EXPECT_TRUE(atteintmarquedansfenetre(p, marque, 3, 1, 1));
  EXPECT_FALSE(atteintmarquedansfenetre(p, marque, 1, 1, 1));

  // A non-weak stone of the same colour within the step limit: (4,1) is
  // three steps down.
  p = pose(
      "X......\n"
      ".......\n"
      ".......\n"
      "X......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  lesfaibles.fill(0);
  marquessurvie.fill(0);
  carteattaque.fill(0);
  pionsmortsbis.fill(0);
  couleurdemandee = NOIR;
  EXPECT_TRUE(atteintchainenonfaible(p, 3, 1, 1));
  EXPECT_FALSE(atteintchainenonfaible(p, 2, 1, 1));
  carteattaque[indexcase(4, 1)] = 1;
  EXPECT_FALSE(atteintchainenonfaible(p, 9, 1, 1));
  carteattaque[indexcase(4, 1)] = 0;
  lesfaibles[indexcase(4, 1)] = 1;
  EXPECT_FALSE(atteintchainenonfaible(p, 9, 1, 1));
  EXPECT_FALSE(atteintchainenonfaible(p, 9, 2, 2));  // empty start
  lesfaibles[indexcase(4, 1)] = 0;

  // The step limit is a distance: a stone two steps away is reached with any
  // limit of two or more, whatever path the walk tries first ((1,2) is also
  // three steps away by the way down and round).
  p = pose(
      "X.X....\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n"
      ".......\n");
  for (int32_t pas : {2, 3, 4, 5}) EXPECT_TRUE(atteintchainenonfaible(p, pas, 1, 1)) << pas;
  EXPECT_FALSE(atteintchainenonfaible(p, 1, 1, 1));
}

TEST(VoisinZones, FinalTerritoryCount) {
  TPlateau p = pose(
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  // Black asks; white's final map is cartefinale2.
  cartefinale2[indexcase(1, 1)] = 1;
  cartefinale2[indexcase(1, 2)] = 1;
  EXPECT_FALSE(compteterritoirefinalzone(p, NOIR, 3, 3));  // two adjacent points
  cartefinale2[indexcase(1, 2)] = 0;
  cartefinale2[indexcase(5, 5)] = 1;
  EXPECT_TRUE(compteterritoirefinalzone(p, NOIR, 3, 3));   // two apart
  cartefinale2[indexcase(3, 1)] = 1;
  EXPECT_TRUE(compteterritoirefinalzone(p, NOIR, 3, 3));   // three
  EXPECT_FALSE(compteterritoirefinalzone(p, BLANC, 3, 3));  // black's map is empty
  // A wall of living black stones cuts the walk.
  p = pose(
      "..X..\n"
      "..X..\n"
      "..X..\n"
      "..X..\n"
      "..X..\n");
  cartefinale2.fill(0);
  cartefinale2[indexcase(1, 1)] = 1;
  cartefinale2[indexcase(5, 5)] = 1;
  cartefinale2[indexcase(1, 5)] = 1;
  EXPECT_FALSE(compteterritoirefinalzone(p, NOIR, 3, 1));
}

TEST(VoisinZones, EdgeNeighboursAndClasses) {
  TPlateau p = pose(
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  pointko = TPoint{};
  TPoint interieur, bord;
  voisinsdubord(interieur, bord, p, NOIR, 1, 3);
  EXPECT_EQ(interieur.ligne, 2);
  EXPECT_EQ(interieur.colonne, 3);
  EXPECT_EQ(bord.ligne, 0);  // two empty edge neighbours
  p = pose(
      ".O...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  voisinsdubord(interieur, bord, p, NOIR, 1, 3);
  EXPECT_EQ(bord.ligne, 1);
  EXPECT_EQ(bord.colonne, 4);
  p = pose(
      ".X.O.\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  voisinsdubord(interieur, bord, p, NOIR, 1, 3);
  EXPECT_EQ(bord.ligne, 0);
  EXPECT_EQ(bord.colonne, 1);  // a black edge stone with liberties

  // classevoisins: an empty neighbour owned by d is enough.
  p = pose(
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  EXPECT_FALSE(classevoisins(p, 3, 3, NOIR, BLANC));
  territoire[indexcase(4, 3)] = BLANC;
  EXPECT_TRUE(classevoisins(p, 3, 3, NOIR, BLANC));
  territoire.fill(VIDE);
  territoire2[indexcase(2, 3)] = NOIR;  // an empty point of c's: false at once
  territoire[indexcase(4, 3)] = BLANC;
  EXPECT_FALSE(classevoisins(p, 3, 3, NOIR, BLANC));

  EXPECT_TRUE(pointenferme(p, VIDE, 3, 3));
  TMarques carte;
  carte.fill(NOIR);
  carte[indexcase(3, 4)] = VIDE;
  EXPECT_TRUE(pointenferme(carte, NOIR, 3, 3));
  carte[indexcase(3, 2)] = VIDE;
  EXPECT_FALSE(pointenferme(carte, NOIR, 3, 3));
}

TEST(VoisinZones, TrialThreatFlag) {
  TPlateau p = pose(
      ".....\n"
      ".X...\n"
      ".....\n"
      "...O.\n"
      ".....\n");
  plateaudepart = p;
  couleurordi = NOIR;
  casescandidates.fill(0);
  casescandidatesjoueur.fill(0);
  for (auto& l : essaisordi)
    for (auto& e : l) e.liensessai.fill(0);
  for (auto& l : essaisjoueur)
    for (auto& e : l) e.liensessai.fill(0);
  // The engine's stone at (2,2) is threatened through the opponent's trials.
  casescandidatesjoueur[indexcase(3, 3)] = 1;
  essaijoueur(3, 3).liensessai[indexcase(2, 2)] = 0x800;
  EXPECT_TRUE(essaimenacepoint(2, 2));
  EXPECT_FALSE(essaimenacepoint(4, 4));
  casescandidates[indexcase(5, 5)] = 1;
  essaiordi(5, 5).liensessai[indexcase(4, 4)] = 0x801;
  EXPECT_TRUE(essaimenacepoint(4, 4));
  casescandidates[indexcase(5, 5)] = 0;
  EXPECT_FALSE(essaimenacepoint(4, 4));
}

}  // namespace
