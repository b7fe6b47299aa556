// Invasion attempts: graded invasions of the opponent's territory.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Scores the invasion attempts of `envahisseur` into `proprietaire`'s
// territory into `scores`; points into the list.
void tentativeinvasion(TListePoints& candidats, int32_t cap, uint8_t envahisseur, uint8_t proprietaire,
                       TCarte& scores, TPlateau& p);
