// Move chooser: the fuseki pick with its corner rules, the reflection of the
// first move, the opening threshold, and the point numbers.
#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/choice/choixcoup.h"
#include "engine/choice/recherche.h"
#include "engine/choice/recherche_etat.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

// The engine on an empty board of `taille` at move `numero`, with `pierres`
// black stones and the fuseki candidates given.
void posechoix(int32_t taille, int32_t numero, std::initializer_list<TPoint> pierres,
               std::initializer_list<TPoint> candidats) {
  configmoteur.taille = taille;
  construittables(taille);
  plateaumoteur = plateauvide();
  for (const TPoint& p : pierres) plateaumoteur[indexcase(p.ligne, p.colonne)] = NOIR;
  numerocoup = numero;
  couleurdemandee = BLANC;
  pointko = TPoint{};
  derniercoup = TPoint{1, 1};
  avantderniercoup = TPoint{taille, taille};
  candidatsfuseki.fill(0);
  nbcandidatsfuseki = 0;
  for (const TPoint& p : candidats) {
    candidatsfuseki[indexcase(p.ligne, p.colonne)] = 1;
    ++nbcandidatsfuseki;
  }
}

TPoint choix() {
  TPoint r{-1, -1};
  compteurnoeudsprise = 0;
  choixcoup(r.ligne, r.colonne);
  return r;
}

// The move search answered the last choix(): it counted its nodes, and its
// answer is a pass or an empty point of the board.
::testing::AssertionResult recherchearepondu(const TPoint& r) {
  if (compteurnoeudsprise == 0) return ::testing::AssertionFailure() << "the search did not run";
  if (r.ligne == 0 && r.colonne == 0) return ::testing::AssertionSuccess();
  if (r.ligne < 1 || r.ligne > configmoteur.taille || r.colonne < 1 || r.colonne > configmoteur.taille ||
      plateaumoteur[indexcase(r.ligne, r.colonne)] != VIDE)
    return ::testing::AssertionFailure() << "answer " << r.ligne << "-" << r.colonne << " is not an empty point";
  return ::testing::AssertionSuccess();
}

// A seed whose first draw among two is the `k`-th (1 or 2).
uint32_t grainepremier(int32_t k) {
  for (uint32_t g = 1;; ++g) {
    platform::fixegraine(g);
    if (platform::Random(2) + 1 == k) return g;
  }
}

TEST(ChoixCoup, FirstMoveOnAnEmptyBoardIsReflectedIntoOneOctant) {
  struct Cas {
    TPoint pris, joue;
  };
  for (const Cas& k : {Cas{{4, 16}, {16, 16}}, Cas{{3, 4}, {17, 16}}, Cas{{4, 3}, {17, 16}},
                       Cas{{16, 16}, {16, 16}}, Cas{{16, 4}, {16, 16}}}) {
    SCOPED_TRACE(testing::Message() << k.pris.ligne << "-" << k.pris.colonne);
    posechoix(19, 0, {}, {k.pris});
    const TPoint r = choix();
    EXPECT_EQ(r.ligne, k.joue.ligne);
    EXPECT_EQ(r.colonne, k.joue.colonne);
  }
  // Not on the first move: the pick stands.
  posechoix(19, 1, {}, {TPoint{4, 16}});
  const TPoint r = choix();
  EXPECT_EQ(r.ligne, 4);
  EXPECT_EQ(r.colonne, 16);
}

TEST(ChoixCoup, OpeningFlagFollowsTheBoardSize) {
  struct Cas {
    int32_t taille, seuil;
  };
  for (const Cas& k : {Cas{4, 3}, Cas{5, 20}, Cas{9, 20}, Cas{11, 25}, Cas{13, 30}, Cas{15, 30}, Cas{17, 35},
                       Cas{19, 50}}) {
    SCOPED_TRACE(k.taille);
    // The flag as the chooser hands it to its search (the position analysis may revise it).
    posechoix(k.taille, k.seuil, {}, {});
    choix();
    EXPECT_EQ(dernierrecherche().debutpartieentree, 1);
    posechoix(k.taille, k.seuil + 1, {}, {});
    choix();
    EXPECT_EQ(dernierrecherche().debutpartieentree, 0);
  }
  EXPECT_EQ(interrupteurterritoire, 1);
  EXPECT_EQ(interrupteurbonus, 0);
  EXPECT_EQ(interrupteurcandidats, 1);
}

TEST(ChoixCoup, CandidateInAnOccupiedQuarterIsDroppedAndALone33GoesTo44) {
  // Black at (4, 4) occupies the upper-left quarter off its first line.
  posechoix(19, 1, {{4, 4}}, {{3, 3}, {17, 17}});
  platform::fixegraine(grainepremier(1));  // (3, 3) drawn first
  TPoint r = choix();
  EXPECT_EQ(r.ligne, 16);
  EXPECT_EQ(r.colonne, 16);
  EXPECT_EQ(nbcandidatsfuseki, 1);
  EXPECT_EQ(candidatsfuseki[indexcase(3, 3)], 0);

  // (17, 17) drawn first, among two: dropped for another draw; the other is
  // in the occupied quarter: nothing is left and the search answers.
  posechoix(19, 1, {{4, 4}}, {{3, 3}, {17, 17}});
  platform::fixegraine(grainepremier(2));
  r = choix();
  EXPECT_TRUE(recherchearepondu(r));
  EXPECT_EQ(nbcandidatsfuseki, 0);
}

TEST(ChoixCoup, FusekiPickOnAStoneGoesToTheSearch) {
  // All four corners taken: the corner rules are off, the pick is (4, 4) itself.
  posechoix(19, 4, {{4, 4}, {4, 16}, {16, 4}, {16, 16}}, {{4, 4}});
  const TPoint r = choix();
  EXPECT_EQ(phasedebut, 1);
  EXPECT_TRUE(recherchearepondu(r));
  // From move 5 no pick is made at all.
  posechoix(19, 5, {}, {{16, 16}});
  EXPECT_TRUE(recherchearepondu(choix()));
}

TEST(ChoixCoup, QuarterTest) {
  posechoix(19, 0, {{1, 5}, {10, 19}}, {});
  EXPECT_FALSE(testprisecoinfinie(plateaumoteur, 3, 3));    // a first-line stone does not count
  EXPECT_FALSE(testprisecoinfinie(plateaumoteur, 16, 16));  // nor one on the last column
  plateaumoteur[indexcase(9, 9)] = BLANC;
  plateaumoteur[indexcase(10, 10)] = BLANC;
  EXPECT_TRUE(testprisecoinfinie(plateaumoteur, 3, 3));
  EXPECT_TRUE(testprisecoinfinie(plateaumoteur, 16, 16));
  EXPECT_FALSE(testprisecoinfinie(plateaumoteur, 3, 16));
  EXPECT_FALSE(testprisecoinfinie(plateaumoteur, 16, 3));
}

TEST(ChoixCoup, SymmetriesAndTheCornerRule) {
  configmoteur.taille = 19;
  const TPoint images[8] = {{3, 4}, {4, 3}, {4, 17}, {17, 4}, {17, 16}, {16, 17}, {16, 3}, {3, 16}};
  for (int k = 0; k < 8; ++k) {
    const TPoint q = transformesymetrie(3, 4, k);
    EXPECT_EQ(q.ligne, images[k].ligne) << k;
    EXPECT_EQ(q.colonne, images[k].colonne) << k;
  }

  struct Cas {
    TPoint pris;
    bool change;
    TPoint apres;
  };
  for (const Cas& k : {Cas{{3, 3}, true, {4, 4}}, Cas{{17, 3}, true, {16, 4}}, Cas{{3, 17}, true, {4, 16}},
                       Cas{{17, 17}, true, {16, 16}}, Cas{{10, 10}, true, {16, 16}}, Cas{{16, 4}, false, {16, 4}},
                       Cas{{17, 15}, false, {17, 15}}, Cas{{4, 17}, false, {4, 17}}}) {
    SCOPED_TRACE(testing::Message() << k.pris.ligne << "-" << k.pris.colonne);
    posechoix(19, 0, {}, {k.pris});
    TPoint q = k.pris;
    bool continuer = true;
    EXPECT_EQ(modifiecoinen44(plateaumoteur, continuer, q), k.change);
    EXPECT_TRUE(continuer);
    EXPECT_EQ(q.ligne, k.apres.ligne);
    EXPECT_EQ(q.colonne, k.apres.colonne);
  }
  // Among several candidates the pick is dropped for another draw.
  posechoix(19, 0, {}, {{3, 3}, {16, 16}});
  TPoint q{3, 3};
  bool continuer = true;
  EXPECT_TRUE(modifiecoinen44(plateaumoteur, continuer, q));
  EXPECT_FALSE(continuer);
  EXPECT_EQ(q.ligne, 0);
  EXPECT_EQ(nbcandidatsfuseki, 1);
  EXPECT_EQ(candidatsfuseki[indexcase(3, 3)], 0);
}

TEST(ChoixCoup, PointNumbers) {
  const TPlateau p = fixture::posemoteur(
      "XX.O\n"
      ".X.O\n"
      "O..X\n"
      "....\n");
  plateaudepart = p;
  numerotecases();
  EXPECT_TRUE(fixture::memesgrilles(
      "   0  -1   0   0\n"
      "   1  -1   2  -1\n"
      "   1   3   4   1\n"
      "   5   6   7   8\n",
      fixture::grille(numerotation, 4)));
}

}  // namespace
