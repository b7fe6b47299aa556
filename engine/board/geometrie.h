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
// Image of the point under symmetry k (0..7); other k leave the outputs alone.
void pointsymetrique(int32_t ligne, int32_t colonne, int32_t k, int32_t& l2, int32_t& c2);
// Origin plus the offset (a along rows, b along columns) in orientation k;
// (0, 0) off the board or for k outside 0..7.
void symetrie(int32_t ligne, int32_t colonne, int32_t a, int32_t b, int32_t k, int32_t& l2, int32_t& c2);
