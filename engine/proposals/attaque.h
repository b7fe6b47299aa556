// Attack search: attacking moves when the engine is behind.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

void chercheattaque(TPlateau& p, TCarte& survieB, TCarte& fortificationB, TCarte& bonusdebutfinA,
                    TCarte& fortificationA, TCarte& survieA, TCarte& invasionforteA, uint8_t couleurA, uint8_t couleurB,
                    const TCartesParPoint& mortsessaiA, const TCartesParPoint& mortsessai2A, TListePoints& candidats,
                    int32_t cap);
