// The last steps of a turn ending in a pass: the catch-up move (save an own
// chain in atari, capture an enemy one) and the area-rule fill.
#include <gtest/gtest.h>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/choice/rattrapage.h"
#include "tests/support/fixture.h"

namespace {

TCartesParPoint tableordi, tablejoueur;  // trial dead marks of the fill (static: 130 KB each)

class Rattrapage : public ::testing::Test {
 protected:
  TPlateau pose(std::string_view d) {
    TPlateau p = fixture::posemoteur(d);
    pionsmortsbis.fill(0);
    casesinterdites.fill(0);
    exclus.fill(0);
    procedurefinpartie = 0;
    configmoteur.regle = 0;
    for (auto& ligne : tableordi)
      for (TMarques& m : ligne) m.fill(0);
    for (auto& ligne : tablejoueur)
      for (TMarques& m : ligne) m.fill(0);
    return p;
  }
  TPoint rattrape(const TPlateau& p, uint8_t c, TPoint coup = {}) {
    couprattrapagepasse(c, 1 - c, exclus, p, coup);
    return coup;
  }
  TPoint remplit(const TPlateau& p, int32_t& passe, TPoint coup = {}) {
    couprattrapagepassechinoise(passe, NOIR, exclus, p, coup, tableordi, tablejoueur);
    return coup;
  }
  static int32_t i(int r, int c) { return indexcase(r, c); }
  TMarques exclus;
};

::testing::AssertionResult estpoint(TPoint p, int r, int c) {
  if (p.ligne == r && p.colonne == c) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << p.ligne << ", " << p.colonne << "), want (" << r << ", " << c
                                       << ")";
}

// Black chains of 3 (top edge, liberty (1,4)) and 5 stones (bottom edge,
// liberty (9,6)), each in atari at a free point.
constexpr const char* kDeuxAtaris =
    "XXX......\n"
    "OOOO.....\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    ".........\n"
    "OOOOOO...\n"
    "XXXXX....\n";

TEST_F(Rattrapage, NothingInAtariGivesAPass) {
  const TPlateau p = pose(
      ".........\n.XX......\n.X.......\n.........\n....OO...\n.........\n.........\n.........\n.........\n");
  EXPECT_TRUE(estpoint(rattrape(p, NOIR, TPoint{5, 5}), 0, 0));
}

TEST_F(Rattrapage, SavesTheLargestOwnChainInAtari) {
  const TPlateau p = pose(kDeuxAtaris);
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 9, 6));
}

// A liberty refused as a move (the bad-move map) or forbidden by ko is
// passed over for the other chain; with both refused nothing is saved.
TEST_F(Rattrapage, RefusedOrForbiddenLibertiesAreNotTaken) {
  {
    const TPlateau p = pose(kDeuxAtaris);
    exclus[i(9, 6)] = 1;
    EXPECT_TRUE(estpoint(rattrape(p, NOIR), 1, 4));
  }
  {
    const TPlateau p = pose(kDeuxAtaris);
    casesinterdites[i(9, 6)] = 0x01;
    EXPECT_TRUE(estpoint(rattrape(p, NOIR), 1, 4));
  }
  {
    const TPlateau p = pose(kDeuxAtaris);
    exclus[i(9, 6)] = 1;
    casesinterdites[i(1, 4)] = 0x01;
    EXPECT_TRUE(estpoint(rattrape(p, NOIR), 0, 0));
  }
}

// An own chain marked dead is not saved.
TEST_F(Rattrapage, DeadOwnChainIsNotSaved) {
  const TPlateau p = pose(kDeuxAtaris);
  for (int c = 1; c <= 5; ++c) pionsmortsbis[i(9, c)] = 1;
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 1, 4));
}

// White (3,4) in atari: black captures at (2,4).
constexpr const char* kCapture =
    ".........\n"
    ".........\n"
    "..XOX....\n"
    "...X.....\n"
    ".........\n"
    ".........\n"
    "..XOX....\n"
    "...X.....\n"
    ".........\n";

TEST_F(Rattrapage, CapturesAnEnemyChainInAtari) {
  const TPlateau p = pose(kCapture);
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 2, 4));
}

TEST_F(Rattrapage, KoForbiddenCaptureIsSkippedForALaterOne) {
  const TPlateau p = pose(kCapture);
  casesinterdites[i(2, 4)] = 0x01;
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 6, 4));
}

// A white stone in atari at (1,1), last liberty (1,2). Marked dead and shut
// in black's corner it is left; dead but beside a live white stone, or not
// dead, it is taken.
TEST_F(Rattrapage, DeadEnemyChainShutInIsLeftElseTaken) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    bool mort;
    TPoint attendu;
  };
  constexpr const char* kEnferme =
      "O.X......\nXX.......\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";
  constexpr const char* kOuvert =
      "O..O.....\nXXXO.....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n";
  for (const Cas& k : {Cas{"dead, shut in", kEnferme, true, TPoint{}},
                       Cas{"alive, shut in", kEnferme, false, TPoint{1, 2}},
                       Cas{"dead, beside a live stone", kOuvert, true, TPoint{1, 2}}}) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = pose(k.diagramme);
    pionsmortsbis[i(1, 1)] = k.mort ? 1 : 0;
    EXPECT_TRUE(estpoint(rattrape(p, NOIR), k.attendu.ligne, k.attendu.colonne));
  }
}

// Taking the ko leaves a lone stone with one liberty: accepted.
TEST_F(Rattrapage, KoShapedCaptureIsAccepted) {
  const TPlateau p = pose(
      ".........\n..XO.....\n.XO.O....\n..XO.....\n.........\n.........\n.........\n.........\n.........\n");
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 3, 4));
}

// Black (2,1)-(2,2) and white (1,1) are both in atari at (1,2). The save is
// refused in the bad-move map; the capture there leaves three black stones
// with one liberty: refused too.
TEST_F(Rattrapage, CaptureThatLeavesTheChainInAtariIsRefused) {
  const TPlateau p = pose(
      "O.O......\nXXO......\nOOO......\n.........\n.........\n.........\n.........\n.........\n.........\n");
  exclus[i(1, 2)] = 1;
  EXPECT_TRUE(estpoint(rattrape(p, NOIR), 0, 0));
}

TEST_F(Rattrapage, EndProcedureLeavesTheMoveAndTheTables) {
  const TPlateau p = pose(kDeuxAtaris);
  procedurefinpartie = 1;
  pionsmortsbis[i(1, 1)] = 1;
  infochaine[i(5, 5)][0] = 7;
  fixture::verifieinchange(p, [&] { EXPECT_TRUE(estpoint(rattrape(p, NOIR, TPoint{4, 4}), 4, 4)); });
}

TEST_F(Rattrapage, LeavesTheChainTableOfTheBoardAndTheAnalysisMarks) {
  const TPlateau p = pose(kDeuxAtaris);
  pionsmortsbis[i(2, 1)] = 1;
  infochaine[i(5, 5)][0] = 7;
  rattrape(p, NOIR);
  EXPECT_TRUE(fixture::memesmarques(pionsmortsbis, pionsmorts));
  const TInfoChaine obtenu = infochaine;
  calculelibertes(p);
  EXPECT_EQ(obtenu, infochaine);
}

// ---- Area-rule fill -------------------------------------------------------------

// Black stones at (3,5) and (7,4); every point but the four beside them is
// white territory.
class Remplissage : public Rattrapage {
 protected:
  TPlateau pose2() {
    TPlateau p = pose(
        ".........\n.........\n....X....\n.........\n.........\n.........\n...X.....\n.........\n.........\n");
    territoire.fill(BLANC);
    for (auto [r, c] : {std::pair{3, 4}, {3, 6}, {7, 3}, {7, 5}}) territoire[i(r, c)] = VIDE;
    return p;
  }
};

TEST_F(Remplissage, TerritoryRulesNeverFill) {
  const TPlateau p = pose2();
  configmoteur.regle = 0;
  int32_t passe = 7;
  EXPECT_TRUE(estpoint(remplit(p, passe), 0, 0));
  EXPECT_EQ(passe, 7);
}

TEST_F(Remplissage, AreaRulesTakeTheFirstPointOfTheLastRow) {
  for (uint8_t regle : {1, 2, 6}) {
    const TPlateau p = pose2();
    configmoteur.regle = regle;
    int32_t passe = 1;
    EXPECT_TRUE(estpoint(remplit(p, passe), 7, 3)) << int(regle);
    EXPECT_EQ(passe, 0);
  }
}

TEST_F(Remplissage, AMoveAlreadyChosenIsKept) {
  const TPlateau p = pose2();
  configmoteur.regle = 2;
  int32_t passe = 7;
  EXPECT_TRUE(estpoint(remplit(p, passe, TPoint{5, 5}), 5, 5));
  EXPECT_EQ(passe, 7);
}

// The row-7 points refused one way or another: the row-3 point is taken.
TEST_F(Remplissage, RefusedPointsAreSkipped) {
  const auto refuse = [&](int r, int c, int mode) {
    switch (mode) {
      case 0: exclus[i(r, c)] = 1; break;
      case 1: casesinterdites[i(r, c)] = 0x01; break;
      case 2: tableordi[r - 1][c - 1][i(r, c)] = 1; break;
      default: territoire2[i(r, c)] = NOIR; break;
    }
  };
  for (int mode = 0; mode < 4; ++mode) {
    const TPlateau p = pose2();
    configmoteur.regle = 2;
    refuse(7, 3, mode);
    refuse(7, 5, mode);
    int32_t passe = 1;
    EXPECT_TRUE(estpoint(remplit(p, passe), 3, 4)) << mode;
  }
}

// (1,5) beside black (2,5) has two empty neighbours, (1,4) without an owner:
// it is filled only when the opponent's trial there leaves its stone dead.
TEST_F(Remplissage, TwoFreeNeighboursOneUnownedNeedADeadOpponentTrial) {
  for (uint8_t mort : {0, 1}) {
    TPlateau p = pose(
        ".........\n....X....\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n");
    territoire.fill(BLANC);
    territoire[i(1, 4)] = VIDE;
    territoire[i(1, 5)] = VIDE;
    configmoteur.regle = 2;
    tablejoueur[0][4][i(1, 5)] = mort;
    int32_t passe = 0;
    const TPoint coup = remplit(p, passe);
    if (mort) {
      EXPECT_TRUE(estpoint(coup, 1, 5));
      EXPECT_EQ(passe, 0);
    } else {
      EXPECT_TRUE(estpoint(coup, 0, 0));
      EXPECT_EQ(passe, 1);
    }
  }
}

// ---- The cleanup step ------------------------------------------------------------------
// Black cleans up; the white stones written 'o' are the ones the final
// status calls dead. Each case is also played with the colours swapped.

struct CasNettoyage {
  const char* nom;
  const char* diagramme;  // row 1 first
  TPoint ko;              // the last move when it took a single stone
  TPoint attendu;
};

const CasNettoyage kNettoyages[] = {
    // B1-C1 can be filled safely at B2 or C2; G1 is taken at G2.
    {"capture-first",
     "XooX.XoX.\nX..X.X.X.\nXXXX.XXX.\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {}, {2, 7}},
    // A straight two (A1-A2) in the corner: any stone there is in atari, but
    // A1 leaves the white chain in atari, and it is taken next.
    {"throw-in-straight-two",
     ".oXX.....\n.ooX.....\nooXX.....\noXX......\nX........\n.........\n.........\n.........\n.........\n",
     {}, {1, 1}},
    // G1 would leave F1-G1 one liberty: E1 first joins F1 to the wall.
    {"fill-made-safe-first",
     ".....X.o.\n....Xoooo\n....XXXXo\n....XXXXX\n.........\n.........\n.........\n.........\n.........\n",
     {}, {1, 5}},
    // White just took at C1: retaking at B1 at once is refused.
    {"ko-not-retaken",
     "O.oX.....\n.OXX.....\n..XX.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {1, 3}, {0, 0}},
    {"ko-point-free",
     "O.oX.....\n.OXX.....\n..XX.....\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {}, {1, 2}},
    // White's (2,1)-(2,5),(1,5) shares its liberties (1,1) and (1,4) with the
    // black (1,2)-(1,3): Black fills (1,1), both chains are in atari on
    // (1,4), and Black takes next unless White takes first.
    {"shared-liberties-filled",
     ".XX.oX...\noooooX...\nXXXXXX...\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {}, {1, 1}},
    // The same shape with four black stones inside: filling gives White five
    // stones to take, too many to throw in.
    {"shared-liberties-too-many-stones",
     ".XXXX.oX.\noooooooX.\nXXXXXXXX.\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {}, {0, 0}},
    // A white chain with two eyes cannot be taken, whatever it is called.
    {"two-eyes-untouched",
     ".o.oX....\nooooX....\nXXXXX....\n.........\n.........\n.........\n.........\n.........\n.........\n",
     {}, {0, 0}},
};

TEST(Nettoyage, CasesAndTheirColourSwap) {
  for (const CasNettoyage& k : kNettoyages)
    for (bool echange : {false, true}) {
      std::string d = k.diagramme;
      TMarques morts{};
      for (char& ch : d) {
        if (echange) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch == 'o' ? 'x' : ch;
      }
      // Dead marks by point, then the diagram as the fixture reads it.
      int r = 1, c = 1;
      for (char& ch : d) {
        if (ch == '\n') {
          ++r, c = 1;
          continue;
        }
        if (ch == 'o' || ch == 'x') {
          morts[indexcase(r, c)] = 1;
          ch = static_cast<char>(ch == 'o' ? 'O' : 'X');
        }
        ++c;
      }
      const TPlateau p = fixture::posemoteur(d);
      const TInfoChaine avant = infochaine;
      TPoint coup{9, 9};
      couprattrapagenettoyage(echange ? BLANC : NOIR, morts, p, k.ko, coup);
      EXPECT_TRUE(estpoint(coup, k.attendu.ligne, k.attendu.colonne)) << k.nom << (echange ? " (swapped)" : "");
      EXPECT_EQ(infochaine, avant) << k.nom;
    }
}

}  // namespace
