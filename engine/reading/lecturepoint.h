// Point and cut readings: two light relatives of the propagation reading,
// without keys, budget, line evaluation or goal.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// How much of o's territory can c claim around the point (which holds no
// stone of c)? o moves first (passes once when chaineavant is 1); depth
// limit paramniveauc. Board and infochaine come back as they were.
int32_t lancelecturerecu1(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne);

// How many moves does a stone of colour a on the point get to play along the
// best line when b moves first, within `profondeur` plies? An empty point
// gets the stone first (0 when it is refused); an occupied one is read as it
// stands. Board and infochaine come back as they were.
int32_t lancelecturecoupure(uint8_t a, uint8_t b, TPlateau& p, int32_t profondeur, int32_t ligne, int32_t colonne);
