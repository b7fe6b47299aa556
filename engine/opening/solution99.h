// The 9x9 winning-line search and the score-penalty rule of the root.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// When some first move reaches the target within five plies, appends the
// winning first moves to `candidats` and sets every other 9x9 point in
// `exclus`. Nothing below level 5, off 9x9 or after a book move.
void solutiongagnante99(TMarques& exclus, TPlateau& p, TListePoints& candidats, int32_t cap);
// One pass of the search from ply 1 with `couleur` (the engine) to move:
// the value of each first move it examines goes to `valeurs`, the first
// moves that reach `cible` to `gains` (and `gagne`). Mode 0 searches the
// listed points valued at least `cible`, mode 1 those not yet valued (64).
void lancerecherche99(TCarte& valeurs, int32_t mode, bool& gagne, int32_t plimax, int32_t cible, TPoint ko,
                      TPlateau& p, uint8_t autre, uint8_t couleur, int32_t cap, const TListePoints& liste,
                      TMarques& gains);
// The penalty rule on a root candidate from eight of its family values:
// true rejects the candidate (no penalty applies: its values are too weak
// to try it); false keeps it, with the penalty taken off `score`, the path
// score the candidate is then searched with. The point itself is not read.
bool testepenalite(int32_t ligne, int32_t colonne, const int32_t (&valeurs)[8], int32_t& score);

// ---- Steps of the search, open to tests ------------------------------------------
// After the engine's third-ply move `couleur` has just played: pionsmorts
// from pionsmortssauves, then every chain of up to five liberties that the
// capture reading takes at depth 11 marked dead (a chain of `couleur` in
// atari at once).
void marquemortspli3(TPlateau& p, uint8_t couleur);
// The killer move of each ply, kept across the passes of one search;
// emptied when a search starts.
void videtueurs99();
TPoint tueur99(int32_t pli);
// The third-ply store: emptied at each pass; a look-up gives the stored
// value (of either sign) or the sorted place where the key goes.
void videtransposition99();
bool cherchetransposition99(uint32_t cle, int32_t& valeur, int32_t& position);
void inseretransposition99(uint32_t cle, int32_t valeur, int32_t position);
// The 9x9 influence map: stones of small or short chains 1, others 50
// (signed by colour), spread `etapes` times to the neighbours.
void influence99(const TPlateau& p, TCarte& carte, int32_t etapes);
// The engine's count over the 81 points from `marge`: +1 where the influence
// favours the engine, -1 elsewhere.
int32_t compteinfluence99(const TCarte& carte, int32_t marge);
// The komi margin of the engine's colour: Trunc(komi) as white, -Trunc - 1 as black.
int32_t margekomi99();
