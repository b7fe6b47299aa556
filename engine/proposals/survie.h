// Survival family: the points where a side must play so that a weak chain
// of its own keeps the means to live, for both sides.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Clears and writes both "survie" maps (20 x (survival value + eye bonus)),
// the memos of both sides, maxsurvie and the save marks of the opponent's
// trial records; appends to both lists. Board, infochaine, pionsmorts and
// flagsurvie come back as they were. The analysis map is not read.
void coupdesurvie(TMarques& memosurvieA, TMarques& memosurvieB, TMarques& testtueA, const TMarques& analyse,
                  TListePoints& candidats, int32_t cap, TListePoints& famille, int32_t capfamille, uint8_t couleurA,
                  TPlateau& p, TCarte& survieB, TCarte& survieA, const TCartesParPoint& mortsessai2B,
                  const TCartesParPoint& mortsessai2A, const TCartesParPoint& mortsessaiB,
                  const TCartesParPoint& mortsessaiA, TMarques& testvitB, TMarques& testvitA, TMarques& testtueB);

// The eye space of c reached from the point over points not holding c:
// their number, or 1000 as soon as a live stone of c borders it.
int32_t compteespaceoeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// The point's neighbours of c are all dead; with none, no empty neighbour
// touches a live stone of c.
bool testvoisinsmorts(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// Can c, played at the point with `masque` as the dead marks, still make
// two eyes? On a copy; pionsmorts and infochaine come back.
bool testyeuxapresessai(const TMarques& masque, const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
