// The diagonal rule of linked chains, the liberty collectors of linked
// chains and point link tests. The collectors walk a chain and the chains
// the diagonal rule links to it, appending liberties to a point list with
// the checked append (a full list takes no more) and marking what they visit
// in the caller's mark map, so one map may serve several calls and lists each
// point once. They read infochaine, which must describe the board, and
// change nothing else.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/pas.h"
#include "engine/board/types.h"

// The diagonal rule: the stone of `couleur` at (r2, c2), diagonal to (r, c),
// is linked to it when both shared points are empty, or exactly one is and
// an opponent stone there would stand in self-atari.
bool diagonaleliee(const TPlateau& p, uint8_t couleur, int32_t r, int32_t c, int32_t r2, int32_t c2);

// Liberties of the chain and of the chains diagonally linked to it while
// `profondeur` < `profondeurmax` (one level per diagonal step); for each
// adjacent opponent chain of 2 liberties its liberties, of 1 liberty its
// liberties with the chains in atari it touches (libertesetatari).
void listelibertesetcaptures2(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c,
                              int32_t profondeurmax, int32_t profondeur);
// As listelibertesetcaptures2 with no bound on the diagonal steps.
void listelibertesetcaptures(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c);
// Liberties of the linked chain; adjacent opponent chains in atari only.
void listelibertesaveccaptures(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r,
                               int32_t c);
// Liberties of the linked chain; adjacent opponent chains in atari, or with
// 2 liberties and not flagged in pionsmorts, through libertesetcapturables.
void listelibertesavecmorts(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c);
// Liberties of the linked chain, no opponent chains; every adjacent opponent
// stone whose chain is in atari goes once into `ataris`.
void listelibertesdelachaineliee(const TPlateau& p, TListePoints& l, int32_t cap, TListePoints& ataris,
                                 int32_t capataris, TMarques& vu, int32_t r, int32_t c);
// Fill by orthogonal and diagonal links appending each empty orthogonal
// neighbour once, marking stones and liberties.
void listelibertessimple(const TPlateau& p, TListePoints& l, int32_t cap, TMarques& vu, int32_t r, int32_t c);
// Fill by orthogonal and diagonal links marking the stones, their empty
// orthogonal neighbours and every adjacent opponent chain of fewer than 4 liberties.
void marquelibertes(const TPlateau& p, TMarques& m, int32_t r, int32_t c);

// Adds to `n` the unmarked liberties of the chain through (ligne, colonne),
// marking them, and of chains one diagonal hop away (`saut` set: no further
// hop; a hop into a chain of at least `borne` liberties makes n = borne).
// Stops as soon as n reaches `borne`. Note the column comes first.
void comptelibertesjusqua(const TPlateau& p, TMarques& vu, int32_t& n, int32_t colonne, int32_t ligne,
                          int32_t borne, uint8_t saut);

// An unmarked stone of x is an orthogonal neighbour of the point, or a
// diagonal one with both shared points empty.
bool pointliea(const TPlateau& p, const TMarques& m, int32_t ligne, uint8_t x, int32_t colonne);
// As pointliea, or an unmarked stone of x two points away past an empty point.
bool pointlieajump(const TPlateau& p, const TMarques& m, int32_t ligne, uint8_t x, int32_t colonne);
