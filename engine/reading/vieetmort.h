// Life-and-death reading of a weak chain inside its small enclosed region,
// and the weak-chain status pass that settles every weak chain with it.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Answers of testvieetmort ------------------------------------------------------
constexpr int32_t VIEVIVANTE = 0;      // the chain lives
constexpr int32_t VIEMORTE = 1;        // the chain is dead
constexpr int32_t VIETROPGRANDE = -1;  // more empty points in the region than the level's budget
constexpr int32_t VIEAILLEURS = 2;     // the point asked about lies outside the region

// ---- Limits of one reading ------------------------------------------------------------
constexpr int32_t PROFONDEURVIEMAX = 16;                       // deepest starting depth (budget 16)
constexpr int32_t PLAFONDVIE = PROFONDEURVIEMAX + 6;           // extensions stop there: the deepest ply
constexpr int32_t PLISVIE = PLAFONDVIE + 2;                    // per-ply arrays (the ply after a node's is cleared)
constexpr int32_t DERNIERPLIVIE = 20;                          // transposition tables of plies 3..20
constexpr int32_t CAPACITELISTESVIE = 300;                     // chain lists and liberty lists

// Values the weak-chain pass writes into the caller's value map.
constexpr int32_t VALEURVIVANTE = 1;  // a weak stone found alive (or left alive)
constexpr int32_t VALEURMIXTE = -6;   // a stone of a living group holding weak chains of both colours

// Can the chain through (ligne, colonne) be killed inside its region? The
// region is the chain with the stones of negative value in `valeurs` and the
// dead stones of pionsmorts it reaches through empty points. `couleur` has
// just moved: the owner moves first when it is the owner's opponent. The
// reading starts from pointko whatever `ko` says (`ko` is not read).
// `point` (row 0 = none) must lie in the region, else VIEAILLEURS. Reads
// niveau; adds its moves to compteurnoeudsprise. The board and infochaine
// come back as they were. Not reentrant.
int32_t testvieetmort(const TCarte& valeurs, TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur,
                      const TPoint& ko, TPoint point);

// Free-point budget of the region by level (4, 12, 14 or 16).
int32_t budgetvieetmort(int32_t niveaujeu);
// Depth at the start: the last ply is the owner's when the owner moves first.
int32_t profondeurvieetmort(int32_t budget, bool propriocommence);

// Settles every weak chain (negative value in `valeurs`) with testvieetmort:
// dead chains into pionsmorts, living ones out of it and their stones to
// VALEURVIVANTE (VALEURMIXTE in a group where weak chains of both colours
// live). `reference`: a chain whose value equals it is asked about `point`
// (row 0 = none; pointko otherwise). `change` is set to 1 when a dead mark
// changed. Writes pionsmortsavant (from `sauves`) and sauvepionsmorts.
// `valeurs` and `reference` may be the same map. The board comes back.
void statutviechainesfaibles(TPlateau& p, TCarte& valeurs, const TCarte& reference, uint8_t couleur,
                             int32_t& change, TPoint point, const TMarques& sauves);
