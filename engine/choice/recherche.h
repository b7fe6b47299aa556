// The engine's move search for one turn.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

namespace recherche {
struct TRecherche;

// The marks the search starts from, on its board `b` with `c` to move: the
// capture and status marks of both sides (marquesliaison1 and 2, pionsmorts
// as the first), groups and liberty masks, the simple-ko point after the
// other side's move `dernier`, c's chains caught in a ladder into
// `escaliers`. The caller seeds the generator.
void preparemarquesrecherche(TPlateau& b, uint8_t c, TPoint dernier, TMarques& escaliers);
}  // namespace recherche

// Searches a move for `couleur` on `plateau` (the search works on its own
// copy), given the last and second-last stone moves; writes the point, or
// (0, 0) for a pass, into `resultat`, and may set ordipasse.
void cherchemeilleurcoup(TPoint& resultat, uint8_t couleur, const TPlateau& plateau, int32_t dernierligne,
                         int32_t derniercolonne, int32_t avantdernierligne, int32_t avantderniercolonne);

// The state the last search left (its candidate lists, marks and counts).
const recherche::TRecherche& dernierrecherche();
