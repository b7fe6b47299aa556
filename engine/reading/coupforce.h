// Forced moves against weak chains: trial moves after which a chain of the
// mover threatens several weak enemy chains at once.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Clears and fills both "coup force mort ou invasion" maps from the trial
// records of both sides; points into the list. `p` is working space and
// comes back, as do infochaine and pionsmorts; maxcoupforce is raised.
void coupforcefortifouinvasion(TListePoints& liste, int32_t cap, TPlateau& p, TCarte& ordi, TCarte& joueur);

// Value of the forced move of the chain at (ligne, colonne) after its trial
// move (0 = none). `w` are the linking marks, `q` the candidate marks;
// `cote` is 1 for the engine's trials. Board, infochaine and pionsmorts come
// back; the point is left cleared in the side's first weak list.
int32_t cherchecoupforce(TPlateau& p, const TMarques& w, int32_t ligne, int32_t colonne, int32_t retrecit,
                         const TMarques& q, uint8_t cote);

// Forgets the answers cherchecoupforce keeps for repeated calls; the
// benchmarks call it so that each pass times the search itself.
// videmos calls it at a new game or board size; memoforcevide: none kept.
void videmoforce();
bool memoforcevide();

// The empty point opens into k's territory.
bool testpousseeterritoire(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t k);

// Adds 1 on `compte` at every empty point reached from the point by paths of
// at most `limite` steps (every path counts; the start is not counted).
void inondevidesdistance(const TPlateau& p, TMarques& compte, int32_t limite, int32_t ligne, int32_t colonne,
                         int32_t pas);
