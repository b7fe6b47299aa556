// Small routines of the move search and the position analysis: the zones
// around the line and around a chain, the attack points, the liberties of
// two-liberty chains, the safe fallback point, the end-phase test and the
// joseki decision.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/choice/analyseposition.h"
#include "engine/reading/marquagemorts.h"

// Sets phasefinale: 0 in the opening, 1 past a quarter of the board's points
// in moves, else 1 when the best value of `carte` over the board is below
// `seuil`. The board is not read.
void testfindepartie(int32_t seuil, const TPlateau& p, const TCarte& carte);

// For an engine trial at (ligne, colonne): sets coupdecide at a joseki
// suggestion (bit 0 set, bit 4 clear) unless a move is decided, the opening
// phase is over, or the opponent passed and the point is the mover's area.
void decidecoupjoseki(int32_t ligne, int32_t colonne);

// The liberties of the two-liberty chains next to A and B (those of A's
// colour next to B when B holds the other colour, then unless `drapeau`
// those of the other colour next to A, not marked dead), each appended once
// (within `cap`) and marked in `marques`. Nothing when A is empty. Read by
// the zone scan of the weak-chain liberty candidates, around P1 and P2.
void listelibertesadeuxlib(uint8_t drapeau, TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap,
                           int32_t la, int32_t ca, int32_t lb, int32_t cb);

// Attack points of the engine ("faitmort" with a kill mark, in the
// opponent's territory or a fork) appended to `candidats` (361), and the
// empty 3x3 blocks around the opponent's; the points go into the two out
// masks (copies of pionsmortssauves first). Of each position analysis
// (`ordi` the engine's, `joueur` the opponent's) the "faitmort", fork and
// kill maps are read.
void coupdattaque(const TCartesAnalyse& ordi, const TCartesAnalyse& joueur, uint8_t couleur, uint8_t adverse,
                  TListePoints& candidats, const TPlateau& p, TMarques& sortieordi, TMarques& sortiejoueur);

// Marks in zonemarquee (a copy of pionsmortssauves first) the points within
// `rayon` of the moves 1..profondeur-1 of the line (passes skipped), with
// the liberties of the chains within one step of each move.
void marquezoneautour(const TPlateau& p, const TCheminCoups& chemin, int32_t profondeur, int32_t rayon);
// The moves of the line at depths debut, debut + 2, ... up to d that are
// points not yet in `marques`: marked there and listed in `promus`.
void promeutchemin(const TCheminCoups& chemin, int32_t debut, int32_t d, TMarques& marques, TListePoints& promus,
                   int32_t cap);

// Appends to `l` (300) the liberties of the chains around the chain at
// (ligne, colonne), ring by ring, until more than 4 are gathered or the
// window spans every row; `limite` the liberty count of a weak chain. Phase
// 1 (mode1 > 0 or `flag`) around the other colour's chains, phase 2 (mode2
// > 0) around the chain's own colour. Points already in `l` stay once.
void zoneautourchaine(TPlateau& p, int32_t limite, int32_t ligne, int32_t colonne, int32_t mode1, int32_t mode2,
                      TListePoints& l, uint8_t& flag);

// The first empty point (rows, then columns) that no ko forbids and whose
// table neighbours hold no chain in atari, into `sortie`; unchanged when
// there is none. The pass decision's fallback when the search leaves a point
// that cannot be played.
void premierecaselibresure(TPoint& sortie, const TPlateau& p);
