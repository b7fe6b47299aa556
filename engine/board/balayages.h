// Board scans and small sorts of the chain-status unit.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Dead chains of both colours in contact: marks both chains of every
// contact in `sortie` and sets `trouve`. Chains in `exclus`, with one
// liberty, or whose `etats` value is -2 take no part.
void detectcontacts(const TMarques& exclus, uint8_t& trouve, TMarques& sortie, const TPlateau& p,
                    const TCarte& etats);
// Regions of empty points and dead stones bordered by one colour: their dead
// stones of the other colour get 1 in `sortie` and count for the border colour.
void zonesdepuispoint(TMarques& sortie, const TPlateau& p, int32_t& blanc, int32_t& noir);
// Empty points counted for their dominant colour along the lines (reach
// `portee`), or their owner in territoire when no living stone stands on
// their row and column; every dead stone adds `poids` to the other colour.
// The point (ligne, colonne) is not read.
void zonesdepuispoint2(int32_t& noir, int32_t& blanc, int32_t poids, int32_t portee, int32_t ligne,
                       int32_t colonne, const TPlateau& p);
// Colour of the first living stones met along the four lines from an empty
// point (at most `portee` points each) when they agree; 2 otherwise.
uint8_t couleurdominantelignes(const TPlateau& p, int32_t ligne, int32_t colonne, int32_t portee);
// Sorts the points of `l` by decreasing value, equal values keeping their
// order; valeurs[k] goes with point k (1-based).
void triecoups(TListePoints& l, int32_t* valeurs);
