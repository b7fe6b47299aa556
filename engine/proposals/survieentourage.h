// Survival by surrounding: the engine killing opponent chains by
// surrounding them, and saving its own chains surrounded at the start.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Into the opponent's "survie" map; points into both lists.
void coupdesurvieentourant(TCarte& survieB, TPlateau& p, TListePoints& famille, int32_t capfamille,
                           TListePoints& candidats, int32_t cap);
// Into the engine's "survie" map; lowers its "fortification" there.
void survieordi(TMarques& memosurvieA, TCarte& survieA, TCarte& fortificationA, TPlateau& p, TListePoints& candidats,
                int32_t cap);
