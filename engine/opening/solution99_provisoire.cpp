// Stand-in 9x9 search and penalty rule until they are in place: no winning
// line, no rejection.
#include "engine/opening/solution99.h"

void solutiongagnante99(TPlateau&, TListePoints&) {}
bool testepenalite(int32_t, int32_t, const int32_t (&)[8], int32_t&) { return false; }
