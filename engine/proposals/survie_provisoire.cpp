// Stand-in survival family until it is in place: no move.
#include "engine/proposals/survie.h"

void coupdesurvie(TMarques&, TMarques&, TMarques&, const TMarques&, TListePoints&, int32_t, TListePoints&, int32_t,
                  uint8_t, TPlateau&, TCarte&, TCarte&, const TCartesParPoint&, const TCartesParPoint&,
                  const TCartesParPoint&, const TCartesParPoint&, TMarques&, TMarques&, TMarques&) {}
