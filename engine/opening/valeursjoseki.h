// Joseki move valuation: the joseki suggestions pruned and turned into the
// values of valeurscoins, the lock situations, the corner reinforcement.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

void analyseverrous(const TMarques& zone, TCarte& scores, const TPlateau& p, TListePoints& candidats,
                    int32_t lignedernier, int32_t colonnedernier, uint8_t autre, uint8_t couleur);
void renforcejoseki(const TMarques& zone, const TPlateau& p, uint8_t couleur, TListePoints& candidats,
                    uint8_t autre);
