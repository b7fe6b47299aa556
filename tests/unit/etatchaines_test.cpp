// Chain-status drivers: dead and living chains, the zone bound, the last
// move's capture, ko fill and contact point, the result tables, the one-colour
// and whole-board drivers; and their services, one family each.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/chains/combat.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/resultats.h"
#include "engine/territory/seki.h"
#include "tests/support/fixture.h"

namespace {

// The engine on a diagram with every mask and switch of the drivers cleared.
TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  for (TMarques* m : {&pionsmortsavant, &marquesglobales, &marquesdetect, &marquesliaison1, &pionsmortsbis,
                      &pionsmortssauves})
    m->fill(0);
  valeurssurvie.fill(0);
  sauvepionsmorts = 0;
  tableessaiscourante = 0;
  flagmarquesmorts = 0;
  sansstatut = 0;
  peintmortsavant = 1;
  plateaudepart = p;
  plateaumoteur = p;
  return p;
}

// Runs detectetatchaines and checks that the board and chain table come back.
int32_t etat(TPlateau& p, int32_t mode = 0, int r = 0, int c = 0, uint8_t sauve = 1, uint8_t trait = VIDE) {
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  int32_t compte = 0;
  detectetatchaines(compte, p, mode, r, c, sauve, trait);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(infochaine, chaines);
  return compte;
}

std::string morts(int n) { return fixture::grille(pionsmorts, n, 2); }

// Dead marks as a grid from a diagram: 1 under every 'x' or 'o' (dead stones).
std::string grillemorts(std::string_view d) {
  std::string s;
  for (char ch : d) {
    if (ch == '\n') s += '\n';
    else if (ch != ' ') s += (ch == 'x' || ch == 'o') ? " 1" : " 0";
  }
  return s;
}

// White group with one eye inside black's area; black lives with two eyes.
constexpr const char* kUnOeil =
    ".OX.X....\n"
    "OOX.X....\n"
    "XXXXX....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(DetectEtatChaines, DeadAndLivingChains) {
  TPlateau p = pose(kUnOeil);
  EXPECT_EQ(etat(p), 1);
  EXPECT_TRUE(fixture::memesgrilles(grillemorts(
                                        ".oX.X....\n"
                                        "ooX.X....\n"
                                        "XXXXX....\n"
                                        ".........\n.........\n.........\n.........\n.........\n.........\n"),
                                    morts(9)));
  // Two eyes: nothing dies.
  p = pose(
      "O.O.OX...\n"
      "OOOOOX...\n"
      "XXXXXX...\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_EQ(etat(p), 0);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
}

// Rows 1 to 5 empty above a white line on row 6 with isolated holes, black
// below on row 7: the white chains' zone is 95 empty points plus the holes,
// and no fill of black's territory preparation reaches into it.
TPlateau muraille(std::initializer_list<int> trous) {
  std::string d;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) {
      char ch = '.';
      if (r == 6) ch = 'O';
      if (r == 7) ch = 'X';
      d += ch;
    }
    d += '\n';
  }
  for (int c : trous) d[5 * 20 + c - 1] = '.';
  return pose(d);
}

TEST(DetectEtatChaines, ZoneOfMoreThanHundredEmptyPointsIsNotRead) {
  // 100 empty points: the first white chain is read (its zone holds every
  // other white chain); black's zone is the lower board, far above 100.
  TPlateau p = muraille({3, 6, 9, 12, 15});
  int32_t n0 = compteurnoeudslecture;
  etat(p, 0, 0, 0, 0);
  EXPECT_EQ(compteurnoeudslecture - n0, 1);
  // 101: nothing is read; the chains keep the result 1000.
  p = muraille({3, 6, 9, 12, 15, 18});
  n0 = compteurnoeudslecture;
  tableessaiscourante = 1;
  etat(p, 0, 0, 0, 0);
  tableessaiscourante = 0;
  EXPECT_EQ(compteurnoeudslecture - n0, 0);
  EXPECT_EQ(valeurssurvie[indexcase(6, 1)], COMBATVIVANT);
  EXPECT_EQ(valeurssurvie[indexcase(6, 19)], COMBATVIVANT);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  valeurssurvie.fill(0);
}

TEST(DetectEtatChaines, LastMoveInAtariIsCapturedFirst) {
  // White's last move (3,4) stands in atari at (4,4): black takes it before
  // any chain is read, the count grows by 1, the stone is marked dead and is
  // not read. Without the last move the stone is read (and found dead).
  constexpr const char* d =
      ".........\n"
      "...X.....\n"
      "..XOX....\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n";
  TPlateau p = pose(d);
  int32_t n0 = compteurnoeudslecture;
  EXPECT_EQ(etat(p, 0, 3, 4), 1);
  const int32_t lus = compteurnoeudslecture - n0;
  TMarques attendu = marquesvides;
  attendu[indexcase(3, 4)] = 1;
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 9), morts(9)));
  p = pose(d);
  n0 = compteurnoeudslecture;
  EXPECT_EQ(etat(p), 1);
  EXPECT_EQ(compteurnoeudslecture - n0, lus + 1);
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 9), morts(9)));
}

TEST(DetectEtatChaines, KillingLastMoveCountsHundredMore) {
  // Black's last move (1,2) in white's three-point eye: the dead white chain's
  // zone holds both of the stone's liberties, so its death counts 1 + 100.
  // In its own pass the black stone, with no way out, dies too: 1 more.
  TPlateau p = pose(
      ".X.OX....\n"
      "OOOOX....\n"
      "XXXXX....\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_EQ(etat(p, 0, 1, 2), 102);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 1);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 1);
}

// Black's last move (2,3) took a white stone at (2,2): a ko.
constexpr const char* kKo =
    ".XO......\n"
    "X.XO.....\n"
    ".XO......\n"
    ".........\n.........\n.........\n.........\n.........\n.........\n";

TEST(DetectEtatChaines, KoFill) {
  // Without the ko fill the single stone in atari is taken as the last move.
  TPlateau p = pose(kKo);
  EXPECT_EQ(etat(p, 0, 2, 3), 1);
  EXPECT_EQ(pionsmorts[indexcase(2, 3)], 1);
  // Mode 1 fills the ko point with black for the analysis: the stone joins
  // its neighbours and lives; the point is empty and unmarked afterwards.
  p = pose(kKo);
  tableessaiscourante = 1;
  valeurssurvie.fill(7);
  EXPECT_EQ(etat(p, 1, 2, 3), 0);
  EXPECT_EQ(p[indexcase(2, 2)], VIDE);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  EXPECT_EQ(valeurssurvie[indexcase(2, 2)], 0);
  EXPECT_EQ(valeurssurvie[indexcase(2, 3)], COMBATVIVANT);
  EXPECT_EQ(valeurssurvie[indexcase(1, 2)], COMBATVIVANT);
  tableessaiscourante = 0;
  valeurssurvie.fill(0);
}

TEST(DetectEtatChaines, ResultTables) {
  // Table 1: living stones get their reading's result, stones of
  // marquesglobales 1000.
  TPlateau p = pose(kUnOeil);
  tableessaiscourante = 1;
  marquesglobales[indexcase(9, 9)] = 1;
  etat(p);
  EXPECT_EQ(valeurssurvie[indexcase(3, 3)], COMBATVIVANT);
  EXPECT_EQ(valeurssurvie[indexcase(9, 9)], COMBATVIVANT);
  EXPECT_EQ(valeurssurvie[indexcase(1, 2)], 0);  // dead: nothing written
  // Table 2: the record of the last move.
  p = pose(kUnOeil);
  tableessaiscourante = 2;
  essaiordi(3, 5).etatessai.fill(0);
  etat(p, 0, 3, 5);
  EXPECT_EQ(essaiordi(3, 5).etatessai[indexcase(3, 3)], COMBATVIVANT);
  // -1: nothing is written anywhere, not even without a last move.
  p = pose(kUnOeil);
  tableessaiscourante = -1;
  valeurssurvie.fill(7);
  essaiordi(3, 5).etatessai.fill(7);
  essaiordi(3, 5).valeursessai.fill(7);
  etat(p, 0, 3, 5);
  etat(p);
  for (int j = 0; j < NBCASES; ++j) {
    ASSERT_EQ(valeurssurvie[j], 7);
    ASSERT_EQ(essaiordi(3, 5).etatessai[j], 7);
    ASSERT_EQ(essaiordi(3, 5).valeursessai[j], 7);
  }
  // Tables 2 and 3 without a last move have no record to write.
  p = pose(kUnOeil);
  tableessaiscourante = 3;
  etat(p);
  tableessaiscourante = 0;
  valeurssurvie.fill(0);
}

TEST(DetectEtatChaine, OneColourAndWholeBoard) {
  TPlateau p = pose(kUnOeil);
  int32_t res = 7;
  // Black attacking: white dies.
  fixture::verifieinchange(p, [&] {
    TPlateau q = p;
    detectetatchaine(NOIR, VIDE, res, q, 0, 0, 0, 0);
    EXPECT_TRUE(fixture::memesplateaux(p, q));
    EXPECT_EQ(res, 1);
    EXPECT_EQ(pionsmorts[indexcase(1, 2)], 1);
    pionsmorts.fill(0);
  });
  // White attacking: black lives and the result is left as it was.
  res = 7;
  detectetatchaine(BLANC, VIDE, res, p, 0, 0, 0, 1);
  EXPECT_EQ(res, 7);
  EXPECT_TRUE(fixture::memesmarques(marquesvides, pionsmorts));
  // The whole-board driver.
  detectetatplateau(NOIR, p);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 1);
  EXPECT_EQ(pionsmorts[indexcase(3, 1)], 0);
  EXPECT_EQ(sauvepionsmorts, 1);
}

TEST(DetectEtatChaine, RepeatedCallGivesTheSameOutputs) {
  // A repeated call may be answered without reading: the same marks and
  // result; the marks map it reads (marquesdetect, into pionsmortsavant)
  // and a chain guarded as living are not overlooked.
  TPlateau p = pose(kUnOeil);
  const auto lance = [&](uint8_t sauve) {
    pionsmorts.fill(0);
    int32_t res = 0;
    detectetatchaine(NOIR, VIDE, res, p, 0, 0, 0, sauve);
    return res;
  };
  EXPECT_EQ(lance(1), 1);
  const TMarques premier = pionsmorts;
  marquesdetect[indexcase(9, 9)] = 1;
  pionsmortsavant.fill(3);
  EXPECT_EQ(lance(1), 1);
  EXPECT_TRUE(fixture::memesmarques(premier, pionsmorts));
  EXPECT_TRUE(fixture::memesmarques(marquesdetect, pionsmortsavant));
  EXPECT_EQ(sauvepionsmorts, 1);
  EXPECT_EQ(lance(1), 1);
  EXPECT_TRUE(fixture::memesmarques(marquesdetect, pionsmortsavant));
  marquesdetect.fill(0);
  for (auto [r, c] : {std::pair{1, 2}, {2, 1}, {2, 2}}) marquesglobales[indexcase(r, c)] = 1;
  EXPECT_EQ(lance(1), 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 0);
  marquesglobales.fill(0);
  pionsmorts.fill(0);
}

TEST(DetectEtatChaine, ChaineMorteSelonMasque) {
  TPlateau p = pose(kUnOeil);
  const TInfoChaine chaines = infochaine;
  pionsmorts[indexcase(9, 9)] = 1;
  const TMarques avant = pionsmorts;
  EXPECT_TRUE(chainemorteselonmasque(1, 2));
  EXPECT_FALSE(chainemorteselonmasque(3, 1));
  EXPECT_FALSE(chainemorteselonmasque(5, 5));  // empty point
  EXPECT_TRUE(fixture::memesmarques(avant, pionsmorts));
  EXPECT_TRUE(fixture::memesmarques(avant, marquesdetect));
  EXPECT_TRUE(fixture::memesplateaux(p, plateaumoteur));
  EXPECT_EQ(infochaine, chaines);
}

TEST(DetectEtatChaines2, DeadZoneMapsAndNoRecords) {
  TPlateau p = pose(kUnOeil);
  sansstatut = 1;
  tableessaiscourante = 1;
  zonesmortesnoir.fill(9);
  int32_t compte = 0;
  fixture::verifieinchange(p, [&] {
    TPlateau q = p;
    detectetatchaines2(compte, q, 0, 0, 0, 1, 0, VIDE);
    EXPECT_TRUE(fixture::memesplateaux(p, q));
    pionsmorts.fill(0);
  });
  EXPECT_EQ(compte, 1);
  // The dead white chain's zone: its stones and its eye.
  TMarques attendu = marquesvides;
  for (auto [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}}) attendu[indexcase(r, c)] = 1;
  EXPECT_TRUE(fixture::memesgrilles(fixture::grille(attendu, 9), fixture::grille(zonesmortesblanc, 9)));
  EXPECT_TRUE(fixture::memesmarques(marquesvides, zonesmortesnoir));  // cleared at entry
  EXPECT_EQ(valeurssurvie, TCarte{});        // no table writes
  // Without sansstatut the global maps are left alone.
  sansstatut = 0;
  zonesmortesblanc.fill(3);
  detectetatchaines2(compte, p, 0, 0, 0, 1, 0, VIDE);
  EXPECT_EQ(zonesmortesblanc[indexcase(1, 1)], 3);
  tableessaiscourante = 0;
}

TEST(DetectEtatChaines2, KoFillLeavesTheSurvivalValues) {
  // The ko point is filled for the analysis and emptied and unmarked after
  // it; the second driver writes no survival value there, ko or not.
  TPlateau p = pose(kKo);
  tableessaiscourante = 1;
  valeurssurvie.fill(7);
  int32_t compte = 0;
  fixture::verifieinchange(p, [&] {
    TPlateau q = p;
    detectetatchaines2(compte, q, 1, 2, 3, 1, 0, VIDE);
    EXPECT_TRUE(fixture::memesplateaux(p, q));
  });
  EXPECT_EQ(compte, 0);
  for (int j = 0; j < NBCASES; ++j) ASSERT_EQ(valeurssurvie[j], 7) << "point " << j;
  tableessaiscourante = 0;
  valeurssurvie.fill(0);
}

TEST(DetectEtatChaines2, LastMoveOfTheAttackerIsGivenBack) {
  // Black's last move (1,2) stands in atari in white's eye space: in white's
  // pass it is emptied and its liberty given to white, and the group lives;
  // in black's own pass the stone is taken.
  TPlateau p = pose(
      ".XO..O.OX\n"
      "OOOOOOOOX\n"
      "XXXXXXXXX\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  int32_t compte = 0;
  detectetatchaines2(compte, p, 0, 1, 2, 1, 0, VIDE);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 0);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 1);  // the black stone itself dies in its own pass
}

TEST(DetectEtatChaines2, ThePutBackFlagIsClearedForEveryLastMove) {
  // Black's last move with four liberties is lifted in white's pass and put
  // back: the engine's put-back flag records it. A later last move in atari
  // is emptied with its chain, and the flag left by the earlier call must not
  // put its stone back.
  videmoetatchaines();
  flagremisepierre = 0;
  TPlateau libre = pose(
      "OO.......\n"
      ".O.......\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n.........\n.........\n.........\n");
  int32_t compte = 0;
  detectetatchaines2(compte, libre, 0, 5, 5, 1, 0, VIDE);
  EXPECT_EQ(flagremisepierre, 1);
  TPlateau atari = pose(
      ".XO..O.OX\n"
      "OOOOOOOOX\n"
      "XXXXXXXXX\n"
      ".........\n.........\n.........\n.........\n.........\n.........\n");
  detectetatchaines2(compte, atari, 0, 1, 2, 1, 0, VIDE);
  EXPECT_EQ(flagremisepierre, 0);
  EXPECT_EQ(pionsmorts[indexcase(2, 1)], 0);
  flagremisepierre = 0;
}

TEST(DetectEtatChaines2, RepeatedCallGivesTheSameOutputs) {
  // A repeated call may be answered without reading: every output must be
  // the first call's, and an input the driver reads must not be overlooked.
  struct Sortie {
    TMarques morts, avant, blanc, noir;
    int32_t compte, noeuds;
  };
  const auto lance = [](TPlateau& p) {
    int32_t compte = 5;
    const int32_t noeuds = compteurnoeudslecture;
    detectetatchaines2(compte, p, 0, 0, 0, 1, 0, VIDE);
    return Sortie{pionsmorts, pionsmortsavant, zonesmortesblanc, zonesmortesnoir, compte,
                  compteurnoeudslecture - noeuds};
  };
  TPlateau p = pose(kUnOeil);
  sansstatut = 1;
  const TMarques entree = pionsmorts;
  const Sortie premier = lance(p);
  EXPECT_EQ(premier.compte, 6);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 1);
  pionsmorts = entree;
  zonesmortesblanc.fill(7);
  pionsmortsavant.fill(4);
  const Sortie second = lance(p);
  EXPECT_TRUE(fixture::memesmarques(premier.morts, second.morts));
  EXPECT_TRUE(fixture::memesmarques(premier.avant, second.avant));
  EXPECT_TRUE(fixture::memesmarques(premier.blanc, second.blanc));
  EXPECT_TRUE(fixture::memesmarques(premier.noir, second.noir));
  EXPECT_EQ(second.compte, premier.compte);
  EXPECT_EQ(second.noeuds, premier.noeuds);
  // The white group guarded as living: no longer read, so not dead.
  pionsmorts = entree;
  for (auto [r, c] : {std::pair{1, 2}, {2, 1}, {2, 2}}) marquesglobales[indexcase(r, c)] = 1;
  EXPECT_EQ(lance(p).compte, 5);
  EXPECT_EQ(pionsmorts[indexcase(1, 2)], 0);
  marquesglobales.fill(0);
  sansstatut = 0;
}

// ---- Services -------------------------------------------------------------------------

TEST(ServicesEtat, CoupsCandidatsLiberte) {
  // (2,3) would put both black chains (2,2) and (2,4), two liberties each,
  // in atari: their liberties are listed and their stones taken off.
  TPlateau p = pose(
      ".O.O...\n"
      "OX.XO..\n"
      ".......\n"
      ".......\n.......\n.......\n.......\n");
  TListePoints l{};
  coupscandidatsliberte(p, NOIR, BLANC, l, 300, 0, 0);
  ASSERT_EQ(nbpoints(l), 3);
  EXPECT_EQ(ligneliste(l, 1), 3);
  EXPECT_EQ(colonneliste(l, 1), 2);
  EXPECT_EQ(ligneliste(l, 2), 2);
  EXPECT_EQ(colonneliste(l, 2), 3);
  EXPECT_EQ(ligneliste(l, 3), 3);
  EXPECT_EQ(colonneliste(l, 3), 4);
  EXPECT_EQ(p[indexcase(2, 2)], VIDE);
  EXPECT_EQ(p[indexcase(2, 4)], VIDE);
  // Two stones of one chain make no double atari: nothing is taken.
  p = pose(
      ".OO....\n"
      ".XXO...\n"
      "..XO...\n"
      "..O....\n.......\n.......\n.......\n");
  const TPlateau avant = p;
  l[0] = 0;
  coupscandidatsliberte(p, NOIR, BLANC, l, 300, 0, 0);
  EXPECT_EQ(nbpoints(l), 0);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  // (2,2) touches both black chains, two liberties each, but the white
  // corner chain beside it on two sides brings its spare liberty once: a
  // white stone there would have one liberty, so nothing is taken.
  p = pose(
      "OOX....\n"
      "O.XO...\n"
      ".XO....\n"
      ".O.....\n.......\n.......\n.......\n");
  const TPlateau coin = p;
  l[0] = 0;
  coupscandidatsliberte(p, NOIR, BLANC, l, 300, 0, 0);
  EXPECT_EQ(nbpoints(l), 0);
  EXPECT_TRUE(fixture::memesplateaux(coin, p));
}

TEST(ServicesEtat, CoupsCandidatsPierresLibres) {
  TPlateau p = pose(
      "X........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      "...OXO...\n"
      ".........\n"
      ".........\n"
      ".OXO.....\n"
      ".........\n");
  TMarques marques = marquesvides;
  marques[indexcase(8, 3)] = 1;
  TListePoints l{};
  // (1,1): a loose corner stone, listed and taken off. (5,5): linked by a
  // jump to (3,5). (8,3): marked.
  coupscandidatspierreslibres(p, marques, NOIR, l, 300, 0, 0);
  ASSERT_EQ(nbpoints(l), 1);
  EXPECT_EQ(ligneliste(l, 1), 1);
  EXPECT_EQ(colonneliste(l, 1), 1);
  EXPECT_EQ(p[indexcase(1, 1)], VIDE);
  EXPECT_EQ(p[indexcase(5, 5)], NOIR);
  // A given empty point holds a stone for the scan: (1,1) is now linked to
  // (3,1) by a jump, and (3,1) is empty again afterwards.
  p = pose(
      "X........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  l[0] = 0;
  coupscandidatspierreslibres(p, marquesvides, NOIR, l, 300, 3, 1);
  EXPECT_EQ(nbpoints(l), 0);
  EXPECT_EQ(p[indexcase(1, 1)], NOIR);
  EXPECT_EQ(p[indexcase(3, 1)], VIDE);
}

TEST(ServicesEtat, CoupsCandidatsMorts) {
  // With the save flag: a black chain dead before gives its liberties to
  // white and leaves the board.
  TPlateau p = pose(
      ".......\n.......\n.......\n...X...\n.......\n.......\n.......\n");
  TMarques marques = marquesvides;
  marques[indexcase(4, 4)] = 1;
  TListePoints l{};
  coupscandidatsmorts(marques, p, l, 300, NOIR, BLANC, 1);
  EXPECT_EQ(fixture::texteplateau(p, 7),
            ".......\n.......\n...O...\n..O.O..\n...O...\n.......\n.......\n");
  EXPECT_EQ(nbpoints(l), 4);
  // Without it: the last liberty of a chain in atari; the filled point's
  // empty neighbours beside living white stones are filled too.
  p = pose(
      "XO.....\n.......\n.O.....\n.......\n.......\n.......\n.......\n");
  l[0] = 0;
  coupscandidatsmorts(marquesvides, p, l, 300, NOIR, BLANC, 0);
  EXPECT_EQ(fixture::texteplateau(p, 7),
            ".O.....\nOO.....\nOO.....\n.......\n.......\n.......\n.......\n");
  ASSERT_EQ(nbpoints(l), 1);
  EXPECT_EQ(ligneliste(l, 1), 2);
  EXPECT_EQ(colonneliste(l, 1), 1);
}

TEST(ServicesEtat, LastStoneRemovedOrGivenBack) {
  // A chain in atari is emptied and its liberty, three columns away, given
  // to white and listed.
  TPlateau p = pose(
      ".........\n.........\n.........\n....OOO..\n...OXXX..\n....OOO..\n.........\n.........\n.........\n");
  TListePoints l{};
  uint8_t drapeau = 0;
  videchainemorte(drapeau, marquesvides, l, 300, p, NOIR, BLANC, 5, 5);
  EXPECT_EQ(drapeau, 0);
  EXPECT_EQ(p[indexcase(5, 5)], VIDE);
  EXPECT_EQ(p[indexcase(5, 7)], VIDE);
  EXPECT_EQ(p[indexcase(5, 8)], BLANC);
  ASSERT_EQ(nbpoints(l), 1);
  EXPECT_EQ(colonneliste(l, 1), 8);
  // A healthy stone is only lifted; remetpierre puts it back with its empty
  // neighbours given to the other colour.
  p = pose(".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n");
  l[0] = 0;
  videchainemorte(drapeau, marquesvides, l, 300, p, NOIR, BLANC, 5, 5);
  EXPECT_EQ(drapeau, 1);
  EXPECT_EQ(p[indexcase(5, 5)], VIDE);
  remetpierre(p, NOIR, BLANC, 5, 5);
  EXPECT_EQ(fixture::texteplateau(p, 9),
            ".........\n.........\n.........\n....O....\n...OXO...\n....O....\n.........\n.........\n.........\n");
}

TEST(ServicesEtat, PeintChainesMortes) {
  TPlateau p = pose(".......\n.XX....\n.......\n.......\n.......\n.......\n.......\n");
  TMarques marques = marquesvides;
  marques[indexcase(2, 3)] = 1;  // one stone marks the whole chain
  peintmortsavant = 0;
  const TPlateau avant = p;
  peintchainesmortes(p, marques, NOIR, BLANC);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  peintmortsavant = 1;
  peintchainesmortes(p, marques, NOIR, BLANC);
  EXPECT_EQ(fixture::texteplateau(p, 7), ".OO....\nO..O...\n.OO....\n.......\n.......\n.......\n.......\n");
}

// While the position analysis runs, a dead chain in atari keeps its stones;
// a dead chain with two liberties is painted over all the same.
TEST(ServicesEtat, PeintChainesMortesAnalysePosition) {
  const std::string_view d = ".O.....\nOXXO...\n.OO....\n.......\n....X..\n.......\n.......\n";
  TPlateau p = pose(d);
  TMarques marques = marquesvides;
  marques[indexcase(2, 2)] = 1;
  marques[indexcase(5, 5)] = 1;
  peintmortsavant = 1;
  modeanalyseposition = 1;
  peintchainesmortes(p, marques, NOIR, BLANC);
  EXPECT_EQ(fixture::texteplateau(p, 7), ".O.....\nOXXO...\n.OO....\n....O..\n...O.O.\n....O..\n.......\n");
  modeanalyseposition = 0;
  p = pose(d);
  peintchainesmortes(p, marques, NOIR, BLANC);
  EXPECT_EQ(fixture::texteplateau(p, 7), ".OO....\nO..O...\n.OO....\n....O..\n...O.O.\n....O..\n.......\n");
}

TEST(ServicesEtat, PointContactKo) {
  TPoint q;
  // Inside: (5,6) with white on the diagonal pair (6,5), (4,6).
  TPlateau p = pose(
      ".........\n.........\n.........\n.....O...\n....X....\n....O....\n.........\n.........\n.........\n");
  ASSERT_TRUE(pointcontactko(p, 5, 5, q));
  EXPECT_EQ(q.ligne, 5);
  EXPECT_EQ(q.colonne, 6);
  // A black stone on a flank spoils it.
  p[indexcase(6, 6)] = NOIR;
  EXPECT_FALSE(pointcontactko(p, 5, 5, q));
  // On the first line one flanking pair is enough, with one white stone.
  p = pose(
      ".........\n....O....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
  p[indexcase(1, 5)] = NOIR;
  ASSERT_TRUE(pointcontactko(p, 1, 5, q));
  EXPECT_EQ(q.ligne, 1);
  EXPECT_EQ(q.colonne, 6);
  EXPECT_FALSE(pointcontactko(p, 0, 0, q));
}

TEST(ServicesEtat, MarqueZonesEssais) {
  TPlateau p = pose(".......\n.X.....\n.......\n.......\n.......\n.......\n.......\n");
  TMarques avant = marquesvides, apres = marquesvides;
  avant[indexcase(1, 1)] = apres[indexcase(1, 1)] = 1;
  apres[indexcase(2, 2)] = apres[indexcase(2, 3)] = 1;
  essaiordi(2, 2).liensessai.fill(0);
  essaiordi(2, 3).liensessai.fill(0);
  essaiordi(4, 4).liensessai.fill(0);
  // 1: the record of each newly walked stone of plateaudepart, at that point.
  flagmarquesmorts = 1;
  marquezonesessais(avant, apres, 4, 4);
  EXPECT_EQ(essaiordi(2, 2).liensessai[indexcase(2, 2)], 0x800);
  EXPECT_EQ(essaiordi(2, 3).liensessai[indexcase(2, 3)], 0);
  // 4: the last move's record, where its board holds a stone.
  essaiordi(4, 4).plateauessai = p;
  flagmarquesmorts = 4;
  marquezonesessais(avant, apres, 4, 4);
  EXPECT_EQ(essaiordi(4, 4).liensessai[indexcase(2, 2)], 0x800);
  EXPECT_EQ(essaiordi(4, 4).liensessai[indexcase(2, 3)], 0);
  EXPECT_EQ(essaiordi(4, 4).liensessai[indexcase(1, 1)], 0);
  flagmarquesmorts = 0;
}

TEST(DriversStress, BoardAndChainTableComeBack) {
  // Seeded random positions: every driver gives back the board and the chain
  // table, and dead marks land on stones only.
  std::mt19937 gen(20150407);
  for (int partie = 0; partie < 40; ++partie) {
    const int n = partie % 2 ? 9 : 13;
    std::string d;
    for (int r = 0; r < n; ++r) d += std::string(n, '.') + "\n";
    TPlateau p = pose(d);
    std::uniform_int_distribution<int> pt(1, n);
    TListePoints prises{};
    TPoint dernier{};
    const int coups = 20 + partie * 2;
    for (int k = 0; k < coups; ++k) {
      const int r = pt(gen), c = pt(gen);
      const uint8_t x = static_cast<uint8_t>(k % 2);
      jouecoup(prises, CAPACITELISTE, p, r, c, x, static_cast<uint8_t>(1 - x));
      if (p[indexcase(r, c)] == x) dernier = TPoint{r, c};
    }
    plateaudepart = p;
    plateaumoteur = p;
    const TInfoChaine chaines = infochaine;
    const auto verifie = [&](const char* quoi) {
      EXPECT_EQ(fixture::texteplateau(p, n), fixture::texteplateau(plateaudepart, n)) << quoi << " game " << partie;
      EXPECT_EQ(infochaine, chaines) << quoi << " game " << partie;
      for (int j = 0; j < NBCASES; ++j)
        ASSERT_TRUE(!pionsmorts[j] || p[j] != VIDE) << quoi << " game " << partie << " index " << j;
    };
    const int32_t mode = partie % 3 == 0 ? 1 : 0;
    tableessaiscourante = partie % 4;
    flagmarquesmorts = partie % 5 == 0 ? 4 : 0;
    int32_t compte = 0;
    pionsmorts.fill(0);
    detectetatchaines(compte, p, mode, dernier.ligne, dernier.colonne, static_cast<uint8_t>(partie % 2),
                      static_cast<uint8_t>(partie % 3));
    verifie("detectetatchaines");
    pionsmorts.fill(0);
    detectetatchaines(compte, p, mode, 0, 0, 1, VIDE);
    verifie("detectetatchaines without last move");
    sansstatut = static_cast<uint8_t>(partie % 2);
    pionsmortsbis = pionsmorts;
    detectetatchaines2(compte, p, mode, dernier.ligne, dernier.colonne, 1, static_cast<uint8_t>(partie % 3 == 1),
                       NOIR);
    verifie("detectetatchaines2");
    resultatsessaiscartes(p, pionsmortsavant, dernier.ligne, dernier.colonne);
    verifie("resultatsessaiscartes");
    sansstatut = 0;
    int32_t res = 0;
    marquesdetect = pionsmorts;
    detectetatchaine(static_cast<uint8_t>(partie % 2), VIDE, res, p, mode, dernier.ligne, dernier.colonne, 1);
    verifie("detectetatchaine");
    marquesliaison1 = pionsmorts;
    detectetatplateau(static_cast<uint8_t>(partie % 2), p);
    verifie("detectetatplateau");
    const TMarques avant = pionsmorts;
    chainemorteselonmasque(dernier.ligne, dernier.colonne);
    EXPECT_TRUE(fixture::memesmarques(avant, pionsmorts));
    int32_t seki = 0;
    detectsekiessais(seki, pionsmortsavant, p, 0, dernier.ligne, dernier.colonne);
    verifie("detectsekiessais");
  }
  tableessaiscourante = 0;
  flagmarquesmorts = 0;
  valeurssurvie.fill(0);
}

}  // namespace
