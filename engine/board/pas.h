// The step rule shared by every directional walk: the four neighbours in the
// order row+1, row-1, column+1, column-1, each only on the board and never
// straight back the way the walk came. The arrival direction passed on is
// 1 by row+1, 3 by row-1, 2 by column+1, 4 by column-1 (0 at the start).
#pragma once
#include <cstdint>

#include "engine/board/etat.h"

// Calls f(row, col, direction) for each neighbour the walk may take;
// stops early when f returns true. Returns true when stopped.
template <class F>
inline bool pasvoisins(int32_t r, int32_t c, int32_t d, F&& f) {
  const int32_t n = configmoteur.taille;
  if (d != 3 && r < n && f(r + 1, c, 1)) return true;
  if (d != 1 && r > 1 && f(r - 1, c, 3)) return true;
  if (d != 4 && c < n && f(r, c + 1, 2)) return true;
  if (d != 2 && c > 1 && f(r, c - 1, 4)) return true;
  return false;
}

// The four orthogonal neighbours on the board in the given order of offsets.
template <class F>
inline bool pas4(int32_t r, int32_t c, const int32_t (&ordre)[4][2], F&& f) {
  const int32_t n = configmoteur.taille;
  for (const auto& o : ordre) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n && f(r2, c2)) return true;
  }
  return false;
}
// Orders of the predicates: +row, +col, -row, -col; and +row, -row, +col, -col.
inline constexpr int32_t ORDREPREDICATS[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
inline constexpr int32_t ORDREMARCHE[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// The table neighbours of a point, in tablevoisins order.
template <class F>
inline bool pastable(int32_t r, int32_t c, F&& f) {
  const TVoisins& v = tablevoisins[indexcase(r, c)];
  for (int32_t k = 0; k < v.nbvoisins; ++k)
    if (f(v.voisins[k][0], v.voisins[k][1])) return true;
  return false;
}

// The eight surrounding points on the board, in the collectors' order:
// (r+1,c), (r+1,c+1), (r+1,c-1), (r,c+1), (r-1,c), (r-1,c+1), (r-1,c-1), (r,c-1).
template <class F>
inline bool pas8(int32_t r, int32_t c, F&& f) {
  static constexpr int32_t ordre[8][2] = {{1, 0}, {1, 1}, {1, -1}, {0, 1}, {-1, 0}, {-1, 1}, {-1, -1}, {0, -1}};
  const int32_t n = configmoteur.taille;
  for (const auto& o : ordre) {
    const int32_t r2 = r + o[0], c2 = c + o[1];
    if (r2 >= 1 && r2 <= n && c2 >= 1 && c2 <= n && f(r2, c2)) return true;
  }
  return false;
}

inline bool surplateaumoteur(int32_t r, int32_t c) {
  const int32_t n = configmoteur.taille;
  return r >= 1 && r <= n && c >= 1 && c <= n;
}
