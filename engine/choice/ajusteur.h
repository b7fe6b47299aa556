// Move adjuster: between the two passes of the root, puts the chosen move
// and a few related points back into the root list for a second pass.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/recherche_etat.h"

// Given the move the first pass chose, the family maps and the root value
// of each move: appends to `candidats` the points worth a second look,
// fills `listea` (the zone list of the second pass), empties `listeb`, and
// sets `secondepasse` when it added a point.
void ameliorator(TPoint choisi, TCartesFamilles& familles, TCarte& valeursracine, recherche::TListeRacine& candidats,
                 TListePoints& listea, TListePoints& listeb, uint8_t& secondepasse);
