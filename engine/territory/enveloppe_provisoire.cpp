// Stand-in until the geometry helpers are in place: the hull is empty.
#include "engine/territory/enveloppe.h"

void enveloppeconvexe(const TListePoints&, TListePoints& sortie, int32_t) { sortie[0] = 0; }
