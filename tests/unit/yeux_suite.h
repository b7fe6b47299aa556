// Reader of the life-and-death suite of the two-eye reading
// (tests/data/yeux/vie.txt) and the engine set-up of one case, shared by the
// table-driven test and the benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/types.h"

namespace suiteyeux {

struct Cas {
  std::string nom, note;
  TPlateau plateau = plateauvide();
  int32_t taille = 0;
  int32_t ligne = 0, colonne = 0;  // a stone of the chain
  uint8_t trait = NOIR;            // side to move
  TPoint coup{};                   // the defender's move when the defender is to move
  TPoint ko{};                     // the engine's ko point, (0, 0) none
  int32_t niveau = 7;
  uint8_t survie = 0;              // flagsurvie
  uint32_t octets[3] = {1, 1, 1};  // final-territory bytes of the defender's empty points
  int32_t yeux = -1;               // short static test on the diagram: 1 two eyes, 0 not, -1 not asked
  bool statique = false;           // answered without a reading node
  bool depasse = false;            // the reading passes its node budget
  bool vit = false;
  std::string erreur;              // non-empty when the block is malformed

  // The chain's owner: the side to move when it has a move, else the other.
  uint8_t defenseur() const { return coup.ligne != 0 ? trait : static_cast<uint8_t>(1 - trait); }
};

// Path of the suite next to the source tree, from this header's own path.
inline std::string chemin() {
  std::string f = __FILE__;
  const auto k = f.rfind("tests/unit/");
  return (k == std::string::npos ? std::string() : f.substr(0, k)) + "tests/data/yeux/vie.txt";
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
      else if (c.ligne < 1 || c.ligne > c.taille || c.colonne < 1 || c.colonne > c.taille)
        c.erreur = "chain";
      else if (c.plateau[indexcase(c.ligne, c.colonne)] != c.defenseur() &&
               !(c.ligne == c.coup.ligne && c.colonne == c.coup.colonne))
        c.erreur = "chain: a stone of the side not to move, or the move of the side to move";
      else if (!attendu)
        c.erreur = "expect";
      cas.push_back(c);
    }
    c = Cas{};
    ouvert = diagramme = attendu = false;
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
      c.trait = s == "O" ? BLANC : NOIR;
      if (s != "O" && s != "X") c.erreur = "tomove";
    } else if (mot == "play") {
      mots >> c.coup.ligne >> c.coup.colonne;
    } else if (mot == "ko") {
      std::string s;
      mots >> s;
      if (s != "none") {
        c.ko.ligne = std::stoi(s);
        mots >> c.ko.colonne;
      }
    } else if (mot == "level") {
      mots >> c.niveau;
    } else if (mot == "survie") {
      int s = 0;
      mots >> s;
      c.survie = static_cast<uint8_t>(s != 0);
    } else if (mot == "maps") {
      mots >> c.octets[0] >> c.octets[1] >> c.octets[2];
    } else if (mot == "eyes") {
      std::string s;
      mots >> s;
      c.yeux = s == "yes" ? 1 : 0;
      if (s != "yes" && s != "no") c.erreur = "eyes";
    } else if (mot == "trim") {
      c.depasse = true;
    } else if (mot == "static") {
      c.statique = true;
    } else if (mot == "expect") {
      std::string s;
      mots >> s;
      c.vit = s == "lives";
      attendu = s == "lives" || s == "dies";
      if (!attendu) c.erreur = "expect";
    } else {
      c.erreur = "line: " + ligne;
    }
  }
  ferme();
  return cas;
}

// Puts the engine on the case: board size and tables, level parameters,
// flagsurvie, the ko point, the defender's final territory bytes, the chain
// table and no dead marks. Plays the defender's move when it is to move and
// returns the reading's mode: 1 when that move is the chain's point.
inline int32_t prepare(const Cas& c, TPlateau& p) {
  configmoteur.taille = c.taille;
  construittables(c.taille);
  niveau = c.niveau;
  parametresniveau();
  flagsurvie = c.survie;
  flagscan = 1;
  pointko = c.ko;
  pionsmorts = marquesvides;
  p = c.plateau;
  calculelibertes(p);
  const uint8_t defenseur = c.defenseur();
  TCarte& finale = defenseur == NOIR ? cartefinale1 : cartefinale2;
  const auto octets = static_cast<int32_t>(c.octets[0] | (c.octets[1] << 8) | (c.octets[2] << 16));
  for (int32_t k = 0; k < NBCASES; ++k) finale[k] = p[k] == VIDE ? octets : 0;
  if (c.coup.ligne == 0) return 0;
  TListePoints prises;
  jouecoup(prises, CAPACITELISTE, p, c.coup.ligne, c.coup.colonne, defenseur, static_cast<uint8_t>(1 - defenseur));
  return c.coup.ligne == c.ligne && c.coup.colonne == c.colonne ? 1 : 0;
}

}  // namespace suiteyeux
