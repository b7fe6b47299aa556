// Linking-move candidates: when the engine needs points, the moves that join
// its stones to its territory, each read a few moves deep (the opponent
// answering next to the last move, the engine linking along the edge); and
// the edge marker marquesautsbord of the bonus terms.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t BUDGETLIAISONTERRITOIRE = 10000000;  // compteurnoeuds past which the reading fails
constexpr int32_t MAXCOUPSLIAISON = 4;                 // linking points kept when more are found
constexpr int32_t CAPACITECOUPSLIAISON = MAXPOINTSLISTE;  // the caller's candidate list

// Per trial point (indexcase): the dead-stone marks after the engine's trial there.
using TTableEssais = std::array<TMarques, NBCASES>;

// Consumes valeurconsolidation (P). Unless a gate holds (level below 4,
// defending, P = 0, and the other game-situation flags), every point marked
// 1 or 11 in C and not yet valued in W is played by `c` on a copy of the
// board, with the marks of t0 for dead stones, and read; a success gives
// W = 10P. Found points go into the list (the 4 best when there are 5 or
// more); C comes back with 1 on the points valued before. Gated: C and W
// cleared. Board, infochaine and pionsmorts come back.
void proposecoupsliaison(TListePoints& liste, const TTableEssais& t0, uint8_t c, uint8_t o, int32_t limite,
                         TPlateau& p, TCarte& C, TCarte& W);

// The reading from a position where `c` has just played at (r, k): odd
// depths are o's answers next to the last move, even depths c's edge
// links; true when some line of c's moves keeps territory worth P points at
// depth `limite`. Past BUDGETLIAISONTERRITOIRE nodes of compteurnoeuds it
// answers false at once. Reads pionsmorts; board and infochaine come back.
bool lectureliaisonterritoire(TPlateau& p, uint8_t c, uint8_t o, int32_t r, int32_t k, int32_t limite, int32_t P,
                              const TCarte& C);

// c's edge-line linking moves after a move at (r, k), at an even depth:
// empty points of the first two lines (not the corners) within two points
// of it, with a positive value in C and a c neighbour of more than 2
// liberties; the scan runs toward the higher coordinates at depths 2, 6..
// and toward the lower ones at depths 4, 8...
void coupsliaisonbord(const TPlateau& p, uint8_t c, int32_t r, int32_t k, int32_t profondeur, const TCarte& C,
                      TListePoints& l, int32_t cap);

// Leaf of the reading: the line's moves (even depths from 0) keep territory
// worth P points for e against o on the present board.
bool evaluelienterritoire(const TPlateau& p, uint8_t e, uint8_t o, const TListePoints& ligne, int32_t P);

// Writes b on the jump points from (r, k) toward each of the four directions
// (row+1, row-1, col+1, col-1), on the caller's copy of the board.
void marquesautsbord(TPlateau& p, int32_t r, int32_t k, uint8_t a, uint8_t b);
// Marks 1 in m the stones of c standing on c's territory (territoire).
void marqueterritoireliaison(const TPlateau& p, uint8_t c, TMarques& m);
// An orthogonal neighbour on the board is set in m.
bool voisinmarqueborne(const TMarques& m, int32_t r, int32_t k);
