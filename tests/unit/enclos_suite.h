// Reader of the enclosed-chain suite (tests/data/enclos.txt) and the engine
// set-up of one case, shared by the table-driven test and the benchmark. No
// test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/types.h"
#include "tests/unit/suite_blocs.h"
#include "engine/board/voisin.h"

namespace suiteenclos {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  int32_t ligne = 0, colonne = 0;  // a stone of the chain
  uint8_t dernier = NOIR;          // the side that has just moved
  int32_t niveau = 7;
  TPoint ko{};                     // the point the first mover may not play
  TPoint declencheur{};            // trigger point, (0, 0) none
  std::vector<TPoint> morts;       // chains marked dead beforehand (pionsmorts)
  uint8_t zoneseule = 0;
  int32_t attendu = -1;
  std::string erreur;              // non-empty when the block is malformed
};

inline std::string chemin() { return suites::chemin("tests/data/enclos.txt"); }

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  return suites::litblocs<Cas>(
      fichier,
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        if (mot == "chain") {
          mots >> c.ligne >> c.colonne;
        } else if (mot == "last") {
          std::string s;
          mots >> s;
          c.dernier = s == "O" ? BLANC : NOIR;
        } else if (mot == "level") {
          mots >> c.niveau;
        } else if (mot == "ko") {
          c.ko = suites::litpoint(mots);
        } else if (mot == "trigger") {
          c.declencheur = suites::litpoint(mots);
        } else if (mot == "dead") {
          c.morts.push_back(suites::litpoint(mots));
        } else if (mot == "zoneonly") {
          c.zoneseule = 1;
        } else if (mot == "expect") {
          mots >> c.attendu;
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        if (c.ligne < 1 || c.ligne > c.taille || c.colonne < 1 || c.colonne > c.taille) c.erreur = "chain";
        else if (c.attendu < 0) c.erreur = "expect";
      });
}

// Puts the engine on the case: size, tables, chain table, level, no dead
// marks but the case's, no living groups. Returns the board.
inline TPlateau prepare(const Cas& c) {
  configmoteur.taille = c.taille;
  construittables(c.taille);
  TPlateau p = c.plateau;
  calculelibertes(p);
  niveau = c.niveau;
  pointko = TPoint{};
  pionsmorts.fill(0);
  marquesglobales.fill(0);
  for (const TPoint& m : c.morts) marquechaine(p, m.ligne, m.colonne);
  return p;
}

}  // namespace suiteenclos
