// Game-situation terms: the balance and strategy of the mover, the room the
// opponent has left, the thinning of the invasion map, trial values and the
// double-threat gate.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/choice/situation.h"
#include "tests/support/fixture.h"

namespace {

constexpr const char* VIDE9 =
    ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";

class Situation : public ::testing::Test {
 protected:
  void SetUp() override {
    plateau = fixture::posemoteur(VIDE9);
    for (TMarques* m : {&influence, &videsennemis}) m->fill(VIDE);
    for (TMarques* m : {&casescandidatesjoueur, &marquesglobales}) m->fill(0);
    valeurs.fill(0);
    numerocoup = 20;
    prisonniersnoir = prisonniersblanc = 0;
    strategie = 2;
    enretard = flagattaque = flagconsolide = 0;
    bilanentier = 0;
    bilanscore = 0.0;
    passesconsecutives = 0;
    configmoteur.komi = 5.5;
  }
  void TearDown() override {
    territoire.fill(VIDE);
    territoire2.fill(VIDE);
    influence.fill(VIDE);
    strategie = 2;
    enretard = flagattaque = flagconsolide = 0;
    configmoteur.komi = 5.5;
  }
  // Every point owned: no undecided point, the balance is the two counts.
  void toutpossede() { territoire.fill(BLANC); }

  TPlateau plateau{};
  TCarte valeurs{};
};

TEST_F(Situation, NothingIsJudgedUpToMoveThree) {
  numerocoup = 3;
  bilanentier = 77;
  int32_t points = 9;
  consolidationgagnant(points, valeurs, plateau, 0, 40, BLANC, NOIR);
  EXPECT_EQ(strategie, 2);
  EXPECT_EQ(points, 0);
  EXPECT_EQ(bilanentier, 77);
  EXPECT_EQ(enretard, 0);
}

TEST_F(Situation, TheWholePointBalanceIsAtLeastZeroOnlyForAWin) {
  toutpossede();
  struct Cas {
    double komi;
    uint8_t m;
    int32_t attendu;  // noirs 20, blancs 10
  };
  // White wins with W + komi > B: the balance is W - B plus the largest
  // whole number below the komi. Without komi a tie is no win for either side.
  const Cas cas[] = {{5.5, NOIR, 20 - 10 - 6}, {5.5, BLANC, 5 + 10 - 20}, {-5.5, NOIR, 20 - 10 + 4},
                     {-5.5, BLANC, -6 + 10 - 20}, {0.5, NOIR, 20 - 10 - 1}, {0.0, NOIR, 20 - 10 - 1},
                     {0.0, BLANC, 10 - 20 - 1}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.komi);
    configmoteur.komi = k.komi;
    int32_t points = 0;
    consolidationgagnant(points, valeurs, plateau, 10, 20, static_cast<uint8_t>(1 - k.m), k.m);
    EXPECT_EQ(bilanentier, k.attendu);
  }
}

TEST_F(Situation, StrategyFromTheBalance) {
  toutpossede();
  configmoteur.komi = 6.0;
  struct Cas {
    uint8_t m;
    int32_t noirs, blancs;
    uint8_t strategie;
    double bilan;
    uint8_t consolide;
  };
  const Cas cas[] = {
      {NOIR, 16, 10, 2, 0.0, 0},   // an exact tie is not "defend"
      {NOIR, 17, 10, 1, 1.0, 0},
      {NOIR, 15, 10, 0, -1.0, 0},
      {NOIR, 21, 10, 1, 5.0, 0},   // 5.0 exactly: no consolidation
      {NOIR, 22, 10, 1, 6.0, 1},
      {BLANC, 16, 10, 2, 0.0, 0},
      {BLANC, 15, 10, 1, 1.0, 0},
      {BLANC, 18, 10, 0, -2.0, 0},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(testing::Message() << int(k.m) << " " << k.noirs);
    flagconsolide = enretard = 0;
    int32_t points = 0;
    consolidationgagnant(points, valeurs, plateau, k.blancs, k.noirs, static_cast<uint8_t>(1 - k.m), k.m);
    EXPECT_EQ(strategie, k.strategie);
    EXPECT_DOUBLE_EQ(bilanscore, k.bilan);
    EXPECT_EQ(flagconsolide, k.consolide);
    EXPECT_EQ(enretard, k.strategie == 0 ? 1 : 0);
    if (k.strategie == 1) {
      EXPECT_EQ(points, 0);
    }
  }
  // Points the black mover needs when not ahead: trunc(komi) - B + W + 1.
  int32_t points = 0;
  consolidationgagnant(points, valeurs, plateau, 10, 15, BLANC, NOIR);
  EXPECT_EQ(points, 6 - 15 + 10 + 1);
  // The white mover's mirror: B - W - trunc(komi) + 1.
  configmoteur.komi = 0.0;
  consolidationgagnant(points, valeurs, plateau, 15, 20, NOIR, BLANC);
  EXPECT_EQ(points, 20 - 15 + 1);
}

TEST_F(Situation, FarBehindSetsTheAttackFlag) {
  toutpossede();
  configmoteur.komi = 6.0;
  int32_t points = 0;
  consolidationgagnant(points, valeurs, plateau, 30, 10, BLANC, NOIR);
  EXPECT_EQ(strategie, 0);
  EXPECT_EQ(flagattaque, 1) << "no undecided point can make up 26 points";
}

TEST_F(Situation, DeadStonesAndPrisonersCount) {
  plateau = fixture::posemoteur(
      "X........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "........O\n");
  toutpossede();
  configmoteur.komi = 0.0;
  pionsmorts[indexcase(1, 1)] = 1;  // a dead black stone counts for white
  pionsmorts[indexcase(9, 9)] = 1;  // a dead white stone for black
  valeurs[indexcase(9, 9)] = -1;    // white's ground: it does not count
  prisonniersnoir = 3;
  int32_t points = 0;
  consolidationgagnant(points, valeurs, plateau, 0, 0, BLANC, NOIR);
  EXPECT_EQ(bilanentier, 3 - 1 - 1);
  pionsmorts.fill(0);
  prisonniersnoir = 0;
}

TEST(SituationVides, TheFifthOfTheBoardIs72Point2On19) {
  std::string vide19;
  for (int i = 0; i < 19; ++i) vide19 += "...................\n";
  const TPlateau p = fixture::posemoteur(vide19);
  videsennemis.fill(VIDE);
  static TCartesParPoint mortsjoueur{};
  for (int32_t n : {72, 73}) {
    SCOPED_TRACE(n);
    casescandidatesjoueur.fill(0);
    for (int32_t k = 0; k < n; ++k) casescandidatesjoueur[k] = 1;
    testmoinsde20pcvides(p, mortsjoueur, NOIR, BLANC);
    EXPECT_EQ(moinsde20pcvides, n == 72 ? 1 : 0);
    EXPECT_EQ(cartevides[0], BLANC);
    EXPECT_EQ(cartevides[n], VIDE);
  }
  // A point whose opponent stone would die, or next to the mover's ground, is not left.
  casescandidatesjoueur.fill(0);
  casescandidatesjoueur[indexcase(10, 10)] = casescandidatesjoueur[indexcase(5, 5)] = 1;
  mortsjoueur[9][9][indexcase(10, 10)] = 1;
  territoire[indexcase(5, 6)] = NOIR;
  testmoinsde20pcvides(p, mortsjoueur, NOIR, BLANC);
  EXPECT_EQ(cartevides[indexcase(10, 10)], VIDE);
  EXPECT_EQ(cartevides[indexcase(5, 5)], VIDE);
  territoire.fill(VIDE);
  casescandidatesjoueur.fill(0);
  mortsjoueur[9][9][indexcase(10, 10)] = 0;
}

TEST_F(Situation, TheInvasionMapThinsOnlyWhenDefending) {
  TMarques zone{};
  zone[indexcase(2, 2)] = 10;  // owned by nobody: cleared
  zone[indexcase(3, 3)] = 10;  // the mover's ground: kept
  zone[indexcase(4, 4)] = 40;  // a strong value: kept
  territoire[indexcase(3, 3)] = NOIR;
  const TMarques avant = zone;
  strategie = 0;
  reduitzoneinvasion(zone, NOIR);
  EXPECT_TRUE(fixture::memesmarques(avant, zone));
  strategie = 1;
  reduitzoneinvasion(zone, NOIR);
  EXPECT_EQ(zone[indexcase(2, 2)], 0);
  EXPECT_EQ(zone[indexcase(3, 3)], 10);
  EXPECT_EQ(zone[indexcase(4, 4)], 40);
  passesconsecutives = 1;
  reduitzoneinvasion(zone, NOIR);
  EXPECT_TRUE(fixture::memesmarques(TMarques{}, zone));
}

TEST_F(Situation, TrialValueFromKillsAndSaves) {
  // Black's trial at (2,2) has killed the white stone at (1,1) and revived
  // its own stone at (5,5).
  plateau = fixture::posemoteur(
      "O........\n"
      ".X.......\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(1, 1)] = 1;
  TMarques avant{}, apres{};
  apres[indexcase(5, 5)] = 1;  // dead before the reading
  TPrisesMarquees prises{};
  uint8_t tue = 0, sauve = 0;
  strategie = 0;
  const int32_t v = valeurcoupessai(prises, 1, 2, 2, plateau, NOIR, BLANC, tue, sauve, avant, apres);
  // K = 6 off white's ground: 6 for the kill, 3 for the save.
  EXPECT_EQ(v, 6 + 3);
  EXPECT_EQ(tue, 1);
  EXPECT_EQ(sauve, 1);
  EXPECT_EQ(essaiordi(2, 2).gainmoyoordi, 1);
  EXPECT_EQ(essaiordi(2, 2).gainmoyojoueur, 1);
  EXPECT_TRUE(essaiordi(2, 2).marquesessai[indexcase(1, 1)] & 2);
  // Two captured stones not dead before: 2 * K more.
  prises[0] = 2;
  prises[3] = 9;
  prises[4] = 9;
  prises[6] = 9;
  prises[7] = 8;
  tue = sauve = 0;
  EXPECT_EQ(valeurcoupessai(prises, 1, 2, 2, plateau, NOIR, BLANC, tue, sauve, avant, apres), 6 + 3 + 2 * 6);
  avant[indexcase(9, 9)] = 1;
  EXPECT_EQ(valeurcoupessai(prises, 1, 2, 2, plateau, NOIR, BLANC, tue, sauve, avant, apres), 6 + 3);
  prises[0] = 0;
  // On white's ground after a pass the opponent's trials are worth nothing.
  territoire[indexcase(2, 2)] = BLANC;
  passesconsecutives = 1;
  EXPECT_EQ(valeurcoupessai(prises, 0, 2, 2, plateau, NOIR, BLANC, tue, sauve, avant, apres), 0);
  pionsmorts.fill(0);
  essaiordi(2, 2) = TEssaiCoup{};
}

TEST_F(Situation, AKilledStoneCarriesItsOwnTrialFlagIntoBothTables) {
  // Black's trial at (5,5): white (1,1) newly dead, (1,9) dead before and
  // revived by the reading (still a kill), (9,9) dead all along (no kill).
  plateau = fixture::posemoteur(
      "O.......O\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "........O\n");
  const int32_t a = indexcase(1, 1), b = indexcase(1, 9), c = indexcase(9, 9);
  pionsmorts[a] = pionsmorts[b] = pionsmorts[c] = 1;
  TMarques avant{}, apres{};
  avant[b] = avant[c] = 1;
  apres[c] = 1;
  // Each stone's flag in the opponent's trial at its own point.
  for (int32_t q : {a, b, c}) essaijoueur(q / TAILLEMAX + 1, q % TAILLEMAX + 1).marquesessai[q] = 0x80;
  TPrisesMarquees prises{};
  uint8_t tue = 0, sauve = 0;
  strategie = 0;
  valeurcoupessai(prises, 1, 5, 5, plateau, NOIR, BLANC, tue, sauve, avant, apres);
  EXPECT_EQ(essaiordi(5, 5).gainmoyoordi, 2);
  EXPECT_EQ(essaiordi(1, 1).marquesessai[a], 0x80);
  EXPECT_EQ(essaiordi(1, 9).marquesessai[b], 0x80);
  EXPECT_EQ(essaiordi(9, 9).marquesessai[c], 0) << "not a kill";
  // The other way round, from the engine's table into the opponent's.
  essaijoueur(1, 1).marquesessai[a] = 0;
  essaiordi(1, 1).marquesessai[a] = 0x80;
  valeurcoupessai(prises, 0, 5, 5, plateau, NOIR, BLANC, tue, sauve, avant, apres);
  EXPECT_EQ(essaijoueur(1, 1).marquesessai[a], 0x80);
  for (int32_t q : {a, b, c}) {
    essaiordi(q / TAILLEMAX + 1, q % TAILLEMAX + 1) = TEssaiCoup{};
    essaijoueur(q / TAILLEMAX + 1, q % TAILLEMAX + 1) = TEssaiCoup{};
  }
  essaiordi(5, 5) = TEssaiCoup{};
  essaijoueur(5, 5) = TEssaiCoup{};
  pionsmorts.fill(0);
}

TEST_F(Situation, NoDoubleThreatsAtLevelOne) {
  niveau = 1;
  TMarques menaces{};
  int32_t fourchettes = 0;
  EXPECT_EQ(cherchefourchettes(1, 5, 5, 8, 5, menaces, fourchettes, plateau), 0);
  EXPECT_EQ(fourchettes, 0);
}

TEST_F(Situation, AForkOfTwoChainsInAtari) {
  // The black stone at (2,2) puts both white stones in atari.
  plateau = fixture::posemoteur(
      ".OX......\n"
      "OX.......\n"
      "X........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  niveau = 5;
  strategie = 2;
  territoire[indexcase(2, 2)] = NOIR;
  TMarques menaces{};
  int32_t fourchettes = 0;
  fixture::verifieinchange(plateau, [&] { cherchefourchettes(1, 2, 2, 8, 5, menaces, fourchettes, plateau); });
  EXPECT_EQ(fourchettes, 1);
  EXPECT_EQ(menaces[indexcase(2, 2)], 1);
}

}  // namespace
