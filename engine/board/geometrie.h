// Board geometry: windows around a point, occupancy tests, corners, and the
// eight board symmetries. N is the board size of configmoteur.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

inline int32_t mini(int32_t a, int32_t b) { return a < b ? a : b; }
inline int32_t maxi(int32_t a, int32_t b) { return a > b ? a : b; }

// Window of radius r around (ligne, colonne), clipped to 1..N.
void bornesfenetre(int32_t ligne, int32_t colonne, int32_t r, int32_t& lmin, int32_t& lmax, int32_t& cmin,
                   int32_t& cmax);
// The point or one of its up to 8 surrounding points is not empty.
bool zoneoccupee(const TPlateau& p, int32_t ligne, int32_t colonne);
// The point or one of its up to 4 orthogonal neighbours is not empty.
bool voisinsoccupes(const TPlateau& p, int32_t ligne, int32_t colonne);
// A point of the clipped square of radius r, centre excluded, is not empty.
bool carreoccupe(const TPlateau& p, int32_t r, int32_t ligne, int32_t colonne);
// A point of the clipped square of radius r, centre excluded, holds c in the map.
bool couleurdanscarre(uint8_t c, const TMarques& carte, int32_t r, int32_t colonne, int32_t ligne);
bool couleurdanscarre2(const TMarques& carte, int32_t r, int32_t ligne, uint8_t c, int32_t colonne);
// The same test for the value 1.
bool marquedanscarre(const TMarques& carte, int32_t r, int32_t ligne, int32_t colonne);
// All four corner areas hold a stone.
bool coinsoccupes(const TPlateau& p);
// For an edge point: one of the three points inward from it holds a stone or
// is owned in territoire or territoire2.
bool coinlibre(const TPlateau& p, int32_t ligne, int32_t colonne);
// The eight board symmetries, numbered 0..7 as `pointsymetrique` and the
// opening libraries number them. With S = board size + 1 the image of (r, c)
// is (r, c), or (c, r) when `echange`; then the row becomes S - row when
// `retourneligne` and the column S - column when `retournecolonne`.
struct TSymetrie {
  bool echange;
  bool retourneligne;
  bool retournecolonne;
  int8_t inverse;  // the symmetry that undoes this one
};
inline constexpr TSymetrie SYMETRIES[8] = {
    {false, false, false, 0},  // 0 (r, c)
    {true, false, false, 1},   // 1 (c, r)
    {true, false, true, 6},    // 2 (c, S-r)
    {false, true, false, 3},   // 3 (S-r, c)
    {false, true, true, 4},    // 4 (S-r, S-c)
    {true, true, true, 5},     // 5 (S-c, S-r)
    {true, true, false, 2},    // 6 (S-c, r)
    {false, false, true, 7},   // 7 (r, S-c)
};

// Moves (ligne, colonne) to its image under symmetry k, S = board size + 1;
// k outside 0..7 leaves it. With S = 0 it turns an offset instead of a point.
constexpr void imagesymetrique(int32_t k, int32_t S, int32_t& ligne, int32_t& colonne) {
  if (k < 0 || k > 7) return;
  const TSymetrie& s = SYMETRIES[k];
  int32_t r = ligne, c = colonne;
  if (s.echange) {
    r = colonne;
    c = ligne;
  }
  ligne = s.retourneligne ? S - r : r;
  colonne = s.retournecolonne ? S - c : c;
}

// The symmetry that applies `premiere`, then `seconde` (both 0..7).
constexpr int32_t composesymetries(int32_t seconde, int32_t premiere) {
  int32_t r = 1, c = 2;  // an offset that no two symmetries turn alike
  imagesymetrique(premiere, 0, r, c);
  imagesymetrique(seconde, 0, r, c);
  for (int32_t k = 0; k < 8; ++k) {
    int32_t rk = 1, ck = 2;
    imagesymetrique(k, 0, rk, ck);
    if (rk == r && ck == c) return k;
  }
  return 0;
}

// The offset orientations of `symetrie` (bit 4 exchanges a and b, then bit 1
// negates the row step and bit 2 the column step) as the symmetries that turn
// an offset the same way.
inline constexpr int8_t ORIENTATIONS[8] = {0, 3, 7, 4, 1, 6, 2, 5};

// Image of the point under symmetry k (0..7); other k leave the outputs alone.
void pointsymetrique(int32_t ligne, int32_t colonne, int32_t k, int32_t& l2, int32_t& c2);
// Origin plus the offset (a along rows, b along columns) in orientation k;
// (0, 0) off the board or for k outside 0..7.
void symetrie(int32_t ligne, int32_t colonne, int32_t a, int32_t b, int32_t k, int32_t& l2, int32_t& c2);
