// The calm-situation test of the main recursion: whether anything is still
// at stake this turn.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Sets etatcalme (2 something at stake, 4 calm and no opponent stone dead)
// and may append liberties of dead chains to `candidats`.
void situationcalme(TListePoints& candidats);
