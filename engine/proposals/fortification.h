// Reinforcement family: moves that keep the engine's weak groups alive.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Into the engine's "fortification" and "bonuscombatsemai" maps; points
// into the candidate list.
void coupdefortification(TMarques& marquesfortification, TListePoints& pointsliaison, TMarques& memosurvie,
                         TMarques& testtueA, TMarques& testtueB, TMarques& testvitA, TMarques& testvitB,
                         const TCartesParPoint& mortsessaiA, const TCartesParPoint& mortsessaiB,
                         const TCartesParPoint& mortsessai2A, const TCartesParPoint& mortsessai2B,
                         TCarte& bonuscombatsemai, TCarte& fortification, TCarte& survieA, TCarte& survieB,
                         TPlateau& p, uint8_t couleur, TListePoints& candidats, TMarques& marquesnoeud);
