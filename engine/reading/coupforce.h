// Forced moves against weak chains: trial moves after which a chain of the
// mover threatens several weak enemy chains at once.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Clears and fills both "coup force mort ou invasion" maps; points into the
// list. `p` is working space and comes back.
void coupforcefortifouinvasion(TListePoints& liste, int32_t cap, TPlateau& p, TCarte& ordi, TCarte& joueur);
