// Weak-chain classification of the engine's chains (side A) into
// lesfaibles, with the link marks of the engine's trial records, and the
// weak-chain tests the reinforcement families share.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/proposals/survie.h"

// Classes of lesfaibles.
constexpr uint8_t FAIBLEMENACE = 1;   // an opponent trial threatens the chain
constexpr uint8_t FAIBLELIE = 2;      // linked after a trial; a lone stone of pionsmortsbis
constexpr uint8_t FAIBLELIE40 = 3;    // the same, bit 0x40 set
constexpr uint8_t FAIBLEDANGER = 4;   // counted in danger, or dead by the board-wide status

// `cartesA`, `cartesB`: each side's kills, saves and dead marks after its
// trials and readings (A the engine's); `analyse` the shared analysis map.
// The steps read none of the maps but the board.
// Writes lesfaibles, listefaibles (the strong stones), maxfortification (0),
// flagsurvie (cleared in the opening phase) and the link flags of the
// engine's trial records; board, infochaine and pionsmorts come back.
void analysefaibles(const TCartesSurvieCote& cartesA, const TCartesSurvieCote& cartesB, const TMarques& analyse,
                    uint8_t couleurA, TPlateau& p);

// The stone (ligne, colonne) is threatened by an opponent trial at an empty
// candidate point: in its dead marks (mode 1), carte3essai (2) or
// carte2essai (3); in modes 2 and 3 a trial that is itself dead (-2) counts
// only when it gives the stone a state below -1.
bool faiblemenacee(const TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne);
// The twin for an opponent stone, over the engine's candidates and trials.
bool faiblemenaceeordi(const TPlateau& p, int32_t mode, int32_t ligne, int32_t colonne);

// "Transformateur de faible 1 en faible 4": a class-1 point marked 1 in
// `danger` with `comptes` at least 21, or unmarked (0) with at least 11,
// gets class 4 (0 when `ouverture`) and is marked 2 in `danger`. True when
// any point changed.
bool transformefaibles(TMarques& danger, const TCarte& comptes, bool ouverture);

// Some empty point q not marked in `marques` has a mask masques[q] that
// does not mark (ligne, colonne).
bool essaisansmortfaible(const TPlateau& p, const TMarques& marques, const TCartesParPoint& masques, int32_t ligne,
                         int32_t colonne);
// The window of radius r around the point holds a stone of c marked in
// `faibles` and a stone of c marked in neither map.
bool faiblesetfortsproches(const TPlateau& p, const TMarques& faibles, const TMarques& masque, uint8_t c, int32_t r,
                           int32_t ligne, int32_t colonne);
// For an empty point: the diagonal stones of c weak in lesfaibles that make
// a shape around it (listed into `l`, capacity 300); see faibles.cpp.
bool testdiagonalefaible(const TPlateau& p, uint8_t c, TListePoints& l, int32_t ligne, int32_t colonne);
// Adds 1 in `comptes` over the open windows far from c's live stones, land
// and weak stones (see faibles.cpp).
void marquezonesisolees(const TPlateau& p, const TMarques& faibles, TCarte& comptes, uint8_t c);
// Would c at the point be linked to a marked stone? (mode 1: rule set 2,
// else rule set 1). The point and its chain-table entry come back.
bool testlienpionprovisoire(TPlateau& p, const TMarques& marques, uint8_t c, int32_t mode, int32_t ligne,
                            int32_t colonne);
