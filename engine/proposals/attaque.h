// Attack search: attacking moves when the engine is behind.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Runs only when the opening boosted no move and flagattaque is set: raises
// "bonus de debut ou de fin de partie" of the engine at the attacking points
// and appends them to the list, stopping after the first stage that proposes
// one. Board, infochaine, pionsmorts, territoire, valeurssurvie and
// tableessaiscourante are as on entry at every return. `cartesA` are the
// engine's maps (couleurA), `cartesB` the opponent's; of B's only the
// survie and fortification maps are read.
void chercheattaque(TPlateau& p, const TCartesCote& cartesA, const TCartesCote& cartesB, TCarte& bonusdebutfinA,
                    uint8_t couleurA, uint8_t couleurB, TListePoints& candidats, int32_t cap);

// Value of an attacking point from its reading result r (0 not read, 1..8,
// 100 read and nothing found) and the open opponent points k around the
// stones it threatens: 10 x strength less the engine's invasion value there,
// never below 0; 0 when neither r nor k gives anything.
int32_t valeurattaque(int32_t r, int32_t k, int32_t invasionforte);

// Two points near the same edge (within its four lines, off the first line,
// not neighbours) between which the rectangle and the band down to the edge
// are empty and owned by colour c in territoire.
bool zonebordlibre(const TPlateau& p, int32_t ra, int32_t ca, uint8_t c, int32_t rb, int32_t cb);
