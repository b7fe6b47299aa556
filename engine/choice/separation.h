// Link moves against the risk of separation found by the position analysis.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

// Clears both sides' risk and "separation" values where a trial stone dies,
// damps the risk values when survival or reinforcement moves matter (or the
// opponent's strong invasions do), spreads each engine value onto the
// neighbours from which the engine holds the link, and appends every point
// whose two values add up above 0. Board and infochaine come back. The
// risk values are the atari maps of each side's position analysis (`cartesE`
// the engine's, colour E; `cartesO` the opponent's), whose "separation" maps
// and dead marks after each trial are used too; `invasionforteO` is the
// opponent's "invasionforte" map.
void genereliecarrisqueseparation(const TCartesAnalyse& cartesE, const TCartesAnalyse& cartesO,
                                  TCarte& invasionforteO, uint8_t E, uint8_t O, TPlateau& p, TListePoints& candidats);
