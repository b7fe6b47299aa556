// Enclosed-chain marking of the whole board: testdeb on every chain, the
// killed ones written into pionsmorts and the trial records.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Reads every chain not in marquesglobales with testdeb (`couleur` as the
// last mover, or each chain's own colour when `couleur` is 2; the stones
// set in `marques` of the other colour, and the dead ones of `couleur`,
// weaken the wall). Killed chains go into pionsmorts; with `couleur` 0 or 1
// the killed ones and those only zoned (dead already) also get BITTUEESSAI
// in the trial record of their own point on `couleur`'s side. With
// `couleur` 2 a chain already dead is not read. The board comes back.
void testdebtouteschaines(TPlateau& p, const TMarques& marques, uint8_t couleur);
