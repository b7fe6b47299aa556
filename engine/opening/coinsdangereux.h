// Dangerous corner moves: entries of the opponent into a corner's 3x3 square
// and the engine moves that follow the joseki or refute every entry.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

void prisedecoindangereux(const TMarques& zone, TCarte& scores, TPlateau& p, uint8_t autre, uint8_t couleur,
                          TListePoints& candidats);
