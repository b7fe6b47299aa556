// Stand-ins until the opening heuristics are in place: nothing proposed.
#include "engine/opening/deuxdegres.h"
#include "engine/opening/extensions.h"

void coupadeuxdegres(const TMarques&, const TCarte&, const TCarte&, int32_t, int32_t, TListePoints&, TPlateau&,
                     TCarte&, const TCartesParPoint&, const TCartesParPoint&, uint8_t, uint8_t) {}
void testeperteinfluence(TCarte&, const TPlateau&, const TCartesParPoint&, TListePoints&, uint8_t, uint8_t) {}
void extensionsdebutpartie(TPlateau&, const TCarte&, TCarte&, int32_t, const TListePoints&, int32_t,
                           TListePoints&) {}
