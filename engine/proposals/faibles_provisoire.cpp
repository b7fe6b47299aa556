// Stand-in weak-chain classification until it is in place: nothing classified.
#include "engine/proposals/faibles.h"

void analysefaibles(TMarques&, TMarques&, TMarques&, const TMarques&, uint8_t, TPlateau&, const TCartesParPoint&,
                    const TCartesParPoint&, const TCartesParPoint&, const TCartesParPoint&, TMarques&) {}
