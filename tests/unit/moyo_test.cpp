// Influence dilation, boundary diffusion and the moyo estimate.
#include <gtest/gtest.h>

#include <string>

#include "engine/board/etat.h"
#include "engine/territory/moyo.h"
#include "tests/support/fixture.h"

namespace {

class Moyo : public ::testing::Test {
 protected:
  void SetUp() override { territoire4.fill(VIDE); }
  void TearDown() override {
    territoire4.fill(VIDE);
    pionsmorts.fill(0);
  }
};

constexpr const char* VIDE9 = ".........\n.........\n.........\n.........\n.........\n.........\n.........\n"
                              ".........\n.........\n";

TEST_F(Moyo, DilationWithoutPassesOnlySeeds) {
  const TPlateau p = fixture::posemoteur(".....\n.X...\n.....\n...O.\n.....\n");
  TCarte m;
  m.fill(7);
  dilatation(p, m, 0);
  EXPECT_TRUE(fixture::memesgrilles("0 0 0 0 0\n0 50 0 0 0\n0 0 0 0 0\n0 0 0 -50 0\n0 0 0 0 0\n",
                                    fixture::grille(m, 5)));
  EXPECT_EQ(m[indexcase(1, 6)], 7);  // off the 5x5 board: untouched
  EXPECT_EQ(m[indexcase(6, 1)], 7);
  dilatation(p, m, -3);
  EXPECT_EQ(m[indexcase(2, 2)], 50);
}

TEST_F(Moyo, DilationPasses) {
  TCarte m;
  m.fill(7);
  dilatation(fixture::posemoteur(".....\n.....\n..X..\n.....\n.....\n"), m, 2);
  EXPECT_TRUE(fixture::memesgrilles("0 0 1 0 0\n0 2 2 2 0\n1 2 54 2 1\n0 2 2 2 0\n0 0 1 0 0\n",
                                    fixture::grille(m, 5)));
  EXPECT_EQ(m[indexcase(1, 6)], 7);
  // Opposite stones cancel between them; a point's own sign never protects it.
  dilatation(fixture::posemoteur(".....\n.....\n.X.O.\n.....\n.....\n"), m, 1);
  EXPECT_TRUE(fixture::memesgrilles("0 0 0 0 0\n0 1 0 -1 0\n1 50 0 -50 -1\n0 1 0 -1 0\n0 0 0 0 0\n",
                                    fixture::grille(m, 5)));
}

TEST_F(Moyo, DiffusionClearsTheWeakerContestedValue) {
  const TPlateau vide = fixture::posemoteur(VIDE9);
  struct Cas {
    const char* nom;
    const TPlateau& p;
    int32_t positif, negatif;     // values at (5,5) and (5,6)
    int32_t attendu1, attendu2;   // after the diffusion
  };
  TPlateau pierre = vide;
  pierre[indexcase(5, 5)] = NOIR;
  const Cas cas[] = {
      {"a weak negative next to a strong positive is cleared", vide, 10, -3, 10, 0},
      {"a strong negative clears the weaker positive", vide, 10, -12, 0, -12},
      {"a stone keeps its value", pierre, 10, -12, 10, -12},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TCarte m{};
    m[indexcase(5, 5)] = k.positif;
    m[indexcase(5, 6)] = k.negatif;
    const int32_t noeuds = compteurnoeudsprise;
    diffusionbords(k.p, m);
    EXPECT_EQ(compteurnoeudsprise, noeuds + 1);
    EXPECT_EQ(m[indexcase(5, 5)], k.attendu1);
    EXPECT_EQ(m[indexcase(5, 6)], k.attendu2);
  }
}

TEST_F(Moyo, EdgeTreatment) {
  const TPlateau vide = fixture::posemoteur(VIDE9);
  struct Cas {
    const char* nom;
    int32_t ligne, colonne;
    int32_t valeurs[6];  // the point, then 1 to 5 points inward
    uint8_t contenu;     // what stands 2 points inward
    uint8_t attendu;
  } cas[] = {
      {"positive all the way in: black", 1, 4, {3, 2, 5, 1, 4, 9}, VIDE, NOIR},
      {"negative all the way in: white", 4, 1, {-1, -2, -5, -1, -4, -9}, VIDE, BLANC},
      {"the sign changes 3 points in: left empty", 9, 4, {3, 2, 5, -1, 4, 9}, VIDE, VIDE},
      {"0 counts as a change for a positive point", 4, 9, {3, 2, 0, 1, 4, 9}, VIDE, VIDE},
      {"an own stone ends the walk early", 1, 6, {3, 2, 5, -1, -4, -9}, NOIR, NOIR},
      {"a corner is never converted", 1, 1, {3, 2, 5, 1, 4, 9}, VIDE, VIDE},
      {"zero influence: nothing", 1, 5, {0, 2, 5, 1, 4, 9}, VIDE, VIDE},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    const int32_t dl = k.ligne == 1 ? 1 : k.ligne == 9 ? -1 : 0;
    const int32_t dc = dl ? 0 : k.colonne == 1 ? 1 : -1;
    TCarte m{};
    TPlateau p = vide;
    for (int32_t i = 0; i <= 5; ++i) {
      const int32_t r = k.ligne + i * dl, c = k.colonne + i * dc;
      if (r >= 1 && r <= 9 && c >= 1 && c <= 9) m[indexcase(r, c)] = k.valeurs[i];
    }
    if (dl || dc) p[indexcase(k.ligne + 2 * dl, k.colonne + 2 * dc)] = k.contenu;
    traitebordmoyo(m, p, k.ligne, k.colonne);
    EXPECT_EQ(p[indexcase(k.ligne, k.colonne)], k.attendu);
  }
  // An occupied edge point is left as it is.
  TPlateau p = vide;
  p[indexcase(1, 4)] = BLANC;
  TCarte m;
  m.fill(5);
  traitebordmoyo(m, p, 1, 4);
  EXPECT_EQ(p[indexcase(1, 4)], BLANC);
}

TEST_F(Moyo, EdgeExtension) {
  fixture::posemoteur(VIDE9);
  struct Cas {
    const char* nom;
    std::initializer_list<std::pair<std::pair<int, int>, int>> marques;
    uint8_t valeur;
    int ligne, colonne;
    bool attendu;
  } cas[] = {
      {"first line: the point inward decides", {{{2, 3}, 1}}, 6, 1, 3, true},
      {"first line: inward mark equal to the value", {{{2, 3}, 6}}, 6, 1, 3, false},
      {"first line: marks along the edge do not count", {{{1, 2}, 1}, {{1, 4}, 2}}, 6, 1, 3, false},
      {"second line: neighbours as near the edge do not count", {{{4, 2}, 1}, {{2, 2}, 1}}, 5, 3, 2, false},
      {"second line: the first farther neighbour is (3, 3)", {{{3, 3}, 2}}, 5, 3, 2, true},
      {"diagonal: a diagonal point farther in", {{{3, 3}, 1}}, 5, 2, 2, true},
      {"diagonal: a neighbour as far in", {{{2, 3}, 2}}, 5, 2, 2, true},
      {"diagonal: neighbours nearer the edge do not count", {{{1, 2}, 2}, {{2, 1}, 2}}, 5, 2, 2, false},
      {"anti-diagonal corner point", {{{2, 8}, 2}}, 4, 1, 9, true},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.nom);
    TMarques q{};
    for (const auto& [pt, v] : k.marques) q[indexcase(pt.first, pt.second)] = static_cast<uint8_t>(v);
    EXPECT_EQ(bordprolongeable(q, k.valeur, k.ligne, k.colonne), k.attendu);
  }
}

TEST_F(Moyo, RegionMarks) {
  const TPlateau p = fixture::posemoteur(".XX..\n.XOX.\n..X..\n.....\n.....\n");
  TCarte z{};
  marqueregioncouleur(p, z, 300, 0, 2, 1);  // column first
  EXPECT_TRUE(fixture::memesgrilles("0 300 300 0 0\n0 300 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n",
                                    fixture::grille(z, 5)));
}

TEST_F(Moyo, EmptyBoardKeepsTheStartingMap) {
  const TPlateau p = fixture::posemoteur(VIDE9);
  for (int j = 0; j < NBCASES; ++j) territoire4[j] = static_cast<uint8_t>(j % 3);
  TMarques sortie;
  sortie.fill(9);
  calculemoyo(p, sortie, marquesvides);
  EXPECT_TRUE(fixture::memesmarques(territoire4, sortie));
}

TEST_F(Moyo, LoneCentreStoneClaimsTheBoard) {
  // Its influence reaches the edges, which become its stones; their hull
  // covers all but the corners, which then join along the edge.
  const TPlateau p = fixture::posemoteur(".........\n.........\n.........\n.........\n....X....\n.........\n"
                                         ".........\n.........\n.........\n");
  TMarques sortie;
  fixture::verifieinchange(p, [&] { calculemoyo(p, sortie, marquesvides); });
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(sortie[indexcase(r, c)], NOIR) << r << "," << c;
  // Marked dead, the stone counts as absent.
  TMarques morts{};
  morts[indexcase(5, 5)] = 1;
  calculemoyo(p, sortie, morts);
  EXPECT_TRUE(fixture::memesmarques(territoire4, sortie));
}

TEST_F(Moyo, MoreThan255RegionsKeepTheirOwnNumbers) {
  // A checkerboard: every stone is a region of its own (361 of them) and its
  // hull is the stone itself.
  std::string d;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) d += (r + c) % 2 ? 'X' : 'O';
    d += '\n';
  }
  const TPlateau p = fixture::posemoteur(d);
  TMarques sortie;
  calculemoyo(p, sortie, marquesvides);
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c) ASSERT_EQ(sortie[indexcase(r, c)], p[indexcase(r, c)]) << r << "," << c;
}

TEST_F(Moyo, ColoursAreExchangedWithTheStones) {
  const char* d = "...........\n...........\n..X.....O..\n...........\n...X.......\n...........\n"
                  "........O..\n.....X.....\n..X.....O..\n...........\n...........\n";
  const TPlateau p = fixture::posemoteur(d);
  TPlateau q = p;
  for (auto& x : q)
    if (x != VIDE) x = static_cast<uint8_t>(1 - x);
  TMarques a, b;
  calculemoyo(p, a, marquesvides);
  calculemoyo(q, b, marquesvides);
  int noirs = 0;
  for (int r = 1; r <= 11; ++r)
    for (int c = 1; c <= 11; ++c) {
      const int j = indexcase(r, c);
      EXPECT_EQ(a[j] == VIDE ? VIDE : 1 - a[j], b[j]) << r << "," << c;
      noirs += a[j] == NOIR;
    }
  EXPECT_GT(noirs, 0);
  // The black framework on the left is black's, the white one on the right white's.
  EXPECT_EQ(a[indexcase(6, 3)], NOIR);
  EXPECT_EQ(a[indexcase(6, 10)], BLANC);
  EXPECT_EQ(a[indexcase(1, 7)], VIDE);  // between the frameworks: nobody's
}

}  // namespace
