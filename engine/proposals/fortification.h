// Reinforcement family: moves that keep the engine's weak groups alive.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Clears and writes the engine's "fortification" map of A (20 x strength, the
// first proposer's code in `marquesfortification`), adds to
// "bonuscombatsemai", raises maxfortification, rewrites the engine's
// "survie" map and the save marks of the engine's trial records; appends
// to the candidate list. Board, infochaine, pionsmorts, lesfaibles and the
// opponent's kill strengths come back as they were. A is the engine's side,
// B the opponent's (its memo, save marks and dead marks after readings are
// not read); A's "invasionforte" map is not read.
void coupdefortification(TMarques& marquesfortification, TMarques& pointsliaison, const TCartesCote& A,
                         const TCartesSurvieCote& B, TCarte& bonuscombatsemai, TPlateau& p, uint8_t couleur,
                         TListePoints& candidats, TMarques& marquesnoeud);

// Does the stone of c at (ligne, colonne) survive a crawl along the edge in
// `direction` (1 row+1, 2 column+1, 3 row-1, 4 column-1) within the strip
// r1..r2 x c1..c2? `cote` 1 reads the engine's trial records as its own, 0
// the opponent's. Board, infochaine and pionsmorts come back.
bool propagationbord(int32_t cote, TPlateau& p, int32_t ligne, int32_t colonne, int32_t r1, int32_t r2, int32_t c1,
                     int32_t c2, int32_t direction, uint8_t c, uint8_t o);

// The edge crawl of c from a point (r, k) near the edge of a board of n
// lines: the row edge first, then the column edge when the row gave no
// direction. The direction comes from a weak stone of c beside the point
// (`faibleen`, or one step back from it when `coin`); the point one step
// inwards must hold o or be empty outside c's influence, the strip be empty
// and not wholly c's territory; then `propagationbord`.
template <class Faible>
bool crawlbord(int32_t cote, TPlateau& p, int32_t r, int32_t k, int32_t n, bool coin, Faible faibleen, uint8_t c,
               uint8_t o) {
  const auto bande = [&](int32_t a1, int32_t a2, int32_t b1, int32_t b2) {
    bool ouverte = false;
    for (int32_t a = a1; a <= a2; ++a)
      for (int32_t b = b1; b <= b2; ++b) {
        if (p[indexcase(a, b)] != VIDE) return false;
        if (territoire[indexcase(a, b)] != c) ouverte = true;
      }
    return ouverte;
  };
  const auto interieur = [&](int32_t a, int32_t b) {
    if (a < 1 || a > n || b < 1 || b > n) return false;
    const int32_t x = indexcase(a, b);
    return p[x] == o || (p[x] == VIDE && influence[x] != c);
  };
  if (r <= 3 || r >= n - 2) {
    const int32_t d = r <= 4 ? 1 : -1;
    const int32_t a1 = r <= 4 ? 1 : r, a2 = r <= 4 ? r : n;
    if (interieur(r + d, k)) {
      int32_t mode = 0;
      if (faibleen(r, k - 1) || (faibleen(r - d, k - 1) && coin)) mode = 2;
      else if (faibleen(r, k + 1) || (faibleen(r - d, k + 1) && coin)) mode = 4;
      if (mode != 0) {
        const int32_t b1 = mode == 2 ? k : std::max(1, k - 2), b2 = mode == 2 ? std::min(n, k + 2) : k;
        return bande(a1, a2, b1, b2) && propagationbord(cote, p, r, k, a1, a2, b1, b2, mode, c, o);
      }
    }
  }
  if (k <= 3 || k >= n - 2) {
    const int32_t d = k <= 4 ? 1 : -1;
    const int32_t b1 = k <= 4 ? 1 : k, b2 = k <= 4 ? k : n;
    if (interieur(r, k + d)) {
      int32_t mode = 0;
      if (faibleen(r - 1, k) || (faibleen(r - 1, k - d) && coin)) mode = 1;
      else if (faibleen(r + 1, k) || (faibleen(r + 1, k - d) && coin)) mode = 3;
      if (mode != 0) {
        const int32_t a1 = mode == 1 ? r : std::max(1, r - 2), a2 = mode == 1 ? std::min(n, r + 2) : r;
        return bande(a1, a2, b1, b2) && propagationbord(cote, p, r, k, a1, a2, b1, b2, mode, c, o);
      }
    }
  }
  return false;
}
