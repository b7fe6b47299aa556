// Unit bonus: the evaluation terms of a move at p on a board B. Each adds to
// or subtracts from one accumulator (added when the stone or colour it
// judges is the reference colour m, subtracted otherwise) and leaves the
// board, infochaine and the dead-stone maps as it found them.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"

// Enemy chains next to p that are in atari, or caught in a ladder with two
// liberties; `chaine` non-zero widens the look to p's whole chain; d the
// depth of the move in the line (1 = the candidate).
void bonuslibertesvoisines(TPlateau& p, int32_t& valeur, uint8_t m, int32_t chaine, int32_t d, int32_t ligne,
                           int32_t colonne);

// Own stones reached from p by a flood of the empty points within `rayon`,
// when the zone touches a live enemy stone.
void comptezonevoisins(TPlateau& p, int32_t& valeur, uint8_t m, uint8_t c, int32_t ligne, int32_t colonne,
                       int32_t rayon);

// Chains of X cut off by the move of Y at p (its captures `prises`); returns
// what it adds.
int32_t liaisonchainesenatari(int32_t& valeur, const TPrisesMarquees& prises, TPlateau& p, uint8_t x, uint8_t y,
                              int32_t ligne, int32_t colonne);

// Regions of the other colour that the stone at p separates; `marques` and
// `statut` the dead marks after and before the move's readings, `liste` the
// own stones the move took out of atari, `second` the board before the move.
void bonuscoupureregions(const TMarques& marques, const TMarques& statut, TListePoints& liste, TPlateau& p,
                         const TPlateau& second, int32_t ligne, int32_t colonne, int32_t& valeur, uint8_t mode);

// A move next to enemy chains inside the other colour's area or nobody's.
void bonusvoisinsennemis(TPlateau& p, int32_t& valeur, uint8_t m, int32_t mode, int32_t ligne, int32_t colonne,
                         int32_t faiblesse);
