// Link moves against the risk of separation found by the position analysis.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// From each side's separation-risk map (the atari terms of the analyses)
// into both "separation" maps; points into the candidate list.
void genereliecarrisqueseparation(TCarte& risqueE, TCarte& risqueO, TCarte& separationE, TCarte& separationO,
                                  TCarte& invasionforteO, const TCartesParPoint& mortsessaiE,
                                  const TCartesParPoint& mortsessaiO, uint8_t E, uint8_t O, TPlateau& p,
                                  TListePoints& candidats);
