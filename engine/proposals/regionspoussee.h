// Region and push tests of the move families and the search.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Widens colour c's region in `territoire`: the points territoire or
// territoire2 give to c, the empty points between two of them, then
// `passes` growths along the three outer lines away from o's stones.
// Overwrites territoire; callers that need it afterwards save it.
void zonecouleur(const TPlateau& p, uint8_t c, uint8_t o, int32_t passes);

// How many stones of c marked in `marques` a stone of c at (ligne, colonne)
// would be linked to (orthogonally, or diagonally where o cannot cut);
// 0 when c cannot play there. Plays on a copy; p and infochaine unchanged.
int32_t comptepierresreliees(const TPlateau& p, uint8_t c, const TMarques& marques, int32_t ligne, int32_t colonne);

// Can stone 2 at (ligne2, colonne2) push along the edge lines beside stone
// 1 at (ligne1, colonne1)? Sets `direction` (1 to 4) with the point in
// front of stone 2 and the board after the push in `apres`; leaves
// `direction` untouched when no push shape matches, sets it to 0 when the
// push captures, starts on the edge line or leaves stone 1's chain captured.
// infochaine comes back as it was.
void testpousseeligne(const TPlateau& p, TPlateau& apres, TPoint& point, int32_t& direction, int32_t ligne2,
                      int32_t colonne2, int32_t ligne1, int32_t colonne1);
