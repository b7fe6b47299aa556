// The block format shared by the test data files of the readings: a block
// opens with "case NAME", ends at a blank line or the next "case"; "note ..."
// says why the case matters; "board" is followed by the diagram rows (X, O,
// . or +, square); '#' starts a comment line. Each suite reads its own
// keywords. No test framework here: the benchmarks read the suites too.
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/types.h"

namespace suites {

// Path of a file of the source tree ("tests/data/..."), from this header's own path.
inline std::string chemin(const char* relatif) {
  std::string f = __FILE__;
  const auto k = f.rfind("tests/unit/");
  return (k == std::string::npos ? std::string() : f.substr(0, k)) + relatif;
}

// "none" or "row col".
inline TPoint litpoint(std::istringstream& mots) {
  std::string s;
  mots >> s;
  TPoint m{};
  if (s != "none" && !s.empty()) {
    m.ligne = std::stoi(s);
    mots >> m.colonne;
  }
  return m;
}

// "row col".
inline TPoint litcoordonnees(std::istringstream& mots) {
  TPoint q;
  mots >> q.ligne >> q.colonne;
  return q;
}

// Reads the blocks of `fichier`. `Cas` has nom, note, plateau, taille and
// erreur. mot(c, word, rest) reads one of the suite's own keywords and
// answers false for a word it does not know (the block is then malformed);
// valide(c) checks a block whose diagram is complete.
template <class Cas, class Mot, class Valide>
std::vector<Cas> litblocs(const std::string& fichier, Mot&& mot, Valide&& valide) {
  std::vector<Cas> cas;
  std::ifstream in(fichier);
  std::string ligne;
  Cas c;
  bool ouvert = false, diagramme = false;
  int32_t rang = 0;
  const auto ferme = [&] {
    if (ouvert) {
      if (c.taille == 0 || rang != c.taille) c.erreur = "diagram";
      else valide(c);
      cas.push_back(c);
    }
    c = Cas{};
    ouvert = diagramme = false;
    rang = 0;
  };
  while (std::getline(in, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (!ligne.empty() && ligne[0] == '#') continue;
    if (ligne.empty()) {
      ferme();
      continue;
    }
    std::istringstream mots(ligne);
    std::string m;
    mots >> m;
    if (diagramme && m.find_first_not_of("XO.+") == std::string::npos && m.size() == ligne.size()) {
      if (c.taille == 0) c.taille = static_cast<int32_t>(m.size());
      if (static_cast<int32_t>(m.size()) != c.taille || rang >= c.taille || c.taille > TAILLEMAX) {
        c.erreur = "diagram";
        continue;
      }
      ++rang;
      for (int32_t k = 0; k < c.taille; ++k)
        c.plateau[indexcase(rang, k + 1)] = m[k] == 'X' ? NOIR : m[k] == 'O' ? BLANC : VIDE;
      continue;
    }
    diagramme = false;
    if (m == "case") {
      ferme();
      ouvert = true;
      mots >> c.nom;
    } else if (m == "note") {
      std::getline(mots, c.note);
    } else if (m == "board") {
      diagramme = true;
    } else if (!mot(c, m, mots)) {
      c.erreur = "line: " + ligne;
    }
  }
  ferme();
  return cas;
}

}  // namespace suites
