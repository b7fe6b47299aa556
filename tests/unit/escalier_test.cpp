// Ladder reading: the cases of tests/data/escaliers.txt (textbook ladders,
// breakers, escapes by capture, edge ladders), the liberty flood, and a seeded
// check that every call leaves the board and the chain table as it found them.
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
  EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts)) << "dead marks changed by the ladder";
  EXPECT_TRUE(fixture::memesplateaux(avant, p)) << "board changed by the ladder at " << r << "," << c;
  EXPECT_EQ(infochaine, chaines) << "chain table changed by the ladder at " << r << "," << c;
  EXPECT_EQ(compteurnoeudsprise, noeuds) << "inconsistent flood reported";
  return res;
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
  EXPECT_TRUE(fixture::memesplateaux(avant, p)) << "board changed by lectureesca";
  return res == ESCALIERPRIS;
}

// True when the step count of the last reading meets "nodes>N" or "nodes=N".
bool noeudsconformes(const std::string& borne) {
  const int n = std::stoi(borne.substr(6));
  return borne[5] == '>' ? noeudsescalier > n : noeudsescalier == n;
}

// The ladder cases: blocks of "case <name>: <why>", the diagram, and
// "test <row> <col> <X|O> <caught|escapes> [nodes>N|nodes=N]".
TEST(Escalier, Cases) {
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/escaliers.txt");
  ASSERT_TRUE(f) << "tests/data/escaliers.txt missing";
  std::string ligne, nom, diagramme;
  int blocs = 0, cas = 0;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    if (ligne.rfind("case ", 0) == 0) {
      nom = ligne.substr(5);
      diagramme.clear();
      ++blocs;
    } else if (ligne.rfind("test ", 0) == 0) {
      std::istringstream in(ligne.substr(5));
      int r = 0, c = 0;
      std::string couleur, attendu, noeuds;
      in >> r >> c >> couleur >> attendu >> noeuds;
      ASSERT_TRUE(couleur == "X" || couleur == "O") << nom;
      ASSERT_TRUE(attendu == "caught" || attendu == "escapes") << nom;
      ASSERT_TRUE(noeuds.empty() || (noeuds.size() > 6 && noeuds.rfind("nodes", 0) == 0 &&
                                     (noeuds[5] == '>' || noeuds[5] == '=')))
          << nom << ": bad step bound " << noeuds;
      TPlateau p = pose(diagramme);
      SCOPED_TRACE(nom);
      const uint8_t defenseur = couleur == "X" ? NOIR : BLANC;
      EXPECT_EQ(escalier(p, r, c, defenseur), attendu == "caught");
      if (!noeuds.empty()) {
        EXPECT_TRUE(noeudsconformes(noeuds)) << noeuds << ", read " << noeudsescalier;
      }
      // The plain-board ladder step of the status unit agrees.
      EXPECT_EQ(lectureunpas(p, r, c, defenseur), attendu == "caught");
      ++cas;
    } else {
      diagramme += ligne + "\n";
    }
  }
  EXPECT_GE(cas, blocs) << "a case without a test line";
  EXPECT_GE(blocs, 14);
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
