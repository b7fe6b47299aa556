// Stand-in reinforcement family until it is in place: no move.
#include "engine/proposals/fortification.h"

void coupdefortification(TMarques&, TListePoints&, TMarques&, TMarques&, TMarques&, TMarques&, TMarques&,
                         const TCartesParPoint&, const TCartesParPoint&, const TCartesParPoint&,
                         const TCartesParPoint&, TCarte&, TCarte&, TCarte&, TCarte&, TPlateau&, uint8_t,
                         TListePoints&, TMarques&) {}
