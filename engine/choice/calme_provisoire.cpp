// Stand-in calm-situation test until it is in place: the turn is never
// judged (etatcalme unchanged), no point added.
#include "engine/choice/calme.h"

void situationcalme(TListePoints&) {}
