// Connection readings: can a stone stay or become linked to a marked group
// (peutlierachaine), or two stones to each other (peutlierdeuxpions), when
// the opponent moves first? Up to level 3 the static test of rule set 2;
// from level 4 static answers first, then a bounded two-player reading in
// which the opponent cuts and the stone's side links, with a node budget, a
// per-ply transposition store and capture questions to the capture reading.
// Board, infochaine, pionsmorts and lecturelongue come back as they were.
// Not reentrant; the store, the state's tabletranspositionliaison, is shared
// with the local readings, which never run inside these.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Limits of one reading ------------------------------------------------------
constexpr int32_t LIAISONFAITE = 1000;        // node value: linked (0: cut)
constexpr int32_t BUDGETLIAISON = 10000;      // nodes before the linking side's lists are cut to 5
constexpr int32_t CAPACITELIAISON = 300;      // every list of the reading
constexpr int32_t NIVEAUSTATIQUELIAISON = 3;  // up to this level: the static test only
constexpr int32_t DERNIERETABLELIAISON = PREMIERETABLE + NBTABLESLIAISON - 1;  // store tables for plies 3..20

// ---- Entries --------------------------------------------------------------------------
// True when the stone S at (ligne, colonne) can be linked to the stones
// marked in T with the opponent to move. A: stones never to be linked (S
// among them answers false); B: opponent chains counted capturable when
// mode is 2 (other modes ask the capture reading); ko: the point the
// opponent may not take back on its first move.
bool peutlierachaine(TPlateau& p, const TMarques& A, const TMarques& B, const TMarques& T, int32_t mode, int32_t ligne,
                     int32_t colonne, TPoint ko);

// True when the stones at (ligneA, colonneA) and (ligneB, colonneB), of one
// colour, can be linked with the opponent to move; A, B, mode and ko as for
// peutlierachaine, the target being B's chain. Up to level 3 the static test
// of A toward B's chain, so the answer may depend on the order of the stones.
bool peutlierdeuxpions(TPlateau& p, const TMarques& A, const TMarques& B, int32_t mode, int32_t ligneA,
                       int32_t colonneA, int32_t ligneB, int32_t colonneB, TPoint ko);

// ---- Maps and lists of the readings ------------------------------------------------------
// Distance rings from the stones set in `ensemble` (side of colour C): 1 on
// them; 2 next to them (a stone paints its whole chain, either colour); 3
// next to a 2 but never on an opponent stone, and no further through an
// opponent chain of 3 liberties or more unless A flags it (an own chain
// takes its liberties along); 4 and 5 the same through empty points and own
// chains. 0 where no ring reaches.
void cartedistanceliaison(const TPlateau& p, const TMarques& ensemble, const TMarques& A, uint8_t C,
                          TMarques& distance);

// Seed list: the empty points the rule-set-2 links from the stone S at
// (ligne, colonne) to the targets rest on (the points on shortest paths from
// S's linked chain down to the targets it holds, opponent stones blocking).
// Empty when S's linked chain holds no target. At most CAPACITELIAISON points.
void pointsdepassage(const TPlateau& p, const TMarques& T, uint8_t C, uint8_t O, int32_t ligne, int32_t colonne,
                     TListePoints& l);

// ---- Test seam ----------------------------------------------------------------------------
// Nodes of the last reading run by either entry (0 when it answered statically).
int32_t noeudsliaison();
