// Stand-ins until the opening heuristics are in place: nothing proposed.
#include "engine/opening/extensions.h"

void extensionsdebutpartie(TPlateau&, const TCarte&, TCarte&, int32_t, const TListePoints&, int32_t,
                           TListePoints&) {}
