// End-of-game evaluation of the empty points, once per turn after the first
// position analysis: the mover's stone on every empty point against the
// whole-board balance decides whether the game is over for the engine
// (procedurefinpartie, ordipasse) and adds the best unlisted points.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

// `plateau` is copied; `m` moves, `o` is the other colour. From the first
// position analysis: `mortsapresessai` (dead marks after each of m's
// trials), `mortsapreslecture`, `porteezone` (set to 10 when few points
// count), `valeurs` (its "faitmort" map), `invasion` (its weakness map),
// `gains` and `pertes` (kills and losses written per point), `exclus`
// (self-atari points are added). Appends up to `nbajouts` points (+1, or
// `nbsupp` by zone count) to `candidats` (capacity 361). Raises maxtuesordi
// and compteurinfluence. pionsmorts and infochaine come back unchanged.
void evaluationfinpartie(TListePoints& candidats, const TPlateau& plateau, uint8_t m, uint8_t o,
                         const TCartesParPoint& mortsapresessai, const TCartesParPoint& mortsapreslecture,
                         int32_t& porteezone, const TCarte& valeurs, const TMarques& invasion, TMarques& gains,
                         TMarques& pertes, TMarques& exclus, int32_t nbajouts, int32_t nbsupp);
