// Dead-chain marking around a chain: after a change of position, the chain,
// the chains gathered around it and the weak chains of the board are read
// with the capture reading; the lost ones are marked dead, the others lose
// their dead marks. A twin for the move choice's search reads through the
// capture cache where it can.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITEMORTS = 300;  // gathered chains and noted stones
constexpr int32_t STATUTINVERSE = 64;   // status on entry: read for the colour opposing the chain
constexpr int32_t COUPSCHEMINMAX = 20;  // moves of a search path

// The moves of the caller's search path, each with the stones it captured.
// Odd moves are the engine's, even ones the opponent's; row 0 is a pass.
struct TCoupChemin {
  TPoint coup;
  TListePoints prises;  // count 0 when nothing was captured
};
struct TCheminCoups {
  int32_t nombre = 0;                      // moves 1..nombre
  TCoupChemin coups[COUPSCHEMINMAX + 1];   // [1..nombre]
};

// Brings pionsmorts up to date around the chain at `point`: `statut` 64 on
// entry reads for the colour opposing the chain; on return 1 when a dead
// mark was set or cleared, else 0. Chains not yet dead are read at depth
// `d2` - 1 when `d2` < `d1` (else `d1`), dead ones and confirmations at
// `d2`. `reference` (a trial record's chain table) is read when `mode` is
// not 0; `mode` 1 allows a ko beside a lone stone in atari, a positive mode
// re-reads dead chains board-wide, mode 0 allows the paint step. `genre`:
// not 0 from level 6 puts pionsmortssauves in place of marquesglobales for
// the call, positive skips unmarked chains of the chain's colour, negative
// re-reads every dead gathered chain, 5 gathers closer. `second` (row 0 =
// none) is an enemy chain read last; `troisieme` is not used. The board,
// infochaine and marquesglobales come back; cacheactif is left clear.
void marquechainesmortes(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2,
                         TPoint point, TPoint second, TPoint troisieme, int32_t limite, int32_t mode,
                         int32_t genre);

// The same for the search, reading through testprisecache with the
// caller's path; no paint step, no second pass, no confirming reading.
void marquechainesmortesbis(const TInfoChaine& reference, TPlateau& p, int32_t& statut, int32_t d1, int32_t d2,
                            TPoint point, TPoint second, TPoint troisieme, int32_t limite, int32_t mode,
                            int32_t genre, const TCheminCoups& chemin);

// Forgets the answers marquechainesmortesbis keeps for repeated calls; the
// benchmarks call it so that each pass times the marking itself.
// videmos calls it at a new game or board size; memomortsvide: none kept.
void videmomorts();
bool memomortsvide();

// testprise of the chain at `point` answered from the capture cache where
// the path allows (a key of the path's moves on the points the chain's
// readings touched), else read. `couleur` is testprise's colour. Leaves
// compteurcache at 0 once it has built a key.
bool testprisecache(TPlateau& p, const TCheminCoups& chemin, TPoint point, int32_t profondeur, int32_t limite,
                    uint8_t couleur, TPoint paire);
