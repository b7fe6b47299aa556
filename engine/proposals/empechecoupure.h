// Cut prevention: engine moves that make the opponent's cuts between two of
// its groups fail.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Into "coupure bambou separation" (cleared first); points into the list.
void coupempechecoupure(TPlateau& p, TCarte& coupurebambouseparation, TCarte& survieA, TCarte& fortificationA,
                        TCarte& invasionforteB, uint8_t couleurA, uint8_t couleurB, const TCartesParPoint& mortsessaiA,
                        const TCartesParPoint& mortsessaiB, const TCartesParPoint& mortsessai2A,
                        const TCartesParPoint& mortsessai2B, TListePoints& candidats, int32_t cap);
