// Stand-in cut prevention until it is in place: no move.
#include "engine/proposals/empechecoupure.h"

void coupempechecoupure(TPlateau&, TCarte&, TCarte&, TCarte&, TCarte&, uint8_t, uint8_t, const TCartesParPoint&,
                        const TCartesParPoint&, const TCartesParPoint&, const TCartesParPoint&, TListePoints&,
                        int32_t) {}
