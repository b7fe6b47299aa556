// Stand-ins until survival by surrounding is in place: no move.
#include "engine/proposals/survieentourage.h"

void coupdesurvieentourant(TCarte&, TPlateau&, TListePoints&, int32_t, TListePoints&, int32_t) {}

void survieordi(TMarques&, TCarte&, TCarte&, TPlateau&, TListePoints&, int32_t) {}
