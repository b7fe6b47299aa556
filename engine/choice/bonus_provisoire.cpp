// Stand-in terms of unit bonus until they are in place: each adds nothing.
#include "engine/choice/bonus.h"

void bonusinvasion(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
void bonusmarquesmorts(TPlateau&, int32_t&, uint8_t, int32_t, int32_t, int32_t) {}
