// Candidate ranking of the search: the order the short readings give, where
// illegal candidates go, and that board, chain table and dead marks come back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/choice/classement.h"
#include "engine/proposals/bilans.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"
#include "tests/support/fixture_recherche.h"

namespace {

// White to move; black's stone at (3, 3) is in atari (its last liberty at
// (3, 4)), (1, 1) is a suicide for white, (5, 5) is taken.
//   . X . . . . . . .
//   X . . . . . . . .
//   . O X . . . . . .
//   . . O . . . . . .
//   . . . . X . . . .
const char* kPosition =
    ". X . . . . . . .\n"
    "X . O . . . . . .\n"
    ". O X . . . . . .\n"
    ". . O . . . . . .\n"
    ". . . . X . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n";

TPlateau pose() {
  const fixture::Position pos = fixture::diagramme(kPosition);
  fixture::poserecherche(BLANC, fixture::configpartie(9, 5), fixture::listeplateau(pos.plateau, 9));
  return plateaumoteur;
}

TListePoints liste(std::initializer_list<TPoint> points) {
  TListePoints l{};
  for (TPoint p : points) empilepoint(l, MAXPOINTSLISTE, p.ligne, p.colonne);
  return l;
}

std::string texte(const TListePoints& l) {
  std::string s;
  for (int32_t k = 1; k <= nbpoints(l); ++k)
    s += std::to_string(ligneliste(l, k)) + "-" + std::to_string(colonneliste(l, k)) + " ";
  return s;
}

TEST(Classement, ASingleCandidateIsLeftAsItIs) {
  TPlateau p = pose();
  const TCarte zero{};
  const TMarques marques{};
  const TListePoints reponses{};
  for (TPoint q : {TPoint{1, 1}, TPoint{7, 7}}) {
    TListePoints l = liste({q});
    fixture::verifieinchange(p, [&] {
      classecandidats(zero, marques, 1, TPoint{5, 5}, 1, BLANC, NOIR, l, reponses, p);
      lecturecaptures(zero, BLANC, NOIR, l, p, 2);
    });
    EXPECT_EQ(texte(l), texte(liste({q})));
  }
}

TEST(Classement, IllegalCandidatesGoLastAndACaptureOfTheLastMoveFirst) {
  TPlateau p = pose();
  const TCarte zero{};
  const TMarques marques{};
  const TListePoints reponses{};
  // The last move was black's stone at (3, 3); white takes it at (3, 4).
  TListePoints l = liste({{1, 1}, {7, 7}, {5, 5}, {3, 4}, {8, 2}});
  fixture::verifieinchange(p, [&] { classecandidats(zero, marques, 1, TPoint{3, 3}, 1, BLANC, NOIR, l, reponses, p); });
  ASSERT_EQ(nbpoints(l), 5);
  EXPECT_EQ(ligneliste(l, 1), 3);
  EXPECT_EQ(colonneliste(l, 1), 4);
  // The suicide and the taken point end the list, in either order.
  const std::string fin = std::to_string(ligneliste(l, 4)) + "-" + std::to_string(colonneliste(l, 4)) + " " +
                          std::to_string(ligneliste(l, 5)) + "-" + std::to_string(colonneliste(l, 5));
  EXPECT_TRUE(fin == "1-1 5-5" || fin == "5-5 1-1") << fin;

  // The same candidates by the one-move reading: the capture first, the
  // illegal ones last.
  TListePoints m = liste({{1, 1}, {7, 7}, {5, 5}, {3, 4}, {8, 2}});
  fixture::verifieinchange(p, [&] { lecturecaptures(zero, BLANC, NOIR, m, p, 2); });
  EXPECT_EQ(ligneliste(m, 1), 3);
  EXPECT_EQ(colonneliste(m, 1), 4);
  const std::string fin2 = std::to_string(ligneliste(m, 4)) + "-" + std::to_string(colonneliste(m, 4)) + " " +
                           std::to_string(ligneliste(m, 5)) + "-" + std::to_string(colonneliste(m, 5));
  EXPECT_TRUE(fin2 == "1-1 5-5" || fin2 == "5-5 1-1") << fin2;
}

TEST(Classement, TheValueMapWeighsTheRanking) {
  TPlateau p = pose();
  const TMarques marques{};
  const TListePoints reponses{};
  // Two quiet points far from the fight: the map's value decides.
  for (TPoint favori : {TPoint{7, 7}, TPoint{8, 2}}) {
    TCarte valeurs{};
    valeurs[indexcase(favori.ligne, favori.colonne)] = 500;
    TListePoints l = liste({{7, 7}, {8, 2}});
    classecandidats(valeurs, marques, 1, TPoint{5, 5}, 1, BLANC, NOIR, l, reponses, p);
    EXPECT_EQ(ligneliste(l, 1), favori.ligne);
    EXPECT_EQ(colonneliste(l, 1), favori.colonne);
    TListePoints m = liste({{7, 7}, {8, 2}});
    lecturecaptures(valeurs, BLANC, NOIR, m, p, 2);
    EXPECT_EQ(ligneliste(m, 1), favori.ligne);
    EXPECT_EQ(colonneliste(m, 1), favori.colonne);
  }
}

// A counter that reads 1000 the first `lecturesavant` times, then far later.
int32_t lecturesavant = 0;
uint64_t compteurcoupe() { return lecturesavant-- > 0 ? 1000 : 1'000'000'000'000'000ull; }

TEST(Classement, PastTheSearchsDeadlineTheCandidatesLeftKeepTheirOrderAfterTheRankedOnes) {
  TPlateau p = pose();
  const TMarques marques{};
  const TListePoints reponses{};
  TCarte valeurs{};
  valeurs[indexcase(8, 2)] = 500;  // read, 8-2 goes before 7-7
  const uint64_t fin = finrecherche;
  finrecherche = 2000;
  platform::seam::fixecompteurperf(compteurcoupe);
  // Nothing read: the list as it came.
  lecturesavant = 0;
  TListePoints l = liste({{7, 7}, {8, 2}, {2, 8}});
  classecandidats(valeurs, marques, 1, TPoint{5, 5}, 1, BLANC, NOIR, l, reponses, p);
  EXPECT_EQ(l, liste({{7, 7}, {8, 2}, {2, 8}}));
  // Two read and ranked, the third after them.
  lecturesavant = 2;
  l = liste({{7, 7}, {8, 2}, {2, 8}});
  classecandidats(valeurs, marques, 1, TPoint{5, 5}, 1, BLANC, NOIR, l, reponses, p);
  EXPECT_EQ(l, liste({{8, 2}, {7, 7}, {2, 8}}));
  platform::seam::fixecompteurperf(fixture::compteurfige);
  finrecherche = fin;
}

// The two-ply reading values each leaf with the side to move next: the
// ranker's opponent after a reply of the ranker's own colour. Each position
// was picked because the order of its two quiet candidates turns on it; the
// same case with the colours swapped must give the same order.
struct CasFeuille {
  const char* nom;
  const char* diagramme;  // the ranker's stones are 'O'
  int32_t finpartie;      // procedurefinpartie during the ranking
  std::vector<TPoint> candidats;
  std::vector<TPoint> ordre;
};

const CasFeuille kCasFeuilles[] = {
    // White's 6-5 ataris black's 5-5, which runs out at 5-6 with black to
    // move: that leaf must not charge white's capture threat.
    {"atari that escapes",
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". X . . . . . . .\n"
     ". . . . O . . . .\n"
     ". . . O X . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n",
     0,
     {{2, 3}, {6, 2}},
     {{6, 2}, {2, 3}}},
    // In the end procedure the leaf's status pass starts from the ranker's
    // last stone, which is not the side to move's.
    {"end procedure",
     ". . . . . . . . X\n"
     ". . . . . . . . .\n"
     ". O . . . . . . X\n"
     ". . . . . X O . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n"
     ". . . . . . . . .\n",
     1,
     {{3, 3}, {5, 7}},
     {{5, 7}, {3, 3}}},
};

std::string echangecouleurs(std::string d) {
  for (char& ch : d) ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
  return d;
}

TEST(Classement, TwoPlyLeavesAreValuedWithTheRankersOpponentToMove) {
  const TCarte zero{};
  const TMarques marques{};
  const TListePoints reponses{};
  for (const CasFeuille& cas : kCasFeuilles)
    for (const uint8_t c : {BLANC, NOIR}) {
      SCOPED_TRACE(std::string(cas.nom) + (c == BLANC ? ", white ranks" : ", black ranks"));
      const std::string d = c == BLANC ? std::string(cas.diagramme) : echangecouleurs(cas.diagramme);
      const fixture::Position pos = fixture::diagramme(d);
      fixture::poserecherche(c, fixture::configpartie(9, 5), fixture::listeplateau(pos.plateau, 9));
      TPlateau p = plateaumoteur;
      TListePoints l{};
      for (TPoint q : cas.candidats) empilepoint(l, MAXPOINTSLISTE, q.ligne, q.colonne);
      procedurefinpartie = cas.finpartie;
      fixture::verifieinchange(
          p, [&] { classecandidats(zero, marques, 1, TPoint{0, 0}, 1, c, c == BLANC ? NOIR : BLANC, l, reponses, p); });
      procedurefinpartie = 0;
      TListePoints attendu{};
      for (TPoint q : cas.ordre) empilepoint(attendu, MAXPOINTSLISTE, q.ligne, q.colonne);
      EXPECT_EQ(texte(l), texte(attendu));
    }
}

TEST(Classement, LocalScoreOfATrialMove) {
  TPlateau p = pose();
  // Captures count 10 a stone for the reference colour, against it otherwise.
  TPrisesMarquees prises{};
  prises[0] = 2;
  int32_t pour = 0, contre = 0;
  procedurefinpartie = 1;  // the captures alone
  choixcoupaide(p, pour, BLANC, BLANC, prises, 7, 7, 0, 1);
  choixcoupaide(p, contre, BLANC, NOIR, prises, 7, 7, 0, 1);
  EXPECT_EQ(pour, 20);
  EXPECT_EQ(contre, -20);
  // A first captured stone already dead: 8 a stone.
  prises[5] = 1;
  int32_t morts = 0;
  choixcoupaide(p, morts, BLANC, BLANC, prises, 7, 7, 0, 1);
  EXPECT_EQ(morts, 16);
  procedurefinpartie = 0;
}

}  // namespace

// The zone term of a trial move counts the stones of the colour that just
// played around it, signed by whether that colour is the reference one.
TEST(Classement, TheZoneTermCountsTheStonesOfTheColourThatPlayed) {
  // White has just played 5-5; white 5-7 is in its zone, black 4-4 touches it
  // diagonally and black 2-2 is far off.
  const char* d =
      ". . . . . . . . .\n"
      ". X . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . X . . . . .\n"
      ". . . . O . O . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n";
  for (const uint8_t blanc : {BLANC, NOIR}) {
    const uint8_t noir = blanc == BLANC ? NOIR : BLANC;
    SCOPED_TRACE(blanc == BLANC ? "as drawn" : "colours swapped");
    const fixture::Position pos = fixture::diagramme(blanc == BLANC ? std::string(d) : echangecouleurs(d));
    fixture::poserecherche(noir, fixture::configpartie(9, 5), fixture::listeplateau(pos.plateau, 9));
    TPlateau p = plateaumoteur;
    const TPrisesMarquees prises{};
    const uint8_t phase = phasefinale;
    phasefinale = 1;  // no edge term
    const int32_t f = compteinfluencelignes(p, 5, 5, noir, 1, 3);
    // One white chain in the zone, doubled below the four free sides of
    // 5-5 (black touches it): 2, against the reference colour black.
    int32_t s = 0;
    choixcoupaide(p, s, noir, blanc, prises, 5, 5, f, 1);
    EXPECT_EQ(s, -2);
    // With white the reference, the same count for it.
    int32_t t = 0;
    choixcoupaide(p, t, blanc, blanc, prises, 5, 5, compteinfluencelignes(p, 5, 5, blanc, 1, 3), 1);
    EXPECT_EQ(t, 2);
    phasefinale = phase;
  }
}
