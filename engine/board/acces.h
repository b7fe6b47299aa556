// The one-line accessors of the engine board and its chain table that the
// units read the state with.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/pas.h"
#include "engine/board/types.h"

// Index of a point in the 19x19 arrays.
inline int32_t ix(int32_t r, int32_t c) { return indexcase(r, c); }
inline int32_t ix(TPoint p) { return indexcase(p.ligne, p.colonne); }
// Row and column of an index of the 19x19 arrays.
inline int32_t lignede(int32_t i) { return i / TAILLEMAX + 1; }
inline int32_t colonnede(int32_t i) { return i % TAILLEMAX + 1; }
// Liberties of the chain through the point (infochaine).
inline int32_t libs(int32_t i) { return infochaine[i][0]; }
inline int32_t libs(int32_t r, int32_t c) { return infochaine[indexcase(r, c)][0]; }
// The other stone colour (NOIR for anything but NOIR).
inline uint8_t autre(uint8_t c) { return c == NOIR ? BLANC : NOIR; }
// A point, not a pass (row 0).
inline bool reel(TPoint p) { return p.ligne != 0; }
// A point of the engine's board (a pass is none).
inline bool surplateau(TPoint p) { return surplateaumoteur(p.ligne, p.colonne); }
// A stone of either colour.
inline bool pierre(uint8_t x) { return x == NOIR || x == BLANC; }
// The point is on the engine's board and holds x.
inline bool tient(const TPlateau& p, int32_t r, int32_t c, uint8_t x) {
  return surplateaumoteur(r, c) && p[ix(r, c)] == x;
}
// The point is on the engine's board and empty.
inline bool vide(const TPlateau& p, int32_t r, int32_t c) { return tient(p, r, c, VIDE); }
