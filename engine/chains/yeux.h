// Eye tests: small questions about one point (true eye, eye with at most one
// empty neighbour, separating stone, marked diagonals). They read the board,
// infochaine (liberties in [0]), bordgoban and, for some, a caller's marks
// (0 = unmarked) or pionsmorts; none changes anything unless it says so.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// An eye of c with at most one empty neighbour: the empty count (0 or 1);
// -1 for a second empty neighbour, an own chain in atari or an enemy stone.
int32_t testoeilunevide(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// The same against marked own stones: -1, 0 or 1 (an enemy seen), 2 (an
// unmarked own stone with nothing else).
int32_t testoeilmarques(const TPlateau& p, const TMarques& marques, uint8_t c, int32_t ligne, int32_t colonne);
// Exactly one empty orthogonal neighbour, written to `sortie`, the others of
// c; `sortie` is (0, 0) when false.
bool videuniqueentoure(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne, TPoint& sortie);
// The stone at the point splits its eight neighbours into separate own
// groups, or an empty orthogonal neighbour is an eye of its colour.
bool pierreseparatrice(const TPlateau& p, int32_t ligne, int32_t colonne);
// The empty point is a true eye against c: no neighbour of c; diagonals of c
// at most one inside the board, none on the edge line.
bool testvraioeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// Orthogonal neighbours marked 1, or -1 when none; 0 when a neighbour holds c
// or the diagonals fail as in testvraioeil. The point need not be empty.
int32_t testvraioeilmarques(const TPlateau& p, const TMarques& marques, uint8_t c, int32_t ligne,
                            int32_t colonne);
// testvraioeil without the emptiness test; diagonal stones of c marked in
// pionsmorts do not count.
bool testvraioeilsansmorts(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// Would the first empty table neighbour of this stone of c be a true eye
// against c once the stone is taken? The board comes back as it was.
bool oeilapresprise(TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// Diagonals unmarked in the mask: at most one inside the board; on the edge
// line each must be empty and fail testvoisinsatariunique.
bool diagonalesmasquees(const TMarques& masque, const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c);
// 1 true eye, 2 half eye (two soft diagonals, empty ones in `sorties`), 0 none.
int32_t diagonalesmasqueescompte(const TMarques& masque, const TPlateau& p, std::array<TPoint, 2>& sorties,
                                 int32_t ligne, int32_t colonne, uint8_t c);
// Marked stones of c touch the point diagonally (off-board points are never
// marked stones).
bool contactdiagonalmarque(const TPlateau& p, uint8_t c, const TMarques& marques, int32_t ligne, int32_t colonne);
// A neighbour's chain is short of liberties: 1 or 2, or 3 for a chain of c
// (from level 6); below level 6 any stone with fewer than 3.
bool voisinfaible(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
