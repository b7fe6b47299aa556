// Passes over the trial records and the family maps: the moyo maps of the
// trial moves, the engine's territory attack, the timing of the maps.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The moyo map of the position into cartemoyo, and into each record's
// carteessaimoyo the moyo after that trial (non-candidates get cartemoyo).
void gainmoyoessais();
// Raises the engine's "faitmort" where a candidate's trial saves dead engine
// stones while breaking into the opponent's territory; the fork map is read only.
void attaqueterritoireordi(const TCarte& fourchette, TCarte& faitmort);
// At engine candidates: splits a value both fork and forcing, divides by 10
// a dangerous cut whose trial saves less than the best (maxcompteursessais); the
// only three maps it reads and writes.
void temporisation(TCarte& fourchetteordi, TCarte& coupforceordi, TCarte& coupuredangereuse);
