// Survival family: the points where a side must play so that a weak chain
// of its own keeps the means to live, for both sides.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Writes both "survie" maps (20 x value), appends to both lists.
void coupdesurvie(TMarques& memosurvieA, TMarques& memosurvieB, TMarques& testtueA, const TMarques& analyse,
                  TListePoints& candidats, int32_t cap, TListePoints& famille, int32_t capfamille, uint8_t couleurA,
                  TPlateau& p, TCarte& survieB, TCarte& survieA, const TCartesParPoint& mortsessai2B,
                  const TCartesParPoint& mortsessai2A, const TCartesParPoint& mortsessaiB,
                  const TCartesParPoint& mortsessaiA, TMarques& testvitB, TMarques& testvitA, TMarques& testtueB);
