// Level control with a pinned tick counter.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "platform/platform.h"

namespace {

// Each measure sees `ecart` milliseconds between its two readings.
uint32_t ecart = 0;
uint32_t instant = 0;
uint32_t tick() {
  const uint32_t t = instant;
  instant += ecart;
  return t;
}

struct NiveauTest : ::testing::Test {
  void SetUp() override {
    platform::seam::fixetickcount(tick);
    instant = 1000;
    flagfuseki = 0;
  }
  void TearDown() override { platform::seam::fixetickcount(nullptr); }

  int32_t niveaupour(int32_t ms, int32_t demande, int32_t temps, int32_t pierres, int32_t coup, int32_t n = 19) {
    ecart = static_cast<uint32_t>(ms);
    configmoteur = TConfig{};
    configmoteur.taille = n;
    configmoteur.niveauconfig = demande;
    construittables(n);
    niveau = demande;
    tempsrestant = {temps, pierres};
    numerocoup = coup;
    niveaureel();
    return niveau;
  }
};

TEST_F(NiveauTest, ClockAndSpeedCases) {
  struct Cas {
    const char* nom;
    int32_t ms, demande, temps, pierres, coup, n, attendu;
  } cas[] = {
      {"no clock keeps the requested level", 50, 6, -1, 0, 30, 19, 6},
      {"no clock, zero measure: requested level, not 10", 0, 4, -1, 0, 30, 19, 4},
      {"no clock, level 0 becomes 7", 50, 0, -1, 0, 30, 19, 7},
      {"45 s, 3 stones: level 1", 1, 10, 45, 3, 100, 19, 1},
      {"no time left: level 1", 1, 10, 0, 0, 100, 19, 1},
      {"45 s, last stone: the speed table decides", 100, 10, 45, 1, 100, 19, 7},
      {"600 s absolute at move 40: T = 600/124", 24, 10, 600, 0, 40, 19, 7},
      {"early game on 19x19 capped at 5", 1, 10, 1000, 0, 10, 19, 5},
      {"early cap needs 17 lines", 1, 10, 1000, 0, 10, 13, 10},
      {"100 s, 5 stones, speed says 8: capped to 3", 25, 10, 100, 5, 100, 19, 3},
      {"150 s capped to 4", 1, 10, 150, 5, 100, 19, 4},
      {"250 s capped to 5", 1, 10, 250, 5, 100, 19, 5},
      {"X = 6.0 exactly gives 3", 100, 10, 600, 100, 100, 19, 3},
      {"requested level is a ceiling", 1, 2, 5000, 0, 100, 19, 2},
      {"zero measure: level 10 whatever the clock", 0, 10, 45, 3, 100, 19, 10},
      {"zero measure, no time left: still 10", 0, 10, 0, 0, 100, 19, 10},
      {"zero measure, level 0 asked: 10, not 7", 0, 0, -1, 0, 30, 19, 10},
      {"two stones left: T / 1.5 (300 s a move would give 10)", 100, 10, 600, 2, 100, 19, 9},
  };
  for (const auto& k : cas) EXPECT_EQ(niveaupour(k.ms, k.demande, k.temps, k.pierres, k.coup, k.n), k.attendu) << k.nom;
}

TEST_F(NiveauTest, MoveCountTakenFromTheBoardWhenUnknown) {
  // 200 stones on the board, absolute time: n = 288 - 200 = 88, T = 600 / 44.
  plateaumoteur = plateauvide();
  for (int i = 0; i < 200; ++i) plateaumoteur[indexcase(i / 19 + 1, i % 19 + 1)] = static_cast<uint8_t>(i & 1);
  // S = 100/7; X = 13.64 * 14.29 = 194.8: level 9.
  EXPECT_EQ(niveaupour(7, 10, 600, 0, 0), 9);
  EXPECT_EQ(numerocoup, 200);
  plateaumoteur = plateauvide();
}

TEST_F(NiveauTest, ParameterTable) {
  const int32_t table[10][4] = {{4, 1, 6, 4},  {4, 2, 8, 6},   {4, 2, 8, 6},   {6, 3, 9, 8},   {6, 3, 10, 8},
                                {6, 3, 11, 10}, {8, 3, 12, 10}, {8, 4, 12, 10}, {10, 4, 13, 12}, {10, 5, 14, 12}};
  for (int l = 1; l <= 10; ++l) {
    SCOPED_TRACE(l);
    EXPECT_EQ(niveaupour(1, l, -1, 0, 100, 9), l);
    EXPECT_EQ(paramniveaua, table[l - 1][0]);
    EXPECT_EQ(paramniveaub, table[l - 1][1]);
    EXPECT_EQ(profondeurlecture, table[l - 1][2]);
    EXPECT_EQ(paramniveauc, table[l - 1][3]);
    EXPECT_EQ(lectureprofonde, l >= 5 ? 1 : 0);
    EXPECT_EQ(lecturelongue, l >= 5 ? 1 : 0);
    EXPECT_EQ(paramniveaud, l >= 5 ? 5 : 4);  // 9x9
    EXPECT_EQ(paramniveaug, l == 10 ? 3 : 2);
    EXPECT_EQ(niveaumin3, l >= 3 ? 1 : 0);
    EXPECT_EQ(niveaumin3b, l >= 3 ? 1 : 0);
    EXPECT_EQ(niveaumin4, l >= 4 ? 1 : 0);
    EXPECT_EQ(paramniveauf, l == 1 ? 20 : (l == 2 ? 10 : 1));
    EXPECT_EQ(paramniveaue, l == 1 ? 3 : 5);
  }
  niveaupour(1, 7, -1, 0, 100, 19);
  EXPECT_EQ(paramniveaud, 4);
}

TEST_F(NiveauTest, LevelAboveTenDeepensTheSearchAndKeepsTheTableValues) {
  // A command-line level above 10 with no clock stays as it is.
  ASSERT_EQ(niveaupour(1, 9, -1, 0, 100, 9), 9);
  ASSERT_EQ(niveaupour(1, 12, -1, 0, 100, 9), 12);
  EXPECT_EQ(paramniveaud, 6);
  EXPECT_EQ(paramniveaua, 10);  // level 9's four values remain
  EXPECT_EQ(paramniveaub, 4);
  EXPECT_EQ(profondeurlecture, 13);
  EXPECT_EQ(paramniveauc, 12);
  EXPECT_EQ(paramniveaug, 2);
  EXPECT_EQ(paramniveauf, 1);
  EXPECT_EQ(paramniveaue, 5);
  EXPECT_EQ(niveaumin3 + niveaumin3b + niveaumin4, 3);
  EXPECT_EQ(lectureprofonde + lecturelongue, 2);
}

TEST_F(NiveauTest, FinalStatusFlagHoldsForOneResetOnly) {
  ecart = 1;
  configmoteur = TConfig{};
  configmoteur.taille = 19;
  configmoteur.niveauconfig = 7;
  construittables(19);
  niveau = 7;
  tempsrestant = {-1, 0};
  numerocoup = 5;
  flagfuseki = 1;
  niveau = 3;  // raised to 7
  paramniveaud = 42;
  niveaureel();
  EXPECT_EQ(niveau, 7);
  EXPECT_EQ(paramniveaua, 8);
  EXPECT_EQ(paramniveaub, 3);
  EXPECT_EQ(profondeurlecture, 12);
  EXPECT_EQ(paramniveauc, 10);
  EXPECT_EQ(paramniveaud, 42);  // the fixed set leaves the main search depth alone
  EXPECT_EQ(paramniveaue, 5);
  EXPECT_EQ(paramniveauf, 1);
  EXPECT_EQ(paramniveaug, 2);
  EXPECT_EQ(niveaumin3 + niveaumin3b + niveaumin4, 3);
  EXPECT_EQ(lectureprofonde + lecturelongue, 2);
  EXPECT_EQ(flagfuseki, 0);
  // The next engine move with a short clock follows the clock again.
  EXPECT_EQ(niveaupour(1, 10, 45, 3, 100), 1);
  EXPECT_EQ(paramniveaua, 4);
  // And the early-game cap applies again.
  EXPECT_EQ(niveaupour(1, 10, 1000, 0, 10), 5);
}

TEST_F(NiveauTest, CleanupFlagIsOneVariableResetEveryMove) {
  ecart = 1;
  configmoteur = TConfig{};
  configmoteur.taille = 9;
  configmoteur.niveauconfig = 7;
  niveau = 7;
  tempsrestant = {-1, 0};
  etatcalme = 1;
  EXPECT_EQ(&modenettoyage, &etatcalme);
  initmoteur();
  EXPECT_EQ(modenettoyage, 0);
  EXPECT_EQ(etatcalme, 0);
}

}  // namespace
