// Survival family: the points where a side must play so that a weak chain
// of its own keeps the means to live, for both sides.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// One side's maps the weak-chain families share: what its trials kill, save
// and leave dead, its survival memo and its "survie" map. The maps live in
// the turn's state, the record only points.
struct TCartesSurvieCote {
  TMarques& memosurvie;                      // 0 not tested, 1 two eyes possible, 2 not
  TMarques& tues;                            // stones a trial of that side kills
  TMarques& sauves;                          // stones a trial of that side saves
  TCarte& survie;                            // the side's "survie" map
  const TCartesParPoint& mortsapresessai;    // dead marks after each trial of that side (mortsessai)
  const TCartesParPoint& mortsapreslecture;  // the same after its readings (mortsessai2)
};

// One side's maps as the invasion, reinforcement, attack and cut-prevention
// families read them: its weak-chain maps and the strength the families
// found there. Pointers only.
struct TCartesCote : TCartesSurvieCote {
  TCarte& fortification;  // the side's "fortification" map
  TCarte& invasionforte;  // the side's "invasionforte" map
};

// Clears and writes both "survie" maps (20 x (survival value + eye bonus)),
// the memos of both sides, maxsurvie and the save marks of the opponent's
// trial records; appends to both lists. Board, infochaine, pionsmorts and
// flagsurvie come back as they were. The analysis map is not read.
// Side A plays couleurA.
void coupdesurvie(const TCartesSurvieCote& A, const TCartesSurvieCote& B, const TMarques& analyse,
                  TListePoints& candidats, int32_t cap, TListePoints& famille, int32_t capfamille, uint8_t couleurA,
                  TPlateau& p);

// The eye space of c reached from the point over points not holding c:
// their number, or 1000 as soon as a live stone of c borders it.
int32_t compteespaceoeil(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// The point's neighbours of c are all dead; with none, no empty neighbour
// touches a live stone of c.
bool testvoisinsmorts(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
// Can c, played at the point with `masque` as the dead marks, still make
// two eyes? On a copy; pionsmorts and infochaine come back.
bool testyeuxapresessai(const TMarques& masque, const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);
