// Static two-eye tests: does the chain through a point already have two eyes,
// judged from the position alone? Both tests classify the chain's liberties
// with the eye tests, accept two true eyes, or a true eye and a half eye that
// stay liberties of one chain once the attacker fills the half eye's weak
// diagonals. Both leave the board and infochaine as they found them.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITELIBERTESYEUX = 300;  // liberty and enemy-atari lists

// Short test of the leaf readings: true when the chain (with the chains
// diagonally linked to it) has two eyes. Fills points for a moment only.
bool testvieapresjeu(TPlateau& p, int32_t ligne, int32_t colonne);

// Long test of the two-eye reading. `dernier` is the defender's move just
// played, (0, 0) for none; `carte` is the map-0 byte board (nonzero = a point
// that may count as eye space). `score` (+100 first true eye, +50 half eye,
// +4 numbered eye or closed region, +100 first region that is an eye) and
// `code` (0; 1 the last move joins the group; 4 an eye next to it; 2 the last
// move separates nothing) come back for the reading's move ordering. Takes
// off enemy chains in atari for the test and puts them back before it answers.
bool genecoupsyeux(TPlateau& p, int32_t ligne, int32_t colonne, TPoint dernier, int32_t& score, int32_t& code,
                   const TMarques& carte);

// The walk of the chain through `chaine` over stones of C meets both points
// as empty neighbours.
bool deuxlibertesdelachaine(const TPlateau& p, uint8_t C, uint8_t O, TPoint premier, TPoint second, TPoint chaine);

// An empty orthogonal neighbour of the point has, beyond it, a live stone of
// c (not dead, at least 2 liberties): the eye point has an exit.
bool sortieoeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);

// Can the attacker take the eye candidate through a neighbouring chain of 2
// liberties? `mode` = number of capture points genecoupsyeux recorded: above
// 0 the test runs on the position from before those captures. `marques` is
// not read. Fills points for a moment only.
bool oeilmenace(const TMarques& marques, TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode, uint8_t C,
                uint8_t O);

// Liberty walk of the linked group while flagsurvie is set: liberties into
// `l`, enemy stones in atari into `ataris` (a chain may come several times),
// `somme` += stone count and `nbchaines` += 1 at every chain head met.
void listelibertesetpierresliees(const TPlateau& p, TListePoints& l, int32_t cap, TListePoints& ataris,
                                 int32_t capataris, TMarques& marques, int32_t ligne, int32_t colonne,
                                 int32_t& somme, int32_t& nbchaines);

// Region walk of the closed-region count: marks 2 in R the points walked and
// the marked points next to them, 2 in X the points walked; `echec` when it
// meets an excluded point, a live O stone or an unmarked stone of C.
void regionfermeeyeux(bool& echec, const TPlateau& p, uint8_t C, int32_t dir, int32_t ligne, int32_t colonne,
                      TMarques& X, TMarques& R, uint8_t O);
