// Unit liaisonvorn: which stones count as linked. The fills mark on a mark
// board (u8[361], nonzero = marked, started from marquesvides by the caller)
// every stone linked to a start stone; the tests ask whether a stone is
// linked to a stone already marked. All read infochaine, which must describe
// the board passed, and bordgoban, distancebord and configmoteur.taille.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Opponent colour byte: 0 for black, 1 otherwise.
inline uint8_t adversaire(uint8_t couleur) { return couleur == NOIR ? BLANC : NOIR; }

// The diagonal rule: the stone of `couleur` at (r2, c2), diagonal to (r, c),
// is linked to it when both shared points are empty, or exactly one is and
// an opponent stone there would stand in self-atari.
bool diagonaleliee(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c, int32_t r2, int32_t c2);

// The four diagonal offsets in the order of the link rules.
inline constexpr int32_t ORDREDIAGONALES[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
