// The 9x9 winning-line search and the score-penalty rule of the root.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// When some first move wins by force within the look-ahead, lists those
// moves alone in `candidats`.
void solutiongagnante99(TPlateau& p, TListePoints& candidats);
// The penalty rule on a root candidate at (ligne, colonne) from eight of
// its family values: true rejects it; the penalty goes to `score`.
bool testepenalite(int32_t ligne, int32_t colonne, const int32_t (&valeurs)[8], int32_t& score);
