// Capture reading: can the chain through a point be captured, the two sides
// alternating, within a depth limit and a liberty limit? A boolean minimax on
// the caller's board with killer moves, per-ply transposition lists and a
// per-chain result cache. The board, infochaine and lecturelongue are
// restored before return.
#pragma once
#include <cstdint>

#include "engine/board/cles.h"
#include "engine/board/etat.h"
#include "engine/board/types.h"

// ---- Limits of one reading ------------------------------------------------
constexpr int32_t BUDGETPRISE = 10000;     // nodes before the lists are cut
constexpr int32_t PLISMAXPRISE = 128;      // per-ply arrays; no ply reaches it
constexpr int32_t PROFONDEURMAXPRISE = 20;   // depths above this are read as this (callers pass up to 14)
constexpr int32_t CAPACITEPRISE = 300;     // candidate lists
constexpr int32_t CAPACITEREFUTATIONS = 50;  // ply-4 refutations offered to the root
constexpr int32_t CAPACITEPREPARES = 16;   // prepared points
constexpr int32_t DERNIERPLITRANSPOSITION = 20;  // the capture reading uses plies 3..20
constexpr int32_t ENTREESCACHEPRISE = 300;   // entries of one cache bucket

// ---- Entry ------------------------------------------------------------------
// True when the chain through (ligne, colonne) is captured: `couleur` has
// just moved, the other colour moves first and may not play at `ko`
// (row 0 = none). Reads niveau, lecturelongue, cacheactif, compteurcache;
// adds to compteurnoeuds and compteurnoeudslecture.
bool testprise(TPlateau& p, int32_t ligne, int32_t colonne, int32_t profondeur, int32_t limitelibertes,
               uint8_t couleur, TPoint ko);

// Moves (ligne, colonne) to position k of the list, the others keeping their
// order; nothing when the point is not at position k or later.
void remontecoupenliste(TListePoints& l, int32_t ligne, int32_t colonne, int32_t k, int32_t capacite);

// ---- Memo of whole readings --------------------------------------------------
// Forgets every reading testprise keeps to answer a repeated one: at a new
// game or board size (videmos), and in the benchmarks so that each pass
// times the readings themselves. memoprisevide: none kept.
void videmoprise();
bool memoprisevide();

// ---- Test seam ----------------------------------------------------------------
// Two steps of testprise's set-up, declared for the tests.
// Liberty schedule of a reading of working depth d and limit n: entries
// 1..d+4 of `limites` (index 0 unused).
void limitelibertesparprofondeur(int32_t* limites, int32_t d, int32_t n);

// Working depth: the ply of the owner's last move (see testprise).
int32_t profondeurtravailprise(int32_t profondeur, bool propriocommence);

// A reading asked for while another runs answers false without reading (its
// state and node buffers are taken): it is traced and reported to this alert,
// which the programs leave null; a build without NDEBUG then stops on an
// assertion. The unit tests set an alert that fails the running test.
using TAlerteLecture = void (*)(int32_t ligne, int32_t colonne);
extern TAlerteLecture alertelectureimbriquee;
// Called once inside every reading, just before its root node; null in the
// programs. Lets a test ask for a reading inside another.
extern void (*sondelectureprise)();
