// Tools of the invasion analysis: the area a colour claims, the weighted
// liberties of a stone, and the two edge and centre invasion shapes (the
// monkey jump on the first line, the bamboo joint). The three-line band: row
// or column at most 3 or at least the board size minus 2.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// 4 in the three-line band, 2 inside.
int32_t bandeinvasion(int32_t ligne, int32_t colonne);

// `zone` := pionsmortssauves, 1 where territoire or territoire2 gives the
// point to `couleur`, 1 on empty points with two marked neighbours; then
// `passes` growths by one step over empty band points that no stone of
// `autre` touches.
void zoneinvasion(TMarques& zone, const TPlateau& p, uint8_t couleur, int32_t passes, uint8_t autre);

// 0 when the point is unmarked in `zone`; else its weight (3 in `couleur`'s
// territoire, 2 in its territoire2, 1 otherwise) plus the weight of every
// empty point around the stones of colour `chaine` connected to it; an
// unmarked one of those gives the point's weight alone. Note the column
// comes first.
int32_t libertesponderees(const TPlateau& p, const TMarques& zone, uint8_t couleur, int32_t colonne, int32_t ligne,
                          uint8_t chaine);

// Band factor x the weighted liberties in `zone` (the point emptied
// meanwhile) x 5, divided by 2 when the stone is linked to a live chain
// (pionsmorts as dead mask), else by 8; the chain walked is the stone's
// own. The board comes back as it was.
// With the other side's invasion zone as `zone`, only a chain inside that
// zone is worth more than its point: joining a wall outside it is not.
int32_t valeurlibertesponderee(TPlateau& p, const TMarques& zone, uint8_t couleur, int32_t colonne, int32_t ligne,
                               uint8_t autre);

// A map of the opponent's trial records (essaisjoueur) per point.
using TCarteEssai = TMarques TEssaiCoup::*;

// Scores into `scores` (cleared first) the points around monkey jumps of
// `autre` (the jump and its window tried with a stone of `autre` holding its
// liberty count) and around bamboo joints tried with a `joueur` stone, in `autre`'s
// area, and appends each scored point once to `liste`. `morts` names the
// trial dead map of a point, `libres` the trial map that is 0 at the point
// itself when the point is free (with the dead map: the trial stone lives). Board, infochaine and pionsmorts come back as they were.
void invasionsingebambou(const TMarques& marqueszone, uint8_t joueur, uint8_t autre, TListePoints& liste,
                         int32_t cap, TCarte& scores, TPlateau& p, TCarteEssai morts, TCarteEssai libres);
