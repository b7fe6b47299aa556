// Move chooser: a fuseki candidate in the first moves, else the move search;
// the engine's first move on an empty board is mirrored into one octant.
// Runs on plateaumoteur once the move entry has replayed the game and filled
// the opening suggestion maps.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// The chooser's flags and tables of the turn, before its pick: plateaudepart,
// phasedebut, the switches, the chain table, tablegroupes, the point
// numbers, debutpartie and the cleared pass flags.
void preparechoix();

// Writes the chosen point into (ligne, colonne); (0, 0) is a pass. Sets the
// per-move flags (debutpartie, phasedebut, the switches), tablegroupes and
// numerotation; takes the fuseki candidates it refuses out of candidatsfuseki.
void choixcoup(int32_t& ligne, int32_t& colonne);

// The quarter of the board holding the point has a stone off its first line.
bool testprisecoinfinie(const TPlateau& p, int32_t ligne, int32_t colonne);

// Image of (a, b) under board symmetry k (0..7), with N = size + 1:
// (a, b), (b, a), (b, N-a), (N-a, b), (N-a, N-b), (N-b, N-a), (N-b, a), (a, N-b).
TPoint transformesymetrie(int32_t a, int32_t b, int32_t k);

// A fuseki pick that is not a 4-4, 3-4 or 5-3 point: a lone candidate moves
// to the 4-4 point of its quarter; among several it is dropped from
// candidatsfuseki, the pick becomes pointko and `continuer` false (draw
// again). True when it changed something.
bool modifiecoinen44(const TPlateau& p, bool& continuer, TPoint& choix);

// numerotation: running numbers (from 0, row-major) of the empty points of
// plateaudepart, of the black chain heads and of the white chain heads
// (infochaine), each counted apart; -1 on the other stones.
void numerotecases();
