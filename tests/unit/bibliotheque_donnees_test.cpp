// The shipped library items: every format rule, regeneration from the
// sources, and a few answers a player would expect.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/opening/joseki.h"
#include "platform/platform.h"
#include "tools/genbibliotheques.h"

namespace {

std::string item(const char* nom) {
  const auto d = platform::donnee(nom);
  return std::string(reinterpret_cast<const char*>(d.data()), d.size());
}

struct Pierre {
  int l, c;
  uint8_t couleur;
};

// Decodes a key or a value; fails on an odd length or a byte outside the code.
::testing::AssertionResult decode(std::string_view texte, std::vector<Pierre>& out) {
  out.clear();
  if (texte.size() % 2 != 0) return ::testing::AssertionFailure() << "odd length";
  for (std::size_t i = 0; i < texte.size(); i += 2) {
    const auto o1 = static_cast<uint8_t>(texte[i]), o2 = static_cast<uint8_t>(texte[i + 1]);
    const bool o2ok = (o2 >= 0x21 && o2 <= 0x33) || (o2 >= 0x61 && o2 <= 0x73);
    if (o1 < 0x21 || o1 > 0x33 || !o2ok) return ::testing::AssertionFailure() << "byte outside the point code";
    Pierre p{};
    TFuseki::DecodeCase(o1, o2, p.couleur, p.c, p.l);
    out.push_back(p);
  }
  return ::testing::AssertionSuccess();
}

// Splits an item into lines, checking the CR LF ends and the one separator.
std::vector<std::string> lignes(const std::string& texte) {
  std::vector<std::string> out;
  EXPECT_FALSE(texte.empty());
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t fin = texte.find("\r\n", debut);
    if (fin == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    std::string l = texte.substr(debut, fin - debut);
    EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << "stray line end in line " << out.size();
    EXPECT_EQ(std::count(l.begin(), l.end(), '\x80'), 1) << "line " << out.size();
    out.push_back(std::move(l));
    debut = fin + 2;
  }
  return out;
}

// Rules shared by both items; returns the positions and moves of each line.
struct Ligne {
  std::vector<Pierre> cle, valeur;
  TPlateau plateau;
};
std::vector<Ligne> verifie(const std::string& texte) {
  std::vector<Ligne> out;
  const auto ls = lignes(texte);
  for (std::size_t i = 0; i < ls.size(); ++i) {
    const std::string_view cle = TFuseki::PartieCle(ls[i]), valeur = TFuseki::PartieValeur(ls[i]);
    if (i > 0) {
      EXPECT_LT(comparecles(TFuseki::PartieCle(ls[i - 1]), cle), 0) << "keys out of order at line " << i;
    }
    Ligne l;
    EXPECT_TRUE(decode(cle, l.cle)) << "key of line " << i;
    EXPECT_TRUE(decode(valeur, l.valeur)) << "value of line " << i;
    l.plateau = plateauvide();
    for (const Pierre& p : l.cle) {
      EXPECT_TRUE(p.l >= 1 && p.l <= 19 && p.c >= 1 && p.c <= 19) << "line " << i;
      l.plateau[indexcase(p.l, p.c)] = p.couleur;
    }
    std::set<std::pair<int, int>> vus;
    for (const Pierre& m : l.valeur) {
      EXPECT_TRUE(m.l >= 1 && m.l <= 19 && m.c >= 1 && m.c <= 19) << "line " << i;
      EXPECT_EQ(l.plateau[indexcase(m.l, m.c)], VIDE) << "move on a stone, line " << i;
      EXPECT_TRUE(vus.insert({m.l * 2 + m.couleur, m.c}).second) << "move twice in line " << i;
    }
    out.push_back(std::move(l));
  }
  return out;
}

TEST(LibraryData, FusekiItemKeepsEveryFormatRule) {
  const auto ls = verifie(item("FUSEKI19"));
  ASSERT_GT(ls.size(), 1u);
  EXPECT_TRUE(ls[0].cle.empty()) << "the empty board is the first line";
  TFuseki f(19);
  bool deuxcouleurs = false, symetrique = false;
  for (std::size_t i = 0; i < ls.size(); ++i) {
    EXPECT_FALSE(ls[i].valeur.empty()) << "line " << i;
    // A key is its own normalised position, in scan order.
    const int t = f.Normalise(ls[i].plateau);
    EXPECT_EQ(f.CleTransformee(t), f.CodePosition(ls[i].plateau)) << "line " << i;
    std::set<uint8_t> couleurs;
    for (const Pierre& m : ls[i].valeur) couleurs.insert(m.couleur);
    deuxcouleurs |= couleurs.size() == 2;
    symetrique |= !ls[i].cle.empty() && f.Symetries(ls[i].plateau) != 0;
  }
  EXPECT_TRUE(deuxcouleurs) << "some position is met with either side to move";
  EXPECT_TRUE(symetrique) << "some position is symmetric";
}

TEST(LibraryData, JosekiItemKeepsEveryFormatRule) {
  const auto ls = verifie(item("JOSEKI"));
  ASSERT_GT(ls.size(), 1u);
  EXPECT_TRUE(ls[0].cle.empty()) << "the empty corner is the first line";
  EXPECT_FALSE(ls[0].valeur.empty());
  TJoseki j(19);
  int sansmoves = 0;
  bool deuxcouleurs = false;
  for (std::size_t i = 0; i < ls.size(); ++i) {
    for (const Pierre& p : ls[i].cle) EXPECT_TRUE(p.l >= 10 && p.c >= 10) << "stone outside the frame corner, line " << i;
    for (const Pierre& m : ls[i].valeur) EXPECT_TRUE(m.l >= 10 && m.c >= 10) << "move outside the frame corner, line " << i;
    // Normalised and in shell order: the key is what a lookup would build.
    int t = 0;
    std::string cle;
    j.CleCoin(ls[i].plateau, t, cle);
    std::string attendu;
    for (const Pierre& p : ls[i].cle) {
      uint8_t o1 = 0, o2 = 0;
      TFuseki::CodeCase(p.l, p.c, p.couleur, o1, o2);
      attendu += static_cast<char>(o1);
      attendu += static_cast<char>(o2);
    }
    EXPECT_EQ(cle, attendu) << "line " << i;
    sansmoves += ls[i].valeur.empty();
    std::set<uint8_t> couleurs;
    for (const Pierre& m : ls[i].valeur) couleurs.insert(m.couleur);
    deuxcouleurs |= couleurs.size() == 2;
  }
  EXPECT_GT(sansmoves, 0) << "end positions have lines without moves";
  EXPECT_TRUE(deuxcouleurs) << "some corner is met with either side to move";
}

TEST(LibraryData, RegeneratingGivesTheSameBytes) {
  const std::filesystem::path src = std::filesystem::path(SOURCE_DIR) / "data" / "src";
  for (auto [prefixe, joseki, nom] : {std::tuple{"fuseki19", false, "FUSEKI19"}, {"joseki", true, "JOSEKI"}}) {
    const auto res = genbibliotheques::genere(genbibliotheques::lissources(src, prefixe), joseki);
    ASSERT_EQ(res.erreur, "") << nom;
    EXPECT_TRUE(res.item == item(nom)) << nom << ": run tools/genbibliotheques and commit data/";
  }
}

TEST(LibraryData, StartUpLoadsBothLibraries) {
  chargefuseki(19);
  chargejoseki(19);
  ASSERT_NE(bibliofuseki, nullptr);
  ASSERT_NE(bibliojoseki, nullptr);
  EXPECT_EQ(bibliofuseki->taille, 19);
  EXPECT_EQ(bibliojoseki->taille, 19);
  EXPECT_EQ(bibliojoseki->regioncoin, 10);
  EXPECT_GT(bibliofuseki->NombreLignes(), 1);
  EXPECT_GT(bibliojoseki->NombreLignes(), 1);
  liberefuseki();
  liberejoseki();
  EXPECT_EQ(bibliofuseki, nullptr);
  EXPECT_EQ(bibliojoseki, nullptr);
}

TEST(LibraryData, FirstMovesAreCornerPointsOfTheThirdAndFourthLines) {
  chargefuseki(19);
  for (uint8_t couleur : {NOIR, BLANC}) {
    TMarques carte;
    int32_t nombre = 0;
    bibliofuseki->CoupsSuggeres(couleur, 19, nombre, carte, plateauvide());
    EXPECT_GE(nombre, 4);
    for (int r = 1; r <= 19; ++r)
      for (int c = 1; c <= 19; ++c) {
        if (!carte[indexcase(r, c)]) continue;
        const int lr = std::min(r, 20 - r), lc = std::min(c, 20 - c);
        EXPECT_TRUE((lr == 3 || lr == 4) && (lc == 3 || lc == 4)) << "(" << r << ", " << c << ")";
      }
  }
  liberefuseki();
}

TEST(LibraryData, ApproachToAFourFourStoneGetsTheUsualAnswers) {
  // Black 4-4 in the upper-left corner, white's low approach along row 3.
  chargejoseki(19);
  TPlateau p = plateauvide();
  p[indexcase(4, 4)] = NOIR;
  p[indexcase(3, 6)] = BLANC;
  TMarques carte;
  int32_t nombre = 0;
  bibliojoseki->CoupsSuggeres(NOIR, 19, nombre, carte, p);
  struct Cas {
    int l, c;
    const char* note;
  };
  const Cas cas[] = {
      {6, 3, "knight's move on the other side"},
      {6, 4, "one-space jump on the other side"},
      {3, 5, "diagonal attachment"},
      {4, 6, "attach on top"},
      {3, 8, "one-space low pincer"},
      {3, 9, "two-space low pincer"},
      {4, 8, "one-space high pincer"},
  };
  // Bit 1 (black's move) in corner 1; no reduced region. The knight's move
  // is also white's double approach, so it may carry bit 2 as well.
  for (const Cas& c : cas) EXPECT_EQ(carte[indexcase(c.l, c.c)] & ~2, 128 + 1) << c.note;
  EXPECT_EQ(carte[indexcase(4, 4)], 128);
  EXPECT_EQ(carte[indexcase(3, 6)], 128);
  // A stone on the tenth lines hides the corner from the full region; the
  // region of 9 still knows it.
  p[indexcase(10, 10)] = BLANC;
  bibliojoseki->CoupsSuggeres(NOIR, 19, nombre, carte, p);
  for (const Cas& c : cas) EXPECT_EQ(carte[indexcase(c.l, c.c)] & ~2, 128 + 4 + 1) << c.note;
  EXPECT_EQ(carte[indexcase(10, 10)], 0);
  // The colours exchanged: the library has it only with black on the 4-4.
  TPlateau q = plateauvide();
  q[indexcase(4, 4)] = BLANC;
  q[indexcase(3, 6)] = NOIR;
  bibliojoseki->CoupsSuggeres(BLANC, 19, nombre, carte, q);
  for (const Cas& c : cas) EXPECT_EQ(carte[indexcase(c.l, c.c)] & ~2, 128 + 1) << c.note << ", exchanged";
  liberejoseki();
}

}  // namespace
