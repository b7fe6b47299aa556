// Position balances: static evaluations of a board for a colour, from its
// regions, dead stones, edge shapes, ladders and influence. They read the
// board, infochaine and pionsmorts and write only their results; where a
// chain-status pass runs, pionsmorts is put back.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Every empty first-line point but the corners whose inner neighbour holds a
// live stone of `y` and that a live stone of `x` flanks along the edge or
// diagonally inward: marked in `marques`, 1 added to `compte`.
void penaliteschaines(int32_t& compte, TMarques& marques, const TPlateau& p, uint8_t x, uint8_t y);

// The stones marked in pionsmorts, by colour.
void comptepionsmorts(const TPlateau& p, int32_t& noirs, int32_t& blancs);

// After a chain-status pass (the last move (ligne, colonne), none when it
// holds `k`): 10 a dead stone and 1 a point of a region one colour alone
// borders, for `c` or against it.
int32_t bilanterritoire(TPlateau& p, uint8_t c, uint8_t k, int32_t colonne, int32_t ligne);

// After the status analysis of the other colour's chains: 5 a point of c's
// regions (small enemy chains at the listed points left out) and 10 an enemy
// dead stone, less 5 an edge penalty; negated unless c is `propre`.
int32_t calculbilan2(const TListePoints& liste, int32_t cap, TPlateau& p, uint8_t c, uint8_t propre);
// calculbilan2 on the dead marks as they stand.
int32_t calculbilan(const TListePoints& liste, int32_t cap, const TPlateau& p, uint8_t c, uint8_t propre);

// Balance with ladder checks: dead stones, solid 2x2 blocks, chains in atari
// (caught in a ladder or not) and chains with two liberties count against
// their colour (c negative, the other positive); the liberty averages and
// chain counts of both colours when both have chains.
int32_t calculbilanesca(const TPlateau& p, uint8_t c, uint8_t x);

// Influence around a point for c: classes above 2 count the line dominance
// of the empty points along the four rays (reach `portee`); classes up to 2
// the dilation count (3 passes below reach 5, else 4).
int32_t compteinfluencelignes(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, int32_t classe,
                              int32_t portee);
// Empty points of black influence less those of white (the other way for
// white) after `passes` dilations of the board without its dead stones,
// divided by the class's divisor.
int32_t compteinfluencedilatation(const TPlateau& p, int32_t passes, int32_t classe, uint8_t c);

// Dead stones (`poids` each, for the other colour) and, on the board without
// them after `passes` dilations, the empty points of each side's influence.
void comptemortsinfluence(int32_t& noirs, int32_t& blancs, int32_t passes, const TPlateau& p, int32_t poids);
