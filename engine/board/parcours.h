// Chain and region walks kept with the engine state. Every core takes
// (board, outputs, capacity, arrival direction, row, col, visited) as far as
// it has them; start with direction 0 and a visited array copied from
// marquesvides. List appends are checked against the capacity.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Liberties of the chain through the point, each once (stones and liberties marked).
void libertesdelachaine(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                        TMarques& vu);
// The same for the chain of `couleur` through the point.
void libertescouleur(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     TMarques& vu, uint8_t couleur);
// Liberties into a list, stones counted into nbpions.
void libertesetpions(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                     int32_t& nbpions, TMarques& vu);
// Liberties into `libs`, adjacent stones of the other content into `adversaires`.
void libertesetadversaires(const TPlateau& p, TListePoints& libs, int32_t cap, int32_t dir, int32_t r,
                           int32_t c, TMarques& vu, int32_t cap2, TListePoints& adversaires);
// Liberties into a list; clears `flag` when an adjacent enemy chain is in atari.
void libertesetvoisinsenatari(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                              int32_t c, TMarques& vu, int32_t cap);
void libertesetvoisinsenatari2(uint8_t& flag, const TPlateau& p, TListePoints& l, int32_t dir, int32_t r,
                               int32_t c, TMarques& vu, int32_t cap);
// Liberties by the chain table: follows stones whose liberty byte equals the
// current one; records table-empty points and same-coloured stones whose byte differs.
void libertestable(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                   TMarques& vu);
// Size byte of the point when it is its chain's head; else 1 when the chain's
// head is reached from it, 0 when not.
int32_t libertestableparent(const TPlateau& p, int32_t r, int32_t c);
// Distinct liberties of the chain, added to n.
void comptelibertes(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Number of liberties of the chain through the point.
int32_t nblibertes(const TPlateau& p, int32_t r, int32_t c);
// Counts liberties into n and marks the chain's stones 1 in `marque`.
void comptelibertesetmarque(const TPlateau& p, int32_t& n, int32_t dir, int32_t r, int32_t c, TMarques& vu,
                            TMarques& marque);
// Liberties up to two: nb is 0, 1 or 2; lib is the first liberty found
// (the only one when nb is 1). Start nb at 0.
void deuxlibertes(const TPlateau& p, int32_t& nb, TPoint& lib, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// As deuxlibertes, listing the stones; past 30 stones a stone whose table
// liberty byte is 0 ends the walk with nb = 2.
void deuxlibertespions(const TPlateau& p, int32_t& nb, TPoint& lib, TListePoints& pions, int32_t cap,
                       int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Marks the chain 1 and every adjacent point of other content 2 in m.
void marquechaineetvoisins(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c);
// Marks the chain's stones 1 in m (m is the visited array).
void marquepionschaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c);
void marquechainesimple(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c);
void marquechainesimple2(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c);
// Adds to n the chain's stones not yet marked in vu, marking them.
void comptepionschaine(int32_t& n, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c);
int32_t nbpionschaine(const TPlateau& p, int32_t r, int32_t c);
// Clears the marks of the chain's stones in m (follows marked stones).
void effacechaine(const TPlateau& p, TMarques& m, int32_t dir, int32_t r, int32_t c);
void effacemarques(const TPlateau& p, TMarques& m, int32_t r, int32_t dir, int32_t c);
// ORs `bit` into m over the chain; stops where the bit is already set.
void marquechainebits(const TPlateau& p, TMarques& m, uint8_t bit, int32_t r, int32_t c);
// Marks 1 in m the points of the start's content, 4-connected through the
// start, whose value in `carte` has the sign of `signe`.
void marquechainesigne(const TPlateau& p, TMarques& m, const TCarte& carte, int32_t dir, int32_t signe,
                       int32_t r, int32_t c);
// Writes `valeur` into m over the chain; stops at points already holding it.
void peintchaine(const TPlateau& p, TMarques& m, uint8_t valeur, int32_t r, int32_t c);
// Empties the chain on the board and lists the liberties met.
void videchaine(TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c, TMarques& vu);
// Removes a captured chain: stones empty, entries (0, 0), adjacent enemy
// chains gain each freed liberty once.
void retirechaine(TPlateau& p, int32_t r, int32_t c);
// Empties the chain and clears its chain-table entries.
void retirechainetable(TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c);
void retirechainetable2(TPlateau& p, int32_t r, int32_t c);
// Lists, each once, the points next to the region marked 1 in `region` through the point.
void bordregion(const TPlateau& p, TListePoints& l, int32_t cap, int32_t dir, int32_t r, int32_t c,
                const TMarques& region, TMarques& vu);
// Marks 1 in m the 4-connected region of positive values of `carte`.
void marqueregion(const TCarte& carte, TMarques& m, int32_t dir, int32_t r, int32_t c);
// Writes `valeur` into m over the region of points not holding `couleur`.
void marqueregionautre(const TPlateau& p, uint8_t couleur, uint8_t valeur, TMarques& m, int32_t dir, int32_t r,
                       int32_t c);
// Marks 1 in vu the region of points not holding `couleur`.
void marqueregionsanscouleur(uint8_t couleur, const TPlateau& p, TMarques& vu, int32_t dir, int32_t r, int32_t c);
// Over the points marked 1 in m1: clears them and writes `valeur` into m2.
void transfertmarques(TMarques& m1, TMarques& m2, uint8_t valeur, int32_t dir, int32_t r, int32_t c);
// Marks the area of `couleur`: its living stones, dead enemy stones and
// empty points that territoire gives it.
void marquezonecouleur(const TPlateau& p, uint8_t couleur, TMarques& m, int32_t dir, int32_t r, int32_t c);
// Marks 1 every point reached from the point by a path of at most `distance`
// steps through points unmarked at the call (the start is marked in any case).
void marquedistance(TMarques& m, int32_t distance, int32_t r, int32_t c);

// Does the chain through the point have a liberty, on a board of side
// `taille` (the engine's or the front end's)? At each stone the neighbours
// are tested for an empty point (row+1, col-1, row-1, col+1) before the stone
// is marked in vu and appended to `pierres` (when given, within `cap`); then
// it steps row+1, row-1, col+1, col-1 into unmarked stones of the start's
// content. The first liberty ends the flood: true.
bool chainealiberte(const TPlateau& p, int32_t taille, TListePoints* pierres, int32_t cap, int32_t r, int32_t c,
                    TMarques& vu);
