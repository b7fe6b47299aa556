// The opponent's weak chains (side B) and its reinforcing moves.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Weak and strong opponent stones, link flags of the opponent's trial records.
void analysefaibles2(const TCartesParPoint& mortsessaiA, const TCartesParPoint& mortsessai2B, TPlateau& p,
                     uint8_t couleurA, uint8_t couleurB, const TMarques& marquesnoeud);
// The opponent's reinforcing moves into the "fortification" map of
// `cartesB` (the opponent's maps; its survie and dead marks after trials are
// read, and of the engine's `cartesA` the dead marks after trials); `codes`
// the sub-family code map; points into both lists.
void coupdefortificationjoueur(TMarques& codes, const TCartesCote& cartesA, const TCartesCote& cartesB, TPlateau& p,
                               uint8_t couleurA, TListePoints& candidats, int32_t cap, TListePoints& famille,
                               int32_t capfamille);

// Escape values of c's weak stones (`faibles` nonzero) into E (cleared
// first): positive exactly on the empty points that no owner map of the
// other colour (territoire, territoire2, territoire3) gives away, within two
// lines of a weak stone of c, with at least two such open neighbours to run
// on. The value is that neighbour count, plus 1 inside c's widened zone
// (zonecouleur). territoire comes back unchanged.
void valeurfuitejoueur(const TPlateau& p, const TMarques& faibles, uint8_t c, TCarte& E);
