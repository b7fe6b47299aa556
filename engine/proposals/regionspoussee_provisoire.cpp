// Stand-in push test until it is in place: no push.
#include "engine/proposals/regionspoussee.h"

void testpousseeligne(const TPlateau&, TPlateau&, TPoint&, int32_t&, int32_t, int32_t, int32_t, int32_t) {}
