// Fuzzy territory and attack tests run around the move families: the spread
// of the fuzzy-territory map, whether the engine must attack, whether there is
// danger (else the map is scaled up), and the term for chains left in atari.
// Side A is the engine's colour, B the opponent's.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// What one side's trials in its position analysis found, per point; the
// maps live in the caller's state, the record only points.
struct TCartesEssaisCote {
  const TCarte& faitmort;  // situation value of each trial
  const TMarques& tues;    // stones a trial kills
  const TMarques& sauves;  // stones a trial saves
};

// One step of `flou` into the empty points territoire2 gives A: the largest
// neighbour value less 1 (kept when the point's own is larger), 5 with no
// positive neighbour. Values written do not feed the same step.
void distancevoisins(TCarte& flou, const TPlateau& p, uint8_t A);

// Sets flagattaque: 0 unless the attacker is behind in the opening phase with
// no move decided; then 1 when it already was, when bilanscore is at most
// -10, or when no point shows a weakness of A or a threat against it.
// `essaisA` are A's trial maps.
void testjeperdafond(const TPlateau& p, const TCarte& flou, const TCartesEssaisCote& essaisA, uint8_t B, uint8_t A,
                     const TMarques& faiblesse);

// Danger (a weakness of A or a threat of B) sets flagdanger2 and stops; else,
// unless a condition of the turn forbids it, sets flagdanger3 to 1 (whole
// board) or 2 (partial) and multiplies `flou` by 5, the value 5 on A's
// territoire2 excepted (and, partial, the points A's kill test leaves at 0).
// `essaisA` and `essaisB` are each side's trial maps.
void multiplieterritoireflou(const TPlateau& p, TCarte& flou, const TCartesEssaisCote& essaisA,
                             const TCartesEssaisCote& essaisB, uint8_t A, const TMarques& faiblesse);

// For every chain of `c` in atari not marked dead: 10 a stone off `total`
// when c is `propre`, onto it otherwise.
void bonuschainesenatari(int32_t& total, const TPlateau& p, uint8_t propre, uint8_t c);
