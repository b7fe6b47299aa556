// Stand-in attack search until it is in place: no move.
#include "engine/proposals/attaque.h"

void chercheattaque(TPlateau&, TCarte&, TCarte&, TCarte&, TCarte&, TCarte&, TCarte&, uint8_t, uint8_t,
                    const TCartesParPoint&, const TCartesParPoint&, TListePoints&, int32_t) {}
