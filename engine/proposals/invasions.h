// Invasion family: points where a stone played inside the other side's
// area can live or do damage, for both sides, and the zones the opponent's
// invasions reach.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Rebuilds both "invasionforte" maps from zero: first the opponent's
// invasions into the engine's area (B), then the engine's into the
// opponent's (A), with the damage its readings find. Keeps the counters
// compteurinvasions (opponent), compteurinvasions3 (engine) and
// compteurinvasions2 (the larger). Board, infochaine and pionsmorts come back.
// Of each side's maps `cartesA` (the engine's, couleurA) and `cartesB` it
// reads the dead marks after trials and readings, the engine's save marks,
// and writes the "invasionforte" maps.
void invasionpossible(const TCartesCote& cartesA, const TCartesCote& cartesB, TPlateau& p, uint8_t couleurA,
                      uint8_t couleurB);

// Adds the reading value v of the engine's candidate (r, c) to its
// "invasionforte" value: 20 v under attack with at most 3 invasions before
// (c0), 5 v in the opening with territory to take, 20 v on a point that has
// a value, else 20 v when liaisoninvasion holds there and 5 v otherwise.
void ajoutelectureinvasion(TCarte& invasionforteA, int32_t v, int32_t c0, const TPlateau& p, uint8_t couleur,
                           int32_t r, int32_t c);

// The engine's stone at P links both to its stones of the link marks that
// the trial keeps alive and to its other stones the trial keeps unmarked
// (an engine candidate whose record is linked and revives stones).
bool liaisoninvasion(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);

// For every opponent invasion point P ("invasionforte" B above 0), the
// numbered zone its invasion reaches, into zones[P]; the maps of the
// opponent's candidates are cleared first. "invasionforte" B is not changed.
void analysecoupsinvasion(TPlateau& p, const TCarte& invasionforteB, uint8_t couleurA,
                          uint8_t (&zones)[TAILLEMAX][TAILLEMAX][NBCASES], uint8_t couleurB);
