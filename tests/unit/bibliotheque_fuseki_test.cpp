// Fuseki library over small tables: the table, the search and the lookup.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "engine/opening/fuseki.h"
#include "tests/support/fixture.h"
#include "tools/genbibliotheques.h"

namespace {

using Points = std::set<std::pair<int, int>>;

std::span<const uint8_t> octets(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// A table of key/value lines, CR LF ended.
std::string table(std::initializer_list<std::pair<std::string, std::string>> lignes) {
  std::string t;
  for (const auto& [cle, valeur] : lignes) t += cle + '\x80' + valeur + "\r\n";
  return t;
}

// The library built by the generator from fuseki source lines.
void chargesource(TFuseki& f, const std::string& source) {
  const auto res = genbibliotheques::genere({{"test", source}}, false);
  ASSERT_EQ(res.erreur, "");
  ASSERT_TRUE(f.ChargeFlux(octets(res.item)));
}

Points marques(const TMarques& carte, int taille = 19) {
  Points p;
  for (int r = 1; r <= taille; ++r)
    for (int c = 1; c <= taille; ++c)
      if (carte[indexcase(r, c)] != 0) p.insert({r, c});
  return p;
}

// The eight board symmetries, written out independently of the library.
std::pair<int, int> symetrie(int s, int r, int c, int n = 19) {
  if (s & 4) std::swap(r, c);
  if (s & 2) r = n + 1 - r;
  if (s & 1) c = n + 1 - c;
  return {r, c};
}

// ---- Table and search -------------------------------------------------------

TEST(FusekiTable, LoadsLinesWhateverTheLineEnd) {
  TFuseki f(19);
  EXPECT_TRUE(f.ChargeFlux(octets(std::string("a\x80x\r\nb\x80y\nc\x80z\rd\x80w"))));
  ASSERT_EQ(f.NombreLignes(), 4);
  EXPECT_EQ(f.Ligne(3), "d\x80w");
  EXPECT_TRUE(f.ChargeFlux({}));
  EXPECT_EQ(f.NombreLignes(), 0);
}

TEST(FusekiTable, RefusesKeysOutOfOrder) {
  struct Cas {
    const char* note;
    std::string texte;
  };
  const Cas cas[] = {
      {"descending", table({{"b", ""}, {"a", ""}})},
      {"equal keys", table({{"a", "x"}, {"a", "y"}})},
      {"a prefix after its extension", table({{"ab", ""}, {"a", ""}})},
      {"unsigned order: 0x81 after 0x21", table({{"\x81", ""}, {"!", ""}})},
  };
  for (const Cas& c : cas) {
    TFuseki f(19);
    EXPECT_FALSE(f.ChargeFlux(octets(c.texte))) << c.note;
    EXPECT_EQ(f.NombreLignes(), 0) << c.note;
  }
}

TEST(FusekiTable, KeyAndValueParts) {
  EXPECT_EQ(TFuseki::PartieCle("ab\x80" "cd"), "ab");
  EXPECT_EQ(TFuseki::PartieValeur("ab\x80" "cd"), "cd");
  EXPECT_EQ(TFuseki::PartieCle("abcd"), "");
  EXPECT_EQ(TFuseki::PartieValeur("abcd"), "abcd");
}

TEST(FusekiTable, BinarySearchFindsEveryKeyAndPlacesMissingOnes) {
  TFuseki f(19);
  ASSERT_TRUE(f.ChargeFlux(octets(table({{"", ""}, {"B", ""}, {"BD", ""}, {"C", ""}, {"E", ""}, {"F", ""}}))));
  struct Cas {
    const char* cle;
    bool trouve;
    int index;
  };
  const Cas cas[] = {
      {"", true, 0},    {"B", true, 1},  {"BD", true, 2},   // first; a prefix and its extension
      {"C", true, 3},   {"E", true, 4},  {"F", true, 5},    // middle and last
      {"A", false, 1},  {"BC", false, 2}, {"BDA", false, 3}, {"D", false, 4}, {"G", false, 6},
  };
  for (const Cas& c : cas) {
    int index = -1;
    EXPECT_EQ(f.RechercheDichotomique(c.cle, index), c.trouve) << c.cle;
    EXPECT_EQ(index, c.index) << c.cle;
  }
  TFuseki petit(19);
  ASSERT_TRUE(petit.ChargeFlux(octets(table({{"M", ""}}))));
  int index = -1;
  EXPECT_FALSE(petit.RechercheDichotomique("A", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(petit.RechercheDichotomique("Z", index));
  EXPECT_EQ(index, 1);
  TFuseki vide(19);
  EXPECT_FALSE(vide.RechercheDichotomique("", index));
}

TEST(FusekiTable, LookupDecodesMovesAndIgnoresAnOddLastByte) {
  TFuseki f(19);
  // Black (row 4, column 16), white (row 17, column 3), then a stray byte.
  ASSERT_TRUE(f.ChargeFlux(octets(table({{"00", "\x30\x24\x23\x71!"}}))));
  f.Cherche("00");
  ASSERT_EQ(f.Coups().Count(), 2);
  EXPECT_EQ(f.Coups().Coup(0)->colonne, 16);
  EXPECT_EQ(f.Coups().Coup(0)->ligne, 4);
  EXPECT_EQ(f.Coups().Coup(0)->couleur, NOIR);
  EXPECT_EQ(f.Coups().Coup(1)->colonne, 3);
  EXPECT_EQ(f.Coups().Coup(1)->ligne, 17);
  EXPECT_EQ(f.Coups().Coup(1)->couleur, BLANC);
  f.Cherche("01");
  EXPECT_EQ(f.Coups().Count(), 0);
}

TEST(FusekiCode, PointCodeRoundTripsAndAvoidsTheSeparator) {
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 19; ++c)
      for (uint8_t coul : {BLANC, NOIR}) {
        uint8_t o1 = 0, o2 = 0, couleur = 9;
        int32_t l = 0, k = 0;
        TFuseki::CodeCase(r, c, coul, o1, o2);
        ASSERT_TRUE(o1 >= 0x21 && o1 <= 0x33);
        ASSERT_TRUE((o2 >= 0x21 && o2 <= 0x33) || (o2 >= 0x61 && o2 <= 0x73));
        TFuseki::DecodeCase(o1, o2, couleur, k, l);
        ASSERT_EQ(l, r);
        ASSERT_EQ(k, c);
        ASSERT_EQ(couleur, coul);
      }
}

TEST(FusekiCode, TransformsMatchTheBoardSymmetriesAndInvert) {
  TFuseki f(19);
  Points images;
  for (int t = 0; t < 8; ++t) {
    int32_t r = 3, c = 5;
    f.TransformeCase(t, r, c);
    images.insert({r, c});
    f.TransformeInverse(t, r, c);
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(3, 5)) << "transform " << t;
  }
  Points attendu;
  for (int s = 0; s < 8; ++s) attendu.insert(symetrie(s, 3, 5));
  EXPECT_EQ(images, attendu);
}

TEST(FusekiCode, NormalisedStonesGoToTheHighRowsThenColumns) {
  TFuseki f(19);
  TPlateau p = plateauvide();
  p[indexcase(4, 3)] = NOIR;
  for (int s = 0; s < 8; ++s) {
    TPlateau q = plateauvide();
    auto [r, c] = symetrie(s, 4, 3);
    q[indexcase(r, c)] = NOIR;
    const int t = f.Normalise(q);
    int32_t nr = r, nc = c;
    f.TransformeCase(t, nr, nc);
    EXPECT_EQ(std::make_pair(nr, nc), std::make_pair(17, 16)) << "symmetry " << s;
  }
  EXPECT_EQ(f.Normalise(plateauvide()), 0);
}

TEST(FusekiCode, EqualSumsKeepTheSmallestKey) {
  // Transforms 0 and 1 give these two stones the same row and column sums;
  // their keys differ only by which stone is white.
  struct Cas {
    const char* note;
    std::pair<int, int> noir, blanc;
    int transformation;
  };
  const Cas cas[] = {
      {"black first in scan order already", {16, 17}, {17, 16}, 0},
      {"the transpose puts black first", {17, 16}, {16, 17}, 1},
  };
  TFuseki f(19);
  for (const Cas& c : cas) {
    TPlateau p = plateauvide();
    p[indexcase(c.noir.first, c.noir.second)] = NOIR;
    p[indexcase(c.blanc.first, c.blanc.second)] = BLANC;
    EXPECT_EQ(f.Normalise(p), c.transformation) << c.note;
    EXPECT_EQ(f.CleTransformee(c.transformation), "10" "0q") << c.note;
  }
}

TEST(FusekiCode, SymmetryMask) {
  struct Cas {
    const char* note;
    std::vector<std::pair<int, int>> noirs;
    int masque;
  };
  const Cas cas[] = {
      {"empty board", {}, 15},
      {"tengen", {{10, 10}}, 15},
      {"4-4 on the main diagonal", {{16, 16}}, 8},
      {"4-4 on the anti-diagonal", {{4, 16}}, 4},
      {"two star points on one side", {{4, 4}, {4, 16}}, 2},
      {"two star points on the other side", {{4, 4}, {16, 4}}, 1},
      {"3-4 point", {{3, 4}}, 0},
  };
  TFuseki f(19);
  for (const Cas& c : cas) {
    TPlateau p = plateauvide();
    for (auto [r, k] : c.noirs) p[indexcase(r, k)] = NOIR;
    EXPECT_EQ(f.Symetries(p), c.masque) << c.note;
  }
}

// ---- Suggestions ----------------------------------------------------------------

TEST(FusekiSuggestions, EmptyBoardGivesTheFirstLineWithAllMirrors) {
  TFuseki f(19);
  chargesource(f, "D4\nC4\n");  // (4,4) and (3,4) for black on the empty board
  for (uint8_t couleur : {NOIR, BLANC}) {
    TMarques carte;
    int32_t nombre = -1;
    f.CoupsSuggeres(couleur, 19, nombre, carte, plateauvide());
    Points attendu;
    for (int s = 0; s < 8; ++s) {
      attendu.insert(symetrie(s, 4, 4));
      attendu.insert(symetrie(s, 3, 4));
    }
    EXPECT_EQ(marques(carte), attendu);
    EXPECT_EQ(nombre, 12);
    for (auto [r, c] : attendu) EXPECT_EQ(carte[indexcase(r, c)], 1);
  }
}

TEST(FusekiSuggestions, FollowsTheBoardSymmetryAndTheColourExchange) {
  TFuseki f(19);
  chargesource(f, "Q16 C4 R3\n");  // black answers at (17, 3)
  for (int s = 0; s < 8; ++s) {
    for (bool echange : {false, true}) {
      const uint8_t moi = echange ? BLANC : NOIR;
      TPlateau p = plateauvide();
      auto [r1, c1] = symetrie(s, 16, 16);
      auto [r2, c2] = symetrie(s, 3, 4);
      p[indexcase(r1, c1)] = moi;
      p[indexcase(r2, c2)] = static_cast<uint8_t>(1 - moi);
      TMarques carte;
      int32_t nombre = 0;
      f.CoupsSuggeres(moi, 19, nombre, carte, p);
      EXPECT_EQ(marques(carte), Points{symetrie(s, 17, 3)}) << "symmetry " << s << " exchanged " << echange;
      EXPECT_EQ(nombre, 1);
      // The other side has no move in this line.
      f.CoupsSuggeres(static_cast<uint8_t>(1 - moi), 19, nombre, carte, p);
      EXPECT_EQ(nombre, 0);
      EXPECT_EQ(marques(carte), Points{});
    }
  }
}

TEST(FusekiSuggestions, SymmetricPositionGetsTheMirrorOfEachMove) {
  TFuseki f(19);
  chargesource(f, "Q16 R14\n");  // white approaches the 4-4 from one side
  TPlateau p = plateauvide();
  p[indexcase(16, 16)] = NOIR;
  TMarques carte;
  int32_t nombre = 0;
  f.CoupsSuggeres(BLANC, 19, nombre, carte, p);
  EXPECT_EQ(marques(carte), (Points{{14, 17}, {17, 14}}));
  EXPECT_EQ(nombre, 2);
}

TEST(FusekiSuggestions, LineWithBothColoursServesEachSideItsOwn) {
  // After a black setup stone white moves; in an even game black moves there too.
  TFuseki f(19);
  chargesource(f, "+Q16 D4\nQ16 - D16\n");
  TPlateau p = plateauvide();
  p[indexcase(4, 16)] = NOIR;  // the same stone, rotated
  TMarques carte;
  int32_t nombre = 0;
  f.CoupsSuggeres(BLANC, 19, nombre, carte, p);
  EXPECT_EQ(marques(carte), Points{symetrie(2, 4, 4)});  // rows flipped: (16, 4)
  f.CoupsSuggeres(NOIR, 19, nombre, carte, p);
  // (16, 16), and its mirror (4, 4) on the axis through the stone.
  EXPECT_EQ(marques(carte), (Points{symetrie(2, 4, 16), {4, 4}}));
}

TEST(FusekiSuggestions, UnknownPositionAndMissingItemGiveNothing) {
  TFuseki f(19);
  chargesource(f, "Q16 C4 R3\n");
  TPlateau p = plateauvide();
  p[indexcase(10, 11)] = NOIR;
  TMarques carte;
  carte.fill(7);
  int32_t nombre = -1;
  f.CoupsSuggeres(BLANC, 19, nombre, carte, p);
  EXPECT_EQ(nombre, 0);
  EXPECT_EQ(marques(carte), Points{});

  chargefuseki(13);  // there is no "FUSEKI13": an empty library, asked safely
  ASSERT_NE(bibliofuseki, nullptr);
  EXPECT_EQ(bibliofuseki->taille, 13);
  EXPECT_EQ(bibliofuseki->NombreLignes(), 0);
  bibliofuseki->CoupsSuggeres(NOIR, 13, nombre, carte, plateauvide());
  EXPECT_EQ(nombre, 0);
  liberefuseki();
  EXPECT_EQ(bibliofuseki, nullptr);
  liberefuseki();  // twice is harmless
}

TEST(FusekiSuggestions, MalformedMovesNeverLeaveTheBoard) {
  // Column 0 and row 31 decode off the board.
  TFuseki f(19);
  ASSERT_TRUE(f.ChargeFlux(octets(table({{"", std::string("\x20\x24\x3f\x24\x24\x24")}}))));
  TMarques carte;
  int32_t nombre = 0;
  f.CoupsSuggeres(NOIR, 19, nombre, carte, plateauvide());
  Points attendu;
  for (int s = 0; s < 8; ++s) attendu.insert(symetrie(s, 4, 4));
  EXPECT_EQ(marques(carte), attendu);
}

}  // namespace
