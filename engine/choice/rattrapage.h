// The last steps of a turn whose search ended with a pass: the catch-up
// move that saves an own chain in atari or captures an enemy one, and the
// area-rule fill of neutral points next to the mover's stones.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

// With procedurefinpartie set, leaves `coup` as it is and touches nothing.
// Otherwise `coup` becomes the last liberty of the largest own chain in
// atari (free, not in `exclus`, not forbidden in casesinterdites), else the
// capture of an enemy chain in atari that leaves the capturing chain more
// than one liberty or a single stone, else (0, 0). Rebuilds infochaine for
// `p` and copies pionsmortsbis over pionsmorts.
void couprattrapagepasse(uint8_t c, uint8_t o, const TMarques& exclus, const TPlateau& p, TPoint& coup);

// Under area counting (regle 1, 2 or 6) and with `coup` a pass: `coup`
// becomes the neutral empty point next to a stone of c that the scan keeps
// (the first of the last row that has one) and `passe` 0, or stays a pass
// with `passe` 1. `te` and `to`: the dead marks after each trial of the
// engine's and the opponent's position analyses. Any other case changes
// nothing.
void couprattrapagepassechinoise(int32_t& passe, uint8_t c, const TMarques& exclus, const TPlateau& p,
                                 TPoint& coup, const TCartesParPoint& te, const TCartesParPoint& to);

// Cleanup mode, in place of a pass: `coup` becomes a liberty of an enemy
// chain marked in `morts` that c may fill safely (the move captures, or
// leaves its chain at least two liberties), captures first, then the enemy
// chain with the fewest liberties; failing that a throw-in that leaves the
// enemy chain in atari; or (0, 0) when there is none. `ko`: the
// point of the last move when it took a single stone (retaking it at once
// is refused), else row 0.
void couprattrapagenettoyage(uint8_t c, const TMarques& morts, const TPlateau& p, TPoint ko, TPoint& coup);
