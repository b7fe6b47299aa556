// Final territory maps: the empty points each colour can count once the
// other colour's dead stones (pionsmorts) are taken off.
//
// Every entry of cartefinale1 (black's points, white's dead stones taken
// off, tested against white) and cartefinale2 (white's points, black's dead
// stones off, tested against black) packs four bytes, low byte first:
//   byte 0  value of the point (0 for stones, for the liberties of the dead
//           chains taken off, and for points touching the tested colour)
//   byte 1  smallest nonzero byte 0 spread from a neighbour whose byte 3 is set
//   byte 2  the same, the point's own byte 0 included when its byte 3 is set
//   byte 3  neighbours of the point a stone of the tested colour there would reach
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Byte k (0..3) of a packed entry, and the entry with byte k replaced.
constexpr int32_t octetfinal(int32_t entree, int32_t k) {
  return static_cast<int32_t>((static_cast<uint32_t>(entree) >> (8 * k)) & 0xFFu);
}
constexpr int32_t metoctetfinal(int32_t entree, int32_t k, int32_t valeur) {
  const uint32_t masque = 0xFFu << (8 * k);
  const uint32_t u = (static_cast<uint32_t>(entree) & ~masque) |
                     ((static_cast<uint32_t>(valeur) & 0xFFu) << (8 * k));
  return static_cast<int32_t>(u);
}

// Fills cartefinale1 and cartefinale2 (both cleared first) for the board,
// reading pionsmorts, infochaine and bordgoban. The board is not changed.
void territoirefinal(const TPlateau& p);

// Value of an empty point against colour c (0 for a stone).
uint8_t valeurpointfinal(const TPlateau& p, uint8_t c, int32_t r, int32_t col);
// Neighbours of the empty point whose byte 0 in m is set and that a stone of
// c placed there would weaken; 0 for a stone. The point is put back empty.
uint8_t comptevoisinsfinal(TPlateau& p, const TCarte& m, uint8_t c, int32_t r, int32_t col);
// Spreads the nonzero byte 0 of the point into bytes 1 and 2 of its eight
// neighbours, keeping the smaller nonzero value.
void etendminimumfinal(TCarte& m, int32_t r, int32_t col);
