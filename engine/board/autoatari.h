// Self-atari test: would a stone played at an empty point stand in atari
// with no capture? Read by the link rules many times per move.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// True when a stone of `couleur` at the empty point (r, c) would stand in
// self-atari by the local test. Reads infochaine (it must describe p),
// tablevoisins, distancebord, bordgoban and flagscan; changes nothing.
bool testautoatari(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c);

// Second-line variant, taken by testautoatari while flagscan is set.
bool testautoataribord(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c);
