// Passes over the trial records and the family maps: the moyo maps of the
// trial moves, the engine's territory attack, the timing of the maps.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The moyo map after each trial move into its record.
void gainmoyoessais();
// Raises the engine's "faitmort" where a trial breaks into the opponent's territory.
void attaqueterritoireordi(const TCarte& fourchette, TCarte& faitmort);
// Splits fork and forcing values, damps cut values against survival; the
// only three maps it reads and writes.
void temporisation(TCarte& fourchetteordi, TCarte& coupforceordi, TCarte& coupuredangereuse);
