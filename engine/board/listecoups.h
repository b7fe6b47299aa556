// Unit listecoups: the point-list append of the whole engine and the
// collectors of empty points near given points. Lists are TListePoints with
// their owner's capacity; a full list takes no more points.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Appends (ligne, colonne) unless the list already holds it.
// Returns the position of the entry found or added, 0 when the list is full.
int32_t ajoutecaseliste(int32_t ligne, int32_t colonne, TListePoints& l, int32_t cap);
// Empty points among the eight neighbours (no duplicate test).
void listevidesvoisins(const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne, int32_t colonne);
// Empty unmarked points of the 3x3 block (centre first), marking them.
void listevidesautourmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t ligne,
                            int32_t colonne);
// Empty unmarked points among the eight neighbours of (r1, c1), then the
// four orthogonal neighbours of (r2, c2), marking them.
void listevidesvoisinsmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t r1,
                             int32_t c1, int32_t r2, int32_t c2);
// Empty unmarked points from squares of growing half-width (from d) around
// the two points, corners skipped, until the list holds more than 6 points.
void listevidescarresmarque(TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap, int32_t r1,
                            int32_t c1, int32_t r2, int32_t c2, int32_t d);
// The single liberty of a stone with no friendly neighbour; row 0 otherwise.
void seuleliberteisolee(TPoint& lib, const TPlateau& p, int32_t ligne, int32_t colonne);
// Empty candidate points next to a chain with fewer than 3 liberties.
void listevidesjouables(const TPlateau& p, TListePoints& l, int32_t cap);
// Keeps the first k points; of the others drops those with A and B clear
// and either C set or owned by `couleur` in territoire (stable).
void elaguefinliste(uint8_t couleur, int32_t k, const TMarques& a, TListePoints& l, int32_t cap, const TMarques& c,
                    const TMarques& b);
