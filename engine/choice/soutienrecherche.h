// Small routines of the move search and the position analysis: the end-phase
// test and the joseki decision.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"
#include "engine/reading/marquagemorts.h"

// Sets phasefinale from the opening flag, the move number and the best
// value of `carte` against `seuil`.
void testfindepartie(int32_t seuil, const TPlateau& p, const TCarte& carte);

// For an engine trial at a joseki suggestion: may set coupdecide.
void decidecoupjoseki(int32_t ligne, int32_t colonne);

// The liberties of the two-liberty chains next to A and B (those of A's
// colour next to B, then unless `drapeau` those of the other colour next to
// A, not marked dead), each appended once and marked in `marques`.
void listelibertesadeuxlib(uint8_t drapeau, TMarques& marques, const TPlateau& p, TListePoints& l, int32_t cap,
                           int32_t la, int32_t ca, int32_t lb, int32_t cb);

// Attack points of the engine ("faitmort" with a kill mark, in the
// opponent's territory or a fork) appended to `candidats`, and the areas
// around the opponent's; the points taken into the two out masks.
void coupdattaque(const TCarte& faitmortjoueur, const TCarte& faitmortordi, const TCarte& fourchettejoueur,
                  const TCarte& fourchetteordi, uint8_t couleur, uint8_t adverse, TListePoints& candidats,
                  const TPlateau& p, const TMarques& testtueordi, const TMarques& testtuejoueur, TMarques& sortieordi,
                  TMarques& sortiejoueur);

// Marks in zonemarquee (a copy of pionsmortssauves first) the points within
// `rayon` of the moves 1..profondeur-1 of the line, with the liberties of
// the chains next to them.
void marquezoneautour(const TPlateau& p, const TCheminCoups& chemin, int32_t profondeur, int32_t rayon);
// Appends to `l` (300) the liberties of the chains around the chain at
// (ligne, colonne), ring by ring; `limite` the liberty count of a weak chain.
void zoneautourchaine(TPlateau& p, int32_t limite, int32_t ligne, int32_t colonne, int32_t mode1, int32_t mode2,
                      TListePoints& l, uint8_t& flag);
