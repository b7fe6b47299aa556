// Cut tests and link values of trial moves: groups counted by a move, the
// cut test (one group, two zones, a real cut, a cut mended in the 3x3), the
// liberty and exclusion gates of the cut maps, the zones after the cuts,
// and the links another point replaces.
#include <gtest/gtest.h>

#include <string>

#include "engine/connection/coupures.h"
#include "engine/connection/groupes.h"
#include "tests/unit/analyse_support.h"

namespace {

TPlateau groupes(const char* d, int32_t niveau_ = 3) {
  TPlateau p = analyse::pose(d, niveau_);
  verifiegroupesapresessai(p);
  return p;
}

TEST(ValeurCoupure, GroupsLinkedByTheMove) {
  struct Cas {
    const char* note;
    const char* d;
    int cote, r, c;
    bool morte;
    int32_t valeur;
  } cas[] = {
      {"joins the chains of two groups", "........\n........\n........\n...X.X..\n........\n........\n........\n........\n",
       0, 4, 5, false, 2},
      {"touches two stones of one group", "........\n........\n...X....\n....X...\n........\n........\n........\n........\n",
       0, 3, 5, false, 1},
      {"its stone dead after the move", "........\n........\n........\n...X.X..\n........\n........\n........\n........\n",
       0, 4, 5, true, 0},
      {"the opponent joins two groups", "........\n........\n........\n...O.O..\n........\n........\n........\n........\n",
       1, 4, 5, false, 2},
      {"a move next to nothing", "........\n........\n........\n........\n........\n........\n......X.\n........\n", 0,
       3, 3, false, 0},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = groupes(k.d);
    if (k.morte) pionsmorts[indexcase(k.r, k.c)] = 1;
    fixture::verifieinchange(p, [&] { analyse::evalue(k.cote, k.r, k.c); });
    EXPECT_EQ(analyse::essai(k.cote, k.r, k.c).valeurcoupure, k.valeur);
  }
}

TEST(ValeurCoupure, LinkedStonesCarryTheBit) {
  groupes("........\n........\n........\n..XX.X..\n........\n........\n........\n........\n");
  analyse::evalue(0, 4, 5);
  const TEssaiCoup& e = essaiordi(4, 5);
  for (const int c : {3, 4, 6}) EXPECT_TRUE(e.liensessai[indexcase(4, c)] & LIENPIERRES) << c;
  EXPECT_FALSE(e.liensessai[indexcase(4, 5)] & LIENPIERRES);  // the move's own point had no group
}

// The cut test at (4,5) by white against black (4,4) and (4,6).
struct CasCoupure {
  const char* note;
  const char* d;
  bool attendu;
};

// Black (2,3) and (2,5): a second-line jump, one zone over two groups, the
// white flank (3,4) tolerated toward the centre. White's (2,4) cuts with
// four liberties; black mends underneath at (1,4) unless white holds (1,2)
// and (1,6).
constexpr const char* kDeuxiemeLigne =
    ".O...O..\n..X.X...\n...O....\n........\n........\n........\n........\n........\n";
constexpr const char* kDeuxiemeLigneOuverte =
    "........\n..X.X...\n...O....\n........\n........\n........\n........\n........\n";

TEST(TesteCoupure, Cases) {
  const CasCoupure cas[] = {
      {"second-line jump cut, no mend underneath: a real cut", kDeuxiemeLigne, true},
      {"the same cut mended by the first-line move in the square", kDeuxiemeLigneOuverte, false},
      {"a bare one-point jump cut by a stone of two liberties",
       "........\n........\n........\n...X.X..\n........\n........\n........\n........\n", true},
      {"two neighbours of one group are never cut",
       "........\n........\n........\n...X....\n....X...\n........\n........\n........\n", false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = groupes(k.d);
    const int r = k.d == kDeuxiemeLigne || k.d == kDeuxiemeLigneOuverte ? 2 : 4, c = r == 2 ? 4 : 5;
    analyse::essaie(1, r, c);
    fixture::verifieinchange(p, [&] { EXPECT_EQ(testecoupure(p, NOIR, BLANC, r, c), k.attendu); });
  }
}

TEST(TesteCoupure, TwoZonesAreNeverCut) {
  TPlateau p = groupes(kDeuxiemeLigne);
  infozones[indexcase(2, 5)].numero = 2;
  analyse::essaie(1, 2, 4);
  EXPECT_FALSE(testecoupure(p, NOIR, BLANC, 2, 4));
}

// White's stone at (4,5) has one liberty: black takes it at (5,5) and the
// three black stones around the point are linked again.
TEST(TesteCoupure, CutMendedInTheSquareIsNotACut) {
  TPlateau p = analyse::pose("........\n........\n....X...\n...X.X..\n........\n........\n........\n........\n", 3);
  infogroupes[indexcase(4, 4)] = {1, 2, NOIR};
  infogroupes[indexcase(3, 5)] = {1, 2, NOIR};
  infogroupes[indexcase(4, 6)] = {2, 1, NOIR};
  for (const auto& [r, c] : {std::pair{4, 4}, std::pair{3, 5}, std::pair{4, 6}}) infozones[indexcase(r, c)] = {1, 3, NOIR};
  analyse::essaie(1, 4, 5);
  fixture::verifieinchange(p, [&] { EXPECT_FALSE(testecoupure(p, NOIR, BLANC, 4, 5)); });
}

TEST(CoupuresPossibles, LibertyAndExclusionGates) {
  static TTableExclusion exclusionordi, exclusionjoueur;
  struct Cas {
    const char* note;
    const char* d;
    int r, c;
    bool exclu, marque;
  } cas[] = {
      {"cutting stone of 4 liberties", kDeuxiemeLigne, 2, 4, false, true},
      {"cutting stone of 2 liberties",
       "........\n........\n........\n...X.X..\n........\n........\n........\n........\n", 4, 5, false, false},
      {"point excluded by its entry's first byte", kDeuxiemeLigne, 2, 4, true, false},
      {"cut mended in the square", kDeuxiemeLigneOuverte, 2, 4, false, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = groupes(k.d);
    analyse::essaie(1, k.r, k.c);
    const int32_t i = indexcase(k.r, k.c);
    for (auto& e : exclusionordi) e.fill(0);
    for (auto& e : exclusionjoueur) e.fill(0);
    exclusionjoueur[i][0] = k.exclu ? 1 : 0;
    exclusionjoueur[i + 1].fill(1);  // the next entry's bytes are never read for this point
    TMarques parjoueur, parordi;
    parjoueur.fill(7);
    parordi.fill(7);
    fixture::verifieinchange(p, [&] {
      marquecoupurespossibles(p, exclusionordi, exclusionjoueur, parjoueur, parordi, NOIR, BLANC);
    });
    EXPECT_EQ(parjoueur[i], k.marque ? 1 : 0);
    int32_t autres = 0;
    for (int32_t j = 0; j < NBCASES; ++j) autres += (j != i && parjoueur[j]) + parordi[j];
    EXPECT_EQ(autres, 0);
  }
}

TEST(ZonesApresCoupures, CutSplitsTheZoneNoCutLeavesIt) {
  TPlateau p = groupes(kDeuxiemeLigne);
  ASSERT_EQ(infozones[indexcase(2, 5)].numero, 1);
  TMarques coupures = marquesvides, aucune = marquesvides;
  infozones[indexcase(3, 4)].nbpierres = 99;  // a white entry: rebuilt only when black cuts
  fixture::verifieinchange(p, [&] { analyseliaisonsgroupes(p, aucune, aucune, NOIR, BLANC); });
  EXPECT_EQ(infozones[indexcase(2, 5)].nbpierres, 2);
  coupures[indexcase(2, 4)] = 1;
  fixture::verifieinchange(p, [&] { analyseliaisonsgroupes(p, coupures, aucune, NOIR, BLANC); });
  EXPECT_EQ(infozones[indexcase(2, 3)].numero, 1);
  EXPECT_EQ(infozones[indexcase(2, 5)].numero, 2);
  EXPECT_EQ(infozones[indexcase(2, 5)].nbpierres, 1);
  EXPECT_EQ(infozones[indexcase(3, 4)].nbpierres, 99);
}

// Black (4,5) and (5,4) on a diagonal: (4,4) and (5,5) are miai, so white
// taking one leaves the other; with white on (4,4), (5,5) is the only link.
TEST(EvalueCoupuresEssais, ReplaceableLinksAreCleared) {
  struct Cas {
    const char* note;
    const char* d;
    bool efface;
  } cas[] = {
      {"two linking points replace each other",
       "........\n........\n........\n....X...\n...X....\n........\n........\n........\n", true},
      {"the only linking point stays",
       "........\n........\n........\n...OX...\n...X....\n........\n........\n........\n", false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = groupes(k.d);
    for (const auto& [r, c] : {std::pair{5, 5}, std::pair{4, 4}, std::pair{6, 6}}) {
      if (plateaudepart[indexcase(r, c)] != VIDE) continue;
      analyse::essaie(0, r, c);
      analyse::essaie(1, r, c);
      essaiordi(r, c).essaifait = 1;
    }
    fixture::verifieinchange(p, [&] { evaluecoupuresessais(p, NOIR, BLANC); });
    EXPECT_EQ(essaiordi(5, 5).essaifait, k.efface ? 0 : 1);
    EXPECT_EQ(essaiordi(6, 6).essaifait, 0);  // links nothing: any other point replaces it
  }
}

TEST(EvalueCoupuresEssais, DeadStoneOfTheOtherSideClears) {
  TPlateau p = groupes("........\n........\n........\n...O.O..\n........\n........\n........\n........\n");
  analyse::essaie(1, 4, 5);
  analyse::essaie(0, 4, 5);
  essaijoueur(4, 5).essaifait = 1;
  essaiordi(4, 5).plateauessai2[indexcase(4, 5)] = 1;
  evaluecoupuresessais(p, NOIR, BLANC);
  EXPECT_EQ(essaijoueur(4, 5).essaifait, 0);
}

}  // namespace
