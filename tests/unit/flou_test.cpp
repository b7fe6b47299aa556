// Fuzzy territory and attack tests: the spread of `flou`, the attack flag,
// the danger test and its rescaling, chains left in atari.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/proposals/flou.h"
#include "tests/support/fixture.h"

namespace {

constexpr const char* VIDE5 = ".....\n.....\n.....\n.....\n.....\n";

// The position analysis' maps the tests pass.
struct Cartes {
  TCarte faitmortA{}, faitmortB{}, flou{};
  TMarques testvitA{}, testtueA{}, testvitB{}, testtueB{}, faiblesse{};
};

class Flou : public ::testing::Test {
 protected:
  // The turn in which the rescaling and the attack are allowed.
  void SetUp() override {
    strategie = 0;
    phasedebut = 1;
    coupdecide = 0;
    enretard = 1;
    flagattaque = 0;
    bilanscore = 0.0;
    flagdanger2 = 0;
    flagdanger3 = 0;
    territoireaprendre[1] = 5;
    compteurinvasions = 0;
    compteurinvasions2 = 0;
    maxfortification = 0;
    maxsurvie = 0;
    procedurefinpartie = 0;
    flagterritoire = 0;
    flagfortification = 0;
    flagdanger = 0;
  }
  void TearDown() override {
    SetUp();
    strategie = 2;
    pionsmorts.fill(0);
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
  }
  Cartes m;
  TCarte& flou = m.flou;

  TCartesEssaisCote essaisA() const { return TCartesEssaisCote{m.faitmortA, m.testtueA, m.testvitA}; }
  TCartesEssaisCote essaisB() const { return TCartesEssaisCote{m.faitmortB, m.testtueB, m.testvitB}; }
  void jeperd(const TPlateau& p) { testjeperdafond(p, m.flou, essaisA(), BLANC, NOIR, m.faiblesse); }
  void multiplie(const TPlateau& p) { multiplieterritoireflou(p, m.flou, essaisA(), essaisB(), NOIR, m.faiblesse); }
};

TEST_F(Flou, SpreadOneStep) {
  const TPlateau p = fixture::posemoteur(
      ".....\n"
      ".....\n"
      ".....\n"
      ".X...\n"
      ".....\n");
  for (int j = 0; j < NBCASES; ++j) territoire2[j] = NOIR;
  territoire2[indexcase(5, 5)] = BLANC;  // not A's: left alone
  flou[indexcase(1, 2)] = 12;  // its own value larger than 9 - 1: kept
  flou[indexcase(2, 2)] = 9;
  flou[indexcase(2, 3)] = 3;   // a neighbour at 9 and its own 3: 8, not 10 (one step)
  flou[indexcase(4, 4)] = -3;  // no neighbour above 0: 5
  flou[indexcase(4, 2)] = 40;  // a stone: left alone, but read
  distancevoisins(flou, p, NOIR);
  EXPECT_TRUE(fixture::memesgrilles(
      "11 12 11  5  5\n"
      " 8 11  8  2  5\n"
      " 5 39  2  5  5\n"
      "39 40 39  5  5\n"
      " 5 39  5  5  0\n",
      fixture::grille(flou, 5, 3)));
}

TEST_F(Flou, AttackFlag) {
  const TPlateau p = fixture::posemoteur(VIDE5);
  struct Cas {
    const char* nom;
    void (*pose)(Cartes&);
    uint8_t attendu;
  } cas[] = {
      {"nothing holds the attacker back", [](Cartes&) {}, 1},
      {"a weak point on B's ground", [](Cartes& t) {
         t.faiblesse[indexcase(2, 2)] = 1;
         territoire2[indexcase(2, 2)] = BLANC;
       }, 0},
      {"a weak point elsewhere", [](Cartes& t) { t.faiblesse[indexcase(2, 2)] = 1; }, 1},
      {"a kill of 7", [](Cartes& t) { t.faitmortA[indexcase(3, 3)] = 7; }, 0},
      {"a kill of 6", [](Cartes& t) { t.faitmortA[indexcase(3, 3)] = 6; }, 1},
      {"a kill test of 3", [](Cartes& t) { t.testtueA[indexcase(3, 3)] = 3; }, 0},
      {"a life test of 2", [](Cartes& t) { t.testvitA[indexcase(3, 3)] = 2; }, 0},
      {"bilanscore exactly -10", [](Cartes& t) {
         bilanscore = -10.0;
         t.testvitA[indexcase(3, 3)] = 2;
       }, 1},
      {"bilanscore -9.99", [](Cartes& t) {
         bilanscore = -9.99;
         t.testvitA[indexcase(3, 3)] = 2;
       }, 0},
      {"already set", [](Cartes& t) {
         flagattaque = 1;
         t.testvitA[indexcase(3, 3)] = 2;
       }, 1},
      {"not the attacker", [](Cartes&) {
         strategie = 1;
         flagattaque = 1;
       }, 0},
      {"not behind", [](Cartes&) { enretard = 0; }, 0},
      {"a move decided", [](Cartes&) { coupdecide = 1; }, 0},
      {"outside the opening phase", [](Cartes&) { phasedebut = 0; }, 0},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    SetUp();
    m = Cartes{};
    k.pose(m);
    jeperd(p);
    EXPECT_EQ(flagattaque, k.attendu);
    territoire2.fill(VIDE);
  }
}

TEST_F(Flou, DangerStopsBeforeAnyRescaling) {
  const TPlateau p = fixture::posemoteur(VIDE5);
  flou.fill(2);
  m.testvitB[indexcase(4, 4)] = 3;
  multiplie(p);
  EXPECT_EQ(flagdanger2, 1);
  EXPECT_EQ(flagdanger3, 0);
  EXPECT_EQ(flou[indexcase(1, 1)], 2);
  // A weak point on A's ground is danger too; B's life test of 2 is not.
  flagdanger2 = 0;
  m.testvitB.fill(0);
  m.testvitB[indexcase(4, 4)] = 2;
  multiplie(p);
  EXPECT_EQ(flagdanger2, 0);
  flou.fill(2);
  flagdanger3 = 0;
  m.faiblesse[indexcase(1, 1)] = 1;
  territoire[indexcase(1, 1)] = NOIR;
  multiplie(p);
  EXPECT_EQ(flagdanger2, 1);
  EXPECT_EQ(flou[indexcase(1, 1)], 2);
}

TEST_F(Flou, Rescaling) {
  const TPlateau p = fixture::posemoteur(VIDE5);
  const auto depart = [&] {
    flou.fill(0);
    flou[indexcase(1, 1)] = 5;  // A's territoire2: kept
    flou[indexcase(1, 2)] = 5;  // not A's: scaled
    flou[indexcase(1, 3)] = 4;  // A's but not 5: scaled
    territoire2.fill(VIDE);
    territoire2[indexcase(1, 1)] = NOIR;
    territoire2[indexcase(1, 3)] = NOIR;
  };
  depart();
  multiplie(p);
  EXPECT_EQ(flagdanger3, 1);
  EXPECT_EQ(flou[indexcase(1, 1)], 5);
  EXPECT_EQ(flou[indexcase(1, 2)], 25);
  EXPECT_EQ(flou[indexcase(1, 3)], 20);
  // Partial: a kill above 6 somewhere; only where A's kill test is not 0.
  depart();
  m.faitmortA[indexcase(5, 5)] = 7;
  m.testtueA[indexcase(1, 3)] = 1;
  multiplie(p);
  EXPECT_EQ(flagdanger3, 2);
  EXPECT_EQ(flou[indexcase(1, 2)], 5);
  EXPECT_EQ(flou[indexcase(1, 3)], 20);
}

TEST_F(Flou, NoRescalingWhenTheTurnForbidsIt) {
  const TPlateau p = fixture::posemoteur(VIDE5);
  void (*conditions[])() = {
      [] { territoireaprendre[1] = compteurinvasions; },
      [] { phasedebut = 0; },
      [] { coupdecide = 1; },
      [] { maxfortification = 3; },
      [] { compteurinvasions2 = territoireaprendre[1] + 3; },
      [] { maxsurvie = 3; },
      [] { procedurefinpartie = 1; },
      [] { strategie = 1; },
      [] { flagterritoire = 3; },
      [] { flagfortification = 3; },
      [] { flagdanger = 1; },
  };
  int i = 0;
  for (auto pose : conditions) {
    SCOPED_TRACE(i++);
    SetUp();
    flagdanger3 = 7;
    pose();
    flou.fill(3);
    multiplie(p);
    EXPECT_EQ(flagdanger3, 7);
    EXPECT_EQ(flou[indexcase(2, 2)], 3);
  }
}

TEST_F(Flou, ChainsInAtari) {
  const TPlateau p = fixture::posemoteur(
      "XO...\n"
      ".....\n"
      ".XOX.\n"
      "..X..\n"
      ".....\n");
  // Black (1,1) and white (3,3) are in atari; white (1,2) has two liberties.
  int32_t total = 100;
  bonuschainesenatari(total, p, NOIR, NOIR);
  EXPECT_EQ(total, 90);
  bonuschainesenatari(total, p, NOIR, BLANC);
  EXPECT_EQ(total, 100);
  pionsmorts[indexcase(3, 3)] = 1;
  bonuschainesenatari(total, p, NOIR, BLANC);
  EXPECT_EQ(total, 100);
}

}  // namespace
