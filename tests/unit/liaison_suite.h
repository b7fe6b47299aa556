// Reader of the connection problems (tests/data/liaison.txt) and the engine
// set-up of one problem, shared by the table-driven test and the benchmark.
// No test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/parcours.h"
#include "engine/board/types.h"
#include "engine/connection/lectureliaison.h"
#include "engine/connection/liaisonvorn.h"
#include "tests/unit/suite_blocs.h"

namespace suiteliaison {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  bool paire = false;        // two stones (peutlierdeuxpions), else stone to group
  TPoint pierre{}, autre{};  // S (or A); a stone of the group (or B)
  int32_t niveau = 7;
  int32_t mode = 1;
  std::vector<TPoint> morts;      // chains flagged in map A
  std::vector<TPoint> prenables;  // chains flagged in map B
  std::vector<TPoint> groupe;     // further chains of the target group
  bool lie = false;               // expected answer
  bool statique = false;          // answered without a reading
  bool lu = false;                // an expect line was read
  std::string erreur;             // non-empty when the block is malformed
};

inline std::string chemin() { return suites::chemin("tests/data/liaison.txt"); }

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  return suites::litblocs<Cas>(
      fichier,
      [](Cas& c, const std::string& mot, std::istringstream& mots) {
        if (mot == "reading") {
          std::string s;
          mots >> s;
          c.paire = s == "pair";
          if (s != "pair" && s != "group") c.erreur = "reading";
        } else if (mot == "stone") {
          c.pierre = suites::litcoordonnees(mots);
        } else if (mot == "other") {
          c.autre = suites::litcoordonnees(mots);
        } else if (mot == "level") {
          mots >> c.niveau;
        } else if (mot == "mode") {
          mots >> c.mode;
        } else if (mot == "dead") {
          c.morts.push_back(suites::litcoordonnees(mots));
        } else if (mot == "group") {
          c.groupe.push_back(suites::litcoordonnees(mots));
        } else if (mot == "capturable") {
          c.prenables.push_back(suites::litcoordonnees(mots));
        } else if (mot == "static") {
          c.statique = true;
        } else if (mot == "expect") {
          std::string s;
          mots >> s;
          c.lu = true;
          c.lie = s == "linked";
          if (s != "linked" && s != "cut") c.erreur = "expect";
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        if (c.pierre.ligne == 0 || c.autre.ligne == 0) c.erreur = "stone";
        if (!c.lu) c.erreur = "expect";
      });
}

// The maps of one problem: A and B from its chains, and for a group reading
// the target group (the chains of the other stone and of the group lines).
struct Cartes {
  TMarques A{}, B{}, T{};
};

// Puts the engine on the problem: size, tables, chain table, level and its
// parameters, the reading flags. Returns the maps.
inline Cartes prepare(const Cas& c, TPlateau& p, int32_t niveaulu) {
  configmoteur.taille = c.taille;
  construittables(c.taille);
  niveau = niveaulu;
  parametresniveau();
  flaglectureyeux = 1;
  flagscan = 1;
  depassementliaison = 0;
  cacheactif = 0;
  pionsmorts = marquesvides;
  pointko = TPoint{};
  p = c.plateau;
  calculelibertes(p);
  Cartes m;
  m.A = m.B = m.T = marquesvides;
  for (const TPoint& q : c.morts)
    if (p[indexcase(q.ligne, q.colonne)] != VIDE) marquepionschaine(p, m.A, 0, q.ligne, q.colonne);
  for (const TPoint& q : c.prenables)
    if (p[indexcase(q.ligne, q.colonne)] != VIDE) marquepionschaine(p, m.B, 0, q.ligne, q.colonne);
  if (!c.paire) {
    std::vector<TPoint> chaines = c.groupe;
    chaines.push_back(c.autre);
    for (const TPoint& q : chaines)
      if (p[indexcase(q.ligne, q.colonne)] != VIDE) marquepionschaine(p, m.T, 0, q.ligne, q.colonne);
  }
  return m;
}

// The reading the problem asks for.
inline bool lis(const Cas& c, TPlateau& p, const Cartes& m) {
  if (c.paire)
    return peutlierdeuxpions(p, m.A, m.B, c.mode, c.pierre.ligne, c.pierre.colonne, c.autre.ligne, c.autre.colonne,
                             pointko);
  return peutlierachaine(p, m.A, m.B, m.T, c.mode, c.pierre.ligne, c.pierre.colonne, pointko);
}

// The static answer the readings give up to level 3.
inline bool statique(const Cas& c, const TPlateau& p, const Cartes& m) {
  if (m.A[indexcase(c.pierre.ligne, c.pierre.colonne)]) return false;
  if (c.paire) {
    if (m.A[indexcase(c.autre.ligne, c.autre.colonne)]) return false;
    TMarques vb = marquesvides;
    marquepionschaine(p, vb, 0, c.autre.ligne, c.autre.colonne);
    if (vb[indexcase(c.pierre.ligne, c.pierre.colonne)]) return true;
    return pionlieachaine(p, vb, c.pierre.ligne, c.pierre.colonne);
  }
  return pionlieachaine(p, m.T, c.pierre.ligne, c.pierre.colonne);
}

}  // namespace suiteliaison
