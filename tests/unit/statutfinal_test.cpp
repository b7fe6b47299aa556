// Final status of every point for final_status_list: dead, alive and seki
// stones, the owners of the empty points, the score counts by rules.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/entree.h"
#include "engine/choice/statutfinal.h"
#include "frontend/moteur.h"
#include "tests/support/fixture.h"
#include "tests/support/frontend_gtp.h"

namespace {

// Codes as letters: X O alive, x o dead, b w seki, '+' black and '-' white
// territory, '.' neutral.
std::string grillecodes(const TCarte& s, int n) {
  static const char lettres[] = ".-+wbOXox";
  std::string t;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int32_t v = s[indexcase(r, c)];
      t += v >= 0 && v <= 8 ? lettres[v] : '?';
    }
    t += '\n';
  }
  return t;
}

struct Resultat {
  TCarte statut;
  int32_t noir = 0, blanc = 0;
};

TListeCoups listevide() { return TListeCoups{}; }

Resultat evalue(std::string_view diagramme, uint8_t regle = 0, int32_t prisblanc = 0, int32_t prisnoir = 0,
                const TListeCoups& liste = listevide(), int32_t niveaudemande = 7) {
  const fixture::Position pos = fixture::diagramme(diagramme);
  TConfig config;
  config.taille = pos.taille;
  config.niveauconfig = niveaudemande;
  config.regle = regle;
  Resultat r;
  r.statut.fill(-1);
  statutfinal(pos.plateau, config, r.noir, r.blanc, r.statut, prisblanc, prisnoir, liste);
  return r;
}

// Black's wall shuts a lone white stone into a wide area; white holds the
// rest of the board.
constexpr const char* kPierreIsolee =
    "......XO.\n"
    "..O...XO.\n"
    "......XO.\n"
    "......XO.\n"
    "XXXXXXXO.\n"
    "OOOOOOOO.\n"
    ".........\n"
    ".........\n"
    ".........\n";

// A black and a white group, each with two eyes, side by side.
constexpr const char* kDeuxYeux =
    ".X.XO.O.O\n"
    "XXXXOOOOO\n"
    ".X.XO.O..\n"
    "XXXXOOOOO\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

// In the top left corner a white chain with an eye at (1,1) and a black
// chain with an eye at (1,5) share their liberty (1,3): neither side may
// play there, a seki. A white wall around it, a black corner lower right.
constexpr const char* kSeki =
    ".O.X.XO..\n"
    "OOXXXXO..\n"
    "XXXOOOO..\n"
    "OOOO.....\n"
    ".........\n"
    ".....XXXX\n"
    ".....X...\n"
    ".....X...\n"
    ".....X...\n";

TEST(StatutFinal, EmptyBoardIsNeutralAndCountsOnlyThePrisoners) {
  const Resultat r = evalue(".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"
                            ".........\n",
                            0, 3, 2);
  for (int32_t v : r.statut) EXPECT_EQ(v, NEUTRE);
  EXPECT_EQ(r.blanc, 3);
  EXPECT_EQ(r.noir, 2);
}

TEST(StatutFinal, SettledPositionDeadAliveAndTerritory) {
  const Resultat r = evalue(kPierreIsolee);
  EXPECT_TRUE(fixture::memesgrilles(
      "++++++XO-\n"
      "++o+++XO-\n"
      "++++++XO-\n"
      "++++++XO-\n"
      "XXXXXXXO-\n"
      "OOOOOOOO-\n"
      "---------\n"
      "---------\n"
      "---------\n",
      grillecodes(r.statut, 9)));
  // Japanese counting: each side's territory (the dead stone's point
  // included), and the dead stone once more for black.
  EXPECT_EQ(r.noir, 24 + 1);
  EXPECT_EQ(r.blanc, 33);
}

// A black wall shuts the top left 7x7 corner, a white one most of the
// rest: the corner squares, far from every stone, are territory as the
// rest of their area is.
TEST(StatutFinal, WideCornerAreaIsTerritoryToTheCorner) {
  const Resultat r = evalue(
      ".......X.....\n"
      ".......X.....\n"
      ".......X.....\n"
      ".......X.....\n"
      ".......X.....\n"
      ".......X.....\n"
      ".......XOOOOO\n"
      "XXXXXXXXO....\n"
      "OOOOOOOOO....\n"
      ".............\n"
      ".............\n"
      ".............\n"
      ".............\n");
  EXPECT_TRUE(fixture::memesgrilles(
      "+++++++X+....\n"
      "+++++++X+....\n"
      "+++++++X.....\n"
      "+++++++X.....\n"
      "+++++++X.....\n"
      "+++++++X....-\n"
      "+++++++XOOOOO\n"
      "XXXXXXXXO----\n"
      "OOOOOOOOO----\n"
      "-------------\n"
      "-------------\n"
      "-------------\n"
      "-------------\n",
      grillecodes(r.statut, 13)));
  // The final status leaves its flag for the next move entry to clear.
  EXPECT_EQ(flagfuseki, 1);
}

TEST(StatutFinal, TwoEyedGroupsAreAlive) {
  const Resultat r = evalue(kDeuxYeux);
  EXPECT_TRUE(fixture::memesgrilles(
      "+X+XO-O-O\n"
      "XXXXOOOOO\n"
      "+X+XO-O--\n"
      "XXXXOOOOO\n"
      "++....---\n"
      "........-\n"
      ".........\n"
      ".........\n"
      ".........\n",
      grillecodes(r.statut, 9)));
}

// Under Japanese rules the eyes of a seki are nobody's; under Chinese rules
// they stay with their owners and the seki stones count.
TEST(StatutFinal, SekiStonesAndTheirEyesByRules) {
  const Resultat japonais = evalue(kSeki, 0);
  const Resultat chinois = evalue(kSeki, 2);
  EXPECT_TRUE(fixture::memesgrilles(
      ".w.b.bO--\n"
      "wwbbbbO--\n"
      "bbbOOOO..\n"
      "OOOO.....\n"
      "-........\n"
      ".....XXXX\n"
      ".....X+++\n"
      ".....X+++\n"
      "....+X+++\n",
      grillecodes(japonais.statut, 9)));
  EXPECT_TRUE(fixture::memesgrilles(
      "-w.b+bO--\n"
      "wwbbbbO--\n"
      "bbbOOOO..\n"
      "OOOO.....\n"
      "-........\n"
      ".....XXXX\n"
      ".....X+++\n"
      ".....X+++\n"
      "....+X+++\n",
      grillecodes(chinois.statut, 9)));
  // Area counting: each side's stones, seki included, and its territory.
  EXPECT_EQ(chinois.noir, 9 + 7 + 11);
  EXPECT_EQ(chinois.blanc, 3 + 10 + 6);
}

TEST(StatutFinal, AgaRulesGiveAPointPerPass) {
  TListeCoups liste{};
  liste[0].ligne = 4;
  liste[1] = TCoupPartie{NOIR, 3, 3};
  liste[2] = TCoupPartie{BLANC, 0, 0};
  liste[3] = TCoupPartie{NOIR, 0, 0};
  liste[4] = TCoupPartie{BLANC, 0, 0};
  const Resultat sans = evalue(kDeuxYeux, 6);
  const Resultat avec = evalue(kDeuxYeux, 6, 0, 0, liste);
  EXPECT_EQ(avec.noir, sans.noir + 2);
  EXPECT_EQ(avec.blanc, sans.blanc + 1);
  EXPECT_EQ(avec.statut, sans.statut);
}

TEST(StatutFinal, PrisonersCountOnlyUnderTerritoryCounting) {
  const Resultat japonais = evalue(kDeuxYeux, 0);
  const Resultat japonaisprises = evalue(kDeuxYeux, 0, 4, 7);
  EXPECT_EQ(japonaisprises.blanc, japonais.blanc + 4);
  EXPECT_EQ(japonaisprises.noir, japonais.noir + 7);
  const Resultat chinois = evalue(kDeuxYeux, 2);
  const Resultat chinoisprises = evalue(kDeuxYeux, 2, 4, 7);
  EXPECT_EQ(chinoisprises.blanc, chinois.blanc);
  EXPECT_EQ(chinoisprises.noir, chinois.noir);
}

TEST(StatutFinal, LowRequestedLevelStillEvaluatesAtLevelSeven) {
  const Resultat bas = evalue(kPierreIsolee, 0, 0, 0, listevide(), 3);
  EXPECT_EQ(niveau, 7);
  const int32_t b = paramniveaub, prof = profondeurlecture;
  const Resultat sept = evalue(kPierreIsolee, 0, 0, 0, listevide(), 7);
  EXPECT_EQ(paramniveaub, b);
  EXPECT_EQ(profondeurlecture, prof);
  EXPECT_EQ(bas.statut, sept.statut);
  EXPECT_EQ(bas.noir, sept.noir);
  EXPECT_EQ(bas.blanc, sept.blanc);
}

TEST(StatutFinal, RepeatedCallsGiveTheSameAnswer) {
  const Resultat premier = evalue(kSeki);
  const Resultat second = evalue(kSeki);
  EXPECT_EQ(premier.statut, second.statut);
  EXPECT_EQ(premier.noir, second.noir);
  EXPECT_EQ(premier.blanc, second.blanc);
}

// ---- Positions from finished games -------------------------------------------------

struct CasFinal {
  std::string nom, pourquoi, attendu;
};

// The cases of tests/data/statutfinal.txt.
std::vector<CasFinal> litcasfinal() {
  std::vector<CasFinal> cas;
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/statutfinal.txt");
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    if (ligne.rfind("case ", 0) == 0) {
      const size_t deux = ligne.find(':');
      cas.push_back({ligne.substr(5, deux - 5), deux == std::string::npos ? "" : ligne.substr(deux + 2), ""});
    } else if (!cas.empty()) {
      cas.back().attendu += ligne + "\n";
    }
  }
  return cas;
}

// X O alive, x o dead, b w seki, . empty: the stones' codes as the cases write them.
std::string grillepierres(const TCarte& s, int n) {
  std::string t;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int32_t v = s[indexcase(r, c)];
      t += v >= SEKIBLANC && v <= MORTNOIR ? "wbOXox"[v - SEKIBLANC] : '.';
    }
    t += '\n';
  }
  return t;
}

TEST(StatutFinal, PositionsFromFinishedGames) {
  const std::vector<CasFinal> cas = litcasfinal();
  ASSERT_GE(cas.size(), 14u) << "tests/data/statutfinal.txt missing or short";
  for (const CasFinal& k : cas) {
    std::string position = k.attendu;
    for (char& ch : position) ch = ch == 'x' || ch == 'b' ? 'X' : ch == 'o' || ch == 'w' ? 'O' : ch;
    const fixture::Position pos = fixture::diagramme(position);
    const Resultat r = evalue(position, 2);
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, grillepierres(r.statut, pos.taille)))
        << k.nom << ": " << k.pourquoi;
  }
}

// ---- Through final_status_list -------------------------------------------------------
// The front end with its real engine entries.
class StatutFinalGtp : public ::testing::Test {
 protected:
  void SetUp() override {
    frontendtest::nouvellepartie();
    ASSERT_EQ(frontendtest::repond("boardsize 9"), "");
  }
  // Plays the diagram's stones, black's first.
  void pose(std::string_view diagramme) {
    const fixture::Position pos = fixture::diagramme(diagramme);
    for (uint8_t c : {NOIR, BLANC})
      for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
          if (pos.plateau[indexcase(r, k)] == c) {
            ASSERT_EQ(frontendtest::repond(std::string(c == NOIR ? "play b " : "play w ") + gtpvertex(r, k)), "");
          }
  }
  static std::string liste(const char* mot) { return frontendtest::repond(std::string("final_status_list ") + mot); }
};

TEST_F(StatutFinalGtp, EmptyBoardGivesEmptyLists) {
  for (const char* mot : {"dead", "alive", "seki"}) EXPECT_EQ(liste(mot), "") << mot;
}

TEST_F(StatutFinalGtp, LoneStoneInEnemyAreaIsDeadAndTheGameStays) {
  pose(kPierreIsolee);
  const TPlateau plateau = plateaugtp;
  const TListeCoups coups = listecoupsgtp;
  EXPECT_EQ(liste("dead"), gtpvertex(2, 3));
  const std::string vivants = liste("alive");
  EXPECT_EQ(vivants.find(gtpvertex(2, 3)), std::string::npos);
  EXPECT_NE(vivants.find(gtpvertex(5, 1)), std::string::npos);
  EXPECT_NE(vivants.find(gtpvertex(6, 8)), std::string::npos);
  EXPECT_EQ(liste("seki"), "");
  // Asked again: the same answers, the game untouched.
  EXPECT_EQ(liste("dead"), gtpvertex(2, 3));
  EXPECT_EQ(liste("alive"), vivants);
  EXPECT_TRUE(fixture::memesplateaux(plateau, plateaugtp, configgtp.taille));
  ASSERT_EQ(listecoupsgtp[0].ligne, coups[0].ligne);
  for (int32_t k = 1; k <= coups[0].ligne; ++k) {
    EXPECT_EQ(listecoupsgtp[k].couleur, coups[k].couleur);
    EXPECT_EQ(listecoupsgtp[k].ligne, coups[k].ligne);
    EXPECT_EQ(listecoupsgtp[k].colonne, coups[k].colonne);
  }
}

// The three lists split the stones: the seki stones are not alive too.
TEST_F(StatutFinalGtp, SekiStonesAreListedAsSekiOnly) {
  pose(kSeki);
  const std::string seki = liste("seki");
  const std::string vivants = liste("alive");
  const std::string morts = liste("dead");
  auto dans = [](const std::string& l, int r, int c) {
    return (" " + l + " ").find(" " + gtpvertex(r, c) + " ") != std::string::npos;
  };
  for (auto [r, c] : {std::pair{1, 2}, {1, 4}, {2, 1}, {3, 3}}) {
    EXPECT_TRUE(dans(seki, r, c)) << r << "," << c;
    EXPECT_FALSE(dans(vivants, r, c)) << r << "," << c;
  }
  EXPECT_FALSE(dans(seki, 1, 7));
  EXPECT_TRUE(dans(vivants, 1, 7));
  EXPECT_EQ(morts, "");
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      if (plateaugtp[indexcase(r, c)] == VIDE) continue;
      int fois = 0;
      for (const std::string& l : {seki, vivants, morts}) fois += dans(l, r, c);
      EXPECT_EQ(fois, 1) << gtpvertex(r, c);
    }
}

// A game stopped during its cleanup: White's bottom group lives, Black's
// G1-J2 group has one liberty (H1), B2 C2 are shut in. White's cleanup
// moves, Black passing, must take off every black stone it calls dead
// before White passes.
constexpr const char* kNettoyage =
    "..O.OOX.X\n"
    "OXXO.OXXX\n"
    ".OO.OOOOO\n"
    "O.OOXOXOO\n"
    "OOOOXXXXX\n"
    ".O.OOOOX.\n"
    ".OOOXXOXX\n"
    "..OOOXXX.\n"
    ".OO.OOXXX\n";

// The end of a game: White's group (1,6)-(2,9) shares its two liberties
// (1,7) and (1,9) with the black (1,8) and is dead (no seki). Black's
// cleanup, White passing, fills one and takes it.
constexpr const char* kSekiFaux =
    "...OXO.X.\n"
    "XO.OXOOOO\n"
    "XOOOXOOXX\n"
    ".XOXXOXX.\n"
    "X.X.XXXOO\n"
    "OXXXX.XX.\n"
    ".OOX.OOOX\n"
    ".OXXO.O.X\n"
    "..OX.OO..\n";

// Cleanup moves of `couleur`, the other side passing, up to the cleanup's
// pass: then the dead list names no stone of the other side and `vide` is
// empty.
void nettoiejusquapasse(const char* couleur, const char* autre, uint8_t adverse, TPoint vide) {
  std::string coup;
  for (int k = 0; k < 30 && coup != "PASS"; ++k) {
    coup = frontendtest::repond(std::string("kgs-genmove_cleanup ") + couleur);
    ASSERT_EQ(frontendtest::repond(std::string("play ") + autre + " pass"), "");
  }
  ASSERT_EQ(coup, "PASS");
  const std::string morts = frontendtest::repond("final_status_list dead");
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const bool listee = (" " + morts + " ").find(" " + gtpvertex(r, c) + " ") != std::string::npos;
      EXPECT_FALSE(listee && plateaugtp[indexcase(r, c)] == adverse) << gtpvertex(r, c) << " in " << morts;
    }
  EXPECT_EQ(plateaugtp[indexcase(vide.ligne, vide.colonne)], VIDE) << gtpvertex(vide.ligne, vide.colonne);
}

TEST_F(StatutFinalGtp, CleanupTakesOffEveryStoneItCallsDeadBeforePassing) {
  pose(kNettoyage);
  // The group with one liberty is gone.
  nettoiejusquapasse("white", "black", NOIR, TPoint{1, 7});
}

TEST_F(StatutFinalGtp, CleanupTakesOffTheGroupOfAFalseSeki) {
  pose(kSekiFaux);
  EXPECT_EQ(liste("seki"), "");
  nettoiejusquapasse("black", "white", BLANC, TPoint{1, 6});
}

}  // namespace
