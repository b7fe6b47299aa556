// Two-step corner attack and defence, and the moves proposed when the engine
// loses the influence balance.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/opening/ouverture.h"

// Reads `flou` and both sides' trial dead masks from `cartes`; a decided
// move is valued above every flou + a2 total.
void coupadeuxdegres(const TMarques& zone, const TCartesOuverture& cartes, const TCarte& a2, TPoint dernier,
                     TListePoints& candidats, TPlateau& p, TCarte& scores, uint8_t autre, uint8_t couleur);
void testeperteinfluence(TCarte& scores, const TPlateau& p, const TCartesParPoint& mortsordi,
                         TListePoints& candidats, uint8_t autre, uint8_t couleur);
