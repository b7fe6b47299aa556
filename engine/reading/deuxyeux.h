// Two-eye reading: can the owner of the chain through a point (the defender)
// still make two eyes when the other colour (the attacker) moves first and
// both keep playing locally? The static test first, then a boolean minimax
// with killer replies, a per-ply transposition store `tablehachyeux` (kept
// by this unit), vital points re-added from deeper in the tree, no life by a
// ko capture, and a node budget.
#pragma once
#include <cstdint>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Limits of one reading ------------------------------------------------------
constexpr int32_t CAPACITEYEUX = 300;        // move lists, window, look-ahead and deep points
constexpr int32_t BUDGETYEUX = 50000;        // nodes before defender lists are trimmed
constexpr int32_t PLIMAXYEUX = 16;           // no node recurses from this ply
constexpr int32_t LIGNEYEUX = 50;            // moves of the current line, by ply
constexpr int32_t DERNIERETABLEYEUX = 20;    // store tables for plies 3..20
constexpr int32_t NBTABLESYEUX = DERNIERETABLEYEUX - PREMIERETABLE + 1;
constexpr int32_t VIEYEUX = 1000;            // node value: the defender lives (0: dies)

// ---- Entry ------------------------------------------------------------------------
// True when the defender lives. `mode` 1: the stone is the last move played;
// a lone stone in atari is then read with its liberty as the capture point
// instead of being answered false. Reads the final territory map of the
// defender's colour (cartefinale1 black, cartefinale2 white), niveau,
// paramniveaua, lecturelongue, lectureprofonde, pointko and flagsurvie.
// Adds its nodes to compteurnoeuds; leaves flagscan at 1 unless the chain is
// refused at once. Board, infochaine, pionsmorts and lectureprofonde come
// back as they were. Not reentrant.
bool testdeuxyeuxpossible(TPlateau& p, int32_t ligne, int32_t colonne, int32_t mode);

// Window of the reading: empty points within two rows and columns of the
// point, reached from the chain without crossing the attacker's stones (the
// window's corners left out), and the liberties nearby of the defender's
// other chains met there; only points whose `carte` byte is at most `borne`
// and that are neither a stone nor a liberty of the chain.
void zonelocaleyeux(const TMarques& carte, const TPlateau& p, TListePoints& l, int32_t cap, int32_t borne,
                    int32_t ligne, int32_t colonne);
