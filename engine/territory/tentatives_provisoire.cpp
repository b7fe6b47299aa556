// Stand-in invasion attempts until they are in place: no value.
#include "engine/territory/tentatives.h"

void tentativeinvasion(TListePoints&, int32_t, uint8_t, uint8_t, TCarte&, TPlateau&) {}
