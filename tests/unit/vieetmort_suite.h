// Reader of the life-and-death suite of testvieetmort (tests/data/vieetmort.txt)
// and the engine set-up of one case, shared by the table-driven test and the
// benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/parcours.h"
#include "engine/board/types.h"
#include "tests/unit/suite_blocs.h"
#include "engine/board/voisin.h"
#include "engine/reading/vieetmort.h"

namespace suitevie {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  int32_t ligne = 0, colonne = 0;  // a stone of the chain read
  uint8_t trait = NOIR;            // the side that moves first
  std::vector<TPoint> faibles;     // further chains with a negative value
  std::vector<TPoint> morts;       // chains marked in pionsmorts
  TPoint point{};                  // the point asked about, (0, 0) none
  TPoint ko{};                     // the engine's ko point
  int32_t niveau = 7;
  bool statique = false;           // answered without a move tried
  int32_t attendu = 0;
  bool lu = false;                 // an expect line was read
  std::string erreur;              // non-empty when the block is malformed

  // The colour that has just moved: the other one.
  uint8_t dernier() const { return static_cast<uint8_t>(1 - trait); }
};

inline std::string chemin() { return suites::chemin("tests/data/vieetmort.txt"); }

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  return suites::litblocs<Cas>(
      fichier,
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        if (mot == "chain") {
          mots >> c.ligne >> c.colonne;
        } else if (mot == "tomove") {
          std::string s;
          mots >> s;
          c.trait = s == "O" ? BLANC : NOIR;
          if (s != "O" && s != "X") c.erreur = "tomove";
        } else if (mot == "weak") {
          c.faibles.push_back(suites::litcoordonnees(mots));
        } else if (mot == "dead") {
          c.morts.push_back(suites::litcoordonnees(mots));
        } else if (mot == "point") {
          c.point = suites::litcoordonnees(mots);
        } else if (mot == "ko") {
          c.ko = suites::litcoordonnees(mots);
        } else if (mot == "level") {
          mots >> c.niveau;
        } else if (mot == "static") {
          c.statique = true;
        } else if (mot == "expect") {
          std::string s;
          mots >> s;
          c.lu = true;
          if (s == "alive") c.attendu = VIEVIVANTE;
          else if (s == "dead") c.attendu = VIEMORTE;
          else if (s == "toolarge") c.attendu = VIETROPGRANDE;
          else if (s == "outside") c.attendu = VIEAILLEURS;
          else c.erreur = "expect";
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        const auto dedans = [&](const TPoint& q) {
          return q.ligne >= 1 && q.ligne <= c.taille && q.colonne >= 1 && q.colonne <= c.taille;
        };
        if (!dedans({c.ligne, c.colonne}) || c.plateau[indexcase(c.ligne, c.colonne)] == VIDE)
          c.erreur = "chain";
        else if (!c.lu)
          c.erreur = "expect";
        for (const auto& q : c.faibles)
          if (!dedans(q) || c.plateau[indexcase(q.ligne, q.colonne)] == VIDE) c.erreur = "weak";
        for (const auto& q : c.morts)
          if (!dedans(q) || c.plateau[indexcase(q.ligne, q.colonne)] == VIDE) c.erreur = "dead";
      });
}

// Puts the engine on the case: board size and tables, level, ko point,
// chain table, the dead marks, and the value map: -1 on the stones of the
// chain read and of the weak chains, 0 elsewhere.
inline void prepare(const Cas& c, TPlateau& p, TCarte& valeurs) {
  configmoteur.taille = c.taille;
  construittables(c.taille);
  niveau = c.niveau;
  pointko = c.ko;
  p = c.plateau;
  calculelibertes(p);
  pionsmorts = marquesvides;
  for (const auto& q : c.morts) marquechaine(p, q.ligne, q.colonne);
  TMarques faibles = marquesvides;
  marquepionschaine(p, faibles, 0, c.ligne, c.colonne);
  for (const auto& q : c.faibles) marquepionschaine(p, faibles, 0, q.ligne, q.colonne);
  for (int32_t k = 0; k < NBCASES; ++k) valeurs[k] = faibles[k] ? -1 : 0;
}

}  // namespace suitevie
