// Plain-board play and trials on scratch boards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/pas.h"
#include "engine/board/rejoue.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

::testing::AssertionResult memeplateau(std::string_view attendu, const TPlateau& p) {
  return fixture::memesgrilles(fixture::texteplateau(fixture::diagramme(attendu).plateau, configmoteur.taille),
                               fixture::texteplateau(p, configmoteur.taille));
}

constexpr const char* kOeilUneChaine =
    "XX...\n"
    "X.X..\n"
    "XXX..\n"
    ".....\n"
    ".....\n";
constexpr const char* kTroisChaines =
    "XX...\n"
    "X.X..\n"
    ".X...\n"
    ".....\n"
    ".....\n";
constexpr const char* kOeilDeuxChaines =
    ".XX..\n"
    "X.X..\n"
    "XX...\n"
    ".....\n"
    ".....\n";

TEST(RejoueCoup, CaptureThatFillsItsOwnLastLibertyStays) {
  TPlateau p = pose(
      ".XO..\n"
      "OXO..\n"
      "XO...\n"
      ".....\n"
      ".....\n");
  TListePoints prises{};
  rejouecoup(prises, 300, p, 1, 1, NOIR, BLANC);
  EXPECT_TRUE(memeplateau(
      "XXO..\n"
      ".XO..\n"
      "XO...\n"
      ".....\n"
      ".....\n",
      p));
  ASSERT_EQ(prises[0], 1);
  EXPECT_EQ(prises[2], 2);
  EXPECT_EQ(prises[3], 1);
  // Without the capture the same move is a suicide and is taken back.
  p = pose(
      ".XO..\n"
      "OXO..\n"
      "OO...\n"
      ".....\n"
      ".....\n");
  const TPlateau avant = p;
  rejouecoup(prises, 300, p, 1, 1, NOIR, BLANC);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(prises[0], 0);
}

TEST(RejoueCoup, OwnEyeRefusal) {
  struct Cas {
    const char* nom;
    const char* d;
    bool joue;
  } cas[] = {
      {"one-point eye of a single chain", kOeilUneChaine, false},
      {"three different chains around the point", kTroisChaines, true},
      {"eye between two chains with an enclosed diagonal", kOeilDeuxChaines, false},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau p = pose(k.d);
    const TPlateau avant = p;
    TListePoints prises{};
    jouecoupcaptures(prises, 300, p, 2, 2, NOIR, BLANC);
    EXPECT_EQ(p[indexcase(2, 2)], k.joue ? NOIR : VIDE);
    if (!k.joue) {
      EXPECT_TRUE(fixture::memesplateaux(avant, p));
    }
    // The plain replay plays every one of them.
    TPlateau q = avant;
    rejouecoup(prises, 300, q, 2, 2, NOIR, BLANC);
    EXPECT_EQ(q[indexcase(2, 2)], NOIR);
    // The trial code says -1 for a refused eye and 0 otherwise.
    q = avant;
    int32_t code = 9;
    essaicoupgroupes2(code, q, 2, 2, NOIR, BLANC);
    EXPECT_EQ(code, k.joue ? 0 : -1);
    EXPECT_EQ(q[indexcase(2, 2)], k.joue ? NOIR : VIDE);
  }
}

TEST(EssaiCoup, GroupTrialCodes) {
  // Next to an enemy chain with no liberty left: code 1, nothing removed.
  TPlateau p = pose(
      "OX...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  int32_t code = 9;
  essaicoupgroupes2(code, p, 2, 1, NOIR, BLANC);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(p[indexcase(1, 1)], BLANC);
  EXPECT_EQ(p[indexcase(2, 1)], NOIR);

  // An atari whose last liberty is not next to the move: code 2.
  p = pose(
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  essaicoupgroupes2(code, p, 1, 2, NOIR, BLANC);
  EXPECT_EQ(code, 2);
  // With the mark-map form, a marked liberty within the 3x3 square is near.
  TMarques marques = marquesvides;
  p = pose(
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  essaicoupgroupes(code, marques, p, 1, 2, NOIR, BLANC);
  EXPECT_EQ(code, 2);
  p = pose(
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  marques[indexcase(2, 1)] = 1;
  essaicoupgroupes(code, marques, p, 1, 2, NOIR, BLANC);
  EXPECT_EQ(code, 0);
  // A marked last liberty outside the 3x3 square is far: code 2.
  p = pose(
      "O....\n"
      "OX...\n"
      ".....\n"
      ".....\n"
      ".....\n");
  marques = marquesvides;
  marques[indexcase(3, 1)] = 1;
  essaicoupgroupes(code, marques, p, 1, 2, NOIR, BLANC);
  EXPECT_EQ(code, 2);
  // A suicide keeps the code of the atari it gave: code 2, the point empty.
  p = pose(
      ".O...\n"
      "O.O..\n"
      "XO...\n"
      ".....\n"
      ".....\n");
  essaicoupgroupes2(code, p, 2, 2, NOIR, BLANC);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(p[indexcase(2, 2)], VIDE);
  p = pose(
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  // An occupied point: code 0, nothing played.
  essaicoupgroupes2(code, p, 1, 1, NOIR, BLANC);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(p[0], BLANC);
}

TEST(EssaiCoup, AtariListAndSuicide) {
  TPlateau p = pose(
      "O....\n"
      ".....\n"
      "..O..\n"
      ".....\n"
      ".....\n");
  TListePoints prises{}, ataris{};
  ataris[0] = 0;
  essaicoupliste(prises, 300, ataris, p, 1, 2, NOIR, BLANC);
  ASSERT_EQ(ataris[0], 1);
  EXPECT_EQ(ataris[2], 2);
  EXPECT_EQ(ataris[3], 1);
  // A suicide restores the atari list's count.
  p = pose(
      ".O...\n"
      "O....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  const int32_t avant = ataris[0];
  essaicoupliste(prises, 300, ataris, p, 1, 1, NOIR, BLANC);
  EXPECT_EQ(p[0], VIDE);
  EXPECT_EQ(ataris[0], avant);
}

TEST(PosePion, CapturedDeadStoneKeepsItsFlag) {
  TPlateau p = pose(
      "OX...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  pionsmorts[0] = 1;
  static TPrisesMarquees prises;
  posepioncaptures(prises, 300, p, 2, 1, NOIR, BLANC);
  ASSERT_EQ(prises[0], 1);
  EXPECT_EQ(prises[3], 1);
  EXPECT_EQ(prises[4], 1);
  EXPECT_EQ(prises[5], 1);  // it was marked dead
  EXPECT_EQ(pionsmorts[0], 0);
  majlibertes(p, prises[0], 2, 1);
  EXPECT_TRUE(infochainecoherente(p));
  EXPECT_EQ(infochaine[indexcase(2, 1)][0], 3);

  // A one-chain eye is refused, a dead neighbour passes its mark on.
  p = pose(kOeilUneChaine);
  posepioncaptures(prises, 300, p, 2, 2, NOIR, BLANC);
  EXPECT_EQ(p[indexcase(2, 2)], VIDE);
  p = pose(kTroisChaines);
  pionsmorts[indexcase(3, 2)] = 1;
  posepioncaptures(prises, 300, p, 2, 2, NOIR, BLANC);
  EXPECT_EQ(p[indexcase(2, 2)], NOIR);
  EXPECT_EQ(pionsmorts[indexcase(2, 2)], 1);
  majlibertes(p, 0, 2, 2);
  EXPECT_TRUE(infochainecoherente(p));
}

TEST(JoueCoup3, CapturingMoveIsNotPlayed) {
  TPlateau p = pose(
      "OX...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  uint8_t prise = 9;
  const TPlateau avant = p;
  jouecoup3(prise, p, 2, 1, NOIR, BLANC);
  EXPECT_EQ(prise, 1);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  jouecoup3(prise, p, 3, 3, NOIR, BLANC);
  EXPECT_EQ(prise, 0);
  EXPECT_EQ(p[indexcase(3, 3)], NOIR);
  EXPECT_TRUE(infochainecoherente(p));
}

TEST(JoueCoup2, PlacesWithoutRemoving) {
  TPlateau p = pose(
      "OX...\n"
      ".....\n"
      ".....\n"
      ".....\n"
      ".....\n");
  uint8_t prise = 9;
  jouecoup2(prise, p, 2, 1, NOIR, BLANC);
  EXPECT_EQ(prise, 1);
  EXPECT_EQ(p[indexcase(1, 1)], BLANC);  // never removed
  EXPECT_EQ(p[indexcase(2, 1)], NOIR);
  EXPECT_EQ(infochaine[0][0], 0);
  EXPECT_EQ(infochaine[indexcase(2, 1)][0], 2);
  // No empty neighbour and only friendly chains in atari: not placed.
  p = pose(
      "X.XO.\n"
      "OXO..\n"
      ".O...\n"
      ".....\n"
      ".....\n");
  const TPlateau avant = p;
  jouecoup2(prise, p, 1, 2, NOIR, BLANC);
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
  EXPECT_EQ(prise, 0);
  jouecoup2(prise, p, 1, 1, BLANC, NOIR);  // occupied: flag only
  EXPECT_TRUE(fixture::memesplateaux(avant, p));
}

}  // namespace

namespace {

// Seeded random positions: every trial move is held against the plain replay
// of the same move (captures, suicides), and the chain table is left alone.
TEST(EssaiCoup, TrialsAgreeWithThePlainReplay) {
  configmoteur.taille = 9;
  construittables(9);
  pionsmorts.fill(0);
  uint32_t graine = 12345;
  auto hasard = [&](uint32_t n) {
    graine = graine * 1103515245u + 12345u;
    return (graine >> 16) % n;
  };
  TPlateau jeu = plateauvide();
  TListePoints prises{}, prises2{}, ataris{};
  static TPrisesMarquees pm;
  int nprises = 0, suicides = 0, yeux = 0, codes2 = 0, entoures = 0, entouresjoues = 0;
  for (int k = 0; k < 4000; ++k) {
    if (k % 400 == 0) jeu = plateauvide();
    const int32_t r = 1 + static_cast<int32_t>(hasard(9)), c = 1 + static_cast<int32_t>(hasard(9));
    const auto coul = static_cast<uint8_t>(hasard(2)), ennemi = static_cast<uint8_t>(1 - coul);
    calculelibertes(jeu);
    const TInfoChaine table = infochaine;
    TPlateau reference = jeu;
    rejouecoup(prises, 300, reference, r, c, coul, ennemi);
    const bool joue = reference[indexcase(r, c)] == coul;
    SCOPED_TRACE(testing::Message() << "move " << k << " at " << r << "," << c);

    // essaicoupliste plays exactly as the replay; a suicide leaves the atari list as it was.
    TPlateau p = jeu;
    ataris[0] = 2;
    essaicoupliste(prises2, 300, ataris, p, r, c, coul, ennemi);
    ASSERT_TRUE(fixture::memesplateaux(reference, p));
    ASSERT_EQ(prises2[0], prises[0]);
    if (!joue) {
      ASSERT_EQ(ataris[0], 2);
    }

    // posepioncaptures takes the same stones; only a one-chain eye may be refused.
    p = jeu;
    posepioncaptures(pm, 300, p, r, c, coul, ennemi);
    ASSERT_EQ(pm[0], prises[0]);
    if (p[indexcase(r, c)] == coul) {
      ASSERT_TRUE(fixture::memesplateaux(reference, p));
    } else {
      ASSERT_TRUE(fixture::memesplateaux(jeu, p));
    }

    // essaicoupgroupes: code 1 exactly when the replay captures, nothing removed then.
    p = jeu;
    int32_t code = 7;
    essaicoupgroupes2(code, p, r, c, coul, ennemi);
    if (jeu[indexcase(r, c)] != VIDE) {
      ASSERT_EQ(code, 0);
      ASSERT_TRUE(fixture::memesplateaux(jeu, p));
    } else if (prises[0] > 0) {
      ASSERT_EQ(code, 1);
      TPlateau pose = jeu;
      pose[indexcase(r, c)] = coul;
      ASSERT_TRUE(fixture::memesplateaux(pose, p));
    } else {
      ASSERT_NE(code, 1);
      if (code == -1 || !joue) ASSERT_TRUE(fixture::memesplateaux(jeu, p));
      else ASSERT_TRUE(fixture::memesplateaux(reference, p));
    }
    // jouecoupcaptures refuses exactly the own eyes that the group trial reports.
    p = jeu;
    jouecoupcaptures(prises2, 300, p, r, c, coul, ennemi);
    ASSERT_TRUE(fixture::memesplateaux(code == -1 ? jeu : reference, p));
    ASSERT_EQ(infochaine, table);
    // At a point among stones of the mover only, the liberties a chain keeps
    // after it are read from the board and table alone, alike.
    if (jeu[indexcase(r, c)] == VIDE &&
        !pas4(r, c, ORDREMARCHE, [&](int32_t r2, int32_t c2) { return jeu[indexcase(r2, c2)] != coul; })) {
      ++entoures;
      if (p[indexcase(r, c)] == coul) ++entouresjoues;
      for (int32_t j = 0; j < NBCASES; ++j) {
        if (jeu[j] != coul) continue;
        const int32_t rj = j / TAILLEMAX + 1, cj = j % TAILLEMAX + 1;
        const int32_t attendu = p[indexcase(r, c)] == coul ? nblibertes(p, rj, cj) : -1;
        ASSERT_EQ(libertesaprescoupcaptures(jeu, r, c, coul, ennemi, rj, cj), attendu) << "chain at " << rj << "," << cj;
        for (const int32_t borne : {1, 2, 3})
          ASSERT_EQ(libertesaprescoupcaptures(jeu, r, c, coul, ennemi, rj, cj, borne),
                    attendu < 0 ? -1 : std::min(attendu, borne))
              << "chain at " << rj << "," << cj << " up to " << borne;
      }
      ASSERT_EQ(infochaine, table);
    }
    if (prises[0] > 0) ++nprises;
    if (jeu[indexcase(r, c)] == VIDE && !joue) ++suicides;
    if (code == -1) ++yeux;
    if (code == 2) ++codes2;
    jeu = reference;
  }
  // The run must have met every path it checks.
  EXPECT_GT(nprises, 20);
  EXPECT_GT(suicides, 20);
  EXPECT_GT(yeux, 5);
  EXPECT_GT(codes2, 20);
  EXPECT_GT(entoures - entouresjoues, 5);
  EXPECT_GT(entouresjoues, 5);
  std::printf("captures %d, suicides %d, own eyes %d, remote ataris %d, points among own stones %d (played %d)\n",
              nprises, suicides, yeux, codes2, entoures, entouresjoues);
}

}  // namespace
