// Opening extensions along the sides, answers to the opponent's extensions,
// and the extension towards a large empty centre.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

void extensionsdebutpartie(TPlateau& p, const TCarte& invasionfortejoueur, TCarte& scores, int32_t constante,
                           const TListePoints& ennemis, int32_t cap, TListePoints& candidats);
