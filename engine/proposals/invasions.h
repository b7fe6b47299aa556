// Invasion family: points where a stone played inside the other side's
// area can live or do damage, for both sides.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Writes both "invasionforte" maps.
void invasionpossible(TMarques& testvitA, TPlateau& p, TCarte& invasionforteA, TCarte& invasionforteB,
                      uint8_t couleurA, uint8_t couleurB, const TCartesParPoint& mortsessaiA,
                      const TCartesParPoint& mortsessaiB, const TCartesParPoint& mortsessai2A,
                      const TCartesParPoint& mortsessai2B);
// A pass over the opponent's "invasionforte" map and its invasion zones.
void analysecoupsinvasion(TPlateau& p, TCarte& invasionforteB, uint8_t couleurA, TMarques& zonesinvasionjoueur,
                          uint8_t couleurB);
