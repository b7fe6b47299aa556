// Invasion family: the viability test's value formulas, edge and shape
// tests, its entry filter and restore contract, the generator's rebuilt
// maps, opening gate and reading values, and the opponent's invasion zones.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/cadre.h"
#include "engine/proposals/invasions.h"
#include "engine/proposals/invasionvivante.h"
#include "tests/support/cartescote.h"
#include "tests/support/fixture.h"

namespace {

// An empty 19x19 board with the given stones.
TPlateau pose19(std::initializer_list<std::pair<TPoint, uint8_t>> pierres) {
  std::string d;
  for (int r = 1; r <= 19; ++r) d += std::string(19, '.') + "\n";
  TPlateau p = fixture::posemoteur(d);
  for (const auto& [pt, c] : pierres) p[indexcase(pt.ligne, pt.colonne)] = c;
  calculelibertes(p);
  return p;
}

TEST(InvasionValeurs, FormulasAndTheirReducedForm) {
  debutpartie = 0;
  territoireaprendre[0] = 0;
  EXPECT_EQ(valeurinvasion1(3, 2, 2, 1), 80);
  EXPECT_EQ(valeurinvasion2(3, 2, 0, 1), 70);
  EXPECT_EQ(valeurinvasion2(3, 2, 1, 1), 20);
  EXPECT_EQ(valeurinvasion3(3, 2, 1), 80);
  // The fourth reading keeps its value when its own reading finds nothing.
  EXPECT_EQ(valeurinvasion3(3, 0, 1), 60);
  // Opening with territory to take: the engine's invasions use the reduced form.
  debutpartie = 1;
  territoireaprendre[0] = 3;
  EXPECT_EQ(valeurinvasion1(3, 2, 2, 1), 25);
  EXPECT_EQ(valeurinvasion2(3, 2, 0, 1), 10);
  EXPECT_EQ(valeurinvasion3(3, 2, 1), 40);
  // Not for the opponent's.
  EXPECT_EQ(valeurinvasion1(3, 2, 2, 0), 80);
  territoireaprendre[0] = 2;
  EXPECT_EQ(valeurinvasion1(3, 2, 2, 1), 80);
  debutpartie = 0;
  territoireaprendre[0] = 0;
}

// White's area on rows 1-5 of a 19x19 board in the swapped map, the entry
// map owning only two points of row `ligne` far on each side.
TEST(InvasionBord, ThirdAndFourthLinesOnlyOutOfTheCorners) {
  TPlateau p = pose19({});
  territoire.fill(BLANC);
  struct Cas { int32_t ligne, colonne; bool attendu; const char* pourquoi; };
  const Cas cas[] = {{3, 10, true, "third line"},   {4, 10, true, "fourth line"},
                     {2, 10, false, "second line"}, {5, 10, false, "fifth line"},
                     {3, 3, false, "corner zone"}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    TMarques entree;
    entree.fill(VIDE);
    entree[indexcase(k.ligne, 2)] = BLANC;
    entree[indexcase(k.ligne, 18)] = BLANC;
    EXPECT_EQ(invasionbordpossible(p, entree, k.ligne, k.colonne, BLANC, NOIR), k.attendu);
  }
  // Without a swap the entry map is territoire: no strip passes.
  EXPECT_FALSE(invasionbordpossible(p, territoire, 3, 10, BLANC, NOIR));
  // The line meets the invader's area first on one side.
  TMarques entree;
  entree.fill(VIDE);
  entree[indexcase(3, 2)] = BLANC;
  entree[indexcase(3, 18)] = NOIR;
  EXPECT_FALSE(invasionbordpossible(p, entree, 3, 10, BLANC, NOIR));
  // A stone in the strip.
  entree[indexcase(3, 18)] = BLANC;
  p[indexcase(1, 10)] = BLANC;
  calculelibertes(p);
  EXPECT_FALSE(invasionbordpossible(p, entree, 3, 10, BLANC, NOIR));
}

TEST(InvasionForme, FirstLineAndSurroundedShapes) {
  TMarques vivants = marquesvides;
  pionsmorts = marquesvides;
  territoire.fill(VIDE);
  // First line: black (1,10) under white (2,10), white's point beside it.
  // Black has two liberties: white's stone next to it must be dead-marked.
  TPlateau p = pose19({{{1, 10}, NOIR}, {{2, 10}, BLANC}});
  territoire[indexcase(1, 11)] = BLANC;
  EXPECT_FALSE(invasionpremiereligne(vivants, p, 1, 10));
  pionsmorts[indexcase(2, 10)] = 1;
  EXPECT_TRUE(invasionpremiereligne(vivants, p, 1, 10));
  // The white stone written off in the mask.
  TMarques morts = marquesvides;
  morts[indexcase(2, 10)] = 1;
  EXPECT_FALSE(invasionpremiereligne(morts, p, 1, 10));
  // No defender point beside it.
  territoire[indexcase(1, 11)] = VIDE;
  EXPECT_FALSE(invasionpremiereligne(vivants, p, 1, 10));
  // A corner point never passes.
  p = pose19({{{1, 1}, NOIR}, {{2, 1}, BLANC}, {{2, 2}, BLANC}});
  territoire[indexcase(1, 2)] = BLANC;
  EXPECT_FALSE(invasionpremiereligne(vivants, p, 1, 1));
  pionsmorts = marquesvides;
  // Elsewhere: live white stones above and below.
  p = pose19({{{10, 10}, NOIR}, {{9, 10}, BLANC}, {{11, 9}, BLANC}});
  EXPECT_TRUE(invasionpremiereligne(vivants, p, 10, 10));
  p = pose19({{{10, 10}, NOIR}, {{9, 10}, BLANC}});
  EXPECT_FALSE(invasionpremiereligne(vivants, p, 10, 10));
}

TEST(InvasionViable, DeadTrialStoneWithoutStrongLinkGetsNothing) {
  TPlateau p = pose19({{{10, 10}, NOIR}, {{9, 10}, BLANC}, {{11, 10}, BLANC}});
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  pionsmorts = marquesvides;
  pionsmorts[indexcase(10, 10)] = 1;
  flaginvasionvivante = 0;
  peutlierfortessai(essaisordi[9][9]) = 0;
  territoire.fill(BLANC);
  compteurinvasions2 = 0;
  int32_t travail = 0, resultat = 99;
  fixture::verifieinchange(p, [&] {
    testinvasionvivante(1, 0, 0, travail, p, resultat, NOIR, BLANC, marquesvides, marquesvides, marquesvides, 0,
                        10, 10, 2, 0, 0);
  });
  EXPECT_EQ(resultat, 0);
  EXPECT_EQ(compteurinvasions2, 0);
}

// Engine positions after both analyses, black (the engine) to move.
const char* const kPositions[] = {
    ".........\n"
    "..X...O..\n"
    ".........\n"
    "..X...O..\n"
    ".........\n"
    "..X..O...\n"
    ".......O.\n"
    "..X......\n"
    ".........\n",
    ".........\n"
    ".XX..O...\n"
    "...X.O...\n"
    "..XO.O...\n"
    ".XO......\n"
    "..O..X...\n"
    ".....X...\n"
    ".......O.\n"
    ".........\n",
};

TEST(InvasionViable, EveryCandidateLeavesThePositionAndTerritoryAsTheyWere) {
  for (const char* d : kPositions) {
    fixture::AnalyseRacine& a = fixture::analysemoteur(d);
    TPlateau b = plateaumoteur;
    const int32_t n = configmoteur.taille;
    for (int32_t r = 1; r <= n; ++r)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(r, c);
        for (const uint8_t ordi : {0, 1}) {
          if (!(ordi ? casescandidates[i] : casescandidatesjoueur[i])) continue;
          const TEssaiCoup& e = ordi ? essaisordi[r - 1][c - 1] : essaisjoueur[r - 1][c - 1];
          const fixture::CartesCote& inv = ordi ? a.ordi : a.joueur;
          const fixture::CartesCote& def = ordi ? a.joueur : a.ordi;
          for (const int32_t mode : {1, 2, 3}) {
            TPlateau essai = e.plateauessai;
            infochaine = e.infochaineessai;
            pionsmorts = inv.mortsapresessai[r - 1][c - 1];
            const TMarques t = territoire;
            int32_t travail = 0, resultat = -1;
            fixture::verifieinchange(essai, [&] {
              testinvasionvivante(ordi, 0, 0, travail, essai, resultat, ordi ? couleurordi : couleurjoueur,
                                  ordi ? couleurjoueur : couleurordi, inv.mortsapreslecture[r - 1][c - 1],
                                  def.mortsapreslecture[r - 1][c - 1], ordi ? marquesliaison1 : marquesliaison2,
                                  compteur4essai(e), r, c, mode, 0, 0);
            });
            EXPECT_GE(resultat, 0);
            EXPECT_TRUE(fixture::memesplateaux(t, territoire)) << r << "," << c << " mode " << mode;
          }
        }
      }
    calculelibertes(b);
  }
}

// White's stone at (7,7) inside black's ring: the opponent's invasion is
// judged on its geometry when the engine's own trial at the point would
// claim more than two points of influence (the trial's influence count,
// 7 here), the white stone links to a live chain and its chain holds more
// than one stone; the territory count of the same trial (0 here) plays no
// part. Without that flag the test ends at the shape test with nothing.
TEST(InvasionViable, TheOpponentsGeometryReadsTheEngineTrialsInfluenceCount) {
  struct Cas {
    const char* nom;
    int32_t territoire, influence;  // compteur4essai, compteur5essai of the engine's trial
    bool viable;
  };
  const Cas cas[] = {
      {"as the analysis left it", -1, -1, true},
      {"influence count 3", 0, 3, true},
      {"influence count 2, territory count 3", 3, 2, false},
  };
  for (const Cas& k : cas) {
    fixture::AnalyseRacine& a = fixture::analysemoteur(
        ".........\n..XXXX...\n.XOO.OX..\n.XO..OX..\n..XXXX...\n.........\n.....O...\n.........\n.........\n",
        {.trait = NOIR, .niveau = 5});
    constexpr int32_t r = 7, c = 7;
    ASSERT_TRUE(casescandidatesjoueur[indexcase(r, c)]) << k.nom;
    TEssaiCoup& eo = essaisordi[r - 1][c - 1];
    const TEssaiCoup& e = essaisjoueur[r - 1][c - 1];
    if (k.territoire < 0) {
      EXPECT_EQ(eo.compteur4essai, 0);
      EXPECT_GT(eo.compteur5essai, 2);
    } else {
      eo.compteur4essai = k.territoire;
      eo.compteur5essai = k.influence;
    }
    TPlateau b = plateaumoteur;
    TPlateau essai = e.plateauessai;
    infochaine = e.infochaineessai;
    pionsmorts = a.joueur.mortsapresessai[r - 1][c - 1];
    int32_t travail = 0, resultat = -1;
    testinvasionvivante(0, 0, 0, travail, essai, resultat, couleurjoueur, couleurordi,
                        a.joueur.mortsapreslecture[r - 1][c - 1], a.ordi.mortsapreslecture[r - 1][c - 1],
                        marquesliaison2, compteur4essai(e), r, c, 2, 0, 0);
    if (k.viable) EXPECT_GT(resultat, 0) << k.nom;
    else EXPECT_EQ(resultat, 0) << k.nom;
    calculelibertes(b);
  }
}

TEST(InvasionFamille, BothMapsRebuiltFromZeroAndThePositionComesBack) {
  for (const char* d : kPositions) {
    fixture::AnalyseRacine& a = fixture::analysemoteur(d);
    TPlateau b = plateaumoteur;
    pionsmorts = marquesliaison1;
    auto ordi = std::make_unique<fixture::CartesFamilleCote>();
    auto joueur = std::make_unique<fixture::CartesFamilleCote>();
    TCarte &A = ordi->invasionforte, &B = joueur->invasionforte;
    A.fill(777);
    B.fill(777);
    const TMarques t = territoire;
    fixture::verifieinchange(b, [&] {
      invasionpossible(ordi->cartes(a.ordi), joueur->cartes(a.joueur), b, couleurordi, couleurjoueur);
    });
    EXPECT_TRUE(fixture::memesplateaux(t, territoire));
    const int32_t n = configmoteur.taille;
    for (int32_t i = 0; i < NBCASES; ++i) {
      const bool surplateau = i / 19 < n && i % 19 < n;
      if (!surplateau || !casescandidates[i]) {
        EXPECT_EQ(A[i], 0) << i;
      }
      if (!surplateau || !casescandidatesjoueur[i]) {
        EXPECT_EQ(B[i], 0) << i;
      }
      EXPECT_GE(A[i], 0);
      EXPECT_GE(B[i], 0);
    }
    EXPECT_EQ(compteurinvasions2, std::max(compteurinvasions, compteurinvasions3));
  }
}

// White's stone at (2,1) on the edge of black's area, its trial read dead
// there: the generator still judges it when the stone can be linked to a
// strong white chain and the point is black's territory, and the judgement
// gives it a value; without that link it is not looked at.
TEST(InvasionFamille, ADeadOpponentInvaderThatCanLinkStrongIsJudged) {
  for (const bool lien : {true, false}) {
    SCOPED_TRACE(lien ? "can link strong" : "cannot");
    fixture::AnalyseRacine& a = fixture::analysemoteur(kPositions[0]);
    TPlateau b = plateaumoteur;
    constexpr int32_t r = 2, c = 1;
    const int32_t i = indexcase(r, c);
    ASSERT_TRUE(casescandidatesjoueur[i]);
    TEssaiCoup& J = essaisjoueur[r - 1][c - 1];
    a.joueur.mortsapresessai[r - 1][c - 1][i] = 1;
    J.plateauessai2[i] = 0;  // alive in the record's own dead marks
    peutlierfortessai(J) = lien ? 1 : 0;
    territoire[i] = couleurordi;
    pionsmorts = marquesliaison1;
    auto ordi = std::make_unique<fixture::CartesFamilleCote>();
    auto joueur = std::make_unique<fixture::CartesFamilleCote>();
    fixture::verifieinchange(b, [&] {
      invasionpossible(ordi->cartes(a.ordi), joueur->cartes(a.joueur), b, couleurordi, couleurjoueur);
    });
    if (lien) EXPECT_GT(joueur->invasionforte[i], 0);
    else EXPECT_EQ(joueur->invasionforte[i], 0);
  }
}

TEST(InvasionFamille, OpeningWithMuchTerritoryToTakeSkipsTheEnginesPass) {
  fixture::AnalyseRacine& a = fixture::analysemoteur(kPositions[0]);
  TPlateau b = plateaumoteur;
  debutpartie = 1;
  territoireaprendre[0] = 5;
  auto ordi = std::make_unique<fixture::CartesFamilleCote>();
  auto joueur = std::make_unique<fixture::CartesFamilleCote>();
  TCarte &A = ordi->invasionforte, &B = joueur->invasionforte;
  A.fill(777);
  B.fill(777);
  compteurinvasions3 = -5;
  invasionpossible(ordi->cartes(a.ordi), joueur->cartes(a.joueur), b, couleurordi, couleurjoueur);
  for (int32_t i = 0; i < NBCASES; ++i) EXPECT_EQ(A[i], 0) << i;
  EXPECT_EQ(compteurinvasions3, -5);
  debutpartie = 0;
  territoireaprendre[0] = 0;
}

TEST(InvasionFamille, ReadingValuesByTheirFactor) {
  TPlateau p = pose19({});
  casescandidates = marquesvides;
  struct Cas { int32_t existant; uint8_t attaque, debut; int32_t c0, attendu; const char* pourquoi; };
  const Cas cas[] = {{40, 0, 0, 0, 100, "a value already there: 20 per unit"},
                     {0, 1, 0, 3, 60, "under attack with few invasions"},
                     {0, 1, 0, 4, 15, "under attack with many invasions, no link"},
                     {40, 0, 1, 0, 55, "opening with territory to take"},
                     {0, 0, 0, 0, 15, "no value and no link"}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.pourquoi);
    flagattaque = k.attaque;
    debutpartie = k.debut;
    territoireaprendre[0] = 3;
    TCarte carte{};
    carte[indexcase(5, 5)] = k.existant;
    ajoutelectureinvasion(carte, 3, k.c0, p, NOIR, 5, 5);
    EXPECT_EQ(carte[indexcase(5, 5)], k.attendu);
  }
  flagattaque = 0;
  debutpartie = 0;
  territoireaprendre[0] = 0;
}

TEST(InvasionZones, CandidateMapsClearedAndZonesNumbered) {
  // White (the engine) around an open point (10,10) that black invades.
  TPlateau p = pose19({{{8, 10}, BLANC}, {{12, 10}, BLANC}, {{10, 8}, BLANC}, {{10, 12}, BLANC}});
  casescandidatesjoueur = marquesvides;
  casescandidatesjoueur[indexcase(10, 10)] = 1;
  casescandidatesjoueur[indexcase(3, 3)] = 1;
  std::memset(zonesinvasionjoueur, 9, sizeof zonesinvasionjoueur);
  TCarte B{};
  B[indexcase(10, 10)] = 40;
  compteurinvasions = 0;
  analysecoupsinvasion(p, B, BLANC, zonesinvasionjoueur, NOIR);
  for (int32_t i = 0; i < NBCASES; ++i) {
    EXPECT_EQ(zonesinvasionjoueur[9][9][i], 0);
    EXPECT_EQ(zonesinvasionjoueur[2][2][i], 0);
  }
  EXPECT_EQ(zonesinvasionjoueur[4][4][0], 9);  // not a candidate: left alone
  compteurinvasions = 1;
  analysecoupsinvasion(p, B, BLANC, zonesinvasionjoueur, NOIR);
  // The first zone: the point and its window, numbered 1.
  EXPECT_EQ(zonesinvasionjoueur[9][9][indexcase(10, 10)], 1);
  EXPECT_EQ(zonesinvasionjoueur[9][9][indexcase(9, 9)], 1);
  for (int32_t i = 0; i < NBCASES; ++i) EXPECT_LE(zonesinvasionjoueur[9][9][i], 1);
  EXPECT_EQ(zonesinvasionjoueur[2][2][indexcase(10, 10)], 0);
  compteurinvasions = 0;
}

// White's (the engine's) chain (10,11)-(10,12) beside black's invasion point
// (10,10): its stones join the zone with its liberties, and the zone runs on
// through them to the liberty (10,13) beyond the window. That liberty keeps
// its mark only while the chain has fewer than 4 liberties (black's stones
// around it).
TEST(InvasionZones, TheZoneRunsThroughTheEnginesChainBesideThePoint) {
  struct Cas {
    const char* nom;
    bool serree;
    uint8_t audela;
  } cas[] = {{"three liberties", true, 1}, {"six liberties", false, 0}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = k.serree ? pose19({{{10, 11}, BLANC}, {{10, 12}, BLANC}, {{9, 12}, NOIR}, {{11, 12}, NOIR},
                                    {{11, 11}, NOIR}})
                          : pose19({{{10, 11}, BLANC}, {{10, 12}, BLANC}});
    casescandidatesjoueur = marquesvides;
    casescandidatesjoueur[indexcase(10, 10)] = 1;
    TCarte B{};
    B[indexcase(10, 10)] = 40;
    compteurinvasions = 1;
    analysecoupsinvasion(p, B, BLANC, zonesinvasionjoueur, NOIR);
    const uint8_t* zone = zonesinvasionjoueur[9][9];
    EXPECT_EQ(zone[indexcase(10, 10)], 1);
    EXPECT_EQ(zone[indexcase(10, 11)], 1);
    EXPECT_EQ(zone[indexcase(10, 12)], 1);
    EXPECT_EQ(zone[indexcase(10, 13)], k.audela);
    compteurinvasions = 0;
  }
}

}  // namespace
