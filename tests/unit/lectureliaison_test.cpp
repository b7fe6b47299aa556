// Connection readings: the problems of tests/data/liaison.txt, the static
// answers, the node budget, the distance rings and seed list, and the caller's
// state coming back whole from seeded random positions.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/parcours.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/reading/prise.h"
#include "tests/support/fixture.h"
#include "tests/unit/liaison_suite.h"

namespace {

class LectureLiaison : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(chargecles());
    flagscan = 1;
  }
  void TearDown() override { lectureprise = lecturedefaut; }
  static inline const TLecturePrise lecturedefaut = lectureprise;
};

// The capture reading, counted: lets a test see that no question was asked.
int32_t appelsprise = 0;
bool lecturecomptee(TPlateau& p, int32_t r, int32_t c, int32_t profondeur, int32_t limite, uint8_t couleur,
                    const TPoint& ko) {
  ++appelsprise;
  return testprise(p, r, c, profondeur, limite, couleur, ko);
}

// Runs the problem's reading and checks that board, chain table, dead marks
// and lecturelongue come back; returns the answer.
bool litinchange(const suiteliaison::Cas& c, TPlateau& p, const suiteliaison::Cartes& m) {
  const uint8_t longue = lecturelongue;
  bool r = false;
  fixture::verifieinchange(p, [&] { r = suiteliaison::lis(c, p, m); });
  EXPECT_EQ(lecturelongue, longue);
  EXPECT_TRUE(infochainecoherente(p));
  return r;
}

// Every problem at its level: the expected answer, no reading where the
// answer is static, the state back; and from level 1 to 3 the static test.
TEST_F(LectureLiaison, ProblemFile) {
  const auto cas = suiteliaison::lit();
  ASSERT_GE(cas.size(), 10u) << "problems not found at " << suiteliaison::chemin();
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom + ":" + c.note);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    TPlateau p;
    auto m = suiteliaison::prepare(c, p, c.niveau);
    ASSERT_NE(p[indexcase(c.pierre.ligne, c.pierre.colonne)], VIDE);
    if (!c.paire) {
      ASSERT_EQ(m.T[indexcase(c.pierre.ligne, c.pierre.colonne)], 0) << "the group holds the stone";
    }
    appelsprise = 0;
    lectureprise = lecturecomptee;
    EXPECT_EQ(litinchange(c, p, m), c.lie) << fixture::texteplateau(p, c.taille);
    if (c.statique) {
      EXPECT_EQ(noeudsliaison(), 0);
      EXPECT_EQ(appelsprise, 0);
    }
    lectureprise = lecturedefaut;
    for (int32_t niv = 1; niv <= NIVEAUSTATIQUELIAISON; ++niv) {
      m = suiteliaison::prepare(c, p, niv);
      EXPECT_EQ(litinchange(c, p, m), suiteliaison::statique(c, p, m)) << "level " << niv;
      EXPECT_EQ(noeudsliaison(), 0);
    }
  }
}

// Map A: a flagged stone is never linked, at any level; two stones of one
// chain are linked at once, at every level.
TEST_F(LectureLiaison, FlaggedStonesAndOneChain) {
  const TPlateau p0 = fixture::posemoteur(R"(
    .........
    .........
    ..XX.....
    .O..O....
    ..XX.....
    .........
    .........
    .........
    .........)");
  for (int32_t niv : {2, 7}) {
    SCOPED_TRACE("level " + std::to_string(niv));
    niveau = niv;
    parametresniveau();
    TPlateau p = p0;
    TMarques T = marquesvides;
    marquepionschaine(p, T, 0, 5, 3);
    TMarques A = marquesvides;
    const TMarques B = marquesvides;
    EXPECT_TRUE(peutlierachaine(p, A, B, T, 1, 3, 3, TPoint{}));
    EXPECT_TRUE(peutlierdeuxpions(p, A, B, 1, 3, 3, 5, 3, TPoint{}));
    A[indexcase(3, 3)] = 1;
    EXPECT_FALSE(peutlierachaine(p, A, B, T, 1, 3, 3, TPoint{}));
    EXPECT_FALSE(peutlierdeuxpions(p, A, B, 1, 3, 3, 5, 3, TPoint{}));
    EXPECT_FALSE(peutlierdeuxpions(p, A, B, 1, 5, 3, 3, 3, TPoint{}));
    A = marquesvides;
    A[indexcase(3, 4)] = 1;  // B flagged, though A's own chain: still false
    EXPECT_FALSE(peutlierdeuxpions(p, A, B, 1, 3, 3, 3, 4, TPoint{}));
    A = marquesvides;
    EXPECT_TRUE(peutlierdeuxpions(p, A, B, 1, 3, 3, 3, 4, TPoint{}));
    EXPECT_EQ(noeudsliaison(), 0);
  }
}

// No stone to link: an empty point, or two stones of different colours,
// answers false at every level without reading.
TEST_F(LectureLiaison, EmptyPointOrMixedColours) {
  TPlateau p = fixture::posemoteur(R"(
    .......
    .......
    ..XO...
    .......
    ..X....
    .......
    .......)");
  const TMarques vide = marquesvides;
  TMarques T = marquesvides;
  T[indexcase(5, 3)] = 1;
  for (int32_t niv : {2, 7}) {
    niveau = niv;
    parametresniveau();
    fixture::verifieinchange(p, [&] {
      EXPECT_FALSE(peutlierachaine(p, vide, vide, T, 1, 4, 3, TPoint{}));
      EXPECT_FALSE(peutlierdeuxpions(p, vide, vide, 1, 3, 3, 3, 4, TPoint{}));
      EXPECT_FALSE(peutlierdeuxpions(p, vide, vide, 1, 4, 3, 5, 3, TPoint{}));
    });
    EXPECT_EQ(noeudsliaison(), 0);
  }
}

// A reading over the budget: the flag is set, the reading still answers,
// and lecturelongue has its value from before the call (whatever it was).
TEST_F(LectureLiaison, NodeBudget) {
  const TPlateau p0 = fixture::posemoteur(R"(
    X.OO.X..O
    .X.O.XX.X
    O..OO....
    ...O.X..O
    .......X.
    XX.O.OO..
    ..O.X...X
    .OX..XX..
    O...O...X)");
  const TMarques vide = marquesvides;
  for (uint8_t longue : {uint8_t{1}, uint8_t{0}}) {
    niveau = 10;
    parametresniveau();
    flaglectureyeux = 1;
    lecturelongue = longue;
    depassementliaison = 0;
    TPlateau p = p0;
    fixture::verifieinchange(p, [&] { peutlierdeuxpions(p, vide, vide, 1, 3, 5, 6, 6, TPoint{}); });
    EXPECT_GT(noeudsliaison(), BUDGETLIAISON);
    EXPECT_EQ(depassementliaison, 1);
    EXPECT_EQ(lecturelongue, longue);
  }
  // A short reading leaves the flag alone.
  depassementliaison = 0;
  niveau = 7;
  parametresniveau();
  TPlateau p = fixture::posemoteur(R"(
    .........
    .........
    .........
    ...XO....
    ....X....
    .........
    ...O.....
    .........
    .........)");
  TMarques T = marquesvides;
  T[indexcase(5, 5)] = 1;
  EXPECT_FALSE(peutlierachaine(p, vide, vide, T, 1, 4, 4, TPoint{}));
  EXPECT_GT(noeudsliaison(), 0);
  EXPECT_LE(noeudsliaison(), BUDGETLIAISON);
  EXPECT_EQ(depassementliaison, 0);
}

// The per-ply stores of plies 3 to 20 after a long reading: each table holds
// its entries first, sorted by signed key, one per key, with the node values
// 0 or LIAISONFAITE; nothing is written past a table's entries.
TEST_F(LectureLiaison, PlyStoresStaySorted) {
  TPlateau p = fixture::posemoteur(R"(
    X.OO.X..O
    .X.O.XX.X
    O..OO....
    ...O.X..O
    .......X.
    XX.O.OO..
    ..O.X...X
    .OX..XX..
    O...O...X)");
  constexpr TEntreeCle libre{-7, 0};
  for (TEntreeCle& e : tabletranspositionliaison) e = libre;
  niveau = 10;
  parametresniveau();
  flaglectureyeux = 1;
  const TMarques vide = marquesvides;
  peutlierdeuxpions(p, vide, vide, 1, 3, 5, 6, 6, TPoint{});
  ASSERT_GT(noeudsliaison(), BUDGETLIAISON);
  int32_t ecrites = 0;
  for (int32_t t = 0; t < NBTABLESLIAISON; ++t) {
    SCOPED_TRACE("ply " + std::to_string(t + PREMIERETABLE));
    const TEntreeCle* e = tabletranspositionliaison + static_cast<std::ptrdiff_t>(t) * ENTREESPARTABLE;
    int32_t n = 0;
    while (n < ENTREESPARTABLE && e[n].valeur != libre.valeur) ++n;
    for (int32_t k = 0; k < n; ++k) {
      EXPECT_TRUE(e[k].valeur == 0 || e[k].valeur == LIAISONFAITE) << k;
      if (k > 0) {
        EXPECT_LT(e[k - 1].cle, e[k].cle) << k;
      }
    }
    int32_t audela = 0;
    for (int32_t k = n; k < ENTREESPARTABLE; ++k) audela += e[k].valeur != libre.valeur || e[k].cle != libre.cle;
    EXPECT_EQ(audela, 0);
    ecrites += n;
  }
  EXPECT_GT(ecrites, 0);
}

// The distance rings: whole chains of either colour at ring 2, an own chain
// of ring 3 bringing its liberties, opponent stones never beyond ring 2 and
// a solid opponent chain letting nothing through unless map A flags it.
TEST_F(LectureLiaison, DistanceRings) {
  const TPlateau p = fixture::posemoteur(R"(
    .......
    ...X...
    ..X....
    ..OO...
    .......
    .XX....
    .......)");
  TMarques ensemble = marquesvides;
  ensemble[indexcase(3, 3)] = 1;
  TMarques A = marquesvides, d;
  cartedistanceliaison(p, ensemble, A, NOIR, d);
  EXPECT_TRUE(fixture::memesgrilles(
      " 5 4 3 3 4 5 0\n"
      " 4 3 2 3 3 4 5\n"
      " 3 2 1 2 3 4 5\n"
      " 4 3 2 2 4 5 0\n"
      " 5 4 5 0 5 0 0\n"
      " 0 5 5 0 0 0 0\n"
      " 0 0 0 0 0 0 0\n",
      fixture::grille(d, 7)));
  marquepionschaine(p, A, 0, 4, 3);
  cartedistanceliaison(p, ensemble, A, NOIR, d);
  EXPECT_TRUE(fixture::memesgrilles(
      " 5 4 3 3 4 5 0\n"
      " 4 3 2 3 3 4 5\n"
      " 3 2 1 2 3 4 5\n"
      " 4 3 2 2 3 4 5\n"
      " 5 4 3 3 4 5 0\n"
      " 5 4 4 4 5 0 0\n"
      " 0 5 5 5 0 0 0\n",
      fixture::grille(d, 7)));
}

// The seed list: the points the links from S to the group rest on; empty
// when S's linked chain does not reach the group or an opponent wall cuts
// the rings.
TEST_F(LectureLiaison, SeedList) {
  struct Cas {
    const char* nom;
    const char* d;
    int32_t sr, sc, tr, tc;
    const char* attendu;  // the points as "r,c " in list order
  } cas[] = {
      {"open diagonal: both shared points",
       ".......\n.......\n...X...\n....X..\n.......\n.......\n.......\n", 3, 4, 4, 5, "4,4 3,5 "},
      {"bamboo joint: the two gap points",
       ".......\n.......\n..XX...\n.......\n..XX...\n.......\n.......\n", 3, 3, 5, 3, "4,3 4,4 "},
      {"first-line jump: the gap", ".......\n.......\n.......\n.......\n.......\n.......\n..X.X..\n", 7, 3, 7, 5,
       "7,4 "},
      {"no link", ".......\n.......\n..X....\n.......\n....X..\n.......\n.......\n", 3, 3, 5, 5, ""},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const TPlateau p = fixture::posemoteur(k.d);
    TMarques T = marquesvides;
    marquepionschaine(p, T, 0, k.tr, k.tc);
    TListePoints l;
    pointsdepassage(p, T, NOIR, BLANC, k.sr, k.sc, l);
    std::string s;
    for (int32_t i = 1; i <= nbpoints(l); ++i)
      s += std::to_string(ligneliste(l, i)) + "," + std::to_string(colonneliste(l, i)) + " ";
    EXPECT_EQ(s, k.attendu);
  }
}

// Seeded random positions at levels 4 and 10, both readings, stones near
// each other: whatever the answer, board, chain table, dead marks and
// lecturelongue come back.
TEST_F(LectureLiaison, RandomPositionsComeBackWhole) {
  std::mt19937 g(20190);
  int32_t lectures = 0;
  for (int32_t taille : {9, 13}) {
    configmoteur.taille = taille;
    construittables(taille);
    for (int32_t it = 0; it < 60; ++it) {
      TPlateau p = plateauvide();
      const int32_t densite = 25 + static_cast<int32_t>(g() % 25);
      for (int32_t r = 1; r <= taille; ++r)
        for (int32_t c = 1; c <= taille; ++c)
          if (static_cast<int32_t>(g() % 100) < densite) p[indexcase(r, c)] = static_cast<uint8_t>(g() % 2);
      for (int32_t passe = 0; passe < 2; ++passe) {  // no chain without liberties
        calculelibertes(p);
        for (int32_t j = 0; j < NBCASES; ++j)
          if (p[j] != VIDE && infochaine[j][0] == 0) p[j] = VIDE;
      }
      calculelibertes(p);
      niveau = it % 2 == 0 ? 4 : 10;
      parametresniveau();
      flaglectureyeux = 1;
      pionsmorts = marquesvides;
      const TMarques vide = marquesvides;
      for (int32_t k = 0; k < 16; ++k) {
        const int32_t r = 1 + static_cast<int32_t>(g() % taille), c = 1 + static_cast<int32_t>(g() % taille);
        const int32_t r2 = r - 2 + static_cast<int32_t>(g() % 5), c2 = c - 3 + static_cast<int32_t>(g() % 7);
        if (r2 < 1 || r2 > taille || c2 < 1 || c2 > taille) continue;
        if (p[indexcase(r, c)] == VIDE || p[indexcase(r, c)] != p[indexcase(r2, c2)]) continue;
        SCOPED_TRACE(fixture::texteplateau(p, taille));
        const uint8_t longue = lecturelongue;
        fixture::verifieinchange(p, [&] {
          if (k % 2 == 0) {
            TMarques T = marquesvides;
            marquepionschaine(p, T, 0, r2, c2);
            if (!T[indexcase(r, c)]) peutlierachaine(p, vide, vide, T, 1, r, c, TPoint{});
          } else {
            peutlierdeuxpions(p, vide, vide, 1, r, c, r2, c2, TPoint{});
          }
        });
        EXPECT_EQ(lecturelongue, longue);
        ++lectures;
      }
    }
  }
  EXPECT_GT(lectures, 100);
}

}  // namespace
