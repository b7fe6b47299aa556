// Two-step corner attack and defence, and the moves proposed when the engine
// loses the influence balance.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

void coupadeuxdegres(const TMarques& zone, const TCarte& a1, const TCarte& a2, int32_t colonnedernier,
                     int32_t lignedernier, TListePoints& candidats, TPlateau& p, TCarte& scores,
                     const TCartesParPoint& mortsjoueur, const TCartesParPoint& mortsordi, uint8_t autre,
                     uint8_t couleur);
void testeperteinfluence(TCarte& scores, const TPlateau& p, const TCartesParPoint& mortsordi,
                         TListePoints& candidats, uint8_t autre, uint8_t couleur);
