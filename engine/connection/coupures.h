// Cut tests and link values of trial moves: how many groups a trial move
// links (valeurcoupure), which trial links another point can replace
// (essaifait cleared), which points cut two groups of one zone for good,
// and the zones as they stand once every such cut is played.
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Exclusion tables of the cut search: one 362-byte entry per point, the
// entry of (r, c) at indexcase(r, c); a point whose entry's first byte is
// non-zero is not tried.
constexpr int32_t OCTETSEXCLUSION = 362;
using TEntreeExclusion = std::array<uint8_t, OCTETSEXCLUSION>;
using TTableExclusion = std::array<TEntreeExclusion, NBCASES>;

// The engine's trial at (r, c): apres is the board after the move (described
// by infochaine), avant the board before it. valeurcoupure := the number of
// groups the move's stone is linked to; their stones get bit 0x20 in the
// record's liensessai. Board, infochaine and pionsmorts come back.
void evalueessaiordi(TPlateau& apres, const TPlateau& avant, int32_t r, int32_t c);
// The same for the opponent's trial, reading only the stones of the 3x3 around the move.
void evalueessaijoueur(TPlateau& apres, int32_t r, int32_t c);

// A c2 stone at (r, c) cuts two c1 groups of one zone, and no c1 move in the
// 3x3 around it mends the cut. `p` is scratch (the trial board of the point
// is loaded into it); it and infochaine come back as they were.
bool testecoupure(TPlateau& p, uint8_t c1, uint8_t c2, int32_t r, int32_t c);
// Clears both cut maps, then marks the candidate points where the opponent
// (coupuresjoueur) or the engine (coupuresordi) cuts for good with a stone
// of more than 2 liberties.
void marquecoupurespossibles(TPlateau& p, const TTableExclusion& exclusionordi, const TTableExclusion& exclusionjoueur,
                             TMarques& coupuresjoueur, TMarques& coupuresordi, uint8_t couleurordi_,
                             uint8_t couleurjoueur_);
// Rebuilds the zones of each colour with the other colour's cutting stones on
// the board (only when it has one). Board and infochaine come back.
void analyseliaisonsgroupes(TPlateau& p, const TMarques& coupuresjoueur, const TMarques& coupuresordi,
                            uint8_t couleurordi_, uint8_t couleurjoueur_);
// Clears essaifait of the trial records whose point the other side cannot
// take with a live stone, or whose link a move at another point of the 3x3
// still makes once the other side holds the point. Board and infochaine come back.
void evaluecoupuresessais(TPlateau& p, uint8_t c1, uint8_t c2);
