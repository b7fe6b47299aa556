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

// The count rule of both readings, from k counted targets, k2 counted
// stones of the counted colour still standing and e empty enclosed points:
// k2 = 1 is ignored from 4 targets on; any other nonzero k2 clears e; false
// (the candidate dropped) when k2 is above k.
bool comptesentourage(int32_t k, int32_t& k2, int32_t& e);
