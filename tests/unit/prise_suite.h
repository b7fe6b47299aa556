// Reader of the capture-reading tactical suite (tests/data/prise/tactique.txt),
// shared by the table-driven test and the benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "tests/unit/suite_blocs.h"

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

inline std::string chemin() { return suites::chemin("tests/data/prise/tactique.txt"); }

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  return suites::litblocs<Cas>(
      fichier,
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        if (mot == "chain") {
          mots >> c.ligne >> c.colonne;
        } else if (mot == "tomove") {
          std::string s;
          mots >> s;
          c.premier = s == "O" ? BLANC : NOIR;
        } else if (mot == "ko") {
          c.ko = suites::litpoint(mots);
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
          return false;
        }
        return true;
      },
      [](Cas&) {});
}

}  // namespace suiteprise
