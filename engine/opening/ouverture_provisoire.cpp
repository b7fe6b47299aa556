// Stand-ins until the opening driver and the 19x19 book are in place: no move.
#include "engine/opening/ouverture.h"

void coupdebutpartie(const TMarques&, TPlateau&, TPoint, TPoint&, TCarte&, TCarte&, TListePoints&, int32_t,
                     TMarques&) {}

void consultebase1919(TPoint&, const TMarques&, const TPlateau&, TCarte&, int32_t, TListePoints&) {}
