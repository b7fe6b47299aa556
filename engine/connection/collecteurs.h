// Liberty collectors of linked chains and point link tests. The collectors
// walk a chain and the chains diagonally linked to it (the diagonal rule of
// liaisonvorn), appending liberties to a point list with the checked append
// (a full list takes no more) and marking what they visit in the caller's
// mark map, so one map may serve several calls and lists each point once.
// They read infochaine, which must describe the board, and change nothing else.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

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

// Link test robust to the opponent's moves: linked now by the test of the
// link level (2 or more: pionlieachainetest1, else pionlieachaine) toward the
// marks, or still linked after the opponent plays each of `n` empty
// neighbours in turn. Board and infochaine are put back.
bool choisitniveaulien(TPlateau& p, const TMarques& m, int32_t r, int32_t c, int32_t niveaulien, int32_t n);
// Live-chain link test of a lone or dead-flagged stone of `couleur`: two
// empty neighbours (or one strong one) would link it to live stones. Board,
// infochaine and pionsmorts are put back.
bool estlieachainevivante2(TPlateau& p, int32_t r, int32_t c, uint8_t couleur);
