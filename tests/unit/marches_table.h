// Table cases for the chain and region walks: each case puts the engine on a
// diagram, runs one walk, renders what it produced as text (point lists,
// maps, counts) and compares it with the expected text. The case also says
// what the walk must leave as it was.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "tests/support/fixture.h"

namespace marches {

// Black chain (2,2)-(2,3)-(3,3), liberties (3,2) (1,2) (1,3) (2,4) (2,1) in
// walk order from (2,2); white (3,4) and (4,3) of 3 liberties each.
inline constexpr const char* kChaine =
    ".....\n"
    ".XX..\n"
    "..XO.\n"
    "..O..\n"
    ".....\n";

// The same with a white stone (3,2) of 2 liberties touching the chain twice.
inline constexpr const char* kDeuxFois =
    ".....\n"
    ".XX..\n"
    ".OXO.\n"
    "..O..\n"
    ".....\n";


// What a walk must leave untouched.
constexpr unsigned PLATEAU = 1, CHAINES = 2, MORTS = 4;
constexpr unsigned TOUT = PLATEAU | CHAINES | MORTS;

struct Cas {
  const char* nom;
  const char* diagramme;
  std::function<void(TPlateau&)> prepare;        // dead marks, owner maps... (may be empty)
  std::function<std::string(TPlateau&)> marche;  // runs the walk, renders its outputs
  const char* attendu;
  unsigned inchanges = TOUT;
};

// The engine on the diagram, with the maps the walks read cleared.
inline TPlateau pose(std::string_view d) {
  TPlateau p = fixture::posemoteur(d);
  lesfaibles.fill(0);
  marquessurvie.fill(0);
  pionsmortsbis.fill(0);
  carteattaque.fill(0);
  return p;
}

inline TListePoints liste() {
  TListePoints l;
  l[0] = 0;
  return l;
}

inline std::string point(int32_t r, int32_t c) {
  std::string s = "(";
  s.append(std::to_string(r)).append(",").append(std::to_string(c)).append(")");
  return s;
}
inline std::string point(const TPoint& m) { return point(m.ligne, m.colonne); }

// "(r,c) (r,c) ..." in list order; "-" for an empty list.
inline std::string points(const TListePoints& l) {
  if (l[0] == 0) return "-";
  std::string s;
  for (int32_t k = 1; k <= l[0]; ++k) {
    if (k > 1) s += ' ';
    s += point(l[2 * k], l[2 * k + 1]);
  }
  return s;
}

// A map of the current board size, one row per line: '.' for 0, else the value.
inline std::string carte(const TMarques& m) {
  std::string s;
  const int32_t n = configmoteur.taille;
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) {
      const int v = m[indexcase(r, c)];
      s += v == 0 ? std::string(".") : std::to_string(v);
    }
    s += '\n';
  }
  return s;
}

// Liberty bytes of the chain table as a map.
inline std::string libertes() {
  TMarques m{};
  for (int32_t i = 0; i < NBCASES; ++i) m[i] = static_cast<uint8_t>(infochaine[i][0]);
  return carte(m);
}

inline void lance(const Cas& k) {
  SCOPED_TRACE(k.nom);
  TPlateau p = pose(k.diagramme);
  if (k.prepare) k.prepare(p);
  const TPlateau plateau = p;
  const TInfoChaine chaines = infochaine;
  const TMarques morts = pionsmorts;
  const std::string obtenu = k.marche(p);
  EXPECT_TRUE(fixture::memesgrilles(k.attendu, obtenu));
  if (k.inchanges & PLATEAU) {
    EXPECT_TRUE(fixture::memesplateaux(plateau, p)) << "board changed";
  }
  if (k.inchanges & CHAINES) {
    EXPECT_EQ(infochaine, chaines) << "chain table changed";
  }
  if (k.inchanges & MORTS) {
    EXPECT_TRUE(fixture::memesmarques(morts, pionsmorts)) << "dead marks changed";
  }
}

}  // namespace marches
