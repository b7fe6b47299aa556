// Superko: the keys of the recent positions, kept by the move entry's replay
// in historiquehash, and the test of an engine trial move against them.
// Under simple ko (regleko 0 or 1) there is no history and no test.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"

// Appends a position key to historiquehash; a full history drops its oldest
// key, so it always ends with the newest.
void ajoutehistorique(uint32_t cle);

// For an engine move (couleurordi) already played at (ligne, colonne) with
// the captures `prises`: when the position it makes equals one in
// historiquehash, sets 0x01 of casesinterdites at the point and 0x02 of the
// byte of (1, 1). Nothing under simple ko, for a pass or with no history.
void testsuperko(int32_t ligne, int32_t colonne, const TPrisesMarquees& prises);
