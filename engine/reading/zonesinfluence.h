// Influence region walks: the 4-connected region of an influence map whose
// values share the sign of the walk, with its empty points and stones counted.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// From (ligne, colonne) (counted whatever its value), enters unvisited points
// of negative influence; adds the region's empty points to `vides` and its
// stones to `pierres`. Start with direction 0 and vu copied from marquesvides.
void comptezoneinfluencenegative(int32_t& vides, int32_t& pierres, const TPlateau& p, int32_t dir, int32_t ligne,
                                 int32_t colonne, const TCarte& influence, TMarques& vu);
// The same over positive influence.
void comptezoneinfluencepositive(int32_t& vides, int32_t& pierres, const TPlateau& p, int32_t dir, int32_t ligne,
                                 int32_t colonne, const TCarte& influence, TMarques& vu);
