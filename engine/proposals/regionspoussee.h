// Region and push tests of the move families and the search.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Can stone 2 at (ligne2, colonne2) push along the edge lines beside stone
// 1 at (ligne1, colonne1)? Sets `direction` (1 to 4) with the point in
// front of stone 2 and the board after the push in `apres`; leaves
// `direction` untouched when no push shape matches.
void testpousseeligne(const TPlateau& p, TPlateau& apres, TPoint& point, int32_t& direction, int32_t ligne2,
                      int32_t colonne2, int32_t ligne1, int32_t colonne1);
