// Ladder reading of the capture reading: a chain in atari extends at its
// last liberty and the other side chases it by always taking one of its two
// liberties. Plays on the caller's board with infochaine kept in step, and
// leaves both byte for byte as it found them.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// True when the chain of `defenseur` whose single liberty is (ligne, colonne)
// is captured in the ladder; false when it escapes. An occupied point is no
// ladder (false, nothing played).
bool testescalier(TPlateau& p, int32_t ligne, int32_t colonne, uint8_t defenseur, uint8_t attaquant);

// ---- Test seam -------------------------------------------------------------
// The flood testescalier runs when the two liberties are not both next to the
// new stone; declared for the tests.
// Liberty flood of the defender's chain from (ligne, colonne): `nb` gets the
// liberty count, the first liberty goes to `premiere`, every later one to
// `seconde`; the flood stops past 2, and an adjacent chain of the other colour
// in atari (infochaine) sets nb to LIBERTESCAPTURE at once.
constexpr int32_t LIBERTESCAPTURE = 4;
void libertesescalier(const TPlateau& p, TPoint& premiere, TPoint& seconde, int32_t& nb, int32_t ligne,
                      int32_t colonne);
