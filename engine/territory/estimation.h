// Two-colour territory estimate: closed regions of the prepared boards and
// the influence passes, with a review of the stones marked dead.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Dead-stone view of the last estimate: a copy of pionsmorts at its entry
// whose revived chains are cleared. Kept until the next estimate.
extern TMarques pionsmortsestime;

// Signed estimate into `resultat` (positive black, negative white, +-1 for
// closed regions) with `passes` dilations and passes*(passes-1)+1 erosions;
// the points counted for each side into `blancs` and `noirs`; `travail` gets
// the last sweep's records. `finir` runs the owner pass marqueproprietaires.
// pionsmorts and infochaine are only read.
void estimeterritoire(TCarte& resultat, TCarte& travail, uint8_t couleur, int32_t passes, int32_t& blancs,
                      int32_t& noirs, const TPlateau& p, uint8_t finir);
// In place: lifts the stones of `couleur` flagged in `marques`, closes the
// gaps between stones of one zone record and claims the first line under
// strong stones of `couleur`.
void fermebordszone(const TMarques& marques, TPlateau& p, uint8_t couleur);
// Lifts the stones of `couleur` flagged in `marques`, runs the first four
// fills of prepareterritoire for `couleur` and puts the lifted stones back.
void remplitzonesanspions(const TMarques& marques, TPlateau& p, uint8_t couleur);
// In place: the stones of `couleur` that `masque` flags become empty points
// on the whole 19x19 array; returns how many were lifted. Nothing else changes.
int32_t comptezone(TPlateau& p, const TMarques& masque, uint8_t couleur);
