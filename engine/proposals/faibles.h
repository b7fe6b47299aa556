// Weak-chain classification of the engine's chains (side A) into
// lesfaibles, with the link marks of the engine's trial records.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// `mortsessai` A/B: the dead marks after each side's trials; `mortsessai2`
// the same after their readings; `analyse` the shared analysis map.
void analysefaibles(TMarques& testtueA, TMarques& testtueB, TMarques& testvitA, const TMarques& analyse,
                    uint8_t couleurA, TPlateau& p, const TCartesParPoint& mortsessai2B,
                    const TCartesParPoint& mortsessai2A, const TCartesParPoint& mortsessaiB,
                    const TCartesParPoint& mortsessaiA, TMarques& testvitB);
