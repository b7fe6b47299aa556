// Linking-move candidates: the gates that clear both maps, the found points
// (all of four, the best four of five), points valued before, the node
// budget that stops the reading at once; the leaf; the edge marker.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/territory/coupsliaison.h"
#include "tests/unit/analyse_support.h"

namespace {

constexpr const char* kVide =
    ".........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n";

struct Proposition {
  TListePoints liste{};
  TCarte C{}, W{};
};

// The engine (black) needs 1 point; each listed point, given to white in
// territoire and to black in territoire2, keeps its value through a reading
// of depth 1. Black's (5,5) stands on black's territory.
Proposition propose(const std::vector<std::pair<int, int>>& points, int32_t niv = 5) {
  static TTableEssais t0;
  TPlateau p = analyse::pose(kVide, niv);
  for (auto& m : t0) m.fill(0);
  territoire[indexcase(5, 5)] = NOIR;
  phasedebut = 1;
  maxsurvie = 0;
  procedurefinpartie = 0;
  flagterritoire = 0;
  coupdecide = 0;
  compteurinvasions = 0;
  flagdanger2 = 0;
  flagliaison = 0;
  valeurconsolidation = 1;
  Proposition r;
  for (const auto& [l, c] : points) {
    r.C[indexcase(l, c)] = 1;
    territoire[indexcase(l, c)] = BLANC;
    territoire2[indexcase(l, c)] = NOIR;
  }
  fixture::verifieinchange(p, [&] { proposecoupsliaison(r.liste, t0, NOIR, BLANC, 1, p, r.C, r.W); });
  return r;
}

std::string texte(const TListePoints& l) {
  std::ostringstream s;
  for (int32_t k = 1; k <= nbpoints(l); ++k) s << '(' << ligneliste(l, k) << ',' << colonneliste(l, k) << ')';
  return s.str();
}

TEST(CoupsLiaison, FourFoundPointsAreAllAppended) {
  const Proposition r = propose({{2, 2}, {4, 5}, {5, 4}, {5, 6}});
  EXPECT_EQ(texte(r.liste), "(2,2)(4,5)(5,4)(5,6)");
  EXPECT_EQ(r.W[indexcase(2, 2)], 10);
  EXPECT_EQ(r.W[indexcase(5, 6)], 10);
  EXPECT_EQ(r.C, TCarte{});  // nothing was valued before
  EXPECT_EQ(flagliaison, 1);
  EXPECT_EQ(valeurconsolidation, 0);
}

TEST(CoupsLiaison, FiveFoundPointsGiveTheBestFour) {
  // (2,2) is first in scan order but the only one away from black's stone
  // on its own territory.
  const Proposition r = propose({{2, 2}, {4, 5}, {5, 4}, {5, 6}, {6, 5}});
  EXPECT_EQ(texte(r.liste), "(4,5)(5,4)(5,6)(6,5)");
  EXPECT_EQ(r.W[indexcase(2, 2)], 10);  // valued all the same
}

TEST(CoupsLiaison, GatesClearBothMaps) {
  struct Cas {
    const char* note;
    void (*regle)();
  } cas[] = {
      {"level 3", [] { niveaumin4 = 0; }},
      {"defending", [] { strategie = 1; }},
      {"no point needed", [] { valeurconsolidation = 0; }},
      {"survival at stake", [] { maxsurvie = 3; }},
      {"end of game", [] { procedurefinpartie = 1; }},
      {"territory flag", [] { flagterritoire = 3; }},
      {"not the opening phase", [] { phasedebut = 0; }},
      {"move decided", [] { coupdecide = 1; }},
      {"invasions", [] { compteurinvasions = 4; }},
      {"danger", [] { flagdanger2 = 1; }},
  };
  static TTableEssais t0;
  for (const auto& k : cas) {
    SCOPED_TRACE(k.note);
    TPlateau p = analyse::pose(kVide, 5);
    phasedebut = 1;
    maxsurvie = procedurefinpartie = flagterritoire = compteurinvasions = 0;
    coupdecide = flagdanger2 = 0;
    valeurconsolidation = 3;
    k.regle();
    TCarte C{}, W{};
    C.fill(11);
    W.fill(7);
    TListePoints l{};
    proposecoupsliaison(l, t0, NOIR, BLANC, 4, p, C, W);
    EXPECT_EQ(C, TCarte{});
    EXPECT_EQ(W, TCarte{});
    EXPECT_EQ(nbpoints(l), 0);
    EXPECT_EQ(valeurconsolidation, 0);
  }
}

TEST(CoupsLiaison, PointsValuedBeforeAreKeptNotRead) {
  static TTableEssais t0;
  TPlateau p = analyse::pose(kVide, 5);
  phasedebut = 1;
  maxsurvie = procedurefinpartie = flagterritoire = compteurinvasions = 0;
  coupdecide = flagdanger2 = flagliaison = 0;
  valeurconsolidation = 2;
  TCarte C{}, W{};
  C[indexcase(3, 3)] = 1;
  W[indexcase(3, 3)] = 55;
  TListePoints l{};
  proposecoupsliaison(l, t0, NOIR, BLANC, 4, p, C, W);
  EXPECT_EQ(W[indexcase(3, 3)], 55);
  EXPECT_EQ(C[indexcase(3, 3)], 1);
  EXPECT_EQ(flagliaison, 1);
  EXPECT_EQ(nbpoints(l), 0);
}

TEST(CoupsLiaison, NodeBudgetStopsAtOnce) {
  for (const int32_t depart : {BUDGETLIAISONTERRITOIRE, BUDGETLIAISONTERRITOIRE + 1}) {
    SCOPED_TRACE(depart);
    compteurnoeuds = depart;
    static TTableEssais t0;
    TPlateau p = analyse::pose(kVide, 5);
    compteurnoeuds = depart;
    phasedebut = 1;
    maxsurvie = procedurefinpartie = flagterritoire = compteurinvasions = 0;
    coupdecide = flagdanger2 = 0;
    valeurconsolidation = 1;
    TCarte C{}, W{};
    for (const auto& [l, c] : {std::pair{2, 2}, std::pair{4, 5}}) {
      C[indexcase(l, c)] = 1;
      territoire[indexcase(l, c)] = BLANC;
      territoire2[indexcase(l, c)] = NOIR;
    }
    TListePoints l{};
    proposecoupsliaison(l, t0, NOIR, BLANC, 1, p, C, W);
    EXPECT_EQ(nbpoints(l), 0);
    EXPECT_EQ(W, TCarte{});
    EXPECT_EQ(compteurnoeuds, BUDGETLIAISONTERRITOIRE + 1);
  }
}

// White's (1,1) keeps the open board from counting as enclosed by black.
TEST(EvalueLienTerritoire, NeedsAMoveOnOwnGround) {
  TPlateau p = analyse::pose(
      "O........\n.........\n.........\n.........\n....X....\n.........\n.........\n.........\n.........\n", 5);
  TListePoints ligne{};
  empilepoint(ligne, 10, 5, 5);
  territoire[indexcase(5, 5)] = BLANC;
  EXPECT_FALSE(evaluelienterritoire(p, NOIR, BLANC, ligne, 1));  // not black's ground, not linked to it
  territoire2[indexcase(5, 5)] = NOIR;
  fixture::verifieinchange(p, [&] { EXPECT_TRUE(evaluelienterritoire(p, NOIR, BLANC, ligne, 2)); });
  EXPECT_FALSE(evaluelienterritoire(p, NOIR, BLANC, ligne, 3));
}

// The points black encloses count once they are not black's in territoire.
TEST(EvalueLienTerritoire, EnclosedPointsCount) {
  TPlateau p = analyse::pose("XXX......\n..X......\nXXX......\n.........\n.........\n.........\n.........\n"
                             ".........\n........O\n",
                             5);
  TListePoints ligne{};
  empilepoint(ligne, 10, 2, 3);
  territoire2[indexcase(2, 3)] = NOIR;
  EXPECT_TRUE(evaluelienterritoire(p, NOIR, BLANC, ligne, 4));
  territoire[indexcase(2, 1)] = territoire[indexcase(2, 2)] = NOIR;
  EXPECT_FALSE(evaluelienterritoire(p, NOIR, BLANC, ligne, 2));
}

TEST(MarqueSautsBord, JumpPoints) {
  struct Cas {
    const char* note;
    const char* d;
    int r, k;
    const char* attendu;
  } cas[] = {
      {"open jump toward row+1", ".......\n.......\n.......\n.......\n...X...\n.......\n.......\n", 3, 4,
       ".......\n.......\n.......\n...X...\n...X...\n.......\n.......\n"},
      {"an O flank stops it", ".......\n.......\n.......\n....O..\n...X...\n.......\n.......\n", 3, 4,
       ".......\n.......\n.......\n....O..\n...X...\n.......\n.......\n"},
      {"flank k+1 not tested at k = 2 (and the first column's edge point)",
       ".......\n.......\n.......\n..O....\n.X.....\n.......\n.......\n", 3, 2,
       ".......\n.......\nX......\n.XO....\n.X.....\n.......\n.......\n"},
      {"target of two liberties", ".......\n.......\n.......\n.......\n..OXO..\n.......\n.......\n", 3, 4,
       ".......\n.......\n.......\n.......\n..OXO..\n.......\n.......\n"},
      {"next to the edge: the edge point", ".......\n.......\n.......\n.......\n.......\n.......\n.......\n", 6, 4,
       ".......\n.......\n.......\n.......\n.......\n.......\n...X...\n"},
      {"next to the edge, O on both sides", ".......\n.......\n.......\n.......\n.......\n..O....\n....O..\n", 6, 4,
       ".......\n.......\n.......\n.......\n.......\n..O....\n....O..\n"},
      {"on the edge itself nothing", ".......\n.......\n.......\n.......\n.......\n.......\n.......\n", 7, 4,
       ".......\n.......\n.......\n.......\n.......\n.......\n.......\n"},
      {"toward the first column", ".......\n.......\n.......\n.......\n.......\n.......\n.......\n", 4, 2,
       ".......\n.......\n.......\nX......\n.......\n.......\n.......\n"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.note);
    TPlateau p = fixture::posemoteur(c.d);
    const TInfoChaine chaines = infochaine;
    marquesautsbord(p, c.r, c.k, BLANC, NOIR);
    EXPECT_TRUE(fixture::memesgrilles(c.attendu, fixture::texteplateau(p, 7)));
    EXPECT_EQ(infochaine, chaines);
  }
}

}  // namespace
