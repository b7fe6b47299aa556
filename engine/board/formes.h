// Eye-shape and local-shape tests of unit voisin: the point tests of the
// fight reading's eye region (region map codes: 0 outside, 1 and 2 region
// points, 5 and 6 taken points, 10 a marked point, 8 or more the short
// path), and the local tests the analyses call once per point.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// True when an orthogonal neighbour holds the other colour of c, or two
// diagonal points do (one is enough on the edge line).
bool formeoeilcassee(const TPlateau& p, uint8_t c, int32_t ligne, int32_t colonne);

// Edge spoiling points of an edge point: 0, 1 (one written to `sortie`) or
// 2 (a second, different one found). Points off the board never count.
int32_t pointbordcoupe(TPoint& sortie, int32_t ligne, int32_t colonne, uint8_t c, const TMarques& region,
                       const TPlateau& p);

// Can the region point (ligne, colonne) still become an eye of c? `sortie`
// is cleared first and gets the spoiling point when one is found; `exclu`
// (0, 0) for none. Works on a local copy of `acopier`; changes nothing else.
bool testoeilpossible(const TPlateau& p1, const TPlateau& p2, TPoint& sortie, const TPoint& exclu,
                      const TMarques& region, const TPlateau& acopier, uint8_t c, uint8_t e, int32_t ligne,
                      int32_t colonne);

// With the eye point `oeil` counted as visited: the chain through `pierre`
// has exactly one liberty L (into `sortie`), touches no stone of another
// colour marked in `marques` or in atari, and a stone of the other colour
// played at L would have exits there (so the chain can be put in atari).
bool derniereliberteissue(const TPlateau& p, const TMarques& marques, TPoint& sortie, const TPoint& pierre,
                          const TPoint& oeil);

// Enclosed chains of c around the region point: when none escapes the region
// and all may be taken, the point gets 5 and colour d, the stones are emptied
// and appended to `sortie`; otherwise only the point's code 1 is written.
// Note the column comes first.
void voisinenemia1(TListePoints& sortie, TPlateau& p, uint8_t c, uint8_t d, int32_t colonne, int32_t ligne,
                   TMarques& region);

// Escape points of the region walked from the point (not entering c): up to
// ten into `liste` (count 11 = more, -1 = no way out once `limite` inner
// points were met with none). Plays d's capture trials on the board.
// True when the region reached a living chain of d set in marquesglobales
// (the fight reading's relieaumarque).
bool cherchelibertesrecursif(int32_t& compteur, TListePoints& liste, int32_t limite, int32_t dir, int32_t ligne,
                             int32_t colonne, TMarques& vu, TPlateau& p, uint8_t c, uint8_t d,
                             TListePoints& prises, TListePoints& ataris);

// The chain through the point is in atari without escape: its liberty into
// `sortie1`, the single empty point beside that liberty (if any) into
// `sortie2`; the chain's stones get 1 in `marques`. Both cleared when false.
bool atarisansissue(const TPlateau& p, TMarques& marques, TPoint& sortie1, TPoint& sortie2, int32_t ligne,
                    int32_t colonne);

// An isolated stone (eight empty surroundings) in hostile lines is marked
// dead in pionsmorts. The board comes back as it was.
void pierreisoleemorte(TPlateau& p, int32_t ligne, int32_t colonne);

// For the first `nb` listed points holding c and not dead: the stones of a
// loose group of 1 to 3 stones get 1 in `sortie`.
void marquepetiteschaines(int32_t nb, const TListePoints& liste, const TPlateau& p, uint8_t c, TMarques& sortie);

// On the board: each listed stone of c (and the further point `autre`, when
// set) that is not dead, not next to a chain in atari and in a loose group of
// 1 to 3 stones is emptied. drapeaux[1] and drapeaux[2] skip entries 1 and 2.
void marquepetiteschaines2(const TPoint& autre, const uint8_t* drapeaux, int32_t nb, uint8_t c, TPlateau& p,
                           const TListePoints& liste);

// Stones of the chains of c next to the point that are in atari in `table`.
int32_t comptepierresatarivoisines(const TInfoChaine& table, const TPlateau& p, uint8_t c, int32_t ligne,
                                   int32_t colonne);
