// Per-move territory analyses of the position analysis: whether the game is
// still in its opening, how much territory an engine trial gains, and what
// an opponent trial claims around it. Both trial terms rerun the territory
// estimate on the board after the trial and write its sign into the trial
// record's carte1essai, with the counters compteur4essai (empty points on
// the mover's side bordered only by its influence) and, for the engine,
// compteur5essai (empty points and dead enemy stones on its side).
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Sets debutpartie to 1 while the opening lasts: early moves on large
// boards, an open joseki suggestion, or open edges that outnumber claimed ones.
void testphaseouverture(const TPlateau& p);

// The engine's trial at (ligne, colonne), of colour c, on `p`: `valeur` (its
// "flou" cell) gets the territory it gains over the counts noirs0/blancs0
// before the move; `bonus` (its cell of the second consolidation map) the
// consolidation value x 10 when the move secures it. Claims territoire3 and
// the point's carteniveau map; may clear enretard and flagattaque, raises
// territoireaprendre. `marques`: dead marks after the trial's readings;
// `proprietaires`: the estimate of the position. pionsmorts may gain the
// contact points: the caller puts it back. The board comes back.
void gainterritoireessai(const TMarques& marques, bool consolide, bool lie, uint8_t c, uint8_t o, TPlateau& p,
                         int32_t& bonus, int32_t& valeur, const TCarte& proprietaires, int32_t ligne,
                         int32_t colonne, int32_t noirs0, int32_t blancs0, int32_t valeurconsolidation, bool sauve);

// The opponent's trial at (ligne, colonne), of colour c: when it stands near
// its own stones and an empty neighbour leans to it, claims for c the
// neutral points it dominates in videsennemis and the point's tablelecture
// map. pionsmorts comes back.
void suiteessaijoueur(const TMarques& marques, uint8_t c, TPlateau& p, int32_t termeprise, int32_t ligne,
                      int32_t colonne);

// No empty orthogonal neighbour of the stone lies on its side of `influence`.
bool sansvidevoisininfluence(const TPlateau& p, const TCarte& influence, int32_t ligne, int32_t colonne);

// In the opening, an edge approach: where the stone faces an edge on lines 2
// to 4 over empty points and the first stone across the gap is the other
// colour's, that colour gets a stone on the gap point next to the stone.
void bloquebordadverse(TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);

// A free corner point: 600 plus a random part by board size, less 100 for
// the first stone of the same colour met along its row and along its column.
void bonuscoinouverture(const TPlateau& p, int32_t& valeur, int32_t ligne, int32_t colonne);
