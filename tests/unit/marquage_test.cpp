// Capturable-chain marking: which chains are read, which are marked without
// reading, what the passes leave in pionsmorts and in the trial records, and
// that the caller's board and chain table come back.
#include <gtest/gtest.h>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/reading/marquage.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"

namespace {

int32_t lectures = 0;  // capture readings that reached their root

struct Scene {
  TPlateau p;
  explicit Scene(std::string_view d) {
    EXPECT_TRUE(chargecles());
    p = fixture::posemoteur(d);
    niveau = 7;
    lecturelongue = 1;
    cacheactif = 0;
    compteurcache = 0;
    pointko = TPoint{};
    pionsmortssauves = marquesvides;
    marquesglobales = marquesvides;
    ciblesnoires = marquesvides;
    ciblesblanches = marquesvides;
    lectures = 0;
    sondelectureprise = [] { ++lectures; };
  }
  ~Scene() { sondelectureprise = nullptr; }
  // Runs f and checks that the board and the chain table come back.
  template <class F>
  void garde(F&& f) {
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    f();
    EXPECT_TRUE(fixture::memesplateaux(avant, p));
    EXPECT_EQ(infochaine, chaines);
  }
};

bool mort(int32_t r, int32_t c) { return pionsmorts[indexcase(r, c)] != 0; }
void marque(TMarques& m, std::initializer_list<TPoint> l) {
  for (const TPoint& q : l) m[indexcase(q.ligne, q.colonne)] = 1;
}

// A: black pair in atari at (6,4)-(6,5); B: white stone in atari at (9,8)
// that runs out; C: white corner stone in atari that cannot run.
constexpr const char* kPrenables =
    "OX.......\n"
    ".X.......\n"
    "X........\n"
    ".........\n"
    "...OOO...\n"
    "..OXXO...\n"
    "...O.....\n"
    ".........\n"
    "......XOX\n";

TEST(MarquePrenables, ChainsReadAndMarkedFromTheSavedMarks) {
  Scene s(kPrenables);
  pionsmorts[indexcase(8, 1)] = 1;  // not in the saved marks: dropped
  pionsmortssauves[indexcase(9, 7)] = 1;
  s.garde([&] { marquechainesprenables(s.p, 8, 3, NOIR); });
  EXPECT_TRUE(mort(6, 4));
  EXPECT_TRUE(mort(6, 5));   // A: Black has just moved and is in atari
  EXPECT_FALSE(mort(9, 8));  // B runs
  EXPECT_TRUE(mort(1, 1));   // C read and lost
  EXPECT_FALSE(mort(8, 1));
  EXPECT_FALSE(mort(1, 2));
  EXPECT_TRUE(mort(9, 7));   // a chain read alive keeps its saved mark
  EXPECT_GT(lectures, 0);
}

// The black pair in atari inside a white wall with many liberties.
constexpr const char* kMur =
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "..OOOO...\n"
    "..OXXO...\n"
    "..OO.....\n"
    ".........\n"
    ".........\n";

TEST(MarquePrenables, AtariOfTheColourIsMarkedWithoutReading) {
  // With the ko at its liberty the pair would be read if it were asked
  // about; it is marked without, and the wall (more liberties than the
  // limit) is never read and keeps its saved mark.
  Scene s(kMur);
  pointko = TPoint{7, 5};
  marque(pionsmortssauves, {{5, 3}});
  s.garde([&] { marquechainesprenables(s.p, 8, 3, NOIR); });
  EXPECT_TRUE(mort(6, 4));
  EXPECT_TRUE(mort(5, 3));
  EXPECT_FALSE(mort(5, 4));  // the saved mark is copied point by point
  EXPECT_EQ(lectures, 0);
}

TEST(MarquePrenables, GlobalMarksAreNeverRead) {
  Scene s(kMur);
  marque(marquesglobales, {{6, 4}});
  s.garde([&] { marquechainesprenables(s.p, 8, 3, NOIR); });
  EXPECT_FALSE(mort(6, 4));
  EXPECT_FALSE(mort(6, 5));
  EXPECT_EQ(lectures, 0);
}

TEST(MarqueEnAtari, WithoutPointOnlyAtariChainsOfTheColour) {
  Scene s(kPrenables);
  int32_t change = 7;
  s.garde([&] { marquechainesenatari(NOIR, s.p, change, 8, TPoint{}, 3); });
  EXPECT_EQ(change, 1);
  EXPECT_TRUE(mort(6, 4));
  EXPECT_TRUE(mort(6, 5));
  EXPECT_FALSE(mort(1, 1));
  EXPECT_EQ(lectures, 0);
  // Nothing new to mark: the flag comes back 0.
  s.garde([&] { marquechainesenatari(NOIR, s.p, change, 8, TPoint{}, 3); });
  EXPECT_EQ(change, 0);
  // With a point: the white corner stone is read (lost at the root) and marked.
  s.garde([&] { marquechainesenatari(NOIR, s.p, change, 8, TPoint{1, 1}, 3); });
  EXPECT_EQ(change, 1);
  EXPECT_TRUE(mort(1, 1));
  // A point with more reading liberties than the limit is not read.
  lectures = 0;
  s.garde([&] { marquechainesenatari(NOIR, s.p, change, 8, TPoint{5, 4}, 3); });
  EXPECT_FALSE(mort(5, 4));
  EXPECT_EQ(lectures, 0);
}

TEST(PriseApresCoup, FillsTheAtariNeighboursFirst) {
  // White (2,2)-(2,3) is in atari, but the black pair (1,2)-(1,3) next to it
  // is in atari too: once White takes it at (1,1) the chain has three
  // liberties and Black cannot take it.
  Scene s(
      ".XXO.....\n"
      "XOOX.....\n"
      ".X.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "........X\n");
  EXPECT_TRUE(testprise(s.p, 2, 2, 8, 4, BLANC, TPoint{}));
  bool r = true;
  s.garde([&] { r = testpriseaprescoup(s.p, 2, 2, 8, 4, BLANC, NOIR); });
  EXPECT_FALSE(r);
  // No neighbour in atari: false without reading.
  lectures = 0;
  r = true;
  s.garde([&] { r = testpriseaprescoup(s.p, 9, 9, 8, 4, BLANC, NOIR); });
  EXPECT_FALSE(r);
  EXPECT_EQ(lectures, 0);
}

// Black (1,1) in the corner, marked dead; white stones (1,3), (2,2), (3,1).
constexpr const char* kCoin =
    "X.O......\n"
    ".O.......\n"
    "O........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(ReviseMortes, StillLostLeavesEverything) {
  Scene s(kCoin);
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  pionsmorts[indexcase(1, 1)] = 1;
  essaiordi(1, 1).formeessai = 0;
  const TMarques morts = pionsmorts;
  s.garde([&] { revisechainesmortes(marquesvides, s.p, 0, 8, 1, 1, 4); });
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
  EXPECT_EQ(essaiordi(1, 1).formeessai, 0);
  // Not marked: nothing is read.
  pionsmorts = marquesvides;
  lectures = 0;
  s.garde([&] { revisechainesmortes(marquesvides, s.p, 0, 8, 1, 1, 4); });
  EXPECT_EQ(lectures, 0);
}

TEST(ReviseMortes, RefusedExtensionIsStillLost) {
  // The corner stone's only liberty is a suicide for it: the extension is
  // refused, and the chain stays lost with nothing marked.
  Scene s(
      "X.O......\n"
      "OO.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  couleurordi = NOIR;
  pionsmorts[indexcase(1, 1)] = 1;
  essaiordi(1, 1).formeessai = 0;
  s.garde([&] { revisechainesmortes(marquesvides, s.p, 0, 8, 1, 1, 4); });
  EXPECT_TRUE(mort(1, 1));
  EXPECT_EQ(essaiordi(1, 1).formeessai, 0);
}

TEST(ReviseMortes, SurvivorRereadsTheRegion) {
  // Black (5,5) marked dead runs once extended: bit 0x40 in the engine's
  // record; the black corner stone flagged in M is read lost and marked; the
  // white stone (5,7) marked dead and not in M is read alive and unmarked.
  Scene s(
      "X.O......\n"
      ".O.......\n"
      "O........\n"
      ".........\n"
      "....X.O..\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  marquesliaison2 = marquesvides;
  pionsmorts[indexcase(5, 5)] = 1;
  pionsmorts[indexcase(5, 7)] = 1;
  essaiordi(5, 5).formeessai = 0;
  TMarques m = marquesvides;
  marque(m, {{1, 1}});
  s.garde([&] { revisechainesmortes(m, s.p, 0, 8, 5, 5, 4); });
  EXPECT_EQ(essaiordi(5, 5).formeessai & BITRELUVIVANT, BITRELUVIVANT);
  EXPECT_TRUE(mort(1, 1));
  EXPECT_FALSE(mort(5, 7));
  EXPECT_TRUE(mort(5, 5));  // the chain's own marks stay
  EXPECT_FALSE(mort(6, 5)); // nor is the played liberty left marked
}

TEST(ChainesVoisines, LostNeighbourIntoTheOutputMap) {
  // Black (2,2) is next to the white corner stone (1,1) in atari and to the
  // white stone (2,3) with three liberties.
  Scene s(
      "O.X......\n"
      "XX.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(9, 9)] = 0;
  flagrelie = 0;
  TMarques sortie{};
  const TMarques morts = pionsmorts;
  s.garde([&] { testprisechainesvoisines(marquesvides, sortie, s.p, NOIR, BLANC, 8, {2, 1}, {}, 4); });
  EXPECT_EQ(sortie[indexcase(1, 1)], 1);
  EXPECT_EQ(flagrelie, 1);
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts));
}

TEST(ChainesVoisines, OwnDeadStonesBesideALostChainAreReadAgain) {
  // The black chain (2,1)-(2,2) is marked dead; once the white corner stone
  // next to it is found lost it is read again, lives, and leaves the map.
  Scene s(
      "O.X......\n"
      "XX.......\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  pionsmorts[indexcase(2, 1)] = 1;
  pionsmorts[indexcase(2, 2)] = 1;
  TMarques sortie{};
  s.garde([&] { testprisechainesvoisines(marquesvides, sortie, s.p, NOIR, BLANC, 8, {2, 1}, {}, 4); });
  EXPECT_EQ(sortie[indexcase(1, 1)], 1);
  EXPECT_EQ(sortie[indexcase(2, 1)], 0);
  EXPECT_EQ(sortie[indexcase(2, 2)], 0);
  EXPECT_TRUE(mort(2, 1));
}

TEST(ChainesVoisines, AChainIsReadFromItsHead) {
  // The white pair (3,5)-(4,5) touches black (5,5) by its second stone. With
  // the result cache on under a position key, the reading keeps its records
  // on the stone it was asked about: the pair's head (3,5), the stone every
  // marking pass reads a chain from.
  Scene s(
      ".........\n"
      "....X....\n"
      "...XOX...\n"
      "...XO....\n"
      "....X....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  ASSERT_NE(infochaine[indexcase(3, 5)][1], 0);
  for (auto& b : cacheprise[1]) b[0] = 0;
  for (auto& m : cacheplateaux[1]) m = marquesvides;
  cacheactif = 1;
  compteurcache = 0x2468ace;
  TMarques sortie{};
  s.garde([&] { testprisechainesvoisines(marquesvides, sortie, s.p, NOIR, BLANC, 8, {5, 5}, {}, 4); });
  cacheactif = 0;
  compteurcache = 0;
  EXPECT_EQ(cacheplateaux[1][indexcase(3, 5)][indexcase(3, 5)], 1);
  EXPECT_EQ(cacheplateaux[1][indexcase(4, 5)][indexcase(4, 5)], 0);
  EXPECT_EQ(sortie[indexcase(3, 5)], 1);
  EXPECT_EQ(sortie[indexcase(4, 5)], 1);
}

TEST(ChainesEnnemies, AdjacentChainsAreGatheredAndRead) {
  // The white pair (2,1)-(2,2) touches the black group at (3,1) and has three
  // liberties in a closed corner: it is lost.
  Scene s(
      "..X......\n"
      "OO.X.....\n"
      "XXXX.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".......OX\n");
  marquesglobales[indexcase(7, 7)] = 1;
  const TMarques globales = marquesglobales;
  int32_t drapeaux = 0;
  TMarques m = marquesvides;
  s.garde([&] { chainesennemiesprenables(s.p, m, drapeaux, 8, 3, 1, 4, 0); });
  EXPECT_TRUE(mort(2, 1));
  EXPECT_TRUE(mort(2, 2));
  EXPECT_EQ(drapeaux & BITCHAINESPRENABLES, BITCHAINESPRENABLES);
  EXPECT_TRUE(fixture::memesmarques(globales, marquesglobales));
  // The far white stone (9,8) in atari is one of the board's weak chains.
  EXPECT_TRUE(mort(9, 8));
}

TEST(ChainesEnnemies, StonesOfTheMarksDieWithoutReading) {
  Scene s(
      ".........\n"
      ".........\n"
      ".........\n"
      "...X.....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      "O........\n");
  int32_t drapeaux = 0;
  TMarques m = marquesvides;
  marque(m, {{9, 1}});
  s.garde([&] { chainesennemiesprenables(s.p, m, drapeaux, 8, 4, 4, 4, 0); });
  EXPECT_TRUE(mort(9, 1));
  EXPECT_EQ(drapeaux, 0);
  EXPECT_EQ(lectures, 0);
}

TEST(PrisesApresEssai, ThreatenedChainsOfTheRecord) {
  // The opponent's trial at (1,4) threatens the engine's stone (1,1) (lost)
  // and (5,5) (alive).
  Scene s(
      "O..X.....\n"
      "X........\n"
      ".........\n"
      ".........\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  couleurordi = BLANC;
  couleurjoueur = NOIR;
  plateaudepart = s.p;
  TEssaiCoup& rec = essaijoueur(1, 4);
  rec.liensessai.fill(0);
  for (const TPoint q : {TPoint{1, 4}, TPoint{1, 1}, TPoint{5, 5}})
    rec.liensessai[indexcase(q.ligne, q.colonne)] = BITMENACEESSAI;
  int32_t change = 0;
  // Mode 1 leaves the opponent's record alone.
  s.garde([&] { testprisesapresessai(s.p, NOIR, 8, {}, change, 1, 0, {1, 4}, {}, 4); });
  EXPECT_EQ(change, 0);
  EXPECT_FALSE(mort(1, 1));
  s.garde([&] { testprisesapresessai(s.p, NOIR, 8, {}, change, 0, 0, {1, 4}, {}, 4); });
  EXPECT_EQ(change, 1);
  EXPECT_TRUE(mort(1, 1));
  EXPECT_FALSE(mort(5, 5));
}

TEST(PrisesApresEssai, TwoThreatsLostTogether) {
  // Each white stone in atari runs when White moves first, but both cannot:
  // read again with Black first they are lost together and both marked.
  const char* d =
      ".......X.\n"
      "......XOX\n"
      ".........\n"
      "....X....\n"
      "...XOX...\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n";
  for (const bool deux : {true, false}) {
    Scene s(d);
    couleurordi = BLANC;
    couleurjoueur = NOIR;
    plateaudepart = s.p;
    TEssaiCoup& rec = essaijoueur(9, 1);
    rec.liensessai.fill(0);
    rec.liensessai[indexcase(9, 1)] = BITMENACEESSAI;
    rec.liensessai[indexcase(5, 5)] = BITMENACEESSAI;
    if (deux) rec.liensessai[indexcase(2, 8)] = BITMENACEESSAI;
    int32_t change = 0;
    s.garde([&] { testprisesapresessai(s.p, NOIR, 8, {}, change, 0, 0, {9, 1}, {}, 4); });
    EXPECT_EQ(change, deux ? 1 : 0);
    EXPECT_EQ(mort(5, 5), deux);
    EXPECT_EQ(mort(2, 8), deux);
  }
}

}  // namespace
