// The status cases of tests/data/statut.txt: the full status pass (both
// colours with the save flag, then seki detection) on each position, its
// status map printed as a grid and compared with the case's.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"
#include "tests/support/fixture.h"

namespace {

struct CasStatut {
  std::string nom, pourquoi, diagramme, attendu;
  int32_t mode = 0, ligne = 0, colonne = 0;
  uint8_t trait = VIDE;
};

std::vector<CasStatut> litcas() {
  std::vector<CasStatut> cas;
  std::ifstream f(std::string(SOURCE_DIR) + "/tests/data/statut.txt");
  std::string ligne;
  enum { rien, diagramme, attendu } partie = rien;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') {
      partie = rien;
      continue;
    }
    if (ligne.rfind("case ", 0) == 0) {
      CasStatut c;
      const size_t deux = ligne.find(':');
      c.nom = ligne.substr(5, deux - 5);
      c.pourquoi = deux == std::string::npos ? "" : ligne.substr(deux + 2);
      cas.push_back(c);
      partie = diagramme;
    } else if (ligne.rfind("pass ", 0) == 0) {
      std::istringstream l(ligne.substr(5));
      int t = VIDE;
      l >> cas.back().mode >> cas.back().ligne >> cas.back().colonne >> t;
      cas.back().trait = static_cast<uint8_t>(t);
    } else if (ligne == "expect") {
      partie = attendu;
    } else if (partie == diagramme) {
      cas.back().diagramme += ligne + "\n";
    } else if (partie == attendu) {
      cas.back().attendu += ligne + "\n";
    }
  }
  return cas;
}

// X O living, x o dead, b w in seki, . empty.
std::string grillestatut(const TPlateau& p, int n) {
  std::string s;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int j = indexcase(r, c);
      char ch = '.';
      if (p[j] != VIDE) {
        const bool noir = p[j] == NOIR;
        if (valeurssurvie[j] == -6) ch = noir ? 'b' : 'w';
        else if (pionsmorts[j]) ch = noir ? 'x' : 'o';
        else ch = noir ? 'X' : 'O';
      }
      s += ch;
    }
    s += '\n';
  }
  return s;
}

TEST(Statut, CasesOfTheDataFile) {
  const std::vector<CasStatut> cas = litcas();
  ASSERT_FALSE(cas.empty()) << "tests/data/statut.txt missing or empty";
  for (const CasStatut& k : cas) {
    TPlateau p = fixture::posemoteur(k.diagramme);
    const int n = configmoteur.taille;
    for (TMarques* m : {&pionsmortsavant, &marquesglobales, &pionsmortsbis, &pionsmortssauves}) m->fill(0);
    plateaudepart = p;
    peintmortsavant = 1;
    flagmarquesmorts = 0;
    sansstatut = 0;
    tableessaiscourante = 0;
    const TPlateau avant = p;
    const TInfoChaine chaines = infochaine;
    int32_t compte = 0;
    detectetatchaines(compte, p, k.mode, k.ligne, k.colonne, 1, k.trait);
    valeurssurvie.fill(0);
    tableessaiscourante = 1;
    int32_t seki = 0;
    detectsekiessais(seki, pionsmortsavant, p, 0, 0, 0);
    tableessaiscourante = 0;
    EXPECT_TRUE(fixture::memesplateaux(avant, p)) << k.nom;
    EXPECT_EQ(infochaine, chaines) << k.nom;
    EXPECT_TRUE(fixture::memesgrilles(k.attendu, grillestatut(p, n))) << k.nom << ": " << k.pourquoi;
  }
  valeurssurvie.fill(0);
}

}  // namespace
