// Seki detection: chains of both colours sharing liberties in a closed shape
// where neither side can approach live in seki and lose their dead marks.
// `marques` holds the chains taken as already dead; only single stones in
// atari among them may stand inside a seki shape.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// For every empty point that seeds a seki: `trouve` := 1 and the dead marks
// of the shape's stones not in atari are cleared. `trace` asks for a trace line.
void detectseki(int32_t& trouve, const TMarques& marques, const TPlateau& p, uint8_t trace);
// The same, writing the seki (code -6, value 0) into the table that
// tableessaiscourante selects for the trial move (ligne, colonne).
void detectsekiessais(int32_t& trouve, const TMarques& marques, const TPlateau& p, uint8_t trace, int32_t ligne,
                      int32_t colonne);
// Is the shape reached from the empty point a seki? `vu` is shared by one test.
bool testseki(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne, TMarques& vu,
              int32_t profondeur);
// Every neighbour a stone not marked, of a chain with exactly two
// liberties, and both colours among them.
bool graineseki(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne);
// Every neighbour in a chain of one or two liberties; a marked one must be a
// single stone in atari.
bool voisinsseki(const TMarques& marques, const TPlateau& p, int32_t ligne, int32_t colonne);
// Walks the chain through (ligne, colonne), listing its liberties not yet in
// `vu`; a marked enemy neighbour that is not a single stone in atari sets
// the count to -1.
void libertesseki(const TPlateau& p, TListePoints& l, TMarques& vu, const TMarques& marques, int32_t ligne,
                  int32_t colonne, int32_t dir);
// The seki shapes of `p` (with `marques` as above) that are no seki. A
// colour's chains there that touch nothing but the shape can be filled in
// and taken: that colour plays a point of the shape beside them, the other
// takes them at their last liberty, and the taker's chain is read for two
// eyes with the first colour to move. When it cannot make them (and no
// chain of the first colour around it is in atari or marked in pionsmorts),
// `faux` is set on the taker's stones that stood in the shape.
// Board, chain table and dead marks come back as they were.
void sekisfaux(TMarques& faux, const TMarques& marques, TPlateau& p);
