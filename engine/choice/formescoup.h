// Shape flags of a candidate move, OR'ed into the `formeessai` field of its
// trial record: how the move touches chains of both colours, the eye-like
// empty points beside it, and four local point patterns tried in the eight
// orientations. Liberties come from the global infochaine, but for the
// test of an own chain in atari before the move, which reads the chain
// table given (the table of the position before the move).
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Flag bits. 0x40 is not a shape: the re-reading of a chain dead after the
// trial (revisechainesmortes) sets it on the trial's own record when the
// chain survives.
constexpr int32_t FORMEOEIL = 0x01;         // an empty neighbour has only own stones around, none in atari
constexpr int32_t FORMEUNDEFAUT = 0x02;     // an empty neighbour with one defect (empty, or an own chain in atari)
constexpr int32_t FORMEDEUXDEFAUTS = 0x04;  // a second empty neighbour with one defect
constexpr int32_t FORMEAMIATARI = 0x08;     // an own neighbour chain with one liberty
constexpr int32_t FORMEAMIDEUXLIB = 0x10;   // an own neighbour chain with two liberties
constexpr int32_t FORMEAMISAUVE = 0x20;     // an own neighbour chain with one liberty in the chain table given
constexpr int32_t FORMEMOTIF1 = 0x80;
constexpr int32_t FORMEMOTIF2 = 0x100;
constexpr int32_t FORMEMOTIF3 = 0x200;
constexpr int32_t FORMEMOTIF4 = 0x400;
constexpr int32_t FORMEVRAIOEIL = 0x800;    // the first eye-like neighbour found to be a true eye of the mover

// The flags of the move of c at (ligne, colonne), already on `p`, OR'ed into
// formeessai of its record in essaisordi (selecteur non-zero) or essaisjoueur.
void formescoup(const TPlateau& p, const TInfoChaine& chaines, uint8_t e, uint8_t selecteur, const int32_t& ligne,
                const int32_t& colonne, uint8_t c);
// The neighbour flags (0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x800).
int32_t formesvoisins(const TPlateau& p, const TInfoChaine& chaines, uint8_t e, int32_t ligne, int32_t colonne,
                      uint8_t c);
// Each pattern in some orientation around the move of c (e the other colour).
bool testemotif1(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e);
bool testemotif2(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e);
bool testemotif3(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e);
bool testemotif4(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t c, uint8_t e);
