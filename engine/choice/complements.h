// Candidate top-up of the root: a few ordinary good points of a quick score
// besides those the move families proposed. Appended points are new to the
// list; every append is bounded by the list's capacity.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"

// Plays `couleur` on each free point not in the refused points
// (mauvaiscoups) of `ordi` (a copy of `p`) and appends up to k of the best
// positive scores (flou - 1 + 2 faiblesse + the invasion defence maps of
// both analyses + the separation of `ordi`, territory and opening terms) to
// `candidats` (capacity 361). `ordi` and `joueur` are the maps of the
// engine's and the opponent's position analyses. `p` comes back unchanged.
void completecandidatsessai(const TCartesAnalyse& ordi, const TCartesAnalyse& joueur, int32_t k, uint8_t couleur,
                            uint8_t adverse, const TPlateau& p, TListePoints& candidats);

// Without trial moves: up to k1 free points by flou - 1 + 2 faiblesse, then
// up to k2 others by defensejoueur + separationjoueur, all positive, to
// `liste` (capacity 300).
void completecandidatsvaleur(int32_t k1, int32_t k2, const TPlateau& p, TListePoints& liste,
                             const TCarte& separationjoueur, const TCarte& flou, const TMarques& defensejoueur,
                             const TMarques& faiblesse);
