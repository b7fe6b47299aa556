// Stand-in forced moves until they are in place: no move.
#include "engine/reading/coupforce.h"

void coupforcefortifouinvasion(TListePoints&, int32_t, TPlateau&, TCarte&, TCarte&) {}
