// Candidate tests of the search: whether a reply is a threat the root move
// leaves open, how far a stone reaches into a colour's territory, and the
// influence-region balance of a position.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// True keeps the candidate P after the point Q of the line: `voisin` asks P
// next to Q, a negative `signe` the capture tests, `bloque` >= 1 rejects;
// `invasion` is P's strong-invasion value, Y the engine's colour, X the other.
// Board, infochaine and pionsmorts are as they were on return.
bool testcoupcandidat(TPlateau& p, uint8_t voisin, int32_t signe, int32_t lignep, int32_t colonnep, int32_t ligneq,
                      int32_t colonneq, int32_t inutilise, int32_t bloque, int32_t invasion, uint8_t y, uint8_t x);
// The points of c's territory a stone at (ligne, colonne) reaches, with the
// stones of c that `masque` marks taken off, ahead of the barrier growing
// from c's stones; plus one when the point itself is c's. territoire is put back.
int32_t evaluecoupcandidat(const TMarques& masque, uint8_t& c, const TPlateau& p, int32_t ligne, int32_t colonne);
// Signed balance of the 3-pass influence regions of the board for `couleur`:
// its regions' area (regions holding more than one stone) against the
// other side's, less 5 a region weighted by side.
int32_t bilanzonesinfluence(const TPlateau& p, uint8_t couleur);
