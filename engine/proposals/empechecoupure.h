// Cut prevention: engine moves that make the opponent's cuts between two of
// its groups fail.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Into "coupure bambou separation" (cleared first; nothing more below level
// 3); points into the list; raises flagcoupure2. Board, infochaine,
// pionsmorts, territoire and territoire2 are as on entry. `cartesA` are the
// engine's maps (couleurA), `cartesB` the opponent's; of B's only the
// invasionforte map is read.
void coupempechecoupure(TPlateau& p, TCarte& coupurebambouseparation, const TCartesCote& cartesA,
                        const TCartesCote& cartesB, uint8_t couleurA, uint8_t couleurB, TListePoints& candidats,
                        int32_t cap);

// Does an engine stone at (rp, cp) make the opponent's cut at (re, ce) fail?
// 100 when the point is taken or the stone does not stay, 0 when it is the
// cut point or the cutting stone is lost, else the cut reading of depth
// `profondeur` (below 2: the cut fails). Board and infochaine put back.
int32_t testempechecoupure(uint8_t couleurB, uint8_t couleurA, TPlateau& p, int32_t re, int32_t ce, int32_t rp,
                           int32_t cp, int32_t profondeur);
