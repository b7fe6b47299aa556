// Reader of the connection problems (tests/data/liaison.txt) and the engine
// set-up of one problem, shared by the table-driven test and the benchmark.
// No test framework here.
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
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
  std::string erreur;             // non-empty when the block is malformed
};

// Path of the file next to the source tree, from this header's own path.
inline std::string chemin() {
  std::string f = __FILE__;
  const auto k = f.rfind("tests/unit/");
  return (k == std::string::npos ? std::string() : f.substr(0, k)) + "tests/data/liaison.txt";
}

inline std::vector<Cas> lit(const std::string& fichier = chemin()) {
  std::vector<Cas> cas;
  std::ifstream in(fichier);
  std::string ligne;
  Cas c;
  bool ouvert = false, diagramme = false, attendu = false;
  int32_t rang = 0;
  auto ferme = [&] {
    if (ouvert) {
      if (c.taille == 0 || rang != c.taille) c.erreur = "diagram";
      if (c.pierre.ligne == 0 || c.autre.ligne == 0) c.erreur = "stone";
      if (!attendu) c.erreur = "expect";
      cas.push_back(c);
    }
    c = Cas{};
    ouvert = diagramme = attendu = false;
    rang = 0;
  };
  auto point = [](std::istringstream& mots) {
    TPoint q;
    mots >> q.ligne >> q.colonne;
    return q;
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
    } else if (mot == "reading") {
      std::string s;
      mots >> s;
      c.paire = s == "pair";
      if (s != "pair" && s != "group") c.erreur = "reading";
    } else if (mot == "stone") {
      c.pierre = point(mots);
    } else if (mot == "other") {
      c.autre = point(mots);
    } else if (mot == "level") {
      mots >> c.niveau;
    } else if (mot == "mode") {
      mots >> c.mode;
    } else if (mot == "dead") {
      c.morts.push_back(point(mots));
    } else if (mot == "group") {
      c.groupe.push_back(point(mots));
    } else if (mot == "capturable") {
      c.prenables.push_back(point(mots));
    } else if (mot == "static") {
      c.statique = true;
    } else if (mot == "expect") {
      std::string s;
      mots >> s;
      attendu = true;
      c.lie = s == "linked";
      if (s != "linked" && s != "cut") c.erreur = "expect";
    } else {
      c.erreur = "line: " + ligne;
    }
  }
  ferme();
  return cas;
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
