// Stand-ins until the invasion family is in place: no value.
#include "engine/proposals/invasions.h"

void invasionpossible(TMarques&, TPlateau&, TCarte&, TCarte&, uint8_t, uint8_t, const TCartesParPoint&,
                      const TCartesParPoint&, const TCartesParPoint&, const TCartesParPoint&) {}

void analysecoupsinvasion(TPlateau&, TCarte&, uint8_t, TMarques&, uint8_t) {}
