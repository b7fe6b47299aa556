// Chain table and move play with captures on a board kept with infochaine.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Capacity callers pass for capture lists: every point of the board.
constexpr int32_t CAPACITELISTE = MAXPOINTSLISTE;

// Rebuilds the whole chain table from the board; heads are the first stones
// of their chains in row-major order.
void calculelibertes(const TPlateau& p);

// Updates infochaine after a stone was put at (ligne, colonne); nbprises is 0
// when the move removed nothing. Captured points must still carry their old
// (non-zero) liberty byte. Nothing for a point off the board.
void majlibertes(const TPlateau& p, int32_t nbprises, int32_t ligne, int32_t colonne);

// Plays a stone of `couleur` with captures and keeps infochaine in step.
// The capture list gets every captured stone (count 1 = the ko candidate)
// whatever `capacite` says: a TListePoints holds the whole board.
// An occupied point, a suicide, a pass (0, 0) or a point off the board
// leaves board and table unchanged with a capture count of 0.
void jouecoup(TListePoints& prises, int32_t capacite, TPlateau& p, int32_t ligne, int32_t colonne,
              uint8_t couleur, uint8_t ennemi);

// Liberty count jouecoup would leave on the chain through (ciblel, ciblec)
// after a stone of `couleur` at the empty point (ligne, colonne), counted up
// to `borne` (the answer is the smaller of the two), or -1 when jouecoup
// would refuse the move; board and table are left as they are. The table
// must be that of the board; the target is a `couleur` stone.
int32_t libertesaprescoup(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t ennemi,
                          int32_t ciblel, int32_t ciblec, int32_t borne = INT32_MAX);

// ---- Undo journal of the chain table ----------------------------------------
// A move played through the journal notes every chain-table entry it changes,
// so that it is taken back without a copy of the whole table. Journal moves
// nest: each is taken back, latest first, with the mark taken before it.
constexpr int32_t CAPACITEJOURNALCHAINES = 1 << 16;
constexpr int32_t ECRITURESCOUPMAX = 4 * NBCASES;  // entries one jouecoup can change, with room to spare
// jouecoup with its chain-table changes noted; false (nothing played) when
// the journal has no room left for a move.
bool jouecoupjournal(TListePoints& prises, TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur,
                     uint8_t ennemi);
// The journal's position, to take back to.
int32_t marquejournal();
// Writes back every entry noted since `marque`, latest first, and drops them.
void reprendjournal(int32_t marque);

// Adds one liberty to every chain of `couleur` next to the (just emptied)
// point, each chain once.
void ajoutelibertechaine(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);
// Takes one liberty from every chain of `couleur` next to the point, each once.
void retirelibertechaine(const TPlateau& p, uint8_t couleur, int32_t ligne, int32_t colonne);

// Consistency check: infochaine equals a full rebuild of `p` up to the
// choice of heads (same liberties, one head per chain holding its size).
bool infochainecoherente(const TPlateau& p);
