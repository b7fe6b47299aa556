// Reader of the capture-game problems of the small-board solver
// (tests/data/solveur.txt) and the engine set-up of one case, shared by the
// table-driven test and the benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/types.h"
#include "tests/unit/suite_blocs.h"

namespace suitesolveur {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  int32_t niveau = 3;
  int32_t gagne = -1;             // wins: 1 yes, 0 no, -1 not asked
  int32_t perd = -1;              // loses: the same
  bool passe = false;             // the answer is a pass
  std::vector<TPoint> reponses;   // the answers accepted
  std::vector<TPoint> evites;     // moves that must not be the answer
  bool lu = false;                // an answer line was read
  std::string erreur;             // non-empty when the block is malformed
};

inline std::string chemin() { return suites::chemin("tests/data/solveur.txt"); }

inline int32_t ouinon(std::istringstream& mots, std::string& erreur) {
  std::string s;
  mots >> s;
  if (s != "yes" && s != "no") erreur = "yes/no";
  return s == "yes" ? 1 : 0;
}

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  return suites::litblocs<Cas>(
      fichier,
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        if (mot == "level") {
          mots >> c.niveau;
        } else if (mot == "wins") {
          c.gagne = ouinon(mots, c.erreur);
        } else if (mot == "loses") {
          c.perd = ouinon(mots, c.erreur);
        } else if (mot == "answer") {
          c.lu = true;
          std::string s;
          while (mots >> s) {
            if (s == "pass") {
              c.passe = true;
            } else if (s != "or") {
              TPoint m;
              m.ligne = std::stoi(s);
              if (!(mots >> m.colonne)) c.erreur = "answer";
              c.reponses.push_back(m);
            }
          }
          if (c.passe == !c.reponses.empty()) c.erreur = "answer";
        } else if (mot == "avoid") {
          c.evites.push_back(suites::litcoordonnees(mots));
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        if (!c.lu) c.erreur = "no answer";
        for (const TPoint& m : c.reponses)
          if (m.ligne < 1 || m.ligne > c.taille || m.colonne < 1 || m.colonne > c.taille) c.erreur = "answer off the board";
      });
}

// The engine on the case: board size and tables, the level field, the chain
// table, no ko point, no saved dead marks, every point playable. Returns the board.
inline TPlateau pose(const Cas& c) {
  configmoteur.taille = c.taille;
  configmoteur.niveauconfig = c.niveau;
  construittables(c.taille);
  calculelibertes(c.plateau);
  pointko = TPoint{};
  pionsmortssauves.fill(0);
  casesjouables.fill(1);
  moderapide = 0;
  return c.plateau;
}

}  // namespace suitesolveur
