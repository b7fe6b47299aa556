// Stand-ins until the opponent's weak chains and reinforcements are in
// place: nothing classified, no move.
#include "engine/proposals/faiblesjoueur.h"

void analysefaibles2(const TCartesParPoint&, const TCartesParPoint&, TPlateau&, uint8_t, uint8_t, const TMarques&) {}

void coupdefortificationjoueur(TMarques&, const TCartesParPoint&, const TCartesParPoint&, TCarte&, TCarte&, TPlateau&,
                               uint8_t, TListePoints&, int32_t, TListePoints&, int32_t) {}
