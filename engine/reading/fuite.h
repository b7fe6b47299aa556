// Escape reading: can a chain get out (reach open space or a friendly chain,
// or win a capture) when the enclosing colour tries to shut it in?
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// True when the chain of colour c through (ligne, colonne) escapes, o moving
// first, within `profondeur` plies (rounded up to even). (lignelibre,
// colonnelibre) is left open: a liberty there counts as an outside one.
// Enclosing chains on points set in `exclusion` are never counted as
// capturable where the reading consults it. `niveauprise` 1 adds the capture
// checks through the capturable list, 2 the check of ply 4, 3 the run of
// three outside liberties. Board and infochaine come back as they were.
bool lancelecturerecu3(const TMarques& exclusion, uint8_t c, uint8_t o, TPlateau& p, int32_t niveauprise,
                       int32_t profondeur, int32_t lignelibre, int32_t colonnelibre, int32_t ligne, int32_t colonne);
