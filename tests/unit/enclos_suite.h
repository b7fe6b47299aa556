// Reader of the enclosed-chain suite (tests/data/enclos.txt) and the engine
// set-up of one case, shared by the table-driven test and the benchmark. No
// test framework here.
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/types.h"
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

// Path of the suite next to the source tree, from this header's own path.
inline std::string chemin() {
  std::string f = __FILE__;
  const auto k = f.rfind("tests/unit/");
  return (k == std::string::npos ? std::string() : f.substr(0, k)) + "tests/data/enclos.txt";
}

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
      else if (c.ligne < 1 || c.ligne > c.taille || c.colonne < 1 || c.colonne > c.taille)
        c.erreur = "chain";
      else if (c.attendu < 0)
        c.erreur = "expect";
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
    } else if (mot == "last") {
      std::string s;
      mots >> s;
      c.dernier = s == "O" ? BLANC : NOIR;
    } else if (mot == "level") {
      mots >> c.niveau;
    } else if (mot == "ko") {
      c.ko = litpoint(mots);
    } else if (mot == "trigger") {
      c.declencheur = litpoint(mots);
    } else if (mot == "dead") {
      c.morts.push_back(litpoint(mots));
    } else if (mot == "zoneonly") {
      c.zoneseule = 1;
    } else if (mot == "expect") {
      mots >> c.attendu;
    } else {
      c.erreur = "line: " + ligne;
    }
  }
  ferme();
  return cas;
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
