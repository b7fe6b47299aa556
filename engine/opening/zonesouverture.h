// Small opening routines: the zone of the opponent's last move, the fuseki
// pick inside the zone, boosts of nearby survival and reinforcement moves,
// and the side star points between two occupied corners (19x19).
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// True when the heuristics should first work in the area of the last move;
// `zone` then holds 0 on that area and 1 elsewhere (else all 0).
bool testezonederniercoup(const TPlateau& p, int32_t ligne, int32_t colonne, TMarques& zone);
// A random free fuseki candidate outside the zone mask into `choisi`.
void choisitpointfuseki(const TMarques& zone, TPoint& choisi);
void renforcecoupsproches(const TMarques& zone, const TCarte& fortificationjoueur, const TCarte& surviejoueur,
                          int32_t colonne, int32_t ligne, TCarte& scores, const TCarte& fortificationordi,
                          const TCarte& survieordi);
// `ennemis` gets the star points between two enemy corners.
void prisehochi2coins(const TPlateau& p, TCarte& scores, TListePoints& candidats, int32_t constante,
                      TListePoints& ennemis, int32_t cap);
void prisehochi2coinsennemis(const TPlateau& p, TCarte& scores, TListePoints& candidats, int32_t constante,
                             const TListePoints& ennemis, int32_t cap);
