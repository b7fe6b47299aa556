// Zone marking of the enclosed-chain reading: the points a chain can reach
// (empty points, own stones, enemy stones in atari or dead), the enemy chains
// that fence it, the empty areas those marks enclose, and up to two
// first-line exits under a second-line enemy stone. Reads the board,
// infochaine, bordgoban, distancebord and tablevoisins; writes only the
// caller's zone map, list, exits and flag.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t MAXSORTIESZONE = 8;    // first-line exits the flood records
constexpr int32_t MAXVIDEENTOURE = 31;   // an enclosed empty area has at most this many points

// Marks 1 in `zone` (cleared by the caller) the zone of the chain through
// (ligne, colonne), fences included, and appends the flooded points to `l`
// in marking order. `a`, `b`: the exits that lead out ((0, 0) = none).
// `abandon` is set when the zone holds more than `limite` empty points
// (flood and enclosed areas together) or more than two exits lead out.
// `o` is the enemy colour; enemy stones set in `morts` are crossed.
void marquevidesentoures(const TMarques& morts, const TPlateau& p, TListePoints& l, int32_t cap, TMarques& zone,
                         TPoint& a, TPoint& b, int32_t ligne, int32_t colonne, int32_t limite, uint8_t o,
                         uint8_t& abandon);

// Is the empty area through (ligne, colonne) enclosed: inside the box
// [lmin..lmax] x [cmin..cmax], at most MAXVIDEENTOURE points, every
// neighbour outside it set in `vu` (the zone marks)? If so it is marked 1 in
// `zone` and its size is in `compte`. The whole area is set in `vu` either
// way, so no later point of it is tested again.
bool regardesicevidenestentourequedetest1rec(const TPlateau& p, TMarques& vu, TMarques& zone, int32_t ligne,
                                             int32_t colonne, int32_t lmin, int32_t lmax, int32_t cmin,
                                             int32_t cmax, int32_t& compte);
