// Reinforcement family: moves that keep the engine's weak groups alive.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Clears and writes the engine's "fortification" map (20 x strength, the
// first proposer's code in `marquesfortification`), adds to
// "bonuscombatsemai", raises maxfortification, rewrites the engine's
// "survie" map and the save marks of the engine's trial records; appends
// to the candidate list. Board, infochaine, pionsmorts, lesfaibles and the
// opponent's kill strengths come back as they were.
void coupdefortification(TMarques& marquesfortification, TMarques& pointsliaison, TMarques& memosurvie,
                         TMarques& testtueA, TMarques& testtueB, TMarques& testvitA, TMarques& testvitB,
                         const TCartesParPoint& mortsessaiA, const TCartesParPoint& mortsessaiB,
                         const TCartesParPoint& mortsessai2A, const TCartesParPoint& mortsessai2B,
                         TCarte& bonuscombatsemai, TCarte& fortification, TCarte& survieA, TCarte& survieB,
                         TPlateau& p, uint8_t couleur, TListePoints& candidats, TMarques& marquesnoeud);

// Does the stone of c at (ligne, colonne) survive a crawl along the edge in
// `direction` (1 row+1, 2 column+1, 3 row-1, 4 column-1) within the strip
// r1..r2 x c1..c2? `cote` 1 reads the engine's trial records as its own, 0
// the opponent's. Board, infochaine and pionsmorts come back.
bool propagationbord(int32_t cote, TPlateau& p, int32_t ligne, int32_t colonne, int32_t r1, int32_t r2, int32_t c1,
                     int32_t c2, int32_t direction, uint8_t c, uint8_t o);
