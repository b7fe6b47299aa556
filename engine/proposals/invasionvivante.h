// Invasion viability test: can a stone played inside the other side's area
// live or do damage there? An area count, edge and shape tests, link tests,
// capture readings and four propagation readings, each turned into a value.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Judges the invader's stone at (ligne, colonne) on its trial board `p`
// (engine invasion when `ordi` is 1). `resultat` gets the largest value a
// stage produced (0 = not viable); raises compteurinvasions2; an opponent
// invasion clears flaginvasionvivante. `second` goes to the readings;
// `troisieme` is set by the generator's passes. `travail` is the capture
// flags' work cell. `morts2envahisseur`, `morts2defenseur`: the two sides'
// second dead masks for the point; `marquesliaison`: the link marks loaded
// for the capture readings; `compteur4`: the territory count of the invader's trial there;
// `mode` 1..3; `t2`, `t1`: the thresholds (0 = none). Board, infochaine,
// pionsmorts and territoire come back as they were.
void testinvasionvivante(uint8_t ordi, uint8_t second, uint8_t troisieme, int32_t& travail, TPlateau& p,
                         int32_t& resultat, uint8_t envahisseur, uint8_t defenseur, const TMarques& morts2envahisseur,
                         const TMarques& morts2defenseur, const TMarques& marquesliaison, int32_t compteur4,
                         int32_t ligne, int32_t colonne, int32_t mode, int32_t t2, int32_t t1);

// The three value formulas; the reduced form holds in the opening
// (debutpartie 1, first territoireaprendre counter 3 or more) for the engine.
int32_t valeurinvasion1(int32_t a, int32_t k, int32_t c, uint8_t ordi);
int32_t valeurinvasion2(int32_t a, int32_t k, uint8_t drapeau, uint8_t ordi);
int32_t valeurinvasion3(int32_t a, int32_t k, uint8_t ordi);

// A table neighbour of the point holds `couleur` in atari or marked in pionsmorts.
bool voisinatariouemort(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t couleur);
// Shape test of the invader's stone: on the first line, live defender
// stones on the second line and a defender point beside it; elsewhere, live
// defender stones on both sides. `masque`: the defender's second dead mask.
bool invasionpremiereligne(const TMarques& masque, const TPlateau& p, int32_t ligne, int32_t colonne);
// Edge test on the third and fourth lines out of the corners: the strip to
// each near edge is empty, the defender's in territoire and unowned in
// `entree`, and the point's line meets the defender's area first both ways.
bool invasionbordpossible(const TPlateau& p, const TMarques& entree, int32_t ligne, int32_t colonne,
                          uint8_t defenseur, uint8_t envahisseur);
// An empty neighbour (or an empty neighbour of one) that the point's
// territory map gives to the defender and whose trial record can link to a
// strong stone; `cote` 1 for engine invasions, 0 for the opponent's.
bool voisinfaiblemenace(const TPlateau& p, uint8_t cote, int32_t ligne, int32_t colonne);
