// Propagation reading: how much of the territory of one colour can a chain of
// the other colour still claim when both sides play the area out locally?
// A minimax over short local lines with a node budget and per-ply stores.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Value 0..goal the chain through (ligne, colonne), colour c, claims of o's
// territory; o moves first (passes once when chaineavant is 1). o is content
// at `seuil` or below; a `plafond` in 1..goal-1 replaces the goal
// (paramniveauc / 2 + 3). A point without a stone of c goes to the point
// reading. Board and infochaine come back as they were; adds to
// compteurnoeudslecture, sets depassementpropagation when the budget was reached.
int32_t lecturetactique(uint8_t chaineavant, uint8_t c, uint8_t o, TPlateau& p, int32_t ligne, int32_t colonne,
                        int32_t seuil, int32_t plafond);

// Adds to v the value of the line (moves ligne[1..plis], row 0 = pass) for
// the chain through the target, colour c, against the marks m; `gain` 1 also
// counts the empty territory the chain side's stones border.
void evaluelecture(const TMarques& m, const TPlateau& p, const TPoint* ligne, int32_t& v, int32_t plis,
                   int32_t lignecible, int32_t colonnecible, uint8_t c, uint8_t gain);

// Adds to v what the line has already secured, with the gain the depth limit
// d still leaves; nothing when the target chain is in atari.
void evaluelecturepartielle(const TMarques& m, const TPlateau& p, const TPoint* ligne, int32_t& v, int32_t plis,
                            int32_t d, int32_t lignecible, int32_t colonnecible, uint8_t c);

// Appends to l the liberties of the chain through the point, crossing its
// colour and adjacent chains of fewer than 3 liberties, skipping points
// already listed and the ko point; marks every point appended 1 in masque.
void ajoutecandidatsfaibles(const TPlateau& p, TListePoints& l, int32_t capacite, int32_t ligne, int32_t colonne,
                            TPoint ko, TMarques& masque);
