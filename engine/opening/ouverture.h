// Opening driver of the move search, and the 19x19 opening book.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// May write the chosen move into `choisi` (row 0 = none); fills the book
// map `livre` and the opening maps.
void coupdebutpartie(const TMarques& exclus, TPlateau& p, TPoint dernier, TPoint& choisi, TCarte& scores,
                     TCarte& valeurs, TListePoints& candidats, int32_t cap, TMarques& livre);
// The 19x19 book: writes `choisi` only when it names a single move.
void consultebase1919(TPoint& choisi, const TMarques& exclus, const TPlateau& p, TCarte& scores, int32_t cap,
                      TListePoints& candidats);
