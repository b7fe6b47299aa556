// Position analysis: for one side, the status of every chain, the territory
// and the score balance of the position, then a trial move at every empty
// point, recorded in that side's trial records and valued; the best points
// become search candidates. The search runs it twice at its root: for the
// side to move (records in essaisordi), then for the other side (essaisjoueur).
#pragma once
#include <array>
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"

// One 361-byte map per tried point: entry [row-1][col-1] is the map of the
// trial at (row, col).
using TCartesParPoint = std::array<std::array<TMarques, TAILLEMAX>, TAILLEMAX>;
inline TMarques& carteessai(TCartesParPoint& t, int32_t ligne, int32_t colonne) {
  return t[ligne - 1][colonne - 1];
}

// The status code of a trial's dead-chain tests (0 = nothing changed):
//   marquechainesmortes   sets it: 1 when a dead mark was set or cleared, else 0
//   testdebsurcandidats   sets it to 1 when it killed a chain
//   detectetatchaines     adds 1 per capture of the trial stone's chain and per
//                         dead chain, and 100 when a dead chain's walk covers
//                         every liberty of the trial stone's short chain
// The valuation only asks whether it is 0, and whether it reached 100 (no
// ladder test then).

// The maps one analysis fills for its side; consolidation, flou, faiblesse
// and mauvaiscoups are shared by the two analyses of a turn. The maps live in
// the caller's state, the record only points.
struct TCartesAnalyse {
  std::array<TCarte, 2>& consolidation;  // [0] consolidation values per point, [1] territory gains
  TCartesParPoint& mortsapresessai;      // dead marks after each trial (mortsessai)
  TCartesParPoint& mortsapreslecture;    // the same after its readings (mortsessai2)
  TCarte& atari;                         // atari value of each trial
  TCarte& faitmort;                      // situation value of each trial
  TCarte& fourchette;                    // double-threat values
  TCarte& flou;                          // fuzzy territory
  TCarte& separation;                    // separation values
  TMarques& invasiondefense;             // invasion defence marks
  TMarques& faiblesse;                   // weak stones
  TMarques& tues;                        // stones a trial kills
  TMarques& sauves;                      // stones a trial saves
  TMarques& deuxyeux;                    // 0 not tested, 1 two eyes possible, 2 not
  TMarques& mauvaiscoups;                // points refused as engine moves (written with pourordi 1)
};

// The analysis of `plateau` for `couleur` (pourordi 1: the side to move,
// records in essaisordi, mauvaiscoups written; 0: the other side, records in
// essaisjoueur), into the maps of `cartes`. Appends the chosen points to
// `candidats`; with pourordi 0 puts the other side's one or two best points in
// `meilleursadverses`. The position's own value goes to valeurconsolidation.
// The u8 maps saturate at 255. pionsmorts and infochaine come back as they
// were.
void analyseposition(const TCartesAnalyse& cartes, int32_t lignedernierecoup, int32_t colonnedernierecoup,
                     int32_t& porteezone, uint8_t pourordi, int32_t nbcandidatsvaleur, int32_t nbcandidatssupp,
                     int32_t profondeurprise, uint8_t couleur, uint8_t couleuradverse, const TPlateau& plateau,
                     TListePoints& candidats, TListePoints& meilleursadverses);

// Score balance of `p` for the engine: influence from the territory map and
// a 6-pass dilation of the board without its dead (pionsmortsbis) and lone
// stones; writes influence and compteurinfluence2 (the engine's lead).
void estimescore(const TPlateau& p);

// ---- Parts of a trial ----------------------------------------------------------
// Sets essaifait of the trial record at (ligne, colonne) to 1 when the stones
// linked to the stone there (rule set 1) lie in two zones of infozones.
void testdeuxzones(const TPlateau& p, uint8_t pourordi, int32_t ligne, int32_t colonne);

// For a trial stone dead in pionsmorts but not in `marques` (the marks after
// the readings) whose two-eye memo is 0: the memo becomes 1 when its group,
// linked through dead stones, can make two eyes (its own stones not dead in
// `marques` then go to `reprises`), else 2. pionsmorts comes back.
void testrevivechaine(TPlateau& p, TMarques& cartedeuxyeux, TListePoints& reprises, const TMarques& marques,
                      int32_t termeprise, int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t adverse);

// The dead stones by colour after the trial of the stone at (ligne, colonne),
// and the threatened own stones into its record (compteur3essai,
// flagmortsessai, the saved stones' marquesessai).
void comptemortsessai(const TPlateau& p, int32_t& noirs, int32_t& blancs, uint8_t pourordi, int32_t ligne,
                      int32_t colonne);

// ---- What the last call tried (read by tests) -----------------------------------------
struct TPointEssaye {
  TPoint point;
  int32_t valeur;      // the trial's value
  int32_t zone;        // its zone count (-1000 from a penalty)
  int32_t termeprise;  // stones it captured, or the penalty of an immediate recapture
};
struct TEssaisAnalyse {
  int32_t nombre = 0;                 // points [1..nombre], in trial order
  int32_t valeurbase = 0;             // the value of the position without a move
  TPointEssaye essais[NBCASES + 1];
};
const TEssaisAnalyse& essaisanalyse();
