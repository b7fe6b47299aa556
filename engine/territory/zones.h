// Zone evaluation: a board copy prepared for one colour more thoroughly
// than prepareterritoire, then the points where the other colour could still
// live or cut inside that area.
#pragma once
#include <cstdint>

#include "engine/board/etat.h"
#include "engine/board/types.h"

// Prepares `p` for `propre` (stones flagged in `masque` taken as absent;
// keep-eyes rule with `garderyeux`), then marks in `marques` the weak points
// the enemy could use and adds them to `compteur`. `selecteur` chooses the
// gap rule. infochaine comes back as it was; the board keeps the fills.
void evaluezones(TMarques& marques, const TMarques& masque, uint8_t garderyeux, int32_t& compteur,
                 uint8_t selecteur, uint8_t ennemi, uint8_t propre, TPlateau& p);

// The steps of evaluezones, kept apart from every other unit's names. A
// liberty map holds the liberties of the unmasked own stones (1 where
// infochaine has 0) and 0 elsewhere.
namespace zones {
// The own chains flanking the empty pair (paire1, paire2), stones a and b,
// hold it against an enemy limited to `limite` liberties.
bool pairesolide(const TPlateau& p, int32_t limite, const TPoint& paire1, const TPoint& paire2, const TPoint& a,
                 const TPoint& b);
// On a private copy: the enemy around the point stays cut apart.
bool invasionpossible(const TPlateau& p, const TCarte& libertes, int32_t ligne, uint8_t propre, uint8_t ennemi,
                      int32_t colonne);
// Two enemy orthogonal neighbours (one among the first three) and an own
// recorded stone among the eight surrounding points.
bool pointinvasion(const TPlateau& p, const TCarte& libertes, int32_t ligne, uint8_t ennemi, int32_t colonne);
// Both sides of the point along the row (`horizontal`) or the column are
// closed by own stones or the edge within 3 points.
bool formeferme(const TPlateau& p, int32_t ligne, int32_t colonne, uint8_t ennemi, uint8_t propre, bool horizontal);
// fermeecarts where the open side gives the enemy three exits on `copie`.
void fermeecartszone(uint8_t garderyeux, const TPlateau& copie, TPlateau& p, uint8_t ennemi, uint8_t propre);
// rejointbord3 for chains of 3 liberties or more, and the corner first-line joins.
void rejointbordzone(uint8_t garderyeux, TPlateau& p, uint8_t propre, uint8_t ennemi);
// The neutral-point scan with enemy stones allowed beside interior pairs.
void remplitcasesneutreszone(uint8_t garderyeux, TPlateau& p, const TCarte& libertes, uint8_t ennemi,
                             uint8_t propre);
// retirepionsisolesbords recording the lifted stones in `retires`.
void retirepionsisolesbords2(TMarques& retires, TPlateau& p, uint8_t propre);
}  // namespace zones
