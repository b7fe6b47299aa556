// Invasion attempts on the engine position of a genmove: the gates before
// any analysis, the series length, a graded attempt inside the engine's
// territory, and the shared maps put back byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/board/acces.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/proposals/tentatives.h"
#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

// White has just played (7,8) inside black's walled lower area.
constexpr const char* kInvasion = R"(
.........
.O.....O.
OOOOOOOOO
XXXXXXXXX
X.......X
X.......X
X......OX
X.......X
XXXXXXXXX
)";

struct Resultat {
  TCarte scores{};
  TListePoints liste{};
  int32_t score = -1;
  int32_t flag = -1;
};

const TCarte zero{};

fixture::AnalyseRacine& position(TPoint dernier = {7, 8}) {
  return fixture::analysemoteur(kInvasion, {.trait = NOIR, .niveau = 5, .dernier = dernier});
}

// The attempt of the white stone at `coup` against black on the position
// the fixture left, checking that every shared map comes back; the score
// map and flagterritoire start dirty so that clearing them shows.
Resultat tente(fixture::AnalyseRacine& a, TPoint coup, int32_t cap = NBCASES, const TCartesParPoint* morts = nullptr) {
  Resultat x;
  x.liste[0] = 0;
  x.scores.fill(99);
  flagterritoire = 99;
  platform::fixegraine(7);
  TPlateau p = a.plateau;
  const TMarques t1 = territoire, t2 = territoire2;
  fixture::verifieinchange(p, [&] {
    tentativeinvasion(coup, BLANC,
                      TCartesTentative{zero, zero, a.ordi.faitmort, a.ordi.sauves, zero, zero,
                                     morts ? *morts : a.ordi.mortsapresessai},
                      NOIR, x.scores, p, x.score, x.liste, cap);
  });
  EXPECT_TRUE(fixture::memesplateaux(t1, territoire));
  EXPECT_TRUE(fixture::memesplateaux(t2, territoire2));
  x.flag = flagterritoire;
  return x;
}

TEST(TentativeInvasion, AGradedAttemptInsideTheTerritory) {
  fixture::AnalyseRacine& a = position();
  const Resultat x = tente(a, {7, 8});
  EXPECT_GT(x.flag, 0);
  EXPECT_GT(x.score, 0);
  ASSERT_GT(nbpoints(x.liste), 0);
  // The answers are empty points inside black's area, each valued.
  for (int32_t k = 1; k <= nbpoints(x.liste); ++k) {
    const int32_t r = ligneliste(x.liste, k), c = colonneliste(x.liste, k);
    EXPECT_EQ(a.plateau[indexcase(r, c)], VIDE) << r << "-" << c;
    EXPECT_GE(r, 5) << r << "-" << c;
    EXPECT_NE(x.scores[indexcase(r, c)], 0) << r << "-" << c;
  }
  // The pinned generator repeats the series.
  fixture::AnalyseRacine& b = position();
  const Resultat y = tente(b, {7, 8});
  EXPECT_EQ(x.scores, y.scores);
  EXPECT_EQ(x.score, y.score);
  // A full list takes no more points; the values stay.
  fixture::AnalyseRacine& c = position();
  const Resultat z = tente(c, {7, 8}, 2);
  EXPECT_EQ(nbpoints(z.liste), 2);
  EXPECT_EQ(z.scores, x.scores);
}

TEST(TentativeInvasion, GatesStopBeforeAnyAnalysis) {
  struct Cas {
    const char* nom;
    TPoint coup;
    std::function<void()> regle;
  };
  const Cas cas[] = {
      {"move 4 or earlier", {7, 8}, [] { numerocoup = 4; }},
      {"territory left to take on the edge in the opening", {7, 8},
       [] {
         debutpartie = 1;
         territoireaprendre[0] = 5;
       }},
      {"territory left to take in the opening", {7, 8},
       [] {
         debutpartie = 1;
         territoireaprendre[1] = 5;
       }},
      {"a move already decided", {7, 8}, [] { coupdecide = 1; }},
      {"not in the middle game", {7, 8}, [] { phasedebut = 0; }},
      {"after a pass", {7, 8}, [] { passesconsecutives = 1; }},
      {"a pass", {0, 0}, [] {}},
      {"no invader stone at the point", {6, 5}, [] {}},
  };
  for (const Cas& k : cas) {
    fixture::AnalyseRacine& a = position();
    k.regle();
    const Resultat x = tente(a, k.coup);
    EXPECT_EQ(x.scores, zero) << k.nom;
    EXPECT_EQ(x.score, 0) << k.nom;
    EXPECT_EQ(x.flag, 0) << k.nom;
    EXPECT_EQ(nbpoints(x.liste), 0) << k.nom;
  }
}

TEST(TentativeInvasion, AStoneInItsOwnAreaIsNoInvasion) {
  // White's own stone (2,2) in white's area: no grade, nothing scored.
  fixture::AnalyseRacine& a = position({2, 2});
  const Resultat x = tente(a, {2, 2});
  EXPECT_EQ(x.flag, 0);
  EXPECT_EQ(x.scores, zero);
}

// The sum the owner's answers are judged by is what the invader can make of
// the owner's area: white's push between black's edge stones counts, black
// has nothing to take from white there, and black's stone in the gap ends it.
TEST(TentativeInvasion, TheZoneSumIsTheInvadersProspects) {
  struct Cas {
    const char* nom;
    const char* diagramme;
    uint8_t envahisseur;
    bool positif;
  };
  const Cas cas[] = {
      {"white pushes into the gap", ".X.X.....\n..O......\n", BLANC, true},
      {"black has no weak white chain to attack", ".X.X.....\n..O......\n", NOIR, false},
      {"black has closed the gap", ".XXX.....\n..O......\n", BLANC, false},
  };
  for (const Cas& k : cas) {
    std::string d = k.diagramme;
    for (int r = 3; r <= 9; ++r) d += ".........\n";
    const TPlateau p = fixture::posemoteur(d);
    casesjouables.fill(1);
    pointko = TPoint{};
    const TMarques t = territoire;
    int32_t s = -1;
    fixture::verifieinchange(p, [&] { s = sommeinvasion(p, k.envahisseur); });
    EXPECT_TRUE(fixture::memesplateaux(t, territoire)) << k.nom;
    if (k.positif) EXPECT_GT(s, 0) << k.nom;
    else EXPECT_EQ(s, 0) << k.nom;
  }
}

// The invader's series from a trial point reads that point's trial dead
// marks. In the trial at (5,8) the white stone (7,8) is taken as alive:
// white's stones then link toward it, its chain reaches more of black's
// area in that series, and (5,8) becomes one of black's answers. The marks
// of that trial are read nowhere else (not at the point itself, and (5,8)
// is no liberty of the stone), so nothing else changes.
TEST(TentativeInvasion, TheInvadersSeriesReadsTheTrialPointsDeadMarks) {
  fixture::AnalyseRacine& a = position();
  const Resultat x = tente(a, {7, 8});
  fixture::AnalyseRacine& b = position();
  auto morts = std::make_unique<TCartesParPoint>(b.ordi.mortsapresessai);
  TMarques& m = (*morts)[5 - 1][8 - 1];
  ASSERT_EQ(m[indexcase(5, 8)], 0);
  ASSERT_NE(m[indexcase(7, 8)], 0);
  m[indexcase(7, 8)] = 0;
  const Resultat y = tente(b, {7, 8}, NBCASES, morts.get());
  EXPECT_EQ(x.scores[indexcase(5, 8)], 0);
  EXPECT_GT(y.scores[indexcase(5, 8)], 0);
  EXPECT_EQ(nbpoints(y.liste), nbpoints(x.liste) + 1);
  for (int32_t i = 0; i < NBCASES; ++i) {
    if (i != indexcase(5, 8)) {
      EXPECT_EQ(x.scores[i], y.scores[i]) << i;
    }
  }
}

// One linking move of the random trials: the capture rule refuses a
// suicide and the fill of an own eye, captured points join the list, and
// the chain table follows the board.
TEST(TentativeInvasion, ALinkingMoveKeepsTheCaptureRule) {
  constexpr const char* oeil = ".X...\nXX...\n.....\n.....\n.....\n";
  struct Cas {
    const char* nom;
    const char* d;
    uint8_t C;
    TPoint x;
    const char* apres;
    int32_t prises;
  } cas[] = {
      {"an own corner eye stays empty", oeil, NOIR, {1, 1}, oeil, 0},
      {"a suicide stays empty", oeil, BLANC, {1, 1}, oeil, 0},
      {"a capture empties the taken stone", "OX...\n.....\n.....\n.....\n.....\n", NOIR, {2, 1},
       ".X...\nX....\n.....\n.....\n.....\n", 1},
      {"a plain move stands", oeil, BLANC, {4, 4}, ".X...\nXX...\n.....\n...O.\n.....\n", 0},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TPlateau b = fixture::posemoteur(k.d);
    TListePoints l;
    l[0] = 0;
    essaibambou(l, b, k.C, autre(k.C), k.x.ligne, k.x.colonne);
    EXPECT_TRUE(fixture::memesgrilles(k.apres, fixture::texteplateau(b, 5)));
    EXPECT_EQ(nbpoints(l), k.prises);
    // The liberties of the table are those of a rebuild.
    const TInfoChaine suivie = infochaine;
    calculelibertes(b);
    for (int32_t j = 0; j < NBCASES; ++j) EXPECT_EQ(suivie[j][0], infochaine[j][0]) << "point " << j;
  }
}

TEST(TentativeInvasion, SeriesLengthByLevel) {
  for (int32_t n = 1; n <= 10; ++n) {
    niveau = n;
    EXPECT_EQ(essaisparserie(), n == 1 ? 50 : 200) << n;
  }
}

}  // namespace
