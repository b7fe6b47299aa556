// Small routines of the move search and the position analysis: the end-phase
// test and the joseki decision.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Sets phasefinale from the opening flag, the move number and the best
// value of `carte` against `seuil`.
void testfindepartie(int32_t seuil, const TPlateau& p, const TCarte& carte);

// For an engine trial at a joseki suggestion: may set coupdecide.
void decidecoupjoseki(int32_t ligne, int32_t colonne);
