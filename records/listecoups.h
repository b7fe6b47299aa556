// Move-list append: the one routine of the game-record unit that the front
// end calls for every move it records.
#pragma once
#include <cstdint>

#include "engine/board/types.h"

// Appends (colour, row, column) as the new last move of `liste` and raises the
// count in record 0. A full list (MAXCOUPSPARTIE moves) is left unchanged and
// the result is false; the front end tests `listepleine` before playing.
bool ajoutecoup(int32_t ligne, int32_t colonne, uint8_t couleur, TListeCoups& liste);

// Number of moves held in the list.
inline int32_t nombrecoups(const TListeCoups& liste) { return liste[0].ligne; }
// True when the list has no room for one more move.
inline bool listepleine(const TListeCoups& liste) { return liste[0].ligne >= MAXCOUPSPARTIE; }
