// Reader of the life-and-death suite of the two-eye reading
// (tests/data/yeux/vie.txt) and the engine set-up of one case, shared by the
// table-driven test and the benchmark. No test framework here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board/etat.h"
#include "engine/board/jeu.h"
#include "engine/board/niveau.h"
#include "engine/board/types.h"
#include "tests/unit/suite_blocs.h"

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
  bool lu = false;                 // an expect line was read
  std::string erreur;              // non-empty when the block is malformed

  // The chain's owner: the side to move when it has a move, else the other.
  uint8_t defenseur() const { return coup.ligne != 0 ? trait : static_cast<uint8_t>(1 - trait); }
};

inline std::string chemin() { return suites::chemin("tests/data/yeux/vie.txt"); }

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
        } else if (mot == "play") {
          mots >> c.coup.ligne >> c.coup.colonne;
        } else if (mot == "ko") {
          c.ko = suites::litpoint(mots);
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
          c.lu = s == "lives" || s == "dies";
          if (!c.lu) c.erreur = "expect";
        } else {
          return false;
        }
        return true;
      },
      [](Cas& c) {
        if (c.ligne < 1 || c.ligne > c.taille || c.colonne < 1 || c.colonne > c.taille)
          c.erreur = "chain";
        else if (c.plateau[indexcase(c.ligne, c.colonne)] != c.defenseur() &&
                 !(c.ligne == c.coup.ligne && c.colonne == c.coup.colonne))
          c.erreur = "chain: a stone of the side not to move, or the move of the side to move";
        else if (!c.lu)
          c.erreur = "expect";
      });
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
