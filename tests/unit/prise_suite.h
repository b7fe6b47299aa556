// Reader of the capture-reading tactical suite (tests/data/prise/tactique.txt),
// shared by the table-driven test and the benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/types.h"

namespace suiteprise {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  int32_t ligne = 0, colonne = 0;
  uint8_t premier = NOIR;  // side that moves first
  TPoint ko{};
  int32_t profondeur = 11, limite = 5, niveau = 7;
  bool prise = false;
  bool echelle = false;     // the answer needs the ladder reading
  std::string erreur;      // non-empty when the block is malformed
};

// Path of the suite next to the source tree, from this header's own path.
inline std::string chemin() {
  std::string f = __FILE__;
  const auto k = f.rfind("tests/unit/");
  return (k == std::string::npos ? std::string() : f.substr(0, k)) + "tests/data/prise/tactique.txt";
}

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  std::vector<Cas> cas;
  std::ifstream in(fichier);
  std::string ligne;
  Cas c;
  bool ouvert = false, diagramme = false;
  int32_t rang = 0;
  auto ferme = [&] {
    if (ouvert) {
      if (c.taille == 0 || rang != c.taille) c.erreur = "diagram";
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
    std::string mot;
    mots >> mot;
    if (diagramme && mot.find_first_not_of("XO.+") == std::string::npos && mot.size() == ligne.size()) {
      if (c.taille == 0) c.taille = static_cast<int32_t>(mot.size());
      if (static_cast<int32_t>(mot.size()) != c.taille || rang >= c.taille || c.taille > TAILLEMAX) {
        c.erreur = "diagram";
        continue;
      }
      ++rang;
      for (int32_t k = 0; k < c.taille; ++k)
        c.plateau[indexcase(rang, k + 1)] = mot[k] == 'X' ? NOIR : mot[k] == 'O' ? BLANC : VIDE;
      continue;
    }
    diagramme = false;
    if (mot == "case") {
      ferme();
      ouvert = true;
      mots >> c.nom;
    } else if (mot == "note") {
      std::getline(mots, c.note);
    } else if (mot == "board") {
      diagramme = true;
    } else if (mot == "chain") {
      mots >> c.ligne >> c.colonne;
    } else if (mot == "tomove") {
      std::string s;
      mots >> s;
      c.premier = s == "O" ? BLANC : NOIR;
    } else if (mot == "ko") {
      std::string s;
      mots >> s;
      if (s != "none") {
        c.ko.ligne = std::stoi(s);
        mots >> c.ko.colonne;
      }
    } else if (mot == "depth") {
      std::string l;
      mots >> c.profondeur >> l >> c.limite;
    } else if (mot == "needs") {
      std::string s;
      mots >> s;
      c.echelle = s == "ladder";
      if (!c.echelle) c.erreur = "needs";
    } else if (mot == "level") {
      mots >> c.niveau;
    } else if (mot == "expect") {
      std::string s;
      mots >> s;
      c.prise = s == "captured";
      if (s != "captured" && s != "lives") c.erreur = "expect";
    } else {
      c.erreur = "line: " + ligne;
    }
  }
  ferme();
  return cas;
}

}  // namespace suiteprise
