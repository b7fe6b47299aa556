// Game-situation terms: the score balance and strategy of the mover, the
// thinning of the invasion map when defending, the value of a trial move
// from the stones it kills and saves, and the double-threat search.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/rejoue.h"
#include "engine/board/types.h"

// Balance of the position for the mover m from the territory value map
// (positive black) and the counts W0, B0: sets strategie, bilanscore,
// bilanentier, enretard, flagattaque, flagconsolide; `points` gets the
// points the mover needs (0 unless computed).
void consolidationgagnant(int32_t& points, const TCarte& valeurs, const TPlateau& p, int32_t blancs, int32_t noirs,
                          uint8_t autre, uint8_t m);

// Neither the point nor a neighbour shows x in influence, territoire or
// territoire2 (the point itself in influence and territoire2 only).
bool sanssignecouleur(int32_t r, int32_t c, uint8_t x);

// Thins the invasion-zone map of the mover c when it defends.
void reduitzoneinvasion(TMarques& zone, uint8_t c);

// Value of the trial move at (ligne, colonne) of `couleur`, already on `p`
// with the captures `prises`: `mode` 1 the engine's record, 0 the
// opponent's; `avant` the dead marks that count new deaths, `apres` those
// that count revived stones; `tue` and `sauve` set when it kills or saves.
int32_t valeurcoupessai(const TPrisesMarquees& prises, uint8_t mode, int32_t ligne, int32_t colonne,
                        const TPlateau& p, uint8_t couleur, uint8_t adverse, uint8_t& tue, uint8_t& sauve,
                        const TMarques& avant, const TMarques& apres);

// Double-threat value of the trial move at (ligne, colonne) on `p`: the
// threat points into `menaces`, the forks found into `fourchettes` (up to
// `largeur` chains read `profondeur` deep); pionsmorts comes back.
int32_t cherchefourchettes(uint8_t mode, int32_t ligne, int32_t colonne, int32_t largeur, int32_t profondeur,
                           TMarques& menaces, int32_t& fourchettes, TPlateau& p);

// Fewer than a fifth of the points left to play: sets moinsde20pcvides and
// cartevides from the board and the opponent's trial dead marks.
void testmoinsde20pcvides(const TPlateau& p, const TCartesParPoint& mortsessaijoueur, uint8_t c, uint8_t o);
