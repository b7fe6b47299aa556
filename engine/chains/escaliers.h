// Ladder detection of the chain-status unit: is a chain with two liberties
// caught when the other side (the chaser) keeps taking one of its liberties
// and the chain (the runner) keeps extending at the other? Plays plain trial
// moves on the caller's board and restores every point it changes; the chain
// table is not read by the reading itself.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t ESCALIERPRIS = 1000;  // result of lectureesca: the runner is caught

// True when the two-liberty chain through (ligne, colonne) is caught in a
// ladder. Mode 1 (status drivers): any adjacent enemy chain in atari means
// no ladder; other modes only when its last liberty is not one of the
// runner's two.
bool detectesca(TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne);

// For every chain of colour c with exactly two liberties (infochaine), sets
// `sortie` at its head to its stone count (at most 255) when detectesca
// (mode 1) catches it; every other point 0.
void detectescatoutes(TPlateau& p, uint8_t c, TMarques& sortie);

// One ladder step: the runner plays at (ligne, colonne); `vu` holds the
// runner's stones, and every point the runner plays is marked there and left
// marked. Does nothing when `resultat` is already ESCALIERPRIS;
// otherwise sets it to ESCALIERPRIS (caught) or 0 (escaped).
void lectureesca(TMarques& vu, TPlateau& p, uint8_t& chasseur, uint8_t& coureur, int32_t ligne,
                 int32_t colonne, int32_t& resultat);
