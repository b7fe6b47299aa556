// Influence passes, the revival check of dead chains, and the owner maps
// territoire / territoire2 of the territory estimate. Influence maps are in
// the board layout: positive on black's side, negative on white's.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Stones give -128 (white) or +128 (black); then `n` dilations.
void compteterritoires(const TPlateau& p, TCarte& carte, int32_t n);
// `n` erosions toward 0; a value never changes sign.
void compteterritoires2(TCarte& carte, int32_t n);
// The dead chain through (ligne, colonne) stands in its own area of `carte`:
// its dead stones reached are cleared in pionsmortsestime. Reads pionsmorts.
bool chainerevivable(const TPlateau& p, const TCarte& carte, int32_t ligne, int32_t colonne);
// A neighbour holds `couleur` and is in atari and not in pionsmorts, or is
// held dead in pionsmortsestime.
bool voisinfaibleoumort(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur);
// Writes territoire from the result map R (with the chains bordering dead
// stones and the live chains linked to owned stones) and territoire2 from
// the work map W.
void marqueproprietaires(const TCarte& resultat, const TCarte& travail, const TPlateau& p);
// The estimate for `couleur` with paramniveaue passes and the owner pass;
// kept for the owner maps and pionsmortsestime it leaves behind.
void estimeterritoireordi(const TPlateau& p, uint8_t couleur);
