// Ladder reading: textbook ladders, breakers, escapes by capture, edge
// ladders, the regression file tests/data/escaliers.txt, and a seeded check
// that every call leaves the board and the chain table as it found them.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/voisin.h"
#include "engine/chains/escaliers.h"
#include "engine/reading/escalier.h"
#include "tests/support/fixture.h"

namespace {

TPlateau pose(std::string_view d) { return fixture::posemoteur(d); }

// Runs the reading and checks that board and chain table come back unchanged.
bool escalier(TPlateau& p, int r, int c, uint8_t defenseur) {
  const TPlateau avant = p;
  const TInfoChaine chaines = infochaine;
  const int32_t noeuds = compteurnoeudsprise;
  const TMarques morts = pionsmorts;
  const bool res = testescalier(p, r, c, defenseur, static_cast<uint8_t>(1 - defenseur));
  EXPECT_EQ(pionsmorts, morts) << "dead marks changed by the ladder";
  EXPECT_EQ(p, avant) << "board changed by the ladder at " << r << "," << c;
  EXPECT_EQ(infochaine, chaines) << "chain table changed by the ladder at " << r << "," << c;
  EXPECT_EQ(compteurnoeudsprise, noeuds) << "inconsistent flood reported";
  return res;
}

// Black X at (5,5) in atari at (6,5); the ladder runs down and left.
constexpr const char* kEscalier9 =
    ".........\n"
    ".........\n"
    ".........\n"
    "....O....\n"
    "...OXO...\n"
    ".....O...\n"
    ".........\n"
    ".........\n"
    ".........\n";

TEST(Escalier, TextbookLadderAndBreaker) {
  TPlateau p = pose(kEscalier9);
  EXPECT_TRUE(escalier(p, 6, 5, NOIR));
  EXPECT_GT(noeudsescalier, 4);
  // A black stone on the ladder's path breaks it.
  p[indexcase(8, 2)] = NOIR;
  calculelibertes(p);
  EXPECT_FALSE(escalier(p, 6, 5, NOIR));
  // A white stone there instead only helps the chaser.
  p[indexcase(8, 2)] = BLANC;
  calculelibertes(p);
  EXPECT_TRUE(escalier(p, 6, 5, NOIR));
}

TEST(Escalier, StepOutcomes) {
  // The extension at (3,4) would capture white (3,5): no ladder, nothing played.
  TPlateau p = pose(
      ".......\n"
      "..O.X..\n"
      ".OX.OX.\n"
      "..O.X..\n"
      ".......\n"
      ".......\n"
      ".......\n");
  EXPECT_FALSE(escalier(p, 3, 4, NOIR));
  EXPECT_EQ(noeudsescalier, 1);

  // White's extension at (1,1) is a suicide: captured.
  p = pose(
      ".OX..\n"
      "XOX..\n"
      "XX...\n"
      ".....\n"
      ".....\n");
  EXPECT_TRUE(escalier(p, 1, 1, BLANC));

  // An extension that reaches three liberties escapes.
  p = pose(
      "..O..\n"
      ".OXO.\n"
      ".....\n"
      ".....\n"
      ".....\n");
  EXPECT_FALSE(escalier(p, 3, 3, NOIR));
  // One that keeps a single liberty is captured.
  p = pose(
      "..O..\n"
      ".OXO.\n"
      ".O.O.\n"
      ".....\n"
      "..O..\n");
  EXPECT_TRUE(escalier(p, 3, 3, NOIR));
  // An occupied point is no ladder, and nothing changes.
  EXPECT_FALSE(escalier(p, 2, 3, NOIR));
}

TEST(Escalier, FloodSeesAtariAlongTheChain) {
  // The defender's liberties are not both next to the new stone; an attacker
  // chain in atari beside the old stones means escape (flood count 4).
  TPlateau p = pose(
      ".......\n"
      ".......\n"
      "..OXXO.\n"
      "..O.XO.\n"
      "...XOX.\n"
      ".....X.\n"
      ".......\n");
  TPoint a, b;
  int32_t nb = 0;
  libertesescalier(p, a, b, nb, 3, 4);
  EXPECT_EQ(nb, LIBERTESCAPTURE);  // white (5,5) is in atari next to black (4,5)
}

TEST(Escalier, EdgeLadders) {
  // On the first line the runner reaches the corner with one liberty.
  TPlateau p = pose(
      "...OX....\n"
      "....O....\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n"
      ".........\n");
  EXPECT_TRUE(escalier(p, 1, 6, NOIR));
  // A black stone on the second line near the corner saves it.
  p[indexcase(2, 8)] = NOIR;
  calculelibertes(p);
  EXPECT_FALSE(escalier(p, 1, 6, NOIR));
}

// 19x19: X at (4,4) in atari at (5,4); the ladder runs down and right to
// the far corner.
std::string escalierlong(bool casseur) {
  std::string d;
  for (int r = 1; r <= 19; ++r) {
    std::string ligne(19, '.');
    if (r == 3) ligne[3] = 'O';
    if (r == 4) ligne.replace(2, 3, "OXO");
    if (r == 5) ligne[2] = 'O';
    if (casseur && r == 17) ligne[16] = 'X';
    d += ligne + "\n";
  }
  return d;
}

TEST(Escalier, LongLadderAcrossTheBoard) {
  TPlateau p = pose(escalierlong(false));
  EXPECT_TRUE(escalier(p, 5, 4, NOIR));
  EXPECT_GT(noeudsescalier, 25);
  p = pose(escalierlong(true));
  EXPECT_FALSE(escalier(p, 5, 4, NOIR));
}

// lectureesca from the single liberty of the defender's chain, with the
// board checked unchanged.
bool lectureunpas(TPlateau& p, int r, int c, uint8_t defenseur) {
  const TPlateau avant = p;
  TMarques vu = marquesvides;
  const TVoisins& v = tablevoisins[indexcase(r, c)];
  for (int k = 0; k < v.nbvoisins; ++k) {
    const int j = indexcase(v.voisins[k][0], v.voisins[k][1]);
    if (p[j] == defenseur && !vu[j]) marquepionschaine(p, vu, 0, v.voisins[k][0], v.voisins[k][1]);
  }
  uint8_t chasseur = static_cast<uint8_t>(1 - defenseur), coureur = defenseur;
  int32_t res = 0;
  lectureesca(vu, p, chasseur, coureur, r, c, res);
  EXPECT_EQ(p, avant) << "board changed by lectureesca";
  return res == ESCALIERPRIS;
}

// The regression file: blocks of "case <name>: <why>", the diagram, and
// "test <row> <col> <X|O> <caught|escapes>".
TEST(Escalier, RegressionFile) {
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/escaliers.txt");
  ASSERT_TRUE(f) << "tests/data/escaliers.txt missing";
  std::string ligne, nom, diagramme;
  int cas = 0;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    if (ligne.rfind("case ", 0) == 0) {
      nom = ligne.substr(5);
      diagramme.clear();
    } else if (ligne.rfind("test ", 0) == 0) {
      std::istringstream in(ligne.substr(5));
      int r = 0, c = 0;
      std::string couleur, attendu;
      in >> r >> c >> couleur >> attendu;
      ASSERT_TRUE(couleur == "X" || couleur == "O") << nom;
      ASSERT_TRUE(attendu == "caught" || attendu == "escapes") << nom;
      TPlateau p = pose(diagramme);
      SCOPED_TRACE(nom);
      const uint8_t defenseur = couleur == "X" ? NOIR : BLANC;
      EXPECT_EQ(escalier(p, r, c, defenseur), attendu == "caught");
      // The plain-board ladder step of the status unit agrees.
      EXPECT_EQ(lectureunpas(p, r, c, defenseur), attendu == "caught");
      ++cas;
    } else {
      diagramme += ligne + "\n";
    }
  }
  EXPECT_GE(cas, 5);
}

// Seeded random positions: every chain in atari is read; the board and the
// chain table must come back byte for byte, captures on the way included.
TEST(Escalier, RestoresOnRandomPositions) {
  std::mt19937 gen(6123);
  int lectures = 0;
  for (int partie = 0; partie < 40; ++partie) {
    const int n = partie % 2 ? 9 : 13;
    configmoteur.taille = n;
    construittables(n);
    TPlateau p = plateauvide();
    infochaine = infochainevide;
    TListePoints prises{};
    std::uniform_int_distribution<int> d(1, n);
    for (int k = 0; k < n * n / 2; ++k) {
      jouecoup(prises, CAPACITELISTE, p, d(gen), d(gen), static_cast<uint8_t>(k % 2),
               static_cast<uint8_t>(1 - k % 2));
    }
    ASSERT_TRUE(infochainecoherente(p));
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) {
        const int i = indexcase(r, c);
        if (p[i] == VIDE || infochaine[i][0] != 1 || infochaine[i][1] == 0) continue;
        const TPoint lib = premiereliberte(p, r, c);
        escalier(p, lib.ligne, lib.colonne, p[i]);
        ASSERT_TRUE(infochainecoherente(p));
        if (noeudsescalier > 2) ++lectures;
      }
  }
  EXPECT_GT(lectures, 10);  // the positions hold real ladders, not only one-step answers
}

}  // namespace
