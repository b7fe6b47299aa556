// Move adjuster: between the two passes of the root, puts the chosen move
// and a few related points back into the root list for a second pass, and
// its fortification reinforcement.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/recherche_etat.h"

// Per-point zone maps: [q row-1][q col-1][p] non-zero when p lies in q's zone.
using TZonesPoints = uint8_t[TAILLEMAX][TAILLEMAX][NBCASES];

// Given the move P0 the first pass chose: raises or lowers "flou" around it,
// appends to `candidats` its neighbours, the points that stop more of the
// opponent's invasions (raising T there), the survival and fortification
// moves that keep the same weak stones, and the points of value close to
// P0's; `ajoute` := 1 when it appended (P0 stays then, first). From level 7
// fills `listea` (300) around the new candidates; empties `listeb`. Never the
// ko point, each point once; board, infochaine, pionsmorts and territoire
// come back as they were. `meilleur` is raised in the survival step.
void ameliorator(const TMarques& F, const TMarques& K, const TMarques& S, const TZonesPoints& Z, TPlateau& plateau,
                 int32_t& meilleur, TPoint P0, const TCarte& Q, const TCarte& I, const TCarte& IJ, TCarte& flou,
                 const TCarte& SJ, TCarte& SV, TCarte& FO, TCarte& T, TCarte& D1, TCarte& D2, const TCarte& B,
                 const TMarques& mauvais, recherche::TListeRacine& candidats, TListePoints& listeb,
                 TListePoints& listea, uint8_t& ajoute, uint8_t couleur, uint8_t adverse, TPoint ko);

// The zones the adjuster reads (zonespoints, the layout of TZonesPoints): the
// zone of a point is its window of half-width 2 with the liberties of the
// chains within one step of it, on `plateau`. Written for every point.
void marquezonespoints(const TPlateau& plateau);

// The engine's influence balance on `plateau` with the stones of pionsmorts
// taken off, after `passes` dilations: an engine point counts 1 on the first
// line, 3 on the second and third, 4 farther in; an opponent point off the
// first line counts 1; (own - other) / 2.
int32_t soldeinfluenceponderee(const TPlateau& plateau, int32_t passes);

// Does the opponent's best answer undo what P0 saves once p is played? Each
// threatening answer x is played on p's trial position, the dead chains read,
// and the dead-marks term re-scores D1[p]. Board, infochaine and pionsmorts
// come back as they were.
void reevaluefortifcandidat(TPlateau& plateau, uint8_t k, uint8_t f, TPoint P0, TPoint p, TCarte& FO, TCarte& D1,
                            TCarte& D2, const TCarte& B, TCarte& SV, uint8_t couleur, uint8_t adverse);
