// Living groups: how the level links chains into groups, which stones the
// scans try, the marks they leave, and the link bits of the trial records.
// The two-eye reading is swapped for scripted answers here, so the cases
// read the grouping alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/cles.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/connection/groupesvivants.h"
#include "engine/proposals/territoirefinal.h"
#include "engine/reading/deuxyeux.h"
#include "tests/support/fixture.h"

namespace {

using Essais = std::vector<std::pair<int, int>>;
Essais essais;            // stones the reading was asked about, black ones only
bool reponse = true;      // the scripted answer

bool lecturescriptee(TPlateau& p, int32_t r, int32_t c, int32_t) {
  if (p[indexcase(r, c)] == NOIR) essais.emplace_back(r, c);
  return reponse;
}

class GroupesVivants : public ::testing::Test {
 protected:
  void SetUp() override {
    lecturedeuxyeux = lecturescriptee;
    niveauavant = niveau;
    couleursavant = {couleurordi, couleurjoueur};
    essais.clear();
    reponse = true;
  }
  void TearDown() override {
    lecturedeuxyeux = lecturedeuxyeuxinitiale;
    niveau = niveauavant;
    couleurordi = couleursavant.first;
    couleurjoueur = couleursavant.second;
    flagscan = 1;
    pionsmorts.fill(0);
    marquesglobales.fill(0);
    marquesliaison1.fill(0);
    marquesliaison2.fill(0);
    casescandidates.fill(0);
    casescandidatesjoueur.fill(0);
    for (auto& ligne : essaisordi)
      for (auto& e : ligne) e.liensessai.fill(0);
    for (auto& ligne : essaisjoueur)
      for (auto& e : ligne) e.liensessai.fill(0);
    for (auto& i : infoyeux) i[0] = i[1] = 0;
  }
  static inline const TLectureDeuxYeux lecturedeuxyeuxinitiale = lecturedeuxyeux;
  int32_t niveauavant = 0;
  std::pair<uint8_t, uint8_t> couleursavant;
};

std::pair<int, int> reference(int r, int c) { return {infoyeux[indexcase(r, c)][0], infoyeux[indexcase(r, c)][1]}; }

// Black (4,4) and (5,5) linked diagonally; a sound white stone at (3,5)
// whose liberty (4,5) is one of the two shared points.
constexpr const char* kDiagonale =
    ".........\n.........\n....O....\n...X.....\n....X....\n.........\n.........\n.........\n.........\n";

std::vector<int> marques(const TMarques& m) {
  std::vector<int> v;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (m[indexcase(r, c)]) v.push_back(10 * r + c);
  return v;
}

TEST_F(GroupesVivants, TwoEyedGroupEntersTheLivingGroups) {
  // With the real reading: black's corner group has two true eyes at (1,1)
  // and (1,3); the black stone at (7,7) and the white stones have none.
  ASSERT_TRUE(chargecles());
  lecturedeuxyeux = testdeuxyeuxpossible;
  TPlateau p = fixture::posemoteur(
      ".X.X.....\nXXXX.....\n.........\n.........\n.........\n......O..\n.....OX..\n.........\n.........\n");
  niveau = 5;
  parametresniveau();
  pointko = TPoint{};
  territoirefinal(p);
  fixture::verifieinchange(p, [&] { masqueslibertes(marquesvides, marquesvides, p); });
  EXPECT_EQ(marques(marquesglobales), (std::vector<int>{12, 14, 21, 22, 23, 24}));
  for (const int q : {12, 14, 21, 22, 23, 24}) EXPECT_EQ(reference(q / 10, q % 10), (std::pair<int, int>{1, 2}));
  EXPECT_EQ(flagscan, 1);
}

TEST_F(GroupesVivants, LevelSetsHowFarChainsLink) {
  struct Cas {
    int32_t niveau;
    bool blancexclu;
    std::pair<int, int> attendu;  // reference stone of (5,5)
    const char* pourquoi;
  };
  const Cas cas[] = {
      {5, false, {4, 4}, "levels 1 to 5 link on the board: one group from (4,4)"},
      {1, false, {4, 4}, "level 1 links the same way"},
      {7, false, {5, 5}, "the mask fills (4,5) with white: the diagonal link breaks"},
      {7, true, {4, 4}, "a white chain set in the dead marks leaves the mask"},
      {9, false, {5, 5}, "level 9: each chain alone"},
  };
  for (const Cas& k : cas) {
    TPlateau p = fixture::posemoteur(kDiagonale);
    marquesglobales.fill(0);
    niveau = k.niveau;
    TMarques mapa = marquesvides, mapb = marquesvides;
    if (k.blancexclu) mapb[indexcase(3, 5)] = 1;
    fixture::verifieinchange(p, [&] { masqueslibertes(mapa, mapb, p); });
    EXPECT_EQ(reference(5, 5), k.attendu) << k.pourquoi;
    EXPECT_EQ(reference(4, 4), (std::pair<int, int>{4, 4})) << k.pourquoi;
    EXPECT_TRUE(marquesglobales[indexcase(4, 4)] && marquesglobales[indexcase(5, 5)]) << k.pourquoi;
    // A white stone found alive but set in white's dead marks leaves the groups.
    EXPECT_EQ(marquesglobales[indexcase(3, 5)] != 0, !k.blancexclu) << k.pourquoi;
    EXPECT_EQ(flagscan, 1);
  }
}

TEST_F(GroupesVivants, BlackStoneSetInItsDeadMarksLeavesTheGroups) {
  TPlateau p = fixture::posemoteur(kDiagonale);
  niveau = 5;
  TMarques mapa = marquesvides;
  mapa[indexcase(4, 4)] = 1;
  masqueslibertes(mapa, marquesvides, p);
  EXPECT_EQ(marquesglobales[indexcase(4, 4)], 0);
  EXPECT_NE(marquesglobales[indexcase(5, 5)], 0);
}

// Black chains linked in a diagonal line: (2,2), (3,3)-(3,4), (4,5), (5,6),
// (6,7); a white stone at (4,3) touches (3,3) away from the links.
constexpr const char* kLigne =
    ".........\n.X.......\n..XX.....\n..O.X....\n.....X...\n......X..\n.........\n.........\n.........\n";

TEST_F(GroupesVivants, FailedGroupsCountAgainstTheirStones) {
  struct Cas {
    int32_t niveau;
    bool blancmort;
    Essais attendu;
    const char* pourquoi;
  };
  const Cas cas[] = {
      {5, false, {{2, 2}, {3, 4}, {4, 5}, {5, 6}},
       "(3,3) touches a live white stone once counted; (6,7) is past three failed groups"},
      {5, true, {{2, 2}, {3, 3}, {4, 5}, {5, 6}}, "a dead white neighbour does not stop (3,3)"},
      {9, false, {{2, 2}, {3, 3}, {4, 5}, {5, 6}, {6, 7}}, "single chains fail on their own"},
  };
  for (const Cas& k : cas) {
    TPlateau p = fixture::posemoteur(kLigne);
    essais.clear();
    reponse = false;
    niveau = k.niveau;
    TMarques mapa = marquesvides;
    if (k.blancmort) mapa[indexcase(4, 3)] = 1;
    masqueslibertes(mapa, marquesvides, p);
    EXPECT_EQ(essais, k.attendu) << k.pourquoi;
    EXPECT_TRUE(std::all_of(marquesglobales.begin(), marquesglobales.end(), [](uint8_t v) { return v == 0; }));
  }
}

TEST_F(GroupesVivants, StonesAlreadyLivingAreNotTriedAgain) {
  TPlateau p = fixture::posemoteur(kLigne);
  niveau = 9;
  marquesglobales[indexcase(3, 3)] = marquesglobales[indexcase(3, 4)] = 1;
  masqueslibertes(marquesvides, marquesvides, p);
  EXPECT_EQ(essais, (Essais{{2, 2}, {4, 5}, {5, 6}, {6, 7}}));
}

// A trial record from a diagram: board, chain table, dead marks.
void poseessai(TEssaiCoup& e, const char* diagramme, std::initializer_list<std::pair<int, int>> morts) {
  e.plateauessai = fixture::posemoteur(diagramme);
  e.infochaineessai = infochaine;
  e.plateauessai2 = marquesvides;
  for (auto [r, c] : morts) e.plateauessai2[indexcase(r, c)] = 1;
  e.marquesessai = marquesvides;
}

std::vector<int> bitslies(const TEssaiCoup& e) {
  std::vector<int> v;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (e.liensessai[indexcase(r, c)] & 0x10) v.push_back(10 * r + c);
  return v;
}

TEST_F(GroupesVivants, TrialRecordsFlagTheLivingLinkedStones) {
  // Black has just played (5,5); (3,3) is dead after the move; (8,8) is a
  // stone to re-examine that the reading finds alive; (1,9) is neither; the
  // white stone (7,2) belongs to a living group already.
  constexpr const char* kApres =
      "........X\n.........\n..X......\n...X.....\n....X....\n.........\n.O.......\n.......X.\n.........\n";
  couleurordi = NOIR;
  couleurjoueur = BLANC;
  niveau = 5;
  TEssaiCoup& e = essaiordi(5, 5);
  poseessai(e, kApres, {{3, 3}});
  e.marquesessai[indexcase(8, 8)] = 1;
  casescandidates[indexcase(5, 5)] = 1;
  marquesglobales[indexcase(7, 2)] = 1;
  // White's trial at (2,8) leaves its own stone dead.
  constexpr const char* kBlanc =
      "........X\n.......O.\n..X......\n...X.....\n.........\n.........\n.O.......\n.......X.\n.........\n";
  TEssaiCoup& f = essaijoueur(2, 8);
  poseessai(f, kBlanc, {{2, 8}});
  casescandidatesjoueur[indexcase(2, 8)] = 1;

  TPlateau p = fixture::posemoteur(kDiagonale);
  pionsmorts[indexcase(3, 5)] = 1;
  fixture::verifieinchange(p, [&] { liegroupesvivantsapresessai(p); });
  EXPECT_EQ(bitslies(e), (std::vector<int>{44, 55, 72, 88}));
  EXPECT_EQ(bitslies(f), (std::vector<int>{72}));
  EXPECT_EQ(essais, (Essais{{8, 8}}));
}

}  // namespace
