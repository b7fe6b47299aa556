// Outcome writers and seki detection: the codes of a contact by level
// difference, the -1 that stays, the survival maps as a table, zone levels
// with forced attacker moves, the dead marks removed under sansstatut; two
// seki shapes, a failing seed and a failing shape, and the trial variant;
// the seki shapes that are none once the stones shut inside are taken.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/territory/resultats.h"
#include "engine/territory/seki.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  pionsmortsavant.fill(0);
  pionsmortsbis.fill(0);
  sansstatut = 0;
  tableessaiscourante = 2;
  plateaudepart = p;
  TEssaiCoup& e = essaiordi(4, 4);
  e.etatessai.fill(0);
  e.valeursessai.fill(0);
  return p;
}

TMarques carte(std::initializer_list<std::pair<int, int>> points, uint8_t niveau) {
  TMarques m = marquesvides;
  for (auto [r, c] : points) m[indexcase(r, c)] = niveau;
  return m;
}

int32_t etat(int r, int c) { return essaiordi(4, 4).etatessai[indexcase(r, c)]; }
int32_t valeur(int r, int c) { return essaiordi(4, 4).valeursessai[indexcase(r, c)]; }

// A dead white stone (1,1) against a dead black stone (1,2); white (3,1) is
// alive and reached through the empty (2,1) of white's zone.
constexpr const char* kContact =
    "OX.....\n"
    ".......\n"
    "O......\n"
    ".......\n.......\n.......\n.......\n";

struct CasContact {
  const char* note;
  int la, lb;
  bool vivant;  // white's zone reaches the living white stone
  int32_t etatblanc, valeurblanc, etatnoir, valeurnoir;
};

const CasContact kContacts[] = {
    {"levels 3 and 2: close, mode 3", 3, 2, true, ETATEGAL, 0, ETATEGAL, 0},
    {"equal levels: mode 3", 6, 6, true, ETATEGAL, 0, ETATEGAL, 0},
    {"levels 7 and 3 with a living white stone met: mode 1", 7, 3, true, ETATVAINQUEUR, 4, ETATVAINCU, -4},
    {"levels 7 and 3, nothing living, few points: mode 2", 7, 3, false, ETATINCERTAIN, -100, ETATINCERTAIN2, -4},
};

TEST(ResultatContact, CodesByLevels) {
  for (const CasContact& k : kContacts) {
    const TPlateau p = pose(kContact);
    pionsmorts = carte({{1, 1}, {1, 2}}, 1);
    essaiordi(4, 4).valeursessai[indexcase(1, 1)] = -3;  // a negative value becomes 0 in mode 3
    essaiordi(4, 4).valeursessai[indexcase(1, 2)] = -3;
    if (k.etatblanc != ETATEGAL) essaiordi(4, 4).valeursessai.fill(0);
    const TMarques W = k.vivant ? carte({{1, 1}, {2, 1}, {3, 1}}, static_cast<uint8_t>(k.la))
                                : carte({{1, 1}}, static_cast<uint8_t>(k.la));
    const TMarques B = carte({{1, 2}}, static_cast<uint8_t>(k.lb));
    TMarques vu = marquesvides;
    resultatcontact(p, BLANC, NOIR, vu, W, B, pionsmortsavant, 4, 4, k.la, k.lb, 1, 1);
    EXPECT_EQ(etat(1, 1), k.etatblanc) << k.note;
    EXPECT_EQ(valeur(1, 1), k.valeurblanc) << k.note;
    EXPECT_EQ(etat(1, 2), k.etatnoir) << k.note;
    EXPECT_EQ(valeur(1, 2), k.valeurnoir) << k.note;
    EXPECT_EQ(etat(3, 1), 0) << k.note;  // living stones get no code
  }
  tableessaiscourante = 0;
}

TEST(EcritResultatZone, CodesThatStay) {
  const TPlateau p = pose(kContact);
  pionsmorts = carte({{1, 1}, {1, 2}}, 1);
  const TMarques parcouru = carte({{1, 1}, {1, 2}}, 1);
  // White wins first: -1 on white, -2 on black.
  ecritresultatzone(p, parcouru, pionsmortsavant, BLANC, NOIR, 1, 4, 4, 5);
  EXPECT_EQ(etat(1, 1), ETATVAINQUEUR);
  EXPECT_EQ(etat(1, 2), ETATVAINCU);
  // A later mode-1 write for black never overwrites the -1; black's -2 turns -1.
  ecritresultatzone(p, parcouru, pionsmortsavant, NOIR, BLANC, 1, 4, 4, 2);
  EXPECT_EQ(etat(1, 1), ETATVAINQUEUR);
  EXPECT_EQ(etat(1, 2), ETATVAINQUEUR);
  // Mode 3 writes only where no code stands.
  ecritresultatzone(p, parcouru, pionsmortsavant, NOIR, BLANC, 3, 4, 4, 0);
  EXPECT_EQ(etat(1, 1), ETATVAINQUEUR);
  // Stones dead before the analysis, or not walked, are left alone.
  pose(kContact);
  pionsmorts = carte({{1, 1}, {1, 2}}, 1);
  pionsmortsavant = carte({{1, 2}}, 1);
  ecritresultatzone(p, carte({{1, 1}, {1, 2}}, 1), pionsmortsavant, BLANC, NOIR, 2, 4, 4, 3);
  EXPECT_EQ(etat(1, 1), ETATINCERTAIN);
  EXPECT_EQ(etat(1, 2), 0);
  // Table 1: codes into valeurssurvie, values into valeurs2survie.
  pose(kContact);
  pionsmorts = carte({{1, 1}, {1, 2}}, 1);
  tableessaiscourante = 1;
  valeurssurvie.fill(0);
  valeurs2survie.fill(0);
  ecritresultatzone(p, parcouru, pionsmortsavant, BLANC, NOIR, 2, 0, 0, 3);
  EXPECT_EQ(valeurssurvie[indexcase(1, 1)], ETATINCERTAIN);
  EXPECT_EQ(valeurs2survie[indexcase(1, 1)], -100);
  EXPECT_EQ(valeurssurvie[indexcase(1, 2)], ETATINCERTAIN2);
  EXPECT_EQ(valeurs2survie[indexcase(1, 2)], -3);
  EXPECT_TRUE(marquesopposees(1, 1, 1, 2, 0, 0));
  EXPECT_FALSE(marquesopposees(1, 2, 1, 1, 0, 0));
  // Table 2 without a trial move has no record: nothing to write or read.
  tableessaiscourante = 2;
  ecritresultatzone(p, parcouru, pionsmortsavant, BLANC, NOIR, 2, 0, 0, 3);
  EXPECT_FALSE(marquesopposees(1, 1, 1, 2, 0, 0));
  tableessaiscourante = 0;
  valeurssurvie.fill(0);
  valeurs2survie.fill(0);
}

TEST(PasseContacts, EmptyPointAndStonesInContact) {
  // A shared empty point (1,2) in both dead zones, levels 5 and 3: four or
  // fewer points walked and nothing living met, so mode 2.
  TPlateau p = pose("O.X....\n.......\n.......\n.......\n.......\n.......\n.......\n");
  pionsmorts = carte({{1, 1}, {1, 3}}, 1);
  TMarques W = carte({{1, 1}, {1, 2}}, 5);
  TMarques B = carte({{1, 2}, {1, 3}}, 3);
  passecontacts(p, W, B, pionsmortsavant, 4, 4);
  EXPECT_EQ(etat(1, 1), ETATINCERTAIN);
  EXPECT_EQ(valeur(1, 1), -100);
  EXPECT_EQ(etat(1, 3), ETATINCERTAIN2);
  EXPECT_EQ(valeur(1, 3), -2);
  // Two dead stones side by side at equal levels: mode 3 from the stone step.
  p = pose("OX.....\n.......\n.......\n.......\n.......\n.......\n.......\n");
  pionsmorts = carte({{1, 1}, {1, 2}}, 1);
  W = carte({{1, 1}}, 4);
  B = carte({{1, 2}}, 4);
  passecontacts(p, W, B, pionsmortsavant, 4, 4);
  EXPECT_EQ(etat(1, 1), ETATEGAL);
  EXPECT_EQ(etat(1, 2), ETATEGAL);
  tableessaiscourante = 0;
}

TEST(PasseContacts, OneSweepInBoardOrder) {
  // A dead black stone (2,2) in a black zone that meets a white zone of
  // level 1 at (2,3) and shares (3,3) with a white zone of level 3. In board
  // order the white zone's edge (2,3) comes before the shared (3,3): its
  // contact with (3,3) settles the zones' levels first.
  TPlateau p = pose(".......\n.X.....\n.......\n.......\n.......\n.......\n.......\n");
  pionsmorts = carte({{2, 2}}, 1);
  TMarques W = carte({{2, 3}}, 1);
  W[indexcase(3, 3)] = 3;
  TMarques B = carte({{2, 2}, {3, 2}, {3, 3}}, 1);
  B[indexcase(1, 2)] = 3;
  B[indexcase(2, 1)] = 2;
  B[indexcase(3, 1)] = 2;
  passecontacts(p, W, B, pionsmortsavant, 4, 4);
  EXPECT_EQ(etat(2, 2), -1);
  EXPECT_EQ(valeur(2, 2), 4);
  tableessaiscourante = 0;
}

TEST(ResultatZone, LevelIsEmptyPointsPlusForcedMoves) {
  // White (1,3),(2,1)-(2,4) is dead with the two empty points (1,1), (1,2).
  // Black (1,4) beside it is in atari: black's extension at (1,5) is one
  // more move to take the zone. Level 2 + 1.
  const TPlateau p = pose(
      "..OX.X.\n"
      "OOOOX..\n"
      "XXXXX..\n"
      ".......\n.......\n.......\n.......\n");
  const TInfoChaine chaines = infochaine;
  pionsmorts = carte({{1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}, 1);
  TMarques W = carte({{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}, 1);
  resultatzone(p, BLANC, NOIR, pionsmortsavant, W, 0, 0, 1, 3);
  TMarques attendu = carte({{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {1, 5}}, 3);
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 7), fixture::grille(W, 7)));
  EXPECT_EQ(infochaine, chaines);
  // An empty point with one way in: black's forced extension from (1,4)
  // to (1,5) is one more move. Three empty points + 1.
  const TPlateau q = pose(
      "..O....\n"
      "OOOOX..\n"
      "XXXXX..\n"
      ".......\n.......\n.......\n.......\n");
  pionsmorts = carte({{1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}, 1);
  W = carte({{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}, 1);
  resultatzone(q, BLANC, NOIR, pionsmortsavant, W, 0, 0, 1, 3);
  attendu = carte({{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {1, 4}, {1, 5}}, 4);
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 7), fixture::grille(W, 7)));
  tableessaiscourante = 0;
}

TEST(ResultatZone, LevelSaturatesAtByteMaximum) {
  // A lone white stone whose zone is the whole 19x19 board: 360 empty
  // points, kept as 255.
  std::string d;
  for (int r = 1; r <= 19; ++r) d += std::string(19, '.') + "\n";
  d[0] = 'O';
  const TPlateau p = pose(d);
  pionsmorts = carte({{1, 1}}, 1);
  TMarques W;
  W.fill(1);
  resultatzone(p, BLANC, NOIR, pionsmortsavant, W, 0, 0, 1, 1);
  EXPECT_EQ(W[indexcase(1, 1)], 255);
  EXPECT_EQ(W[indexcase(19, 19)], 255);
  tableessaiscourante = 0;
}

TEST(ResultatsEssaisCartes, WinnerLosesItsDeadMarks) {
  // Under sansstatut a mode-1 contact removes the dead marks of the winner's
  // chains that the position analysis had marked (pionsmortsbis).
  const TPlateau p = pose(
      "O.X....\n"
      ".......\n"
      "O......\n"
      ".......\n.......\n.......\n.......\n");
  pionsmorts = carte({{1, 1}, {1, 3}}, 1);
  pionsmortsbis = carte({{1, 1}}, 1);
  sansstatut = 1;
  zonesmortesblanc = carte({{1, 1}, {1, 2}, {2, 1}, {3, 1}}, 7);
  zonesmortesnoir = carte({{1, 2}, {1, 3}}, 3);
  tableessaiscourante = 2;
  resultatsessaiscartes(p, pionsmortsavant, 4, 4);
  EXPECT_EQ(pionsmorts[indexcase(1, 1)], 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 3)], 1);
  EXPECT_EQ(etat(1, 1), 0);  // nothing written under sansstatut
  // Without sansstatut nothing happens at all.
  pionsmorts = carte({{1, 1}, {1, 3}}, 1);
  sansstatut = 0;
  resultatsessaiscartes(p, pionsmortsavant, 4, 4);
  EXPECT_EQ(pionsmorts[indexcase(1, 1)], 1);
  tableessaiscourante = 0;
  zonesmortesblanc.fill(0);
  zonesmortesnoir.fill(0);
}

// ---- Seki ----------------------------------------------------------------------------

// Black (1,2)-(1,3) and white (2,1)-(2,5),(1,5) share the liberties (1,1)
// and (1,4) and have no other.
constexpr const char* kSeki =
    ".XX.OX...\n"
    "OOOOOX...\n"
    "XXXXXX...\n"
    ".........\n.........\n.........\n.........\n.........\n.........\n";

// The same shape with a captured black stone (1,5) in atari inside it.
constexpr const char* kSekiPierreAtari =
    ".XX.XOX..\n"
    "OOOOOOX..\n"
    "XXXXXXX..\n"
    ".........\n.........\n.........\n.........\n.........\n.........\n";

TEST(Seki, TwoChainsShareTheirLiberties) {
  TPlateau p = fixture::posemoteur(kSeki);
  pionsmorts = carte({{1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {1, 5}}, 1);
  int32_t trouve = 0;
  detectseki(trouve, marquesvides, p, 0);
  EXPECT_EQ(trouve, 1);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  EXPECT_TRUE(graineseki(marquesvides, p, 1, 1));
  // A captured single stone in atari inside the shape keeps its mark.
  p = fixture::posemoteur(kSekiPierreAtari);
  const TMarques marques = carte({{1, 5}}, 1);
  pionsmorts = carte({{1, 2}, {1, 3}, {2, 1}, {1, 5}, {1, 6}}, 1);
  trouve = 0;
  detectseki(trouve, marques, p, 0);
  EXPECT_EQ(trouve, 1);
  EXPECT_TRUE(fixture::memesmarques(carte({{1, 5}}, 1), pionsmorts));
}

TEST(Seki, NoSeki) {
  // A seed touching one colour only is no seed.
  TPlateau p = fixture::posemoteur(
      ".X.X.....\n"
      "XX.XX....\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_FALSE(graineseki(marquesvides, p, 1, 1));
  // One of the chains with a third liberty: no seki, marks kept.
  std::string d = kSeki;
  d[2 * 10 + 2] = '.';  // (3,3) empty: white gets a third liberty
  p = fixture::posemoteur(d);
  pionsmorts = carte({{1, 2}, {1, 3}}, 1);
  int32_t trouve = 0;
  detectseki(trouve, marquesvides, p, 0);
  EXPECT_EQ(trouve, 0);
  EXPECT_TRUE(fixture::memesmarques(carte({{1, 2}, {1, 3}}, 1), pionsmorts));
  // A marked neighbour that is not a single stone in atari breaks the shape.
  p = fixture::posemoteur(kSeki);
  trouve = 0;
  detectseki(trouve, carte({{1, 2}, {1, 3}}, 1), p, 0);
  EXPECT_EQ(trouve, 0);
}

TEST(Seki, TrialVariantWritesMinusSix) {
  const TPlateau p = pose(kSeki);
  pionsmorts = carte({{1, 2}, {2, 1}}, 1);
  essaiordi(4, 4).valeursessai.fill(9);
  int32_t trouve = 0;
  detectsekiessais(trouve, marquesvides, p, 0, 4, 4);
  EXPECT_EQ(trouve, 1);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  for (auto [r, c] : {std::pair{1, 2}, {1, 3}, {2, 1}, {2, 5}, {1, 5}}) {
    EXPECT_EQ(etat(r, c), ETATSEKI) << r << "," << c;
    EXPECT_EQ(valeur(r, c), 0) << r << "," << c;
  }
  EXPECT_EQ(etat(1, 1), 0);  // empty points get no code
  EXPECT_EQ(etat(3, 1), 0);  // the outer wall is no part of the seki
  // With no current table it is detectseki.
  tableessaiscourante = 0;
  pose(kSeki);
  tableessaiscourante = 0;
  trouve = 0;
  detectsekiessais(trouve, marquesvides, p, 0, 4, 4);
  EXPECT_EQ(trouve, 1);
  EXPECT_EQ(etat(1, 2), 0);
}

// ---- False seki ----------------------------------------------------------------------
// Each shape is also read with the colours swapped: the same stones come out.

struct CasSekiFaux {
  const char* nom;
  const char* diagramme;
  std::vector<std::pair<int, int>> faux;  // the stones of the groups that die
};

const CasSekiFaux kSekisFaux[] = {
    // White (2,1)-(2,5),(1,5) shares (1,1) and (1,4) with the black
    // (1,2)-(1,3): Black fills (1,1), White takes at (1,4) and keeps the
    // straight three (1,1)-(1,3), which Black kills at (1,2).
    {"edge straight three", kSeki, {{1, 5}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}}},
    // Black (1,3)-(4,2) shares (1,2) and (3,1) with the white (1,1)-(2,1) in
    // the corner: White fills (1,2), Black takes at (3,1) and keeps the bent
    // three (1,1) (2,1) (1,2), which White kills at (1,1).
    {"corner bent three",
     "O.XO.....\n"
     "OXXO.....\n"
     ".XOO.....\n"
     "XXO......\n"
     "OOO......\n"
     ".........\n.........\n.........\n.........\n",
     {{1, 3}, {2, 2}, {2, 3}, {3, 2}, {4, 1}, {4, 2}}},
    // White (1,2),(2,1)-(2,2) and Black, with its eye at (1,5), share (1,3):
    // when White fills (1,1) or (1,3), Black takes and lives with two eyes,
    // and Black cannot approach. A seki.
    {"seki with an eye",
     ".O.X.XO..\n"
     "OOXXXXO..\n"
     "XXXOOOO..\n"
     "OOOO.....\n"
     ".........\n.........\n.........\n.........\n.........\n",
     {}},
};

TMarques sekisfauxde(std::string d) {
  TPlateau p = fixture::posemoteur(d);
  niveau = 7;
  parametresniveau();
  flagscan = 1;
  pointko = TPoint{};
  territoirefinal(p);
  TMarques faux = marquesvides;
  fixture::verifieinchange(p, [&] { sekisfaux(faux, marquesvides, p); });
  return faux;
}

TEST(Seki, FalseSekiOnceTheStonesInsideAreTaken) {
  ASSERT_TRUE(chargecles());
  for (const CasSekiFaux& k : kSekisFaux) {
    std::string d = k.diagramme;
    TMarques attendu = marquesvides;
    for (auto [r, c] : k.faux) attendu[indexcase(r, c)] = 1;
    EXPECT_TRUE(fixture::memesmarques(attendu, sekisfauxde(d))) << k.nom;
    for (char& ch : d) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
    EXPECT_TRUE(fixture::memesmarques(attendu, sekisfauxde(d))) << k.nom << ", colours swapped";
  }
}

}  // namespace
