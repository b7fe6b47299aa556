// Level control with a pinned tick counter.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/niveau.h"
#include "engine/choice/recherche_etat.h"
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

// The level parameters the readings and the search read, as one record.
struct Parametres {
  int32_t a, b, lecture, c, d, e, f, g, min3, min3b, min4, profonde, longue;
  static Parametres lus() {
    return {paramniveaua, paramniveaub, profondeurlecture, paramniveauc, paramniveaud, paramniveaue, paramniveauf,
            paramniveaug, niveaumin3, niveaumin3b, niveaumin4, lectureprofonde, lecturelongue};
  }
  // Every budget and depth at least that of `o`, the leaf cut margin at most its.
  bool litaumoinscomme(const Parametres& o) const {
    return a >= o.a && b >= o.b && lecture >= o.lecture && c >= o.c && d >= o.d && e >= o.e && g >= o.g &&
           min3 >= o.min3 && min3b >= o.min3b && min4 >= o.min4 && profonde >= o.profonde && longue >= o.longue &&
           f <= o.f;
  }
  bool operator==(const Parametres&) const = default;
};

TEST_F(NiveauTest, AHigherLevelNeverReadsLessNorCutsSooner) {
  for (int32_t n : {9, 19}) {
    SCOPED_TRACE(n);
    ASSERT_EQ(niveaupour(1, 1, -1, 0, 100, n), 1);
    Parametres avant = Parametres::lus();
    const Parametres un = avant;
    for (int32_t l = 2; l <= 10; ++l) {
      SCOPED_TRACE(l);
      ASSERT_EQ(niveaupour(1, l, -1, 0, 100, n), l);
      const Parametres p = Parametres::lus();
      EXPECT_TRUE(p.litaumoinscomme(avant));
      avant = p;
    }
    // The scale is not flat: level 10 reads deeper, wider and longer than level 1.
    EXPECT_GT(avant.lecture, un.lecture);
    EXPECT_GT(avant.b, un.b);
    EXPECT_LT(avant.f, un.f);
    EXPECT_EQ(un.profonde + un.longue + un.min3 + un.min4, 0);
    EXPECT_EQ(avant.profonde + avant.longue + avant.min3 + avant.min4, 4);
  }
}

TEST_F(NiveauTest, TheMainSearchStaysInsideItsDepthBoundsAndIsNoShallowerOnSmallBoards) {
  for (int32_t l = 1; l <= 12; ++l) {
    SCOPED_TRACE(l);
    niveaupour(1, l, -1, 0, 100, 19);
    const int32_t grand = paramniveaud;
    niveaupour(1, l, -1, 0, 100, 9);
    EXPECT_GE(paramniveaud, grand);
    EXPECT_GE(grand, 4);
    EXPECT_LE(paramniveaud + 2, recherche::PROFONDEURMAX);  // the deepest node still has a record
  }
  niveaupour(1, 7, -1, 0, 100, 19);
  const int32_t grand = paramniveaud;
  niveaupour(1, 7, -1, 0, 100, 9);
  EXPECT_GT(paramniveaud, grand);  // a 9x9 board is searched one ply deeper
}

TEST_F(NiveauTest, LevelAboveTenDeepensTheSearchAndKeepsTheOtherValues) {
  // A command-line level above 10 with no clock stays as it is; the readings
  // keep the values of the level set before it, only the main search goes
  // deeper than at any level of the scale.
  ASSERT_EQ(niveaupour(1, 10, -1, 0, 100, 9), 10);
  const int32_t dix = paramniveaud;
  ASSERT_EQ(niveaupour(1, 9, -1, 0, 100, 9), 9);
  const Parametres neuf = Parametres::lus();
  ASSERT_EQ(niveaupour(1, 12, -1, 0, 100, 9), 12);
  Parametres p = Parametres::lus();
  EXPECT_GT(p.d, dix);
  p.d = neuf.d;
  EXPECT_EQ(p, neuf);
}

TEST_F(NiveauTest, FinalStatusFlagGivesTheFixedSetUntilCleared) {
  ASSERT_EQ(niveaupour(1, 7, -1, 0, 5, 19), 7);
  const Parametres sept = Parametres::lus();
  ecart = 1;
  niveau = 3;  // raised to 7
  paramniveaud = 42;
  flagfuseki = 1;
  niveaureel();
  EXPECT_EQ(niveau, 7);
  Parametres p = Parametres::lus();
  EXPECT_EQ(p.d, 42);  // the fixed set leaves the main search depth alone
  p.d = sept.d;
  EXPECT_EQ(p, sept);  // else the readings of level 7
  EXPECT_EQ(flagfuseki, 1);  // the final status still reads it
  // Once the move entry clears it, a short clock rules again.
  flagfuseki = 0;
  EXPECT_EQ(niveaupour(1, 10, 45, 3, 100), 1);
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
