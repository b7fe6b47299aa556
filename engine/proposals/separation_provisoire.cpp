// Stand-in separation links until they are in place: no move.
#include "engine/proposals/separation.h"

void genereliecarrisqueseparation(TCarte&, TCarte&, TCarte&, TCarte&, TCarte&, const TCartesParPoint&,
                                  const TCartesParPoint&, uint8_t, uint8_t, TPlateau&, TListePoints&) {}
