// End-of-game evaluation of the empty points, once per turn after the first
// position analysis: the mover's stone on every empty point against the
// whole-board balance decides whether the game is over for the engine
// (procedurefinpartie, ordipasse) and adds the best unlisted points.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

// `plateau` is copied; `m` moves, `o` is the other colour. `analyse` holds
// the maps of the first position analysis (m's): its dead marks after each
// trial, its "faitmort" values and weak stones are read; the kills of a
// stone are written per point into its `tues` and self-atari points added to
// its `mauvaiscoups`. `porteezone` is the analyses' reach (set to 10 when few
// points count), `pertes` gets the losses per point. Appends up to
// `nbajouts` points (+1, or `nbsupp` by zone count) to `candidats`
// (capacity 361). Raises maxtuesordi and compteurinfluence. pionsmorts and
// infochaine come back unchanged.
void evaluationfinpartie(const TCartesAnalyse& analyse, TListePoints& candidats, const TPlateau& plateau, uint8_t m,
                         uint8_t o, int32_t& porteezone, TMarques& pertes, int32_t nbajouts, int32_t nbsupp);
