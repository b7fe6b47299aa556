// Local window status: how safe a stone is, judged inside a square window
// around it by many random fills of the window's empty points.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

constexpr int32_t CAPACITEFENETRE = 80;  // empty points of a window listed for the fills

// Status of the stone at (ligne, colonne) into `resultat`: 0 for an empty
// point, a dead stone (unless the attack case of `mode` applies), a stone
// with no live friend in the window of radius `rayon` (unless an enemy
// neighbour is in atari, or the attack or colour-argument case applies), or
// fills that keep too little; otherwise the shape term plus the two average
// counts, with the shape penalties in `drapeau`. Fills take platform::Random.
// Board, infochaine and pionsmorts come back as they were.
// Note the column comes first.
void statutlocalfenetre(int32_t& resultat, uint8_t couleurarg, uint8_t camp, int32_t rayon, int32_t colonne,
                        int32_t ligne, int32_t& drapeau, TPlateau& p, uint8_t mode);

// Among the orthogonal neighbours: a stone of `couleur` on its own territory
// and one that is not.
bool testliefortetfaible(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur);

// ---- Steps of the status ------------------------------------------------------
// Counts from the stone at `p` on the filled board: k1 the neutral points its
// fill reaches (and the live stones that stood before the fill), k2 5 a point
// the other side owns or a dead stone met. `avant` is the board before the fill.
void comptefenetre(const TPlateau& rempli, const TPlateau& avant, int32_t ligne, int32_t colonne, int32_t& k1,
                   int32_t& k2);
// Shape term: 15 when the enemy stones next to the window's empty points (and
// the stone) stand both on and off the enemy's territory, else 0; every enemy
// chain among them no flood leads to its territory adds 15 a stone to `drapeau`.
int32_t testfenetrefinal(const TListePoints& vides, const TPlateau& p, int32_t ligne, int32_t colonne,
                         int32_t& drapeau);
// Depth-first flood toward the territory of `but`, not entering points that
// hold `bloquant` on the prepared copy (unless in atari) or that territoire
// gives to `bloquant`; `resultat` becomes 1000 when it arrives.
void routefenetre(int32_t& resultat, uint8_t but, uint8_t bloquant, int32_t dir, int32_t colonne, int32_t ligne,
                  TMarques& vu, const TPlateau& copie);
